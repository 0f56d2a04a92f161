// The solo play of the declarer and the defenders. Not yet written: each routine declines.
#include "games/fourplayer/SchafkopfCardPlay.h"

bool SchafkopfCardPlay::PlaySoloDeclarerCard() {
    return false;
}

bool SchafkopfCardPlay::PlaySoloDeclarerEndPhase() {
    return false;
}

bool SchafkopfCardPlay::PlaySoloDefenderCard() {
    return false;
}

bool SchafkopfCardPlay::LeadSoloDeclarer(int) {
    return false;
}

bool SchafkopfCardPlay::LeadSoloDeclarerEndPhase(int) {
    return false;
}

bool SchafkopfCardPlay::FollowSoloDeclarer(int) {
    return false;
}

bool SchafkopfCardPlay::FollowSoloDeclarerEndPhase(int) {
    return false;
}

bool SchafkopfCardPlay::DiscardSoloDeclarer(int) {
    return false;
}

bool SchafkopfCardPlay::DiscardSoloDeclarerEndPhase(int) {
    return false;
}

bool SchafkopfCardPlay::LeadSoloDefender(int) {
    return false;
}

bool SchafkopfCardPlay::FollowSoloDefender(int) {
    return false;
}

bool SchafkopfCardPlay::FollowSoloDefenderPlain(int) {
    return false;
}

bool SchafkopfCardPlay::DiscardWhenVoid(int) {
    return false;
}
