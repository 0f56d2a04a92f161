// Whether the seat to move may leave the trick to a partner who still plays after it, and
// whether it should fight for the trick itself. AnalysePartners asks both once before every
// computer card and keeps the answers for the rules. The card asked about is the card that
// matters in the trick so far; both questions ask themselves again about a trump lying in it.
#include "engine/ComputerPlayer.h"

namespace {

// Rough trump-suit bases of the three-seat suit game, Diamonds to Clubs.
constexpr int kSuitGameBase[4] = {9, 10, 11, 12};

}  // namespace

bool ComputerPlayer::ShouldPlayForPartner(int card, bool trumped) {
    const int mover = seatToMove;
    if (!IsSeat(mover) || !IsSeat(leader) || !IsCardCode(card))
        return false;
    const int higher = CountHigherCardsOut(mover, card);
    const int group = GetSuitGroup(card);
    const int seatCount = GetSeatCount();
    int position = GetTrickPosition(mover);
    if (seatCount == 3 && position >= 2)
        ++position;
    if (mover == declarer || mover == leader || !IsPartnerStillToPlay())
        return false;
    const int first = moverPartners[0];
    const int second = moverPartners[1];
    const bool solo = IsSoloGame();
    if (trumped && first != -1 && !solo && higher == 0)
        return false;
    const int profile = seats[mover].profile;
    const bool trump = group == kTrumpGroup;
    auto estimate = [&](int seat, int g) {
        return static_cast<float>(seatEstimates[seat].voidEstimate[g]);
    };
    auto likelyVoidHolding = [&](int seat, int t1, int t2, int t3, int t4) {
        return PassesThreshold(profile, estimate(seat, group), 65, 75, 75, 80) &&
               FailsThreshold(profile, estimate(seat, kTrumpGroup), t1, t2, t3, t4);
    };
    auto topTrumpAtLeast = [&](int a, int b) {
        const int top = EstimateTopCard(a, kTrumpGroup);
        const int other = EstimateTopCard(b, kTrumpGroup);
        return IsCardCode(top) && (!IsCardCode(other) || IsCardHigher(top, other));
    };
    auto announced = [&](int seat, bool countLevelTen) {
        int kind = -1;
        int level = -1;
        FindAnnouncement(seat, &kind, &level);
        return countLevelTen ? kind != -1 : level != -1 && level != 10;
    };
    const bool declaring = seats[mover].inDeclarerParty != 0;
    const GameTypeWord skatWord = gameType.word & kSkatGameMask;
    const bool skat = GetLineGameKind() == 0;

    if (position == 2) {
        if (IsSeat(second) && IsSeat(first) && IsSeat(declarer) && mover == NextSeat(declarer)) {
            if (higher != 0) {
                const TrickRecord& firstTrick = tricks[0];
                if (trickNumber == 2 && trump && firstTrick.leader == declarer &&
                    firstTrick.winner == declarer && IsTrump(firstTrick.cards[declarer]))
                    return false;
                // Whether a partner's likely top card of the group lies above the card; for
                // trumps by trump strength, since card codes follow it only in a plain suit.
                auto topAbove = [&](int seat) {
                    const int top = EstimateTopCard(seat, group);
                    if (!IsCardCode(top))
                        return false;
                    return trump ? top != card && IsCardHigher(top, card) : top > card;
                };
                if (higher == 1 && !topAbove(first) && !topAbove(second)) {
                    if (likelyVoidHolding(first, 25, 20, 20, 15))
                        return true;
                    return likelyVoidHolding(second, 25, 20, 20, 15);
                }
                if (trickCards[declarer] == card && leader == declarer &&
                    trickNumber <= GetEndgameTrick() && higher == 1 && CountGroupOut(group) > 2 &&
                    GetCardPoints(card) > 9)
                    return false;
                const float both = estimate(first, group) * estimate(second, group) / 100.0f;
                return FailsThreshold(profile, both, 25, 20, 20, 15);
            }
            if (trump || !IsSeatToMoveAbove15())
                return false;
            const GameTypeWord bits = GameBits(gameType.word);
            const bool soloKind = bits == kWordPureSuitSolo || bits == kWordSuitSolo ||
                                  bits == kWordSuitUnter || bits == kWordSuitOber ||
                                  bits == kWordUnterKing || bits == kWordOberUnter ||
                                  bits == kWordUnterOber || bits == kWordOberUnterKing;
            if (soloKind && CountGroupOut(group) < 2)
                return MayHoldGroup(NextSeat(mover), kTrumpGroup) ||
                       MayHoldGroup(NextSeat(NextSeat(mover)), kTrumpGroup);
            return false;
        }
        if (IsSeat(first) && NextSeat(mover) == first) {
            const int after = NextSeat(first);
            return FailsThreshold(profile, estimate(after, group), 25, 20, 20, 15) &&
                   likelyVoidHolding(first, 25, 20, 20, 15);
        }
        if (!IsSeat(first))
            return false;
        const int next = NextSeat(mover);
        if (trump) {
            if (higher == 0 ||
                !FailsThreshold(profile, estimate(first, kTrumpGroup), 20, 20, 15, 15))
                return false;
            return topTrumpAtLeast(first, next);
        }
        if (!likelyVoidHolding(first, 20, 15, 15, 10))
            return false;
        if (FailsThreshold(profile, estimate(next, group), 25, 20, 20, 15) &&
            PassesThreshold(profile, estimate(next, kTrumpGroup), 35, 40, 40, 45))
            return true;
        if (topTrumpAtLeast(first, next) || announced(first, true))
            return true;
        const int style = ProfileStyle(profile);
        if (style >= 1 && style <= 3 && (gameType.word & kWordMarriage) != 0)
            return declaring;
        return false;
    }
    if (position != 3)
        return false;

    const int next = NextSeat(mover);
    const int out = CountGroupOut(group);
    const int trumps = seats[mover].groupCount[kTrumpGroup];
    // In the three-seat Grand a seat that may still trump ruffs when it holds one, or when
    // enough trumps are out that it probably does.
    auto grandRuff = [&]() {
        return MayStillTrump(next) &&
               (GetSuitCount(next, kTrumpGroup) >= 1 || CountGroupOut(kTrumpGroup) > 2);
    };
    if (trump) {
        if (HasTwoCopies() && IsSeatToMoveAbove15() && declaring &&
            CopiesInRankMask(seats[next].oberMask, kSuitEichel) > 0 && card != kHeartTen &&
            (!IsMarriageOpen() || GetPartnerAnnouncement(mover) > 0))
            return true;
        if (higher == 0)
            return false;
    } else if (higher == 0) {
        if (out == 0 && !PassesThreshold(profile, estimate(next, kTrumpGroup), 50, 55, 60, 65)) {
            if (!IsSeatToMoveAbove5())
                return true;
            if (!skat || skatWord != 2) {
                if (MayStillTrump(next))
                    return true;
            } else if (grandRuff()) {
                return true;
            }
        }
        const bool late = IsSeatToMoveAbove5() && CountTricksLeft() <= 3;
        if (late ? FailsThreshold(profile, estimate(next, group), 47, 50, 50, 57)
                 : FailsThreshold(profile, estimate(next, group), 65, 75, 75, 80))
            return false;
        if (PassesThreshold(profile, estimate(next, kTrumpGroup), 25, 30, 30, 35))
            return false;
    }

    bool follows = estimate(next, group) < 20;
    if (skat && trump) {
        const int trumpsOut = CountGroupOut(kTrumpGroup);
        const int left = CountTricksLeft();
        follows = follows || trumpsOut >= left || trumpsOut == left - 1 ||
                  (trumpsOut == left - 2 && estimate(next, kTrumpGroup) < 43);
    }
    if (!follows) {
        if (trump)
            return false;
        if (!skat || skatWord != 2)
            return MayStillTrump(next);
        return grandRuff();
    }

    if (!trump) {
        int best = 0;
        if (GetBestTrumpSoFar(&best)) {
            if (!ShouldPlayForPartner(best, true))
                return false;
            return out == 0 || !FailsThreshold(profile, estimate(next, group), 30, 25, 25, 20);
        }
        if (out == 0) {
            const int lowest = GetLowestTrump(gameType.trumpSuit, gameType.word);
            return IsCardCode(lowest) && ShouldPlayForPartner(lowest, false);
        }
        if (!solo || !IsSeat(declarer) || trickCards[declarer] != card)
            return true;
        if (higher == 1 && out > 2) {
            if (GetCardPoints(card) > 9 && trickNumber <= GetEndgameTrick())
                return false;
            if (skat && trickNumber > 1) {
                const int ten = group * 8 + 7;
                for (int t = 0; t < trickNumber - 1 && t < kTrickCount; ++t)
                    if (tricks[t].leader == declarer && tricks[t].cards[declarer] == ten)
                        return false;
            }
        }
        if (!IsSeatToMoveAbove5() || mover == declarer)
            return true;
        if (CountGroupOut(kTrumpGroup) > 0 &&
            (MayHoldGroup(declarer, kTrumpGroup) || !MayHoldGroup(first, kTrumpGroup)))
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

    const int nextTop = EstimateTopCard(next, kTrumpGroup);
    const bool nextCountKnown = GetSuitCount(next, kTrumpGroup) != -1;
    const int madeAnnouncement = announced(next, false) ? 1 : 0;
    const bool suitGame = skatWord == 1 && gameType.trumpSuit >= 0 && gameType.trumpSuit < 4;
    // How many times the suit game's base the declarer's bid reaches (rounded up).
    auto bidMultiple = [&]() {
        const int base = kSuitGameBase[gameType.trumpSuit];
        return (base + GetDeclarerBidValue() - 1) / base;
    };
    if (estimate(next, kTrumpGroup) != 100) {
        int specials = 0;
        if (!(CountTrickPoints(false) >= ScaleCardCount(14) || HoldsTrumpAceOrTen() ||
              ShouldPlaySpecialNow(&specials)))
            return false;
        if (IsSeatToMoveAbove5() && nextCountKnown && IsCardCode(nextTop) &&
            IsCardHigher(card, nextTop))
            return false;
        if (!solo || leader != declarer || estimate(next, kTrumpGroup) != 0) {
            const bool bold = declaring || (GetLineGameKind() == 2 && !solo &&
                                            IsSeatToMoveAbove5() && position == 3);
            return (bold ? 2 : 3) + madeAnnouncement < higher;
        }
        if (!skat)
            return higher > 0;
        if (!(higher == 1 && trumps >= 3 && CountPlayedTrumps() <= 3)) {
            if (suitGame && mover != declarer && bidMultiple() > 2) {
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
            if (higher > 2 && IsSeatToMoveAbove15() && ownPlayed <= 2 && GetCardPoints(card) < 4)
                return higher > 0;
        }
        return false;
    }

    if (IsSeatToMoveAbove5() && !solo) {
        if (nextCountKnown && IsCardCode(nextTop) && IsCardHigher(card, nextTop))
            return false;
        const int margin = 2 + (madeAnnouncement ? 0 : 1) + (declaring ? 0 : 1);
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
        if ((CountTricksLeft() - 1 < higher && trumps == 0) ||
            (skat && CountTricksLeft() == 3 && higher == 1 && out == 2 && trump))
            return true;
    }
    if (!skat)
        return false;
    if (suitGame && out <= 5 && mover != declarer && IsSeat(first)) {
        const int multiple = bidMultiple();
        if ((HasSeatPlayedCard(first, kEichelUnter) || HasSeatPlayedCard(first, kGrasUnter)) &&
            multiple > 2)
            return higher > 0;
        if (HasSeatPlayedCard(first, kHerzUnter) && multiple > 3)
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
