// The deck manager with real libraries: the fixture libraries of the test build (tiny
// pictures) and the shipped deck and figure libraries beside the test programs.
#include "media/win32/ExtensionManager.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/Random.h"
#include "platform/StringLists.h"
#include "platform/win32/Resources.h"
#include "shell/Environment.h"
#include "shell/Settings.h"
#include "shell/win32/Startup.h"
#include "support/AlertRecorder.h"

namespace {

std::string TestProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* slash = std::strrchr(path, '\\');
    if (slash)
        slash[1] = '\0';
    return path;
}

// A manager that looks for its libraries where a test says.
class PlacedManager : public ExtensionManager {
  public:
    std::vector<std::string> names;
    std::vector<std::string> deckFolders{TestProgramFolder() + "deckfixtures\\"};
    std::vector<std::string> personaFolders{TestProgramFolder()};

  protected:
    std::vector<std::string> DeckFileNames() override {
        return names.empty() ? ExtensionManager::DeckFileNames() : names;
    }
    std::vector<std::string> DeckFolders() override { return deckFolders; }
    std::vector<std::string> PersonaFolders() override { return personaFolders; }
};

class ExtensionManagerTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetAlertRecorder();
        gQuitRequested = 0;
        savedExtension = gExtensionLibrary;
        savedPersona = gPersonaLibrary;
    }
    void TearDown() override {
        SetExtensionLibrary(savedExtension);
        SetPersonaLibrary(savedPersona);
        gQuitRequested = 0;
        gDeckVariant = 0;
        ResetAlertRecorder();
    }
    HMODULE savedExtension = nullptr;
    HMODULE savedPersona = nullptr;
};

// 24 names; the three whole fixtures at list places 3, 10 and 18; the damaged one, the one
// missing a picture and the one without a name among the rest.
std::vector<std::string> TwentyFourNames() {
    std::vector<std::string> names;
    for (int i = 1; i <= 24; ++i)
        names.push_back("n" + std::to_string(i) + ".dll");
    names[2] = "f01.dll";
    names[9] = "f02.dll";
    names[17] = "f03.dll";
    names[4] = "f04.dll";
    names[5] = "f05.dll";
    names[20] = "f06.dll";
    return names;
}

TEST_F(ExtensionManagerTest, PresentWholeLibrariesAreListedAndTheOthersNamedInOneNote) {
    PlacedManager manager;
    manager.names = TwentyFourNames();
    manager.LoadExtensions(nullptr);
    ASSERT_EQ(manager.deckCount, 3);
    EXPECT_STREQ(manager.deckNames[0], "Fixture one");
    EXPECT_STREQ(manager.deckNames[1], "Fixture two with a name that is f"); // cut at 33
    EXPECT_STREQ(manager.deckNames[2], "Fixture three");
    EXPECT_EQ(manager.deckKinds[0], 7);
    EXPECT_EQ(manager.deckKinds[1], kDeckKindNone); // "x7"
    EXPECT_EQ(manager.deckKinds[2], 30);
    EXPECT_FALSE(manager.programDeckOnly);
    EXPECT_FALSE(QuitRequested());
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    const std::string& text = RecordedAlerts()[0].text;
    for (const std::string& name : manager.names) {
        const bool listed = name == "f01.dll" || name == "f02.dll" || name == "f03.dll";
        EXPECT_EQ(text.find(name + ",") != std::string::npos ||
                      text.find(name + ".") != std::string::npos,
                  !listed)
            << name << " in: " << text;
    }
    EXPECT_NE(text.find("goes on"), std::string::npos) << text;
}

