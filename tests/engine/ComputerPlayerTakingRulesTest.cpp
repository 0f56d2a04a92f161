// The rules that take the trick, on hand-built positions from common play. Cards are suit x 8
// + step (1 Seven, 2 Eight, 3 Nine, 4 Unter, 5 Ober, 6 King, 7 Ten, 8 Ace); suits Schellen 0,
// Herz 1, Gras 2, Eichel 3. The extra-point and showing options are off, so the special-card
// operations (IsSpecialCard, GetHeldSpecials, GetTrickSpecialPoints) rightly find nothing.
#include <gtest/gtest.h>

#include "engine/RulePosition.h"

namespace {

constexpr int kGras7 = 17, kGras8 = 18, kGras9 = 19, kGrasKing = 22, kGrasTen = 23,
              kGrasAce = 24;

auto TryToTake = [](auto& g, int s) { return g.TryToTakeTrick(s, g.GetBestCardSoFar()); };

// Last to play against an opponent: the cheapest card that wins when the winners do not touch
// (Gras 8 led; Gras 9 and Ace held, Ten and King out: the 9).
template <class Level>
void CheapestWinnerWhenLast(int trumpSuit, GameTypeWord word, const std::vector<int>& declaring) {
    RulePosition<Level> p(trumpSuit, word);
    const int last = p.game.GetSeatCount() - 1;
    p.Hand(0, {kGras8, kGrasKing, kGrasTen, 25});
    p.Hand(1, {kGras7, 26, 27});
    if (last == 3)
        p.Hand(2, {1, 10, 11});
    p.Hand(last, {kGras9, kGrasAce, 2, 3});
    p.Parties(declaring);
    if (last == 2)
        p.game.declarer = declaring[0];
    p.Trick(0, last == 3 ? std::vector<int>{kGras8, kGras7, 1} : std::vector<int>{kGras8, kGras7});
    ASSERT_EQ(p.game.seatToMove, last);
    int reason = 0;
    EXPECT_EQ(p.Play(TryToTake, &reason), kGras9);
    EXPECT_EQ(reason, 20);
}

}  // namespace

TEST(TakingRules, LastToPlayTakesWithTheCheapestWinner) {
    // Call Game (Herz trump): seats 0 and 1 against 2 and 3.
    CheapestWinnerWhenLast<SchafkopfLevel>(1, kWordNormal, {0, 1});
    // Skat, a Schellen game: the declarer led, the defender last.
    CheapestWinnerWhenLast<SkatLevel>(0, 1, {0});
}

// Second hand with the suit's Ace still out keeps its Ten: an opponent after it would take the
// Ten with the Ace. In the single-copy games the rule declines.
TEST(TakingRules, SecondHandKeepsItsTenUnderAnUnplayedAce) {
    {
        RulePosition<SchafkopfLevel> p(1, kWordNormal);
        p.Hand(0, {kGras8, 2});
        p.Hand(1, {kGras7, kGrasTen, 3});
        p.Hand(2, {kGrasAce, 4});
        p.Parties({0, 2});
        p.Trick(0, {kGras8});
        EXPECT_EQ(p.Play(TryToTake), 0);
        // With the Ace gone the Ten is the winner and goes on.
        p.Gone({kGrasAce});
        p.Hand(2, {4});
        EXPECT_EQ(p.Play(TryToTake), kGrasTen);
    }
    {
        RulePosition<SkatLevel> p(0, 1);
        p.Hand(0, {kGras8, 2});
        p.Hand(1, {kGras7, kGrasTen, 3});
        p.Hand(2, {kGrasAce, 4});
        p.Parties({2});
        p.game.declarer = 2;
        p.Trick(0, {kGras8});
        EXPECT_EQ(p.Play(TryToTake), 0);
    }
}

// The same counts of higher cards out make cards alike: when last, the single-copy lines take
// with the top of such a run (the King, 4 points into the own trick) where the cheapest winner
// would be the Nine.
TEST(TakingRules, EqualRunMovesTheChoiceUpInTheSingleCopyLines) {
    RulePosition<SchafkopfLevel> p(1, kWordNormal);
    p.Hand(0, {kGras8, kGrasTen});
    p.Hand(1, {kGras7, 26});
    p.Hand(2, {1, 10});
    p.Hand(3, {kGras9, kGrasKing, kGrasAce, 2});
    p.Parties({0, 1});
    p.Trick(0, {kGras8, kGras7, 1});
    EXPECT_EQ(p.Play(TryToTake), kGrasKing);
}

// The plain top card is played over the card to beat only when it beats it: never over a
// trump already in the trick, whatever the codes say.
TEST(TakingRules, OverplayWithSureWinnerNeverPlaysAPlainCardOverATrump) {
    struct Case {
        int leader;
        std::vector<int> trick;
        int card;
    };
    const Case cases[] = {
        {2, {}, kGrasAce},            // leading: the top card as it is
        {1, {kGras7}, kGrasAce},      // the led suit: it beats the Seven
        {0, {kGras7, 9}, 0},          // the Herz Seven trumped: a Gras card cannot win
    };
    for (const Case& c : cases) {
        RulePosition<SchafkopfLevel> p(1, kWordNormal);
        p.Hand(0, {2, 25});
        p.Hand(1, {3, 26});
        p.Hand(2, {kGrasAce, kGras9, 4});
        if (c.leader == 0) {
            p.Hand(0, {kGras7, 2});
            p.Hand(1, {9, 3});
        } else if (c.leader == 1) {
            p.Hand(1, {kGras7, 3});
        }
        p.Parties({0, 2});
        p.Trick(c.leader, c.trick);
        ASSERT_EQ(p.game.seatToMove, 2);
        p.game.seats[2].groupEval[2][0] = 1;  // a sure trick in Gras
        int reason = 0;
        EXPECT_EQ(p.Play([](auto& g, int s) {
            return g.OverplayWithSureWinner(s, 2, g.GetBestCardSoFar());
        }, &reason), c.card) << c.trick.size();
        if (c.card != 0) {
            EXPECT_EQ(reason, 19);
        }
    }
}
