#include "engine/TrickGameCore.h"

#include <cstddef>
#include <type_traits>

#include "engine/EngineServices.h"
#include "records/OptionRecordLayouts.h"

namespace {

// Groups per masked word in the four-seat double deck: trump group (or own suit), Herz when it
// is not the trump suit, and any other plain suit; the second figure of a pair is the deck
// without nines.
struct DeckCounts {
    int trump, trumpShort, herz, herzShort, plain, plainShort;
};

// Rank codes of the trump ranks, highest first.
struct TrumpRankRow {
    int ranks[4]; // ended by -1
    int length;
};

TrumpRankRow TrumpRanksFor(GameTypeWord bits) {
    switch (bits) {
    case 0:
    case kWordNormal:
    case kWordSuitSolo:
    case kWordOberUnter:
    case kWordMarriage:
    case kWordYou:
        return {{kRankOber, kRankUnter, -1, -1}, 2};
    case kWordUnterSolo:
    case kWordSuitUnter:
        return {{kRankUnter, -1, -1, -1}, 1};
    case kWordOberSolo:
    case kWordSuitOber:
        return {{kRankOber, -1, -1, -1}, 1};
    case kWordUnterKing:
        return {{kRankUnter, kRankKing, -1, -1}, 2};
    case kWordUnterOber:
        return {{kRankUnter, kRankOber, -1, -1}, 2};
    case kWordKingSolo:
        return {{kRankKing, -1, -1, -1}, 1};
    case kWordOberUnterKing:
        return {{kRankOber, kRankUnter, kRankKing, -1}, 3};
    default:
        return {{-1, -1, -1, -1}, 0};
    }
}

} // namespace

TrickGameCore::TrickGameCore() = default;

TrickGameCore::~TrickGameCore() {
    for (int seat = 0; seat < kSeatCount; ++seat) {
        DisposeHandle(playLogs[seat]);
        playLogs[seat] = nullptr;
        seats[seat].playLog = nullptr;
    }
}

// --- rules record ---

bool TrickGameCore::IsShortDeck() {
    return rules && rules->withoutNines != 0;
}
bool TrickGameCore::RequiredSoloRule() {
    return rules && rules->requiredSolos != 0;
}
int TrickGameCore::RequiredSoloCount() {
    return rules ? rules->requiredSoloCount : 1;
}
bool TrickGameCore::ClubUnterCaughtScores() {
    return rules && rules->charlieCaughtPoint != 0;
}
bool TrickGameCore::DiamondAceCaughtScores() {
    return rules && rules->foxCaughtPoint != 0;
}
bool TrickGameCore::SecondHeartTenWins() {
    return rules && rules->secondHeartTenWins != 0;
}
bool TrickGameCore::ClubUnterLastTrickScores() {
    return rules && rules->charlieLastTrickPoint != 0;
}
bool TrickGameCore::DiamondAceLastTrickScores() {
    return rules && rules->foxLastTrickPoint != 0;
}
int TrickGameCore::SoloistLeads() {
    return rules ? rules->soloistLeads : 0;
}

int TrickGameCore::GetSpecialTopCard() const {
    return rules ? rules->specialTopCard : kSchellenNine;
}

// --- profile tests ---

bool TrickGameCore::IsProfileAbove(int seat, int limit) const {
    // EvaluateGameTypes sets the seat to move to -1: no seat is strong then.
    return IsSeat(seat) && seats[seat].profile > limit;
}
bool TrickGameCore::IsSeatToMoveAbove5() {
    return IsProfileAbove(seatToMove, 5);
}
bool TrickGameCore::IsSeatToMoveAbove10() {
    return IsProfileAbove(seatToMove, 10);
}
bool TrickGameCore::IsProfileAbove10(const SeatBlock& block) {
    return block.profile > 10;
}
bool TrickGameCore::IsSeatToMoveAbove15() {
    return IsProfileAbove(seatToMove, 15);
}
bool TrickGameCore::IsProfileAbove15(const SeatBlock& block) {
    return block.profile > 15;
}

