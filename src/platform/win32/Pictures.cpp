#include "platform/win32/Pictures.h"

#include <cstdint>

#include "platform/win32/Palette.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowsGlobals.h"

namespace {

inline constexpr std::uint32_t kInfoHeaderSize = sizeof(BITMAPINFOHEADER); // 40
inline constexpr int kMaxColours = 256;
inline constexpr LONG kMaxSide = 0x7fff; // pictures are placed with 16-bit coordinates

const BITMAPINFOHEADER& HeaderOf(LoadedBitmap resource) {
    return *static_cast<const BITMAPINFOHEADER*>(resource.data);
}

const BYTE* BitsOf(LoadedBitmap resource) {
    const BITMAPINFOHEADER& header = HeaderOf(resource);
    return static_cast<const BYTE*>(resource.data) + header.biSize + BitmapColourCount(header) * 4;
}

// A memory context still holding its 1 x 1 monochrome bitmap, or no context at all, would
// make every picture black and white: such pictures are made for the screen instead.
bool MakesMonochrome(HDC dc) {
    if (!dc) {
        return true;
    }
    if (GetObjectType(dc) != OBJ_MEMDC) {
        return false;
    }
    BITMAP selected{};
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    return bitmap && GetObjectA(bitmap, sizeof selected, &selected) && selected.bmBitsPixel == 1;
}

void CopyPicture(HDC dc, HBITMAP picture, int h, int v, bool withPalette) {
    if (!dc || !picture) {
        return;
    }
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) {
        return;
    }
    BITMAP info{};
    GetObjectA(picture, sizeof info, &info);
    if (withPalette) {
        UsePalette(memory);
    }
    HGDIOBJ previous = SelectObject(memory, picture);
    if (withPalette) {
        if (GetStretchBltMode(dc) != COLORONCOLOR) {
            SetStretchBltMode(dc, COLORONCOLOR);
        }
        StretchBlt(dc, std::int16_t(h), std::int16_t(v), info.bmWidth, info.bmHeight, memory, 0, 0,
                   info.bmWidth, info.bmHeight, SRCCOPY);
    } else {
        BitBlt(dc, h, v, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
}

} // namespace

int BitmapColourCount(const BITMAPINFOHEADER& header) {
    if (header.biClrUsed != 0) {
        return static_cast<int>(header.biClrUsed);
    }
    switch (header.biBitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

BitmapCheck CheckBitmapResource(LoadedBitmap resource) {
    if (!resource.data) {
        return kBitmapMissing;
    }
    if (resource.size < sizeof(DWORD)) {
        return kBitmapTruncated;
    }
    const BITMAPINFOHEADER& header = HeaderOf(resource);
    if (header.biSize < kInfoHeaderSize) {
        return kBitmapOldHeader;
    }
    if (resource.size < header.biSize) {
        return kBitmapTruncated;
    }
    if (header.biWidth <= 0 || header.biWidth > kMaxSide || header.biHeight == 0 ||
        header.biHeight > kMaxSide || header.biHeight < -kMaxSide) {
        return kBitmapBadSize;
    }
    const int depth = header.biBitCount;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) {
        return kBitmapBadDepth;
    }
    const bool runLength = (header.biCompression == BI_RLE8 && depth == 8) ||
                           (header.biCompression == BI_RLE4 && depth == 4);
    if (header.biCompression != BI_RGB && !runLength) {
        return kBitmapBitFields;
    }
    if (header.biClrUsed > kMaxColours || (depth <= 8 && header.biClrUsed > (1u << depth))) {
        return kBitmapTooManyColours;
    }
    const std::uint64_t bitsOffset = header.biSize + std::uint64_t(BitmapColourCount(header)) * 4;
    if (bitsOffset > resource.size) {
        return kBitmapTruncated;
    }
    const std::uint64_t rows =
        header.biHeight < 0 ? -std::int64_t(header.biHeight) : header.biHeight;
    const std::uint64_t stride = ((std::uint64_t(header.biWidth) * depth + 31) / 32) * 4;
    const std::uint64_t bitsSize = runLength ? header.biSizeImage : stride * rows;
    if (bitsSize == 0 || bitsOffset + bitsSize > resource.size) {
        return kBitmapTruncated;
    }
    return kBitmapReadable;
}

HBITMAP LoadBitmapResource(HDC dc, int id, bool usePalette) {
    return MakeBitmapFromResource(dc, LoadLibraryBitmap(gAppInstance, id), usePalette);
}

HBITMAP MakeBitmapFromResource(HDC dc, LoadedBitmap resource, bool usePalette) {
    if (CheckBitmapResource(resource) != kBitmapReadable) {
        return nullptr;
    }
    HDC screen = MakesMonochrome(dc) ? GetDC(nullptr) : nullptr;
    HDC target = screen ? screen : dc;
    if (usePalette) {
        UsePalette(target);
    }
    const BITMAPINFOHEADER& header = HeaderOf(resource);
    HBITMAP picture = CreateDIBitmap(target, &header, CBM_INIT, BitsOf(resource),
                                     reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS);
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return picture;
}

void DrawPicture(HBITMAP picture, const RECT* rect) {
    DrawBitmapInDC(gPortDC, picture, rect->left, rect->top);
}

void DrawBitmapAt(HWND window, HBITMAP picture, int h, int v) {
    if (!window) {
        DrawBitmapInDC(gPortDC, picture, h, v);
        return;
    }
    HDC dc = GetDC(window);
    DrawBitmapInDC(dc, picture, h, v);
    ReleaseDC(window, dc);
}

void DrawBitmapInDC(HDC dc, HBITMAP picture, int h, int v) {
    CopyPicture(dc, picture, h, v, true);
}

void DrawBitmapButton(int, HBITMAP picture, const DRAWITEMSTRUCT* item) {
    CopyPicture(item->hDC, picture, item->rcItem.left, item->rcItem.top, false);
}

void GetPictureBounds(HBITMAP picture, RECT* bounds) {
    BITMAP info{};
    if (!picture || !GetObjectA(picture, sizeof info, &info)) {
        SetRectEmpty(bounds);
        return;
    }
    SetRect(bounds, 0, 0, info.bmWidth, info.bmHeight);
}
