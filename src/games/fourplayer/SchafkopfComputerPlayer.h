// The Schafkopf game object as the table owns it: the top of the Schafkopf chain. It settles a
// finished game into the bill that the controller and the game list book.
#pragma once

#include <cstdint>

#include "games/fourplayer/GameBill.h"
#include "games/fourplayer/SchafkopfCardPlay.h"

class SchafkopfComputerPlayer : public SchafkopfCardPlay {
  public:
    SchafkopfComputerPlayer();

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

    // Whether the seat's hand, over its first cards-per-hand places, holds the card.
    virtual bool HoldsCard(int seat, int card);
    // Whether the settlement adds the Extras item.
    virtual bool WantsExtrasItem();

    // The game's base tariff: Ramsch stake after all passed, the partner game, the Beg, You,
    // or the solo stake.
    int GameBaseValue();
    int SchneiderStake();
    int SchwarzStake();
    // The item values without the pot items.
    static int SumBill(const GameBill& bill);

  private:
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
};
