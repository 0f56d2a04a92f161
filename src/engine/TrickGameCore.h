// First level of the game object: the fields of one table's game, the rules record, the deck
// facts, card order and trick rules, seat rotation, and the evaluation operations that the
// higher levels and the game lines fill in. The base rules are those of the four-seat
// double-deck game with the Heart Ten on top; the lines replace single operations.
#pragma once

#include <cstdint>

#include "engine/CardCodes.h"
#include "engine/GameRecords.h"
#include "engine/SeatBlock.h"
#include "platform/ByteOrderCursor.h"
#include "platform/Handles.h"
#include "platform/RootObject.h"

struct DoppelkopfOptions;

inline constexpr std::int16_t kPlayerVersion = 104;
inline constexpr int kSavedRegionSize = 2556; // playerVersion through the play-time area
inline constexpr int kPlayTimeShorts = 95;
inline constexpr int kReasonHuman = 32;    // the human's own card
inline constexpr int kReasonStrategy = 52; // a card from a strategy library

class TrickGameCore : public RootObject {
  public:
    TrickGameCore();
    ~TrickGameCore() override;

    // Rules record answers.
    virtual bool IsShortDeck();
    virtual bool RequiredSoloRule();
    virtual int RequiredSoloCount();
    virtual bool ClubUnterCaughtScores();
    virtual bool DiamondAceCaughtScores();
    virtual bool SecondHeartTenWins();
    virtual bool ClubUnterLastTrickScores();
    virtual bool DiamondAceLastTrickScores();
    virtual int SoloistLeads();
    // Profile tests.
    virtual bool IsSeatToMoveAbove5();
    virtual bool IsSeatToMoveAbove10();
    virtual bool IsProfileAbove10(const SeatBlock& block);
    virtual bool IsSeatToMoveAbove15();
    virtual bool IsProfileAbove15(const SeatBlock& block);
    // New series and deal.
    virtual void NewGame();
    virtual void ResetEvidence();
    virtual void NewDeal(bool keepTricks);
    // Deck facts and line constants.
    virtual int GetHandCapacity();
    virtual int GetCardsPerHand();
    virtual int GetLowestRankStep();
    virtual int GetEndgameTrick();
    virtual bool TestSeatFlag(int seat);
    virtual int GetLineGameKind();
    virtual int GetSeatCount();
    virtual int GetMaskBitsPerSuit();
    virtual int ScaleCardCount(int count);
    // Split-probability tables, percent (-1.0 no estimate).
    virtual float GetNoEstimate(int a, int b, int c, int d);
    virtual float GetThreeHandSplit(int cards, int most);
    virtual float GetThreeHandSplitSum(int cards, int most);
    virtual float GetTwoHandSplit(int cards, int most);
    // Card rules.
    virtual int CountBits(std::uint16_t mask, std::uint16_t selector);
    virtual int CountWithHeartTens(std::uint16_t tenMask, std::uint16_t mask,
                                   std::uint16_t selector);
    // Fills list (at least 4 entries) with the trump rank codes, highest first, ended by -1.
    virtual void GetTrumpRanks(GameTypeWord word, int* list, int* length);
    virtual void SortHand(std::uint8_t* hand, int count, int trumpSuit, GameTypeWord word,
                          bool pullTrumpSuit, bool plainOrder);
    virtual void BuildEvaluation(SeatBlock& block, int count, int trumpSuit, GameTypeWord word,
                                 int seat);
    virtual bool IsRankInTrumpList(int card, const int* list);
    virtual bool IsTrump(int card);
    virtual bool IsHeartTenTop(const GameType* type);
    virtual int GetHigherCard(int a, int b);
    virtual int GetTopCard(int group);
    virtual int GetLowestTrump(int trumpSuit, GameTypeWord word);
    virtual int GetLowestOfGroup(int trumpSuit, GameTypeWord word, int group);
    virtual bool HasTwoCopies();
    virtual int CountGroupInDeck(int group, int trumpSuit, GameTypeWord word);
    // Hand evaluation.
    virtual int CountFreshVoidSuits(const std::int16_t* heldCounts, int excludedGroup, int unused,
                                    int seat);
    virtual int AdjustSureTricks(int sureTricks, int cardsOut, int ownCards, const SeatBlock& block,
                                 int suit);
    virtual void CountSureTricks(const std::uint8_t* cards, int count,
                                 const std::uint16_t* playedMasks, std::int16_t* entry,
                                 const SeatBlock& block, int trumpSuit, GameTypeWord word);
    virtual int CountPossibleHolders(int group);
    virtual void EstimateSureTrumpTricks(int seat, int* sure, int* probable, int* held,
                                         int* rounds);
    virtual int EvaluateTrumpValue(int probableTricks, int trumpsHeld, int trumpRounds, int seat);
    virtual int EvaluateSingleRankSolo(SeatBlock& block, const GameType& candidate, bool forced,
                                       int seat, std::uint16_t rankMask, int rankCount);
    virtual int EvaluateTwoRankSolo(SeatBlock& block, const GameType& candidate, bool forced,
                                    int seat, std::uint16_t firstMask, int firstCount,
                                    std::uint16_t secondMask, int secondCount);
    virtual int EvaluateThreeRankSolo(SeatBlock& block, const GameType& candidate, bool forced,
                                      int seat);
    virtual int EvaluateSuitSolo(SeatBlock& block, const GameType& candidate, bool forced,
                                 int seat);
    virtual int EvaluatePureSuitSolo(SeatBlock& block, const GameType& candidate, bool forced,
                                     int seat);
    virtual int EvaluateSuitRankSolo(SeatBlock& block, const GameType& candidate, bool forced,
                                     int seat, std::uint16_t rankMask, int rankCount);
    virtual int EvaluateNoTrumpGame(SeatBlock& block, const GameType& candidate, bool forced,
                                    int seat);
    virtual bool IsSoloType(const GameType& type);
    virtual int CountTrickPoints(bool allSeats);
    virtual int GetTrickPosition(int seat);
    virtual bool PlayTrumpSuitByValue(int seat, bool flag);
    virtual int GetTrickWinnerSoFar(int seat);
    virtual bool StartStrategy();
    virtual TrickGameCore* LoadStrategyLibraries();
    virtual TrickGameCore* FreeStrategyLibraries();
    // Seat rotation.
    virtual int NextSeat(int seat);
    virtual int PreviousSeat(int seat);

