// Nested waits and the depth counters: what may close, quit and save while a wait runs.
#include "shell/win32/Waits.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/Ticks.h"
#include "shell/win32/GameFileCommands.h"
#include "shell/win32/RunningShell.h"

namespace {

int gTimerCalls = 0;

void CALLBACK CountTimer(HWND, UINT, UINT_PTR, DWORD) { ++gTimerCalls; }

void CALLBACK RequestQuitTimer(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    RequestQuit();
}

void CALLBACK QuitCommandTimer(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    SendMessageA(gMainWindow, WM_COMMAND, 1008, 0);
}

}  // namespace

using WaitsTest = RunningShell;

TEST_F(WaitsTest, ShortWaitsHandleNoMessageLongerOnesDo) {
    gTimerCalls = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 1, CountTimer);
    Sleep(50);
    WaitTicks(29);
    EXPECT_EQ(gTimerCalls, 0);

    const std::uint32_t start = TickCount();
    WaitTicks(30);
    EXPECT_GE(TickCount() - start, 5u);
    EXPECT_GT(gTimerCalls, 0);
    EXPECT_EQ(gWaitDepth, 0);
    KillTimer(nullptr, timer);
}

TEST_F(WaitsTest, WindowsRefuseToCloseDuringAWaitOrAnEventSound) {
    HWND table = gWindowSlots[kTableSlot];
    gWaitDepth = 1;
    EXPECT_FALSE(CloseGameWindow(table));
    EXPECT_FALSE(CloseWindows(true));
    gWaitDepth = 0;
    gEventSoundDepth = 1;
    EXPECT_FALSE(CloseGameWindow(table));
    gEventSoundDepth = 0;
    EXPECT_TRUE(IsWindow(table));
    EXPECT_TRUE(CloseWindows(true));
    EXPECT_FALSE(IsWindow(table));
    EXPECT_EQ(gTableOpen, 0);
}

TEST_F(WaitsTest, SavingDuringAWaitIsPutOffToTheTimer) {
    gWaitDepth = 1;
    EXPECT_FALSE(SaveGame());
    EXPECT_EQ(gSaveDeferred, 1);
    EXPECT_TRUE(RecordedAlerts().empty());
    gWaitDepth = 0;
    SendMessageA(gMainWindow, WM_TIMER, kMainTimer, 0);
    EXPECT_EQ(gSaveDeferred, 0);
    EXPECT_EQ(RecordedAlerts().size(), 1u);  // the document's answer: not available yet
}

TEST_F(WaitsTest, AQuitRequestWaitsForEveryNestedLoop) {
    for (std::int16_t* depth : {&gEventSoundDepth, &gSoundWaitDepth}) {
        *depth = 1;
        RequestQuit();
        SendMessageA(gMainWindow, WM_NULL, 0, 0);
        EXPECT_NE(gMainWindow, nullptr);
        *depth = 0;
    }
    SendMessageA(gMainWindow, WM_NULL, 0, 0);
    EXPECT_EQ(gMainWindow, nullptr);
}

TEST_F(WaitsTest, AQuitDuringAWaitEndsTheWaitAndThenTheProgram) {
    SetTimer(gMainWindow, 7, 100, RequestQuitTimer);
    HWND table = gWindowSlots[kTableSlot];
    const std::uint32_t start = TickCount();
    WaitTicks(600);  // ten seconds
    EXPECT_LT(TickCount() - start, 300u);
    EXPECT_TRUE(IsWindow(table));  // nothing was closed under the waiting code
    EXPECT_TRUE(IsWindow(gMainWindow));
    EXPECT_TRUE(Pump());
    EXPECT_EQ(gMainWindow, nullptr);
    EXPECT_GE(PreferencesSize(), 5556);
}

TEST_F(WaitsTest, QuitChosenDuringAWaitIsRefusedButWritesThePreferences) {
    SetTimer(gMainWindow, 8, 100, QuitCommandTimer);
    WaitTicks(60);
    EXPECT_TRUE(IsWindow(gMainWindow));
    EXPECT_TRUE(IsWindow(gWindowSlots[kTableSlot]));
    EXPECT_EQ(PreferencesSize(), 5556);
}
