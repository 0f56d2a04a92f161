// The hand evaluators of the four-seat game choice: one per family of game types, each
// answering the level at which the seat could play the candidate (0 not playable, 8 the
// strongest, 40 a forced weak game). The first level comes from the evaluator's own table of
// trump holdings; most evaluators then correct it by the losers left beside the side tricks.
#include <cstdint>

#include "engine/TrickGameCore.h"

namespace {

// The families that share the side-trick correction; each reads the losers differently.
enum class Family { SuitSolo, PureSuitSolo, SuitRankSolo, TwoRankSolo, ThreeRankSolo };

// A first level, and whether it is the answer without the side-trick correction.
struct FirstLevel {
    int level;
    bool final;
};

FirstLevel Final(int level) {
    return {level, true};
}
FirstLevel Open(int level) {
    return {level, false};
}

// Copies held among the suits whose mask bits are selected (0xc0 Eichel, 0xf0 Eichel and
// Gras, 0xfc Eichel, Gras and Herz): both copies of a card count 2.
int Top(TrickGameCore& game, std::uint16_t mask, std::uint16_t selector) {
    return game.CountBits(mask, selector);
}

// Whether every bit of the pattern is set in the mask.
bool Holds(std::uint16_t mask, std::uint16_t pattern) {
    return (mask & pattern) == pattern;
}

bool IsLevel8Or16(int level) {
    return level == 8 || level == 16;
}

// The level from the losers L (cards per hand less the trumps counted and the side tricks).
int LevelByLosers(Family family, int first, int losers) {
    switch (family) {
    case Family::TwoRankSolo:
        if (losers == 0 || losers == 1)
            return TrickGameCore::StepLevel(first, 1);
        if (losers == 2)
            return first;
        if (losers == 3)
            return TrickGameCore::StepLevel(first, -1);
        return losers == 4 && IsLevel8Or16(first) ? 32 : 0;
    case Family::ThreeRankSolo:
    case Family::SuitRankSolo:
        if (losers == 0)
            return TrickGameCore::StepLevel(first, 1);
        if (losers == 1)
            return first;
        if (losers == 2)
            return TrickGameCore::StepLevel(first, -1);
        return IsLevel8Or16(first) ? 32 : 0;
    case Family::SuitSolo:
    case Family::PureSuitSolo:
        if (losers == -1 || losers == 0)
            return TrickGameCore::StepLevel(first, 1);
        if (losers == 1)
            return first;
        if (losers == 2)
            return TrickGameCore::StepLevel(first, -1);
        if (family == Family::SuitSolo)
            return IsLevel8Or16(first) ? 32 : 0;
        return losers == 3 && (IsLevel8Or16(first) || first == 24) ? 16 : 0;
    }
    return 0;
}

// The side-trick correction shared by five evaluators; trumps is the evaluator's own count of
// the trumps that take tricks. A seat that leads reads its lead tricks and may so turn a first
// level of 0 into a playable one.
int CorrectBySideTricks(TrickGameCore& game, const SeatBlock& block, Family family,
                        FirstLevel first, bool forced, int seat, int trumps) {
    if (first.final)
        return first.level;
    if (forced && first.level != 0)
        return first.level;
    if (family == Family::SuitSolo && first.level == 0)
        return 0;
    std::int16_t sum[4];
    TrickGameCore::SumGroupEvaluation(sum, block.groupEval);
    int side = 0;
    if (game.TestSeatFlag(seat)) {
        side = sum[2];
    } else {
        if (first.level == 0)
            return 0;
        side = sum[0];
    }
    if (family == Family::TwoRankSolo && first.level == 0 &&
        game.CountBits(block.aceMask, 0x55) < 3)
        return 0;
    const int losers = game.GetCardsPerHand() - trumps - side;
    return LevelByLosers(family, first.level, losers);
}

// What the suit solo's table reads of a hand: Heart Tens, Obers and Unters, the top trumps.
struct SuitSoloCounts {
    int c, h, H, u, t4, t6, t8, o4, o6, u2, u4, u6;
    bool strong, due, bothGras, schellenOber;
};

FirstLevel SuitSoloTen(const SuitSoloCounts& k) {
    if (!k.strong) {
        switch (k.H) {
        case 5:
            return Open(k.t6 >= 5 && k.u4 >= 3 ? 32 : 0);
        case 6:
            if (k.t6 == 6)
                return Open(k.u == 0 ? 32 : 24);
            if (k.t6 == 5 && !k.bothGras)
                return Open(k.u <= 1 ? 32 : 24);
            if (k.t6 == 5 && k.u4 >= 2)
                return Open(24);
            if (k.t8 >= 6 && (k.u4 >= 2 || k.u >= 3))
                return Open(k.h == 2 ? 24 : 32);
            return Open(0);
        case 7:
            if (k.t8 >= 7 && k.u >= 1)
                return Open(16);
            if (k.t4 >= 3 && k.u >= 1)
                return Open(24);
            return Open(k.u4 >= 2 ? 32 : 0);
        default:
            return k.H >= 8 && k.H <= 10 ? Open(16) : Final(0);
        }
    }
    switch (k.H) {
    case 6:
        if (k.t6 == 6)
            return Open(k.u == 0 ? 32 : 24);
        if (k.t6 == 5 && !k.bothGras)
            return Open(k.u <= 3 ? 32 : 24);
        if (k.t6 == 5)
            return Open(k.u4 >= 3 ? 24 : 0);
        return Open(0);
    case 7:
        if (k.u >= 1 && (k.t8 >= 7 || k.t4 >= 3))
            return Open(24);
        return Open(k.u4 >= 2 ? 32 : 0);
    default:
        return k.H >= 8 && k.H <= 10 ? Open(16) : Final(0);
    }
}

FirstLevel SuitSoloEleven(const SuitSoloCounts& k) {
    if (k.H >= 8 && k.H <= 10)
        return Open(16);
    if (!k.strong) {
        switch (k.H) {
        case 5:
            return Open(k.t6 >= 4 && k.u4 >= 2 ? 32 : 0);
        case 6:
            if (k.t6 >= 5 && k.u4 >= 2)
                return Open(24);
            if (k.t8 >= 6 && k.u4 >= 3)
                return Open(24);
            return Open(k.u6 >= 4 ? 32 : 0);
        case 7:
            if (k.t8 >= 7)
                return Open(16);
            if (k.t4 >= 3)
                return Open(24);
            if (k.t4 <= 1)
                return Open(32);
            return Open(k.u >= 1 ? 24 : 32);
        default:
            return Final(0);
        }
    }
    switch (k.H) {
    case 5:
        if (k.t6 >= 5 && k.u4 >= 3)
            return Open(32);
        if (k.due && k.o6 >= 3) {
            if (k.h == 2)
                return Open(32);
            if (k.h == 1 && (k.o4 >= 3 || (k.schellenOber && k.u6 >= 3)))
                return Open(32);
        }
        return Open(0);
    case 6:
        if (k.u4 >= 3 && (k.t6 >= 5 || k.t8 >= 6))
            return Open(24);
        if (k.u6 >= 5)
            return Open(32);
        if (k.due && (k.h == 2 || (k.h == 1 && k.o4 >= 2)))
            return Open(32);
        return Open(0);
    case 7:
        if (k.t8 >= 7 || k.t4 >= 3)
            return Open(24);
        if (k.t4 == 2 && k.u >= 3)
            return Open(32);
        return Open(k.due ? 32 : 0);
    default:
        return Final(0);
    }
}

// Twelve to fourteen counted trumps: every answer is final.
FirstLevel SuitSoloTwelve(const SuitSoloCounts& k) {
    switch (k.H) {
    case 4:
        return Final(k.t4 == 4 ? 24 : 0);
    case 5:
        if (k.t4 == 4)
            return Final(24);
        if (k.strong)
            return Final(k.u4 >= 2 && k.t6 >= 5 ? 32 : 0);
        if (k.u4 <= 1)
            return Final(0);
        return Final(k.t6 >= 4 || k.t8 >= 5 ? 32 : 0);
    case 6:
        if (k.t6 >= 5 && k.u4 >= 2)
            return Final(24);
        if (k.t8 >= 6 && k.u2 >= 1)
            return Final(24);
        return Final(!k.strong && k.u6 >= 3 ? 32 : 0);
    case 7:
        return Final(k.t4 <= 2 ? 24 : 16);
    default:
        return Final(k.H >= 8 && k.H <= 10 ? 16 : 0);
    }
}

FirstLevel SuitSoloFirst(const SuitSoloCounts& k) {
    if (k.c <= 8)
        return Final(0);
    if (k.c >= 15)
        return Open(0);
    if (k.c == 9)
        return Open(k.t8 >= 6 && k.u4 >= 2 ? 32 : 0);
    if (k.c == 10)
        return SuitSoloTen(k);
    if (k.c == 11)
        return SuitSoloEleven(k);
    return SuitSoloTwelve(k);
}

FirstLevel PureSuitSoloFirst(int c, bool shortDeck, int aces, int tens, bool forced) {
    if (c <= 4 || (c == 5 && shortDeck))
        return Final(0);
    if (c == 5 || c == 6) {
        if (aces == 2)
            return Open(forced || tens > 0 ? 16 : 24);
        if (aces == 1)
            return Open(tens > 0 ? 24 : 32);
        return Open(32);
    }
    if (c == 7) {
        if (aces == 2)
            return Open(tens == 0 ? 16 : 8);
        return Open(aces == 1 && tens > 0 ? 24 : 32);
    }
    if (c == 8 || c == 9)
        return Open(aces == 0 ? 24 : 16);
    if (c == 10)
        return Final(16);
    if (c == 11 || c == 12)
        return Final(8);
    return Open(0);
}

FirstLevel SuitRankSoloFirst(TrickGameCore& game, int c, std::uint16_t m, int n) {
    const int topEG = Top(game, m, 0xf0);
    const int topEGH = Top(game, m, 0xfc);
    const int topE = Top(game, m, 0xc0);
    switch (c) {
    case 7:
        if (n == 4 || n == 5)
            return Open(topEG >= 3 ? 32 : 0);
        return n >= 6 && n <= 8 ? Open(32) : Final(0);
    case 8:
        if (n >= 3 && n <= 5)
            return Open(topEG >= 3 ? 32 : 0);
        return n >= 6 && n <= 8 ? Open(24) : Final(0);
    case 9:
        if (n == 3 || n == 4) {
            if (topE == 2 || topEG >= 3)
                return Open(24);
            return Open(topEGH >= 3 ? 32 : 0);
        }
        return n >= 5 && n <= 8 ? Open(24) : Final(0);
    case 10:
        if (n == 2)
            return Open(topEG > 1 ? 32 : 0);
        if (n == 3)
            return Open(topEGH >= 3 ? 32 : 0);
        if (n == 4)
            return Open(topEGH > 2 ? 24 : 0);
        return n >= 5 && n <= 8 ? Open(24) : Final(0);
    case 11:
        if (topEGH > 3 || topE > 0)
            return Final(8);
        if (topEGH == 3)
            return Final(16);
        return Final(n < 3 ? 32 : 24);
    case 12:
        if (topEGH > 3)
            return Final(8);
        return Final(n < 5 ? 24 : 16);
    default:
        return c <= 6 ? Final(0) : Open(0);
    }
}

// The two-rank table by the first rank's count c1; patterns are read on the first rank's mask.
struct TwoRankCounts {
    int n, c1, k2, style;
    std::uint16_t m1, m2;
    bool leads;
};

FirstLevel TwoRankEight(const TwoRankCounts& k) {
    switch (k.c1) {
    case 4:
        if (k.k2 < 2)
            return Open(0);
        // An Eichel copy and both Gras copies is tested before both Eichel and a Gras copy,
        // so a rank holding all four answers as the first.
        if (Holds(k.m1, 0x70))
            return Open(32);
        return Open(Holds(k.m1, 0xd0) ? 24 : 0);
    case 5:
        if (Holds(k.m1, 0x70) && k.k2 >= 1)
            return Open(32);
        if (Holds(k.m1, 0xd0) && k.k2 >= 1)
            return Open(24);
        if (Holds(k.m1, 0x3c) && k.k2 >= 2)
            return Open(32);
        return Open(Holds(k.m1, 0x50) && (k.m1 & 0x04) ? 32 : 0);
    case 6:
        if (Holds(k.m1, 0x70))
            return Open(32);
        if (Holds(k.m1, 0xd0))
            return Open(24);
        return Open(k.k2 >= 1 ? 32 : 0);
    case 7:
    case 8:
        return Open(16);
    default:
        return Open(0);
    }
}

FirstLevel TwoRankNine(const TwoRankCounts& k) {
    switch (k.c1) {
    case 3:
    case 4:
        if (k.c1 == 3 && Holds(k.m1, 0xd0))
            return Open(24);
        if (k.c1 == 3 && Holds(k.m1, 0xc0) && k.k2 >= 3)
            return Open(24);
        if (k.c1 == 4 && Holds(k.m1, 0x70) && k.k2 >= 3)
            return Open(24);
        if (k.c1 == 4 && Holds(k.m1, 0xd0))
            return Open(24);
        if (Holds(k.m1, 0x40) && k.k2 >= 3)
            return Open(32);
        return Open(Holds(k.m1, 0x34) && k.k2 >= 3 ? 32 : 0);
    case 5:
        if (Holds(k.m1, 0x70) && k.k2 >= 1)
            return Open(32);
        if (Holds(k.m1, 0xd0) && k.k2 >= 1)
            return Open(24);
        return Open(Holds(k.m1, 0x3c) ? 32 : 0);
    case 6:
        return Open(Holds(k.m1, 0x50) ? 24 : 32);
    case 7:
    case 8:
        return Open(16);
    default:
        return Open(0);
    }
}

FirstLevel TwoRankFirst(const TwoRankCounts& k) {
    if (k.n <= 5)
        return Final(0);
    if (k.n == 6) {
        const bool styled = k.style == 1 || k.style == 2 || (k.m1 & 0x04);
        return Open(k.leads && Holds(k.m1, 0xf0) && styled ? 32 : 0);
    }
    if (k.n == 7) {
        switch (k.c1) {
        case 4:
            return Open(k.leads && (k.m1 & 0x40) && !(k.m1 & 0x01) && (k.m2 & 0x40) ? 32 : 0);
        case 5:
            return Open(Holds(k.m1, 0xd0) && (k.m2 & 0x50) ? 24 : 0);
        case 6:
            return Open(Holds(k.m1, 0xc0) ? 24 : 0);
        case 7:
            return Open(k.m1 & 0x40 ? 24 : 0);
        default:
            return Open(0);
        }
    }
    if (k.n == 8)
        return TwoRankEight(k);
    if (k.n == 9)
        return TwoRankNine(k);
    if (k.n == 10)
        return Final(16);
    if (k.n == 11 || k.n == 12)
        return Final(8);
    return Open(0);
}

// Obers o and Unters u with their tops among Eichel (2), Eichel and Gras (4), Eichel, Gras
// and Herz (6).
struct ThreeRankCounts {
    int n, o, u, o2, o4, o6, u2, u4, u6;
    bool eichelOber;
};

// Three or four Obers read the same with ten and with eleven cards of the three ranks.
FirstLevel ThreeRankFewObers(const ThreeRankCounts& k) {
    if (k.o == 3) {
        if (k.o4 >= 3 && (k.u6 >= 4 || k.u >= 5))
            return Open(24);
        return Open(k.o6 >= 3 && k.u >= 5 ? 32 : 0);
    }
    return Open((k.o4 >= 3 && k.u4 >= 3) || (k.o6 >= 4 && k.u6 >= 4) ? 24 : 0);
}

FirstLevel ThreeRankTwelve(const ThreeRankCounts& k) {
    switch (k.o) {
    case 3:
        if (k.o4 >= 3 && (k.u4 >= 2 || k.u >= 5))
            return Final(24);
        if (k.o2 == 2 && k.u >= 6)
            return Final(24);
        if (k.u >= 7)
            return Final(32);
        return Final(k.o6 >= 3 && k.u6 >= 5 ? 32 : 0);
    case 4:
        if (k.o4 >= 3 && k.u4 >= 3)
            return Final(16);
        if ((k.o4 >= 3 && k.u >= 3) || (k.o4 >= 2 && k.u6 >= 4) || (k.o4 >= 1 && k.u6 >= 5) ||
            k.u4 >= 3)
            return Final(24);
        return Final(k.u >= 3 ? 32 : 0);
    case 5:
        return Final(k.eichelOber ? 8 : 16);
    default:
        return Final(k.o >= 6 && k.o <= 8 ? 8 : 0);
    }
}

FirstLevel ThreeRankFirst(const ThreeRankCounts& k) {
    if (k.n <= 8)
        return Final(0);
    if (k.n >= 13)
        return Open(0);
    if (k.n == 12)
        return ThreeRankTwelve(k);
    if (k.o == 6)
        return Open(16);
    if (k.o == 7 || k.o == 8)
        return k.n == 11 ? Final(8) : Open(8);
    if (k.n == 9) {
        if (k.o == 4)
            return Open((k.o4 >= 3 && k.u4 >= 3) || (k.o6 >= 4 && k.u6 >= 4) ? 32 : 0);
        if (k.o == 5) {
            if (k.o4 >= 3 && k.u4 >= 3)
                return Open(24);
            return Open(k.o6 >= 5 && k.u >= 4 ? 32 : 0);
        }
        return Final(0);
    }
    if (k.o == 3 || k.o == 4)
        return ThreeRankFewObers(k);
    if (k.o == 5) {
        if (k.o4 >= 3 && k.u4 >= 2)
            return Open(k.n == 11 ? 16 : 24);
        if (k.u2 >= 1)
            return Open(24);
        return Open(k.u6 >= 3 || k.u >= 4 ? 32 : 0);
    }
    return Final(0);
}

} // namespace