    // Game levels of the hand evaluators: 0 not playable, else 8 (strongest) to 40 in steps
    // of 8. A direction above 0 steps one level stronger, below 0 one level weaker.
    static int StepLevel(int level, int direction);
    bool IsRequiredSoloDue(const SeatBlock& block, int seat);

    // Non-virtual helpers of the card rules.
    int GetSuitGroup(int card);
    bool IsCardHigher(int a, int b);
    int GetNextLowerCard(int card);
    bool CanFollowSuit(int seat);
    bool CannotFollowSuit(int seat) { return !CanFollowSuit(seat); }
    bool IsCardPlayed(int card, bool bothCopies) const;
    int GetSpecialTopCard() const;

    // The rules record and the seats' style settings.
    void AttachRules(DoppelkopfOptions* record);
    void InitSeatStyle(int seat);
    bool UsesConventions(int seat) const;
    bool IsStyleActive(int seat) const;
    int CountTricksLeft();

    // A percentage against the threshold of the profile's style (t1..t4 for styles 1..4):
    // above it passes, below it fails; a code without a style decides neither way.
    static bool PassesThreshold(int profile, float percent, int t1, int t2, int t3, int t4);
    static bool FailsThreshold(int profile, float percent, int t1, int t2, int t3, int t4);

    // Books the time a seat took for its card (milliseconds) when it followed suit, and marks
    // the seat's group in evidence when the time tells whether the play was forced.
    void RecordPlayTime(int seat, std::int32_t milliseconds, int group);

    // Hand evaluation: group counts of a hand under a game type, the sure tricks per group
    // (SeatBlock::groupEval) and their sum, and the cards of a group played by the masks.
    void ComputeTrumpStats(const std::uint8_t* hand, int count, int trumpSuit, GameTypeWord word,
                           std::int16_t* counts);
    void BuildGroupEvaluation(SeatBlock& block, int trumpSuit, GameTypeWord word, int seat,
                              bool withTrumps);
    static void SumGroupEvaluation(std::int16_t* sum,
                                   const std::int16_t (&entries)[kGroupCount][4]);
    int CountPlayedInGroupMasks(int group, const std::uint16_t* masks, int trumpSuit,
                                GameTypeWord word);

    // The saved region (kSavedRegionSize bytes, field by field, little-endian unless asked for
    // the other order). Reading keeps the live play-log handles; the handles are written as
    // zero.
    void WriteSavedRegion(std::uint8_t* bytes, bool bigEndian = false) const;
    void ReadSavedRegion(const std::uint8_t* bytes, bool bigEndian = false);

