// The recorded variants of the events: each rule at the edges of its draws.
#include "media/SoundEventMapping.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "platform/Random.h"

namespace {

SoundDraw Scripted(std::deque<std::int16_t>* draws) {
    return [draws] {
        const std::int16_t r = draws->front();
        draws->pop_front();
        return r;
    };
}

struct MapCase {
    int event;
    std::int16_t draw;
    int expected;
    int scene;
    bool extended;
    bool english;
};

// Draws are chosen by their remainder; 32767 and 32760 check that the whole range reduces.
const MapCase kCases[] = {
    {1022, 0, 1592, -1, false, true},
    {1022, 1, 1022, -1, false, true},
    {1023, 2, 1593, -1, false, true},
    {1024, 4, 1594, -1, false, true},
    {1027, 32767, 1027, -1, false, true},
    {1430, 0, 1430, -1, false, true}, // no table: no room to sound like
    {1430, 1, 1433, 0, false, true},
    {1430, 2, 1434, 3, false, true},
    {1430, 3, 1434, 0, false, true},
    {1430, 4, 1435, 0, false, true},
    {1430, 5, 1430, 0, false, true},
    {1430, 0, 1431, 1, false, true},
    {1430, 1, 1431, 2, false, true},
    {1430, 2, 1435, 1, false, true},
    {1430, 3, 1435, 1, false, true},
    {1430, 4, 1434, 2, false, true},
    {1430, 5, 1430, 1, false, true},
    {1430, 6, 1430, 2, false, true},
    {1430, 3, 1435, 4, false, true},
    {1430, 4, 1432, 4, false, true},
    {1430, 5, 1430, 4, false, true},
    {1430, 0, 1430, 5, false, true},
    {1500, 0, 1410, -1, false, true},
    {1500, 5, 1415, -1, false, true},
    {1508, 6, 1417, -1, false, true},
    {1513, 7, 1417, -1, false, true},
    {1500, 8, 1418, -1, false, true},
    {1500, 9, 1419, -1, false, true},
    {1500, 10, 1438, -1, false, true},
    {1500, 11, 1500, -1, false, true},
    {1513, 11, 1513, -1, false, true},
    {1500, 32760, 1410, -1, false, true},
    {1501, 0, 1501, -1, false, true},
    {1501, 0, 1422, -1, true, true},
    {1501, 1, 1501, -1, true, true},
    {1503, 0, 1503, -1, false, true},
    {1503, 0, 1420, -1, true, true},
    {1503, 3, 1420, -1, true, true},
    {1503, 4, 1421, -1, true, true},
    {1503, 12, 1421, -1, true, true},
    {1503, 13, 1503, -1, true, true},
    {1505, 0, 1404, -1, false, true},
    {1505, 1, 1436, -1, false, true},
    {1505, 3, 1436, -1, false, true},
    {1505, 4, 1438, -1, false, true},
    {1505, 5, 1505, -1, false, true},
    {1505, 7, 1505, -1, false, true},
    {1506, 0, 1400, -1, false, true},
    {1506, 1, 1401, -1, false, true},
    {1506, 2, 1597, -1, false, true},
    {1506, 3, 1597, -1, false, true},
    {1506, 4, 1506, -1, false, true},
    {1510, 0, 1405, -1, false, true},
    {1510, 1, 1510, -1, false, true},
    {1512, 0, 1402, -1, false, true},
    {1512, 1, 1403, -1, false, true},
    {1512, 2, 1512, -1, false, true},
    {1515, 1, 1437, -1, false, true},
    {1516, 0, 1561, -1, false, true},
    {1516, 0, 1550, -1, false, false},
    {1516, 1, 1561, -1, false, false},
    {1516, 2, 1578, -1, false, true},
    {1516, 5, 1581, -1, false, true},
    {1516, 6, 1585, -1, false, true},
    {1516, 7, 1516, -1, false, true},
    {1516, 8, 1516, -1, false, true},
    {1517, 0, 1556, -1, false, true},
    {1517, 1, 1557, -1, false, true},
    {1517, 2, 1562, -1, false, true},
    {1517, 3, 1562, -1, false, true},
    {1517, 4, 1574, -1, false, true},
    {1549, 5, 1586, -1, false, true},
    {1549, 6, 1587, -1, false, true},
    {1517, 7, 1517, -1, false, true},
    {1549, 7, 1558, -1, false, true},
    {1549, 8, 1558, -1, false, true},
    {1533, 0, 1563, -1, false, true},
    {1533, 1, 1533, -1, false, true},
    {1533, 2, 1533, -1, false, true},
    {1565, 3, 1566, -1, false, true},
    {1565, 2, 1565, -1, false, true},
    {1607, 0, 1606, -1, false, true},
    {1607, 1, 1607, -1, false, true},
    {1633, 2, 1653, -1, false, true},
    {1650, 2, 1652, -1, false, true},
    {1650, 3, 1650, -1, false, true},
    {1784, 0, 1785, -1, false, true},
    {1784, 1, 1784, -1, false, true},
    {1640, 0, 1640, -1, false, true},
    {1503, 0, 1503, 2, false, true},
};

TEST(MapEventToSoundTest, EveryRuleAtTheEdgesOfItsDraws) {
    for (const MapCase& c : kCases) {
        std::deque<std::int16_t> draws{c.draw};
        SoundMapContext context;
        context.roomScene = c.scene;
        context.extendedCardSounds = c.extended;
        context.englishLibrary = c.english;
        EXPECT_EQ(MapEventToSound(c.event, context, Scripted(&draws)), c.expected)
            << "event " << c.event << " draw " << c.draw << " scene " << c.scene;
    }
}

// Each drawn rule's whole table, one result per remainder as the rules list them: every
// remainder is drawn as itself, one cycle later and as the largest draw with that remainder, so
// a table of the wrong length or a wrong entry shows.
struct DrawTable {
    int event;
    int scene;
    bool extended;
    bool english;
    std::vector<int> byRemainder;
};

const DrawTable kTables[] = {
    {1022, -1, false, true, {1592, 1022}},
    {1023, -1, false, true, {1593, 1023}},
    {1024, -1, false, true, {1594, 1024}},
    {1027, -1, false, true, {1595, 1027}},
    {1430, 0, false, true, {1433, 1433, 1434, 1434, 1435, 1430}},
    {1430, 3, false, true, {1433, 1433, 1434, 1434, 1435, 1430}},
    {1430, 1, false, true, {1431, 1431, 1435, 1435, 1434, 1430, 1430}},
    {1430, 2, false, true, {1431, 1431, 1435, 1435, 1434, 1430, 1430}},
    {1430, 4, false, true, {1435, 1435, 1435, 1435, 1432, 1430}},
    {1500,
     -1,
     false,
     true,
     {1410, 1411, 1412, 1413, 1414, 1415, 1417, 1417, 1418, 1419, 1438, 1500}},
    {1508,
     -1,
     false,
     true,
     {1410, 1411, 1412, 1413, 1414, 1415, 1417, 1417, 1418, 1419, 1438, 1508}},
    {1501, -1, true, true, {1422, 1501}},
    {1503,
     -1,
     true,
     true,
     {1420, 1420, 1420, 1420, 1421, 1421, 1421, 1421, 1421, 1421, 1421, 1421, 1421, 1503}},
    {1505, -1, false, true, {1404, 1436, 1436, 1436, 1438, 1505, 1505, 1505}},
    {1506, -1, false, true, {1400, 1401, 1597, 1597, 1506}},
    {1510, -1, false, true, {1405, 1510}},
    {1512, -1, false, true, {1402, 1403, 1512}},
    {1516, -1, false, true, {1561, 1561, 1578, 1579, 1580, 1581, 1585, 1516, 1516}},
    {1516, -1, false, false, {1550, 1561, 1578, 1579, 1580, 1581, 1585, 1516, 1516}},
    {1517, -1, false, true, {1556, 1557, 1562, 1562, 1574, 1586, 1587, 1517, 1517}},
    {1549, -1, false, true, {1556, 1557, 1562, 1562, 1574, 1586, 1587, 1558, 1558}},
    {1533, -1, false, true, {1563, 1533, 1533}},
    {1565, -1, false, true, {1566, 1565, 1565}},
    {1607, -1, false, true, {1606, 1607}},
    {1633, -1, false, true, {1653, 1633}},
    {1650, -1, false, true, {1652, 1650}},
    {1784, -1, false, true, {1785, 1784}},
};

TEST(MapEventToSoundTest, EveryRemainderOfEachDrawnRule) {
    for (const DrawTable& table : kTables) {
        const int n = static_cast<int>(table.byRemainder.size());
        SoundMapContext context;
        context.roomScene = table.scene;
        context.extendedCardSounds = table.extended;
        context.englishLibrary = table.english;
        for (int r = 0; r < n; ++r) {
            for (const int draw : {r, r + n, 32767 - (32767 - r) % n}) {
                std::deque<std::int16_t> draws{static_cast<std::int16_t>(draw)};
                EXPECT_EQ(MapEventToSound(table.event, context, Scripted(&draws)),
                          table.byRemainder[r])
                    << "event " << table.event << " scene " << table.scene << " draw " << draw;
                EXPECT_TRUE(draws.empty()) << "one draw for event " << table.event;
            }
        }
    }
}

TEST(MapEventToSoundTest, EventsWithoutVariantsDrawNothing) {
    std::deque<std::int16_t> draws;
    SoundMapContext context;
    for (int event : {1000 + 18, 1502, 1504, 1509, 1518, 1530, 1640, 1700, 1789})
        EXPECT_EQ(MapEventToSound(event, context, Scripted(&draws)), event);
}

TEST(MapEventToSoundTest, TheHurryUpReminderMovesOnFromARepeat) {
    struct HurryCase {
        std::int16_t last;
        std::int16_t draw;
        int expected;
    };
    const HurryCase cases[] = {
        {-1, 0, 1552},   {-1, 1, 1552},   {1552, 0, 1553}, {1552, 1, 1553}, {-1, 2, 1553},
        {1553, 3, 1582}, {-1, 4, 1582},   {1553, 5, 1582}, {1582, 4, 1599}, {1582, 5, 1599},
        {1582, 6, 1599}, {1552, 6, 1599}, {1582, 0, 1552}, {1599, 4, 1582}, {-1, 3, 1553},
        {-1, 5, 1582},   {-1, 6, 1599},   {-1, 7, 1552},   {-1, 13, 1599},  {-1, 32767, 1552},
    };
    for (const HurryCase& c : cases) {
        std::int16_t last = c.last;
        std::deque<std::int16_t> draws{c.draw};
        SoundMapContext context;
        context.lastHurrySound = &last;
        EXPECT_EQ(MapEventToSound(1599, context, Scripted(&draws)), c.expected)
            << "after " << c.last << " draw " << c.draw;
        EXPECT_EQ(last, c.expected) << "the result is kept as the last one";
    }
}

TEST(MapEventToSoundTest, TenThousandRemindersNeverRepeatAPhrase) {
    SeedRandom(4711);
    std::int16_t last = -1;
    SoundMapContext context;
    context.lastHurrySound = &last;
    int previous = -1;
    int seen1599 = 0;
    for (int i = 0; i < 10000; ++i) {
        const int sound = MapEventToSound(1599, context, [] { return Random(); });
        ASSERT_TRUE(sound == 1552 || sound == 1553 || sound == 1582 || sound == 1599);
        if (sound != 1599) {
            ASSERT_NE(sound, previous) << "draw " << i;
        }
        seen1599 += sound == 1599;
        previous = sound;
    }
    EXPECT_GT(seen1599, 0);
}

} // namespace
