// Third level of the game object: hand and trick bookkeeping, the one play operation with its
// play log and hand-place records, legality, the card-play predicates and basic plays, the
// rule library the computer players draw on, and the hooks the game-line controllers fill.
// Every card of a deal, the human's included, goes through PlayCard.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/TrickGameKnowledge.h"

class ComputerPlayer : public TrickGameKnowledge {
  public:
    ComputerPlayer();

    // Replaced operations of the lower levels.
    void ResetEvidence() override;
    int CountPossibleHolders(int group) override;
    int GetTrickPosition(int seat) override;
    bool PlayTrumpSuitByValue(int seat, bool flag) override;
    int GetTrickWinnerSoFar(int seat) override;
    TrickGameKnowledge* UpdatePlaceRecords() override;
    bool ShouldPlayForPartner(int card, bool trumped) override;
    bool ShouldContestTrick(int card) override;
    void CountSureTrumpsWithPartner(int seat, int partner, int* own, int* partners) override;
    bool HasWinningTopCard(int group) override;
    void ObserveNormalGameCard(int seat) override;
    bool DecideAnnouncement(int seat, std::uint8_t* wait) override;

    // Observers and party figures.
    virtual void ObserveAfterCard(int seat);
    virtual int RateGroupRisk(int seat, bool checkNext);
    virtual int GetPointTarget(int seat);
    // Bookkeeping and the play of a card.
    virtual void RemoveFromHand(std::uint8_t* hand, int place);
    virtual void UpdateHandCounts(SeatBlock& block, int card);
    virtual void RecordCard(int seat, int card, int place);
    virtual bool PlaysBefore(int seat);
    virtual void PlayCard(int seat, int place, int reason);
    virtual bool MayPlayCardNow(int seat, int card);
    // 0 illegal, 1 legal; lines answer rule numbers.
    virtual int IsLegalCard(int seat, int card);
    // Card-play predicates and ratings.
    virtual float SureTricksChance(int group);
    virtual int GetPartyAnnouncementKind(bool firstParty);
    virtual bool IsPartyStrongInTrumps();
    virtual int RateCardRoleFine(int card);
    virtual int RateCardRole(int card);
    virtual bool IsGroupEndangered(int group);
    virtual bool IsHeartTenSafe(int seat, int card);
    virtual bool HasSeatPlayedCard(int seat, int card);
    virtual int GetLowTrumpLimit();
    // Basic plays.
    virtual bool MayPlayTrumpAt(int seat, int group, int firstPlace, int offset);
    virtual bool PlayLowestCandidate(int seat, int count, const std::int16_t* suits,
                                     const std::int16_t* places);
    virtual bool PlayHighestCandidate(int seat, int count, const std::int16_t* suits,
                                      const std::int16_t* places);
    virtual bool PlayMostLikelyWinner(int seat, bool flag);
    virtual void ShowClubQueen(int seat, int* place, int* reason);
    virtual bool LeadMiddleTrump(int seat, bool forced, bool lowestFirst);
    // The rule library, in table order.
    virtual bool LeadClubQueenToShowParty(int seat);
    virtual bool PlayTenOrAce(int seat, int group, int card);
    virtual bool OverplayWithSureWinner(int seat, int group, int card);
    virtual bool TryToTakeTrick(int seat, int card);
    virtual bool PlayForPointsNeeded(int seat, int group, int card);
    virtual bool FollowWithSecondHighest(int seat, int group);
    virtual bool PlaySpecialCard(int seat, int mask);
    virtual bool PlaySpecialCardOver(int seat, int mask, int card);
    virtual bool PlaySpecialCardOfKind(int seat, int card, int mask);
    virtual bool PlayHeartTenWithTwoTrumps(int seat);
    virtual bool TrumpToWin(int seat, int card, bool flag);
    virtual bool TrumpToWinPlain(int seat, int card);
    virtual bool TrumpForGameWin(int seat, int card);
    virtual bool FollowWithClubQueen(int seat, int card);
    virtual bool FollowInTrumpNormalGame(int seat, int card);
    virtual bool FollowInTrump(int seat, int card, bool flag);
    virtual bool DiscardFromAceSuit(int seat, bool flag);
    virtual bool DiscardFromTenSuit(int seat);
    virtual bool DiscardByLine(int seat, int number);
    virtual bool ChooseDiscard(int seat, bool flag);
    virtual bool ThrowOffRank(int seat, int rankCode, bool flag);
    virtual bool ThrowOffTenOrAce(int seat);
    virtual bool SmearPoints(int seat);
    virtual bool ChooseSideSuitCard(int seat, bool flag);
    virtual bool PlaySideSuitTop(int seat, bool flag);
    virtual bool PlayHighSideCard(int seat);
    virtual bool ChooseHighSideCardOrThrowOff(int seat);
    virtual bool ThrowOffMiddlePoints(int seat);
    virtual bool TakeTrickForAces(int seat, int card);
    virtual bool RuffEndangeredSuit(int seat, int card);
    virtual bool PlayLastTricksTrump(int seat);
    virtual bool PlayLastTwoTrumps(int seat);
    virtual bool PlayLastTrump(int seat, int card);
    virtual bool PlayWeakTrumpsByValue(int seat);
    virtual bool PlayTopTrumpFirstCopy(int seat);
    virtual bool OvertrumpWithFewTrumps(int seat, int card);
    virtual bool PartnersHoldTopTrump();
    virtual bool CanPartnerTakeLead(int seat, int card);
    virtual bool LeadSuitPartnerCanRuff(int seat);
    virtual bool TrumpWithPartnerSupport(int seat, int group, int card);
    virtual bool GetTrickSpecialPoints(int* value);
    virtual bool AreCaughtSpecialsSettled(int seat);
    virtual bool IsTrickWorthContesting(const void* first, const void* second);
    virtual bool AreLastTrickSpecialsSettled(int seat);
    virtual bool IsSpecialCard(int card);
    virtual bool GetHeldSpecials(int* mask);
    virtual bool ShouldPlaySpecialNow(int* mask);
    virtual int GetFoxCard(int mask);
    virtual int GetClubUnterCard(int mask);
    virtual int GetSpecialCard(int mask);
    virtual bool CanShowDiamondAces(int seat);
    virtual bool CanShowSpecialPair(int seat);
    virtual int CountTricksStillNeeded();
    virtual bool LeadMostLikelySureSuit();
    virtual bool LeadLowSideCardByPlan();
    // Controller hooks: the game lines define them.
    virtual ComputerPlayer* ChooseSolo(int seat);
    virtual ComputerPlayer* PrepareSeatToMove(int seat);
    virtual ComputerPlayer* ChooseAndPlay(int seat, std::uint8_t* claim);
    virtual ComputerPlayer* StartTrick();
    virtual ComputerPlayer* EndTrick(std::uint8_t* gameTypeChanged);
    virtual ComputerPlayer* AddBillItem(void* bill, int kind, int value);
    virtual ComputerPlayer* SettleGame(void* bill);
    virtual ComputerPlayer* StartPlay(int declarerSeat, bool someoneDeclares, bool reevaluate,
                                      int partySeat);
    // Card replacement hooks of the lines; -1 keeps the chosen card.
    virtual int ReplaceCardChoice(int seat, int card, int* place, int bestCard);
    virtual int ReplaceCardChoiceNext(int seat, int card, int bestCard);
    // The card a computer seat's choice at the place turns into on the way to the table (the
    // party-showing card, then both replacement hooks); updates place and reason. -1: none.
    int ResolveComputerCard(int seat, int* place, int* reason);

