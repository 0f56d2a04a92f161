// Pictures made from bitmap resources and drawn 1:1, read back pixel by pixel; headers the
// picture code cannot read are refused. Also draws the program's whole card deck into
// card-sheet.png next to the test program, for a person to look at.
#include "platform/win32/Pictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "ToolboxTestWindows.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowsGlobals.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A bitmap resource as a module holds it: info header, colour table, bottom-up pixel rows.
struct Dib {
    BITMAPINFOHEADER header{};
    std::vector<RGBQUAD> table;
    std::vector<std::uint8_t> bits;

    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> bytes(sizeof header + table.size() * sizeof(RGBQUAD) +
                                        bits.size());
        std::memcpy(bytes.data(), &header, sizeof header);
        if (!table.empty())
            std::memcpy(bytes.data() + sizeof header, table.data(), table.size() * sizeof(RGBQUAD));
        if (!bits.empty())
            std::memcpy(bytes.data() + sizeof header + table.size() * sizeof(RGBQUAD), bits.data(),
                        bits.size());
        return bytes;
    }
};

RGBQUAD Quad(int red, int green, int blue) {
    return RGBQUAD{BYTE(blue), BYTE(green), BYTE(red), 0};
}

// width x height, 8 bits per pixel, six colours; pixel (x, y) has colour (x + 2y) mod 6.
constexpr int kWidth = 5;
constexpr int kHeight = 3;
const RGBQUAD kColours[6] = {Quad(255, 0, 0),  Quad(0, 160, 0),   Quad(0, 0, 255),
                             Quad(10, 20, 30), Quad(200, 200, 0), Quad(1, 2, 3)};

int ColourIndex(int x, int y) {
    return (x + 2 * y) % 6;
}

COLORREF ExpectedColour(int x, int y) {
    const RGBQUAD& q = kColours[ColourIndex(x, y)];
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

Dib EightBitDib() {
    Dib dib;
    dib.header.biSize = sizeof dib.header;
    dib.header.biWidth = kWidth;
    dib.header.biHeight = kHeight;
    dib.header.biPlanes = 1;
    dib.header.biBitCount = 8;
    dib.header.biClrUsed = 6;
    dib.table.assign(std::begin(kColours), std::end(kColours));
    const int stride = 8;
    dib.bits.assign(stride * kHeight, 0);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            dib.bits[(kHeight - 1 - y) * stride + x] = BYTE(ColourIndex(x, y));
    }
    return dib;
}

LoadedBitmap AsResource(const std::vector<std::uint8_t>& bytes) {
    return {bytes.data(), static_cast<std::uint32_t>(bytes.size())};
}

class PicturesTest : public testing::Test {
  protected:
    void SetUp() override {
        ToolboxMainWindow();
        BeginDrawing(bitmap.dc());
    }
    void TearDown() override {
        EndDrawing();
        for (HBITMAP picture : pictures)
            DeleteObject(picture);
    }
    HBITMAP Make(const Dib& dib) {
        bytes = dib.Bytes();
        HBITMAP picture = MakeBitmapFromResource(gPortDC, AsResource(bytes), true);
        if (picture)
            pictures.push_back(picture);
        return picture;
    }
    // Every pixel of the bitmap: the picture's colours inside the rectangle at (h, v), white
    // everywhere else.
    void ExpectDrawnAt(int h, int v) {
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 16; ++x) {
                const bool inside = x >= h && x < h + kWidth && y >= v && y < v + kHeight;
                ASSERT_EQ(bitmap.Pixel(x, y), inside ? ExpectedColour(x - h, y - v) : kWhite)
                    << "pixel " << x << "," << y;
            }
        }
    }
    TestBitmap bitmap{16, 12};
    std::vector<std::uint8_t> bytes;
    std::vector<HBITMAP> pictures;
};

TEST_F(PicturesTest, PictureIsDrawnOneToOneAtTheRectanglesCorner) {
    HBITMAP picture = Make(EightBitDib());
    ASSERT_NE(picture, nullptr);
    RECT bounds;
    GetPictureBounds(picture, &bounds);
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.right, kWidth);
    EXPECT_EQ(bounds.bottom, kHeight);

    RECT where = {4, 6, 5, 7}; // only the corner counts: the picture is never scaled
    DrawPicture(picture, &where);
    ExpectDrawnAt(4, 6);
}

