// The instance and main window every box and resource lookup uses.
#pragma once

#include <windows.h>

extern HINSTANCE gAppInstance; // the program module (the test program's in tests)
extern HWND gMainWindow;       // owner of alerts; null until the main window exists
