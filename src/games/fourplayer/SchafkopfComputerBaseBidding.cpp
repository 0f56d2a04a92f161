// How a Schafkopf computer seat judges its hand in the bidding: one evaluator per game gives a
// bid level (0 not playable, 8 a sure game .. 32 the weakest bid, 40 only when the seat must
// play), the game choice takes the strongest, the Call Game needs an Ace to call, and four
// decisions answer whether the seat doubles. Also the run of top trumps of a party.
#include <algorithm>
#include <vector>

#include "games/fourplayer/SchafkopfComputerBase.h"
#include "records/OptionRecordLayouts.h"

namespace {

// Rank-mask bits of the suits' cards (two bits per suit, the first copy at 2 x suit).
constexpr std::uint16_t kBitEichel = 0x40;
constexpr std::uint16_t kBitGras = 0x10;
constexpr std::uint16_t kBitHerz = 0x04;
constexpr std::uint16_t kBitSchellen = 0x01;

bool Has(std::uint16_t mask, std::uint16_t bit) {
    return (mask & bit) != 0;
}
std::uint16_t SuitBit(int suit) {
    return static_cast<std::uint16_t>(1u << (2 * suit));
}

struct Candidate {
    int suit;
    GameTypeWord word;
};

// The game choice's candidates in the order of the stored levels; entry 0 is the Call Game,
// filled last, entry 25 the 1st Trick, which the choice loop never takes.
constexpr Candidate kCandidates[kSchafkopfCandidates] = {
    {0, kWordNormal},        {0, kWordSuitSolo},     {2, kWordSuitSolo},     {3, kWordSuitSolo},
    {1, kWordSuitSolo},      {4, kWordUnterSolo},    {4, kWordOberSolo},     {0, kWordSuitUnter},
    {1, kWordSuitUnter},     {2, kWordSuitUnter},    {3, kWordSuitUnter},    {0, kWordSuitOber},
    {1, kWordSuitOber},      {2, kWordSuitOber},     {3, kWordSuitOber},     {0, kWordPureSuitSolo},
    {1, kWordPureSuitSolo},  {2, kWordPureSuitSolo}, {3, kWordPureSuitSolo}, {4, kWordNoTrumps},
    {4, kWordUnterKing},     {4, kWordOberUnter},    {4, kWordUnterOber},    {4, kWordKingSolo},
    {4, kWordOberUnterKing}, {0, kWordMarriage}};

bool WordHasSuit(GameTypeWord bits) {
    return bits == kWordPureSuitSolo || bits == kWordSuitSolo || bits == kWordSuitUnter ||
           bits == kWordSuitOber;
}

// Rank steps of the natural order (Beg): 7 8 9 10 U O K A.
constexpr int kSeven = 1, kEight = 2, kNine = 3, kUnter = 4, kOber = 5, kKing = 6, kTen = 7,
              kAce = 8;

// A suit's rating for the Beg from its cards, lowest first in natural order; 12 unplayable.
int RateBegSuitFull(const std::vector<int>& steps, bool leadOrLast) {
    const int n = static_cast<int>(steps.size());
    const int first = n > 0 ? steps[0] : 0;
    const int second = n > 1 ? steps[1] : 0;
    const int third = n > 2 ? steps[2] : 0;
    switch (n) {
    case 0:
        return 0;
    case 1:
        return first == kSeven   ? 0
               : first == kEight ? 7
               : first == kNine  ? 6
               : first == kTen   ? 5
                                 : 12;
    case 2:
        if (second == kKing || second == kTen || second == kAce)
            return 12;
        return first == kSeven ? 0 : (first == kEight || first == kNine) ? 11 : 9;
    case 3:
    case 4: {
        if (first != kSeven)
            return 12;
        const bool secondHigh = second > kNine && second != kAce;
        if (third != kTen && third != kAce)
            return secondHigh ? 11 : 0;
        return second > kNine ? 9 : (n == 3 ? 6 : 5);
    }
    case 5:
        return first == kSeven && (second < kOber || second == kAce) ? 0 : 12;
    case 6:
        return first == kSeven && second <= kNine ? 0 : 12;
    case 7:
        return first == kSeven ? 0 : 12;
    default:
        return leadOrLast ? 12 : 0;
    }
}

int RateBegSuitShort(const std::vector<int>& steps, bool leadOrLast) {
    const int n = static_cast<int>(steps.size());
    const int first = n > 0 ? steps[0] : 0;
    const int second = n > 1 ? steps[1] : 0;
    switch (n) {
    case 0:
        return 0;
    case 1:
        return first == kNine    ? 0
               : first == kTen   ? 7
               : first == kUnter ? 6
               : first == kOber  ? 5
                                 : 12;
    case 2:
        if (second == kKing || second == kTen || second == kAce)
            return 12;
        return first == kNine ? 0 : first == kTen ? 11 : 9;
    case 3:
        if (first != kNine)
            return 12;
        if (second == kTen)
            return 0;
        return second < kOber || second == kAce ? 0 : 12;
    case 4:
        if (first != kNine)
            return 12;
        return second == kTen || second == kUnter ? 0 : 12;
    case 5:
        return first == kNine ? 0 : 12;
    default:
        return leadOrLast ? 12 : 0;
    }
}

// Natural order for sorting a suit: the Ten between the Nine and the Unter.
int NaturalOrder(int step) {
    constexpr int kOrder[9] = {0, 1, 2, 3, 5, 6, 7, 4, 8};
    return kOrder[step];
}

} // namespace

