// The trump decision (whether and with which trump a seat takes part in a trick) and the
// follow of a trump lead, shared by the partner games and the solo defence. Each routine is an
// ordered list of attempts; the first that plays ends it.
#include "games/fourplayer/SchafkopfCardPlay.h"

namespace {
constexpr int kTrumps = 4;
constexpr int kReasonGiveTrump = 42; // a trump given to the trick for the party's sake
constexpr int kReasonFox = 53;       // the fox put on a trick the partner will take
constexpr int kTenStep = 7;
constexpr int kAceStep = 8;
constexpr int kAllPoints = 120;

bool IsTenOrAce(int card) {
    const int rank = (card - 1) % 8 + 1;
    return card > 0 && (rank == kTenStep || rank == kAceStep);
}
} // namespace

// --- the facts and small tests ---

SchafkopfCardPlay::TrumpFacts SchafkopfCardPlay::ReadTrumpFacts(int seat, int card) {
    TrumpFacts f;
    if (!IsSeat(seat))
        return f;
    f.seat = seat;
    f.n = TrumpCount(seat);
    f.tricks = CountTricksLeft();
    f.pos = GetTrickPosition(seat);
    f.q = PointsSoFar();
    f.out = CountGroupOut(kTrumps);
    f.partner = moverPartners[0];
    CountSureTrumpsWithPartner(seat, f.partner, &f.sure, &f.partnerTrumps);
    f.t1 = TrumpAt(seat, 0);
    f.t2 = TrumpAt(seat, 1);
    f.top = TopTrump(seat);
    f.belowTop = TrumpAt(seat, f.n - 2);
    f.c0 = seats[seat].hand[0];
    f.c1 = seats[seat].hand[1];
    f.two = f.n == 2;
    f.partnerAfter = IsPartnerStillToPlay();
    f.canBeat = f.top != 0 && (!IsCardCode(card) || Beats(f.top, card));
    return f;
}

bool SchafkopfCardPlay::MayTakeTrick() {
    if (!DoesTrickGoToPartner())
        return true;
    return !IsOpponentStillToPlay() && contestTrick != 0;
}

bool SchafkopfCardPlay::ShouldSacrificeTopTrump(int seat, int) {
    if (!IsSeat(seat) || TrumpCount(seat) == 0)
        return false;
    const int partner = moverPartners[0];
    return GetCardPoints(seats[seat].hand[0]) >= 10 && IsPartnerStillToPlay() && IsSeat(partner) &&
           MayHoldGroup(partner, kTrumps);
}

bool SchafkopfCardPlay::OpponentsTopTrumpsLower(int seat) {
    const int top = IsSeat(seat) ? TopTrump(seat) : 0;
    if (watchPlaces == 0 || top == 0)
        return false;
    for (int other = 0; other < kSeatCount; ++other) {
        if (other == seat || IsMoverPartner(other))
            continue;
        const int theirs = EstimateTopCard(other, kTrumps);
        if (IsCardCode(theirs) && IsTrump(theirs) && Beats(theirs, top))
            return false;
    }
    return true;
}

bool SchafkopfCardPlay::NoFoxAtRisk() {
    const int fox = GetFoxCard(1);
    return IsSoloGame() || !DiamondAceCaughtScores() || fox == 0 || PlayedCopies(fox) > 0;
}

int SchafkopfCardPlay::RateTrickPointsForParty(int seat) {
    const int q = PointsSoFar();
    if (!IsSeat(seat) || !IsSeat(leader) || seat == leader)
        return q;
    const int winner = GetTrickWinnerSoFar(PreviousSeat(seat));
    const bool knownOpponent =
        IsSeat(winner) && IsPartyKnown(winner) && !IsMoverPartner(winner) && winner != seat;
    return knownOpponent && q < 10 ? 10 : q;
}

bool SchafkopfCardPlay::PlayLowestWinnerForParty(int seat, int card) {
    if (!IsSeat(seat) || !IsSeatToMoveAbove5() || IsOpponentStillToPlay())
        return false;
    int sure = 0;
    int partners = 0;
    CountSureTrumpsWithPartner(seat, moverPartners[0], &sure, &partners);
    return sure + partners > 2 && PlayLowestWinningCard(seat, card);
}

