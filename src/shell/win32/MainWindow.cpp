#include "shell/win32/MainWindow.h"

#include "media/win32/MovieList.h"
#include "net/ClubServer.h"
#include "net/Network.h"
#include "platform/Alerts.h"
#include "platform/Random.h"
#include "platform/StringLists.h"
#include "platform/Ticks.h"
#include "platform/win32/Input.h"
#include "platform/win32/Palette.h"
#include "platform/win32/Ports.h"
#include "platform/win32/Toolbox.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Edition.h"
#include "shell/Environment.h"
#include "shell/Preferences.h"
#include "shell/Settings.h"
#include "shell/win32/GameFileCommands.h"
#include "shell/win32/PreferenceDialogs.h"
#include "shell/win32/SmallDialogs.h"
#include "shell/win32/TableProcedures.h"
#include "shell/win32/TableServicesWin.h"
#include "shell/win32/Waits.h"
#include "shell/win32/WindowManager.h"
#include "story/win32/RoomPanel.h"
#include "tournament/TournamentDirector.h"
#include "views/win32/TablePane.h"

std::uint8_t gQuitting = 0;
std::uint8_t gOpenWithShift = 0;

namespace {

// This program's own web pages (neutral addresses), English then German.
struct WebAddress {
    const char* english;
    const char* german;
};
constexpr WebAddress kWebPages[] = {
    {"https://schafkopf.example.org/en/order.html",
     "https://schafkopf.example.org/de/bestellen.html"},
    {"https://schafkopf.example.org/en/updates.html",
     "https://schafkopf.example.org/de/aktualisierungen.html"},
    {"https://schafkopf.example.org/en/", "https://schafkopf.example.org/de/"},
    {"https://schafkopf.example.org/en/club.html", "https://schafkopf.example.org/de/club.html"},
    {"https://schafkopf.example.org/en/movies.html", "https://schafkopf.example.org/de/filme.html"},
};

// The View dialog: the table is rebuilt only for the values that change its layout.
void ChangeView(HWND window) {
    StopAllMovies();
    if (!gSettings)
        return;
    const SettingsBody before = gSettings->body;
    const int kind = GetGameKind();
    gDialogAccepted = 0;
    if (kind == 0)
        RunPreferenceDialog(window, kScreenViewDialog, nullptr);
    else if (kind == 1 || kind == 2)
        RunPreferenceDialog(window, kScreenViewDialog, gScreenViewDialogProc);
    if (!gDialogAccepted)
        return;
    const SettingsBody& after = gSettings->body;
    UpdateScoreWindows(true);
    const bool rebuild =
        after.cardSize != before.cardSize || after.ownCardsFullSize != before.ownCardsFullSize ||
        after.motive != before.motive || after.tablePictures != before.tablePictures;
    ApplyViewChange(rebuild, after.superSmallCards != before.superSmallCards,
                    after.ownCardsFullSize != before.ownCardsFullSize, 0);
    if (gWindowSlots[kRoomPanelSlot]) {
        if (auto* panel = static_cast<RoomPanel*>(gPaneSlots[kRoomPanelSlot]))
            panel->ShowCapitalText();
    }
}

// Keyboard and Sound: the dialog of the edition's kind; an accepted change redraws the table.
void RunKindDialog(HWND window, int templateId, DLGPROC schafkopfProcedure) {
    StopAllMovies();
    gDialogAccepted = 0;
    const int kind = GetGameKind();
    if (kind == 0 || kind == 1)
        RunPreferenceDialog(window, templateId, nullptr);
    else if (kind == 2)
        RunPreferenceDialog(window, templateId, schafkopfProcedure);
    if (gDialogAccepted)
        ApplyViewChange(false, false, false, 0);
}

} // namespace

void OpenWebPage(WebPage page) {
    const WebAddress& address = kWebPages[static_cast<int>(page)];
    OpenWithShell(gMainWindow, gLanguageEnglish ? address.english : address.german);
}

void QuitMessageLoop() {
    PostQuitMessage(0);
}

void SetRoomGreetingPlayed(RoomPanel* panel, bool flag) {
    if (!panel)
        return;
    panel->greetingPlayed = flag ? 1 : 0;
    if (!flag)
        panel->idleStartTick = -1;
}

LRESULT ForwardToTable(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT unknownAnswer) {
    DLGPROC procedure = TableProcForKind(GetGameKind());
    if (!procedure)
        return unknownAnswer;
    return procedure(window, message, wParam, lParam);
}

