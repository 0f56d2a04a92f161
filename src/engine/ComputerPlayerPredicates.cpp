// The small questions the card-play rules ask about the current trick and the hidden hands,
// answered for the seat to move. They change nothing. The mover's partners and opponents are
// the working lists AnalysePartners filled for it (-1 entries are skipped).
#include "engine/ComputerPlayer.h"

#include <cstdlib>

#include "engine/SeatLists.h"

bool ComputerPlayer::IsMoverPartner(int seat) {
    return ListHoldsSeat(moverPartners, 2, seat);
}

bool ComputerPlayer::IsMoverOpponent(int seat) {
    return ListHoldsSeat(moverOpponents, 3, seat);
}

int ComputerPlayer::ListedOpponentCount() {
    return moverOpponentCount < 0 ? 0 : (moverOpponentCount > 3 ? 3 : moverOpponentCount);
}

// --- trick position and party ---

bool ComputerPlayer::IsPartnerStillToPlay() {
    if (!IsSeat(seatToMove) || !IsSeat(leader))
        return false;
    for (int s = NextSeat(seatToMove), n = 0; s != leader && n < GetSeatCount();
         s = NextSeat(s), ++n)
        if (IsMoverPartner(s))
            return true;
    return false;
}

bool ComputerPlayer::IsOpponentStillToPlay() {
    if (!IsSeat(seatToMove) || !IsSeat(leader))
        return false;
    const int position = GetTrickPosition(seatToMove);
    if (position == GetSeatCount())
        return false;
    if (moverOpponents[0] == -1)
        return true;
    bool allPartners = true;
    for (int s = NextSeat(seatToMove), n = 0; s != leader && n < GetSeatCount();
         s = NextSeat(s), ++n) {
        if (IsMoverOpponent(s))
            return true;
        allPartners = allPartners && IsMoverPartner(s);
    }
    if (allPartners)
        return false;
    return position == 2 || moverOpponents[1] == -1;
}

bool ComputerPlayer::FollowsPartner() {
    const int mover = seatToMove;
    if (!IsSeat(mover))
        return false;
    if (IsSoloGame()) {
        if (seats[mover].inDeclarerParty != 0 || !IsSeat(declarer))
            return false;
        const int beforeDeclarer = PreviousSeat(declarer);
        if (GetSeatCount() == 3)
            return mover == beforeDeclarer;
        return mover == beforeDeclarer || mover == PreviousSeat(beforeDeclarer);
    }
    std::int16_t other[3];
    GetPartyList(seats[mover].inDeclarerParty == 0, other);
    if (other[0] == -1 || other[1] == -1)
        return false;
    const int before = PreviousSeat(mover);
    return before != other[0] && before != other[1];
}

bool ComputerPlayer::IsTrickSafeForPartner() {
    const int mover = seatToMove;
    if (!IsSeat(mover) || !IsSeat(leader))
        return false;
    if (mover == declarer && IsMarriageOpen())
        return true;
    const int best = GetBestCardSoFar();
    int copies = 0;
    // Of two equal cards the first one played wins, except under the second-Heart-Ten rule.
    for (int s = leader, n = 0; s != mover && n < GetSeatCount(); s = NextSeat(s), ++n) {
        if (trickCards[s] != best)
            continue;
        ++copies;
        if (!IsMoverPartner(s))
            continue;
        if (GetTrickPosition(mover) == 4)
            return copies == 1;
        if (CountHigherCardsOut(mover, best) != 0)
            continue;
        if (best == kHeartTen && IsHeartTenTop(&gameType))
            return copies == 1 ? !SecondHeartTenWins() : SecondHeartTenWins();
        if (copies == 1)
            return true;
    }
    return false;
}

// Only the two partner entries count as the party here; the field after them holds a count of
// cards, not a seat.
bool ComputerPlayer::IsTrickSafeForParty() {
    return IsTrickSafeForPartner();
}

bool ComputerPlayer::GetPartyBestTrump(bool first, int* card) {
    std::int16_t list[3];
    GetPartyList(first, list);
    return FindBestTrump(list, card);
}

bool ComputerPlayer::GetBestTrumpSoFar(int* card) {
    return FindBestTrump(nullptr, card);
}

bool ComputerPlayer::FindBestTrump(const std::int16_t* seatsCounted, int* card) {
    int best = 0;
    bool found = false;
    if (IsSeat(leader)) {
        for (int s = leader, n = 0; s != seatToMove && n < GetSeatCount(); s = NextSeat(s), ++n) {
            const int played = trickCards[s];
            if (!IsTrump(played) || (seatsCounted && !ListHoldsSeat(seatsCounted, 3, s)))
                continue;
            best = GetHigherCard(best, played);
            found = true;
        }
    }
    *card = found ? best : GetBestCardSoFar();
    return found;
}

