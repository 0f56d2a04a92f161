// Window titles, sizes and centring.
#include "platform/win32/WindowHelpers.h"

#include <gtest/gtest.h>

#include "ToolboxTestWindows.h"
#include "platform/Geometry.h"

namespace {

TEST(WindowHelpers, TitleSizeAndCentre) {
    ToolboxMainWindow();
    HWND window = MakeTestWindow(100, 50, 10, 20);
    EXPECT_TRUE(SetWTitle(window, "Schafkopf"));
    char title[256];
    GetWTitle(window, title);
    EXPECT_STREQ(title, "Schafkopf");

    SizeWindow(window, 200, 80);
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, 10);
    EXPECT_EQ(frame.top, 20);
    RECT client;
    EXPECT_EQ(GetClientArea(window, &client), &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 80);

    CenterWindow(window);
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, (gScreenRect.right - 200) / 2);
    EXPECT_EQ(frame.top, (gScreenRect.bottom - 80) / 2);
    DestroyWindow(window);
}

TEST(WindowHelpers, FrameSizesAddTheirParts) {
    const int dialogFrame = GetSystemMetrics(SM_CXDLGFRAME);
    EXPECT_EQ(FrameExtraWidth(false), 2 * dialogFrame);
    EXPECT_EQ(FrameExtraWidth(true), 2 * (dialogFrame + GetSystemMetrics(SM_CXVSCROLL)));
    EXPECT_EQ(FrameExtraHeight(true, true) - FrameExtraHeight(false, false),
              GetSystemMetrics(SM_CYMENUSIZE) + GetSystemMetrics(SM_CYVSCROLL));
    EXPECT_EQ(FrameExtraHeight(false, false),
              2 * GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION));
}

} // namespace
