// The discarding rules on hand-built positions: what common play does when a seat cannot or
// need not follow, and the branches of the Schafkopf and Skat lines. Cards by name (CardNames.h).
#include <gtest/gtest.h>

#include <string>

#include "engine/CardNames.h"
#include "engine/RulePosition.h"

namespace {

using card_names::Card;
using card_names::Cards;

constexpr int kCallGame = 1; // Herz trump, the normal word

} // namespace

// An opponent's Ace of Gras is led and the seat cannot follow: it gives the Seven of a suit
// without points, not the Ace of Schellen nor a card of the Ace's suit.
TEST(DiscardRules, LowCardOfAPointlessSuitOntoAnOpponentsTrick) {
    RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal);
    p.Hand(0, Cards("G-A G-8 S-7"));
    p.Hand(1, Cards("S-8 S-A E-7 E-9 E-K"));
    p.Hand(2, Cards("G-9 S-9 H-8"));
    p.Hand(3, Cards("G-K E-8 H-9"));
    p.Parties({0, 2});
    p.Trick(0, {Card("G-A")});
    int reason = 0;
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.ChooseDiscard(s, false); }, &reason),
              Card("E-7"));
    EXPECT_EQ(reason, 21);
    // The lowest-card rule alone never gives a Ten or an Ace, nor a card of a suit holding one.
    p.Hand(1, Cards("S-8 S-A E-10 E-9"));
    p.game.PrepareDecision(1);
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.DiscardLowestCard(s); }), 0);
}

// The partner's Ober of Eichel holds the trick: the seat smears the Ten of Gras and keeps the
// Ace. With two copies the Ten goes while the other Ace is still out (it would fall to it).
TEST(DiscardRules, SmearATenOntoThePartnersSafeTrick) {
    {
        RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal);
        p.Hand(0, Cards("E-O S-7 S-8"));
        p.Hand(1, Cards("H-7 G-8 S-9"));
        p.Hand(2, Cards("G-10 G-A G-7 E-8"));
        p.Hand(3, Cards("H-8 E-9 S-K"));
        p.Parties({0, 2});
        p.Trick(0, Cards("E-O H-7"));
        EXPECT_EQ(p.Play([](auto& g, int s) { return g.SmearPoints(s); }), Card("G-10"));
    }
    {
        RulePosition<TestLevel> p(0, kWordNormal);
        p.Hand(0, Cards("E-O G-K S-K"));
        p.Hand(1, Cards("S-9 G-A S-10"));
        p.Hand(2, Cards("G-10 G-A G-9 E-K E-9"));
        p.Hand(3, Cards("S-U E-10 E-K"));
        p.Parties({0, 2});
        p.Gone(Cards("H-10 H-10"));
        p.Trick(0, Cards("E-O S-9"));
        int reason = 0;
        EXPECT_EQ(p.Play([](auto& g, int s) { return g.SmearPoints(s); }, &reason), Card("G-10"));
        EXPECT_EQ(reason, 37);
    }
}

// The rank throw-off of a King with the Ten above it in the hand, last in the trick: the Skat
// line gives the next card up, the Schafkopf line the next card when the line allows it, the
// base line the King itself.
TEST(DiscardRules, ThrowOffRankBranchesByLine) {
    auto throwKing = [](auto& g, int s) { return g.ThrowOffRank(s, kRankKing, true); };
    {
        RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal);
        p.Hand(0, Cards("E-7 S-7"));
        p.Hand(1, Cards("E-8 S-8"));
        p.Hand(2, Cards("E-9 S-9"));
        p.Hand(3, Cards("G-K G-10 S-10"));
        p.Parties({0, 2});
        p.Trick(0, Cards("E-7 E-8 E-9"));
        EXPECT_EQ(p.Play(throwKing), Card("G-10"));
    }
    {
        RulePosition<TestLevel> p(0, kWordNormal);
        p.Hand(0, Cards("E-9 S-K"));
        p.Hand(1, Cards("E-K S-K"));
        p.Hand(2, Cards("E-10 S-10"));
        p.Hand(3, Cards("G-K G-10 S-10"));
        p.Parties({0, 2});
        p.Trick(0, Cards("E-9 E-K E-10"));
        EXPECT_EQ(p.Play(throwKing), Card("G-K"));
    }
    {
        RulePosition<SkatLevel> p(0, 1);
        p.Hand(0, Cards("E-7 S-7"));
        p.Hand(1, Cards("E-8 S-8"));
        p.Hand(2, Cards("G-K G-10 S-10"));
        p.Parties({0});
        p.game.declarer = 0;
        p.Trick(0, Cards("E-7 E-8"));
        EXPECT_EQ(p.Play(throwKing), Card("G-10"));
    }
}

