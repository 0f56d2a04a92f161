#include <gtest/gtest.h>

#include <vector>

#include "engine/TestLevel.h"
#include "support/AlertRecorder.h"

namespace {

class CardMemoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetAlertRecorder();
        game.NewDeal(false);
        game.gameType = {0, kWordNormal};
        game.trickNumber = 1;
        for (int seat = 0; seat < 4; ++seat)
            game.seats[seat].profile = 7;
    }
    // Plays the cards from the leader on, each seat holding the card it plays plus extras.
    void Play(int first, const std::vector<int>& cards) {
        game.leader = static_cast<std::int16_t>(first);
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const int seat = (first + static_cast<int>(i)) % 4;
            game.seatToMove = static_cast<std::int16_t>(seat);
            ASSERT_TRUE(game.PlayCardIfHeld(seat, cards[i], 9)) << cards[i];
        }
    }
    TestLevel game;
};

} // namespace

TEST_F(CardMemoryTest, NotFollowingMakesAKnownVoidThatNothingUndoes) {
    game.GiveHand(0, {24, 19});
    game.GiveHand(1, {11, 32}); // no Gras
    game.GiveHand(2, {22, 23});
    game.GiveHand(3, {20, 21});
    Play(0, {24, 11});
    const SeatEstimate& estimate = game.seatEstimates[1];
    EXPECT_EQ(estimate.voidEstimate[2], 100);
    EXPECT_EQ(estimate.voidMask, 1 << 2);
    game.SetSuitEstimate(1, 30, 2);
    game.SetSuitEstimate(1, 0, 2);
    EXPECT_EQ(estimate.voidEstimate[2], 100);
    game.SetSuitEstimate(1, 100, 4);
    EXPECT_EQ(estimate.voidMask, (1 << 2) | 32);
}

TEST_F(CardMemoryTest, WrongGuessesAreCountedAndWeakenLaterOnes) {
    game.GiveHand(2, {11, 12}); // Herz, and a trump
    for (int miss = 1; miss <= 3; ++miss)
        game.SetSuitEstimate(2, 50, 1); // wrong: the seat holds Herz
    const SeatEstimate& estimate = game.seatEstimates[2];
    EXPECT_EQ(estimate.missCount, 6);
    EXPECT_EQ(estimate.voidEstimate[1], 30); // the third guess is stored 20 lower
    game.SetSuitEstimate(2, 60, 3);          // right: no Eichel, yet still above 5 misses
    EXPECT_EQ(estimate.missCount, 5);
    EXPECT_EQ(estimate.voidEstimate[3], 60);
    game.SetSuitEstimate(2, 19, 1); // below 20 is no guess at all
    EXPECT_EQ(estimate.missCount, 5);
    EXPECT_EQ(estimate.voidEstimate[1], 19);
}

TEST_F(CardMemoryTest, TheLastCardOfAGroupMakesEverySeatVoidInIt) {
    // Every Herz but the last two are gone; the last trick takes them.
    for (int copy = 0; copy < 2; ++copy) {
        AddToRankMask(&game.playedMasks[3], kSuitHerz); // Herz 9
        AddToRankMask(&game.playedMasks[6], kSuitHerz); // Herz King
    }
    AddToRankMask(&game.playedMasks[kRankAce], kSuitHerz);
    game.GiveHand(0, {16, 32});
    game.GiveHand(1, {19, 20});
    game.GiveHand(2, {21, 22});
    game.GiveHand(3, {27, 3});
    Play(0, {16});
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(game.seatEstimates[seat].voidEstimate[1], 100) << seat;
}

