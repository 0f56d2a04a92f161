// The solo play (every solo but the Beg): the declarer's lead, follow and discard for the first
// tricks and for the end game, and the defenders' play, each an ordered list of attempts that
// ends with the first rule that plays a card.
#include "games/fourplayer/SchafkopfCardPlay.h"

namespace {
constexpr int kTrumpGroupIndex = 4;
constexpr int kPlainSuits = 4;
constexpr int kTotalPoints = 120;
constexpr int kPointCardValue = 10; // a Ten or an Ace
constexpr int kRichTrickPoints = 8;
} // namespace

// The low trump that ends every lead. A solo without a trump suit (Wenz, Geier, Kings) keeps the
// options' suit in its game type, and the side-card leads pass over that suit as the trump
// suit's: a seat left with nothing else leads its low card instead of none.
bool SchafkopfCardPlay::LeadLowTrumpOrLast(int seat) {
    if (PlayLowOfGroup(seat, kTrumpGroupIndex))
        return true;
    const int suit = gameType.trumpSuit;
    return seats[seat].groupCount[kTrumpGroupIndex] == 0 && suit >= 0 && suit < kPlainSuits &&
           seats[seat].groupCount[suit] > 0 && PlayLowOfGroup(seat, suit);
}

// --- the entries by the seat's place in the trick ---

bool SchafkopfCardPlay::PlaySoloDeclarerCard() {
    const int s = seatToMove;
    if (!IsSeat(s))
        return false;
    // The narrower routine is noted, so that a card none of them chose is booked to it.
    if (s == leader) {
        NoteRoutine(SchafkopfRoutine::kLeadSoloDeclarer);
        return LeadSoloDeclarer(s);
    }
    if (CanFollowSuit(s)) {
        NoteRoutine(SchafkopfRoutine::kFollowSoloDeclarer);
        return FollowSoloDeclarer(GetBestCardSoFar());
    }
    NoteRoutine(SchafkopfRoutine::kDiscardSoloDeclarer);
    return DiscardSoloDeclarer(GetBestCardSoFar());
}

bool SchafkopfCardPlay::PlaySoloDeclarerEndPhase() {
    const int s = seatToMove;
    if (!IsSeat(s))
        return false;
    if (s == leader) {
        NoteRoutine(SchafkopfRoutine::kLeadSoloDeclarerEndPhase);
        return LeadSoloDeclarerEndPhase(s);
    }
    if (CanFollowSuit(s)) {
        NoteRoutine(SchafkopfRoutine::kFollowSoloDeclarerEndPhase);
        return FollowSoloDeclarerEndPhase(GetBestCardSoFar());
    }
    NoteRoutine(SchafkopfRoutine::kDiscardSoloDeclarerEndPhase);
    return DiscardSoloDeclarerEndPhase(GetBestCardSoFar());
}

bool SchafkopfCardPlay::PlaySoloDefenderCard() {
    const int s = seatToMove;
    if (!IsSeat(s))
        return false;
    if (s == leader) {
        NoteRoutine(SchafkopfRoutine::kLeadSoloDefender);
        return LeadSoloDefender(s);
    }
    if (CanFollowSuit(s)) {
        NoteRoutine(SchafkopfRoutine::kFollowSoloDefender);
        return FollowSoloDefender(LedCard());
    }
    NoteRoutine(SchafkopfRoutine::kPlayCallGameVoid);
    return PlayCallGameVoid(GetBestCardSoFar());
}

// --- the declarer ---

