// A four-seat level of the game object for the engine's tests: the base line with two copies
// of each card (48 cards, or 40 without nines). It deals sorted hands for a chosen game type
// and books finished tricks, so that whole deals can be played through PlayCard.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "engine/ComputerPlayer.h"
#include "records/OptionRecordLayouts.h"

class TestLevel : public ComputerPlayer {
  public:
    TestLevel();

    // The deck of the current rules: every card code twice, without nines on the short deck.
    virtual std::vector<int> Deck();
    // Sets the game type, deals the shuffled deck, sorts and counts the hands and readies the
    // first trick with the given leader.
    void Deal(std::mt19937& random, int trumpSuit, GameTypeWord word, int firstLeader);
    // Gives a seat the cards as its hand, sorted and counted.
    void GiveHand(int seat, const std::vector<int>& cards);
    // Books the full trick: winner, points, history; the winner leads the next one. The trick's
    // party inference runs before its cards are cleared.
    int FinishTrick();
    // As the game line does when the game type is fixed: a solo has the given seat as declarer
    // and both lists known; any other game has no declarer, and the holders of the Obers of
    // Eichel are the declaring party.
    virtual void SetUpParties(int soloist);
    // A computer seat's decision point: it becomes the seat to move and analyses its partners.
    void PrepareDecision(int seat);
    // The controller's part in the announcements: each seat's loser count at the start of
    // play; before a card the computer seats (style from their profile), from the leader on
    // and skipping one seat, are asked until one announces (answers whether one did); the
    // waiting clock started for a human seat of the second party that signals by waiting,
    // and the time of the computer seats' cards.
    void StartPlay();
    bool CollectAnnouncements(int skippedSeat);
    void StartWaitingClock(int seat);
    void NoteComputerCard();

    DoppelkopfOptions options{};
};
