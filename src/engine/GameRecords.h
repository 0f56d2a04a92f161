// The small fixed records of the game object: tricks, hand places, announcements, seat
// estimates, the per-seat announcement records and the play log. All are part of saved games,
// so their sizes are fixed.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/CardCodes.h"

inline constexpr int kTrickCount = 12;
inline constexpr int kMaxAnnouncements = 12;
inline constexpr int kMaxBonuses = 14;

// One trick: each seat's card by seat, the leader, and the winner set at trick end.
struct TrickRecord {
    std::int16_t cards[4];
    std::int16_t leader;
    std::int16_t winner;
};
static_assert(sizeof(TrickRecord) == 12);

// Per seat: the places of its sorted hand at the deal from which cards were played (0 while
// unknown, else the card), and what follows from them per SuitGroup: the least, most and exact
// number of cards of the group it can still hold (-1 unknown) and the highest it may hold.
struct HandPlaceRecord {
    std::int16_t reserved[2]; // cleared at a new game
    std::uint8_t places[12];
    std::int16_t minSize[kGroupCount];
    std::int16_t maxSize[kGroupCount];
    std::int16_t exactSize[kGroupCount];
    std::int16_t topCard[kGroupCount];
};
static_assert(sizeof(HandPlaceRecord) == 56);
static_assert(offsetof(HandPlaceRecord, places) == 4);
static_assert(offsetof(HandPlaceRecord, minSize) == 16);
static_assert(offsetof(HandPlaceRecord, topCard) == 46);

struct AnnouncementEntry {
    std::int16_t kind;
    std::int16_t seat;
    std::int16_t beforeOwnCard;
    std::int16_t timing;
    std::int16_t trick;
};
static_assert(sizeof(AnnouncementEntry) == 10);

// An extra point noted by the game line at trick end.
struct TrickBonus {
    std::int16_t seat;
    std::int16_t kind;
};
static_assert(sizeof(TrickBonus) == 4);

// What the card memory knows of one seat's hand.
struct SeatEstimate {
    std::int16_t voidMask;                  // bit g for plain suit g, 32 for the trumps
    std::int16_t voidEstimate[kGroupCount]; // 0..100, 100 known void
    std::int16_t missCount;
    std::int16_t ceilingCard[kGroupCount]; // 0 no knowledge
};
static_assert(sizeof(SeatEstimate) == 24);

// The trump a seat is taken to hold after it overtook a trump trick.
struct TrumpEvidence {
    std::int16_t beatenCard;
    std::int16_t winningCard;
    std::int16_t shownCard;
    std::int16_t shownBoth; // 1 both copies, 0 not, -1 not worked out
    std::int16_t certainty;
};
static_assert(sizeof(TrumpEvidence) == 10);

// Per seat: five groups of four shorts (-1, 0, -1, 0 at a new deal), a further short, and the
// seat's trump evidence.
struct AnnouncementRecord {
    std::int16_t groups[5][4];
    std::int16_t spare;
    TrumpEvidence trumpEvidence;
};
static_assert(sizeof(AnnouncementRecord) == 52);

// The play log of one seat, kept in a 266-byte handle: the cards played with their reasons.
inline constexpr int kPlayLogEntries = 120;
inline constexpr int kPlayLogSize = 266;
struct PlayLogEntry {
    std::uint8_t card;   // bit 0 clear, bits 1..6 the CardCode, bit 7 kept as it was
    std::uint8_t reason; // ReasonCode
};
struct PlayLog {
    std::int16_t count;     // 0..120
    std::int16_t order[12]; // order[n] = n: the hints pane shows entry order[k] on line k
    PlayLogEntry entries[kPlayLogEntries];
};
static_assert(sizeof(PlayLog) == kPlayLogSize);
static_assert(offsetof(PlayLog, entries) == 26);

inline int PlayLogCard(const PlayLogEntry& entry) {
    return (entry.card >> 1) & 0x3f;
}
