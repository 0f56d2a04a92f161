// The leads of the partner games (the Call Game, and the 1st Trick while its partner is unknown):
// when to draw trumps, when to look for the partner with the called suit, and the safe side
// card that keeps the Aces for later.
#include "games/fourplayer/SchafkopfCardPlay.h"
#include "records/OptionRecordLayouts.h"

namespace {

constexpr int kTrumps = kTrumpGroup;
constexpr int kReasonPointLead = 35;
constexpr int kTenPoints = 10;
constexpr int kRankStepUnter = 4;
constexpr int kRankStepTen = 7;
constexpr int kRankStepAce = 8;

int CountAces(const SeatBlock& block) {
    int aces = 0;
    for (int p = 0; p < kHandPlaces; ++p)
        if (IsCardCode(block.hand[p]) && RankStepOf(block.hand[p]) == kRankStepAce)
            ++aces;
    return aces;
}

} // namespace

// --- the 1st Trick while its partner is unknown ---

bool SchafkopfCardPlay::PlayFirstTrickOpening(int seat) {
    const int s = seat;
    if (!IsSeat(s) || s != seatToMove)
        return false;
    const bool declares = IsDeclarer(s);
    if (s == leader) {
        if (trickNumber > 2 && (LeadLowSideCardByPlan() || PlayLowestPointSideCard(s)))
            return true;
        // A partner-to-be who holds the master trump draws with it: the declarer sees the partner.
        if (IsSeatToMoveAbove5() && !declares && HasWinningTopCard(kTrumps) &&
            PlayHighestOfGroup(s, kTrumps))
            return true;
        return PlaySingletonSideAce(s, false) || LeadCallGame();
    }
    const int best = GetBestCardSoFar();
    if (!CanFollowSuit(s))
        return PlayCallGameVoid(best);
    const int g = GetSuitGroup(LedCard());
    if (g == kTrumps) {
        if (!declares) {
            if (IsSeatToMoveAbove5() && HasWinningTopCard(kTrumps) && !SecondHeartTenWins() &&
                CanBeatWithGroup(best) && PlayHighestOfGroup(s, kTrumps))
                return true;
            return FollowTrumpLeadDeep(best);
        }
        // The declarer wants the trick to go to a partner: he stays low.
        return PlayTrumpSuitByValue(s, true) || PlayLowOfGroup(s, kTrumps) ||
               PlaySingletonSideAce(s, false) || PlayLowestPointSideCard(s);
    }
    const bool beats = !IsTrump(best) && CanBeatWithGroup(best);
    if (declares)
        return beats ? PlayLowOfGroup(s, g) : PlayHighestOfGroup(s, g);
    return beats ? PlayHighestOfGroup(s, g) : PlayLowOfGroup(s, g);
}

// --- the lead of the opening and the middle ---

