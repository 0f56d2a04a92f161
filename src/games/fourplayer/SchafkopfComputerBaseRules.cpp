// Legality with the called-Ace rules, the called-Ace tests, and the partner logic: who plays
// with the declarer shows by the called card (or by the two partner cards), and a declarer who
// plays the called card himself plays a Suit Solo against three.
#include <cstdlib>

#include "games/fourplayer/SchafkopfComputerBase.h"
#include "records/OptionRecordLayouts.h"

// --- small tests ---

bool SchafkopfComputerBase::IsCardInHand(int seat, int card) {
    if (!IsSeat(seat) || !IsCardCode(card))
        return false;
    for (int p = 0; p < GetCardsPerHand() && p < kHandPlaces; ++p)
        if (seats[seat].hand[p] == card)
            return true;
    return false;
}

int SchafkopfComputerBase::CountHeldInSuit(int seat, int suit) {
    int count = 0;
    for (int p = 0; p < GetCardsPerHand() && p < kHandPlaces; ++p) {
        const int card = seats[seat].hand[p];
        count += IsCardCode(card) && GetSuitGroup(card) == suit ? 1 : 0;
    }
    return count;
}

bool SchafkopfComputerBase::IsTout() const {
    return (gameType.word & kModThrowIn) != 0 || GameBits(gameType.word) == kWordYou;
}

bool SchafkopfComputerBase::IsDeclarer(int seat) {
    return IsSeat(seat) && partyLists[0] == seat;
}

bool SchafkopfComputerBase::HoldsTrumpCard(int seat, int card) {
    return IsTrump(card) && IsCardInHand(seat, card);
}

bool SchafkopfComputerBase::WasGroupLed(int group) {
    if (IsLastTrick())
        return true;
    for (int t = 0; t < trickNumber - 1 && t < kTrickCount; ++t) {
        const int lead = IsSeat(tricks[t].leader) ? tricks[t].cards[tricks[t].leader] : 0;
        if (IsCardCode(lead) && GetSuitGroup(lead) == group)
            return true;
    }
    return false;
}

bool SchafkopfComputerBase::HasSeatPlayedGroup(int seat, int group) {
    if (IsLastTrick())
        return true;
    if (!IsSeat(seat))
        return false;
    for (int t = 0; t < trickNumber - 1 && t < kTrickCount; ++t) {
        const int card = tricks[t].cards[seat];
        if (IsCardCode(card) && GetSuitGroup(card) == group)
            return true;
    }
    return false;
}

void SchafkopfComputerBase::CopyGroupCounts(int seat, std::int16_t* snapshot) {
    if (!IsSeat(seat) || !snapshot)
        return;
    for (int g = 0; g < kGroupCount; ++g)
        snapshot[g] = seats[seat].groupCount[g];
}

bool SchafkopfComputerBase::HoldsCalledAce(int seat) {
    if (!IsSeat(seat))
        return false;
    if (!IsCallGame())
        return (gameType.word & (0x3f00 | kWordYou)) != 0;
    if (calledSuit < 0 || calledSuit > 3)
        return false;
    const std::uint16_t mask = calledRank == 8 ? seats[seat].aceMask : seats[seat].tenMask;
    return ((mask >> (2 * calledSuit)) & 1) != 0;
}

bool SchafkopfComputerBase::MayThrowOffCalledAce(int, int card) {
    return !(IsCardCode(card) && GetSuitGroup(card) == calledSuit && !WasGroupLed(calledSuit) &&
             !IsLastTrick());
}

bool SchafkopfComputerBase::IsHeartTenSafe(int seat, int card) {
    return MayThrowOffCalledAce(seat, card);
}

bool SchafkopfComputerBase::HasSeatPlayedCard(int, int card) {
    return !(!IsLastTrick() && calledSuit >= 0 && card == calledSuit * 8 + 8 &&
             !WasGroupLed(calledSuit));
}

// --- legality ---

int SchafkopfComputerBase::IsLegalCard(int seat, int card) {
    const int code = RawLegality(seat, card);
    if (code <= kCardLegal)
        return code;
    // The refusals never leave the seat without a card: when every held card would be
    // refused, following suit alone decides.
    for (int p = 0; p < GetCardsPerHand() && p < kHandPlaces; ++p) {
        const int held = seats[seat].hand[p];
        if (IsCardCode(held) && RawLegality(seat, held) == kCardLegal)
            return code;
    }
    return kCardLegal;
}

