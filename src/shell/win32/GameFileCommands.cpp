// The game file commands as far as the saved-game document allows today: saving is put off
// during a wait and otherwise handed to the document with the table's list (the document
// says whether it can save); the menu state and the opponents' names in the menu are
// complete.
#include "shell/win32/GameFileCommands.h"

#include <windows.h>

#include "platform/Alerts.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "document/win32/GameDocumentWin.h"
#include "games/fourplayer/DoppelkopfDocumentController.h"
#include "games/fourplayer/SchafkopfDocumentController.h"
#include "games/skat/SkatDocumentController.h"
#include "net/Network.h"
#include "platform/Handles.h"
#include "platform/StringLists.h"
#include "platform/win32/Menus.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Edition.h"
#include "shell/OptionRecords.h"
#include "shell/Settings.h"
#include "shell/win32/Startup.h"
#include "shell/win32/Waits.h"
#include "shell/win32/WindowManager.h"
#include "tournament/TournamentDirector.h"
#include "views/win32/TableMenuItems.h"
#include "views/win32/TablePane.h"

namespace {

Handle gGameSetup = nullptr; // the director's game-setup block
GameDocumentFactory gDocumentFactory;

// The list the open table keeps its games in: the Skat score list, or the game list of the
// Doppelkopf or Schafkopf controller; null without a table pane or list.
bool TableList(Handle* list) {
    TablePane* pane = GetTablePane();
    if (!pane)
        return false;
    switch (pane->GetGameKind()) {
    case 0:
        if (!gSkatGame)
            return false;
        *list = gSkatGame->listHandle;
        return true;
    case 1:
        if (!gDoppelkopfGame)
            return false;
        *list = gDoppelkopfGame->gameListHandle;
        return true;
    case 2:
        if (!gSchafkopfGame)
            return false;
        *list = gSchafkopfGame->gameListHandle;
        return true;
    default:
        return false;
    }
}

// The games played so far: the count at the head of the list.
std::int32_t ListGameCount(Handle list) {
    if (GetHandleSize(list) < static_cast<std::int32_t>(sizeof(std::int32_t)))
        return 0;
    std::int32_t count = 0;
    std::memcpy(&count, list, sizeof count);
    return count;
}

// The list saved with the game goes to the document.
bool StoreRecordHandle(GameDocumentWin* document) {
    Handle list = nullptr;
    if (!document || !TableList(&list))
        return false;
    document->SetRecordHandle(list);
    return true;
}

GameDocumentWin* MakeDocument() {
    return gDocumentFactory ? gDocumentFactory() : new GameDocumentWin;
}

} // namespace

void SetGameDocumentFactory(GameDocumentFactory factory) {
    gDocumentFactory = std::move(factory);
}

// Between deals the game is not running, yet the games already in the list would be lost
// with the table: the question comes whenever the list holds one.
bool AskSaveGame(bool* save) {
    *save = false;
    TablePane* pane = GetTablePane();
    Handle list = nullptr;
    if (pane && !pane->IsGameRunning() && !(TableList(&list) && ListGameCount(list) > 0))
        return true;
    char text[kStringBufferSize];
    GetIndString(text, 1600, 251);
    const int answer = ShowTextBox(gMainWindow, "", text, MB_ICONQUESTION | MB_YESNOCANCEL);
    *save = answer == IDYES;
    return answer != IDCANCEL;
}

bool SaveGame() {
    if (!GetTablePane())
        return false;
    gSaveDeferred = 0;
    if (gWaitDepth > 0) {
        gSaveDeferred = 1;
        return false;
    }
    if (!gGameDocument || !StoreRecordHandle(gGameDocument))
        return false;
    if (!gGameDocument->SaveAs(GetTablePane()->phase, 0))
        return false;
    gGameDirty = 0;
    return true;
}

bool SaveGameAs() {
    if (!GetTablePane() || !gGameDocument)
        return false;
    StoreRecordHandle(gGameDocument);
    GameDocumentWin* document = MakeDocument();
    if (!document)
        return false;
    document->Reset(gSkatGame, gDoppelkopfGame, gSchafkopfGame, gSettings);
    document->CopyHeader(gGameDocument);
    if (!document->SaveAs(GetTablePane()->phase, 0)) {
        delete document;
        return false;
    }
    if (gSkatGame)
        gSkatGame->document = document;
    if (gDoppelkopfGame)
        gDoppelkopfGame->document = document;
    if (gSchafkopfGame)
        gSchafkopfGame->document = document;
    delete gGameDocument;
    gGameDocument = document;
    gGameDirty = 0;
    return true;
}