bool SchafkopfCardPlay::HasOnlyLowPoints(int seat) {
    if (!IsSeat(seat))
        return false;
    for (int p = 0; p < CountHandPlaces(); ++p) {
        const int card = seats[seat].hand[p];
        if (IsCardCode(card) && !IsTrump(card) && GetCardPoints(card) >= 10)
            return false;
    }
    return true;
}

bool SchafkopfCardPlay::PlayPointLeadIfLegal(int seat, int card) {
    return IsSeat(seat) && IsCardCode(card) && IsLegalCard(seat, card) == 1 &&
           PlayIfHeldPointLead(seat, card);
}

bool SchafkopfCardPlay::PlayMoreValuableOfFirstTwo(int seat) {
    const int c0 = seats[seat].hand[0];
    const int c1 = seats[seat].hand[1];
    if (IsCardCode(c1) && GetCardPoints(c1) > GetCardPoints(c0))
        return PlayPointLeadIfLegal(seat, c1);
    return IsCardCode(c0) && PlayPointLeadIfLegal(seat, c0);
}

// --- the trump decision ---

bool SchafkopfCardPlay::MustFollowPlainSuit(int seat) {
    const int led = LedCard();
    return seat != leader && IsCardCode(led) && !IsTrump(led) && CanFollowSuit(seat);
}

