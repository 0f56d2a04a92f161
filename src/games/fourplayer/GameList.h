// The record of a series at a four-seat table, kept in one memory handle: a header with the
// running totals of the four seats, then one record per finished game. The handle always holds
// room for exactly one record more than the count, so its size is 36 + 188 x (count + 1). The
// saved game stores the handle as it lies in memory (little-endian), so the layouts are fixed.
#pragma once

#include <cstddef>
#include <cstdint>

#include "games/fourplayer/GameBill.h"
#include "platform/ByteOrderCursor.h"
#include "platform/Handles.h"

inline constexpr int kListSeats = 4;
inline constexpr int kListCaptures = 14;

struct GameListHeader {
    std::int32_t count;
    std::int32_t totals[kListSeats]; // the seat's values plus its pot bookings
    std::int16_t won[kListSeats];
    std::int16_t lost[kListSeats];
};

struct ListCapture {
    std::int16_t seat;
    std::int16_t kind;
};

// Pot fields of a Doppelkopf record, which has no pot.
inline constexpr std::int16_t kNoPotSeat = -2;

struct GameRecord {
    std::int32_t suit;                 // trump or called suit; 255 when all passed
    std::int32_t word;                 // GameTypeWord of the game played
    std::uint8_t profiles[kListSeats]; // low byte of each seat's PlayerProfileCode
    std::int16_t cardPoints;           // of the winning party
    std::int16_t perOpponent;
    std::int16_t bock;               // 1 for a bock game
    std::int16_t values[kListSeats]; // tariff units, positive won
    std::int16_t listedSeats[3];     // the winning party, -1 for an empty entry
    std::int16_t dealer;
    std::int16_t seatPoints[kListSeats];
    std::int16_t captureCount;
    ListCapture captures[kListCaptures];
    std::int16_t potBooked; // Schafkopf; 0 in Doppelkopf
    std::int16_t potSeat;   // Schafkopf; -2 in Doppelkopf
    std::int16_t potAmount; // Schafkopf; 0 in Doppelkopf
    std::int16_t itemCount;
    BillItem items[kBillMaxItems];
};

inline constexpr std::int32_t kGameListHeaderSize = 36;
inline constexpr std::int32_t kGameRecordSize = 188;
static_assert(sizeof(GameListHeader) == kGameListHeaderSize);
static_assert(sizeof(GameRecord) == kGameRecordSize);
static_assert(offsetof(GameRecord, profiles) == 8);
static_assert(offsetof(GameRecord, cardPoints) == 12);
static_assert(offsetof(GameRecord, values) == 18);
static_assert(offsetof(GameRecord, listedSeats) == 26);
static_assert(offsetof(GameRecord, dealer) == 32);
static_assert(offsetof(GameRecord, seatPoints) == 34);
static_assert(offsetof(GameRecord, captureCount) == 42);
static_assert(offsetof(GameRecord, captures) == 44);
static_assert(offsetof(GameRecord, potBooked) == 100);
static_assert(offsetof(GameRecord, itemCount) == 106);
static_assert(offsetof(GameRecord, items) == 108);

// The handle size of a list of count games.
constexpr std::int32_t GameListSize(std::int32_t count) {
    return kGameListHeaderSize + kGameRecordSize * (count + 1);
}

// A handle whose size agrees with its count (and the count is not negative).
bool IsGameListSound(Handle list);
GameListHeader* GameListHead(Handle list);
GameRecord* GameListRecord(Handle list, int index);
// The last record, or null for an empty list.
GameRecord* LastGameRecord(Handle list);

// Empties the list in place (resized to 224 bytes), or makes a new one. Answers the handle to
// keep: null when no memory could be had.
Handle ResetGameList(Handle list);
// Grows the list by one record and copies the record into the last place. Answers false (list
// unchanged) when the handle cannot grow.
bool AppendGameRecord(Handle* list, const GameRecord& record);
// Shrinks the list by one record when it holds one; the totals stay.
bool RemoveLastGameRecord(Handle* list);

// Whether a seat is one of the record's listed (winning) seats.
bool IsListedSeat(const GameRecord& record, int seat);
// Normal scoring: each listed seat wins the bill's value v (3 v for the soloist who won), each
// other seat loses v (3 v for the soloist who lost); won and lost counts move.
void ScoreByParty(GameListHeader& header, GameRecord& record, const GameBill& bill, int declarer,
                  bool solo);
// Item-by-item scoring of Ramsch and Leaster; won and lost counts stay. Pot items are left to the
// pot booking, a bock item doubles the game once every item is booked.
void ScoreByItems(GameListHeader& header, GameRecord& record, const GameBill& bill);
// Whether a record was scored item by item: an all-passed Schafkopf game (a Doppelkopf record
// carries the pot seat -2).
bool IsItemScoredRecord(const GameRecord& record);
// The pot booking of a record: its amount to the pot seat's total, or to every seat's with -1.
void BookRecordPot(GameListHeader& header, const GameRecord& record);
// Takes a record's values, counts and pot booking out of the header.
void UnbookGameRecord(GameListHeader& header, const GameRecord& record);

// The walks over the list's header and one game record as a saved game carries them (the
// record's profile bytes are not turned).
void TransferGameListHeader(GameListHeader& header, ByteOrderCursor& io);
void TransferGameRecord(GameRecord& record, ByteOrderCursor& io);
// Turns or lists an image of a whole list with the given number of records (count + 1).
void TransferGameListLayout(ByteOrderCursor& io, int records);
