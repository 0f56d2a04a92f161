#include "shell/win32/TableProcedures.h"

#include <mmsystem.h>
#include <windowsx.h>

#include <cstdint>

#include "games/fourplayer/DoppelkopfDocumentController.h"
#include "games/skat/SkatDocumentController.h"
#include "media/win32/MovieList.h"
#include "media/win32/SoundManager.h"
#include "platform/Alerts.h"
#include "platform/Geometry.h"
#include "platform/Random.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Input.h"
#include "platform/win32/Movies.h"
#include "platform/win32/Palette.h"
#include "platform/win32/Ports.h"
#include "shell/Edition.h"
#include "shell/OptionRecords.h"
#include "shell/Settings.h"
#include "shell/win32/GameFileCommands.h"
#include "shell/win32/MainWindow.h"
#include "shell/win32/SmallDialogs.h"
#include "shell/win32/WindowManager.h"
#include "story/win32/RoomPanel.h"
#include "tournament/TournamentDirector.h"
#include "views/win32/SchafkopfTableWin.h"
#include "views/win32/SideWindows.h"
#include "views/win32/TablePane.h"

namespace {

enum class TableKind { Skat, Doppelkopf, Schafkopf };

// The common beginning of the three game tables: without a table pane only the menu state
// and the background are answered. Answers true when the message is done (*answer set).
bool TablePrologue(HWND window, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* answer) {
    if (!gPaneSlots[kTableSlot]) {
        *answer = 0;
        if (message == WM_INITMENU)
            UpdateMenus();
        if (message == WM_CTLCOLORDLG)
            *answer = reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
        return true;
    }
    ServeMoviesUnlessIconic(window, message);
    TrackInput(window, message, wParam, lParam);
    return false;
}

// Ends the table window: every slot's rectangle is kept and every pane deleted. Side windows
// are destroyed here too, so that no window outlives its pane; each goes before its pane,
// which it may still read while it is destroyed.
void DestroyTable(HWND window) {
    HWND table = gWindowSlots[kTableSlot];
    for (int slot = 0; slot < kWindowSlotCount; ++slot) {
        HWND slotWindow = gWindowSlots[slot];
        if (!slotWindow)
            continue;
        SaveWindowRect(slotWindow, slot);
        if (slotWindow != table && slotWindow != window && IsWindow(slotWindow))
            DestroyWindow(slotWindow);
        gWindowSlots[slot] = nullptr;
        delete gPaneSlots[slot];
        gPaneSlots[slot] = nullptr;
    }
    if (gSkatGame)
        gSkatGame->ResetScoreList();
    SetLocalTable(gDirector, nullptr, 0);
    DetachMovieWindow(window);
    ReleasePortDC(window);
}

void PaintTable(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    BeginDrawing(dc);
    UsePalette(dc);
    RECT empty = {0, 0, 0, 0};
    if (Pane* pane = gPaneSlots[kTableSlot])
        pane->Draw(&empty);
    EndDrawing();
    EndPaint(window, &paint);
}

// The table pane's mouse operation for move, press and release.
void PassMouse(UINT message) {
    MacPoint point;
    GetMouse(&point);
    if (auto* table = dynamic_cast<SchafkopfTableWin*>(GetTablePane()))
        table->HandleMouseEvent(point.h, point.v, 0, message);
}

// Messages the three game tables handle alike; false for a message left to the caller.
bool HandleCommonMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* answer) {
    Pane* pane = gPaneSlots[kTableSlot];
    *answer = 0;
    switch (message) {
    case WM_DESTROY:
        DestroyTable(window);
        return true;
    case WM_PAINT:
        PaintTable(window);
        return true;
    case WM_ACTIVATEAPP:
        if (wParam)
            pane->InvalidateAll();
        else
            StopAllMovies();
        return true;
    case WM_KEYDOWN: {
        // The arrows as the toolbox's key codes 28 to 31.
        int code = 0;
        switch (wParam) {
        case VK_LEFT:
            code = 28;
            break;
        case VK_RIGHT:
            code = 29;
            break;
        case VK_UP:
            code = 30;
            break;
        case VK_DOWN:
            code = 31;
            break;
        }
        if (code) {
            pane->HandleKey(static_cast<std::int8_t>(code));
            *answer = 1;
        }
        return true;
    }
    case WM_CHAR:
        pane->HandleKey(static_cast<std::int8_t>(static_cast<std::uint8_t>(wParam)));
        *answer = 1;
        return true;
    case WM_DEADCHAR:
        SysBeep(1);
        return true;
    case WM_INITMENU:
        UpdateMenus();
        StopAllMovies();
        return true;
    case WM_CTLCOLORDLG:
        *answer = reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
        return true;
    case WM_CTLCOLORSTATIC:
        if (auto* table = dynamic_cast<TablePane*>(pane)) {
            *answer = reinterpret_cast<INT_PTR>(table->ControlBackground(
                reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        } else {
            *answer = reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
        }
        return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        PassMouse(message);
        return true;
    case WM_LBUTTONDBLCLK: {
        MacPoint point;
        GetMouse(&point);
        pane->HandleClick(point.h, point.v, 1);
        return true;
    }
    case WM_RBUTTONDOWN:
        pane->HandleRightClick();
        return true;
    case WM_MBUTTONDOWN:
        pane->HandleMiddleClick();
        return true;
    case MM_MCINOTIFY:
        HandleSoundNotice(wParam, lParam);
        return true;
    default:
        return false;
    }
}

// "Super Small Cards": the table and the side windows are rebuilt with the other pictures.
void ToggleSuperSmallCards() {
    if (!gSettings)
        return;
    gSettings->body.superSmallCards = gSettings->body.superSmallCards ? 0 : 1;
    ApplyViewChange(true, true, true, 0);
}

// "Show Rule Notes": the Schafkopf table follows the switch of the Schafkopf rules record,
// which the menu's check mark shows; the other tables that of the Doppelkopf record.
void ToggleRuleNotes(TableKind kind) {
    if (kind == TableKind::Schafkopf) {
        if (SchafkopfOptions* options = SchafkopfOptionsRecord())
            options->showRuleNotes = !options->showRuleNotes;
    } else if (DoppelkopfOptions* options = DoppelkopfOptionsRecord()) {
        options->showRuleNotes = !options->showRuleNotes;
    }
    UpdateMenus();
}

void OpenMealBreak() {
    if (!OpenRestaurant(gSettings))
        return;
    if (gWindowSlots[kRoomPanelSlot]) {
        if (auto* panel = static_cast<RoomPanel*>(gPaneSlots[kRoomPanelSlot]))
            panel->ShowCapitalText();
    }
    if (Pane* pane = gPaneSlots[kTableSlot])
        pane->InvalidateAll();
}

INT_PTR PassToRoomPanel(int id) {
    TablePane* pane = GetTablePane();
    if (!pane || !pane->roomPanel)
        return 0;
    pane->roomPanel->HandleRoomCommand(id);
    return 1;
}

// Commands shared by the four-player tables whose ids are the same on both.
bool HandleSharedFourPlayerCommand(int id, TableKind kind) {
    switch (id) {
    case 1202:
        ToggleSuperSmallCards();
        return true;
    case 1203:
        ToggleRuleNotes(kind);
        return true;
    case 1208:
    case 1209:
        SysBeep(1);
        return true;
    case 1210:
        GoToReception();
        return true;
    case 1211:
        OpenMealBreak();
        return true;
    case 1406:
        OpenManualDeal();
        return true;
    case 1412:
    case 1413:
    case 1414:
        OpenOpenCardsWindow(id - 1411);
        return true;
    default:
        return false;
    }
}

INT_PTR SchafkopfCommand(WPARAM wParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    TablePane* pane = GetTablePane();
    switch (id) {
    case 100:
    case 114:
    case 115:
    case 130:
    case 131:
    case 133:
        pane->HandleCommand(id);
        return 1;
    case 116:
        pane->HandleCommand(116);
        RedrawWindows(false, false);
        return 1;
    case 139:
        if (code == CBN_SELENDOK)
            pane->HandleCommand(139);
        return 1;
    case 301:
        pane->Announce(0);
        return 1;
    case 302:
        pane->Announce(1);
        return 1;
    case 303:
        pane->Announce(8);
        return 1;
    case 304:
        pane->Announce(9);
        return 1;
    case 401:
        pane->Suggest();
        return 1;
    case 406:
        pane->SetPhase(1, 0);
        return 1;
    case 407:
        pane->ReplayGame(1);
        return 1;
    case 408:
        ClaimRest();
        return 1;
    case 409:
        pane->GiveUp(0, 0, 0);
        return 1;
    case 502:
        OpenPlayRatingWindow();
        return 1;
    case 503:
        OpenLastTrickWindow();
        return 1;
    case 504:
        OpenCardsPlayedWindow();
        return 1;
    case 505:
        OpenScoreWindow();
        return 1;
    case 508:
        OpenHintsWindow();
        return 1;
    case 1408:
    case 1409:
    case 1410:
    case 1411:
        SysBeep(1);
        return 1;
    default:
        break;
    }
    if (id >= 140 && id <= 147) {
        pane->HandleCommand(id);
        return 1;
    }
    if (id >= 135 && id <= 138)
        return 1;
    if (HandleSharedFourPlayerCommand(id, TableKind::Schafkopf))
        return 1;
    return PassToRoomPanel(id);
}

INT_PTR DoppelkopfCommand(WPARAM wParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    TablePane* pane = GetTablePane();
    switch (id) {
    case 3:
        DoppelkopfAnnounceButton(pane);
        return 1;
    case 100:
    case 101:
    case 102:
    case 114:
    case 115:
        pane->HandleCommand(id);
        return 1;
    case 116:
        pane->HandleCommand(116);
        RedrawWindows(false, false);
        return 1;
    case 117:
        if (code == CBN_SELENDOK)
            pane->HandleCommand(117);
        return 1;
    case 1201:
        pane->Suggest();
        return 1;
    case 1204:
        pane->SetPhase(1, 0);
        return 1;
    case 1205:
        pane->ReplayGame(1);
        return 1;
    case 1206:
        ClaimRest();
        return 1;
    case 1207:
        pane->GiveUp(0, 0, 0);
        return 1;
    case 1308:
        pane->Announce(6);
        return 1;
    case 1309:
        pane->Announce(7);
        return 1;
    case 1402:
        OpenPlayRatingWindow();
        return 1;
    case 1403:
        OpenLastTrickWindow();
        return 1;
    case 1404:
        OpenCardsPlayedWindow();
        return 1;
    case 1405:
        OpenScoreWindow();
        return 1;
    case 1407:
        OpenHintsWindow();
        return 1;
    default:
        break;
    }
    if (id >= 109 && id <= 112) {
        pane->HandleCommand(id);
        return 1;
    }
    if (id >= 105 && id <= 108)
        return 1;
    if (id >= 1301 && id <= 1306) {
        pane->Announce(id - 1301);
        return 1;
    }
    if (id >= 1601 && id <= 1624) {
        pane->HandleDoppelkopfCommand(id);
        return 1;
    }
    if (HandleSharedFourPlayerCommand(id, TableKind::Doppelkopf))
        return 1;
    return PassToRoomPanel(id);
}

// The Skat table's commands as far as they reach the shell before the Skat game is built:
// its buttons and game commands go to the pane, its windows to their openers.
INT_PTR SkatCommand(WPARAM wParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    TablePane* pane = GetTablePane();
    switch (id) {
    case 201:
        pane->HandleCommand(201);
        RedrawWindows(false, false);
        return 1;
    case 202:
    case 203:
    case 205:
    case 206:
    case 212:
    case 213:
    case 214:
    case 215:
        pane->HandleCommand(id);
        return 1;
    case 204:
    case 211:
        if (code == CBN_SELENDOK)
            pane->HandleCommand(id);
        return 1;
    case 207:
        return 1;
    case 701:
        pane->Suggest();
        return 1;
    case 703:
        pane->SetPhase(1, 0);
        return 1;
    case 705:
        pane->ReplayGame(1);
        return 1;
    case 706:
        ClaimRest();
        return 1;
    case 707:
        pane->GiveUp(0, 0, 0);
        return 1;
    case 709:
        StartNextPairing();
        return 1;
    case 710:
        ChangeGameDay();
        return 1;
    case 712:
        GoToReception();
        return 1;
    case 713:
        OpenMealBreak();
        return 1;
    case 801:
        OpenTableWindow(false, true);
        return 1;
    case 802:
        OpenPlayRatingWindow();
        return 1;
    case 803:
        OpenLastTrickWindow();
        return 1;
    case 804:
        OpenCardsPlayedWindow();
        return 1;
    case 805:
        OpenScoreWindow();
        return 1;
    case 807:
        OpenManualDeal();
        return 1;
    case 808:
        OpenPairingsWindow();
        return 1;
    case 809:
        OpenLeagueTableWindow();
        return 1;
    case 810:
        OpenTournamentWindow();
        return 1;
    case 814:
    case 815:
        SetOpenCardsShown(id - 813);
        OpenOpenCardsWindow(id - 813);
        return 1;
    case 1202:
        ToggleSuperSmallCards();
        return 1;
    default:
        return PassToRoomPanel(id);
    }
}

INT_PTR GameTableProc(TableKind kind, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR answer = 0;
    if (TablePrologue(window, message, wParam, lParam, &answer))
        return answer;
    if (HandleCommonMessage(window, message, wParam, lParam, &answer))
        return answer;
    if (message != WM_COMMAND)
        return 0;
    switch (kind) {
    case TableKind::Skat:
        return SkatCommand(wParam);
    case TableKind::Doppelkopf:
        return DoppelkopfCommand(wParam);
    case TableKind::Schafkopf:
        return SchafkopfCommand(wParam);
    }
    return 0;
}

} // namespace

void ServeMoviesUnlessIconic(HWND window, UINT message) {
    if (QuitRequested() || message == WM_COMMAND || IsIconic(window))
        return;
    ServiceMovies(window);
}

INT_PTR CALLBACK NoGameTableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TrackInput(window, message, wParam, lParam);
    switch (message) {
    case WM_DESTROY:
        ReleasePortDC(window);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        UsePalette(dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_INITDIALOG:
        SetPort(window);
        TextFont(3);
        return 1;
    case WM_COMMAND:
        if (LOWORD(wParam) == 1008)
            ReleasePortDC(window);
        return 0;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    default:
        return 0;
    }
}

INT_PTR CALLBACK SkatTableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GameTableProc(TableKind::Skat, window, message, wParam, lParam);
}

