// Controls reached through one encoded reference: a combo box of the current port window,
// or the horizontal or vertical scroll bar of a window slot.
#pragma once

#include <cstdint>

using ControlRef = std::int16_t;

inline constexpr ControlRef kComboRefLimit = 1000;        // 0 to 999: combo-box item ids
inline constexpr ControlRef kHorizontalScrollRef = 0x800; // + window slot
inline constexpr ControlRef kVerticalScrollRef = 0x400;   // + window slot

// Combo values are 1-based. A reference that is none of the above shows "wrong ctl:" and
// answers -1.
std::int32_t GetControlValue(ControlRef ref);
void SetControlValue(ControlRef ref, std::int32_t value);
std::int32_t GetControlMaximum(ControlRef ref);
// Scroll bars only: range 0 to max, not redrawn; anything else beeps.
void SetControlMaximum(ControlRef ref, std::int32_t max);
