#include "views/win32/SchafkopfTableWin.h"

#include "platform/win32/Menus.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Settings.h"
#include "views/win32/TableMenuItems.h"

void SchafkopfTableWin::Bind(SchafkopfDocumentController* gameController, Settings* gameSettings, HWND tableWindow,
                             GameDocumentWin* gameDocument, bool, RoomPanel* panel, bool) {
    controller = gameController;
    settings = gameSettings;
    window = tableWindow;
    document = gameDocument;
    roomPanel = panel;
}

// The table's client size for each card size (small, middle, large screens).
void SchafkopfTableWin::GetBounds(RECT* bounds) {
    int size = settings ? settings->body.cardSize : kCardSizeMiddle;
    int width = 780, height = 520;
    if (size == kCardSizeSmall) width = 620, height = 400;
    if (size == kCardSizeLarge) width = 1000, height = 660;
    SetRect(bounds, 0, 0, width, height);
}

void SchafkopfTableWin::Draw(const RECT*) {
    HDC dc = GetPortDC();
    if (!dc || !window) return;
    RECT client;
    GetClientRect(window, &client);
    HBRUSH cloth = CreateSolidBrush(RGB(0, 96, 48));
    FillRect(dc, &client, cloth);
    DeleteObject(cloth);
}

// The empty table plays no game and opens no side window: of the items it is handed only the
// two switches do something, and every other one is greyed.
void SchafkopfTableWin::UpdateMenus() {
    HMENU menu = gMainWindow ? GetMenu(gMainWindow) : nullptr;
    if (!menu) return;
    for (int id : kTableMenuItems) SetMenuItemEnabled(menu, id, id == kSuperSmallCardsItem || id == kRuleNotesItem);
}