int SchafkopfComputerBase::RawLegality(int seat, int card) {
    if (!IsSeat(seat) || !IsCardCode(card) || !IsCardInHand(seat, card))
        return kCardMustFollow;
    if (ComputerPlayer::IsLegalCard(seat, card) == 0)
        return kCardMustFollow;
    if (!IsCallGame() || calledSuit < 0 || calledSuit > 3)
        return kCardLegal;
    return CalledAceLegality(seat, card);
}

int SchafkopfComputerBase::CalledAceLegality(int seat, int card) {
    const SchafkopfOptions& rules = Rules();
    const int group = GetSuitGroup(card);
    const bool leads = seat == leader;
    const bool calledLed = WasGroupLed(calledSuit);
    if (rules.calledSuitLeadBan && IsDeclarer(seat) && leads && group == calledSuit && !calledLed)
        return kCardCalledSuitLeadBan;
    if (rules.noCalledAceRules || group != calledSuit)
        return kCardLegal;
    const int ledCard = IsSeat(leader) ? trickCards[leader] : 0;
    const int ledGroup = IsCardCode(ledCard) ? GetSuitGroup(ledCard) : -1;
    if (!leads && card == CalledCard() && !CanFollowSuit(seat))
        return MayThrowOffCalledAce(seat, card) ? kCardLegal : kCardCalledAceKept;
    const int held = CountHeldInSuit(seat, calledSuit);
    if (!leads && rules.partnershipMode != 2 && IsDeclarer(seat) && ledGroup != calledSuit &&
        !calledLed && held == 1)
        return kCardOnlyCalledSuitCard;
    if (!leads && ledGroup != calledSuit)
        return kCardLegal;
    // The holder of the called Ace plays it when the suit is led or when he leads it; in the
    // German call he may run away from it with four or more cards of the suit.
    if (held > 1 && card != CalledCard() && (held < 4 || rules.partnershipMode != 2) &&
        HoldsCalledAce(seat))
        return kCardMustPlayCalledAce;
    return kCardLegal;
}

// --- partner logic ---

void SchafkopfComputerBase::MakeDeclarerSolo(int seat) {
    gameType = {Rules().trumpSuit, kWordSuitSolo};
    declarer = seat;
    partyLists[0] = static_cast<std::int16_t>(seat);
    partyLists[1] = -1;
    for (int s = 0, entry = 2; s < kSeatCount; ++s) {
        seats[s].inDeclarerParty = s == seat ? 1 : 0;
        if (s != seat)
            partyLists[entry++] = static_cast<std::int16_t>(s);
    }
}

void SchafkopfComputerBase::PushBeliefsAbout(int seat, bool firstParty) {
    for (int observer = 0; observer < kSeatCount; ++observer) {
        if (observer == seat)
            continue;
        const bool sameSide = (seats[observer].inDeclarerParty != 0) == firstParty;
        SetBelief(observer, seat, sameSide ? 100 : -100);
    }
}

void SchafkopfComputerBase::EnterFirstParty(int seat) {
    if (!SetPartyMember(seat, true))
        PushBeliefsAbout(seat, true);
}

bool SchafkopfComputerBase::RevealPartner(int seat) {
    // Only a partner game has a partner to reveal: a called suit left over from an earlier
    // deal must not turn a solo into another game.
    if (!IsSeat(seat) || calledSuit < 0 || trickCards[seat] != CalledCard() ||
        partyLists[1] != -1 || IsSoloGame())
        return false;
    if (seat == declarer)
        MakeDeclarerSolo(seat);
    else
        EnterFirstParty(seat);
    return true;
}

bool SchafkopfComputerBase::RevealPartnerByCards(int seat) {
    const SchafkopfOptions& rules = Rules();
    if (!IsSeat(seat) || rules.partnershipMode != 1 || partyLists[1] != -1 || IsSoloGame())
        return false;
    const int card = trickCards[seat];
    if (card != rules.partnerCards[0] && card != rules.partnerCards[1])
        return false;
    if (seat != declarer) {
        EnterFirstParty(seat);
        return true;
    }
    if (calledSuit == -1 && IsCardPlayed(rules.partnerCards[0], false) &&
        IsCardPlayed(rules.partnerCards[1], false)) {
        MakeDeclarerSolo(seat);
        return true;
    }
    return false;
}