bool SchafkopfCardPlay::PlayTrumpDecision(int s, int c, bool flag) {
    // A seat that must follow a plain suit has no trump to decide about.
    if (!IsSeat(s) || s != seatToMove || MustFollowPlainSuit(s))
        return false;
    if (!IsSeatToMoveAbove5())
        return PlayTrumpDecisionSimple(s, c, flag);
    const TrumpFacts f = ReadTrumpFacts(s, c);
    const int led = LedCard();
    const bool safe = IsTrickSafeForPartner();
    // The partner's card holds the trick and is a trump.
    const int holder = s != leader ? GetTrickWinnerSoFar(PreviousSeat(s)) : -1;
    const bool partnerTrumped =
        IsSeat(holder) && IsMoverPartner(holder) && IsTrump(trickCards[holder]);
    auto higher = [&](int card) { return CountHigherCardsOut(s, card); };
    auto points = [&](int card) { return IsCardCode(card) ? GetCardPoints(card) : 0; };
    auto highest = [&] { return PlayHighestOfGroup(s, kTrumps); };
    auto low = [&] { return PlayLowOfGroup(s, kTrumps); };
    auto give = [&](int card) { return PlayIfLegal(s, card, kReasonGiveTrump); };
    // The last two cards: only then do the rest's points weigh against the trick's.
    auto lastTwo = [&] { return f.tricks == 2 && TakeLastTricksByPoints(s, c, flag); };
    int held = 0;
    GetHeldSpecials(&held);
    const int fox = GetFoxCard(1);

    if (f.n == 0) {
        // Without trumps: smear the richer card onto the partner's safe trump at the end.
        if (!flag && partnerTrumped && safe && f.tricks == 2 && f.out >= 2)
            return PlayMoreValuableOfFirstTwo(s);
        return false;
    }
    if (flag && IsCardCode(led) && !IsTrump(led))
        return false;

    if (f.pos == 2) {
        if (f.sure < 1 && f.partnerAfter) {
            if (!f.canBeat)
                return false;
            if (f.two && f.partnerTrumps == 0) {
                if (!(higher(f.t1) == higher(f.t2) && PlayedCopies(f.t1) > 0))
                    return false;
            } else {
                const bool partnerVoid = IsSeat(f.partner) && !MayHoldGroup(f.partner, kTrumps);
                if (flag || f.tricks != 2 || f.n != 1 || f.out < 2 ||
                    !(higher(f.t1) == 1 || f.q >= 8 || (IsTrickSafeForParty() && partnerVoid)))
                    return false;
            }
            return highest();
        }
        if (f.sure < 1 && f.partnerTrumps == 0) {
            if (f.n == 1 && !flag && f.q >= 10 && held == 0 && points(f.c1) <= 3)
                return low();
            if (f.n == 2 && higher(f.t1) == 1)
                return low();
            return false;
        }
        if (f.sure < 1) {
            if (flag || f.tricks != 2)
                return false;
            return PlayPointLeadIfLegal(s, points(f.c1) <= points(f.c0) ? f.c1 : f.c0);
        }
        if (!f.canBeat)
            return ShouldSacrificeTopTrump(s, c) && give(f.top);
        if (f.partnerTrumps > 0)
            return highest();
        if (!f.partnerAfter) {
            if (f.sure == 1 && PlayTopTrumpRule(s))
                return true;
            if (!flag && f.tricks > f.n && safe && !IsGroupEndangered(kTrumps) &&
                PlayLowestPointSideCard(s))
                return true;
            return f.q > 7 ? highest() : low();
        }
        if (flag)
            return Beats(c, f.belowTop) ? highest() : PlayLowestWinningCard(s, c);
        if (!(NoFoxAtRisk() || Beats(fox, f.belowTop)) && low())
            return true;
        if (f.q > 3)
            return highest();
        int taken = 0;
        for (int seat = 0; seat < kSeatCount; ++seat)
            taken += cardPoints[seat];
        const int rest = kAllPoints - taken - points(f.top) - (f.two ? points(f.t1) : 0);
        if (rest >= 25)
            return PlayLowestWinningCard(s, c);
        const int ledGroup = IsCardCode(led) ? GetSuitGroup(led) : kTrumps;
        if (f.two && (IsGroupEndangered(ledGroup) || CountGroupOut(ledGroup) == 1) &&
            f.tricks == 2 && IsTenOrAce(f.t1))
            return PlayPointLeadIfLegal(s, f.t1);
        return highest();
    }

    if (f.pos == 3) {
        if (f.sure < 1 && (f.partnerTrumps < 1 || !f.two)) {
            if (flag)
                return false;
            if (!f.canBeat) {
                if (safe && partnerTrumped && f.tricks == 2 && higher(f.c1) >= 2)
                    return PlayMoreValuableOfFirstTwo(s);
                return false;
            }
            if (f.n == 1) {
                if (higher(f.c1) != 1)
                    return false;
                const int ledGroup = IsCardCode(led) ? GetSuitGroup(led) : kTrumps;
                if (safe && !IsGroupEndangered(ledGroup) && PlayLowestPointSideCard(s))
                    return true;
                return highest();
            }
            if (f.n != 2)
                return false;
            const bool strong = IsSeatToMoveAbove10();
            if (strong && f.partnerAfter && playForPartner && (held & 1) != 0)
                return PlayIfLegal(s, fox, kReasonFox);
            if (IsGroupEndangered(kTrumps) || !Beats(f.t1, c))
                return false;
            if (!strong || !f.partnerAfter || higher(f.c1) < 2)
                return PlayPointLeadIfLegal(s, f.t1);
            return PlayMoreValuableOfFirstTwo(s);
        }
        if (f.sure < 1) { // a partner with trumps, two trumps held
            if (f.partnerAfter || DoesTrickGoToPartner())
                return false;
            if (points(f.t2) < points(f.t1))
                return give(f.t2);
            if (!f.canBeat || points(f.t2) > 3)
                return give(f.t1);
            return PlayLowestWinningCard(s, c);
        }
        if (!f.canBeat) {
            if (ShouldSacrificeTopTrump(s, c))
                return give(f.top);
            if (f.sure == 2) {
                if (KeepHighTrumpForPoints(s, c))
                    return true;
                return give(points(f.t2) < points(f.t1) ? f.t2 : f.t1);
            }
            if (!flag && f.partnerTrumps >= 1 && f.n == 1 && !playForPartner && points(f.t1) <= 3 &&
                points(f.c0) >= 10)
                return give(f.t1);
            return false;
        }
        if (f.partnerTrumps < 1 && !f.partnerAfter) {
            if (PlayTopTrumpRule(s))
                return true;
            if (f.sure != 2) {
                int value = 0;
                if (!flag && safe && contestTrick == 0 && PlayLowestPointSideCard(s))
                    return true;
                if (GetTrickSpecialPoints(&value) && MayTakeTrick() && PlayLowestWinningCard(s, c))
                    return true;
                if (lastTwo())
                    return true;
                if (f.q < 10 && low())
                    return true;
            }
            return highest();
        }
        if (f.partnerTrumps < 1) {
            if (!flag) {
                if (PlayTopTrumpRule(s))
                    return true;
                if (!NoFoxAtRisk() && (f.two ? low() : PlayPointLeadIfLegal(s, f.t1)))
                    return true;
            }
            return lastTwo() || PlayLowestWinningCard(s, c);
        }
        if (safe)
            return low();
        if (!f.partnerAfter)
            return highest();
        return PlayLowestWinningCard(s, c);
    }

    if (f.pos == 4 && !DoesTrickGoToPartner()) {
        if (f.sure < 1) {
            if (OpponentsTopTrumpsLower(s)) {
                if (f.canBeat)
                    return PlayLowestWinningCard(s, c);
                return f.two && (f.tricks == f.n || flag) && low();
            }
            if (f.n == 1)
                return !flag && f.canBeat && higher(f.t1) >= 1 && low();
            if (f.n != 2)
                return false;
            if (!f.canBeat) {
                if (!flag)
                    return false;
                if (points(f.t1) <= points(f.t2) || f.tricks > 3)
                    return PlayPointLeadIfLegal(s, f.t1);
                if (!IsSeatToMoveAbove10())
                    return PlayPointLeadIfLegal(s, f.t2);
                if (f.partnerTrumps == 0 && points(f.t1) < 10 && higher(f.t2) < 3)
                    return PlayPointLeadIfLegal(s, f.t1);
                return PlayPointLeadIfLegal(s, f.t2);
            }
            if (f.partnerTrumps != 0)
                return PlayLowestWinningCard(s, c);
            if (f.tricks != 2 || !Beats(f.t1, c))
                return false;
            return PlayPointLeadIfLegal(s, points(f.t1) > points(f.t2) ? f.t1 : f.t2);
        }
        if (!f.canBeat) {
            if (ShouldSacrificeTopTrump(s, c))
                return give(f.n == 1 ? f.t1 : f.t2);
            if (f.n == 1 && !flag)
                return false;
            return (f.tricks == f.n || flag) && low();
        }
        if (f.partnerTrumps < 1) {
            if (f.sure == 1) {
                if (f.two && points(f.t2) > 3 && PlayTopTrumpRule(s))
                    return true;
                return lastTwo();
            }
            return highest();
        }
        return Beats(f.t1, c) ? PlayPointLeadIfLegal(s, f.t1) : highest();
    }

    if (f.pos == 4) { // the trick goes to the partner
        if (IsSeatToMoveAbove10() && f.sure == 0 && f.tricks == 2 && (!flag || f.two))
            return PlayMoreValuableOfFirstTwo(s);
        if (!f.two)
            return false;
        if (f.sure > 0) {
            if (f.tricks != 2 && !(flag && IsCardCode(led) && IsTrump(led)))
                return false;
            return low();
        }
        return PlayPointLeadIfLegal(s, points(f.t1) >= points(f.t2) ? f.t1 : f.t2);
    }

    // The seat leads (the end-phase lead with two tricks left).
    if (f.sure > 1)
        return IsSpecialCard(f.t2) && PlaySecondHighestOfGroup(s, kTrumps);
    const bool masterFirst = IsCardCode(f.c0) && IsMaster(s, f.c0);
    if (!(f.sure == 0 && f.n != 2 && f.out == 1 && masterFirst)) {
        if (!IsSeatToMoveAbove10() || f.tricks != 2)
            return false;
        if (f.two)
            return points(f.c0) <= 9 && IsSpecialCard(f.c1) && PlaySecondHighestOfGroup(s, kTrumps);
        if (!(f.sure == 1 && f.partnerTrumps == 1 && (f.out == 1 || masterFirst)))
            return false;
    }
    return PlayPointLeadIfLegal(s, f.c0);
}

