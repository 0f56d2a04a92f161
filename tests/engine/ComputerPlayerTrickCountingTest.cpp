#include <gtest/gtest.h>

#include <vector>

#include "engine/NormalGameTest.h"
#include "engine/TestLevel.h"
#include "platform/Alerts.h"

namespace {

class TrickCountingTest : public NormalGameTest {
  protected:
    void SetUp() override {
        NormalGameTest::SetUp();
        game.leader = 0;
        game.seatToMove = 0;
        game.seats[0].profile = 8;
    }
};

constexpr int kSpadeNine = 16 + 3;
constexpr int kSpadeKing = 16 + 6;
constexpr int kSpadeTen = 16 + 7;
constexpr int kSpadeAce = 16 + 8;

} // namespace

TEST_F(TrickCountingTest, SureTricksChance) {
    game.GiveHand(0, {kSpadeAce, kSpadeAce, kSpadeTen, 29}); // 5 Spades out
    game.seats[0].groupEval[2][0] = 6;
    EXPECT_FLOAT_EQ(game.SureTricksChance(2), 100.0f);
    game.seats[0].groupEval[2][0] = 0;
    EXPECT_FLOAT_EQ(game.SureTricksChance(2), 0.0f);
    // One possible holder: sure only when every Spade the mover holds is a sure trick.
    game.seatEstimates[1].voidEstimate[2] = 100;
    game.seatEstimates[2].voidEstimate[2] = 100;
    game.seats[0].groupEval[2][0] = 2;
    EXPECT_FLOAT_EQ(game.SureTricksChance(2), 0.0f);
    game.seats[0].groupEval[2][0] = 3;
    EXPECT_FLOAT_EQ(game.SureTricksChance(2), 100.0f);
}

TEST_F(TrickCountingTest, PlainLosersAreTheOutstandingCardsAboveTheSeats) {
    game.GiveHand(0, {kSpadeKing, kSpadeNine, 29});
    // Two Aces, two Tens and the other King lie above the 9.
    EXPECT_EQ(game.CountPlainLosers(0), 5);
    AddToRankMask(&game.playedMasks[kRankAce], kSuitGras);
    AddToRankMask(&game.playedMasks[kRankAce], kSuitGras);
    EXPECT_EQ(game.CountPlainLosers(0), 3);
}

TEST_F(TrickCountingTest, FreeTricksOfAHandOfSureTricksAndTrumps) {
    game.trickNumber = 10; // three tricks left
    game.GiveHand(0, {kSpadeAce, 29, 29});
    game.seats[0].groupEval[2][2] = 1; // the lead's count applies: seat 0 leads
    EXPECT_EQ(game.CountFreeTricks(0), 0);
    game.leader = 1;
    EXPECT_EQ(game.CountFreeTricks(0), 1);
    EXPECT_FALSE(game.CanTakeRestWithTrumps(0)); // not on lead
}

TEST_F(TrickCountingTest, CardRoles) {
    struct Case {
        GameTypeWord word;
        int card;
        int role;
    };
    const Case cases[] = {
        {kWordNormal, 21, 3},      {kWordNormal, 20, 2},        {kWordNormal, 3, 1},
        {kWordNormal, 15, 3},      {kWordUnterSolo, 15, 2},     {kWordUnterSolo, 28, 3},
        {kWordUnterSolo, 4, 1},    {kWordPureSuitSolo, 7, 3},   {kWordPureSuitSolo, 5, 2},
        {kWordPureSuitSolo, 3, 1}, {kWordSuitUnter, 4, 2},      {kWordSuitUnter, 16, 2},
        {kWordSuitUnter, 12, 3},   {kWordOberUnterKing, 30, 1}, {kWordNoTrumps, 29, 0},
    };
    for (const Case& c : cases) {
        game.gameType = {0, c.word};
        EXPECT_EQ(game.RateCardRole(c.card), c.role) << c.word << " card " << c.card;
    }
    game.gameType = {0, kWordNormal};
    EXPECT_EQ(game.RateCardRole(kSchellenAce), 1);
    game.diamondAcesSeat = 2;
    EXPECT_EQ(game.RateCardRole(kSchellenAce), 3);
    EXPECT_EQ(game.RateCardRoleFine(5), 2);
    EXPECT_EQ(game.RateCardRoleFine(12), 1);
    // A card outside the three ranks of the three-rank solo beeps and has no class.
    SetSysBeepSilent(true);
    const auto beeps = SysBeepCount();
    game.gameType = {0, kWordOberUnterKing};
    EXPECT_EQ(game.RateCardRole(kSpadeNine), 0);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
}

TEST_F(TrickCountingTest, HigherTrumpsInHand) {
    game.GiveHand(0, {3, 29, 29});
    EXPECT_EQ(game.CountHigherInHand(0, 21), 2);
    EXPECT_EQ(game.CountHigherInHand(0, 15), 0);
    EXPECT_EQ(game.CountHigherInHand(0, kSpadeAce), -1);
    EXPECT_EQ(game.CountFreeTrumps(), 3);
    game.GiveHand(0, {kSchellenAce, 29});
    EXPECT_EQ(game.CountFreeTrumps(), 1); // the Fox scores when caught: it is no free trump
}

TEST_F(TrickCountingTest, SureTrumpsWithoutListedOpponentsStopAtTheFirstDoubtfulCard) {
    game.GiveHand(0, {21, 29, 29}); // the two Heart Tens are still out
    game.trumpsAbovePartnerCard = -1;
    EXPECT_EQ(game.CountSureTricksInGroup(0, 4), 0);
    game.trumpsAbovePartnerCard = 1;
    EXPECT_EQ(game.CountSureTricksInGroup(0, 4), 0);
    game.trumpsAbovePartnerCard = 2;
    EXPECT_EQ(game.CountSureTricksInGroup(0, 4), 3);
}

TEST_F(TrickCountingTest, NoPartyStrengthWhenNoSeatMayHoldTrumps) {
    game.GiveHand(0, {kSpadeAce});
    for (int seat = 1; seat < 4; ++seat)
        game.seatEstimates[seat].voidEstimate[4] = 35;
    EXPECT_FALSE(game.IsPartyStrongInTrumps());
}

TEST_F(TrickCountingTest, TrumpLeadWithoutListedOpponentsDoesNotDivideByZero) {
    game.seats[0].profile = 20;
    game.GiveHand(0, {3, 29});
    game.moverPartners[0] = 2;
    game.moverOpponentCount = 0;
    EXPECT_FALSE(game.EvaluateTrumpLead(true, 4));
    game.seats[0].groupEval[4][0] = 1;
    EXPECT_FALSE(game.EvaluateTrumpLead(true, 4));
    EXPECT_FALSE(game.EvaluateTrumpLead(true, 2));
}

TEST_F(TrickCountingTest, EndangeredGroupNeedsAnOpponentWhoMayOvertake) {
    game.seats[0].profile = 1; // below the strong tests: danger alone decides
    game.GiveHand(0, {kSpadeAce, 29});
    game.moverOpponents[0] = 1;
    game.moverOpponentCount = 1;
    EXPECT_TRUE(game.IsGroupEndangered(2));
    game.seatEstimates[1].voidEstimate[2] = 100;
    EXPECT_FALSE(game.IsGroupEndangered(2));
}
