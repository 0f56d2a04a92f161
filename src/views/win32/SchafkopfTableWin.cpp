#include "views/win32/SchafkopfTableWin.h"

#include "platform/win32/Ports.h"
#include "shell/Settings.h"

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
