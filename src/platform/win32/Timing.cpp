#include "platform/win32/Timing.h"

#include <windows.h>

#include "platform/Ticks.h"

void Delay(std::uint32_t ticks, std::uint32_t* elapsed) {
    const std::uint32_t start = SystemMilliseconds();
    const std::uint32_t limit = ticks * 50 / 3;
    std::uint32_t passed;
    // Unsigned differences: a wrap of the millisecond counter does not matter.
    while ((passed = SystemMilliseconds() - start) <= limit) {
        Sleep(limit - passed > 20 ? 1 : 0);
    }
    if (elapsed)
        *elapsed = TicksFromMilliseconds(passed);
}

void GetDateTime(std::uint32_t* seconds) {
    *seconds = SystemMilliseconds() / 1000;
}

bool WaitNextEvent(std::int16_t, void*, std::uint32_t, void*) {
    return false;
}
