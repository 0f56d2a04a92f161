#include <gtest/gtest.h>

#include <algorithm>
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
        // Seats 1 and 3 against 0 and 2; the party of seats 1 and 3 has won 20 + 17 points.
        const std::int16_t lists[5] = {0, 2, 1, 3, -1};
        std::copy(lists, lists + 5, game.partyLists);
        const std::int16_t won[4] = {30, 20, 25, 17};
        std::copy(won, won + 4, game.cardPoints);
        for (int seat = 0; seat < 4; ++seat)
            game.seats[seat].inDeclarerParty = seat % 2 == 0 ? 1 : 0;
    }
    static constexpr int kPartyPoints = 37;
    TestLevel game;
};

} // namespace

TEST_F(AnnouncementHandTest, FewTrumpsLeaveThePartyPointsAsTheyAre) {
    game.GiveHand(1, {3, 6, 7, 11, 19, 32}); // three trumps
    game.seats[1].profile = 4;               // a style that would scale
    EXPECT_EQ(game.RateAnnouncementHand(1), kPartyPoints);
}

TEST_F(AnnouncementHandTest, VoidSuitsDrawTheHighestTrumpPoints) {
    // Six trumps with one Ace and one Ten of Schellen, Herz held without its Ace, no Gras and
    // no Eichel and none of them played: 37 + (11 + 20) x 0.9 = 64.9, truncated to 64, then
    // 64 + (10 + 20) x 0.9 = 91.
    game.GiveHand(1, {11, 3, 6, 7, 8, 4, 12});
    game.seats[1].profile = 1;
    EXPECT_EQ(game.RateAnnouncementHand(1), 91);
    game.seats[1].profile = 3; // (profile - 1) modulo 5 = 2: 95 per cent
    EXPECT_EQ(game.RateAnnouncementHand(1), 86);
    game.seats[1].profile = 9; // 3: 90 per cent
    EXPECT_EQ(game.RateAnnouncementHand(1), 81);
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
