// The program's resources are linked into the test programs and read in code page 1252.
#include <gtest/gtest.h>
#include <windows.h>

TEST(Resources, StringTableIsLinkedInWithItsCodePage) {
    char text[256] = {};
    ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), 1801, text, sizeof text), 0);
    EXPECT_STREQ(text, "M\xFCller");
    ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), 904, text, sizeof text), 0);
    EXPECT_STREQ(text, "Programming error: ^1");
}
