// Whether the seat to move may leave the trick to a partner who still plays after it, and
// whether it should fight for the trick itself. AnalysePartners asks both once before every
// computer card and keeps the answers for the rules. The card asked about is the card that
// matters in the trick so far; both questions ask themselves again about a trump lying in it.
#include "engine/ComputerPlayer.h"

namespace {

// Rough trump-suit bases of the three-seat suit game, Diamonds to Clubs.
constexpr int kSuitGameBase[4] = {9, 10, 11, 12};

} // namespace

bool ComputerPlayer::ShouldPlayForPartner(int card, bool trumped) {
    const int mover = seatToMove;
    if (!IsSeat(mover) || !IsSeat(leader) || !IsCardCode(card))
        return false;
    PartnerPlayFacts f;
    f.card = card;
    f.mover = mover;
    f.higher = CountHigherCardsOut(mover, card);
    f.group = GetSuitGroup(card);
    f.position = GetTrickPosition(mover);
    if (GetSeatCount() == 3 && f.position >= 2)
        ++f.position;
    if (mover == declarer || mover == leader || !IsPartnerStillToPlay())
        return false;
    f.first = moverPartners[0];
    f.second = moverPartners[1];
    f.solo = IsSoloGame();
    if (trumped && f.first != -1 && !f.solo && f.higher == 0)
        return false;
    f.profile = seats[mover].profile;
    f.next = NextSeat(mover);
    f.trump = f.group == kTrumpGroup;
    f.declaring = seats[mover].inDeclarerParty != 0;
    f.skatWord = gameType.word & kSkatGameMask;
    f.skat = GetLineGameKind() == 0;
    if (f.position == 2)
        return PartnerPlaySecond(f);
    if (f.position == 3)
        return PartnerPlayThird(f);
    return false;
}

bool ComputerPlayer::IsLikelyVoidHoldingTrumps(const PartnerPlayFacts& f, int seat, int t1, int t2,
                                               int t3, int t4) {
    return PassesThreshold(f.profile, VoidEstimateOf(seat, f.group), 65, 75, 75, 80) &&
           FailsThreshold(f.profile, VoidEstimateOf(seat, kTrumpGroup), t1, t2, t3, t4);
}

bool ComputerPlayer::TopTrumpAtLeast(int a, int b) {
    const int top = EstimateTopCard(a, kTrumpGroup);
    const int other = EstimateTopCard(b, kTrumpGroup);
    return IsCardCode(top) && (!IsCardCode(other) || IsCardHigher(top, other));
}

bool ComputerPlayer::HasAnnounced(int seat, bool countLevelTen) {
    int kind = -1;
    int level = -1;
    FindAnnouncement(seat, &kind, &level);
    return countLevelTen ? kind != -1 : level != -1 && level != 10;
}

bool ComputerPlayer::MayRuffInGrand(int seat) {
    return MayStillTrump(seat) &&
           (GetSuitCount(seat, kTrumpGroup) >= 1 || CountGroupOut(kTrumpGroup) > 2);
}

int ComputerPlayer::DeclarerBidMultiple() {
    const int base = kSuitGameBase[gameType.trumpSuit];
    return (base + GetDeclarerBidValue() - 1) / base;
}

// Second place: the partners still play after the mover.
bool ComputerPlayer::PartnerPlaySecond(const PartnerPlayFacts& f) {
    const int first = f.first;
    if (IsSeat(f.second) && IsSeat(first) && IsSeat(declarer) && f.mover == NextSeat(declarer))
        return PartnerPlayAfterDeclarer(f);
    const int profile = f.profile;
    if (IsSeat(first) && f.next == first) {
        const int after = NextSeat(first);
        return FailsThreshold(profile, VoidEstimateOf(after, f.group), 25, 20, 20, 15) &&
               IsLikelyVoidHoldingTrumps(f, first, 25, 20, 20, 15);
    }
    if (!IsSeat(first))
        return false;
    const int next = f.next;
    if (f.trump) {
        if (f.higher == 0 ||
            !FailsThreshold(profile, VoidEstimateOf(first, kTrumpGroup), 20, 20, 15, 15))
            return false;
        return TopTrumpAtLeast(first, next);
    }
    if (!IsLikelyVoidHoldingTrumps(f, first, 20, 15, 15, 10))
        return false;
    if (FailsThreshold(profile, VoidEstimateOf(next, f.group), 25, 20, 20, 15) &&
        PassesThreshold(profile, VoidEstimateOf(next, kTrumpGroup), 35, 40, 40, 45))
        return true;
    if (TopTrumpAtLeast(first, next) || HasAnnounced(first, true))
        return true;
    const int style = ProfileStyle(profile);
    if (style >= 1 && style <= 3 && (gameType.word & kWordMarriage) != 0)
        return f.declaring;
    return false;
}