// --- small helpers ---

int SchafkopfComputerBase::SeatStyle(int seat) const {
    return IsSeat(seat) ? ProfileStyle(seats[seat].profile) : 0;
}

bool SchafkopfComputerBase::DeclarerLeads() {
    return SoloistLeads() != 0;
}

bool SchafkopfComputerBase::IsLeadOrLastSeat(int seat) {
    if (!IsSeat(seat))
        return false;
    return seats[seat].leadFlag != 0 || seat == leader || DeclarerLeads() ||
           seat == PreviousSeat(leader);
}

bool SchafkopfComputerBase::SeatLeads(int seat) {
    return IsSeat(seat) && (seats[seat].leadFlag != 0 || seat == leader || DeclarerLeads());
}

void SchafkopfComputerBase::Rebuild(SeatBlock& block, int seat, const GameType& type) {
    BuildEvaluation(block, GetCardsPerHand(), type.trumpSuit, type.word, seat);
}

void SchafkopfComputerBase::Totals(const SeatBlock& block, std::int16_t* sums) {
    SumGroupEvaluation(sums, block.groupEval);
}

int SchafkopfComputerBase::CountGuardedTens(const SeatBlock& block, const GameType& type) {
    int guarded = 0;
    for (int suit = 0; suit < 4; ++suit) {
        if (suit == type.trumpSuit)
            continue;
        if (Has(block.tenMask, SuitBit(suit)) && !Has(block.aceMask, SuitBit(suit)) &&
            block.groupCount[suit] >= 2)
            ++guarded;
    }
    return guarded;
}

int SchafkopfComputerBase::CountVoidPlainSuits(const SeatBlock& block, int trumpSuit) {
    int voids = 0;
    for (int suit = 0; suit < 4; ++suit)
        voids += suit != trumpSuit && block.groupCount[suit] == 0 ? 1 : 0;
    return voids;
}

// The adjustment every evaluator but the single-rank solo and the Beg applies to its base
// level: the sure tricks against the cards that are not trumps.
int SchafkopfComputerBase::AdjustLevel(int base, SeatBlock& block, const GameType& type,
                                       bool forced, int seat, FrameKind kind) {
    if (forced && base != 0 && kind != FrameKind::PureSuit)
        return kind == FrameKind::TwoRank && base == 8 ? 16 : base;
    std::int16_t sums[4] = {};
    Totals(block, sums);
    int sure = sums[0];
    if (IsLeadOrLastSeat(seat))
        sure = sums[2];
    else if (base == 0)
        return 0;
    const int trumps = block.groupCount[kTrumpGroup];
    const int voids = CountVoidPlainSuits(block, type.trumpSuit);
    if (kind == FrameKind::PureSuit)
        sure += CountGuardedTens(block, type);
    const int difference = GetCardsPerHand() - trumps - sure;
    switch (difference) {
    case 0:
        if (base == 16)
            return 16;
        if (kind == FrameKind::PureSuit && trumps <= 4 && voids >= 1)
            return base;
        return StepLevel(base, 1);
    case 1:
        return base == 8 ? 16 : base;
    case 2:
        if (kind == FrameKind::Suit && base != 8 && base != 16)
            return 0;
        return StepLevel(base, -1);
    case 3:
        if (kind == FrameKind::PureSuit)
            return voids >= 2 ? StepLevel(base, -1) : 0;
        return 0;
    default:
        return 0;
    }
}

// --- the evaluators ---

int SchafkopfComputerBase::EvaluateSingleRankSolo(SeatBlock& block, const GameType& candidate,
                                                  bool forced, int seat, std::uint16_t rankMask,
                                                  int rankCount) {
    Rebuild(block, seat, candidate);
    const int n = rankCount;
    if (n < 2)
        return 0;
    const int style = ProfileStyle(block.profile);
    const bool skilled = block.profile > 5;
    const bool leadOrLast = IsLeadOrLastSeat(seat);
    const bool e = Has(rankMask, kBitEichel);
    const bool g = Has(rankMask, kBitGras);
    int gain = 0;
    if (!e) {
        gain = n == 3 || n == 4 ? n - 1 : 0;
    } else if (n == 2) {
        gain = g && (!skilled || seat == leader || block.aceCount > 2) ? 2 : 1;
    } else if (n == 3 || n == 4) {
        gain = style >= 3 && !leadOrLast && !g ? n - 1 : n;
    }
    std::int16_t sums[4] = {};
    Totals(block, sums);
    if (!leadOrLast) {
        const int x = sums[0] + gain;
        if (x >= 8)
            return n <= 2 ? 16 : 8;
        if (x == 7)
            return n < 3 ? 24 : 16;
        if (x == 6) {
            int longest = 0;
            for (int suit = 0; suit < 4; ++suit)
                longest = std::max(longest, static_cast<int>(block.groupCount[suit]));
            if (skilled && longest > 3)
                return style == 1 || style == 2 ? 32 : (forced ? 40 : 0);
            return n > 2 ? 24 : 32;
        }
        if (x == 5)
            return style == 1 && gain > 2 ? 32 : 0;
        return 0;
    }
    const int x = sums[2] + gain;
    if (x >= 8)
        return 8;
    if (x == 7)
        return 16;
    if (x == 6)
        return gain > 1 ? 24 : 32;
    if (x == 5 && gain >= 3 && (style == 1 || (style == 2 && block.tenCount >= 2)))
        return 32;
    return forced && x > 4 && gain > 1 ? 40 : 0;
}

