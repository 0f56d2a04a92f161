#include "games/fourplayer/FourSeatController.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "platform/Random.h"
#include "records/ProgramFlags.h"
#include "records/SettingsLayout.h"

namespace {

constexpr int kShuffleSwaps = 650;
constexpr std::int32_t kDoppelkopfLeavePenalty = -13;
constexpr std::int32_t kSchafkopfLeavePenalty = -100;

bool IsSeatOrNone(int seat) {
    return seat >= -1 && seat < kTableSeats;
}

} // namespace

FourSeatController::~FourSeatController() {
    DisposeHandle(gameListHandle);
}

void FourSeatController::InitFourSeat(SettingsBody* gameSettings, bool counts, int cardsPerHand) {
    Init(gameSettings);
    handRowWidth = static_cast<std::int16_t>(
        cardsPerHand > 0 && cardsPerHand <= kRowPlaces ? cardsPerHand : kRowPlaces);
    gameListHandle = nullptr;
    countsStatistics = counts ? 1 : 0;
    gameClock = 0;
    listGames = 1;
    room = 0;
    NewSeries();
}

void FourSeatController::NewSeries() {
    std::memset(hands, kNeverDealt, DeckPlaceCount());
    dealer = static_cast<std::int16_t>(std::abs(Random() % kTableSeats));
    trickComplete = bockGamesLeft = claimMade = pointsStillOut = exchangeCount = gamesDealt = 0;
    for (auto& count : soloCounts)
        count = 0;
    std::memset(exchangeCards, 0, sizeof exchangeCards);
    claimSeat = exchangeSeat = partnerSeat = throwInSeat = diamondAcesSeat = specialPairSeat = -1;
    const std::uint8_t kinds[kTableSeats] = {0, 1, 1, 1};
    SetSeatKinds(kinds);
    NewGameList();
    AttachOptions();
}

void FourSeatController::NewDeal(bool keepCards) {
    restClaimed = 0;
    claimMade = pointsStillOut = 0;
    claimSeat = -1;
    ResetSpecialSeats();
    playStarted = 0;
    if (keepCards) {
        std::memcpy(hands, dealtCards, DeckPlaceCount());
    } else {
        gamesDealt += 1;
        AdvanceDealer();
        Shuffle();
    }
    nextLeader = lastLeader = -1;
    for (int seat = 0; seat < kTableSeats; ++seat)
        SortHandRow(seat);
}

// Empty places are never swapped, so every row keeps the empty places its layout gave it.
void FourSeatController::Shuffle() {
    const int n = DeckPlaceCount();
    bool anyCard = false;
    for (int place = 0; place < n; ++place)
        anyCard = anyCard || hands[place] != 0;
    for (int swap = 0; anyCard && swap < kShuffleSwaps; ++swap) {
        int p = Random() % n;
        int q = Random() % n;
        while (hands[p] == 0)
            p = (p + 1) % n;
        while (hands[q] == 0)
            q = (q + 1) % n;
        const std::uint8_t card = hands[p];
        hands[p] = hands[q];
        hands[q] = card;
    }
    std::memcpy(dealtCards, hands, n);
}

void FourSeatController::GetDealer(int* seat) {
    *seat = dealer;
}

void FourSeatController::AdvanceDealer() {
    dealer = static_cast<std::int16_t>((dealer + 1) % kTableSeats);
}

void FourSeatController::SetSeatProfile(int code, int seat) {
    if (IsTableSeat(seat))
        seatProfiles[seat] = static_cast<std::int16_t>(code);
}

void FourSeatController::CopyHand(std::uint8_t* cards, int seat) {
    if (IsTableSeat(seat))
        std::memcpy(cards, hands + seat * handRowWidth, handRowWidth);
}

bool FourSeatController::IsGameDecided() {
    return GetCurrentTrickNumber() > handRowWidth;
}

// The first non-zero value of the last game, seats in order; 0 on an empty list.
int FourSeatController::GetLastGameValue() {
    const GameRecord* last = LastGameRecord(gameListHandle);
    if (!last)
        return 0;
    for (std::int16_t value : last->values)
        if (value != 0)
            return value;
    return 0;
}

bool FourSeatController::DidHumanWinLastGame() {
    const GameRecord* last = LastGameRecord(gameListHandle);
    return last && IsListedSeat(*last, 0);
}

void FourSeatController::RecordClaim(bool, int seat) {
    claimMade = 1;
    claimSeat = static_cast<std::int16_t>(seat);
}

void FourSeatController::BookResult(int first, int second) {
    AddScoreRecord(first, second);
}

