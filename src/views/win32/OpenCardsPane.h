// The open-cards windows' panes: the hand one opponent still holds, face up, in one
// overlapped row (own cards full size) or in two rows of half a hand each. Every drawing puts
// the hand into display order and copies it again, so the window follows the game.
#pragma once

#include <windows.h>

#include <cstdint>

#include "views/win32/Pane.h"

class TablePane;

inline constexpr int kMaxOpenCards = 12;

class OpenCardsPane : public Pane {
  public:
    void GetBounds(RECT* bounds) override; // the content size
    void Draw(const RECT* rect) override;  // the rectangle is not used

    // The table pane is the Skat table's (its sort toggle orders the Skat hand); null for the
    // four-seat games. The window is set by the caller afterwards.
    virtual void InitSide(GameController* controller, int player, Settings* settings,
                          TablePane* tablePane, int cardsPerHand);
    // Puts the player's hand into display order in the controller.
    virtual void PrepareHand();

    // The card cell of the current settings, from the origin, and the picture set it was
    // measured from. Refreshes the small-faces and full-size flags.
    RECT CardCell(int* set);
    // Whether the hand is shown as one overlapped row.
    bool OverlappedRow() const;
    // The cards of the player as the controller gives them; places beyond cardsPerHand are 0.
    void CopyPlayerHand(std::uint8_t* cards);

    std::int16_t player = 1;
    TablePane* tablePane = nullptr;
    std::int16_t cardsPerHand = 8;

  protected:
    int cellSet_ = 0; // the picture set of the cell being drawn
};

class FourSeatOpenCardsPane : public OpenCardsPane {
  public:
    // The card is a CardCode; it is drawn as its picture from the cell's set.
    void DrawCard(std::int16_t code, const RECT* rect) override;
    void PrepareHand() override;
};

// The window's panes: the bounds grow by the dialog frame and 2 pixels each way.
class OpenCardsPaneWin : public OpenCardsPane {
  public:
    void GetBounds(RECT* bounds) override;
};

class FourSeatOpenCardsPaneWin : public FourSeatOpenCardsPane {
  public:
    void GetBounds(RECT* bounds) override;
};
