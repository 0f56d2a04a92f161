// The Doppelkopf level of the four-seat controllers and the base of the Schafkopf controller:
// the bidding state, the bill of the finished game, the seats' answers, the rules record and the
// game object (the computer player) it owns. The Doppelkopf reservations, card exchange,
// throw-in, announcements and special pairs are declared here in their slot order; their bodies
// come with the Doppelkopf computer player and answer the empty defaults until then.
#pragma once

#include <cstdint>

#include "engine/ComputerPlayer.h"
#include "games/fourplayer/FourSeatController.h"
#include "games/fourplayer/GameBill.h"

struct DoppelkopfOptions;

inline constexpr int kSecondRunSize = 164;
// The answer to a human card played while another seat is to play: nothing happens.
inline constexpr int kHumanCardOutOfTurn = -1;

class DoppelkopfController : public FourSeatController {
  public:
    ~DoppelkopfController() override;

    // Operations of the lower levels that this level fills.
    int GetOwnGameKind() override;
    bool IsOpenSeries() override;
    void SetSeatProfile(int code, int seat) override;
    int GetTrickLeader() override;
    void SetTrickLeader(int seat) override;
    void ClearTrick() override;
    void UndoLastGame() override;
    void AttachOptions() override;
    int GetCurrentTrickNumber() override;
    int GetTrickCard(int seat) override;
    void GetPartyLists(std::int16_t* seats) override;
    int HasTakenTrick(int seat) override;
    void GetPreviousTrick(int* cards) override;
    SeriesEndRule GetSeriesEndRule() override;
    bool DidHumanWinTrick() override;
    void GetCardCounts(int* counts) override;
    int PlayHumanCard(int card, int seat) override;
    bool PlayRestOfTrick(char* text, char* secondText, int* claimingSeat) override;
    void NotePlayTime(int seat, std::int32_t milliseconds) override;
    void EndTrick(bool* changed) override;
    bool ClaimRest(int seat) override;
    void RunStatisticsProbe() override;

    // The operations this level adds, in slot order.
    // Answers false when the computer player could not be made (the program is asked to quit).
    virtual bool Init(SettingsBody* settings, DoppelkopfOptions* options, bool countsStatistics,
                      bool createPlayer);
    virtual void PassDealInfo();
    virtual void SetBid(int seat, int word);
    virtual int GetAnswer(int seat);
    virtual int DecideThrowIn(int seat, int count);
    virtual int CountAnswers();
    virtual int StepBidding(int seat);
    virtual void FindExchangePartner(int* seat);
    virtual void ChoosePartner(int seat);
    virtual bool NeedsExchange(int seat);
    virtual void ExchangeCards(std::uint8_t* cards, int* seat);
    virtual void ReceiveExchange(int ignored, const std::uint8_t* data);
    virtual bool HasAnswered(int seat);
    virtual int GetSeatReservation(int seat);
    virtual void SetHumanGameType(const GameType& type);
    virtual bool IsAnnounced(int seat);
    virtual void CountHumanTrick();
    virtual void CountHumanGame(int winner);
    virtual int PlayHumanCopy(int card, int seat, bool secondCopy);
    virtual int ProposeHumanCard(int* kind, char* text, char* secondText, int* advice, bool* claim);
    virtual void NoteDiamondAcesSeat(int seat);
    virtual void NoteSpecialPairSeat(int seat);
    virtual bool MayShowDiamondAces(int seat, int kind);
    virtual bool MayShowSpecialPair(int seat, int kind, int* out);
    virtual void AdjustAfterGame(int ignored, bool flag);
    virtual void BuildListRecord(GameRecord* record, GameBill* bill);
    virtual void ScoreListRecord(GameBill* bill);
    virtual void AddGameToList(GameBill* bill);
    virtual void ClearStatistics();
    virtual bool HoldsBothClubsQueens(int seat);
    virtual bool HasRequiredSolos(int seat);

    // Before a computer card: the computer seats from the trick's leader are asked whether
    // they announce; the first that does ends the asking (text takes kNameTextSize bytes).
    void CollectAnnouncements(char* text, int skippedSeat);
    // Whether the seat's trumps and the rest take every remaining trick.
    bool CanClaimRest(int seat);
    // The first seat of the other party than the seat's, -1 when none.
    int FindOpponentSeat(int seat);

    // The second saved run: 164 bytes, field by field, little-endian unless asked for the other
    // order. Reading refuses a damaged run (seats outside -1 to 3, negative counts, more than 20
    // bill items) and changes nothing.
    void WriteSecondRun(std::uint8_t* bytes, bool bigEndian = false) const;
    bool ReadSecondRun(const std::uint8_t* bytes, bool bigEndian = false);
    // Turns or lists the run's fields in an image (the cursor's mode), touching no controller.
    static void TransferSecondRunLayout(ByteOrderCursor& io);

    // The record the last game was scored in: the list's last record, or a scratch record when
    // the game was not listed (listing off, or no memory to grow the list).
    GameRecord* ScoredRecord();

    std::int16_t biddingPhase = 0;
    GameBill bill{};
    std::int16_t bids[kTableSeats] = {};
    DoppelkopfOptions* fourSeatRules = nullptr;
    ComputerPlayer* player = nullptr; // owned

  protected:
    // The statistics counters of the rules record (the Schafkopf table keeps its own).
    struct StatisticsCounters {
        std::int32_t* games = nullptr;    // 22 game counters
        std::int32_t* places = nullptr;   // the league places
        std::int32_t* expected = nullptr; // 4 counts of the dry-run tricks
        std::int32_t* balance = nullptr;
    };
    virtual StatisticsCounters Counters();
    // Runs the step on the live objects and then puts the controller and the game object back
    // as they were, whole.
    virtual void RunRestoring(void (*step)(DoppelkopfController&, void*), void* context);
    // Whether the statistics are counted at this table now.
    bool CountsStatistics() const;
    bool SeatHolds(int seat, int card) const;
    // The seat that plays next to the current trick, -1 when the trick is complete.
    int SeatDueInTrick();
    // The declarer of a solo by the game object, -1 when none.
    int SoloDeclarer();

    // Builds the game object; null when there is no memory for it. Tests replace it.
    virtual ComputerPlayer* CreatePlayer();
    // Puts a new game object in place of the old one. Without memory for it the player is
    // told, the program is asked to quit (neither at a quiet table) and the old object stays.
    bool ReplacePlayer();
    // The record fields every game shares: profiles, card points, listed seats, dealer,
    // captures, game type, bock flag, bill figures and items. Values are 0.
    void BuildCommonRecord(GameRecord* record, const GameBill& bill);

    GameRecord scratchRecord{};
    bool scoredInScratch = false;
};

extern ComputerPlayer* gDoppelkopfComputerPlayer;