int SchafkopfComputerBase::TwoRankBase(const SeatBlock& block, int seat, std::uint16_t m1, int f,
                                       std::uint16_t m2, int h) {
    const int total = f + h;
    const bool e1 = Has(m1, kBitEichel);
    const bool g1 = Has(m1, kBitGras);
    const bool firstLead = block.leadFlag != 0 || DeclarerLeads();
    const int style = ProfileStyle(block.profile);
    switch (total) {
    case 3:
        if (SeatLeads(seat) && e1 && g1 && (style < 3 || Has(m1, kBitHerz)))
            return 32;
        return 0;
    case 4:
        if (f == 2)
            return e1 && (Has(m2, kBitEichel) || Has(m2, kBitGras)) ? 32 : 0;
        if (f == 3)
            return e1 ? 24 : 32;
        return f == 4 ? 24 : 0;
    case 5:
        if (f == 1)
            return e1 ? 24 : 32;
        if (f == 2)
            return e1 && g1 ? 16 : (e1 || g1) ? 24 : 32;
        if (f == 3)
            return e1 && g1 ? 16 : 24;
        if (f == 4)
            return SeatLeads(seat) ? 8 : 16;
        return 0;
    case 6:
        if (f == 1 || f == 2)
            return e1 ? 16 : 24;
        if (f == 3) {
            if (e1 && g1)
                return firstLead ? 8 : 16;
            return e1 ? 16 : 24;
        }
        return f == 4 ? 8 : 0;
    case 7:
        return e1 && firstLead ? 8 : 16;
    case 8:
        return 8;
    default:
        return 0;
    }
}

int SchafkopfComputerBase::EvaluateTwoRankSolo(SeatBlock& block, const GameType& candidate,
                                               bool forced, int seat, std::uint16_t firstMask,
                                               int firstCount, std::uint16_t secondMask,
                                               int secondCount) {
    Rebuild(block, seat, candidate);
    const int base = TwoRankBase(block, seat, firstMask, firstCount, secondMask, secondCount);
    return AdjustLevel(base, block, candidate, forced, seat, FrameKind::TwoRank);
}

int SchafkopfComputerBase::ThreeRankBase(const SeatBlock& block) {
    const int o = block.oberCount;
    const int u = block.unterCount;
    const int total = o + u + block.kingCount;
    const std::uint16_t om = block.oberMask;
    const bool oe = Has(om, kBitEichel), og = Has(om, kBitGras), oh = Has(om, kBitHerz);
    const bool ueg = Has(block.unterMask, kBitEichel) && Has(block.unterMask, kBitGras);
    if (total < 5 || total > 8)
        return 0;
    if (total <= 6) {
        switch (o) {
        case 4:
            return 8;
        case 3:
            return oe && og && oh ? 16 : 24;
        case 2:
            if (!(oe && og))
                return 0;
            return u > 2 ? 24 : u == 2 ? 32 : 0;
        case 1:
            return oe && u >= 3 ? 32 : 0;
        default:
            return 0;
        }
    }
    if (total == 7) {
        switch (o) {
        case 4:
            return 8;
        case 3:
            return oe && og && oh ? 8 : 16;
        case 2:
            if (oe && og)
                return u > 2 ? 16 : u == 2 ? 24 : 32;
            if (oe)
                return u > 2 || ueg ? 24 : 32;
            return u < 3 && !ueg ? 0 : 32;
        case 1:
            return oe && u >= 3 ? 24 : 0;
        default:
            return 0;
        }
    }
    switch (o) {
    case 1:
        return oe ? 16 : !og && !oh ? 32 : 24;
    case 2:
        return 16;
    case 3:
        return oe && og && oh ? 8 : 16;
    case 4:
        return 8;
    default:
        return 32;
    }
}

int SchafkopfComputerBase::EvaluateThreeRankSolo(SeatBlock& block, const GameType& candidate,
                                                 bool forced, int seat) {
    Rebuild(block, seat, candidate);
    return AdjustLevel(ThreeRankBase(block), block, candidate, forced, seat, FrameKind::Plain);
}

