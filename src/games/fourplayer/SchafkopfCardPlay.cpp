// The phase entries of the partner games: which routine plays the seat's card.
#include "games/fourplayer/SchafkopfCardPlay.h"

int SchafkopfCardPlay::LedCard() {
    return IsSeat(leader) ? trickCards[leader] : 0;
}

void SchafkopfCardPlay::PlayOpeningPhase(int seat) {
    // The 1st Trick has its own opening until the trick that shows the partner.
    if ((GameBits(gameType.word) & kWordMarriage) && marriageTrick == 0) {
        NoteRoutine(SchafkopfRoutine::kFirstTrickOpening);
        PlayFirstTrickOpening(seat);
        return;
    }
    if (seat == leader) {
        NoteRoutine(SchafkopfRoutine::kLeadCallGame);
        LeadCallGame();
    } else if (CanFollowSuit(seat)) {
        NoteRoutine(SchafkopfRoutine::kFollowOpeningPhase);
        FollowOpeningPhase(LedCard(), GetBestCardSoFar());
    } else {
        NoteRoutine(SchafkopfRoutine::kPlayCallGameVoid);
        PlayCallGameVoid(GetBestCardSoFar());
    }
}

void SchafkopfCardPlay::PlayMiddlePhase(int seat) {
    if (seat == leader) {
        NoteRoutine(SchafkopfRoutine::kLeadCallGame);
        LeadCallGame();
    } else if (CanFollowSuit(seat)) {
        NoteRoutine(SchafkopfRoutine::kFollowMiddlePhase);
        FollowMiddlePhase(LedCard(), GetBestCardSoFar());
    } else {
        NoteRoutine(SchafkopfRoutine::kPlayCallGameVoid);
        PlayCallGameVoid(GetBestCardSoFar());
    }
}

void SchafkopfCardPlay::PlayEndPhase(int seat) {
    if (seat == leader) {
        NoteRoutine(SchafkopfRoutine::kLeadCallGameEndPhase);
        LeadCallGameEndPhase();
    } else if (CanFollowSuit(seat)) {
        NoteRoutine(SchafkopfRoutine::kFollowEndPhase);
        FollowEndPhase(LedCard(), GetBestCardSoFar());
    } else {
        NoteRoutine(SchafkopfRoutine::kPlayVoidEndPhase);
        PlayVoidEndPhase(GetBestCardSoFar());
    }
}
