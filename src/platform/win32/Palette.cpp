#include "platform/win32/Palette.h"

#include <vector>

#include "platform/win32/Pictures.h"
#include "platform/win32/WindowsGlobals.h"

HPALETTE gPalette = nullptr;
int gPaletteColourCount = 0;

bool LoadPalette(int bitmapId, HDC dc) {
    if (!(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE)) {
        return true;
    }
    LoadedBitmap resource = LoadLibraryBitmap(gAppInstance, bitmapId);
    if (!resource.data) {
        return false;
    }
    MakePalette(resource);
    return true;
}

void MakePalette(LoadedBitmap resource) {
    if (CheckBitmapResource(resource) != kBitmapReadable) {
        return;
    }
    DisposePalette();
    const auto& header = *static_cast<const BITMAPINFOHEADER*>(resource.data);
    // Only the colour table that is really there: a bitmap of 16, 24 or 32 bits per pixel
    // without a used-colour count has none, and makes no palette. Keeping the previous
    // palette's count for it would read that many entries from a table that does not exist.
    const int colours = BitmapColourCount(header);
    gPaletteColourCount = colours;
    if (colours == 0) {
        return;
    }
    const auto* table =
        reinterpret_cast<const RGBQUAD*>(static_cast<const BYTE*>(resource.data) + header.biSize);
    std::vector<BYTE> block(sizeof(LOGPALETTE) + colours * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(colours);
    for (int i = 0; i < colours; ++i) {
        palette->palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue,
                                   PC_RESERVED};
    }
    gPalette = CreatePalette(palette);
}

void UsePalette(HDC dc) {
    if (gPalette && dc) {
        SelectPalette(dc, gPalette, FALSE);
        RealizePalette(dc);
    }
}

void DisposePalette() {
    if (gPalette) {
        DeleteObject(gPalette);
        gPalette = nullptr;
    }
    gPaletteColourCount = 0;
}
