// Start and end of the drawing service layer, run by the main window on its creation and
// destruction.
#pragma once

#include <windows.h>

void InitToolbox(HWND mainWindow);
void DisposeToolbox();
