#include "platform/win32/Toolbox.h"

#include "platform/Geometry.h"
#include "platform/Random.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Ports.h"
#include "platform/win32/Resources.h"

void InitToolbox(HWND mainWindow) {
    gScreenRect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    gPenSize = 1;
    gFrameColor = RGB(0, 0, 0);
    gPortDC = nullptr;
    SetPort(mainWindow);

    DisposeFonts();
    HDC screen = GetDC(nullptr);
    gFontState = CollectFontFamilies(screen);
    ReleaseDC(nullptr, screen);
    gFontChanged = 1;

    // All four library modules: none is loaded yet when the main window is made, and a main
    // window made again must not find the modules of an earlier one.
    ClearResourceLibraries();
    SeedRandom(GetTickCount());
    if (!gBackgroundBrush)
        gBackgroundBrush = CreateSolidBrush(kBackgroundColor);
}

void DisposeToolbox() {
    DisposeFonts();
}
