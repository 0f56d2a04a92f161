#include <gtest/gtest.h>

#include <vector>

#include "engine/TestLevel.h"

namespace {

class AnnouncementHandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.NewDeal(false);
        game.gameType = {0, kWordNormal};
        game.trickNumber = 1;
        game.leader = 0;
        game.seatToMove = 0;
    }
    TestLevel game;
};

} // namespace

TEST_F(AnnouncementHandTest, FewTrumpsLeaveThePartyPointsAsTheyAre) {
    game.GiveHand(1, {3, 6, 7, 11, 19, 32}); // three trumps
    game.seats[1].profile = 4;               // a style that would scale
    EXPECT_EQ(game.RateAnnouncementHand(1), game.GetPartyPoints(1));
}

TEST_F(AnnouncementHandTest, VoidSuitsDrawTheHighestTrumpPoints) {
    // Six trumps with one Ace and one Ten of Schellen, Herz held without its Ace, no Gras and
    // no Eichel and none of them played: (11 + 20) x 0.9 and (10 + 20) x 0.9, each truncated.
    game.GiveHand(1, {11, 3, 6, 7, 8, 4, 12});
    game.seats[1].profile = 1;
    const int party = game.GetPartyPoints(1);
    EXPECT_EQ(game.RateAnnouncementHand(1), party + 27 + 27);
    game.seats[1].profile = 3; // (profile - 1) modulo 5 = 2: 95 per cent
    EXPECT_EQ(game.RateAnnouncementHand(1), (party + 54) * 95 / 100);
    game.seats[1].profile = 9; // 3: 90 per cent
    EXPECT_EQ(game.RateAnnouncementHand(1), (party + 54) * 90 / 100);
}

TEST_F(AnnouncementHandTest, HighPointsAreDrawnAceTenKingThenTwo) {
    int aces = 1, tens = 1, kings = 1;
    std::vector<int> drawn;
    for (int i = 0; i < 4; ++i)
        drawn.push_back(ComputerPlayer::TakeHighPoints(aces, tens, kings));
    EXPECT_EQ(drawn, (std::vector<int>{11, 10, 4, 2}));
}

TEST_F(AnnouncementHandTest, SideCardsAndTheirLosers) {
    game.GiveHand(2, {32, 32, 27, 11, 3}); // Eichel 3, Herz 1, one trump
    game.seats[2].groupEval[3][2] = 2;
    int side = 0;
    EXPECT_EQ(game.CountSideCards(2, &side), (3 - 2) + 1);
    EXPECT_EQ(side, 4);
}