int TrickGameCore::StepLevel(int level, int direction) {
    if (direction > 0) {
        switch (level) {
        case 8:
        case 16:
            return 8;
        case 24:
            return 16;
        case 32:
            return 24;
        default:
            return 32;
        }
    }
    if (direction < 0) {
        switch (level) {
        case 8:
            return 16;
        case 16:
            return 24;
        case 24:
            return 32;
        default:
            return 0;
        }
    }
    return level;
}

int TrickGameCore::EvaluateSuitSolo(SeatBlock& block, const GameType& candidate, bool forced,
                                    int seat) {
    BuildEvaluation(block, kHandPlaces, candidate.trumpSuit, candidate.word, seat);
    SuitSoloCounts k{};
    const int shortDeck = IsShortDeck() ? 1 : 0;
    // A Herz solo, or one without the Heart Ten on top, has one trump fewer in the deck.
    const int fewerInDeck = !IsHeartTenTop(&candidate) || candidate.trumpSuit == kSuitHerz;
    k.c = block.groupCount[kTrumpGroup] + fewerInDeck + shortDeck;
    k.h = CopiesInRankMask(block.tenMask, kSuitHerz);
    k.H = block.oberCount + k.h;
    k.u = block.unterCount;
    k.o4 = CountBits(block.oberMask, 0xf0);
    k.o6 = CountBits(block.oberMask, 0xfc);
    k.t4 = k.h + CountBits(block.oberMask, 0xc0);
    k.t6 = k.h + k.o4;
    k.t8 = k.h + k.o6;
    k.u2 = CountBits(block.unterMask, 0xc0);
    k.u4 = CountBits(block.unterMask, 0xf0);
    k.u6 = CountBits(block.unterMask, 0xfc);
    k.strong = block.profile > 10;
    k.due = IsRequiredSoloDue(block, seat);
    k.bothGras = CopiesInRankMask(block.oberMask, kSuitGras) == 2;
    k.schellenOber = CopiesInRankMask(block.oberMask, kSuitSchellen) > 0;
    return CorrectBySideTricks(*this, block, Family::SuitSolo, SuitSoloFirst(k), forced, seat,
                               k.c - shortDeck);
}