void FourSeatController::NewGameList() {
    Handle fresh = ResetGameList(gameListHandle);
    if (fresh) {
        gameListHandle = fresh;
        return;
    }
    // Without memory for a list the program cannot keep the series: it quits.
    if (!quietOnNoMemory)
        RequestQuit();
}

bool FourSeatController::IsPointLimitReached() {
    return false;
}

bool FourSeatController::IsTimeLimitReached(bool* solosMissing) {
    *solosMissing = false;
    return false;
}

void FourSeatController::AttachOptions() {}

void FourSeatController::SetSeatKinds(const std::uint8_t* kinds) {
    std::memcpy(seatIsComputer, kinds, kTableSeats);
}

bool FourSeatController::IsDoppelkopf() {
    return true;
}

void FourSeatController::ResetSpecialSeats() {
    exchangeSeat = partnerSeat = throwInSeat = diamondAcesSeat = specialPairSeat = -1;
    exchangeCount = 0;
    std::memset(exchangeCards, 0, sizeof exchangeCards);
}

void FourSeatController::SortHandRow(int) {}
int FourSeatController::GetCurrentTrickNumber() {
    return 0;
}

void FourSeatController::GetSeatProfile(int* code, int seat) {
    if (IsTableSeat(seat))
        *code = seatProfiles[seat];
}

int FourSeatController::GetTrickCard(int) {
    return 0;
}
void FourSeatController::GetPartyLists(std::int16_t*) {}
void FourSeatController::HandOutCards(int, bool) {
    trickComplete = 1;
}
void FourSeatController::GetSeatGameType(int, GameType*) {}
bool FourSeatController::Announce(int) {
    return false;
}
void FourSeatController::FinishReservations() {}
int FourSeatController::HasTakenTrick(int) {
    return -1;
}
void FourSeatController::GetCardCounts(int*) {}
void FourSeatController::RunStatisticsProbe() {}

bool FourSeatController::PlayComputerTurn(int seat, char* text, char* secondText, bool* claim) {
    if (!IsTableSeat(seat) || !seatIsComputer[seat])
        return false;
    return PlayComputerCard(seat, text, secondText, claim);
}

bool FourSeatController::PlayComputerCard(int, char*, char*, bool*) {
    return false;
}

int FourSeatController::RemoveHandCard(int seat) {
    const int card = GetTrickCard(seat);
    if (!IsTableSeat(seat) || card == 0)
        return card;
    std::uint8_t* row = hands + seat * handRowWidth;
    for (int place = 0; place < handRowWidth; ++place) {
        if (row[place] != card)
            continue;
        row[place] = 0;
        break;
    }
    return card;
}

void FourSeatController::NotePlayTime(int, std::int32_t) {}

void FourSeatController::BeginTrick(bool clear) {
    if (countsStatistics && settings && settings->individualStats)
        RunStatisticsProbe();
    if (clear)
        ClearTrick();
}

int FourSeatController::NextSeatBeforeHuman() {
    const int leader = GetTrickLeader();
    if (leader <= 0 || leader >= kTableSeats)
        return -1;
    for (int seat = leader; seat < kTableSeats; ++seat)
        if (GetTrickCard(seat) == 0)
            return seat;
    return -1;
}

bool FourSeatController::StepComputerPlay(char* text, char* secondText, int* claimingSeat) {
    *claimingSeat = -1;
    if (trickComplete) {
        BeginTrick(true);
        if (IsRemoteTable(0))
            return true;
    }
    trickComplete = 0;
    text[0] = secondText[0] = '\0';
    const int seat = NextSeatBeforeHuman();
    if (seat < 0)
        return true;
    PlayComputerSeat(seat, text, secondText, claimingSeat);
    return false;
}

int FourSeatController::PlayHumanCard(int, int) {
    return 1;
}

bool FourSeatController::PlayRestOfTrick(char*, char*, int* claimingSeat) {
    *claimingSeat = -1;
    return false;
}

void FourSeatController::SetTrickWinner(int seat) {
    bool changed = false;
    EndTrick(&changed);
    SetTrickLeader(seat);
    nextLeader = static_cast<std::int16_t>(seat);
}

void FourSeatController::EndTrick(bool* changed) {
    trickComplete = 1;
    *changed = false;
}

void FourSeatController::GetPreviousTrick(int*) {}

void FourSeatController::UndoLastGame() {
    if (gameListHandle)
        RemoveLastGameRecord(&gameListHandle);
}

bool FourSeatController::ReplaceGameList(Handle list) {
    if (list && !IsGameListSound(list))
        return false;
    if (list != gameListHandle)
        DisposeHandle(gameListHandle);
    gameListHandle = list;
    return true;
}

