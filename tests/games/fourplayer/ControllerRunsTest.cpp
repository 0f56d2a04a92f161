#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "games/fourplayer/ControllerFixtures.h"

namespace {

int16_t Pick(std::mt19937& rng, int low, int high) {
    return static_cast<std::int16_t>(std::uniform_int_distribution<int>(low, high)(rng));
}

void RandomizeFirstRun(FourSeatController& c, std::mt19937& rng) {
    for (auto& card : c.dealtCards)
        card = static_cast<std::uint8_t>(Pick(rng, 0, 33));
    for (auto& card : c.hands)
        card = static_cast<std::uint8_t>(Pick(rng, 0, 33));
    c.gameClock = std::uniform_int_distribution<std::int32_t>(0, 0x7fffffff)(rng);
    for (auto& profile : c.seatProfiles)
        profile = Pick(rng, 0, 30000);
    c.dealer = Pick(rng, 0, 3);
    c.playStarted = Pick(rng, -5, 5);
    c.gamesDealt = Pick(rng, 0, 32767);
    c.trickComplete = Pick(rng, 0, 1);
    c.nextLeader = Pick(rng, -1, 3);
    c.lastLeader = Pick(rng, -1, 3);
    for (auto& count : c.soloCounts)
        count = Pick(rng, 0, 32767);
    c.bockGamesLeft = Pick(rng, 0, 32767);
    c.claimMade = Pick(rng, -32768, 32767);
    c.claimSeat = Pick(rng, -1, 3);
    c.pointsStillOut = Pick(rng, 0, 240);
    c.finalSoloRound = Pick(rng, -32768, 32767);
    c.exchangeSeat = Pick(rng, -1, 3);
    c.exchangeCount = Pick(rng, 0, 4);
    for (auto& card : c.exchangeCards)
        card = static_cast<std::uint8_t>(Pick(rng, 0, 33));
    c.partnerSeat = Pick(rng, -1, 3);
    c.throwInSeat = Pick(rng, -1, 3);
    c.diamondAcesSeat = Pick(rng, -1, 3);
    c.specialPairSeat = Pick(rng, -1, 3);
    c.announceStop = Pick(rng, -32768, 32767);
    c.room = Pick(rng, 0, 8);
    c.stakeState = Pick(rng, -32768, 32767);
}

void RandomizeSecondRun(DoppelkopfController& c, std::mt19937& rng) {
    c.biddingPhase = Pick(rng, 0, 32767);
    c.bill.itemCount = Pick(rng, 0, 20);
    for (auto& seat : c.bill.listedSeats)
        seat = Pick(rng, -1, 3);
    c.bill.perOpponent = Pick(rng, -32768, 32767);
    c.bill.cardPoints = Pick(rng, -32768, 32767);
    c.bill.value = Pick(rng, -32768, 32767);
    c.bill.potBooked = Pick(rng, -32768, 32767);
    c.bill.potSeat = Pick(rng, -1, 3);
    c.bill.potAmount = Pick(rng, -32768, 32767);
    for (auto& item : c.bill.items)
        item = {Pick(rng, -32768, 32767), Pick(rng, -32768, 32767)};
    for (auto& bid : c.bids)
        bid = Pick(rng, -32768, 32767);
}

std::int16_t ShortAt(const std::uint8_t* bytes, int offset) {
    return static_cast<std::int16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::int32_t LongAt(const std::uint8_t* bytes, int offset) {
    return static_cast<std::int32_t>(
        std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 |
        std::uint32_t{bytes[offset + 2]} << 16 | std::uint32_t{bytes[offset + 3]} << 24);
}

} // namespace

// Random states written, read into a fresh controller and written again give the same bytes,
// and every field lies where the saved game's byte-order conversion expects it.
TEST(ControllerRuns, RandomStatesRoundTripAtTheirOffsets) {
    std::mt19937 rng(19);
    for (int round = 0; round < 200; ++round) {
        TableFixture a, b;
        RandomizeFirstRun(*a.table, rng);
        RandomizeSecondRun(*a.table, rng);
        std::uint8_t first[kFirstRunSize], second[kSecondRunSize];
        std::memset(first, 0xcd, sizeof first);
        std::memset(second, 0xcd, sizeof second);
        a.table->WriteFirstRun(first);
        a.table->WriteSecondRun(second);
        ASSERT_TRUE(b.table->ReadFirstRun(first));
        ASSERT_TRUE(b.table->ReadSecondRun(second));
        std::uint8_t again[kFirstRunSize], againSecond[kSecondRunSize];
        b.table->WriteFirstRun(again);
        b.table->WriteSecondRun(againSecond);
        ASSERT_EQ(std::memcmp(first, again, sizeof first), 0) << round;
        ASSERT_EQ(std::memcmp(second, againSecond, sizeof second), 0) << round;

        const FourSeatController& c = *a.table;
        ASSERT_EQ(std::memcmp(first, c.dealtCards, 48), 0);
        ASSERT_EQ(std::memcmp(first + 48, c.hands, 48), 0);
        EXPECT_EQ(LongAt(first, 96), c.gameClock);
        EXPECT_EQ(ShortAt(first, 100), c.seatProfiles[0]);
        EXPECT_EQ(ShortAt(first, 108), c.dealer);
        EXPECT_EQ(ShortAt(first, 116), c.nextLeader);
        EXPECT_EQ(ShortAt(first, 126), c.soloCounts[3]);
        EXPECT_EQ(ShortAt(first, 128), c.bockGamesLeft);
        EXPECT_EQ(ShortAt(first, 140), c.exchangeCount);
        EXPECT_EQ(ShortAt(first, 142), c.room);
        EXPECT_EQ(ShortAt(first, 144), c.stakeState);
        EXPECT_EQ(std::memcmp(first + 146, c.exchangeCards, 4), 0);
        EXPECT_EQ(ShortAt(first, 150), c.partnerSeat);
        EXPECT_EQ(ShortAt(first, 156), c.specialPairSeat);
        EXPECT_EQ(ShortAt(first, 158), c.announceStop);
        for (int offset = 160; offset < kFirstRunSize; ++offset)
            ASSERT_EQ(first[offset], 0) << offset;

        const DoppelkopfController& d = *a.table;
        EXPECT_EQ(ShortAt(second, 0), d.biddingPhase);
        EXPECT_EQ(ShortAt(second, 2), d.bill.itemCount);
        EXPECT_EQ(ShortAt(second, 4), d.bill.listedSeats[0]);
        EXPECT_EQ(ShortAt(second, 14), d.bill.value);
        EXPECT_EQ(ShortAt(second, 20), d.bill.potAmount);
        EXPECT_EQ(ShortAt(second, 22), d.bill.items[0].kind);
        EXPECT_EQ(ShortAt(second, 100), d.bill.items[19].value);
        EXPECT_EQ(ShortAt(second, 102), d.bids[0]);
        EXPECT_EQ(ShortAt(second, 108), d.bids[3]);
        for (int offset = 110; offset < kSecondRunSize; ++offset)
            ASSERT_EQ(second[offset], 0) << offset;
    }
}

// A damaged run is refused whole: not one field of the controller changes.
TEST(ControllerRuns, DamagedRunsAreRefused) {
    struct Damage {
        const char* what;
        int offset;
        int value; // written as a byte for cards, else as an i16
        bool isByte;
    };
    const Damage firstRun[] = {
        {"dealt card", 5, 34, true},
        {"hand card", 60, 200, true},
        {"exchange card", 147, 40, true},
        {"dealer", 108, -1, false},
        {"dealer", 108, 4, false},
        {"next leader", 116, 4, false},
        {"last leader", 118, -2, false},
        {"claim seat", 132, 7, false},
        {"exchange seat", 138, -3, false},
        {"partner seat", 150, 4, false},
        {"throw-in seat", 152, 4, false},
        {"diamond aces seat", 154, -2, false},
        {"special pair seat", 156, 9, false},
        {"games dealt", 112, -1, false},
        {"solo count", 122, -1, false},
        {"bock games", 128, -4, false},
        {"exchange count", 140, -1, false},
        {"exchange count", 140, 5, false},
        {"points out", 134, -1, false},
        {"profile", 102, -1, false},
    };
    std::mt19937 rng(7);
    for (const Damage& damage : firstRun) {
        TableFixture a, b;
        RandomizeFirstRun(*a.table, rng);
        std::uint8_t bytes[kFirstRunSize];
        a.table->WriteFirstRun(bytes);
        if (damage.isByte) {
            bytes[damage.offset] = static_cast<std::uint8_t>(damage.value);
        } else {
            bytes[damage.offset] = static_cast<std::uint8_t>(damage.value & 0xff);
            bytes[damage.offset + 1] = static_cast<std::uint8_t>((damage.value >> 8) & 0xff);
        }
        std::uint8_t before[kFirstRunSize], after[kFirstRunSize];
        b.table->WriteFirstRun(before);
        EXPECT_FALSE(b.table->ReadFirstRun(bytes)) << damage.what;
        b.table->WriteFirstRun(after);
        EXPECT_EQ(std::memcmp(before, after, sizeof before), 0) << damage.what;
    }

    const Damage secondRun[] = {
        {"item count", 2, 21, false}, {"item count", 2, -1, false},
        {"listed seat", 6, 4, false}, {"listed seat", 8, -2, false},
        {"pot seat", 18, 4, false},   {"bidding phase", 0, -1, false},
    };
    for (const Damage& damage : secondRun) {
        TableFixture a, b;
        RandomizeSecondRun(*a.table, rng);
        std::uint8_t bytes[kSecondRunSize];
        a.table->WriteSecondRun(bytes);
        bytes[damage.offset] = static_cast<std::uint8_t>(damage.value & 0xff);
        bytes[damage.offset + 1] = static_cast<std::uint8_t>((damage.value >> 8) & 0xff);
        std::uint8_t before[kSecondRunSize], after[kSecondRunSize];
        b.table->WriteSecondRun(before);
        EXPECT_FALSE(b.table->ReadSecondRun(bytes)) << damage.what;
        b.table->WriteSecondRun(after);
        EXPECT_EQ(std::memcmp(before, after, sizeof before), 0) << damage.what;
    }
}

// A game clock from another writer that reads negative starts again from 0.
TEST(ControllerRuns, NegativeGameClockReadsAsZero) {
    TableFixture a;
    a.table->gameClock = 77;
    std::uint8_t bytes[kFirstRunSize];
    a.table->WriteFirstRun(bytes);
    bytes[99] = 0x80;
    ASSERT_TRUE(a.table->ReadFirstRun(bytes));
    EXPECT_EQ(a.table->gameClock, 0);
}