int TrickGameCore::EvaluatePureSuitSolo(SeatBlock& block, const GameType& candidate, bool forced,
                                        int seat) {
    BuildEvaluation(block, kHandPlaces, candidate.trumpSuit, candidate.word, seat);
    const int trumps = block.groupCount[kTrumpGroup];
    const bool shortDeck = IsShortDeck();
    const int suit = candidate.trumpSuit;
    const int aces = suit >= 0 && suit < 4 ? CopiesInRankMask(block.aceMask, suit) : 0;
    const int tens = suit >= 0 && suit < 4 ? CopiesInRankMask(block.tenMask, suit) : 0;
    const FirstLevel first =
        PureSuitSoloFirst(trumps + (shortDeck ? 1 : 0), shortDeck, aces, tens, forced);
    return CorrectBySideTricks(*this, block, Family::PureSuitSolo, first, forced, seat, trumps);
}

int TrickGameCore::EvaluateSuitRankSolo(SeatBlock& block, const GameType& candidate, bool forced,
                                        int seat, std::uint16_t rankMask, int rankCount) {
    BuildEvaluation(block, kHandPlaces, candidate.trumpSuit, candidate.word, seat);
    const int c = block.groupCount[kTrumpGroup] + (IsShortDeck() ? 1 : 0);
    return CorrectBySideTricks(*this, block, Family::SuitRankSolo,
                               SuitRankSoloFirst(*this, c, rankMask, rankCount), forced, seat, c);
}