bool SchafkopfCardPlay::PlayTrumpDecisionSimple(int s, int c, bool flag) {
    if (!IsSeat(s) || s != seatToMove || MustFollowPlainSuit(s))
        return false;
    const TrumpFacts f = ReadTrumpFacts(s, c);
    const int led = LedCard();
    if (f.n == 0 || (flag && IsCardCode(led) && !IsTrump(led)))
        return false;
    auto higher = [&](int card) { return CountHigherCardsOut(s, card); };
    auto points = [&](int card) { return IsCardCode(card) ? GetCardPoints(card) : 0; };
    auto highest = [&] { return PlayHighestOfGroup(s, kTrumps); };
    auto low = [&] { return PlayLowOfGroup(s, kTrumps); };
    auto give = [&](int card) { return PlayIfLegal(s, card, kReasonGiveTrump); };
    const int fox = GetFoxCard(1);
    int held = 0;
    GetHeldSpecials(&held);

    if (f.pos == 2) {
        if (f.sure < 1) {
            if (f.partnerTrumps != 0 || f.partnerAfter)
                return false;
            if (f.n == 1 && !flag && f.q >= 7 && held == 0 && points(f.c1) <= 3)
                return low();
            return f.n == 2 && higher(f.t1) == 1 && low();
        }
        if (!f.canBeat)
            return ShouldSacrificeTopTrump(s, c) && give(f.top);
        if (f.partnerTrumps < 1 && !f.partnerAfter) {
            if (f.sure == 1 && PlayTopTrumpRule(s))
                return true;
            return f.q > 7 ? highest() : low();
        }
        if (f.partnerTrumps < 1) {
            if (!flag)
                return !(NoFoxAtRisk() || Beats(fox, f.belowTop)) ? low() : highest();
            return Beats(c, f.belowTop) ? highest() : PlayLowestWinningCard(s, c);
        }
        return highest();
    }
    if (f.pos == 3) {
        if (f.sure < 1) {
            if (f.partnerTrumps > 0 && f.two) {
                if (f.partnerAfter || DoesTrickGoToPartner())
                    return false;
                if (points(f.t2) < points(f.t1))
                    return give(f.t2);
                if (f.canBeat && points(f.t2) < 4)
                    return PlayLowestWinningCard(s, c);
                return give(f.t1);
            }
            return !flag && f.n == 1 && f.canBeat && higher(f.c1) == 1 && highest();
        }
        if (!f.canBeat)
            return ShouldSacrificeTopTrump(s, c) && give(f.top);
        if (f.partnerTrumps < 1 && !f.partnerAfter) {
            if (PlayTopTrumpRule(s))
                return true;
            return f.sure == 2 || f.q > 9 ? highest() : low();
        }
        if (f.partnerTrumps < 1) {
            if (IsCardCode(c) && higher(c) > 2 && f.partnerTrumps > 0 && low())
                return true;
            if (!flag && PlayTopTrumpRule(s))
                return true;
            if (!NoFoxAtRisk() && (f.n != 2 ? PlayPointLeadIfLegal(s, f.c0) : low()))
                return true;
            return PlayLowestWinningCard(s, c);
        }
        return IsTrickSafeForPartner() ? low() : highest();
    }
    if (f.pos == 4) {
        if (f.sure < 1) {
            if (OpponentsTopTrumpsLower(s))
                return f.two && low();
            if (!f.two)
                return false;
            if (!f.canBeat)
                return PlayPointLeadIfLegal(s, points(f.t1) < points(f.t2) ? f.t1 : f.t2);
            return PlayLowestWinningCard(s, c);
        }
        if (!f.canBeat)
            return ShouldSacrificeTopTrump(s, c) && give(f.n == 1 ? f.t1 : f.t2);
        if (f.partnerTrumps > 0 || f.sure != 1)
            return highest();
        if (points(f.t2) > 3 && PlayTopTrumpRule(s))
            return true;
        return f.tricks == 2 && TakeLastTricksByPoints(s, c, flag);
    }
    return false;
}

