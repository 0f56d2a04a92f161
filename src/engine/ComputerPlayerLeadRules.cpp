// The rules that choose a lead and the trumps of the last tricks: low side cards by rank order,
// points from the King down, the top of a suit likely to go through or of one the partner can
// ruff, the top trump while its twin is still out, and the trump choice in the last three
// tricks. Beside them the reckonings other rules lean on: the partner's sure trumps seen from
// the cards it has played, whether the party holds the top trump, and the tricks still needed.
#include "engine/ComputerPlayer.h"

#include <algorithm>

namespace {

constexpr int kReasonLow = 9;
constexpr int kReasonLowWithoutAce = 23;
constexpr int kReasonLowByRank = 24;
constexpr int kReasonPointsFromKing = 58;
constexpr int kReasonLastTrumpSignal = 34;
constexpr int kReasonLastTrickTrump = 35;
constexpr int kReasonLastTrumpStrong = 36;

} // namespace

int ComputerPlayer::CountSuitSignals(int seat, int suit) {
    if (!IsSeat(seat) || suit < 0 || suit > 3)
        return 0;
    int sum = 0;
    for (int s = 0; s < GetSeatCount(); ++s) {
        if (s == seat || !IsStyleActive(s))
            continue;
        const int mark = seats[s].suitSignalMarks[suit];
        if (mark != 0 && seats[s].suitSignalValues[suit] >= 100)
            sum += mark;
    }
    return sum;
}

int ComputerPlayer::LowestOfSuit(int seat, int group) {
    if (!IsPlainSuit(group) || seats[seat].groupCount[group] == 0)
        return 0;
    return seats[seat].hand[GetGroupStart(seat, group)];
}

bool ComputerPlayer::LeadLowFromSuitWithoutAce(int seat) {
    if (!IsSeat(seat))
        return false;
    for (int k = GetLowestRankStep(); k <= 6; ++k)
        for (int g = 0; g < 4; ++g) {
            const int low = LowestOfSuit(seat, g);
            if (low != 0 && CopiesInRankMask(seats[seat].aceMask, g) == 0 && !IsTrump(low) &&
                RankStepOf(low) == k)
                return PlayRuleCard(seat, GetGroupStart(seat, g), kReasonLowWithoutAce);
        }
    return false;
}

bool ComputerPlayer::LeadLowFromNineToKing(int seat) {
    if (!IsSeat(seat) || !IsSeatToMoveAbove10())
        return false;
    const SeatBlock& block = seats[seat];
    for (int pass = 1; pass <= 3; ++pass) {
        const int topStep = pass == 2 ? 7 : 6;
        for (int k = GetLowestRankStep(); k <= topStep; ++k)
            for (int g = 0; g < 4; ++g) {
                const int low = LowestOfSuit(seat, g);
                if (low == 0 || RankStepOf(low) != k)
                    continue;
                const int n = block.groupCount[g];
                if (pass == 1 && n == 2) {
                    const int high = block.hand[GetGroupEnd(seat, g)];
                    if (IsMaster(seat, high) && !IsCardPlayed(high, false))
                        continue;
                }
                if (pass == 2 && (CopiesInRankMask(block.aceMask, g) == 0 ||
                                  (CountSuitSignals(seat, g) < 1 && n < 3)))
                    continue;
                return PlayRuleCard(seat, GetGroupStart(seat, g), kReasonLowByRank);
            }
    }
    return false;
}

bool ComputerPlayer::LeadLowSideCardSafely(int seat) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    for (bool spare : {true, false}) {
        if (spare && !IsSeatToMoveAbove5())
            continue;
        for (int k = GetLowestRankStep(); k <= 6; ++k)
            for (int g = 0; g < 4; ++g) {
                const int low = LowestOfSuit(seat, g);
                if (low == 0 || IsTrump(low) || RankStepOf(low) != k)
                    continue;
                if (spare && block.groupCount[g] == 2) {
                    const int high = block.hand[GetGroupEnd(seat, g)];
                    if (IsMaster(seat, high) && PlayedCopies(high) == 0 && HasTwoCopies())
                        continue;
                }
                return PlayRuleCard(seat, GetGroupStart(seat, g), kReasonLowByRank);
            }
    }
    return false;
}