    // --- saved region ---
    std::int16_t playerVersion = 0;
    std::int16_t keepPlayLogs = 0;
    std::int16_t gamesPlayed = 0;
    std::int16_t seriesLength = -1;
    std::int16_t watchPlaces = 0;
    HandPlaceRecord placeRecords[kSeatCount] = {};
    std::int16_t seatBidPhase[kSeatCount] = {};
    std::int16_t announcementCount = 0;
    AnnouncementEntry announcements[kMaxAnnouncements] = {};
    std::int32_t declarer = -1;
    GameType gameType = {0, kWordNormal};
    std::int16_t leader = 0;
    std::int16_t partyLists[5] = {-1, -1, -1, -1, -1};
    std::int16_t seatToMove = 0;
    std::int16_t tricksWon[kSeatCount] = {};
    std::int16_t cardPoints[kSeatCount] = {};
    std::int16_t trickCards[kSeatCount] = {};
    std::int16_t bonusCount = 0;
    TrickBonus bonuses[kMaxBonuses] = {};
    std::int16_t trickNumber = 0;
    std::int16_t marriageTrick = 0;
    TrickRecord tricks[kTrickCount] = {};
    std::int16_t playedCounts[kSeatCount][kGroupCount] = {};
    std::uint16_t playedMasks[8] = {};
    SeatEstimate seatEstimates[kSeatCount] = {};
    std::int16_t announcedKinds[kSeatCount] = {};
    SeatBlock seats[kSeatCount] = {};
    std::int16_t evidence[kSeatCount][kGroupCount] = {};
    std::int16_t cardExchanged = 0;
    std::int16_t spare = 0;
    std::int16_t reStyle = 0;
    std::int16_t reNo90Style = 0;
    std::int16_t contraStyleSeat = -1;
    std::int16_t contraSignalSeat = -1;
    std::int16_t contraStyle = 0;
    std::int16_t contraNo90Style = 0;
    std::int16_t reservationMarks[kSeatCount] = {};
    AnnouncementRecord announceRecords[kSeatCount] = {};
    std::uint8_t lineBytes[kSeatCount][6] = {};
    std::int16_t solosPlayed[5] = {};
    std::int16_t playTimeArea[kPlayTimeShorts] = {};
    // --- rebuilt, not saved ---
    DoppelkopfOptions* rules = nullptr;
    Handle playLogs[kSeatCount] = {};
    SeatBlock evalSeat = {};
    std::int16_t moverPartners[2] = {-1, -1};
    std::int16_t trumpsAbovePartnerCard = -1;
    std::int16_t moverOpponents[3] = {-1, -1, -1};
    std::int16_t firstPartyView[3] = {-1, -1, -1};
    std::int16_t secondPartyView[3] = {-1, -1, -1};
    std::int16_t moverOpponentCount = 0;
    std::uint8_t playForPartner = 0;
    std::uint8_t contestTrick = 1;
    std::int32_t announceClock = 0; // ticks
    std::int16_t announceClockSeat = -1;
    std::uint8_t pauseSeen = 0;
    std::int32_t lastComputerCardTime = 0; // ticks
    std::uint8_t announcedAfterPause = 0;
    std::int16_t dryRun = 0;
    std::int16_t dryRunIndex = -1;
    std::int16_t dryRunReason = -1;
    std::int16_t announceDeferred[kSeatCount] = {-1, -1, -1, -1};
    std::int16_t diamondAcesSeat = -1;
    std::int16_t specialPairSeat = -1;
    TrickRecord previousTricks[kTrickCount] = {};
    std::int16_t timingExcludedSeat = -1;
    std::int16_t completingParties = 0;
    // The game object of a scratch table reading a saved game: a play log it cannot allocate
    // is not reported (the reader answers for it).
    bool quietOnNoMemory = false;

  protected:
    bool IsSeat(int seat) const { return seat >= 0 && seat < kSeatCount; }
    bool IsProfileAbove(int seat, int limit) const;
    static GameTypeWord GameBits(GameTypeWord word) { return word & kGameBitsMask; }
    // Whether the cards of the trump suit are trumps under the word (at three seats: the suit
    // game of the word masked with 0x407).
    bool HasTrumpSuit(GameTypeWord word);
    // Whether the current game has a trump suit, read by the line's kind of game (the Skat
    // line: its suit game) rather than by the seat count.
    bool IsLineSuitGame();
    // The part of the series still to play, (length - games played) / length; callers rule
    // out the lengths -1 and 0, which mean no series.
    double SeriesLeft() const;
    void ResetPlayLog(int seat, bool clearEntries);
    PlayLog* GetPlayLog(int seat) const;
};

// The one walk over the saved region's fields: writes, reads, turns or lists them as the
// cursor's mode says (turning and listing leave the object alone).
void TransferSavedRegion(TrickGameCore& game, ByteOrderCursor& io);
// The walk over a play log as a saved game carries it.
void TransferPlayLog(PlayLog& log, ByteOrderCursor& io);