// The lowest-card discard of a defender in Skat gives the Eight over the Seven below it (the
// Seven may still show the suit's length to the partner); Schafkopf gives the Seven.
TEST(DiscardRules, DiscardLowestCardBranchesByLine) {
    auto lowest = [](auto& g, int s) { return g.DiscardLowestCard(s); };
    {
        RulePosition<SkatLevel> p(0, 1);
        p.Hand(0, Cards("E-7 S-7"));
        p.Hand(1, Cards("G-7 G-8 G-K H-9"));
        p.Hand(2, Cards("E-8 S-8"));
        p.Parties({0});
        p.game.declarer = 0;
        p.Trick(0, Cards("E-7"));
        EXPECT_EQ(p.Play(lowest), Card("G-8"));
        // The declarer itself gives the Seven.
        p.game.declarer = 1;
        p.game.PrepareDecision(1);
        EXPECT_EQ(p.Play(lowest), Card("G-7"));
    }
    {
        RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal);
        p.Hand(0, Cards("E-7 S-7"));
        p.Hand(1, Cards("G-7 G-8 G-K S-9"));
        p.Hand(2, Cards("E-8 S-8"));
        p.Hand(3, Cards("E-9 S-K"));
        p.Parties({0, 2});
        p.Trick(0, Cards("E-7"));
        EXPECT_EQ(p.Play(lowest), Card("G-7"));
    }
}

// The top of a side suit without a sure trick: a Skat defender keeps a King guarded by two
// cards while the Ace and Ten are out; Schafkopf plays it.
TEST(DiscardRules, ChooseSideSuitCardBranchesByLine) {
    auto side = [](auto& g, int s) { return g.ChooseSideSuitCard(s, false); };
    {
        RulePosition<SkatLevel> p(0, 1);
        p.Hand(0, Cards("E-7 S-7 G-7"));
        p.Hand(1, Cards("G-K G-9 G-8"));
        p.Hand(2, Cards("E-8 S-8 G-A"));
        p.Parties({0});
        p.game.declarer = 0;
        p.game.seats[1].profile = 20;
        p.game.UpdatePlaceRecords();
        p.Trick(0, Cards("E-7"));
        EXPECT_EQ(p.Play(side), 0);
        p.game.seats[1].profile = 5;
        p.game.PrepareDecision(1);
        EXPECT_EQ(p.Play(side), Card("G-K"));
    }
    {
        RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal);
        p.Hand(0, Cards("E-7 S-7"));
        p.Hand(1, Cards("G-K G-9 G-8"));
        p.Hand(2, Cards("E-8 S-8"));
        p.Hand(3, Cards("E-9 S-9"));
        p.Parties({0, 2});
        p.game.seats[1].profile = 20;
        p.Trick(0, Cards("E-7"));
        EXPECT_EQ(p.Play(side), Card("G-K"));
    }
}

// Ten before Ace: a suit topped by a Ten goes before any suit topped by an Ace, and a
// singleton Ten first of all.
TEST(DiscardRules, ThrowOffTenOrAcePrefersTenToppedSuits) {
    RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal);
    p.Hand(0, Cards("E-7 E-8"));
    p.Hand(1, Cards("S-A S-7 G-10 G-8 G-9"));
    p.Hand(2, Cards("E-9 S-8"));
    p.Hand(3, Cards("E-K S-9"));
    p.Parties({0, 2});
    p.Trick(0, Cards("E-7"));
    int reason = 0;
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.ThrowOffTenOrAce(s); }, &reason), Card("G-10"));
    EXPECT_EQ(reason, 26);
}

// With most of every suit gone the least-likely-winner discard declines; the single-copy
// discard order with the flag clear stops before the low leads.
TEST(DiscardRules, LeastLikelyWinnerAndTheEndOfTheDiscardOrder) {
    RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal, 5);
    p.Hand(0, Cards("E-7"));
    p.Hand(1, Cards("G-7 G-A"));
    p.Hand(2, Cards("E-9"));
    p.Hand(3, Cards("E-K"));
    p.Gone(Cards("G-8 G-9 G-K G-10 S-7 S-8 S-9 S-K S-10 S-A E-8 E-10 E-A"));
    p.Parties({0, 2});
    p.Trick(0, Cards("E-7"));
    // Gras: nothing of it out, so its share is 0: below a half.
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayLeastLikelyWinner(s); }), 0);
}

namespace {

// A level whose party point target is set by the test.
class TargetLevel : public TestLevel {
  public:
    int target = 0;
    int GetPointTarget(int) override { return target; }
};

} // namespace

