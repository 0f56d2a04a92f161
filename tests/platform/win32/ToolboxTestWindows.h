// Windows and bitmaps for the drawing and input tests: the toolbox is started once on a
// main window of its own; further windows release their port when destroyed, as every
// window of the program does.
#pragma once

#include <windows.h>

#include <vector>

// The main window the toolbox was started on (made on first use).
HWND ToolboxMainWindow();
// A top-level window with a client area of width x height at (x, y); style bits such as
// WS_HSCROLL or WS_VISIBLE are added to a plain hidden popup. (Under Wine without a window
// manager, closing a visible window waits two seconds for the display: keep tests hidden
// unless they read the screen.)
HWND MakeTestWindow(int width, int height, int x = 0, int y = 0, DWORD extraStyle = 0);

// A 24-bit memory bitmap selected into its own context, drawn into through
// BeginDrawing/EndDrawing.
class TestBitmap {
  public:
    TestBitmap(int width, int height);
    ~TestBitmap();
    TestBitmap(const TestBitmap&) = delete;
    TestBitmap& operator=(const TestBitmap&) = delete;
    HDC dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }
    std::vector<COLORREF> Pixels() const; // row by row
    // Counts pixels that differ from colour inside the rectangle.
    int CountNot(COLORREF colour, const RECT& area) const;

  private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};
