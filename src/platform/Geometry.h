// Points and rectangles. Rectangles in memory are in the system's order (left, top, right,
// bottom); data tables keep the classic toolbox order (top, left, bottom, right).
#pragma once

#include <cstdint>

// A point, v before h.
struct MacPoint {
    std::int32_t v;
    std::int32_t h;
};

// A rectangle in memory, laid out like the system's RECT.
struct WindowRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

// A rectangle as data tables hold it.
struct MacRect {
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};

extern WindowRect gScreenRect; // 0, 0, screen width, screen height; set when the toolbox starts

// A colour as three components, each 0 to 255.
struct ColorRecord {
    std::int16_t red;
    std::int16_t green;
    std::int16_t blue;
};
