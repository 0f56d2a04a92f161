// The small dialogs of play: suit names, "The End ...", the start-up notes, the intro, the
// playing-styles comparison, the manual deal, and the two questions of the Skat table before
// a new pairing or another game day. Each frees its pictures whichever way it ends.
#pragma once

#include <windows.h>

inline constexpr int kSuitNamesDialog = 1011;
inline constexpr int kTheEndDialog = 1557;
inline constexpr int kStartupNotesDialog = 1007;
inline constexpr int kIntroDialog = 1006;
inline constexpr int kStylesComparisonDialog = 1012;
inline constexpr UINT kIntroMilliseconds = 80000; // the intro closes by itself after this

inline constexpr int kTheEndTextSize = 64; // 63 characters and the terminator
// The three texts of the last "The End ..." box, cut to fit.
extern char gTheEndTexts[3][kTheEndTextSize];

INT_PTR CALLBACK SuitNamesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK TheEndDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK StartupNotesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK IntroDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK StylesComparisonDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam);

// Answers the dialog's result (1 OK); gDialogAccepted tells the menu to apply the change.
bool ChangeSuitNames();
void SetSuitNameItemsEnabled(HWND dialog, bool flag);
// Copies the texts, plays the event of the kind (8, 1 or any other) and shows the box over
// the table window, or the main window when no table is open.
void ShowTheEnd(const char* text1, const char* text2, const char* text3, int kind);
// False when the player asked not to see the notes again.
bool ShowStartupNotes();
void ShowIntro();
void ComparePlayingStyles();
void OpenManualDeal();

// The questions of the Skat table. AskNewPairing answers false for Cancel and sets *yes.
bool AskNewPairing(bool* yes);
bool ConfirmNextGameDay();
void StartNextPairing();
// Command 710: after a confirmed question the director changes the game day.
void ChangeGameDay();
