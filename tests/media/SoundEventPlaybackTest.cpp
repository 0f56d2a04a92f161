// The course of an event sound: its switch, the wait, the lead-in, the rest after it and the
// two counters, seen through recording steps.
#include "media/SoundEventPlayback.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "media/SoundEventClasses.h"

namespace {

struct Recorder {
    std::vector<std::string> log;
    std::deque<std::int16_t> draws;
    std::int16_t classes[kSoundClassEntries];
    SoundEventScene scene;
    SoundEventState state;
    SoundEventSteps steps;
    std::int16_t depthsSeen = 0;

    Recorder() {
        for (std::int16_t& c : classes)
            c = 1;
        scene.soundOn = true;
        scene.libraryReady = true;
        scene.soundClasses = classes;
        steps.map = [](int event) { return event; };
        steps.voice = [](int sound, int seat) { return seat == 3 ? 0 : sound + 5000; };
        steps.draw = [this] {
            const std::int16_t r = draws.empty() ? 1 : draws.front();
            if (!draws.empty())
                draws.pop_front();
            return r;
        };
        steps.stop = [this] { log.push_back("stop"); };
        steps.play = [this](int id, bool notify) {
            log.push_back((notify ? "notify " : "wait ") + std::to_string(id));
            depthsSeen = gEventSoundDepth;
        };
        steps.pause = [this](int ticks) {
            RunSoundPause(ticks, state, [this](int t) {
                log.push_back("pause " + std::to_string(t) + " depth " +
                              std::to_string(gSoundWaitDepth));
            });
        };
        steps.wait = [this](int ticks) { log.push_back("animation " + std::to_string(ticks)); };
    }

