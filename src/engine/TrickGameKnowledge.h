// Second level of the game object: what the table knows beyond the card rules — card memory,
// trick evaluation, announcements, play observers, party inference and strategy libraries.
#pragma once

#include <cstdint>

#include "engine/TrickGameCore.h"

class TrickGameKnowledge : public TrickGameCore {
  public:
    TrickGameKnowledge();
    ~TrickGameKnowledge() override;

    int CountFreshVoidSuits(const std::int16_t* heldCounts, int excludedGroup, int unused,
                            int seat) override;
    void EstimateSureTrumpTricks(int seat, int* sure, int* probable, int* held,
                                 int* rounds) override;
    int EvaluateTrumpValue(int probableTricks, int trumpsHeld, int trumpRounds, int seat) override;
    bool IsSoloType(const GameType& type) override;
    int CountTrickPoints(bool allSeats) override;
    bool StartStrategy() override;
    TrickGameCore* LoadStrategyLibraries() override;
    TrickGameCore* FreeStrategyLibraries() override;

    virtual TrickGameKnowledge* UpdatePlaceRecords();
    virtual void EvaluateGameTypes(int seat, SeatBlock& block, bool forced);
    virtual int GetBestCardSoFar();
    virtual int GetTrickHighCard();
    virtual int CountCardsInHand(int seat, int places);
    virtual bool MayAnnounce(int seat, int kind, std::uint8_t* lastMoment);
    virtual bool CanAddAnnouncement(bool firstParty, int kind);
    virtual bool MakeAnnouncement(int seat, int kind);
    virtual bool GetNextAnnouncement(int seat, std::int16_t* kind);
    virtual void TrackAnnouncementTiming(int seat);
    virtual void ObserveAnnouncement(int seat, int kind);
    virtual void ObserveNormalGameCard(int seat);
    virtual void CountSuitsAndAces(const SeatBlock& block, const GameType& type, int* held,
                                   int* withAce);
    virtual void CountSeatSuitsAndAces(int seat, int* held, int* withAce);
    virtual void CompletePartyList(bool first, std::int16_t* list);
    virtual bool ShouldPlayForPartner(int card, bool trumped);
    virtual bool ShouldContestTrick(int card);
    virtual void CountSureTrumpsWithPartner(int seat, int partner, int* own, int* partners);
    virtual bool HasWinningTopCard(int group);
    virtual bool IsSoloGame();
    virtual bool IsMarriageOpen();
    virtual int CountGroupOut(int group);
    virtual int RateGroupPoints(int group, int seat);
    virtual bool DecideAnnouncement(int seat, std::uint8_t* wait);
    virtual bool MatchStrategyRecord(int seat, Handle library, std::int16_t* recordIndex,
                                     std::int16_t* groupMap);
    virtual Handle GetStrategyLibrary(int seat);
    virtual int GetDeclarerBidValue();

    // A condition of a strategy script (letter A: a card played, B: a group's count); the
    // length of its bytes, the optional 64 included, goes to length.
    bool TestStrategyCondition(int seat, const std::uint8_t* bytes, int* length,
                               const std::int16_t* groupMap);

    // The four-seat game choice and the reservations before play.
    bool CheckExchangeNeed(int seat);
    bool MayAskExchange(int seat) { return CheckExchangeNeed(seat); }
    int IsThrowInAllowed(int seat); // 1 allowed, 0 not
    bool MayThrowIn(int seat) { return IsThrowInAllowed(seat) != 0; }
    // Whether the hand, counting extraTrumps more trumps, is strong enough to play.
    bool EvaluateThrowIn(int seat, int extraTrumps);

    // Card memory: cards of a group or suit played, from the played masks, and held.
    int SumCounts(const SeatBlock& block, int groups);
    int CountRankTrumpsInHand(const SeatBlock& block, GameTypeWord word);
    int CountPlayedInSuit(int suit);
    bool GameHasTrumps();
    int CountPlayedTrumps();
    int CountPlayedInGroup(int group);
    int CountTricksLedBy(int seat);

