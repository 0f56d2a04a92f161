// The port table on real windows: cached contexts, the font description that travels with
// a port, font objects owned per context, and entries freed when windows close.
#include "platform/win32/Ports.h"

#include <gtest/gtest.h>

#include <vector>

#include "ToolboxTestWindows.h"
#include "platform/Alerts.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"

namespace {

class PortsTest : public testing::Test {
  protected:
    void SetUp() override { ToolboxMainWindow(); }
    void TearDown() override {
        for (HWND window : windows)
            DestroyWindow(window);
        SetPort(ToolboxMainWindow());
    }
    HWND Window(int x = 0) {
        windows.push_back(MakeTestWindow(100, 60, x, 0));
        return windows.back();
    }
    std::vector<HWND> windows;
};

TEST_F(PortsTest, MainWindowIsEntryZero) {
    EXPECT_EQ(gPortTable.entries[0].window, ToolboxMainWindow());
    EXPECT_GE(gScreenRect.right, 640);
    EXPECT_GE(gScreenRect.bottom, 480);
}

TEST_F(PortsTest, EachPortKeepsItsFontDescription) {
    HWND a = Window();
    HWND b = Window(120);
    SetPort(a);
    TextFont(kFontArial);
    TextSize(12);
    SetPort(b);
    TextFont(kFontCourierNew);
    TextSize(20);
    EXPECT_EQ(GetPortDC(), gPortTable.entries[FindPortEntry(b)].dc);
    SetPort(a);
    EXPECT_STREQ(gFontState->current.lfFaceName, "Arial");
    EXPECT_EQ(GetTextSize(), 16);
    SetPort(b);
    EXPECT_STREQ(gFontState->current.lfFaceName, "Courier New");
    EXPECT_EQ(GetTextSize(), 24);
}

TEST_F(PortsTest, NoFontIsDeletedWhileAnotherContextHoldsIt) {
    HWND a = Window();
    HWND b = Window(120);
    SetPort(a);
    TextFont(kFontArial);
    StringWidth("x");
    HDC dcA = GetPortDC();
    HGDIOBJ fontA = GetCurrentObject(dcA, OBJ_FONT);
    SetPort(b);
    StringWidth("x");
    TextSize(30);
    StringWidth("x"); // makes b's second font and deletes b's first
    EXPECT_EQ(GetObjectType(fontA), static_cast<DWORD>(OBJ_FONT))
        << "a's font outlives b's changes";
    EXPECT_EQ(GetCurrentObject(dcA, OBJ_FONT), fontA);
    HGDIOBJ fontB = GetCurrentObject(GetPortDC(), OBJ_FONT);
    EXPECT_NE(fontA, fontB);

    DestroyWindow(b); // b's port goes with its font
    windows.pop_back();
    EXPECT_EQ(GetObjectType(fontB), 0u);
    EXPECT_EQ(FindPortEntry(b), -1);
    EXPECT_EQ(gPortWindow, nullptr);
}

TEST_F(PortsTest, ClosedWindowsFreeTheirEntries) {
    Window();
    SetPort(windows.back());
    const auto count = gPortTable.count;
    for (int i = 0; i < 30; ++i) {
        HWND window = MakeTestWindow(20, 20, 200, 0);
        SetPort(window);
        StringWidth("x");
        DestroyWindow(window);
    }
    EXPECT_LE(gPortTable.count, count + 1);
}

TEST_F(PortsTest, FullTableBeepsTwiceAndStillDraws) {
    std::vector<HWND> extra;
    while (gPortTable.count < kPortTableSize || FindPortEntry(nullptr) >= 0) {
        extra.push_back(MakeTestWindow(10, 10, 300, 0));
        SetPort(extra.back());
    }
    const auto beeps = SysBeepCount();
    HWND window = Window(400);
    SetPort(window);
    EXPECT_EQ(SysBeepCount(), beeps + 2);
    EXPECT_EQ(gPortWindow, window);
    EXPECT_NE(GetPortDC(), nullptr);
    EXPECT_EQ(FindPortEntry(window), -1);
    EXPECT_GT(StringWidth("x"), 0);
    // The uncached context is given back when another window becomes the port: releasing it
    // once more then finds nothing to release.
    const HDC uncached = GetPortDC();
    SetPort(ToolboxMainWindow());
    EXPECT_EQ(ReleaseDC(window, uncached), 0);
    for (HWND w : extra)
        DestroyWindow(w);
}

TEST_F(PortsTest, PaintBracketHoldsThePort) {
    HWND a = Window();
    SetPort(a);
    TestBitmap bitmap(8, 8);
    const auto beeps = SysBeepCount();
    BeginDrawing(bitmap.dc());
    SetPort(ToolboxMainWindow()); // ignored while painting
    EXPECT_EQ(gPortWindow, a);
    EXPECT_EQ(GetPortDC(), bitmap.dc());
    BeginDrawing(bitmap.dc());
    EXPECT_EQ(SysBeepCount(), beeps + 1) << "nested";
    StringWidth("x");
    EndDrawing();
    EXPECT_EQ(gPortWindow, nullptr);
    EXPECT_EQ(GetPortDC(), nullptr);
    EXPECT_EQ(gInPaint, 0);
}

} // namespace
