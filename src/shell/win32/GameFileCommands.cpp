// The game file commands: saving is put off during a wait and otherwise handed to the
// document with the table's list; opening asks about the running game, lets the document read
// and check the file, and only then closes the table and rebuilds it around the saved game.
// Also the menu state and the opponents' names in the menu.
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
#include "media/win32/ExtensionManager.h"
#include "net/Network.h"
#include "platform/Handles.h"
#include "platform/KeyState.h"
#include "platform/StringLists.h"
#include "platform/win32/Menus.h"
#include "platform/win32/Ports.h"
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

bool SettleChangedGame() {
    if (!gTableOpen || !gGameDirty)
        return true;
    bool save = false;
    if (!AskSaveGame(&save))
        return false;
    return !save || SaveGame();
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
    // The title names the game's file from its first save on.
    GetTablePane()->UpdateTitle();
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
    document->CopyHeader(*gGameDocument);
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
    GetTablePane()->UpdateTitle();
    return true;
}

// The running game is asked about first, as closing it would ask; then the file is read and
// checked whole. A refused file changes nothing: the table stays open with its game and the
// document keeps its file, so the next save cannot overwrite the refused one.
bool OpenGame() {
    if (!gGameDocument)
        return false;
    if (gTableOpen && (gEventSoundDepth > 0 || gWaitDepth > 0))
        return false;
    if (!SettleChangedGame())
        return false;
    if (!gGameDocument->Open(0))
        return false;
    const std::uint8_t dirty = gGameDirty;
    gGameDirty = 0; // asked above: closing asks nothing more
    if (gTableOpen && !CloseWindows(true)) {
        gGameDirty = dirty;
        return false;
    }
    const bool loaded = LoadGameFile();
    if (gSettings && gSettings->body.playerVoices[0] < 1)
        gSettings->body.playerVoices[0] = 1;
    return loaded;
}

namespace {

// What opening a saved game leaves as the player has it: the card sizes and picture switches,
// the suit-name choice, the values kept across an open and the window places.
struct KeptAcrossOpen {
    explicit KeptAcrossOpen(const SettingsBody& body)
        : superSmallCards(body.superSmallCards), ownCardsFullSize(body.ownCardsFullSize),
          cardSize(body.cardSize), motive(body.motive), cardSet(body.cardSet),
          suitNameChoice(body.suitNameChoice[6]), alwaysZero(body.alwaysZero) {
        std::memcpy(keptOnOpen, body.keptOnOpen, sizeof keptOnOpen);
        std::memcpy(windowRects, body.windowRects, sizeof windowRects);
    }
    std::int16_t superSmallCards, ownCardsFullSize, cardSize, motive, cardSet, suitNameChoice;
    std::int32_t alwaysZero;
    std::int32_t keptOnOpen[3];
    WindowRect windowRects[kWindowRectCount];
};

void ApplyDeckChoice(const KeptAcrossOpen& kept) {
    SettingsBody& body = gSettings->body;
    if (body.motive != kept.motive && gDeckManager)
        gDeckManager->SelectExtension(&body.motive);
    if (body.cardSet != kept.cardSet) {
        if (!gDeckManager || gDeckManager->IsDeckAvailable(body.cardSet - 1))
            gSettings->ApplySettings();
        else
            body.cardSet = kept.cardSet;
    }
}

// The director takes over a table it runs; a plain table goes on at the saved phase.
void HandTableToDirector(TablePane* pane) {
    SettingsBody& body = gSettings->body;
    if (gDirector && !(body.tableMode == kTableModePractice && gDirector->series.seriesMode == 1)) {
        const std::int16_t mode = gDirector->series.seriesMode;
        if (mode == 1 || mode == 2 || mode == 8)
            body.tableMode = mode;
        else
            gDirector->series.seriesMode = 1;
    }
    gDirectorRunsTables = (body.tableMode == 2 || body.tableMode == 8)
                              ? 1
                              : static_cast<std::uint8_t>(body.networkGame & 0xFF);
    bool plain = true;
    if (gDirectorRunsTables || (body.tableMode != 1 && body.tableMode != 4)) {
        if (gDirectorRunsTables) {
            pane->directorRun = 1;
            StartDirectorSeries(false, true);
        }
        if (gDirector) {
            pane->SetPhase(0, 0);
            gDirector->ResetSeats();
            SetLocalTable(gDirector, pane, 0);
            if (gDirector->series.started) {
                ClearDirectorSeriesValue();
                gDirector->BeginPlay(0);
                gDirector->series.started = 1;
            }
        }
        if (pane->window)
            ShowWindow(pane->window, SW_SHOW);
        InvalidateAllWindows();
        plain = false;
    }
    if (plain) {
        SetPort(pane->window);
        pane->SetPhase(gGameDocument->header.phase, 1);
        gGameDirty = 0;
    }
}

} // namespace

// Rebuilds the table around the game that the document has read and checked: it is moved
// into the live objects only now, after the old table is closed.
bool LoadGameFile() {
    if (!gGameDocument || !gSettings) {
        gUseEditionKind = 1;
        return false;
    }
    SettingsBody& body = gSettings->body;
    const KeptAcrossOpen kept(body);
    gUseEditionKind = 0;
    gSettings->ResetTableMode();
    if (gDirector)
        gDirector->series.seriesMode = 1;
    body.soundOn = 0;
    gDirectorRunsTables = 0;
    gGameDocument->CommitOpened(gShiftKeyHeld != 0 || GetKeyState(VK_SHIFT) < 0);
    if (gSchafkopfGame)
        gGameDocument->SetRecordHandle(gSchafkopfGame->gameListHandle);

    gWaitDepth = 0;
    body.suitNameChoice[6] = kept.suitNameChoice;
    gTableKind = static_cast<std::int8_t>(gGameDocument->header.gameKind);
    gTableOpen = 1;
    body.cardSize = kept.cardSize;
    body.superSmallCards = kept.superSmallCards;
    body.ownCardsFullSize = kept.ownCardsFullSize;
    body.alwaysZero = kept.alwaysZero;
    std::memcpy(body.keptOnOpen, kept.keptOnOpen, sizeof kept.keptOnOpen);
    gStoryMode = body.storyMode == 2 ? 1 : 0;

    NewGame(false, false);
    TablePane* pane = GetTablePane();
    if (!pane) {
        CloseWindows(true);
        gUseEditionKind = 1;
        return false;
    }
    ApplyDeckChoice(kept);
    pane->ApplySettings();
    std::memcpy(body.windowRects, kept.windowRects, sizeof kept.windowRects);
    if (body.superSmallCards != kept.superSmallCards ||
        body.ownCardsFullSize != kept.ownCardsFullSize) {
        gSettings->ReloadCardPictures();
        pane->LayoutControls(0);
    }
    HandTableToDirector(pane);
    pane->UpdateTitle();
    if (body.networkGame != 0 && pane->window)
        CloseGameWindow(pane->window);
    UpdatePlayerMenuNames();
    if (HWND table = gWindowSlots[kTableSlot])
        ShowWindow(table, SW_SHOW);
    ApplyNewGameDefaults();
    gUseEditionKind = 1;
    return true;
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
