// The shell's side of the tables' services: its nested wait, its window slots, the
// unsaved-game mark and the document that saves the game list, handed to the tables when a
// table window opens, and the placing and saving of window rectangles for the side windows.
#include "shell/win32/TableServicesWin.h"

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "document/win32/GameDocumentWin.h"
#include "platform/Random.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/win32/SmallDialogs.h"
#include "shell/win32/Waits.h"
#include "shell/win32/WindowManager.h"
#include "views/win32/SideWindows.h"
#include "views/win32/TableServices.h"

namespace {

std::vector<std::function<void()>> gStepsAfterCommand;

void RunAfterCommand(std::function<void()> step) {
    gStepsAfterCommand.push_back(std::move(step));
    // The main window runs it when the message loop hands it this message, so after the
    // command has returned.
    if (gMainWindow)
        PostMessageA(gMainWindow, kStepsAfterCommandMessage, 0, 0);
}

} // namespace

void RunTableStepsAfterCommand() {
    if (gStepsAfterCommand.empty() || !NoNestedLoopRuns())
        return;
    std::vector<std::function<void()>> steps;
    steps.swap(gStepsAfterCommand);
    if (QuitRequested())
        return;
    for (auto& step : steps)
        step();
}

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
    services.afterCommand = [](std::function<void()> step) { RunAfterCommand(std::move(step)); };
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
