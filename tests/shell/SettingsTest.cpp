#include "shell/Settings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "shell/LayoutCheck.h"
#include "shell/SettingsWin.h"

namespace {

class SettingsTest : public testing::Test {
  protected:
    void SetUp() override {
        savedScreen = gScreenRect;
        savedStoryMode = gStoryMode;
        gScreenRect = WindowRect{0, 0, 1024, 768};
        settings.SetDefaults();
    }
    void TearDown() override {
        gScreenRect = savedScreen;
        gStoryMode = savedStoryMode;
    }
    WindowRect savedScreen{};
    std::uint8_t savedStoryMode = 0;
    SettingsWin settings;
};

TEST_F(SettingsTest, DefaultsLieAtTheirFileOffsets) {
    std::vector<std::int64_t> soundAndDisplay(18, 1);
    soundAndDisplay.insert(soundAndDisplay.end(), {1, 1, 1, 1, 1, 10, 0, 20});
    ExpectLayout(&settings.body, 3532,
                 {{0, 4, {107}},
                  {1554, 2, {2, 1, 0, 1, 1}},
                  {1564, 4, {1, 0, 25, 24, 0}},
                  {1584, 2, {26, 1, 9, 15, 0, 0}},
                  {1596, 4, {0, 28}},
                  {1604, 2, {0, 0}},
                  {1608, 4, {1, -501, 30, 600, 0}},
                  {1628, 2, {3, 1, 0, 0, 0, 0, 1, 1, 5, 0, 0, 0, 0, 20}},
                  {1656, 4, {0}},
                  {1660, 2, soundAndDisplay},
                  {1712, 4, {0, 1, 2, 3, 5, 1, 1, 0x03C3C03F, 0x03C3C03F}},
                  {1748, 2, {0, 0, 0, 0}},
                  {1756, 4, {0, 0, 0, 0, 0}},
                  {1776, 2, {36, 0, 0, 0, 1, 0}},
                  {1788, 4, {1000}},
                  {1792, 2, {2000, 2500, 0, 0, 0, 0}},
                  {1804, 4, {0}},
                  {1808, 2, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 1, 1, 100, 0, 2}}},
                 {{4, 256, ""},
                  {260, 256, "M\xFCller"},
                  {516, 256, "Schmidt"},
                  {772, 256, "Meier"},
                  {1028, 256, "Berger"},
                  {1284, 256, "Arnold"},
                  {1540, 14, "4682phnaldb-+"}});
}

TEST_F(SettingsTest, CardSizeFollowsTheScreenWidth) {
    const struct {
        std::int16_t width;
        std::int16_t size;
    } cases[] = {{640, 1}, {649, 1}, {650, 0}, {800, 0}, {841, 0}, {842, 2}, {1280, 2}};
    for (const auto& c : cases) {
        gScreenRect = WindowRect{0, 0, c.width, 600};
        settings.SetDefaults();
        EXPECT_EQ(settings.body.cardSize, c.size) << "width " << c.width;
        EXPECT_EQ(settings.IsSmallCardSize(), c.size == 1);
    }
}

TEST_F(SettingsTest, ResetStatisticsClearsTheCountersOnly) {
    settings.body.statistics[10] = 5;
    settings.body.statisticsCounters[63] = 7;
    settings.body.statisticsValue = 9;
    settings.body.individualStats = 0;
    settings.body.cashDimes = 42;
    settings.ResetStatistics();
    EXPECT_EQ(settings.body.statistics[10], 0);
    EXPECT_EQ(settings.body.statisticsCounters[63], 0);
    EXPECT_EQ(settings.body.statisticsValue, 0);
    EXPECT_EQ(settings.body.individualStats, 1);
    EXPECT_EQ(settings.body.cashDimes, 42);
}

TEST_F(SettingsTest, MoneyKeepsTheCentsBetweenZeroAndNine) {
    const struct {
        std::int32_t dimes;
        std::int16_t cents;
        bool add;
        std::int32_t amount;
        std::int32_t wantDimes;
        std::int16_t wantCents;
    } cases[] = {
        {100, 0, true, 125, 112, 5}, // 10.00 + 1.25
        {112, 5, false, 7, 111, 8},  // then - 0.07
        {100, 9, true, 1, 101, 0},   // a carry into the dimes
        {100, 0, false, 1, 99, 9},   // a borrow from the dimes
        {100, 0, true, -7, 99, 3},   // negative amounts too
        {100, 0, true, -125, 87, 5}, {100, 5, false, -7, 101, 2},
        {0, 0, false, 15, -2, 5}, // debts: -0.15 is -0.20 + 0.05
    };
    for (const auto& c : cases) {
        settings.body.cashDimes = c.dimes;
        settings.body.cashCents = c.cents;
        if (c.add)
            settings.AddMoney(c.amount);
        else
            settings.SubtractMoney(c.amount);
        EXPECT_EQ(settings.body.cashDimes, c.wantDimes)
            << c.dimes << "/" << c.cents << " " << c.amount;
        EXPECT_EQ(settings.body.cashCents, c.wantCents)
            << c.dimes << "/" << c.cents << " " << c.amount;
        const std::int64_t before = std::int64_t{c.dimes} * 10 + c.cents;
        const std::int64_t after =
            std::int64_t{settings.body.cashDimes} * 10 + settings.body.cashCents;
        EXPECT_EQ(after - before, c.add ? c.amount : -c.amount);
    }
}

