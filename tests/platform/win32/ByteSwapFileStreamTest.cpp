#include "platform/ByteSwapFileStream.h"

#include <gtest/gtest.h>

TEST(ByteSwapFileStream, SwapsTheBytesOfLongsAndShorts) {
    ByteSwapFileStream stream;
    EXPECT_EQ(stream.swapFlag, 0);
    EXPECT_EQ(stream.SwapLong(0x01020304u), 0x04030201u);
    EXPECT_EQ(stream.SwapLong(0xFF000080u), 0x800000FFu);
    EXPECT_EQ(stream.SwapShort(0x0102), 0x0201);
    EXPECT_EQ(stream.SwapShort(0xFF80), 0x80FF);
    EXPECT_EQ(stream.openMode, kOpenModeNone);
}