TEST_F(PicturesTest, CoordinatesAreSigned16Bit) {
    HBITMAP picture = Make(EightBitDib());
    DrawBitmapInDC(bitmap.dc(), picture, 0x10000 + 3, 2); // the same place as (3, 2)
    ExpectDrawnAt(3, 2);
    DrawBitmapInDC(bitmap.dc(), picture, -2, 2);
    EXPECT_EQ(bitmap.Pixel(0, 2), ExpectedColour(2, 0)) << "clipped at the left edge";
}

TEST_F(PicturesTest, ButtonPictureGoesToTheItemsCornerWithoutScaling) {
    HBITMAP picture = Make(EightBitDib());
    DRAWITEMSTRUCT item = {};
    item.hDC = bitmap.dc();
    item.rcItem = {2, 5, 15, 11};
    DrawBitmapButton(0, picture, &item);
    ExpectDrawnAt(2, 5);
}

TEST_F(PicturesTest, TrueColourBitmapSkipsItsOptionalColourTable) {
    Dib dib = EightBitDib();
    dib.header.biBitCount = 24;
    dib.header.biClrUsed = 2; // two unused table entries before the bits
    dib.table = {Quad(9, 9, 9), Quad(8, 8, 8)};
    const int stride = 16; // 5 x 3 bytes, rounded up to 4
    dib.bits.assign(stride * kHeight, 0);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const RGBQUAD& q = kColours[ColourIndex(x, y)];
            std::uint8_t* pixel = &dib.bits[(kHeight - 1 - y) * stride + 3 * x];
            pixel[0] = q.rgbBlue;
            pixel[1] = q.rgbGreen;
            pixel[2] = q.rgbRed;
        }
    }
    DrawBitmapInDC(bitmap.dc(), Make(dib), 1, 1);
    ExpectDrawnAt(1, 1);
}

TEST_F(PicturesTest, UnreadableHeadersAreRefused) {
    struct Case {
        const char* what;
        void (*change)(Dib&);
        BitmapCheck expected;
    };
    const Case cases[] = {
        {"colour masks after the header",
         [](Dib& d) {
             d.header.biBitCount = 16;
             d.header.biCompression = BI_BITFIELDS;
             d.header.biClrUsed = 0;
             d.table.assign(3, Quad(0, 0, 0));
         },
         kBitmapBitFields},
        {"more than 256 colours", [](Dib& d) { d.header.biClrUsed = 300; }, kBitmapTooManyColours},
        {"more colours than 4 bits hold",
         [](Dib& d) {
             d.header.biBitCount = 4;
             d.header.biClrUsed = 17;
         },
         kBitmapTooManyColours},
        {"an old 12-byte header", [](Dib& d) { d.header.biSize = 12; }, kBitmapOldHeader},
        {"2 bits per pixel", [](Dib& d) { d.header.biBitCount = 2; }, kBitmapBadDepth},
        {"no width", [](Dib& d) { d.header.biWidth = 0; }, kBitmapBadSize},
        {"pixel rows cut short", [](Dib& d) { d.bits.resize(d.bits.size() - 1); },
         kBitmapTruncated},
    };
    ASSERT_EQ(CheckBitmapResource(AsResource(EightBitDib().Bytes())), kBitmapReadable);
    for (const Case& c : cases) {
        Dib dib = EightBitDib();
        c.change(dib);
        const auto data = dib.Bytes();
        EXPECT_EQ(CheckBitmapResource(AsResource(data)), c.expected) << c.what;
        EXPECT_EQ(MakeBitmapFromResource(gPortDC, AsResource(data), true), nullptr) << c.what;
    }
    EXPECT_EQ(MakeBitmapFromResource(gPortDC, LoadedBitmap{}, true), nullptr)
        << "null in, null out";
}

TEST_F(PicturesTest, PicturesForAFreshMemoryContextKeepTheirColours) {
    // A new memory context holds a 1 x 1 monochrome bitmap; a picture made compatible with
    // it would lose every colour.
    HDC memory = CreateCompatibleDC(nullptr);
    const auto data = EightBitDib().Bytes();
    HBITMAP picture = MakeBitmapFromResource(memory, AsResource(data), false);
    DeleteDC(memory);
    ASSERT_NE(picture, nullptr);
    pictures.push_back(picture);
    BITMAP info = {};
    GetObjectA(picture, sizeof info, &info);
    EXPECT_GT(info.bmBitsPixel, 1);
}

