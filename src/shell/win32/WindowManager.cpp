#include "shell/win32/WindowManager.h"

#include "document/win32/GameDocumentWin.h"
#include "games/fourplayer/SchafkopfDocumentController.h"
#include "games/skat/SkatDocumentController.h"
#include "media/win32/MovieList.h"
#include "media/win32/SoundManager.h"
#include "platform/Alerts.h"
#include "platform/Geometry.h"
#include "platform/Random.h"
#include "platform/win32/Movies.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowHelpers.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Edition.h"
#include "shell/OptionRecords.h"
#include "shell/Preferences.h"
#include "shell/Settings.h"
#include "shell/win32/GameFileCommands.h"
#include "shell/win32/SmallDialogs.h"
#include "shell/win32/Startup.h"
#include "shell/win32/TableProcedures.h"
#include "shell/win32/TableServicesWin.h"
#include "shell/win32/Waits.h"
#include "story/win32/RoomPanel.h"
#include "tournament/TournamentDirector.h"
#include "views/win32/SchafkopfTableWin.h"
#include "views/win32/SideWindows.h"

std::int8_t gTableKind = -1;
std::uint8_t gTableOpen = 0;
std::uint8_t gGameDirty = 0;
std::uint8_t gSaveDeferred = 0;
std::uint8_t gUseEditionKind = 1;
std::int16_t gCurrentGameKind = 2;

namespace {

// The open-cards windows of players 1, 2 and 3.
constexpr int kOpenCardsSlots[3] = {4, 5, 14};

// Empties a slot and deletes its pane. The room panel's slot shares the table's window.
void EmptySlot(int slot) {
    gWindowSlots[slot] = nullptr;
    delete gPaneSlots[slot];
    gPaneSlots[slot] = nullptr;
}

// The window goes first and its pane after it: a window may read its pane while it is
// destroyed.
void DestroySlotWindow(int slot) {
    HWND window = gWindowSlots[slot];
    if (window && IsWindow(window))
        DestroyWindow(window);
    EmptySlot(slot);
}

bool AnyFlag(bool a, bool b, bool c) {
    return a || b || c;
}

// Resizes the main window around the table window's client area.
void SizeMainWindowAroundTable(int extraWidth) {
    HWND table = gWindowSlots[kTableSlot];
    if (!table || !gMainWindow)
        return;
    RECT client;
    GetWindowClientRect(table, &client);
    SizeWindow(gMainWindow, client.right - client.left + FrameExtraWidth(false) + extraWidth,
               client.bottom - client.top + FrameExtraHeight(false, true) + 5);
}

int SlotOfWindow(HWND window) {
    for (int slot = 15; slot >= 0; --slot) {
        if (gWindowSlots[slot] == window)
            return slot;
    }
    return -1;
}

} // namespace

TablePane* GetTablePane() {
    return static_cast<TablePane*>(gPaneSlots[kTableSlot]);
}

int GetCurrentGameKind() {
    int kind = gUseEditionKind || !gGameDocument ? GetGameKind() : gGameDocument->header.gameKind;
    gCurrentGameKind = static_cast<std::int16_t>(kind);
    return kind;
}

void ApplyNewGameDefaults() {
    if (DoppelkopfOptions* options = DoppelkopfOptionsRecord()) {
        // Style setting 3 is the additional-information switch.
        if (options->styleSettings[2] && options->announceDelay == 0) {
            options->announceDelay = 20;
            NoteAlert(1600, 180, "");
        }
    }
    if (gSettings) {
        if (gSettings->body.value1836 == 0)
            gSettings->body.value1836 = 1;
        if (gSettings->body.value1838 == 0)
            gSettings->body.value1838 = 100;
    }
}

void NewGame(bool fresh, bool show) {
    gGameDirty = 1;
    if (!gTableOpen && gDirector)
        gDirector->ClearNameList();
    gTableOpen = 1;
    if (gSettings && !gSettings->body.sessionActive) {
        ApplyNewGameDefaults();
        if (fresh) {
            SettingsBody& body = gSettings->body;
            const bool seriesTable =
                body.tableMode == kTableModeLeague || body.tableMode == kTableModeTournament;
            if (seriesTable && (gStoryMode || body.networkGame == 0))
                body.tableMode = kTableModeFourPerson;
            if (gStoryMode) {
                body.networkGame = 0;
                gDirectorRunsTables = 0;
            } else if (seriesTable && body.networkGame == 0) {
                gDirectorRunsTables = 0;
            }
        }
        OpenTableWindow(fresh, show);
        if (QuitRequested())
            return;
        if (gSettings->body.cardSize == kCardSizeMiddle)
            RebuildWindows(false, false, false);
    }
    if (gDirector && !gDirector->serverWindow)
        StartDirectorSeries(fresh, show);
}

