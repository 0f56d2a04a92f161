// Card memory, the counting side: cards of a suit or group played (read from the played
// masks, so that every seat counts alike), the cards the seat to move cannot see, and the
// trumps a hand holds.
#include "engine/TrickGameKnowledge.h"

namespace {

int PlayedCopies(const std::uint16_t* masks, int rank) {
    int count = 0;
    for (int suit = 0; suit < 4; ++suit)
        count += CopiesInRankMask(masks[rank], suit);
    return count;
}

} // namespace

int TrickGameKnowledge::SumCounts(const SeatBlock& block, int groups) {
    int sum = 0;
    for (int g = 0; g < groups && g < kGroupCount; ++g)
        sum += block.groupCount[g];
    return sum;
}

int TrickGameKnowledge::CountRankTrumpsInHand(const SeatBlock& block, GameTypeWord word) {
    if (GetSeatCount() == 3) {
        switch (word & kSkatGameMask) {
        case 1:
            return block.groupCount[kTrumpGroup];
        case 4:
            return 0;
        default:
            return block.unterCount;
        }
    }
    const GameTypeWord bits = GameBits(word);
    if (bits == 0 || IsSuitTrumpGame(bits))
        return block.groupCount[kTrumpGroup];
    switch (bits) {
    case kWordUnterSolo:
        return block.unterCount;
    case kWordOberSolo:
        return block.oberCount;
    case kWordUnterKing:
        return block.kingCount + block.unterCount;
    case kWordOberUnter:
    case kWordUnterOber:
        return block.oberCount + block.unterCount;
    case kWordKingSolo:
        return block.kingCount;
    case kWordOberUnterKing:
        return block.oberCount + block.kingCount + block.unterCount;
    default:
        return 0;
    }
}

int TrickGameKnowledge::CountPlayedInSuit(int suit) {
    if (suit < 0 || suit > 3)
        return 0;
    int played = 0;
    if (GetSeatCount() == 3) {
        // One copy of every card; the Unters are trumps except in the null game.
        const bool nullGame = (gameType.word & kSkatGameMask) == 4;
        for (int rank = 0; rank < 8; ++rank)
            if ((rank != kRankUnter || nullGame) && (playedMasks[rank] >> (2 * suit) & 1))
                ++played;
        return played;
    }
    int ranks[4];
    int length = 0;
    GetTrumpRanks(gameType.word, ranks, &length);
    const bool heartTen = IsHeartTenTop(&gameType);
    for (int rank = 0; rank < 8; ++rank) {
        const int card = CardOfRank(suit, rank);
        if (IsRankInTrumpList(card, ranks) || (heartTen && card == kHeartTen))
            continue;
        played += CopiesInRankMask(playedMasks[rank], suit);
    }
    return played;
}

bool TrickGameKnowledge::GameHasTrumps() {
    const int kind = GetLineGameKind();
    if (kind < 0 || kind > 2)
        return false;
    if (GetSeatCount() == 3)
        return (gameType.word & kSkatGameMask) != 4;
    return GameBits(gameType.word) != kWordNoTrumps;
}

int TrickGameKnowledge::CountPlayedTrumps() {
    const int unters = PlayedCopies(playedMasks, kRankUnter);
    if (GetSeatCount() == 3) {
        switch (gameType.word & kSkatGameMask) {
        case 1:
            return unters + CountPlayedInSuit(gameType.trumpSuit);
        case 4:
            return 0;
        default:
            return unters;
        }
    }
    const int obers = PlayedCopies(playedMasks, kRankOber);
    const int kings = PlayedCopies(playedMasks, kRankKing);
    const GameTypeWord bits = GameBits(gameType.word);
    int played = 0;
    if (IsOberUnterGame(bits)) {
        played = obers + unters;
    } else {
        switch (bits) {
        case kWordPureSuitSolo:
            break;
        case kWordUnterSolo:
        case kWordSuitUnter:
            played = unters;
            break;
        case kWordOberSolo:
        case kWordSuitOber:
            played = obers;
            break;
        case kWordUnterKing:
            played = kings + unters;
            break;
        case kWordKingSolo:
            played = kings;
            break;
        case kWordOberUnterKing:
            played = obers + unters + kings;
            break;
        default:
            return 0;
        }
    }
    if (HasTrumpSuit(gameType.word))
        played += CountPlayedInSuit(gameType.trumpSuit);
    if (IsHeartTenTop(&gameType))
        played += CopiesInRankMask(playedMasks[kRankTen], kSuitHerz);
    return played;
}

int TrickGameKnowledge::CountPlayedInGroup(int group) {
    if (group == kTrumpGroup || group == gameType.trumpSuit)
        return CountPlayedTrumps();
    return CountPlayedInSuit(group);
}

int TrickGameKnowledge::CountGroupOut(int group) {
    if (group < 0 || group >= kGroupCount)
        return 0;
    const int own = IsSeat(seatToMove) ? seats[seatToMove].groupCount[group] : 0;
    return CountGroupInDeck(group, gameType.trumpSuit, gameType.word) - CountPlayedInGroup(group) -
           own;
}

int TrickGameKnowledge::CountTricksLedBy(int seat) {
    int count = 0;
    for (int t = 0; t <= trickNumber - 2 && t < kTrickCount; ++t)
        if (tricks[t].leader == seat)
            ++count;
    return count;
}
