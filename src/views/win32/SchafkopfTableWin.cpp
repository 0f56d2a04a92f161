#include "views/win32/SchafkopfTableWin.h"

#include <cstring>

#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "media/DeckManager.h"
#include "platform/StringLists.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowsGlobals.h"
#include "records/OptionRecordLayouts.h"
#include "records/ProgramFlags.h"
#include "views/win32/TableServices.h"

namespace {

TablePaintObserver sPaintObserver;

constexpr char kListProcedure[] = "SchafkopfListProcedure";

// The game-type list keeps the focus after a choice by mouse: the characters typed then are
// the table's keys all the same ("+" and "-" step the list), so the list hands them on.
LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(list, kListProcedure));
    if (message == WM_CHAR && GetParent(list))
        return SendMessageA(GetParent(list), WM_CHAR, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropA(list, kListProcedure);
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    }
    return previous ? CallWindowProcA(previous, list, message, wParam, lParam)
                    : DefWindowProcA(list, message, wParam, lParam);
}

} // namespace

void SetTablePaintObserver(TablePaintObserver observer) {
    sPaintObserver = std::move(observer);
}

SchafkopfTableWin::SchafkopfTableWin() {
    for (std::int16_t& code : rowTypes)
        code = -1;
}

void SchafkopfTableWin::InitSchafkopf(SchafkopfController* game, Settings* gameSettings,
                                      HWND tableWindow, void* gameDocument, int phaseFlag,
                                      RoomPanel* panel, int resetClock) {
    SchafkopfTablePane::InitSchafkopf(game, gameSettings, tableWindow, gameDocument, phaseFlag,
                                      panel, resetClock);
    HWND list = window ? GetDlgItem(window, kSoloTypesList) : nullptr;
    if (list && !GetPropA(list, kListProcedure)) {
        const LONG_PTR previous =
            SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProcedure));
        SetPropA(list, kListProcedure, reinterpret_cast<HANDLE>(previous));
    }
    ApplySettings();
}

void SchafkopfTableWin::ApplySettings() {
    PortScope port(window);
    SchafkopfTablePane::ApplySettings();
}

void SchafkopfTableWin::Draw(const RECT* rect) {
    SchafkopfTablePane::Draw(rect);
    if (sPaintObserver)
        sPaintObserver(this);
}

// ---- The game-type list ----------------------------------------------------------------------

void SchafkopfTableWin::EnableGameTypes(GameTypeWord word) {
    FillSoloTypes(word);
}

void SchafkopfTableWin::FillSoloTypes(GameTypeWord word) {
    if (!window)
        return;
    ClearCombo(window, kSoloTypesList);
    for (std::int16_t& code : rowTypes)
        code = -1;
    auto* game = Schafkopf();
    SchafkopfOptions* options = game ? game->schafkopfRules : nullptr;
    std::int16_t rows[kMaxSoloTypeRows];
    const int count = ListSoloTypes(word, SoloTypeChoiceFor(game, options), rows);
    for (int i = 0; i < count && i < kMaxSoloTypeRows; ++i) {
        char text[kStringBufferSize] = {};
        GetIndString(text, kSoloTypeTextList,
                     static_cast<std::int16_t>(SoloTypeTextIndex(rows[i])));
        SendDlgItemMessageA(window, kSoloTypesList, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(text));
        rowTypes[i] = rows[i];
    }
}

int SchafkopfTableWin::SelectedSoloType() {
    if (!window)
        return 0;
    const LRESULT row = SendDlgItemMessageA(window, kSoloTypesList, CB_GETCURSEL, 0, 0);
    if (row < 0 || row >= 28)
        return 0;
    return rowTypes[row] > 0 ? rowTypes[row] : 0;
}

void SchafkopfTableWin::UpdateSuitButtons(int row) {
    const int code = row >= 1 && row <= 28 ? rowTypes[row - 1] : -1;
    SchafkopfTablePane::UpdateSuitButtons(code);
}

// ---- Keys
// ----------------------------------------------------------------------------------------

// The keys act on the program's main window, which a side window may have taken them from.
void SchafkopfTableWin::HandleKey(std::int8_t key) {
    if (gMainWindow && GetActiveWindow() != gMainWindow)
        SetActiveWindow(gMainWindow);
    SchafkopfTablePane::HandleKey(key);
}

// ---- Mouse and drag
// ---------------------------------------------------------------------------------

void SchafkopfTableWin::HandleMouseEvent(int x, int y, int, unsigned message) {
    if (dragging) {
        DragCard(x, y, dragCard);
        if (message == WM_LBUTTONUP)
            EndDrag(x, y);
        return;
    }
    if (message == WM_LBUTTONDOWN)
        FourPlayerTablePane::HandleClick(x, y, 0);
}

