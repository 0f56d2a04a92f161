// The per-seat block of the game object: the sorted hand with its counts and rank masks, the
// seat's profile and bid, its party beliefs, evaluations and style settings, and its play log.
// The block is part of the saved region of the game object; the offsets below are those of the
// saved image (the play-log handle is written as a 4-byte placeholder).
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/CardCodes.h"
#include "platform/Handles.h"

inline constexpr int kSeatCount = 4;
inline constexpr int kHandPlaces = 12;
inline constexpr int kStyleSettingCount = 38;
inline constexpr int kTypeEvalCount = 46;

struct SeatBlock {
    std::uint8_t hand[kHandPlaces]; // sorted; 0 marks an empty place, always after the cards
    std::int16_t groupCount[kGroupCount];
    std::uint16_t aceMask, tenMask, oberMask, unterMask, kingMask; // 2 bits per suit
    std::int16_t aceCount, tenCount, oberCount, unterCount, kingCount;
    std::int16_t profile; // PlayerProfileCode: 5 x level + style
    GameType bid;
    std::int16_t partyBelief[kSeatCount]; // -100..100, belief that a seat is in this one's party
    std::int16_t inDeclarerParty;
    std::int16_t lineFlag; // the game line's own use; cleared at a new deal
    std::int16_t leadFlag;
    std::int16_t groupEval[kGroupCount][4];
    std::int16_t typeEval[kTypeEvalCount];
    std::int16_t strategyIndex;
    std::int16_t strategyGroupMap[kGroupCount];
    std::int16_t usesProfileStyle; // style settings from the profile (not 0) or the rules record
    std::int16_t momentTiming;
    std::int16_t styleLead[2]; // style settings 1 and 2
    std::int16_t suitSignalMarks[4];
    std::int16_t suitSignalValues[4];
    std::int16_t observerCount;
    std::int16_t observerFlag;
    std::int16_t longSuitLeadLevel;
    std::int16_t loserCount;    // announcement losers x 10
    std::int16_t styleRest[36]; // style settings 3, 4, 5, 8, 9, 6, 7, then 10 to 38
    std::int16_t plannedLevel;
    Handle playLog; // the same handle as the game object's playLogs entry
};

inline constexpr int kSeatBlockSavedSize = 320;
static_assert(offsetof(SeatBlock, groupCount) == 12);
static_assert(offsetof(SeatBlock, aceMask) == 22);
static_assert(offsetof(SeatBlock, aceCount) == 32);
static_assert(offsetof(SeatBlock, profile) == 42);
static_assert(offsetof(SeatBlock, bid) == 44);
static_assert(offsetof(SeatBlock, partyBelief) == 52);
static_assert(offsetof(SeatBlock, inDeclarerParty) == 60);
static_assert(offsetof(SeatBlock, leadFlag) == 64);
static_assert(offsetof(SeatBlock, groupEval) == 66);
static_assert(offsetof(SeatBlock, typeEval) == 106);
static_assert(offsetof(SeatBlock, strategyIndex) == 198);
static_assert(offsetof(SeatBlock, usesProfileStyle) == 210);
static_assert(offsetof(SeatBlock, styleLead) == 214);
static_assert(offsetof(SeatBlock, observerCount) == 234);
static_assert(offsetof(SeatBlock, loserCount) == 240);
static_assert(offsetof(SeatBlock, styleRest) == 242);
static_assert(offsetof(SeatBlock, plannedLevel) == 314);

// The style of a PlayerProfileCode (5 x level + style): 1 mechanical, 2 normal, 3 cautious,
// 4 very cautious; 0 for no profile.
inline int ProfileStyle(int profile) {
    return profile <= 0 ? 0 : (profile - 1) % 5 + 1;
}

// The block's rank mask for a rank code (Ace, Ten, Ober, Unter, King); other ranks have none.
inline std::uint16_t RankMaskOf(const SeatBlock& block, int rank) {
    switch (rank) {
    case kRankAce:
        return block.aceMask;
    case kRankTen:
        return block.tenMask;
    case kRankOber:
        return block.oberMask;
    case kRankUnter:
        return block.unterMask;
    case kRankKing:
        return block.kingMask;
    default:
        return 0;
    }
}

// Style setting n (1..38) of a seat block; settings 3 to 9 are stored out of order.
std::int16_t& StyleSetting(SeatBlock& block, int n);
std::int16_t StyleSetting(const SeatBlock& block, int n);

// Field by field, the play-log handle included.
void CopySeatBlock(SeatBlock* to, const SeatBlock* from);
