// The trumping rules and the trump plays on hand-built positions. Cards are suit x 8 + step
// (1 Seven, 2 Eight, 3 Nine, 4 Unter, 5 Ober, 6 King, 7 Ten, 8 Ace); suits Schellen 0, Herz 1,
// Gras 2, Eichel 3. The extra-point and showing options are off, so the special-card
// operations (IsSpecialCard, GetHeldSpecials, GetTrickSpecialPoints, ShouldPlaySpecialNow,
// CanShowDiamondAces, AreCaughtSpecialsSettled) rightly find nothing to do.
#include <gtest/gtest.h>

#include "engine/RulePosition.h"

namespace {

constexpr int kGras7 = 17, kGras9 = 19, kGrasAce = 24;
constexpr int kHerz7 = 9, kHerzOber = 13, kHerzAce = 16;

int Best(ComputerPlayer& g) {
    return g.GetBestCardSoFar();
}

} // namespace

// Last to play and void in the led suit: the trump that surely wins and carries the most
// points, the trump suit's Ace (Call Game: Herz; Sheepshead: Schellen).
TEST(TrumpingRules, LastAndVoidTakesWithTheTrumpSuitsAce) {
    for (int trumpSuit : {1, 0}) {
        const int ace = trumpSuit * 8 + 8;
        const int seven = trumpSuit * 8 + 1;
        const int side = trumpSuit == 1 ? 3 : 11; // a Nine of a plain suit
        RulePosition<SchafkopfLevel> p(trumpSuit, kWordNormal);
        p.Hand(0, {kGrasAce, 26});
        p.Hand(1, {kGras7, 27});
        p.Hand(2, {kGras9, 30});
        p.Hand(3, {ace, seven, kEichelUnter, side});
        p.Parties({1, 3});
        p.Trick(0, {kGrasAce, kGras7, kGras9});
        int reason = 0;
        EXPECT_EQ(p.Play([](auto& g, int s) { return g.TrumpToWin(s, Best(g), false); }, &reason),
                  ace);
        EXPECT_EQ(reason, 29);
    }
}

// Last to play: an opponent's Ober on a trick with points is over-trumped with the cheapest
// trump above it.
TEST(TrumpingRules, LastOvertrumpsAnOpponentsOberCheaply) {
    RulePosition<SchafkopfLevel> p(1, kWordNormal);
    p.Hand(0, {kGrasAce, 26});
    p.Hand(1, {kHerzOber, 27});
    p.Hand(2, {kGras9, 30});
    p.Hand(3, {kEichelOber, kGrasOber, kHerz7, 3});
    p.Parties({0, 3});
    p.Trick(0, {kGrasAce, kHerzOber, kGras9});
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.TrumpToWin(s, Best(g), false); }), kGrasOber);
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.TrumpToWinPlain(s, Best(g)); }), kGrasOber);
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.TryToTakeTrick(s, Best(g)); }), kGrasOber);
}

// The partner's Ace holds the trick and nobody plays after the seat: the rules that weigh the
// partner leave it alone, on the single-copy level and on the base level.
template <class Level>
void LeavesThePartnersSafeTrick(int trumpSuit, const std::vector<int>& sHand,
                                const std::vector<int>& others) {
    RulePosition<Level> p(trumpSuit, kWordNormal);
    p.Hand(0, {kGrasAce, others[0]});
    p.Hand(1, {kGras7 + 2, others[1]});   // the Gras Nine
    p.Hand(2, {kGrasAce - 2, others[2]}); // the Gras King
    p.Hand(3, sHand);
    p.Parties({0, 3});
    p.Trick(0, {kGrasAce, kGras7 + 2, kGrasAce - 2});
    ASSERT_TRUE(p.game.DoesTrickGoToPartner());
    const std::function<bool(Level&, int)> rules[] = {
        [](Level& g, int s) { return g.OvertrumpWithFewTrumps(s, Best(g)); },
        [](Level& g, int s) { return g.TakeTrickForAces(s, Best(g)); },
        [](Level& g, int s) { return g.RuffEndangeredSuit(s, Best(g)); },
        [](Level& g, int s) { return g.TrumpWithPartnerSupport(s, 4, Best(g)); },
    };
    for (const auto& rule : rules)
        EXPECT_EQ(p.Play(rule), 0);
}

