// Hand order and the sure tricks of the plain suits: the engine's sort order of a hand for a
// game type, its group counts, and how many tricks each plain suit takes for sure, raised by
// the odds that the cards still out split evenly.
#include "engine/TrickGameCore.h"

namespace {

// The masked words of the taking order in which the Heart Tens go first (when they are top
// trumps at all), and those whose trump-suit cards are pulled up to the trumps.
bool TakesHeartTensFirst(GameTypeWord bits) {
    return bits == 0 || bits == kWordNormal || bits == kWordSuitSolo || bits == kWordSuitUnter ||
           bits == kWordSuitOber || bits == kWordMarriage || bits == kWordYou;
}
bool PullsTrumpSuit(GameTypeWord bits) {
    return bits == 0 || IsSuitTrumpGame(bits);
}

bool IsPlainSuit(int suit) {
    return suit >= 0 && suit <= 3;
}

} // namespace

bool TrickGameCore::HasTrumpSuit(GameTypeWord word) {
    if (GetSeatCount() == 3)
        return (word & kSkatGameMask) == 1;
    return IsSuitTrumpGame(GameBits(word));
}

void TrickGameCore::SortHand(std::uint8_t* hand, int count, int trumpSuit, GameTypeWord word,
                             bool pullTrumpSuit, bool plainOrder) {
    if (!hand || count <= 0)
        return;
    if (count > kHandPlaces)
        count = kHandPlaces;
    std::uint8_t left[kHandPlaces] = {};
    std::uint8_t sorted[kHandPlaces] = {};
    int cards = 0;
    for (int p = 0; p < count; ++p) {
        if (IsCardCode(hand[p])) {
            left[p] = hand[p];
            ++cards;
        }
    }
    // The cards taken first end up highest. Filling from the last card rather than from the
    // last place keeps the empty places at the end whatever capacity the caller passes.
    int next = cards - 1;
    auto take = [&](int card) {
        for (int p = 0; p < count; ++p) {
            if (left[p] == card && next >= 0) {
                sorted[next--] = static_cast<std::uint8_t>(card);
                left[p] = 0;
            }
        }
    };
    auto takeSuit = [&](int suit) {
        // Down to the Seven, so that no card of a deck with lower ranks gets lost.
        for (int step = 8; step >= 1; --step)
            take(suit * 8 + step);
    };
    const GameTypeWord bits = GameBits(word);
    const GameType type = {trumpSuit, word};
    if (diamondAcesSeat != -1) {
        if (specialPairSeat != -1)
            take(GetSpecialTopCard());
        take(kSchellenAce);
    }
    if (IsHeartTenTop(&type) && TakesHeartTensFirst(bits))
        take(kHeartTen);
    int ranks[4];
    int length = 0;
    GetTrumpRanks(word, ranks, &length);
    for (int i = 0; i < length; ++i)
        for (int suit = kSuitEichel; suit >= kSuitSchellen; --suit)
            take(CardOfRank(suit, ranks[i]));
    if (pullTrumpSuit && PullsTrumpSuit(bits) && IsPlainSuit(trumpSuit))
        takeSuit(trumpSuit);
    takeSuit(kSuitEichel);
    if (!plainOrder)
        takeSuit(kSuitHerz);
    takeSuit(kSuitGras);
    if (plainOrder)
        takeSuit(kSuitHerz);
    takeSuit(kSuitSchellen);
    for (int p = 0; p < count; ++p)
        hand[p] = sorted[p];
}

void TrickGameCore::ComputeTrumpStats(const std::uint8_t* hand, int count, int trumpSuit,
                                      GameTypeWord word, std::int16_t* counts) {
    for (int g = 0; g < kGroupCount; ++g)
        counts[g] = 0;
    int ranks[4];
    int length = 0;
    GetTrumpRanks(word, ranks, &length);
    const GameType type = {trumpSuit, word};
    const bool heartTen = IsHeartTenTop(&type);
    const bool suitTrumps = HasTrumpSuit(word);
    for (int p = 0; p < count && p < kHandPlaces; ++p) {
        const int card = hand[p];
        if (!IsCardCode(card))
            continue;
        if (IsRankInTrumpList(card, ranks) || (heartTen && card == kHeartTen) ||
            (suitTrumps && SuitOf(card) == trumpSuit))
            ++counts[kTrumpGroup];
        else
            ++counts[SuitOf(card)];
    }
}

