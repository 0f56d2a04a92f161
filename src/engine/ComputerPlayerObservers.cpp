// The belief cascade after every card: each seat's belief about the seat that just played is
// moved by the first play rule that applies (who gave points to whose trick, who overtook whom,
// who showed which card, who led a convention card).
//
// In the rules an observer s is on the same side as a seat w when s's real party flag equals
// w's party as the seat to move lists it; "by flag" compares both real flags. The seat that
// played is the one whose card is in trickCards; the trick is the current one.
#include "engine/ComputerPlayer.h"

namespace {

bool IsTenOrAce(int card) {
    return RankCodeOf(card) == kRankTen || RankCodeOf(card) == kRankAce;
}

} // namespace

void ComputerPlayer::ObserveAfterCard(int seat) {
    if (!IsSeat(seat))
        return;
    const int card = trickCards[seat];
    if (!IsCardCode(card))
        return;
    // A seat that shows both Obers of Eichel without having declared plays a silent solo.
    // Only the normal game turns into one: its trumps are those of the Schellen solo, so the
    // hands' order and counts stay right; any other game keeps its word.
    if (card == kEichelOber && partyLists[0] == seat && declarer == -1 &&
        GameBits(gameType.word) == kWordNormal) {
        int obers = 1;
        for (int t = 0; t < trickNumber - 1 && t < kTrickCount; ++t)
            obers += tricks[t].cards[seat] == kEichelOber ? 1 : 0;
        if (obers == 2) {
            declarer = seat;
            for (int t = 0, entry = 2; t < kSeatCount; ++t)
                if (t != seat)
                    partyLists[entry++] = static_cast<std::int16_t>(t);
            gameType = {kSuitSchellen, kWordSuitSolo};
            bonusCount = 0; // extra points do not count in a solo
        }
    }
    if (IsPartyKnown(seat))
        return;
    if (ObserveCaughtSpecialCard(seat) || ObserveClubOber(seat) || ObserveSignalLead(seat) ||
        ObserveHeartTen(seat) || ObserveDiscardedPoints(seat) || ObserveRuffOfMaster(seat) ||
        ObserveTrumpOvertake(seat) || ObserveEarlyDiamondAceLead(seat))
        return;
    ObserveRepeatedPoints(seat);
}

bool ComputerPlayer::IsOnSideOf(int observer, int seat) {
    return (seats[observer].inDeclarerParty != 0) == IsListedFirstParty(seat);
}

void ComputerPlayer::CreditWinner(int seat, int winner, bool knownWinner, int winnerStep,
                                  int sideStep, int otherStep, int unknownStep) {
    for (int s = 0; s < kSeatCount; ++s) {
        int step = unknownStep;
        if (s == winner)
            step = winnerStep;
        else if (knownWinner)
            step = IsOnSideOf(s, winner) ? sideStep : otherStep;
        AdjustBelief(s, seat, step);
    }
}

bool ComputerPlayer::ObserveCaughtSpecialCard(int seat) {
    const int card = trickCards[seat];
    const int fox = TrumpSuitAce();
    const bool special = (card == kEichelUnter && ClubUnterCaughtScores()) ||
                         (fox != 0 && card == fox && DiamondAceCaughtScores());
    if (!special)
        return false;
    const int winner = GetTrickWinnerSoFar(seat);
    if (!IsSeat(winner) || winner == seat)
        return false;
    if (GetTrickPosition(seat) != GetSeatCount() &&
        CountHigherCardsOut(seat, trickCards[winner]) != 0)
        return false;
    CreditWinner(seat, winner, IsListedInPartyView(winner), 75, -200, -70, -45);
    return true;
}

bool ComputerPlayer::ObserveClubOber(int seat) {
    if (trickCards[seat] != kEichelOber)
        return false;
    SetPartyMember(seat, true);
    return true;
}

bool ComputerPlayer::ObserveSignalLead(int seat) {
    if (seat != leader || trickNumber < 1 || trickNumber > 2 || seats[seat].profile <= 15)
        return false;
    const int card = trickCards[seat];
    auto signal = [&](bool (TrickGameKnowledge::*style)(int), int step) {
        for (int s = 0; s < kSeatCount; ++s)
            if ((this->*style)(s))
                AdjustBelief(s, seat, seats[s].inDeclarerParty != 0 ? step : -step);
    };
    if ((card == 21 || card == kEichelOber) && HasOberLeadStyle(seat)) {
        signal(&TrickGameKnowledge::HasOberLeadStyle, 60);
        return true;
    }
    if (card == kHeartTen && HasHeartTenLeadStyle(seat)) {
        signal(&TrickGameKnowledge::HasHeartTenLeadStyle, 80);
        return true;
    }
    if (contraSignalSeat != -1) {
        // The other party announced off lead: its next lead comes from that party.
        if (HasAnnounceOffLeadStyle(contraSignalSeat))
            signal(&TrickGameKnowledge::HasAnnounceOffLeadStyle, -80);
        contraSignalSeat = -1;
    }
    return false;
}

bool ComputerPlayer::ObserveHeartTen(int seat) {
    if (trickCards[seat] != kHeartTen || !IsSeat(leader))
        return false;
    bool clubOber = false;
    int tenSeat = -1;
    for (int s = leader, n = 0; s != seat && n < GetSeatCount(); s = NextSeat(s), ++n) {
        clubOber = clubOber || trickCards[s] == kEichelOber;
        if (trickCards[s] == kHeartTen)
            tenSeat = s;
    }
    for (int s = 0; s < kSeatCount; ++s) {
        const bool declaring = seats[s].inDeclarerParty != 0;
        if (clubOber && tenSeat == -1)
            SetBelief(s, seat, declaring ? -70 : 70);
        else if (tenSeat != -1 && SecondHeartTenWins() && IsPartyKnown(tenSeat))
            // Overtaking a known seat's Heart Ten points to the other party, but a seat may
            // overtake its own partner: the doubt stays short of certainty.
            SetBelief(s, seat, IsOnSideOf(s, tenSeat) ? -95 : 80);
        AdjustBelief(s, seat, declaring ? -40 : 40);
    }
    return true;
}

