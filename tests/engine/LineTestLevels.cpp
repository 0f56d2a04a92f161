#include "engine/LineTestLevels.h"

std::vector<int> SingleCopyLevel::Deck() {
    std::vector<int> deck;
    for (int card = kFirstCard; card <= kLastCard; ++card)
        deck.push_back(card);
    return deck;
}

int SingleCopyLevel::CountGroupInDeck(int group, int trumpSuit, GameTypeWord word) {
    int ranks[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    int length = 0;
    GetTrumpRanks(word, ranks, &length);
    const bool suitTrumps = HasTrumpSuit(word);
    int count = 0;
    for (int card = kFirstCard; card <= kLastCard; ++card) {
        const bool trump =
            IsRankInTrumpList(card, ranks) || (suitTrumps && SuitOf(card) == trumpSuit);
        if (trump ? group == kTrumpGroup || group == trumpSuit : SuitOf(card) == group)
            ++count;
    }
    return count;
}

int SingleCopyLevel::GetLowestOfGroup(int trumpSuit, GameTypeWord word, int group) {
    if (group == kTrumpGroup || group == trumpSuit)
        return GetLowestTrump(trumpSuit, word);
    return group * 8 + 1;
}

int SingleCopyLevel::GetLowestTrump(int trumpSuit, GameTypeWord word) {
    if (HasTrumpSuit(word) && trumpSuit >= 0 && trumpSuit < 4)
        return trumpSuit * 8 + 1;
    int ranks[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    int length = 0;
    GetTrumpRanks(word, ranks, &length);
    return length == 0 ? 0 : CardOfRank(kSuitSchellen, ranks[length - 1]);
}

int SchafkopfLevel::RateCardRole(int card) {
    const GameTypeWord bits = GameBits(gameType.word);
    const int step = RankStepOf(card);
    const int rank = RankCodeOf(card);
    switch (bits) {
    case 0:
    case kWordNormal:
    case kWordSuitSolo:
    case kWordYou:
        return rank == kRankOber ? 3 : rank == kRankUnter ? 2 : 1;
    case kWordPureSuitSolo:
        return step <= 3 ? 1 : (rank == kRankTen || rank == kRankAce) ? 3 : 2;
    case kWordSuitUnter:
        return rank == kRankUnter ? 3 : step >= 5 ? 2 : 1;
    case kWordSuitOber:
        return rank == kRankOber ? 3 : step <= 3 ? 1 : 2;
    default:
        return TestLevel::RateCardRole(card);
    }
}

int SchafkopfLevel::IsLegalCard(int seat, int card) {
    const int legal = TestLevel::IsLegalCard(seat, card);
    return legal == 0 ? 2 : legal;
}

void SchafkopfLevel::SetUpParties(int soloist) {
    TestLevel::SetUpParties(soloist);
    if (IsSoloGame())
        return;
    auto holder = [&](int card) {
        for (int seat = 0; seat < 4; ++seat)
            for (int p = 0; p < kHandPlaces; ++p)
                if (seats[seat].hand[p] == card)
                    return seat;
        return -1;
    };
    const int first = holder(kEichelOber);
    int second = holder(kGrasOber);
    if (second == first)
        second = holder(13); // the Ober of Herz
    for (int seat = 0; seat < 4; ++seat)
        seats[seat].inDeclarerParty = seat == first || seat == second ? 1 : 0;
}

void SkatLevel::GetTrumpRanks(GameTypeWord word, int* list, int* length) {
    for (int i = 0; i < 4; ++i)
        list[i] = -1;
    *length = 0;
    if ((word & kSkatGameMask) == 1 || (word & kSkatGameMask) == 2) {
        list[0] = kRankUnter;
        *length = 1;
    }
}

int SkatLevel::GetTopCard(int group) {
    if (group != kTrumpGroup)
        return TestLevel::GetTopCard(group);
    return (gameType.word & kSkatGameMask) == 4 ? 0 : kEichelUnter;
}

int SkatLevel::RateCardRole(int card) {
    const GameTypeWord bits = gameType.word & kSkatGameMask;
    if (bits == 4)
        return TestLevel::RateCardRole(card);
    if (bits == 1) {
        if (card == kSchellenUnter || card == kHerzUnter)
            return 2;
        return card == kGrasUnter || card == kEichelUnter ? 3 : 1;
    }
    if (card == kHerzUnter || card == kGrasUnter)
        return 2;
    return card == kEichelUnter ? 3 : 1;
}
