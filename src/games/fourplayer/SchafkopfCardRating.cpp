// The card and suit ratings of the all-passed game and its play: every seat ducks, sheds the
// cards that would win a trick later while that is still cheap, and gives up the lead.
#include "games/fourplayer/SchafkopfCardRating.h"

#include <algorithm>

#include "engine/EngineServices.h"

namespace {

// Rank steps (1 Seven .. 8 Ace) the ratings name.
constexpr int kStepSeven = 1;
constexpr int kStepEight = 2;
constexpr int kStepNine = 3;
constexpr int kStepKing = 6;
constexpr int kStepTen = 7;
constexpr int kStepAce = 8;

// A seat counts as void in a group from this estimate on; a cautious seat from the lower one.
constexpr int kVoidEstimate = 35;
constexpr int kCautiousVoidEstimate = 30;

} // namespace

// --- helpers ---

int SchafkopfCardRating::GroupPlaces(int seat, int group, int* places) {
    int count = 0;
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return 0;
    for (int p = 0; p < CountHandPlaces(); ++p) {
        const int card = seats[seat].hand[p];
        if (IsCardCode(card) && GetSuitGroup(card) == group)
            places[count++] = p;
    }
    // Ascending by the game's order; a hand holds each card once.
    std::sort(places, places + count,
              [&](int a, int b) { return IsCardHigher(seats[seat].hand[b], seats[seat].hand[a]); });
    return count;
}

int SchafkopfCardRating::CountOutOfSight(int seat, int group) {
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return 0;
    int count = 0;
    for (int card = kFirstCard; card <= kLastCard; ++card)
        if (RankStepOf(card) >= GetLowestRankStep() && GetSuitGroup(card) == group &&
            !IsCardPlayed(card, false) && !IsCardInHand(seat, card))
            ++count;
    return count;
}

bool SchafkopfCardRating::PlayPlace(int seat, int place, int reason) {
    if (!IsSeat(seat) || place < 0 || place >= CountHandPlaces() ||
        !IsCardCode(seats[seat].hand[place]))
        return false;
    if (IsLegalCard(seat, seats[seat].hand[place]) != 1)
        return false;
    return PlayRuleCard(seat, place, reason);
}

bool SchafkopfCardRating::PlayLowest(int seat, int group, int reason) {
    int places[kHandPlaces];
    const int n = GroupPlaces(seat, group, places);
    return n > 0 && PlayPlace(seat, places[0], reason);
}

bool SchafkopfCardRating::PlayHighest(int seat, int group, int reason) {
    int places[kHandPlaces];
    const int n = GroupPlaces(seat, group, places);
    return n > 0 && PlayPlace(seat, places[n - 1], reason);
}

bool SchafkopfCardRating::PlayLowestFromTrumpsDown(int seat) {
    for (int group = kTrumpGroup; group >= 0; --group)
        if (PlayLowest(seat, group, kReasonLowestCard))
            return true;
    return false;
}

int SchafkopfCardRating::PositionInTrick(int seat) {
    if (!IsSeat(seat) || !IsSeat(leader))
        return 0;
    int position = 1;
    for (int s = leader; s != seat && position <= kSeatCount; s = NextSeat(s))
        ++position;
    return position;
}

int SchafkopfCardRating::EstimatedTopPoints(int seat, int group) {
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return 0;
    if (!IsBeg())
        return GetCardPoints(EstimateTopCard(seat, group));
    // The engine's walk down from the top goes by card code; the Beg ranks the Ten between
    // the Nine and the Unter, so the highest card the seat may hold is found by its order.
    const int ceiling = seatEstimates[seat].ceilingCard[group];
    const bool capped = IsCardCode(ceiling) && GetSuitGroup(ceiling) == group;
    int top = 0;
    for (int card = kFirstCard; card <= kLastCard; ++card) {
        if (RankStepOf(card) < GetLowestRankStep() || GetSuitGroup(card) != group ||
            IsCardPlayed(card, false) || IsCardInHand(seatToMove, card))
            continue;
        if (capped && card != ceiling && IsCardHigher(card, ceiling))
            continue;
        if (top == 0 || IsCardHigher(card, top))
            top = card;
    }
    return GetCardPoints(top);
}

double SchafkopfCardRating::RateAllGroups(int seat, double* risks, int* indexes,
                                          SchafkopfTrumpTable* table) {
    BuildTrumpTable(seat, table);
    double sum = 0.0;
    for (int g = 0; g < kGroupCount; ++g) {
        risks[g] = RateGroupRisk(seat, g, &indexes[g], *table);
        sum += risks[g];
    }
    return sum;
}