void TrickGameCore::BuildEvaluation(SeatBlock& block, int count, int trumpSuit, GameTypeWord word,
                                    int seat) {
    SortHand(block.hand, count, trumpSuit, word, true, true);
    ComputeTrumpStats(block.hand, count, trumpSuit, word, block.groupCount);
    BuildGroupEvaluation(block, trumpSuit, word, seat, false);
}

void TrickGameCore::BuildGroupEvaluation(SeatBlock& block, int trumpSuit, GameTypeWord word,
                                         int seat, bool withTrumps) {
    // The plain groups follow one another in the sorted hand.
    int start = 0;
    for (int g = 0; g < 4; ++g) {
        const int count = block.groupCount[g];
        const int usable = start + count <= kHandPlaces ? count : kHandPlaces - start;
        CountSureTricks(block.hand + start, usable > 0 ? usable : 0, playedMasks,
                        block.groupEval[g], block, trumpSuit, word);
        start += count > 0 ? count : 0;
        if (start > kHandPlaces)
            start = kHandPlaces;
    }
    std::int16_t* trumps = block.groupEval[kTrumpGroup];
    for (int i = 0; i < 4; ++i)
        trumps[i] = 0;
    if (!withTrumps)
        return;
    int sure = 0;
    int probable = 0;
    int held = 0;
    int rounds = 0;
    EstimateSureTrumpTricks(seat, &sure, &probable, &held, &rounds);
    const int value = EvaluateTrumpValue(probable, held, rounds, seat);
    trumps[0] = static_cast<std::int16_t>(sure);
    trumps[1] = static_cast<std::int16_t>(value);
    trumps[2] = static_cast<std::int16_t>(probable);
    trumps[3] = static_cast<std::int16_t>(value);
}

void TrickGameCore::SumGroupEvaluation(std::int16_t* sum,
                                       const std::int16_t (&entries)[kGroupCount][4]) {
    for (int i = 0; i < 4; ++i) {
        int total = 0;
        for (int g = 0; g < kGroupCount; ++g) {
            // The trump value is kept in tenths of a trick.
            const bool tenths = g == kTrumpGroup && (i == 1 || i == 3);
            total += tenths ? entries[g][i] / 10 : entries[g][i];
        }
        sum[i] = static_cast<std::int16_t>(total);
    }
}

int TrickGameCore::CountPlayedInGroupMasks(int group, const std::uint16_t* masks, int trumpSuit,
                                           GameTypeWord word) {
    int ranks[4];
    int length = 0;
    GetTrumpRanks(word, ranks, &length);
    const GameType type = {trumpSuit, word};
    const bool heartTen = IsHeartTenTop(&type);
    int played = 0;
    if (group == kTrumpGroup || (group == trumpSuit && trumpSuit != kTrumpGroup)) {
        if (IsPlainSuit(trumpSuit))
            for (int rank = 0; rank < 8; ++rank)
                played += CopiesInRankMask(masks[rank], trumpSuit);
        // The Heart Tens once only, also when Herz is the trump suit.
        if (heartTen && trumpSuit != kSuitHerz)
            played += CopiesInRankMask(masks[kRankTen], kSuitHerz);
        for (int i = 0; i < length; ++i)
            for (int suit = 0; suit < 4; ++suit)
                if (suit != trumpSuit)
                    played += CopiesInRankMask(masks[ranks[i]], suit);
        return played;
    }
    if (!IsPlainSuit(group))
        return 0;
    for (int rank = 0; rank < 8; ++rank) {
        const int card = CardOfRank(group, rank);
        // A Heart Ten on top is a trump, not a Herz card.
        if (IsRankInTrumpList(card, ranks) || (heartTen && card == kHeartTen))
            continue;
        played += CopiesInRankMask(masks[rank], group);
    }
    return played;
}

