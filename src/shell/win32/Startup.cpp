#include "shell/win32/Startup.h"

#include "document/win32/GameDocumentWin.h"
#include "games/fourplayer/DoppelkopfDocumentController.h"
#include "games/fourplayer/SchafkopfDocumentController.h"
#include "games/skat/SkatDocumentController.h"
#include "media/win32/ExtensionManager.h"
#include "media/win32/MediaManagers.h"
#include "net/ClubServer.h"
#include "net/Network.h"
#include "platform/Alerts.h"
#include "platform/Random.h"
#include "platform/StringLists.h"
#include "platform/win32/Movies.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Edition.h"
#include "shell/Environment.h"
#include "shell/OptionRecords.h"
#include "shell/Preferences.h"
#include "shell/Settings.h"
#include "shell/win32/GameFileCommands.h"
#include "shell/win32/MainWindow.h"
#include "shell/win32/SmallDialogs.h"
#include "shell/win32/WindowManager.h"
#include "story/MenuTables.h"
#include "story/win32/RoomPanel.h"
#include "tournament/TournamentDirector.h"
#include "views/win32/SideWindows.h"

HMENU gMainMenu = nullptr;
HACCEL gAccelerators = nullptr;
HWND gDesktopWindow = nullptr;
HWND gTopWindowAtStart = nullptr;
std::uint8_t gQuickTimeStarted = 0;

namespace {

// Vertical and horizontal redraw, double clicks, own and parent device context, byte-aligned.
constexpr UINT kMainClassStyle = 0x20AB;
constexpr int kMainWindowWidth = 630;
constexpr int kMainWindowHeight = 480;

bool MainWindowAlive() {
    return gMainWindow && IsWindow(gMainWindow) && !QuitRequested();
}

void ShowMainWindowInFront() {
    ShowWindow(gMainWindow, SW_SHOW);
    SetForegroundWindow(gMainWindow);
}

} // namespace

void CheckConfiguredDeck() {
    if (!gDeckManager || gDeckManager->IsDeckAvailable(gSettings->body.cardSet - 1))
        return;
    const int wanted = gLanguageEnglish ? kDeckKindEnglish : kDeckKindGerman;
    for (int index = 0; index < gDeckManager->deckCount; ++index) {
        if (gDeckManager->deckKinds[index] != wanted)
            continue;
        gSettings->body.cardSet = static_cast<std::int16_t>(index + 1);
        gDeckManager->SelectDeck(index);
        return;
    }
}