// --- new series and deal ---

PlayLog* TrickGameCore::GetPlayLog(int seat) const {
    return IsSeat(seat) ? static_cast<PlayLog*>(playLogs[seat]) : nullptr;
}

void TrickGameCore::ResetPlayLog(int seat, bool clearEntries) {
    // A new series reuses the seat's log: a fresh handle per series would fill the handle
    // table. A log whose allocation failed earlier is tried again.
    Handle log = playLogs[seat];
    if (log) {
        if (GetHandleSize(log) != kPlayLogSize)
            if (Handle resized = SetHandleSize(log, kPlayLogSize))
                log = resized;
    } else {
        log = NewHandle(kPlayLogSize);
    }
    playLogs[seat] = log;
    seats[seat].playLog = log;
    if (auto* entries = GetPlayLog(seat)) {
        if (clearEntries)
            *entries = PlayLog{};
        entries->count = 0;
        for (auto& order : entries->order)
            order = 0;
    }
}

void TrickGameCore::NewGame() {
    Self();
    playerVersion = kPlayerVersion;
    marriageTrick = 0;
    keepPlayLogs = 1;
    gamesPlayed = 0;
    seriesLength = -1;
    watchPlaces = 0;
    dryRun = 0;
    dryRunIndex = -1;
    dryRunReason = -1;
    for (int seat = 0; seat < kSeatCount; ++seat) {
        if (keepPlayLogs) {
            ResetPlayLog(seat, true);
            if (MemError() != kNoErr && !quietOnNoMemory)
                DebugBox("Play log", seat);
        } else {
            seats[seat].playLog = nullptr;
        }
        placeRecords[seat].reserved[0] = 0;
        placeRecords[seat].reserved[1] = 0;
        announceDeferred[seat] = -1;
        seats[seat].strategyIndex = -1;
    }
    for (auto& p : moverPartners)
        p = -1;
    for (auto& p : moverOpponents)
        p = -1;
    for (auto& p : firstPartyView)
        p = -1;
    for (auto& p : secondPartyView)
        p = -1;
    moverOpponentCount = 0;
    playForPartner = 0;
    contestTrick = 1;
    timingExcludedSeat = -1;
    for (auto& s : playTimeArea)
        s = 0;
    spare = 0;
    reStyle = 0;
    reNo90Style = 0;
    contraStyleSeat = -1;
    contraSignalSeat = contraStyleSeat;
    contraStyle = 0;
    contraNo90Style = 0;
    for (auto& block : seats) {
        block.usesProfileStyle = 0;
        block.momentTiming = 0;
        block.styleLead[0] = block.styleLead[1] = 0;
        for (auto& mark : block.suitSignalMarks)
            mark = 0;
        block.observerCount = 0;
        block.observerFlag = 0;
        block.longSuitLeadLevel = 0;
        block.loserCount = 0;
        for (int n = 1; n <= kStyleSettingCount; ++n)
            if (n != 10 && n != 11)
                StyleSetting(block, n) = 0;
        block.plannedLevel = -1;
    }
    StartStrategy();
}

void TrickGameCore::ResetEvidence() {}