bool SchafkopfCardPlay::LeadCallGame() {
    const int s = seatToMove;
    if (!IsSeat(s) || s != leader)
        return false;
    const SeatBlock& block = seats[s];
    const int n = block.groupCount[kTrumps];
    const bool skilled = IsSeatToMoveAbove5();
    const int partner = moverPartners[0];
    const bool partnerLast = IsSeat(partner) && GetTrickPosition(partner) == 4;
    if (LeadTrumpFromStrength(s))
        return true;
    int k = 0;
    bool f = false;
    if (skilled && TestSkilledTrumpLead(s, &k, &f))
        return true;
    if (PlayLowPointSuitCard(s) || LeadClubQueenToShowParty(s))
        return true;
    if (n == 1 && CountGroupOut(kTrumps) > (skilled ? 5 : 1) && LeadLastTrump(s))
        return true;

    const bool germanDeclaringParty =
        Rules().partnershipMode == 2 && announcementCount == 0 && block.inDeclarerParty == 1;
    if (germanDeclaringParty) {
        if (LeadTrumpIfNoOpponents(s, false))
            return true;
        if (IsDeclarer(s) && !ArePartiesKnown() && PlayTrumpByEstimate(s, false, true))
            return true;
        if (n <= 3) {
            if (!skilled || f) {
                if (LeadMiddleTrump(s, true, true))
                    return true;
            } else {
                if (n <= 1 && PlayAceOrLowInUntouchedSuit(s))
                    return true;
                if (partnerLast && (PlayMostLikelyWinner(s, false) || PlayHighCalledSuitCard(s) ||
                                    PlaySureWinner(s, false) || LeadLowSideCardByPlan()))
                    return true;
                if (LeadFromFewTrumps(s, k, f))
                    return true;
            }
            if (n == 2 && CountSureTricksInGroup(s, kTrumps) == 1) {
                if (ArePartiesKnown() || IsDeclarer(s)) {
                    if (PlayHighestOfGroup(s, kTrumps))
                        return true;
                } else if (calledSuit >= 0 && block.groupCount[calledSuit] > 0) {
                    // The partner's Ace comes on the called suit: low from a long suit.
                    if (block.groupCount[calledSuit] >= 4 ? PlayLowOfGroup(s, calledSuit)
                                                          : PlayHighestOfGroup(s, calledSuit))
                        return true;
                }
            }
        }
        if (PlaySmallTrumpCheap(s, false) || PlaySingletonSideAce(s, false))
            return true;
        if (CountGroupOut(kTrumps) == 0 && PlayHighCalledSuitCard(s))
            return true;
        // The side-card lead, tried first: a declarer does not open the called suit himself
        // before it was led, so that the partner stays hidden; he leads low from his highest
        // group instead.
        dryRunIndex = -1;
        dryRunReason = -1;
        const auto saved = BeginDryRun();
        const bool found = PlayMostLikelyWinner(s, false) || PlayHighCalledSuitCard(s) ||
                           PlaySureWinner(s, false) || (n == 0 && PlaySureWinner(s, true)) ||
                           LeadLowSideCardByPlan();
        const int card = found ? trickCards[s] : 0;
        const int place = dryRunIndex;
        const int reason = dryRunReason;
        EndDryRun(s, saved);
        if (found && IsCardCode(card)) {
            if (calledSuit >= 0 && GetSuitGroup(card) == calledSuit && IsDeclarer(s) &&
                !WasGroupLed(calledSuit)) {
                for (int g = kTrumps; g >= 0; --g)
                    if (block.groupCount[g] > 0 && g != calledSuit && PlayLowOfGroup(s, g))
                        return true;
            } else if (place >= 0 && block.hand[place] == card && PlayRuleCard(s, place, reason)) {
                return true;
            } else if (PlayIfLegal(s, card, reason)) {
                return true;
            }
        }
    } else {
        if (PlaySingletonSideAce(s, false) || PlayMostLikelyWinner(s, false) || LeadLastTrump(s) ||
            PlayHighCalledSuitCard(s))
            return true;
        const bool partnerThird = IsSeat(partner) && GetTrickPosition(partner) == 3;
        if (!skilled || partnerLast || (partnerThird && !MayHoldGroup(PreviousSeat(s), kTrumps))) {
            if (PlaySureWinner(s, false))
                return true;
        } else if (CountGroupOut(kTrumps) < 3 && PlayLastTrumpRule(s, 1, true)) {
            return true;
        }
        if (LeadTrumpIfNoOpponents(s, false))
            return true;
        if (n <= 3) {
            if (!f && PlayShortSuitForPartner(s))
                return true;
            if ((!skilled || CountFreeTricks(s) <= 1) && LeadMiddleTrump(s, true, true))
                return true;
        }
        if (LeadLowSideCardByPlan())
            return true;
    }

    // The common end: the side card with the fewest points, unless that gives away a Ten or
    // an Ace while a low trump can lead instead.
    dryRunIndex = -1;
    dryRunReason = -1;
    auto saved = BeginDryRun();
    const bool side = PlayLowestPointSideCard(s);
    const int c = side ? trickCards[s] : 0;
    EndDryRun(s, saved);
    if (side && IsCardCode(c)) {
        if (GetCardPoints(c) >= kTenPoints) {
            if ((n > 1 || trickNumber <= GetEndgameTrick()) && PlayLowOfGroup(s, kTrumps))
                return true;
            if (PlaySureWinner(s, true))
                return true;
            // Late in the deal with nothing cheaper left, the points card leads after all.
        }
        return PlayLowestPointSideCard(s);
    }
    if (PlaySureWinner(s, true) || PlayTrumpByEstimate(s, true, true) || PlayLastTricksTrump(s))
        return true;
    saved = BeginDryRun();
    const bool low = PlayLowOfGroup(s, kTrumps);
    const int d = low ? trickCards[s] : 0;
    EndDryRun(s, saved);
    if (!low || !IsCardCode(d))
        return false;
    if (GetCardPoints(d) < kTenPoints || n < 2)
        return PlayLowOfGroup(s, kTrumps);
    return LeadMiddleTrump(s, true, true) ||
           PlayTopTrumpIfHigh(s, GetLowestTrump(gameType.trumpSuit, gameType.word)) ||
           PlayLowOfGroup(s, kTrumps);
}

// --- whether a skilled seat draws trumps ---

