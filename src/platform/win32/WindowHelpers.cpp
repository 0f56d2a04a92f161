#include "platform/win32/WindowHelpers.h"

#include <cstdint>

#include "platform/Alerts.h"
#include "platform/Geometry.h"

void GetWTitle(HWND window, char* buffer) {
    buffer[0] = '\0';
    GetWindowTextA(window, buffer, 255);
}

bool SetWTitle(HWND window, const char* text) {
    return SetWindowTextA(window, text) != FALSE;
}

bool SelectWindow(HWND window) {
    return BringWindowToTop(window) != FALSE;
}

void SizeWindow(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, static_cast<std::int16_t>(width),
                 static_cast<std::int16_t>(height), SWP_NOMOVE);
}

void GetWindowClientRect(HWND window, RECT* rect) {
    if (!GetClientRect(window, rect))
        SysBeep(1);
}

RECT* GetClientArea(HWND window, RECT* rect) {
    GetClientRect(window, rect);
    return rect;
}

void CenterWindow(HWND window) {
    RECT frame;
    if (!GetWindowRect(window, &frame))
        return;
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    int screenWidth = gScreenRect.right - gScreenRect.left;
    int screenHeight = gScreenRect.bottom - gScreenRect.top;
    MoveWindow(window, (screenWidth - width) / 2, (screenHeight - height) / 2, width, height, TRUE);
}

int FrameExtraWidth(bool withScrollBar) {
    int side = GetSystemMetrics(SM_CXDLGFRAME);
    if (withScrollBar)
        side += GetSystemMetrics(SM_CXVSCROLL);
    return 2 * side;
}

int FrameExtraHeight(bool withScrollBar, bool withMenu) {
    int extra = 2 * GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION);
    if (withMenu)
        extra += GetSystemMetrics(SM_CYMENUSIZE);
    if (withScrollBar)
        extra += GetSystemMetrics(SM_CYVSCROLL);
    return extra;
}
