// The rules that give up a plain-suit card: a card of a chosen rank when no card of its suit is
// out or the trick is the partner's, the Ten or Ace least likely to win a trick of its own, a
// smear of points onto a trick the party takes, singletons, low cards of suits without points,
// and the top cards of side suits that take no trick of their own. Several collect candidate
// suits and let the lowest or highest candidate card decide.
#include "engine/ComputerPlayer.h"

#include <algorithm>

namespace {

constexpr int kReasonThrowOffRank = 25;
constexpr int kReasonThrowOffTenOrAce = 26;
constexpr int kReasonSmearTen = 37;
constexpr int kReasonDiscardLowest = 21;
constexpr int kReasonLeastLikely = 22;

// The suits a rule may give a card from, each with the place its search starts from (the
// first place for the lowest card, the last for the highest).
struct SuitCandidates {
    std::int16_t suits[4] = {};
    std::int16_t places[4] = {};
    int count = 0;

    void Add(int group, int place) {
        suits[count] = static_cast<std::int16_t>(group);
        places[count++] = static_cast<std::int16_t>(place);
    }
    bool PlayLowest(ComputerPlayer& player, int seat) const {
        return count > 0 && player.PlayLowestCandidate(seat, count, suits, places);
    }
    bool PlayHighest(ComputerPlayer& player, int seat) const {
        return count > 0 && player.PlayHighestCandidate(seat, count, suits, places);
    }
};

} // namespace

bool ComputerPlayer::IsPlainSuit(int group) const {
    return group >= 0 && group < 4 && group != gameType.trumpSuit;
}

bool ComputerPlayer::IsOpponentVoidAbove(int group, int bound) {
    for (int i = 0; i < ListedOpponentCount(); ++i) {
        const int opponent = moverOpponents[i];
        if (IsSeat(opponent) && seatEstimates[opponent].voidEstimate[group] > bound)
            return true;
    }
    return false;
}

double ComputerPlayer::SuitOutShare(int group) {
    // Floating-point: in whole numbers every share below one would be 0.
    const int deck = CountGroupInDeck(group, gameType.trumpSuit, gameType.word);
    if (deck <= 0)
        return 1.0;
    return static_cast<double>(CountGroupOut(group)) / static_cast<double>(deck);
}

bool ComputerPlayer::ThrowOffRank(int seat, int rankCode, bool flag) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    const int partner = moverPartners[0];
    const bool partnerSafe = IsSeatToMoveAbove15() && IsSeat(partner) && trickCards[partner] != 0 &&
                             IsTrump(GetBestCardSoFar()) && IsTrickSafeForPartner();
    const bool last = GetTrickPosition(seat) == GetSeatCount();
    for (int g = 0; g < 4; ++g) {
        if (!IsPlainSuit(g) || block.groupCount[g] == 0)
            continue;
        const int start = GetGroupStart(seat, g);
        const int end = start + block.groupCount[g];
        int place = -1;
        for (int p = start; p < end && place < 0; ++p)
            if (RankCodeOf(block.hand[p]) == rankCode)
                place = p;
        if (place < 0)
            continue;
        const bool allowed =
            (flag && last) || CountGroupOut(g) == 0 || partnerSafe || IsOpponentVoidAbove(g, 65);
        if (!allowed)
            continue;
        if (rankCode != kRankAce) {
            const bool hasNext = place + 1 < end;
            const int kind = GetLineGameKind();
            if (kind == 0 && hasNext &&
                !(IsSeatToMoveAbove15() && rankCode != kRankTen &&
                  IsMaster(seat, block.hand[place + 1])))
                return PlayRuleCard(seat, place + 1, kReasonThrowOffRank);
            if (kind == 2 && hasNext && MayPlayCardNow(seat, block.hand[place + 1]))
                return PlayRuleCard(seat, place + 1, kReasonThrowOffRank);
            // The card found goes when the line refuses the next one.
            return PlayRuleCard(seat, place, kReasonThrowOffRank);
        }
        if (flag || HasSeatPlayedCard(seat, block.hand[place]))
            return PlayRuleCard(seat, place, kReasonThrowOffRank);
    }
    return false;
}

