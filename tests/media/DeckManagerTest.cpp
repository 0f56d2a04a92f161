// The deck list: which libraries make a deck, in which order, and which deck may be chosen.
#include "media/DeckManager.h"

#include <gtest/gtest.h>

#include <cstring>

#include "media/FakeLibraries.h"
#include "platform/StringLists.h"

namespace {

std::vector<std::string> TwentyFourNames() {
    std::vector<std::string> names;
    for (int i = 1; i <= 24; ++i)
        names.push_back("deck" + std::to_string(i) + ".dll");
    return names;
}

TEST(DeckListTest, OnlyPresentLibrariesAreListedInListOrderAndTheOthersNamed) {
    FakeLibrarySource source;
    source.libraries["deck4.dll"] = WholeDeck({{2620, "Four"}, {2622, "7"}});
    source.libraries["deck11.dll"] = WholeDeck({{2620, "Eleven"}, {2622, "10"}});
    source.libraries["deck23.dll"] = WholeDeck({{2620, "Twenty-three"}});
    DeckManager manager;
    std::vector<std::string> refused;
    const std::vector<void*> opened = manager.CollectDecks(TwentyFourNames(), source, &refused);
    ASSERT_EQ(manager.deckCount, 3);
    EXPECT_STREQ(manager.deckNames[0], "Four");
    EXPECT_STREQ(manager.deckNames[1], "Eleven");
    EXPECT_STREQ(manager.deckNames[2], "Twenty-three");
    EXPECT_EQ(manager.deckKinds[0], 7);
    EXPECT_EQ(manager.deckKinds[1], 10);
    EXPECT_EQ(manager.deckKinds[2], kDeckKindNone);
    EXPECT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[1], &source.libraries["deck11.dll"]);
    ASSERT_EQ(refused.size(), 21u);
    EXPECT_EQ(refused.front(), "deck1.dll");
    EXPECT_EQ(refused[3], "deck5.dll");
    EXPECT_EQ(refused.back(), "deck24.dll");
}

// A library that lacks its name or any one of the 165 card pictures is left out and closed.
TEST(DeckListTest, IncompleteLibrariesAreLeftOutAndClosed) {
    FakeLibrarySource source;
    source.libraries["whole.dll"] = WholeDeck({{2620, "Whole"}, {2622, "10"}});
    source.libraries["noname.dll"] = WholeDeck({{2622, "10"}});
    source.libraries["emptyname.dll"] = WholeDeck({{2620, ""}});
    for (int missing : {1000, 1132, 1200, 2017, 2232}) {
        FakeLibrary library = WholeDeck({{2620, "Gap"}});
        library.pictures.erase(missing);
        source.libraries["gap" + std::to_string(missing) + ".dll"] = library;
    }
    std::vector<std::string> names;
    for (const auto& entry : source.libraries)
        names.push_back(entry.first);
    DeckManager manager;
    std::vector<std::string> refused;
    manager.CollectDecks(names, source, &refused);
    ASSERT_EQ(manager.deckCount, 1);
    EXPECT_STREQ(manager.deckNames[0], "Whole");
    EXPECT_EQ(refused.size(), names.size() - 1);
    EXPECT_EQ(source.openCount, 1);
}

TEST(DeckListTest, LongNamesAreCutAndAtMost28DecksKept) {
    FakeLibrarySource source;
    std::vector<std::string> names;
    for (int i = 0; i < 30; ++i) {
        names.push_back("d" + std::to_string(i));
        source.libraries[names.back()] = WholeDeck({{2620, std::string(40, char('a' + i % 26))}});
    }
    DeckManager manager;
    std::vector<std::string> refused;
    manager.CollectDecks(names, source, &refused);
    EXPECT_EQ(manager.deckCount, kMaxDecks);
    EXPECT_EQ(std::strlen(manager.deckNames[0]), 33u);
    EXPECT_EQ(refused, (std::vector<std::string>{"d28", "d29"}));
    EXPECT_EQ(source.openCount, kMaxDecks);
}

TEST(DeckListTest, KindTextsThatAreNoNumberGiveNoKind) {
    const std::pair<const char*, int> cases[] = {{"7", 7},  {"10", 10},  {"0", 0},     {"-3", -3},
                                                 {"", -1},  {"x7", -1},  {"7x", -1},   {" 7", -1},
                                                 {"-", -1}, {"1.5", -1}, {"99999", -1}};
    for (const auto& [text, kind] : cases)
        EXPECT_EQ(ParseDeckKind(text), kind) << '"' << text << '"';
}

TEST(DeckListTest, SelectDeckTakesOnlyIndexesOfTheList) {
    DeckManager manager;
    manager.UseProgramDeckOnly("Own");
    manager.deckCount = 3;
    for (int index : {-1, 3, 28}) {
        EXPECT_FALSE(manager.SelectDeck(index)) << index;
        EXPECT_EQ(manager.selectedDeck, 0);
    }
    EXPECT_TRUE(manager.SelectDeck(2));
    EXPECT_EQ(manager.selectedDeck, 2);
}

// Which deck may stay chosen, by kind, list position and language.
TEST(DeckListTest, AvailabilityByKindPositionAndLanguage) {
    struct Case {
        int kind;
        bool atHead, atThird; // German resources
        bool atHeadEnglish, atThirdEnglish;
    };
    const Case cases[] = {
        {7, false, true, true, true}, {10, true, true, true, true},
        {12, true, true, true, true}, {-1, true, true, true, true},
        {6, true, true, true, true},  {30, false, false, false, false},
    };
    const std::uint8_t savedLanguage = gLanguageEnglish;
    for (const Case& c : cases) {
        DeckManager manager;
        manager.deckCount = 3;
        for (int index = 0; index < 3; ++index)
            manager.deckKinds[index] = static_cast<std::int16_t>(c.kind);
        gLanguageEnglish = 0;
        EXPECT_EQ(manager.IsDeckKindAvailable(0), c.atHead) << c.kind;
        EXPECT_EQ(manager.IsDeckKindAvailable(2), c.atThird) << c.kind;
        gLanguageEnglish = 1;
        EXPECT_EQ(manager.IsDeckKindAvailable(0), c.atHeadEnglish) << c.kind;
        EXPECT_EQ(manager.IsDeckKindAvailable(2), c.atThirdEnglish) << c.kind;
        EXPECT_TRUE(manager.IsDeckKindAvailable(-1)) << c.kind;
        EXPECT_TRUE(manager.IsDeckKindAvailable(3)) << c.kind;
    }
    gLanguageEnglish = savedLanguage;
}

TEST(DeckListTest, KindsAllowedAndTheEntryDialogsGroups) {
    for (int kind = -2; kind <= 30; ++kind)
        EXPECT_EQ(DeckManager::IsDeckKindAllowed(kind), kind >= 0 && kind <= 27) << kind;
    const std::uint8_t savedLanguage = gLanguageEnglish;
    for (std::uint8_t english : {0, 1}) {
        gLanguageEnglish = english;
        for (int kind = -1; kind <= 14; ++kind) {
            const bool a = kind == 6 || kind == 8 || kind == 11 || (kind == 7 && !english) ||
                           (kind == 10 && english);
            EXPECT_EQ(DeckManager::IsCardSetA(kind), a) << kind << ' ' << int(english);
            EXPECT_EQ(DeckManager::IsCardSetB(kind),
                      kind == 4 || kind == 5 || kind == 9 || kind == 13)
                << kind;
        }
    }
    gLanguageEnglish = savedLanguage;
}

} // namespace
