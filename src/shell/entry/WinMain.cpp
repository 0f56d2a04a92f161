// The program's entry: the command line and the show command are not read.
#include <windows.h>

#include "shell/win32/Startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return RunProgram(instance);
}
