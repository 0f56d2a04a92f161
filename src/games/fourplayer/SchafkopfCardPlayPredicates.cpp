// Predicates of the card play that the partner games and the solos share: how strong the other
// party is in trumps, and whether the seat to move is the last of its opponents' side to play.
#include "games/fourplayer/SchafkopfCardPlay.h"

namespace {
constexpr int kTrumpGroupIndex = 4;
} // namespace

bool SchafkopfComputerBase::AreOpponentsStrongInTrumps() {
    const int s = seatToMove;
    if (!IsSeat(s))
        return false;
    const bool moverFirst = seats[s].inDeclarerParty != 0;
    // A double of the other party says it expects the trumps to carry its game.
    if (ArePartiesKnown() && GetPartyAnnouncementKind(!moverFirst) >= 0)
        return true;
    const int out = CountGroupOut(kTrumpGroupIndex);
    const int listed =
        moverOpponentCount < 0 ? 0 : (moverOpponentCount > 3 ? 3 : moverOpponentCount);
    if (out <= 0 || listed == 0)
        return false;
    int held = 0;
    int opponents = 0;
    for (int i = 0; i < listed; ++i) {
        const int x = moverOpponents[i];
        if (!IsSeat(x) || x == s)
            continue;
        ++opponents;
        if (!MayHoldGroup(x, kTrumpGroupIndex))
            continue;
        int count = GetSuitCount(x, kTrumpGroupIndex);
        if (count < 0)
            count = EstimateSuitCount(x, kTrumpGroupIndex);
        held += count > 0 ? count : 0;
    }
    // The trumps out lie with the three other seats; the opponents' share is theirs by number.
    const int share = out * opponents / (kSeatCount - 1);
    return held > share + 1;
}

bool SchafkopfCardPlay::IsLastOfOpponents() {
    const int s = seatToMove;
    if (!IsSeat(s) || !IsSeat(leader))
        return false;
    for (int x = NextSeat(s), n = 0; x != leader && n < kSeatCount; x = NextSeat(x), ++n) {
        bool partner = false;
        for (const std::int16_t p : moverPartners)
            partner = partner || p == x;
        if (!partner)
            return false;
    }
    return true;
}
