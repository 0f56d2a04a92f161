// The lowest Schafkopf level of the game object. It turns the engine, written for twelve-card
// hands with two copies of every card, into Schafkopf: one copy of each card, eight cards a hand
// (six with the short deck), Obers and Unters as permanent trumps, the trump suit of the options,
// the Call Game with its called Ace and the rules that go with it, and the partner logic that
// follows the called card or the two partner cards.
#pragma once

#include <cstdint>
#include <vector>

#include "games/fourplayer/FourSeatComputerPlayer.h"
#include "platform/ByteOrderCursor.h"

struct SchafkopfOptions;

// Answers of IsLegalCard: 0 must follow suit, 1 legal, 2 to 5 the called-Ace refusals.
enum SchafkopfLegality : int {
    kCardMustFollow = 0,
    kCardLegal = 1,
    kCardMustPlayCalledAce = 2,
    kCardCalledSuitLeadBan = 3,
    kCardCalledAceKept = 4,
    kCardOnlyCalledSuitCard = 5,
};

// A seat's call: the called suit and rank step (8 = Ace), whether the caller lacks the called
// card, a flag of the bidding, and twenty values the bidding keeps with it.
struct SchafkopfCall {
    std::int16_t suit = -1;
    std::int16_t calledAceMissing = 0;
    std::int16_t rank = -1;
    std::int16_t flag = 0;
    std::int16_t values[20] = {};
};

inline constexpr int kSchafkopfCallRecords = 5;
// The game choice's candidate games, each with a stored level in the seat block.
inline constexpr int kSchafkopfCandidates = 26;
inline constexpr int kSchafkopfStateWords = 50;
// The level's own fields as saved games keep them: every field an i16, little-endian.
inline constexpr int kSchafkopfTailSize = 356;

class SchafkopfComputerBase : public FourSeatComputerPlayer {
  public:
    SchafkopfComputerBase();

