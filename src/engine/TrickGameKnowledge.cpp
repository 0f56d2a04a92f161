#include "engine/TrickGameKnowledge.h"

TrickGameKnowledge::TrickGameKnowledge() {
    completingParties = 0;
}

TrickGameKnowledge::~TrickGameKnowledge() {
    FreeStrategyLibraries();
}

// Bodies that later levels of the engine fill in answer "nothing known" here.
bool TrickGameKnowledge::IsSoloType(const GameType& type) {
    return IsSoloWord(type.word);
}

bool TrickGameKnowledge::StartStrategy() {
    return true;
}

TrickGameKnowledge* TrickGameKnowledge::UpdatePlaceRecords() {
    return this;
}

int TrickGameKnowledge::GetBestCardSoFar() {
    if (!IsSeat(leader))
        return 0;
    // The trumps among the cards played decide; without one, the led group does.
    int bestTrump = 0;
    bool anyTrump = false;
    for (int seat = leader, n = 0; seat != seatToMove && n < GetSeatCount();
         seat = NextSeat(seat), ++n) {
        const int card = trickCards[seat];
        if (IsCardCode(card) && IsTrump(card)) {
            bestTrump = anyTrump ? GetHigherCard(bestTrump, card) : card;
            anyTrump = true;
        }
    }
    if (anyTrump)
        return bestTrump;
    return GetTrickHighCard();
}

int TrickGameKnowledge::GetTrickHighCard() {
    if (!IsSeat(leader) || leader == seatToMove)
        return 0;
    int best = trickCards[leader];
    if (!IsCardCode(best))
        return 0;
    const int group = GetSuitGroup(best);
    for (int seat = NextSeat(leader), n = 1; seat != seatToMove && n < GetSeatCount();
         seat = NextSeat(seat), ++n) {
        const int card = trickCards[seat];
        if (!IsCardCode(card) || GetSuitGroup(card) != group)
            continue;
        if (group == kTrumpGroup)
            best = GetHigherCard(best, card);
        else if (card > best)
            best = card;
    }
    return best;
}

// The style observer of the cards and the announcement decisions need the computer player's
// hand values; its level fills them in.
void TrickGameKnowledge::ObserveNormalGameCard(int) {}
bool TrickGameKnowledge::ShouldPlayForPartner(int, bool) {
    return false;
}
bool TrickGameKnowledge::ShouldContestTrick(int) {
    return false;
}
void TrickGameKnowledge::CountSureTrumpsWithPartner(int, int, int*, int*) {}
bool TrickGameKnowledge::HasWinningTopCard(int) {
    return false;
}

bool TrickGameKnowledge::IsSoloGame() {
    return IsSoloType(gameType);
}

bool TrickGameKnowledge::IsMarriageOpen() {
    return gameType.word == kWordMarriage && marriageTrick == 0;
}

bool TrickGameKnowledge::DecideAnnouncement(int, std::uint8_t* wait) {
    if (wait)
        *wait = 0;
    return false;
}
int TrickGameKnowledge::GetDeclarerBidValue() {
    return 0;
}