// Second place right after the declarer, both partners known and still to play.
bool ComputerPlayer::PartnerPlayAfterDeclarer(const PartnerPlayFacts& f) {
    const int card = f.card;
    const int group = f.group;
    if (f.higher != 0) {
        const TrickRecord& firstTrick = tricks[0];
        if (trickNumber == 2 && f.trump && firstTrick.leader == declarer &&
            firstTrick.winner == declarer && IsTrump(firstTrick.cards[declarer]))
            return false;
        // Whether a partner's likely top card of the group lies above the card; for trumps
        // by trump strength, since card codes follow it only in a plain suit.
        auto topAbove = [&](int seat) {
            const int top = EstimateTopCard(seat, group);
            if (!IsCardCode(top))
                return false;
            return f.trump ? top != card && IsCardHigher(top, card) : top > card;
        };
        if (f.higher == 1 && !topAbove(f.first) && !topAbove(f.second)) {
            if (IsLikelyVoidHoldingTrumps(f, f.first, 25, 20, 20, 15))
                return true;
            return IsLikelyVoidHoldingTrumps(f, f.second, 25, 20, 20, 15);
        }
        if (trickCards[declarer] == card && leader == declarer &&
            trickNumber <= GetEndgameTrick() && f.higher == 1 && CountGroupOut(group) > 2 &&
            GetCardPoints(card) > 9)
            return false;
        const float both =
            VoidEstimateOf(f.first, group) * VoidEstimateOf(f.second, group) / 100.0f;
        return FailsThreshold(f.profile, both, 25, 20, 20, 15);
    }
    if (f.trump || !IsSeatToMoveAbove15())
        return false;
    const GameTypeWord bits = GameBits(gameType.word);
    const bool soloKind = bits == kWordPureSuitSolo || bits == kWordSuitSolo ||
                          bits == kWordSuitUnter || bits == kWordSuitOber ||
                          bits == kWordUnterKing || bits == kWordOberUnter ||
                          bits == kWordUnterOber || bits == kWordOberUnterKing;
    if (soloKind && CountGroupOut(group) < 2)
        return MayHoldGroup(f.next, kTrumpGroup) || MayHoldGroup(NextSeat(f.next), kTrumpGroup);
    return false;
}

// Third place (the second of three seats): only the next seat, the partner, plays after.
bool ComputerPlayer::PartnerPlayThird(const PartnerPlayFacts& f) {
    const int early = PartnerPlayThirdFirstAnswer(f);
    if (early != -1)
        return early == 1;
    const int next = f.next;
    bool follows = VoidEstimateOf(next, f.group) < 20;
    if (f.skat && f.trump) {
        const int trumpsOut = CountGroupOut(kTrumpGroup);
        const int left = CountTricksLeft();
        follows = follows || trumpsOut >= left || trumpsOut == left - 1 ||
                  (trumpsOut == left - 2 && VoidEstimateOf(next, kTrumpGroup) < 43);
    }
    if (!follows) {
        if (f.trump)
            return false;
        if (!f.skat || f.skatWord != 2)
            return MayStillTrump(next);
        return MayRuffInGrand(next);
    }
    if (!f.trump)
        return PartnerPlayThirdPlain(f);
    if (VoidEstimateOf(next, kTrumpGroup) != 100)
        return PartnerPlayThirdTrump(f);
    return PartnerPlayThirdTrumpVoid(f);
}

