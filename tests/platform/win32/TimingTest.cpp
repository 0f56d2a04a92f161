// Ticks and waits on the millisecond clock, the clock replaced where exact values matter.
#include "platform/win32/Timing.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "platform/Ticks.h"

namespace {

class TimingTest : public testing::Test {
  protected:
    void TearDown() override { SetMillisecondClock({}); }
};

TEST_F(TimingTest, TicksAdvanceThreeEveryFiftyMilliseconds) {
    struct Case {
        std::uint32_t milliseconds, ticks;
    } cases[] = {{1000, 60}, {1049, 60}, {1050, 63}, {0xFFFFFFFFu, 0xFFFFFFFFu / 50 * 3}};
    for (const Case& c : cases) {
        SetMillisecondClock([c] { return c.milliseconds; });
        EXPECT_EQ(TickCount(), c.ticks) << c.milliseconds;
    }
    SetMillisecondClock([] { return 12999u; });
    std::uint32_t seconds = 0;
    GetDateTime(&seconds);
    EXPECT_EQ(seconds, 12u);
}

// On the system's clock only the lower bound holds on a busy machine; the ticks it reports
// are checked on a clock that moves 10 ms at every reading.
TEST_F(TimingTest, DelayWaitsMoreThanItsTicks) {
    const DWORD start = GetTickCount();
    Delay(3, nullptr);
    EXPECT_GT(GetTickCount() - start, 50u);

    std::uint32_t now = 5000;
    SetMillisecondClock([&now] { return now += 10; });
    std::uint32_t elapsed = 0;
    Delay(3, &elapsed); // more than 50 ms: the first reading after it is 60 ms on
    EXPECT_EQ(elapsed, 3u);
    EXPECT_EQ(now, 5070u);
}

TEST_F(TimingTest, DelayRunsAcrossTheClockWrap) {
    std::uint32_t now = 0xFFFFFFF0u;
    SetMillisecondClock([&now] { return now += 7; });
    std::uint32_t elapsed = 0;
    Delay(6, &elapsed); // more than 100 ms
    EXPECT_EQ(elapsed, 6u);
    EXPECT_LT(now, 0x100u);
    EXPECT_FALSE(WaitNextEvent(-1, nullptr, 0, nullptr));
}

} // namespace
