#include "platform/win32/ModalDialog.h"

namespace {

ModalDialogPresenter sPresenter;

struct DrivenRun {
    const ModalDialogRequest* request;
    ModalDialogDriver driver;
};

// The run whose dialog has not yet reached its initialisation (the system sends it a few
// messages before WM_INITDIALOG).
DrivenRun* sStartingRun = nullptr;
const char kRunProperty[] = "ModalDialogRun";

UINT DriveMessage() {
    static const UINT message = RegisterWindowMessageA("ModalDialogDrive");
    return message;
}

INT_PTR CALLBACK DrivenProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* run = static_cast<DrivenRun*>(GetPropA(dialog, kRunProperty));
    if (message == WM_INITDIALOG) {
        run = sStartingRun;
        sStartingRun = nullptr;
        SetPropA(dialog, kRunProperty, run);
        PostMessageA(dialog, DriveMessage(), 0, 0);
        return run->request->procedure(dialog, message, wParam, run->request->parameter);
    }
    if (!run)
        run = sStartingRun;
    if (!run)
        return FALSE;
    if (message == DriveMessage()) {
        run->driver(dialog);
        return TRUE;
    }
    if (message == WM_NCDESTROY)
        RemovePropA(dialog, kRunProperty);
    return run->request->procedure(dialog, message, wParam, lParam);
}

} // namespace

INT_PTR RunModalDialog(HWND parent, int templateId, DLGPROC procedure, LPARAM parameter) {
    HINSTANCE module =
        parent ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)) : nullptr;
    if (!module || !procedure)
        return -1;
    ModalDialogRequest request = {parent, module, templateId, procedure, parameter};
    return sPresenter ? sPresenter(request) : ShowModalDialog(request);
}

void SetModalDialogPresenter(ModalDialogPresenter presenter) {
    sPresenter = std::move(presenter);
}

INT_PTR ShowModalDialog(const ModalDialogRequest& request) {
    return DialogBoxParamA(request.module, MAKEINTRESOURCEA(request.templateId), request.parent,
                           request.procedure, request.parameter);
}

INT_PTR ShowModalDialogDriven(const ModalDialogRequest& request, ModalDialogDriver driver) {
    DrivenRun run = {&request, std::move(driver)};
    sStartingRun = &run;
    INT_PTR result = DialogBoxParamA(request.module, MAKEINTRESOURCEA(request.templateId),
                                     request.parent, DrivenProcedure, 0);
    sStartingRun = nullptr;
    return result;
}
