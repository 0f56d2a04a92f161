// What a computer seat of the four-seat game would play: its hand is evaluated for the normal
// game and for every allowed game type, and the first candidate found at the strongest level
// becomes its bid. Besides, the two reservations that end a game before play: the card
// exchange of a seat with very few trumps and the throw-in of a hand full of Kings or nines.
#include <cstdint>

#include "engine/TrickGameKnowledge.h"
#include "records/OptionRecordLayouts.h"

namespace {

enum class Evaluator {
    None,
    SuitSolo,
    UnterSolo,
    OberSolo,
    KingSolo,
    SuitUnter,
    SuitOber,
    PureSuit,
    NoTrumps,
    UnterKing,
    OberUnter,
    UnterOber,
    ThreeRank,
    Marriage
};

constexpr int kNoSuit = 4;

struct Candidate {
    GameTypeWord word;
    int suit;
    Evaluator evaluator;
};

// The candidates in the order in which SeatBlock::typeEval holds them and the choice scans
// them; a candidate is allowed by its own word's bit of the allowed games.
constexpr int kCandidateCount = 26;
constexpr Candidate kCandidates[kCandidateCount] = {
    {kWordNormal, 0, Evaluator::None},
    {kWordSuitSolo, 0, Evaluator::SuitSolo},
    {kWordSuitSolo, 2, Evaluator::SuitSolo},
    {kWordSuitSolo, 3, Evaluator::SuitSolo},
    {kWordSuitSolo, 1, Evaluator::SuitSolo},
    {kWordUnterSolo, kNoSuit, Evaluator::UnterSolo},
    {kWordOberSolo, kNoSuit, Evaluator::OberSolo},
    {kWordSuitUnter, 0, Evaluator::SuitUnter},
    {kWordSuitUnter, 1, Evaluator::SuitUnter},
    {kWordSuitUnter, 2, Evaluator::SuitUnter},
    {kWordSuitUnter, 3, Evaluator::SuitUnter},
    {kWordSuitOber, 0, Evaluator::SuitOber},
    {kWordSuitOber, 1, Evaluator::SuitOber},
    {kWordSuitOber, 2, Evaluator::SuitOber},
    {kWordSuitOber, 3, Evaluator::SuitOber},
    {kWordPureSuitSolo, 0, Evaluator::PureSuit},
    {kWordPureSuitSolo, 1, Evaluator::PureSuit},
    {kWordPureSuitSolo, 2, Evaluator::PureSuit},
    {kWordPureSuitSolo, 3, Evaluator::PureSuit},
    {kWordNoTrumps, kNoSuit, Evaluator::NoTrumps},
    {kWordUnterKing, kNoSuit, Evaluator::UnterKing},
    {kWordOberUnter, kNoSuit, Evaluator::OberUnter},
    {kWordUnterOber, kNoSuit, Evaluator::UnterOber},
    {kWordKingSolo, kNoSuit, Evaluator::KingSolo},
    {kWordOberUnterKing, kNoSuit, Evaluator::ThreeRank},
    {kWordMarriage, 0, Evaluator::Marriage},
};
constexpr int kMarriageCandidate = 25;
constexpr int kFallbackCandidate = 1;

// The evaluation order: the rank solos first, the suit solos after the reservations.
constexpr int kFirstRound[] = {6, 5, 23, 20, 21, 22, 24, 19, 15};
constexpr int kSecondRound[] = {7, 11, 16, 4, 8, 12, 17, 2, 9, 13, 18, 3, 10, 14};

constexpr int kLevels[] = {8, 16, 24, 32, 40};

} // namespace

int TrickGameKnowledge::EvaluateCandidate(int index, SeatBlock& block, bool forced, int seat) {
    const Candidate& c = kCandidates[index];
    const GameType type = {c.suit, c.word};
    switch (c.evaluator) {
    case Evaluator::SuitSolo:
        return EvaluateSuitSolo(block, type, forced, seat);
    case Evaluator::UnterSolo:
        return EvaluateSingleRankSolo(block, type, forced, seat, block.unterMask, block.unterCount);
    case Evaluator::OberSolo:
        return EvaluateSingleRankSolo(block, type, forced, seat, block.oberMask, block.oberCount);
    case Evaluator::KingSolo:
        return EvaluateSingleRankSolo(block, type, forced, seat, block.kingMask, block.kingCount);
    case Evaluator::SuitUnter:
        return EvaluateSuitRankSolo(block, type, forced, seat, block.unterMask, block.unterCount);
    case Evaluator::SuitOber:
        return EvaluateSuitRankSolo(block, type, forced, seat, block.oberMask, block.oberCount);
    case Evaluator::PureSuit:
        return EvaluatePureSuitSolo(block, type, forced, seat);
    case Evaluator::NoTrumps:
        return EvaluateNoTrumpGame(block, type, forced, seat);
    case Evaluator::UnterKing:
        return EvaluateTwoRankSolo(block, type, forced, seat, block.unterMask, block.unterCount,
                                   block.kingMask, block.kingCount);
    case Evaluator::OberUnter:
        return EvaluateTwoRankSolo(block, type, forced, seat, block.oberMask, block.oberCount,
                                   block.unterMask, block.unterCount);
    case Evaluator::UnterOber:
        return EvaluateTwoRankSolo(block, type, forced, seat, block.unterMask, block.unterCount,
                                   block.oberMask, block.oberCount);
    case Evaluator::ThreeRank:
        return EvaluateThreeRankSolo(block, type, forced, seat);
    case Evaluator::Marriage:
        return CopiesInRankMask(block.oberMask, kSuitEichel) == 2 ? 32 : 0;
    case Evaluator::None:
        break;
    }
    return 0;
}

