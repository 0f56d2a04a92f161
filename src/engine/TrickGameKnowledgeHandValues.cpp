// Hand values that need the table's knowledge: the sure and probable trump tricks of a seat,
// the trump value, the points lying in the trick and still out in a suit, and the suits a
// seat is freshly void in.
#include "engine/TrickGameKnowledge.h"

namespace {

// The style figure (profile - 1) modulo 5 that the hand values scale by: 0 and 1 light, 2
// normal, 3 and 4 cautious.
int StyleFigure(int profile) {
    return profile >= 1 ? (profile - 1) % 5 : -1;
}

} // namespace

int TrickGameKnowledge::CountFreshVoidSuits(const std::int16_t* heldCounts, int excludedGroup, int,
                                            int) {
    int count = 0;
    for (int suit = 0; suit < 4; ++suit) {
        if (suit == excludedGroup || IsTrump(CardOfRank(suit, kRankAce)))
            continue; // the trump suit's own cards are counted with the trumps
        if (heldCounts[suit] == 0 && CountPlayedInGroup(suit) <= 2)
            ++count;
    }
    return count;
}

void TrickGameKnowledge::EstimateSureTrumpTricks(int seat, int* sureOut, int* probableOut,
                                                 int* heldOut, int* roundsOut) {
    *sureOut = *probableOut = *heldOut = *roundsOut = 0;
    if (!IsSeat(seat))
        return;
    const int total = CountGroupInDeck(kTrumpGroup, gameType.trumpSuit, gameType.word);
    const int held = CountRankTrumpsInHand(seats[seat], gameType.word);
    int out = total - CountPlayedInGroup(kTrumpGroup) - held;
    if (out < 0)
        out = 0;
    if (held == 0 && out == 0)
        return;
    if (out > 5 && IsSeatToMoveAbove15() && !IsSoloGame() && moverPartners[0] != -1)
        out -= 2;
    const int rounds = EstimateTrumpRounds(seat, out, total);
    SureTrumpTally tally;
    if (out > 0) {
        TallyTopTrumps(seat, tally);
        TallyRankTrumps(seat, rounds, tally);
        TallyTrumpSuitCards(seat, rounds, tally);
    } else {
        tally.sure = held;
    }
    AdjustSureTrumpTricks(seat, held, rounds, tally);
    *sureOut = tally.sure;
    *probableOut = tally.probable;
    *heldOut = held;
    *roundsOut = rounds;
}

// The first number of rounds whose even split of the trumps out is likely enough for the
// seat's style; with fewer than 3 out, all of them when only one other seat may hold trumps.
int TrickGameKnowledge::EstimateTrumpRounds(int seat, int out, int total) {
    int rounds = out / 3;
    if (rounds == 0) {
        if (out > 0) {
            int unsure = 0;
            for (int other = 0; other < GetSeatCount(); ++other)
                if (other != seat && seatEstimates[other].voidEstimate[kTrumpGroup] != 100)
                    ++unsure;
            rounds = IsSeatToMoveAbove5() && unsure == 1 ? out : 1;
        }
        return rounds;
    }
    const int profile = seats[seat].profile;
    const bool smallDeck = total < 8 * GetMaskBitsPerSuit();
    for (; rounds <= out; ++rounds) {
        const float chance = GetThreeHandSplit(out, rounds);
        if (smallDeck ? PassesThreshold(profile, chance, 62, 67, 70, 75)
                      : PassesThreshold(profile, chance, 70, 75, 80, 85))
            break;
    }
    return rounds;
}

