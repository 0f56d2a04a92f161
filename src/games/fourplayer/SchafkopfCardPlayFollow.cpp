// The follow and void play of the partner games: the called Ace when its suit comes, high or
// low in the led suit by who holds the trick, and in the last tricks how the trumps left are
// spent with the partner.
#include "games/fourplayer/SchafkopfCardPlay.h"
#include "records/OptionRecordLayouts.h"

namespace {

constexpr int kTrumps = kTrumpGroup;
constexpr int kReasonCalledAce = 49;
constexpr int kReasonSacrificeTrump = 42;
constexpr int kTenPoints = 10;

} // namespace

bool SchafkopfCardPlay::FollowPlainSuit(int led) {
    const int s = seatToMove;
    if (!IsSeat(s) || !IsCardCode(led))
        return false;
    const int g = GetSuitGroup(led);
    const SeatBlock& block = seats[s];
    if (block.groupCount[g] == 0)
        return false;
    const int best = GetBestCardSoFar();
    const bool same = GetSuitGroup(best) == g; // nobody trumped
    const int pos = GetTrickPosition(s);
    const bool lastOfOpponents = !IsOpponentStillToPlay();
    auto high = [&] { return PlayHighestOfGroup(s, g); };
    auto low = [&] { return PlayLowOfGroup(s, g); };

    if (IsTrickSafeForPartner()) {
        if (!HasWinningTopCard(g)) {
            if (lastOfOpponents && !IsGroupEndangered(g) && IsGroupEndangered(kTrumps))
                return low() || high();
            return high();
        }
        if (AssessSuitLead(g) && PlaySecondHighestOfGroup(s, g))
            return true;
        // A Ten or Ace on top stays home when the suit may still go through later.
        const int top = block.hand[GetGroupEnd(s, g)];
        if (g != kTrumps && GetCardPoints(top) >= kTenPoints && !IsGroupEndangered(g) &&
            IsGroupEndangered(kTrumps) && (pos == 2 || (pos == 3 && PointsSoFar() > 5)) && low())
            return true;
        return high();
    }
    if (!lastOfOpponents) {
        if (DoesTrickGoToPartner()) {
            if (HasWinningTopCard(g) && AssessSuitLead(g) && PlaySecondHighestOfGroup(s, g))
                return true;
            return high();
        }
        if (same && CanBeatWithGroup(best) &&
            (PlayForPointsNeeded(s, g, best) || TryToTakeTrick(s, best)))
            return true;
        return playForPartner ? high() : low();
    }
    if (same && HasWinningTopCard(g)) {
        if (g != kTrumps && OverplayWithSureWinner(s, g, led))
            return true;
        if (TryToTakeTrick(s, best))
            return true;
    }
    if (playForPartner)
        return high();
    if (!IsSeatToMoveAbove5() || same || !DoesTrickGoToPartner())
        return low();
    return IsGroupEndangered(g) ? high() : low();
}

bool SchafkopfCardPlay::FollowOpeningPhase(int led, int best) {
    const int s = seatToMove;
    if (!IsSeat(s) || !IsCardCode(led))
        return false;
    const int g = GetSuitGroup(led);
    const SeatBlock& block = seats[s];
    const int pos = GetTrickPosition(s);
    const bool skilled = IsSeatToMoveAbove5();
    auto high = [&] { return PlayHighestOfGroup(s, g); };
    auto low = [&] { return PlayLowOfGroup(s, g); };

    if (g == kTrumps && FollowTrumpLead(led))
        return true;
    // The holder of the called Ace must play it when its suit is led first.
    if (IsCallGame() && calledSuit >= 0 && g == calledSuit && block.groupCount[g] > 1 &&
        !Rules().noCalledAceRules) {
        if (HoldsCalledAce(s)) {
            if (PlayCardIfHeld(s, CalledCard(), kReasonCalledAce))
                return true;
        } else if (IsDeclarer(s) && skilled && !IsTrump(best) && CountPlayedInGroup(g) <= pos &&
                   high()) {
            return true;
        }
    }
    int trump = 0;
    const bool ownParty = block.inDeclarerParty != 0;
    if (GetPartyBestTrump(!ownParty, &trump)) {
        if (playForPartner || (DoesTrickGoToPartner() && pos == 4)) {
            if (high())
                return true;
        } else if (low()) {
            return true;
        }
    } else if (GetPartyBestTrump(ownParty, &trump)) {
        if (skilled && IsTrump(best) && pos == 3 && declarer == -1 && CountGroupOut(g) > 0 &&
            CountPlayedInGroup(g) < 3) {
            if (high())
                return true;
        } else if (contestTrick == 0 ? FollowPlainSuit(led) : low()) {
            return true;
        }
    } else if (!IsTrump(best)) {
        const int partner = moverPartners[0];
        const bool beats = CanBeatWithGroup(best);
        const bool takes = beats && (pos == 4 || (CountPlayedInGroup(g) < pos &&
                                                  HasWinningTopCard(g) && contestTrick == 0));
        const bool clears = skilled && IsSeat(partner) && GetTrickPosition(partner) == 4 &&
                            block.groupCount[g] >= 3 && CountGroupOut(g) == 0;
        if (takes || clears ? high() : FollowPlainSuit(led))
            return true;
    }
    return low();
}

