#include "platform/win32/WindowSlots.h"

HWND gWindowSlots[kWindowSlotCount] = {};
POINT gTableOrigin = {};
