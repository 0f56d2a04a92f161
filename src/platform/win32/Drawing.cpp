#include "platform/win32/Drawing.h"

#include "platform/win32/Ports.h"

PenLocation gPenLocation = {};
std::int16_t gPenSize = 1;
COLORREF gForeColor = RGB(0, 0, 0);
COLORREF gFrameColor = RGB(0, 0, 0);
HBRUSH gBackgroundBrush = nullptr;

namespace {

std::int16_t Coordinate(int value) {
    return static_cast<std::int16_t>(value);
}

int FillWith(const RECT* rect, HBRUSH brush) {
    return FillRect(gPortDC, rect, brush) ? 0 : static_cast<int>(GetLastError());
}

// Draws with a pen of gPenSize in the given colour and mix mode, then restores the
// context's pen and mix mode.
template <class Draw> void WithPen(COLORREF color, int mixMode, Draw draw) {
    HPEN pen = CreatePen(PS_INSIDEFRAME, gPenSize, color);
    HGDIOBJ oldPen = SelectObject(gPortDC, pen);
    int oldMode = SetROP2(gPortDC, mixMode);
    draw();
    SetROP2(gPortDC, oldMode);
    SelectObject(gPortDC, oldPen);
    DeleteObject(pen);
}

} // namespace

void MoveTo(int h, int v) {
    gPenLocation = {Coordinate(h), Coordinate(v)};
    MoveToEx(gPortDC, gPenLocation.h, gPenLocation.v, nullptr);
}

void DrawLineTo(int h, int v) {
    gPenLocation = {Coordinate(h), Coordinate(v)};
    LineTo(gPortDC, gPenLocation.h, gPenLocation.v);
}

void LineToWithPen(int h, int v) {
    gPenLocation = {Coordinate(h), Coordinate(v)};
    WithPen(gForeColor, R2_COPYPEN, [] { LineTo(gPortDC, gPenLocation.h, gPenLocation.v); });
}

void PenSize(int width, int) {
    gPenSize = Coordinate(width);
}

int PaintRect(const RECT* rect) {
    return FillWith(rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

int EraseRect(const RECT* rect) {
    return FillWith(rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

int FillRectBackground(const RECT* rect) {
    return FillWith(rect, gBackgroundBrush);
}

void FramePortRect(const RECT* rect) {
    if (gPenSize == 1) {
        FrameRect(gPortDC, rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return;
    }
    WithPen(gFrameColor, R2_XORPEN,
            [rect] { Rectangle(gPortDC, rect->left, rect->top, rect->right, rect->bottom); });
}

void RGBForeColor(const ColorRecord* color) {
    gForeColor = RGB(color->red & 0xFF, color->green & 0xFF, color->blue & 0xFF);
}

void GetForeColor(HWND, ColorRecord* color) {
    color->red = GetRValue(gForeColor);
    color->green = GetGValue(gForeColor);
    color->blue = GetBValue(gForeColor);
}

void SetRGB(ColorRecord* color, int red, int green, int blue) {
    *color = {static_cast<std::int16_t>(red), static_cast<std::int16_t>(green),
              static_cast<std::int16_t>(blue)};
}

void SetPt(MacPoint* point, int h, int v) {
    point->v = Coordinate(v);
    point->h = Coordinate(h);
}

bool PointInRect(MacPoint point, const RECT* rect) {
    return PtInRect(rect, POINT{point.h, point.v}) != FALSE;
}

bool SectRect(const RECT* a, const RECT* b, RECT* out) {
    return IntersectRect(out, a, b) != FALSE;
}

void InitCursor() {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

std::int16_t Gestalt(std::uint32_t, std::int32_t*) {
    return -1;
}