LRESULT DispatchMenuCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case 1001:
        NewGame(true, true);
        break;
    case 1002:
        StopAllMovies();
        if (GetKeyState(VK_SHIFT) < 0) {
            gOpenWithShift = 1;
            SysBeep(1);
        }
        OpenGame();
        gOpenWithShift = 0;
        break;
    case 1003:
        CloseWindows(true);
        break;
    case 1004:
        StopAllMovies();
        SaveGame();
        break;
    case 1005:
        StopAllMovies();
        SaveGameAs();
        break;
    case 1006:
    case 1007:
        break;
    case 1008:
        if (ConfirmClose(window) || gQuitting)
            DestroyWindow(gMainWindow ? gMainWindow : window);
        break;
    case 1010:
        ConnectToClubServer();
        break;
    case 1101:
        ChangeView(window);
        break;
    case 1102:
        RunKindDialog(window, kKeyboardDialog, gKeyboardDialogProc);
        break;
    case 1103:
        StopAllMovies();
        OpenSettingsDialog(window, GetGameKind(), -1);
        break;
    case 1104:
        RunKindDialog(window, kSoundDialog, gSoundDialogProc);
        break;
    case 1105:
        ShowNetworkSettings();
        break;
    case 1106:
        ChangeSuitNames();
        if (gDialogAccepted)
            ApplyViewChange(false, false, false, 0);
        break;
    case 1110:
        InstallAnimationFolder();
        break;
    case 1111:
        CreateShortcutCommand();
        break;
    case 1501:
        OpenRulesPage(window, 1, 1);
        break;
    case 1502:
        StopAllMovies();
        RunPreferenceDialog(window, kAboutDialog, gSkatEdition ? nullptr : gAboutDialogProc);
        break;
    case 1503:
        OpenWebPage(WebPage::Order);
        break;
    case 1505:
        StopAllMovies();
        if (gMainWindow)
            CloseWindow(gMainWindow);
        break;
    case 1506:
        OpenWebPage(WebPage::Updates);
        break;
    case 1507:
        OpenWebPage(WebPage::Home);
        break;
    case 1508:
        OpenWebPage(WebPage::Club);
        break;
    case 1511:
        OpenWebPage(WebPage::MovieDownload);
        break;
    case 1512:
        ComparePlayingStyles();
        break;
    case 1701:
        StartHosting();
        break;
    case 1702:
        StopHostingCommand();
        break;
    case 1704:
        NetworkCommandHook();
        break;
    case 1703:
    case 1706:
    case 1707:
        break;
    default:
        return ForwardToTable(window, WM_COMMAND, wParam, lParam, 1);
    }
    return 1;
}

void RunTimerTasks() {
    ServiceMovies(GetActiveWindow());
    if (TablePane* pane = GetTablePane()) {
        const std::uint8_t inPaint = gInPaint;
        gInPaint = 0;
        pane->Idle(TickCount(), 0);
        gInPaint = inPaint;
    }
    if (gDirector)
        gDirector->IdleTick();
    if (gSaveDeferred)
        SaveGame();
}

bool ConfirmClose(HWND) {
    StopAllMovies();
    const bool closed = CloseWindows(true);
    WritePreferences();
    StopHosting();
    return closed;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A quit asked for anywhere is carried out here, once no nested loop runs: closing the
    // windows under a running wait or sound would pull them from under the code that waits.
    if (gQuitRequested && !gQuitting && NoNestedLoopRuns()) {
        gQuitRequested = 0;
        gQuitting = 1;
        DispatchMenuCommand(window, 1008, lParam);
        if (!IsWindow(window))
            return 0;
    }
    switch (message) {
    case WM_CREATE:
        InitToolbox(window);
        LoadPalette(kPaletteBitmapId, GetPortDC());
        return 1;
    case WM_DESTROY:
        DisposePalette();
        DisposeToolbox();
        QuitMessageLoop();
        if (window == gMainWindow)
            gMainWindow = nullptr;
        return 1;
    case WM_MOVE:
        gTableOrigin.x = static_cast<std::uint16_t>(LOWORD(lParam));
        gTableOrigin.y = static_cast<std::uint16_t>(HIWORD(lParam));
        KeepTableOnMainWindow();
        return 1;
    case WM_PAINT:
    case WM_DRAWITEM: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 1;
    }
    case WM_CLOSE:
        if (!ConfirmClose(window))
            return 1;
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_ACTIVATEAPP:
        if (gQuitting)
            return 0;
        return ForwardToTable(window, message, wParam, lParam, 0);
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_DEADCHAR:
    case WM_INITMENU:
        return ForwardToTable(window, message, wParam, lParam, 0);
    case WM_COMMAND:
        DispatchMenuCommand(window, wParam, lParam);
        return 1;
    case WM_TIMER:
        if (!gQuitting) {
            RunTableStepsAfterCommand(); // those put off by a nested wait
            RunTimerTasks();
        }
        return 1;
    case kStepsAfterCommandMessage:
        if (!gQuitting)
            RunTableStepsAfterCommand();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