bool SchafkopfCardPlay::KeepHighTrumpForPoints(int s, int c) {
    if (!IsSeat(s) || s != seatToMove || TrumpCount(s) != 2 || MustFollowPlainSuit(s))
        return false;
    const int target = GetPointTarget(s);
    if (target <= 17 || IsTrickSafeForPartner())
        return false;
    const int t1 = TrumpAt(s, 0);
    const int t2 = TrumpAt(s, 1);
    if (IsCardCode(c) && Beats(t2, c))
        return false;
    const int p = GetCardPoints(t2);
    if (p < 10)
        return false;
    int taken = 0;
    for (int seat = 0; seat < kSeatCount; ++seat)
        taken += cardPoints[seat];
    // The high trump is worth keeping while the points still to come can reach the target.
    if (target > (4 * (kAllPoints - taken - PointsSoFar() - p)) / 5 + p)
        return false;
    return PlayPointLeadIfLegal(s, t1);
}

// --- following a trump lead ---

bool SchafkopfCardPlay::FollowTrumpLead(int) {
    const int s = seatToMove;
    if (!IsSeat(s))
        return false;
    const int best = GetBestCardSoFar();
    bool played = false;
    if (IsTrickSafeForPartner()) {
        played = FollowTrumpLeadSafe(best, true);
    } else if (!IsOpponentStillToPlay()) {
        played = FollowTrumpLeadDeep(best);
    } else if (!DoesTrickGoToPartner()) {
        int held = 0;
        GetHeldSpecials(&held);
        played = (playForPartner && IsPartnerStillToPlay() && RateCardRole(best) < 3 &&
                  (held & 1) != 0 && PlaySpecialCard(s, held & 1)) ||
                 FollowTrumpLeadOpen(best);
    } else {
        played = FollowTrumpLeadSafe(best, GetTrickPosition(s) != 4);
    }
    // The follow of a trump lead always plays: a low trump when every attempt declined.
    return played || PlayLowOfGroup(s, kTrumps);
}

