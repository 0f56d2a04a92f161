// Time in ticks: sixtieths of a second, computed from the system's milliseconds as
// (ms / 50) x 3, so they advance in steps of 3 every 50 ms.
#pragma once

#include <cstdint>
#include <functional>

std::uint32_t TickCount();
std::uint32_t TicksFromMilliseconds(std::uint32_t milliseconds);
// Milliseconds since the system started, read from the installed clock; tests replace the
// clock to check the arithmetic. Every reading of time in the program goes through here.
std::uint32_t SystemMilliseconds();
using MillisecondClock = std::function<std::uint32_t()>;
void SetMillisecondClock(MillisecondClock clock); // empty restores the system clock
