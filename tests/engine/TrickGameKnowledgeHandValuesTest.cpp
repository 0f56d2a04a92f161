#include <gtest/gtest.h>

#include <vector>

#include "engine/TestLevel.h"

namespace {

class TrumpTricksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.NewDeal(false);
        game.gameType = {0, kWordNormal};
        game.seats[0].profile = 2;
    }
    struct Estimate {
        int sure, probable, held, rounds;
    };
    Estimate Trumps(const std::vector<int>& cards) {
        game.GiveHand(0, cards);
        game.seatToMove = 0;
        Estimate e{};
        game.EstimateSureTrumpTricks(0, &e.sure, &e.probable, &e.held, &e.rounds);
        return e;
    }
    TestLevel game;
};

} // namespace

TEST_F(TrumpTricksTest, TopTrumpsAreSureUntilTheFirstGap) {
    // Both Heart Tens and all four top Obers: six sure tricks, the rest of the trumps out.
    const Estimate top = Trumps({15, 15, 29, 29, 21, 21, 32, 32, 31, 24, 23, 16});
    EXPECT_EQ(top.held, 6);
    EXPECT_EQ(top.sure, 6);
    EXPECT_EQ(top.probable, 6);
    EXPECT_GE(top.rounds, 7); // twenty trumps out need more rounds than six
    // A single Ober of Eichel: outside a solo its twin is the partner's, so no gap opens.
    EXPECT_EQ(Trumps({15, 15, 29, 21, 21, 32, 32, 31, 24, 23, 16, 16}).sure, 5);
    game.gameType = {0, kWordSuitSolo};
    EXPECT_EQ(Trumps({15, 15, 29, 21, 21, 32, 32, 31, 24, 23, 16, 16}).sure, 3);
}

TEST_F(TrumpTricksTest, NoTrumpsAnywhereGivesNothing) {
    game.gameType = {4, kWordNoTrumps};
    const Estimate none = Trumps({32, 31, 24});
    EXPECT_EQ(none.sure + none.probable + none.held + none.rounds, 0);
}

TEST_F(TrumpTricksTest, TrumpValueOfARankSolo) {
    game.gameType = {4, kWordKingSolo};
    game.GiveHand(0, {30, 30, 22, 14});
    // Four Kings out: e = 4 (two probable tricks are not below a third of them); 4 x (2 + 4).
    EXPECT_EQ(game.EvaluateTrumpValue(2, 4, 2, 0), 24);
    game.gameType = {4, kWordNoTrumps};
    EXPECT_EQ(game.EvaluateTrumpValue(2, 4, 2, 0), 0);
}

TEST_F(TrumpTricksTest, PointsInTheTrickAndStillOutInASuit) {
    game.leader = 1;
    game.trickCards[1] = 32;
    game.trickCards[2] = 31;
    game.seatToMove = 3;
    EXPECT_EQ(game.CountTrickPoints(false), 21);
    game.trickCards[3] = 30;
    EXPECT_EQ(game.CountTrickPoints(true), 25);
    // Eichel in the normal game: Kings, Tens and Aces (Obers and Unters are trumps), less the
    // seat's own Ace; a played Ten is gone.
    game.GiveHand(0, {32, 11});
    EXPECT_EQ(game.RateGroupPoints(3, 0), 2 * 4 + 2 * 10 + 2 * 11 - 11);
    AddToRankMask(&game.playedMasks[kRankTen], kSuitEichel);
    EXPECT_EQ(game.RateGroupPoints(3, 0), 2 * 4 + 10 + 2 * 11 - 11);
}

TEST_F(TrumpTricksTest, FreshVoidSuitsAreThoseWithLittlePlayed) {
    const std::int16_t held[5] = {0, 0, 2, 0, 5}; // void in Herz and Eichel (Schellen: trumps)
    EXPECT_EQ(game.CountFreshVoidSuits(held, -1, 0, 0), 2);
    EXPECT_EQ(game.CountFreshVoidSuits(held, 3, 0, 0), 1);
    for (int copy = 0; copy < 2; ++copy)
        AddToRankMask(&game.playedMasks[kRankAce], kSuitHerz);
    AddToRankMask(&game.playedMasks[6], kSuitHerz);
    EXPECT_EQ(game.CountFreshVoidSuits(held, -1, 0, 0), 1); // three Herz cards gone
}
