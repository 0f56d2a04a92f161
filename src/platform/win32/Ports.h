// The current port: the window that drawing goes to, with its cached device context and
// its own font description. Paint handlers draw into the context the system hands them,
// bracketed by BeginDrawing and EndDrawing.
#pragma once

#include <windows.h>

#include <cstdint>

inline constexpr int kPortTableSize = 40;

// One window that has been a port. Entry 0 is the first window made a port (the main
// window) and keeps no font description of its own.
struct PortEntry {
    HWND window;      // null = free
    HDC dc;           // cached context, kept until ReleasePortDC
    LOGFONTA font;    // the description in force while this window is the port
    HFONT fontObject; // the font object selected into dc; owned by this entry
};

struct PortTable {
    std::int16_t count; // entries in use (high-water mark)
    PortEntry entries[kPortTableSize];
};

extern PortTable gPortTable;
extern HWND gPortWindow;      // the current port's window, null when none
extern HDC gPortDC;           // the context drawing goes to, null when none
extern std::uint8_t gInPaint; // a paint handler's context is in use (see BeginDrawing)

void SetPort(HWND window);
void GetPort(HWND* window);

// Makes a window the current port for a scope and puts the previous port back at its end
// (no window: the port stays as it is).
class PortScope {
  public:
    explicit PortScope(HWND window) {
        GetPort(&previous_);
        if (window)
            SetPort(window);
    }
    ~PortScope() {
        if (previous_)
            SetPort(previous_);
    }
    PortScope(const PortScope&) = delete;
    PortScope& operator=(const PortScope&) = delete;

  private:
    HWND previous_ = nullptr;
};
HDC GetPortDC();
// Inverts the outline of a rectangle in the window's port: drawn twice it is gone (the
// outline of a dragged card).
void InvertOutline(HWND window, const RECT& r);
// A paint handler's bracket: BeginPaint, BeginDrawing(dc), UsePalette(dc), drawing,
// EndDrawing, EndPaint. While drawing, SetPort and ValidRect do nothing.
void BeginDrawing(HDC dc);
void EndDrawing();
// Called when a window is destroyed: its cached context and font object are released.
void ReleasePortDC(HWND window);
HWND FrontWindow();
void HideWindow(HWND window);
// Both act on the current port window; the window argument is not used.
void InvalRect(HWND ignored, const RECT* rect);
void ValidRect(HWND ignored, const RECT* rect);
// Clips the current port's drawing to rect. The clip stays with the cached context until
// the next ClipRect: callers that clip restore the full area themselves.
void ClipRect(const RECT* rect);

// Finds the port-table entry of a window, or -1.
int FindPortEntry(HWND window, int firstEntry = 0);
