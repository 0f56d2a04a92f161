// The root of the table controllers of all three games: the settings link, the player names,
// the stopwatch and the full list of controller operations with their default answers. The
// four-seat and Skat controllers override single operations; the order below is the order of
// the operation slots.
#pragma once

#include <cstdint>

#include "platform/RootObject.h"

struct SettingsBody;

// Seats 0 to 5 name the six name slots of the settings (0 the human, 1 to 3 the computer
// players, two further names).
inline constexpr int kNameSeatCount = 6;
inline constexpr int kNameTextSize =
    256; // bytes of a name buffer, its terminator or length byte included
// Bytes of the buffer GetDescriptor writes the table's title text into, its terminator included.
inline constexpr int kDescriptorSize = 256;

class GameController : public RootObject {
  public:
    virtual void Init(SettingsBody* settings);
    // Length-prefixed (first byte the length) and NUL-terminated names of seat 0 to 5. A seat
    // outside 0 to 5 is refused with "Programming error: ^1" / "Play 1" and nothing is copied.
    // While no four-player table is open, seats 2 and 3 read each other's name.
    virtual void GetPlayerName(std::uint8_t* name, int seat);
    virtual void GetPlayerNameC(char* name, int seat);
    virtual void SetPlayerName(const std::uint8_t* name, int seat);
    virtual void SetPlayerNameC(const char* name, int seat);
    // The text the table title shows after the program's name (text takes kDescriptorSize bytes).
    virtual void GetDescriptor(char* text);
    virtual int GetOwnGameKind();
    virtual bool IsOpenSeries();
    virtual void NewDeal(bool keepCards);
    virtual void StartBidding();
    virtual bool AnnounceGame();
    virtual void OnNextGame();
    virtual void SetSeatProfile(int code, int seat);
    virtual void ApplySettings(SettingsBody* settings);
    virtual void NewSeries();
    virtual void Shuffle();
    virtual void GetDealer(int* seat);
    virtual void AdvanceDealer();
    virtual int GetTrickLeader();
    virtual void SetTrickLeader(int seat);
    virtual int GetDeclarer();
    virtual bool DecideRe();
    virtual bool DecideContra();
    virtual bool IsHandGame();
    virtual void CopyHand(std::uint8_t* cards, int seat);
    virtual int GetTrickNumber();
    virtual bool IsGameDecided();
    virtual void ChooseDeclarerCard();
    virtual void ChooseOtherCard();
    virtual bool PlayComputerSeat();
    virtual bool PlayComputerSeatCard();
    virtual bool IsRemoteTable(int ignored);
    virtual void ClearTrick();
    virtual bool PlayComputerTurns(bool* moved);
    virtual int PlayLocalHumanCard();
    virtual int SpareQuery();
    virtual void PlayNetworkCard();
    virtual bool DidHumanWinTrick();
    virtual void CompleteTrick();
    virtual int ProposeCard();
    virtual bool CheckFinalSoloRound(int* seat);
    virtual int GetLastGameValue();
    virtual bool DidHumanWinLastGame();
    virtual bool AwardRemainingPoints(int seat, bool flag);
    virtual bool ClaimRest(int seat);
    virtual void RecordClaim(bool flag, int seat);
    virtual void BookResult(int first, int second);
    virtual void SpareAction();
    virtual void ScoreDeclarerGame();
    virtual void EndGame(int first, int second);
    virtual void BookPassedGame();
    virtual void NewGameList();
    virtual void AddScoreRecord(int first, int second);
    virtual void BookGame();
    virtual int GetBidValue();

    SettingsBody* settings = nullptr;
    std::uint32_t stopwatchSeconds = 0; // seconds count at the last stopwatch reading

  protected:
    // The settings' name slot for a seat (after the seat 2/3 swap), or null after the refusal.
    char* NameSlot(int seat, bool refuse);
};

// Whole seconds since the system started.
std::uint32_t GetDateTime();
void StartStopwatch(GameController* controller);
// Adds the whole seconds since the last reading to counter and takes a new reading.
void AddElapsedSeconds(GameController* controller, std::int32_t* counter);