bool ComputerPlayer::WasPlayedBySeat(int seat, int card, bool asLeader) {
    if (!IsSeat(seat))
        return false;
    for (int t = 0; t < trickNumber - 1 && t < kTrickCount; ++t)
        if (tricks[t].cards[seat] == card)
            return !asLeader || tricks[t].leader == seat;
    return false;
}

bool ComputerPlayer::HasSeatPlayedCard(int seat, int card) {
    return WasPlayedBySeat(seat, card, false);
}

bool ComputerPlayer::HasGroupMismatchInTricks(int seat) {
    if (!IsSeat(seat))
        return false;
    for (int t = 0; t < trickNumber - 1 && t < kTrickCount; ++t) {
        const TrickRecord& trick = tricks[t];
        if (trick.leader == seat || !IsSeat(trick.leader))
            continue;
        const int card = trick.cards[seat];
        const int led = trick.cards[trick.leader];
        if (IsCardCode(card) && IsCardCode(led) && GetSuitGroup(card) != GetSuitGroup(led))
            return true;
    }
    return false;
}

int ComputerPlayer::GetPartyAnnouncementKind(bool firstParty) {
    int highest = -1;
    for (int i = firstParty ? 0 : 2; i < (firstParty ? 2 : 5); ++i)
        if (IsSeat(partyLists[i]) && announcedKinds[partyLists[i]] > highest)
            highest = announcedKinds[partyLists[i]];
    return highest;
}

bool ComputerPlayer::IsAnnouncedByParty(int seat) {
    if (!IsSeat(seat) || !IsSeatToMoveAbove15())
        return false;
    const int kind = GetHighestAnnouncement(seats[seat].inDeclarerParty != 0);
    return kind >= 2 && kind <= 5;
}

// --- holdings and estimates ---
// A void estimate below 35 means the seat may still hold the group.

bool ComputerPlayer::MayHoldGroup(int seat, int group) {
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return false;
    if (IsSeat(seatToMove) && seats[seatToMove].profile >= 11 && CountGroupOut(group) == 0)
        return false;
    return seatEstimates[seat].voidEstimate[group] < 35;
}

bool ComputerPlayer::CountGroupHolders(int* holders, bool* anyOpponent, int group) {
    *anyOpponent = true;
    *holders = -1;
    if (!ArePartiesKnown() || !IsSeat(seatToMove) || group < 0 || group >= kGroupCount)
        return false;
    *holders = seats[seatToMove].groupCount[group] > 0 ? 1 : 0;
    for (int s = 0; s < GetSeatCount(); ++s)
        if (s != seatToMove && seatEstimates[s].voidEstimate[group] < 35)
            ++*holders;
    int holding = 0;
    for (int i = 0; i < ListedOpponentCount(); ++i)
        if (IsSeat(moverOpponents[i]) && seatEstimates[moverOpponents[i]].voidEstimate[group] < 35)
            ++holding;
    *anyOpponent = holding != 0;
    return holding == moverOpponentCount;
}

int ComputerPlayer::CountPossibleHolders(int group) {
    if (!IsSeat(seatToMove) || group < 0 || group >= kGroupCount)
        return -1;
    const int style = ProfileStyle(seats[seatToMove].profile);
    const int bound = style == 3 || style == 4 ? 30 : 35;
    int count = 0;
    for (int s = 0; s < GetSeatCount(); ++s)
        count += seatEstimates[s].voidEstimate[group] < bound ? 1 : 0;
    return count;
}

bool ComputerPlayer::AreSuitEstimatesBelow(int group, int bound) {
    if (!IsSeat(seatToMove) || group < 0 || group >= kGroupCount)
        return false;
    auto below = [&](int s) { return std::abs(seatEstimates[s].voidEstimate[group]) < bound; };
    bool flag = group == kTrumpGroup ? false : true;
    if (group == kTrumpGroup) {
        for (int s = 0; s < GetSeatCount(); ++s)
            if (s != seatToMove && (IsMoverOpponent(s) || !IsMoverPartner(s)) && below(s))
                flag = true;
    } else {
        for (int i = 0; i < 3; ++i)
            if (IsSeat(moverOpponents[i]) && !below(moverOpponents[i]))
                flag = false;
    }
    if (!IsSeatToMoveAbove5() || !flag)
        return flag;
    if (group != kTrumpGroup) {
        for (int i = 0; i < ListedOpponentCount(); ++i)
            if (IsSeat(moverOpponents[i]) && GetSuitCount(moverOpponents[i], group) == 0)
                return false;
        return true;
    }
    int count = 0;
    for (int i = 0; i < 3; ++i) {
        if (!IsSeat(moverOpponents[i]))
            continue;
        const int held = GetSuitCount(moverOpponents[i], kTrumpGroup);
        if (held == 0)
            ++count;
        else if (held != -1)
            --count;
    }
    return count != moverOpponentCount;
}