void OpenTableWindow(bool fresh, bool show) {
    if (HWND existing = gWindowSlots[kTableSlot]) {
        BringWindowToTop(existing);
        SetPort(existing);
        AttachSideWindows();
        return;
    }
    if (fresh && gSettings)
        gSettings->body.pubState[1] = 0;

    const int kind = GetCurrentGameKind();
    int templateId;
    switch (kind) {
    case -1:
        templateId = kNoGameTableTemplate;
        break;
    case 0:
        templateId = kSkatTableTemplate;
        break;
    case 1:
        templateId = kDoppelkopfTableTemplate;
        break;
    case 2:
        templateId = kSchafkopfTableTemplate;
        break;
    default:
        return;
    }
    // A table whose template is missing is not created.
    HWND table = CreateDialogParamA(gAppInstance, MAKEINTRESOURCEA(templateId), gMainWindow,
                                    TableProcForKind(kind), 0);
    if (!table)
        return;
    if (kind == -1) {
        SizeWindow(gMainWindow, 182, 100);
        return;
    }
    if (kind == 0)
        LoadSkatTablePictures(gMainWindow);

    gTableKind = static_cast<std::int8_t>(kind);
    gFourPlayerTableOpen = kind != 0; // the Skat table counts seats 2 and 3 the other way
    POINT origin = {0, 0};
    ClientToScreen(table, &origin);
    gTableOrigin = origin;
    if (!show)
        ShowWindow(table, SW_HIDE);
    SetPort(table);
    if (gQuickTimeStarted)
        AttachMovieWindow(table, 0, 0);
    gWindowSlots[kTableSlot] = table;

    auto* panel = new RoomPanel;
    panel->InitRoomPanel(gSettings, DoppelkopfOptionsRecord(), SchafkopfOptionsRecord(), 0, table,
                         fresh);
    gPaneSlots[kRoomPanelSlot] = panel;
    gWindowSlots[kRoomPanelSlot] = table;

    if (gGameDocument)
        gGameDocument->SetGameKind(kind);
    InstallTableServices();
    TablePane* pane = nullptr;
    if (kind == 2) {
        // The Skat and Doppelkopf tables come with their games; their templates do not exist
        // yet, so their tables are never created above.
        auto* schafkopf = new SchafkopfTableWin;
        schafkopf->InitSchafkopf(gSchafkopfGame, gSettings, table, gGameDocument,
                                 gUseEditionKind ? 0 : 1, panel, fresh ? 1 : 0);
        if (gGameDocument && gSchafkopfGame)
            gGameDocument->SetRecordHandle(gSchafkopfGame->gameListHandle);
        pane = schafkopf;
    }
    if (QuitRequested()) {
        delete pane;
        return;
    }
    panel->AttachTablePane(pane);
    gPaneSlots[kTableSlot] = pane;

    PlaceWindow(table, kTableSlot);
    RECT bounds = {0, 0, 0, 0};
    if (pane)
        pane->GetBounds(&bounds);
    SizeWindow(table, bounds.right - bounds.left, bounds.bottom - bounds.top + 1);
    if (show)
        ShowWindow(table, SW_SHOW);
    EnableWindow(table, TRUE);
    SetLocalTable(gDirector, pane, 0);
    SizeMainWindowAroundTable(2);
    if (gMainWindow)
        SetFocus(gMainWindow);
}

