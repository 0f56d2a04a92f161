// Where the program lives and where it keeps its data.
#pragma once

inline constexpr int kPathSize = 256;

extern char gProgramDir[kPathSize];  // the program file's directory, with a trailing backslash
extern char gDataPath[kPathSize];    // the data directory, with a trailing backslash
