// The Manual Deal window: a modal dialog over the table that hosts the deal pane of the
// table's game. It closes on "Cancel", or on "OK" once the pane has taken the deal.
#include <windows.h>
#include <windowsx.h>

#include <new>

#include "games/fourplayer/DoppelkopfDocumentController.h"
#include "games/fourplayer/SchafkopfDocumentController.h"
#include "games/skat/SkatDocumentController.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Input.h"
#include "platform/win32/ModalDialog.h"
#include "platform/win32/Palette.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowHelpers.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Settings.h"
#include "shell/win32/ManualDealDialog.h"
#include "shell/win32/SmallDialogs.h"
#include "shell/win32/WindowManager.h"
#include "views/win32/SchafkopfDealPane.h"
#include "views/win32/TablePane.h"

namespace {

constexpr int kManualDealDialog = 1611;

DealPaneMaker& Maker() {
    static DealPaneMaker maker;
    return maker;
}

ManualDealPane* SlotPane() {
    return static_cast<ManualDealPane*>(gPaneSlots[kManualDealSlot]);
}

int CardsPerHand(DoppelkopfController* controller) {
    return controller && controller->player ? controller->player->GetCardsPerHand() : 8;
}

ManualDealPane* MakeDealPane(int kind, HWND dialog) {
    if (auto& make = Maker())
        return make(kind, dialog);
    switch (kind) {
    case 0: {
        auto* pane = new (std::nothrow) ManualDealPaneWin;
        if (pane)
            pane->InitSide(gSkatGame, gSettings, dialog, 32, 3);
        return pane;
    }
    case 1:
    case 2: {
        DoppelkopfController* controller = kind == 1
                                               ? static_cast<DoppelkopfController*>(gDoppelkopfGame)
                                               : static_cast<DoppelkopfController*>(gSchafkopfGame);
        DoubleDeckDealPane* pane =
            kind == 1 ? static_cast<DoubleDeckDealPane*>(new (std::nothrow) DoubleDeckDealPaneWin)
                      : new (std::nothrow) SchafkopfDealPaneWin;
        if (pane)
            pane->InitFourSeat(controller, gSettings, dialog, controller,
                               4 * CardsPerHand(controller));
        return pane;
    }
    default:
        return nullptr;
    }
}

// The whole window stays on the screen: moved up or left as far as its saved place would push
// part of it off.
void KeepOnScreen(HWND dialog) {
    RECT frame;
    if (!GetWindowRect(dialog, &frame))
        return;
    int dx = 0, dy = 0;
    if (frame.right > gScreenRect.right)
        dx = gScreenRect.right - frame.right;
    if (frame.bottom > gScreenRect.bottom)
        dy = gScreenRect.bottom - frame.bottom;
    if (frame.left + dx < gScreenRect.left)
        dx = gScreenRect.left - frame.left;
    if (frame.top + dy < gScreenRect.top)
        dy = gScreenRect.top - frame.top;
    if (dx || dy)
        SetWindowPos(dialog, nullptr, frame.left + dx, frame.top + dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void InitManualDeal(HWND dialog) {
    SetPort(dialog);
    TextFont(kFontArial);
    gWindowSlots[kManualDealSlot] = dialog;
    TablePane* table = GetTablePane();
    ManualDealPane* pane = MakeDealPane(table ? table->GetGameKind() : -1, dialog);
    gPaneSlots[kManualDealSlot] = pane;
    RECT frame;
    GetWindowRect(dialog, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    if (gSettings) {
        WindowRect& saved = gSettings->body.windowRects[kManualDealSlot];
        saved.right = saved.left + width;
        saved.bottom = saved.top + height;
    }
    PlaceWindow(dialog, kManualDealSlot);
    SetWindowPos(dialog, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    KeepOnScreen(dialog);
    ShowWindow(dialog, SW_SHOW);
}

void EndManualDeal(HWND dialog, int result) {
    SaveWindowRect(dialog, kManualDealSlot);
    ReleasePortDC(dialog);
    EndDialog(dialog, result);
    gWindowSlots[kManualDealSlot] = nullptr;
    delete SlotPane();
    gPaneSlots[kManualDealSlot] = nullptr;
}

void Paint(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    if (!dc)
        return;
    BeginDrawing(dc);
    UsePalette(dc);
    RECT client;
    GetClientRect(dialog, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (ManualDealPane* pane = SlotPane()) {
        RECT all = {0, 0, 0, 0};
        pane->Draw(&all);
    }
    EndDrawing();
    EndPaint(dialog, &paint);
}

bool HandleDealCommand(HWND dialog, int id) {
    ManualDealPane* pane = SlotPane();
    if (id >= kDealSuitButton && id <= kDealResetButton) {
        if (pane) {
            PortScope port(dialog);
            pane->HandleCommand(id);
        }
        // Enter stays "OK" whichever button was clicked last.
        SendMessageA(dialog, WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(GetDlgItem(dialog, kDealOkButton)), TRUE);
        return true;
    }
    if (id == kDealOkButton || id == IDOK) {
        if (pane) {
            pane->HandleCommand(kDealOkButton);
            if (!pane->dealTaken)
                return true; // the window stays with its layout
        }
        EndManualDeal(dialog, 1);
        return true;
    }
    if (id == kDealCancelButton || id == IDCANCEL) {
        EndManualDeal(dialog, 1);
        return true;
    }
    return false;
}

INT_PTR WhiteBrush() {
    return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

} // namespace

void SetDealPaneMaker(DealPaneMaker maker) {
    Maker() = std::move(maker);
}

INT_PTR CALLBACK ManualDealDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    TrackInput(dialog, message, wParam, lParam);
    ManualDealPane* pane = SlotPane();
    switch (message) {
    case WM_INITDIALOG:
        InitManualDeal(dialog);
        return TRUE;
    case WM_PAINT:
        Paint(dialog);
        return TRUE;
    case WM_ACTIVATEAPP:
        if (wParam && pane)
            pane->InvalidateAll();
        return FALSE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED && LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL)
            return FALSE;
        return HandleDealCommand(dialog, LOWORD(wParam)) ? TRUE : FALSE;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        if (pane)
            pane->HandleMouseEvent(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), 0, message);
        return TRUE;
    case WM_LBUTTONDBLCLK:
        if (pane)
            pane->HandleClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), 1);
        return TRUE;
    case WM_CAPTURECHANGED:
        if (pane && reinterpret_cast<HWND>(lParam) != dialog)
            pane->CancelDrag();
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return WhiteBrush();
    case WM_DESTROY:
        ReleasePortDC(dialog);
        return FALSE;
    default:
        return FALSE;
    }
}

void OpenManualDeal() {
    HWND owner = gWindowSlots[kTableSlot] ? gWindowSlots[kTableSlot] : gMainWindow;
    RunModalDialog(owner, kManualDealDialog, ManualDealDialogProc, 0);
    if (gSettings)
        gSettings->ApplySettings();
}
