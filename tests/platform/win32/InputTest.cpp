// The input tracker's flags, and the real button and pointer that drag loops read.
#include "platform/win32/Input.h"

#include <gtest/gtest.h>

#include "ToolboxTestWindows.h"
#include "platform/win32/Ports.h"

namespace {

LPARAM At(int h, int v) {
    return MAKELPARAM(static_cast<WORD>(h), static_cast<WORD>(v));
}

class InputTest : public testing::Test {
  protected:
    void SetUp() override {
        gMouseFlags = {};
        window = MakeTestWindow(200, 100, 100, 100);
    }
    void TearDown() override { DestroyWindow(window); }
    HWND window = nullptr;
};

TEST_F(InputTest, PressIsTakenOnce) {
    TrackInput(window, WM_LBUTTONDOWN, MK_LBUTTON, At(12, 34));
    EXPECT_TRUE(TakeMouseDown());
    EXPECT_FALSE(TakeMouseDown());
    MacPoint point;
    GetMouse(&point);
    EXPECT_EQ(point.h, 12);
    EXPECT_EQ(point.v, 34);
    TrackInput(window, WM_LBUTTONUP, 0, At(12, 34));
    EXPECT_TRUE(TakeMouseUp());
    EXPECT_FALSE(TakeMouseUp());
    EXPECT_FALSE(TakeMouseDown());
}

TEST_F(InputTest, CoordinatesLeftOfAndAboveTheWindowAreNegative) {
    TrackInput(window, WM_MOUSEMOVE, MK_LBUTTON, At(-5, -300));
    EXPECT_EQ(gMouseFlags.h, -5);
    EXPECT_EQ(gMouseFlags.v, -300);
    MacPoint point;
    GetMouse(&point);
    EXPECT_EQ(point.h, -5);
    EXPECT_EQ(point.v, -300);
}

TEST_F(InputTest, DoubleClicksAndDialogStart) {
    TrackInput(window, WM_LBUTTONDOWN, 0, At(1, 1));
    TrackInput(window, WM_RBUTTONDOWN, 0, At(1, 1));
    TrackInput(window, WM_LBUTTONDBLCLK, 0, At(1, 1));
    EXPECT_EQ(gMouseFlags.leftDoubleClick, 1);
    TrackInput(window, WM_RBUTTONDBLCLK, 0, At(1, 1));
    EXPECT_EQ(gMouseFlags.leftDoubleClick, 0) << "a new button message clears both";
    EXPECT_EQ(gMouseFlags.rightDoubleClick, 1);
    TrackInput(window, WM_RBUTTONUP, 0, At(2, 2));
    EXPECT_EQ(gMouseFlags.rightDown, 0);
    EXPECT_EQ(gMouseFlags.rightUp, 1);

    TrackInput(window, WM_INITDIALOG, 0, 0);
    EXPECT_FALSE(TakeMouseDown()) << "a dialog forgets pending presses";
    EXPECT_EQ(gMouseFlags.rightDoubleClick, 0);
    EXPECT_EQ(gMouseFlags.h, 0);
    TrackInput(window, WM_NCMOUSEMOVE, 0, At(50, 50));
    EXPECT_EQ(gMouseFlags.h, 0);
}

TEST_F(InputTest, FunctionKeysAreReadOnKeyDown) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_F5] = 0x80;
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    TrackInput(window, WM_KEYDOWN, VK_F5, 0);
    EXPECT_EQ(gKeyFlags.function[4], 1);
    EXPECT_EQ(gKeyFlags.function[3], 0);
    EXPECT_EQ(gKeyFlags.shift, 1);
    keys[VK_F5] = 0;
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    TrackInput(window, WM_KEYUP, VK_F5, 0);
    EXPECT_EQ(gKeyFlags.shift, 0);
    EXPECT_EQ(gKeyFlags.function[4], 1) << "only a key-down reads the function keys";
}

void SendButton(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// A drag loop handles no messages: the button and the pointer are read from the system. The
// test moves the real pointer and presses its button, so it runs alone (its name holds
// "RealInput"): a window of a test beside it could take the click.
TEST_F(InputTest, RealInputDrivesStillDownAndGetMouse) {
    SetCursorPos(150, 150);
    TrackInput(window, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50));
    SendButton(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(StillDown());
    SetCursorPos(180, 170);
    EXPECT_TRUE(StillDown());
    MacPoint point;
    GetMouse(&point);
    EXPECT_EQ(point.h, 80);
    EXPECT_EQ(point.v, 70);
    SetCursorPos(90, 60); // released left of and above the window
    SendButton(MOUSEEVENTF_LEFTUP);
    EXPECT_FALSE(StillDown());
    GetMouse(&point);
    EXPECT_EQ(point.h, -10);
    EXPECT_EQ(point.v, -40);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

} // namespace
