// The record of the running game that the game document keeps and every saved game carries
// after its version word: the deck order of the deal, the Skat declaration and auction values,
// the trick entries and their winners, the table phase at the last save, whether play has
// begun, and the kind of game.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/ByteOrderCursor.h"

inline constexpr int kDocumentHeaderSize = 138;
inline constexpr int kHeaderTricks = 12;

// GameKind of the header.
inline constexpr std::int16_t kGameKindNone = -1;
inline constexpr std::int16_t kGameKindSkat = 0;
inline constexpr std::int16_t kGameKindDoppelkopf = 1;
inline constexpr std::int16_t kGameKindSchafkopf = 2;

struct DocumentHeader {
    std::uint8_t deckOrder[48];                  //   0 card codes in dealing order
    std::int16_t skatDeclaration;                //  48
    std::int16_t bidValues[3];                   //  50 bid limits of seats 0 to 2
    std::int16_t declarer;                       //  56 -1 none
    std::uint8_t skatCards[2];                   //  58
    std::uint8_t trickEntries[kHeaderTricks][4]; //  60 three cards and a spare byte each
    std::int16_t trickWinners[kHeaderTricks];    // 108 slot n: the winner of trick n; 0 spare
    std::int16_t phase;                          // 132 table phase at the last save
    std::int16_t gameRunning;                    // 134 1 once play has begun
    std::int16_t gameKind;                       // 136
};
static_assert(sizeof(DocumentHeader) == kDocumentHeaderSize);
static_assert(offsetof(DocumentHeader, trickWinners) == 108);
static_assert(offsetof(DocumentHeader, gameKind) == 136);

// A fresh header: all zero, the declarer and every winner slot and the phase -1, no kind.
DocumentHeader FreshDocumentHeader();

// The one walk over the header's fields. The kind is not turned for a file of the other order:
// the reader sets it from the game part's signature.
void TransferDocumentHeader(DocumentHeader& header, ByteOrderCursor& io);
