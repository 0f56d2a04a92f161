// The card rules of the partner games: leads that find or serve the partner, points given to a
// partner who takes the trick, the single cards a seat gets rid of, and the trump a seat puts
// on a trick by how many trumps it holds. Each rule plays one card of the seat to move or
// answers false; a card the seat may not play now is never chosen.
#include "games/fourplayer/SchafkopfComputerBase.h"
#include "records/OptionRecordLayouts.h"

namespace {
constexpr int kReasonLow = 9;
constexpr int kReasonSureWinner = 16;
constexpr int kGermanCall = 2;
} // namespace

// --- helpers ---

bool SchafkopfComputerBase::IsSeatToPlay(int seat) {
    return IsSeat(seat) && seat == seatToMove;
}

int SchafkopfComputerBase::PartnerOfMover() {
    for (const std::int16_t partner : moverPartners)
        if (IsSeat(partner) && partner != seatToMove)
            return partner;
    return -1;
}

bool SchafkopfComputerBase::PlayLowestOfSuit(int seat, int group) {
    if (!IsSeatToPlay(seat) || group < 0 || group >= kGroupCount ||
        seats[seat].groupCount[group] < 1)
        return false;
    return PlayIfLegal(seat, seats[seat].hand[GetGroupStart(seat, group)], kReasonLow);
}

bool SchafkopfComputerBase::PlayHighestOfSuit(int seat, int group) {
    if (!IsSeatToPlay(seat) || group < 0 || group >= kGroupCount ||
        seats[seat].groupCount[group] < 1 ||
        IsLegalCard(seat, seats[seat].hand[GetGroupEnd(seat, group)]) != kCardLegal)
        return false;
    return PlayHighestOfGroup(seat, group);
}

int SchafkopfComputerBase::LedGroup() {
    if (!IsSeat(leader) || !IsCardCode(trickCards[leader]))
        return -1;
    return GetSuitGroup(trickCards[leader]);
}

bool SchafkopfComputerBase::MayPlayTrumps(int seat) {
    return TrumpCount(seat) > 0 && IsLegalCard(seat, TrumpAt(seat, 0)) == kCardLegal;
}

// --- the partner-game rules ---

bool SchafkopfComputerBase::PlayLowPointSuitCard(int seat) {
    if (!IsSeatToPlay(seat) || IsSoloGame() || ArePartiesKnown())
        return false;
    const SeatBlock& block = seats[seat];
    // Only the declarer's hidden partner, short of trumps, plays a suit to stay hidden.
    if (!block.inDeclarerParty || IsDeclarer(seat) ||
        TrumpCount(seat) * 3 + 1 >= CountGroupOut(kTrumpGroup))
        return false;
    for (int g = 0; g < 4; ++g) {
        if (!IsPlainSuit(g) || block.groupCount[g] != 1 || CountPlayedInGroup(g) >= 2)
            continue;
        if (GetCardPoints(block.hand[GetGroupStart(seat, g)]) < 5)
            return PlayLowestOfSuit(seat, g);
    }
    return false;
}

bool SchafkopfComputerBase::PlayAceOrLowInUntouchedSuit(int seat) {
    if (!IsSeatToPlay(seat) || trickNumber <= 2 || IsSoloGame() || !ArePartiesKnown() ||
        IsDeclarer(seat))
        return false;
    const int partner = PartnerOfMover();
    if (!IsSeat(partner) || CountTricksLedBy(partner) != 0)
        return false;
    const SeatBlock& block = seats[seat];
    for (int g = 0; g < 4; ++g) {
        const int ace = g * 8 + 8;
        if (!IsPlainSuit(g) || block.groupCount[g] == 0 || IsCardPlayed(ace, false))
            continue;
        if (IsCardInHand(seat, ace))
            return PlayHighestOfSuit(seat, g);
        if (CountPlayedInGroup(g) < 2)
            return PlayLowestOfSuit(seat, g);
    }
    return false;
}

bool SchafkopfComputerBase::PlayShortSuitForPartner(int seat) {
    if (!IsSeatToPlay(seat) || Rules().partnershipMode != kGermanCall ||
        seats[seat].inDeclarerParty || !IsSkilledSeat(seat) || !ArePartiesKnown() ||
        trickNumber <= 2)
        return false;
    const SeatBlock& block = seats[seat];
    auto firstSuit = [&](auto wanted) {
        for (int g = 0; g < 4; ++g)
            if (IsPlainSuit(g) && block.groupCount[g] > 0 && wanted(g))
                return g;
        return -1;
    };
    const int partner = PartnerOfMover();
    if (IsSeat(partner) && PreviousSeat(seat) == partner) {
        // A suit mostly gone: the partner behind the other side may be void in it.
        const int g = firstSuit([&](int s) { return CountPlayedInGroup(s) > 2; });
        if (g >= 0)
            return PlayLowestOfSuit(seat, g);
    }
    for (int length : {1, 2}) {
        const int g = firstSuit(
            [&](int s) { return block.groupCount[s] == length && CountPlayedInGroup(s) < 2; });
        if (g >= 0)
            return PlayLowestOfSuit(seat, g);
    }
    return LeadLowSideCardByPlan();
}

