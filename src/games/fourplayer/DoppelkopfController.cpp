#include "games/fourplayer/DoppelkopfController.h"

#include <cstring>
#include <initializer_list>
#include <new>

#include "games/fourplayer/FourSeatComputerPlayer.h"
#include "platform/Alerts.h"
#include "platform/Random.h" // RequestQuit
#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"

ComputerPlayer* gDoppelkopfComputerPlayer = nullptr;

namespace {

constexpr int kHandSize = 12;
constexpr std::int16_t kProgrammingErrorList = 192;
constexpr std::int16_t kProgrammingErrorIndex = 4;

bool IsSeat(int seat) {
    return seat >= 0 && seat < kTableSeats;
}

} // namespace

DoppelkopfController::~DoppelkopfController() {
    if (gDoppelkopfComputerPlayer == player)
        gDoppelkopfComputerPlayer = nullptr;
    delete player;
}

ComputerPlayer* DoppelkopfController::CreatePlayer() {
    return MayAllocateObject() ? new (std::nothrow) FourSeatComputerPlayer : nullptr;
}

bool DoppelkopfController::Init(SettingsBody* gameSettings, DoppelkopfOptions* options, bool counts,
                                bool createPlayer) {
    fourSeatRules = options;
    if (createPlayer) {
        if (!ReplacePlayer())
            return false;
        player->NewGame();
        player->AttachRules(fourSeatRules);
        gDoppelkopfComputerPlayer = player;
    }
    biddingPhase = 0;
    stakeState = -1;
    InitFourSeat(gameSettings, counts, kHandSize);
    return true;
}

bool DoppelkopfController::ReplacePlayer() {
    ComputerPlayer* made = CreatePlayer();
    if (!made) {
        // No game can run without the game object: report it and end the program.
        gMemError = kMemFullErr;
        if (!quietOnNoMemory) {
            StopAlert(kProgrammingErrorList, kProgrammingErrorIndex, "Computer player");
            RequestQuit();
        }
        return false;
    }
    made->quietOnNoMemory = quietOnNoMemory;
    delete player;
    player = made;
    return true;
}

int DoppelkopfController::GetOwnGameKind() {
    return 1;
}

bool DoppelkopfController::IsOpenSeries() {
    if (!settings || !fourSeatRules)
        return GameController::IsOpenSeries();
    return fourSeatRules->seriesEnd == 1 && settings->tableMode != kTableModeLeague &&
           settings->tableMode != kTableModeTournament;
}

SeriesEndRule DoppelkopfController::GetSeriesEndRule() {
    if (!fourSeatRules)
        return {};
    return {fourSeatRules->seriesEnd, fourSeatRules->seriesGameCount, fourSeatRules->seriesTarget};
}

void DoppelkopfController::AttachOptions() {
    if (player)
        player->AttachRules(fourSeatRules);
    PassDealInfo();
}

void DoppelkopfController::SetSeatProfile(int code, int seat) {
    FourSeatController::SetSeatProfile(code, seat);
    if (!IsSeat(seat) || !player)
        return;
    player->seats[seat].profile = static_cast<std::int16_t>(code);
    player->InitSeatStyle(seat);
}

// The profile bytes of the rules record: the human's suggestion style, then computer players
// 1 to 3 (each the low byte of its word).
void DoppelkopfController::PassDealInfo() {
    if (!player)
        return;
    player->gamesPlayed = gamesDealt;
    const bool gameCountEnd = fourSeatRules && fourSeatRules->seriesEnd == kSeriesEndGames;
    player->seriesLength =
        static_cast<std::int16_t>(gameCountEnd ? fourSeatRules->seriesGameCount : -1);
    const bool allComputer =
        seatIsComputer[0] && seatIsComputer[1] && seatIsComputer[2] && seatIsComputer[3];
    if (!allComputer && fourSeatRules) {
        SetSeatProfile(fourSeatRules->suggestionStyle & 0xff, 0);
        for (int seat = 1; seat < kTableSeats; ++seat)
            SetSeatProfile(fourSeatRules->opponentStyles[seat - 1] & 0xff, seat);
    }
    player->SetDiamondAceSeat(diamondAcesSeat);
    player->SetSpecialPairSeat(specialPairSeat);
}

void DoppelkopfController::SetBid(int seat, int word) {
    if (!IsSeat(seat))
        return;
    bids[seat] = static_cast<std::int16_t>(word);
    if (!player)
        return;
    player->reservationMarks[seat] = static_cast<std::int16_t>(word);
    if (seatIsComputer[seat])
        player->seats[seat].lineFlag = 1;
    if (word != 0 && word != 3)
        player->seatBidPhase[seat] = biddingPhase;
}

