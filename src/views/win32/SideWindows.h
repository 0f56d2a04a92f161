// The side windows around the table (last trick, open cards, cards played, score and the
// series windows): their openers, their dialog procedures and what they share: a window
// lives in its numbered slot with the pane that draws it, is placed at the slot's saved
// corner, routes its messages to the pane and on closing keeps its rectangle and deletes the
// pane. Also the play rating and card-selection hints openers and the table's "Rest Mine".
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/win32/Controls.h"

class Pane;
class ScoreSheetPane;

// Window slots and dialog templates of the side windows.
inline constexpr int kLastTrickSlot = 1;
inline constexpr int kCardsPlayedSlot = 2;
inline constexpr int kScoreSlot = 3;
inline constexpr int kOpenCardsSlot1 = 4;
inline constexpr int kOpenCardsSlot2 = 5;
inline constexpr int kPairingsSlot = 6;
inline constexpr int kLeagueTableSlot = 7;
inline constexpr int kTournamentSlot = 8;
inline constexpr int kOpenCardsSlot3 = 14;

inline constexpr int kLastTrickTemplate = 1550;
inline constexpr int kOpenCardsTemplate = 1551;
inline constexpr int kCardsPlayedTemplate = 1552;
inline constexpr int kScoreTemplate = 1553;
inline constexpr int kTournamentTemplate = 1558;
inline constexpr int kLeagueTableTemplate = 1559;
inline constexpr int kPairingsTemplate = 1560;
inline constexpr int kGameDayCombo = 200; // the pairings window's game-day list

// The player (1 to 3) whose open cards the next open-cards window shows; written by the
// opener just before it creates the window.
extern std::int16_t gOpenCardsPlayer;
// The system belongs to the NT family: the score windows come out 14 pixels narrower there.
extern std::uint8_t gWindowsNT;

// What the side windows ask of the window manager around them: a new window is placed at
// its slot's saved corner, and its rectangle is saved when it closes. The shell installs
// them; an empty one does nothing.
struct SideWindowHost {
    std::function<void(HWND window, int slot)> placeWindow;
    std::function<void(HWND window, int slot)> saveWindowRect;
};
void SetSideWindowHost(const SideWindowHost& host);
const SideWindowHost& GetSideWindowHost();

// The pane of a side window by the table's game kind (0 Skat, 1 Doppelkopf, 2 Schafkopf),
// made and initialised for the new window; null for a kind the window has no pane for. The
// Last Trick window brings its own; the windows whose panes are not built yet have none, and
// while a window has none its opener opens nothing.
using SidePaneMaker = std::function<Pane*(int kind, HWND window)>;
using ScorePaneMaker = std::function<ScoreSheetPane*(int kind, HWND window)>;
void SetOpenCardsPaneMaker(SidePaneMaker maker); // reads gOpenCardsPlayer
void SetCardsPlayedPaneMaker(SidePaneMaker maker);
// For the Score, pairings, league table and tournament windows (slots 3, 6, 7, 8).
void SetScorePaneMaker(int slot, ScorePaneMaker maker);

// Whether the side window a menu item opens (503 Last Trick, 504 Cards Played, 505 Score,
// 502 Play Rating, 508 Hints, 1412 to 1414 open cards) has a pane to show; an item that opens
// nothing answers false.
bool SideWindowAvailable(int menuItem);

void OpenLastTrickWindow();
int OpenOpenCardsWindow(int player); // players 1 to 3; answers the window slot, -1 when none
void OpenCardsPlayedWindow();
void OpenScoreWindow();
void OpenPairingsWindow();
void OpenLeagueTableWindow();
void OpenTournamentWindow();
void OpenPlayRatingWindow(); // nothing opens without a table pane
void OpenHintsWindow();
void ClaimRest();
void PrepareSideWindows(); // empty hooks
void AttachSideWindows();

INT_PTR CALLBACK LastTrickProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK OpenCardsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CardsPlayedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ScoreProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PairingsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK LeagueTableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK TournamentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The play rating (dialog 1554, slot 10), run modally over the main window.
INT_PTR CALLBACK PlayRatingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Applies a scroll-bar code to the bar's position: 0 line up (-1), 1 line down (+1), 2 page
// up (-5), 3 page down (+5); any other code changes nothing. Answers whether the position
// (kept within the bar's range by the bar) changed.
bool ScrollCodeToDelta(ControlRef bar, int code);
// A mouse button message of a side window reaches its pane (if any) as a click where the
// mouse is; a double click is flagged.
void ClickSidePane(Pane* pane, unsigned message);
