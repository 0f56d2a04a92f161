// What a seat plays when it cannot follow and has nothing better to do with the trick: by its
// place in the trick, smearing to a partner who holds it, discarding otherwise, and always a
// card in the end.
#include "games/fourplayer/SchafkopfCardPlay.h"

namespace {
constexpr int kTrumpGroupIndex = 4;
constexpr int kReasonLowTrump = 9;
constexpr int kTenStep = 7;
constexpr int kAceStep = 8;
} // namespace

bool SchafkopfCardPlay::PlayCallGameVoid(int best) {
    const int s = seatToMove;
    if (!IsSeat(s))
        return false;
    const int n = TrumpCount(s);
    const bool h = n > 0;
    const int pos = GetTrickPosition(s);
    if (pos == 2 || pos == 3) {
        if (PlayCallGameVoidMiddle(best))
            return true;
    } else if (pos == 4) {
        if (PlayCallGameVoidLast(best))
            return true;
    }
    // Last resort: a trump on the trick, else the discard that always plays.
    if (h && PlayTrumpOnTrick(s, best))
        return true;
    return DiscardByPosition(best);
}

bool SchafkopfCardPlay::PlayCallGameVoidMiddle(int best) {
    const int s = seatToMove;
    const int n = TrumpCount(s);
    const bool h = n > 0;
    const int pos = GetTrickPosition(s);
    const int q = PointsSoFar();
    const int tricks = CountTricksLeft();
    const bool skilled = IsSeatToMoveAbove5();
    const bool strong = IsSeatToMoveAbove10();
    const bool toPartner = DoesTrickGoToPartner();
    const bool safe = IsTrickSafeForPartner();
    const bool strongOpponents = AreOpponentsStrongInTrumps();
    const bool bestTrump = IsCardCode(best) && IsTrump(best);
    const int bestGroup = IsCardCode(best) ? GetSuitGroup(best) : kTrumpGroupIndex;
    const int top = TopTrump(s);
    const int lowestTrump = GetLowestTrump(gameType.trumpSuit, gameType.word);
    const int trumpAce = GetTrumpSuitCard(kAceStep);
    auto canBeat = [&](int card) { return top != 0 && (!IsCardCode(card) || Beats(top, card)); };

    // Whether to take part at all: without a decision the seat discards by its place.
    int holders = 0;
    bool anyOpponent = false;
    bool decided = CountGroupHolders(&holders, &anyOpponent, kTrumpGroupIndex);
    if (!decided)
        holders = 4;
    if (skilled && !decided)
        decided = (h && !toPartner && !playForPartner) ||
                  (strong && h && toPartner && contestTrick != 0 && !safe);
    if (holders == 0 || !decided)
        return DiscardByPosition(best);

    if (!toPartner && !playForPartner) {
        const int weight = CalledAceSitsBehind(s) + q;
        const int value = RateTrickPointsForParty(s);
        if (weight >= pos + 5 || value > 6 || (tricks > 3 && tricks - n < 2)) {
            if (skilled) {
                const int partner = moverPartners[0];
                if (pos == 2 && CountGroupOut(bestGroup) == 1 &&
                    CountGroupOut(kTrumpGroupIndex) >= 2 && IsSeat(partner) &&
                    MayHoldGroup(partner, kTrumpGroupIndex) && ChooseDiscard(s, true))
                    return true;
                if (pos == 3 && weight + value > 13 &&
                    (PlayTopTrumpIfHigh(s, best) || PlayMiddleTrump(s, best) ||
                     PlayLowestWinnerForParty(s, bestTrump ? best : lowestTrump)))
                    return true;
            }
            if (PlayVoidWithTrump(best, h, weight, pos))
                return true;
        }
        const bool soloCase = seats[s].profile > 5 && bestTrump && IsSoloGame() &&
                              RateCardRole(best) != 3 && 3 * n >= CountGroupOut(kTrumpGroupIndex);
        if (weight >= pos + 7 || soloCase) {
            if (bestTrump) {
                if (canBeat(best) && PlayLowestWinningCard(s, best))
                    return true;
            } else {
                if (IsOpponentStillToPlay()) {
                    if (h && PlayTrumpSuitByValue(s, true))
                        return true;
                } else if (!IsGroupEndangered(bestGroup) && h) {
                    if (weight >= 6 * (pos - 1) && weight > 11 &&
                        (OverplayWithSureWinner(s, kTrumpGroupIndex, lowestTrump) ||
                         PlayTopTrumpIfHigh(s, best)))
                        return true;
                    if (weight > 6 && (PlayMiddleTrump(s, best) ||
                                       (strongOpponents && PlayTopTrumpIfHigh(s, best))))
                        return true;
                    if (ArePartiesKnown() && PlaySmallTrumpCheap(s, true))
                        return true;
                    if (weight > 9 && PlayTopTrumpIfHigh(s, best))
                        return true;
                    if (skilled && EvaluateTrumpLead(true, kTrumpGroupIndex) &&
                        TrumpToWin(s, best, true))
                        return true;
                }
                if (ChooseDiscard(s, true) || PlayTrumpOnTrick(s, best))
                    return true;
            }
        }
        if (!strongOpponents && !HasOnlyLowPoints(s)) {
            if (IsPartnerStillToPlay() && PlayTrumpOrPoints(s, best))
                return true;
            if (LeadTrumpIfNoOpponents(s, true) || PlayPointsToTrumpingPartner(s, best))
                return true;
        } else {
            const int x = bestTrump ? best : lowestTrump;
            if (tricks < 5) {
                if (PlayLowestWinnerForParty(s, x))
                    return true;
            } else if (tricks - n <= tricks / 8 + 1 && PlayLowestWinningCard(s, x)) {
                return true;
            }
        }
        if (skilled && ChooseDiscard(s, true))
            return true;
        int place = -1;
        int reason = -1;
        const int d = DryRunCard(
            s, [&] { return PlayLowestPointSideCard(s); }, &place, &reason);
        if (d != 0) {
            if (GetCardPoints(d) >= 10 || PlaySecondTenRule(s, d)) {
                if (PlayVoidWithTrump(best, h, weight, pos))
                    return true;
            } else if (PlayRuleCard(s, place, reason)) {
                return true;
            }
        }
    } else if (!toPartner) { // playing for the partner still to come
        if (PlayTowardPointTarget(s))
            return true;
        if (canBeat(best)) {
            if (PlayTrumpOrPoints(s, best))
                return true;
            int mask = 0;
            if (contestTrick == 0 && ShouldPlaySpecialNow(&mask) &&
                PlaySpecialCardOver(s, mask, best))
                return true;
        }
        if (PlayLastTrump(s, best) || ChooseHighSideCardOrThrowOff(s) ||
            PlayHighSuitCardBehind(s, best))
            return true;
    } else if (contestTrick == 0 || (safe && bestTrump)) {
        // The partner's trick: points onto it.
        if (PlayTowardPointTarget(s))
            return true;
        if ((!safe || !bestTrump) && !IsGroupEndangered(bestGroup) &&
            (!skilled || !IsOpponentStillToPlay())) {
            const int lowOfTrumps =
                GetLowestOfGroup(gameType.trumpSuit, gameType.word, kTrumpGroupIndex);
            if (h) {
                if (!skilled) {
                    if (pos == 2 && q > 5 &&
                        (LeadMiddleTrump(s, true, true) || PlayTrumpInEndgame(s, lowOfTrumps)))
                        return true;
                    if (pos == 3 && q > 7 &&
                        (LeadMiddleTrump(s, true, true) || PlayTrumpByEstimate(s, false, true)))
                        return true;
                } else {
                    if (q > 6 &&
                        (LeadMiddleTrump(s, true, true) || PlayTrumpByEstimate(s, false, true)))
                        return true;
                    if (pos == 2 && (q > 4 || n > 2) &&
                        (LeadMiddleTrump(s, true, true) || PlayTrumpInEndgame(s, lowOfTrumps)))
                        return true;
                }
            }
            if (ChooseDiscard(s, true))
                return true;
            if (safe && h && PlayLowOfGroup(s, kTrumpGroupIndex))
                return true;
        } else {
            if (SmearPoints(s))
                return true;
            if (skilled && PlaySingletonSideAce(s, false))
                return true;
            if (ChooseHighSideCardOrThrowOff(s) || ThrowOffTenOrAce(s))
                return true;
            int mask = 0;
            if (ShouldPlaySpecialNow(&mask) && PlaySpecialCard(s, mask))
                return true;
        }
        if (ChooseDiscard(s, false))
            return true;
        if (safe && h && PlayTrumpSuitByValue(s, true))
            return true;
    } else if (h) {
        // The partner's trick, but the partner wants it contested.
        int flags = 0;
        if (!GetTrickSpecialPoints(&flags)) {
            const bool trumpsEndangered = IsGroupEndangered(kTrumpGroupIndex);
            if (!bestTrump && !trumpsEndangered && PlayTrumpSuitByValue(s, true))
                return true;
            if (q >= 5 * (pos - 1) && q > 11 && trumpsEndangered &&
                OverplayWithSureWinner(s, kTrumpGroupIndex, lowestTrump))
                return true;
            if (bestTrump && RateCardRole(best) == 3 && CountHigherCardsOut(s, best) < 2) {
                if (ThrowOffTenOrAce(s))
                    return true;
            } else if (q >= pos + 6 && PlayTrumpOnTrick(s, best)) {
                return true;
            }
            if (!bestTrump) {
                const int ledGroup = IsCardCode(LedCard()) ? GetSuitGroup(LedCard()) : bestGroup;
                if (pos == 2 && !IsGroupEndangered(ledGroup) && trumpsEndangered &&
                    LeadMiddleTrump(s, true, true))
                    return true;
                if (pos == 2 && !IsSoloGame() && canBeat(trumpAce)) {
                    if (skilled && q == 0 && n == 1 && !strongOpponents && ChooseDiscard(s, true))
                        return true;
                    if (PlayLowestWinningCard(s, trumpAce))
                        return true;
                }
                if (pos == 3 && RateTrickPointsForParty(s) > 7 && !IsSoloGame() &&
                    canBeat(trumpAce) && PlayLowestWinningCard(s, trumpAce))
                    return true;
            }
            if (pos != 4 && skilled && CountGroupOut(kTrumpGroupIndex) < 2 &&
                CountFreeTricksForDeclarer(s) == 0 && n > 1 && PlayLowOfGroup(s, kTrumpGroupIndex))
                return true;
        } else if (!MayTakeTrick()) {
            if (TryToTakeTrick(s, best))
                return true;
        } else {
            if (IsGroupEndangered(kTrumpGroupIndex) &&
                OverplayWithSureWinner(s, kTrumpGroupIndex, best))
                return true;
            if (TryToTakeTrick(s, best) || PlayTrumpOnTrick(s, best))
                return true;
        }
    }
    if (toPartner && RuffEndangeredSuit(s, best))
        return true;
    return ChooseDiscard(s, true) || ThrowOffTenOrAce(s);
}

