#include "support/TestServices.h"

#ifdef _WIN32
#include "platform/win32/WindowsGlobals.h"
#endif

void InstallTestServices() {
#ifdef _WIN32
    gAppInstance = GetModuleHandleA(nullptr);
#endif
}
