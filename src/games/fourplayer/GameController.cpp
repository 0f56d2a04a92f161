#include "games/fourplayer/GameController.h"

#include <cstring>

#include "platform/Alerts.h"
#include "platform/Ticks.h"
#include "records/ProgramFlags.h"
#include "records/SettingsLayout.h"

namespace {

constexpr std::int16_t kProgrammingErrorList = 192;
constexpr std::int16_t kProgrammingErrorIndex = 4;
constexpr int kMaxNameLength = kNameTextSize - 1;

// The seat's own slot, or the other of seats 2 and 3 while the Skat table is open (it names
// its seats in the other order).
int NameSlotIndex(int seat) {
    if (!gFourPlayerTableOpen && (seat == 2 || seat == 3))
        return 5 - seat;
    return seat;
}

} // namespace

std::uint32_t GetDateTime() {
    return SystemMilliseconds() / 1000;
}

void StartStopwatch(GameController* controller) {
    controller->stopwatchSeconds = GetDateTime();
}

void AddElapsedSeconds(GameController* controller, std::int32_t* counter) {
    const std::uint32_t now = GetDateTime();
    *counter += static_cast<std::int32_t>(now - controller->stopwatchSeconds);
    controller->stopwatchSeconds = now;
}

void GameController::Init(SettingsBody* gameSettings) {
    settings = gameSettings;
    stopwatchSeconds = 0;
}

char* GameController::NameSlot(int seat, bool refuse) {
    if (seat < 0 || seat >= kNameSeatCount) {
        if (refuse)
            StopAlert(kProgrammingErrorList, kProgrammingErrorIndex, "Play 1");
        return nullptr;
    }
    if (!settings)
        return nullptr;
    return settings->playerNames[NameSlotIndex(seat)];
}

void GameController::GetPlayerNameC(char* name, int seat) {
    const char* slot = NameSlot(seat, true);
    if (!slot)
        return;
    const std::size_t length = strnlen(slot, kMaxNameLength);
    std::memcpy(name, slot, length);
    name[length] = '\0';
}

void GameController::GetPlayerName(std::uint8_t* name, int seat) {
    const char* slot = NameSlot(seat, true);
    if (!slot)
        return;
    const std::size_t length = strnlen(slot, kMaxNameLength);
    name[0] = static_cast<std::uint8_t>(length);
    std::memcpy(name + 1, slot, length);
}

// Setting writes the seat's own slot: the swap is how the Skat table reads the names.
void GameController::SetPlayerNameC(const char* name, int seat) {
    if (seat < 0 || seat >= kNameSeatCount) {
        StopAlert(kProgrammingErrorList, kProgrammingErrorIndex, "Play 1");
        return;
    }
    if (!settings)
        return;
    char* slot = settings->playerNames[seat];
    const std::size_t length = strnlen(name, kMaxNameLength);
    std::memcpy(slot, name, length);
    slot[length] = '\0';
}

void GameController::SetPlayerName(const std::uint8_t* name, int seat) {
    char text[kNameTextSize];
    const std::size_t length = name[0] < kMaxNameLength ? name[0] : kMaxNameLength;
    std::memcpy(text, name + 1, length);
    text[length] = '\0';
    SetPlayerNameC(text, seat);
}

void GameController::GetDescriptor(char* text) {
    std::strcpy(text, "...");
}
int GameController::GetOwnGameKind() {
    return 255;
}

bool GameController::IsOpenSeries() {
    if (!settings)
        return true;
    return settings->seriesEnd == 1 && settings->tableMode != kTableModeLeague &&
           settings->tableMode != kTableModeTournament;
}

void GameController::NewDeal(bool) {}
void GameController::StartBidding() {}
bool GameController::AnnounceGame() {
    return false;
}
void GameController::OnNextGame() {}
void GameController::SetSeatProfile(int, int) {}
void GameController::ApplySettings(SettingsBody*) {}
void GameController::NewSeries() {}
void GameController::Shuffle() {}
void GameController::GetDealer(int*) {}
void GameController::AdvanceDealer() {}
int GameController::GetTrickLeader() {
    return 0;
}
void GameController::SetTrickLeader(int) {}
int GameController::GetDeclarer() {
    return 0;
}
bool GameController::DecideRe() {
    return false;
}
bool GameController::DecideContra() {
    return false;
}
bool GameController::IsHandGame() {
    return false;
}
void GameController::CopyHand(std::uint8_t*, int) {}
int GameController::GetTrickNumber() {
    return -1;
}
bool GameController::IsGameDecided() {
    return false;
}
void GameController::ChooseDeclarerCard() {}
void GameController::ChooseOtherCard() {}
bool GameController::PlayComputerSeat() {
    return false;
}
bool GameController::PlayComputerSeatCard() {
    return false;
}

bool GameController::IsRemoteTable(int) {
    return gNetworkTableActive || (settings && settings->networkGame) || gDirectorRunsTables;
}

void GameController::ClearTrick() {}

bool GameController::PlayComputerTurns(bool* moved) {
    *moved = false;
    return true;
}

int GameController::PlayLocalHumanCard() {
    return 0;
}
int GameController::SpareQuery() {
    return 0;
}
void GameController::PlayNetworkCard() {}
bool GameController::DidHumanWinTrick() {
    return false;
}
void GameController::CompleteTrick() {}
int GameController::ProposeCard() {
    return -1;
}
bool GameController::CheckFinalSoloRound(int*) {
    return false;
}
int GameController::GetLastGameValue() {
    return -1;
}
bool GameController::DidHumanWinLastGame() {
    return false;
}
bool GameController::AwardRemainingPoints(int, bool) {
    return false;
}
bool GameController::ClaimRest(int) {
    return false;
}
void GameController::RecordClaim(bool, int) {}
void GameController::BookResult(int, int) {}
void GameController::SpareAction() {}
void GameController::ScoreDeclarerGame() {}
void GameController::EndGame(int, int) {}
void GameController::BookPassedGame() {}
void GameController::NewGameList() {}
void GameController::AddScoreRecord(int, int) {}
void GameController::BookGame() {}
int GameController::GetBidValue() {
    return -1;
}
