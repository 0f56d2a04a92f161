// The play rating window's pane for the Skat kind, and what the panes of all kinds share: the
// human player's long-run counters in their items, one rating number (100 for an average
// player) and "Delete", which clears the counters after asking. The window adapters fill the
// items of dialog 1554; the drawn variant draws the numbers itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "views/PlayRating.h"
#include "views/win32/Pane.h"

inline constexpr int kPlayRatingSlot = 10;
inline constexpr int kPlayRatingTemplate = 1554;
inline constexpr int kPlayRatingDelete = 232; // the "Delete" button
// Commands of the pane: 1 the default key, 2 clearing.
inline constexpr int kPlayRatingEnter = 1;
inline constexpr int kPlayRatingClear = 2;

class PlayRatingPane : public Pane {
  public:
    ~PlayRatingPane() override;
    void Draw(const RECT* rect) override; // the drawn variant
    void HandleClick(int x, int y,
                     int doubleClick) override; // a click on no value: beep on an item
    void HandleKey(std::int8_t key) override;   // Return and Enter beep
    void HandleCommand(int command) override;
    void UpdateMenus() override; // the window has no menu items

    // The Skat kind reads its counters from the settings; the four-seat kinds from their
    // option record, which the pane does not own.
    virtual void InitSide(GameController* controller, Settings* settings, void* record,
                          HWND window);
    virtual int GetValueCount();
    virtual int GetPictureId();
    virtual int FindValueAt(int x, int y); // 0: no value there
    virtual void InvalidateValue(int index);
    // The rating of the counters; computed again only after the recalculate flag was set.
    virtual float ComputeRating();
    virtual void DrawValue(int x, int y, float value, bool parenthesised);
    virtual void DrawCount(int x, int y, std::int32_t value, bool parenthesised);
    // The counters the window shows, by item, and the item of the rating.
    virtual std::vector<RatingItem> GetItems();
    virtual int GetRatingItem();

    HBITMAP picture = nullptr;    // the window picture; none is loaded on this system
    std::vector<RECT> valueBoxes; // where the drawn variant puts each value (bottom-right)
    float rating = 100;
    std::uint8_t recalculate = 1;

  protected:
    // "Really clear your rating?"; answers whether the player said OK.
    bool AskToClear();
    // After a clear: the rating anew and the window redrawn.
    void ShowCleared();
    // The Win adapters: every counter and the rating written into the dialog's items, read
    // again from the record, so a game booked under the open window shows at once.
    void FillItems();
};

class PlayRatingPaneWin : public PlayRatingPane {
  public:
    void Draw(const RECT* rect) override;
    void InitSide(GameController* controller, Settings* settings, void* record,
                  HWND window) override;
};