int TrickGameCore::EvaluateTwoRankSolo(SeatBlock& block, const GameType& candidate, bool forced,
                                       int seat, std::uint16_t firstMask, int firstCount,
                                       std::uint16_t secondMask, int secondCount) {
    BuildEvaluation(block, kHandPlaces, candidate.trumpSuit, candidate.word, seat);
    TwoRankCounts k{};
    k.n = firstCount + secondCount;
    k.c1 = firstCount;
    k.k2 = CountBits(secondMask, 0xf0);
    k.style = ProfileStyle(block.profile);
    k.m1 = firstMask;
    k.m2 = secondMask;
    k.leads = TestSeatFlag(seat);
    return CorrectBySideTricks(*this, block, Family::TwoRankSolo, TwoRankFirst(k), forced, seat,
                               k.n);
}

int TrickGameCore::EvaluateThreeRankSolo(SeatBlock& block, const GameType& candidate, bool forced,
                                         int seat) {
    BuildEvaluation(block, kHandPlaces, candidate.trumpSuit, candidate.word, seat);
    ThreeRankCounts k{};
    k.o = block.oberCount;
    k.u = block.unterCount;
    k.n = k.o + k.u + block.kingCount;
    k.o2 = CountBits(block.oberMask, 0xc0);
    k.o4 = CountBits(block.oberMask, 0xf0);
    k.o6 = CountBits(block.oberMask, 0xfc);
    k.u2 = CountBits(block.unterMask, 0xc0);
    k.u4 = CountBits(block.unterMask, 0xf0);
    k.u6 = CountBits(block.unterMask, 0xfc);
    k.eichelOber = (block.oberMask & 0x40) != 0;
    return CorrectBySideTricks(*this, block, Family::ThreeRankSolo, ThreeRankFirst(k), forced, seat,
                               k.n);
}

