// The Schafkopf game object's own fields as saved games keep them: 356 bytes of little-endian
// i16 fields, written and read field by field; a damaged tail is refused whole.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "games/fourplayer/SchafkopfComputerPlayer.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

int ShortAt(const Bytes& bytes, int offset) {
    return static_cast<std::int16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}
void PutShort(Bytes& bytes, int offset, int value) {
    bytes[offset] = static_cast<std::uint8_t>(value & 0xff);
    bytes[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xff);
}

Bytes Write(const SchafkopfComputerPlayer& game) {
    Bytes bytes(kSchafkopfTailSize, 0xAA);
    game.WriteTail(bytes.data());
    return bytes;
}

TEST(SchafkopfTailTest, FieldsLieAtTheirOffsetsLittleEndian) {
    SchafkopfComputerPlayer game;
    game.dealWord = 0x1234;
    game.allPassRuleOfDeal = 3;
    game.seatRecordCount = 4;
    game.calledSuit = 2;
    game.calledAceMissing = 1;
    game.calledRank = 8;
    game.laufendeCount = -3;
    for (int r = 0; r < kSchafkopfCallRecords; ++r) {
        game.seatCalls[r] = {static_cast<std::int16_t>(r % 4),
                             static_cast<std::int16_t>(r),
                             static_cast<std::int16_t>(r + 4),
                             static_cast<std::int16_t>(-r),
                             {}};
        for (int k = 0; k < 20; ++k)
            game.seatCalls[r].values[k] = static_cast<std::int16_t>(100 * r + k);
    }
    game.potUnits = 300;
    for (int w = 0; w < kSchafkopfStateWords; ++w)
        game.stateWords[w] = static_cast<std::int16_t>(-1000 - w);
    const Bytes bytes = Write(game);
    EXPECT_EQ(bytes[0], 0x34);
    EXPECT_EQ(bytes[1], 0x12);
    const int fixed[][2] = {{2, 3}, {4, 4}, {6, 2}, {8, 1}, {10, 8}, {12, -3}, {254, 300}};
    for (const auto& [offset, value] : fixed)
        EXPECT_EQ(ShortAt(bytes, offset), value) << offset;
    for (int r = 0; r < kSchafkopfCallRecords; ++r) {
        const int base = 14 + 48 * r;
        EXPECT_EQ(ShortAt(bytes, base), r % 4);
        EXPECT_EQ(ShortAt(bytes, base + 2), r);
        EXPECT_EQ(ShortAt(bytes, base + 4), r + 4);
        EXPECT_EQ(ShortAt(bytes, base + 6), -r);
        for (int k = 0; k < 20; ++k)
            EXPECT_EQ(ShortAt(bytes, base + 8 + 2 * k), 100 * r + k) << r << " " << k;
    }
    for (int w = 0; w < kSchafkopfStateWords; ++w)
        EXPECT_EQ(ShortAt(bytes, 256 + 2 * w), -1000 - w) << w;
}

// A sound tail of random contents: every field random, the suits and ranks in their ranges.
Bytes RandomTail(std::mt19937& random) {
    Bytes bytes(kSchafkopfTailSize);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    PutShort(bytes, 6, static_cast<int>(random() % 5) - 1);
    PutShort(bytes, 10, static_cast<int>(random() % 10) - 1);
    for (int r = 0; r < kSchafkopfCallRecords; ++r) {
        PutShort(bytes, 14 + 48 * r, static_cast<int>(random() % 5) - 1);
        PutShort(bytes, 18 + 48 * r, static_cast<int>(random() % 10) - 1);
    }
    PutShort(bytes, 254, static_cast<int>(random() % 0x8000));
    return bytes;
}

TEST(SchafkopfTailTest, RoundTripsByteForByte) {
    std::mt19937 random(356);
    for (int round = 0; round < 200; ++round) {
        const Bytes tail = RandomTail(random);
        SchafkopfComputerPlayer game;
        ASSERT_TRUE(game.ReadTail(tail.data()));
        ASSERT_EQ(Write(game), tail) << "round " << round;
    }
}

TEST(SchafkopfTailTest, ADamagedTailIsRefusedAndChangesNothing) {
    std::mt19937 random(357);
    const int damage[][2] = {{6, 4},    {6, -2},           {10, 9},          {10, -2},
                             {14, 4},   {14 + 48 * 4, -5}, {18 + 48 * 2, 9}, {18, -2},
                             {254, -1}, {254, -32768}};
    SchafkopfComputerPlayer game;
    ASSERT_TRUE(game.ReadTail(RandomTail(random).data()));
    const Bytes before = Write(game);
    for (const auto& [offset, value] : damage) {
        Bytes tail = RandomTail(random);
        PutShort(tail, offset, value);
        EXPECT_FALSE(game.ReadTail(tail.data())) << offset << " " << value;
        EXPECT_EQ(Write(game), before) << offset;
    }
}

} // namespace
