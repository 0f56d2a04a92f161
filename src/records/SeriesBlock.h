// The series state of the tournament director that a saved game keeps as one block: the game
// kind of the tables, reserved values, the players taking part and the schedule of the series.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/ByteOrderCursor.h"

inline constexpr int kSeriesBlockSize = 132;
// Files of version 112 and older keep only the block's end, from the participant count on.
inline constexpr int kShortSeriesBlockSize = 28;

struct SeriesBlock {
    std::int32_t gameKind;         //   0
    std::int16_t reserved[50];     //   4 kept, never read
    std::int32_t participantCount; // 104
    std::int32_t reserved108;      // 108
    std::int16_t started;          // 112
    std::int16_t seriesMode;       // 114 SeriesMode
    std::int16_t currentGameDay;   // 116 from 1
    std::int16_t gameDays;         // 118
    std::int16_t pairingCount;     // 120
    std::int16_t tablesPerDay;     // 122
    std::int16_t gamesPerPairing;  // 124
    std::int16_t finalRounds;      // 126
    std::int32_t playerCount;      // 128
};
static_assert(sizeof(SeriesBlock) == kSeriesBlockSize);
static_assert(offsetof(SeriesBlock, participantCount) == kSeriesBlockSize - kShortSeriesBlockSize);

// The block of a director that runs no series yet: a single table, one participant.
SeriesBlock FreshSeriesBlock();
// The one walk over the whole block.
void TransferSeriesBlock(SeriesBlock& block, ByteOrderCursor& io);
// The walk over the short block of old files (participant count to the end).
void TransferShortSeriesBlock(SeriesBlock& block, ByteOrderCursor& io);
