// Pen drawing into the current port: a pen with a location and a size, rectangles painted,
// erased, filled and framed, lines, two colours, and the small point and rectangle helpers.
// Coordinates are taken as signed 16-bit.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/Geometry.h"

struct PenLocation {
    std::int16_t h;
    std::int16_t v;
};

extern PenLocation gPenLocation;
extern std::int16_t gPenSize;   // 1 at start
extern COLORREF gForeColor;     // line colour of LineToWithPen
extern COLORREF gFrameColor;    // frame colour of thick frames; black
extern HBRUSH gBackgroundBrush; // the light grey of the program's backgrounds
inline constexpr COLORREF kBackgroundColor = RGB(239, 239, 239);

void MoveTo(int h, int v);
void DrawLineTo(int h, int v);       // with the context's current pen
void LineToWithPen(int h, int v);    // with a pen of gPenSize and gForeColor
void PenSize(int width, int height); // height is not used
int PaintRect(const RECT* rect);     // black
int EraseRect(const RECT* rect);     // white
int FillRectBackground(const RECT* rect);
// Pen size 1: a one-pixel black frame. Any other size: an XOR rectangle that inverts the
// inside and leaves the band; drawn twice it restores the screen (the drag outline).
void FramePortRect(const RECT* rect);

void RGBForeColor(const ColorRecord* color);
void GetForeColor(HWND ignored, ColorRecord* color);
void SetRGB(ColorRecord* color, int red, int green, int blue);
void SetPt(MacPoint* point, int h, int v);
// Right and bottom edges are outside.
bool PointInRect(MacPoint point, const RECT* rect);
bool SectRect(const RECT* a, const RECT* b, RECT* out);
void InitCursor();
// No selector is available on this system: answers -1 and writes nothing.
std::int16_t Gestalt(std::uint32_t selector, std::int32_t* answer);
