// Window places, the closing box's text order and the redraw after a preference change.
#include "shell/win32/WindowManager.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/Geometry.h"
#include "shell/Settings.h"
#include "shell/win32/RunningShell.h"
#include "shell/win32/SmallDialogs.h"
#include "views/win32/Pane.h"

using WindowManagerTest = RunningShell;

TEST_F(WindowManagerTest, TheTableKeepsOnlyItsSize) {
    HWND table = gWindowSlots[kTableSlot];
    SaveWindowRect(table, kTableSlot);
    const WindowRect& saved = gSettings->body.windowRects[kTableSlot];
    EXPECT_EQ(saved.left, 0);
    EXPECT_EQ(saved.top, 0);
    RECT frame;
    GetWindowRect(table, &frame);
    EXPECT_EQ(saved.right, frame.right - frame.left);
}

TEST_F(WindowManagerTest, ASideWindowOffTheScreenComesBackAt10And40) {
    HWND side = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 120, 80, gMainWindow, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(side, nullptr);
    gSettings->body.windowRects[3] = WindowRect{-20, 100, 100, 180};
    PlaceWindow(side, 3);
    RECT frame;
    GetWindowRect(side, &frame);
    EXPECT_EQ(frame.left, 10);
    EXPECT_EQ(frame.top, 40);

    gSettings->body.windowRects[3] = WindowRect{200, 150, 300, 230};
    PlaceWindow(side, 3);
    GetWindowRect(side, &frame);
    EXPECT_EQ(frame.left, 200);
    EXPECT_EQ(frame.top, 150);
    DestroyWindow(side);
}

TEST_F(WindowManagerTest, TheEndShowsTheTextsInTheRecordsOrder) {
    struct Case {
        std::int16_t r0, r1;
        const char* order;
    };
    const Case cases[] = {{2, 1, "abc"}, {2, 0, "acb"}, {1, 2, "bac"},
                          {0, 2, "bca"}, {1, 0, "cab"}, {0, 0, "cba"}};
    for (const Case& c : cases) {
        TheEndOrder record{c.r0, c.r1};
        ShowTheEndBySeat(&record, "a", "b", "c", 0);
        std::string order = std::string(gTheEndTexts[0]) + gTheEndTexts[1] + gTheEndTexts[2];
        EXPECT_EQ(order, c.order) << c.r0 << "," << c.r1;
    }
    ShowTheEnd(std::string(100, 'x').c_str(), "", "", 0);
    EXPECT_EQ(std::string(gTheEndTexts[0]).size(), 63u);
}

TEST_F(WindowManagerTest, AViewChangeWritesThePreferencesAndKeepsTheTable) {
    DeleteFileA(PreferencesFile().c_str());
    ApplyViewChange(false, false, false, 0);
    EXPECT_EQ(PreferencesSize(), 5556);
    EXPECT_EQ(gGameDirty, 1);
    EXPECT_TRUE(IsWindow(gWindowSlots[kTableSlot]));
}

TEST_F(WindowManagerTest, NewGameWithATableOpenBringsItToTheFront) {
    HWND table = gWindowSlots[kTableSlot];
    SendMessageA(gMainWindow, WM_COMMAND, 1001, 0);
    EXPECT_EQ(gWindowSlots[kTableSlot], table);
    SendMessageA(gMainWindow, WM_COMMAND, 1003, 0); // Close
    EXPECT_EQ(gWindowSlots[kTableSlot], nullptr);
    SendMessageA(gMainWindow, WM_COMMAND, 1001, 0);
    EXPECT_TRUE(IsWindow(gWindowSlots[kTableSlot]));
    EXPECT_NE(gPaneSlots[kTableSlot], nullptr);
}

namespace {

// A side window that looks at its pane while it is destroyed, as a side window's procedure
// may; its pane counts its deletion.
constexpr int kSideSlot = 3;
int gPanesDeleted = 0;
bool gPaneWasThereAtDestroy = false;

class CountedPane : public Pane {
  public:
    ~CountedPane() override { ++gPanesDeleted; }
};

LRESULT CALLBACK SideWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        gPaneWasThereAtDestroy = gPaneSlots[kSideSlot] != nullptr && gPanesDeleted == 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND OpenSideWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = SideWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "WindowManagerTestSide";
    RegisterClassA(&windowClass);
    HWND side = CreateWindowExA(0, "WindowManagerTestSide", "", WS_POPUP | WS_VISIBLE, 10, 40, 100,
                                80, gMainWindow, nullptr, GetModuleHandleA(nullptr), nullptr);
    gWindowSlots[kSideSlot] = side;
    gPaneSlots[kSideSlot] = new CountedPane;
    gPanesDeleted = 0;
    gPaneWasThereAtDestroy = false;
    return side;
}

} // namespace

// However a side window is closed, the window goes first and its pane after it.
TEST_F(WindowManagerTest, AWindowIsDestroyedBeforeItsPaneIsDeleted) {
    struct Way {
        const char* name;
        void (*close)(HWND side);
    };
    const Way ways[] = {
        {"closing the side window", [](HWND side) { CloseGameWindow(side); }},
        {"closing every window", [](HWND) { CloseWindows(true); }},
        {"destroying the table", [](HWND) { DestroyWindow(gWindowSlots[kTableSlot]); }},
    };
    for (const Way& way : ways) {
        if (!gWindowSlots[kTableSlot])
            NewGame(true, true);
        HWND side = OpenSideWindow();
        ASSERT_NE(side, nullptr);
        way.close(side);
        EXPECT_FALSE(IsWindow(side)) << way.name;
        EXPECT_TRUE(gPaneWasThereAtDestroy) << way.name;
        EXPECT_EQ(gPanesDeleted, 1) << way.name;
        EXPECT_EQ(gWindowSlots[kSideSlot], nullptr) << way.name;
        EXPECT_EQ(gPaneSlots[kSideSlot], nullptr) << way.name;
    }
}