// --- The game object's trick ---------------------------------------------------------------

int DoppelkopfController::GetTrickLeader() {
    return player ? player->leader : 0;
}

void DoppelkopfController::SetTrickLeader(int seat) {
    if (player)
        player->leader = static_cast<std::int16_t>(seat);
}

int DoppelkopfController::GetCurrentTrickNumber() {
    return player ? player->trickNumber : 0;
}

int DoppelkopfController::GetTrickCard(int seat) {
    return player && IsSeat(seat) ? player->trickCards[seat] : 0;
}

void DoppelkopfController::GetPartyLists(std::int16_t* seats) {
    if (!player)
        return;
    seats[0] = player->partyLists[0];
    seats[1] = player->partyLists[1];
}

int DoppelkopfController::HasTakenTrick(int seat) {
    return player && IsSeat(seat) ? player->tricksWon[seat] : -1;
}

void DoppelkopfController::ClearTrick() {
    if (player)
        for (auto& card : player->trickCards)
            card = 0;
}

void DoppelkopfController::GetPreviousTrick(int* cards) {
    const bool known =
        player && playStarted && player->trickNumber > 1 && player->trickNumber - 2 < kTrickCount;
    for (int seat = 0; seat < kTableSeats; ++seat)
        cards[seat] = known ? player->tricks[player->trickNumber - 2].cards[seat] : 0;
}

// --- Game list -----------------------------------------------------------------------------

void DoppelkopfController::BuildCommonRecord(GameRecord* record, const GameBill& gameBill) {
    std::memset(record, 0, sizeof *record);
    for (int seat = 0; seat < kTableSeats; ++seat) {
        record->profiles[seat] = static_cast<std::uint8_t>(seatProfiles[seat] & 0xff);
        record->seatPoints[seat] = player ? player->cardPoints[seat] : 0;
    }
    std::memcpy(record->listedSeats, gameBill.listedSeats, sizeof record->listedSeats);
    record->dealer = dealer;
    if (player) {
        const int captures =
            player->bonusCount < 0
                ? 0
                : (player->bonusCount > kListCaptures ? kListCaptures : player->bonusCount);
        record->captureCount = static_cast<std::int16_t>(captures);
        for (int i = 0; i < captures; ++i)
            record->captures[i] = {player->bonuses[i].seat, player->bonuses[i].kind};
        record->suit = player->gameType.trumpSuit;
        record->word = static_cast<std::int32_t>(player->gameType.word);
    }
    record->bock = bockGamesLeft > 0 ? 1 : 0;
    record->perOpponent = gameBill.perOpponent;
    record->cardPoints = gameBill.cardPoints;
    const int items =
        gameBill.itemCount < 0
            ? 0
            : (gameBill.itemCount > kBillMaxItems ? kBillMaxItems : gameBill.itemCount);
    record->itemCount = static_cast<std::int16_t>(items);
    std::memcpy(record->items, gameBill.items, sizeof(BillItem) * items);
}

// The record of a played game; the branches of a card exchange nobody took and of a throw-in
// come with the Doppelkopf reservations.
void DoppelkopfController::BuildListRecord(GameRecord* record, GameBill* gameBill) {
    BuildCommonRecord(record, *gameBill);
    record->potBooked = 0;
    record->potSeat = kNoPotSeat;
    record->potAmount = 0;
}

GameRecord* DoppelkopfController::ScoredRecord() {
    if (scoredInScratch)
        return &scratchRecord;
    GameRecord* last = LastGameRecord(gameListHandle);
    return last ? last : &scratchRecord;
}

void DoppelkopfController::ScoreListRecord(GameBill* gameBill) {
    if (!gameListHandle)
        return;
    const bool solo = player && player->IsSoloGame();
    const int declarer = player ? player->declarer : -1;
    ScoreByParty(*GameListHead(gameListHandle), *ScoredRecord(), *gameBill, declarer, solo);
}

// A game that cannot be listed (listing off, or the list cannot grow) is scored in a scratch
// record: the totals and counts are booked all the same.
void DoppelkopfController::AddGameToList(GameBill* gameBill) {
    GameRecord record;
    BuildListRecord(&record, gameBill);
    scoredInScratch = !(listGames && gameListHandle && AppendGameRecord(&gameListHandle, record));
    if (scoredInScratch)
        scratchRecord = record;
    ScoreListRecord(gameBill);
}

