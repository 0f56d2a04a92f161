// The Beg play: the declarer ducks like a seat of the all-passed game; the three defenders
// try to force a trick on him, keeping their low cards for the tricks where he must play
// over them. Every card is ranked in the Beg's natural order 7 8 9 10 U O K A.
#include "games/fourplayer/SchafkopfCardPlay.h"

namespace {

constexpr int kReasonPointLead = 35;

} // namespace

namespace {

// The declarer of the Beg: the declarer field, else the first entry of the first party.
int BegDeclarer(const SchafkopfCardPlay& game) {
    if (game.declarer >= 0 && game.declarer < kSeatCount)
        return game.declarer;
    return game.partyLists[0];
}

} // namespace

// --- the declarer ---

bool SchafkopfCardPlay::PlayBegDeclarerCard() {
    const int seat = seatToMove;
    if (!IsSeat(seat) || !IsSeat(leader))
        return false;
    if (seat == leader)
        return LeadBegDeclarer();
    const int best = GetBestCardSoFar();
    if (CanFollowSuit(seat))
        return FollowBegDeclarer(best);
    return DiscardBegDeclarer(best);
}

bool SchafkopfCardPlay::LeadBegDeclarer() {
    const int seat = seatToMove;
    if (!IsSeat(seat))
        return false;
    double risks[kGroupCount];
    int indexes[kGroupCount];
    SchafkopfTrumpTable table;
    RateAllGroups(seat, risks, indexes, &table);
    if (DiscardByRisk(seat, risks, indexes))
        return true;
    // Every suit is safe or beyond ducking: the first card of the hand.
    for (int p = 0; p < CountHandPlaces(); ++p)
        if (IsCardCode(seats[seat].hand[p]))
            return PlayPlace(seat, p, kReasonPointLead);
    return false;
}

bool SchafkopfCardPlay::FollowBegDeclarer(int best) {
    const int seat = seatToMove;
    if (!IsSeat(seat) || !IsCardCode(best))
        return false;
    const int group = GetSuitGroup(best);
    return PlayBelowCard(seat, group, best) || PlayLowest(seat, group, kReasonLowestCard);
}

bool SchafkopfCardPlay::DiscardBegDeclarer(int best) {
    return VoidAllPassed(seatToMove, best);
}

// --- the defenders ---

bool SchafkopfCardPlay::PlayBegDefenderCard() {
    const int seat = seatToMove;
    if (!IsSeat(seat) || !IsSeat(leader))
        return false;
    if (seat == leader)
        return LeadBegDefender(seat);
    if (CanFollowSuit(seat))
        return FollowBegDefender(seat, trickCards[leader]);
    return DiscardBegDefender(seat, GetBestCardSoFar());
}

bool SchafkopfCardPlay::LeadBegDefender(int seat) {
    if (!IsSeat(seat))
        return false;
    const int declarerSeat = BegDeclarer(*this);
    double risks[kGroupCount];
    int indexes[kGroupCount];
    SchafkopfTrumpTable table;
    RateAllGroups(seat, risks, indexes, &table);
    // A suit the declarer may have to take, led with the card its rating names while the
    // declarer may still hold two or more of it.
    for (int g = 0; g < 4; ++g) {
        if (CountOutOfSight(seat, g) == 0 || !IsGroupEndangered(g) ||
            seats[seat].groupCount[g] == 0 || !(risks[g] > 0.0))
            continue;
        if (IsSeat(declarerSeat) && EstimateSuitMaximum(declarerSeat, g) >= 2 &&
            PlayPlace(seat, indexes[g], kReasonGiveUpTrick))
            return true;
        return PlayLowest(seat, g, kReasonLowestCard);
    }
    for (int g = 0; g < 4; ++g)
        if (risks[g] > 0.0 && PlayLowest(seat, g, kReasonLowestCard))
            return true;
    for (int g = 0; g < 4; ++g)
        if (PlayLowest(seat, g, kReasonLowestCard))
            return true;
    return false;
}

