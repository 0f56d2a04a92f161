// The preference dialogs of the Preferences menu and the About box.
#pragma once

#include <windows.h>

#include <cstdint>

extern std::uint8_t gDialogAccepted;  // the last dialog ended with OK

inline constexpr int kAboutDialog = 1500;
inline constexpr int kScreenViewDialog = 1501;
inline constexpr int kKeyboardDialog = 1502;
inline constexpr int kSoundDialog = 1505;

// The dialog procedures; null while a dialog is not available in this version.
extern DLGPROC gScreenViewDialogProc;
extern DLGPROC gKeyboardDialogProc;
extern DLGPROC gSoundDialogProc;
extern DLGPROC gAboutDialogProc;

void OpenSettingsDialog(HWND window, int gameKind, int page);
// Runs a preference dialog on the main window: without its procedure the player is told the
// dialog is not available, and gDialogAccepted stays 0.
void RunPreferenceDialog(HWND window, int templateId, DLGPROC procedure);
