#include "ToolboxTestWindows.h"

#include "platform/win32/Input.h"
#include "platform/win32/Ports.h"
#include "platform/win32/Toolbox.h"

namespace {

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TrackInput(window, message, wParam, lParam);
    if (message == WM_DESTROY)
        ReleasePortDC(window);
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* WindowClass() {
    static const char* name = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = "ToolboxTestWindow";
        RegisterClassA(&windowClass);
        return "ToolboxTestWindow";
    }();
    return name;
}

} // namespace

HWND MakeTestWindow(int width, int height, int x, int y, DWORD extraStyle) {
    RECT frame = {0, 0, width, height};
    DWORD style = WS_POPUP | extraStyle;
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowExA(0, WindowClass(), "test", style, x, y, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    UpdateWindow(window);
    return window;
}

HWND ToolboxMainWindow() {
    static HWND window = [] {
        HWND main = MakeTestWindow(64, 64, 900, 700, WS_VISIBLE);
        InitToolbox(main);
        return main;
    }();
    return window;
}

TestBitmap::TestBitmap(int width, int height) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    previous_ = SelectObject(dc_, bitmap_);
    RECT all = {0, 0, width, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

TestBitmap::~TestBitmap() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

std::vector<COLORREF> TestBitmap::Pixels() const {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x)
            pixels.push_back(Pixel(x, y));
    }
    return pixels;
}

int TestBitmap::CountNot(COLORREF colour, const RECT& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            count += Pixel(x, y) != colour;
    }
    return count;
}
