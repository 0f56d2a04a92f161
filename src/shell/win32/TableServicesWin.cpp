// The shell's side of the tables' services: its nested wait, its window slots, the
// unsaved-game mark and the document that saves the game list, handed to the tables when a
// table window opens, and the placing and saving of window rectangles for the side windows.
#include "shell/win32/TableServicesWin.h"

#include "document/win32/GameDocumentWin.h"
#include "shell/win32/SmallDialogs.h"
#include "shell/win32/Waits.h"
#include "shell/win32/WindowManager.h"
#include "views/win32/SideWindows.h"
#include "views/win32/TableServices.h"

void InstallTableServices() {
    TableServices services;
    services.waitTicks = [](std::uint32_t ticks) { WaitTicks(ticks); };
    services.waitDepth = [] { return static_cast<int>(gWaitDepth); };
    services.redrawWindows = [](bool score, bool director) { RedrawWindows(score, director); };
    services.invalidateAllWindows = [] { InvalidateAllWindows(); };
    services.closePlayerWindows = [] { ClosePlayerWindows(); };
    services.closeChildWindows = [] { CloseChildWindows(); };
    services.markGameChanged = [] { gGameDirty = 1; };
    services.notifyCardPlaced = [] { NotifyCardPlaced(); };
    services.openLastTrickWindow = [] { OpenLastTrickWindow(); };
    services.notifyTableEvent = [](int event) { NotifyTableEvent(event, nullptr, nullptr, 0, 0); };
    services.openPlayerWindow = [](int seat) { OpenPlayerWindow(seat); };
    services.tablePane = [] { return gPaneSlots[kTableSlot]; };
    services.closeWindows = [](bool all) { return CloseWindows(all); };
    services.newGame = [](bool fresh, bool show) { NewGame(fresh, show); };
    services.showTheEnd = [](const char* first, const char* second, const char* third, int kind) {
        ShowTheEnd(first, second, third, kind);
    };
    services.gameListReplaced = [](Handle list) {
        if (gGameDocument)
            gGameDocument->SetRecordHandle(list);
    };
    SetTableServices(services);
    SideWindowHost host;
    host.placeWindow = [](HWND window, int slot) { PlaceWindow(window, slot); };
    host.saveWindowRect = [](HWND window, int slot) { SaveWindowRect(window, slot); };
    SetSideWindowHost(host);
}