int TrickGameCore::EvaluateSingleRankSolo(SeatBlock& block, const GameType& candidate, bool forced,
                                          int seat, std::uint16_t rankMask, int rankCount) {
    BuildEvaluation(block, kHandPlaces, candidate.trumpSuit, candidate.word, seat);
    const int d = rankCount;
    if (d <= 2)
        return 0;
    // With all eight copies in the hand nothing is out: the split is certain.
    const float split = d >= 8 ? 100.0f : GetThreeHandSplit(8 - d, 2);
    const int profile = block.profile;
    const int eichel = CopiesInRankMask(rankMask, kSuitEichel);
    const int gras = CopiesInRankMask(rankMask, kSuitGras);
    int sure = 0; // the rank's own sure tricks
    if (eichel == 2) {
        if (gras > 0)
            sure = d <= 4 ? 3 : d;
        else if (d >= 4)
            sure = PassesThreshold(profile, split, 70, 75, 75, 80) ? 3 : 2;
    } else if (eichel == 1) {
        const bool even = PassesThreshold(profile, split, 75, 80, 80, 85);
        if (d == 3)
            sure = gras == 2 ? (PassesThreshold(profile, split, 60, 65, 65, 70) ? 2 : 1) : 0;
        else if (gras == 2)
            sure = even ? d - 1 : 2;
        else if (gras == 1)
            sure = even ? (d >= 5 ? d - 1 : d - 2) : 2;
        else
            sure = d >= 5 ? d - 2 : 1;
    }
    std::int16_t sum[4];
    SumGroupEvaluation(sum, block.groupEval);
    const bool leads = TestSeatFlag(seat);
    const int tricks = (IsShortDeck() ? 2 : 0) + (leads ? sum[2] : sum[0]) + sure;
    if (tricks == 9)
        return 24;
    if (tricks == 10)
        return 16;
    if (tricks == 11 || tricks == 12)
        return 8;
    const int style = ProfileStyle(profile);
    if (tricks == 8 && sure >= 3 && (style == 1 || style == 2))
        return 32;
    if (leads && tricks >= 7 && sure >= 2 && forced)
        return 40;
    return 0;
}

