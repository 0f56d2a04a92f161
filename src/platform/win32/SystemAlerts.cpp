// Boxes are the system's message boxes; the beep is its default sound.
#include <windows.h>

#include "platform/SystemServices.h"
#include "platform/win32/WindowsGlobals.h"

static_assert(kBoxOk == MB_OK && kBoxOkCancel == MB_OKCANCEL && kBoxYesNoCancel == MB_YESNOCANCEL);
static_assert(kBoxIconError == MB_ICONERROR && kBoxIconQuestion == MB_ICONQUESTION &&
              kBoxIconInformation == MB_ICONINFORMATION && kBoxSystemModal == MB_SYSTEMMODAL);
static_assert(kAnswerOk == IDOK && kAnswerCancel == IDCANCEL && kAnswerYes == IDYES &&
              kAnswerNo == IDNO);

int PresentSystemAlert(const AlertBox& box) {
    return MessageBoxA(static_cast<HWND>(box.owner), box.text.c_str(), box.caption.c_str(),
                       box.style);
}

WindowRef MainAlertOwner() {
    return gMainWindow;
}

void PlaySystemBeep() {
    MessageBeep(0);
}