TEST_F(ExtensionManagerTest, WithoutAnyDeckTheProgramsOwnCardsAreTheOneDeck) {
    PlacedManager manager;
    manager.names = {"f04.dll", "f05.dll", "missing.dll"};
    manager.LoadExtensions(nullptr);
    EXPECT_TRUE(manager.programDeckOnly);
    ASSERT_EQ(manager.deckCount, 1);
    EXPECT_STREQ(manager.deckNames[0], kProgramDeckName);
    EXPECT_EQ(manager.deckKinds[0], kDeckKindGerman);
    EXPECT_FALSE(QuitRequested());
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_NE(RecordedAlerts()[0].text.find("missing.dll"), std::string::npos);
    EXPECT_TRUE(manager.CheckDeckVariant());
    EXPECT_EQ(gDeckVariant, 1);
    HBITMAP picture = static_cast<HBITMAP>(manager.GetPicture(2001));
    ASSERT_NE(picture, nullptr) << "the program's own card";
    EXPECT_EQ(gExtensionLibrary, nullptr);
    ReleaseResource(picture, kPictureResource);
}

TEST_F(ExtensionManagerTest, TheVariantMarkFollowsTheSelectedDeck) {
    PlacedManager manager;
    manager.names = {"f01.dll", "f03.dll"};
    manager.LoadExtensions(nullptr);
    ASSERT_EQ(manager.deckCount, 2);
    EXPECT_TRUE(manager.CheckDeckVariant());
    EXPECT_EQ(gDeckVariant, 1);
    ASSERT_TRUE(manager.SelectDeck(1));
    EXPECT_FALSE(manager.CheckDeckVariant());
    EXPECT_EQ(gDeckVariant, 0);
    gDeckVariant = 1;
    manager.selectedDeck = -1;
    EXPECT_FALSE(manager.CheckDeckVariant());
    EXPECT_EQ(gDeckVariant, 0);
    // The picture comes from the selected deck's library.
    manager.selectedDeck = 0;
    HBITMAP picture = static_cast<HBITMAP>(manager.GetPicture(1005));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(gExtensionLibrary, manager.deckModules[0]);
    BITMAP info{};
    GetObjectA(picture, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 2) << "the fixture's tiny picture";
    ReleaseResource(picture, kPictureResource);
}

// The fixture figure library 0: its motives' sexes, own tables and positions.
TEST_F(ExtensionManagerTest, FigureLibraryEntriesGiveSexesAndTheirOwnTables) {
    PlacedManager manager;
    manager.names = {"f01.dll"};
    manager.personaFolders = {TestProgramFolder() + "deckfixtures\\"};
    manager.LoadExtensions(nullptr);
    ASSERT_NE(manager.personaModules[0], nullptr);
    EXPECT_EQ(manager.personaModules[1], nullptr);
    struct Case {
        std::int16_t motive;
        int genders[3];
        std::uint8_t side, custom;
        bool positions;
    };
    const Case cases[] = {{1, {1, 2, 1}, 1, 0, false},  // "121"
                          {2, {1, 1, 2}, 0, 1, true},   // "12": the defaults; 36 bytes
                          {3, {1, 3, 2}, 0, 1, false}}; // "1x2"; 20 bytes count as none
    for (const Case& c : cases) {
        std::int16_t motive = c.motive;
        manager.SelectExtension(&motive);
        EXPECT_EQ(motive, c.motive);
        for (int seat = 1; seat <= 3; ++seat)
            EXPECT_EQ(manager.GetFigureGender(seat), c.genders[seat - 1])
                << c.motive << ' ' << seat;
        EXPECT_EQ(manager.altTableLayout, c.side) << c.motive;
        EXPECT_EQ(manager.customTableByte, c.custom) << c.motive;
        EXPECT_EQ(manager.customFigurePositions != nullptr, c.positions) << c.motive;
    }
    std::int16_t motive = 2;
    manager.SelectExtension(&motive);
    ASSERT_NE(manager.customFigurePositions, nullptr);
    EXPECT_EQ(manager.customFigurePositions[0], 101);
    EXPECT_EQ(manager.customFigurePositions[17], 118);
}