bool ComputerPlayer::ObserveDiscardedPoints(int seat) {
    if (seat == leader || !IsSeat(leader))
        return false;
    const int card = trickCards[seat];
    const int led = trickCards[leader];
    if (!IsCardCode(led) || IsTrump(card) || GetSuitGroup(card) == GetSuitGroup(led))
        return false;
    const int position = GetTrickPosition(seat);
    const bool last = position == GetSeatCount();
    const int before = CountTrickPoints(false);
    const bool bigTrick = last && before > 19;
    if (!IsTenOrAce(card) && !bigTrick)
        return false;
    int bonus = 0;
    if (last)
        bonus = 17;
    else if (CountGroupOut(GetSuitGroup(led)) > 6 - position)
        bonus = 7;
    if (bigTrick)
        bonus += before < 25 ? 9 : 15;
    const int winner = GetTrickWinnerSoFar(seat);
    CreditWinner(seat, winner, IsPartyKnown(winner), 45 + bonus, -55 - bonus, -45 - bonus,
                 -30 - bonus);
    return true;
}

bool ComputerPlayer::ObserveRuffOfMaster(int seat) {
    if (seat == leader || !IsSeat(leader) || IsPartyKnown(seat))
        return false;
    const int card = trickCards[seat];
    const int led = trickCards[leader];
    if (!IsCardCode(led) || IsTrump(led) || !IsTrump(card))
        return false;
    const int group = GetSuitGroup(led);
    const int position = GetTrickPosition(seat);
    const int surplus = CountPlayedInGroup(group) - position + 1;
    bool late = false;
    if (!IsSeatToMoveAbove15()) {
        if (trickNumber > 4 || surplus > 1)
            return false;
    } else {
        late = trickNumber >= 5;
        if (position == 2 || position == 3) {
            if (trickNumber >= GetCardsPerHand() - 4)
                return false;
            if (position == 2 && surplus > 1)
                return false;
            if (position == 3 && (!IsGroupEndangered(group) || CountGroupOut(group) < 2))
                return false;
        }
        if ((position == 3 || position == 4) && surplus > 1)
            late = true;
    }
    const int before = GetTrickWinnerSoFar(PreviousSeat(seat));
    if (!IsSeat(before) || !IsPartyKnown(before) || GetTrickWinnerSoFar(seat) != seat ||
        CountHigherCardsOut(seat, trickCards[before]) != 0)
        return false;
    int bonus = 0;
    if (position == 4)
        bonus = 17;
    else if (CountGroupOut(group) > 6 - position)
        bonus = 7;
    for (int s = 0; s < kSeatCount; ++s) {
        if (late && seats[s].profile <= 15)
            continue;
        int step = 63 + bonus;
        if (s == before)
            step = -55 - bonus;
        else if (seats[s].inDeclarerParty == seats[before].inDeclarerParty)
            step = -50 - bonus;
        AdjustBelief(s, seat, step);
    }
    return true;
}

bool ComputerPlayer::ObserveTrumpOvertake(int seat) {
    if (!IsSeat(leader) || IsPartyKnown(seat))
        return false;
    const int led = trickCards[leader];
    const int position = GetTrickPosition(seat);
    if (!IsCardCode(led) || IsTrump(led) || (position != 3 && position != 4))
        return false;
    auto trumpedAndKnown = [&](int s) { return IsTrump(trickCards[s]) && IsPartyKnown(s); };
    const int second = NextSeat(leader);
    int overtaken = second;
    if (position == 4 && !trumpedAndKnown(second))
        overtaken = NextSeat(second);
    if (!trumpedAndKnown(overtaken))
        return false;
    const int card = trickCards[seat];
    if (!IsTrump(card) || IsCardHigher(trickCards[overtaken], card))
        return false;
    for (int s = 0; s < kSeatCount; ++s)
        if (seats[s].inDeclarerParty != seats[overtaken].inDeclarerParty)
            AdjustBelief(s, seat, 35);
    return true;
}

bool ComputerPlayer::ObserveEarlyDiamondAceLead(int seat) {
    if (seat != leader || trickCards[seat] != kSchellenAce ||
        GameBits(gameType.word) != kWordNormal || trickNumber >= GetEndgameTrick() ||
        IsCardPlayed(kEichelOber, true))
        return false;
    for (int s = 0; s < kSeatCount; ++s)
        AdjustBelief(s, seat, seats[s].inDeclarerParty != 0 ? 20 : -20);
    return true;
}

bool ComputerPlayer::ObserveRepeatedPoints(int seat) {
    const int card = trickCards[seat];
    if (seat == leader || IsTrump(card) || IsTenOrAce(card))
        return false;
    const int group = GetSuitGroup(card);
    for (int t = 0; t < trickNumber - 1 && t < kTrickCount; ++t) {
        const TrickRecord& trick = tricks[t];
        const int earlier = trick.cards[seat];
        if (trick.leader == seat || !IsCardCode(earlier) || !IsTenOrAce(earlier) ||
            GetSuitGroup(earlier) != group)
            continue;
        const int winner = trick.winner;
        if (!IsSeat(winner))
            return false;
        CreditWinner(seat, winner, IsPartyKnown(winner), 75, -200, -70, -45);
        return true;
    }
    return false;
}