void TrickGameCore::NewDeal(bool keepTricks) {
    for (int t = 0; t < kTrickCount; ++t)
        previousTricks[t] = keepTricks ? tricks[t] : TrickRecord{};

    // Everything from the bidding phases up to the seat blocks.
    for (auto& phase : seatBidPhase)
        phase = 0;
    announcementCount = 0;
    for (auto& entry : announcements)
        entry = {};
    declarer = 0;
    gameType = {0, 0};
    leader = 0;
    for (auto& entry : partyLists)
        entry = 0;
    seatToMove = 0;
    for (int seat = 0; seat < kSeatCount; ++seat)
        tricksWon[seat] = cardPoints[seat] = trickCards[seat] = 0;
    bonusCount = 0;
    for (auto& bonus : bonuses)
        bonus = {};
    trickNumber = 0;
    marriageTrick = 0;
    for (auto& trick : tricks)
        trick = {};
    for (auto& row : playedCounts)
        for (auto& count : row)
            count = 0;
    for (auto& mask : playedMasks)
        mask = 0;
    for (auto& estimate : seatEstimates)
        estimate = {};
    for (auto& kind : announcedKinds)
        kind = 0;
    // The evidence and announcement area, up to the play-time shorts.
    for (auto& row : evidence)
        for (auto& mark : row)
            mark = 0;
    cardExchanged = 0;
    spare = reStyle = reNo90Style = 0;
    contraStyleSeat = contraSignalSeat = contraStyle = contraNo90Style = 0;
    for (auto& mark : reservationMarks)
        mark = 0;
    for (auto& record : announceRecords)
        record = {};
    for (auto& row : lineBytes)
        for (auto& b : row)
            b = 0;
    for (auto& count : solosPlayed)
        count = 0;

    for (auto& entry : partyLists)
        entry = -1;
    marriageTrick = 0;
    cardExchanged = 0;
    gameType = {0, kWordNormal};
    spare = reStyle = reNo90Style = 0;
    contraStyleSeat = -1;
    contraSignalSeat = contraStyleSeat;
    contraStyle = contraNo90Style = 0;
    // Both special-card seats are facts of one deal only.
    diamondAcesSeat = -1;
    specialPairSeat = -1;

    ResetEvidence();

    announceClock = 0;
    announceClockSeat = -1;
    pauseSeen = 0;
    lastComputerCardTime = 0;
    announcedAfterPause = 0;
    for (auto& count : solosPlayed)
        count = 0;

    for (int seat = 0; seat < kSeatCount; ++seat) {
        HandPlaceRecord& record = placeRecords[seat];
        for (auto& place : record.places)
            place = 0;
        for (int g = 0; g < kGroupCount; ++g) {
            record.minSize[g] = record.maxSize[g] = record.exactSize[g] = -1;
            record.topCard[g] = static_cast<std::int16_t>(g < 4 ? 8 * (g + 1) : 0);
        }
        SeatBlock& block = seats[seat];
        // Hand through the type evaluations: the profile and bid go too; the lines set them.
        for (auto& card : block.hand)
            card = 0;
        for (auto& count : block.groupCount)
            count = 0;
        block.aceMask = block.tenMask = block.oberMask = block.unterMask = block.kingMask = 0;
        block.aceCount = block.tenCount = block.oberCount = block.unterCount = block.kingCount = 0;
        block.profile = 0;
        block.bid = {0, 0};
        block.inDeclarerParty = 0;
        block.lineFlag = 0;
        block.leadFlag = 0;
        for (auto& row : block.groupEval)
            for (auto& v : row)
                v = 0;
        for (auto& v : block.typeEval)
            v = 0;
        for (int other = 0; other < kSeatCount; ++other)
            block.partyBelief[other] = static_cast<std::int16_t>(other == seat ? 100 : 0);
        if (keepPlayLogs)
            ResetPlayLog(seat, false);
        block.strategyIndex = -1;
        for (auto& v : block.strategyGroupMap)
            v = -1;
        for (int suit = 0; suit < 4; ++suit)
            block.suitSignalMarks[suit] = block.suitSignalValues[suit] = 0;
        block.observerCount = 0;
        block.observerFlag = 0;
        block.plannedLevel = -1;
        reservationMarks[seat] = 0;
        AnnouncementRecord& announce = announceRecords[seat];
        for (auto& group : announce.groups) {
            group[0] = -1;
            group[1] = 0;
            group[2] = -1;
            group[3] = 0;
        }
        announce.spare = -1;
        announce.trumpEvidence = {0, 0, 0, -1, 0};
        for (auto& b : lineBytes[seat])
            b = 0;
    }
}

// --- deck facts ---

int TrickGameCore::GetHandCapacity() {
    return kHandPlaces;
}
int TrickGameCore::GetCardsPerHand() {
    return IsShortDeck() ? 10 : 12;
}
int TrickGameCore::GetLowestRankStep() {
    return 3;
}
int TrickGameCore::GetEndgameTrick() {
    return IsShortDeck() ? 6 : 9;
}

