// The card exchange of the four-seat game: a seat with very few trumps gives them to another
// seat, which returns as many cards, its best plain cards first. Both hands are re-sorted and
// re-evaluated afterwards; no card is ever lost or doubled.
#include <cstdint>
#include <vector>

#include "engine/ComputerPlayer.h"
#include "records/OptionRecordLayouts.h"

namespace {

// Places of the hand holding the cards, each place matched once (two copies of a card need
// two places). Answers false when a card is not held often enough.
bool FindPlaces(const SeatBlock& block, int places, const std::uint8_t* cards, int count,
                std::vector<int>* found) {
    bool used[kHandPlaces] = {};
    for (int i = 0; i < count; ++i) {
        int place = -1;
        for (int p = 0; p < places && place < 0; ++p)
            if (!used[p] && IsCardCode(block.hand[p]) && block.hand[p] == cards[i])
                place = p;
        if (place < 0)
            return false;
        used[place] = true;
        found->push_back(place);
    }
    return true;
}

int CountCards(const SeatBlock& block) {
    int cards = 0;
    for (std::uint8_t card : block.hand)
        cards += IsCardCode(card) ? 1 : 0;
    return cards;
}

} // namespace

int ComputerPlayer::CopyTrumpsOut(int seat, std::uint8_t* trumps) {
    if (!IsSeat(seat))
        return 0;
    const SeatBlock& block = seats[seat];
    const int limit = rules ? rules->exchangeTrumpLimit : 0;
    const int held = block.groupCount[kTrumpGroup];
    // The highest trumps close the sorted hand; the list keeps them rising.
    const int copied = held < limit ? held : limit;
    const int end = GetGroupEnd(seat, kTrumpGroup);
    for (int i = 0; i < copied && i < kHandPlaces; ++i) {
        const int place = end - copied + 1 + i;
        trumps[i] = place >= 0 && place < kHandPlaces ? block.hand[place] : 0;
    }
    return held;
}

void ComputerPlayer::ExchangeCardsSelect(int askingSeat, int receivingSeat, int* outCount) {
    if (outCount)
        *outCount = 0;
    if (!IsSeat(askingSeat) || !IsSeat(receivingSeat) || askingSeat == receivingSeat)
        return;
    SeatBlock& asking = seats[askingSeat];
    if (IsSoloType(asking.bid) || GameBits(asking.bid.word) == 0)
        BuildEvaluation(asking, GetHandCapacity(), 0, kWordNormal, askingSeat);
    std::uint8_t trumps[kHandPlaces] = {};
    const int held = CopyTrumpsOut(askingSeat, trumps);
    const int limit = rules ? rules->exchangeTrumpLimit : 0;
    int count = held < limit ? held : limit;
    if (count > kHandPlaces)
        count = kHandPlaces;
    ExchangeCards(askingSeat, trumps, count, receivingSeat, outCount);
}

std::vector<int> ComputerPlayer::ReturnPlaces(int seat, int wanted) {
    // The receiver's best plain cards from the Ace down, then its trumps below the Ten from
    // the lowest up.
    std::vector<int> places;
    const SeatBlock& block = seats[seat];
    const int trumpStart = GetGroupStart(seat, kTrumpGroup);
    for (int step = 8; step >= GetLowestRankStep(); --step)
        for (int p = 0; p < trumpStart && p < kHandPlaces; ++p)
            if (static_cast<int>(places.size()) < wanted && IsCardCode(block.hand[p]) &&
                RankStepOf(block.hand[p]) == step)
                places.push_back(p);
    for (int p = trumpStart; p < kHandPlaces; ++p)
        if (static_cast<int>(places.size()) < wanted && IsCardCode(block.hand[p]) &&
            RankStepOf(block.hand[p]) < 7)
            places.push_back(p);
    return places;
}

void ComputerPlayer::ExchangeCards(int askingSeat, const std::uint8_t* trumps, int count,
                                   int receivingSeat, int* outCount) {
    if (outCount)
        *outCount = 0;
    if (!IsSeat(askingSeat) || !IsSeat(receivingSeat) || askingSeat == receivingSeat || !trumps ||
        count <= 0 || count > kHandPlaces)
        return;
    SeatBlock& asking = seats[askingSeat];
    SeatBlock& receiving = seats[receivingSeat];
    std::vector<int> given;
    if (!FindPlaces(asking, kHandPlaces, trumps, count, &given))
        return;
    const int trumpStart = GetGroupStart(receivingSeat, kTrumpGroup);
    // A receiver with fewer cards to return than trumps offered takes only as many; the rest
    // stay with the asking seat.
    const std::vector<int> returned = ReturnPlaces(receivingSeat, count);
    const int moving = static_cast<int>(returned.size());
    for (int i = 0; i < moving; ++i) {
        const int from = given[count - 1 - i]; // the list is used from its end
        const int to = returned[i];
        const std::uint8_t back = receiving.hand[to];
        receiving.hand[to] = asking.hand[from];
        asking.hand[from] = back;
        if (to >= trumpStart && outCount)
            ++*outCount;
    }
    RefreshAfterExchange(askingSeat, receivingSeat);
}

bool ComputerPlayer::ExchangeCardsReceive(int seatA, const std::uint8_t* cardsA, int count,
                                          int seatB, const std::uint8_t* cardsB) {
    if (!IsSeat(seatA) || !IsSeat(seatB) || seatA == seatB || !cardsA || !cardsB)
        return false;
    SeatBlock& a = seats[seatA];
    SeatBlock& b = seats[seatB];
    if (count < 1 || count > CountCards(a) || count > CountCards(b))
        return false;
    std::vector<int> placesA;
    std::vector<int> placesB;
    if (!FindPlaces(a, kHandPlaces, cardsA, count, &placesA) ||
        !FindPlaces(b, kHandPlaces, cardsB, count, &placesB))
        return false;
    // Each seat's given cards leave exactly the places they held.
    for (int i = 0; i < count; ++i) {
        a.hand[placesA[i]] = cardsB[i];
        b.hand[placesB[i]] = cardsA[i];
    }
    RefreshAfterExchange(seatA, seatB);
    return true;
}

void ComputerPlayer::RefreshAfterExchange(int seatA, int seatB) {
    for (int seat : {seatA, seatB}) {
        ComputeRankStats(seats[seat]);
        BuildEvaluation(seats[seat], GetHandCapacity(), gameType.trumpSuit, gameType.word, seat);
    }
}