bool ComputerPlayer::LeadLowSideCard(int seat) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    const bool expert = block.profile >= 6 && GetLineGameKind() != 1;
    int rememberedTen = -1;
    // A step whose Schellen card is a trump counts as a trump rank; with Schellen the trump
    // suit that is every step.
    for (int k = expert ? 1 : GetLowestRankStep(); k <= 7; ++k) {
        if (IsTrump(k))
            continue;
        for (int g = 0; g < 4; ++g) {
            const int low = LowestOfSuit(seat, g);
            if (low == 0 || RankStepOf(low) != k)
                continue;
            const int n = block.groupCount[g];
            const int sure = block.groupEval[g][0];
            if (!(sure == 0 || (n > 1 && n > sure)))
                continue;
            if (expert && RankCodeOf(low) == kRankTen && sure == 0) {
                if (rememberedTen < 0)
                    rememberedTen = g;
                continue;
            }
            return PlayRuleCard(seat, GetGroupStart(seat, g), kReasonLowByRank);
        }
    }
    if (rememberedTen < 0)
        return false;
    for (int g = 0; g < 4; ++g) {
        const int low = LowestOfSuit(seat, g);
        if (low != 0 && block.groupEval[g][0] == block.groupCount[g] && GetCardPoints(low) == 0 &&
            CountGroupOut(g) == 0)
            return PlayRuleCard(seat, GetGroupStart(seat, g), kReasonLowByRank);
    }
    return PlayRuleCard(seat, GetGroupStart(seat, rememberedTen), kReasonLowByRank);
}

bool ComputerPlayer::LeadPointsDownFromKing(int seat) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    const int places = std::min(GetCardsPerHand(), kHandPlaces);
    for (bool passOver : {true, false})
        for (int k = 6; k >= GetLowestRankStep(); --k)
            for (int p = 0; p < places; ++p) {
                const int card = block.hand[p];
                if (card == 0 || IsTrump(card) || RankStepOf(card) != k)
                    continue;
                if (passOver && HasTwoCopies() && IsMaster(seat, card) && PlayedCopies(card) == 0)
                    continue;
                return PlayRuleCard(seat, p, kReasonPointsFromKing);
            }
    return false;
}

bool ComputerPlayer::LeadLowSideCardByPlan() {
    const int mover = seatToMove;
    if (!IsSeat(mover))
        return false;
    return LeadFromSuitWithoutAceOrTen(mover) || LeadFromSuitWithGuardedTen(mover) ||
           LeadFromSuitWithOneAceLeft(mover) || LeadFromSuitWithBothAces(mover) ||
           PlayLowCardNineToKing(mover);
}

bool ComputerPlayer::LeadMostLikelySureSuit() {
    const int mover = seatToMove;
    if (!IsSeat(mover))
        return false;
    // The best so far is kept as a whole number, so a later suit a fraction above it wins.
    int kept = 0;
    int chosen = -1;
    for (int g = 0; g < 4; ++g) {
        const float chance = IsPlainSuit(g) ? SureTricksChance(g) : 0.0f;
        if (chance > static_cast<float>(kept)) {
            chosen = g;
            kept = static_cast<int>(chance);
        }
    }
    if (chosen < 0 || seats[mover].groupCount[chosen] == 0 ||
        !PassesThreshold(seats[mover].profile, static_cast<float>(kept), 55, 60, 65, 70))
        return false;
    return PlayHighestOfGroup(mover, chosen);
}

bool ComputerPlayer::LeadSuitPartnerCanRuff(int seat) {
    const int partner = moverPartners[0];
    if (!IsSeat(seat) || seats[seat].profile <= 5 || !IsSeat(partner))
        return false;
    const int position = GetTrickPosition(partner);
    if (position != 3 && position != 4)
        return false;
    const SeatBlock& block = seats[seat];
    for (int g = 0; g < 4; ++g)
        if (IsPlainSuit(g) && block.groupCount[g] > 0 && IsGroupEndangered(g) &&
            GetSuitCount(partner, g) == 0)
            return PlayHighestOfGroup(seat, g);
    // With the partner third the seat after it must not be able to over-ruff.
    if (position == 3 && MayStillTrump(NextSeat(partner)))
        return false;
    for (int g = 0; g < 4; ++g)
        if (IsPlainSuit(g) && block.groupCount[g] > 0 && GetSuitCount(partner, g) == 0)
            return PlayHighestOfGroup(seat, g);
    return false;
}

