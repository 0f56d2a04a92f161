// The card rules that Schafkopf puts in place of the engine's: they know one copy of each
// card, the called Ace and its holder's duties, and the two-card partnership.
#include "games/fourplayer/SchafkopfComputerBase.h"

namespace {
constexpr int kReasonThrowOffTenOrAce = 26;
} // namespace

bool SchafkopfComputerBase::MayPlayCardNow(int seat, int card) {
    return MayThrowOffCalledAce(seat, card);
}

bool SchafkopfComputerBase::ThrowOffTenOrAce(int seat) {
    if (!IsSeat(seat) || seat != seatToMove)
        return false;
    if (ThrowOffRank(seat, kRankTen, false) || ThrowOffRank(seat, kRankAce, false))
        return true;
    const SeatBlock& block = seats[seat];
    const bool strong = IsSeatToMoveAbove10();
    double share[4];
    for (int g = 0; g < 4; ++g) {
        share[g] = 1.0;
        if (!IsPlainSuit(g) || block.groupCount[g] == 0)
            continue;
        share[g] = SuitOutShare(g);
        if (strong) {
            // A suit some other seat is likely void in is the more likely to be trumped.
            bool likelyVoid = false;
            for (int s = 0; s < kSeatCount; ++s)
                likelyVoid = likelyVoid || (s != seat && seatEstimates[s].voidEstimate[g] >= 55);
            if (likelyVoid)
                share[g] /= 4.0;
        }
        if (block.groupCount[g] == 1 && RankCodeOf(block.hand[GetGroupStart(seat, g)]) == kRankTen)
            share[g] = share[g] / 100.0 + 0.02;
    }
    auto topCard = [&](int g) { return static_cast<int>(block.hand[GetGroupEnd(seat, g)]); };
    auto held = [&](int g) { return block.groupCount[g] > 0 && IsPlainSuit(g); };

    int chosen = -1;
    double best = 1.0;
    for (int g = 0; g < 4; ++g)
        if (held(g) && RankCodeOf(topCard(g)) == kRankTen && share[g] < best) {
            best = share[g];
            chosen = g;
        }
    if (chosen >= 0 && best < 0.6)
        return PlayRuleCard(seat, GetGroupEnd(seat, chosen), kReasonThrowOffTenOrAce);

    chosen = -1;
    best = 1.0;
    for (int g = 0; g < 4; ++g) {
        if (!held(g))
            continue;
        const int top = topCard(g);
        const bool ten = RankCodeOf(top) == kRankTen;
        const bool ace = RankCodeOf(top) == kRankAce && MayThrowOffCalledAce(seat, top);
        if ((ten || ace) && share[g] < best) {
            best = share[g];
            chosen = g;
        }
    }
    if (chosen < 0 || best >= 0.55)
        return false;
    int place = GetGroupEnd(seat, chosen);
    // A Ten with a card below it keeps the Ten back while the trick may still go either way.
    const bool partnerTakes = seat != leader && DoesTrickGoToPartner();
    if (block.groupCount[chosen] > 1 && RankCodeOf(topCard(chosen)) == kRankTen && !partnerTakes &&
        !TestSeatFlag(seat))
        --place;
    return PlayRuleCard(seat, place, kReasonThrowOffTenOrAce);
}
