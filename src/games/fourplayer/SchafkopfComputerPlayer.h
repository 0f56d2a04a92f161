// The Schafkopf game object as the table owns it: the top of the Schafkopf chain. It makes a
// seat the seat to move, chooses and plays a computer seat's card by game phase, game group
// and role, books a finished trick, and settles a finished game into the bill that the
// controller and the game list book.
#pragma once

#include <cstdint>

#include "games/fourplayer/GameBill.h"
#include "games/fourplayer/SchafkopfCardPlay.h"

// The game groups of the card play, by the game bits. The Tout and the lead bit of a required
// solo do not change the group.
enum class SchafkopfPlayGroup {
    kPartnerGame, // Call Game, 1st Trick
    kSoloA,       // Trump Solo, Suit Solo, the suit and two- and three-rank solos, You
    kSoloB,       // Jacks Solo, Queens Solo, Kings
    kBeg,
    kAllPassed, // Ramsch, Leaster
    kNone,      // a solo word of no group
};

// The phase of a trick: opening (tricks 1 to 3), middle (up to the end-game trick), end.
enum class SchafkopfPlayPhase { kOpening, kMiddle, kEnd };

class SchafkopfComputerPlayer : public SchafkopfCardPlay {
  public:
    SchafkopfComputerPlayer();

    // --- the game flow the controller asks for, in the engine's order ---
    // The seat to act: the seat to move, no dry run, open knowledge of the hand places for a
    // skilled seat, and its group evaluation for the current game.
    ComputerPlayer* PrepareSeatToMove(int seat) override;
    // Chooses and plays exactly one card of the seat into the current trick; claim is set when
    // the seat's trumps take every remaining trick. When no routine plays, the lowest legal
    // card is played (reason 9).
    ComputerPlayer* ChooseAndPlay(int seat, std::uint8_t* claim) override;
    // Books the full trick: winner, points, trick record, next leader; a led called suit
    // settles the parties; the 1st Trick finds its partner or becomes a Suit Solo. changed
    // tells whether the game type changed.
    ComputerPlayer* EndTrick(std::uint8_t* gameTypeChanged) override;
    // The same operations under the names of the table's flow.
    void SetSeatToAct(int seat) { PrepareSeatToMove(seat); }
    void ChooseAndPlayCard(int seat, std::uint8_t* claim) { ChooseAndPlay(seat, claim); }

    // Stores the item at the bill's item count and counts it; a bill that is full refuses it.
    ComputerPlayer* AddBillItem(void* bill, int kind, int value) override;
    // Fills the whole bill of the finished game (changes potUnits and appends the caught foxes
    // to the bonuses).
    ComputerPlayer* SettleGame(void* bill) override;
    // Makes the seat's bid a solo it must play: its own choice, or a Suit Solo in its longest
    // suit; the word carries the required-solo lead bit.
    ComputerPlayer* ChooseSolo(int seat) override;
    // Fixes declarer, parties and start values. Without a declarer the party flags follow the
    // called card, or without a called suit the party lists the bidding fixed.
    ComputerPlayer* StartPlay(int declarerSeat, bool someoneDeclares, bool reevaluate,
                              int partySeat) override;

    // The phase entries: the partner games go to the level below, the solos, the Beg and the
    // all-passed games to their routines by group and role.
    void PlayOpeningPhase(int seat) override;
    void PlayMiddlePhase(int seat) override;
    void PlayEndPhase(int seat) override;

    // Whether the seat's hand, over its first cards-per-hand places, holds the card.
    virtual bool HoldsCard(int seat, int card);
    // Whether the settlement adds the Extras item.
    virtual bool WantsExtrasItem();

    SchafkopfPlayGroup GetPlayGroup();
    SchafkopfPlayPhase GetPhase(int trick);
    // The seat's role for the fall-back count: declarer, its partner, or the others.
    SchafkopfRole GetRole(int seat);

    // The computer cards the dispatcher chose, and the fall-backs among them, by group, phase,
    // role and the routine that ended without a card; kept over the deals of this object.
    SchafkopfFallbackCounts fallbackCounts;
    // The legal card (IsLegalCard 1) lowest in the game's order: a plain card before a trump,
    // the first in hand order on a tie; 0 when the seat holds none.
    int FindLowestLegalCard(int seat);
    // Plays that card with reason 9; false when there is none.
    bool PlayLowestLegalCard(int seat);

    // The game's base tariff: Ramsch stake after all passed, the partner game, the Beg, You,
    // or the solo stake.
    int GameBaseValue();
    int SchneiderStake();
    int SchwarzStake();
    // The item values without the pot items.
    static int SumBill(const GameBill& bill);

  private:
    void PlayPhase(int seat, SchafkopfPlayPhase phase);
    int CountCardsHeld(int seat);
    // The cards of the card's group that it beats: its rank within the group.
    int RankInGroup(int card);
    void SettleCalledSuitLead();
    void BookFirstTrickGame(int winner, std::uint8_t* changed);
    static std::int16_t ClampToBill(int value);
    void AddItem(GameBill& bill, int kind, int value);
    void CollectFoxCaptures();
    void SettleBeg(GameBill& bill, int declaring, int other);
    void SettleNormalGame(GameBill& bill, int declaring, int other);
    void AddLaufende(GameBill& bill);
    void AddSchneiderSchwarz(GameBill& bill, int points, bool won);
    void AddDoublings(GameBill& bill, int declaring, int other);
    void AddPot(GameBill& bill, bool won);
    void SettleAllPassed(GameBill& bill);
    void SettleRamschOrLeaster(GameBill& bill, bool leaster);
    void AddExtrasItem(GameBill& bill);
    // The seat that loses the Ramsch (most points) or wins the Leaster (fewest points among the
    // seats that took a trick); ties go by tricks, then from the first trick's leader on.
    int FindRamschLoser();
    int FindLeasterWinner();
    bool IsListed(const GameBill& bill, int seat) const;
    bool DeclarerWon();
    static void ListInSeatOrder(GameBill& bill);
};