bool ComputerPlayer::PlayWeakTrumpsByValue(int seat) {
    const int trumps = TrumpCount(seat);
    if (!IsSeat(seat) || !IsSeatToMoveAbove15() || playForPartner != 0 || trickNumber < 5 ||
        !IsSeat(moverPartners[0]) || trumps < 1 || trumps > 4 || GetTrickPosition(seat) != 3 ||
        IsPartyStrongInTrumps())
        return false;
    const int top = TopTrump(seat);
    const int higher = CountHigherCardsOut(seat, top) + (PlayedCopies(top) == 0 ? 1 : 0);
    return higher >= trumps && PlayTrumpSuitByValue(seat, true);
}

bool ComputerPlayer::PlayTopTrumpFirstCopy(int seat) {
    if (!IsSeat(seat) || !HasTwoCopies() || TrumpCount(seat) == 0)
        return false;
    const int top = TopTrump(seat);
    if (top == kHeartTen && IsHeartTenTop(&gameType) && SecondHeartTenWins())
        return false;
    if (PlayedCopies(top) > 0)
        return false;
    return PlayHighestOfGroup(seat, kTrumpGroup);
}

bool ComputerPlayer::PlayLastTwoTrumps(int seat) {
    if (!IsSeat(seat) || TrumpCount(seat) != 2 || CountGroupOut(kTrumpGroup) != 0)
        return false;
    if (GetCardPoints(TrumpAt(seat, 1)) < GetCardPoints(TrumpAt(seat, 0)))
        return PlayHighestOfGroup(seat, kTrumpGroup);
    return PlayLowOfGroup(seat, kTrumpGroup);
}

bool ComputerPlayer::PlayLastTrump(int seat, int card) {
    if (!IsSeat(seat) || trickNumber < GetEndgameTrick() || TrumpCount(seat) != 1 ||
        (IsCardCode(card) && IsTrump(card)) || IsSoloGame())
        return false;
    if (!IsListedInPartyView(seat) && HeldCopies(seat, kEichelOber) > 0)
        return PlayTrumpAt(seat, 0, kReasonLastTrumpSignal);
    if (IsPartyStrongInTrumps())
        return PlayTrumpAt(seat, 0, kReasonLastTrumpStrong);
    return false;
}

bool ComputerPlayer::PlayLastTricksTrumpSecondLast(int seat) {
    // Two cards left: the rule's steps read them as the lower and the higher trump.
    const SeatBlock& block = seats[seat];
    if (TrumpCount(seat) != 2 || block.hand[2] != 0)
        return PlayTrumpAt(seat, 0, kReasonLow);
    const int low = TrumpAt(seat, 0);
    const int high = TrumpAt(seat, 1);
    const int out = CountGroupOut(kTrumpGroup);
    const int higher = CountHigherCardsOut(seat, high);
    if (higher != 0) {
        if (low == kEichelUnter && ClubUnterLastTrickScores() &&
            CountHigherCardsOut(seat, kEichelUnter) == higher)
            return PlayHighestOfGroup(seat, kTrumpGroup);
        if (block.profile <= 5)
            return PlayLowOfGroup(seat, kTrumpGroup);
        if (out != 1 && PlayedCopies(low) == 0)
            return PlayLowOfGroup(seat, kTrumpGroup);
        return PlayIfHeldPointLead(seat, GetCardPoints(low) < GetCardPoints(high) ? low : high);
    }
    if (PlayedCopies(high) > 0) {
        if (IsSeatToMoveAbove5()) {
            int mask = 0;
            GetHeldSpecials(&mask);
            if (out <= 1 && (mask & 4) != 0)
                return PlayTrumpAt(seat, high == kEichelUnter ? 0 : 1, kReasonLastTrickTrump);
            if (!AreLastTrickSpecialsSettled(seat) && out >= 4 &&
                AreSuitEstimatesBelow(kTrumpGroup, 55))
                return PlayLowOfGroup(seat, kTrumpGroup);
        }
        return seat == leader ? PlayHighestOfGroup(seat, kTrumpGroup)
                              : PlayLowOfGroup(seat, kTrumpGroup);
    }
    if (high == kHeartTen && IsHeartTenTop(&gameType) && SecondHeartTenWins() &&
        GetTrickPosition(seat) != 4)
        return PlayLowOfGroup(seat, kTrumpGroup);
    return PlayHighestOfGroup(seat, kTrumpGroup);
}

