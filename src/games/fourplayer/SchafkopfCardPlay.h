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
    // Only partners of the seat to move still play after it in the current trick.
    bool IsLastOfOpponents();
    // The seat's low trump; without trumps in a solo without a trump suit, its low card of
    // the options' suit.
    bool LeadLowTrumpOrLast(int seat);

    // What the trump decision reads of the seat to move and the trick, for the card to beat.
    struct TrumpFacts {
        int seat = -1;
        int n = 0;      // trumps held
        int tricks = 0; // tricks left, the current one included
        int pos = 0;    // place in the trick, 1 leads
        int q = 0;      // points in the trick so far
        int out = 0;    // trumps neither played nor held
        int partner = -1;
        int sure = 0;                              // the seat's sure trump tricks (S)
        int partnerTrumps = 0;                     // the partner's estimated trumps (P)
        int t1 = 0, t2 = 0, top = 0, belowTop = 0; // lowest, second, top and second-top trump
        int c0 = 0, c1 = 0;                        // the first two cards in hand order
        bool two = false;
        bool partnerAfter = false; // a partner plays after the seat
        bool canBeat = false;      // a trump of the seat beats the card
    };
    TrumpFacts ReadTrumpFacts(int seat, int card);

    // --- small tests and plays of the trump decision and the void play (seat to move) ---
    // Whether the seat should still try to take the trick: not when it goes to the partner,
    // unless the seat is the last of the opponents and the partner wants the trick contested.
    bool MayTakeTrick();
    // The seat's first card is worth 10 or more, the trick is the partner's to take and the
    // partner holds trumps: the top trump goes in so that the points stay with the party.
    bool ShouldSacrificeTopTrump(int seat, int card);
    // With open knowledge of the hands: no other seat holds a trump above the seat's top trump.
    bool OpponentsTopTrumpsLower(int seat);
    // The fox can no longer be lost: a solo, no fox rule, or the fox already played.
    bool NoFoxAtRisk();
    // The points of the trick so far, at least 10 when a known opponent holds it.
    int RateTrickPointsForParty(int seat);
    // A skilled last opponent takes the trick with its lowest winning trump when seat and
    // partner hold more than two sure trump tricks together.
    bool PlayLowestWinnerForParty(int seat, int card);
    // Every plain card of the seat is worth less than 10.
    bool HasOnlyLowPoints(int seat);
    // The seat follows a plain-suit lead and holds a card of the suit.
    bool MustFollowPlainSuit(int seat);
    // The card with the point-lead reason when the seat may play it now; false otherwise.
    bool PlayPointLeadIfLegal(int seat, int card);
    // The more valuable of the seat's first two cards (the second only when worth more).
    bool PlayMoreValuableOfFirstTwo(int seat);
    // The void play by place: second or third seat, last seat. Each answers whether it played.
    bool PlayCallGameVoidMiddle(int best);
    bool PlayCallGameVoidLast(int best);
    // Runs a rule in a dry run of its own and answers the card it chose (0 none) with its
    // place and reason; an outer dry run stays on.
    template <class Rule> int DryRunCard(int seat, Rule rule, int* place, int* reason) {
        const std::int16_t savedIndex = dryRunIndex;
        const std::int16_t savedReason = dryRunReason;
        const std::int16_t mode = BeginDryRun();
        dryRunIndex = -1;
        dryRunReason = -1;
        const bool chosen = rule();
        const int card = trickCards[seat];
        *place = dryRunIndex;
        *reason = dryRunReason;
        EndDryRun(seat, mode);
        dryRunIndex = savedIndex;
        dryRunReason = savedReason;
        return chosen && IsCardCode(card) ? card : 0;
    }
    // The top-trump rule of the library never plays in Schafkopf: its test of the rules
    // answers false. Kept as a step so the order of the attempts stays visible.
    bool PlayTopTrumpRule(int) { return false; }
};