bool SchafkopfCardPlay::PlayCallGameVoidLast(int best) {
    const int s = seatToMove;
    const int n = TrumpCount(s);
    const int q = PointsSoFar();
    const bool skilled = IsSeatToMoveAbove5();
    const bool toPartner = DoesTrickGoToPartner();
    const int top = TopTrump(s);
    const bool canBeat = top != 0 && (!IsCardCode(best) || Beats(top, best));
    if (n == 0) {
        if (!toPartner)
            return DiscardByPosition(best);
        if (PlayTowardPointTarget(s) || ThrowOffTenOrAce(s) || PlayHighSideCard(s) ||
            ChooseDiscard(s, true))
            return true;
    } else if (!toPartner && !canBeat) {
        if (!HasEnoughTrumpsLeft() &&
            (ChooseDiscard(s, true) || PlayTrickTakingCard(s, best) || ThrowOffTenOrAce(s)))
            return true;
    } else if (!toPartner) {
        int mask = 0;
        const bool capture = ShouldPlaySpecialNow(&mask);
        if (capture && PlaySpecialCardOver(s, mask, best))
            return true;
        if (!IsSoloGame()) {
            for (int rank : {kAceStep, kTenStep}) {
                const int card = GetTrumpSuitCard(rank);
                if (IsCardInHand(s, card) && Beats(card, best) && PlayLowestWinningCard(s, best))
                    return true;
            }
        }
        if (capture && PlaySpecialCardOver(s, mask, best))
            return true;
        if (AreOpponentsStrongInTrumps() || q > 5) {
            if (PlayLowestWinningCard(s, best) || ChooseDiscard(s, true))
                return true;
        } else {
            if (PlayTrumpOrPoints(s, best))
                return true;
            const bool calledHonour = calledSuit >= 0 && calledSuit <= 3 &&
                                      (IsCardInHand(s, calledSuit * 8 + kAceStep) ||
                                       IsCardInHand(s, calledSuit * 8 + kTenStep));
            if (skilled && q == 0 && n > 2 && !calledHonour && ChooseDiscard(s, true))
                return true;
            if (PlayTrumpUnderRisk(s, best))
                return true;
            if (HasEnoughTrumpsLeft())
                return PlayTrumpOnTrick(s, best);
            if (ChooseDiscard(s, true) || PlayTrickTakingCard(s, best))
                return true;
        }
    } else {
        if (HasEnoughTrumpsLeft() && PlayTrumpSuitByValue(s, true))
            return true;
        if (PlayTowardPointTarget(s) || ThrowOffTenOrAce(s) || PlayPointsBehindPartner(s) ||
            PlaySingleAceCards(s) || PlayHighSideCard(s))
            return true;
        if (skilled && (ThrowOffRank(s, kTenStep, true) || LeadPointsDownFromKing(s)))
            return true;
        if (ChooseDiscard(s, true) || PlayTrickTakingCard(s, best))
            return true;
    }
    return PlayLowestPointSideCard(s);
}