// A motive of a library that is not there may not be chosen; a stored one falls back.
TEST_F(ExtensionManagerTest, MotivesOfMissingLibrariesFallBackToTheDefault) {
    PlacedManager manager;
    manager.names = {"f01.dll"};
    manager.LoadExtensions(nullptr);
    ASSERT_NE(manager.personaModules[0], nullptr);
    ASSERT_NE(manager.personaModules[1], nullptr) << "the shipped figure library 1";
    for (int motive = 1; motive <= 12; ++motive)
        EXPECT_TRUE(manager.IsMotiveAvailable(motive)) << motive;
    for (int motive : {0, 13, 48, 49})
        EXPECT_FALSE(manager.IsMotiveAvailable(motive)) << motive;
    std::int16_t motive = 13;
    manager.SelectExtension(&motive);
    EXPECT_EQ(motive, kDefaultMotive);
    EXPECT_EQ(manager.motiveIndex, 0);
    EXPECT_EQ(gPersonaLibrary, manager.personaModules[0]);
    motive = 7;
    manager.SelectExtension(&motive);
    EXPECT_EQ(motive, 7);
    EXPECT_EQ(manager.motiveIndex, 1);
    EXPECT_EQ(manager.tableStyle, 1);
    EXPECT_EQ(manager.altTableLayout, 1);
    EXPECT_EQ(gPersonaLibrary, manager.personaModules[1]);
    char name[kMotiveNameSize];
    EXPECT_STREQ(manager.GetMotiveName(6, name), "Books (side)");
    EXPECT_STREQ(manager.GetMotiveName(11, name), "Desert (side)");
    EXPECT_STREQ(manager.GetMotiveName(12, name), "");
}

TEST_F(ExtensionManagerTest, AMissingFigureLibraryZeroStopsTheStart) {
    PlacedManager manager;
    manager.names = {"f01.dll"};
    manager.personaFolders = {TestProgramFolder() + "nowhere\\"};
    manager.LoadExtensions(nullptr);
    EXPECT_TRUE(QuitRequested());
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_NE(RecordedAlerts()[0].text.find("persona0.dll"), std::string::npos)
        << RecordedAlerts()[0].text;
}

// The configured deck 3 is of kind 30, which may not be chosen: start-up takes the first deck
// of the resources' language instead, or keeps it when there is none.
TEST_F(ExtensionManagerTest, AStoredDeckThatMayNotBeChosenIsReplacedAtStart) {
    PlacedManager manager;
    manager.names = {"f02.dll", "f01.dll", "f03.dll"};
    manager.LoadExtensions(nullptr);
    ASSERT_EQ(manager.deckCount, 3);
    ASSERT_EQ(manager.deckKinds[2], 30);
    ExtensionManager* savedManager = gDeckManager;
    Settings* savedSettings = gSettings;
    const std::uint8_t savedLanguage = gLanguageEnglish;
    Settings settings;
    settings.SetDefaults();
    gDeckManager = &manager;
    gSettings = &settings;
    for (std::uint8_t english : {1, 0}) {
        gLanguageEnglish = english;
        settings.body.cardSet = 3;
        manager.selectedDeck = 2;
        CheckConfiguredDeck();
        EXPECT_EQ(settings.body.cardSet, english ? 2 : 3)
            << "the first kind-7 deck, or none of kind 10";
        EXPECT_EQ(manager.selectedDeck, english ? 1 : 2);
    }
    gLanguageEnglish = savedLanguage;
    gSettings = savedSettings;
    gDeckManager = savedManager;
}

// ---- The shipped decks -------------------------------------------------------------------

// The pixels of a bitmap resource as colours: rows from the top.
struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> colours;
    COLORREF At(int x, int y) const { return colours[static_cast<std::size_t>(y) * width + x]; }
};

Pixels ReadPixels(HMODULE module, int id) {
    Pixels pixels;
    const LoadedBitmap resource = LoadLibraryBitmap(module, id);
    if (!resource.data)
        return pixels;
    const auto* header = static_cast<const BITMAPINFOHEADER*>(resource.data);
    if (header->biBitCount != 8)
        return pixels;
    const int used = header->biClrUsed ? static_cast<int>(header->biClrUsed) : 256;
    const auto* table =
        reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(header) + header->biSize);
    const BYTE* bits = reinterpret_cast<const BYTE*>(table + used);
    pixels.width = header->biWidth;
    pixels.height = header->biHeight;
    const int stride = (pixels.width + 3) & ~3;
    for (int y = 0; y < pixels.height; ++y) {
        const BYTE* row = bits + static_cast<std::size_t>(pixels.height - 1 - y) * stride;
        for (int x = 0; x < pixels.width; ++x) {
            const RGBQUAD& c = table[row[x]];
            pixels.colours.push_back(RGB(c.rgbRed, c.rgbGreen, c.rgbBlue));
        }
    }
    return pixels;
}

