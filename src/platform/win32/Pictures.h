// Pictures: device-dependent bitmaps made from bitmap resources, drawn unscaled with their
// top-left corner at a point. The owner of a picture frees it with ReleaseResource(picture, 2).
#pragma once

#include <windows.h>

#include "platform/win32/Resources.h"

// Why a bitmap resource cannot be made into a picture (kBitmapReadable when it can).
enum BitmapCheck {
    kBitmapReadable = 0,
    kBitmapMissing,   // no data
    kBitmapTruncated, // shorter than its header, colour table or pixel rows say
    kBitmapOldHeader, // a header of fewer than 40 bytes (its colour table is laid out otherwise)
    kBitmapBadSize,   // width or height 0 or negative width, or too large
    kBitmapBadDepth,  // bits per pixel other than 1, 4, 8, 16, 24 or 32
    kBitmapBitFields, // colour masks or an embedded image instead of plain pixel bits
    kBitmapTooManyColours, // a colour table longer than 256 entries or than the depth allows
};

// Entries of the colour table before the bits: the used-colour count when it is not 0,
// otherwise 2, 16 or 256 for 1, 4 or 8 bits per pixel, and none for deeper pixels.
int BitmapColourCount(const BITMAPINFOHEADER& header);
// Checks that the header, colour table and pixel bits can be read as the picture code reads
// them; a bitmap that fails is refused instead of being drawn as garbage.
BitmapCheck CheckBitmapResource(LoadedBitmap resource);

// From the program's own bitmap resource id; null when it is missing or unreadable.
HBITMAP LoadBitmapResource(HDC dc, int id, bool usePalette);
// From an already loaded bitmap resource (null in, null out).
HBITMAP MakeBitmapFromResource(HDC dc, LoadedBitmap resource, bool usePalette);

// Into the current port's context, top-left at the rectangle's left and top.
void DrawPicture(HBITMAP picture, const RECT* rect);
// Into the window's context, or the current port's when window is null.
void DrawBitmapAt(HWND window, HBITMAP picture, int h, int v);
void DrawBitmapInDC(HDC dc, HBITMAP picture, int h, int v);
// Owner-drawn picture buttons: the picture at its own size at the item's top-left corner,
// without the palette.
void DrawBitmapButton(int ignored, HBITMAP picture, const DRAWITEMSTRUCT* item);
// left 0, top 0, right = width, bottom = height.
void GetPictureBounds(HBITMAP picture, RECT* bounds);
