// The main window: its procedure, the menu dispatch, the timer tasks and the close.
#pragma once

#include <windows.h>

#include <cstdint>

class RoomPanel;

inline constexpr UINT_PTR kMainTimer = 0;
inline constexpr UINT kTimerMilliseconds = 400;

extern std::uint8_t gQuitting;      // the quit is under way: set once, never cleared
extern std::uint8_t gOpenWithShift; // Open was chosen with Shift held down

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DispatchMenuCommand(HWND window, WPARAM wParam, LPARAM lParam);
void RunTimerTasks();
bool ConfirmClose(HWND window);
void QuitMessageLoop();
void SetRoomGreetingPlayed(RoomPanel* panel, bool flag);

// Forwards a message to the table procedure of the edition's game kind; unknownAnswer for a
// kind without one.
LRESULT ForwardToTable(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT unknownAnswer);

// The web pages of the Help menu, each in an English and a German variant.
enum class WebPage { Order, Updates, Home, Club, MovieDownload };
void OpenWebPage(WebPage page);