// Red and green ink in the upper left corner of a whole card, where its index is.
std::pair<int, int> CornerInk(const Pixels& card) {
    int red = 0, green = 0;
    for (int y = 2; y < card.height * 22 / 100; ++y) {
        for (int x = 2; x < card.width * 30 / 100; ++x) {
            const int r = GetRValue(card.At(x, y)), g = GetGValue(card.At(x, y)),
                      b = GetBValue(card.At(x, y));
            if (r > 150 && g < 110 && b < 110)
                ++red;
            if (g > 100 && r < 110 && b < 110 && g > r + 30)
                ++green;
        }
    }
    return {red, green};
}

TEST_F(ExtensionManagerTest, TheShippedDecksAreListedInOrderWithTheirKinds) {
    PlacedManager manager;
    manager.deckFolders = {TestProgramFolder()};
    manager.LoadExtensions(nullptr);
    EXPECT_TRUE(RecordedAlerts().empty());
    ASSERT_EQ(manager.deckCount, 6);
    const char* names[6] = {"German suits",  "English pattern", "French pattern",
                            "Paris pattern", "Traditional",     "International"};
    const int kinds[6] = {10, 7, 4, 5, 6, 12};
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_STREQ(manager.deckNames[slot], names[slot]);
        EXPECT_EQ(manager.deckKinds[slot], kinds[slot]);
        manager.SelectDeck(slot);
        EXPECT_EQ(manager.CheckDeckVariant(), slot == 0) << slot;
    }
}

// Per deck and set: the 33 pictures pairwise different and none blank; on the whole cards the
// index corner shows the suit's colour, so a mixed-up suit order fails.
TEST_F(ExtensionManagerTest, EveryShippedDeckHasDistinctCardsInSuitOrder) {
    PlacedManager manager;
    manager.deckFolders = {TestProgramFolder()};
    manager.LoadExtensions(nullptr);
    ASSERT_EQ(manager.deckCount, 6);
    for (int slot = 0; slot < 6; ++slot) {
        HMODULE module = manager.deckModules[slot];
        for (int first : kDeckPictureSets) {
            std::set<std::vector<COLORREF>> seen;
            for (int i = 0; i < kPicturesPerDeckSet; ++i) {
                const Pixels picture = ReadPixels(module, first + i);
                ASSERT_FALSE(picture.colours.empty()) << slot << ' ' << first + i;
                const std::set<COLORREF> colours(picture.colours.begin(), picture.colours.end());
                EXPECT_GT(colours.size(), 3u)
                    << "blank: deck " << slot + 1 << " picture " << first + i;
                EXPECT_TRUE(seen.insert(picture.colours).second)
                    << "deck " << slot + 1 << " picture " << first + i << " repeats another";
            }
        }
        for (int suit = 0; suit < 4; ++suit) {
            for (int step = 1; step <= 8; ++step) {
                const int card = suit * 8 + step;
                const auto [red, green] = CornerInk(ReadPixels(module, 2200 + card));
                if (slot == 0) { // Schellen, Herz, Gras, Eichel
                    if (suit == 1) {
                        EXPECT_TRUE(red > 40 && green < 5)
                            << "Herz " << card << ": " << red << '/' << green;
                    }
                    if (suit == 2) {
                        EXPECT_TRUE(green > 30 && red < 5)
                            << "Gras " << card << ": " << red << '/' << green;
                    }
                } else { // diamonds, hearts, spades, clubs
                    if (suit < 2) {
                        EXPECT_GT(red, 20) << "deck " << slot + 1 << " card " << card;
                    } else {
                        EXPECT_LT(red, 5) << "deck " << slot + 1 << " card " << card;
                    }
                }
            }
        }
    }
}

} // namespace
