// The preference dialogs (View, Keyboard, Settings, Sound) and the About box come with the
// preference-dialog work; until then their procedures are absent and the menu says so.
#include "shell/win32/PreferenceDialogs.h"

#include "platform/Alerts.h"
#include "platform/win32/ModalDialog.h"

std::uint8_t gDialogAccepted = 0;

DLGPROC gScreenViewDialogProc = nullptr;
DLGPROC gKeyboardDialogProc = nullptr;
DLGPROC gSoundDialogProc = nullptr;
DLGPROC gAboutDialogProc = nullptr;

namespace {

// "This dialog is not available in this version." (string 1291)
void SayNotAvailable() { NoteAlert(1000, 291, ""); }

}  // namespace

void RunPreferenceDialog(HWND window, int templateId, DLGPROC procedure) {
    gDialogAccepted = 0;
    if (!procedure) {
        SayNotAvailable();
        return;
    }
    RunModalDialog(window, templateId, procedure, 0);
}

void OpenSettingsDialog(HWND, int, int) {
    gDialogAccepted = 0;
    SayNotAvailable();
}
