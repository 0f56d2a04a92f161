// Card memory, the seats' side: how many unplayed cards beat a card, whether the seat to move
// can beat one, and what the table guesses about each seat's hand (void estimates, the highest
// card it may hold, how many cards of a group), updated after every card.
//
// The estimates are built from what a player at the table could see, with two exceptions the
// computer players have always had: SetSuitEstimate checks a likely-void guess against the
// seat's real hand to count its misses, and under watchPlaces the estimates read the
// hand-place records.
#include "engine/ComputerPlayer.h"

#include "engine/CardPlayTimes.h"
#include "records/OptionRecordLayouts.h"

namespace {

constexpr int kKnownVoid = 100;
constexpr int kLikelyVoid = 35; // from here on a seat is left out of the unseen-hand estimates

} // namespace

int ComputerPlayer::CountHigherCardsOut(int seat, int card) {
    if (!IsSeat(seat) || !IsCardCode(card))
        return 0;
    const SeatBlock& block = seats[seat];
    const int group = GetSuitGroup(card);
    const int suit = SuitOf(card);
    const int copies = HasTwoCopies() ? 2 : 1;
    const bool heartTen = IsHeartTenTop(&gameType);
    int n = 0;
    if (group == kTrumpGroup) {
        if (specialPairSeat != -1) {
            const int special = GetSpecialTopCard();
            if (card == special)
                return 0;
            int mine = 0;
            for (int p = 0; p < CountHandPlaces(); ++p)
                mine += block.hand[p] == special ? 1 : 0;
            n = 2 - CopiesInRankMask(playedMasks[RankCodeOf(special)], SuitOf(special)) - mine;
        }
        if (diamondAcesSeat != -1) {
            if (card == kSchellenAce)
                return n;
            n += 2 - CopiesInRankMask(block.aceMask, kSuitSchellen) -
                 CopiesInRankMask(playedMasks[kRankAce], kSuitSchellen);
        }
    }
    int ranks[4];
    int length = 0;
    GetTrumpRanks(gameType.word, ranks, &length);
    if (card == kHeartTen && heartTen)
        return n; // only the raised special cards stand above it
    const int rank = RankCodeOf(card);
    const bool rankTrump = IsRankInTrumpList(card, ranks);
    if (suit == gameType.trumpSuit || rankTrump) {
        if (heartTen)
            n += 2 - CopiesInRankMask(playedMasks[kRankTen], kSuitHerz) -
                 CopiesInRankMask(block.tenMask, kSuitHerz);
        for (int i = 0; i < length; ++i) {
            const int r = ranks[i];
            const std::uint16_t mine = RankMaskOf(block, r);
            if (r != rank) {
                n += 4 * copies;
                for (int s = 0; s < 4; ++s)
                    n -= CopiesInRankMask(playedMasks[r], s) + CopiesInRankMask(mine, s);
                continue;
            }
            for (int s = suit + 1; s < 4; ++s)
                n += copies - CopiesInRankMask(playedMasks[r], s) - CopiesInRankMask(mine, s);
            return n;
        }
    }
    // A plain card, or a card of the trump suit below the rank trumps: the cards of its suit
    // above it that are not all played.
    const unsigned all = (copies == 2 ? 3u : 1u) << (2 * suit);
    auto countAbove = [&](int r) {
        const unsigned played = playedMasks[r] & all;
        if (played != all)
            n += played == 0 && copies == 2 ? 2 : 1;
    };
    for (int r = RankStepOf(card) + 1; r <= 7; ++r) {
        const int above = CardOfRank(suit, r);
        if (IsRankInTrumpList(above, ranks) || (heartTen && above == kHeartTen))
            continue;
        countAbove(r);
    }
    if (rank != kRankAce)
        countAbove(kRankAce);
    // Less the seat's own higher cards of the group. Only cards of the card's own suit count
    // here: the Heart Tens and the raised special cards were taken off above already.
    const int start = GetGroupStart(seat, group);
    for (int p = start; p < start + block.groupCount[group] && p < kHandPlaces; ++p) {
        const int held = block.hand[p];
        if (IsRankInTrumpList(held, ranks))
            break;
        if (SuitOf(held) != suit || (heartTen && held == kHeartTen) ||
            (diamondAcesSeat != -1 && held == kSchellenAce) ||
            (specialPairSeat != -1 && held == GetSpecialTopCard()))
            continue;
        if (RankStepOf(held) > RankStepOf(card))
            --n;
    }
    return n;
}