// --- the ratings ---

bool SchafkopfCardRating::PlayTrumpDecision(int, int, bool) {
    return false;
}

int SchafkopfCardRating::CountHigherOut(int seat, int card) {
    return CountOutBeside(seat, card, true);
}

int SchafkopfCardRating::CountLowerOut(int seat, int card) {
    return CountOutBeside(seat, card, false);
}

int SchafkopfCardRating::CountOutBeside(int seat, int card, bool above) {
    if (!IsSeat(seat) || !IsCardCode(card))
        return 0;
    const int group = GetSuitGroup(card);
    int count = 0;
    for (int other = kFirstCard; other <= kLastCard; ++other)
        if (other != card && RankStepOf(other) >= GetLowestRankStep() &&
            GetSuitGroup(other) == group &&
            (above ? IsCardHigher(other, card) : IsCardHigher(card, other)) &&
            !IsCardPlayed(other, false) && !IsCardInHand(seat, other))
            ++count;
    return count;
}

int SchafkopfCardRating::CountGroupOutSafe(int seat, int group) {
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return 0;
    const int mover = IsSeat(seatToMove) ? seatToMove : seat;
    const int style = ProfileStyle(seats[mover].profile);
    const int cut = style >= 3 ? kCautiousVoidEstimate : kVoidEstimate;
    int holders = 0;
    for (int s = 0; s < kSeatCount; ++s)
        if (s != seat && seatEstimates[s].voidEstimate[group] < cut)
            ++holders;
    return std::min(CountGroupOutAhead(seat, group), holders);
}

int SchafkopfCardRating::CountGroupOutAhead(int seat, int group) {
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return 0;
    const int style = ProfileStyle(seats[seat].profile);
    const int cut = style >= 3 ? kCautiousVoidEstimate : kVoidEstimate;
    int count = CountOutOfSight(seat, group);
    if (IsSeat(leader))
        for (int s = NextSeat(seat), n = 0; s != leader && n < kSeatCount; s = NextSeat(s), ++n)
            if (seatEstimates[s].voidEstimate[group] > cut)
                --count;
    return std::max(count, 0);
}

void SchafkopfCardRating::BuildTrumpTable(int seat, SchafkopfTrumpTable* table) {
    if (!table)
        return;
    *table = SchafkopfTrumpTable{};
    int places[kHandPlaces];
    const int n = GroupPlaces(seat, kTrumpGroup, places);
    for (int k = 0; k < n && k < SchafkopfTrumpTable::kMaxTrumps; ++k) {
        const int card = seats[seat].hand[places[k]];
        table->lowerOut[k] = static_cast<std::int16_t>(CountLowerOut(seat, card));
        table->higherOut[k] = static_cast<std::int16_t>(CountHigherOut(seat, card));
    }
    table->count = static_cast<std::int16_t>(std::min(n, SchafkopfTrumpTable::kMaxTrumps));
    table->firstIndex = static_cast<std::int16_t>(n > 0 ? places[0] : -1);
}

bool SchafkopfCardRating::LeadTrumpIfSafe(int seat, bool second, const SchafkopfTrumpTable& table) {
    const int n = table.count;
    if (!IsSeat(seat) || n < 1 || (second && n < 2))
        return false;
    const int top = n - 1;
    if (!second && table.higherOut[top] != 0)
        return false;
    if (second && (table.higherOut[top] != 1 || table.higherOut[top - 1] == 1))
        return false;
    // While the trump suit's Ace or Ten is out, a long trump holding keeps its trumps.
    const int suit = gameType.trumpSuit;
    if (suit >= 0 && suit <= 3 &&
        (!IsCardPlayed(CardOfRank(suit, kRankAce), false) ||
         !IsCardPlayed(CardOfRank(suit, kRankTen), false)) &&
        n > CountOutOfSight(seat, kTrumpGroup) / 3.0)
        return false;
    int places[kHandPlaces];
    GroupPlaces(seat, kTrumpGroup, places);
    return PlayPlace(seat, places[second ? top - 1 : top], kReasonHighestCard);
}

bool SchafkopfCardRating::DiscardSingleton(int seat, const double* risks) {
    if (!IsSeat(seat) || !risks)
        return false;
    for (int g = 0; g < kGroupCount; ++g) {
        int places[kHandPlaces];
        if (GroupPlaces(seat, g, places) == 1 && risks[g] == 0.0 && CountOutOfSight(seat, g) > 2 &&
            PlayPlace(seat, places[0], kReasonShedSingleton))
            return true;
    }
    return false;
}