bool SchafkopfComputerBase::IsPartnerCardsSolo(int seat) {
    const SchafkopfOptions& rules = Rules();
    if (!IsSeat(seat) || rules.partnershipMode != 1)
        return false;
    const GameType& bid = seats[seat].bid;
    return GameBits(bid.word) == kWordSuitSolo && bid.trumpSuit == rules.trumpSuit &&
           IsCardInHand(seat, rules.partnerCards[0]) && IsCardInHand(seat, rules.partnerCards[1]);
}

void SchafkopfComputerBase::ObserveCalledSuitLead(int seat) {
    if (GetTrickPosition(seat) == 3 && NextSeat(seat) == declarer) {
        // Three seats answered the called suit before the declarer: the partner has shown.
        for (int s = 0; s < kSeatCount; ++s)
            SetPartyMember(s, seats[s].inDeclarerParty != 0);
        for (int s = 0; s < kSeatCount; ++s)
            PushBeliefsAbout(s, seats[s].inDeclarerParty != 0);
    }
    const int card = trickCards[seat];
    if (!ArePartiesKnown() && seat != declarer && !IsInFirstParty(seat) &&
        GetSuitGroup(card) != calledSuit) {
        // Who does not follow the called suit cannot hold the called Ace.
        SetPartyMember(seat, false);
        PushBeliefsAbout(seat, false);
    }
}

void SchafkopfComputerBase::ObserveAfterCard(int seat) {
    if (!IsSeat(seat) || !IsCardCode(trickCards[seat]))
        return;
    const int led = IsSeat(leader) ? trickCards[leader] : 0;
    if (IsCallGame() && !ArePartiesKnown() && calledSuit >= 0 && !Rules().noCalledAceRules &&
        IsCardCode(led) && GetSuitGroup(led) == calledSuit)
        ObserveCalledSuitLead(seat);
    if (RevealPartnerByCards(seat) || RevealPartner(seat) || IsPartyKnown(seat))
        return;
    if (ObserveDiscardedPoints(seat) || ObserveRepeatedPoints(seat))
        return;
    ObserveTrumpOvertake(seat);
}

int SchafkopfComputerBase::GetPointTarget(int seat) {
    if (!IsSeat(seat))
        return 0;
    const bool tout = IsTout();
    const int points = GetPartyPoints(seat);
    int target = 0;
    if (seats[seat].inDeclarerParty)
        target = (tout ? 120 : 61) - points;
    else
        target = tout ? 1 : 60 - points;
    return target < 0 ? 0 : target;
}

bool SchafkopfComputerBase::ShouldPlayForPartner(int card, bool trumped) {
    const int led = IsSeat(leader) ? trickCards[leader] : 0;
    if (!ArePartiesKnown() && !IsSoloGame() && seatToMove != leader && calledSuit >= 0 &&
        IsCardCode(led) && GetSuitGroup(led) == calledSuit && !WasGroupLed(calledSuit) &&
        !IsCardPlayed(calledSuit * 8 + 8, false) && declarer == seatToMove)
        return CountPlayedInGroup(calledSuit) < 2;
    return ComputerPlayer::ShouldPlayForPartner(card, trumped);
}

bool SchafkopfComputerBase::IsGroupEndangered(int group) {
    const int position = GetTrickPosition(seatToMove);
    if (position >= 1 && position <= 3 && IsSeat(seatToMove) &&
        !seats[seatToMove].inDeclarerParty && calledSuit >= 0 && group == calledSuit &&
        NextSeat(seatToMove) == declarer && CountPlayedInGroup(calledSuit) <= position)
        return true;
    return ComputerPlayer::IsGroupEndangered(group);
}

int SchafkopfComputerBase::CalledAceSitsBehind(int seat) {
    if (!IsSeat(seat) || !IsSeat(leader) || !IsCallGame() || Rules().noCalledAceRules ||
        ArePartiesKnown() || calledSuit < 0 || leader != declarer)
        return 0;
    const int led = trickCards[leader];
    if (!IsCardCode(led) || GetSuitGroup(led) != calledSuit)
        return 0;
    for (int s = seat, n = 0; s != leader && n < kSeatCount; s = NextSeat(s), ++n)
        if (IsCardInHand(s, calledSuit * 8 + 8))
            return 10;
    return 0;
}