    // The belief rules run after a card, in cascade order; each answers whether it applied.
    // The lines call some of them one by one.
    bool ObserveCaughtSpecialCard(int seat);
    bool ObserveClubOber(int seat);
    bool ObserveSignalLead(int seat);
    bool ObserveHeartTen(int seat);
    bool ObserveDiscardedPoints(int seat);
    bool ObserveRuffOfMaster(int seat);
    bool ObserveTrumpOvertake(int seat);
    bool ObserveEarlyDiamondAceLead(int seat);
    bool ObserveRepeatedPoints(int seat);
    // Partner analysis before a decision, and the inference at the end of a trick (called while
    // the finished trick's cards are still in trickCards).
    void AnalysePartners(int seat);
    void InferPartiesAfterTrick(int trickLeader, int trickWinner);
    void FindTrumpTrickEvidence(int trickLeader, int trickWinner);
    int FindSignalLeads(int* partner);
    // Card-play predicates for the seat to move.
    bool IsPartnerStillToPlay();
    bool IsOpponentStillToPlay();
    bool FollowsPartner();
    bool IsTrickSafeForPartner();
    bool IsTrickSafeForParty();
    bool GetBestTrumpSoFar(int* card);
    bool GetPartyBestTrump(bool first, int* card);
    bool WasPlayedBySeat(int seat, int card, bool asLeader);
    bool HasGroupMismatchInTricks(int seat);
    bool IsAnnouncedByParty(int seat);
    bool MayHoldGroup(int seat, int group);
    bool CountGroupHolders(int* holders, bool* anyOpponent, int group);
    bool AreSuitEstimatesBelow(int group, int bound);
    int CountOpponentsLikelyVoid(int seat, int group, int* listed);
    bool MayStillTrump(int seat);
    bool AssessSuitLead(int group);
    bool HoldsUnbeatenCard(int group, int card);
    bool HoldsTrumpAceOrTen();
    bool HasOnlyFullSideCards(int seat);
    // Card memory: what the table can tell about the hands of the seats. The estimates are
    // updated after every card; an estimate of 100 (known void) stays until the next deal.
    int CountHigherCardsOut(int seat, int card); // 0: the card is master
    bool CanBeatWithGroup(int card);
    void SetSuitEstimate(int seat, int value, int group);
    void UpdateCeilingCards(int seat);
    bool ObserveAceOnTrumpedTrick(int seat);
    void UpdateEstimatesAfterCard();
    int EstimateTopCard(int seat, int group);
    int GetSuitCount(int seat, int group); // -1: no answer
    int EstimateSuitCount(int seat, int group);
    int EstimateSuitMaximum(int seat, int group);
    int GetTimingEvidence(int seat, int group); // -1, or the play-time mark 0 or 1
    // Hand values for announcing.
    int CountSideCards(int seat, int* sideCards);
    static int TakeHighPoints(int& aces, int& tens, int& kings);
    int RateAnnouncementHand(int seat); // card points

