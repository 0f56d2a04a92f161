#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/CardNames.h"
#include "engine/TestLevel.h"
#include "support/AlertRecorder.h"

namespace {

using card_names::Cards;

// Seat 1 judges its hand while seat 0 leads; the lead flag makes seat 1 count its lead tricks.
class EvaluatorsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.NewDeal(false);
        game.gameType = {0, kWordNormal};
        game.leader = 0;
        ResetAlertRecorder();
    }
    SeatBlock& Hand(const std::string& cards, int profile, bool leads) {
        game.GiveHand(kSeat, Cards(cards));
        SeatBlock& block = game.seats[kSeat];
        block.profile = static_cast<std::int16_t>(profile);
        block.leadFlag = leads ? 1 : 0;
        return block;
    }
    static constexpr int kSeat = 1;
    TestLevel game;
};

TEST(StepLevelTest, EveryLevelAndDirection) {
    struct Row {
        int level, stronger, weaker;
    };
    // One step at a time; from 0 (not playable) or an unknown value, stronger is the weakest
    // playable level and weaker is not playable.
    const Row rows[] = {{0, 32, 0},  {8, 8, 16},  {16, 8, 24}, {24, 16, 32},
                        {32, 24, 0}, {40, 32, 0}, {7, 32, 0},  {-8, 32, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.level);
        EXPECT_EQ(TrickGameCore::StepLevel(row.level, 0), row.level);
        for (int d : {1, 2, 100}) {
            EXPECT_EQ(TrickGameCore::StepLevel(row.level, d), row.stronger);
        }
        for (int d : {-1, -2, -100}) {
            EXPECT_EQ(TrickGameCore::StepLevel(row.level, d), row.weaker);
        }
    }
}

TEST_F(EvaluatorsTest, AllEightUntersNeedNoSplitTableAndPlayAtTheTop) {
    // Nothing of the rank is out, so the split is certain: x = 8 rank tricks plus one lead trick
    // per single Ace make 12 tricks on lead.
    SeatBlock& block = Hand("S-U S-U H-U H-U G-U G-U E-U E-U S-A H-A G-A E-A", 12, true);
    EXPECT_EQ(game.EvaluateSingleRankSolo(block, {4, kWordUnterSolo}, false, kSeat, block.unterMask,
                                          block.unterCount),
              8);
    EXPECT_TRUE(RecordedAlerts().empty());
    // Not leading, the single Aces take nothing for sure: 8 tricks, a level-32 game for the
    // bold styles only.
    block.leadFlag = 0;
    EXPECT_EQ(game.EvaluateSingleRankSolo(block, {4, kWordUnterSolo}, false, kSeat, block.unterMask,
                                          block.unterCount),
              32);
    block.profile = 13; // style 3
    EXPECT_EQ(game.EvaluateSingleRankSolo(block, {4, kWordUnterSolo}, false, kSeat, block.unterMask,
                                          block.unterCount),
              0);
}

TEST_F(EvaluatorsTest, SuitSoloOfTwelveTrumpsIsFinalEvenWithoutLosers) {
    // Seven Obers without a Heart Ten and five Unters: c = 12, H = 7, t4 = 1, so 24; the
    // side-trick correction (no losers) would have made it 16.
    SeatBlock& block = Hand("E-O G-O G-O H-O H-O S-O S-O E-U E-U G-U H-U S-U", 7, true);
    EXPECT_EQ(game.EvaluateSuitSolo(block, {0, kWordSuitSolo}, false, kSeat), 24);
    EXPECT_EQ(game.EvaluateSuitSolo(block, {0, kWordSuitSolo}, true, kSeat), 24);
}

TEST_F(EvaluatorsTest, StrongSeatReadsSevenHighTrumpsOfTenAsLevel24) {
    // Ten trumps with H = 7 (six Obers and a Heart Ten), t8 = 7 and an Unter; one lead trick
    // beside them leaves one loser, so the first level stands.
    const std::string cards = "E-O E-O G-O G-O H-O H-O H-10 S-U S-9 S-K G-A E-9";
    EXPECT_EQ(game.EvaluateSuitSolo(Hand(cards, 7, true), {0, kWordSuitSolo}, false, kSeat), 16);
    EXPECT_EQ(game.EvaluateSuitSolo(Hand(cards, 12, true), {0, kWordSuitSolo}, false, kSeat), 24);
}

