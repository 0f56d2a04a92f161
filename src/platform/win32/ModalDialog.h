// The modal dialog runner. Every modal dialog goes through one presenter so that tests can
// run a dialog without a person: answer it outright, or run the real dialog and drive it.
#pragma once

#include <windows.h>

#include <functional>

struct ModalDialogRequest {
    HWND parent;
    HINSTANCE module; // the parent's module, which holds the template
    int templateId;
    DLGPROC procedure;
    LPARAM parameter;
};

// Runs the dialog template of the parent's module; -1 when the parent has no module or the
// procedure is null.
INT_PTR RunModalDialog(HWND parent, int templateId, DLGPROC procedure, LPARAM parameter);

using ModalDialogPresenter = std::function<INT_PTR(const ModalDialogRequest&)>;
// Replaces the presenter; an empty function restores the real dialog box.
void SetModalDialogPresenter(ModalDialogPresenter presenter);

// The real dialog box (DialogBoxParamA).
INT_PTR ShowModalDialog(const ModalDialogRequest& request);
// The real dialog box; driver is called once with the dialog after its initialisation, from
// inside the dialog's own message loop, and ends it by sending it commands.
using ModalDialogDriver = std::function<void(HWND dialog)>;
INT_PTR ShowModalDialogDriven(const ModalDialogRequest& request, ModalDialogDriver driver);