TEST(TrumpingRules, PartnerRulesLeaveThePartnersSafeTrick) {
    // Two side Aces to lead later and three trumps, one a high Ober.
    LeavesThePartnersSafeTrick<SchafkopfLevel>(1, {kEichelOber, kHerz7, kHerzAce, 8, 32},
                                               {25, 26, 27});
    LeavesThePartnersSafeTrick<TestLevel>(0, {kEichelOber, 3, 4, 16, 32}, {30, 31, 27});
}

TEST(TrumpingRules, HeartTenWithTwoTrumpsGoesLateInTheTrick) {
    RulePosition<TestLevel> p(0, kWordNormal);
    p.game.options.secondHeartTenWins = 1;
    p.Hand(0, {kGrasAce, 26});
    p.Hand(1, {kGras9, 27});
    p.Hand(2, {kGras9, 30});
    p.Hand(3, {15, 3, 32});
    p.Parties({1, 3});
    p.Trick(0, {kGrasAce, kGras9, kGras9});
    int reason = 0;
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayHeartTenWithTwoTrumps(s); }, &reason), 15);
    EXPECT_EQ(reason, 1);
    p.game.options.secondHeartTenWins = 0;
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayHeartTenWithTwoTrumps(s); }), 0);
}

// A card to beat outside the card codes (0, no card, is allowed) or a group outside the five
// groups is refused by every rule that takes one, on a position where the same rules with the
// real card to beat have cards to play: nothing is played and nothing changes.
TEST(TrumpingRules, BadCardOrGroupArgumentsDecline) {
    using Level = SchafkopfLevel;
    using CardRule = std::function<bool(Level&, int, int)>;
    const CardRule cardRules[] = {
        [](Level& g, int s, int c) { return g.PlayTenOrAce(s, 2, c); },
        [](Level& g, int s, int c) { return g.OverplayWithSureWinner(s, 4, c); },
        [](Level& g, int s, int c) { return g.OverplayWithSureWinner(s, 2, c); },
        [](Level& g, int s, int c) { return g.TryToTakeTrick(s, c); },
        [](Level& g, int s, int c) { return g.PlayForPointsNeeded(s, 4, c); },
        [](Level& g, int s, int c) { return g.TrumpForGameWin(s, c); },
        [](Level& g, int s, int c) { return g.PlayPointCardThatWins(s, c); },
        [](Level& g, int s, int c) { return g.TrumpToWin(s, c, true); },
        [](Level& g, int s, int c) { return g.TrumpToWinPlain(s, c); },
        [](Level& g, int s, int c) { return g.FollowInTrumpNormalGame(s, c); },
        [](Level& g, int s, int c) { return g.FollowInTrump(s, c, true); },
        [](Level& g, int s, int c) { return g.TakeTrickForAces(s, c); },
        [](Level& g, int s, int c) { return g.RuffEndangeredSuit(s, c); },
        [](Level& g, int s, int c) { return g.OvertrumpWithFewTrumps(s, c); },
        [](Level& g, int s, int c) { return g.TrumpWithPartnerSupport(s, 4, c); },
        [](Level& g, int s, int c) { return g.PlayTrumpOnTrick(s, c); },
        [](Level& g, int s, int c) { return g.PlayTrumpUnderRisk(s, c); },
        [](Level& g, int s, int c) { return g.LeadForPartnerAce(s, c); },
        [](Level& g, int s, int c) { return g.PlayHighTrumpOver(s, c, true); },
        [](Level& g, int s, int c) { return g.PlayHighTrumpPair(s, c, false); },
        [](Level& g, int s, int c) { return g.PlayTopTrumpIfHigh(s, c); },
        [](Level& g, int s, int c) { return g.PlayMiddleTrump(s, c); },
        [](Level& g, int s, int c) { return g.PlayTrumpInEndgame(s, c); },
    };
    const CardRule groupRules[] = {
        [](Level& g, int s, int group) { return g.PlayTenOrAce(s, group, 0); },
        [](Level& g, int s, int group) { return g.OverplayWithSureWinner(s, group, 0); },
        [](Level& g, int s, int group) { return g.PlayForPointsNeeded(s, group, 0); },
        [](Level& g, int s, int group) { return g.FollowWithSecondHighest(s, group); },
        [](Level& g, int s, int group) { return g.TrumpWithPartnerSupport(s, group, 0); },
    };
    // Seat 2, a strong seat second in the trick, holds the Gras Ace and Ten, high and low
    // trumps; seat 1 led the Gras Seven.
    RulePosition<Level> p(1, kWordNormal, 3);
    p.Hand(0, {26, 27, 3});
    p.Hand(1, {kGras7, 25, 2});
    p.Hand(2, {kGrasAce, kGras9, 23, kEichelOber, kHerzOber, kHerz7, kHerzAce, 4});
    p.Hand(3, {18, 30, 11});
    p.Parties({1, 3});
    for (auto& block : p.game.seats)
        block.profile = 16;
    p.Trick(1, {kGras7});
    ASSERT_EQ(p.game.seatToMove, 2);
    p.game.seats[2].groupEval[2][0] = 1;
    int playing = 0;
    for (const CardRule& rule : cardRules)
        playing += p.Play([&](Level& g, int s) { return rule(g, s, Best(g)); }) != 0;
    EXPECT_GE(playing, 3);
    const std::vector<std::uint8_t> before = rule_harness::Image(p.game);
    int index = 0;
    for (const CardRule& rule : cardRules) {
        for (int bad : {-1, 33, 200, -32768})
            EXPECT_EQ(p.Play([&](Level& g, int s) { return rule(g, s, bad); }), 0)
                << "card rule " << index << " card " << bad;
        ++index;
    }
    index = 0;
    for (const CardRule& rule : groupRules) {
        for (int bad : {-1, 5, 100})
            EXPECT_EQ(p.Play([&](Level& g, int s) { return rule(g, s, bad); }), 0)
                << "group rule " << index << " group " << bad;
        ++index;
    }
    // A seat that is no seat: nothing is played.
    for (int seat : {-1, 4, 100}) {
        EXPECT_FALSE(p.game.PlayTrumpSuitByValue(seat, true)) << seat;
        EXPECT_FALSE(p.game.TrumpToWin(seat, Best(p.game), true)) << seat;
        EXPECT_FALSE(p.game.TryToTakeTrick(seat, Best(p.game))) << seat;
        EXPECT_FALSE(p.game.PlayTrumpOnTrick(seat, Best(p.game))) << seat;
        EXPECT_FALSE(p.game.PlayTenOrAce(seat, 2, 0)) << seat;
    }
    EXPECT_TRUE(rule_harness::Image(p.game) == before);
}