bool SchafkopfCardRating::DiscardByRisk(int seat, const double* risks, const int* indexes) {
    if (!IsSeat(seat) || !risks || !indexes)
        return false;
    auto first = [&](auto test) {
        for (int g = 0; g < kGroupCount; ++g)
            if (test(risks[g]) && indexes[g] >= 0 &&
                PlayPlace(seat, indexes[g], kReasonGiveUpTrick))
                return true;
        return false;
    };
    return first([](double r) { return r == 2.0; }) || first([](double r) { return r > 2.0; }) ||
           first([](double r) { return r == 1.0; });
}

bool SchafkopfCardRating::DiscardHighestExcess(int seat, int ledGroup, int trickCard) {
    if (!IsSeat(seat))
        return false;
    double risks[kGroupCount];
    int indexes[kGroupCount];
    SchafkopfTrumpTable table;
    RateAllGroups(seat, risks, indexes, &table);
    // The cards beyond those the seat must keep to duck are shed from the highest down.
    auto shed = [&](auto test) {
        for (int step = kStepAce; step >= GetLowestRankStep(); --step)
            for (int g = 0; g < 4; ++g) {
                int places[kHandPlaces];
                const int n = GroupPlaces(seat, g, places);
                if (n == 0 || !test(n - risks[g]) ||
                    RankStepOf(seats[seat].hand[places[n - 1]]) != step)
                    continue;
                if (PlayPlace(seat, places[n - 1], kReasonHighestCard))
                    return true;
            }
        return false;
    };
    if (shed([](double e) { return e == 1.0; }) || shed([](double e) { return e == 2.0; }) ||
        shed([](double e) { return e > 2.0; }))
        return true;
    if (ledGroup >= 0 && ledGroup < 4 && seats[seat].groupCount[ledGroup] > 0)
        return PlayBelowCard(seat, ledGroup, trickCard);
    return false;
}

bool SchafkopfCardRating::PlayBelowCard(int seat, int group, int card) {
    int places[kHandPlaces];
    const int n = GroupPlaces(seat, group, places);
    if (n == 0)
        return false;
    if (IsCardCode(card))
        for (int i = n - 1; i >= 0; --i)
            if (IsCardHigher(card, seats[seat].hand[places[i]]))
                return PlayPlace(seat, places[i], kReasonLowestCard);
    return PlayPlace(seat, places[0], kReasonLowestCard);
}

int SchafkopfCardRating::CountDuckCards(int seat, int group) {
    if (CountOutOfSight(seat, group) == 0)
        return 0;
    int places[kHandPlaces];
    const int n = GroupPlaces(seat, group, places);
    int count = 0;
    while (count < n && CountHigherOut(seat, seats[seat].hand[places[count]]) > 0)
        ++count;
    return count;
}

int SchafkopfCardRating::CountAllDuckCards(int seat) {
    int sum = 0;
    for (int g = 0; g < kGroupCount; ++g)
        sum += CountDuckCards(seat, g);
    return sum;
}

double SchafkopfCardRating::RateGroupRisk(int seat, int group, int* index,
                                          const SchafkopfTrumpTable& table) {
    int unused = -1;
    int& at = index ? *index : unused;
    at = -1;
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return 0.0;
    int places[kHandPlaces];
    const int n = GroupPlaces(seat, group, places);
    if (n == 0)
        return 0.0;
    if (group == kTrumpGroup) {
        const int count = std::min<int>(table.count, n);
        int k = 0;
        while (k < count && table.lowerOut[k] > table.higherOut[k])
            ++k;
        double risk = k;
        for (int i = 0; i + 1 < k; ++i)
            if (table.lowerOut[i + 1] - table.lowerOut[i] > 2)
                risk -= 1.0;
        at = places[k > 1 ? 1 : 0];
        return risk;
    }
    const int low = RankStepOf(seats[seat].hand[places[0]]);
    const int second = n > 1 ? RankStepOf(seats[seat].hand[places[1]]) : 0;
    double risk = 0.0;
    at = places[0];
    switch (n) {
    case 1:
        risk = low <= kStepNine ? 1.0 : -1.0;
        break;
    case 2:
        if (low == kStepSeven || low == kStepEight) {
            risk = second < kStepTen ? 2.0 : 1.0;
            at = places[1];
        } else if (low == kStepNine || low == kStepKing) {
            risk = second < kStepTen ? 2.0 : 1.0;
        }
        break;
    case 3:
        if (second <= kStepNine)
            risk = 2.0;
        else if (second < kStepTen)
            risk = 1.0;
        break;
    case 4:
        risk = low <= kStepEight ? 1.0 : 0.0;
        break;
    case 5:
        risk = low == kStepSeven ? 1.0 : 0.0;
        break;
    case 6:
        break;
    default:
        risk = -1.0;
        break;
    }
    if (CountOutOfSight(seat, group) > 2)
        at = places[0];
    return risk;
}

