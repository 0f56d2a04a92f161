#include "engine/CardPlayTimes.h"

#include <gtest/gtest.h>

#include "engine/TestLevel.h"

namespace {

class CardPlayTimesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.NewDeal(false);
        game.gameType = {0, kWordNormal};
        game.trickNumber = 2;
        game.leader = 0;
        game.trickCards[0] = 22; // Gras King led
        game.ResetEvidence();
    }
    // Seat 1 follows in Gras; forced when it holds no further Gras card.
    void Follow(int milliseconds, bool forced) {
        game.GiveHand(1, forced ? std::vector<int>{11} : std::vector<int>{11, 19});
        game.RecordPlayTime(1, milliseconds, 2);
    }
    PlayerTimeRecord& Record() { return game.options.playerTimes[1]; }
    void MakeReliable() {
        for (int i = 0; i < 10; ++i)
            Follow(500, true);
        for (int i = 0; i < 10; ++i)
            Follow(2000, false);
    }
    TestLevel game;
};

} // namespace

TEST_F(CardPlayTimesTest, TenForcedAndTenChosenPlaysMakeTheRecordReliable) {
    MakeReliable();
    EXPECT_EQ(Record().forcedReference, 500);  // the average with its margin (575) is above 500
    EXPECT_EQ(Record().choiceReference, 2000); // the average 1481 is below the least time
    EXPECT_EQ(Record().reliable, 1);
}

TEST_F(CardPlayTimesTest, LaterTimesMarkTheGroup) {
    MakeReliable();
    struct Case {
        int milliseconds;
        int mark;
    };
    const Case cases[] = {{400, 0}, {2500, 1}, {9500, -1}, {1500, -1}}; // 1500: unchanged
    for (const Case& c : cases) {
        Follow(c.milliseconds, false);
        EXPECT_EQ(game.evidence[1][2], c.mark) << c.milliseconds;
    }
}

TEST_F(CardPlayTimesTest, TheChoiceReferenceFallsBackUntilTheListIsFull) {
    Follow(2000, false);
    EXPECT_EQ(Record().choiceTimes[0], 2000);
    EXPECT_EQ(Record().choiceReference, -1); // the least place is still empty
    Follow(900, false);                      // too quick to seed a reference: not booked
    EXPECT_EQ(Record().choiceTimes[1], -1);
    Follow(1200, false);
    EXPECT_EQ(Record().choiceTimes[1], 1200);
}

TEST_F(CardPlayTimesTest, SlowChoicesOnlyKeepTheLeastTimeAsReference) {
    // Every choice took 3.5 s or more: no average to take, the least time stands.
    for (int i = 0; i < 10; ++i)
        Follow(4000 + 100 * i, false);
    EXPECT_EQ(Record().choiceReference, 4000);
}

TEST_F(CardPlayTimesTest, NothingIsBookedThatDoesNotFollowOrIsExcluded) {
    game.RecordPlayTime(1, 700, 1); // a Herz card on a Gras lead
    game.RecordPlayTime(1, -5, 2);  // a clock that ran backwards
    EXPECT_EQ(Record().forcedReference, -1);
    EXPECT_EQ(Record().choiceReference, -1);
    // A card suggestion for the seat: its next time is not its own thinking.
    game.timingExcludedSeat = 1;
    Follow(700, true);
    EXPECT_EQ(Record().forcedTimes[0], -1);
    EXPECT_EQ(game.timingExcludedSeat, 1);
    game.GiveHand(2, {11});
    game.RecordPlayTime(2, 700, 2);
    EXPECT_EQ(game.timingExcludedSeat, -1);
    Follow(700, true);
    EXPECT_EQ(Record().forcedTimes[0], 700);
}

TEST_F(CardPlayTimesTest, ClearingEmptiesEverySeat) {
    MakeReliable();
    ClearPlayerTimeStats(&game.options);
    for (const PlayerTimeRecord& record : game.options.playerTimes) {
        EXPECT_EQ(record.reliable, 0);
        EXPECT_EQ(record.forcedReference, -1);
        EXPECT_EQ(record.choiceTimes[9], -1);
    }
}