    // Trick counting and trump strength (the mover is the seat to move).
    int CountPlainLosers(int seat);
    int CountFreeTricks(int seat);
    int FindChangedSuit(int seat); // -1: none
    bool CanTakeRestWithTrumps(int seat);
    bool CheckNullGameSuits();
    int CountFreeTrumps();
    int CountHigherInHand(int seat, int card); // -1: the card is no trump
    bool HasMoreHighTrumps(int seat);
    bool HasEnoughTrumpsLeft();
    int CountSureTricksInGroup(int seat, int group);
    bool MayBeOvertrumped(int card, int trumpCount);
    bool EvaluateTrumpLead(bool allowWithoutSureTricks, int group);
    // Basic plays: each plays one legal card of the seat to move and answers true, or changes
    // nothing and answers false.
    bool PlayHighestOfGroup(int seat, int group);
    bool PlaySecondHighestOfGroup(int seat, int group);
    bool PlayLowOfGroup(int seat, int group);
    bool PlayLowTrump(int seat);
    bool PlaySingletonAce(int seat);
    bool PlaySingletonSideAce(int seat, bool skipHearts);
    bool LeadFromSuitWithoutAceOrTen(int seat);
    bool LeadFromSuitWithGuardedTen(int seat);
    bool LeadFromSuitWithOneAceLeft(int seat);
    bool LeadFromSuitWithBothAces(int seat);
    bool PlayLowCardNineToKing(int seat);
    bool PlayLowestPointSideCard(int seat);
    bool PlaySureWinner(int seat, bool flag);
    bool PlayIfHeldPointLead(int seat, int card);
    bool PlayFromDealtSingleton(int seat);
    bool PlayTowardLikelyPartner(int seat);
    bool LeadForPartnerRuff(int seat);
    // Trump plays: leading and following in trumps. The card is the card to beat (a card that
    // is no trump is beaten by any trump).
    bool LeadTrumpFromStrength(int seat);
    bool LeadFromSureTrumpRun(int seat);
    bool LeadLastTrump(int seat);
    bool LeadTrumpIfNoOpponents(int seat, bool plain);
    bool LeadTrumpEarly(int seat);
    bool PlayTrumpByEstimate(int seat, bool strict, bool lenient);
    bool LeadForPartnerAce(int seat, int card);
    bool PlayTrumpForPartner(int seat);
    bool PlayHighTrumpOver(int seat, int card, bool allowMaster);
    bool PlayHighTrumpPair(int seat, int card, bool pairMode);
    bool PlayTopTrumpIfHigh(int seat, int card);
    bool PlayMiddleTrump(int seat, int card);
    bool PlayTrumpInEndgame(int seat, int card);
    bool PlaySmallTrumpCheap(int seat, bool anyPoints);
    // Rules of the library that the lines call but do not replace.
    bool PlayPointCardThatWins(int seat, int card);
    bool PlayTowardPointTarget(int seat);
    bool PlayTrumpOnTrick(int seat, int card);
    bool PlayTrumpUnderRisk(int seat, int card);

