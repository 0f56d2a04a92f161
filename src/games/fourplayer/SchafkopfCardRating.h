// The card and suit ratings of the Schafkopf computer player, used by the play of the
// all-passed game (Ramsch, Leaster) and by the card rules above it: how many cards of a group
// are still out above and below a card, and per group how many tricks the seat expects to be
// forced to take there.
//
// The operations keep their order: the levels above replace single ones. Every order-dependent
// answer compares cards by the game's own order (the natural order 7 8 9 10 U O K A in the
// Beg). Risks are sums of whole tricks, so they are compared exactly.
#pragma once

#include <cstdint>

#include "games/fourplayer/SchafkopfComputerBase.h"

// A seat's trumps in hand order: per trump the lower and the higher trumps still out, the
// seat's trump count and the hand index of its first trump (-1 without trumps).
struct SchafkopfTrumpTable {
    static constexpr int kMaxTrumps = 12;
    std::int16_t lowerOut[kMaxTrumps] = {};
    std::int16_t higherOut[kMaxTrumps] = {};
    std::int16_t count = 0;
    std::int16_t firstIndex = -1;
};

inline constexpr int kReasonLowestCard = 9; // "Play the lowest card."
inline constexpr int kReasonHighestCard = 1;
inline constexpr int kReasonThrowOffPoints = 25;
inline constexpr int kReasonSecondLowest = 44;
inline constexpr int kReasonUnderplayTrump = 45;
inline constexpr int kReasonShedSingleton = 46;
inline constexpr int kReasonGiveUpTrick = 47;

class SchafkopfCardRating : public SchafkopfComputerBase {
  public:
    SchafkopfCardRating() = default;

    // The engine's group risk of the seat stays reachable beside the float rating below.
    using ComputerPlayer::RateGroupRisk;

    // Whether and with which trump the seat takes part in a trick: false at this level.
    virtual bool PlayTrumpDecision(int seat, int card, bool trumpLeadOnly);
    // Cards of the card's group above it (below it), unplayed and not in the seat's hand.
    virtual int CountHigherOut(int seat, int card);
    virtual int CountLowerOut(int seat, int card);
    virtual int CountGroupOutSafe(int seat, int group);
    virtual int CountGroupOutAhead(int seat, int group);
    virtual void BuildTrumpTable(int seat, SchafkopfTrumpTable* table);
    virtual bool LeadTrumpIfSafe(int seat, bool second, const SchafkopfTrumpTable& table);
    // risks and indexes: one entry per group 0 to 4.
    virtual bool DiscardSingleton(int seat, const double* risks);
    virtual bool DiscardByRisk(int seat, const double* risks, const int* indexes);
    virtual bool DiscardHighestExcess(int seat, int ledGroup, int trickCard);
    virtual bool PlayBelowCard(int seat, int group, int card);
    virtual int CountDuckCards(int seat, int group);
    virtual int CountAllDuckCards(int seat);
    // The tricks the seat expects to take in the group (-1.0: a plain suit that cannot be
    // ducked safely), and the hand index of the card to play there (-1 none).
    virtual double RateGroupRisk(int seat, int group, int* index, const SchafkopfTrumpTable& table);
    virtual bool LeadAllPassed(int seat);
    virtual bool FollowAllPassed(int seat, int led);
    virtual bool ThrowOffRankToOpponentSuit(int seat, int rankCode);
    virtual bool VoidAllPassed(int seat, int best);
    // The all-passed play of the seat to move: it leads, cannot follow or follows.
    virtual bool PlayAllPassedCard();
    virtual bool PlayAllPassedMiddle();
    virtual bool PlayAllPassedEnd();

  protected:
    // The unplayed cards of the card's group above (or below) it that the seat does not hold.
    int CountOutBeside(int seat, int card, bool above);
    // The seat's hand places of the group, from its lowest card to its highest by the game's
    // order; answers the count (at most kHandPlaces).
    int GroupPlaces(int seat, int group, int* places);
    // Cards of the group neither played nor in the seat's hand.
    int CountOutOfSight(int seat, int group);
    // The risks and indexes of the five groups from a fresh trump table; answers their sum.
    double RateAllGroups(int seat, double* risks, int* indexes, SchafkopfTrumpTable* table);
    // The seat's card at the place with the reason, when it is a legal card of the seat.
    bool PlayPlace(int seat, int place, int reason);
    // The seat's lowest (highest) card of the group with the reason.
    bool PlayLowest(int seat, int group, int reason);
    bool PlayHighest(int seat, int group, int reason);
    // The lowest card of the first group, from the trumps down to Schellen, the seat holds.
    bool PlayLowestFromTrumpsDown(int seat);
    // The position of the seat in the current trick, 1 for the leader.
    int PositionInTrick(int seat);
    // The points of the estimated top card of the group in the seat's hand.
    int EstimatedTopPoints(int seat, int group);
};
