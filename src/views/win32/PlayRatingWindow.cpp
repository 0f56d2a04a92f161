// The play rating window: a modal dialog over the main window in slot 10, with the pane of the
// open table's game kind. It keeps no saved place and passes no keys to the table.
#include <windows.h>

#include <new>

#include "games/fourplayer/SchafkopfController.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Input.h"
#include "platform/win32/ModalDialog.h"
#include "platform/win32/Palette.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowHelpers.h"
#include "platform/win32/WindowSlots.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Settings.h"
#include "views/win32/FourSeatRatingPane.h"
#include "views/win32/PlayRatingPane.h"
#include "views/win32/SideWindows.h"
#include "views/win32/TablePane.h"

namespace {

TablePane* Table() {
    return static_cast<TablePane*>(gPaneSlots[0]);
}

// The pane of the kind over the record its controller keeps the counters in; null when the
// kind has none or there is no memory for it (the window then stays empty and closable).
PlayRatingPane* MakeRatingPane(int kind, GameController* controller) {
    switch (kind) {
    case kRatingKindSkat:
        return new (std::nothrow) PlayRatingPaneWin;
    case kRatingKindDoppelkopf:
        return new (std::nothrow) DoppelkopfRatingPaneWin;
    case kRatingKindSchafkopf:
        if (dynamic_cast<SchafkopfController*>(controller))
            return new (std::nothrow) SchafkopfRatingPaneWin;
        return nullptr;
    default:
        return nullptr;
    }
}

void* RecordOf(int kind, GameController* controller) {
    if (kind == kRatingKindSkat)
        return gSettings;
    if (kind == kRatingKindSchafkopf)
        if (auto* schafkopf = dynamic_cast<SchafkopfController*>(controller))
            return schafkopf->schafkopfRules;
    if (auto* four = dynamic_cast<DoppelkopfController*>(controller))
        return four->fourSeatRules;
    return nullptr;
}

void OpenRating(HWND window) {
    ShowWindow(window, SW_SHOW);
    SetPort(window);
    TextFont(kFontArial);
    gWindowSlots[kPlayRatingSlot] = window;
    TablePane* table = Table();
    const int kind = table ? table->GetGameKind() : -1;
    GameController* controller = table ? table->controller : nullptr;
    PlayRatingPane* pane = MakeRatingPane(kind, controller);
    gPaneSlots[kPlayRatingSlot] = pane;
    if (pane)
        pane->InitSide(controller, gSettings, RecordOf(kind, controller), window);
}

void PaintRating(HWND window, Pane* pane) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (!dc)
        return;
    BeginDrawing(dc);
    UsePalette(dc);
    if (pane) {
        RECT rect = {0, 0, 0, 0};
        pane->Draw(&rect);
    }
    EndDrawing();
    EndPaint(window, &paint);
}

void ForgetRating(HWND window) {
    if (gWindowSlots[kPlayRatingSlot] != window)
        return;
    gWindowSlots[kPlayRatingSlot] = nullptr;
    delete gPaneSlots[kPlayRatingSlot];
    gPaneSlots[kPlayRatingSlot] = nullptr;
}

void CloseRating(HWND window) {
    ReleasePortDC(window);
    EndDialog(window, 1);
    ForgetRating(window);
}

} // namespace

// The counters need the table's controller to clear them, so without a table pane nothing
// opens (the table's menu greys the item then).
void OpenPlayRatingWindow() {
    if (HWND open = gWindowSlots[kPlayRatingSlot]) {
        SelectWindow(open);
        SetPort(open);
        return;
    }
    TablePane* table = Table();
    if (!table)
        return;
    const int kind = table->GetGameKind();
    if (kind < kRatingKindSkat || kind > kRatingKindSchafkopf)
        return;
    RunModalDialog(gMainWindow, kPlayRatingTemplate, PlayRatingProc, 0);
}

INT_PTR CALLBACK PlayRatingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TrackInput(window, message, wParam, lParam);
    Pane* pane = gWindowSlots[kPlayRatingSlot] == window ? gPaneSlots[kPlayRatingSlot] : nullptr;
    switch (message) {
    case WM_INITDIALOG:
        OpenRating(window);
        return TRUE;
    case WM_PAINT:
        PaintRating(window, pane);
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            CloseRating(window);
            return TRUE;
        }
        if (LOWORD(wParam) == kPlayRatingDelete && pane)
            pane->HandleCommand(kPlayRatingClear);
        return FALSE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        ClickSidePane(pane, message);
        return FALSE;
    case WM_DESTROY:
        ReleasePortDC(window);
        ForgetRating(window);
        return FALSE;
    default:
        return FALSE;
    }
}
