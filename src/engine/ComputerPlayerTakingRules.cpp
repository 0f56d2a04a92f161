// The rules that take the current trick: a Ten or an Ace of a group, the top card when it is a
// sure winner, the cheapest card that does the job, and the two rules that steer play by the
// card points the seat's party still needs. Every rule of the library plays at most one card
// of the seat to move through the door of the basic plays and answers true, or declines and
// changes nothing; the lines choose the order in which they try them.
#include "engine/ComputerPlayer.h"

#include <initializer_list>

namespace {

constexpr int kReasonTen = 17;
constexpr int kReasonAce = 18;
constexpr int kReasonSureWinner = 19;
constexpr int kReasonTakeTrick = 20;
constexpr int kReasonTrumpToWin = 30;
constexpr int kReasonGameWin = 31;

bool IsGroup(int group) {
    return group >= 0 && group < kGroupCount;
}

} // namespace

bool ComputerPlayer::PlayTenOrAce(int seat, int group, int card) {
    if (!IsSeat(seat) || !IsGroup(group) || !IsCardArgument(card))
        return false;
    // The base line gives the Ten first: its second Ace still beats it. With one copy of each
    // card the Ace is the sure one.
    const bool tenFirst = GetLineGameKind() == 1;
    const int start = GetGroupStart(seat, group);
    const int count = seats[seat].groupCount[group];
    for (int rank : {tenFirst ? kRankTen : kRankAce, tenFirst ? kRankAce : kRankTen})
        for (int p = start; p < start + count && p < kHandPlaces; ++p)
            if (RankCodeOf(seats[seat].hand[p]) == rank)
                return PlayRuleCard(seat, p, rank == kRankTen ? kReasonTen : kReasonAce);
    return false;
}

bool ComputerPlayer::OverplayWithSureWinner(int seat, int group, int card) {
    if (!IsCardArgument(card))
        return false;
    if (!IsSeat(seat) || !IsGroup(group) || seats[seat].groupCount[group] == 0)
        return false;
    if (group != kTrumpGroup) {
        const int top = seats[seat].hand[GetGroupEnd(seat, group)];
        if (seats[seat].groupEval[group][0] == 0 || card >= top)
            return false;
        // The codes of different groups do not say which card wins: with a card in the trick
        // the top card must beat it, so a plain card is never played over a trump.
        if (IsCardCode(card) && !Beats(top, card))
            return false;
        return PlayRuleCard(seat, GetGroupEnd(seat, group), kReasonSureWinner);
    }
    const int top = TopTrump(seat);
    if (top == kHeartTen && !IsHeartTenSafe(seat, kHeartTen))
        return false;
    if (!Beats(top, card))
        return false;
    if (IsMaster(seat, top))
        return PlayTrumpAt(seat, TrumpCount(seat) - 1, kReasonSureWinner);
    return PlayTopTrumpIfHigh(seat, card);
}

bool ComputerPlayer::TryToTakeWithTrump(int seat, int card) {
    const bool last = GetTrickPosition(seat) == 4;
    // A special card is risked only when no seat after this one can trump it: each is a
    // partner or is taken for void in trumps.
    bool specialSafe = true;
    for (int s = NextSeat(seat), n = 0; IsSeat(leader) && s != leader && n < GetSeatCount();
         s = NextSeat(s), ++n)
        specialSafe =
            specialSafe && (IsMoverPartner(s) || seatEstimates[s].voidEstimate[kTrumpGroup] >= 80);
    for (int k = 0; k < TrumpCount(seat); ++k) {
        const int trump = TrumpAt(seat, k);
        if (!Beats(trump, card))
            continue;
        if (last || !IsSpecialCard(trump) || specialSafe)
            return PlayTrumpAt(seat, k, kReasonTakeTrick);
    }
    return false;
}

bool ComputerPlayer::TryToTakeInSuit(int seat, int card) {
    const int group = GetSuitGroup(card);
    const int n = seats[seat].groupCount[group];
    const int start = GetGroupStart(seat, group);
    auto at = [&](int i) { return static_cast<int>(seats[seat].hand[start + i]); };
    int i = 0;
    while (i < n && at(i) <= card)
        ++i;
    if (i == n)
        return false;
    const bool singleCopyKind = GetLineGameKind() == 0 || GetLineGameKind() == 2;
    if (IsOpponentStillToPlay()) {
        if (singleCopyKind && GetCardPoints(at(i)) == 10 && !HasWinningTopCard(group))
            return false;
        return PlayRuleCard(seat, start + i, kReasonTakeTrick);
    }
    if (i == n - 1)
        return PlayRuleCard(seat, start + i, kReasonTakeTrick);
    if (singleCopyKind) {
        // Cards that the same cards out beat are worth the same: take the highest of the run.
        const int h = CountHigherCardsOut(seat, at(i));
        int j = i + 1;
        while (j < n && CountHigherCardsOut(seat, at(j)) == h)
            ++j;
        if (j == n)
            i = n - 1;
        else
            i = CountHigherCardsOut(seat, at(j)) >= 2 ? j : j - 1;
        if (i == n - 1)
            return PlayRuleCard(seat, start + i, kReasonTakeTrick);
    }
    const int next = at(i + 1);
    const int higher = CountHigherCardsOut(seat, next);
    const bool playNext = (higher >= 3 && (n == 2 || n >= 4)) ||
                          (higher != 0 && GetCardPoints(next) >= 10) || IsMaster(seat, at(i));
    return PlayRuleCard(seat, start + (playNext ? i + 1 : i), kReasonTakeTrick);
}