INT_PTR CALLBACK DoppelkopfTableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GameTableProc(TableKind::Doppelkopf, window, message, wParam, lParam);
}

INT_PTR CALLBACK SchafkopfTableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The keyboard stays with the table window, never with a button it once gave it to (the
    // dialog would hand it back to its first button, hidden or not).
    if (message == WM_SETFOCUS)
        return TRUE;
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
        SetFocus(window);
        return TRUE;
    }
    return GameTableProc(TableKind::Schafkopf, window, message, wParam, lParam);
}

DLGPROC TableProcForKind(int kind) {
    switch (kind) {
    case -1:
        return NoGameTableProc;
    case 0:
        return SkatTableProc;
    case 1:
        return DoppelkopfTableProc;
    case 2:
        return SchafkopfTableProc;
    default:
        return nullptr;
    }
}

// The Skat table's owner-drawn buttons need their pictures; they come with the Skat table.
void LoadSkatTablePictures(HWND window) {
    SetPort(window);
    TextFont(3);
}

void DoppelkopfAnnounceButton(TablePane* pane) {
    if (!pane || pane->phase != 3)
        return;
    DoppelkopfOptions* options = DoppelkopfOptionsRecord();
    if (!options || !options->announcementsOn || !gDoppelkopfGame)
        return;
    int kind = 0;
    if (!gDoppelkopfGame->MayAnnounce(0, &kind))
        return;
    // The human's party and the highest announcement so far come with the Doppelkopf game;
    // until then no announcement is allowed above (MayAnnounce answers false).
}