    // --- overrides of the engine, in the engine's order ---
    bool IsShortDeck() override;
    bool RequiredSoloRule() override;
    bool ClubUnterCaughtScores() override;
    bool DiamondAceCaughtScores() override; // the fox: the trump suit's Ace
    bool SecondHeartTenWins() override;
    bool ClubUnterLastTrickScores() override;
    bool DiamondAceLastTrickScores() override;
    int SoloistLeads() override; // the declarer leads the first trick
    // The engine's strong-seat test (above 15 there) starts at level 2 in Schafkopf.
    bool IsSeatToMoveAbove15() override;
    void NewDeal(bool keepTricks) override;
    int GetHandCapacity() override;
    int GetCardsPerHand() override;
    int GetLowestRankStep() override;
    int GetEndgameTrick() override;
    // The engine's lead test, or the seat plays last in the current trick.
    bool TestSeatFlag(int seat) override;
    int GetLineGameKind() override;
    int ScaleCardCount(int count) override;
    // Natural order in the Beg; the engine's order in every other game.
    void SortHand(std::uint8_t* hand, int count, int trumpSuit, GameTypeWord word,
                  bool pullTrumpSuit, bool plainOrder) override;
    bool IsTrump(int card) override;
    bool IsHeartTenTop(const GameType* type) override;
    int GetHigherCard(int a, int b) override;
    int GetLowestTrump(int trumpSuit, GameTypeWord word) override;
    int GetLowestOfGroup(int trumpSuit, GameTypeWord word, int group) override;
    bool HasTwoCopies() override;
    int CountGroupInDeck(int group, int trumpSuit, GameTypeWord word) override;
    bool IsSoloType(const GameType& type) override;
    int GetTrickWinnerSoFar(int seat) override;
    bool MayAnnounce(int seat, int kind, std::uint8_t* lastMoment) override;
    void TrackAnnouncementTiming(int seat) override;
    void ObserveNormalGameCard(int seat) override;
    bool ShouldPlayForPartner(int card, bool trumped) override;
    bool IsSoloGame() override;
    Handle GetStrategyLibrary(int seat) override;
    void ObserveAfterCard(int seat) override;
    int GetPointTarget(int seat) override;
    // Whether the seat may give up the card now: the called Ace stays until its suit was led.
    bool HasSeatPlayedCard(int seat, int card) override;
    int IsLegalCard(int seat, int card) override;
    int RateCardRole(int card) override;
    bool IsGroupEndangered(int group) override;
    // Whether the seat may throw off the card: the called Ace only once its suit was led, or
    // in the last trick.
    bool IsHeartTenSafe(int seat, int card) override;
    int GetLowTrumpLimit() override;
    // The Ten or Ace least likely to win a trick; the called Ace stays until its suit was led.
    bool ThrowOffTenOrAce(int seat) override;
    // The called Ace is never given up in place of a lower card before its suit was led.
    bool MayPlayCardNow(int seat, int card) override;
    // In the two-card partnership a seat with the Eichel Ober shows its party with it rather
    // than with the Ober the others watch.
    void ShowClubQueen(int seat, int* place, int* reason) override;
    // The called suit: a defender gives up its lowest card of it, a declaring seat shows itself
    // with the called Ace or its Ober, the holder leads low from a long suit.
    bool LeadClubQueenToShowParty(int seat) override;
    // The trump a seat plays when it plays a trump on the card.
    bool FollowInTrumpNormalGame(int seat, int card) override;
    // The holder of the called Ace plays it when its suit comes; a caller with one card of the
    // called suit keeps it. Answers a legal card of the seat or -1.
    int ReplaceCardChoice(int seat, int card, int* place, int bestCard) override;
    // A winning trump gives way to the next one up when both are worth the same to the trick.
    int ReplaceCardChoiceNext(int seat, int card, int bestCard) override;
    // The bidding: one level per candidate game, the choice, and the doublings.
    void EvaluateGameTypes(int seat, SeatBlock& block, bool forced) override;
    int EvaluateSingleRankSolo(SeatBlock& block, const GameType& candidate, bool forced, int seat,
                               std::uint16_t rankMask, int rankCount) override;
    int EvaluateTwoRankSolo(SeatBlock& block, const GameType& candidate, bool forced, int seat,
                            std::uint16_t firstMask, int firstCount, std::uint16_t secondMask,
                            int secondCount) override;
    int EvaluateThreeRankSolo(SeatBlock& block, const GameType& candidate, bool forced,
                              int seat) override;
    int EvaluateSuitSolo(SeatBlock& block, const GameType& candidate, bool forced,
                         int seat) override;
    int EvaluatePureSuitSolo(SeatBlock& block, const GameType& candidate, bool forced,
                             int seat) override;
    int EvaluateSuitRankSolo(SeatBlock& block, const GameType& candidate, bool forced, int seat,
                             std::uint16_t rankMask, int rankCount) override;
    // Clears the seat's pending announcement, decides its doubling and records it.
    bool DecideAnnouncement(int seat, std::uint8_t* wait) override;

    // --- new operations ---
    virtual bool IsSoloWord(GameTypeWord word);
    virtual bool IsSkilledSeat(int seat);
    virtual void NewGameWithOptions(SchafkopfOptions* rulesRecord);
    // Hand evaluation of the bidding: its own level answers them.
    virtual int EvaluateBeg(SeatBlock& block, int seat);
    virtual bool WantsCallGame(SeatBlock& block, SchafkopfCall* call, GameType* type, int seat);
    virtual bool HasYouHand(const SeatBlock& block);
    virtual int GetTrumpSuitCard(int rankStep);
    virtual bool RevealPartner(int seat);
    virtual bool RevealPartnerByCards(int seat);
    virtual bool MayDouble(int seat);
    virtual void StepSeat(int seat);
    virtual int GetStoredLevel(int seat);
    virtual bool DecideRe(int seat);
    virtual bool DecideResup(int seat);
    virtual bool DecideDouble(int seat);
    virtual bool DecideSup(int seat);
    virtual bool IsDeclarer(int seat);
    virtual bool IsPartnerCardsSolo(int seat);
    virtual bool HoldsCalledAce(int seat);
    virtual bool PlayTrickTakingCard(int seat, int card);
    virtual bool PlayHighSuitCardBehind(int seat, int card);
    virtual bool HoldsTrumpCard(int seat, int card);
    virtual int CalledAceSitsBehind(int seat);

