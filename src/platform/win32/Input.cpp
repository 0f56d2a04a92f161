#include "platform/win32/Input.h"

#include "platform/KeyState.h"
#include "platform/win32/Ports.h"

KeyFlags gKeyFlags = {};
MouseFlags gMouseFlags = {};

namespace {

HWND sMouseWindow = nullptr; // the window whose procedure last saw a mouse message

std::uint8_t IsDown(int key) {
    return (GetKeyState(key) & 0x8000) ? 1 : 0;
}

void RecordPosition(HWND window, LPARAM lParam) {
    // Signed: a captured drag left of or above the window gives negative coordinates.
    gMouseFlags.h = static_cast<std::int16_t>(LOWORD(lParam));
    gMouseFlags.v = static_cast<std::int16_t>(HIWORD(lParam));
    sMouseWindow = window;
}

} // namespace

LRESULT TrackInput(HWND window, UINT message, WPARAM, LPARAM lParam) {
    gKeyFlags.shift = IsDown(VK_SHIFT);
    gShiftKeyHeld = gKeyFlags.shift;
    gKeyFlags.ctrl = IsDown(VK_CONTROL);
    switch (message) {
    case WM_KEYDOWN:
        for (int i = 0; i < 10; ++i)
            gKeyFlags.function[i] = IsDown(VK_F1 + i);
        break;
    case WM_INITDIALOG:
        gMouseFlags.leftDown = gMouseFlags.rightDown = 0;
        gMouseFlags.leftDoubleClick = gMouseFlags.rightDoubleClick = 0;
        gMouseFlags.h = gMouseFlags.v = 0;
        break;
    case WM_MOUSEMOVE:
        RecordPosition(window, lParam);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        gMouseFlags.leftDoubleClick = gMouseFlags.rightDoubleClick = 0;
        RecordPosition(window, lParam);
        switch (message) {
        case WM_LBUTTONDOWN:
            gMouseFlags.leftDown = 1;
            gMouseFlags.leftUp = 0;
            break;
        case WM_LBUTTONUP:
            gMouseFlags.leftDown = 0;
            gMouseFlags.leftUp = 1;
            break;
        case WM_LBUTTONDBLCLK:
            gMouseFlags.leftDoubleClick = 1;
            break;
        case WM_RBUTTONDOWN:
            gMouseFlags.rightDown = 1;
            gMouseFlags.rightUp = 0;
            break;
        case WM_RBUTTONUP:
            gMouseFlags.rightDown = 0;
            gMouseFlags.rightUp = 1;
            break;
        default:
            gMouseFlags.rightDoubleClick = 1;
            break;
        }
        break;
    default:
        break;
    }
    return 0;
}

bool TakeMouseDown() {
    bool down = gMouseFlags.leftDown != 0;
    gMouseFlags.leftDown = 0;
    return down;
}

bool TakeMouseUp() {
    bool up = gMouseFlags.leftUp != 0;
    gMouseFlags.leftUp = 0;
    return up;
}

// Samples the real pointer: the drag loops call this before every GetMouse, so the recorded
// position follows the pointer (and ends at the release point) though no message arrives.
bool StillDown() {
    // The physical button that acts as the left one.
    int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    bool down = (GetAsyncKeyState(button) & 0x8000) != 0;
    HWND window = IsWindow(sMouseWindow) ? sMouseWindow : gPortWindow;
    POINT cursor;
    if (window && GetCursorPos(&cursor) && ScreenToClient(window, &cursor)) {
        gMouseFlags.h = cursor.x;
        gMouseFlags.v = cursor.y;
    }
    return down;
}

void GetMouse(MacPoint* point) {
    point->v = static_cast<std::int16_t>(gMouseFlags.v);
    point->h = static_cast<std::int16_t>(gMouseFlags.h);
}
