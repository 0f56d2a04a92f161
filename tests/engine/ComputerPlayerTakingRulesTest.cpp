// The rules that take the trick, on hand-built positions from common play. Cards are suit x 8
// + step (1 Seven, 2 Eight, 3 Nine, 4 Unter, 5 Ober, 6 King, 7 Ten, 8 Ace); suits Schellen 0,
// Herz 1, Gras 2, Eichel 3. The extra-point and showing options are off, so the special-card
// operations (IsSpecialCard, GetHeldSpecials, GetTrickSpecialPoints) rightly find nothing.
#include <gtest/gtest.h>

#include "engine/RulePosition.h"

namespace {

constexpr int kGras7 = 17, kGras8 = 18, kGras9 = 19, kGrasKing = 22, kGrasTen = 23, kGrasAce = 24;

int Best(ComputerPlayer& g) {
    return g.GetBestCardSoFar();
}

auto TryToTake = [](auto& g, int s) { return g.TryToTakeTrick(s, Best(g)); };

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

} // namespace

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

    // A card two or more cards out still beat ends the run and is taken itself: Gras 8 and
    // King held, Nine, Ten and Ace out.
    RulePosition<SchafkopfLevel> q(1, kWordNormal);
    q.Hand(0, {kGras7, kGras9, kGrasTen, kGrasAce});
    q.Hand(1, {1, 26});
    q.Hand(2, {2, 26});
    q.Hand(3, {kGras8, kGrasKing, 3});
    q.Parties({0, 1});
    q.Trick(0, {kGras7, 1, 2});
    EXPECT_EQ(q.Play(TryToTake), kGrasKing);
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
        {2, {}, kGrasAce},       // leading: the top card as it is
        {1, {kGras7}, kGrasAce}, // the led suit: it beats the Seven
        {0, {kGras7, 9}, 0},     // the Herz Seven trumped: a Gras card cannot win
    };
    // Without a sure trick in the suit the rule declines even when leading.
    {
        RulePosition<SchafkopfLevel> p(1, kWordNormal);
        p.Hand(2, {kGrasAce, kGras9, 4});
        p.Parties({0, 2});
        p.Trick(2, {});
        p.game.seats[2].groupEval[2][0] = 0;
        EXPECT_EQ(p.Play([](auto& g, int s) { return g.OverplayWithSureWinner(s, 2, 0); }), 0);
    }
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
        p.game.seats[2].groupEval[2][0] = 1; // a sure trick in Gras
        int reason = 0;
        EXPECT_EQ(p.Play([](auto& g,
                            int s) { return g.OverplayWithSureWinner(s, 2, g.GetBestCardSoFar()); },
                         &reason),
                  c.card)
            << c.trick.size();
        if (c.card != 0) {
            EXPECT_EQ(reason, 19);
        }
    }
}

namespace {

// A level whose party needs a fixed number of card points (the lines answer their own).
template <class Level> struct WithPointTarget : Level {
    int target = 0;
    int GetPointTarget(int) override { return target; }
};

} // namespace

// Skat, a Schellen game, all four Unters gone: the declarer plays last and is void in Gras
// after an 11-point Gras Ace. What it plays depends on the points its party still needs.
TEST(TakingRules, PointsNeededChooseTheCard) {
    struct Case {
        std::vector<int> hand;
        int target;
        int card;
        int reason;
    };
    const std::vector<int> noUnter = {1, 7, 8, 25};
    const Case cases[] = {
        {noUnter, 11, 0, 0},  // nothing more needed
        {noUnter, 12, 8, 20}, // 1 point: the point card that wins, from the Ace down
        {noUnter, 15, 8, 20},
        // 5 to 10 points, last, no Unter, the top trump master: the trump below it.
        {noUnter, 16, 7, 30},
        {noUnter, 21, 7, 30},
        // With an Unter in the hand: the Ten or Ace of the group, the Ace first.
        {{1, 7, 8, 4}, 18, 8, 18},
        {noUnter, 22, 8, 19}, // 11 points: nothing takes in Gras, the sure top trump does
        {noUnter, 23, 0, 0},  // more than one card can bring
    };
    for (const Case& c : cases) {
        RulePosition<WithPointTarget<SkatLevel>> p(0, 1);
        p.game.target = c.target;
        p.Hand(0, {24, 26});
        p.Hand(1, {17, 27});
        p.Hand(2, c.hand);
        p.Parties({2});
        p.game.declarer = 2;
        p.Gone({12, 20, 28});
        if (c.hand.back() != 4)
            p.Gone({4});
        p.Trick(0, {24, 17});
        int reason = 0;
        EXPECT_EQ(
            p.Play([](auto& g, int s) { return g.PlayForPointsNeeded(s, 4, Best(g)); }, &reason),
            c.card)
            << c.target;
        EXPECT_EQ(reason, c.reason) << c.target;
    }
}

