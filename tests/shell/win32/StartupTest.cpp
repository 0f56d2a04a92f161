// The start: the main window with its menu and accelerators, the first table, the data
// directory, and the program started twice.
#include "shell/win32/Startup.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "document/win32/GameDocumentWin.h"
#include "games/skat/SkatDocumentController.h"
#include "platform/StringLists.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Movies.h"
#include "platform/win32/Ports.h"
#include "shell/Preferences.h"
#include "shell/Settings.h"
#include "shell/win32/RunningShell.h"
#include "tournament/TournamentDirector.h"
#include "views/win32/TablePane.h"

using StartupTest = RunningShell;

TEST_F(StartupTest, MainWindowHasTheMenuAndTheFirstTable) {
    ASSERT_TRUE(IsWindow(gMainWindow));
    char className[64] = "";
    GetClassNameA(gMainWindow, className, sizeof className);
    EXPECT_STREQ(className, "ReziClass");
    ASSERT_EQ(GetMenu(gMainWindow), gMainMenu);
    EXPECT_EQ(GetMenuItemCount(gMainMenu), 6);
    char text[64] = "";
    GetMenuStringA(gMainMenu, 1008, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "&Quit\tCtrl+Q");

    HWND table = gWindowSlots[kTableSlot];
    ASSERT_TRUE(IsWindow(table));
    EXPECT_TRUE(IsWindowVisible(table));
    EXPECT_EQ(GetWindow(table, GW_OWNER), gMainWindow);
    EXPECT_EQ(GetWindowLongA(table, GWL_STYLE) & WS_CHILD, 0) << "a top-level window of its own";
    EXPECT_EQ(gWindowSlots[kRoomPanelSlot], table);
    ASSERT_NE(GetTablePane(), nullptr);
    EXPECT_NE(gPaneSlots[kRoomPanelSlot], nullptr);
    EXPECT_EQ(gTableKind, 2);
    EXPECT_EQ(gTableOpen, 1);
    EXPECT_EQ(gDirector->localTable, GetTablePane());
    EXPECT_EQ(gGameDocument->header.gameKind, 2);
    EXPECT_EQ(gLanguageEnglish, 1);
}

// The pub story is not built: play starts at the table, and the stored story setting of a
// fresh start (2, with the story) is kept for when it is.
TEST_F(StartupTest, PlayStartsAtTheTableWhileTheStoryIsNotBuilt) {
    EXPECT_EQ(gStoryMode, 0);
    EXPECT_EQ(gSettings->body.storyMode, 2);
    WritePreferences();
    if (FILE* file = std::fopen(PreferencesFile().c_str(), "rb")) {
        unsigned char stored[2] = {};
        std::fseek(file, 1828, SEEK_SET);
        EXPECT_EQ(std::fread(stored, 1, 2, file), 2u);
        std::fclose(file);
        EXPECT_EQ(stored[0] | stored[1] << 8, 2);
    } else {
        ADD_FAILURE() << "no preference file";
    }
}

TEST_F(StartupTest, TheDataDirectoryComesFromTheRegistry) {
    EXPECT_EQ(std::string(gDataPath), std::string(dataDir_) + "\\");
    DeleteFileA(PreferencesFile().c_str());
    WritePreferences();
    EXPECT_EQ(PreferencesSize(), 5556); // written into the data directory
}

// The table is a window of its own: made the port it becomes the front window, and a second
// SetPort keeps its context and font instead of taking the path of an inactive window.
TEST_F(StartupTest, TheTableBecomesTheFrontWindowAsItsPort) {
    HWND table = gWindowSlots[kTableSlot];
    SetPort(gMainWindow);
    SetPort(table);
    EXPECT_EQ(FrontWindow(), table);
    const HDC dc = GetPortDC();
    gFontChanged = 0;
    SetPort(table);
    EXPECT_EQ(GetPortDC(), dc);
    EXPECT_EQ(gFontChanged, 0);
}