bool RegisterMainWindowClass() {
    WNDCLASSA windowClass{};
    if (GetClassInfoA(gAppInstance, kMainWindowClass, &windowClass))
        return true;
    windowClass.style = kMainClassStyle;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.cbWndExtra = 4;
    windowClass.hInstance = gAppInstance;
    windowClass.hIcon = LoadIconA(gAppInstance, MAKEINTRESOURCEA(kProgramIcon));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // the standard arrow
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = "Zorivazo";
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

void FinishStartup() {
    if (!ReadPreferences()) {
        RequestQuit();
        return;
    }
    ConvertMenuTables();
    gLanguageEnglish =
        FindResourceA(gAppInstance, MAKEINTRESOURCEA(kEnglishMarker), MAKEINTRESOURCEA(10)) ? 1 : 0;
    LoadLeagueLibrary();
    CreateMediaManagers(gSettings);
    if (QuitRequested())
        return;

    if (gSettings->body.storyMode == 0)
        gSettings->body.storyMode = 2;
    UpdateStoryMode(gSettings->body);

    gGameDocument = new GameDocumentWin;
    gSkatGame = new SkatDocumentController;
    gDoppelkopfGame = new DoppelkopfDocumentController;
    gSchafkopfGame = new SchafkopfDocumentController;
    gGameDocument->Reset(gSkatGame, gDoppelkopfGame, gSchafkopfGame, gSettings);
    gSkatGame->AttachDocument(&gSettings->body, gGameDocument, 0);
    // A controller without its computer player has asked the program to quit already.
    gDoppelkopfGame->AttachDocument(&gSettings->body, DoppelkopfOptionsRecord(), gGameDocument);
    gSchafkopfGame->AttachDocument(&gSettings->body, SchafkopfOptionsRecord(),
                                   DoppelkopfOptionsRecord(), gGameDocument);

    CheckConfiguredDeck();
    gSettings->ApplySettings();
    gSkatGame->ApplySettings(&gSettings->body);
    gTableKind = 1;
    CreateClubServerRecord();
    ShowMainWindowInFront();
    if (TournamentDirector* director =
            CreateDirector(gSkatGame, gSettings, DoppelkopfOptionsRecord(), SchafkopfOptionsRecord()))
        gGameDocument->LinkSeries(&director->series, &director->lists);
    CreateSoundManager(gSettings);
    if (QuitRequested())
        return;

    PrepareSideWindows();
    gDirectorRunsTables = static_cast<std::uint8_t>(gSettings->body.networkGame & 0xFF);
    NewGame(true, true);
    if (gDeckManager)
        gDeckManager->SelectExtension(&gSettings->body.motive);
    ShowMainWindowInFront();
    // A quit while the notes or the intro are open ends the start here.
    ShowStartupNotes();
    if (!MainWindowAlive())
        return;
    if (gStoryMode)
        ShowIntro();
    if (!MainWindowAlive())
        return;
    ShowMainWindowInFront();
    if (gWindowSlots[kRoomPanelSlot]) {
        SetRoomGreetingPlayed(static_cast<RoomPanel*>(gPaneSlots[kRoomPanelSlot]), false);
    }
    UpdatePlayerMenuNames();
}

bool InitializeApp(const char* title) {
    if (!RegisterMainWindowClass())
        return false;
    gStoryMode = 1;
    gMainMenu = LoadMenuA(gAppInstance, "Zorivazo");
    gDesktopWindow = GetDesktopWindow();
    gTopWindowAtStart = GetTopWindow(gDesktopWindow);

    gMainWindow =
        CreateWindowExA(0, kMainWindowClass, title, WS_OVERLAPPEDWINDOW, 1, 1, kMainWindowWidth,
                        kMainWindowHeight, nullptr, gMainMenu, gAppInstance, nullptr);
    if (!gMainWindow)
        return false;
    SetPort(gMainWindow);
    SetTimer(gMainWindow, kMainTimer, kTimerMilliseconds, nullptr);
    SetFocus(gMainWindow);

    ProbeEnvironment();
    FinishStartup();
    // Closed from a start-up dialog: the loop then ends at once on the quit message.
    if (!gMainWindow)
        return true;
    if (QuitRequested())
        return false;
    UpdateMenus();

    gQuickTimeStarted = StartQuickTime() ? 1 : 0;
    // Nothing is to be installed for the movies: without the system's video-file service
    // the player learns once that the program goes on without them.
    if (!gQuickTimeStarted) {
        char text[kStringBufferSize];
        GetIndString(text, 1000, 262);
        ShowTextBox(nullptr, "Tarvik`s Kartenspiele", text, MB_ICONINFORMATION | MB_OK);
    }
    return true;
}

void RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!gAccelerators || !TranslateAcceleratorA(gMainWindow, gAccelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        NetworkIdle();
    }
}

int RunProgram(HINSTANCE instance) {
    gSchafkopfEdition = 1;
    HANDLE mutex = CreateMutexA(nullptr, TRUE, kInstanceMutexName);
    const DWORD error = GetLastError();
    if (!mutex || error != ERROR_SUCCESS) {
        if (error != ERROR_ALREADY_EXISTS)
            ShowSystemError(error);
        if (mutex)
            CloseHandle(mutex);
        return 1;
    }
    gAppInstance = instance;

    if (!InitializeApp(kProgramTitle) || QuitRequested()) {
        ShowTextBox(gMainWindow, "Error", "Schafkopf: InitializeApp failure!", MB_OK);
        if (gMainWindow)
            DestroyWindow(gMainWindow);
        // Released as after a normal end: a start that follows at once must not find it held.
        ReleaseMutex(mutex);
        CloseHandle(mutex);
        return 0;
    }
    gAccelerators = LoadAcceleratorsA(gAppInstance, MAKEINTRESOURCEA(kAcceleratorTable));
    if (!gAccelerators)
        ShowTextBox(gMainWindow, "Error", "Game: Load Accel failure!", MB_OK);

    RunMessageLoop();

    if (gQuickTimeStarted)
        StopQuickTime();
    if (gTopWindowAtStart && !IsWindowVisible(gTopWindowAtStart)) {
        RECT top;
        RECT desktop;
        GetWindowRect(gTopWindowAtStart, &top);
        GetWindowRect(gDesktopWindow, &desktop);
        if (top.right - top.left >= desktop.right - desktop.left)
            ShowWindow(gTopWindowAtStart, SW_SHOW);
    }
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return 1;
}