bool ComputerPlayer::CanBeatWithGroup(int card) {
    const int mover = seatToMove;
    if (!IsSeat(mover) || !IsCardCode(card))
        return false;
    const SeatBlock& block = seats[mover];
    const int group = GetSuitGroup(card);
    if (block.groupCount[group] == 0)
        return group == kTrumpGroup ? false : block.groupCount[kTrumpGroup] > 0;
    const int end = GetGroupEnd(mover, group);
    if (end < 0 || end >= kHandPlaces)
        return false;
    if (group == kTrumpGroup) {
        int top = block.hand[end];
        if (mover == diamondAcesSeat && CopiesInRankMask(block.aceMask, kSuitSchellen) > 0)
            top = kSchellenAce;
        return !IsCardHigher(card, top);
    }
    return card < block.hand[end];
}

void ComputerPlayer::SetSuitEstimate(int seat, int value, int group) {
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return;
    SeatEstimate& estimate = seatEstimates[seat];
    if (estimate.voidEstimate[group] == kKnownVoid)
        return; // known void is final for the deal
    if (value == kKnownVoid)
        estimate.voidMask =
            static_cast<std::int16_t>(estimate.voidMask | (group == kTrumpGroup ? 32 : 1 << group));
    if (value > 19 && value < kKnownVoid) {
        // A seat that keeps fooling the guesses gets weaker ones.
        estimate.missCount = static_cast<std::int16_t>(
            estimate.missCount + (seats[seat].groupCount[group] != 0 ? 2 : -1));
        if (estimate.missCount > 5)
            value -= 20;
    }
    estimate.voidEstimate[group] = static_cast<std::int16_t>(value);
}

void ComputerPlayer::UpdateCeilingCards(int seat) {
    if (!IsSeat(seat) || !IsSeat(leader) || GetTrickPosition(seat) != GetSeatCount())
        return;
    const int card = trickCards[seat];
    const int led = trickCards[leader];
    if (!IsCardCode(card) || !IsCardCode(led))
        return;
    std::int16_t* ceiling = seatEstimates[seat].ceilingCard;
    const int winner = GetTrickWinnerSoFar(seat);
    const int played = GetSuitGroup(card);
    const int ledGroup = GetSuitGroup(led);
    if (winner == seat) {
        if (played != kTrumpGroup)
            ceiling[played] = static_cast<std::int16_t>(card);
    } else if (ledGroup == played) {
        if (played == kTrumpGroup) {
            if (CountTrickPoints(false) >= 17)
                ceiling[kTrumpGroup] = static_cast<std::int16_t>(GetBestCardSoFar());
        } else {
            ceiling[played] = static_cast<std::int16_t>(
                IsListedFirstParty(seat) == IsListedSecondParty(winner) ? card
                                                                        : GetTrickHighCard());
        }
    } else if (ledGroup != kTrumpGroup) {
        ceiling[ledGroup] = static_cast<std::int16_t>(ledGroup * 8 + 1);
    } else {
        ceiling[kTrumpGroup] =
            static_cast<std::int16_t>(GetLowestTrump(gameType.trumpSuit, gameType.word));
    }
    for (int g = 0; g < kGroupCount; ++g) {
        const int start = ceiling[g] != 0 ? ceiling[g] : GetTopCard(g);
        if (IsCardCode(start))
            ceiling[g] = static_cast<std::int16_t>(GetNextUnplayedCard(start));
    }
}

bool ComputerPlayer::ObserveAceOnTrumpedTrick(int seat) {
    if (!IsSeat(seat) || !IsSeat(leader))
        return false;
    const int card = trickCards[seat];
    const int led = trickCards[leader];
    if (!IsCardCode(card) || RankCodeOf(card) != kRankAce || !IsCardCode(led))
        return false;
    const int position = GetTrickPosition(seat);
    const int ledGroup = GetSuitGroup(led);
    if (position < 3 || ledGroup == kTrumpGroup || GetSuitGroup(card) != ledGroup)
        return false;
    const int best = GetBestCardSoFar();
    if (!IsCardCode(best) || GetSuitGroup(best) != kTrumpGroup)
        return false;
    if (IsListedInPartyView(GetTrickWinnerSoFar(seat)) || IsListedInPartyView(leader))
        return false;
    SetSuitEstimate(seat, position == GetSeatCount() ? 40 : 30, ledGroup);
    return true;
}