// The trump for the game: the lowest that beats the card and is worth the target, or, on a
// rich trick, one that the cards out do not all top.
TEST(TakingRules, TrumpForGameWinByTheTarget) {
    struct Case {
        int target;
        int card;
    };
    const Case cases[] = {{10, 7}, {11, 8}, {12, 0}, {0, 1}};
    for (const Case& c : cases) {
        RulePosition<WithPointTarget<SkatLevel>> p(0, 1);
        p.game.target = c.target;
        p.Hand(0, {24, 26});
        p.Hand(1, {17, 27});
        p.Hand(2, {1, 7, 8, 25});
        p.Parties({2});
        p.game.declarer = 2;
        p.Trick(0, {24, 17});
        int reason = 0;
        EXPECT_EQ(p.Play([](auto& g, int s) { return g.TrumpForGameWin(s, Best(g)); }, &reason),
                  c.card)
            << c.target;
        if (c.card != 0) {
            EXPECT_EQ(reason, 31);
        }
    }
}

// The top trump over the card: at once when it is master, through the high-trump play when it
// is not, never an unsafe Heart Ten (the second one wins and is still out).
TEST(TakingRules, OverplayWithSureWinnerInTrumps) {
    struct Case {
        std::vector<int> hand;
        bool secondWins;
        int card;
        int reason;
    };
    const Case cases[] = {
        {{15, 6}, true, 0, 0},
        {{15, 6}, false, 15, 19},
        {{21, 6}, false, 21, 39},
    };
    for (const Case& c : cases) {
        RulePosition<TestLevel> p(0, kWordNormal);
        p.game.options.secondHeartTenWins = c.secondWins ? 1 : 0;
        p.Hand(0, {3, 30});
        p.Hand(1, c.hand);
        p.Parties({0, 2});
        p.Trick(0, {3});
        int reason = 0;
        EXPECT_EQ(
            p.Play([](auto& g, int s) { return g.OverplayWithSureWinner(s, 4, Best(g)); }, &reason),
            c.card);
        EXPECT_EQ(reason, c.reason);
    }
}

// The game-winning trump on a rich trick: from 15 points in the trick the lowest trump that
// beats the card goes when the cards out do not top all the trumps above it; one point less
// and the rule waits for a trump worth the target.
TEST(TakingRules, TrumpForGameWinOnARichTrick) {
    struct Case {
        int second; // the card that follows the Gras Ace
        int card;
    };
    const Case cases[] = {{22, 1}, {21, 0}}; // King: 15 points; Ober: 14
    for (const Case& c : cases) {
        RulePosition<WithPointTarget<SkatLevel>> p(0, 1);
        p.game.target = 60;
        p.Hand(0, {24, 26});
        p.Hand(1, {c.second, 27});
        p.Hand(2, {1, 8, 25});
        p.Parties({2});
        p.game.declarer = 2;
        p.Trick(0, {24, c.second});
        int reason = 0;
        EXPECT_EQ(p.Play([](auto& g, int s) { return g.TrumpForGameWin(s, Best(g)); }, &reason),
                  c.card)
            << c.second;
        EXPECT_EQ(reason, c.card != 0 ? 31 : 0);
    }
}
