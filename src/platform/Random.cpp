#include "platform/Random.h"

std::uint8_t gQuitRequested = 0;

namespace {

std::uint32_t gRandomState = 1;

} // namespace

void SeedRandom(std::uint32_t seed) {
    gRandomState = seed;
}

// The C standard's sample generator, written out: the C library's own rand() differs
// between runtimes, and games must replay the same way everywhere.
std::int16_t Random() {
    gRandomState = gRandomState * 1103515245u + 12345u;
    return static_cast<std::int16_t>((gRandomState >> 16) & 0x7FFF);
}

void RequestQuit() {
    gQuitRequested = 1;
}

bool QuitRequested() {
    return gQuitRequested != 0;
}