bool SchafkopfCardPlay::FollowMiddlePhase(int led, int best) {
    const int s = seatToMove;
    if (!IsSeat(s) || !IsCardCode(led))
        return false;
    if (IsSeatToMoveAbove5() && GetSuitGroup(led) == kTrumps) {
        const int n = seats[s].groupCount[kTrumps];
        if (n == 2 && PlayTrumpDecision(s, best, true))
            return true;
        if (n == 3 && TrumpForStrongPartner(s, best, true))
            return true;
    }
    return FollowOpeningPhase(led, best);
}

bool SchafkopfCardPlay::FollowEndPhase(int led, int best) {
    const int s = seatToMove;
    if (!IsSeat(s) || !IsCardCode(led))
        return false;
    const SeatBlock& block = seats[s];
    const int n = block.groupCount[kTrumps];
    const int tricksLeft = CountTricksLeft();
    if (IsSeatToMoveAbove5()) {
        if ((tricksLeft == 2 || n == 2) && PlayTrumpDecision(s, best, true))
            return true;
        if (tricksLeft > 2 && TrumpForStrongPartner(s, best, true))
            return true;
    }
    const int pos = GetTrickPosition(s);
    if ((pos == 3 || pos == 4) && n == 2 && tricksLeft == 2) {
        // Two trumps and nothing else.
        const int c0 = block.hand[0];
        const int c1 = block.hand[1];
        const bool topWins = HasWinningTopCard(GetSuitGroup(c0));
        if (!topWins && !CanBeatWithGroup(best) && !IsPartnerStillToPlay() &&
            !DoesTrickGoToPartner()) {
            // The trick is lost: the trump with fewer points goes, the higher one on a tie.
            const int p0 = GetCardPoints(c0);
            const int p1 = GetCardPoints(c1);
            const int shed = p0 < p1 ? c0 : (p1 < p0 ? c1 : GetHigherCard(c0, c1));
            if (PlayIfLegal(s, shed, kReasonSacrificeTrump))
                return true;
        } else if (topWins && IsCardPlayed(c1, false) && TakeLastTricksByPoints(s, best, true)) {
            return true;
        }
    }
    return FollowOpeningPhase(led, best);
}

bool SchafkopfCardPlay::PlayVoidEndPhase(int best) {
    const int s = seatToMove;
    if (!IsSeat(s))
        return false;
    const SeatBlock& block = seats[s];
    const int n = block.groupCount[kTrumps];
    const int tricksLeft = CountTricksLeft();
    const int pos = GetTrickPosition(s);
    const int points = PointsSoFar();
    const bool skilled = IsSeatToMoveAbove5();
    if (skilled) {
        if (tricksLeft == 2 && PlayTrumpDecision(s, best, false))
            return true;
        if (tricksLeft > 2 && TrumpForStrongPartner(s, best, false))
            return true;
    }
    if (!DoesTrickGoToPartner()) {
        const int lowest = n > 0 ? block.hand[GetGroupStart(s, kTrumps)] : 0;
        if (n == 0 || pos != 4 || tricksLeft <= n || !CanBeatWithGroup(best) ||
            CountHigherCardsOut(s, lowest) < 3)
            return PlayCallGameVoid(best);
        if (Beats(lowest, best))
            return PlayTrumpSuitByValue(s, true) || PlayTrumpOnTrick(s, best) ||
                   PlayCallGameVoid(best);
        if (IsGroupEndangered(kTrumps)) {
            if (CountGroupOut(kTrumps) < 2 || points > 5)
                return PlayCallGameVoid(best);
            return ChooseDiscard(s, false) || PlayLowestPointSideCard(s) || PlayCallGameVoid(best);
        }
        if (points < 6)
            return PlayCallGameVoid(best);
        return PlayTrumpOnTrick(s, best) || PlayCallGameVoid(best);
    }
    if (!IsTrickSafeForPartner())
        return PlayCallGameVoid(best);
    if (skilled) {
        // Fewer trumps left in the game than tricks: no trump is worth keeping back.
        const int trumpsLeft = CountGroupInDeck(kTrumps, gameType.trumpSuit, gameType.word) -
                               CountPlayedInGroup(kTrumps);
        if (trumpsLeft + 1 < tricksLeft)
            return PlayCallGameVoid(best);
        if ((pos == 2 || pos == 3) && !IsTrump(best) && IsGroupEndangered(kTrumps) &&
            !IsGroupEndangered(GetSuitGroup(best))) {
            if (points < 10) {
                if (ChooseDiscard(s, false))
                    return true;
            } else if (points < 17) {
                if (LeadMiddleTrump(s, true, false) || PlayTrumpByEstimate(s, false, true))
                    return true;
            } else if (PlayTrumpByEstimate(s, false, true) || LeadMiddleTrump(s, true, false)) {
                return true;
            }
        }
    }
    return ChooseHighSideCardOrThrowOff(s) || PlayCallGameVoid(best);
}

