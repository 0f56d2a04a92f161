// The card and suit ratings of the Schafkopf computer player, used by the play of the
// all-passed game (Ramsch, Leaster) and by the card rules above it: how many cards of a group
// are still out above and below a card, and per group how many tricks the seat expects to be
// forced to take there.
//
// The operations keep their order: the levels above replace single ones. Until the all-passed
// play is written the routines that play decline (answer false, play nothing) and the counts
// answer nothing out; the dispatcher of the card play then falls back to the lowest legal card.
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
    virtual bool DiscardSingleton(int seat, const float* risks);
    virtual bool DiscardByRisk(int seat, const float* risks, const int* indexes);
    virtual bool DiscardHighestExcess(int seat, int ledGroup, int trickCard);
    virtual bool PlayBelowCard(int seat, int group, int card);
    virtual int CountDuckCards(int seat, int group);
    virtual int CountAllDuckCards(int seat);
    // The tricks the seat expects to take in the group (-1.0: a plain suit that cannot be
    // ducked safely), and the hand index of the card to play there (-1 none).
    virtual float RateGroupRisk(int seat, int group, int* index, const SchafkopfTrumpTable& table);
    virtual bool LeadAllPassed(int seat);
    virtual bool FollowAllPassed(int seat, int led);
    virtual bool ThrowOffRankToOpponentSuit(int seat, int rankCode);
    virtual bool VoidAllPassed(int seat, int best);
    // The all-passed play of the seat to move: it leads, cannot follow or follows.
    virtual bool PlayAllPassedCard();
    virtual bool PlayAllPassedMiddle();
    virtual bool PlayAllPassedEnd();
};
