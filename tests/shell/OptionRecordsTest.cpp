#include "shell/OptionRecords.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/StringLists.h"
#include "shell/LayoutCheck.h"

namespace {

class OptionRecordsTest : public testing::Test {
  protected:
    void SetUp() override { savedLanguage = gLanguageEnglish; }
    void TearDown() override {
        gLanguageEnglish = savedLanguage;
        DisposeHandle(gDoppelkopfOptions);
        DisposeHandle(gSchafkopfOptions);
        gDoppelkopfOptions = nullptr;
        gSchafkopfOptions = nullptr;
    }
    std::uint8_t savedLanguage = 0;
};

std::vector<std::int64_t> PlayerTimeDefaults() {
    std::vector<std::int64_t> values;
    for (int seat = 0; seat < 4; ++seat) {
        values.push_back(0);
        values.insert(values.end(), 22, -1);
    }
    return values;
}

TEST_F(OptionRecordsTest, RecordADefaultsLieAtTheirOffsets) {
    ASSERT_TRUE(NewDoppelkopfOptions());
    ASSERT_EQ(GetHandleSize(gDoppelkopfOptions), 1112);
    ExpectLayout(gDoppelkopfOptions, 1112,
                 {{0, 2, {0, 0, 1, 0, 0, 0, 1, 0}},
                  {16, 2, {22, 22, 21, 22}},
                  {24, 2, {0, 0, 0, 0, 5, 5, 0, 3}},
                  {40, 4, {0, 157, 1, 24, 100, 1, 100}},
                  {68, 2, {1, 0, 1, 0, 1, 0}},
                  {408, 2, {0, 0, 3, 1, 0, 3, 0, 1}},
                  {424, 2, PlayerTimeDefaults()},
                  {608, 4, {0}},
                  {612, 2, {1, 0, 1, 1, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 0, 0, 1, 0,
                            1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0}},
                  {688, 2, {20}}},
                 {{84, 20, "4682vgjnfwkhpkn-+"}});
}

// The language-dependent defaults of record B, English and German.
struct RecordBCase {
    std::uint8_t english;
    const char* keys;
    std::int64_t partnership, doubleRe, supResup, trumpSuit, allowedSolos, calledSuitLeadBan;
};

void PrintTo(const RecordBCase& c, std::ostream* out) {
    *out << (c.english ? "English" : "German");
}

class RecordBDefaults : public OptionRecordsTest,
                        public testing::WithParamInterface<RecordBCase> {};

TEST_P(RecordBDefaults, LieAtTheirOffsets) {
    const RecordBCase& c = GetParam();
    gLanguageEnglish = c.english;
    ASSERT_TRUE(NewSchafkopfOptions());
    ASSERT_EQ(GetHandleSize(gSchafkopfOptions), 912);
    ExpectLayout(
        gSchafkopfOptions, 912,
        {{0, 2, {0}},
         {22, 2, {c.partnership, 0, c.doubleRe, c.supResup, 1, 0, 0, 0, 1, 0, 7, 6, 7, 7, 0,
                  c.trumpSuit,   0, 4,          0,          0, 3}},
         {64, 4, {0, c.allowedSolos, 1, 36, 300, 1, 100}},
         {92, 2, {0, 0, 0, 1, 1}},
         {358, 2, {10, 10, 10, 50, 10, 10, 30, 50, 10, 20, 40}},
         {380, 4, {70}},
         {692, 2, {3, 2, 0, 0, 29, 21, 1, 0, c.calledSuitLeadBan, 0, 0}}},
        {{2, 20, c.keys}, {102, 256, "Cents"}});
}

INSTANTIATE_TEST_SUITE_P(Languages, RecordBDefaults,
                         testing::Values(RecordBCase{1, "4682yrynrcdhscn-+", 1, 0, 0, 0, 0, 1},
                                         RecordBCase{0, "4682sgjnfwkhprn-+", 2, 1, 1, 1, 0x1F1F,
                                                     0}),
                         [](const testing::TestParamInfo<RecordBCase>& info) {
                             return info.param.english ? "English" : "German";
                         });

TEST_F(OptionRecordsTest, InitCreatesBothRecords) {
    ASSERT_TRUE(InitOptionRecords());
    EXPECT_EQ(GetHandleSize(gDoppelkopfOptions), 1112);
    EXPECT_EQ(GetHandleSize(gSchafkopfOptions), 912);
    EXPECT_EQ(DoppelkopfOptionsRecord()->announceDelay, 20);
    EXPECT_EQ(SchafkopfOptionsRecord()->shootTheMoonStake, 70);
}

TEST_F(OptionRecordsTest, FailedRecordALeavesRecordBUncreated) {
    FailNextAllocations(1);
    EXPECT_FALSE(InitOptionRecords());
    EXPECT_EQ(gDoppelkopfOptions, nullptr);
    EXPECT_EQ(gSchafkopfOptions, nullptr);
}

TEST_F(OptionRecordsTest, DefaultsOverwriteAnUsedRecord) {
    // A record full of old values (statistics, changed marks) comes back as a fresh one.
    SchafkopfOptions used;
    std::memset(&used, 0x5A, sizeof used);
    SchafkopfOptions fresh{};
    SetSchafkopfOptionDefaults(&used);
    SetSchafkopfOptionDefaults(&fresh);
    EXPECT_EQ(std::memcmp(&used, &fresh, sizeof used), 0);

    DoppelkopfOptions usedA;
    std::memset(&usedA, 0x5A, sizeof usedA);
    DoppelkopfOptions freshA{};
    SetDoppelkopfOptionDefaults(&usedA);
    SetDoppelkopfOptionDefaults(&freshA);
    EXPECT_EQ(std::memcmp(&usedA, &freshA, sizeof usedA), 0);
}

} // namespace
