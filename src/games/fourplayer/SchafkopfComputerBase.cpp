// The deck and rule constants of Schafkopf, the card order per game word, the new-game and
// new-deal resets and the saved tail.
#include "games/fourplayer/SchafkopfComputerBase.h"

#include <cstdlib>

#include "engine/EngineServices.h"
#include "records/OptionRecordLayouts.h"

namespace {

const SchafkopfOptions kNoOptions{};

// Natural order of the Beg by rank step (1 Seven .. 8 Ace): the Ten sits between the Nine and
// the Unter.
constexpr int kBegStrength[9] = {0, 1, 2, 3, 5, 6, 7, 4, 8};
int BegStrength(int card) {
    return kBegStrength[RankStepOf(card)];
}

// Cards of a group in the 32-card deck: the trump group (the trump suit included where its
// cards are trumps) and each plain suit.
struct GroupSizes {
    int trumps;
    int plain;
};

GroupSizes FullDeckSizes(GameTypeWord bits) {
    switch (bits) {
    case 0:
    case kWordNormal:
    case kWordSuitSolo:
    case kWordMarriage: // the 1st Trick game
    case kWordYou:
        return {14, 6};
    case kWordPureSuitSolo:
        return {8, 8};
    case kWordUnterSolo:
    case kWordOberSolo:
    case kWordKingSolo:
        return {4, 7};
    case kWordSuitUnter:
    case kWordSuitOber:
        return {11, 7};
    case kWordUnterKing:
    case kWordOberUnter:
    case kWordUnterOber:
        return {8, 6};
    case kWordOberUnterKing:
        return {12, 5};
    default: // the Beg: no trumps
        return {0, 8};
    }
}

// The lowest trump of the words whose lowest trump is a rank trump.
int LowestRankTrump(GameTypeWord bits) {
    switch (bits) {
    case kWordUnterSolo:
    case kWordOberUnter:
        return kSchellenUnter;
    case kWordOberSolo:
    case kWordUnterOber:
        return kSchellenOber;
    case kWordUnterKing:
    case kWordKingSolo:
    case kWordOberUnterKing:
        return 6; // Schellen King
    default:
        return 0;
    }
}

// The one walk over the tail's fields (all of them 16-bit); this object and the scratch copy of
// a reader share the names.
template <class Level> void WalkTail(Level& level, ByteOrderCursor& io) {
    const auto step = [](ByteOrderCursor& c, std::int16_t& value) { c.Field(value); };
    step(io, level.dealWord);
    step(io, level.allPassRuleOfDeal);
    step(io, level.seatRecordCount);
    step(io, level.calledSuit);
    step(io, level.calledAceMissing);
    step(io, level.calledRank);
    step(io, level.laufendeCount);
    for (auto& call : level.seatCalls) {
        step(io, call.suit);
        step(io, call.calledAceMissing);
        step(io, call.rank);
        step(io, call.flag);
        for (auto& value : call.values)
            step(io, value);
    }
    step(io, level.potUnits);
    for (auto& word : level.stateWords)
        step(io, word);
}

bool IsSuitOrNone(int suit) {
    return suit >= -1 && suit <= 3;
}
bool IsRankOrNone(int rank) {
    return rank >= -1 && rank <= 8;
}

} // namespace

SchafkopfComputerBase::SchafkopfComputerBase() = default;

const SchafkopfOptions& SchafkopfComputerBase::Rules() const {
    return options ? *options : kNoOptions;
}

// --- rule switches ---

bool SchafkopfComputerBase::IsShortDeck() {
    return Rules().shortDeck != 0;
}
bool SchafkopfComputerBase::RequiredSoloRule() {
    return Rules().requiredSolo != 0;
}
bool SchafkopfComputerBase::ClubUnterCaughtScores() {
    return false;
}
bool SchafkopfComputerBase::DiamondAceCaughtScores() {
    return Rules().catchTheFox != 0;
}
bool SchafkopfComputerBase::SecondHeartTenWins() {
    return false;
}
bool SchafkopfComputerBase::ClubUnterLastTrickScores() {
    return false;
}
bool SchafkopfComputerBase::DiamondAceLastTrickScores() {
    return false;
}
int SchafkopfComputerBase::SoloistLeads() {
    return Rules().declarerLeads;
}