SeriesEndRule FourSeatController::GetSeriesEndRule() {
    return {};
}

// --- Pub money -------------------------------------------------------------------------------

bool FourSeatController::BookStakeMoney(std::int64_t value) {
    const std::int64_t cents = value * settings->roomStake;
    if (cents >= 0)
        AddCash(*settings, cents);
    else
        SubtractCash(*settings, -cents);
    return settings->cashDimes >= 0;
}

bool FourSeatController::BookOpenSeries(int seat, bool useSeriesTotal) {
    if (!gameListHandle)
        return settings->cashDimes >= 0;
    std::int64_t value = 0;
    if (useSeriesTotal) {
        value = GameListHead(gameListHandle)->totals[0];
    } else if (const GameRecord* last = LastGameRecord(gameListHandle)) {
        value = IsTableSeat(seat) ? last->values[seat] : 0;
    }
    return BookStakeMoney(value);
}

bool FourSeatController::BookClosedSeries(int seat, std::int32_t amount) {
    const int seriesMode = settings->tableMode;
    if (!IsSeriesOverByOptions(gameListHandle, GetSeriesEndRule(), seriesMode)) {
        if ((seriesMode != kTableModeLeague && seriesMode != kTableModeTournament) ||
            stakeState == -1)
            return true;
    }
    if (seat == 0 && stakeState == 1)
        AddCash(*settings, amount);
    return true;
}

bool FourSeatController::BookPubCash(int seat, std::int32_t amount, bool useSeriesTotal) {
    if (!gStoryMode || !settings)
        return true;
    if (IsOpenSeries())
        return BookOpenSeries(seat, useSeriesTotal);
    return BookClosedSeries(seat, amount);
}

// Leaving during the bidding or the play of an open series. Before play the player pays the
// penalty of leaving at the deal; during play the game is given up, settled and listed, and
// that game is booked. A game that could not be listed books nothing, never the game before it.
bool FourSeatController::SettleLeavingGame(int seat) {
    if (!gameListHandle)
        return true;
    const std::int32_t before = GameListHead(gameListHandle)->count;
    AwardRemainingPoints(0, false);
    EndGame(0, 1);
    if (!gameListHandle || GameListHead(gameListHandle)->count == before)
        return true;
    return BookPubCash(seat, 0, false);
}

bool FourSeatController::SettlePubEvent(int seat, int tablePhase, int roomNumber,
                                        std::int32_t amount) {
    if (roomNumber < 2 || roomNumber > 8)
        return true;
    const bool openSeries = IsOpenSeries();
    const bool leavingBeforePlay =
        (tablePhase == 2 || tablePhase == 3 || tablePhase == 6) && !playStarted;
    if ((tablePhase == 1 || leavingBeforePlay) && openSeries) {
        if (!gameListHandle)
            return true;
        GameListHead(gameListHandle)->totals[0] =
            IsDoppelkopf() ? kDoppelkopfLeavePenalty : kSchafkopfLeavePenalty;
        return BookPubCash(seat, 0, true);
    }
    if (tablePhase == 2 || tablePhase == 3 || tablePhase == 6)
        return openSeries ? SettleLeavingGame(seat) : true;
    if (tablePhase == 4 || tablePhase == 5 || tablePhase == 10)
        return openSeries ? true : BookPubCash(seat, amount, false);
    return true;
}

// --- The first saved run ---------------------------------------------------------------------

namespace {

// The one walk over the run's fields; the controller and FirstRun below share the names.
template <class Level> void WalkFirstRun(Level& level, ByteOrderCursor& io) {
    io.Bytes(level.dealtCards, kDeckPlaces);
    io.Bytes(level.hands, kDeckPlaces);
    io.Field(level.gameClock);
    io.Field(level.seatProfiles);
    for (std::int16_t* field : {&level.dealer, &level.playStarted, &level.gamesDealt,
                                &level.trickComplete, &level.nextLeader, &level.lastLeader})
        io.Field(*field);
    io.Field(level.soloCounts);
    for (std::int16_t* field : {&level.bockGamesLeft, &level.claimMade, &level.claimSeat,
                                &level.pointsStillOut, &level.finalSoloRound, &level.exchangeSeat,
                                &level.exchangeCount, &level.room, &level.stakeState})
        io.Field(*field);
    io.Bytes(level.exchangeCards, 4);
    for (std::int16_t* field : {&level.partnerSeat, &level.throwInSeat, &level.diamondAcesSeat,
                                &level.specialPairSeat, &level.announceStop})
        io.Field(*field);
    io.Opaque(kFirstRunSize - 160);
}

// The run's fields as read, checked before any of them reaches the controller.
struct FirstRun {
    std::uint8_t dealtCards[kDeckPlaces];
    std::uint8_t hands[kDeckPlaces];
    std::int32_t gameClock;
    std::int16_t seatProfiles[kTableSeats];
    std::int16_t dealer, playStarted, gamesDealt, trickComplete, nextLeader, lastLeader;
    std::int16_t soloCounts[kTableSeats];
    std::int16_t bockGamesLeft, claimMade, claimSeat, pointsStillOut, finalSoloRound, exchangeSeat,
        exchangeCount, room, stakeState;
    std::uint8_t exchangeCards[4];
    std::int16_t partnerSeat, throwInSeat, diamondAcesSeat, specialPairSeat, announceStop;
};

} // namespace

