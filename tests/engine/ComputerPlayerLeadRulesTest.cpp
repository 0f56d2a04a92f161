// The leading rules and the trumps of the last tricks on hand-built positions, and the
// reckonings beside them. Cards by name (CardNames.h).
#include <gtest/gtest.h>

#include "engine/CardNames.h"
#include "engine/DiscardLeadRuleList.h"
#include "engine/RulePosition.h"

namespace {

using card_names::Card;
using card_names::Cards;

constexpr int kCallGame = 1;

// A level whose sure-trick chances per suit are set by the test.
class ChanceLevel : public SchafkopfLevel {
  public:
    float chances[4] = {};
    float SureTricksChance(int group) override { return group < 4 ? chances[group] : 0.0f; }
};

} // namespace

// On lead, the low card comes from the suit without its Ace: the Ace of Gras stays to take a
// Gras trick later, so the Eight of Eichel goes though the Seven of Gras is lower.
TEST(LeadRules, LeadLowFromASuitWithoutItsAce) {
    RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal);
    p.Hand(0, Cards("G-A G-7 E-K E-8 H-O"));
    p.Hand(1, Cards("S-7 S-8 E-9"));
    p.Hand(2, Cards("S-9 G-8 E-10"));
    p.Hand(3, Cards("S-K G-9 E-A"));
    p.Parties({0, 2});
    p.Trick(0, {});
    int reason = 0;
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.LeadLowFromSuitWithoutAce(s); }, &reason),
              Card("E-8"));
    EXPECT_EQ(reason, 23);
}

// Cashing a sure winner: the Ace of Gras with only the Seven out goes through, the King of
// Eichel under its Ace does not. (A long suit with few cards out counts as running here even
// where an opponent void in it could trump; such positions are left out as not clear-cut.)
TEST(LeadRules, CashTheSureWinnerOfTheSuitMostLikelyToGoThrough) {
    RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal);
    p.Hand(0, Cards("E-K E-8 G-A G-K G-10 G-9 G-8 H-O"));
    p.Hand(1, Cards("G-7 E-9 S-8"));
    p.Hand(2, Cards("E-A E-10 S-9"));
    p.Hand(3, Cards("E-7 S-7 S-K"));
    p.Parties({0, 2});
    p.game.seats[0].profile = 26;
    p.game.UpdatePlaceRecords();
    p.Trick(0, {});
    EXPECT_EQ(p.Play([](auto& g, int) { return g.LeadMostLikelySureSuit(); }), Card("G-A"));
}

// The running best is a whole number: 60.7 is kept as 60, and a later 60.2 replaces it.
TEST(LeadRules, MostLikelySureSuitKeepsAWholeNumber) {
    RulePosition<ChanceLevel> p(kCallGame, kWordNormal);
    p.Hand(0, Cards("S-A S-7 G-A G-7 E-A"));
    p.Hand(1, Cards("S-8 G-8 E-8"));
    p.Hand(2, Cards("S-9 G-9 E-9"));
    p.Hand(3, Cards("S-K G-K E-K"));
    p.Parties({0, 2});
    p.game.seats[0].profile = 26;
    p.game.chances[0] = 60.7f;
    p.game.chances[2] = 60.2f;
    p.Trick(0, {});
    EXPECT_EQ(p.Play([](auto& g, int) { return g.LeadMostLikelySureSuit(); }), Card("G-A"));
    // Below every threshold nothing is led.
    p.game.chances[0] = 30.0f;
    p.game.chances[2] = 20.0f;
    EXPECT_EQ(p.Play([](auto& g, int) { return g.LeadMostLikelySureSuit(); }), 0);
}

// With Schellen the trump suit every rank step counts as a trump step: the low side-card lead
// declines in the Sheepshead game, and leads in the Call Game.
TEST(LeadRules, LowSideCardLeadDeclinesInEverySchellenTrumpGame) {
    for (int trumpSuit : {0, 1}) {
        RulePosition<SchafkopfLevel> p(trumpSuit, kWordNormal);
        p.Hand(0, Cards("G-7 G-K E-8 E-9"));
        p.Hand(1, Cards("G-8 E-7"));
        p.Hand(2, Cards("G-9 E-K"));
        p.Hand(3, Cards("G-10 E-10"));
        p.Parties({0, 2});
        p.Trick(0, {});
        EXPECT_EQ(p.Play([](auto& g, int s) { return g.LeadLowSideCard(s); }),
                  trumpSuit == 0 ? 0 : Card("G-7"));
    }
}