bool ComputerPlayer::PlayLastTricksTrumpByPartner(int seat) {
    const int partner = moverPartners[0];
    if (!IsSeat(partner))
        return PlayLowOfGroup(seat, kTrumpGroup);
    const SeatBlock& block = seats[seat];
    if ((GetTrickPosition(partner) == 4 || partner == NextSeat(seat)) &&
        FailsThreshold(block.profile, seatEstimates[partner].voidEstimate[kTrumpGroup], 20, 25, 25,
                       30)) {
        const int lowRank = RankCodeOf(TrumpAt(seat, 0));
        if (GetLineGameKind() == 2 && IsSeatToMoveAbove5() &&
            (lowRank == kRankTen || lowRank == kRankAce) && LeadMiddleTrump(seat, true, true))
            return true;
        return PlayLowOfGroup(seat, kTrumpGroup);
    }
    if (IsSpecialCard(block.hand[1]))
        return PlayLowOfGroup(seat, kTrumpGroup);
    if (TrumpCount(seat) >= 2)
        return PlaySecondHighestOfGroup(seat, kTrumpGroup);
    return PlayLowOfGroup(seat, kTrumpGroup);
}

bool ComputerPlayer::PlayLastTricksTrump(int seat) {
    if (!IsSeat(seat) || TrumpCount(seat) == 0)
        return false;
    const int r = trickNumber + 12 - GetCardsPerHand();
    if (r == 10) {
        const int sure = CountSureTricksInGroup(seat, kTrumpGroup);
        if (sure == 0 || (sure == 1 && CountGroupOut(kTrumpGroup) > 4))
            return PlayLastTricksTrumpByPartner(seat);
        if (sure == 1)
            return IsMaster(seat, TopTrump(seat)) ? PlayHighestOfGroup(seat, kTrumpGroup)
                                                  : PlayLowOfGroup(seat, kTrumpGroup);
        if (sure <= 3)
            return seat == leader ? PlayHighestOfGroup(seat, kTrumpGroup)
                                  : PlayLowOfGroup(seat, kTrumpGroup);
        return false;
    }
    if (r == 11)
        return PlayLastTricksTrumpSecondLast(seat);
    if (r == 12)
        return PlayLowOfGroup(seat, kTrumpGroup);
    return false;
}

void ComputerPlayer::CountSureTrumpsWithPartner(int seat, int partner, int* own, int* partners) {
    int x = CountSureTricksInGroup(seat, kTrumpGroup);
    int y = 0;
    auto done = [&] {
        if (own)
            *own = x;
        if (partners)
            *partners = y;
    };
    if (!watchPlaces || !IsSeat(seat)) {
        done();
        return;
    }
    if (!ArePartiesKnown()) {
        if (!IsSoloGame()) {
            const int special = GetSpecialTopCard();
            bool stop = false;
            if (specialPairSeat != -1 && specialPairSeat == partner)
                y += 2 - PlayedCopies(special);
            else if (specialPairSeat != -1 && PlayedCopies(special) < 2)
                stop = true;
            if (!stop) {
                if (diamondAcesSeat != -1 && diamondAcesSeat == partner)
                    y += 2 - PlayedCopies(kSchellenAce);
                else if (diamondAcesSeat != -1 && PlayedCopies(kSchellenAce) < 2)
                    stop = true;
            }
            if (!stop && seats[seat].inDeclarerParty != 0 &&
                HeldCopies(seat, kHeartTen) == 2 - PlayedCopies(kHeartTen))
                y += 1;
        }
        done();
        return;
    }
    y = std::max(y, static_cast<int>(trumpsAbovePartnerCard));
    if (trickNumber < GetEndgameTrick() - 3 || !IsSeat(partner) ||
        seatEstimates[partner].voidEstimate[kTrumpGroup] >= 100) {
        done();
        return;
    }
    const int kind = GetLineGameKind();
    int last = 9;
    if (kind == 1)
        last = IsShortDeck() ? 9 : 11;
    else if (kind == 2)
        last = IsShortDeck() ? 5 : 7;
    const std::uint8_t* places = placeRecords[partner].places;
    const int cards = std::min(GetCardsPerHand(), kHandPlaces);
    int c = 0;
    int cPlace = -1;
    int n = 0;
    if (last < kHandPlaces && places[last] != 0) {
        int s = cards - 1;
        for (;; --s) {
            if (s < 0) {
                done();
                return;
            }
            if (places[s] == 0)
                break;
            const int card = places[s];
            if (!IsTrump(card) || !IsMaster(seat, card)) {
                done();
                return;
            }
        }
        if (s + 1 >= kHandPlaces) {
            done();
            return;
        }
        c = places[s + 1];
        cPlace = s + 1;
        const int a = moverOpponents[0];
        const int b = moverOpponents[1];
        const int top = placeRecords[partner].topCard[kTrumpGroup];
        if (IsSeat(a) && IsSeat(b)) {
            const int ta = placeRecords[a].topCard[kTrumpGroup];
            const int tb = placeRecords[b].topCard[kTrumpGroup];
            if (ta != -1 && tb != -1 && IsCardCode(top) && (!IsCardCode(ta) || Beats(top, ta)) &&
                (!IsCardCode(tb) || Beats(top, tb)))
                n = 1;
        }
    } else {
        int s = cards - 2;
        while (s >= 0 && places[s] == 0)
            --s;
        if (s < 0 || !IsTrump(places[s])) {
            done();
            return;
        }
        c = places[s];
        cPlace = s;
        n = cards - s - 1;
    }
    if (!IsCardCode(c)) {
        done();
        return;
    }
    int m = CountHigherCardsOut(seat, c);
    const bool differsBelow = cPlace <= 0 || places[cPlace - 1] != c;
    if (differsBelow && PlayedCopies(c) == 0)
        ++m;
    if (m <= n)
        y = n;
    else if (n > 0 && m - 1 == n)
        y = n - 1;
    done();
}