    // Whether a trick before the current one was led with the group, or this is the last trick.
    bool WasGroupLed(int group);
    // The same test on the seat's own cards in the earlier tricks.
    bool HasSeatPlayedGroup(int seat, int group);
    void CopyGroupCounts(int seat, std::int16_t* snapshot);
    bool MayThrowOffCalledAce(int seat, int card);
    // The lowest legal card of the seat that beats the card (reason 20).
    bool PlayLowestWinningCard(int seat, int card);
    // The seat's cards of the group played in the tricks before the current one.
    int CountPlayedBySeat(int seat, int group);
    // The hand place of the card, -1 when the seat does not hold it.
    int FindPlace(int seat, int card);
    // Plays the card when the seat holds it and may play it now; false changes nothing.
    bool PlayIfLegal(int seat, int card, int reason);

    // --- the rules of the partner games (each for the seat to move) ---
    // The declarer's hidden partner, short of trumps, leads a low singleton of a fresh suit.
    bool PlayLowPointSuitCard(int seat);
    // With the parties known and the partner not yet on lead: the Ace of a suit whose Ace is
    // still out, or a low card of a suit hardly played.
    bool PlayAceOrLowInUntouchedSuit(int seat);
    // A skilled defender in the German call leads a short suit through to its partner.
    bool PlayShortSuitForPartner(int seat);
    // The smear chain, then the top card of a side suit that takes no trick of its own.
    bool PlayOfferedRules(int seat);
    // Without trumps on a trump lead: a full card for a partner who may still trump over.
    bool PlayPointsToTrumpingPartner(int seat, int card);
    // Last, a German-call defender cashes an Ace on its partner's trick while it still can.
    bool PlayPointsBehindPartner(int seat);
    // The lowest single card (not an Ace) of a suit hardly played.
    bool PlaySingleAceCards(int seat);
    // Whether and how to trump the card, by how many trumps the seat holds.
    bool PlayTrumpOrPoints(int seat, int card);
    // Only a test: the seat holds two cards of the card's suit, one of them the Ten, and the
    // suit's Ace is still out.
    bool PlaySecondTenRule(int seat, int card);
    // With the flag, the top of a suit of which no card is out while trumps are endangered;
    // otherwise a sure winner. The card is not read.
    bool PlayLastTrumpRule(int seat, int card, bool flag);
    bool IsDefenderInGermanCall(int seat);
    // Whether the other party than the mover's doubled, or its seats by the estimates hold
    // clearly more of the trumps still out than their share.
    bool AreOpponentsStrongInTrumps();
    // The Call-Game declarer leads the called suit high while the partner is unknown.
    bool PlayHighCalledSuitCard(int seat);

    // The bidding helpers. A suit is callable when the seat holds a plain card of it and not
    // its Ace (any suit but the trump suit with callAnyAce); without one, the blank call (the
    // word at offset 54 of the options) allows any suit whose Ace the seat lacks.
    bool ListCallableSuits(const SeatBlock& block, bool* suits, bool* blank);
    // The callable suit with the fewest cards, with the skilled seats' tie-breaks.
    bool ChooseCalledSuit(const SeatBlock& block, SchafkopfCall* call);
    // The stored level of a candidate game (the suit counts for the suit games), -1 for none.
    int GetStoredLevel(int seat, int suit, GameTypeWord word);
    int CountGuardedTens(const SeatBlock& block, const GameType& type);
    int CountFreeTricksForDeclarer(int seat);
    // The run of top trumps of the seat's party under the current game: positive the count
    // of top trumps it holds, negative the count it lacks. The partner is the holder of the
    // called Ace, or without a called suit the seat's partner in the party lists.
    int ComputeLaufende(int seat, int suitCalled);
    // The kind of doubling the seat answers now (0 Contra, 1 Re, 8 Supra, 9 Resupra), or -1.
    int ChooseDoubling(int seat);
    bool IsLeadOrLastSeat(int seat);
    bool DeclarerLeads();
    bool IsLastTrick() { return trickNumber == GetCardsPerHand(); }
    int CalledCard() const { return calledSuit * 8 + calledRank; }
    bool IsCallGame() const { return GameBits(gameType.word) == kWordNormal; }