bool SchafkopfCardPlay::TestSkilledTrumpLead(int seat, int* trumpsOut, bool* opponentsStrong) {
    const int s = seat;
    int k = 0;
    bool f = false;
    auto answer = [&](bool played) {
        if (trumpsOut)
            *trumpsOut = k;
        if (opponentsStrong)
            *opponentsStrong = f;
        return played;
    };
    if (!IsSeat(s) || s != seatToMove)
        return answer(false);
    const SeatBlock& block = seats[s];
    const int n = block.groupCount[kTrumps];
    const int k0 = CountGroupOut(kTrumps);
    k = IsGroupEndangered(kTrumps) ? k0 : 0;
    f = AreOpponentsStrongInTrumps();
    if (n == 0) {
        f = false;
        return answer(false);
    }
    const int r = CountFreeTricksForDeclarer(s);
    const int tricksLeft = CountTricksLeft();
    const bool strong = IsSeatToMoveAbove10();
    const int start = GetGroupStart(s, kTrumps);
    const int end = GetGroupEnd(s, kTrumps);
    const int lowest = block.hand[start];
    const int top = block.hand[end];
    const int topHigher = CountHigherCardsOut(s, top);
    const int partner = moverPartners[0];
    const bool partnerLast = IsSeat(partner) && GetTrickPosition(partner) == 4;
    const bool ownParty = block.inDeclarerParty != 0;
    auto bothOpponentsMayHold = [&] {
        return IsSeat(moverOpponents[0]) && IsSeat(moverOpponents[1]) &&
               MayHoldGroup(moverOpponents[0], kTrumps) && MayHoldGroup(moverOpponents[1], kTrumps);
    };
    auto low = [&] { return PlayLowOfGroup(s, kTrumps); };
    auto high = [&] { return PlayHighestOfGroup(s, kTrumps); };

    if (!f) {
        if ((n == 1 || n == 2) && partnerLast) {
            if (LeadForPartnerRuff(s))
                return answer(true);
            if (n == 2 && r == 0 && k >= 2 && k == k0 && tricksLeft == 3 && topHigher > 1 &&
                PlaySureWinner(s, true))
                return answer(true);
        }
        if (strong && ownParty && k > 6 && n == 1 && low())
            return answer(true);
        if (n >= 3) {
            int unters = 0;
            for (int p = start; p <= end; ++p)
                if (RankStepOf(block.hand[p]) == kRankStepUnter)
                    ++unters;
            if (unters < 2 ? k < n : k <= n) {
                if (k == 1 && low())
                    return answer(true);
                if (strong && n > 3 && unters >= 1 && k == 2 && end - 1 >= start &&
                    CountHigherCardsOut(s, block.hand[end - 1]) == topHigher && high())
                    return answer(true);
                if (n > 3 && low())
                    return answer(true);
                if (topHigher <= 1) {
                    if (k == 2 && topHigher == 1) {
                        // Below the master pair: the first trump that is not just under it.
                        for (int p = end - 1; p >= start + 1; --p) {
                            const int card = block.hand[p];
                            if (CountHigherCardsOut(s, card) != 1) {
                                if (GetCardPoints(card) < kTenPoints &&
                                    PlayIfLegal(s, card, kReasonPointLead))
                                    return answer(true);
                                break;
                            }
                        }
                    }
                    if (low())
                        return answer(true);
                }
            }
        }
        if (r > 2 && IsDeclarer(s) && low())
            return answer(true);
        if (r == 0 && trickNumber > 5 && k == n && bothOpponentsMayHold() && low())
            return answer(true);
    } else if (k > 0) {
        const int aces = CountAces(block);
        if (strong) {
            if (k < 3 && aces < 2)
                return answer(false);
            if (k < 3 && HasWinningTopCard(kTrumps) && high())
                return answer(true);
        }
        bool lead = false;
        if (IsSeat(partner) && !MayHoldGroup(partner, kTrumps)) {
            lead = k < n;
            if (!lead && strong && bothOpponentsMayHold())
                lead = k / 2 + 1 < n;
        } else {
            lead = k - 1 < n;
            if (trickNumber < 4 && n < 5 && k == n && aces < 2)
                lead = false;
            if (!lead && strong && bothOpponentsMayHold())
                lead = k / 2 < n;
        }
        if (!lead && ((n == 4 && CountPlayedTrumps() > 3) || n > 4))
            lead = IsDeclarer(s) || (ArePartiesKnown() && ownParty);
        if (lead) {
            if (n > 4 || k < 7) {
                const int sure = CountSureTricksInGroup(s, kTrumps);
                if (sure > 1 && high())
                    return answer(true);
                if (sure == 1) {
                    if (r == 1) {
                        if (k < 3 && n > 2 && high())
                            return answer(true);
                        if (n > 3 && CountPlayedTrumps() > 3 &&
                            (IsDeclarer(s) || (ArePartiesKnown() && ownParty)) && high())
                            return answer(true);
                    } else if (r == 2 && HasWinningTopCard(kTrumps) && k <= n && k > 2 && high()) {
                        return answer(true);
                    }
                }
            }
            if (r > 1 && n == 2 && k > 2)
                return answer(false);
            // A low trump that is a Ten or an Ace stays; the trump above it leads.
            const int step = RankStepOf(lowest);
            const bool richLowest = SuitOf(lowest) == gameType.trumpSuit &&
                                    (step == kRankStepTen || step == kRankStepAce);
            if (richLowest) {
                int p = n == 1 ? start : start + 1;
                if (n > 2 && p <= end && RankStepOf(block.hand[p]) == kRankStepAce &&
                    SuitOf(block.hand[p]) == gameType.trumpSuit)
                    ++p;
                if (p <= end && PlayIfHeldPointLead(s, block.hand[p]))
                    return answer(true);
            } else if (low()) {
                return answer(true);
            }
        }
    }

    // The last word by the trumps out.
    switch (k) {
    case 0:
        if (r > 1)
            return answer(false);
        if (n < 2 && r == 1 && k0 == 1 && tricksLeft == 2 && PlayIfHeldPointLead(s, block.hand[0]))
            return answer(true);
        if (trickNumber < 5 || !HasWinningTopCard(kTrumps))
            return answer(false);
        return answer(low());
    case 1:
        if (n < 2 || r > 1)
            return answer(false);
        return answer(low());
    case 2:
        if (n < 2 || r != 0 || !HasWinningTopCard(kTrumps))
            return answer(false);
        return answer(high());
    default:
        return answer(false);
    }
}