bool SchafkopfCardPlay::TrumpForStrongPartner(int seat, int best, bool trumpLeadOnly) {
    const int s = seat;
    if (!IsSeat(s) || s != seatToMove || !IsCardCode(best))
        return false;
    const SeatBlock& block = seats[s];
    const int n = block.groupCount[kTrumps];
    const int tricksLeft = CountTricksLeft();
    const int partner = moverPartners[0];
    const int led = LedCard();
    const int ledGroup = IsCardCode(led) ? GetSuitGroup(led) : kTrumps;
    const int pos = GetTrickPosition(s);
    if (n == 0 || (trumpLeadOnly && ledGroup != kTrumps))
        return false;
    if ((pos == 4 && DoesTrickGoToPartner()) || !CanBeatWithGroup(best))
        return false;
    int sure = 0;
    int partnerTrumps = 0;
    CountSureTrumpsWithPartner(s, partner, &sure, &partnerTrumps);
    const int lowestTrump = GetLowestTrump(gameType.trumpSuit, gameType.word);

    if (IsPartnerStillToPlay()) {
        if (IsTrickSafeForPartner() || !IsSeat(partner))
            return false;
        if (partnerTrumps + sure <= tricksLeft || sure < 1) {
            // With three trumps the capture card may go where the partner plays last.
            int mask = 0;
            if (n == 3 && trumpLeadOnly && GetTrickPosition(partner) == 4 &&
                IsPartyKnown(partner) && ShouldPlaySpecialNow(&mask) && mask != 0 &&
                partnerTrumps >= 1)
                return PlaySpecialCardOfKind(s, lowestTrump, mask);
            return false;
        }
        return PlayTrumpByEstimate(s, false, true);
    }
    if (sure > 0) {
        if (!trumpLeadOnly) {
            if (partnerTrumps + sure < tricksLeft)
                return false;
            if (PlayTrumpByEstimate(s, false, true))
                return true;
            if (sure != tricksLeft)
                return false;
            const int first = block.hand[0];
            return IsSpecialCard(first) ? PlayHighestOfGroup(s, kTrumps)
                                        : PlayLowOfGroup(s, kTrumps);
        }
        if ((partnerTrumps <= sure || partnerTrumps + sure <= tricksLeft) &&
            !(IsSeatToMoveAbove5() && sure >= 2 && EvaluateTrumpLead(false, kTrumps)))
            return false;
        if (IsTrickSafeForPartner() && CountFreeTricks(s) > 1 && PlayLowOfGroup(s, kTrumps))
            return true;
        return PlayTrumpByEstimate(s, false, true);
    }
    if (trumpLeadOnly)
        return false;
    // No sure trump trick: a trump-suit Ace or Ten saves its points for a partner without
    // trumps when the led suit would be ruffed.
    const int third = block.hand[2];
    if (n == 3 && IsSeat(partner) && IsPartyKnown(partner) && HoldsTrumpAceOrTen() &&
        (GetSuitCount(partner, kTrumps) == 0 || EstimateSuitMaximum(partner, kTrumps) == 0) &&
        (IsGroupEndangered(ledGroup) || (pos == 3 && MayHoldGroup(NextSeat(s), ledGroup))) &&
        IsCardCode(third) && CountHigherCardsOut(s, third) > 2 && PlayTrumpSuitByValue(s, true))
        return true;
    if (n == 1 && tricksLeft == 3 && !IsGroupEndangered(ledGroup) && IsCardCode(third) &&
        IsTrump(third) && GetCardPoints(third) < kTenPoints && CountHigherCardsOut(s, third) > 2)
        return PlayHighestOfGroup(s, kTrumps);
    return false;
}
