// What a seat plays when it cannot follow and has nothing better to do with the trick: by its
// place in the trick, smearing to a partner who holds it, discarding otherwise, and always a
// card in the end.
#include "games/fourplayer/SchafkopfCardPlay.h"

namespace {
constexpr int kTrumpGroupIndex = 4;
constexpr int kReasonLowTrump = 9;
} // namespace

bool SchafkopfCardPlay::PlayCallGameVoid(int best) {
    const int s = seatToMove;
    if (!IsSeat(s))
        return false;
    // The fourth seat with no trump left discards by its place; the choices of the second and
    // third seat and of a fourth seat with trumps are not written yet and go to the last resort.
    const bool toPartner = s != leader && DoesTrickGoToPartner();
    if (GetTrickPosition(s) == 4 && seats[s].groupCount[kTrumpGroupIndex] == 0 && !toPartner &&
        DiscardByPosition(best))
        return true;
    // Last resort: a trump on the trick, else the discard that always plays.
    if (seats[s].groupCount[kTrumpGroupIndex] > 0 && PlayTrumpOnTrick(s, best))
        return true;
    return DiscardByPosition(best);
}

bool SchafkopfCardPlay::DiscardByPosition(int) {
    const int s = seatToMove;
    if (!IsSeat(s))
        return false;
    const int pos = GetTrickPosition(s);
    const bool toPartner = s != leader && DoesTrickGoToPartner();
    const bool skilled = IsSeatToMoveAbove5();
    // The smear rules of the engine: the side-suit chain, then the single point card.
    auto smearChain = [&] { return PlayHighSideCard(s); };
    auto smearPoint = [&] { return SmearPoints(s); };
    if (pos == 2 || pos == 3) {
        if (!toPartner && playForPartner) {
            if (PlayTowardPointTarget(s) || smearChain())
                return true;
        } else if (toPartner && !contestTrick) {
            if (skilled && !IsTrickSafeForPartner() && ChooseDiscard(s, true))
                return true;
            if (PlayTowardPointTarget(s) || smearPoint() || smearChain())
                return true;
        }
    } else if (pos == 4 && toPartner) {
        if (PlayTowardPointTarget(s))
            return true;
        if (trickNumber < GetEndgameTrick()) {
            if (smearPoint() || smearChain())
                return true;
        } else if (smearChain() || ChooseSideSuitCard(s, true) || ChooseSideSuitCard(s, false)) {
            return true;
        }
    }
    if (ChooseDiscard(s, true) || ThrowOffTenOrAce(s))
        return true;
    // Last resort: the low card of the first group held, trumps first.
    for (int g = kTrumpGroupIndex; g >= 0; --g)
        if (seats[s].groupCount[g] > 0 && IsLegalCard(s, seats[s].hand[GetGroupStart(s, g)]) == 1 &&
            PlayLowOfGroup(s, g))
            return true;
    return false;
}

bool SchafkopfCardPlay::TakeLastTricksByPoints(int seat, int card, bool flag) {
    if (!IsSeat(seat) || seat != seatToMove || !IsCardCode(card))
        return false;
    const SeatBlock& block = seats[seat];
    const int first = block.hand[0];
    const int second = block.hand[1];
    if (!IsCardCode(first))
        return false;
    const int p0 = GetCardPoints(first);
    const int p1 = IsCardCode(second) ? GetCardPoints(second) : 0;
    const int inTrick = CountTrickPoints(false);
    int taken = 0;
    for (int s = 0; s < kSeatCount; ++s)
        taken += cardPoints[s];
    // The points still outside the trick are no more than those in it: take it cheaply.
    if (IsCardCode(second) && 120 - taken - p0 - p1 - inTrick <= inTrick && Beats(second, card) &&
        PlayLowestWinningCard(seat, card))
        return true;
    if (!flag)
        return IsLegalCard(seat, first) == 1 && PlayIfHeldPointLead(seat, first);
    return block.groupCount[kTrumpGroupIndex] > 0 &&
           PlayIfLegal(seat, block.hand[GetGroupStart(seat, kTrumpGroupIndex)], kReasonLowTrump);
}