// The answers before the follow question: a trump the partner's Ober of Eichel covers, a
// master trump, and a master card of a plain suit the partner may ruff or may not follow.
int ComputerPlayer::PartnerPlayThirdFirstAnswer(const PartnerPlayFacts& f) {
    const int next = f.next;
    const int profile = f.profile;
    if (f.trump) {
        if (HasTwoCopies() && IsSeatToMoveAbove15() && f.declaring &&
            CopiesInRankMask(seats[next].oberMask, kSuitEichel) > 0 && f.card != kHeartTen &&
            (!IsMarriageOpen() || GetPartnerAnnouncement(f.mover) > 0))
            return 1;
        return f.higher == 0 ? 0 : -1;
    }
    if (f.higher != 0)
        return -1;
    if (CountGroupOut(f.group) == 0 &&
        !PassesThreshold(profile, VoidEstimateOf(next, kTrumpGroup), 50, 55, 60, 65)) {
        if (!IsSeatToMoveAbove5())
            return 1;
        if (!f.skat || f.skatWord != 2) {
            if (MayStillTrump(next))
                return 1;
        } else if (MayRuffInGrand(next)) {
            return 1;
        }
    }
    const bool late = IsSeatToMoveAbove5() && CountTricksLeft() <= 3;
    if (late ? FailsThreshold(profile, VoidEstimateOf(next, f.group), 47, 50, 50, 57)
             : FailsThreshold(profile, VoidEstimateOf(next, f.group), 65, 75, 75, 80))
        return 0;
    if (PassesThreshold(profile, VoidEstimateOf(next, kTrumpGroup), 25, 30, 30, 35))
        return 0;
    return -1;
}

// Third place, a plain card the partner follows.
bool ComputerPlayer::PartnerPlayThirdPlain(const PartnerPlayFacts& f) {
    const int card = f.card;
    const int out = CountGroupOut(f.group);
    int best = 0;
    if (GetBestTrumpSoFar(&best)) {
        if (!ShouldPlayForPartner(best, true))
            return false;
        return out == 0 ||
               !FailsThreshold(f.profile, VoidEstimateOf(f.next, f.group), 30, 25, 25, 20);
    }
    if (out == 0) {
        const int lowest = GetLowestTrump(gameType.trumpSuit, gameType.word);
        return IsCardCode(lowest) && ShouldPlayForPartner(lowest, false);
    }
    if (!f.solo || !IsSeat(declarer) || trickCards[declarer] != card)
        return true;
    if (f.higher == 1 && out > 2) {
        if (GetCardPoints(card) > 9 && trickNumber <= GetEndgameTrick())
            return false;
        if (f.skat && trickNumber > 1) {
            const int ten = f.group * 8 + 7;
            for (int t = 0; t < trickNumber - 1 && t < kTrickCount; ++t)
                if (tricks[t].leader == declarer && tricks[t].cards[declarer] == ten)
                    return false;
        }
    }
    if (!IsSeatToMoveAbove5() || f.mover == declarer)
        return true;
    if (CountGroupOut(kTrumpGroup) > 0 &&
        (MayHoldGroup(declarer, kTrumpGroup) || !MayHoldGroup(f.first, kTrumpGroup)))
        return true;
    const int rest = GetCardsPerHand() - trickNumber;
    switch (GetLineGameKind()) {
    case 1:
        return rest < 4;
    case 0:
    case 2:
        return rest < 3;
    default:
        return true;
    }
}