bool ComputerPlayer::TryToTakeTrick(int seat, int card) {
    if (!IsSeat(seat) || !IsCardCode(card))
        return false;
    const int group = GetSuitGroup(card);
    bool partnersAfter = false;
    if (IsSoloGame()) {
        partnersAfter = seats[seat].inDeclarerParty == 0;
    } else {
        const int a = moverOpponents[0];
        const int b = moverOpponents[1];
        partnersAfter = IsSeat(a) && IsSeat(b) && (PreviousSeat(a) == b || PreviousSeat(b) == a);
    }
    const int next = NextSeat(seat);
    if (partnersAfter && GetTrickPosition(seat) != 4 && IsMoverPartner(next) &&
        EstimateTopCard(next, group) > card && playForPartner && HasWinningTopCard(group))
        return AssessSuitLead(group) ? PlayLowOfGroup(seat, group)
                                     : PlayHighestOfGroup(seat, group);
    if (group == kTrumpGroup)
        return TryToTakeWithTrump(seat, card);
    return TryToTakeInSuit(seat, card);
}

bool ComputerPlayer::PlayForPointsNeeded(int seat, int group, int card) {
    if (!IsCardArgument(card))
        return false;
    if (!IsSeat(seat) || !IsGroup(group))
        return false;
    const int need = GetPointTarget(seat) - PointsSoFar();
    const bool last = GetTrickPosition(seatToMove) == GetSeatCount();
    if (need >= 1 && need <= 4) {
        if (last && PlayPointCardThatWins(seat, card))
            return true;
        return OverplayWithSureWinner(seat, group, card);
    }
    if (need >= 5 && need <= 10) {
        const int held = TrumpCount(seat);
        if (GetLineGameKind() == 0 && last && group == kTrumpGroup && held >= 1 &&
            seats[seat].unterCount == 0 && (gameType.word & 1) != 0 && held >= 2 &&
            IsMaster(seat, TopTrump(seat)))
            return PlayTrumpAt(seat, held - 2, kReasonTrumpToWin);
        return PlayTenOrAce(seat, group, card);
    }
    if (need == 11) {
        if (last && TryToTakeTrick(seat, card))
            return true;
        return OverplayWithSureWinner(seat, group, card);
    }
    return false;
}

bool ComputerPlayer::FollowWithSecondHighest(int seat, int group) {
    if (!IsSeat(seat) || group < 0 || group > 3 || group == gameType.trumpSuit)
        return false;
    const int held = seats[seat].groupCount[group];
    if (!IsSeatToMoveAbove5() || moverPartners[0] != -1 || held < 3 || held > 4 ||
        IsTrickSafeForParty() || CountGroupOut(group) < 4 - GetTrickPosition(seat))
        return false;
    return PlaySecondHighestOfGroup(seat, group);
}

bool ComputerPlayer::TrumpForGameWin(int seat, int card) {
    if (!IsCardArgument(card))
        return false;
    const int need = GetPointTarget(seat);
    const int n = TrumpCount(seat);
    for (int i = 0; i < n; ++i) {
        const int trump = TrumpAt(seat, i);
        if (!Beats(trump, card))
            continue;
        // Enough points in the trick and a trump that the cards out do not all top.
        if (GetCardPoints(trump) >= need ||
            (PointsSoFar() >= ScaleCardCount(15) && CountHigherCardsOut(seat, trump) != n - i - 1))
            return PlayTrumpAt(seat, i, kReasonGameWin);
    }
    return false;
}

bool ComputerPlayer::ThrowOffMiddlePoints(int) {
    return false;
}

bool ComputerPlayer::PlayPointCardThatWins(int seat, int card) {
    if (!IsCardArgument(card))
        return false;
    static constexpr int kValues[] = {11, 10, 4, 3, 2}; // never a trump without points
    // A seat that must follow a plain suit has no trump to offer.
    for (int value : kValues)
        for (int k = 0; k < TrumpCount(seat); ++k) {
            const int trump = TrumpAt(seat, k);
            if (GetCardPoints(trump) == value && IsCardHigher(trump, card) &&
                IsLegalCard(seat, trump) == 1)
                return PlayTrumpAt(seat, k, kReasonTakeTrick);
        }
    return false;
}

bool ComputerPlayer::PlayTowardPointTarget(int seat) {
    if (!IsSeat(seat))
        return false;
    const int need = GetPointTarget(seat) - PointsSoFar();
    // The cheapest card that makes up the points: Unter 2, Ober 3, King 4, then the full ones.
    if (need >= 1 && need <= 4) {
        static constexpr int kRanks[] = {kRankUnter, kRankOber, kRankKing};
        for (int r = need <= 2 ? 0 : need - 2; r < 3; ++r)
            if (ThrowOffRank(seat, kRanks[r], true))
                return true;
        return ThrowOffTenOrAce(seat);
    }
    if (need >= 5 && need <= 10)
        return ThrowOffMiddlePoints(seat) || ThrowOffTenOrAce(seat);
    if (need == 11)
        return ThrowOffRank(seat, kRankAce, true);
    return GetPointTarget(seat) == 0 && ThrowOffTenOrAce(seat);
}