    // Party beliefs: per observing seat and other seat, -100 (surely not a partner) to 100
    // (surely one); only those two values are final, every other belief stays within -95..95.
    void AdjustBelief(int observer, int seat, int step);
    void SetBelief(int observer, int seat, int target);
    int GetPartyBelief(int observer, int seat);
    // Style pairs of the table conventions (switch set and level above 2).
    bool HasAnnounceOffLeadStyle(int seat);
    bool HasAnnounceOnLeadStyle(int seat);
    bool HasOberLeadStyle(int seat);
    bool HasHeartTenLeadStyle(int seat);
    bool HasDiamondLeadStyle(int seat);
    bool HasDiamondAceStyle(int seat);
    bool HasSpadeQueenStyle(int seat);
    bool HasHeartTenFollowUpStyle(int seat);
    bool HasMarriageLeadStyle(int seat);
    bool HasMarriageSpadeQueenStyle(int seat);
    // The party lists as far as the table knows them, and the seat-to-move's views of them.
    bool IsInFirstParty(int seat);
    bool IsPartyKnown(int seat);
    bool ArePartiesKnown();
    bool SetPartyMember(int seat, bool first);
    void GetPartyList(bool first, std::int16_t* list); // 3 entries
    int GetPartnersOfMover(std::int16_t* partners);    // 2 entries; answers the count
    int GetOpponentsOfMover(std::int16_t* opponents);  // 3 entries; answers the count
    void GetPartyOf(std::int16_t* others, int seat);   // 2 entries
    int GetPartyPoints(int seat);
    int SumCardPoints();
    bool IsListedFirstParty(int seat);
    bool IsListedSecondParty(int seat);
    bool IsListedInPartyView(int seat);
    bool DoesTrickGoToPartner();
    // Announcements of a seat and its party; kinds -1 none.
    void FindAnnouncement(int seat, int* kind, int* level);
    int GetPartnerAnnouncement(int seat);
    int GetAnnouncementThisTrick(int seat);
    int GetHighestAnnouncement(bool first);
    // Announcement bookkeeping: a late party call as a reply to the other party (count = the
    // seat's cards counted from the decision trick), the style of a Re made after a pause, and
    // the style tests of forcing and waiting.
    bool MayReplyWithPartyCall(int seat, int count);
    void UpgradeReStyle(int seat);
    bool HasForcingStyle(int seat);
    bool HasWaitingStyle(int seat);
    // Style learning: a level moves by one within 0..5; a code is recorded for the party of a
    // seat whose style comes from the rules record; the stored loser count as a real number.
    static void StepStyleLevel(std::int16_t& level, bool up);
    void RecordStyleSignal(int seat, int code);
    double GetAnnounceStrength(int seat);

  protected:
    // The steps of EstimateSureTrumpTricks: the rounds of trumps the hand can expect to draw,
    // then down the trumps from the top a tally of held and missing cards: raised top cards of
    // the other party and the Heart Tens, the rank trumps, the trump suit's own cards, and the
    // last adjustment of the sure count toward the rounds.
    struct SureTrumpTally {
        int sure = 0;
        int probable = 0;
        int consumed = 0; // held cards counted
        bool gap = false; // a higher card is missing: later held cards are no longer sure
        // A held card counts; sure tricks only while no higher card is missing.
        void Hold(int n) {
            if (!gap)
                sure += n;
            probable += n;
            consumed += n;
        }
        // A missing card below a held one: it costs a probable trick unless two sure ones
        // stand above it.
        void MissBelow() {
            if (sure < 2 || gap)
                --probable;
            gap = true;
        }
    };
    int EstimateTrumpRounds(int seat, int out, int total);
    void TallyTopTrumps(int seat, SureTrumpTally& tally);
    void TallyRankTrumps(int seat, int rounds, SureTrumpTally& tally);
    void TallyTrumpSuitCards(int seat, int rounds, SureTrumpTally& tally);
    void AdjustSureTrumpTricks(int seat, int held, int rounds, SureTrumpTally& tally);
    // The announcement count as the readers use it (a damaged count is kept within 0..12), the
    // trick from which the deadlines count (shifted: a complete trick settles an open
    // marriage), and the waiting clock cleared.
    int ClampedAnnouncementCount() const;
    int GetDecisionTrick(bool* shifted);
    void ClearAnnounceClock();
    // The level of candidate index (0..25) of the game choice for the block.
    int EvaluateCandidate(int index, SeatBlock& block, bool forced, int seat);
    bool MayTakeCandidate(const SeatBlock& block, int index, int level, bool forced);
    // Pattern matching of the strategy records: a card the seat must hold, and a run of
    // places (a plain suit of exactly that length, or the trumps) answering its group or -1.
    bool HoldsPatternCard(int seat, const std::uint8_t* cards, const std::uint8_t* groups,
                          int place);
    int MatchPatternRun(int seat, const std::uint8_t* cards, const std::uint8_t* groups, int place);
};

// Copies the five fields of an announcement entry.
void CopyAnnouncementEntry(AnnouncementEntry* dst, const AnnouncementEntry* src);
