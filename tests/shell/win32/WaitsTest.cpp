// Nested waits and the depth counters: what may close, quit and save while a wait runs. The
// waits read a clock of the test's own, so that their length does not depend on the load of
// the machine; what happens during a wait is posted before it, so that it surely comes.
#include "shell/win32/Waits.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "document/win32/GameDocumentWin.h"
#include "platform/Ticks.h"
#include "platform/win32/Ports.h"
#include "shell/win32/GameFileCommands.h"
#include "shell/win32/RunningShell.h"

namespace {

// A clock that moves on by step milliseconds at every reading, and when told to.
class SteppingClock {
  public:
    explicit SteppingClock(std::uint32_t step) {
        SetMillisecondClock([this, step] { return now_ += step; });
    }
    ~SteppingClock() { SetMillisecondClock({}); }
    SteppingClock(const SteppingClock&) = delete;
    SteppingClock& operator=(const SteppingClock&) = delete;
    void Advance(std::uint32_t milliseconds) { now_ += milliseconds; }

  private:
    std::uint32_t now_ = 100000;
};

SteppingClock* gClock = nullptr;
int gTimerCalls = 0;

void CALLBACK CountTimer(HWND, UINT, UINT_PTR, DWORD) {
    ++gTimerCalls;
}

// What the test posts to happen during a wait.
constexpr UINT kEndTheWait = WM_APP; // the clock moves on by a minute
constexpr UINT kCloseWindow =
    WM_APP + 1; // wParam: a window that is closed, as a side window closes
constexpr UINT kRequestQuit = WM_APP + 2;

LRESULT CALLBACK EventProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kCloseWindow: {
        HWND closing = reinterpret_cast<HWND>(wParam);
        ReleasePortDC(closing);
        DestroyWindow(closing);
        [[fallthrough]];
    }
    case kEndTheWait:
        if (gClock)
            gClock->Advance(60000);
        return 0;
    case kRequestQuit:
        RequestQuit();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

class WaitsTest : public RunningShell {
  protected:
    void SetUp() override {
        RunningShell::SetUp();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = EventProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "WaitsTestEvents";
        RegisterClassA(&windowClass);
        events_ = CreateWindowExA(0, "WaitsTestEvents", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(events_, nullptr);
    }
    void TearDown() override {
        gClock = nullptr;
        DestroyWindow(events_);
        RunningShell::TearDown();
    }
    HWND events_ = nullptr;
};

} // namespace

TEST_F(WaitsTest, ShortWaitsHandleNoMessageLongerOnesDoAndEndTwentyFiveTicksEarly) {
    SteppingClock clock(20);
    gTimerCalls = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 1, CountTimer);
    Sleep(50);
    WaitTicks(29);
    EXPECT_EQ(gTimerCalls, 0);

    const std::uint32_t start = TickCount();
    WaitTicks(30);
    const std::uint32_t waited = TickCount() - start;
    KillTimer(nullptr, timer);
    EXPECT_GT(gTimerCalls, 0);
    EXPECT_EQ(gWaitDepth, 0);
    // 30 ticks less the 25 it ends early; ticks come in threes, so 6 is the first reading
    // that counts. A wait to the full 30 ticks would read 30 or more.
    EXPECT_GE(waited, 6u);
    EXPECT_LT(waited, 15u);
}

// A message that was already in the queue when the wait began, and had been looked at, is
// handled at once; the wait does not sleep its full time first.
TEST_F(WaitsTest, AMessageQueuedBeforeTheWaitIsHandledAtOnce) {
    KillTimer(gMainWindow, kMainTimer); // nothing new comes to wake the wait
    Pump();
    SteppingClock clock(0); // stands still until the message moves it on
    gClock = &clock;
    PostMessageA(events_, kEndTheWait, 0, 0);
    MSG seen;
    ASSERT_TRUE(PeekMessageA(&seen, nullptr, 0, 0, PM_NOREMOVE));
    const DWORD before = GetTickCount();
    WaitTicks(600); // ten seconds, had nothing moved the clock
    EXPECT_LT(GetTickCount() - before, 4000u);
    SetTimer(gMainWindow, kMainTimer, kTimerMilliseconds, nullptr);
}

TEST_F(WaitsTest, AWindowClosedDuringTheWaitIsNotMadeThePortAgain) {
    SteppingClock clock(20);
    gClock = &clock;
    HWND closing = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40,
                                   gMainWindow, nullptr, nullptr, nullptr);
    SetPort(closing);
    PostMessageA(events_, kCloseWindow, reinterpret_cast<WPARAM>(closing), 0);
    WaitTicks(60);
    ASSERT_FALSE(IsWindow(closing));
    HWND port = nullptr;
    GetPort(&port);
    EXPECT_NE(port, closing);
    EXPECT_EQ(FindPortEntry(closing), -1);
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
    int dialogs = 0;
    SetGameFileDialog([&dialogs](bool, const std::string&, std::string*) {
        ++dialogs;
        return false; // cancelled: nothing is written
    });
    gWaitDepth = 1;
    EXPECT_FALSE(SaveGame());
    EXPECT_EQ(gSaveDeferred, 1);
    EXPECT_EQ(dialogs, 0);
    gWaitDepth = 0;
    SendMessageA(gMainWindow, WM_TIMER, kMainTimer, 0);
    EXPECT_EQ(gSaveDeferred, 0);
    EXPECT_EQ(dialogs, 1) << "the timer's save asks for the file";
    SetGameFileDialog({});
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
    SteppingClock clock(0); // only the quit can end this wait
    PostMessageA(events_, kRequestQuit, 0, 0);
    HWND table = gWindowSlots[kTableSlot];
    WaitTicks(600);
    EXPECT_EQ(gWaitDepth, 0);
    EXPECT_TRUE(IsWindow(table)); // nothing was closed under the waiting code
    EXPECT_TRUE(IsWindow(gMainWindow));
    EXPECT_TRUE(Pump());
    EXPECT_EQ(gMainWindow, nullptr);
    EXPECT_EQ(PreferencesSize(), 5556);
}

TEST_F(WaitsTest, QuitChosenDuringAWaitIsRefusedButWritesThePreferences) {
    SteppingClock clock(20);
    DeleteFileA(PreferencesFile().c_str());
    PostMessageA(gMainWindow, WM_COMMAND, 1008, 0);
    WaitTicks(60);
    EXPECT_TRUE(IsWindow(gMainWindow));
    EXPECT_TRUE(IsWindow(gWindowSlots[kTableSlot]));
    EXPECT_EQ(PreferencesSize(), 5556);
}