    // The card exchange: the asking seat's trumps against the receiving seat's cards. The out
    // count tells how many trumps the receiver had to return.
    int CopyTrumpsOut(int seat, std::uint8_t* trumps); // answers the seat's trump count
    void ExchangeCardsSelect(int askingSeat, int receivingSeat, int* outCount);
    void ExchangeCards(int askingSeat, const std::uint8_t* trumps, int count, int receivingSeat,
                       int* outCount);
    // The human's exchange of chosen cards; false (both hands unchanged) for a card a seat
    // does not hold, a count outside 1 to the seats' cards, or one seat twice.
    bool ExchangeCardsReceive(int seatA, const std::uint8_t* cardsA, int count, int seatB,
                              const std::uint8_t* cardsB);
    // Strategy scripts: the scripted card of a strong seat on lead (0 none), one instruction
    // of a record's byte code (answers whether to go on), and the play of the scripted card
    // when it is the seat to move's and legal.
    int RunStrategyScript(int seat);
    bool RunStrategyCode(int seat, int* position, const std::uint8_t* code, int* card);
    bool PlayStrategyCard(int seat);

    // Style learning from the announcements' timing and the cards (seats whose style comes
    // from the rules record).
    void ObserveAnnouncementStyle(int seat);
    // Announcement decisions of the computer seats: the deciders answer the kind to announce
    // now (or -1); the gate holds a wish for its last moment. Styles and modes are the codes
    // of the announcement list.
    bool DecideSoloistAnnouncement(int seat, std::int16_t* kind);
    bool DecideSoloDefenceAnnouncement(int seat, std::int16_t* kind);
    bool DecideReAnnouncement(int seat, std::int16_t* kind);
    bool DecideContraAnnouncement(int seat, std::int16_t* kind);
    bool DecideReWithConventions(int seat, std::int16_t* kind, std::uint8_t* style,
                                 std::uint8_t* mode);
    bool DecideContraWithConventions(int seat, std::int16_t* kind, std::uint8_t* style,
                                     std::uint8_t* mode);
    bool GateAnnouncement(int seat, std::int16_t* kind, bool allowNow);
    static void ClampAnnouncement(std::int16_t* kind, int next, int target);
    bool TestAnnounceMode(int seat, int kind, int mode);
    bool IsStyleMoment(int seat, int style);
    int RateReStyle(int seat, double strength, bool flag);
    int ChooseReStyle(int seat, double strength, bool flag);
    int ChooseContraStyle(int seat, int style);
    double RateAnnounceStrength(int seat, bool flag); // losers; 1000.0 too few trumps
    bool OtherPartyRaised(int seat);
    bool PartnerCallsForLevel(int seat, int extra, int held, bool* now);
    bool PursueStyle(int seat, std::uint8_t* mode, int style);
    void ChooseAnnouncementLevel(int seat, bool flag);
    int ChooseNextLevel(int seat, int level);
    int ChooseLevelWithPartner(int seat, int level);