bool SchafkopfComputerBase::PlayOfferedRules(int seat) {
    if (!IsSeatToPlay(seat))
        return false;
    return PlayHighSideCard(seat) || ChooseSideSuitCard(seat, true) ||
           ChooseSideSuitCard(seat, false);
}

bool SchafkopfComputerBase::PlayPointsToTrumpingPartner(int seat, int card) {
    if (!IsSeatToPlay(seat) || !IsCardCode(card) || trickNumber <= 3 || seat == leader ||
        !IsSeatToMoveAbove10() || TrumpCount(seat) != 0)
        return false;
    const int partner = PartnerOfMover();
    const int led = LedGroup();
    if (!IsSeat(partner) || led != kTrumpGroup || !IsPartnerStillToPlay())
        return false;
    // Enough higher trumps out that the partner may take the trick with one of them.
    if (!IsTrump(card) || CountHigherCardsOut(seat, card) <= 1 || AreOpponentsStrongInTrumps() ||
        !MayHoldGroup(partner, kTrumpGroup))
        return false;
    const SeatBlock& block = seats[seat];
    for (int g = 0; g < 4; ++g) {
        if (!IsPlainSuit(g) || block.groupCount[g] == 0)
            continue;
        const bool honours = IsCardInHand(seat, g * 8 + 8) || IsCardInHand(seat, g * 8 + 7);
        if (honours && CountGroupOut(g) < 2)
            return PlayHighestOfSuit(seat, g);
    }
    return false;
}

bool SchafkopfComputerBase::PlayPointsBehindPartner(int seat) {
    if (!IsSeatToPlay(seat) || trickNumber <= 2 || seats[seat].aceCount == 0 ||
        !IsSeatToMoveAbove10() || GetTrickPosition(seat) != 4 || !IsDefenderInGermanCall(seat) ||
        !DoesTrickGoToPartner())
        return false;
    const int out = CountGroupOut(kTrumpGroup);
    const int k = (out + 2) / 3;
    // Near the end, with the declarer holding back his trumps, the Ace may not come home.
    if (CountTricksLeft() - 1 - k >= 2 || HasSeatPlayedGroup(declarer, kTrumpGroup))
        return false;
    for (int g = 0; g < 4; ++g)
        if (IsPlainSuit(g) && IsCardInHand(seat, g * 8 + 8))
            return PlayHighestOfSuit(seat, g);
    return false;
}

