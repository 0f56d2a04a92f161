// Strategy libraries: scripted opening plays for strong computer seats. A library is an i16
// record count (little-endian) followed by 48-byte records; the first four bytes of every
// record are not read, so record 0's first two bytes are the count. A record holds a hand
// pattern (cards by place with group codes) and a short byte code that picks the seat's lead.
#pragma once

#include <cstdint>

#include "platform/Handles.h"

inline constexpr int kStrategyRecordSize = 48;
inline constexpr int kStrategyPatternOffset = 4; // 12 CardCodes, 0 ends the pattern
inline constexpr int kStrategyGroupOffset = 16;  // 12 group codes
inline constexpr int kStrategyCodeOffset = 28;   // the byte code
inline constexpr int kStrategyPlaces = 12;
inline constexpr int kStrategyCodeLength = 24;           // the last 4 are the next record's head
inline constexpr int kStrategyAnyCard = 50;              // any card of the group
inline constexpr int kStrategyMustHold = 0;              // group code: the card must be held
inline constexpr int kStrategyTrumpRun = 5;              // group code: the place is a trump
inline constexpr std::int16_t kStrategyLibraryId = 2000; // ordinary games
inline constexpr std::int16_t kMarriageStrategyLibraryId = 2001; // undecided marriage

// Program-wide, shared by every game object; null until loaded.
extern Handle gStrategyLibrary;
extern Handle gMarriageStrategyLibrary;

// The record count of a library, or -1 when it is damaged: shorter than 2 bytes, a negative
// count, or records that do not fit in its bytes.
int StrategyRecordCount(Handle library);
// The record's code area as the interpreter reads it; bytes beyond the library read as 0
// (the end). False when the record is not in the library.
bool CopyStrategyCode(Handle library, int record, std::uint8_t (&code)[kStrategyCodeLength]);