bool OpenGame() {
    if (!gGameDocument)
        return false;
    // A document that reads no saved game refuses before the running table is closed: the
    // player keeps the table and learns why nothing opens.
    if (!gGameDocument->ReadsSavedGames())
        return gGameDocument->Open(0);
    if (gTableOpen && !CloseWindows(true))
        return false;
    if (!gGameDocument->Open(0))
        return false;
    const bool loaded = LoadGameFile();
    if (gSettings && gSettings->body.playerVoices[0] < 1)
        gSettings->body.playerVoices[0] = 1;
    return loaded;
}

// Reading a saved game comes with the saved-game document; until then no file is read and
// the program stays without a table, as after a failed read.
bool LoadGameFile() {
    CloseWindows(true);
    gUseEditionKind = 1;
    return false;
}

void UpdateMenus() {
    HMENU menu = gMainMenu;
    if (!menu)
        return;
    SetMenuItemEnabled(menu, 1001, !gTableOpen);
    SetMenuItemEnabled(menu, 1002, true);
    SetMenuItemEnabled(menu, 1406, false);
    if (gSettings)
        SetMenuItemChecked(menu, 1202, gSettings->body.superSmallCards != 0);
    if (gSchafkopfEdition) {
        if (SchafkopfOptions* options = SchafkopfOptionsRecord()) {
            SetMenuItemChecked(menu, 1203, options->showRuleNotes != 0);
        }
    } else if (DoppelkopfOptions* options = DoppelkopfOptionsRecord()) {
        SetMenuItemChecked(menu, 1203, options->showRuleNotes != 0);
    }
    Pane* pane = gPaneSlots[kTableSlot];
    if (gTableOpen && pane)
        pane->UpdateMenus();
    if (gTableOpen && !pane) {
        SetMenuItemEnabled(menu, 1001,
                           gDirectorRunsTables && gSettings && gSettings->body.sessionActive == 0);
    }
    // Without a table pane the table procedure answers every command with nothing, "Play
    // Rating" included: the game and window items are greyed, also once the table is closed.
    if (!pane) {
        for (int id : kTableMenuItems)
            SetMenuItemEnabled(menu, id, false);
    }
    // With none of the game's windows open there is nothing to close, and with no table pane
    // nothing to save: the items would do nothing at all.
    bool windowOpen = false;
    for (HWND window : gWindowSlots)
        windowOpen = windowOpen || window != nullptr;
    SetMenuItemEnabled(menu, 1003, windowOpen);
    SetMenuItemEnabled(menu, 1004, pane != nullptr);
    SetMenuItemEnabled(menu, 1005, pane != nullptr);
    // The network settings have nothing to set in this program.
    SetMenuItemEnabled(menu, 1105, false);
    const bool hosting = IsHostingTables();
    SetMenuItemEnabled(menu, 1701, !hosting);
    SetMenuItemEnabled(menu, 1702, hosting);
}

void UpdatePlayerMenuNames() {
    if (!gMainMenu || !gSkatGame)
        return;
    for (int player = 1; player <= 3; ++player) {
        if (player == 3 && gTableKind == 0)
            break;
        char name[kPlayerNameSize];
        gSkatGame->GetPlayerNameC(name, player);
        char text[kPlayerNameSize + 16];
        std::snprintf(text, sizeof text, "%.200s...\tCtrl+%d", name, player + 4);
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING;
        item.dwTypeData = text;
        SetMenuItemInfoA(gMainMenu, static_cast<UINT>(1411 + player), FALSE, &item);
    }
}

void StartDirectorSeries(bool fresh, bool) {
    if (!gDirector || !gSettings)
        return;
    if (!gSettings->body.networkGame && !(gStoryMode && gDirectorRunsTables))
        return;
    gDirector->SetSeriesParameters(0, 3);
    if (fresh) {
        gDirector->StartSeries();
        gDirector->BeginPlay(1);
    }
    RefreshGameSetup();
}

void ClearDirectorSeriesValue() {
    if (gDirector)
        gDirector->seriesValue = 0;
}

void RefreshGameSetup() {
    if (gGameSetup) {
        DisposeHandle(gGameSetup);
        gGameSetup = nullptr;
    }
    FetchGameSetup(gDirector, &gGameSetup);
}