bool TrickGameCore::TestSeatFlag(int seat) {
    if (IsSeat(seat) && seats[seat].leadFlag != 0)
        return true;
    return seat == leader || SoloistLeads() != 0;
}

int TrickGameCore::GetLineGameKind() {
    return 1;
}
int TrickGameCore::GetSeatCount() {
    return kSeatCount;
}
int TrickGameCore::GetMaskBitsPerSuit() {
    return 2;
}
int TrickGameCore::ScaleCardCount(int count) {
    return count;
}

// --- card rules ---

int TrickGameCore::CountBits(std::uint16_t mask, std::uint16_t selector) {
    int count = 0;
    for (unsigned value = mask & selector; value != 0; value >>= 1)
        count += static_cast<int>(value & 1u);
    return count;
}

int TrickGameCore::CountWithHeartTens(std::uint16_t tenMask, std::uint16_t mask,
                                      std::uint16_t selector) {
    int tens = 0;
    if ((tenMask & 0xc) == 0xc)
        tens = 2;
    else if (tenMask & 4)
        tens = 1;
    return tens + CountBits(mask, selector);
}

void TrickGameCore::GetTrumpRanks(GameTypeWord word, int* list, int* length) {
    const TrumpRankRow row = TrumpRanksFor(GameBits(word));
    for (int i = 0; i < 4; ++i)
        list[i] = row.ranks[i];
    *length = row.length;
}

bool TrickGameCore::IsRankInTrumpList(int card, const int* list) {
    for (int i = 0; list[i] != -1; ++i)
        if (RankCodeOf(card) == list[i])
            return true;
    return false;
}

bool TrickGameCore::IsTrump(int card) {
    if (!IsCardCode(card))
        return false;
    if (SuitOf(card) == gameType.trumpSuit)
        return true;
    if (card == kHeartTen && IsHeartTenTop(&gameType))
        return true;
    int list[4];
    int length = 0;
    GetTrumpRanks(gameType.word, list, &length);
    return IsRankInTrumpList(card, list);
}

bool TrickGameCore::IsHeartTenTop(const GameType* type) {
    const GameTypeWord bits = GameBits(type->word);
    return bits == 0 || bits == kWordNormal || bits == kWordSuitSolo || bits == kWordMarriage;
}

int TrickGameCore::GetHigherCard(int a, int b) {
    const bool top = IsHeartTenTop(&gameType);
    const bool trumpA = IsTrump(a);
    const bool trumpB = IsTrump(b);
    if (trumpB && !trumpA)
        return b;
    if (trumpA && !trumpB)
        return a;
    // Two plain cards compare by code only: callers compare cards of one group, or treat a
    // card of another plain suit as not beating.
    if (!trumpA)
        return b > a ? b : a;
    if (diamondAcesSeat != -1) {
        if (specialPairSeat != -1) {
            const int special = GetSpecialTopCard();
            if (b == special)
                return b;
            if (a == special)
                return a;
        }
        if (b == kSchellenAce)
            return b;
        if (a == kSchellenAce)
            return a;
    }
    if (top && a == kHeartTen)
        return a;
    if (top && b == kHeartTen)
        return b;
    int list[4];
    int length = 0;
    GetTrumpRanks(gameType.word, list, &length);
    for (int i = 0; list[i] != -1; ++i) {
        const bool rankA = RankCodeOf(a) == list[i];
        const bool rankB = RankCodeOf(b) == list[i];
        if (rankA && rankB)
            return b > a ? b : a;
        if (rankA)
            return a;
        if (rankB)
            return b;
    }
    return b > a ? b : a;
}

