// The lead, follow and void routines of the partner games. Not yet written: each declines,
// and the dispatcher plays the lowest legal card instead.
#include "games/fourplayer/SchafkopfCardPlay.h"

bool SchafkopfCardPlay::FollowPlainSuit(int) {
    return false;
}

bool SchafkopfCardPlay::FollowOpeningPhase(int, int) {
    return false;
}

bool SchafkopfCardPlay::FollowMiddlePhase(int, int) {
    return false;
}

bool SchafkopfCardPlay::FollowEndPhase(int, int) {
    return false;
}

bool SchafkopfCardPlay::PlayVoidEndPhase(int) {
    return false;
}

bool SchafkopfCardPlay::PlayFirstTrickOpening(int) {
    return false;
}

bool SchafkopfCardPlay::LeadCallGame() {
    return false;
}

bool SchafkopfCardPlay::LeadCallGameEndPhase() {
    return false;
}

bool SchafkopfCardPlay::TestSkilledTrumpLead(int, int* trumpsOut, bool* opponentsStrong) {
    if (trumpsOut)
        *trumpsOut = 0;
    if (opponentsStrong)
        *opponentsStrong = false;
    return false;
}

bool SchafkopfCardPlay::LeadFromFewTrumps(int, int, bool) {
    return false;
}

bool SchafkopfCardPlay::TrumpForStrongPartner(int, int, bool) {
    return false;
}