// The outline of the dragged card where the pointer moved it; drawn twice it is gone.
void SchafkopfTableWin::DrawDragOutline() {
    if (dragCard < 1 || dragCard > kMaxHandCards)
        return;
    RECT r = ownCardRects[dragCard - 1];
    OffsetRect(&r, dragCurrent.x - dragStart.x, dragCurrent.y - dragStart.y);
    InvertOutline(window, r);
}

void SchafkopfTableWin::DragCard(int x, int y, int index) {
    if (phase != 3) {
        PlayCardAt(x, y, index, 0);
        return;
    }
    if (!dragging) {
        // The press: the drag starts here and holds the mouse until the release.
        if (trickWaiting) {
            if (!controller || !controller->DidHumanWinTrick())
                return;
            HandleCommand(kPutAwayButton);
        }
        dragging = 1;
        dragStart = dragCurrent = {x, y};
        dragCard = static_cast<std::int16_t>(index);
        if (window)
            SetCapture(window);
        DrawDragOutline();
        dragOutlineShown_ = true;
        return;
    }
    if (dragOutlineShown_)
        DrawDragOutline();
    dragCurrent = {x, y};
    DrawDragOutline();
    dragOutlineShown_ = true;
}

void SchafkopfTableWin::EndDrag(int x, int y) {
    if (dragOutlineShown_)
        DrawDragOutline();
    dragOutlineShown_ = false;
    dragging = 0;
    if (window && GetCapture() == window)
        ReleaseCapture();
    RECT card = ownCardRects[dragCard - 1];
    OffsetRect(&card, x - dragStart.x, y - dragStart.y);
    RECT trick = trickPlaces[0], overlap;
    for (const RECT& place : trickPlaces)
        UnionRect(&trick, &trick, &place);
    const bool dropped = IntersectRect(&overlap, &card, &trick) != FALSE;
    PlayCardAt(x, y, dragCard, dropped ? 1 : 0);
}

// ---- Drawing
// -------------------------------------------------------------------------------------------

void SchafkopfTableWin::DrawTableBackground(const RECT* rect, int clip, int tablePhase,
                                            const int cardCounts[4]) {
    HDC dc = GetPortDC();
    HRGN saved = nullptr;
    bool hadClip = false;
    if (clip && dc) {
        saved = CreateRectRgn(0, 0, 0, 0);
        hadClip = GetClipRgn(dc, saved) == 1;
        if (!hadClip && window) {
            RECT client;
            GetClientRect(window, &client);
            IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
        }
    }
    TablePane::DrawTableBackground(rect, clip, tablePhase, cardCounts);
    if (clip && dc) {
        SelectClipRgn(dc, hadClip ? saved : nullptr);
        DeleteObject(saved);
    }
}

void SchafkopfTableWin::AfterDraw() {
    if (!window)
        return;
    for (int item : {141, 131, 130, 145, 135, 136, 137, 138, 146, 147, 133, 140, 142, 144, 143, 114,
                     115, 116, 139}) {
        HWND control = GetDlgItem(window, item);
        if (control && IsWindowVisible(control))
            RedrawItem(window, item);
    }
    RECT client;
    GetClientRect(window, &client);
    ValidateRect(window, &client);
}

// The keyboard stays with the table window: the table's buttons and list keep it only while
// a click on them is handled (the list while it is open); a focused window that is disabled or
// hidden, or none at all while the program is in front, hands it back to the table.
void SchafkopfTableWin::PlayIdleSounds(std::int32_t now, std::int32_t interval, int seats) {
    SchafkopfTablePane::PlayIdleSounds(now, interval, seats);
    if (!window || !gMainWindow || !IsWindowVisible(window))
        return;
    HWND focus = GetFocus();
    if (focus == window)
        return;
    const HWND active = GetActiveWindow();
    const bool front = active == gMainWindow || active == window;
    if (!focus) {
        if (front)
            SetFocus(window);
        return;
    }
    const bool lost = front && !IsWindowEnabled(focus);
    const bool child = IsChild(window, focus) != FALSE;
    const bool listOpen =
        SendDlgItemMessageA(window, kSoloTypesList, CB_GETDROPPEDSTATE, 0, 0) != 0;
    if (lost || (child && !listOpen && GetCapture() == nullptr && !dragging))
        SetFocus(window);
}

void SchafkopfTableWin::FinishScoreList() {
    SchafkopfTablePane::FinishScoreList();
    if (gStoryMode)
        return;
    // New Deal, which ends the list here, still draws on this table when this returns: the
    // table is closed and the next one opened only after that.
    auto next = [] {
        auto& services = GetTableServices();
        if (services.closeWindows && services.closeWindows(true) && services.newGame)
            services.newGame(true, true);
    };
    if (auto& after = GetTableServices().afterCommand)
        after(next);
    else
        next();
}
