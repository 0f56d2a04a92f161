// The numbered slots of the table window and the side windows with the pane that draws each,
// and the table window's screen position. Slot 0 is the table window; an empty slot is a
// closed window.
#pragma once

#include <windows.h>

inline constexpr int kWindowSlotCount = 18;

class Pane;

extern HWND gWindowSlots[kWindowSlotCount];
extern Pane* gPaneSlots[kWindowSlotCount]; // the slot owns its pane
extern POINT gTableOrigin;                 // screen position of the table window's client area
