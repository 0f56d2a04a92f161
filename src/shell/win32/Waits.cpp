#include "shell/win32/Waits.h"

#include <windows.h>

#include "platform/Random.h"
#include "platform/Ticks.h"
#include "platform/win32/Ports.h"
#include "platform/win32/Timing.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/win32/Startup.h"

std::int32_t gWaitDepth = 0;

namespace {

inline constexpr std::uint32_t kShortestNestedWait = 30; // ticks
inline constexpr std::uint32_t kEndEarly = 25;           // ticks

// Handles the messages that are waiting. False when the quit message came: it is posted again
// for the main loop, and the wait must end.
bool HandleWaitingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (!gAccelerators || !TranslateAcceleratorA(gMainWindow, gAccelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (QuitRequested())
            return true;
    }
    return true;
}

} // namespace

bool NoNestedLoopRuns() {
    return gWaitDepth <= 0 && gEventSoundDepth <= 0 && gSoundWaitDepth <= 0;
}

void WaitTicks(std::uint32_t ticks) {
    if (ticks < kShortestNestedWait) {
        Delay(ticks, nullptr);
        return;
    }
    HWND port = nullptr;
    GetPort(&port);
    ++gWaitDepth;
    const std::uint32_t start = TickCount();
    while (!QuitRequested()) {
        const std::uint32_t passed = TickCount() - start;
        if (passed + kEndEarly >= ticks)
            break;
        // Sleep until a message comes or the wait is over (a tick is 50/3 ms). Messages that
        // were already in the queue before the sleep wake it too, not only new ones.
        const std::uint32_t remaining = ticks - kEndEarly - passed;
        MsgWaitForMultipleObjectsEx(0, nullptr, remaining * 50 / 3 + 1, QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
        if (!HandleWaitingMessages())
            break;
    }
    // The port comes back while the wait still counts: making it the port again activates its
    // window, and the messages of that would otherwise carry out a quit asked for during the
    // wait under the code that waits. The window may have been closed during the wait.
    if (port && IsWindow(port))
        SetPort(port);
    --gWaitDepth;
    // A quit asked for during the wait is carried out at the main window's next message.
    if (QuitRequested() && gMainWindow)
        PostMessageA(gMainWindow, WM_NULL, 0, 0);
}