// Third place, a trump the partner may still hold: only a trick worth fighting for, and only
// with enough trumps above the card that the partner may beat it.
bool ComputerPlayer::PartnerPlayThirdTrump(const PartnerPlayFacts& f) {
    const int mover = f.mover;
    const int next = f.next;
    const int higher = f.higher;
    int specials = 0;
    if (!(CountTrickPoints(false) >= ScaleCardCount(14) || HoldsTrumpAceOrTen() ||
          ShouldPlaySpecialNow(&specials)))
        return false;
    const int nextTop = EstimateTopCard(next, kTrumpGroup);
    if (IsSeatToMoveAbove5() && GetSuitCount(next, kTrumpGroup) != -1 && IsCardCode(nextTop) &&
        IsCardHigher(f.card, nextTop))
        return false;
    if (!f.solo || leader != declarer || VoidEstimateOf(next, kTrumpGroup) != 0) {
        const bool bold = f.declaring || (GetLineGameKind() == 2 && !f.solo &&
                                          IsSeatToMoveAbove5() && f.position == 3);
        return (bold ? 2 : 3) + (HasAnnounced(next, false) ? 1 : 0) < higher;
    }
    if (!f.skat)
        return higher > 0;
    const int trumps = seats[mover].groupCount[kTrumpGroup];
    if (higher == 1 && trumps >= 3 && CountPlayedTrumps() <= 3)
        return false;
    const bool suitGame = f.skatWord == 1 && gameType.trumpSuit >= 0 && gameType.trumpSuit < 4;
    if (suitGame && mover != declarer && DeclarerBidMultiple() > 2) {
        const bool spade = CopiesInRankMask(seats[mover].unterMask, kSuitGras) > 0;
        const bool club = CopiesInRankMask(seats[mover].unterMask, kSuitEichel) > 0;
        const int led = trickCards[leader];
        if (spade && !club && !IsCardPlayed(kEichelUnter, false) && led != kEichelUnter)
            return higher > 0;
        if (club && !spade && !IsCardPlayed(kGrasUnter, false) && led != kGrasUnter)
            return higher > 0;
    }
    const int ownPlayed = playedCounts[mover][kTrumpGroup];
    if (ownPlayed + trumps < 5)
        return higher > 0;
    if (higher > 2 && IsSeatToMoveAbove15() && ownPlayed <= 2 && GetCardPoints(f.card) < 4)
        return higher > 0;
    return false;
}

// Third place, a trump the partner is known to be void in (it follows in the three-seat
// line only by the count of trumps out).
bool ComputerPlayer::PartnerPlayThirdTrumpVoid(const PartnerPlayFacts& f) {
    const int mover = f.mover;
    const int next = f.next;
    const int higher = f.higher;
    const int out = CountGroupOut(f.group);
    const bool skat = f.skat;
    const bool suitGame = f.skatWord == 1 && gameType.trumpSuit >= 0 && gameType.trumpSuit < 4;
    if (IsSeatToMoveAbove5() && !f.solo) {
        const int nextTop = EstimateTopCard(next, kTrumpGroup);
        if (GetSuitCount(next, kTrumpGroup) != -1 && IsCardCode(nextTop) &&
            IsCardHigher(f.card, nextTop))
            return false;
        const int margin = 2 + (HasAnnounced(next, false) ? 0 : 1) + (f.declaring ? 0 : 1);
        return higher > margin;
    }
    if (skat && suitGame && out > 2 && mover != declarer &&
        CountHigherCardsOut(mover, kSchellenUnter) != 0) {
        for (int t = 0; t < trickNumber - 1 && t < kTrickCount; ++t)
            if (tricks[t].leader == declarer && tricks[t].winner == declarer &&
                tricks[t].cards[declarer] == kSchellenUnter &&
                GetCardPoints(tricks[t].cards[mover]) > 9)
                return false;
    }
    if (IsSeatToMoveAbove15()) {
        if (higher > 2 && out > 2)
            return true;
        if ((CountTricksLeft() - 1 < higher && seats[mover].groupCount[kTrumpGroup] == 0) ||
            (skat && CountTricksLeft() == 3 && higher == 1 && out == 2))
            return true;
    }
    if (!skat)
        return false;
    if (suitGame && out <= 5 && mover != declarer && IsSeat(f.first)) {
        const int multiple = DeclarerBidMultiple();
        if ((HasSeatPlayedCard(f.first, kEichelUnter) || HasSeatPlayedCard(f.first, kGrasUnter)) &&
            multiple > 2)
            return higher > 0;
        if (HasSeatPlayedCard(f.first, kHerzUnter) && multiple > 3)
            return higher > 0;
    }
    return false;
}

