// The Manual Deal window's panes: the deck in a grid of card cells, each seat's hand as a row
// or columns of places, and cards moved between grid and places by double click or drag. "OK"
// hands the laid-out deal to the game, which replays it. This level is the three-seat form
// (32 cards: three hands of ten and the two-card skat); the four-seat tables derive from it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "views/win32/Pane.h"

inline constexpr int kDealCells = 48;
inline constexpr int kFirstPlaceNumber = 101; // hit numbers: cell i is i + 1, place k is 101 + k

// Item ids of the Manual Deal dialog.
inline constexpr int kDealSuitButton = 200; // 200 to 203, one suit row each
inline constexpr int kDealResetButton = 204;
inline constexpr int kDealOkButton = 205;
inline constexpr int kDealCancelButton = 206;
inline constexpr int kDealLeaderCombo = 207;
inline constexpr int kDealLeaderLabel = 100;

class ManualDealPane : public Pane {
  public:
    ~ManualDealPane() override;

    using Pane::GetBounds;
    void Draw(const RECT* rect) override;
    void HandleClick(int x, int y, int doubleClick) override;
    void HandleKey(std::int8_t key) override;
    void HandleCommand(int id) override;
    void UpdateMenus() override;
    void ReceiveValue(int command) override; // the seat-wise rearranging commands 2001 to 2008

    virtual void InitSide(GameController* game, Settings* paneSettings, HWND paneWindow, int cards,
                          int seats);
    virtual void ClearGrid();
    virtual void BuildDeck(); // the whole deck in the grid, every place empty
    virtual void LoadDeal(const std::uint8_t* source);
    // Both sizes of the window, its frame included: one suit row at a time, or the whole deck.
    virtual void GetBounds(RECT* compact, RECT* full);
    virtual void GetGridArea(RECT* area);
    virtual void LayoutGrid();
    virtual void LayoutPlaces();
    virtual bool IsComplete();
    virtual void DrawGrid();
    virtual void DrawPlaces();
    virtual void MoveCard(int x, int y, int from, int to, bool quick);
    virtual void DragCard(int x, int y, int from);
    // The cell or place number under the point, or 0. Picking up answers only a card; dropping
    // only a place that is empty (or any shown cell).
    virtual int HitTest(int x, int y, bool pickUp);
    // The window's mouse messages (move, press, release); only the adapters drag.
    virtual void HandleMouseEvent(int x, int y, int flag, unsigned message);
    // The window lost the mouse: a drag ends where it started.
    virtual void CancelDrag();

    // The places each seat owns.
    int PlacesPerSeat() const { return seatCount > 0 ? cardCount / seatCount : 0; }
    // The first and the count of the grid cells drawn and hit now.
    void ShownCells(int* first, int* count) const;
    // The rectangle of a cell or place number; empty for 0.
    RECT RectOf(int number) const;
    // The card on a cell or place number; null for 0.
    std::uint8_t* CardAt(int number);
    // Writes the seat's name at the left of the box, shrinking the font and then ending the
    // name in "..." until it fits the box's width.
    void DrawFittedName(const char* name, const RECT& box);
    // Puts the buttons and the first-leader list where the layout leaves room for them.
    virtual void PlaceItems();
    // The seat the first-leader list starts at.
    virtual int FirstLeader();
    // The leader chosen in the list.
    int ChosenLeader();

    std::uint8_t gridCards[kDealCells] = {};
    std::uint8_t placedCards[kDealCells] = {};
    std::uint8_t fullGrid = 0;
    std::int16_t shownSuitRow = 0;
    std::uint8_t smallCardsLoaded = 0;
    RECT cellSize = {0, 0, 0, 0};
    RECT cellRects[kDealCells] = {};
    RECT placeRects[kDealCells] = {};
    std::int16_t cardCount = 32;
    std::int16_t seatCount = 3;
    // Set by "OK" when the deal was taken; the window closes only then.
    std::uint8_t dealTaken = 0;

  protected:
    void InvalidateNumber(int number);
    // Hands the complete deal to the game; the three-seat game takes it with the Skat table.
    virtual void TakeDeal();
};

// The window's drag: the outline of the dragged cell or place follows the pointer while the
// window holds the mouse; the release drops the card where the pane allows it. A release
// outside or a lost capture leaves the card where it was.
struct DealDrag {
    void Step(ManualDealPane& pane, int x, int y, int number);
    void End(ManualDealPane& pane, int x, int y, bool drop);
    void DrawOutline(ManualDealPane& pane);
    // The message-driven mouse of the adapters.
    void HandleMouseEvent(ManualDealPane& pane, int x, int y, unsigned message);

    std::uint8_t dragging = 0;
    POINT start = {0, 0};
    POINT current = {0, 0};
    std::int16_t number = 0;
    bool outlineShown = false;
};

// Shared by the adapters: the keys act on the program's main window first.
void ActivateMainWindow();

// The window adapter of each deal pane: the message-driven drag and keys typed in the window
// acting for the main window.
template <class DealPane> class DealPaneWin : public DealPane {
  public:
    void DragCard(int x, int y, int from) override { drag.Step(*this, x, y, from); }
    void HandleKey(std::int8_t key) override {
        ActivateMainWindow();
        DealPane::HandleKey(key);
    }
    void HandleMouseEvent(int x, int y, int, unsigned message) override {
        drag.HandleMouseEvent(*this, x, y, message);
    }
    void CancelDrag() override { drag.End(*this, 0, 0, false); }

    DealDrag drag;
};

using ManualDealPaneWin = DealPaneWin<ManualDealPane>;