bool SchafkopfCardPlay::FollowTrumpLeadSafe(int, bool flag) {
    const int s = seatToMove;
    if (!IsSeat(s))
        return false;
    const bool strong = AreOpponentsStrongInTrumps();
    if (!strong || flag) {
        int mask = 0;
        if (ShouldPlaySpecialNow(&mask) && PlaySpecialCard(s, mask))
            return true;
    } else if (PlayLastTricksTrump(s)) {
        return true;
    }
    return PlayTrumpSuitByValue(s, true) || PlayLowOfGroup(s, kTrumps);
}

bool SchafkopfCardPlay::FollowTrumpLeadOpen(int best) {
    const int s = seatToMove;
    if (!IsSeat(s))
        return false;
    const bool skilled = IsSeatToMoveAbove5();
    const int n = TrumpCount(s);
    const int top = TopTrump(s);
    const bool canBeat = top != 0 && (!IsCardCode(best) || Beats(top, best));
    int held = 0;
    GetHeldSpecials(&held);
    if (playForPartner) {
        if (skilled && canBeat && CountHigherCardsOut(s, best) == 1 &&
            CountSureTricksInGroup(s, kTrumps) == 0 && n == 2 && PlayHighestOfGroup(s, kTrumps))
            return true;
        if (held != 0 && PlaySpecialCard(s, held))
            return true;
        if (PlayTrumpSuitByValue(s, true))
            return true;
    }
    if (!canBeat)
        return PlayLowOfGroup(s, kTrumps);
    if (!AreOpponentsStrongInTrumps() || IsDefenderInGermanCall(s)) {
        const int q = PointsSoFar();
        const int pos = GetTrickPosition(s);
        if (TrumpForGameWin(s, best))
            return true;
        if (held != 0 && PlaySpecialCardOfKind(s, best, held))
            return true;
        if (GameBits(gameType.word) == kWordPureSuitSolo && q > 5 && PlayLowestWinningCard(s, best))
            return true;
        if (q < 8) {
            const bool partnerAfter = IsPartnerStillToPlay();
            if (skilled && n == 2 && CountHigherCardsOut(s, top) > 1 &&
                (pos == 4 || (pos == 3 && !partnerAfter && GetCardPoints(top) < 10) ||
                 (pos == 3 && partnerAfter))) {
                const int style = (seats[s].profile - 1) % 5;
                const int playedTrumps =
                    CountGroupInDeck(kTrumps, gameType.trumpSuit, gameType.word) -
                    CountGroupOut(kTrumps) - n;
                if (pos == 3 && partnerAfter && style < 2 && HoldsTrumpAceOrTen() &&
                    playedTrumps < 4 && PlayLowOfGroup(s, kTrumps))
                    return true;
                if (PlayLowestWinningCard(s, best))
                    return true;
            }
            if (HoldsUnbeatenCard(kTrumps, best))
                return TrumpToWin(s, best, true);
            if (IsPartnerStillToPlay() && PlayLowestWinningCard(s, best))
                return true;
            if (AreOpponentsStrongInTrumps() && skilled && pos > 2 && q > 4 &&
                PlayLowestWinningCard(s, best))
                return true;
            int place = -1;
            int reason = -1;
            const int d = DryRunCard(
                s, [&] { return FollowInTrumpNormalGame(s, best); }, &place, &reason);
            if (d != 0 && (GetCardPoints(d) < 10 || !Beats(top, d) || n < 3) &&
                PlayRuleCard(s, place, reason))
                return true;
        }
    }
    return PlayLowestWinningCard(s, best) || PlayLowOfGroup(s, kTrumps);
}