int TrickGameCore::GetTopCard(int group) {
    if (group >= 0 && group <= 3)
        return 8 * (group + 1);
    if (group != kTrumpGroup) {
        SysBeep(1);
        return -1;
    }
    switch (GameBits(gameType.word)) {
    case kWordNormal:
    case kWordSuitSolo:
    case kWordMarriage:
    case kWordYou:
        return IsHeartTenTop(&gameType) ? kHeartTen : kEichelOber;
    case kWordOberSolo:
    case kWordSuitOber:
    case kWordOberUnter:
    case kWordOberUnterKing:
        return kEichelOber;
    case kWordPureSuitSolo:
        return gameType.trumpSuit * 8 + 8;
    case kWordUnterSolo:
    case kWordSuitUnter:
    case kWordUnterKing:
    case kWordUnterOber:
        return kEichelUnter;
    case kWordKingSolo:
        return kEichelKing;
    default:
        return 0;
    }
}

int TrickGameCore::GetLowestTrump(int trumpSuit, GameTypeWord word) {
    const bool shortDeck = IsShortDeck();
    const int base = trumpSuit * 8;
    switch (GameBits(word)) {
    case kWordNormal:
    case kWordMarriage:
    case kWordYou:
        return shortDeck ? 6 : kSchellenNine;
    // Without nines the lowest card of the trump suit is the lowest rank it keeps: the Unter
    // when the Unters stay in the suit, the Ober when only the Unters left it, else the King.
    case kWordPureSuitSolo:
    case kWordSuitOber:
        return base + (shortDeck ? 4 : 3);
    case kWordSuitUnter:
        return base + (shortDeck ? 5 : 3);
    case kWordSuitSolo:
        return base + (shortDeck ? 6 : 3);
    case kWordUnterSolo:
    case kWordOberUnter:
        return 4;
    case kWordOberSolo:
    case kWordUnterOber:
        return 5;
    case kWordUnterKing:
    case kWordKingSolo:
    case kWordOberUnterKing:
        return 6;
    default:
        return 0;
    }
}

int TrickGameCore::GetLowestOfGroup(int trumpSuit, GameTypeWord word, int group) {
    if (group == kTrumpGroup || group == trumpSuit)
        return GetLowestTrump(trumpSuit, word);
    const int base = group * 8;
    if (!IsShortDeck())
        return base + 3;
    const GameTypeWord bits = GameBits(word);
    if (IsOberUnterGame(bits))
        return base + 6;
    switch (bits) {
    case kWordPureSuitSolo:
    case kWordOberSolo:
    case kWordSuitOber:
    case kWordKingSolo:
        return base + 4;
    case kWordUnterSolo:
    case kWordSuitUnter:
    case kWordUnterKing:
        return base + 5;
    case kWordOberUnterKing:
        return base + 7;
    default:
        return base + 4;
    }
}

bool TrickGameCore::HasTwoCopies() {
    return true;
}

bool TrickGameCore::IsLineSuitGame() {
    if (GetLineGameKind() == 0)
        return (gameType.word & kSkatGameMask) == 1;
    return IsSuitTrumpGame(GameBits(gameType.word));
}

int TrickGameCore::CountGroupInDeck(int group, int trumpSuit, GameTypeWord word) {
    const GameTypeWord bits = GameBits(word);
    DeckCounts counts{};
    bool suitIsTrump = false; // whether the trump suit's own group counts as trump
    switch (bits) {
    case 0:
    case kWordNormal:
    case kWordSuitSolo:
    case kWordMarriage:
        counts = trumpSuit == kSuitHerz ? DeckCounts{24, 22, 6, 4, 8, 6}
                                        : DeckCounts{26, 24, 6, 4, 8, 6};
        suitIsTrump = true;
        break;
    case kWordYou:
        // Obers and Unters over the trump suit, without the Heart Ten rule.
        counts = {24, 22, 8, 6, 8, 6};
        suitIsTrump = true;
        break;
    case kWordPureSuitSolo:
        counts = {12, 10, 12, 10, 12, 10};
        suitIsTrump = true;
        break;
    case kWordUnterSolo:
    case kWordOberSolo:
    case kWordKingSolo:
        counts = {8, 8, 10, 8, 10, 8};
        break;
    case kWordSuitUnter:
    case kWordSuitOber:
        counts = {18, 16, 10, 8, 10, 8};
        suitIsTrump = true;
        break;
    case kWordUnterKing:
    case kWordOberUnter:
    case kWordUnterOber:
        counts = {16, 16, 8, 6, 8, 6};
        break;
    case kWordOberUnterKing:
        counts = {24, 24, 6, 4, 6, 4};
        break;
    default:
        counts = {0, 0, 12, 10, 12, 10};
        break;
    }
    const bool shortDeck = IsShortDeck();
    if (group == kTrumpGroup || (suitIsTrump && group == trumpSuit))
        return shortDeck ? counts.trumpShort : counts.trump;
    if (group == kSuitHerz)
        return shortDeck ? counts.herzShort : counts.herz;
    return shortDeck ? counts.plainShort : counts.plain;
}