int SchafkopfComputerBase::SuitSoloBase(const SeatBlock& block) {
    const int total = block.groupCount[kTrumpGroup];
    const int o = block.oberCount;
    const std::uint16_t om = block.oberMask;
    const bool oe = Has(om, kBitEichel), og = Has(om, kBitGras), oh = Has(om, kBitHerz);
    const bool os = Has(om, kBitSchellen);
    switch (total) {
    case 5:
        return o == 4 ? 24 : 0;
    case 6:
        if (o == 4)
            return 8;
        if (o == 3)
            return oe && og && oh ? 16 : oe && og ? 24 : 0;
        if (o == 2) {
            const bool ueg = Has(block.unterMask, kBitEichel) && Has(block.unterMask, kBitGras);
            return (oe && og && block.unterCount >= 1) || (!os && ueg) ? 32 : 0;
        }
        return 0;
    case 7:
        if (o == 4)
            return 8;
        if (o == 3)
            return oe && og && oh ? 16 : 24;
        return o == 2 && !os ? 32 : 0;
    case 8:
        if (o == 4)
            return 8;
        if (o == 3)
            return oe && og && oh ? 8 : 16;
        return 32;
    default:
        return 0;
    }
}

int SchafkopfComputerBase::EvaluateSuitSolo(SeatBlock& block, const GameType& candidate,
                                            bool forced, int seat) {
    Rebuild(block, seat, candidate);
    return AdjustLevel(SuitSoloBase(block), block, candidate, forced, seat, FrameKind::Suit);
}

int SchafkopfComputerBase::EvaluatePureSuitSolo(SeatBlock& block, const GameType& candidate, bool,
                                                int seat) {
    Rebuild(block, seat, candidate);
    const int total = block.groupCount[kTrumpGroup];
    const int suit = candidate.trumpSuit;
    const bool ace = Has(block.aceMask, SuitBit(suit));
    const bool ten = Has(block.tenMask, SuitBit(suit));
    int base = 0;
    switch (total) {
    case 4:
        base = ace && ten ? 16 : 32;
        break;
    case 5:
        base = ace ? (ten ? 16 : 24) : (ten ? 24 : 32);
        break;
    case 6:
        base = ace ? 16 : 24;
        break;
    case 7:
        base = 16;
        break;
    case 8:
        base = 8;
        break;
    default:
        base = 0;
    }
    return AdjustLevel(base, block, candidate, false, seat, FrameKind::PureSuit);
}

int SchafkopfComputerBase::SuitRankBase(const SeatBlock& block, std::uint16_t m, int n) {
    const int total = block.groupCount[kTrumpGroup];
    const bool e = Has(m, kBitEichel), g = Has(m, kBitGras), h = Has(m, kBitHerz);
    if (total < 5 || total > 8)
        return 0;
    if (total <= 6) {
        switch (n) {
        case 1:
            return e ? 32 : 0;
        case 2:
            return e && g ? 24 : 32;
        case 3:
            return e && g && h ? 16 : 24;
        case 4:
            return 8;
        default:
            return 0;
        }
    }
    if (total == 7) {
        switch (n) {
        case 1:
            return e ? 24 : 0;
        case 2:
            return e && g ? 16 : (e || g) ? 24 : 32;
        case 3:
            return e && g && h ? 8 : 16;
        case 4:
            return 8;
        default:
            return 0;
        }
    }
    switch (n) {
    case 1:
        return e ? 16 : 24;
    case 2:
        return 16;
    case 3:
        return e && g && h ? 8 : 16;
    case 4:
        return 8;
    default:
        return 32;
    }
}

int SchafkopfComputerBase::EvaluateSuitRankSolo(SeatBlock& block, const GameType& candidate,
                                                bool forced, int seat, std::uint16_t rankMask,
                                                int rankCount) {
    Rebuild(block, seat, candidate);
    return AdjustLevel(SuitRankBase(block, rankMask, rankCount), block, candidate, forced, seat,
                       FrameKind::Plain);
}

int SchafkopfComputerBase::EvaluateBeg(SeatBlock& block, int seat) {
    Rebuild(block, seat, {Rules().trumpSuit, kWordNoTrumps});
    const bool leadOrLast = IsLeadOrLastSeat(seat);
    const int style = ProfileStyle(block.profile);
    int sum = 0;
    int ones = 0;
    for (int suit = 0; suit < 4; ++suit) {
        std::vector<int> steps;
        for (int p = 0; p < GetCardsPerHand() && p < kHandPlaces; ++p)
            if (IsCardCode(block.hand[p]) && SuitOf(block.hand[p]) == suit)
                steps.push_back(RankStepOf(block.hand[p]));
        std::sort(steps.begin(), steps.end(),
                  [](int a, int b) { return NaturalOrder(a) < NaturalOrder(b); });
        const int rating = IsShortDeck() ? RateBegSuitShort(steps, leadOrLast)
                                         : RateBegSuitFull(steps, leadOrLast);
        if (rating == 12)
            return 0;
        if (rating % 4 == 1)
            ++ones;
        if ((style == 1 || style == 2) && rating % 4 == 3)
            continue;
        sum += rating / 4;
    }
    switch (sum) {
    case 0:
        return 8;
    case 1:
        return ones > 0 ? 24 : 16;
    case 2:
        return ones == 0 ? (style >= 3 ? 32 : 24) : 0;
    case 3:
        return ones == 0 ? 32 : 0;
    default:
        return 0;
    }
}

