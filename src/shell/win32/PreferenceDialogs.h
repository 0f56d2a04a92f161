// The preference dialogs of the Preferences menu and the About box: About, Screen View,
// Keyboard Layout, Settings with its Stakes and Additional Settings, and Sound Settings.
// Every dialog checks all its fields before it stores any: a refused field keeps the dialog
// open with the field selected and a message, and nothing changes.
#pragma once

#include <windows.h>

#include <cstdint>

struct SchafkopfOptions;

extern std::uint8_t gDialogAccepted; // the last dialog ended with OK

inline constexpr int kAboutDialog = 1500;
inline constexpr int kScreenViewDialog = 1501;
inline constexpr int kKeyboardDialog = 1502;
inline constexpr int kAdditionalSettingsDialog = 1503;
inline constexpr int kSettingsDialog = 1504;
inline constexpr int kSoundDialog = 1505;
inline constexpr int kStakesDialog = 1506;

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ScreenViewDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK KeyboardDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SoundDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK StakesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AdditionalSettingsDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                              LPARAM lParam);

// The procedures the menu runs for this edition.
extern DLGPROC gScreenViewDialogProc;
extern DLGPROC gKeyboardDialogProc;
extern DLGPROC gSoundDialogProc;
extern DLGPROC gAboutDialogProc;

// Runs Settings (1504) for the game kind 2; other kinds only beep. When accepted the view
// change is applied (and the preference file written); every window is redrawn.
void OpenSettingsDialog(HWND window, int gameKind, int parameter);
// Runs a preference dialog on the main window: without its procedure the player is told the
// dialog is not available, and gDialogAccepted stays 0.
void RunPreferenceDialog(HWND window, int templateId, DLGPROC procedure);

// Keyboard: the 17 keys of record B in their edit fields, and back. ReadKeyFields answers
// false (after the message) when a field holds more than one character.
inline constexpr int kOptionKeyCount = 17;
void ShowKeyFields(HWND dialog, const char* keys);
bool ReadKeyFields(HWND dialog, char* keys);
void SetDefaultDialogKeys(HWND dialog);

// Style lists: index v (1 to 16) of the full list and the PlayerProfileCode it stands for.
int StyleCodeForIndex(int v);
int StyleIndexForCode(int code);
// The list starts at its fifth entry in the game rooms 5 to 8.
int StyleListOffset();

// Partner cards: list position 1 to 14 and the CardCode for the trump suit (0 Diamonds,
// 1 Hearts); PartnerCardIndex answers 0 for a code not in the list.
std::int16_t PartnerCardCode(int position, int trumpSuit);
int PartnerCardIndex(int code, int trumpSuit);

// The figure's gender at seat 1 to 3 as the deck manager knows it: 1 female, 2 male, 0 none.
int GetFigureGender(int seat);

// Settings helpers (on the dialog and its working copy of record B).
void ShowSoloGameBits(HWND dialog, const SchafkopfOptions* options);
void EnableRequiredSoloItems(HWND dialog);
void EnableNameStyleVoiceItems(HWND dialog);
void ApplyOfficialRules(HWND dialog, SchafkopfOptions* options, bool on);
void ApplyPartnershipMode(HWND dialog, int modeButton, SchafkopfOptions* options, bool opening);
