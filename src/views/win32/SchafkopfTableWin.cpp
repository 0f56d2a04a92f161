#include "views/win32/SchafkopfTableWin.h"

#include <cstdio>
#include <cstring>

#include "games/fourplayer/SchafkopfDocumentController.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Menus.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowsGlobals.h"
#include "records/OptionRecordLayouts.h"
#include "shell/Settings.h"
#include "views/win32/TableMenuItems.h"

namespace {
TablePaintObserver sPaintObserver;
} // namespace

void SetTablePaintObserver(TablePaintObserver observer) {
    sPaintObserver = std::move(observer);
}

void SchafkopfTableWin::Bind(SchafkopfDocumentController* gameController, Settings* gameSettings,
                             HWND tableWindow, GameDocumentWin* gameDocument, bool,
                             RoomPanel* panel, bool) {
    document = gameDocument;
    InitTable(gameController, gameSettings, tableWindow, panel);
    SetStartTexts();
}

void SchafkopfTableWin::SetStartTexts() {
    const char* name = settings ? settings->body.playerNames[0] : "";
    std::snprintf(statusTexts[0], kStatusTextSize, "%s", name[0] ? name : "You");
    const char* allPassed = "new deal when all pass";
    auto* schafkopf = static_cast<SchafkopfDocumentController*>(controller);
    if (schafkopf && schafkopf->schafkopfRules) {
        switch (schafkopf->schafkopfRules->allPassRule) {
        case 1:
            allPassed = "forced game when all pass";
            break;
        case 2:
            allPassed = "Ramsch when all pass";
            break;
        case 3:
            allPassed = "Leasters when all pass";
            break;
        default:
            break;
        }
    }
    std::snprintf(statusTexts[1], kStatusTextSize, "Schafkopf, %s", allPassed);
    std::snprintf(statusTexts[2], kStatusTextSize, "%s", "Click the table for a new deal.");
}

void SchafkopfTableWin::GetPlayArea(RECT* rect) {
    GetBounds(rect);
}

void SchafkopfTableWin::Draw(const RECT* rect) {
    HDC dc = GetPortDC();
    if (!dc || !window)
        return;
    RECT area;
    GetBounds(&area);
    if (emptyBackground) {
        const int counts[4] = {0, 0, 0, 0};
        DrawTableBackground(&area, 0, phase, counts);
    } else {
        FillRectBackground(&area);
    }
    DrawStatusBarFrame();
    DrawStatusBar();
    DrawPlayerClock(clockSeconds, &cornerRect);
    for (int seat = 0; seat < 4; ++seat) {
        char name[kPlayerNameSize] = {};
        if (settings)
            std::snprintf(name, sizeof name, "%s", settings->body.playerNames[seat]);
        if (seat == 0 && !name[0])
            std::snprintf(name, sizeof name, "%s", statusTexts[0]);
        DrawNamePlateText(32 + seat, name, false);
    }
    if (playerBoxShown) {
        RECT box;
        DrawPlayerBox(&box);
    }
    TablePane::Draw(rect);
    if (sPaintObserver)
        sPaintObserver(this);
}

void SchafkopfTableWin::HandleClick(int x, int y, int) {
    const int zone = HitTest(x, y);
    if (zone >= 101 && zone <= 104) {
        ShowPlayerBox(zone - 97);
    } else {
        HidePlayerBox();
    }
}

void SchafkopfTableWin::HandleMouseEvent(int x, int y, int, unsigned message) {
    if (message == WM_LBUTTONDOWN)
        HandleClick(x, y, 0);
}

void SchafkopfTableWin::SetPhase(int newPhase, int flag) {
    phase = static_cast<std::uint8_t>(newPhase);
    TablePane::SetPhase(newPhase, flag);
}

int SchafkopfTableWin::GetGameCode() {
    return 2;
}
int SchafkopfTableWin::GetGameKind() {
    return 2;
}
int SchafkopfTableWin::GetPlayerCount() {
    return 4;
}
bool SchafkopfTableWin::IsGameRunning() {
    return phase != 0;
}

// The clock counts the seconds the table is open; the corner is drawn again when it moved on.
void SchafkopfTableWin::Idle(std::uint32_t now, int flag) {
    TablePane::Idle(now, flag);
    if (!controller || !window)
        return;
    const std::int32_t before = clockSeconds;
    AddElapsedSeconds(controller, &clockSeconds);
    if (clockSeconds != before && !IsRectEmpty(&cornerRect))
        InvalidateRect(window, &cornerRect, FALSE);
}

// The empty table plays no game and opens no side window: of the items it is handed only the
// two switches do something, and every other one is greyed.
void SchafkopfTableWin::UpdateMenus() {
    HMENU menu = gMainWindow ? GetMenu(gMainWindow) : nullptr;
    if (!menu)
        return;
    for (int id : kTableMenuItems)
        SetMenuItemEnabled(menu, id, id == kSuperSmallCardsItem || id == kRuleNotesItem);
}