    // Non-virtual bookkeeping.
    bool PlayCardIfHeld(int seat, int card, int reason);
    // Dry runs nest: BeginDryRun answers the mode it found, and the matching EndDryRun
    // restores it, so an inner dry run never turns an outer one into real play.
    std::int16_t BeginDryRun();
    void EndDryRun(int seat, std::int16_t savedMode);
    void AppendPlayLog(int seat, int card, int reason);
    int GetGroupStart(int seat, int group);
    int GetGroupEnd(int seat, int group);
    void ComputeRankStats(SeatBlock& block);
    void RecordPlayedPlace(int seat, int card, int place);
    int GetNextUnplayedCard(int card);
    int CountTopTrumpPlaces(int seat);
    // Discarding, leading and the special cards: rules the lines call but do not replace.
    bool TryVoidShortSuit(int seat, int baseValue, int position);
    bool ChooseSingletonDiscard(int seat, bool allowTen);
    bool DiscardLowestCard(int seat);
    bool PlayLeastLikelyWinner(int seat);
    bool LeadLowFromSuitWithoutAce(int seat);
    bool LeadLowFromNineToKing(int seat);
    bool LeadLowSideCardSafely(int seat);
    bool LeadLowSideCard(int seat);
    bool LeadPointsDownFromKing(int seat);
    bool ShouldShowDiamondAces(int seat);
    bool ShouldShowSpecialPair(int seat);
    bool ShowDiamondAceToPartner(int seat);
    // The other seats' signal marks for a suit (0 until the style observer sets them).
    int CountSuitSignals(int seat, int suit);
    void SetDiamondAceSeat(int seat) { diamondAcesSeat = static_cast<std::int16_t>(seat); }
    void SetSpecialPairSeat(int seat) { specialPairSeat = static_cast<std::int16_t>(seat); }