int TrickGameCore::CountFreshVoidSuits(const std::int16_t*, int, int, int) {
    return 0;
}
int TrickGameCore::CountPossibleHolders(int) {
    return -1;
}
void TrickGameCore::EstimateSureTrumpTricks(int, int*, int*, int*, int*) {}
int TrickGameCore::EvaluateTrumpValue(int, int, int, int) {
    return 0;
}
bool TrickGameCore::IsSoloType(const GameType&) {
    return false;
}
int TrickGameCore::CountTrickPoints(bool) {
    return 0;
}
int TrickGameCore::GetTrickPosition(int) {
    return -1;
}
bool TrickGameCore::PlayTrumpSuitByValue(int, bool) {
    return false;
}
int TrickGameCore::GetTrickWinnerSoFar(int) {
    return -1;
}
bool TrickGameCore::StartStrategy() {
    return false;
}
TrickGameCore* TrickGameCore::LoadStrategyLibraries() {
    return this;
}
TrickGameCore* TrickGameCore::FreeStrategyLibraries() {
    return this;
}

int TrickGameCore::NextSeat(int seat) {
    return ((seat + 1) % 4 + 4) % 4;
}
int TrickGameCore::PreviousSeat(int seat) {
    return (seat - 1) & 3;
}

// --- helpers of the card rules ---

int TrickGameCore::GetSuitGroup(int card) {
    return IsTrump(card) ? kTrumpGroup : SuitOf(card);
}

bool TrickGameCore::IsCardHigher(int a, int b) {
    if (a != b)
        return GetHigherCard(a, b) == a;
    if (a == kHeartTen && IsHeartTenTop(&gameType))
        return !SecondHeartTenWins();
    return true;
}

int TrickGameCore::GetNextLowerCard(int card) {
    if (!IsCardCode(card))
        return -1;
    const int group = GetSuitGroup(card);
    const int trumpSuit = gameType.trumpSuit;
    const int low = GetLowestOfGroup(trumpSuit, gameType.word, group);
    const bool top = IsHeartTenTop(&gameType);
    if (group != kTrumpGroup) {
        if (card == low)
            return -1;
        for (int lower = card - 1; lower >= low && SuitOf(lower) == SuitOf(card); --lower)
            if (!IsTrump(lower))
                return lower;
        return -1;
    }
    int list[4];
    int length = 0;
    GetTrumpRanks(gameType.word, list, &length);
    if (card == kHeartTen && top)
        return 24 + list[0];
    for (int i = 0; i < length; ++i) {
        if (RankCodeOf(card) != list[i])
            continue;
        if (SuitOf(card) > kSuitSchellen)
            return card - 8;
        if (i + 1 < length)
            return 24 + list[i + 1];
        return IsLineSuitGame() ? trumpSuit * 8 + 8 : -1;
    }
    if (SuitOf(card) != trumpSuit || card == low)
        return -1;
    for (int lower = card - 1; lower >= low && SuitOf(lower) == trumpSuit; --lower) {
        if (IsRankInTrumpList(lower, list))
            continue;
        if (lower == kHeartTen && top)
            continue;
        return lower;
    }
    return -1;
}

bool TrickGameCore::CanFollowSuit(int seat) {
    if (!IsSeat(seat) || !IsSeat(leader))
        return false;
    const int led = trickCards[leader];
    if (!IsCardCode(led))
        return false;
    return seats[seat].groupCount[GetSuitGroup(led)] != 0;
}