bool SchafkopfCardPlay::PlayVoidWithTrump(int best, bool holdsTrumps, int weight, int pos) {
    const int s = seatToMove;
    if (!IsSeat(s) || TrumpCount(s) == 0)
        return false;
    const int n = TrumpCount(s);
    const int top = TopTrump(s);
    const bool skilled = IsSeatToMoveAbove5();
    if (IsCardCode(best) && IsTrump(best))
        return Beats(top, best) && PlayLowestWinningCard(s, best);
    const int bestGroup = IsCardCode(best) ? GetSuitGroup(best) : kTrumpGroupIndex;
    if (IsOpponentStillToPlay()) {
        if (holdsTrumps && PlayTrumpSuitByValue(s, true))
            return true;
        return PlayTrumpOnTrick(s, best);
    }
    if (contestTrick == 0 || IsGroupEndangered(bestGroup))
        return PlayTrumpSuitByValue(s, true) || PlayTrumpOnTrick(s, best);
    if (holdsTrumps) {
        if (skilled && n == 1 && HoldsTrumpAceOrTen())
            return false;
        const int lowestTrump = GetLowestTrump(gameType.trumpSuit, gameType.word);
        if (weight >= 8 * (pos - 1) && weight > 15 &&
            (OverplayWithSureWinner(s, kTrumpGroupIndex, lowestTrump) ||
             PlayTopTrumpIfHigh(s, best)))
            return true;
        if (weight > 7 &&
            (PlayMiddleTrump(s, best) || (AreOpponentsStrongInTrumps() && PlayTopTrumpIfHigh(s, best))))
            return true;
        const int t1 = TrumpAt(s, 0);
        const int rank = (t1 - 1) % 8 + 1;
        const bool high = skilled && (rank == kTenStep || rank == kAceStep);
        if (!high && ArePartiesKnown() && PlaySmallTrumpCheap(s, false))
            return true;
        if (weight > 10 && PlayTopTrumpIfHigh(s, best))
            return true;
        if (RateTrickPointsForParty(s) > 6 &&
            (high ? LeadMiddleTrump(s, true, true) : PlayTrumpSuitByValue(s, true)))
            return true;
        const int tricks = CountTricksLeft();
        if (tricks > 2 && tricks - n < 2) {
            if (LeadMiddleTrump(s, true, true))
                return true;
            if (high && PlayHighTrumpOver(s, best, false))
                return true;
            if (PlayLowOfGroup(s, kTrumpGroupIndex))
                return true;
        }
    }
    return ChooseDiscard(s, true) || PlayTrumpOnTrick(s, best);
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
        } else if (PlayOfferedRules(s)) {
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
    // A low card the hooks turned into one the seat may not play yet: any card it may play.
    for (int p = 0; p < CountHandPlaces(); ++p)
        if (IsCardCode(seats[s].hand[p]) && IsLegalCard(s, seats[s].hand[p]) == 1 &&
            PlayRuleCard(s, p, kReasonLowTrump))
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
        return IsLegalCard(seat, first) == 1 && PlayPointLeadIfLegal(seat, first);
    return block.groupCount[kTrumpGroupIndex] > 0 &&
           PlayIfLegal(seat, block.hand[GetGroupStart(seat, kTrumpGroupIndex)], kReasonLowTrump);
}