int SchafkopfComputerBase::EvaluateCandidate(SeatBlock& block, int index, bool forced, int seat) {
    const Candidate& c = kCandidates[index];
    const GameType type{c.suit == 4 ? Rules().trumpSuit : c.suit, c.word};
    // The rank masks and counts do not depend on the game: read them before the evaluator
    // rebuilds the block for its game.
    const std::uint16_t om = block.oberMask, um = block.unterMask, km = block.kingMask;
    const int oc = block.oberCount, uc = block.unterCount, kc = block.kingCount;
    switch (c.word) {
    case kWordSuitSolo:
        return EvaluateSuitSolo(block, type, forced, seat);
    case kWordUnterSolo:
        return EvaluateSingleRankSolo(block, type, forced, seat, um, uc);
    case kWordOberSolo:
        return EvaluateSingleRankSolo(block, type, forced, seat, om, oc);
    case kWordKingSolo:
        return EvaluateSingleRankSolo(block, type, forced, seat, km, kc);
    case kWordSuitUnter:
        return EvaluateSuitRankSolo(block, type, forced, seat, um, uc);
    case kWordSuitOber:
        return EvaluateSuitRankSolo(block, type, forced, seat, om, oc);
    case kWordPureSuitSolo:
        return EvaluatePureSuitSolo(block, type, forced, seat);
    case kWordNoTrumps:
        return EvaluateBeg(block, seat);
    case kWordUnterKing:
        return EvaluateTwoRankSolo(block, type, forced, seat, um, uc, km, kc);
    case kWordOberUnter:
        return EvaluateTwoRankSolo(block, type, forced, seat, om, oc, um, uc);
    case kWordUnterOber:
        return EvaluateTwoRankSolo(block, type, forced, seat, um, uc, om, oc);
    case kWordOberUnterKing:
        return EvaluateThreeRankSolo(block, type, forced, seat);
    default:
        return 0;
    }
}

bool SchafkopfComputerBase::IsCandidateAllowed(int index) {
    const GameTypeWord word = kCandidates[index].word;
    const SchafkopfOptions& rules = Rules();
    if (word == kWordSuitSolo && rules.withSuitSolo && rules.partnershipMode == 1)
        return true;
    return (static_cast<std::uint32_t>(rules.allowedGames) & word) != 0;
}

bool SchafkopfComputerBase::HasYouHand(const SeatBlock& block) {
    return block.oberCount + block.unterCount == 8;
}

bool SchafkopfComputerBase::TakesLevel32(int seat, bool forced) {
    const int style = SeatStyle(seat);
    if (style == 1 || style == 2 || forced)
        return true;
    if (seriesLength == -1 || seriesLength == 0 || !IsLeadOrLastSeat(seat))
        return false;
    const double left = SeriesLeft();
    return (style == 3 && left <= 0.5) || (style == 4 && left <= 0.25);
}