  protected:
    // What the partner-play question knows about the trick before its steps: the card asked
    // about, the mover and its place (three seats count the second place as third), the
    // partners, and the game.
    struct PartnerPlayFacts {
        int card = 0;
        int mover = -1;
        int higher = 0; // cards out above the card
        int group = 0;
        int position = 0;
        int first = -1; // the mover's partners
        int second = -1;
        int profile = 0;
        int next = -1; // the seat after the mover
        bool solo = false;
        bool trump = false;
        bool declaring = false; // the mover is in the declaring party
        bool skat = false;      // the three-seat line
        GameTypeWord skatWord = 0;
    };
    // The steps of ShouldPlayForPartner: second place (after the declarer with two partners,
    // the partner right after, the partner later), third place (the first answers for a trump
    // or a master card, whether the next seat follows, then a plain card, a trump the next
    // seat may still hold, a trump it is void in).
    bool PartnerPlaySecond(const PartnerPlayFacts& f);
    bool PartnerPlayAfterDeclarer(const PartnerPlayFacts& f);
    bool PartnerPlayThird(const PartnerPlayFacts& f);
    int PartnerPlayThirdFirstAnswer(const PartnerPlayFacts& f); // -1: no answer yet
    bool PartnerPlayThirdPlain(const PartnerPlayFacts& f);
    bool PartnerPlayThirdTrump(const PartnerPlayFacts& f);
    bool PartnerPlayThirdTrumpVoid(const PartnerPlayFacts& f);
    float VoidEstimateOf(int seat, int group) const {
        return static_cast<float>(seatEstimates[seat].voidEstimate[group]);
    }
    // Likely void in the group (bounds 65, 75, 75, 80) and very likely holding trumps.
    bool IsLikelyVoidHoldingTrumps(const PartnerPlayFacts& f, int seat, int t1, int t2, int t3,
                                   int t4);
    // Seat a's estimated top trump beats or equals seat b's.
    bool TopTrumpAtLeast(int a, int b);
    // With countLevelTen any announcement counts, else one of a level other than 10.
    bool HasAnnounced(int seat, bool countLevelTen);
    // In the three-seat Grand a seat that may still trump ruffs when it holds one, or when
    // enough trumps are out that it probably does.
    bool MayRuffInGrand(int seat);
    // How many times the suit game's base the declarer's bid reaches (rounded up).
    int DeclarerBidMultiple();
    // The seat-to-move's working lists.
    bool IsMoverPartner(int seat);
    bool IsMoverOpponent(int seat);
    int ListedOpponentCount(); // moverOpponentCount kept within the list's three entries
    // The best trump played so far, of every seat before the mover or of the listed ones.
    bool FindBestTrump(const std::int16_t* seatsCounted, int* card);
    // Whether the observer's real party is the party the seat to move lists the seat in.
    bool IsOnSideOf(int observer, int seat);
    // Moves every seat's belief about the seat that played after it gave a trick to a winner:
    // the winner by winnerStep; with the winner's party known, its side by sideStep and the
    // other side by otherStep, else everybody else by unknownStep.
    void CreditWinner(int seat, int winner, bool knownWinner, int winnerStep, int sideStep,
                      int otherStep, int unknownStep);
    void RefreshTopCards(int seat);
    // The steps of the estimate update after a card of the mover: a discard on a rich trick,
    // a same-rank answer to the leader's Ace or Ten, a master trump follow (three seats).
    void CheckDiscard(int mover, int ledGroup, int playedGroup, int points);
    void CheckSameRankFollow(int mover, int ledGroup);
    void CheckMasterTrumpFollow(int mover, int ledGroup, int playedGroup, int points);
    // Seats other than the seat to move not yet taken for void in the group (estimate < 35).
    int CountOpenSeats(int group);
    // The cards of the group out that an unseen seat may share with the other open seats
    // (0 when the seat is likely void in the group or none are out), and how many seats are
    // open: the common start of the cautious and the generous count.
    int CountSharedOut(int seat, int group, int* open);
    // The part both counts share: no count for a bad seat or group (0), the mover's own count;
    // how many hands share the cards out among the open seats (two or three), and the chance
    // that n of them lie in one of those hands.
    bool IsCountSettled(int seat, int group, int* count);
    int SharingHands(int open);
    float SplitChance(int out, int open, int n);
    int MoverProfile() const;
    // What the Obers of Eichel and Gras and the Heart Tens add to a hand's value.
    int TrumpBonus(const SeatBlock& block);
    // The sizes after the exact walk: the shortcut of a strong seat to move, else the
    // minimum and maximum walks.
    void InferGroupFacts(int seat);
    // The state of the walk down a seat's hand places that the three size walks share: the
    // current group, the unrevealed places counted for it, the number of places.
    struct PlaceWalk {
        int cur = 0;
        int n = 0;
        int places = 0;
    };
    template <class Step> void WalkHandPlaces(int seat, std::int16_t* sizes, Step& step);
    void InferExactGroupSizes(int seat);
    void InferMinGroupSizes(int seat);
    void InferMaxGroupSizes(int seat);
    void FillLastSeatExactSizes();
    // The one door of the basic plays to PlayCard: the card at the place must be a legal card
    // of the seat to move, else the rule declines.
    bool PlayRuleCard(int seat, int place, int reason);
    // The trumps of a seat lie ascending at the end of its sorted hand: k counts from the
    // lowest (0); TrumpAt and TopTrump answer 0 where there is no such trump.
    int TrumpCount(int seat) const {
        return IsSeat(seat) ? seats[seat].groupCount[kTrumpGroup] : 0;
    }
    int TrumpAt(int seat, int k);
    int TopTrump(int seat) { return TrumpAt(seat, TrumpCount(seat) - 1); }
    bool PlayTrumpAt(int seat, int k, int reason);
    // Card X beats card Y when Y is not at least as high as X; a master card has no higher
    // card left out of the seat's sight.
    bool Beats(int card, int other) { return !IsCardHigher(other, card); }
    bool IsMaster(int seat, int card) { return CountHigherCardsOut(seat, card) == 0; }
    int PointsSoFar() { return CountTrickPoints(false); } // card points before the mover
    // Steps of the style learning.
    bool IsStrongForStyle(int seat, int points, double losers);
    std::int16_t& LateStyleLevel(int seat);
    int FindSignalAnswerer(int seat, int winner, int ledGroup, bool winnerTrumped,
                           bool skipDeclaring);
    void ObserveMarriageStyle(int seat, int card);
    void ObserveNoTrumpSignals(int seat, int card);
    // Steps of the announcement decisions.
    bool IsLastMoment(int seat, int kind);
    int CountHeartTensHeld(int seat);
    int TrumpsHeldAndPlayed(int seat);
    int PlayedBySeatCount(int seat, int card); // copies of the card the seat has played
    bool DecideStrongReWithConventions(int seat, std::int16_t* kind, std::uint8_t* style, int next);
    // The steps of the rules that have several.
    bool ChooseMiddleTrumpRank(int seat, bool forced, bool lowestFirst, int* rank, int* suits);
    int FindPairTrump(int seat, int card, bool pairMode);
    bool TryToTakeWithTrump(int seat, int card);
    bool TryToTakeInSuit(int seat, int card);
    bool TrumpToWinInDanger(int seat, int card);
    bool TrumpToWinStrongSeat(int seat, int card);
    bool TrumpToWinByValue(int seat, int card);
    bool FollowInTrumpMain(int seat, int card, bool* lowestIsTen);
    bool FollowInTrumpWithPartner(int seat, bool lowestIsTen);
    bool FollowInTrumpTail(int seat);
    bool TakeTrickForAcesWith(int seat, int card, int aceSuits);
    bool PlayTrumpOnTrickByDryRun(int seat, int card);
    bool PlayTrumpUnderRiskTail(int seat, int card, bool same, bool danger, int trumps);
    // Copies of a card in a seat's hand and among the played cards; the trump suit's Ace when
    // it is a trump (the Fox), else 0.
    int HeldCopies(int seat, int card);
    int PlayedCopies(int card);
    int TrumpSuitAce();
    bool AreSpecialsSettled(int seat, bool foxScores, bool unterScores);
    bool MayShowPairNow(int seat);
    bool ShouldShowPair(int seat, bool canShow);
    bool IsPlainSuit(int group) const;
    bool IsOpponentVoidAbove(int group, int bound);
    double SuitOutShare(int group); // cards of the group out / in the deck; 1.0 without any
    bool PlaySideSuitTops(int seat, bool pairsFirst, bool qualify);
    int LowestOfSuit(int seat, int group); // 0 for the trumps or a suit not held
    bool PlayLastTricksTrumpSecondLast(int seat);
    bool PlayLastTricksTrumpByPartner(int seat);
    // Which suits qualify for the candidate leads (0 without Ace or Ten, 1 guarded Ten, 2 one
    // Ace left, 3 both Aces).
    bool LeadCandidates(int seat, int kind);
    bool SuitQualifiesForLead(int seat, int suit, int kind);
    bool IsAceRule(int seat, int place, int card, int current);
    bool IsLowestTrumpRule(int card);
    // The receiver's places that return cards in an exchange, in order, at most wanted.
    std::vector<int> ReturnPlaces(int seat, int wanted);
    void RefreshAfterExchange(int seatA, int seatB);
    // Steps of the strategy interpreter: a condition with its branch, a card the seat played
    // in an earlier trick, and the cards a group instruction chooses.
    bool RunStrategyCondition(int seat, int* position, const std::uint8_t* code, int* card);
    bool HasPlayedInEarlierTrick(int seat, int card);
    int StrategyGroupChoice(int seat, int groupByte);
    int StrategyGroupCard(int seat, int group);
    int FirstPlainGroup() const { return gameType.trumpSuit == 0 ? 1 : 0; }
    // The places of a hand (and of a place record) in this game: its cards per hand, at most 12.
    int CountHandPlaces() {
        return GetCardsPerHand() < kHandPlaces ? GetCardsPerHand() : kHandPlaces;
    }
    int PlaceGroup(int card) { return card == 0 ? -1 : GetSuitGroup(card); }
    // The group after cur in a sorted hand; the trump suit's own group is always empty.
    int NextPlaceGroup(int cur) const { return cur + 1 == gameType.trumpSuit ? cur + 2 : cur + 1; }
};

// The game object of one table: the whole class chain.
using TrickGame = ComputerPlayer;
