#include <chrono>

#include "platform/SystemServices.h"

std::uint32_t ReadSystemClock() {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}