// The record comes off the list first; only then are its figures and its pot booking taken out,
// so that a list that cannot shrink keeps its header and its records in agreement.
void DoppelkopfController::UndoLastGame() {
    const GameRecord* last = LastGameRecord(gameListHandle);
    if (!last)
        return;
    const GameRecord record = *last;
    if (!RemoveLastGameRecord(&gameListHandle))
        return;
    UnbookGameRecord(*GameListHead(gameListHandle), record);
}

// --- Doppelkopf-only operations: empty until the Doppelkopf computer player exists ----------

int DoppelkopfController::GetAnswer(int seat) {
    return IsSeat(seat) ? bids[seat] : 0;
}
int DoppelkopfController::DecideThrowIn(int, int) {
    return 0;
}
int DoppelkopfController::CountAnswers() {
    return 0;
}
int DoppelkopfController::StepBidding(int) {
    return 0;
}
void DoppelkopfController::FindExchangePartner(int* seat) {
    *seat = -1;
}
void DoppelkopfController::ChoosePartner(int) {}
bool DoppelkopfController::NeedsExchange(int) {
    return false;
}
void DoppelkopfController::ExchangeCards(std::uint8_t*, int* seat) {
    *seat = -1;
}
void DoppelkopfController::ReceiveExchange(int, const std::uint8_t*) {}
bool DoppelkopfController::HasAnswered(int seat) {
    return player && IsSeat(seat) && player->seats[seat].lineFlag;
}
int DoppelkopfController::GetSeatReservation(int) {
    return 0;
}
void DoppelkopfController::SetHumanGameType(const GameType&) {}
bool DoppelkopfController::IsAnnounced(int) {
    return false;
}

void DoppelkopfController::NoteDiamondAcesSeat(int) {}
void DoppelkopfController::NoteSpecialPairSeat(int) {}
bool DoppelkopfController::MayShowDiamondAces(int, int) {
    return false;
}
bool DoppelkopfController::MayShowSpecialPair(int, int, int*) {
    return false;
}
void DoppelkopfController::AdjustAfterGame(int, bool) {}
bool DoppelkopfController::HoldsBothClubsQueens(int) {
    return false;
}
bool DoppelkopfController::HasRequiredSolos(int) {
    return true;
}

// --- The second saved run ------------------------------------------------------------------

namespace {

// The one walk over the run's fields: the bidding phase, the bill and the four bids.
void WalkSecondRun(std::int16_t& phase, GameBill& bill, std::int16_t (&bids)[kTableSeats],
                   ByteOrderCursor& io) {
    io.Field(phase);
    io.Field(bill.itemCount);
    io.Field(bill.listedSeats);
    for (std::int16_t* field : {&bill.perOpponent, &bill.cardPoints, &bill.value, &bill.potBooked,
                                &bill.potSeat, &bill.potAmount})
        io.Field(*field);
    for (BillItem& item : bill.items) {
        io.Field(item.kind);
        io.Field(item.value);
    }
    io.Field(bids);
    io.Opaque(kSecondRunSize - 110);
}

} // namespace

void DoppelkopfController::TransferSecondRunLayout(ByteOrderCursor& io) {
    std::int16_t phase = 0;
    GameBill bill{};
    std::int16_t bids[kTableSeats] = {};
    WalkSecondRun(phase, bill, bids, io);
}

void DoppelkopfController::WriteSecondRun(std::uint8_t* bytes, bool bigEndian) const {
    ByteOrderCursor io(bytes, kSecondRunSize, CursorMode::kWrite, bigEndian);
    auto& self = const_cast<DoppelkopfController&>(*this);
    WalkSecondRun(self.biddingPhase, self.bill, self.bids, io);
}

namespace {

bool IsSoundBill(const GameBill& bill) {
    if (bill.itemCount < 0 || bill.itemCount > kBillMaxItems)
        return false;
    for (int seat : bill.listedSeats)
        if (seat < -1 || seat >= kTableSeats)
            return false;
    return bill.potSeat >= -1 && bill.potSeat < kTableSeats;
}

} // namespace

bool DoppelkopfController::ReadSecondRun(const std::uint8_t* bytes, bool bigEndian) {
    ByteOrderCursor io(const_cast<std::uint8_t*>(bytes), kSecondRunSize, CursorMode::kRead,
                       bigEndian);
    std::int16_t phase = 0;
    GameBill read{};
    std::int16_t readBids[kTableSeats] = {};
    WalkSecondRun(phase, read, readBids, io);
    if (!io.Complete() || phase < 0 || !IsSoundBill(read))
        return false;
    biddingPhase = phase;
    bill = read;
    std::memcpy(bids, readBids, sizeof bids);
    return true;
}
