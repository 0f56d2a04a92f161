// The input tracker: every window and dialog procedure passes its message here first, which
// keeps the Shift, Ctrl and function-key flags, the mouse buttons and the mouse position.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/Geometry.h"

struct KeyFlags {
    std::uint8_t shift;
    std::uint8_t ctrl;
    std::uint8_t function[10]; // F1 to F10
};

struct MouseFlags {
    std::uint8_t leftDown;
    std::uint8_t rightDown;
    std::uint8_t leftUp;
    std::uint8_t rightUp;
    std::uint8_t leftDoubleClick;
    std::uint8_t rightDoubleClick;
    std::int32_t h; // client coordinates of the window that saw the mouse message;
    std::int32_t v; // negative left of or above it (a captured drag)
};

extern KeyFlags gKeyFlags;
extern MouseFlags gMouseFlags;

// Updates the flags; has no other effect. The answer is not used.
LRESULT TrackInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool TakeMouseDown(); // the left press, consumed
bool TakeMouseUp();   // the left release, consumed
// Drag loops handle no messages between their calls, so these two read the real button
// state and pointer position rather than the recorded flags.
bool StillDown();
void GetMouse(MacPoint* point);
