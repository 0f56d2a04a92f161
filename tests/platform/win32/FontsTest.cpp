// Font choice, text widths of the program's two faces, and text drawn into a bitmap.
#include "platform/win32/Fonts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "ToolboxTestWindows.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Ports.h"
#include "support/AlertRecorder.h"

namespace {

bool HasFamily(const char* name) {
    const auto& names = gFontState->familyNames;
    return std::any_of(names.begin(), names.end(),
                       [name](const auto& n) { return std::strcmp(n.data(), name) == 0; });
}

class FontsTest : public testing::Test {
  protected:
    void SetUp() override {
        ToolboxMainWindow();
        BeginDrawing(bitmap.dc());
        TextFace(0);
        TextSize(12);
    }
    void TearDown() override {
        TextFont(kFontCourierNew);
        EndDrawing();
    }
    TestBitmap bitmap{200, 40};
};

TEST_F(FontsTest, BothFacesAreInstalled) {
    ASSERT_NE(gFontState, nullptr);
    EXPECT_TRUE(HasFamily("Arial"));
    EXPECT_TRUE(HasFamily("Courier New"));
    EXPECT_EQ(gFontState->familyCount, static_cast<int>(gFontState->familyNames.size()));
    EXPECT_STREQ(gFontState->arial.lfFaceName, "Arial");
    EXPECT_STREQ(gFontState->courierNew.lfFaceName, "Courier New");
}

TEST_F(FontsTest, SizeStyleAndFaceCombine) {
    struct Case {
        int size, height;
    } cases[] = {{9, 14}, {10, 14}, {12, 16}, {1, 6}};
    for (const Case& c : cases) {
        TextSize(c.size);
        EXPECT_EQ(GetTextSize(), c.height) << c.size;
    }
    TextSize(12);
    TextFace(kStyleBold | kStyleUnderline);
    TextFont(kFontArial);
    EXPECT_STREQ(gFontState->current.lfFaceName, "Arial");
    EXPECT_EQ(gFontState->current.lfHeight, 16);
    EXPECT_EQ(gFontState->current.lfWeight, 700);
    EXPECT_EQ(gFontState->current.lfUnderline, 1);
    TextFace(0);
    EXPECT_EQ(gFontState->current.lfWeight, 0);
    EXPECT_EQ(gFontState->current.lfUnderline, 0);
}

TEST_F(FontsTest, UnknownFontNumberIsReportedAndChangesNothing) {
    TextFont(kFontArial);
    ResetAlertRecorder();
    gFontChanged = 0;
    TextFont(7);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(RecordedAlerts()[0].text, "Font ist unbekannt!  7");
    EXPECT_STREQ(gFontState->current.lfFaceName, "Arial");
    EXPECT_EQ(gFontChanged, 1);
}

TEST_F(FontsTest, WidthsOfTheTwoFaces) {
    TextFont(kFontArial);
    const int arialNarrow = StringWidth("iiii");
    const int arialWide = StringWidth("WWWW");
    EXPECT_GT(arialNarrow, 0);
    EXPECT_GT(arialWide, arialNarrow);
    TextFont(kFontCourierNew);
    EXPECT_GT(StringWidth("iiii"), 0);
    EXPECT_EQ(StringWidth("iiii"), StringWidth("WWWW")) << "monospaced";
    EXPECT_EQ(StringWidth(""), 0);
}

TEST_F(FontsTest, LeadingLowerCasePIsNotMeasured) {
    TextFont(kFontArial);
    EXPECT_EQ(StringWidth("pWX"), StringWidth("WX"));
    EXPECT_GT(StringWidth("PWX"), StringWidth("WX"));
}

TEST_F(FontsTest, DrawStringContinuesOnTheBaseLine) {
    TextFont(kFontArial);
    const int first = StringWidth("Ober");
    MoveTo(10, 30);
    DrawString("Ober", false);
    EXPECT_EQ(gPenLocation.h, 10 + first);
    const char counted[] = "\x05UnterXYZ"; // only the five counted characters
    DrawString(counted, true);
    EXPECT_EQ(gPenLocation.h, 10 + first + StringWidth("Unter"));
    EXPECT_EQ(gPenLocation.v, 30);

    RECT firstText = {10, 10, 10 + first, 32};
    RECT secondText = {10 + first, 10, gPenLocation.h, 32};
    RECT after = {gPenLocation.h + 2, 0, 200, 40};
    EXPECT_GT(bitmap.CountNot(RGB(255, 255, 255), firstText), 0);
    EXPECT_GT(bitmap.CountNot(RGB(255, 255, 255), secondText), 0);
    EXPECT_EQ(bitmap.CountNot(RGB(255, 255, 255), after), 0);
    RECT belowLine = {0, 34, 200, 40};
    EXPECT_EQ(bitmap.CountNot(RGB(255, 255, 255), belowLine), 0)
        << "no ink far under the base line";
}

TEST_F(FontsTest, TextInRectanglesMovesThePenByTheRectangle) {
    MoveTo(0, 20);
    RECT box = {0, 0, 100, 20};
    DrawTextInRect("Herz", &box);
    EXPECT_EQ(gPenLocation.h, 100);
    RECT wrapped = {100, 0, 160, 40};
    DrawTextWrapped("Eichel Gras Herz Schellen", &wrapped);
    EXPECT_EQ(gPenLocation.h, 160);
    RECT rightOfWrap = {160, 0, 200, 40};
    EXPECT_EQ(bitmap.CountNot(RGB(255, 255, 255), rightOfWrap), 0);
    MoveTo(170, 30);
    DrawChar('W');
    EXPECT_GT(gPenLocation.h, 170);
}

} // namespace
