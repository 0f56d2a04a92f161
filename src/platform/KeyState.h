// Whether Shift is held, as the input tracker last recorded it. Portable code reads it here;
// on Windows the tracker sets it beside its own key flags.
#pragma once

#include <cstdint>

inline std::uint8_t gShiftKeyHeld = 0;