bool SchafkopfComputerBase::IsSeatToMoveAbove15() {
    return IsProfileAbove(seatToMove, 10);
}
bool SchafkopfComputerBase::IsSkilledSeat(int seat) {
    return IsProfileAbove(seat, 5);
}

// --- deck facts ---

int SchafkopfComputerBase::GetHandCapacity() {
    return 8;
}
int SchafkopfComputerBase::GetCardsPerHand() {
    return IsShortDeck() ? 6 : 8;
}
// Rules that walk the rank steps upward start at the lowest card in the deck: the Nine
// without Sevens and Eights.
int SchafkopfComputerBase::GetLowestRankStep() {
    return IsShortDeck() ? 3 : 1;
}
int SchafkopfComputerBase::GetEndgameTrick() {
    return 5;
}

bool SchafkopfComputerBase::TestSeatFlag(int seat) {
    return TrickGameCore::TestSeatFlag(seat) || GetTrickPosition(seat) == seatRecordCount;
}

int SchafkopfComputerBase::GetLineGameKind() {
    return 2;
}
// Counts tuned for twelve-card hands, scaled to eight.
int SchafkopfComputerBase::ScaleCardCount(int count) {
    return count / 2 + 1;
}
bool SchafkopfComputerBase::HasTwoCopies() {
    return false;
}
int SchafkopfComputerBase::GetLowTrumpLimit() {
    return 9;
}

// --- card order ---

bool SchafkopfComputerBase::SuitCardsAreTrumps(GameTypeWord bits) {
    // Word 0 (before the game is chosen, and the all-passed game) plays with the Call Game's
    // trumps.
    return bits == 0 || IsSuitTrumpGame(bits);
}

bool SchafkopfComputerBase::IsTrump(int card) {
    if (!IsCardCode(card))
        return false;
    const GameTypeWord bits = GameBits(gameType.word);
    if (SuitCardsAreTrumps(bits) && SuitOf(card) == gameType.trumpSuit)
        return true;
    int list[4];
    int length = 0;
    GetTrumpRanks(gameType.word, list, &length);
    return IsRankInTrumpList(card, list);
}

bool SchafkopfComputerBase::IsHeartTenTop(const GameType*) {
    return false;
}

int SchafkopfComputerBase::GetHigherCard(int a, int b) {
    if (!IsBeg())
        return TrickGameCore::GetHigherCard(a, b);
    if (IsCardCode(a) && IsCardCode(b) && SuitOf(a) == SuitOf(b) && BegStrength(b) > BegStrength(a))
        return b;
    return a;
}

int SchafkopfComputerBase::GetTrickWinnerSoFar(int seat) {
    if (!IsBeg())
        return ComputerPlayer::GetTrickWinnerSoFar(seat);
    if (!IsSeat(leader) || seat == leader)
        return leader;
    int winner = leader;
    for (int s = NextSeat(leader), n = 1; n < kSeatCount; s = NextSeat(s), ++n) {
        const int card = trickCards[s];
        const int best = trickCards[winner];
        if (IsCardCode(card) && IsCardCode(best) && SuitOf(card) == SuitOf(best) &&
            BegStrength(card) > BegStrength(best))
            winner = s;
        if (s == seat)
            break;
    }
    return winner;
}