void ComputerPlayer::UpdateEstimatesAfterCard() {
    const int mover = seatToMove;
    const int lead = leader;
    if (!IsSeat(mover) || !IsSeat(lead))
        return;
    const int card = trickCards[mover];
    const int led = trickCards[lead];
    if (!IsCardCode(card) || !IsCardCode(led))
        return;
    const int ledGroup = GetSuitGroup(led);
    const int playedGroup = GetSuitGroup(card);
    const int points = CountTrickPoints(false);
    const int seatCount = GetSeatCount();
    const int position = GetTrickPosition(mover);
    const bool last = position == seatCount;
    const bool followed = playedGroup == ledGroup;
    // The seats still to play in this trick after the mover.
    auto forEachLater = [&](auto use) {
        for (int s = NextSeat(mover), n = position; n < seatCount; s = NextSeat(s), ++n)
            use(s);
    };

    UpdateCeilingCards(mover);
    if (!followed) {
        CheckDiscard(mover, ledGroup, playedGroup, points);
        SetSuitEstimate(mover, kKnownVoid, ledGroup);
    }
    // From here on the group of the mover's card.
    const int group = playedGroup;
    const int unplayed = CountGroupOut(group) + seats[mover].groupCount[group];
    if (unplayed <= 0) {
        for (int s = NextSeat(lead), n = 0; n < seatCount; s = NextSeat(s), ++n)
            SetSuitEstimate(s, kKnownVoid, group);
        return;
    }
    if (unplayed <= 2) {
        int candidates[kSeatCount];
        int count = 0;
        if (last) {
            for (int s = 0; s < seatCount; ++s)
                candidates[count++] = s;
        } else {
            forEachLater([&](int s) { candidates[count++] = s; });
        }
        int open = 0;
        for (int i = 0; i < count; ++i)
            open += seatEstimates[candidates[i]].voidEstimate[group] != kKnownVoid ? 1 : 0;
        const int value = open < 2 ? (unplayed == 1 ? 25 : 5) : 100 - (100 * unplayed) / open;
        for (int i = 0; i < count; ++i) {
            const int estimate = seatEstimates[candidates[i]].voidEstimate[group];
            if (estimate != kKnownVoid && (estimate < 60 || estimate < value))
                SetSuitEstimate(candidates[i], value, group);
        }
    }
    if (!followed)
        return;
    forEachLater([&](int s) {
        if (seatEstimates[s].voidEstimate[ledGroup] == kKnownVoid)
            return;
        const int timing = GetTimingEvidence(s, ledGroup);
        if (timing == kTimingForced)
            SetSuitEstimate(s, 60, ledGroup);
        else if (timing == kTimingChoice && unplayed <= 5)
            SetSuitEstimate(s, 20, ledGroup);
    });
    if (ObserveAceOnTrumpedTrick(mover))
        return;
    CheckSameRankFollow(mover, ledGroup);
    CheckMasterTrumpFollow(mover, ledGroup, playedGroup, points);
}

void ComputerPlayer::CheckDiscard(int mover, int ledGroup, int playedGroup, int points) {
    const int best = GetBestCardSoFar();
    if (ledGroup == kTrumpGroup || !IsCardCode(best) || GetSuitGroup(best) == kTrumpGroup ||
        leader == mover || seats[mover].profile <= 5 || playedGroup == kTrumpGroup ||
        !GameHasTrumps() || GetTrickPosition(mover) != GetSeatCount())
        return;
    const int partner = moverPartners[0];
    if (partner != -1 && IsPartyKnown(partner) && DoesTrickGoToPartner())
        return;
    // A seat that threw a plain card on a rich trick it could have trumped has no trump.
    const int kind = GetLineGameKind();
    const int bar = kind == 0 ? 10 : (kind == 1 ? 14 : (kind == 2 ? 12 : -1));
    if (bar < 0)
        return;
    const int excess = points - bar;
    const int trumpsPlayed = playedCounts[mover][kTrumpGroup];
    const bool isDeclarer = mover == declarer;
    bool holds = excess >= 0;
    if (holds && kind == 0)
        holds = !((gameType.word & kSkatGameMask) == 1 && isDeclarer && trumpsPlayed < 5);
    else if (holds && GameBits(gameType.word) == kWordNormal)
        holds = !(trumpsPlayed < (kind == 1 ? 5 : 4) && excess < (kind == 1 ? 6 : 5));
    else if (holds)
        holds = !(isDeclarer &&
                  (CountGroupInDeck(kTrumpGroup, gameType.trumpSuit, gameType.word) + 1) / 3 >
                      trumpsPlayed);
    const int trumpEstimate = seatEstimates[mover].voidEstimate[kTrumpGroup];
    if (holds) {
        if (trumpEstimate != kKnownVoid) {
            const int value = trumpEstimate + 5 * excess + 46;
            SetSuitEstimate(mover, value < 90 ? value : 90, kTrumpGroup);
        }
        return;
    }
    // Not a sign of no trumps: perhaps the seat threw its only card of the suit early.
    if (CountPlayedInGroup(playedGroup) < 3 && playedCounts[mover][playedGroup] == 1 &&
        trickNumber < 5 && seatEstimates[mover].voidEstimate[playedGroup] < 55)
        SetSuitEstimate(mover, 55, playedGroup);
}