bool TrickGameKnowledge::MayTakeCandidate(const SeatBlock& block, int index, int level,
                                          bool forced) {
    const int style = ProfileStyle(block.profile);
    if (forced || style == 1 || style == 2 || level != 32 || index == kMarriageCandidate)
        return true;
    // A cautious seat plays a weak solo only when its required solo falls due late in the
    // series: style 3 in the second half, style 4 in the last quarter.
    if (style != 3 && style != 4)
        return false;
    if (!RequiredSoloRule() || seriesLength == -1 || seriesLength == 0)
        return false;
    if (block.leadFlag == 0 && SoloistLeads() == 0)
        return false;
    return SeriesLeft() <= (style == 3 ? 0.5 : 0.25);
}

void TrickGameKnowledge::EvaluateGameTypes(int seat, SeatBlock& block, bool forced) {
    seatToMove = -1;
    BuildEvaluation(block, kHandPlaces, 0, kWordNormal, seat);
    CopySeatBlock(&evalSeat, &block);

    const GameTypeWord allowed = rules ? rules->allowedGames : 0;
    auto run = [&](int index) {
        const bool isAllowed = (allowed & kCandidates[index].word) != 0;
        block.typeEval[index] = static_cast<std::int16_t>(
            isAllowed ? EvaluateCandidate(index, block, forced, seat) : 0);
    };
    block.typeEval[0] = 0;
    for (int index : kFirstRound)
        run(index);
    // The Schellen suit solo is always evaluated: the reservations read its trump count.
    block.typeEval[kFallbackCandidate] =
        static_cast<std::int16_t>(EvaluateCandidate(kFallbackCandidate, block, forced, seat));
    if ((allowed & kWordSuitSolo) == 0)
        block.typeEval[kFallbackCandidate] = 0;
    if (MayAskExchange(seat))
        block.bid.word |= kModExchange;
    if (MayThrowIn(seat))
        block.bid.word |= kModThrowIn;
    for (int index : kSecondRound)
        run(index);
    block.typeEval[kMarriageCandidate] =
        static_cast<std::int16_t>(EvaluateCandidate(kMarriageCandidate, block, forced, seat));

    block.lineFlag = 1;
    block.inDeclarerParty = (block.oberMask & 0x40) != 0 ? 1 : 0;

    for (int level : kLevels) {
        for (int index = 1; index < kCandidateCount; ++index) {
            if ((block.typeEval[index] & 0xf8) != level ||
                !MayTakeCandidate(block, index, level, forced))
                continue;
            const Candidate& c = kCandidates[index];
            BuildEvaluation(block, kHandPlaces, c.suit, c.word, seat);
            block.bid = {c.suit, c.word};
            if (block.leadFlag != 0 && c.word != kWordMarriage)
                block.bid.word |= kModSoloChoice;
            return;
        }
    }
    // Nothing to play: the bid keeps the reservations.
    const Candidate& fallback = kCandidates[kFallbackCandidate];
    BuildEvaluation(block, kHandPlaces, fallback.suit, fallback.word, seat);
}

// --- reservations ---

bool TrickGameKnowledge::CheckExchangeNeed(int seat) {
    if (!rules || rules->cardExchange == 0 || !IsSeat(seat))
        return false;
    SeatBlock& block = seats[seat];
    int trumps = block.groupCount[kTrumpGroup];
    if (IsSoloType(block.bid)) {
        // A seat that bid a solo is asked about its trumps in the normal game; its block is
        // left exactly as it was.
        SeatBlock saved;
        CopySeatBlock(&saved, &block);
        BuildEvaluation(block, GetHandCapacity(), 0, kWordNormal, seat);
        trumps = block.groupCount[kTrumpGroup];
        CopySeatBlock(&block, &saved);
    }
    return trumps <= rules->exchangeTrumpLimit;
}

int TrickGameKnowledge::IsThrowInAllowed(int seat) {
    if (!rules || rules->throwInAllowed == 0 || !IsSeat(seat))
        return 0;
    const SeatBlock& block = seats[seat];
    int nines = 0;
    for (int p = 0; p < GetHandCapacity() && p < kHandPlaces; ++p)
        if (IsCardCode(block.hand[p]) && RankStepOf(block.hand[p]) == 3)
            ++nines;
    const bool kings = block.kingCount >= rules->throwInKings;
    const bool enoughNines = nines >= rules->throwInNines;
    if (rules->throwInNeedsBoth == 1)
        return kings && enoughNines ? 1 : 0;
    return kings || enoughNines ? 1 : 0;
}

bool TrickGameKnowledge::EvaluateThrowIn(int seat, int extraTrumps) {
    if (!IsSeat(seat))
        return false;
    SeatBlock& block = seats[seat];
    // Judged as the most daring style would judge it.
    const std::int16_t profile = block.profile;
    block.profile = 1;
    const int level = EvaluateSuitSolo(block, {0, kWordSuitSolo}, true, seat);
    block.profile = profile;
    if (level != 0)
        return true;
    const int trumps = block.groupCount[kTrumpGroup] + extraTrumps;
    if (trumps < 10)
        return false;
    const int heartTens = CopiesInRankMask(block.tenMask, kSuitHerz);
    if (heartTens + block.oberCount >= 7)
        return true;
    return !(CountWithHeartTens(block.tenMask, block.oberMask, 0xfc) < 5 && trumps <= 10);
}
