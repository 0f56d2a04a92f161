// Lists of seats: the party lists and a mover's partners and opponents. An entry of -1 is a
// seat not known yet and matches nothing.
#pragma once

#include <cstdint>

inline bool ListHoldsSeat(const std::int16_t* list, int count, int seat) {
    if (seat < 0)
        return false;
    for (int i = 0; i < count; ++i)
        if (list[i] == seat)
            return true;
    return false;
}