namespace {

int NoTrumpLevelByTricks(int tricks, int pointTricks) {
    switch (tricks) {
    case 7:
        return pointTricks >= 8 ? 32 : 0;
    case 8:
        return pointTricks >= 7 ? 24 : 0;
    case 9:
        return 16;
    case 10:
    case 11:
    case 12:
        return 8;
    default:
        return 0;
    }
}

} // namespace

int TrickGameCore::EvaluateNoTrumpGame(SeatBlock& block, const GameType& candidate, bool,
                                       int seat) {
    BuildEvaluation(block, kHandPlaces, candidate.trumpSuit, candidate.word, seat);
    std::int16_t sum[4];
    SumGroupEvaluation(sum, block.groupEval);
    // A suit is covered by both its Aces, or by one Ace with more cards behind it.
    int covered = 0;
    int uncovered = -1;        // the last suit not covered
    bool longSuitOpen = false; // a suit of more than five cards that lacks an Ace
    for (int suit = kSuitSchellen; suit <= kSuitEichel; ++suit) {
        const int aces = CopiesInRankMask(block.aceMask, suit);
        const int cards = block.groupCount[suit];
        if (aces == 2 || (aces == 1 && cards > 1))
            ++covered;
        else
            uncovered = suit;
        if (cards > 5 && aces < 2)
            longSuitOpen = true;
    }
    if (TestSeatFlag(seat)) {
        const int tricks = sum[2];
        const int pointTricks = sum[3];
        if (longSuitOpen && covered < 4)
            return covered >= 3 && (tricks >= 9 || (tricks >= 8 && pointTricks >= 7)) ? 32 : 0;
        return NoTrumpLevelByTricks(tricks, pointTricks);
    }
    const int tricks = sum[0];
    if (covered == 3 && tricks >= 10 && uncovered >= 0 && block.groupCount[uncovered] >= 2)
        return 24;
    if (covered < 4)
        return 0;
    return NoTrumpLevelByTricks(tricks, sum[1]);
}