TEST_F(SettingsTest, CardDelayIsShorterWhileASoundPlays) {
    const struct {
        std::int32_t soundOn;
        std::int16_t playCardClass;
        std::int16_t event;
        std::int16_t delay;
    } cases[] = {
        {0, 1, 1503, 11}, {0, 1, 1604, 11}, {1, 1, 1503, 5},  {1, 0, 1503, 11},
        {1, 1, 1604, 3},  {1, 0, 1640, 2},  {1, 1, 1000, 11},
    };
    settings.body.cardDelay = 11;
    for (const auto& c : cases) {
        settings.body.soundOn = c.soundOn;
        settings.body.soundClasses[4] = c.playCardClass;
        EXPECT_EQ(settings.GetCardDelay(c.event), c.delay) << c.soundOn << " " << c.event;
    }
}

TEST_F(SettingsTest, ResetTableModeLeavesNetworkPlay) {
    const std::int16_t cases[][2] = {{1, 1}, {2, 1}, {4, 4}, {8, 1}, {3, 1}};
    for (const auto& c : cases) {
        settings.body.tableMode = c[0];
        settings.body.networkGame = 1;
        settings.body.sessionActive = 1;
        settings.body.timedSave = 1;
        settings.body.timedSaveMinutes = 33;
        settings.ResetTableMode();
        EXPECT_EQ(settings.body.tableMode, c[1]) << c[0];
        EXPECT_EQ(settings.body.networkGame, 0);
        EXPECT_EQ(settings.body.sessionActive, 0);
        EXPECT_EQ(settings.body.timedSave, 0);
        EXPECT_EQ(settings.body.timedSaveMinutes, 33);
    }
}

TEST_F(SettingsTest, ApplyKeepsLeagueAndTournamentOnlyWithNetworkOrStory) {
    const struct {
        std::int16_t mode;
        std::int16_t network;
        std::uint8_t story;
        std::int16_t want;
    } cases[] = {{2, 0, 0, 1}, {8, 0, 0, 1}, {2, 1, 0, 2}, {8, 0, 1, 8}, {4, 0, 0, 4}};
    for (const auto& c : cases) {
        settings.body.tableMode = c.mode;
        settings.body.networkGame = c.network;
        gStoryMode = c.story;
        settings.ApplySettings();
        EXPECT_EQ(settings.body.tableMode, c.want)
            << c.mode << " " << c.network << " " << int{c.story};
    }
}

TEST_F(SettingsTest, SanitizingBringsFileValuesIntoRange) {
    SettingsBody& b = settings.body;
    std::memset(b.playerNames, 'x', sizeof b.playerNames);
    std::memset(b.tableKeys, 'k', sizeof b.tableKeys);
    b.cardSize = 7;
    b.tableMode = 5;
    b.cardSet = 0;
    b.motive = -3;
    b.storyMode = 0;
    b.playerVoices[0] = 0;
    b.cashDimes = 100;
    b.cashCents = 25;
    EXPECT_TRUE(settings.SanitizeLoadedValues());
    for (const auto& name : b.playerNames)
        EXPECT_EQ(std::strlen(name), 255u);
    EXPECT_EQ(std::strlen(b.tableKeys), 13u);
    EXPECT_EQ(b.cardSize, 2); // the screen's size
    EXPECT_EQ(b.tableMode, 1);
    EXPECT_EQ(b.cardSet, 1);
    EXPECT_EQ(b.motive, 1);
    EXPECT_EQ(b.storyMode, 2);
    EXPECT_EQ(b.playerVoices[0], 1);
    EXPECT_EQ(b.cashDimes, 102);
    EXPECT_EQ(b.cashCents, 5);

    settings.SetDefaults();
    EXPECT_FALSE(settings.SanitizeLoadedValues());
}

} // namespace
