// The table window and the side windows: which table to build, the 18 window slots with
// their panes, placing and remembering window rectangles, closing (asking to save the game),
// redrawing and rebuilding after a preference change.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/win32/WindowSlots.h"
#include "records/ProgramFlags.h" // gDirectorRunsTables

class Pane;
class TablePane;

// Slot numbers.
inline constexpr int kTableSlot = 0;
inline constexpr int kManualDealSlot = 12;
inline constexpr int kHintsSlot = 15;
inline constexpr int kRoomPanelSlot = 16;

// Dialog templates of the table window by game kind.
inline constexpr int kNoGameTableTemplate = 1406;
inline constexpr int kSkatTableTemplate = 1406;
// The Doppelkopf table has an id of its own: 1506 is the Stakes dialog.
inline constexpr int kDoppelkopfTableTemplate = 1516;
inline constexpr int kSchafkopfTableTemplate = 1606;

extern std::int8_t gTableKind;       // GameKind of the open table
extern std::uint8_t gTableOpen;      // a game table is open
extern std::uint8_t gGameDirty;      // the running game has unsaved changes
extern std::uint8_t gSaveDeferred;   // a save asked for during a wait; the timer saves
extern std::uint8_t gUseEditionKind; // 0 while a saved game is being opened
extern std::int16_t gCurrentGameKind;

TablePane* GetTablePane(); // pane slot 0 as a table pane, or null

int GetCurrentGameKind();
void NewGame(bool fresh, bool show);
void ApplyNewGameDefaults();
void OpenTableWindow(bool fresh, bool show);

// The table window is a top-level window of its own laid over the main window's client
// area; it moves with the main window.
void KeepTableOnMainWindow();
void PlaceWindow(HWND window, int slot);
void SaveWindowRect(HWND window, int slot);

bool CloseGameWindow(HWND window);
bool CloseWindows(bool all);
void CloseChildWindows();
void GoToReception();
void ClosePlayerWindows();

void RedrawWindows(bool withScoreSlots, bool withDirectorSlots);
void InvalidateAllWindows();
void RedrawPlayerWindows();
void UpdateScoreWindows(bool withDirectorSlots);
void UpdateTableTitle();
void RebuildWindows(bool superSmallChanged, bool fullSizeChanged, bool layoutChanged);
void ApplyViewChange(bool layoutChanged, bool superSmallChanged, bool fullSizeChanged, int zero);

void OpenPlayerWindowForSeat(int seat);
void OpenFirstPlayerWindow();
void OpenPlayerWindow(int player);
void SetOpenCardsShown(int player);
void ClearOpenCardsShown(HWND window);

// The closing box of a series: the three texts in the order the record (r0, r1) gives.
struct TheEndOrder {
    std::int16_t r0;
    std::int16_t r1;
};
void ShowTheEndBySeat(const TheEndOrder* record, const char* text0, const char* text1,
                      const char* text2, int kind);

// Hooks that other parts of the program call at fixed points; they do nothing.
void NotifyStatisticsChanged(std::int32_t a, std::int32_t b);
void NotifySessionEvent(void* event);
void NotifyCardPlaced();
void NotifyBidValue(void* pointer, std::int32_t value);
void NotifyTableEvent(int event, void* game, void* pane, int flag, std::int32_t value);