// Last to a Herz trick of 4 points with no Herz and no trump: the throw-off by the points the
// party still needs gives the King for 1 to 4 points, the Ace for 11, the Ten-topped suit's Ten
// for 5 to 10 and when the party has no target; with the target already reached, nothing.
TEST(DiscardRules, PlayTowardPointTargetThrowsOffByTheNeed) {
    const struct {
        int target;
        const char* card;
    } cases[] = {{6, "G-K"}, {8, "G-K"}, {15, "G-A"}, {11, "E-10"}, {0, "E-10"}, {3, nullptr}};
    for (const auto& c : cases) {
        RulePosition<TargetLevel> p(0, kWordNormal);
        p.Hand(0, Cards("H-K G-10"));
        p.Hand(1, Cards("H-9 E-K"));
        p.Hand(2, Cards("H-9 G-K"));
        p.Hand(3, Cards("G-9 G-K G-A E-9 E-10"));
        p.Parties({0, 3});
        p.game.target = c.target;
        p.Trick(0, Cards("H-K H-9 H-9"));
        EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayTowardPointTarget(s); }),
                  c.card ? Card(c.card) : 0)
            << "target " << c.target;
    }
}

// A singleton side card thrown to get void (the second seat cannot follow Eichel; Gras is its
// only short suit, Herz trump): never a Ten that is a sure trick (the Ace of Gras gone), a
// Ten only when the caller allows it, other cards whatever the flag.
TEST(DiscardRules, ChooseSingletonDiscardKeepsASureTen) {
    const struct {
        const char* single;
        const char* gone;
        bool allowTen;
        const char* expected;
    } cases[] = {
        {"G-10", "G-A", true, nullptr},
        {"G-10", "", true, "G-10"},
        {"G-10", "", false, nullptr},
        {"G-K", "", false, "G-K"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.single) + " gone " + c.gone);
        RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal);
        p.Gone(Cards(c.gone));
        p.Hand(0, Cards("E-7 E-8"));
        p.Hand(1, Cards(std::string(c.single) + " S-7 S-8 S-9"));
        p.Hand(2, Cards("E-9 S-10"));
        p.Hand(3, Cards("E-K S-A"));
        p.Parties({0, 2});
        p.Trick(0, Cards("E-7"));
        const bool allow = c.allowTen;
        int reason = 0;
        EXPECT_EQ(
            p.Play([allow](auto& g, int s) { return g.ChooseSingletonDiscard(s, allow); }, &reason),
            c.expected ? Card(c.expected) : 0);
        EXPECT_EQ(reason, c.expected ? 11 : 0);
    }
}

// Last to an Eichel trick with three trumps (Herz trump): the seat gets void in a suit with many
// points out only from a single card, and never by throwing a master Ace.
TEST(DiscardRules, TryVoidShortSuitOnlyFromASingleCard) {
    const struct {
        const char* gras;
        const char* expected;
    } cases[] = {{"G-K", "G-K"}, {"G-7 G-8", nullptr}, {"G-A", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gras);
        RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal);
        p.Hand(0, Cards("E-7 S-7"));
        p.Hand(1, Cards("E-8 S-8"));
        p.Hand(2, Cards("E-9 S-9"));
        p.Hand(3, Cards(std::string(c.gras) + " H-7 H-8 H-9"));
        p.Parties({0, 2});
        p.Trick(0, Cards("E-7 E-8 E-9"));
        EXPECT_EQ(
            p.Play([](auto& g, int s) { return g.TryVoidShortSuit(s, 0, g.GetTrickPosition(s)); }),
            c.expected ? Card(c.expected) : 0);
    }
}

// Late in the deal a strong seat, second to its partner's Eichel lead, first throws the low
// card of a short suit whose top is likely to fall: three or more cards above it out, or two with
// at least two cards of the suit out. Gras (Seven and King, the Ten gone: only the Ace above) does
// not qualify, so its Seven waits.
TEST(DiscardRules, DiscardLowestCardLateThrowsTheThreatenedShortSuitFirst) {
    const struct {
        const char* what;
        const char* schellen;
        const char* gone;
    } cases[] = {
        {"the Nine: King, Ten and Ace above it", "S-9", "G-10"},
        {"the King: Ten and Ace above it, and only they out", "S-K", "G-10 S-7 S-8 S-9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal, 5);
        p.Gone(Cards(c.gone));
        p.Hand(0, Cards(std::string("G-7 G-K ") + c.schellen));
        p.Hand(1, Cards("E-8 H-8"));
        p.Hand(2, Cards("E-9 H-9"));
        p.Hand(3, Cards("E-7 H-7"));
        p.game.seats[0].profile = 7;
        p.Parties({0, 3});
        p.Trick(3, Cards("E-7"));
        int reason = 0;
        EXPECT_EQ(p.Play([](auto& g, int s) { return g.DiscardLowestCard(s); }, &reason),
                  Card(c.schellen));
        EXPECT_EQ(reason, 21);
    }
}
