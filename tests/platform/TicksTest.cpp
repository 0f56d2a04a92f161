#include "platform/Ticks.h"

#include <gtest/gtest.h>

TEST(Ticks, AdvanceThreeAtATimeEveryFiftyMilliseconds) {
    struct Case {
        std::uint32_t milliseconds;
        std::uint32_t ticks;
    };
    std::uint32_t now = 0;
    SetMillisecondClock([&now] { return now; });
    for (Case c : {Case{0, 0}, Case{49, 0}, Case{50, 3}, Case{1000, 60}, Case{1049, 60},
                   Case{1050, 63}, Case{0xFFFFFFFFu, 0xFFFFFFFFu / 50 * 3}}) {
        now = c.milliseconds;
        EXPECT_EQ(TickCount(), c.ticks) << c.milliseconds << " ms";
        EXPECT_EQ(SystemMilliseconds(), c.milliseconds);
    }
    SetMillisecondClock({});
}