// The last trick is played low; before the third-to-last the rule declines. On the
// second-to-last trick with one trump and a plain card, the trump goes only where legal.
TEST(LeadRules, LastTricksTrumpByTrick) {
    auto rule = [](auto& g, int s) { return g.PlayLastTricksTrump(s); };
    {
        RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal, 8);
        p.Hand(0, Cards("H-A"));
        p.Hand(1, Cards("E-O"));
        p.Hand(2, Cards("S-7"));
        p.Hand(3, Cards("S-8"));
        p.Parties({0, 2});
        p.Trick(0, {});
        EXPECT_EQ(p.Play(rule), Card("H-A"));
    }
    {
        RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal, 5);
        p.Hand(0, Cards("H-A H-7 E-O S-7"));
        p.Hand(1, Cards("S-8 S-9 S-K S-10"));
        p.Hand(2, Cards("G-8 G-9 G-K G-10"));
        p.Hand(3, Cards("E-8 E-9 E-K E-10"));
        p.Parties({0, 2});
        p.Trick(0, {});
        EXPECT_EQ(p.Play(rule), 0);
    }
    {
        // Second-to-last, a trump and a Schellen card, Schellen led: the trump may not go.
        RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal, 7);
        p.Hand(0, Cards("S-8 G-8"));
        p.Hand(1, Cards("H-7 S-7"));
        p.Hand(2, Cards("S-9 G-9"));
        p.Hand(3, Cards("S-K G-K"));
        p.Parties({0, 2});
        p.Trick(0, Cards("S-8"));
        EXPECT_EQ(p.Play(rule), 0);
        // Gras led: it cannot follow, so the trump is legal and goes.
        RulePosition<SchafkopfLevel> q(kCallGame, kWordNormal, 7);
        q.Hand(0, Cards("G-8 S-8"));
        q.Hand(1, Cards("H-7 S-7"));
        q.Hand(2, Cards("S-9 G-9"));
        q.Hand(3, Cards("S-K G-K"));
        q.Parties({0, 2});
        q.Trick(0, Cards("G-8"));
        EXPECT_EQ(q.Play(rule), Card("H-7"));
    }
}

// The third-to-last trick with no sure trump and the partner next: Schafkopf leads a middle
// trump rather than its Ten of trumps; the base line plays the low trump.
TEST(LeadRules, LastTricksTrumpSchafkopfBranch) {
    RulePosition<SchafkopfLevel> p(kCallGame, kWordNormal, 6);
    p.Hand(0, Cards("H-10 S-U G-U"));
    p.Hand(1, Cards("E-O G-O H-O"));
    p.Hand(2, Cards("E-U H-U H-A"));
    p.Hand(3, Cards("S-7 S-8 S-9"));
    p.Parties({0, 1});
    p.game.seats[0].profile = 20;
    p.game.UpdatePlaceRecords();
    p.Trick(0, {});
    const int card = p.Play([](auto& g, int s) { return g.PlayLastTricksTrump(s); });
    EXPECT_NE(card, 0);
    EXPECT_NE(card, Card("H-10"));
}

// Tricks still needed: a no-90 announcement needs 2, the other party's 59 points take 1 off
// and 60 points take 2.
TEST(LeadRules, TricksStillNeededStepAtSixtyPoints) {
    RulePosition<TestLevel> p(0, kWordNormal);
    p.Hand(0, Cards("S-7"));
    p.Parties({0, 1});
    p.game.seatToMove = 0;
    p.game.announcedKinds[0] = 2;
    p.game.cardPoints[2] = 59;
    EXPECT_EQ(p.game.CountTricksStillNeeded(), 1);
    p.game.cardPoints[2] = 60;
    EXPECT_EQ(p.game.CountTricksStillNeeded(), 0);
    p.game.announcedKinds[0] = -1;
    p.game.cardPoints[2] = 0;
    EXPECT_EQ(p.game.CountTricksStillNeeded(), 3);
}

// Without the hand-place records the partner's sure trumps are not counted.
TEST(LeadRules, SureTrumpsWithPartnerNeedTheWatchedPlaces) {
    RulePosition<TestLevel> p(0, kWordNormal);
    p.Hand(0, Cards("H-10 E-O S-7"));
    p.Hand(1, Cards("H-10 G-O"));
    p.Parties({0, 1});
    p.game.specialPairSeat = 1;
    p.game.seatToMove = 0;
    p.game.watchPlaces = 0;
    int own = -1;
    int partners = -1;
    p.game.CountSureTrumpsWithPartner(0, 1, &own, &partners);
    EXPECT_EQ(partners, 0);
    // With them, before the parties are known, the partner's shown pair counts both copies.
    p.game.watchPlaces = 1;
    for (auto& entry : p.game.partyLists)
        entry = -1;
    p.game.CountSureTrumpsWithPartner(0, 1, &own, &partners);
    EXPECT_EQ(partners, 2);
}