// The main window carries the table along when it moves.
TEST_F(StartupTest, TheTableMovesWithTheMainWindow) {
    HWND table = gWindowSlots[kTableSlot];
    RECT frame;
    GetWindowRect(gMainWindow, &frame);
    SetWindowPos(gMainWindow, nullptr, frame.left + 40, frame.top + 30, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    POINT client = {0, 0};
    ClientToScreen(gMainWindow, &client);
    RECT placed;
    GetWindowRect(table, &placed);
    EXPECT_EQ(placed.left, client.x);
    EXPECT_EQ(placed.top, client.y);
}

TEST_F(StartupTest, TheWindowMenuNamesTheOpponents) {
    char expected[300];
    char name[kPlayerNameSize];
    gSkatGame->GetPlayerNameC(name, 2);
    std::snprintf(expected, sizeof expected, "%s...\tCtrl+6", name);
    char text[300] = "";
    GetMenuStringA(gMainMenu, 1413, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, expected);
}

TEST_F(StartupTest, AcceleratorTableTurnsKeysIntoCommands) {
    HACCEL accelerators = LoadAcceleratorsA(gAppInstance, MAKEINTRESOURCEA(kAcceleratorTable));
    ASSERT_NE(accelerators, nullptr);
    ACCEL entries[32];
    const int count = CopyAcceleratorTableA(accelerators, entries, 32);
    auto commandOf = [&](WORD key, BYTE flags) {
        for (int i = 0; i < count; ++i) {
            if (entries[i].key == key && (entries[i].fVirt & ~FNOINVERT) == flags)
                return static_cast<int>(entries[i].cmd);
        }
        return -1;
    };
    EXPECT_EQ(commandOf('B', FVIRTKEY | FCONTROL), 713);
    EXPECT_EQ(commandOf('1', FVIRTKEY | FCONTROL), 802);
    EXPECT_EQ(commandOf('Q', FVIRTKEY | FCONTROL), 1008);
    EXPECT_EQ(commandOf(0x11, 0), 1008);
    EXPECT_EQ(commandOf(VK_ESCAPE, FVIRTKEY), 1505);
    EXPECT_EQ(commandOf(VK_F1, FVIRTKEY), 1501);
    EXPECT_EQ(commandOf('I', FVIRTKEY | FCONTROL), -1);
    DestroyAcceleratorTable(accelerators);
}

// The movie layer is started with the program: a clip opens on the table window without a
// note, and ends with the table.
TEST_F(StartupTest, TheTableWindowPlaysMoviesUntilItCloses) {
    EXPECT_EQ(gQuickTimeStarted, 1);
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path(module);
    path = path.substr(0, path.find_last_of('\\') + 1) + "movies\\colours.sor";
    MovieFileSpec spec;
    ASSERT_EQ(MakeFileSpec(path.c_str(), &spec, 0), 0);
    MovieFile file = 0;
    ASSERT_EQ(OpenMovieFile(&spec, &file, 1), 0);
    SetPort(gWindowSlots[kTableSlot]);
    Movie movie = 0;
    ASSERT_EQ(NewMovieFromFile(&movie, file, nullptr, nullptr, 1, nullptr), 0);
    EXPECT_EQ(CloseMovieFile(file), 0);
    EXPECT_EQ(StartMovie(movie), 0);
    EXPECT_EQ(IsMovieDone(movie), 0);
    ASSERT_TRUE(CloseWindows(true));
    EXPECT_EQ(IsMovieDone(movie), 1);
    EXPECT_EQ(MoviesTask(movie, 0), 0);
    EXPECT_EQ(DisposeMovie(movie), 0);
    EXPECT_TRUE(RecordedAlerts().empty());
}

#ifdef SCHAFKOPF_PROGRAM
namespace {

struct FoundWindow {
    DWORD process;
    HWND window;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM parameter) {
    auto* found = reinterpret_cast<FoundWindow*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (process != found->process || std::strcmp(className, kMainWindowClass) != 0)
        return TRUE;
    found->window = window;
    return FALSE;
}

// A visible top-level window of the process with this caption (the start-up notes).
struct FoundCaption {
    DWORD process;
    const char* caption;
    HWND window;
};

BOOL CALLBACK FindCaption(HWND window, LPARAM parameter) {
    auto* found = reinterpret_cast<FoundCaption*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char caption[64] = "";
    GetWindowTextA(window, caption, sizeof caption);
    if (process != found->process || !IsWindowVisible(window) ||
        std::strcmp(caption, found->caption) != 0)
        return TRUE;
    found->window = window;
    return FALSE;
}

bool Start(PROCESS_INFORMATION* process) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    // The build gives the program's path in the build machine's form: "/..." is Wine's "Z:\...".
    std::string path = SCHAFKOPF_PROGRAM;
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    for (char& ch : path)
        ch = ch == '/' ? '\\' : ch;
    char commandLine[MAX_PATH + 2];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\"", path.c_str());
    return CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, process) != 0;
}

DWORD ExitCodeAfter(const PROCESS_INFORMATION& process, DWORD milliseconds) {
    if (WaitForSingleObject(process.hProcess, milliseconds) != WAIT_OBJECT_0)
        return 0xFFFFFFFF;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return code;
}

} // namespace

// The real program: it starts showing the notes; a second copy ends at once with 1; Quit,
// chosen while the notes are still open, ends the first with 1 and no window left.
TEST(Program, StartsOnceAndQuitsFromTheMenu) {
    PROCESS_INFORMATION first{};
    ASSERT_TRUE(Start(&first));
    FoundWindow found{first.dwProcessId, nullptr};
    for (int i = 0; i < 300 && !found.window; ++i) {
        Sleep(100);
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&found));
    }
    ASSERT_NE(found.window, nullptr);
    FoundCaption notes{first.dwProcessId, "Notes", nullptr};
    for (int i = 0; i < 300 && !notes.window; ++i) {
        Sleep(100);
        EnumWindows(FindCaption, reinterpret_cast<LPARAM>(&notes));
    }
    EXPECT_NE(notes.window, nullptr) << "the start-up notes were not shown";

    PROCESS_INFORMATION second{};
    ASSERT_TRUE(Start(&second));
    EXPECT_EQ(ExitCodeAfter(second, 30000), 1u);

    PostMessageA(found.window, WM_COMMAND, 1008, 0);
    EXPECT_EQ(ExitCodeAfter(first, 30000), 1u);
    if (WaitForSingleObject(first.hProcess, 0) != WAIT_OBJECT_0)
        TerminateProcess(first.hProcess, 2);
    for (auto* process : {&first, &second}) {
        CloseHandle(process->hThread);
        CloseHandle(process->hProcess);
    }
}
#endif
