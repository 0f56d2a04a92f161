// The Schafkopf table controller: lays out and deals the 32 (or 24) cards, asks the four seats
// "Do you want to play?" and the questions after it, and turns their answers into the game,
// the declarer and the parties that play starts with, in each partnership mode (fixed
// partners, the two partner cards, the German call) and each rule for a deal that all passed.
#pragma once

#include <cstdint>

#include "games/fourplayer/DoppelkopfController.h"
#include "games/fourplayer/SchafkopfComputerBase.h"

class SchafkopfComputerPlayer;
struct SchafkopfOptions;

// The seats' answers in the bidding.
enum BidWord : std::int16_t {
    kBidNotAsked = 0,
    kBidNo = 1,
    kBidIPlay = 2,
    kBidStock = 3, // the dealer passes and pays into the pot
    kBidNoRequiredSolo = 4,
    kBidGood = 8,   // gives way in the game choice
    kBidReady = 16, // the game is named
    kBidYes = 128,  // plays its required solo now
};

// The questions of the bidding, in the order a deal can meet them.
enum SchafkopfPhase : std::int16_t {
    kPhaseNotStarted = 0,
    kPhaseAsking = 1,
    kPhaseRequiredSolo = 2,
    kPhaseCallAce = 4,
    kPhaseNameGame = 8,
    kPhaseNamed = 16,
    kPhaseWait = 32,
    kPhaseStartPlay = 64,
    kPhaseFixedPartners = 128,
    kPhasePartnerCards = 256,
};

inline constexpr int kThirdRunSize = 12;

class SchafkopfController : public DoppelkopfController {
  public:
    ~SchafkopfController() override;

    // Operations of the lower levels that this level fills.
    int GetOwnGameKind() override;
    bool IsOpenSeries() override;
    SeriesEndRule GetSeriesEndRule() override; // the Schafkopf record's rule
    void NewDeal(bool keepCards) override;
    bool IsDoppelkopf() override;
    void SortHandRow(int seat) override;
    void HandOutCards(int requiredCount, bool requiredOn) override;
    // The game the computer would bid with the seat's hand (the human's suggestion).
    void GetSeatGameType(int seat, GameType* type) override;
    bool Announce(int kind) override;
    // Whether the seat announced during the current trick.
    bool IsAnnounced(int seat) override;
    void PassDealInfo() override;
    // Refuses a word that is no answer of the bidding; nothing changes then.
    void SetBid(int seat, int word) override;
    int StepBidding(int seat) override;
    bool HasAnswered(int seat) override;
    void BuildListRecord(GameRecord* record, GameBill* bill) override;
    void ScoreListRecord(GameBill* bill) override;
    bool IsGameDecided() override;
    bool CheckFinalSoloRound(int* seat) override;
    bool AwardRemainingPoints(int seat, bool ignored) override;
    void RecordClaim(bool flag, int seat) override;
    // Settles the finished game, doubles it in a bock game, lists it, starts bock games after
    // a bock event, books the pot and counts the statistics (the two values are not used).
    void EndGame(int first, int second) override;
    bool IsPointLimitReached() override;
    bool IsTimeLimitReached(bool* solosMissing) override;
    bool PlayComputerCard(int seat, char* text, char* secondText, bool* claim) override;
    // Takes back the solo count, the dealer's step and the pot of the finished game before it
    // is dealt again (the list record goes with UndoLastGame).
    void AdjustAfterGame(int ignored, bool flag) override;
    bool HasRequiredSolos(int seat) override;
    // Every counter of the options' statistics, the balance included.
    void ClearStatistics() override;

    // The operations this level adds, in slot order. Init answers false when the computer
    // player could not be made.
    virtual bool Init(SettingsBody* settings, SchafkopfOptions* options, DoppelkopfOptions* rules,
                      bool countsStatistics);
    virtual void SetOptions(SchafkopfOptions* options);
    virtual int GetBid(int seat);
    virtual void HandOverPlay(int seat);
    virtual bool MayGiveWay(int seat);
    virtual bool MayPutInPot(int seat);
    // The seat's current game word (and its suit); a computer seat asked in the first round
    // answers "I play" or No with it.
    virtual GameTypeWord GetSeatBidType(int seat, int* suit);
    virtual void GetSeatChoice(int seat, GameType* type, SchafkopfCall* call);
    virtual bool WantsExtrasItem();
    virtual bool ListCallableSuits(int seat, bool* suits, bool* blank);
    virtual bool ChooseCalledSuit(int seat, SchafkopfCall* call);
    // The seat plays the Call Game with the Ace of the call; a suit the seat may not call is
    // refused and nothing changes.
    virtual bool CallAce(int seat, const SchafkopfCall& call);
    virtual int FindPlayingSeat();
    // False when the deal is void: all passed under the new-deal rule, or an unknown
    // partnership mode.
    virtual bool StartPlay();

    // The card the computer would play for seat 0; the table's state is left as it was.
    // kind receives the announcement the move would make, -1 for none; flag whether the card
    // would come with the claim of every remaining trick.
    int SuggestCard(int* kind, bool* flag);
    // At the end of a list: counts the human's place (the seat of key among the four values)
    // in the series, tournament or league counters; answers that seat, -1 when absent.
    int CountGameStatistics(const std::int32_t* values, std::int32_t key, int listKind,
                            bool doppelkopf);
    // The pub's money when the player leaves the Schafkopf table (see SettlePubEvent).
    bool SettlePubEventSchafkopf(int seat, int tablePhase, int room, std::int32_t amount);

    // The third saved run: 12 bytes, i32s (little-endian unless asked for the other order):
    // firstPlayerSeat, the suit and the word of humanGameType. A damaged run (a seat outside -1 to
    // 3, a suit outside 0 to 4 and 255, unknown word bits) is refused and changes nothing.
    void WriteThirdRun(std::uint8_t* bytes, bool bigEndian = false) const;
    bool ReadThirdRun(const std::uint8_t* bytes, bool bigEndian = false);
    // Turns or lists the run's fields in an image (the cursor's mode), touching no controller.
    static void TransferThirdRunLayout(ByteOrderCursor& io);

    SchafkopfComputerPlayer* Game() const;

    std::int32_t firstPlayerSeat = -1;
    GameType humanGameType{0, 0};
    SchafkopfOptions* schafkopfRules = nullptr;

    // The pot as it was before the last game was settled, for AdjustAfterGame.
    std::int16_t potUnitsBeforeGame = 0;

  protected:
    ComputerPlayer* CreatePlayer() override;
    StatisticsCounters Counters() override;
    void RunRestoring(void (*step)(DoppelkopfController&, void*), void* context) override;

  private:
    bool IsNo(int seat) const;
    bool AllPassed() const;
    bool IsHumanSeat(int seat) const;
    // The first seat from the one after the dealer whose hand holds the card; -1 (with a debug
    // report) when the deck has no holder.
    int FindHolder(int card);
    void ForceCallGame();
    void StepPartnerCards(int seat);
    void TakeCall(int seat);
    void SetFixedParties(int seat);
    void CompleteOtherParty();
    int FirstAceOfAnother(int seat);
    void MendOwnAceCall(int seat);
    bool TurnLoneCallGameIntoSolo(int seat);
    void BookStock(int seat);
    int SeatAfterDealer() const { return (dealer + 1) % kTableSeats; }
};

extern SchafkopfComputerPlayer* gSchafkopfComputerPlayer;