// The raised top cards of the other party are missing top cards; then the Heart Tens when
// they are the top trumps.
void TrickGameKnowledge::TallyTopTrumps(int seat, SureTrumpTally& tally) {
    const SeatBlock& block = seats[seat];
    const int copies = HasTwoCopies() ? 2 : 1;
    auto otherParty = [&](int other) {
        return IsSeat(other) && other != seat &&
               (seats[other].inDeclarerParty != 0) != (block.inDeclarerParty != 0);
    };
    auto missingTop = [&](int card) {
        const int missing = copies - CopiesInRankMask(playedMasks[RankCodeOf(card)], SuitOf(card));
        if (missing > 0) {
            tally.gap = true;
            tally.probable -= missing;
        }
    };
    if (specialPairSeat != -1 && otherParty(specialPairSeat))
        missingTop(GetSpecialTopCard());
    if (diamondAcesSeat != -1 && otherParty(diamondAcesSeat))
        missingTop(kSchellenAce);
    if (!IsHeartTenTop(&gameType))
        return;
    const int heldTens = CopiesInRankMask(block.tenMask, kSuitHerz);
    const int playedTens = CopiesInRankMask(playedMasks[kRankTen], kSuitHerz);
    for (int n = 0; n < heldTens; ++n)
        tally.Hold(1);
    for (int n = heldTens + playedTens; n < copies; ++n) {
        tally.gap = true;
        if (SecondHeartTenWins())
            --tally.sure;
        else
            --tally.probable;
    }
}

// Down the rank trumps (Obers, Unters, ...) from Eichel to Schellen, while rounds are left.
void TrickGameKnowledge::TallyRankTrumps(int seat, int rounds, SureTrumpTally& tally) {
    const SeatBlock& block = seats[seat];
    const int copies = HasTwoCopies() ? 2 : 1;
    int ranks[4];
    int length = 0;
    GetTrumpRanks(gameType.word, ranks, &length);
    for (int i = 0; i < length && tally.consumed < rounds; ++i) {
        const int rank = ranks[i];
        for (int suit = kSuitEichel; suit >= kSuitSchellen; --suit) {
            const int card = CardOfRank(suit, rank);
            const int mine = CopiesInRankMask(RankMaskOf(block, rank), suit);
            int played = CopiesInRankMask(playedMasks[rank], suit);
            // Outside solos the other Ober of Eichel is the partner's.
            if (card == kEichelOber && mine == 1 && played == 0 && !IsSoloGame())
                played = 1;
            if (mine >= 2) {
                tally.Hold(2);
            } else if (mine == 1) {
                tally.Hold(1);
                if (copies == 2 && played == 0)
                    tally.MissBelow();
            } else if (copies - played > 0) {
                tally.gap = true;
                tally.probable -= copies - played;
            }
        }
    }
}

// Down the seat's own cards of the trump suit below the rank trumps, while rounds are left.
void TrickGameKnowledge::TallyTrumpSuitCards(int seat, int rounds, SureTrumpTally& tally) {
    const int trumpSuit = gameType.trumpSuit;
    if (!HasTrumpSuit(gameType.word) || trumpSuit < 0 || trumpSuit > 3)
        return;
    const SeatBlock& block = seats[seat];
    const int copies = HasTwoCopies() ? 2 : 1;
    int ranks[4];
    int length = 0;
    GetTrumpRanks(gameType.word, ranks, &length);
    const bool heartTenTop = IsHeartTenTop(&gameType);
    auto isSuitCard = [&](int card) {
        return !IsRankInTrumpList(card, ranks) && !(card == kHeartTen && heartTenTop);
    };
    int left = 0;
    int heldOf[9] = {};
    for (int p = 0; p < kHandPlaces; ++p) {
        const int card = block.hand[p];
        if (IsCardCode(card) && SuitOf(card) == trumpSuit && isSuitCard(card)) {
            ++heldOf[RankStepOf(card)];
            ++left;
        }
    }
    for (int step = 8; step >= 1 && left > 0 && tally.consumed < rounds; --step) {
        const int card = trumpSuit * 8 + step;
        if (!isSuitCard(card))
            continue;
        const int played = CopiesInRankMask(playedMasks[step % 8], trumpSuit);
        for (int n = 0; n < copies && left > 0; ++n) {
            if (n < heldOf[step]) {
                tally.Hold(1);
                --left;
            } else if (n >= heldOf[step] + played) {
                tally.MissBelow();
            }
        }
    }
}

