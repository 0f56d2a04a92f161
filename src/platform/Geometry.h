// Points and rectangles in the classic toolbox manner: v before h, top/left/bottom/right.
#pragma once

#include <cstdint>

struct MacPoint {
    std::int16_t v;
    std::int16_t h;
};

struct MacRect {
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};

extern MacRect gScreenRect;  // the screen, set when the toolbox starts
