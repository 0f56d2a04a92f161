#include "platform/Random.h"

#include <gtest/gtest.h>

TEST(Random, FollowsTheStandardSampleGeneratorFromItsSeed) {
    SeedRandom(1);
    EXPECT_EQ(Random(), 16838);
    EXPECT_EQ(Random(), 5758);
    EXPECT_EQ(Random(), 10113);
    SeedRandom(1);
    EXPECT_EQ(Random(), 16838); // the same seed replays the same numbers
    SeedRandom(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        std::int16_t value = Random();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

TEST(QuitRequest, IsSetByAnyCaller) {
    EXPECT_FALSE(QuitRequested());
    RequestQuit();
    EXPECT_TRUE(QuitRequested());
    EXPECT_EQ(gQuitRequested, 1);
    gQuitRequested = 0;
}
