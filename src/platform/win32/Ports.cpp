#include "platform/win32/Ports.h"

#include "platform/Alerts.h"
#include "platform/win32/Fonts.h"

PortTable gPortTable = {};
HWND gPortWindow = nullptr;
HDC gPortDC = nullptr;
std::uint8_t gInPaint = 0;

namespace {

// SetPort activates the window, and an activation handler may make a port in turn: the
// inner call is ignored, so the outer one finishes on a port table it can trust.
bool sInSetPort = false;

// The context of a port that found the table full: no entry keeps it, so it is released here
// when the port changes, when drawing ends or when its window goes.
HWND sUncachedWindow = nullptr;
HDC sUncachedDC = nullptr;

void ReleaseUncachedDC() {
    if (!sUncachedDC)
        return;
    ReleaseLooseFont(sUncachedDC);
    ReleaseDC(sUncachedWindow, sUncachedDC);
    if (gPortDC == sUncachedDC)
        gPortDC = nullptr;
    sUncachedWindow = nullptr;
    sUncachedDC = nullptr;
}

void SaveDescription(PortEntry& entry) {
    if (gFontState)
        entry.font = gFontState->current;
}

} // namespace

int FindPortEntry(HWND window, int firstEntry) {
    for (int i = firstEntry; i < gPortTable.count; ++i) {
        if (gPortTable.entries[i].window == window)
            return i;
    }
    return -1;
}

void SetPort(HWND window) {
    if (!window || gInPaint || sInSetPort)
        return;
    sInSetPort = true;
    if (window == gPortWindow) {
        int index = FindPortEntry(window, 0);
        if (index >= 0) {
            PortEntry& entry = gPortTable.entries[index];
            gPortDC = entry.dc;
            if (index > 0)
                SaveDescription(entry);
            if (window != GetActiveWindow()) {
                SetActiveWindow(window);
                if (entry.dc) {
                    DropPortFont(entry);
                    ReleaseDC(window, entry.dc);
                }
                entry.dc = GetDC(window);
                gPortDC = entry.dc;
                gFontChanged = 1;
            }
        }
        sInSetPort = false;
        return;
    }

    SetActiveWindow(window);
    ReleaseUncachedDC();
    if (gPortWindow) {
        int previous = FindPortEntry(gPortWindow, 1);
        if (previous >= 1)
            SaveDescription(gPortTable.entries[previous]);
    }
    gPortWindow = window;
    gFontChanged = 1;

    int index = FindPortEntry(window, 0);
    if (index >= 0) {
        const PortEntry& entry = gPortTable.entries[index];
        gPortDC = entry.dc;
        if (index > 0 && gFontState)
            gFontState->current = entry.font;
        sInSetPort = false;
        return;
    }

    gPortDC = GetDC(window);
    int free = FindPortEntry(nullptr, 0);
    if (free < 0 && gPortTable.count < kPortTableSize)
        free = gPortTable.count++;
    if (free < 0) {
        // Full: the window is the port all the same, through a context nobody caches.
        SysBeep(1);
        SysBeep(1);
        sUncachedWindow = window;
        sUncachedDC = gPortDC;
    } else {
        PortEntry& entry = gPortTable.entries[free];
        entry = PortEntry{};
        entry.window = window;
        entry.dc = gPortDC;
        if (free > 0)
            SaveDescription(entry);
    }
    sInSetPort = false;
}

void GetPort(HWND* window) {
    *window = gPortWindow;
}

HDC GetPortDC() {
    return gPortDC;
}

void BeginDrawing(HDC dc) {
    if (gInPaint)
        SysBeep(1);
    gInPaint = 1;
    gPortDC = dc;
    gFontChanged = 1;
}

void EndDrawing() {
    ReleaseLooseFont(gPortDC);
    ReleaseUncachedDC();
    gInPaint = 0;
    gPortWindow = nullptr;
    gPortDC = nullptr;
}

void ReleasePortDC(HWND window) {
    if (window && window == sUncachedWindow) {
        ReleaseUncachedDC();
        if (gPortWindow == window)
            gPortWindow = nullptr;
    }
    int index = window ? FindPortEntry(window, 0) : -1;
    if (index < 0)
        return;
    PortEntry& entry = gPortTable.entries[index];
    DropPortFont(entry);
    if (entry.dc)
        ReleaseDC(window, entry.dc);
    if (gPortWindow == window) {
        gPortWindow = nullptr;
        gPortDC = nullptr;
    }
    entry.window = nullptr;
    entry.dc = nullptr;
}

HWND FrontWindow() {
    return GetActiveWindow();
}

void HideWindow(HWND window) {
    ShowWindow(window, SW_HIDE);
}

void InvalRect(HWND, const RECT* rect) {
    InvalidateRect(gPortWindow, rect, TRUE);
}

void ValidRect(HWND, const RECT* rect) {
    if (!gInPaint)
        ValidateRect(gPortWindow, rect);
}

void ClipRect(const RECT* rect) {
    HRGN region = CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
    SelectClipRgn(gPortDC, region);
    DeleteObject(region);
}

void InvertOutline(HWND window, const RECT& r) {
    PortScope port(window);
    HDC dc = GetPortDC();
    if (!dc)
        return;
    const int mode = SetROP2(dc, R2_NOT);
    HGDIOBJ brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, brush);
    SetROP2(dc, mode);
}