    std::vector<std::string> Run(int event, int seat) {
        log.clear();
        RunSoundEvent(event, seat, scene, state, steps);
        return log;
    }
};

using Log = std::vector<std::string>;

struct ClassCase {
    int event;
    int soundClass;
    int pause; // after playing; 0 none
};

// One event of each row; "any other" rests by the class of the final id (phrase + 5000).
const ClassCase kClassCases[] = {
    {1500, 0, 0},  {1501, 2, 120}, {1502, 5, 40},  {1506, 5, 40},      {1515, 5, 40},
    {1504, 8, 0},  {1505, 7, 0},   {1507, 6, 120}, {1512, 6, 120},     {1508, 10, 0},
    {1513, 10, 0}, {1509, 3, 30},  {1510, 11, 0},  {1514, 5, 80},      {1430, 5, 0},
    {1599, 5, 0},  {1565, 1, 0},   {1566, 1, 0},   {1000 + 18, 1, 80}, {1499, 1, 80},
    {1530, 1, 60}, {1640, 1, 110}, {1700, 1, 110},
};

TEST(SoundEventPlaybackTest, EachEventHasItsSwitchAndItsRest) {
    for (const ClassCase& c : kClassCases) {
        Recorder on;
        const Log played = on.Run(c.event, 1);
        ASSERT_GE(played.size(), 2u) << c.event;
        EXPECT_EQ(played[0], "stop");
        EXPECT_EQ(played[1], "notify " + std::to_string(c.event + 5000)) << c.event;
        if (c.pause)
            EXPECT_EQ(played.back(), "pause " + std::to_string(c.pause) + " depth 1") << c.event;
        else
            EXPECT_EQ(played.size(), 2u) << c.event;
        Recorder off;
        off.classes[c.soundClass] = 0;
        EXPECT_TRUE(off.Run(c.event, 1).empty()) << c.event << " class " << c.soundClass;
    }
}

TEST(SoundEventPlaybackTest, AnnouncementsMayBeginWithTheLeadInOnEvenDraws) {
    struct LeadInCase {
        int event;
        int pause;
    };
    const LeadInCase cases[] = {{1518, 40},  {1526, 50},  {1533, 50},  {1704, 50},
                                {1607, 80},  {1752, 80},  {1617, 120}, {1765, 120},
                                {1707, 115}, {1739, 115}, {1717, 180}, {1751, 180}};
    for (const LeadInCase& c : cases) {
        Recorder even;
        even.draws = {2};
        EXPECT_EQ(even.Run(c.event, 2), (Log{"stop", "notify 6584", "pause 70 depth 1",
                                             "notify " + std::to_string(c.event + 5000),
                                             "pause " + std::to_string(c.pause) + " depth 1"}))
            << c.event;
        Recorder odd;
        odd.draws = {1};
        EXPECT_EQ(odd.Run(c.event, 2).size(), 3u) << c.event;
    }
}

TEST(SoundEventPlaybackTest, SuitGamesSoundWithTheGermanSuitNamesOfTheDeck) {
    Recorder r;
    r.scene.germanSuitNames = true;
    EXPECT_EQ(r.Run(1519, 1)[1], "notify 6535");
    EXPECT_EQ(r.Run(1526, 1)[1], "notify 6526") << "the Null games keep their id";
}

TEST(SoundEventPlaybackTest, TheCardSoundPlaysToItsEndAfterTheComputerSeatsAnimation) {
    Recorder r;
    r.steps.voice = [](int sound, int) { return sound; };
    r.scene.animationOn = true;
    EXPECT_EQ(r.Run(1503, 2), (Log{"stop", "animation 50", "wait 1503"}));
    EXPECT_EQ(r.Run(1503, 0), (Log{"stop", "wait 1503"})) << "the player's own card";
    EXPECT_EQ(r.Run(1501, 0), (Log{"stop", "animation 50", "notify 1501", "pause 120 depth 1"}));
    r.scene.movieFilter = 1;
    EXPECT_EQ(r.Run(1503, 2), (Log{"stop", "wait 1503"}));
    r.scene.movieFilter = 0;
    r.scene.animationOn = false;
    EXPECT_EQ(r.Run(1501, 2), (Log{"stop", "notify 1501", "pause 120 depth 1"}));
}

TEST(SoundEventPlaybackTest, ATableOfItsOwnDecidesTheCallSwitch) {
    Recorder r;
    r.scene.callSwitch = 0;
    EXPECT_TRUE(r.Run(1700, 1).empty());
    EXPECT_FALSE(r.Run(1500, 1).empty()) << "only class 1 follows the table's switch";
    r.classes[kCallSoundClass] = 0;
    r.scene.callSwitch = 1;
    EXPECT_FALSE(r.Run(1700, 1).empty());
}

TEST(SoundEventPlaybackTest, ASilentVoicePlaysAndRestsNothing) {
    Recorder r;
    EXPECT_EQ(r.Run(1700, 3), (Log{"stop"}));
}

TEST(SoundEventPlaybackTest, SoundOffOrNoLibraryLeavesEverythingAlone) {
    for (bool soundOn : {false, true}) {
        Recorder r;
        r.scene.soundOn = soundOn;
        r.scene.libraryReady = !soundOn;
        int mapped = 0;
        r.steps.map = [&mapped](int event) {
            ++mapped;
            return event;
        };
        r.state.channelWord = 7;
        EXPECT_TRUE(r.Run(1501, 1).empty());
        EXPECT_EQ(mapped, 0);
        EXPECT_EQ(r.state.channelWord, 7);
        EXPECT_EQ(r.state.currentClass, -1);
        EXPECT_EQ(gEventSoundDepth, 0);
        EXPECT_EQ(gSoundWaitDepth, 0);
    }
}

TEST(SoundEventPlaybackTest, TheCountersRiseDuringTheSoundAndFallOnEveryWayOut) {
    Recorder r;
    int classDuringPlay = 0;
    r.steps.play = [&](int, bool) {
        r.depthsSeen = gEventSoundDepth;
        classDuringPlay = r.state.currentClass;
    };
    r.Run(1640, 1);
    EXPECT_EQ(r.depthsSeen, 1);
    EXPECT_EQ(classDuringPlay, 6640 % 1000 + 1000);
    EXPECT_EQ(gEventSoundDepth, 0);
    EXPECT_EQ(gSoundWaitDepth, 0);
    EXPECT_EQ(r.state.currentClass, -1);

    r.steps.play = [](int, bool) { throw 1; };
    EXPECT_THROW(r.Run(1501, 1), int);
    EXPECT_EQ(gEventSoundDepth, 0);
    EXPECT_EQ(r.state.currentClass, -1);
    r.steps.play = [](int, bool) {};
    r.steps.pause = [&r](int ticks) { RunSoundPause(ticks, r.state, [](int) { throw 2; }); };
    EXPECT_THROW(r.Run(1501, 1), int);
    EXPECT_EQ(gSoundWaitDepth, 0);
    EXPECT_EQ(gEventSoundDepth, 0);
}

TEST(SoundEventPlaybackTest, APauseInsideAPauseKeepsTheChannelWordOfTheOuter) {
    SoundEventState state;
    state.channelWord = 5;
    RunSoundPause(10, state, [&state](int) {
        state.channelWord = 9;
        RunSoundPause(3, state, [](int) { EXPECT_EQ(gSoundWaitDepth, 2); });
        EXPECT_EQ(state.channelWord, 9) << "only the outermost pause clears it";
    });
    EXPECT_EQ(state.channelWord, 0);
    EXPECT_EQ(gSoundWaitDepth, 0);
}

} // namespace