void ComputerPlayer::CheckSameRankFollow(int mover, int ledGroup) {
    bool first = false;
    if (IsListedFirstParty(mover))
        first = true;
    else if (!IsListedSecondParty(mover))
        return;
    if (ledGroup == kTrumpGroup || leader == mover)
        return;
    // No seat of the other party list may have trumped in.
    const int from = first ? 2 : 0;
    const int to = first ? 4 : 1;
    for (int i = from; i <= to; ++i) {
        const int other = partyLists[i];
        if (IsSeat(other) && other != mover && PlaysBefore(other) &&
            IsCardCode(trickCards[other]) && GetSuitGroup(trickCards[other]) == kTrumpGroup)
            return;
    }
    const int led = trickCards[leader];
    const int card = trickCards[mover];
    const bool aces = RankCodeOf(led) == kRankAce && RankCodeOf(card) == kRankAce;
    const bool tens = RankCodeOf(led) == kRankTen && RankCodeOf(card) == kRankTen;
    int value = 0;
    if ((gameType.word & (kWordNormal | kWordMarriage)) != 0 && ArePartiesKnown()) {
        const int best = GetBestCardSoFar();
        const bool opposite = (IsListedFirstParty(mover) && IsListedSecondParty(leader)) ||
                              (IsListedSecondParty(mover) && IsListedFirstParty(leader));
        if (IsCardCode(best) && GetSuitGroup(best) != kTrumpGroup && opposite)
            value = aces ? 95 : (tens ? 85 : 0);
    } else if (IsSoloGame() && leader == declarer) {
        value = aces ? 90 : (tens ? 80 : 0);
    }
    if (value != 0)
        SetSuitEstimate(mover, value, ledGroup);
}

void ComputerPlayer::CheckMasterTrumpFollow(int mover, int ledGroup, int playedGroup, int points) {
    if (ledGroup != kTrumpGroup || playedGroup != kTrumpGroup || GetLineGameKind() != 0)
        return;
    if (GetTrickPosition(mover) != GetSeatCount() && leader != declarer)
        return;
    if (CountHigherCardsOut(mover, trickCards[mover]) != 0)
        return;
    const int higher = CountHigherCardsOut(mover, trickCards[leader]);
    const int estimate = seatEstimates[mover].voidEstimate[kTrumpGroup];
    int value = 0;
    if (higher >= 4)
        value = 80;
    else if (higher == 3 && estimate <= 64)
        value = 65;
    else if (higher == 2 && estimate <= 29 && points <= 4)
        value = 35;
    if (value != 0)
        SetSuitEstimate(mover, value, kTrumpGroup);
}

int ComputerPlayer::GetTimingEvidence(int seat, int group) {
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount || !rules || !IsSeat(seatToMove))
        return -1;
    if (rules->playerTimes[seat].reliable == 0 || seats[seatToMove].profile < 26)
        return -1;
    return evidence[seat][group];
}

