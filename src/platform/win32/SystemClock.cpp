#include <windows.h>

#include "platform/SystemServices.h"

std::uint32_t ReadSystemClock() {
    return GetTickCount();
}
