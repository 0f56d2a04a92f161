#include "platform/win32/WindowsGlobals.h"

HINSTANCE gAppInstance = nullptr;
HWND gMainWindow = nullptr;