// With nobody after it, the seat that may show both Aces of Schellen keeps its Ace: another
// trump that beats the card takes the trick, and the Ace goes only when no other trump can.
TEST(TrumpingRules, TrumpToWinKeepsTheSchellenAceOfTheShowingSeat) {
    struct Case {
        bool showing;
        std::vector<int> hand;
        int card;
        int reason;
    };
    const Case cases[] = {
        {false, {8, kEichelOber, 32}, 8, 29},
        {true, {8, kEichelOber, 32}, kEichelOber, 30},
        {true, {8, 31, 32}, 8, 30},
    };
    for (const Case& c : cases) {
        RulePosition<TestLevel> p(0, kWordNormal);
        p.Hand(0, {kGrasAce, 26});
        p.Hand(1, {kGras9, 27});
        p.Hand(2, {22, 30});
        p.Hand(3, c.hand);
        p.Parties({1, 3});
        p.Trick(0, {kGrasAce, kGras9, 22});
        p.game.SetDiamondAceSeat(c.showing ? 3 : -1);
        int reason = 0;
        EXPECT_EQ(p.Play([](auto& g, int s) { return g.TrumpToWin(s, Best(g), true); }, &reason),
                  c.card)
            << c.showing << " " << c.hand[1];
        EXPECT_EQ(reason, c.reason);
    }
}