void TrickGameCore::CountSureTricks(const std::uint8_t* cards, int count,
                                    const std::uint16_t* masks, std::int16_t* entry,
                                    const SeatBlock& block, int trumpSuit, GameTypeWord word) {
    for (int i = 0; i < 4; ++i)
        entry[i] = 0;
    if (count <= 0 || !IsCardCode(cards[count - 1]))
        return;
    const int suit = SuitOf(cards[count - 1]);
    if (suit == trumpSuit)
        return;
    int ranks[4];
    int length = 0;
    GetTrumpRanks(word, ranks, &length);
    const bool twoCopies = HasTwoCopies();
    const unsigned all = (twoCopies ? 3u : 1u) << (2 * suit);
    int sure = 0, points = 0, sureLead = 0, pointsLead = 0;
    // From the Ace down while the run of top cards is unbroken: a rank the seat lacks only
    // passes when every copy of it is gone.
    bool broken = false;
    int i = count - 1;
    for (int step = 8; step >= 1 && i >= 0; --step) {
        while (i >= 0 && IsRankInTrumpList(cards[i], ranks))
            --i;
        if (i < 0)
            break;
        const int rankCard = suit * 8 + step;
        if (IsRankInTrumpList(rankCard, ranks))
            continue;
        const int card = cards[i];
        if (RankStepOf(card) == step) {
            const bool point = step == 8 || step == 7;
            if (twoCopies && i > 0 && cards[i - 1] == card) {
                sure += 2;
                sureLead += 2;
                if (point) {
                    points += 2;
                    pointsLead += 2;
                }
                i -= 2;
                continue;
            }
            ++sureLead;
            if (point)
                ++pointsLead;
            // The last card of the suit, single, is no sure trick where the other copy can
            // fall on it while not leading.
            if (!(i == 0 && twoCopies && sure < 2)) {
                ++sure;
                if (point)
                    ++points;
            }
            --i;
            if (twoCopies && (masks[RankStepOf(card) % 8] & (1u << (2 * suit))) == 0) {
                broken = true;
                break;
            }
            continue;
        }
        if (RankStepOf(card) < step && (masks[step % 8] & all) == all)
            continue;
        broken = true;
        break;
    }
    if (broken && sure > 0) {
        const int tenBits = masks[kRankTen] >> (2 * suit) & 3;
        const int tens = tenBits == 3 ? 2 : (tenBits != 0 ? 1 : 0);
        const int out = CountGroupInDeck(suit, trumpSuit, word) -
                        CountPlayedInGroupMasks(suit, masks, trumpSuit, word) - count;
        sure = AdjustSureTricks(sure, out, count, block, suit);
        if (tens + points == 3 && sure > points)
            ++points;
        sureLead = AdjustSureTricks(sureLead, out, count, block, suit);
        if (tens + pointsLead == 3 && sureLead > pointsLead)
            ++pointsLead;
    }
    if (SoloistLeads() != 0) {
        sure = sureLead;
        points = pointsLead;
    }
    entry[0] = static_cast<std::int16_t>(sure);
    entry[1] = static_cast<std::int16_t>(points);
    entry[2] = static_cast<std::int16_t>(sureLead);
    entry[3] = static_cast<std::int16_t>(pointsLead);
}

int TrickGameCore::AdjustSureTricks(int sureTricks, int cardsOut, int ownCards,
                                    const SeatBlock& block, int suit) {
    if (sureTricks >= cardsOut || sureTricks >= ownCards)
        return ownCards;
    // Who may still hold the suit is only known once play has begun.
    if (trickNumber >= 1) {
        const int holders = CountPossibleHolders(suit);
        if (holders == 1)
            return ownCards;
        if (holders == 2)
            return sureTricks;
    }
    if (sureTricks <= 0)
        return 0;
    const bool fourSeats = GetSeatCount() != 3;
    auto split = [&](int most) {
        return fourSeats ? GetThreeHandSplit(cardsOut, most) : GetTwoHandSplit(cardsOut, most);
    };
    if (sureTricks == 1) {
        const unsigned tens = (HasTwoCopies() ? 3u : 1u) << (2 * suit);
        if (cardsOut >= GetSeatCount() && (block.tenMask & tens) == 0)
            return 1;
        if (PassesThreshold(block.profile, split(1), 57, 60, 65, 70))
            return ownCards;
        if ((block.tenMask & tens) != tens)
            return 1;
        return ownCards < 5 ? 1 : 2;
    }
    if (PassesThreshold(block.profile, split(sureTricks), 60, 65, 70, 75))
        return ownCards;
    if (PassesThreshold(block.profile, GetThreeHandSplitSum(cardsOut, sureTricks), 75, 80, 85, 90))
        return ownCards;
    return sureTricks;
}
