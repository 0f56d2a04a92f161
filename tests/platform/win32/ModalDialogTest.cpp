// The modal dialog runner without a person: a presenter answers outright, or a real dialog
// is run and driven by commands.
#include "platform/win32/ModalDialog.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include "ToolboxTestWindows.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/Input.h"

namespace {

struct DialogLog {
    LPARAM initParameter = 0;
    int commands = 0;
};

INT_PTR CALLBACK LoggingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    TrackInput(dialog, message, wParam, lParam);
    auto* log = reinterpret_cast<DialogLog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<DialogLog*>(lParam)->initParameter = lParam;
        return TRUE;
    case WM_COMMAND:
        if (!log)
            return FALSE;
        ++log->commands;
        if (LOWORD(wParam) == IDOK)
            EndDialog(dialog, 42);
        if (LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

class ModalDialogTest : public testing::Test {
  protected:
    void SetUp() override { parent = MakeTestWindow(50, 50); }
    void TearDown() override {
        SetModalDialogPresenter([](const ModalDialogRequest&) -> INT_PTR { return IDCANCEL; });
        DestroyWindow(parent);
    }
    HWND parent = nullptr;
};

// A dialog that ends itself as soon as it is shown, noting that it was.
bool gShown = false;
INT_PTR CALLBACK EndAtOnceDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG)
        return FALSE;
    gShown = true;
    EndDialog(dialog, 7);
    return TRUE;
}

// With a presenter installed no dialog is shown, even one whose template exists, and the
// presenter's answer is the dialog's result.
TEST_F(ModalDialogTest, ThePresenterAnswersInsteadOfTheDialog) {
    HMODULE commonDialogs = LoadLibraryA("comdlg32.dll");
    ASSERT_NE(commonDialogs, nullptr);
    SetWindowLongPtrA(parent, GWLP_HINSTANCE, reinterpret_cast<LONG_PTR>(commonDialogs));
    SetModalDialogPresenter([](const ModalDialogRequest&) -> INT_PTR { return 42; });
    gShown = false;
    EXPECT_EQ(RunModalDialog(parent, FINDDLGORD, EndAtOnceDialogProc, 0), 42);
    EXPECT_FALSE(gShown);

    SetModalDialogPresenter({}); // the real dialog box
    EXPECT_EQ(RunModalDialog(parent, FINDDLGORD, EndAtOnceDialogProc, 0), 7);
    EXPECT_TRUE(gShown);
    FreeLibrary(commonDialogs);
}

TEST_F(ModalDialogTest, MissingModuleOrProcedureAnswersMinusOne) {
    int presented = 0;
    SetModalDialogPresenter(
        [&presented](const ModalDialogRequest&) -> INT_PTR { return ++presented; });
    EXPECT_EQ(RunModalDialog(parent, 1500, nullptr, 0), -1);
    EXPECT_EQ(RunModalDialog(nullptr, 1500, LoggingDialogProc, 0), -1);
    EXPECT_EQ(presented, 0);
}

TEST_F(ModalDialogTest, PresenterReceivesTheRequest) {
    ModalDialogRequest seen = {};
    SetModalDialogPresenter([&seen](const ModalDialogRequest& request) -> INT_PTR {
        seen = request;
        return IDCANCEL;
    });
    EXPECT_EQ(RunModalDialog(parent, 1504, LoggingDialogProc, 77), IDCANCEL);
    EXPECT_EQ(seen.parent, parent);
    EXPECT_EQ(seen.module, GetModuleHandleA(nullptr));
    EXPECT_EQ(seen.templateId, 1504);
    EXPECT_EQ(seen.procedure, LoggingDialogProc);
    EXPECT_EQ(seen.parameter, 77);
}

// A real dialog from the system's common-dialog module (the documented Find template), so
// the runner is tested on a template that exists whatever the program's resources hold.
TEST_F(ModalDialogTest, RealDialogIsDrivenToItsEnd) {
    HMODULE commonDialogs = LoadLibraryA("comdlg32.dll");
    ASSERT_NE(commonDialogs, nullptr);
    SetWindowLongPtrA(parent, GWLP_HINSTANCE, reinterpret_cast<LONG_PTR>(commonDialogs));
    DialogLog log;
    HWND seenDialog = nullptr;
    char text[256] = {};
    SetModalDialogPresenter([&](const ModalDialogRequest& request) {
        return ShowModalDialogDriven(request, [&](HWND dialog) {
            seenDialog = dialog;
            SetItemText(dialog, "Eichel", edt1);
            GetItemText(dialog, text, edt1);
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
    });
    gMouseFlags.leftDown = 1;
    EXPECT_EQ(RunModalDialog(parent, FINDDLGORD, LoggingDialogProc, reinterpret_cast<LPARAM>(&log)),
              42);
    EXPECT_EQ(log.initParameter, reinterpret_cast<LPARAM>(&log));
    EXPECT_GE(log.commands, 1);
    EXPECT_NE(seenDialog, nullptr);
    EXPECT_FALSE(IsWindow(seenDialog));
    EXPECT_STREQ(text, "Eichel");
    EXPECT_EQ(gMouseFlags.leftDown, 0) << "the dialog's start forgot the press";
    FreeLibrary(commonDialogs);
}

} // namespace
