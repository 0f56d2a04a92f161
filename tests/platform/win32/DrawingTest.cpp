// Pen drawing into a memory bitmap, read back pixel by pixel.
#include "platform/win32/Drawing.h"

#include <gtest/gtest.h>

#include "ToolboxTestWindows.h"
#include "platform/win32/Ports.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class DrawingTest : public testing::Test {
  protected:
    void SetUp() override {
        ToolboxMainWindow();
        BeginDrawing(bitmap.dc());
        PenSize(1, 1);
    }
    void TearDown() override {
        PenSize(1, 1);
        EndDrawing();
    }
    TestBitmap bitmap{40, 30};
};

TEST_F(DrawingTest, ThickFrameIsAnOutlineThatASecondFrameErases) {
    RECT half = {0, 0, 20, 30};
    PaintRect(&half); // black left half, white right half: both colours under the outline
    const auto before = bitmap.Pixels();

    RECT outline = {5, 5, 35, 25};
    PenSize(2, 2);
    FramePortRect(&outline);
    EXPECT_EQ(bitmap.Pixel(5, 10), kBlack) << "the band leaves the screen as it was";
    EXPECT_EQ(bitmap.Pixel(30, 5), kWhite);
    EXPECT_EQ(bitmap.Pixel(10, 10), kWhite) << "inside is inverted";
    EXPECT_EQ(bitmap.Pixel(30, 10), kBlack);
    EXPECT_EQ(bitmap.Pixel(2, 2), kBlack) << "outside is untouched";

    FramePortRect(&outline);
    EXPECT_EQ(bitmap.Pixels(), before);
}

TEST_F(DrawingTest, ThinFrameIsOnePixelBlack) {
    RECT frame = {5, 5, 15, 15};
    FramePortRect(&frame);
    EXPECT_EQ(bitmap.Pixel(5, 5), kBlack);
    EXPECT_EQ(bitmap.Pixel(14, 14), kBlack);
    EXPECT_EQ(bitmap.Pixel(15, 15), kWhite);
    EXPECT_EQ(bitmap.Pixel(6, 6), kWhite);
}

TEST_F(DrawingTest, ClipRectKeepsDrawingInside) {
    RECT clip = {10, 10, 20, 20};
    ClipRect(&clip);
    RECT all = {0, 0, 40, 30};
    PaintRect(&all);
    EXPECT_EQ(bitmap.CountNot(kBlack, clip), 0);
    EXPECT_EQ(bitmap.Pixel(9, 10), kWhite);
    EXPECT_EQ(bitmap.Pixel(20, 19), kWhite);
    SelectClipRgn(bitmap.dc(), nullptr);
}

TEST_F(DrawingTest, FillsAndColouredLine) {
    RECT area = {0, 0, 10, 10};
    FillRectBackground(&area);
    EXPECT_EQ(bitmap.Pixel(5, 5), kBackgroundColor);
    EraseRect(&area);
    EXPECT_EQ(bitmap.Pixel(5, 5), kWhite);

    ColorRecord red;
    SetRGB(&red, 0x1FF, 0, 0); // only the low byte counts
    RGBForeColor(&red);
    ColorRecord back = {};
    GetForeColor(nullptr, &back);
    EXPECT_EQ(back.red, 255);
    MoveTo(0, 20);
    LineToWithPen(30, 20);
    EXPECT_EQ(bitmap.Pixel(15, 20), RGB(255, 0, 0));
    EXPECT_EQ(gPenLocation.h, 30);
    EXPECT_EQ(GetROP2(bitmap.dc()), R2_COPYPEN);
    ColorRecord black = {};
    RGBForeColor(&black);
}

TEST(Geometry, PointInRectExcludesRightAndBottomEdges) {
    RECT rect = {10, 20, 30, 40};
    struct Case {
        int h, v;
        bool inside;
    } cases[] = {{10, 20, true}, {29, 39, true}, {30, 25, false}, {15, 40, false}, {9, 25, false}};
    for (const Case& c : cases) {
        MacPoint point;
        SetPt(&point, c.h, c.v);
        EXPECT_EQ(PointInRect(point, &rect), c.inside) << c.h << "," << c.v;
    }
    RECT other = {25, 0, 50, 25};
    RECT out;
    ASSERT_TRUE(SectRect(&rect, &other, &out));
    EXPECT_EQ(out.left, 25);
    EXPECT_EQ(out.bottom, 25);
    RECT apart = {100, 100, 110, 110};
    EXPECT_FALSE(SectRect(&rect, &apart, &out));
    std::int32_t answer = 5;
    EXPECT_EQ(Gestalt(0x73746466, &answer), -1);
    EXPECT_EQ(answer, 5);
}

} // namespace
