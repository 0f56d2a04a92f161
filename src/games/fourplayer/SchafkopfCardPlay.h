// The card play of the Schafkopf computer player in the partner games (the Call Game and the
// 1st Trick while its partner is unknown): the phase entries, which split by the seat's place
// in the trick, and the lead, follow and void routines they reach; then the routines of the
// solo and Beg play that the top level reaches by role.
//
// Each routine is an ordered list of attempts and answers whether it played a card (one card
// of the seat to move, through the engine's play operation). The operations keep their order:
// the routines that are not yet written decline, and the dispatcher of the top level then
// plays the lowest legal card.
#pragma once

#include "games/fourplayer/SchafkopfCardChoice.h"
#include "games/fourplayer/SchafkopfFallbacks.h"

class SchafkopfCardPlay : public SchafkopfCardChoice {
  public:
    SchafkopfCardPlay() = default;

    // Whether and with which trump the seat takes part in a trick (card to beat; the flag is
    // set when only a trump lead counts).
    bool PlayTrumpDecision(int seat, int card, bool trumpLeadOnly) override;

    // --- follow and void play, then the phase entries ---
    virtual bool FollowPlainSuit(int led);
    virtual bool FollowOpeningPhase(int led, int best);
    virtual bool FollowMiddlePhase(int led, int best);
    virtual bool FollowEndPhase(int led, int best);
    virtual bool PlayVoidEndPhase(int best);
    // The phases of the partner games: tricks 1 to 3, up to the end-game trick, after it.
    // Each plays the seat's card by whether it leads, can follow or cannot.
    virtual void PlayOpeningPhase(int seat);
    virtual void PlayMiddlePhase(int seat);
    virtual void PlayEndPhase(int seat);

    // --- the partner games: leads and helpers ---
    virtual bool PlayFirstTrickOpening(int seat);
    virtual bool LeadCallGame();
    virtual bool LeadCallGameEndPhase();
    // Also answers the trumps out the lead counts with and whether the opponents are strong
    // in trumps.
    virtual bool TestSkilledTrumpLead(int seat, int* trumpsOut, bool* opponentsStrong);
    virtual bool LeadFromFewTrumps(int seat, int trumpsOut, bool opponentsStrong);
    virtual bool TakeLastTricksByPoints(int seat, int card, bool flag);
    virtual bool TrumpForStrongPartner(int seat, int best, bool trumpLeadOnly);

    // --- the trump decision, the follow of a trump lead and the void play ---
    virtual bool PlayTrumpDecisionSimple(int seat, int card, bool trumpLeadOnly);
    virtual bool KeepHighTrumpForPoints(int seat, int card);
    virtual bool FollowTrumpLead(int led);
    virtual bool FollowTrumpLeadSafe(int best, bool flag);
    virtual bool FollowTrumpLeadDeep(int best);
    virtual bool FollowTrumpLeadOpen(int best);
    virtual bool PlayCallGameVoid(int best);
    virtual bool PlayVoidWithTrump(int best, bool holdsTrumps, int weight, int position);
    virtual bool DiscardByPosition(int best);

    // --- the solos: declarer and defenders ---
    virtual bool PlaySoloDeclarerCard();
    virtual bool PlaySoloDeclarerEndPhase();
    virtual bool PlaySoloDefenderCard();
    virtual bool LeadSoloDeclarer(int seat);
    virtual bool LeadSoloDeclarerEndPhase(int seat);
    virtual bool FollowSoloDeclarer(int best);
    virtual bool FollowSoloDeclarerEndPhase(int best);
    virtual bool DiscardSoloDeclarer(int best);
    virtual bool DiscardSoloDeclarerEndPhase(int best);
    virtual bool LeadSoloDefender(int seat);
    virtual bool FollowSoloDefender(int led);
    virtual bool FollowSoloDefenderPlain(int led);
    virtual bool DiscardWhenVoid(int best);

    // --- the Beg: declarer and defenders ---
    virtual bool PlayBegDeclarerCard();
    virtual bool LeadBegDeclarer();
    virtual bool FollowBegDeclarer(int best);
    virtual bool DiscardBegDeclarer(int best);
    virtual bool PlayBegDefenderCard();
    virtual bool LeadBegDefender(int seat);
    virtual bool FollowBegDefender(int seat, int led);
    virtual bool DiscardBegDefender(int seat, int best);

    // The routine the seat's card was handed to last; the dispatcher books a fall-back to it.
    // A routine that hands the seat on to a narrower one notes that one.
    SchafkopfRoutine activeRoutine = SchafkopfRoutine::kNone;
    void NoteRoutine(SchafkopfRoutine routine) { activeRoutine = routine; }

  protected:
    // The card the trick's leader played, 0 before the lead.
    int LedCard();
};