void SchafkopfComputerBase::EvaluateGameTypes(int seat, SeatBlock& block, bool forced) {
    if (!IsSeat(seat))
        return;
    seatToMove = -1;
    const SchafkopfOptions& rules = Rules();
    std::int16_t snapshots[kSchafkopfCandidates][kGroupCount] = {};
    for (int i = 1; i < kSchafkopfCandidates - 1; ++i) {
        block.typeEval[i] = static_cast<std::int16_t>(
            IsCandidateAllowed(i) ? EvaluateCandidate(block, i, forced, seat) : 0);
        for (int g = 0; g < kGroupCount; ++g)
            snapshots[i][g] = block.groupCount[g];
    }
    block.typeEval[0] = 0;
    block.lineFlag = 1; // evaluated for this deal
    if (HasYouHand(block)) {
        block.bid = {rules.trumpSuit, kWordYou | (block.leadFlag ? kModSoloChoice : 0u)};
        Rebuild(block, seat, block.bid);
        return;
    }
    const bool holdsBoth =
        IsCardInHand(seat, rules.partnerCards[0]) && IsCardInHand(seat, rules.partnerCards[1]);
    block.typeEval[kSchafkopfCandidates - 1] =
        static_cast<std::int16_t>(rules.partnershipMode == 1 && holdsBoth ? 32 : 0);
    block.inDeclarerParty = Has(block.oberMask, kBitEichel) ? 1 : 0;

    int taken = -1;
    for (int level : {8, 16, 24, 32, 40}) {
        for (int i = 0; i < kSchafkopfCandidates - 1 && taken < 0; ++i) {
            if ((block.typeEval[i] & ~7) != level || level == 0)
                continue;
            if (level == 32 && !TakesLevel32(seat, forced))
                continue;
            taken = i;
        }
        if (taken >= 0)
            break;
    }
    if (taken == 1) {
        // Among the Suit Solos of the same level, the most trumps; then the first whose
        // position in the list has no Ace of the suit of that number.
        const int level = block.typeEval[1] & ~7;
        int most = -1;
        for (int i = 1; i <= 4; ++i)
            if ((block.typeEval[i] & ~7) == level)
                most = std::max(most, static_cast<int>(snapshots[i][kTrumpGroup]));
        int first = -1;
        for (int i = 1; i <= 4; ++i) {
            if ((block.typeEval[i] & ~7) != level || snapshots[i][kTrumpGroup] != most)
                continue;
            if (first < 0)
                first = i;
            if (!Has(block.aceMask, SuitBit(i - 1))) {
                taken = i;
                first = -2;
                break;
            }
        }
        if (first >= 0)
            taken = first;
    }
    if (taken >= 0) {
        const Candidate& c = kCandidates[taken];
        GameType bid{c.suit == 4 ? rules.trumpSuit : c.suit, c.word};
        if ((block.typeEval[taken] & ~7) == 8 && c.word != kWordNoTrumps && rules.toutGames)
            bid.word |= kModThrowIn;
        if (block.leadFlag)
            bid.word |= kModSoloChoice;
        block.bid = bid;
        Rebuild(block, seat, bid);
        return;
    }
    SchafkopfCall call;
    GameType type{rules.trumpSuit, kWordNormal};
    const bool wants = WantsCallGame(block, &call, &type, seat);
    if (!(rules.withSuitSolo && rules.partnershipMode == 1) && wants) {
        block.bid = {rules.trumpSuit, kWordNormal};
        if (seat < kSchafkopfCallRecords) {
            seatCalls[seat].suit = call.suit;
            seatCalls[seat].calledAceMissing = call.calledAceMissing;
            seatCalls[seat].rank = call.rank;
        }
        return;
    }
    block.bid = {rules.trumpSuit, kWordNone};
}

int SchafkopfComputerBase::GetStoredLevel(int seat) {
    return GetStoredLevel(seat, gameType.trumpSuit, gameType.word);
}

int SchafkopfComputerBase::GetStoredLevel(int seat, int suit, GameTypeWord word) {
    if (!IsSeat(seat))
        return -1;
    const GameTypeWord bits = GameBits(word);
    for (int i = 0; i < kSchafkopfCandidates; ++i) {
        if (kCandidates[i].word != bits)
            continue;
        if (WordHasSuit(bits) && kCandidates[i].suit != suit)
            continue;
        return seats[seat].typeEval[i];
    }
    return -1;
}

// --- the Call Game ---

bool SchafkopfComputerBase::WantsCallGame(SeatBlock& block, SchafkopfCall* call, GameType* type,
                                          int seat) {
    const SchafkopfOptions& rules = Rules();
    const GameType callGame{rules.trumpSuit, kWordNormal};
    if (type)
        *type = callGame;
    Rebuild(block, seat, callGame);
    int held = 0;
    int withAce = 0;
    CountSuitsAndAces(block, callGame, &held, &withAce);
    const int trumps = block.groupCount[kTrumpGroup];
    const int obers = block.oberCount;
    const int unters = block.unterCount;
    const int profile = block.profile;
    const int style = ProfileStyle(profile);
    const bool boldOrNormal = style == 1 || style == 2;
    SchafkopfCall chosen;
    const bool callable = ChooseCalledSuit(block, &chosen);
    if (call)
        *call = chosen;
    if (profile > 10 && trumps == 3) {
        if (!callable)
            return false;
        if (obers >= 2)
            return held > 2 && withAce == 2;
    }
    if (trumps < 4 || !callable)
        return false;
    if (obers == 2)
        return profile < 6 || trumps > 4 || held < 3 || withAce > 0;
    if (obers >= 3)
        return true;
    int level = 0;
    if (trumps == 4) {
        if (obers == 0)
            level = unters < 2 ? (style == 1 ? 32 : 0) : unters == 2 ? (boldOrNormal ? 32 : 0) : 24;
        else
            level = unters < 2 && style != 1 ? 32 : 24;
    } else if (trumps == 5) {
        if (obers == 0)
            level = unters > 1 ? 24 : boldOrNormal ? 32 : 0;
        else
            level = style == 4 && !Has(block.oberMask, kBitEichel) && !Has(block.oberMask, kBitGras)
                        ? 32
                        : 24;
    } else if (trumps == 6) {
        if (obers == 1 || unters > 1 || boldOrNormal)
            return true;
        level = 16;
    } else {
        return true;
    }
    if ((profile > 5 && held < 2) || (level != 0 && held == 2))
        return true;
    if (level == 0)
        return false;
    std::int16_t sums[4] = {};
    Totals(block, sums);
    const int sure = IsLeadOrLastSeat(seat) ? sums[2] : sums[0];
    if (sure == 0)
        level = StepLevel(level, -1);
    else if (sure == 2)
        level = StepLevel(level, 1);
    else if (sure != 1)
        return false;
    return level != 0;
}

