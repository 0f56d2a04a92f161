// Screen View with the shipped deck and figure libraries beside the test program: the deck
// and motive lists, and what choosing a deck or a motive does to the running table.
#include <gtest/gtest.h>

#include <vector>

#include "media/win32/ExtensionManager.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Ports.h"
#include "platform/win32/Resources.h"
#include "shell/win32/DrivenDialogs.h"
#include "shell/win32/PreferenceDialogs.h"
#include "shell/win32/WindowManager.h"
#include "views/win32/TablePane.h"

namespace {

class ScreenViewDecksTest : public DrivenDialogs {};

// The picture's pixels as 32-bit colours, rows from the top.
std::vector<std::uint32_t> PixelsOf(HBITMAP picture) {
    BITMAP info{};
    if (!picture || !GetObjectA(picture, sizeof info, &info))
        return {};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, picture, 0, info.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

std::vector<std::uint32_t> LibraryPixels(HMODULE module, int id) {
    HDC screen = GetDC(nullptr);
    HBITMAP picture = MakeBitmapFromResource(screen, LoadLibraryBitmap(module, id), true);
    ReleaseDC(nullptr, screen);
    std::vector<std::uint32_t> pixels = PixelsOf(picture);
    if (picture)
        DeleteObject(picture);
    return pixels;
}

std::vector<std::string> ComboRows(HWND dialog, int item) {
    std::vector<std::string> rows;
    const LRESULT count = SendDlgItemMessageA(dialog, item, CB_GETCOUNT, 0, 0);
    for (int row = 0; row < count; ++row) {
        char text[256] = {};
        SendDlgItemMessageA(dialog, item, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
        rows.emplace_back(text);
    }
    return rows;
}

} // namespace

TEST_F(ScreenViewDecksTest, TheSixDecksAreListedAndTheChosenOneReachesTheTable) {
    ASSERT_NE(gDeckManager, nullptr);
    ASSERT_EQ(gDeckManager->deckCount, 6) << "the shipped deck libraries beside the test program";
    std::vector<std::string> decks;
    drivers[kScreenViewDialog] = [&](HWND dialog) {
        decks = ComboRows(dialog, 208);
        Choose(dialog, 208, 2);
        Press(dialog, IDOK);
    };
    Command(1101);
    EXPECT_EQ(decks, (std::vector<std::string>{"German suits", "English pattern", "French pattern",
                                               "Paris pattern", "Traditional", "International"}));
    EXPECT_EQ(I16(ReadFile(), 1630), 3);
    EXPECT_EQ(gSettings->body.cardSet, 3);
    EXPECT_EQ(gDeckManager->selectedDeck, 2);
    EXPECT_EQ(gDeckVariant, 0);
    // The cards the table draws are the French deck's pictures: set 0 holds the own hand.
    HMODULE french = gDeckManager->deckModules[2];
    const int first = gSettings->body.cardSize == kCardSizeSmall ? 1000 : 2000;
    for (int index : {0, 1, 17, 32}) {
        const auto shown = PixelsOf(static_cast<HBITMAP>(gSettings->GetCardPicture0(index)));
        ASSERT_FALSE(shown.empty()) << index;
        EXPECT_EQ(shown, LibraryPixels(french, first + index)) << "picture " << first + index;
    }
}

TEST_F(ScreenViewDecksTest, OnlyTheFirstDeckCarriesTheVariantMark) {
    for (int slot : {0, 1, 5, 0}) {
        drivers[kScreenViewDialog] = [slot](HWND dialog) {
            Choose(dialog, 208, slot);
            Press(dialog, IDOK);
        };
        Command(1101);
        EXPECT_EQ(gSettings->body.cardSet, slot + 1);
        EXPECT_EQ(gDeckVariant, slot == 0 ? 1 : 0) << slot;
    }
}

// Motive 7, the first of figure library 1: the opponents at the sides and library 1's room.
TEST_F(ScreenViewDecksTest, Motive7GivesTheSideLayoutAndLibraryOnesBackground) {
    std::vector<std::string> motives;
    drivers[kScreenViewDialog] = [&](HWND dialog) {
        motives = ComboRows(dialog, 270);
        Choose(dialog, 270, 6);
        Press(dialog, IDOK);
    };
    Command(1101);
    ASSERT_EQ(motives.size(), 12u);
    EXPECT_EQ(motives[1], "Default");
    EXPECT_EQ(motives[6], "Books (side)");
    EXPECT_EQ(I16(ReadFile(), 1842), 7);
    EXPECT_EQ(gDeckManager->motiveIndex, 1);
    EXPECT_EQ(gDeckManager->tableStyle, 1);
    EXPECT_EQ(gDeckManager->altTableLayout, 1);
    EXPECT_EQ(gPersonaLibrary, gDeckManager->personaModules[1]);
    auto* table = static_cast<TablePane*>(gPaneSlots[0]);
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->emptyBackground, nullptr);
    // The room scene follows the motive's entry; whichever scene it is, its picture is
    // library 1's and differs from library 0's.
    const auto shown = PixelsOf(table->emptyBackground);
    int found = 0;
    for (int first : {1300, 1500, 1600, 1700, 1800, 1900}) {
        for (int size : {20, 40, 60}) {
            if (LibraryPixels(gDeckManager->personaModules[1], 10000 + first + size) == shown)
                found = first + size;
        }
    }
    ASSERT_NE(found, 0) << "the table's background is none of library 1's";
    EXPECT_NE(shown, LibraryPixels(gDeckManager->personaModules[0], 10000 + found));
}