bool TrickGameCore::IsCardPlayed(int card, bool bothCopies) const {
    if (!IsCardCode(card))
        return false;
    const unsigned low = 1u << (2 * SuitOf(card));
    const unsigned mask = playedMasks[RankCodeOf(card)];
    return bothCopies ? (mask & (low * 3)) == low * 3 : (mask & low) != 0;
}

// --- rules record and styles ---

void TrickGameCore::AttachRules(DoppelkopfOptions* record) {
    rules = record;
    for (int seat = 0; seat < kSeatCount; ++seat)
        InitSeatStyle(seat);
}

void TrickGameCore::InitSeatStyle(int seat) {
    if (!IsSeat(seat) || !rules)
        return;
    SeatBlock& block = seats[seat];
    if (block.usesProfileStyle == 0) {
        for (int n = 1; n <= kStyleSettingCount; ++n)
            StyleSetting(block, n) = rules->styleSettings[n - 1];
        return;
    }
    static constexpr int kSwitches[] = {1, 4, 8, 10, 12, 14, 18, 20, 23, 26, 29, 31, 33, 35, 37};
    const std::int16_t conventions = UsesConventions(seat) ? 1 : 0;
    for (int n = 1; n <= kStyleSettingCount; ++n) {
        bool isSwitch = false;
        for (int s : kSwitches)
            isSwitch = isSwitch || s == n;
        StyleSetting(block, n) = isSwitch ? conventions : 5;
    }
    StyleSetting(block, 6) = rules->styleSettings[5];
}

bool TrickGameCore::UsesConventions(int seat) const {
    if (!IsSeat(seat))
        return false;
    const int profile = seats[seat].profile;
    return (profile >= 11 && profile <= 15) || profile >= 21;
}

bool TrickGameCore::IsStyleActive(int seat) const {
    return IsSeat(seat) && seats[seat].styleLead[0] != 0 && seats[seat].styleLead[1] > 2;
}

int TrickGameCore::CountTricksLeft() {
    return GetCardsPerHand() - trickNumber + 1;
}

// --- saved region ---

namespace {

// Walks the saved fields in file order over a byte-order cursor, which writes, reads, turns
// or lists them. The live handle copy in each seat's block takes 4 bytes that mean nothing in
// a file: written as 0, skipped on reading, never turned.
class RegionCursor : public RootObject {
  public:
    explicit RegionCursor(ByteOrderCursor& io) : io_(io) {}

    template <class T> void Field(T& value) { io_.Field(value); }
    template <class T, std::size_t N> void Field(T (&values)[N]) {
        for (auto& value : values)
            Field(value);
    }
    void Field(GameType& type) {
        Field(type.trumpSuit);
        Field(type.word);
    }
    void Field(HandPlaceRecord& r) {
        Field(r.reserved);
        Field(r.places);
        Field(r.minSize);
        Field(r.maxSize);
        Field(r.exactSize);
        Field(r.topCard);
    }
    void Field(AnnouncementEntry& e) {
        Field(e.kind);
        Field(e.seat);
        Field(e.beforeOwnCard);
        Field(e.timing);
        Field(e.trick);
    }
    void Field(TrickBonus& b) {
        Field(b.seat);
        Field(b.kind);
    }
    void Field(TrickRecord& t) {
        Field(t.cards);
        Field(t.leader);
        Field(t.winner);
    }
    void Field(SeatEstimate& e) {
        Field(e.voidMask);
        Field(e.voidEstimate);
        Field(e.missCount);
        Field(e.ceilingCard);
    }
    void Field(AnnouncementRecord& r) {
        Field(r.groups);
        Field(r.spare);
        Field(r.trumpEvidence.beatenCard);
        Field(r.trumpEvidence.winningCard);
        Field(r.trumpEvidence.shownCard);
        Field(r.trumpEvidence.shownBoth);
        Field(r.trumpEvidence.certainty);
    }
    void Field(SeatBlock& s) {
        Field(s.hand);
        Field(s.groupCount);
        Field(s.aceMask);
        Field(s.tenMask);
        Field(s.oberMask);
        Field(s.unterMask);
        Field(s.kingMask);
        Field(s.aceCount);
        Field(s.tenCount);
        Field(s.oberCount);
        Field(s.unterCount);
        Field(s.kingCount);
        Field(s.profile);
        Field(s.bid);
        Field(s.partyBelief);
        Field(s.inDeclarerParty);
        Field(s.lineFlag);
        Field(s.leadFlag);
        Field(s.groupEval);
        Field(s.typeEval);
        Field(s.strategyIndex);
        Field(s.strategyGroupMap);
        Field(s.usesProfileStyle);
        Field(s.momentTiming);
        Field(s.styleLead);
        Field(s.suitSignalMarks);
        Field(s.suitSignalValues);
        Field(s.observerCount);
        Field(s.observerFlag);
        Field(s.longSuitLeadLevel);
        Field(s.loserCount);
        Field(s.styleRest);
        Field(s.plannedLevel);
        io_.Opaque(4); // the live handle belongs to this run only
    }