bool ComputerPlayer::ThrowOffTenOrAce(int seat) {
    if (!IsSeat(seat))
        return false;
    if (trickNumber < GetEndgameTrick()) {
        if (ThrowOffRank(seat, kRankTen, false) || ThrowOffRank(seat, kRankAce, false))
            return true;
    } else if (ThrowOffRank(seat, kRankAce, false) || ThrowOffRank(seat, kRankTen, false)) {
        return true;
    }
    const SeatBlock& block = seats[seat];
    double value[4];
    for (int g = 0; g < 4; ++g) {
        value[g] = 1.0;
        if (!IsPlainSuit(g) || block.groupCount[g] == 0)
            continue;
        const double v = SuitOutShare(g);
        value[g] = v;
        if (block.groupCount[g] == 1) {
            const int card = block.hand[GetGroupStart(seat, g)];
            if (RankCodeOf(card) == kRankTen)
                value[g] = v / 100.0 + 0.02;
            else if (RankCodeOf(card) == kRankAce && HasTwoCopies() && PlayedCopies(card) == 0)
                value[g] = v / 100.0 + 0.04;
        }
    }
    auto topRank = [&](int g) { return RankCodeOf(block.hand[GetGroupEnd(seat, g)]); };
    int chosen = -1;
    for (bool withAces : {false, true}) {
        double best = 1.0;
        for (int g = 0; g < 4; ++g) {
            if (block.groupCount[g] == 0 || !IsPlainSuit(g))
                continue;
            const int top = topRank(g);
            if (top != kRankTen && !(withAces && top == kRankAce))
                continue;
            if (value[g] < best) {
                best = value[g];
                chosen = g;
            }
        }
        if (chosen >= 0)
            break;
    }
    if (chosen < 0)
        return false;
    int place = GetGroupEnd(seat, chosen);
    int listed = 0;
    if (block.groupCount[chosen] > 1 && RankCodeOf(block.hand[place - 1]) == kRankTen &&
        CountOpponentsLikelyVoid(seat, chosen, &listed) != listed)
        --place;
    return PlayRuleCard(seat, place, kReasonThrowOffTenOrAce);
}

bool ComputerPlayer::SmearPoints(int seat) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    for (int g = 0; g < 4; ++g) {
        if (!IsPlainSuit(g))
            continue;
        const int ten = CardOfRank(g, kRankTen);
        if (CopiesInRankMask(block.tenMask, g) > 0 && CopiesInRankMask(block.aceMask, g) > 0 &&
            !IsMaster(seat, ten))
            return PlayCardIfHeld(seat, ten, kReasonSmearTen);
    }
    for (int g = 0; g < 4; ++g) {
        if (!IsPlainSuit(g) || block.groupCount[g] == 0 || block.groupEval[g][0] < 2 ||
            block.groupEval[g][1] < 1)
            continue;
        const int top = block.hand[GetGroupEnd(seat, g)];
        if (RankCodeOf(top) != kRankAce || HasSeatPlayedCard(seat, top))
            return PlayHighestOfGroup(seat, g);
        if (block.groupCount[g] >= 2)
            return PlaySecondHighestOfGroup(seat, g);
    }
    return false;
}

bool ComputerPlayer::DiscardFromAceSuit(int seat, bool flag) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    SuitCandidates candidates;
    for (int g = 0; g < 4; ++g) {
        const int aces = CopiesInRankMask(block.aceMask, g);
        if (!IsPlainSuit(g) || aces == 0)
            continue;
        const int need =
            aces == 2 || PlayedCopies(CardOfRank(g, kRankAce)) > 0 || !HasTwoCopies() ? 1 : 2;
        const int rest =
            block.groupCount[g] - aces - (flag ? CopiesInRankMask(block.tenMask, g) : 0);
        if (rest >= need) {
            candidates.Add(g, GetGroupStart(seat, g));
        }
    }
    return candidates.PlayLowest(*this, seat);
}

bool ComputerPlayer::DiscardFromTenSuit(int seat) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    SuitCandidates candidates;
    for (int g = 0; g < 4; ++g) {
        if (!IsPlainSuit(g) || CopiesInRankMask(block.aceMask, g) > 0 || block.groupCount[g] == 0)
            continue;
        const bool heartTop = g == kSuitHerz && IsHeartTenTop(&gameType);
        if (heartTop || (CopiesInRankMask(block.tenMask, g) > 0 && block.groupCount[g] >= 3)) {
            candidates.Add(g, GetGroupStart(seat, g));
        }
    }
    return candidates.PlayLowest(*this, seat);
}

bool ComputerPlayer::DiscardByLine(int, int) {
    return false;
}