bool ComputerPlayer::PartnersHoldTopTrump() {
    if (!ArePartiesKnown() || !watchPlaces)
        return false;
    const int mover = seatToMove;
    const int first = moverPartners[0];
    const int second = moverPartners[1];
    bool secondMaster = false;
    int lastTop = 0;
    if (IsSeat(second)) {
        lastTop = EstimateTopCard(second, kTrumpGroup);
        secondMaster = IsCardCode(lastTop) && IsMaster(mover, lastTop);
    }
    int firstTop = 0;
    if (IsSeat(first)) {
        firstTop = EstimateTopCard(first, kTrumpGroup);
        lastTop = firstTop;
    }
    if (!IsCardCode(lastTop))
        return false;
    if ((secondMaster || !IsSeat(second)) && IsSeat(first) && !IsMaster(mover, firstTop))
        return false;
    for (int i = 0; i < ListedOpponentCount(); ++i) {
        const int opponent = moverOpponents[i];
        if (!IsSeat(opponent))
            continue;
        const int top = EstimateTopCard(opponent, kTrumpGroup);
        if (IsCardCode(top) && IsMaster(mover, top))
            return false;
    }
    return true;
}

bool ComputerPlayer::CanPartnerTakeLead(int seat, int card) {
    if (!IsSeat(seat) || GetCardPoints(seats[seat].hand[0]) <= 9 || !PartnersHoldTopTrump())
        return false;
    int own = 0;
    int partners = 0;
    CountSureTrumpsWithPartner(seat, moverPartners[0], &own, &partners);
    if (partners <= 0)
        return false;
    if (IsPartnerStillToPlay())
        return IsCardCode(card) && IsMaster(seat, card);
    return TrumpCount(seat) == 2;
}

int ComputerPlayer::CountTricksStillNeeded() {
    int a = 3;
    if (IsSeat(seatToMove)) {
        switch (announcedKinds[seatToMove]) {
        case 2:
            a = 2;
            break;
        case 3:
            a = 1;
            break;
        case 4:
        case 5:
            a = 0;
            break;
        default:
            break;
        }
    }
    const int second = partyLists[2];
    const int points = IsSeat(second) ? GetPartyPoints(second) : 0;
    const int q = points < 60 ? points / 30 : (points + 1) / 30;
    int r = a - q;
    switch (GetPartyAnnouncementKind(false)) {
    case 2:
        r += 1;
        break;
    case 3:
        r += 2;
        break;
    case 4:
        r += 3;
        break;
    case 5:
        r = GetHandCapacity() - trickNumber;
        break;
    default:
        break;
    }
    return static_cast<std::int16_t>(r);
}
