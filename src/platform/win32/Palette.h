// The program palette: made once from the colour table of one bitmap resource (1050) and
// realised into every context that pictures are drawn into. On a display that is not
// palette-based there is no palette and realising does nothing.
#pragma once

#include <windows.h>

#include "platform/win32/Resources.h"

inline constexpr int kPaletteBitmapId = 1050;

extern HPALETTE gPalette;       // null when none
extern int gPaletteColourCount; // entries of gPalette

// Only on a palette-based context: makes the palette from the program's bitmap id (false
// when that bitmap is missing). Answers true without doing anything on any other device.
bool LoadPalette(int bitmapId, HDC dc);
// Replaces gPalette by the bitmap's colour table (entries flagged PC_RESERVED). A bitmap
// without a colour table leaves no palette; an unreadable one changes nothing.
void MakePalette(LoadedBitmap resource);
// Selects gPalette into dc as a foreground palette and realises it.
void UsePalette(HDC dc);
void DisposePalette();
