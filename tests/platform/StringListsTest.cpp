// List numbers onto string-table ids, "^1"/"^2" substitution and the string helpers.
#include "platform/StringLists.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(StringLists, ListNumbersMapOntoStringTableIds) {
    struct Case {
        std::int16_t list;
        std::int16_t firstId;
    };
    for (Case c : {Case{192, 900}, Case{1400, 600}, Case{1500, 1800}, Case{1501, 1600},
                   Case{1503, 2300}, Case{1504, 4500}, Case{1600, 1000}, Case{1601, 3000},
                   Case{1700, 1300}, Case{128, 128}, Case{1502, 1502}, Case{0, 0}}) {
        EXPECT_EQ(StringListMap(c.list), c.firstId) << c.list;
    }
    EXPECT_EQ(StringListMap(1601) + 5, 3005);
    EXPECT_EQ(StringListMap(128) + 3, 131);
}

TEST(ParamText, ReplacesOnlyTheFirstMarkerWhenItIsTheDigitAsked) {
    struct Case {
        char digit;
        const char* text;
        const char* value;
        const char* result;
    };
    for (Case c : {
             Case{'1', "Error: ^1!", "", "Error:   !"}, // two blanks keep the length
             Case{'1', "Error: ^1!", "X", "Error: X!"},
             Case{'1', "^1", "long value", "long value"},
             Case{'2', "a ^2 b", "two", "a two b"},
             Case{'1', "^2 then ^1", "X", "^2 then ^1"},
             Case{'1', "^1 and ^1", "X", "X and ^1"},
             Case{'1', "no marker", "X", "no marker"},
             Case{'1', "ends in ^", "X", "ends in ^"},
         }) {
        char text[kStringBufferSize] = {};
        std::strcpy(text, c.text);
        ParamText(c.digit, text, c.value);
        EXPECT_STREQ(text, c.result) << c.text << " with " << c.value;
    }
}

TEST(ParamText, NeverWritesPastItsBuffer) {
    // The 256-byte text sits in a larger array whose tail must stay untouched.
    char storage[kStringBufferSize + 64];
    std::memset(storage, '#', sizeof storage);
    std::string text = std::string(200, 'a') + "^1" + std::string(53, 'z');
    std::memcpy(storage, text.c_str(), text.size() + 1);
    const std::string value(300, 'v');

    ParamText('1', storage, value.c_str());
    EXPECT_EQ(std::strlen(storage), std::size_t{kStringBufferSize - 1});
    EXPECT_EQ(std::string(storage), std::string(200, 'a') + std::string(55, 'v'));
    for (std::size_t i = kStringBufferSize; i < sizeof storage; ++i) {
        ASSERT_EQ(storage[i], '#') << i;
    }

    // A short value still lets the rest of a long text in, cut at the buffer's end.
    std::memcpy(storage, text.c_str(), text.size() + 1);
    ParamText('1', storage, "vvvv");
    EXPECT_EQ(std::string(storage), std::string(200, 'a') + "vvvv" + std::string(51, 'z'));
}

TEST(StringHelpers, TrimBlanksAndRemoveWhiteSpace) {
    struct Case {
        const char* text;
        const char* trimmed;
        const char* withoutSpace;
    };
    for (Case c : {
             Case{"  two words \t\r\n", "two words", "twowords"},
             Case{"\tleading tab ", "\tleading tab", "leadingtab"},
             Case{"     ", "", ""},
             Case{"", "", ""},
             Case{"a\nb", "a\nb", "ab"},
         }) {
        char text[kStringBufferSize];
        std::strcpy(text, c.text);
        EXPECT_STREQ(TrimBlanks(text), c.trimmed);
        std::strcpy(text, c.text);
        EXPECT_STREQ(RemoveWhiteSpace(text), c.withoutSpace);
    }
}

TEST(StringHelpers, NumbersUnderscoresAndAppending) {
    char text[kStringBufferSize];
    NumToString(-2147483647 - 1, text);
    EXPECT_STREQ(text, "-2147483648");
    NumToString(1050, text);
    EXPECT_STREQ(text, "1050");

    std::int32_t number = 77;
    StringToNum(" -42 Mark", &number);
    EXPECT_EQ(number, -42);
    StringToNum("Mark", &number);
    EXPECT_EQ(number, -42); // no number: left as it was

    std::strcpy(text, "Max_und_Moritz");
    EXPECT_STREQ(UnderscoresToBlanks(text), "Max und Moritz");
    EXPECT_EQ(AppendChar(text, '!'), 0);
    EXPECT_STREQ(text, "Max und Moritz!");
    EXPECT_EQ(CtoPstr(text), text);
    EXPECT_EQ(PtoCstr(text), text);

    EXPECT_STREQ(FindSubstring(text, "und"), "und Moritz!");
    EXPECT_EQ(FindSubstring(text, "oder"), nullptr);
    EXPECT_STREQ(FindChar(text, 'M'), "Max und Moritz!");
    EXPECT_EQ(FindChar(text, 'y'), nullptr);
}

TEST(StringHelpers, AppendCharStopsAtTheBufferEnd) {
    char text[kStringBufferSize + 1];
    std::memset(text, 'a', kStringBufferSize - 1);
    text[kStringBufferSize - 1] = '\0';
    text[kStringBufferSize] = '#';
    AppendChar(text, 'b');
    EXPECT_EQ(std::strlen(text), std::size_t{kStringBufferSize - 1});
    EXPECT_EQ(text[kStringBufferSize], '#');
}