TEST_F(PicturesTest, CardPictureDrawsExactlyItsResourcePixels) {
    const LoadedBitmap card = LoadLibraryBitmap(gAppInstance, 2201);
    ASSERT_EQ(CheckBitmapResource(card), kBitmapReadable);
    const auto& header = *static_cast<const BITMAPINFOHEADER*>(card.data);
    ASSERT_EQ(header.biBitCount, 8) << "the program's pictures are 8-bit with the program palette";
    const auto* table =
        reinterpret_cast<const RGBQUAD*>(static_cast<const BYTE*>(card.data) + header.biSize);
    const BYTE* bits = reinterpret_cast<const BYTE*>(table + BitmapColourCount(header));
    const int width = header.biWidth, height = header.biHeight, stride = (width + 3) & ~3;

    TestBitmap target(width, height);
    HBITMAP picture = LoadBitmapResource(target.dc(), 2201, true);
    ASSERT_NE(picture, nullptr);
    pictures.push_back(picture);
    DrawBitmapInDC(target.dc(), picture, 0, 0);
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const RGBQUAD& q = table[bits[(height - 1 - y) * stride + x]];
            wrong += target.Pixel(x, y) != RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
        }
    }
    EXPECT_EQ(wrong, 0);
}

// ---- The card sheet ----------------------------------------------------------------------

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBigEndian(out, Crc32(typed.data(), typed.size()));
}

// An RGB PNG with stored (uncompressed) deflate blocks: large, but needs no library.
void WritePng(const std::string& path, int width, int height, const std::uint32_t* topDownBgrx) {
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = topDownBgrx[y * width + x];
            raw.insert(raw.end(), {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
        }
    }
    std::vector<std::uint8_t> zlib = {0x78, 0x01};
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        zlib.push_back(at + n >= raw.size() ? 1 : 0);
        zlib.insert(zlib.end(), {std::uint8_t(n), std::uint8_t(n >> 8), std::uint8_t(~n),
                                 std::uint8_t(~n >> 8)});
        zlib.insert(zlib.end(), raw.begin() + at, raw.begin() + at + n);
    }
    PutBigEndian(zlib, (b << 16) | a);
    std::vector<std::uint8_t> header;
    PutBigEndian(header, width);
    PutBigEndian(header, height);
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", {});
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), png.size());
}

std::string BesideTheTestProgram(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

// Every set of the program's deck: the back and the 32 faces in picture order in three rows
// of eleven, and beside them the three extra pictures where the set has them.
TEST(CardSheet, DrawsTheWholeDeckOfEverySizeIntoCardSheetPng) {
    struct Set {
        int first;
        int width;
        int height;
        bool extras;
    };
    const Set sets[] = {{2200, 108, 168, false},
                        {1200, 93, 144, false},
                        {2000, 116, 84, true},
                        {1000, 100, 72, true},
                        {1100, 60, 50, false}};
    constexpr int kGap = 4, kColumns = 12, kSheetWidth = kGap + kColumns * (116 + kGap);
    int sheetHeight = kGap;
    for (const Set& set : sets)
        sheetHeight += 3 * (set.height + kGap) + 2 * kGap;

    BITMAPINFO info = {};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), kSheetWidth, -sheetHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC sheet = CreateCompatibleDC(nullptr);
    HBITMAP surface = CreateDIBSection(sheet, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(surface, nullptr);
    HGDIOBJ previous = SelectObject(sheet, surface);
    RECT all = {0, 0, kSheetWidth, sheetHeight};
    HBRUSH table = CreateSolidBrush(RGB(40, 110, 60));
    FillRect(sheet, &all, table);
    DeleteObject(table);

    int top = kGap;
    for (const Set& set : sets) {
        auto place = [&](int id, int column, int row) {
            HBITMAP picture =
                static_cast<HBITMAP>(GetResource(kPictType, static_cast<std::int16_t>(id)));
            ASSERT_NE(picture, nullptr) << id;
            RECT bounds;
            GetPictureBounds(picture, &bounds);
            EXPECT_EQ(bounds.right, set.width) << id;
            EXPECT_EQ(bounds.bottom, set.height) << id;
            DrawBitmapInDC(sheet, picture, kGap + column * (116 + kGap),
                           top + row * (set.height + kGap));
            ReleaseResource(picture, kPictureResource);
        };
        for (int i = 0; i <= 32; ++i)
            place(set.first + i, i % 11, i / 11);
        for (int i = 0; i < 3 && set.extras; ++i)
            place(set.first + 35 + i, 11, i);
        top += 3 * (set.height + kGap) + 2 * kGap;
    }
    GdiFlush();
    const std::string path = BesideTheTestProgram("card-sheet.png");
    WritePng(path, kSheetWidth, sheetHeight, static_cast<const std::uint32_t*>(bits));
    SelectObject(sheet, previous);
    DeleteObject(surface);
    DeleteDC(sheet);
    EXPECT_EQ(GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES, false) << path;
}

} // namespace
