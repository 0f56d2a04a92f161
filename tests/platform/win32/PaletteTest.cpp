// The program palette: made from the colour table of bitmap 1050, realised into contexts,
// and left alone on a display that is not palette-based.
#include "platform/win32/Palette.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/win32/Pictures.h"
#include "platform/win32/WindowsGlobals.h"

namespace {

// The colour table's length as the bitmap format defines it: the used-colour count, or all
// colours of a depth of 8 bits or less.
int TableLength(const BITMAPINFOHEADER& header) {
    if (header.biClrUsed != 0)
        return static_cast<int>(header.biClrUsed);
    return header.biBitCount <= 8 ? 1 << header.biBitCount : 0;
}

class PaletteTest : public testing::Test {
  protected:
    void TearDown() override { DisposePalette(); }
};

TEST_F(PaletteTest, TrueColourDisplayNeedsNoPalette) {
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE, 0)
        << "the test display is true-colour";
    EXPECT_TRUE(LoadPalette(kPaletteBitmapId, screen));
    EXPECT_TRUE(LoadPalette(4711, screen)) << "not even a missing bitmap matters there";
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(gPalette, nullptr);
}

TEST_F(PaletteTest, PaletteTakesTheColourTableOfBitmap1050) {
    const LoadedBitmap source = LoadLibraryBitmap(gAppInstance, kPaletteBitmapId);
    ASSERT_EQ(CheckBitmapResource(source), kBitmapReadable);
    const auto& header = *static_cast<const BITMAPINFOHEADER*>(source.data);
    const auto* table =
        reinterpret_cast<const RGBQUAD*>(static_cast<const BYTE*>(source.data) + header.biSize);

    MakePalette(source);
    ASSERT_NE(gPalette, nullptr);
    ASSERT_EQ(gPaletteColourCount, TableLength(header));
    EXPECT_GT(gPaletteColourCount, 200);
    std::vector<PALETTEENTRY> entries(gPaletteColourCount);
    ASSERT_EQ(GetPaletteEntries(gPalette, 0, gPaletteColourCount, entries.data()),
              UINT(gPaletteColourCount));
    for (int i = 0; i < gPaletteColourCount; ++i) {
        EXPECT_EQ(entries[i].peRed, table[i].rgbRed) << i;
        EXPECT_EQ(entries[i].peGreen, table[i].rgbGreen) << i;
        EXPECT_EQ(entries[i].peBlue, table[i].rgbBlue) << i;
    }

    // Every card picture of the program carries the same colour table.
    const LoadedBitmap card = LoadLibraryBitmap(gAppInstance, 1105);
    const auto& cardHeader = *static_cast<const BITMAPINFOHEADER*>(card.data);
    ASSERT_EQ(TableLength(cardHeader), gPaletteColourCount);
    EXPECT_EQ(std::memcmp(static_cast<const BYTE*>(card.data) + cardHeader.biSize, table,
                          gPaletteColourCount * 4),
              0);

    HDC memory = CreateCompatibleDC(nullptr);
    UsePalette(memory);
    EXPECT_EQ(GetCurrentObject(memory, OBJ_PAL), gPalette);
    DeleteDC(memory);

    DisposePalette();
    EXPECT_EQ(gPalette, nullptr);
}

TEST_F(PaletteTest, BitmapWithoutColourTableLeavesNoPaletteAndAnUnreadableOneChangesNothing) {
    MakePalette(LoadLibraryBitmap(gAppInstance, kPaletteBitmapId));
    HPALETTE programPalette = gPalette;
    ASSERT_NE(programPalette, nullptr);

    BITMAPINFOHEADER broken = {sizeof broken, 4, 4, 1, 16, BI_BITFIELDS, 0, 0, 0, 0, 0};
    MakePalette({&broken, sizeof broken});
    EXPECT_EQ(gPalette, programPalette) << "a refused bitmap keeps the palette";

    struct {
        BITMAPINFOHEADER header;
        std::uint32_t bits[4];
    } deep = {{sizeof(BITMAPINFOHEADER), 2, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    MakePalette({&deep, sizeof deep});
    EXPECT_EQ(gPalette, nullptr) << "32 bits per pixel: no colour table to read";
    EXPECT_EQ(gPaletteColourCount, 0);
}

} // namespace