void KeepTableOnMainWindow() {
    HWND table = gWindowSlots[kTableSlot];
    if (!table || !gMainWindow || IsIconic(gMainWindow))
        return;
    POINT origin = {0, 0};
    ClientToScreen(gMainWindow, &origin);
    SetWindowPos(table, nullptr, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceWindow(HWND window, int slot) {
    if (!gSettings || slot < 0 || slot >= kWindowRectCount)
        return;
    const WindowRect& saved = gSettings->body.windowRects[slot];
    if (saved.top == 0)
        return;
    int left = saved.left;
    int top = saved.top;
    const bool inside = left >= gScreenRect.left - 5 && left < gScreenRect.right + 5 &&
                        top >= gScreenRect.top - 5 && top < gScreenRect.bottom + 5 - 25;
    if (!inside) {
        left = 10;
        top = 40;
    }
    RECT client;
    GetWindowClientRect(window, &client);
    MoveWindow(window, left, top, client.right - client.left, client.bottom - client.top, FALSE);
}

void SaveWindowRect(HWND window, int slot) {
    if (!gSettings || !window || slot < 0 || slot >= kWindowRectCount)
        return;
    RECT frame;
    if (!GetWindowRect(window, &frame))
        return;
    if (slot == kTableSlot)
        OffsetRect(&frame, -frame.left, -frame.top); // the table keeps its size only
    gSettings->body.windowRects[slot] =
        WindowRect{frame.left, frame.top, frame.right, frame.bottom};
}

bool CloseGameWindow(HWND window) {
    if (gEventSoundDepth > 0 || gWaitDepth > 0)
        return false;
    if (window && window == gWindowSlots[kTableSlot]) {
        StopSounds();
        StopAllMovies();
        if (!SettleChangedGame())
            return false;
        if (gGameDocument)
            gGameDocument->CloseFile();
        gTableOpen = 0;
        for (int slot = 15; slot >= 1; --slot) {
            if (gWindowSlots[slot] && gWindowSlots[slot] != window)
                DestroySlotWindow(slot);
        }
        // The table's own destruction saves its size and empties slots 0 and 16.
        DestroyWindow(window);
        EmptySlot(kTableSlot);
        EmptySlot(kRoomPanelSlot);
        if (gSkatGame)
            gSkatGame->ResetScoreList();
        SetLocalTable(gDirector, nullptr, 0);
    } else {
        int slot = SlotOfWindow(window);
        ClearOpenCardsShown(window);
        if (window && IsWindow(window))
            DestroyWindow(window);
        if (slot >= 0)
            EmptySlot(slot);
    }
    if (HWND front = FrontWindow())
        SetPort(front);
    return true;
}

bool CloseWindows(bool all) {
    StopSounds();
    HWND active = GetActiveWindow();
    HWND table = gWindowSlots[kTableSlot];
    if ((table && active == table) || all) {
        for (int slot = 0; slot < kWindowSlotCount; ++slot) {
            if (slot == kRoomPanelSlot)
                continue; // closes with the table
            if (gWindowSlots[slot] && !CloseGameWindow(gWindowSlots[slot]))
                return false;
        }
        return true;
    }
    int slot = SlotOfWindow(active);
    if (slot >= 0)
        return CloseGameWindow(active);
    return true;
}

void CloseChildWindows() {
    for (int slot = 1; slot < kWindowSlotCount; ++slot) {
        if (slot != kRoomPanelSlot && gWindowSlots[slot])
            CloseGameWindow(gWindowSlots[slot]);
    }
}

void GoToReception() {
    if (!gWindowSlots[kTableSlot])
        return;
    for (int slot = 1; slot <= 15; ++slot) {
        if (gWindowSlots[slot])
            CloseGameWindow(gWindowSlots[slot]);
    }
    if (TablePane* pane = GetTablePane())
        pane->LeaveTable();
}

void ClosePlayerWindows() {
    for (int slot : kOpenCardsSlots) {
        if (gWindowSlots[slot])
            CloseGameWindow(gWindowSlots[slot]);
    }
    if (gWindowSlots[2])
        CloseGameWindow(gWindowSlots[2]);
}

void RedrawWindows(bool withScoreSlots, bool withDirectorSlots) {
    if (QuitRequested())
        return;
    HWND port = nullptr;
    GetPort(&port);
    for (int slot = 1; slot < kWindowSlotCount; ++slot) {
        HWND window = gWindowSlots[slot];
        if (!window || window == gWindowSlots[kTableSlot])
            continue;
        if ((slot == 3 || slot == 6) && !withScoreSlots)
            continue;
        if ((slot == 7 || slot == 8) && !withDirectorSlots)
            continue;
        if (!InvalidateRect(window, nullptr, FALSE))
            SysBeep(1);
    }
    if (port)
        SetPort(port);
}

void InvalidateAllWindows() {
    for (int slot = 0; slot < kWindowSlotCount; ++slot) {
        if (gWindowSlots[slot] && gPaneSlots[slot])
            InvalidateRect(gWindowSlots[slot], nullptr, FALSE);
    }
}

void RedrawPlayerWindows() {
    for (int slot : kOpenCardsSlots) {
        if (gWindowSlots[slot]) {
            RedrawWindows(false, false);
            return;
        }
    }
}

void UpdateScoreWindows(bool withDirectorSlots) {
    if (!gDirectorRunsTables)
        return;
    for (int slot : {3, 6}) {
        if (gPaneSlots[slot])
            gPaneSlots[slot]->Refresh();
    }
    if (!withDirectorSlots)
        return;
    for (int slot : {7, 8}) {
        if (gPaneSlots[slot])
            gPaneSlots[slot]->Refresh();
    }
}

void UpdateTableTitle() {
    if (Pane* pane = gPaneSlots[kTableSlot])
        pane->UpdateTitle();
}

void RebuildWindows(bool superSmallChanged, bool fullSizeChanged, bool layoutChanged) {
    HWND port = nullptr;
    GetPort(&port);
    if (AnyFlag(superSmallChanged, fullSizeChanged, layoutChanged) && gSettings)
        gSettings->ReloadCardPictures();
    for (int slot : {0, 1, 4, 5, 14}) {
        HWND window = gWindowSlots[slot];
        Pane* pane = gPaneSlots[slot];
        if (!window || !pane)
            continue;
        if (slot == kTableSlot) {
            auto* table = static_cast<TablePane*>(pane);
            if (layoutChanged)
                table->LoadTableGraphics();
            if (superSmallChanged && !fullSizeChanged)
                continue;
        }
        SetPort(window);
        RECT bounds;
        pane->GetBounds(&bounds);
        SizeWindow(window, bounds.right - bounds.left,
                   bounds.bottom - bounds.top + (slot == kTableSlot ? 1 : 0));
        pane->LayoutControls(layoutChanged);
        InvalidateRect(window, nullptr, FALSE);
        if (slot == kTableSlot)
            SizeMainWindowAroundTable(4);
    }
    if (port)
        SetPort(port);
}

void ApplyViewChange(bool layoutChanged, bool superSmallChanged, bool fullSizeChanged, int) {
    HWND port = nullptr;
    GetPort(&port);
    gGameDirty = 1;
    const bool anyFlag = AnyFlag(layoutChanged, superSmallChanged, fullSizeChanged);
    if (Pane* pane = gPaneSlots[kTableSlot]) {
        pane->ApplySettings();
        if (anyFlag)
            RebuildWindows(superSmallChanged, fullSizeChanged, layoutChanged);
        if (gSettings && gSettings->body.tableMode == kTableModePractice) {
            for (int player = 1; player <= 3; ++player) {
                HWND window = gWindowSlots[kOpenCardsSlots[player - 1]];
                if (!window || !gSkatGame)
                    continue;
                char name[kPlayerNameSize];
                gSkatGame->GetPlayerNameC(name, player);
                SetWTitle(window, name);
            }
        } else {
            ClosePlayerWindows();
        }
        if (gWindowSlots[kTableSlot])
            InvalidateRect(gWindowSlots[kTableSlot], nullptr, FALSE);
        RedrawWindows(true, true);
    } else if (anyFlag && gSettings) {
        gSettings->ReloadCardPictures();
    }
    UpdatePlayerMenuNames();
    if (port)
        SetPort(port);
    if (gSettings) {
        const std::int16_t mode = gSettings->body.tableMode;
        gDirectorRunsTables = (mode == kTableModeLeague || mode == kTableModeTournament)
                                  ? 1
                                  : static_cast<std::uint8_t>(gSettings->body.networkGame & 0xFF);
    }
    WritePreferences();
}

void OpenPlayerWindowForSeat(int seat) {
    TablePane* pane = GetTablePane();
    if (!pane)
        return;
    const bool anyShown =
        pane->openCardsShown[0] || pane->openCardsShown[1] || pane->openCardsShown[2];
    if (anyShown && gSettings && gSettings->body.tableMode == kTableModePractice) {
        OpenOpenCardsWindow(1);
        OpenOpenCardsWindow(2);
        if (pane->GetPlayerCount() == 4)
            OpenOpenCardsWindow(3);
        return;
    }
    OpenOpenCardsWindow(pane->GetGameKind() == 0 ? seat : 1);
}

void OpenFirstPlayerWindow() {
    OpenOpenCardsWindow(1);
}

void OpenPlayerWindow(int player) {
    OpenOpenCardsWindow(player);
}

void SetOpenCardsShown(int player) {
    TablePane* pane = GetTablePane();
    if (pane && player >= 1 && player <= 3)
        pane->openCardsShown[player - 1] = 1;
}

void ClearOpenCardsShown(HWND window) {
    TablePane* pane = GetTablePane();
    if (!pane || !window)
        return;
    for (int i = 0; i < 3; ++i) {
        if (gWindowSlots[kOpenCardsSlots[i]] == window)
            pane->openCardsShown[i] = 0;
    }
}

void ShowTheEndBySeat(const TheEndOrder* record, const char* text0, const char* text1,
                      const char* text2, int kind) {
    const int r0 = record->r0;
    const int r1 = record->r1;
    if (r0 == 2 && r1 == 1)
        ShowTheEnd(text0, text1, text2, kind);
    else if (r0 == 2)
        ShowTheEnd(text0, text2, text1, kind);
    else if (r0 == 1 && r1 == 2)
        ShowTheEnd(text1, text0, text2, kind);
    else if (r1 == 2)
        ShowTheEnd(text1, text2, text0, kind);
    else if (r0 == 1)
        ShowTheEnd(text2, text0, text1, kind);
    else
        ShowTheEnd(text2, text1, text0, kind);
}

void NotifyStatisticsChanged(std::int32_t, std::int32_t) {}
void NotifySessionEvent(void*) {}
void NotifyCardPlaced() {}
void NotifyBidValue(void*, std::int32_t) {}
void NotifyTableEvent(int, void*, void*, int, std::int32_t) {}
