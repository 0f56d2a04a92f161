#include "engine/CardCodes.h"

void CopyGameType(GameType* to, const GameType* from) {
    to->trumpSuit = from->trumpSuit;
    to->word = from->word;
}

int SuitOf(int card) {
    // Written out rather than (card - 1) / 8: that gives 0, Schellen, for no card.
    if (!IsCardCode(card))
        return -1;
    return (card - 1) / 8;
}

int GetCardPoints(int card) {
    if (!IsCardCode(card))
        return 0;
    switch (RankCodeOf(card)) {
    case kRankAce:
        return 11;
    case kRankTen:
        return 10;
    case kRankKing:
        return 4;
    case kRankOber:
        return 3;
    case kRankUnter:
        return 2;
    default:
        return 0;
    }
}

int ConvertToPictureOrder(int card) {
    const int k = card % 8;
    if (k >= 4 && k <= 6)
        return card + 1;
    if (k == 7)
        return card - 3;
    return card;
}

bool IsSoloWord(GameTypeWord word) {
    if (word == kModThrowIn)
        return true;
    const GameTypeWord bits = word & kGameBitsMask;
    return bits > 1 && bits < kWordMarriage;
}

void AddToRankMask(std::uint16_t* mask, int suit) {
    const std::uint16_t low = static_cast<std::uint16_t>(1u << (2 * suit));
    if ((*mask & (low * 3)) == 0)
        *mask |= low;
    else
        *mask |= low * 3;
}

void RemoveFromRankMask(std::uint16_t* mask, int suit) {
    const std::uint16_t low = static_cast<std::uint16_t>(1u << (2 * suit));
    const std::uint16_t both = low * 3;
    if ((*mask & both) == both)
        *mask &= static_cast<std::uint16_t>(~(low * 2));
    else
        *mask &= static_cast<std::uint16_t>(~both);
}
