// The Last Trick window's panes: the trick completed last, each seat's card side by side with
// the seat's name under it, the seat's place in that trick's playing order ("1." ...) at the
// left of the name and the winner's name underlined. Every drawing reads the controller
// again, so the window follows the game. Three seats for Skat, four for the other games.
#pragma once

#include <windows.h>

#include <cstdint>

#include "views/win32/Pane.h"

inline constexpr int kMaxTrickSeats = 4;

class LastTrickPane : public Pane {
  public:
    void GetBounds(RECT* bounds) override; // the content size
    void Draw(const RECT* rect) override;  // the rectangle is not used

    // One picture-order card code per seat; 0 for none.
    virtual void GetTrickCards(std::int16_t* cards);
    // The seats from left to right.
    virtual void SeatOrder(int* seats);
    virtual int GetSeatCount();
    virtual int GetLeader(); // below 0: no trick yet
    virtual int GetWinner();
    // The seat's place in the trick led by leader, length-prefixed: "\x02" "1." ...
    virtual const char* SeatLabel(int seat, int leader);
};

class FourSeatLastTrickPane : public LastTrickPane {
  public:
    void GetTrickCards(std::int16_t* cards) override;
    void SeatOrder(int* seats) override;
    int GetSeatCount() override;
    int GetLeader() override;
    int GetWinner() override;
    const char* SeatLabel(int seat, int leader) override;
};

// The window's panes: the bounds grow by the dialog frame to the whole window's size.
class LastTrickPaneWin : public LastTrickPane {
  public:
    void GetBounds(RECT* bounds) override;
};

class FourSeatLastTrickPaneWin : public FourSeatLastTrickPane {
  public:
    void GetBounds(RECT* bounds) override;
};
