#include "games/fourplayer/SchafkopfCardRating.h"

bool SchafkopfCardRating::PlayTrumpDecision(int, int, bool) {
    return false;
}

int SchafkopfCardRating::CountHigherOut(int, int) {
    return 0;
}

int SchafkopfCardRating::CountLowerOut(int, int) {
    return 0;
}

int SchafkopfCardRating::CountGroupOutSafe(int, int) {
    return 0;
}

int SchafkopfCardRating::CountGroupOutAhead(int, int) {
    return 0;
}

void SchafkopfCardRating::BuildTrumpTable(int, SchafkopfTrumpTable* table) {
    if (table)
        *table = SchafkopfTrumpTable{};
}

bool SchafkopfCardRating::LeadTrumpIfSafe(int, bool, const SchafkopfTrumpTable&) {
    return false;
}

bool SchafkopfCardRating::DiscardSingleton(int, const float*) {
    return false;
}

bool SchafkopfCardRating::DiscardByRisk(int, const float*, const int*) {
    return false;
}

bool SchafkopfCardRating::DiscardHighestExcess(int, int, int) {
    return false;
}

bool SchafkopfCardRating::PlayBelowCard(int, int, int) {
    return false;
}

int SchafkopfCardRating::CountDuckCards(int, int) {
    return 0;
}

int SchafkopfCardRating::CountAllDuckCards(int) {
    return 0;
}

float SchafkopfCardRating::RateGroupRisk(int, int, int* index, const SchafkopfTrumpTable&) {
    if (index)
        *index = -1;
    return 0.0f;
}

bool SchafkopfCardRating::LeadAllPassed(int) {
    return false;
}

bool SchafkopfCardRating::FollowAllPassed(int, int) {
    return false;
}

bool SchafkopfCardRating::ThrowOffRankToOpponentSuit(int, int) {
    return false;
}

bool SchafkopfCardRating::VoidAllPassed(int, int) {
    return false;
}

bool SchafkopfCardRating::PlayAllPassedCard() {
    const int seat = seatToMove;
    if (!IsSeat(seat) || !IsSeat(leader))
        return false;
    if (seat == leader)
        return LeadAllPassed(seat);
    if (!CanFollowSuit(seat))
        return VoidAllPassed(seat, GetBestCardSoFar());
    return FollowAllPassed(seat, trickCards[leader]);
}

bool SchafkopfCardRating::PlayAllPassedMiddle() {
    return PlayAllPassedCard();
}

bool SchafkopfCardRating::PlayAllPassedEnd() {
    return PlayAllPassedCard();
}