// Short of the rounds: a strong sure run is raised by the style's share of the difference;
// probable never below sure, and held trumps beyond the rounds count as probable tricks.
void TrickGameKnowledge::AdjustSureTrumpTricks(int seat, int held, int rounds,
                                               SureTrumpTally& tally) {
    int& sure = tally.sure;
    int& probable = tally.probable;
    if (sure >= rounds) {
        probable = held;
        return;
    }
    const int diff = rounds - sure;
    if (sure > 2 && diff > 1 && probable < rounds - 1) {
        const int solo = IsSoloGame() ? 1 : 0;
        const int style = StyleFigure(seats[seat].profile);
        if (probable == sure)
            sure += style == 0 ? diff / 2 : (style == 1 ? diff / (2 + solo) : diff / (3 + solo));
        else if (probable == sure - 1)
            sure += diff / (3 + solo);
    }
    if (probable < sure)
        probable = sure;
    if (tally.consumed < held && held > rounds)
        probable += held - rounds;
}

int TrickGameKnowledge::EvaluateTrumpValue(int probableTricks, int trumpsHeld, int trumpRounds,
                                           int seat) {
    if (!IsSeat(seat))
        return 0;
    const int trumpSuit = gameType.trumpSuit;
    const int out = CountGroupInDeck(kTrumpGroup, trumpSuit, gameType.word) - trumpsHeld -
                    CountPlayedInGroup(kTrumpGroup);
    const int e = probableTricks < out / 3 ? 3 * probableTricks : out;
    const GameTypeWord bits = GameBits(gameType.word);
    if (bits == 0 || IsSuitTrumpGame(bits)) {
        const SeatBlock& block = seats[seat];
        const bool suit = trumpSuit >= 0 && trumpSuit <= 3;
        int value = 2 * e;
        if (probableTricks > trumpRounds) {
            const int playedHigh = suit ? CopiesInRankMask(playedMasks[kRankAce], trumpSuit) +
                                              CopiesInRankMask(playedMasks[kRankTen], trumpSuit)
                                        : 0;
            value += 40 - 10 * playedHigh;
        } else if (IsSoloGame()
                       ? trumpRounds + 2 < trumpsHeld && probableTricks + 2 > trumpRounds / 3
                       : trumpRounds < trumpsHeld && probableTricks > trumpRounds / 3) {
            value = suit ? CopiesInRankMask(block.aceMask, trumpSuit) +
                               CopiesInRankMask(block.tenMask, trumpSuit)
                         : 0;
        }
        if (IsHeartTenTop(&gameType))
            value += CopiesInRankMask(block.tenMask, kSuitHerz);
        return value;
    }
    switch (bits) {
    case kWordUnterSolo:
    case kWordUnterKing:
    case kWordUnterOber:
        return 2 * (probableTricks + e);
    case kWordOberSolo:
    case kWordOberUnter:
    case kWordOberUnterKing:
        return 3 * (probableTricks + e);
    case kWordKingSolo:
        return 4 * (probableTricks + e);
    default:
        return 0;
    }
}

int TrickGameKnowledge::CountTrickPoints(bool allSeats) {
    int points = 0;
    if (allSeats) {
        for (int seat = 0; seat < GetSeatCount(); ++seat)
            points += GetCardPoints(trickCards[seat]);
        return points;
    }
    if (!IsSeat(leader))
        return 0;
    for (int seat = leader, n = 0; seat != seatToMove && n < GetSeatCount();
         seat = NextSeat(seat), ++n)
        points += GetCardPoints(trickCards[seat]);
    return points;
}

int TrickGameKnowledge::RateGroupPoints(int group, int seat) {
    if (group < 0 || group > 3 || !IsSeat(seat))
        return 0;
    const int copies = HasTwoCopies() ? 2 : 1;
    int points = 0;
    for (int step = 4; step <= 8; ++step) {
        const int card = group * 8 + step;
        if (IsTrump(card))
            continue;
        points += (copies - CopiesInRankMask(playedMasks[step % 8], group)) * GetCardPoints(card);
    }
    const SeatBlock& block = seats[seat];
    for (int p = 0; p < kHandPlaces; ++p)
        if (IsCardCode(block.hand[p]) && GetSuitGroup(block.hand[p]) == group)
            points -= GetCardPoints(block.hand[p]);
    return points;
}
