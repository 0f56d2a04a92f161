#include "support/TestServices.h"

#include "platform/Alerts.h"
#include "support/AlertRecorder.h"

#ifdef _WIN32
#include "platform/win32/ModalDialog.h"
#include "platform/win32/WindowsGlobals.h"
#endif

void InstallTestServices() {
#ifdef _WIN32
    gAppInstance = GetModuleHandleA(nullptr);
    // No modal dialog waits for a person: each is cancelled unless a test drives it.
    SetModalDialogPresenter([](const ModalDialogRequest&) -> INT_PTR { return IDCANCEL; });
#endif
    InstallAlertRecorder();
    SetSysBeepSilent(true);
}