bool ComputerPlayer::ShouldContestTrick(int card) {
    const int mover = seatToMove;
    if (!IsSeat(mover) || !IsSeat(leader))
        return false;
    const bool toPartner = DoesTrickGoToPartner();
    int group = IsCardCode(card) ? GetSuitGroup(card) : -1;
    const int seatCount = GetSeatCount();
    int position = GetTrickPosition(mover);
    if (mover == declarer && IsMarriageOpen())
        return false;
    if (mover == leader)
        return true;
    if (position == seatCount || group < 0)
        return false;
    if (seatCount == 3 && position == 2)
        position = 3;
    const int profile = seats[mover].profile;
    const int first = moverPartners[0];
    auto estimate = [&](int seat, int g) {
        return static_cast<float>(seatEstimates[seat].voidEstimate[g]);
    };
    // The listed opponents who still play to this trick.
    auto someOpponentAfter = [&](auto test) {
        for (int s = NextSeat(mover), n = 0; s != leader && n < seatCount; s = NextSeat(s), ++n)
            if (IsMoverOpponent(s) && test(s))
                return true;
        return false;
    };

    if (position == 2) {
        if (moverPartners[1] != -1 && IsSeatToMoveAbove15() && IsSeat(declarer) &&
            mover == NextSeat(declarer))
            return false;
        if (group == kTrumpGroup) {
            if (toPartner && CountHigherCardsOut(mover, card) == 0)
                return false;
        } else if (toPartner) {
            if (IsTrickSafeForPartner() && someOpponentAfter([&](int s) {
                    return estimate(s, group) > 30 && estimate(s, kTrumpGroup) < 75;
                }))
                return true;
            if (CountGroupOut(group) > 0)
                return false;
            if (!IsSeatToMoveAbove15() && seatCount != 3)
                return false;
            return someOpponentAfter([&](int s) { return estimate(s, kTrumpGroup) <= 34; });
        }
        if (IsSeat(first) && NextSeat(mover) == first) {
            const int after = NextSeat(first);
            return !(FailsThreshold(profile, estimate(after, group), 25, 20, 20, 15) &&
                     PassesThreshold(profile, estimate(first, group), 70, 80, 80, 85) &&
                     FailsThreshold(profile, estimate(first, kTrumpGroup), 25, 20, 20, 15));
        }
        return true;
    }

    if (IsPartnerStillToPlay())
        return false;
    const int next = NextSeat(mover);
    const int led = trickCards[leader];
    if (IsTrump(card) && IsCardCode(led) && GetSuitGroup(led) != kTrumpGroup && toPartner) {
        card = led;
        group = GetSuitGroup(led);
    }
    const int higher = CountHigherCardsOut(mover, card);
    if (higher == 0 && !toPartner)
        return true;
    if (estimate(next, group) > 20) {
        if (group == kTrumpGroup)
            return false;
        if (GetLineGameKind() == 0 && (gameType.word & kSkatGameMask) == 1 &&
            ((playedCounts[next][kTrumpGroup] < 4 && estimate(next, kTrumpGroup) < 95) ||
             (IsSeatToMoveAbove15() && GetSuitCount(next, kTrumpGroup) >= 1)))
            return true;
        return MayStillTrump(next);
    }
    if (group == kTrumpGroup) {
        if (CountTrickPoints(false) < ScaleCardCount(14))
            return true;
        int kind = -1;
        int level = -1;
        FindAnnouncement(next, &kind, &level);
        const int made = level != -1 && level != 10 ? 1 : 0;
        return (seats[mover].inDeclarerParty != 0 ? 1 : 0) + made + 1 < higher;
    }
    const int out = CountGroupOut(group);
    if (!toPartner) {
        int best = 0;
        if (GetBestTrumpSoFar(&best))
            return ShouldContestTrick(best);
        if (out != 0)
            return true;
        const int lowest = GetLowestTrump(gameType.trumpSuit, gameType.word);
        return IsCardCode(lowest) && ShouldContestTrick(lowest);
    }
    if (higher == 0)
        return out < 2;
    return true;
}
