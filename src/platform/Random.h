// The program's random numbers and the quit request flag.
#pragma once

#include <cstdint>

void SeedRandom(std::uint32_t seed);
std::int16_t Random(); // 0..32767

extern std::uint8_t gQuitRequested;
void RequestQuit();
bool QuitRequested();
