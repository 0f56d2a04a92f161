// The layer the Doppelkopf and Schafkopf controllers share: hand and deck buffers, new series,
// shuffling, dealer rotation, the step that lets the computer seats before the human play,
// trick end, the game list and the money booking of the pub story.
#pragma once

#include <cstdint>

#include "engine/CardCodes.h"
#include "games/fourplayer/GameController.h"
#include "games/fourplayer/GameList.h"
#include "games/fourplayer/SeriesEnd.h"
#include "platform/ByteOrderCursor.h"
#include "platform/Handles.h"

inline constexpr int kTableSeats = 4;
inline constexpr int kRowPlaces = 12;
inline constexpr int kDeckPlaces = kTableSeats * kRowPlaces;
inline constexpr std::uint8_t kNeverDealt = 33; // a place not filled since the new series
inline constexpr int kFirstRunSize = 204;

class FourSeatController : public GameController {
  public:
    ~FourSeatController() override;

    void NewDeal(bool keepCards) override;
    void SetSeatProfile(int code, int seat) override;
    void NewSeries() override;
    void Shuffle() override;
    void GetDealer(int* seat) override;
    void AdvanceDealer() override;
    void CopyHand(std::uint8_t* cards, int seat) override;
    bool IsGameDecided() override;
    int GetLastGameValue() override;
    bool DidHumanWinLastGame() override;
    void RecordClaim(bool flag, int seat) override;
    void BookResult(int first, int second) override;
    void NewGameList() override;

    virtual void InitFourSeat(SettingsBody* settings, bool countsStatistics, int cardsPerHand);
    virtual bool IsPointLimitReached();
    virtual bool IsTimeLimitReached(bool* solosMissing);
    virtual void AttachOptions();
    virtual void SetSeatKinds(const std::uint8_t* kinds);
    virtual bool IsDoppelkopf();
    virtual void ResetSpecialSeats();
    virtual void SortHandRow(int seat);
    virtual int GetCurrentTrickNumber();
    virtual void GetSeatProfile(int* code, int seat);
    virtual int GetTrickCard(int seat);
    virtual void GetPartyLists(std::int16_t* seats);
    virtual void HandOutCards(int requiredCount, bool requiredOn);
    virtual void GetSeatGameType(int seat, GameType* type);
    virtual bool Announce(int kind);
    virtual void FinishReservations();
    virtual int HasTakenTrick(int seat);
    virtual void GetCardCounts(int* counts);
    virtual void RunStatisticsProbe();
    // Text buffers take kNameTextSize bytes.
    virtual bool PlayComputerTurn(int seat, char* text, char* secondText, bool* claim);
    virtual bool PlayComputerCard(int seat, char* text, char* secondText, bool* claim);
    virtual int RemoveHandCard(int seat);
    virtual void NotePlayTime(int seat, std::int32_t milliseconds);
    virtual void BeginTrick(bool clear);
    virtual bool StepComputerPlay(char* text, char* secondText, int* claimingSeat);
    virtual int PlayHumanCard(int card, int seat);
    virtual bool PlayRestOfTrick(char* text, char* secondText, int* claimingSeat);
    virtual void SetTrickWinner(int seat);
    virtual void EndTrick(bool* changed);
    virtual void GetPreviousTrick(int* cards);
    virtual void UndoLastGame();
    // Keeps a loaded list in place of the current one; a list whose size disagrees with its
    // count is refused and nothing changes.
    virtual bool ReplaceGameList(Handle list);
    // The end rule of the table's option record; the base has none.
    virtual SeriesEndRule GetSeriesEndRule();

    // Pub money; each answers whether the player's cash is still not negative.
    bool BookPubCash(int seat, std::int32_t amount, bool useSeriesTotal);
    bool SettlePubEvent(int seat, int tablePhase, int room, std::int32_t amount);
    void SetStakeState(int value) { stakeState = static_cast<std::int16_t>(value); }
    void SetRoom(int value) { room = static_cast<std::int16_t>(value); }

    // The first saved run: 204 bytes, field by field, little-endian unless asked for the other
    // order. Reading refuses a damaged run (cards outside 0 to 33, seats outside -1 to 3,
    // negative counts) and changes nothing.
    void WriteFirstRun(std::uint8_t* bytes, bool bigEndian = false) const;
    bool ReadFirstRun(const std::uint8_t* bytes, bool bigEndian = false);
    // Turns or lists the run's fields in an image (the cursor's mode), touching no controller.
    static void TransferFirstRunLayout(ByteOrderCursor& io);

    std::uint8_t dealtCards[kDeckPlaces] = {};
    std::uint8_t hands[kDeckPlaces] = {};
    std::int32_t gameClock = 0; // seconds of the series
    std::int16_t seatProfiles[kTableSeats] = {};
    std::int16_t dealer = 0;
    std::int16_t playStarted = 0;
    std::int16_t gamesDealt = 0;
    std::int16_t trickComplete = 0;
    std::int16_t nextLeader = -1;
    std::int16_t lastLeader = -1;
    std::int16_t soloCounts[kTableSeats] = {};
    std::int16_t bockGamesLeft = 0;
    std::int16_t claimMade = 0;
    std::int16_t claimSeat = -1;
    std::int16_t pointsStillOut = 0;
    std::int16_t finalSoloRound = 0;
    std::int16_t exchangeSeat = -1;
    std::int16_t exchangeCount = 0;
    std::uint8_t exchangeCards[4] = {};
    std::int16_t partnerSeat = -1;
    std::int16_t throwInSeat = -1;
    std::int16_t diamondAcesSeat = -1;
    std::int16_t specialPairSeat = -1;
    std::int16_t announceStop = 0;
    std::int16_t room = 0;
    std::int16_t stakeState = -1;
    std::int16_t handRowWidth = kRowPlaces;
    Handle gameListHandle = nullptr;
    std::uint8_t seatIsComputer[kTableSeats] = {};
    std::uint8_t listGames = 1;
    std::uint8_t restClaimed = 0;
    std::uint8_t countsStatistics = 0;
    // A scratch table that reads a saved game: a failed allocation is only answered, since
    // the reader refuses the file; the player is not told and the program goes on.
    bool quietOnNoMemory = false;

  protected:
    bool IsTableSeat(int seat) const { return seat >= 0 && seat < kTableSeats; }
    int DeckPlaceCount() const { return kTableSeats * handRowWidth; }
    // The first computer seat before the human that has not played to the current trick, or -1.
    int NextSeatBeforeHuman();
    // Lets the computer seat play; a played card leaves its hand and its time is noted.
    void PlayComputerSeat(int seat, char* text, char* secondText, int* claimingSeat);
    bool BookOpenSeries(int seat, bool useSeriesTotal);
    bool BookClosedSeries(int seat, std::int32_t amount);
    bool SettleLeavingGame(int seat);
    // Moves the player's cash by value x the room stake; answers whether it is not negative.
    bool BookStakeMoney(std::int64_t value);
};