bool SchafkopfCardPlay::LeadSoloDeclarer(int seat) {
    const int s = seat;
    if (!IsSeat(s) || s != seatToMove)
        return false;
    if (LeadTrumpFromStrength(s) || LeadTrumpEarly(s) || PlayTrumpByEstimate(s, false, true))
        return true;
    const int n = seats[s].groupCount[kTrumpGroupIndex];
    const int tricksLeft = CountTricksLeft();
    const bool strongOpponents = AreOpponentsStrongInTrumps();
    // A required solo may be played with fewer trumps drawn: an unskilled declarer keeps his
    // trumps there unless the defenders look strong in them.
    bool draw = false;
    if (!IsSeatToMoveAbove5()) {
        draw = strongOpponents || !RequiredSoloRule();
    } else if (strongOpponents) {
        draw = true;
    } else if (!RequiredSoloRule()) {
        int sure = 0, probable = 0, held = 0, rounds = 0;
        EstimateSureTrumpTricks(s, &sure, &probable, &held, &rounds);
        draw = sure < held;
    }
    if (draw) {
        if (LeadMiddleTrump(s, false, true))
            return true;
        if (CountGroupOut(kTrumpGroupIndex) > 0 || tricksLeft - n == 1) {
            // In the first two tricks a high trump draws two of the defenders' trumps at once.
            if (trickNumber < 3 &&
                PlayHighTrumpOver(s, GetLowestTrump(gameType.trumpSuit, gameType.word), true))
                return true;
            if (PlaySmallTrumpCheap(s, false))
                return true;
        }
    }
    return PlaySureWinner(s, true) || PlayMostLikelyWinner(s, false) ||
           PlaySingletonSideAce(s, false) || LeadLowSideCardByPlan() ||
           PlayLowestPointSideCard(s) || PlayLastTricksTrump(s) || LeadLowTrumpOrLast(s);
}

bool SchafkopfCardPlay::LeadSoloDeclarerEndPhase(int seat) {
    const int s = seat;
    if (!IsSeat(s) || s != seatToMove)
        return false;
    const int n = seats[s].groupCount[kTrumpGroupIndex];
    if (IsSeatToMoveAbove5() && CountTricksLeft() == 2 && PlayTrumpDecision(s, 0, false))
        return true;
    if (LeadTrumpFromStrength(s))
        return true;
    if (n == 1 && CountGroupOut(kTrumpGroupIndex) == 2 && LeadLastTrump(s))
        return true;
    return PlayTrumpByEstimate(s, true, true) || PlaySingletonSideAce(s, false) ||
           LeadMiddleTrump(s, false, true) || PlayMostLikelyWinner(s, true) ||
           PlaySureWinner(s, true) || PlayMostLikelyWinner(s, false) || LeadLowSideCardByPlan() ||
           PlayLowestPointSideCard(s) || PlayLastTricksTrump(s) || LeadLowTrumpOrLast(s);
}

bool SchafkopfCardPlay::FollowSoloDeclarer(int best) {
    const int s = seatToMove;
    const int led = LedCard();
    if (!IsSeat(s) || !IsCardCode(led) || !IsCardCode(best))
        return false;
    const int g = GetSuitGroup(led);
    if (g == kTrumpGroupIndex) {
        if (IsTrump(best) && PlayLowestWinningCard(s, best))
            return true;
        return FollowInTrumpNormalGame(s, best);
    }
    // The trick is trumped: nothing of the suit can take it back.
    if (IsTrump(best))
        return PlayLowOfGroup(s, g);
    if (PlayForPointsNeeded(s, g, best))
        return true;
    // With the Ace and one more, an Ace that would not hold the trick stays for later.
    const SeatBlock& block = seats[s];
    if (block.groupCount[g] == 2 && !HasWinningTopCard(g) && CanBeatWithGroup(best) &&
        GetCardPoints(block.hand[GetGroupEnd(s, g)]) >= kPointCardValue)
        return PlayLowOfGroup(s, g);
    return TryToTakeTrick(s, best) || PlayLowOfGroup(s, g);
}

bool SchafkopfCardPlay::FollowSoloDeclarerEndPhase(int best) {
    const int s = seatToMove;
    const int led = LedCard();
    if (!IsSeat(s) || !IsCardCode(led) || !IsCardCode(best))
        return false;
    if (GetSuitGroup(led) == kTrumpGroupIndex && IsTrump(best))
        return PlayLowestWinningCard(s, best) || PlayLastTwoTrumps(s) ||
               FollowInTrumpNormalGame(s, best) || PlayLowestPointSideCard(s);
    return FollowSoloDeclarer(best);
}