bool SchafkopfCardPlay::LeadFromFewTrumps(int seat, int trumpsOut, bool opponentsStrong) {
    const int s = seat;
    if (opponentsStrong || !IsSeat(s) || s != seatToMove)
        return false;
    const SeatBlock& block = seats[s];
    const int n = block.groupCount[kTrumps];
    const int k = trumpsOut;
    if (n == 3)
        return LeadMiddleTrump(s, true, true);
    bool chain = n != 2;
    if (n == 2) {
        const int start = GetGroupStart(s, kTrumps);
        const int h1 = CountHigherCardsOut(s, block.hand[start + 1]);
        const int h2 = CountHigherCardsOut(s, block.hand[start]);
        if (h1 == 1 && h2 != 1) {
            chain = true;
        } else if (!IsDeclarer(s)) {
            return h1 > 1 && PlaySmallTrumpCheap(s, false);
        } else if (k < 4) {
            return LeadMiddleTrump(s, true, true) || PlaySmallTrumpCheap(s, false);
        } else {
            bool opponentMayHold = false;
            for (const std::int16_t o : moverOpponents)
                opponentMayHold = opponentMayHold || (IsSeat(o) && MayHoldGroup(o, kTrumps));
            if (!opponentMayHold)
                return PlaySmallTrumpCheap(s, false) || LeadMiddleTrump(s, true, true);
            chain = true;
        }
    }
    if (!chain)
        return false;
    return PlaySingletonSideAce(s, false) ||
           (CountGroupOut(kTrumps) == 0 && PlayHighCalledSuitCard(s)) ||
           PlayMostLikelyWinner(s, false) || PlayHighCalledSuitCard(s) ||
           PlaySureWinner(s, false) || PlaySureWinner(s, true) || LeadLowSideCardByPlan();
}

// --- the lead of the end phase ---

bool SchafkopfCardPlay::LeadCallGameEndPhase() {
    const int s = seatToMove;
    if (!IsSeat(s) || s != leader)
        return false;
    const int n = seats[s].groupCount[kTrumps];
    const int tricksLeft = CountTricksLeft();
    const bool skilled = IsSeatToMoveAbove5();
    if (skilled && tricksLeft == 2 && PlayTrumpDecision(s, 0, false))
        return true;
    if (LeadTrumpFromStrength(s))
        return true;
    // Nothing but trumps left.
    if (n == tricksLeft && PlayLastTricksTrump(s))
        return true;
    if (tricksLeft == 2) {
        int sure = 0;
        int partnerTrumps = 0;
        CountSureTrumpsWithPartner(s, moverPartners[0], &sure, &partnerTrumps);
        if (n == 0 && skilled && partnerTrumps == 0 && PlaySureWinner(s, true))
            return true;
        if (n > 0 && partnerTrumps > 0 && (LeadLowSideCardByPlan() || PlayLowestPointSideCard(s)))
            return true;
    }
    if (tricksLeft == 3 && n == 1 && CountGroupOut(kTrumps) >= 3 &&
        (PlaySureWinner(s, false) || PlaySureWinner(s, true)))
        return true;
    return LeadCallGame();
}
