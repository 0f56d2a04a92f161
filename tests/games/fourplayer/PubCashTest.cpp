#include <gtest/gtest.h>

#include "games/fourplayer/ControllerFixtures.h"
#include "records/ProgramFlags.h"

namespace {

// A table of the pub story: stake in hundredths per point, 100 units of cash (1000 tenths).
struct PubTable : TableFixture {
    PubTable() {
        gStoryMode = 1;
        settings.roomStake = 50;
        settings.cashDimes = 1000;
        settings.cashCents = 0;
    }
    ~PubTable() { gStoryMode = 0; }

    // Lists a game with these values for seats 0 to 3.
    void ListGame(int v0, int v1, int v2, int v3) {
        GameRecord record{};
        const int values[4] = {v0, v1, v2, v3};
        for (int seat = 0; seat < 4; ++seat) {
            record.values[seat] = static_cast<std::int16_t>(values[seat]);
            GameListHead(table->gameListHandle)->totals[seat] += values[seat];
        }
        ASSERT_TRUE(AppendGameRecord(&table->gameListHandle, record));
    }
    // The cash in hundredths.
    long long Cash() const { return settings.cashDimes * 10LL + settings.cashCents; }
};

} // namespace

// In an open series money changes hands after every game: the seat's value of the last game,
// or seat 0's series total, times the stake.
TEST(PubCash, OpenSeriesBooksTheGameTimesTheStake) {
    struct Case {
        int lastValue;
        int earlierValue;
        bool seriesTotal;
        long long change;
    };
    const Case cases[] = {
        {-20, 0, false, -20 * 50},
        {30, 0, false, 30 * 50},
        {-20, 70, true, 50 * 50},
        {-20, -10, true, -30 * 50},
    };
    for (const Case& c : cases) {
        PubTable t;
        t.ListGame(c.earlierValue, 0, 0, -c.earlierValue);
        t.ListGame(c.lastValue, -c.lastValue, 0, 0);
        EXPECT_TRUE(t.table->BookPubCash(0, 999, c.seriesTotal));
        EXPECT_EQ(t.Cash(), 10000 + c.change) << c.lastValue << " " << c.seriesTotal;
    }
}

TEST(PubCash, OpenSeriesAnswersFalseOnceTheCashIsNegative) {
    PubTable t;
    t.ListGame(-201, 201, 0, 0);
    EXPECT_FALSE(t.table->BookPubCash(0, 0, false));
    EXPECT_EQ(t.Cash(), 10000 - 201 * 50);
}

// value x stake does not fit 32 bits: the booking is made in 64 bits.
TEST(PubCash, LargeStakesDoNotWrap) {
    PubTable t;
    t.settings.roomStake = 200000;
    t.ListGame(30000, -30000, 0, 0);
    EXPECT_TRUE(t.table->BookPubCash(0, 0, false));
    EXPECT_EQ(t.Cash(), 10000 + 30000LL * 200000);
}

TEST(PubCash, NothingIsBookedWithoutTheStory) {
    PubTable t;
    gStoryMode = 0;
    t.ListGame(-20, 20, 0, 0);
    EXPECT_TRUE(t.table->BookPubCash(0, 0, false));
    EXPECT_EQ(t.Cash(), 10000);
}

// A series with an end rule, a league or a tournament pays the given amount when the series is
// over, or at once in a league or tournament with a stake state; a running plain series pays
// nothing.
TEST(PubCash, SeriesWithAnEndRuleBooksTheAmountWhenItIsOver) {
    struct Case {
        int tableMode;
        int gamesListed;
        int stakeState;
        long long change;
    };
    const Case cases[] = {
        {1, 1, 1, 0},                   // running series
        {1, 2, 1, 700},                 // over by its game count
        {1, 2, 0, 0},                   // over, but the player staked nothing
        {1, 2, -1, 0},  {2, 1, 1, 700}, // league game with a stake
        {8, 1, -1, 0},                  // tournament without a stake state
    };
    for (const Case& c : cases) {
        PubTable t;
        t.rules.seriesEnd = kSeriesEndGames;
        t.rules.seriesGameCount = 2;
        t.settings.tableMode = static_cast<std::int16_t>(c.tableMode);
        t.table->SetStakeState(c.stakeState);
        for (int game = 0; game < c.gamesListed; ++game)
            t.ListGame(-20, 20, 0, 0);
        EXPECT_TRUE(t.table->BookPubCash(0, 700, false));
        EXPECT_EQ(t.Cash(), 10000 + c.change)
            << c.tableMode << " " << c.gamesListed << " " << c.stakeState;
    }
}