int ComputerPlayer::EstimateTopCard(int seat, int group) {
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return 0;
    const int special = GetSpecialTopCard();
    if (seat == specialPairSeat && !IsCardPlayed(special, true))
        return special;
    if (seat == diamondAcesSeat && !IsCardPlayed(kSchellenAce, true))
        return kSchellenAce;
    if (!watchPlaces) {
        int card = seatEstimates[seat].ceilingCard[group];
        if (!IsCardCode(card) || GetSuitGroup(card) != group)
            card = GetTopCard(group);
        if (!IsCardCode(card))
            return 0;
        const int lowest = GetLowestOfGroup(gameType.trumpSuit, gameType.word, group);
        const bool both = HasTwoCopies();
        while (IsCardPlayed(card, both) && card != lowest) {
            const int lower = GetNextLowerCard(card);
            if (!IsCardCode(lower))
                break;
            card = lower;
        }
        return card;
    }
    const HandPlaceRecord& record = placeRecords[seat];
    if (group == kTrumpGroup && diamondAcesSeat == -1 && record.topCard[kTrumpGroup] == kHeartTen) {
        // The Heart Ten is the top only while the first Schellen Ace lead tells nothing else.
        for (int t = 0; t < trickNumber && t < kTrickCount; ++t) {
            const int first = tricks[t].leader;
            if (!IsSeat(first) || tricks[t].cards[first] != kSchellenAce)
                continue;
            if (IsListedFirstParty(first) && first != seat)
                return GetNextLowerCard(kHeartTen);
            return record.topCard[group];
        }
        return kHeartTen;
    }
    return record.topCard[group];
}

int ComputerPlayer::GetSuitCount(int seat, int group) {
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return -1;
    if (seat == seatToMove)
        return seats[seat].groupCount[group];
    if (watchPlaces && placeRecords[seat].exactSize[group] != -1)
        return placeRecords[seat].exactSize[group];
    return GetTimingEvidence(seat, group);
}

int ComputerPlayer::EstimateSuitCount(int seat, int group) {
    int count = 0;
    if (IsCountSettled(seat, group, &count))
        return count;
    const int timing = GetTimingEvidence(seat, group);
    if (watchPlaces) {
        const int least = placeRecords[seat].minSize[group];
        if (least != -1 || timing != -1)
            return least > timing ? least : timing;
    }
    int open = 0;
    const int out = CountSharedOut(seat, group, &open);
    if (out == 0)
        return 0;
    int n = 0;
    if (open == 1) {
        n = out;
    } else if (open == 2 || open == 3) {
        n = out / SharingHands(open);
        // Fewer cards than hands: no even split to ask about, and no card to take off.
        const float chance = n > 0 ? SplitChance(out, open, n) : 0.0f;
        if (n != 0 && !FailsThreshold(MoverProfile(), static_cast<float>(static_cast<int>(chance)),
                                      35, 30, 30, 25))
            --n;
    }
    return n > timing ? n : timing;
}

int ComputerPlayer::EstimateSuitMaximum(int seat, int group) {
    int count = 0;
    if (IsCountSettled(seat, group, &count))
        return count;
    if (watchPlaces && placeRecords[seat].maxSize[group] >= 0)
        return placeRecords[seat].maxSize[group];
    int open = 0;
    const int out = CountSharedOut(seat, group, &open);
    if (out == 0)
        return 0;
    if (open == 1)
        return out;
    if (open != 2 && open != 3)
        return 0;
    const int n = out / SharingHands(open) + 1;
    const float chance = SplitChance(out, open, n);
    const int profile = MoverProfile();
    if (PassesThreshold(profile, static_cast<float>(static_cast<int>(chance)), 65, 70, 70, 75))
        return n;
    if (profile > 15 && n == CountTricksLeft())
        return n;
    return n + 1;
}

bool ComputerPlayer::IsCountSettled(int seat, int group, int* count) {
    *count = 0;
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return true;
    if (seat != seatToMove)
        return false;
    *count = seats[seat].groupCount[group];
    return true;
}

int ComputerPlayer::SharingHands(int open) {
    return open == 3 && GetSeatCount() == 4 ? 3 : 2;
}

float ComputerPlayer::SplitChance(int out, int open, int n) {
    return SharingHands(open) == 3 ? GetThreeHandSplit(out, n) : GetTwoHandSplit(out, n);
}

int ComputerPlayer::CountSharedOut(int seat, int group, int* open) {
    *open = 0;
    if (seatEstimates[seat].voidEstimate[group] >= kLikelyVoid)
        return 0;
    const int out = CountGroupOut(group);
    if (out <= 0)
        return 0;
    *open = CountOpenSeats(group);
    return out;
}

int ComputerPlayer::CountOpenSeats(int group) {
    int open = 0;
    for (int s = 0; s < GetSeatCount(); ++s)
        if (s != seatToMove && seatEstimates[s].voidEstimate[group] < kLikelyVoid)
            ++open;
    return open;
}

int ComputerPlayer::MoverProfile() const {
    return IsSeat(seatToMove) ? seats[seatToMove].profile : 0;
}
