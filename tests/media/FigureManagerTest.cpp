// Motives: how a motive number maps onto a figure library and entry, and what an entry of a
// figure library says about its table.
#include "media/FigureManager.h"

#include <gtest/gtest.h>

#include "media/FakeLibraries.h"
#include "platform/StringLists.h"

namespace {

TEST(MotiveTest, NumbersMapOntoLibraryAndEntry) {
    struct Case {
        std::int16_t motive, stored, library, entry;
    };
    const Case cases[] = {{1, 1, 0, 1},  {6, 6, 0, 6}, {7, 7, 1, 1},  {48, 48, 7, 6},
                          {49, 2, 0, 2}, {0, 2, 0, 2}, {-3, 2, 0, 2}, {13, 13, 2, 1}};
    for (const Case& c : cases) {
        FigureManager manager;
        std::int16_t motive = c.motive;
        manager.SelectMotive(&motive);
        EXPECT_EQ(motive, c.stored) << c.motive;
        EXPECT_EQ(manager.motiveIndex, c.library) << c.motive;
        EXPECT_EQ(manager.tableStyle, c.entry) << c.motive;
    }
}

FakeLibrary FigureFixture() {
    FakeLibrary library;
    const char* sexes[6] = {"121", "12", "1x2", "222", "211", "33"};
    for (int j = 0; j < 6; ++j) {
        library.strings[1000 + j] = "Motiv " + std::to_string(j + 1);
        library.strings[1010 + j] = "Motive " + std::to_string(j + 1);
        library.strings[1020 + j] = j == 0 ? "Yes" : "N";
        library.strings[1030 + j] = j == 1 || j == 2 ? "Y" : "y";
        library.strings[1040 + j] = sexes[j];
    }
    library.data[1042] = std::vector<std::uint8_t>(36, 7);
    library.data[1043] = std::vector<std::uint8_t>(20, 7);
    return library;
}

// Library 1 read into the four-seat table: motives 7 to 12.
TEST(MotiveTest, EntriesOfALibraryGiveNamesSwitchesPositionsAndSexes) {
    FakeLibrarySource source;
    FakeLibrary library = FigureFixture();
    FigureManager manager;
    manager.ReadLibraryMotives(1, manager.fourSeatMotives, &library, source);
    struct Case {
        std::int16_t motive;
        std::uint8_t side, custom;
        bool positions;
        std::int16_t sexes[3];
    };
    const Case cases[] = {
        {7, 1, 0, false, {1, 2, 1}},  // "121"
        {8, 0, 1, true, {1, 1, 2}},   // "12" is too short: the defaults
        {9, 0, 1, false, {1, 3, 2}},  // "1x2"; 20 bytes of positions count as none
        {10, 0, 0, false, {2, 2, 2}}, // "y" is no yes
        {12, 0, 0, false, {1, 1, 2}}, // "33": the defaults
    };
    for (const Case& c : cases) {
        std::int16_t motive = c.motive;
        manager.SelectMotive(&motive);
        EXPECT_EQ(manager.altTableLayout, c.side) << c.motive;
        EXPECT_EQ(manager.customTableByte, c.custom) << c.motive;
        EXPECT_EQ(manager.customFigurePositions != nullptr, c.positions) << c.motive;
        for (int seat = 0; seat < 3; ++seat)
            EXPECT_EQ(manager.selectedSexes[seat], c.sexes[seat])
                << c.motive << " seat " << seat + 1;
    }
    char name[kMotiveNameSize];
    const std::uint8_t savedLanguage = gLanguageEnglish;
    EXPECT_STREQ(manager.GetMotiveName(6, name), "Motiv 1");
    gLanguageEnglish = 1;
    manager.ReadLibraryMotives(1, manager.fourSeatMotives, &library, source);
    EXPECT_STREQ(manager.GetMotiveName(11, name), "Motive 6");
    gLanguageEnglish = savedLanguage;
    // The program's own motives are named by the program, not here; the three-seat table
    // was not read.
    EXPECT_STREQ(manager.GetMotiveName(0, name), "");
    EXPECT_STREQ(manager.GetMotiveName(5, name), "");
    gTableGameKind = 0;
    EXPECT_STREQ(manager.GetMotiveName(6, name), "");
    gTableGameKind = 1;
    manager.ClearLibraryMotives(1);
    EXPECT_STREQ(manager.GetMotiveName(6, name), "");
    std::int16_t motive = 7;
    manager.SelectMotive(&motive);
    EXPECT_EQ(manager.altTableLayout, 0);
}

TEST(MotiveTest, ThreeSeatTablesHaveTheirOwnDefaults) {
    FigureManager manager;
    gTableGameKind = 9;
    std::int16_t motive = 20;
    manager.SelectMotive(&motive);
    gTableGameKind = 1;
    EXPECT_EQ(manager.selectedSexes[0], 1);
    EXPECT_EQ(manager.selectedSexes[1], 2);
    EXPECT_EQ(manager.selectedSexes[2], 2);
}

} // namespace