// --- the play ---

bool SchafkopfCardRating::LeadAllPassed(int seat) {
    if (!IsSeat(seat))
        return false;
    SchafkopfTrumpTable table;
    double risks[kGroupCount];
    int indexes[kGroupCount];
    const int ducks = CountAllDuckCards(seat);
    const double sum = RateAllGroups(seat, risks, indexes, &table);
    if (LeadTrumpIfSafe(seat, false, table))
        return true;
    // The underplay: the second-lowest trump while few trumps below it are out.
    auto underplay = [&]() {
        if (table.count <= 1 || table.lowerOut[1] > 3)
            return false;
        int places[kHandPlaces];
        GroupPlaces(seat, kTrumpGroup, places);
        return PlayPlace(seat, places[1], kReasonUnderplayTrump);
    };
    bool played;
    if ((ducks == 0 && sum <= 1.0) || ducks == 1)
        played =
            DiscardSingleton(seat, risks) || underplay() || DiscardByRisk(seat, risks, indexes);
    else
        played =
            underplay() || DiscardByRisk(seat, risks, indexes) || DiscardSingleton(seat, risks);
    if (played)
        return true;
    if (table.count > 1 && LeadTrumpIfSafe(seat, true, table))
        return true;
    return PlayLowestFromTrumpsDown(seat);
}

bool SchafkopfCardRating::FollowAllPassed(int seat, int led) {
    if (!IsSeat(seat) || !IsCardCode(led))
        return PlayLowestFromTrumpsDown(seat);
    const int group = GetSuitGroup(led);
    const int best = GetBestCardSoFar();
    const int points = CountTrickPoints(false);
    int places[kHandPlaces];
    const int n = GroupPlaces(seat, group, places);
    if (n == 0)
        return VoidAllPassed(seat, best);
    if (group != kTrumpGroup) {
        if (IsCardCode(best) && IsTrump(best))
            return PlayPlace(seat, places[n - 1], kReasonHighestCard);
        if (n == 1)
            return PlayPlace(seat, places[0], kReasonLowestCard);
        const int second = seats[seat].hand[places[1]];
        const int secondHigher = CountHigherOut(seat, second);
        const int ahead = CountGroupOutAhead(seat, group);
        const int safe = CountGroupOutSafe(seat, group);
        if (ahead == 0) {
            if (secondHigher > 0)
                return PlayBelowCard(seat, group, best);
            return PlayPlace(seat, places[1], kReasonSecondLowest);
        }
        if (ahead == 1) {
            if (points > 9)
                return PlayBelowCard(seat, group, best);
            return PlayPlace(seat, places[1], kReasonSecondLowest);
        }
        if (secondHigher > 0 && IsCardCode(best) && !IsCardHigher(best, second) &&
            (points > 14 || safe == 3 || secondHigher > 1))
            return PlayPlace(seat, places[0], kReasonLowestCard);
        return PlayPlace(seat, places[1], kReasonSecondLowest);
    }
    const int position = PositionInTrick(seat);
    const int ducks = CountAllDuckCards(seat);
    if (position == 2 || position == 3) {
        if (ducks > 0 && CountGroupOutSafe(seat, kTrumpGroup) == 3) {
            const int suit = gameType.trumpSuit;
            const bool aceOut =
                suit >= 0 && suit <= 3 && !IsCardPlayed(CardOfRank(suit, kRankAce), false);
            const bool tenOut =
                suit >= 0 && suit <= 3 && !IsCardPlayed(CardOfRank(suit, kRankTen), false);
            if (aceOut && tenOut)
                return PlayBelowCard(seat, group, best) ||
                       PlayPlace(seat, places[n - 1], kReasonHighestCard);
            if (points < 6)
                return PlayPlace(seat, places[n - 1], kReasonHighestCard);
        }
        return PlayBelowCard(seat, group, best) || PlayPlace(seat, places[0], kReasonLowestCard);
    }
    if (ducks == 0) {
        if (points > 9 && PlayBelowCard(seat, group, best))
            return true;
        return PlayPlace(seat, places[n - 1], kReasonHighestCard);
    }
    const int trumpDucks = CountDuckCards(seat, kTrumpGroup);
    if (trumpDucks == 0 && trumpDucks + 1 < n)
        return PlayPlace(seat, places[n - 1], kReasonHighestCard);
    if (points > 10)
        return PlayBelowCard(seat, group, best) || PlayPlace(seat, places[0], kReasonLowestCard);
    return PlayPlace(seat, places[n - 1], kReasonHighestCard);
}