bool SchafkopfCardPlay::DiscardSoloDeclarer(int best) {
    const int s = seatToMove;
    if (!IsSeat(s) || !IsCardCode(best))
        return false;
    const int n = seats[s].groupCount[kTrumpGroupIndex];
    const int pos = GetTrickPosition(s);
    if (n == 0) {
        NoteRoutine(SchafkopfRoutine::kDiscardWhenVoid);
        return DiscardWhenVoid(best);
    }
    if (pos == 2 || pos == 3) {
        if (IsTrump(best)) {
            if (CanBeatWithGroup(best) &&
                (PlayLowestWinningCard(s, best) || PlayTrumpByEstimate(s, false, true)))
                return true;
            if (PlayLowestPointSideCard(s))
                return true;
        } else {
            const int out = CountGroupOut(kTrumpGroupIndex);
            // Trumps that still hold the top: a low one takes the trick and keeps the rest.
            if (out > 0 && out < n && HasWinningTopCard(kTrumpGroupIndex) &&
                PlayLowOfGroup(s, kTrumpGroupIndex))
                return true;
            if (PlayTrumpOnTrick(s, best) || PlayLowestPointSideCard(s))
                return true;
        }
    } else if (pos == 4) {
        if (!CanBeatWithGroup(best)) {
            if (ChooseDiscard(s, true) || ThrowOffTenOrAce(s))
                return true;
        } else {
            const int q = CountTrickPoints(false);
            if (q < kRichTrickPoints && ChooseSingletonDiscard(s, false))
                return true;
            if (!AreOpponentsStrongInTrumps() && q < kRichTrickPoints) {
                // A poor trick is left to the defenders unless the discard would cost points.
                if (ChooseDiscard(s, true))
                    return true;
                const std::int16_t saved = BeginDryRun();
                dryRunIndex = -1;
                const bool found = PlayLowestPointSideCard(s);
                const int index = dryRunIndex;
                const int reason = dryRunReason;
                EndDryRun(s, saved);
                if (found && index >= 0) {
                    const int card = seats[s].hand[index];
                    if (GetCardPoints(card) < kPointCardValue)
                        return PlayRuleCard(s, index, reason);
                }
                if (PlayLowestWinningCard(s, best))
                    return true;
                return PlayTrumpOnTrick(s, best);
            }
            if (IsSeatToMoveAbove15() &&
                (PlayForPointsNeeded(s, kTrumpGroupIndex,
                                     GetLowestTrump(gameType.trumpSuit, gameType.word)) ||
                 TryVoidShortSuit(s, q, pos)))
                return true;
            if (PlayLowestWinningCard(s, best) || ChooseDiscard(s, true) ||
                PlayLowestPointSideCard(s))
                return true;
        }
    }
    return PlayTrumpOnTrick(s, best);
}

bool SchafkopfCardPlay::DiscardSoloDeclarerEndPhase(int best) {
    const int s = seatToMove;
    if (!IsSeat(s) || !IsCardCode(best))
        return false;
    const SeatBlock& block = seats[s];
    const int n = block.groupCount[kTrumpGroupIndex];
    // The last trump and one plain card, last to play in the second-to-last trick.
    if (GetTrickPosition(s) == 4 && n == 1 && CountGroupOut(kTrumpGroupIndex) == 0 &&
        CountTricksLeft() == 2) {
        const int c0 = block.hand[0];
        const int c1 = block.hand[1];
        if (IsCardCode(c0) && IsCardCode(c1)) {
            // A master plain card takes the last trick: the trump takes this one.
            if (HasWinningTopCard(GetSuitGroup(c0)) && PlayLowestWinningCard(s, best))
                return true;
            int taken = 0;
            for (int x = 0; x < kSeatCount; ++x)
                taken += cardPoints[x];
            const int q = CountTrickPoints(false);
            const int stillOut = kTotalPoints - taken - GetCardPoints(c0) - GetCardPoints(c1) - q;
            // More points still out than in this trick: the trump waits for the last one.
            if (q < stillOut) {
                if (PlayIfHeldPointLead(s, c0))
                    return true;
            } else if (PlayLowestWinningCard(s, best)) {
                return true;
            }
        }
    }
    return DiscardSoloDeclarer(best);
}