TEST_F(EvaluatorsTest, TwoRankPatternWithBothEichelAndGrasCopiesReadsAsTheWeakerOne) {
    // Unters E E G G as first rank (0xf0), Obers with two copies of Eichel and Gras: n = 8,
    // c1 = 4. 0x70 is tested before 0xd0, so the first level is 32, not 24; two lead tricks
    // leave two losers, which keeps it.
    SeatBlock& block = Hand("E-U E-U G-U G-U E-O G-O S-O S-O G-A G-A H-9 E-9", 12, true);
    EXPECT_EQ(game.EvaluateTwoRankSolo(block, {4, kWordUnterOber}, false, kSeat, block.unterMask,
                                       block.unterCount, block.oberMask, block.oberCount),
              32);
}

TEST_F(EvaluatorsTest, TwoRankLeadWithAcesOfThreeSuitsTurnsNothingIntoAGame) {
    struct Case {
        const char* cards;
        int level;
    };
    // Seven trumps with three Unters (first level 0, not final) and five lead tricks: no
    // losers. With Aces of three suits the seat plays at 32; with two, not at all.
    const Case cases[] = {
        {"S-U H-U G-U S-O H-O G-O E-O S-A S-A H-A H-A G-A", 32},
        {"S-U H-U G-U S-O H-O G-O E-O S-A S-A H-A H-A G-9", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cards);
        SeatBlock& block = Hand(c.cards, 12, true);
        EXPECT_EQ(game.EvaluateTwoRankSolo(block, {4, kWordUnterOber}, false, kSeat,
                                           block.unterMask, block.unterCount, block.oberMask,
                                           block.oberCount),
                  c.level);
        block.leadFlag = 0; // not leading, a first level of 0 stays 0
        EXPECT_EQ(game.EvaluateTwoRankSolo(block, {4, kWordUnterOber}, false, kSeat,
                                           block.unterMask, block.unterCount, block.oberMask,
                                           block.oberCount),
                  0);
    }
}

TEST_F(EvaluatorsTest, PureSuitSoloCountsTheShortDeckAsOneMoreTrump) {
    // Full deck: five Gras cards with both Aces and a Ten read as six: 16; six lead tricks
    // beside them leave one loser.
    SeatBlock& full = Hand("G-A G-A G-10 G-K G-K S-A S-A S-10 S-10 H-A H-A E-9", 12, true);
    EXPECT_EQ(game.EvaluatePureSuitSolo(full, {2, kWordPureSuitSolo}, false, kSeat), 16);
    // Without nines four real trumps count five: not playable whatever the side cards.
    game.options.withoutNines = 1;
    SeatBlock& shortDeck = Hand("G-A G-A G-10 G-K S-A S-A S-10 S-10 H-A H-A", 12, true);
    EXPECT_EQ(game.EvaluatePureSuitSolo(shortDeck, {2, kWordPureSuitSolo}, true, kSeat), 0);
}

