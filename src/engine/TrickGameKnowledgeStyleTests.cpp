// The style tests of the table conventions: a convention is in force for a seat when its
// switch is set and its level (0..5, learned from the seat's play) is above 2.
#include "engine/TrickGameKnowledge.h"

namespace {

bool InForce(const SeatBlock& block, int switchSetting, int levelSetting) {
    return StyleSetting(block, switchSetting) != 0 && StyleSetting(block, levelSetting) > 2;
}

} // namespace

bool TrickGameKnowledge::HasAnnounceOffLeadStyle(int seat) {
    return IsSeat(seat) && InForce(seats[seat], 6, 7);
}
bool TrickGameKnowledge::HasAnnounceOnLeadStyle(int seat) {
    return IsSeat(seat) && InForce(seats[seat], 8, 9);
}
bool TrickGameKnowledge::HasOberLeadStyle(int seat) {
    return IsSeat(seat) && InForce(seats[seat], 20, 21);
}
bool TrickGameKnowledge::HasHeartTenLeadStyle(int seat) {
    return IsSeat(seat) && InForce(seats[seat], 23, 24);
}
bool TrickGameKnowledge::HasDiamondLeadStyle(int seat) {
    return IsSeat(seat) && InForce(seats[seat], 26, 27);
}
bool TrickGameKnowledge::HasDiamondAceStyle(int seat) {
    return HasDiamondLeadStyle(seat) && StyleSetting(seats[seat], 28) > 2;
}
bool TrickGameKnowledge::HasSpadeQueenStyle(int seat) {
    return IsSeat(seat) && InForce(seats[seat], 29, 30);
}
bool TrickGameKnowledge::HasHeartTenFollowUpStyle(int seat) {
    return IsSeat(seat) && InForce(seats[seat], 33, 34);
}
bool TrickGameKnowledge::HasMarriageLeadStyle(int seat) {
    return IsSeat(seat) && InForce(seats[seat], 35, 36);
}
bool TrickGameKnowledge::HasMarriageSpadeQueenStyle(int seat) {
    return IsSeat(seat) && InForce(seats[seat], 37, 38);
}
