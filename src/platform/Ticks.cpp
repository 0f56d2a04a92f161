#include "platform/Ticks.h"

#include "platform/SystemServices.h"

namespace {

MillisecondClock& InstalledClock() {
    static MillisecondClock clock;
    return clock;
}

} // namespace

void SetMillisecondClock(MillisecondClock clock) {
    InstalledClock() = std::move(clock);
}

std::uint32_t SystemMilliseconds() {
    const MillisecondClock& clock = InstalledClock();
    return clock ? clock() : ReadSystemClock();
}

// Whole 50 ms steps, 3 ticks each: ticks run in steps of 3, never in single ticks.
std::uint32_t TicksFromMilliseconds(std::uint32_t milliseconds) {
    return milliseconds / 50 * 3;
}

std::uint32_t TickCount() {
    return TicksFromMilliseconds(SystemMilliseconds());
}
