#include <windows.h>

#include "platform/win32/WindowsGlobals.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    gAppInstance = instance;
    return 0;
}