bool SchafkopfCardPlay::DiscardWhenVoid(int) {
    const int s = seatToMove;
    if (!IsSeat(s))
        return false;
    const int pos = GetTrickPosition(s);
    if (pos >= 2 && pos <= 4 && (ChooseDiscard(s, true) || DiscardByLine(s, pos)))
        return true;
    // Whatever is left: the low card of the first group held, trumps first.
    for (int g = kTrumpGroupIndex; g >= 0; --g)
        if (seats[s].groupCount[g] > 0 && IsLegalCard(s, seats[s].hand[GetGroupStart(s, g)]) == 1 &&
            PlayLowOfGroup(s, g))
            return true;
    return false;
}

// --- the defenders ---

bool SchafkopfCardPlay::LeadSoloDefender(int seat) {
    const int s = seat;
    if (!IsSeat(s) || s != seatToMove)
        return false;
    return LeadTrumpFromStrength(s) || PlaySingletonSideAce(s, false) ||
           PlayMostLikelyWinner(s, false) || PlaySureWinner(s, true) ||
           LeadTrumpIfNoOpponents(s, false) || LeadLowSideCardByPlan() || LeadLastTrump(s) ||
           LeadMiddleTrump(s, false, true) || PlayLowestPointSideCard(s) ||
           PlayLastTricksTrump(s) || PlayTrumpByEstimate(s, true, true) || LeadLowTrumpOrLast(s);
}

bool SchafkopfCardPlay::FollowSoloDefender(int led) {
    const int s = seatToMove;
    const int best = GetBestCardSoFar();
    if (!IsSeat(s) || !IsCardCode(led) || !IsCardCode(best))
        return false;
    const int g = GetSuitGroup(led);
    if (g == kTrumpGroupIndex)
        return FollowTrumpLead(led);
    const bool moverFirst = seats[s].inDeclarerParty != 0;
    int trump = 0;
    // The declarer's side trumped: high only to feed a partner who takes the trick after all.
    if (GetPartyBestTrump(!moverFirst, &trump)) {
        if (playForPartner || (DoesTrickGoToPartner() && !IsLastOfOpponents()))
            return PlayHighestOfGroup(s, g);
        return PlayLowOfGroup(s, g);
    }
    if (GetPartyBestTrump(moverFirst, &trump)) {
        if (contestTrick)
            return PlayLowOfGroup(s, g);
        if ((playForPartner || DoesTrickGoToPartner()) && IsGroupEndangered(g))
            return PlayHighestOfGroup(s, g);
        return FollowSoloDefenderPlain(led);
    }
    if (GetSuitGroup(best) != kTrumpGroupIndex)
        return FollowSoloDefenderPlain(led);
    return PlayLowOfGroup(s, g);
}

bool SchafkopfCardPlay::FollowSoloDefenderPlain(int led) {
    const int s = seatToMove;
    const int best = GetBestCardSoFar();
    if (!IsSeat(s) || !IsCardCode(led) || !IsCardCode(best))
        return false;
    const int g = GetSuitGroup(led);
    const bool same = GetSuitGroup(best) == g;
    const bool topWins = HasWinningTopCard(g);
    if (IsTrickSafeForPartner()) {
        if (!topWins) {
            if (IsLastOfOpponents() && !IsGroupEndangered(g) && IsGroupEndangered(kTrumpGroupIndex))
                return PlayLowOfGroup(s, g);
            return PlayHighestOfGroup(s, g);
        }
        // The partner's trick is safe: the top card adds its points, unless a lead of the
        // suit later wants it.
        if (AssessSuitLead(g))
            return PlaySecondHighestOfGroup(s, g);
        return PlayHighestOfGroup(s, g);
    }
    if (!IsLastOfOpponents()) {
        if (DoesTrickGoToPartner()) {
            if (topWins && AssessSuitLead(g))
                return PlaySecondHighestOfGroup(s, g);
            return PlayHighestOfGroup(s, g);
        }
        if (same && CanBeatWithGroup(best) &&
            (PlayForPointsNeeded(s, g, best) || TryToTakeTrick(s, best)))
            return true;
        return playForPartner ? PlayHighestOfGroup(s, g) : PlayLowOfGroup(s, g);
    }
    if (same && topWins) {
        if (g != kTrumpGroupIndex && OverplayWithSureWinner(s, g, led))
            return true;
        if (TryToTakeTrick(s, best))
            return true;
    }
    if (playForPartner)
        return PlayHighestOfGroup(s, g);
    return PlayLowOfGroup(s, g);
}
