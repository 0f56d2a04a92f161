#include "platform/win32/WindowSlots.h"

HWND gWindowSlots[kWindowSlotCount] = {};
Pane* gPaneSlots[kWindowSlotCount] = {};
POINT gTableOrigin = {};