void SchafkopfComputerBase::SortHand(std::uint8_t* hand, int count, int trumpSuit,
                                     GameTypeWord word, bool pullTrumpSuit, bool plainOrder) {
    if (GameBits(word) != kWordNoTrumps) {
        TrickGameCore::SortHand(hand, count, trumpSuit, word, pullTrumpSuit, plainOrder);
        return;
    }
    if (!hand || count <= 0)
        return;
    if (count > kHandPlaces)
        count = kHandPlaces;
    // From the front: Schellen, Gras and Herz (Herz first with the colour flag), Eichel, each
    // from the Seven up to the Ace; the empty places stay behind the cards.
    const int suits[4] = {kSuitSchellen, plainOrder ? kSuitHerz : kSuitGras,
                          plainOrder ? kSuitGras : kSuitHerz, kSuitEichel};
    std::uint8_t sorted[kHandPlaces] = {};
    int next = 0;
    for (int suit : suits)
        for (int strength = 1; strength <= 8; ++strength)
            for (int p = 0; p < count; ++p)
                if (IsCardCode(hand[p]) && SuitOf(hand[p]) == suit &&
                    BegStrength(hand[p]) == strength)
                    sorted[next++] = hand[p];
    for (int p = 0; p < count; ++p)
        hand[p] = sorted[p];
}

int SchafkopfComputerBase::GetLowestTrump(int trumpSuit, GameTypeWord word) {
    const GameTypeWord bits = GameBits(word);
    if (bits == kWordNoTrumps)
        return 0;
    if (SuitCardsAreTrumps(bits))
        return trumpSuit * 8 + GetLowestRankStep();
    return LowestRankTrump(bits);
}

int SchafkopfComputerBase::GetLowestOfGroup(int trumpSuit, GameTypeWord word, int group) {
    // The trump suit's own cards are plain in the rank solos and the Beg.
    if (group == kTrumpGroup || (group == trumpSuit && SuitCardsAreTrumps(GameBits(word))))
        return GetLowestTrump(trumpSuit, word);
    return group * 8 + GetLowestRankStep();
}

int SchafkopfComputerBase::CountGroupInDeck(int group, int trumpSuit, GameTypeWord word) {
    const GameTypeWord bits = GameBits(word);
    const GroupSizes sizes = FullDeckSizes(bits);
    // The short deck lacks the Seven and the Eight of every suit; rank trumps keep their count.
    const int missing = IsShortDeck() ? 2 : 0;
    const bool suitTrumps = SuitCardsAreTrumps(bits);
    if (group == kTrumpGroup || (suitTrumps && group == trumpSuit)) {
        if (sizes.trumps == 0)
            return 0;
        return sizes.trumps - (suitTrumps ? missing : 0);
    }
    return sizes.plain - missing;
}

bool SchafkopfComputerBase::IsSoloWord(GameTypeWord word) {
    if (word & (kModExchange | kWordYou))
        return true;
    const GameTypeWord bits = word & kGameBitsMask;
    return bits > 1 && bits < kWordMarriage;
}

bool SchafkopfComputerBase::IsSoloType(const GameType& type) {
    return IsSoloWord(type.word);
}
bool SchafkopfComputerBase::IsSoloGame() {
    return IsSoloWord(gameType.word);
}

int SchafkopfComputerBase::RateCardRole(int card) {
    const GameTypeWord bits = GameBits(gameType.word);
    const int step = RankStepOf(card);
    const int rank = RankCodeOf(card);
    if (bits <= kWordNormal || bits == kWordSuitSolo || bits == kWordYou)
        return rank == kRankOber ? 3 : rank == kRankUnter ? 2 : 1;
    if (bits == kWordPureSuitSolo)
        return step <= 3 ? 1 : step >= 7 ? 3 : 2;
    if (bits == kWordSuitUnter)
        return rank == kRankUnter ? 3 : step > 4 ? 2 : 1;
    if (bits == kWordSuitOber)
        return rank == kRankOber ? 3 : step > 3 ? 2 : 1;
    return ComputerPlayer::RateCardRole(card);
}

// --- engine steps without a Schafkopf meaning ---

bool SchafkopfComputerBase::MayAnnounce(int seat, int, std::uint8_t* lastMoment) {
    if (lastMoment)
        *lastMoment = 0;
    return MayDouble(seat);
}
void SchafkopfComputerBase::TrackAnnouncementTiming(int) {}
void SchafkopfComputerBase::ObserveNormalGameCard(int) {}
Handle SchafkopfComputerBase::GetStrategyLibrary(int) {
    return nullptr;
}

