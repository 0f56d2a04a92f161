// The Beg play of the declarer and the defenders. Not yet written: each routine declines.
#include "games/fourplayer/SchafkopfCardPlay.h"

bool SchafkopfCardPlay::PlayBegDeclarerCard() {
    return false;
}

bool SchafkopfCardPlay::LeadBegDeclarer() {
    return false;
}

bool SchafkopfCardPlay::FollowBegDeclarer(int) {
    return false;
}

bool SchafkopfCardPlay::DiscardBegDeclarer(int) {
    return false;
}

bool SchafkopfCardPlay::PlayBegDefenderCard() {
    return false;
}

bool SchafkopfCardPlay::LeadBegDefender(int) {
    return false;
}

bool SchafkopfCardPlay::FollowBegDefender(int, int) {
    return false;
}

bool SchafkopfCardPlay::DiscardBegDefender(int, int) {
    return false;
}