TEST(PubCash, SeriesEndsByTargetOrGameCount) {
    PubTable t;
    t.ListGame(40, -40, 0, 0);
    EXPECT_FALSE(IsSeriesOverByOptions(t.table->gameListHandle, {kSeriesEndTarget, 0, 41}, 1));
    EXPECT_TRUE(IsSeriesOverByOptions(t.table->gameListHandle, {kSeriesEndTarget, 0, 40}, 1));
    EXPECT_TRUE(IsSeriesOverByOptions(t.table->gameListHandle, {kSeriesEndGames, 1, 0}, 1));
    EXPECT_FALSE(IsSeriesOverByOptions(t.table->gameListHandle, {kSeriesEndGames, 2, 0}, 1));
    EXPECT_FALSE(IsSeriesOverByOptions(t.table->gameListHandle, {kSeriesEndNever, 1, 0}, 1));
    EXPECT_FALSE(IsSeriesOverByOptions(t.table->gameListHandle, {kSeriesEndGames, 1, 0}, 2));
}

TEST(PubCash, LeavingInTheFirstRoomOrOutsideTheRoomsBooksNothing) {
    for (int room : {1, 0, 9, -1}) {
        for (int phase = 0; phase <= 10; ++phase) {
            PubTable t;
            t.ListGame(-20, 20, 0, 0);
            t.table->playStarted = phase == 3;
            EXPECT_TRUE(t.table->SettlePubEvent(0, phase, room, 500));
            EXPECT_EQ(t.Cash(), 10000) << room << " " << phase;
            EXPECT_EQ(GameListHead(t.table->gameListHandle)->totals[0], -20);
        }
    }
}

// Leaving before play pays the penalty of the deal (13 points at the Doppelkopf level); the
// previous game, paid already, is never booked again.
TEST(PubCash, LeavingBeforePlayPaysThePenaltyOnly) {
    for (int room : {2, 3, 8}) {
        for (int phase : {1, 2, 6}) {
            PubTable t;
            t.ListGame(-20, 20, 0, 0);
            EXPECT_TRUE(t.table->SettlePubEvent(0, phase, room, 500));
            EXPECT_EQ(GameListHead(t.table->gameListHandle)->totals[0], -13);
            EXPECT_EQ(t.Cash(), 10000 - 13 * 50) << room << " " << phase;
        }
    }
}

// Phases without a game at stake (no game, room scene, deal animation, leaving) book nothing.
TEST(PubCash, LeavingWithoutAGameAtStakeBooksNothing) {
    for (int phase : {0, 7, 8, 9}) {
        PubTable t;
        t.ListGame(-20, 20, 0, 0);
        EXPECT_TRUE(t.table->SettlePubEvent(0, phase, 3, 500));
        EXPECT_EQ(t.Cash(), 10000) << phase;
    }
}

TEST(PubCash, LeavingDuringPlayNeverBooksThePreviousGameAgain) {
    PubTable t;
    t.ListGame(-20, 20, 0, 0);
    t.table->playStarted = 1;
    EXPECT_TRUE(t.table->SettlePubEvent(0, 3, 3, 500));
    EXPECT_EQ(t.Cash(), 10000);
}

// After a finished game a series with an end rule books the amount at stake; an open series
// has paid already.
TEST(PubCash, LeavingAfterTheGameBooksOnlyASeriesWithAnEndRule) {
    for (int phase : {4, 5, 10}) {
        PubTable open;
        open.ListGame(-20, 20, 0, 0);
        EXPECT_TRUE(open.table->SettlePubEvent(0, phase, 4, 500));
        EXPECT_EQ(open.Cash(), 10000);

        PubTable closed;
        closed.rules.seriesEnd = kSeriesEndGames;
        closed.rules.seriesGameCount = 1;
        closed.table->SetStakeState(1);
        closed.ListGame(-20, 20, 0, 0);
        EXPECT_TRUE(closed.table->SettlePubEvent(0, phase, 4, 500));
        EXPECT_EQ(closed.Cash(), 10000 + 500) << phase;
    }
}