// A plain card of the suit in the Call Game: the suit's cards but its Ober and Unter.
int SchafkopfComputerBase::CountCallSuitCards(const SeatBlock& block, int suit) {
    int count = 0;
    for (int p = 0; p < GetCardsPerHand() && p < kHandPlaces; ++p) {
        const int card = block.hand[p];
        const int rank = RankCodeOf(card);
        if (IsCardCode(card) && SuitOf(card) == suit && rank != kRankOber && rank != kRankUnter)
            ++count;
    }
    return count;
}

bool SchafkopfComputerBase::ListCallableSuits(const SeatBlock& block, bool* suits, bool* blank) {
    const SchafkopfOptions& rules = Rules();
    bool any = false;
    if (blank)
        *blank = false;
    for (int suit = 0; suit < 4; ++suit) {
        bool callable = false;
        if (suit != rules.trumpSuit) {
            const bool ace = Has(block.aceMask, SuitBit(suit));
            callable = rules.callAnyAce ? true : CountCallSuitCards(block, suit) > 0 && !ace;
        }
        suits[suit] = callable;
        any = any || callable;
    }
    if (any || rules.callAnyAce || !rules.ruleValue54)
        return any;
    for (int suit = 0; suit < 4; ++suit) {
        suits[suit] = suit != rules.trumpSuit && !Has(block.aceMask, SuitBit(suit));
        any = any || suits[suit];
    }
    if (blank)
        *blank = any;
    return any;
}

bool SchafkopfComputerBase::ChooseCalledSuit(const SeatBlock& block, SchafkopfCall* call) {
    bool suits[4] = {};
    bool blank = false;
    if (!ListCallableSuits(block, suits, &blank))
        return false;
    int count[4] = {};
    int highest[4] = {};
    bool twoWithTen[4] = {};
    int callable = 0;
    for (int suit = 0; suit < 4; ++suit) {
        if (!suits[suit])
            continue;
        ++callable;
        count[suit] = CountCallSuitCards(block, suit);
        for (int p = 0; p < GetCardsPerHand() && p < kHandPlaces; ++p) {
            const int card = block.hand[p];
            const int rank = RankCodeOf(card);
            if (IsCardCode(card) && SuitOf(card) == suit && rank != kRankOber && rank != kRankUnter)
                highest[suit] = std::max(highest[suit], GetCardPoints(card));
        }
        twoWithTen[suit] = count[suit] == 2 && Has(block.tenMask, SuitBit(suit));
    }
    int chosen = -1;
    for (int suit = 0; suit < 4; ++suit) {
        if (!suits[suit])
            continue;
        if (chosen < 0 || count[suit] < count[chosen])
            chosen = suit;
        else if (block.profile >= 6 && count[suit] == count[chosen] &&
                 highest[suit] > highest[chosen])
            chosen = suit;
    }
    if (block.profile >= 6 && count[chosen] == 1 && highest[chosen] < 10) {
        const int style = ProfileStyle(block.profile);
        if (style == 1 || style == 2 || (style == 3 && callable < 3)) {
            for (int suit = 0; suit < 4; ++suit) {
                if (suits[suit] && twoWithTen[suit]) {
                    chosen = suit;
                    break;
                }
            }
        }
    }
    if (call) {
        call->suit = static_cast<std::int16_t>(chosen);
        call->calledAceMissing = Has(block.aceMask, SuitBit(chosen)) ? 0 : 1;
        call->rank = 8;
    }
    return true;
}

// --- doubling ---

bool SchafkopfComputerBase::MayDouble(int seat) {
    if (!IsSeat(seat) || (gameType.word & kModExchange) ||
        GameBits(gameType.word) == kWordMarriage || !Rules().doubleRe)
        return false;
    int held = 0;
    for (int p = 0; p < GetCardsPerHand() && p < kHandPlaces; ++p)
        held += IsCardCode(seats[seat].hand[p]) ? 1 : 0;
    return held == GetCardsPerHand();
}

bool SchafkopfComputerBase::PassesTrumpTest(int seat, int limit, bool supTable) {
    if (!MayDouble(seat))
        return false;
    int sure = 0, probable = 0, held = 0, rounds = 0;
    EstimateSureTrumpTricks(seat, &sure, &probable, &held, &rounds);
    SeatBlock& block = seats[seat];
    const int trumps = block.groupCount[kTrumpGroup];
    BuildGroupEvaluation(block, gameType.trumpSuit, gameType.word, seat, true);
    std::int16_t sums[4] = {};
    Totals(block, sums);
    const int a = sums[0];
    const int p = 10 * sums[1];
    const int r = 9 - trickNumber - a;
    const int inDeck = CountGroupInDeck(kTrumpGroup, gameType.trumpSuit, gameType.word);
    if (r >= 0 && r < 5 && trumps <= inDeck / 4)
        return false;
    if (p >= limit)
        return true;
    const bool solo = IsSoloGame();
    const int o = block.oberCount;
    const int ou = block.oberCount + block.unterCount;
    if (!supTable) {
        switch (trumps) {
        case 5:
            return !solo && !(p < 20 && o < 3 && ou < 4);
        case 6:
            return !solo && !(p < 10 && o < 2 && ou < 4);
        default:
            return trumps >= 7;
        }
    }
    switch (trumps) {
    case 6:
        return !solo && !(p < 20 && o < 3 && ou < 5);
    case 7:
        return ou >= 5;
    default:
        return trumps >= 8;
    }
}