bool SchafkopfCardRating::ThrowOffRankToOpponentSuit(int seat, int rankCode) {
    if (!IsSeat(seat) || rankCode < 0 || rankCode > 7)
        return false;
    // Every other seat plays against the seat in the all-passed game and against a soloist;
    // otherwise the seats of the other party.
    const bool alone = IsSeat(partyLists[0]) && partyLists[0] == seat;
    const bool allPassed = (gameType.word & kModExchange) != 0;
    for (int suit = 0; suit < 4; ++suit) {
        const int card = CardOfRank(suit, rankCode);
        if (IsTrump(card) || !IsCardInHand(seat, card))
            continue;
        if (rankCode == kRankAce && !MayThrowOffCalledAce(seat, card))
            continue;
        bool open = false;
        for (int s = 0; s < kSeatCount && !open; ++s) {
            const bool other = allPassed || alone || !IsSeat(partyLists[0])
                                   ? s != seat
                                   : seats[s].inDeclarerParty != seats[seat].inDeclarerParty;
            open = other && seatEstimates[s].voidEstimate[suit] < kVoidEstimate;
        }
        if (!open)
            continue;
        for (int p = 0; p < CountHandPlaces(); ++p)
            if (seats[seat].hand[p] == card && PlayPlace(seat, p, kReasonThrowOffPoints))
                return true;
    }
    return false;
}

bool SchafkopfCardRating::VoidAllPassed(int seat, int best) {
    if (!IsSeat(seat))
        return false;
    if (PlaySingletonSideAce(seat, false))
        return true;
    SchafkopfTrumpTable table;
    double risks[kGroupCount];
    int indexes[kGroupCount];
    const double sum = RateAllGroups(seat, risks, indexes, &table);
    const bool bestIsTrump = IsCardCode(best) && IsTrump(best);
    const int trumps = table.count;
    const int led =
        IsSeat(leader) && IsCardCode(trickCards[leader]) ? GetSuitGroup(trickCards[leader]) : -1;
    if (!bestIsTrump && trumps > 0 && sum != 0.0 && led >= 0) {
        const int points = CountTrickPoints(false);
        const int position = PositionInTrick(seat);
        const bool endangered = IsGroupEndangered(led);
        int places[kHandPlaces];
        GroupPlaces(seat, kTrumpGroup, places);
        const int highest = places[trumps - 1];
        const bool canTake = !bestIsTrump || !IsCardHigher(best, seats[seat].hand[highest]);
        const bool strong =
            trumps > CountOutOfSight(seat, kTrumpGroup) / 3.0 || trumps - risks[kTrumpGroup] > 2.0;
        const int next = NextSeat(seat);
        bool take = false;
        if (position == 2)
            take = endangered && EstimatedTopPoints(next, led) +
                                         EstimatedTopPoints(NextSeat(next), led) + points <
                                     13;
        else if (position == 3 && canTake && strong && points < 13)
            take = endangered ? EstimatedTopPoints(next, led) + points < 13 : points < 7;
        else if (position == 4)
            take = canTake && strong && points < 13;
        if (take && PlayPlace(seat, highest, kReasonHighestCard))
            return true;
    }
    if (DiscardHighestExcess(seat, IsCardCode(best) ? GetSuitGroup(best) : -1, best))
        return true;
    const bool beg = IsBeg();
    const int ranks[] = {kRankAce,
                         beg ? -1 : kRankTen,
                         kRankKing,
                         beg ? kRankOber : -1,
                         beg ? kRankUnter : -1,
                         beg ? kRankTen : -1,
                         3,
                         2};
    for (int rank : ranks)
        if (rank >= 0 && ThrowOffRankToOpponentSuit(seat, rank))
            return true;
    return PlayLowestFromTrumpsDown(seat);
}

bool SchafkopfCardRating::PlayAllPassedCard() {
    const int seat = seatToMove;
    if (!IsSeat(seat) || !IsSeat(leader))
        return false;
    if (seat == leader)
        return LeadAllPassed(seat);
    if (!CanFollowSuit(seat))
        return VoidAllPassed(seat, GetBestCardSoFar());
    return FollowAllPassed(seat, trickCards[leader]);
}

bool SchafkopfCardRating::PlayAllPassedMiddle() {
    return PlayAllPassedCard();
}

bool SchafkopfCardRating::PlayAllPassedEnd() {
    return PlayAllPassedCard();
}