bool SchafkopfComputerBase::PlaySingleAceCards(int seat) {
    if (!IsSeatToPlay(seat) || !IsSkilledSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    std::int16_t suits[4];
    std::int16_t places[4];
    int count = 0;
    for (int g = 0; g < 4; ++g) {
        if (!IsPlainSuit(g) || block.groupCount[g] != 1 || CountPlayedInGroup(g) >= 2)
            continue;
        const int place = GetGroupStart(seat, g);
        const int card = block.hand[place];
        if (RankCodeOf(card) == kRankAce || IsLegalCard(seat, card) != kCardLegal)
            continue;
        suits[count] = static_cast<std::int16_t>(g);
        places[count] = static_cast<std::int16_t>(place);
        ++count;
    }
    return count > 0 && PlayLowestCandidate(seat, count, suits, places);
}

bool SchafkopfComputerBase::PlayTrumpOrPoints(int seat, int card) {
    if (!IsSeatToPlay(seat) || !IsCardCode(card) || !IsSkilledSeat(seat) || !MayPlayTrumps(seat))
        return false;
    const int trumps = TrumpCount(seat);
    const int led = LedGroup();
    const bool cardOfLed = GetSuitGroup(card) == led;
    const bool strong = IsSeatToMoveAbove10();
    // The points the trick gets from the led suit: the seat's own cards of it and the trick.
    auto ledPoints = [&] {
        int points = PointsSoFar();
        if (led >= 0 && led < kTrumpGroup && seats[seat].groupCount[led] > 0)
            for (int p = GetGroupStart(seat, led); p <= GetGroupEnd(seat, led); ++p)
                points += GetCardPoints(seats[seat].hand[p]);
        return points;
    };
    const bool ledOut = led >= 0 && CountGroupOut(led) > 0;
    if (trumps == 1) {
        const int trump = TrumpAt(seat, 0);
        const int higher = CountHigherCardsOut(seat, trump);
        if (higher > 1)
            return PlayTrumpAt(seat, 0, kReasonLow);
        if (higher == 1 && strong && !cardOfLed && ledPoints() >= 10 && ledOut)
            return PlayTrumpAt(seat, 0, kReasonLow);
        return false;
    }
    if (trumps == 2) {
        if (!strong)
            return false;
        const int aboveSecond = CountHigherCardsOut(seat, TrumpAt(seat, 1));
        if (!cardOfLed && led >= 0 && IsGroupEndangered(led)) {
            if ((ledPoints() < 10 || !ledOut) && aboveSecond < 4)
                return false;
            return PlayLowestWinningCard(seat, card);
        }
        if (cardOfLed) {
            if (CountHigherCardsOut(seat, card) > 3 || aboveSecond < 2 || aboveSecond > 3)
                return false;
            return PlayLowestWinningCard(seat, card);
        }
        return false;
    }
    if ((trumps != 3 && trumps != 4) || IsSoloGame())
        return false;
    const int lowestTrump = GetLowestTrump(gameType.trumpSuit, gameType.word);
    const bool plainTrick = !IsTrump(card) && led >= 0 && led != kTrumpGroup;
    const int position = GetTrickPosition(seat);
    if (position == 3) {
        const bool trumpHonour =
            IsCardInHand(seat, GetTrumpSuitCard(8)) || IsCardInHand(seat, GetTrumpSuitCard(7));
        if (strong && plainTrick && IsPartnerStillToPlay() && trumpHonour &&
            CountGroupOut(kTrumpGroup) > 8)
            return PlayPointCardThatWins(seat, lowestTrump);
        return false;
    }
    if (position == 4 && (trumps == 3 ? IsSkilledSeat(seat) : strong) && !DoesTrickGoToPartner() &&
        plainTrick) {
        const int m = CountHigherCardsOut(seat, TopTrump(seat));
        if (strong && m >= trumps + 3 && PlayPointCardThatWins(seat, lowestTrump))
            return true;
        if (m >= trumps + 1)
            return PlayLowestWinningCard(seat, card);
    }
    return false;
}

bool SchafkopfComputerBase::PlaySecondTenRule(int seat, int card) {
    if (!IsSeat(seat) || !IsCardCode(card))
        return false;
    const int g = GetSuitGroup(card);
    if (g < 0 || g >= kTrumpGroup || seats[seat].groupCount[g] != 2)
        return false;
    const int ten = g * 8 + 7;
    const int ace = g * 8 + 8;
    return !IsTrump(ten) && IsCardInHand(seat, ten) && !IsCardPlayed(ace, false);
}

bool SchafkopfComputerBase::PlayLastTrumpRule(int seat, int card, bool flag) {
    (void)card;
    if (!IsSeatToPlay(seat))
        return false;
    if (flag && !IsSoloGame() && IsGroupEndangered(kTrumpGroup)) {
        const SeatBlock& block = seats[seat];
        for (int g = 0; g < 4; ++g) {
            if (!IsPlainSuit(g) || block.groupCount[g] == 0 || !HasWinningTopCard(g) ||
                CountGroupOut(g) != 0)
                continue;
            const int top = block.hand[GetGroupEnd(seat, g)];
            return PlayIfLegal(seat, top, kReasonSureWinner);
        }
    }
    return PlaySureWinner(seat, flag);
}

bool SchafkopfComputerBase::IsDefenderInGermanCall(int seat) {
    return IsSeat(seat) && Rules().partnershipMode == kGermanCall && !seats[seat].inDeclarerParty;
}

bool SchafkopfComputerBase::PlayHighCalledSuitCard(int seat) {
    if (!IsSeatToPlay(seat) || gameType.word != kWordNormal || !IsDeclarer(seat) ||
        ArePartiesKnown() || Rules().calledSuitLeadBan || calledSuit < 0 || calledSuit > 3 ||
        seats[seat].groupCount[calledSuit] == 0)
        return false;
    const int out = CountGroupOut(kTrumpGroup);
    const int last = seats[seat].hand[GetGroupEnd(seat, calledSuit)];
    // With the trumps gone the suit runs to the partner; with many out a full card is cashed
    // before it can be trumped.
    if ((out == 0 && !WasGroupLed(calledSuit)) || (out > 3 && GetCardPoints(last) > 3))
        return PlayHighestOfSuit(seat, calledSuit);
    return false;
}