int ComputerPlayer::CountOpponentsLikelyVoid(int seat, int group, int* listed) {
    *listed = moverOpponentCount;
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return 0;
    int count = 0;
    for (int i = 0; i < 3; ++i)
        if (IsSeat(moverOpponents[i]) &&
            PassesThreshold(seats[seat].profile,
                            seatEstimates[moverOpponents[i]].voidEstimate[group], 45, 50, 55, 65))
            ++count;
    return count;
}

bool ComputerPlayer::MayStillTrump(int seat) {
    return IsSeat(seat) && GameHasTrumps() && seatEstimates[seat].voidEstimate[kTrumpGroup] <= 50 &&
           CountGroupOut(kTrumpGroup) > 1;
}

bool ComputerPlayer::AssessSuitLead(int group) {
    const int mover = seatToMove;
    if (!IsSeat(mover) || group < 0 || group >= kTrumpGroup)
        return false;
    if (seats[mover].groupCount[group] < 2)
        return false;
    const int secondHighest = seats[mover].hand[GetGroupEnd(mover, group) - 1];
    if (CountHigherCardsOut(mover, secondHighest) == 0)
        return false;
    if (CountGroupOut(kTrumpGroup) == 0)
        return true;
    const int profile = seats[mover].profile;
    bool allLikelyVoidInTrumps = true;
    bool allRuffing = true;
    for (int i = 0; i < 3; ++i) {
        const int s = moverOpponents[i];
        if (!IsSeat(s))
            continue;
        const SeatEstimate& estimate = seatEstimates[s];
        allLikelyVoidInTrumps =
            allLikelyVoidInTrumps &&
            PassesThreshold(profile, estimate.voidEstimate[kTrumpGroup], 40, 50, 60, 70);
        allRuffing = allRuffing &&
                     PassesThreshold(profile, estimate.voidEstimate[group], 40, 50, 60, 70) &&
                     estimate.voidEstimate[kTrumpGroup] < 20;
    }
    if (allLikelyVoidInTrumps)
        return true;
    if (allRuffing)
        return false;
    // Four seats at the table here, whatever the line's seat count.
    return CountGroupOut(group) - (4 - GetTrickPosition(mover)) > 4;
}

bool ComputerPlayer::HasWinningTopCard(int group) {
    const int mover = seatToMove;
    if (!IsSeat(mover) || group < 0 || group >= kGroupCount || seats[mover].groupCount[group] == 0)
        return false;
    const int top = seats[mover].hand[GetGroupEnd(mover, group)];
    if (CountHigherCardsOut(mover, top) != 0)
        return false;
    if (mover == leader)
        return true;
    const int high = GetTrickHighCard();
    if (group == kTrumpGroup)
        return IsCardHigher(top, high);
    if (IsSeat(leader) && IsCardCode(trickCards[leader]) &&
        group == GetSuitGroup(trickCards[leader]))
        return high < top;
    return true;
}

bool ComputerPlayer::HoldsUnbeatenCard(int group, int card) {
    const int mover = seatToMove;
    if (!IsSeat(mover) || group < 0 || group >= kGroupCount)
        return false;
    for (int p = GetGroupStart(mover, group); p <= GetGroupEnd(mover, group); ++p) {
        const int own = seats[mover].hand[p];
        const bool beats = group == kTrumpGroup ? !IsCardHigher(card, own) : own > card;
        if (beats)
            return CountHigherCardsOut(mover, own) == 0;
    }
    return false;
}

bool ComputerPlayer::IsHeartTenSafe(int seat, int card) {
    if (card != kHeartTen || !SecondHeartTenWins() || IsCardPlayed(kHeartTen, false))
        return true;
    if (!IsSeat(seat) || !IsSeat(leader))
        return true;
    if (GetTrickPosition(seat) == 4 || ((seats[seat].tenMask >> 2) & 3) == 3)
        return true;
    // A later seat that may hold the other Heart Ten would take the trick with it.
    for (int s = NextSeat(seat), n = 0; s != leader && n < GetSeatCount(); s = NextSeat(s), ++n) {
        if (IsMoverPartner(s))
            continue;
        const int top = EstimateTopCard(s, kTrumpGroup);
        if (top == kHeartTen || top == 0)
            return false;
    }
    return true;
}

bool ComputerPlayer::HoldsTrumpAceOrTen() {
    const int mover = seatToMove;
    const int suit = gameType.trumpSuit;
    if (!IsSeat(mover) || suit < 0 || suit > 3)
        return false;
    const SeatBlock& block = seats[mover];
    return IsLineSuitGame() && (((block.aceMask | block.tenMask) >> (2 * suit)) & 3) != 0;
}

bool ComputerPlayer::HasOnlyFullSideCards(int seat) {
    if (!IsSeat(seat) || IsSoloGame())
        return false;
    const int sideCards = CountTricksLeft() - seats[seat].groupCount[kTrumpGroup];
    if (sideCards <= 0 || sideCards > kHandPlaces)
        return false;
    for (int p = 0; p < sideCards; ++p)
        if (GetCardPoints(seats[seat].hand[p]) < 10)
            return false;
    return true;
}