  private:
    ByteOrderCursor& io_;
};

} // namespace

void TransferSavedRegion(TrickGameCore& g, ByteOrderCursor& cursor) {
    RegionCursor io(cursor);
    io.Field(g.playerVersion);
    io.Field(g.keepPlayLogs);
    io.Field(g.gamesPlayed);
    io.Field(g.seriesLength);
    io.Field(g.watchPlaces);
    io.Field(g.placeRecords);
    io.Field(g.seatBidPhase);
    io.Field(g.announcementCount);
    io.Field(g.announcements);
    io.Field(g.declarer);
    io.Field(g.gameType);
    io.Field(g.leader);
    io.Field(g.partyLists);
    io.Field(g.seatToMove);
    io.Field(g.tricksWon);
    io.Field(g.cardPoints);
    io.Field(g.trickCards);
    io.Field(g.bonusCount);
    io.Field(g.bonuses);
    io.Field(g.trickNumber);
    io.Field(g.marriageTrick);
    io.Field(g.tricks);
    io.Field(g.playedCounts);
    io.Field(g.playedMasks);
    io.Field(g.seatEstimates);
    io.Field(g.announcedKinds);
    io.Field(g.seats);
    io.Field(g.evidence);
    io.Field(g.cardExchanged);
    io.Field(g.spare);
    io.Field(g.reStyle);
    io.Field(g.reNo90Style);
    io.Field(g.contraStyleSeat);
    io.Field(g.contraSignalSeat);
    io.Field(g.contraStyle);
    io.Field(g.contraNo90Style);
    io.Field(g.reservationMarks);
    io.Field(g.announceRecords);
    io.Field(g.lineBytes);
    io.Field(g.solosPlayed);
    io.Field(g.playTimeArea);
}

void TransferPlayLog(PlayLog& log, ByteOrderCursor& io) {
    io.Field(log.count);
    io.Field(log.order);
    // An entry is a card byte and a reason byte, not a 16-bit value: never turned.
    io.Bytes(&log.entries[0].card, static_cast<int>(sizeof log.entries));
}

void TrickGameCore::WriteSavedRegion(std::uint8_t* bytes, bool bigEndian) const {
    ByteOrderCursor io(bytes, kSavedRegionSize, CursorMode::kWrite, bigEndian);
    TransferSavedRegion(const_cast<TrickGameCore&>(*this), io);
    if (!io.Complete())
        DebugBox("Saved region", io.Offset());
}

void TrickGameCore::ReadSavedRegion(const std::uint8_t* bytes, bool bigEndian) {
    ByteOrderCursor io(const_cast<std::uint8_t*>(bytes), kSavedRegionSize, CursorMode::kRead,
                       bigEndian);
    TransferSavedRegion(*this, io);
    for (int seat = 0; seat < kSeatCount; ++seat)
        seats[seat].playLog = playLogs[seat];
}