bool SchafkopfCardPlay::FollowTrumpLeadDeep(int best) {
    const int s = seatToMove;
    if (!IsSeat(s))
        return false;
    const bool skilled = IsSeatToMoveAbove5();
    const bool strongOpponents = AreOpponentsStrongInTrumps();
    const bool toPartner = DoesTrickGoToPartner();
    const int n = TrumpCount(s);
    const int top = TopTrump(s);
    const int q = PointsSoFar();
    const int pos = GetTrickPosition(s);
    const bool canBeat = top != 0 && (!IsCardCode(best) || Beats(top, best));
    auto winning = [&] { return PlayLowestWinningCard(s, best); };
    int value = 0;
    const bool valueFlags = GetTrickSpecialPoints(&value);

    if (!IsGroupEndangered(kTrumps)) {
        if (!toPartner)
            return FollowTrumpLeadOpen(best);
        int mask = 0;
        if (ShouldPlaySpecialNow(&mask) && PlaySpecialCard(s, mask))
            return true;
        if (TrumpForGameWin(s, best) || PlayTrumpSuitByValue(s, true))
            return true;
    }
    if (toPartner && !IsSpecialCard(best)) {
        const int role = RateCardRole(best);
        const int higherBest = CountHigherCardsOut(s, best);
        if (role == 1) {
            if (n == 2 && GetCardPoints(best) >= 10 && PlayTopTrumpIfHigh(s, best))
                return true;
            if (n == 2 && skilled && PlayHighTrumpOver(s, best, true))
                return true;
            if (n == 3 && skilled && q > 9 && PlayHighTrumpPair(s, best, true))
                return true;
        } else if (role == 3) {
            if (PlayLastTwoTrumps(s))
                return true;
            const int c0 = seats[s].hand[0];
            const int c1 = seats[s].hand[1];
            if (CountTricksLeft() == 2 && n == 2 && IsCardCode(c1) && !Beats(best, c1) &&
                higherBest < 2 && PlayPointLeadIfLegal(s, c0))
                return true;
            // Both copies of the top cards can never be accounted for with one copy of each
            // card, so the run from the top is always allowed here.
            if (CountTricksLeft() == 3 && n == 3 && skilled && higherBest < 2 &&
                PlayTrumpSuitByValue(s, IsMaster(s, best)))
                return true;
            return FollowInTrumpNormalGame(s, best) || PlayLowOfGroup(s, kTrumps);
        } else if (skilled && !strongOpponents && n == 3 && CountHigherCardsOut(s, top) < 3 &&
                   FollowInTrumpNormalGame(s, best)) {
            return true;
        }
        if (winning())
            return true;
    }
    // The unskilled and the low-points cases end in the library's trump play.
    auto unbeatenOrParty = [&](bool* stop) {
        *stop = false;
        if (HoldsUnbeatenCard(kTrumps, best)) {
            *stop = true;
            return TrumpToWin(s, best, true);
        }
        if (RateCardRole(best) > 2 || !IsPartnerStillToPlay()) {
            if (valueFlags && PlayTopTrumpIfHigh(s, best))
                return true;
            if (PlayLowestWinnerForParty(s, best))
                return true;
            *stop = true; // on to the library's trump play
        }
        return false;
    };
    const bool partnerKnown = IsSeat(moverPartners[0]) && IsPartyKnown(moverPartners[0]);
    if (!toPartner && contestTrick == 0) {
        if (strongOpponents) {
            if (valueFlags && PlayTopTrumpIfHigh(s, best))
                return true;
            if (q > 6 && winning())
                return true;
            return PlayLowOfGroup(s, kTrumps);
        }
        if (playForPartner) {
            int mask = 0;
            if (ShouldPlaySpecialNow(&mask) && PlaySpecialCard(s, mask))
                return true;
            return PlayTrumpSuitByValue(s, true) || PlayLowOfGroup(s, kTrumps);
        }
    } else if (contestTrick != 0 && strongOpponents) {
        if (EvaluateTrumpLead(false, kTrumps) && canBeat && PlayHighestOfGroup(s, kTrumps))
            return true;
        bool stop = false;
        if (!skilled) {
            if (!IsPartnerStillToPlay() && partnerKnown &&
                (q > 5 || CountHigherInHand(s, best) > 1) && winning())
                return true;
            if (q < 7) {
                const bool played = unbeatenOrParty(&stop);
                if (played)
                    return true;
                if (!stop && winning())
                    return true;
            } else if (winning()) {
                return true;
            }
        } else {
            if (valueFlags && (PlayTopTrumpIfHigh(s, best) || TakeTrickForAces(s, best)))
                return true;
            if (IsAnnouncedByParty(s) && PlayHighTrumpPair(s, best, q > 9))
                return true;
            if (!IsPartnerStillToPlay() && partnerKnown &&
                (q > 4 || CountHigherInHand(s, best) > 1)) {
                if (q > 7 &&
                    (q < 11 ? PlayHighTrumpOver(s, best, true) : PlayTopTrumpIfHigh(s, best)))
                    return true;
                if (canBeat && LeadMiddleTrump(s, true, true))
                    return true;
                if (winning())
                    return true;
            }
            if (canBeat && pos == 3 && q > 14 && PlayTopTrumpIfHigh(s, best))
                return true;
            if (q < 10 && unbeatenOrParty(&stop))
                return true;
            if (!stop && winning())
                return true;
        }
    } else if (contestTrick != 0) {
        if (OvertrumpWithFewTrumps(s, best))
            return true;
        if (valueFlags && PlayTopTrumpIfHigh(s, best))
            return true;
        const int fox = GetFoxCard(1);
        const int grasOber = 21; // the second-highest trump of the partner games
        if (!IsSoloGame() && !IsSeat(moverPartners[0]) && best == grasOber &&
            seats[s].inDeclarerParty == 0 && FollowInTrumpNormalGame(s, grasOber))
            return true;
        if (pos == 3 && canBeat && !IsSoloGame() && fox != 0 && Beats(fox, best)) {
            int place = -1;
            int reason = -1;
            const int d = DryRunCard(
                s, [&] { return FollowInTrumpNormalGame(s, best); }, &place, &reason);
            if (d != 0 && (d == fox || Beats(fox, d))) {
                if (PlayHighTrumpOver(s, best, true) || LeadMiddleTrump(s, true, true))
                    return true;
            } else if (d != 0 && PlayRuleCard(s, place, reason)) {
                return true;
            }
        }
        if (skilled) {
            if (IsSeatToMoveAbove10() && q > 13 && PlayTrumpByEstimate(s, false, false))
                return true;
            if (q > 9 && (PlayTopTrumpIfHigh(s, best) || winning()))
                return true;
            if (PlayTrumpOrPoints(s, best))
                return true;
            if (CountHigherInHand(s, best) > 1 && winning())
                return true;
        }
    }
    return FollowInTrumpNormalGame(s, best) || PlayLowOfGroup(s, kTrumps);
}
