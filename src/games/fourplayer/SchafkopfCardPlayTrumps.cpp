// The trump decision, the follow of a trump lead and the play of a seat that cannot follow,
// shared by the partner games and the solo defence. Not yet written: each declines.
#include "games/fourplayer/SchafkopfCardPlay.h"

bool SchafkopfCardPlay::PlayTrumpDecision(int, int, bool) {
    return false;
}

bool SchafkopfCardPlay::PlayTrumpDecisionSimple(int, int, bool) {
    return false;
}

bool SchafkopfCardPlay::KeepHighTrumpForPoints(int, int) {
    return false;
}

bool SchafkopfCardPlay::FollowTrumpLead(int) {
    return false;
}

bool SchafkopfCardPlay::FollowTrumpLeadSafe(int, bool) {
    return false;
}

bool SchafkopfCardPlay::FollowTrumpLeadDeep(int) {
    return false;
}

bool SchafkopfCardPlay::FollowTrumpLeadOpen(int) {
    return false;
}

bool SchafkopfCardPlay::PlayVoidWithTrump(int, bool, int, int) {
    return false;
}
