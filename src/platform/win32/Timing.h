// Waits and seconds on the tick clock (platform/Ticks.h).
#pragma once

#include <cstdint>

// Waits, handling no message, until more than ticks x 50 / 3 ms have passed; elapsed (may
// be null) receives the ticks that passed.
void Delay(std::uint32_t ticks, std::uint32_t* elapsed);
// Whole seconds since the system started: only differences of two readings mean anything.
void GetDateTime(std::uint32_t* seconds);
// Answers false and handles nothing: long computations call it where an event loop would
// give the system time.
bool WaitNextEvent(std::int16_t mask, void* event, std::uint32_t sleep, void* region);