// --- slots whose Schafkopf answers come with the bidding and the card rules ---

void SchafkopfComputerBase::StepSeat(int) {}

// The card of the game being played's trump suit: a solo names its own suit, which need not be
// the Call Game's suit of the options.
int SchafkopfComputerBase::GetTrumpSuitCard(int rankStep) {
    return gameType.trumpSuit * 8 + rankStep;
}

// --- new game and new deal ---

void SchafkopfComputerBase::NewGameWithOptions(SchafkopfOptions* rulesRecord) {
    options = rulesRecord;
    NewGame();
    dealWord = 0;
    seatRecordCount = 4;
    potUnits = 0;
    for (auto& call : seatCalls)
        for (auto& value : call.values)
            value = 0;
    for (auto& word : stateWords)
        word = 0;
}

void SchafkopfComputerBase::NewDeal(bool keepTricks) {
    ComputerPlayer::NewDeal(keepTricks);
    dealWord = 0;
    allPassRuleOfDeal = Rules().allPassRule;
    gameType = {Rules().trumpSuit, 0};
    laufendeCount = 0;
    declarer = -1;
    for (int seat = 0; seat < kSeatCount; ++seat) {
        seatCalls[seat].suit = -1;
        seatCalls[seat].rank = -1;
        seatCalls[seat].flag = 0;
        seats[seat].lineFlag = 0; // evaluated by the game choice
    }
}

// --- saved tail ---

namespace {

// The tail's fields as read, checked before any of them reaches the player.
struct TailFields {
    std::int16_t dealWord, allPassRuleOfDeal, seatRecordCount, calledSuit, calledAceMissing,
        calledRank, laufendeCount;
    SchafkopfCall seatCalls[kSchafkopfCallRecords];
    std::int16_t potUnits;
    std::int16_t stateWords[kSchafkopfStateWords];
};

} // namespace

void SchafkopfComputerBase::TransferTailLayout(ByteOrderCursor& io) {
    TailFields scratch{};
    WalkTail(scratch, io);
}

void SchafkopfComputerBase::WriteTail(std::uint8_t* bytes, bool bigEndian) const {
    ByteOrderCursor io(bytes, kSchafkopfTailSize, CursorMode::kWrite, bigEndian);
    WalkTail(const_cast<SchafkopfComputerBase&>(*this), io);
    if (!io.Complete())
        DebugBox("Schafkopf tail", io.Offset());
}

bool SchafkopfComputerBase::ReadTail(const std::uint8_t* bytes, bool bigEndian) {
    // Read into a copy of the fields first, so that a refused tail leaves this object whole.
    TailFields read{};
    ByteOrderCursor io(const_cast<std::uint8_t*>(bytes), kSchafkopfTailSize, CursorMode::kRead,
                       bigEndian);
    WalkTail(read, io);
    if (!io.Complete())
        return false;
    bool sound =
        IsSuitOrNone(read.calledSuit) && IsRankOrNone(read.calledRank) && read.potUnits >= 0;
    for (const auto& call : read.seatCalls)
        sound = sound && IsSuitOrNone(call.suit) && IsRankOrNone(call.rank);
    if (!sound)
        return false;
    dealWord = read.dealWord;
    allPassRuleOfDeal = read.allPassRuleOfDeal;
    seatRecordCount = read.seatRecordCount;
    calledSuit = read.calledSuit;
    calledAceMissing = read.calledAceMissing;
    calledRank = read.calledRank;
    laufendeCount = read.laufendeCount;
    for (int r = 0; r < kSchafkopfCallRecords; ++r)
        seatCalls[r] = read.seatCalls[r];
    potUnits = read.potUnits;
    for (int w = 0; w < kSchafkopfStateWords; ++w)
        stateWords[w] = read.stateWords[w];
    return true;
}