void FourSeatController::TransferFirstRunLayout(ByteOrderCursor& io) {
    FirstRun scratch{};
    WalkFirstRun(scratch, io);
}

void FourSeatController::WriteFirstRun(std::uint8_t* bytes, bool bigEndian) const {
    ByteOrderCursor io(bytes, kFirstRunSize, CursorMode::kWrite, bigEndian);
    WalkFirstRun(const_cast<FourSeatController&>(*this), io);
}

namespace {

bool AreCards(const std::uint8_t* cards, int count) {
    for (int i = 0; i < count; ++i)
        if (cards[i] > kNeverDealt)
            return false;
    return true;
}

bool IsSoundRun(const FirstRun& run) {
    if (!AreCards(run.dealtCards, kDeckPlaces) || !AreCards(run.hands, kDeckPlaces) ||
        !AreCards(run.exchangeCards, 4))
        return false;
    if (run.dealer < 0 || run.dealer >= kTableSeats)
        return false;
    for (int seat : {run.nextLeader, run.lastLeader, run.claimSeat, run.exchangeSeat,
                     run.partnerSeat, run.throwInSeat, run.diamondAcesSeat, run.specialPairSeat})
        if (!IsSeatOrNone(seat))
            return false;
    for (int count :
         {run.gamesDealt, run.bockGamesLeft, run.pointsStillOut, run.exchangeCount, run.room})
        if (count < 0)
            return false;
    for (int count : run.soloCounts)
        if (count < 0)
            return false;
    for (int profile : run.seatProfiles)
        if (profile < 0)
            return false;
    return run.exchangeCount <= 4;
}

} // namespace

bool FourSeatController::ReadFirstRun(const std::uint8_t* bytes, bool bigEndian) {
    FirstRun run{};
    ByteOrderCursor io(const_cast<std::uint8_t*>(bytes), kFirstRunSize, CursorMode::kRead,
                       bigEndian);
    WalkFirstRun(run, io);
    if (!io.Complete() || !IsSoundRun(run))
        return false;
    std::memcpy(dealtCards, run.dealtCards, kDeckPlaces);
    std::memcpy(hands, run.hands, kDeckPlaces);
    // A clock that reads negative (a file from another writer) starts again from 0.
    gameClock = run.gameClock < 0 ? 0 : run.gameClock;
    std::memcpy(seatProfiles, run.seatProfiles, sizeof seatProfiles);
    dealer = run.dealer;
    playStarted = run.playStarted;
    gamesDealt = run.gamesDealt;
    trickComplete = run.trickComplete;
    nextLeader = run.nextLeader;
    lastLeader = run.lastLeader;
    std::memcpy(soloCounts, run.soloCounts, sizeof soloCounts);
    bockGamesLeft = run.bockGamesLeft;
    claimMade = run.claimMade;
    claimSeat = run.claimSeat;
    pointsStillOut = run.pointsStillOut;
    finalSoloRound = run.finalSoloRound;
    exchangeSeat = run.exchangeSeat;
    exchangeCount = run.exchangeCount;
    room = run.room;
    stakeState = run.stakeState;
    std::memcpy(exchangeCards, run.exchangeCards, 4);
    partnerSeat = run.partnerSeat;
    throwInSeat = run.throwInSeat;
    diamondAcesSeat = run.diamondAcesSeat;
    specialPairSeat = run.specialPairSeat;
    announceStop = run.announceStop;
    return true;
}

void FourSeatController::PlayComputerSeat(int seat, char* text, char* secondText,
                                          int* claimingSeat) {
    bool claim = false;
    if (PlayComputerTurn(seat, text, secondText, &claim)) {
        if (claim)
            *claimingSeat = seat;
        RemoveHandCard(seat);
        NotePlayTime(seat, -1);
    }
}