    // The saved tail (kSchafkopfTailSize bytes). Reading refuses a damaged tail (a suit or a
    // rank out of range, a negative pot) and then changes nothing.
    void WriteTail(std::uint8_t* bytes, bool bigEndian = false) const;
    bool ReadTail(const std::uint8_t* bytes, bool bigEndian = false);
    // Turns or lists the tail's fields in an image (the cursor's mode), touching no player.
    static void TransferTailLayout(ByteOrderCursor& io);

    // --- own fields, in saved order ---
    std::int16_t dealWord = 0;
    std::int16_t allPassRuleOfDeal = 0;
    std::int16_t seatRecordCount = 4;
    std::int16_t calledSuit = -1;
    std::int16_t calledAceMissing = 0;
    std::int16_t calledRank = -1;
    std::int16_t laufendeCount = 0;
    SchafkopfCall seatCalls[kSchafkopfCallRecords] = {};
    std::int16_t potUnits = 0; // base stakes lying in the pot
    std::int16_t stateWords[kSchafkopfStateWords] = {};
    SchafkopfOptions* options = nullptr;

  protected:
    enum class FrameKind { Plain, TwoRank, Suit, PureSuit };
    int SeatStyle(int seat) const;
    bool SeatLeads(int seat);
    void Rebuild(SeatBlock& block, int seat, const GameType& type);
    static void Totals(const SeatBlock& block, std::int16_t* sums);
    static int CountVoidPlainSuits(const SeatBlock& block, int trumpSuit);
    int AdjustLevel(int base, SeatBlock& block, const GameType& type, bool forced, int seat,
                    FrameKind kind);
    int TwoRankBase(const SeatBlock& block, int seat, std::uint16_t m1, int f, std::uint16_t m2,
                    int h);
    static int ThreeRankBase(const SeatBlock& block);
    static int SuitSoloBase(const SeatBlock& block);
    static int SuitRankBase(const SeatBlock& block, std::uint16_t m, int n);
    int EvaluateCandidate(SeatBlock& block, int index, bool forced, int seat);
    bool IsCandidateAllowed(int index);
    bool TakesLevel32(int seat, bool forced);
    int CountCallSuitCards(const SeatBlock& block, int suit);
    bool PassesTrumpTest(int seat, int limit, bool supTable);
    bool IsSoloDeclarer(int seat);
    std::vector<int> TrumpOrder();

    // The options in force; an all-zero record while none is attached.
    const SchafkopfOptions& Rules() const;
    // Whether the trump suit's own cards are trumps under the game bits.
    static bool SuitCardsAreTrumps(GameTypeWord bits);
    bool IsBeg() const { return GameBits(gameType.word) == kWordNoTrumps; }
    bool IsCardInHand(int seat, int card);
    int CountHeldInSuit(int seat, int suit);
    bool IsTout() const;
    // The called-Ace rules before the guard against a seat left without a playable card.
    int RawLegality(int seat, int card);
    int CalledAceLegality(int seat, int card);
    // Turns the Call Game into a Suit Solo of the declarer against the three others.
    void MakeDeclarerSolo(int seat);
    // Enters the seat into the first party and settles the table's beliefs about it.
    void EnterFirstParty(int seat);
    void PushBeliefsAbout(int seat, bool firstParty);
    void ObserveCalledSuitLead(int seat);
    bool IsSeatToPlay(int seat);
    // The seat to move's partner from the party view, -1 while unknown.
    int PartnerOfMover();
    // The lowest or highest card of the group when the seat may play it now.
    bool PlayLowestOfSuit(int seat, int group);
    bool PlayHighestOfSuit(int seat, int group);
    // The group of the card led to the current trick, -1 before the lead.
    int LedGroup();
    // The seat holds trumps and may play one now.
    bool MayPlayTrumps(int seat);
};