TEST_F(CardMemoryTest, HigherCardsOutInTheNormalGame) {
    game.GiveHand(1, {21, 29, 15, 24});
    // The Ober of Gras: the other Ober of Eichel and both Heart Tens less the one held.
    EXPECT_EQ(game.CountHigherCardsOut(1, 21), 1 + 1);
    AddToRankMask(&game.playedMasks[kRankTen], kSuitHerz);
    EXPECT_EQ(game.CountHigherCardsOut(1, 21), 1);
    // The Heart Ten is on top: nothing beats it.
    EXPECT_EQ(game.CountHigherCardsOut(1, 15), 0);
    // The Gras Ace: only its twin, which the seat does not hold.
    EXPECT_EQ(game.CountHigherCardsOut(1, 24), 0);
    EXPECT_EQ(game.CountHigherCardsOut(1, 23), 1); // the Ten: one Ace out (one held)
    // With the special top card in play the rules card stands above all.
    game.diamondAcesSeat = 3;
    game.specialPairSeat = 3;
    EXPECT_EQ(game.CountHigherCardsOut(1, game.GetSpecialTopCard()), 0);
    EXPECT_EQ(game.CountHigherCardsOut(1, 15), 2 + 2); // two rules cards, two Schellen Aces
}

TEST_F(CardMemoryTest, TheSeatsOwnCardsAboveAreNotCountedTwice) {
    // A Schellen King with the seat's own Heart Ten above it: the Ten counts once, as held.
    game.GiveHand(2, {6, 15, 11});
    const int withOwnTen = game.CountHigherCardsOut(2, 6);
    game.GiveHand(2, {6, 11});
    EXPECT_EQ(game.CountHigherCardsOut(2, 6), withOwnTen + 1);
}

TEST_F(CardMemoryTest, CanBeatWithTheGroupOrWithATrump) {
    game.GiveHand(0, {11, 3}); // Herz 9 and the lowest trump
    game.seatToMove = 0;
    EXPECT_TRUE(game.CanBeatWithGroup(22));  // void in Gras, holds a trump
    EXPECT_FALSE(game.CanBeatWithGroup(16)); // the Herz Ace is not beaten by the 9
    EXPECT_TRUE(game.CanBeatWithGroup(10));  // a lower Herz card
    EXPECT_FALSE(game.CanBeatWithGroup(29)); // the Ober of Eichel
    game.GiveHand(0, {11, 19});
    EXPECT_FALSE(game.CanBeatWithGroup(3)); // a trump, and none held
}

TEST_F(CardMemoryTest, UnseenHandEstimates) {
    game.GiveHand(0, {11, 12, 19, 20});
    game.seatToMove = 0;
    EXPECT_EQ(game.EstimateSuitCount(0, 1), 1); // its own hand
    game.seatEstimates[2].voidEstimate[3] = 35;
    EXPECT_EQ(game.EstimateSuitCount(2, 3), 0);
    EXPECT_EQ(game.EstimateSuitMaximum(2, 3), 0);
    EXPECT_EQ(game.GetSuitCount(2, 3), -1); // nothing known
    // Two Herz cards out among three open seats: no even split to ask about, and no box.
    for (int copy = 0; copy < 2; ++copy) {
        AddToRankMask(&game.playedMasks[3], kSuitHerz);
        AddToRankMask(&game.playedMasks[6], kSuitHerz);
    }
    game.GiveHand(0, {12, 19, 20});
    EXPECT_EQ(game.CountGroupOut(1), 2);
    EXPECT_EQ(game.EstimateSuitCount(1, 1), 0);
    EXPECT_GE(game.EstimateSuitMaximum(1, 1), 1);
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(CardMemoryTest, PlayTimeMarksCountOnlyForStrongMoversAndReliableRecords) {
    game.evidence[2][1] = 0;
    game.seatToMove = 0;
    game.seats[0].profile = 26;
    EXPECT_EQ(game.GetTimingEvidence(2, 1), -1); // the record is not reliable yet
    game.options.playerTimes[2].reliable = 1;
    EXPECT_EQ(game.GetTimingEvidence(2, 1), 0);
    game.seats[0].profile = 25;
    EXPECT_EQ(game.GetTimingEvidence(2, 1), -1);
}

TEST_F(CardMemoryTest, CeilingAfterALastCardThatDidNotFollow) {
    game.GiveHand(0, {24, 19});
    game.GiveHand(1, {22, 23});
    game.GiveHand(2, {20, 21});
    game.GiveHand(3, {11, 27}); // plays last, no Gras
    Play(0, {24, 22, 21, 11});
    // Void in Gras: nothing of it is above the Seven.
    EXPECT_EQ(game.seatEstimates[3].ceilingCard[2], 17);
    EXPECT_EQ(game.seatEstimates[3].voidEstimate[2], 100);
}