bool TrickGameCore::IsRequiredSoloDue(const SeatBlock& block, int seat) {
    if (!IsSeat(seat) || block.profile < 16 || solosPlayed[seat] >= RequiredSoloCount())
        return false;
    // A series length of 0 is no series, like -1: the fraction below would divide by it.
    if (!RequiredSoloRule() || seriesLength == -1 || seriesLength == 0)
        return false;
    if (block.leadFlag == 0 && SoloistLeads() == 0)
        return false;
    const int due = RequiredSoloCount() - solosPlayed[seat];
    if (due > 1 && seriesLength - 12 * due < gamesPlayed)
        return true;
    if (SeriesLeft() <= 0.49)
        return true;
    if (GetTrickPosition(seat) > 2 && block.leadFlag != 0) {
        int marked = 0;
        for (int s = leader, n = 0; s != seat && n < GetSeatCount(); s = NextSeat(s), ++n)
            if (IsSeat(s) && reservationMarks[s] == 1)
                ++marked;
        if (marked == 1) {
            const int herzAces = CopiesInRankMask(evalSeat.aceMask, kSuitHerz);
            if (herzAces == 2)
                return false;
            if (herzAces == 1)
                return !(IsSeat(leader) && reservationMarks[leader] == 1);
            return true;
        }
    }
    return false;
}

double TrickGameCore::SeriesLeft() const {
    return static_cast<double>(seriesLength - gamesPlayed) / static_cast<double>(seriesLength);
}