bool SchafkopfCardPlay::FollowBegDefender(int seat, int led) {
    if (!IsSeat(seat) || !IsCardCode(led))
        return false;
    const int group = GetSuitGroup(led);
    int places[kHandPlaces];
    if (GroupPlaces(seat, group, places) == 0)
        return false;
    const int lowest = seats[seat].hand[places[0]];
    const int declarerSeat = BegDeclarer(*this);
    const int declarerCard = IsSeat(declarerSeat) ? trickCards[declarerSeat] : 0;
    const int best = GetBestCardSoFar();
    const int position = PositionInTrick(seat);
    auto low = [&]() { return PlayLowest(seat, group, kReasonLowestCard); };
    auto high = [&]() { return PlayHighest(seat, group, kReasonHighestCard); };
    // The lowest card stays under the declarer's card in the trick.
    const bool staysUnder = IsCardCode(declarerCard) && IsCardHigher(declarerCard, lowest);
    // Another defender holds the trick.
    const bool defenderWins =
        IsCardCode(declarerCard) && GetTrickWinnerSoFar(PreviousSeat(seat)) != declarerSeat;
    auto otherDefender = [&](int exclude) {
        for (int s = 0; s < kSeatCount; ++s)
            if (s != seat && s != declarerSeat && s != exclude)
                return s;
        return -1;
    };
    if (position == 2) {
        if (leader == declarerSeat) {
            if (!staysUnder)
                return high();
            if (!playForPartner)
                return low();
            const int first = otherDefender(-1);
            const int second = otherDefender(first);
            const bool partnersMayHold = (IsSeat(first) && MayHoldGroup(first, group)) ||
                                         (IsSeat(second) && MayHoldGroup(second, group));
            return partnersMayHold ? high() : low();
        }
        if (PlayEquivalentCard(seat, best))
            return true;
        const int other = otherDefender(leader);
        return IsSeat(other) && MayHoldGroup(other, group) ? low() : high();
    }
    if (position == 3) {
        if (!IsCardCode(declarerCard))
            return PlayEquivalentCard(seat, best) || high();
        if (defenderWins || !staysUnder)
            return high();
        if (!MayHoldGroup(NextSeat(seat), group))
            return PlayEquivalentCard(seat, best) || low();
        return high();
    }
    if (defenderWins)
        return high();
    return staysUnder ? low() : high();
}

bool SchafkopfCardPlay::DiscardBegDefender(int seat, int best) {
    if (!IsSeat(seat))
        return false;
    if (PlaySingletonSideAce(seat, false))
        return true;
    double sum = 0.0;
    for (int g = 0; g < 4; ++g) {
        int index = -1;
        sum += RateGroupRisk(seat, g, &index, SchafkopfTrumpTable{});
    }
    const int led =
        IsSeat(leader) && IsCardCode(trickCards[leader]) ? GetSuitGroup(trickCards[leader]) : -1;
    if (sum != 0.0 && led >= 0 && PositionInTrick(seat) == 2 && IsGroupEndangered(led)) {
        const int next = NextSeat(seat);
        const int points = EstimatedTopPoints(next, led) + CountTrickPoints(false) +
                           EstimatedTopPoints(NextSeat(next), led);
        if (points <= 12) {
            // The last card of the hand: the highest card of the highest-numbered suit.
            for (int p = CountHandPlaces() - 1; p >= 0; --p)
                if (IsCardCode(seats[seat].hand[p]))
                    return PlayPlace(seat, p, kReasonHighestCard);
        }
    }
    if (DiscardHighestExcess(seat, IsCardCode(best) ? GetSuitGroup(best) : -1, best))
        return true;
    // The Ten or Ace least likely to win a trick later.
    if (ThrowOffTenOrAce(seat))
        return true;
    for (int rank : {kRankKing, 3, 2})
        for (int suit = 0; suit < 4; ++suit) {
            const int card = CardOfRank(suit, rank);
            if (!IsCardInHand(seat, card))
                continue;
            for (int p = 0; p < CountHandPlaces(); ++p)
                if (seats[seat].hand[p] == card && PlayPlace(seat, p, kReasonThrowOffPoints))
                    return true;
        }
    for (int g = kTrumpGroup; g >= 0; --g)
        if (PlayLowest(seat, g, kReasonLowestCard))
            return true;
    return false;
}
