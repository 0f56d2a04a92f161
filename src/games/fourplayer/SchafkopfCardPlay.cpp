// The phase entries of the partner games: which routine plays the seat's card.
#include "games/fourplayer/SchafkopfCardPlay.h"

int SchafkopfCardPlay::LedCard() {
    return IsSeat(leader) ? trickCards[leader] : 0;
}

void SchafkopfCardPlay::PlayOpeningPhase(int seat) {
    // The 1st Trick has its own opening until the trick that shows the partner.
    if ((GameBits(gameType.word) & kWordMarriage) && marriageTrick == 0) {
        PlayFirstTrickOpening(seat);
        return;
    }
    if (seat == leader)
        LeadCallGame();
    else if (CanFollowSuit(seat))
        FollowOpeningPhase(LedCard(), GetBestCardSoFar());
    else
        PlayCallGameVoid(GetBestCardSoFar());
}

void SchafkopfCardPlay::PlayMiddlePhase(int seat) {
    if (seat == leader)
        LeadCallGame();
    else if (CanFollowSuit(seat))
        FollowMiddlePhase(LedCard(), GetBestCardSoFar());
    else
        PlayCallGameVoid(GetBestCardSoFar());
}

void SchafkopfCardPlay::PlayEndPhase(int seat) {
    if (seat == leader)
        LeadCallGameEndPhase();
    else if (CanFollowSuit(seat))
        FollowEndPhase(LedCard(), GetBestCardSoFar());
    else
        PlayVoidEndPhase(GetBestCardSoFar());
}