bool SchafkopfComputerBase::IsSoloDeclarer(int seat) {
    return IsSoloGame() && IsSeat(seat) && (seat == declarer || partyLists[0] == seat);
}

bool SchafkopfComputerBase::DecideDouble(int seat) {
    if (IsBeg() || !Rules().doubleRe)
        return false;
    return PassesTrumpTest(seat, 40, false);
}

bool SchafkopfComputerBase::DecideRe(int seat) {
    if (announcementCount <= 0 || !MayDouble(seat))
        return false;
    if (IsSoloDeclarer(seat)) {
        const int level = GetStoredLevel(seat) & ~7;
        return level == 8 || level == 16;
    }
    return PassesTrumpTest(seat, 40, false);
}

bool SchafkopfComputerBase::DecideSup(int seat) {
    if (!Rules().supResup)
        return false;
    return PassesTrumpTest(seat, 50, true);
}

bool SchafkopfComputerBase::DecideResup(int seat) {
    if (announcementCount <= 0 || !Rules().supResup || !MayDouble(seat))
        return false;
    if (IsSoloDeclarer(seat))
        return (GetStoredLevel(seat) & ~7) == 8;
    return PassesTrumpTest(seat, 50, true);
}

int SchafkopfComputerBase::ChooseDoubling(int seat) {
    if (!IsSeat(seat))
        return -1;
    if (seats[seat].inDeclarerParty == 0) {
        if (announcementCount == 2)
            return DecideSup(seat) ? 8 : -1;
        return DecideDouble(seat) ? 0 : -1;
    }
    if (announcementCount == 3)
        return DecideResup(seat) ? 9 : -1;
    return DecideRe(seat) ? 1 : -1;
}

bool SchafkopfComputerBase::DecideAnnouncement(int seat, std::uint8_t* wait) {
    if (wait)
        *wait = 0;
    if (!IsSeat(seat))
        return false;
    announceDeferred[seat] = -1;
    const int kind = ChooseDoubling(seat);
    return kind >= 0 && MakeAnnouncement(seat, kind);
}

// --- helpers of the settlement and the card play ---

int SchafkopfComputerBase::CountFreeTricksForDeclarer(int seat) {
    int free = CountFreeTricks(seat);
    if (IsSeat(seat) && seat == seatToMove && IsSkilledSeat(seat) && calledSuit >= 0 &&
        !WasGroupLed(calledSuit) && free > 1)
        --free;
    return free;
}

std::vector<int> SchafkopfComputerBase::TrumpOrder() {
    // The rank trumps from the top, each rank Eichel to Schellen, then the trump suit's own
    // cards that are not rank trumps, Ace down to the lowest card in the deck.
    std::vector<int> order;
    int ranks[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    int length = 0;
    GetTrumpRanks(gameType.word, ranks, &length);
    for (int i = 0; i < 4 && ranks[i] >= 0; ++i)
        for (int suit = 3; suit >= 0; --suit)
            order.push_back(CardOfRank(suit, ranks[i]));
    if (SuitCardsAreTrumps(GameBits(gameType.word)) && gameType.trumpSuit >= 0 &&
        gameType.trumpSuit < 4) {
        constexpr int kSuitSteps[8] = {8, 7, 6, 5, 4, 3, 2, 1}; // A T K O U 9 8 7
        for (int step : kSuitSteps) {
            const int card = gameType.trumpSuit * 8 + step;
            if (step < GetLowestRankStep() || IsRankInTrumpList(card, ranks))
                continue;
            order.push_back(card);
        }
    }
    return order;
}

int SchafkopfComputerBase::ComputeLaufende(int seat, int suitCalled) {
    if (!IsSeat(seat))
        return 0;
    int partner = -1;
    if (suitCalled >= 0 && suitCalled < 4) {
        for (int s = 0; s < kSeatCount && partner < 0; ++s)
            if (Has(seats[s].aceMask, SuitBit(suitCalled)))
                partner = s;
    } else if (partyLists[0] == seat) {
        partner = partyLists[1];
    } else if (partyLists[1] == seat) {
        partner = partyLists[0];
    }
    const std::vector<int> order = TrumpOrder();
    if (order.empty())
        return 0;
    auto held = [&](int card) {
        return IsCardInHand(seat, card) || (IsSeat(partner) && IsCardInHand(partner, card));
    };
    const bool with = held(order[0]);
    int run = 0;
    while (run < static_cast<int>(order.size()) && held(order[run]) == with)
        ++run;
    return with ? run : -run;
}
