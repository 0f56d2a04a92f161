// The card rules that Schafkopf puts in place of the engine's: they know one copy of each
// card, the called Ace and its holder's duties, and the two-card partnership.
#include "games/fourplayer/SchafkopfComputerBase.h"
#include "records/OptionRecordLayouts.h"

namespace {
constexpr int kReasonLow = 9;
constexpr int kReasonLowestWinning = 20;
constexpr int kReasonThrowOffTenOrAce = 26;
constexpr int kReasonHighTrumpSuit = 29;
constexpr int kReasonShowPartner = 34;
constexpr int kReasonRunAway = 50;
constexpr int kReasonLowCalled = kReasonLow;
constexpr int kReasonLowTrump = kReasonLow;
constexpr int kHerzOber = 13;
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

// --- helpers ---

int SchafkopfComputerBase::FindPlace(int seat, int card) {
    if (!IsSeat(seat) || !IsCardCode(card))
        return -1;
    for (int p = 0; p < GetCardsPerHand() && p < kHandPlaces; ++p)
        if (seats[seat].hand[p] == card)
            return p;
    return -1;
}

bool SchafkopfComputerBase::PlayIfLegal(int seat, int card, int reason) {
    const int place = FindPlace(seat, card);
    if (place < 0 || seat != seatToMove || IsLegalCard(seat, card) != kCardLegal)
        return false;
    return PlayRuleCard(seat, place, reason);
}

int SchafkopfComputerBase::CountPlayedBySeat(int seat, int group) {
    int count = 0;
    for (int t = 0; t < trickNumber - 1 && t < kTrickCount; ++t) {
        const int card = tricks[t].cards[seat];
        count += IsCardCode(card) && GetSuitGroup(card) == group ? 1 : 0;
    }
    return count;
}

bool SchafkopfComputerBase::PlayLowestWinningCard(int seat, int card) {
    if (!IsSeat(seat) || seat != seatToMove || !IsCardCode(card))
        return false;
    // The hand is sorted low to high within each group: the first legal winner is the lowest.
    for (int p = 0; p < GetCardsPerHand() && p < kHandPlaces; ++p) {
        const int held = seats[seat].hand[p];
        if (!IsCardCode(held) || IsLegalCard(seat, held) != kCardLegal)
            continue;
        const bool sameGroup = GetSuitGroup(held) == GetSuitGroup(card);
        if ((sameGroup && Beats(held, card)) || (IsTrump(held) && !IsTrump(card)))
            return PlayRuleCard(seat, p, kReasonLowestWinning);
    }
    return false;
}

// --- the rules in the engine's slots ---

void SchafkopfComputerBase::ShowClubQueen(int seat, int* place, int* reason) {
    const SchafkopfOptions& rules = Rules();
    if (!IsSeat(seat) || !place || !reason || *place < 0 || *place + 1 >= kHandPlaces ||
        !IsCallGame() || (calledSuit >= 0 && calledSuit <= 3))
        return;
    const std::int16_t partnerCards[2] = {rules.partnerCards[0], rules.partnerCards[1]};
    if (partnerCards[0] != kEichelOber && partnerCards[1] != kEichelOber)
        return;
    const int other = partnerCards[0] == kEichelOber ? partnerCards[1] : partnerCards[0];
    const int watched = other == kGrasOber ? kHerzOber : kGrasOber;
    const SeatBlock& block = seats[seat];
    if (block.hand[*place] != watched || ArePartiesKnown() || IsPartyKnown(seat) ||
        !IsCardInHand(seat, kEichelOber))
        return;
    const int next = block.hand[*place + 1];
    // The card shown instead must be one the seat may play now.
    if (!IsCardCode(next) || IsLegalCard(seat, next) != kCardLegal)
        return;
    ++*place;
    *reason = kReasonShowPartner;
}

bool SchafkopfComputerBase::LeadClubQueenToShowParty(int seat) {
    if (!IsSeat(seat) || seat != seatToMove || !IsCallGame() || seats[seat].plannedLevel != -1 ||
        IsPartyKnown(seat))
        return false;
    const bool called = calledSuit >= 0 && calledSuit <= 3;
    const SeatBlock& block = seats[seat];
    if (!block.inDeclarerParty) {
        if (!called || block.groupCount[calledSuit] == 0)
            return false;
        return PlayIfLegal(seat, block.hand[GetGroupStart(seat, calledSuit)], kReasonLowCalled);
    }
    if (!called) {
        const bool leadsLate = seat == leader && trickNumber > 2;
        if (!(trickNumber >= GetEndgameTrick() || block.oberCount > 1 || block.unterCount > 1 ||
              leadsLate))
            return false;
        // From the end of the trumps toward the front: the first of the two Obers that show.
        for (int p = GetGroupEnd(seat, kTrumpGroup);
             p >= GetGroupStart(seat, kTrumpGroup) && p >= 0; --p) {
            const int card = block.hand[p];
            if ((card == kEichelOber || card == kGrasOber) &&
                PlayIfLegal(seat, card, kReasonShowPartner))
                return true;
        }
        return false;
    }
    if (!HoldsCalledAce(seat))
        return false;
    const int held = block.groupCount[calledSuit];
    if (IsSeatToMoveAbove5() && !(trickNumber > 4 && held == 1))
        return false;
    if ((held < 4 || Rules().partnershipMode != 2) && IsGroupEndangered(calledSuit))
        return PlayIfLegal(seat, CalledCard(), kReasonShowPartner);
    if (seat == leader && !Rules().noCalledAceRules && held > 0)
        return PlayIfLegal(seat, block.hand[GetGroupStart(seat, calledSuit)], kReasonRunAway);
    return false;
}

bool SchafkopfComputerBase::FollowInTrumpNormalGame(int seat, int card) {
    if (!IsSeat(seat) || seat != seatToMove || !IsCardCode(card) || TrumpCount(seat) == 0)
        return false;
    const SeatBlock& block = seats[seat];
    const int lowest = block.hand[GetGroupStart(seat, kTrumpGroup)];
    auto lowestTrump = [&] { return PlayIfLegal(seat, lowest, kReasonLowTrump); };
    if (IsSoloGame() && (RankCodeOf(card) == kRankOber && IsTrump(card)))
        return lowestTrump();
    if (IsTrump(card) && !Beats(TopTrump(seat), card))
        return lowestTrump();
    const bool partnerTakes = seat != leader && DoesTrickGoToPartner();
    if (!partnerTakes) {
        const int obers = block.oberCount;
        if (obers < 2) {
            const int highUnters = (IsCardInHand(seat, kGrasUnter) ? 1 : 0) +
                                   (IsCardInHand(seat, kEichelUnter) ? 1 : 0);
            if (IsTrump(card) && IsCardHigher(card, kSchellenUnter) && card != kSchellenUnter &&
                highUnters + obers > 3 && PlayLowestWinningCard(seat, card))
                return true;
        }
        const int trumps = TrumpCount(seat);
        const int trumpTen = GetTrumpSuitCard(7);
        if (trumps > 1 && !IsCardHigher(trumpTen, lowest)) {
            if (trumps > 2) {
                for (int k = 1; k < trumps; ++k) {
                    const int t = TrumpAt(seat, k);
                    if (RankCodeOf(t) == kRankUnter && !(IsTrump(card) && Beats(card, t)))
                        return PlayLowestWinningCard(seat, card) || lowestTrump();
                }
            } else if (!HasWinningTopCard(kTrumpGroup) && PlayLowestWinningCard(seat, card)) {
                return true;
            }
        }
        if (TrickGameCore::TestSeatFlag(seat)) {
            const int ace = GetTrumpSuitCard(8);
            if (IsTrump(ace) && IsCardInHand(seat, ace) && PlayIfHeldPointLead(seat, ace))
                return true;
        }
    }
    return lowestTrump();
}

int SchafkopfComputerBase::ReplaceCardChoice(int seat, int card, int* place, int) {
    if (!IsSeat(seat) || !IsCardCode(card) || calledSuit < 0 || calledSuit > 3 || !IsCallGame() ||
        IsSoloGame() || GetSuitGroup(card) != calledSuit || WasGroupLed(calledSuit) ||
        FindPlace(seat, card) < 0)
        return -1;
    const SeatBlock& block = seats[seat];
    const bool leads = seat == leader;
    int replacement = -1;
    if (Rules().partnershipMode == 2) {
        if (IsDeclarer(seat) || !(leads || CanFollowSuit(seat)))
            return -1;
        const int held = block.groupCount[calledSuit];
        const int last = block.hand[GetGroupEnd(seat, calledSuit)];
        if (held + CountPlayedBySeat(seat, calledSuit) <= 3 && last == CalledCard())
            replacement = last;
    } else {
        if (leads || !IsDeclarer(seat) || block.groupCount[calledSuit] > 1 || CanFollowSuit(seat))
            return -1;
        const bool partnerCase = DoesTrickGoToPartner();
        const bool high = GetCardPoints(card) >= 10 || partnerCase;
        auto plainCard = [&](int step) {
            for (int g = 0; g < 4; ++g) {
                const int c = g * 8 + step;
                if (g != calledSuit && g != Rules().trumpSuit && !IsTrump(c) &&
                    IsCardInHand(seat, c))
                    return c;
            }
            return -1;
        };
        if (!high)
            for (int step = GetLowestRankStep(); step <= 8 && replacement < 0; ++step)
                replacement = plainCard(step);
        else
            for (int step = 8; step >= GetLowestRankStep() && replacement < 0; --step)
                replacement = plainCard(step);
        if (replacement < 0 && TrumpCount(seat) > 0)
            replacement = block.hand[GetGroupStart(seat, kTrumpGroup)];
    }
    // Only a card the seat may play now reaches the table.
    if (replacement < 0 || replacement == card || IsLegalCard(seat, replacement) != kCardLegal)
        return -1;
    if (place)
        *place = FindPlace(seat, replacement);
    return replacement;
}

int SchafkopfComputerBase::ReplaceCardChoiceNext(int seat, int card, int bestCard) {
    if (!IsSeat(seat) || !IsCardCode(card) || !IsCardCode(bestCard) || !IsTrump(card) ||
        !IsTrump(bestCard) || !Beats(card, bestCard) || IsTrickSafeForPartner())
        return -1;
    const int place = FindPlace(seat, card);
    if (place < 0 || place + 1 >= GetCardsPerHand())
        return -1;
    const int next = seats[seat].hand[place + 1];
    if (!IsCardCode(next) || !IsTrump(next) || !Beats(next, bestCard))
        return -1;
    const int below = GetNextLowerCard(next);
    if (below == -1 || GetNextUnplayedCard(below) != card)
        return -1;
    if (GetCardPoints(next) < GetCardPoints(card) - 1 || IsLegalCard(seat, next) != kCardLegal)
        return -1;
    return next;
}

bool SchafkopfComputerBase::PlayTrickTakingCard(int seat, int card) {
    if (!IsSeat(seat) || seat != seatToMove || !IsCardCode(card))
        return false;
    if (IsTrump(card) && (TrumpCount(seat) == 0 || !Beats(TopTrump(seat), card)))
        return false;
    return TrumpForGameWin(seat, card) || PlayLowestWinningCard(seat, card);
}

bool SchafkopfComputerBase::PlayHighSuitCardBehind(int seat, int card) {
    if (!IsSeat(seat) || seat != seatToMove || IsSoloGame())
        return false;
    if (!IsOpponentStillToPlay() && IsGroupEndangered(kTrumpGroup))
        return false;
    for (int step : {8, 7}) {
        const int top = gameType.trumpSuit * 8 + step;
        if (!IsCardCode(top) || !IsTrump(top))
            return false;
        if (IsCardCode(card) && IsCardHigher(card, top) && card != top)
            return false;
        if (IsCardInHand(seat, top) && PlayIfLegal(seat, top, kReasonHighTrumpSuit))
            return true;
    }
    return false;
}