bool ComputerPlayer::PlaySideSuitTops(int seat, bool pairsFirst, bool qualify) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    const int left = CountTricksLeft();
    SuitCandidates candidates;
    bool aside[4] = {};
    int pairPoints = 0;
    auto add = [&](int g) { candidates.Add(g, GetGroupEnd(seat, g)); };
    for (int g = 0; g < 4; ++g) {
        const int n = IsPlainSuit(g) ? block.groupCount[g] : 0;
        if (n == 0)
            continue;
        const auto& eval = block.groupEval[g];
        if (qualify && !(eval[2] == 0 || (n == 1 && eval[0] == 0 && eval[2] == 1) ||
                         (left == 2 && CountGroupOut(g) == 0)))
            continue;
        const int end = GetGroupEnd(seat, g);
        const int top = block.hand[end];
        if (pairsFirst) {
            if (n >= 2 && block.hand[end - 1] == top) {
                pairPoints = std::max(pairPoints, GetCardPoints(top));
                add(g);
            } else {
                aside[g] = true;
            }
            continue;
        }
        const int ace = CardOfRank(g, kRankAce);
        const int ten = CardOfRank(g, kRankTen);
        if (qualify && GetLineGameKind() == 0 && RankCodeOf(top) == kRankKing && n == 3 &&
            IsSeatToMoveAbove15() && PlayedCopies(ace) == 0 && PlayedCopies(ten) == 0 &&
            trickNumber <= 8 && AreSuitEstimatesBelow(g, 33))
            continue;
        add(g);
    }
    for (int g = 0; g < 4; ++g)
        if (aside[g] && GetCardPoints(block.hand[GetGroupEnd(seat, g)]) > pairPoints)
            add(g);
    return candidates.PlayHighest(*this, seat);
}

bool ComputerPlayer::ChooseSideSuitCard(int seat, bool flag) {
    return PlaySideSuitTops(seat, flag, true);
}

bool ComputerPlayer::PlaySideSuitTop(int seat, bool flag) {
    return PlaySideSuitTops(seat, flag, false);
}

bool ComputerPlayer::PlayHighSideCard(int seat) {
    if (ChooseSideSuitCard(seat, true) || ChooseSideSuitCard(seat, false) || SmearPoints(seat))
        return true;
    return HasTwoCopies() && (PlaySideSuitTop(seat, true) || PlaySideSuitTop(seat, false));
}

bool ComputerPlayer::ChooseHighSideCardOrThrowOff(int seat) {
    int listed = 0;
    if (CountOpponentsLikelyVoid(seat, kTrumpGroup, &listed) == listed)
        return PlayHighSideCard(seat) || ThrowOffTenOrAce(seat);
    return ThrowOffTenOrAce(seat) || PlayHighSideCard(seat);
}

bool ComputerPlayer::TryVoidShortSuit(int seat, int baseValue, int position) {
    if (!IsSeat(seat))
        return false;
    const int seatCount = GetSeatCount();
    if ((TrumpCount(seat) <= 2 && CountGroupOut(kTrumpGroup) > 0) || position < seatCount - 1)
        return false;
    const SeatBlock& block = seats[seat];
    const int led =
        IsSeat(leader) && IsCardCode(trickCards[leader]) ? GetSuitGroup(trickCards[leader]) : -1;
    for (int g = 0; g < 4; ++g) {
        if (!IsPlainSuit(g) || block.groupCount[g] != 1 || HasWinningTopCard(g))
            continue;
        const int played = CountPlayedInGroup(g);
        int rate = RateGroupPoints(g, seat) + (played >= 5 ? 10 : 0);
        rate = std::min(rate, (seatCount - 1) * 10);
        if (played == 3 || played == 4 || rate <= baseValue + 5)
            continue;
        if (position == seatCount)
            return PlayLowOfGroup(seat, g);
        if (led >= 0 && IsGroupEndangered(led) &&
            baseValue + std::min(RateGroupPoints(led, seat), 11) + 5 < rate)
            return PlayLowOfGroup(seat, g);
    }
    return false;
}