TEST_F(EvaluatorsTest, ForcedSeatsAnswerTheFirstLevelOfTheirTableRow) {
    using Evaluate = int (*)(TestLevel&, SeatBlock&);
    struct Case {
        const char* cards;
        Evaluate evaluate;
        int level;
    };
    const Evaluate schellenSolo = [](TestLevel& g, SeatBlock& b) {
        return g.EvaluateSuitSolo(b, {0, kWordSuitSolo}, true, kSeat);
    };
    const Case cases[] = {
        // Suit solo, twelve trumps, H = 4 with the four top trumps: 24.
        {"H-10 H-10 E-O E-O S-U H-U G-U E-U S-9 S-K S-10 S-A", schellenSolo, 24},
        // Ten trumps, H = 6, t6 = 5 without both Gras Obers and one Unter: 32.
        {"H-10 H-10 E-O E-O G-O S-O S-U S-9 S-K S-10 G-9 E-9", schellenSolo, 32},
        // Pure Gras solo of six cards without an Ace: 32.
        {"G-9 G-9 G-K G-K G-10 G-10 S-9 S-K H-9 H-K E-9 E-K",
         [](TestLevel& g, SeatBlock& b) {
             return g.EvaluatePureSuitSolo(b, {2, kWordPureSuitSolo}, true, kSeat);
         },
         32},
        // Gras Unter solo of nine trumps with three Unters, both of Eichel: 24.
        {"E-U E-U S-U G-9 G-9 G-K G-K G-10 G-10 S-9 H-9 E-9",
         [](TestLevel& g, SeatBlock& b) {
             return g.EvaluateSuitRankSolo(b, {2, kWordSuitUnter}, true, kSeat, b.unterMask,
                                           b.unterCount);
         },
         24},
        // Three ranks, twelve cards, three Obers (one of Eichel) and six Unters: 32.
        {"E-O G-O H-O E-U E-U G-U G-U H-U S-U S-K H-K G-K",
         [](TestLevel& g, SeatBlock& b) {
             return g.EvaluateThreeRankSolo(b, {4, kWordOberUnterKing}, true, kSeat);
         },
         32},
        // Three ranks, ten cards, four Obers with three of Eichel and Gras, three such Unters.
        {"E-O E-O G-O S-O E-U E-U G-U S-K H-K G-K S-9 H-9",
         [](TestLevel& g, SeatBlock& b) {
             return g.EvaluateThreeRankSolo(b, {4, kWordOberUnterKing}, true, kSeat);
         },
         24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cards);
        EXPECT_EQ(c.evaluate(game, Hand(c.cards, 7, false)), c.level);
    }
}

TEST_F(EvaluatorsTest, RequiredSoloFallsDueLateInTheSeries) {
    game.options.requiredSolos = 1;
    game.options.requiredSoloCount = 1;
    struct Case {
        int profile, seriesLength, gamesPlayed, solosPlayed, count;
        bool lead, due;
    };
    // (length - played) / length at most 0.49 makes it due; lengths 0 and -1 are no series.
    const Case cases[] = {
        {16, 24, 13, 0, 1, true, true},   {16, 24, 12, 0, 1, true, false},
        {15, 24, 20, 0, 1, true, false},  {16, 24, 20, 1, 1, true, false},
        {16, 24, 20, 0, 1, false, false}, {16, 0, 20, 0, 1, true, false},
        {16, -1, 20, 0, 1, true, false},  {16, 24, 0, 0, 3, true, true},
        {16, 48, 0, 0, 3, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.profile << " " << c.seriesLength << " "
                                        << c.gamesPlayed << " " << c.count);
        game.seriesLength = static_cast<std::int16_t>(c.seriesLength);
        game.gamesPlayed = static_cast<std::int16_t>(c.gamesPlayed);
        game.solosPlayed[kSeat] = static_cast<std::int16_t>(c.solosPlayed);
        game.options.requiredSoloCount = static_cast<std::int16_t>(c.count);
        SeatBlock block = {};
        block.profile = static_cast<std::int16_t>(c.profile);
        block.leadFlag = c.lead ? 1 : 0;
        EXPECT_EQ(game.IsRequiredSoloDue(block, kSeat), c.due);
    }
}

TEST_F(EvaluatorsTest, RequiredSoloOfALateSeatAfterOneReservationDependsOnTheHerzAces) {
    game.options.requiredSolos = 1;
    game.options.requiredSoloCount = 1;
    game.seriesLength = 24;
    game.gamesPlayed = 0;
    SeatBlock block = {};
    block.profile = 16;
    block.leadFlag = 1;
    const int seat = 3; // fourth in the trick behind leader 0
    struct Case {
        int leaderMark, secondMark, herzAces;
        bool due;
    };
    const Case cases[] = {
        {0, 1, 2, false}, {0, 1, 1, true}, {1, 0, 1, false}, {0, 1, 0, true}, {1, 1, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.leaderMark << c.secondMark << c.herzAces);
        game.reservationMarks[0] = static_cast<std::int16_t>(c.leaderMark);
        game.reservationMarks[1] = static_cast<std::int16_t>(c.secondMark);
        game.evalSeat.aceMask = 0;
        for (int i = 0; i < c.herzAces; ++i)
            AddToRankMask(&game.evalSeat.aceMask, kSuitHerz);
        EXPECT_EQ(game.IsRequiredSoloDue(block, seat), c.due);
    }
}

} // namespace