bool ComputerPlayer::ChooseSingletonDiscard(int seat, bool allowTen) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    SuitCandidates candidates;
    for (int g = 0; g < 4; ++g) {
        if (!IsPlainSuit(g) || block.groupCount[g] != 1)
            continue;
        const int place = GetGroupStart(seat, g);
        const int rank = RankCodeOf(block.hand[place]);
        const int sure = block.groupEval[g][0];
        if (rank == kRankAce || CountGroupOut(g) < 2)
            continue;
        if (rank == kRankTen && (sure == 1 || !allowTen))
            continue;
        const bool alwaysKept = rank == kRankTen && sure == 0;
        if (!alwaysKept && IsOpponentVoidAbove(g, 30))
            continue;
        if (IsSeatToMoveAbove15()) {
            if (rank == kRankOber && block.aceCount + block.kingCount + block.tenCount == 0)
                continue;
            if (rank == kRankKing && block.aceCount + block.tenCount == 0)
                continue;
            if (GetLineGameKind() == 0 && seat != declarer &&
                playedCounts[seat][g] + block.groupCount[g] >= 3)
                continue;
        }
        candidates.Add(g, place);
    }
    return candidates.PlayLowest(*this, seat);
}

bool ComputerPlayer::DiscardLowestCard(int seat) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    auto qualifies = [&](int g) {
        if (!IsPlainSuit(g) || block.groupCount[g] == 0)
            return false;
        const int top = RankCodeOf(block.hand[GetGroupEnd(seat, g)]);
        return top != kRankTen && top != kRankAce;
    };
    const int kind = GetLineGameKind();
    if (block.profile >= 6 && trickNumber >= GetEndgameTrick()) {
        for (int k = GetLowestRankStep(); k <= 6; ++k)
            for (int g = 0; g < 4; ++g) {
                if (!qualifies(g))
                    continue;
                const int place = GetGroupStart(seat, g);
                if (RankStepOf(block.hand[place]) != k)
                    continue;
                if (!AreSuitEstimatesBelow(g, 60))
                    return PlayRuleCard(seat, place, kReasonDiscardLowest);
                if (kind != 0 && block.groupCount[g] <= 2 && IsSeatToMoveAbove5()) {
                    const int higher = CountHigherCardsOut(seat, block.hand[GetGroupEnd(seat, g)]);
                    if (higher >= 3 || (higher == 2 && CountGroupOut(g) >= 2))
                        return PlayRuleCard(seat, place, kReasonDiscardLowest);
                }
            }
    }
    for (int k = GetLowestRankStep(); k <= 6; ++k)
        for (int g = 0; g < 4; ++g) {
            if (!qualifies(g))
                continue;
            const int place = GetGroupStart(seat, g);
            const int lowest = block.hand[place];
            if (RankStepOf(lowest) != k)
                continue;
            if (kind == 0 && seat != declarer && block.groupCount[g] >= 2 &&
                block.hand[place + 1] == lowest + 1 && (k == 1 || k == 2))
                return PlayRuleCard(seat, place + 1, kReasonDiscardLowest);
            return PlayRuleCard(seat, place, kReasonDiscardLowest);
        }
    return false;
}

bool ComputerPlayer::PlayLeastLikelyWinner(int seat) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    double best = 2.0;
    int chosen = -1;
    for (int g = 0; g < 4; ++g) {
        double value = 1.0;
        if (IsPlainSuit(g) && block.groupCount[g] > 0) {
            const int points =
                CopiesInRankMask(block.aceMask, g) + CopiesInRankMask(block.tenMask, g);
            if (points < block.groupCount[g])
                value = SuitOutShare(g) / static_cast<double>(block.groupCount[g]);
        }
        if (value < best) {
            best = value;
            chosen = g;
        }
    }
    if (chosen < 0 || !(best > 0.5 && best < 1.0))
        return false;
    return PlayRuleCard(seat, GetGroupStart(seat, chosen), kReasonLeastLikely);
}

bool ComputerPlayer::ChooseDiscard(int seat, bool flag) {
    if (!IsSeat(seat))
        return false;
    const bool early = trickNumber < GetEndgameTrick();
    const bool g = !flag;
    const bool solo = IsSoloGame();
    if (early && ChooseSingletonDiscard(seat, g && !solo))
        return true;
    if (DiscardLowestCard(seat) || DiscardByLine(seat, 3) || DiscardFromAceSuit(seat, true) ||
        PlayLeastLikelyWinner(seat))
        return true;
    if (early && solo && g && ChooseSingletonDiscard(seat, true))
        return true;
    if (DiscardFromTenSuit(seat))
        return true;
    if (!early && ChooseSingletonDiscard(seat, g))
        return true;
    if (DiscardFromAceSuit(seat, flag))
        return true;
    // With one copy of each card the low leads below add nothing a discard would want.
    if (g && !HasTwoCopies())
        return false;
    return LeadLowFromSuitWithoutAce(seat) || LeadLowSideCardSafely(seat);
}
