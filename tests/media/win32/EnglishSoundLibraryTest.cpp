// The English sound library as the program meets it: every sound the tables, dialogs and
// panels can raise, after its random variants, names through the library's string table a
// playable wave file in the library's own folder, in each of the six voices, and plainly
// where it is heard without a seat's voice.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const char kLibraryName[] = "SchafkopfSoundsEnglish.dll";

// Final id = sound + offset - 1000 for the six voices: female 1-3, then male 1-3.
const int kVoiceShift[6] = {15000, 16000, 17000, 5000, 6000, 7000};
const int kMaleVoiceOneShift = 5000;

// Card and shuffle noises are never voiced, nor are the room's noises (raised without a seat).
bool IsNoise(int sound) {
    return (sound >= 1420 && sound <= 1422) || sound == 1501 || sound == 1503 ||
           (sound >= 1430 && sound <= 1435);
}
bool HeardPlainly(int sound) {
    return sound >= 1400 && sound <= 1513;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

// Every value of the three Skat bid ladders (Grand ouvert worth 24, 30 or 36), as 1000 + value.
std::vector<int> SkatBidSounds() {
    const int values[] = {17,  18,  20,  22,  23,  24,  27,  30,  33,  35,  36,  40,  44,  45,  46,
                          48,  50,  54,  55,  59,  60,  63,  66,  70,  72,  77,  80,  81,  84,  88,
                          90,  96,  99,  100, 108, 110, 117, 120, 121, 126, 130, 132, 135, 140, 143,
                          144, 150, 153, 154, 156, 160, 162, 165, 168, 170, 176, 180, 187, 192, 198,
                          204, 210, 216, 240, 252, 264, 270, 288, 300, 324, 360};
    std::vector<int> ids;
    for (int value : values)
        ids.push_back(1000 + value);
    // 22, 23, 24 and 27 have a second way of saying them.
    for (int id : {1592, 1593, 1594, 1595})
        ids.push_back(id);
    return ids;
}

struct Raiser {
    const char* who;
    std::vector<int> sounds; // every sound the raised events can turn into
};

// The events each caller raises, with the sounds their random variants may choose.
std::vector<Raiser> RaisedSounds() {
    const std::vector<int> greeting = {1500, 1410, 1411, 1412, 1413, 1414,
                                       1415, 1417, 1418, 1419, 1438};
    const std::vector<int> won = {1505, 1404, 1436, 1438};
    const std::vector<int> shuffle = {1501, 1422};
    const std::vector<int> card = {1503, 1420, 1421};
    std::vector<Raiser> raisers;
    auto add = [&](const char* who, std::vector<std::vector<int>> parts) {
        Raiser raiser{who, {}};
        for (auto& part : parts)
            raiser.sounds.insert(raiser.sounds.end(), part.begin(), part.end());
        raisers.push_back(raiser);
    };
    add("sound settings test buttons", {greeting, shuffle, {1509}, card, won, {1504}});
    add("intro and end dialogs", {greeting, won, {1508, 1513}});
    add("room panel foyer greeting", {{1426}});
    add("director's no-pairing notice", {{1510, 1405}});
    add("table end of game", {won, {1504, 1511, 1512, 1402, 1403}});
    add("table idle sounds", {Range(1430, 1435), {1599, 1552, 1553, 1582}});
    add("four-player tables", {greeting, shuffle, card, {1507}});
    add("misplay that loses", {{1502, 1437}});
    add("game announcement prefix", {{1584}});
    add("Schafkopf answers and auction", {{1700, 1701, 1702, 1782, 1640, 1641, 1703}});
    add("Schafkopf announcements", {{1530, 1531, 1784, 1785, 1786}});
    add("Schafkopf games, French suits",
        {{1605, 1615, 1616, 1704, 1634, 1635, 1636, 1637, 1638, 1639, 1705},
         Range(1770, 1773),
         Range(1654, 1657),
         Range(1744, 1747),
         {1606},
         Range(1607, 1610),
         Range(1707, 1710),
         {1715, 1716},
         Range(1617, 1620),
         Range(1717, 1720),
         Range(1625, 1628),
         Range(1725, 1728),
         Range(1733, 1737)});
    add("Schafkopf games, German suits", {Range(1778, 1781),
                                          Range(1658, 1661),
                                          Range(1748, 1751),
                                          Range(1711, 1714),
                                          {1752, 1753},
                                          {1738, 1739},
                                          Range(1754, 1757),
                                          Range(1721, 1724),
                                          Range(1758, 1761),
                                          Range(1729, 1732),
                                          Range(1762, 1765),
                                          Range(1740, 1743)});
    add("Schafkopf all passed", {{1533, 1563, 1789}});
    add("Doppelkopf reservations and solo answers", {{1603, 1604, 1640, 1641}});
    add("Doppelkopf announcements and special cards",
        {{1530, 1531, 1600, 1601, 1602, 1524, 1650, 1652, 1651}});
    add("Doppelkopf start of play", {{1605},
                                     Range(1654, 1661),
                                     {1606},
                                     Range(1607, 1614),
                                     {1615, 1642, 1616, 1643},
                                     Range(1617, 1624),
                                     Range(1625, 1632),
                                     {1633, 1653, 1634, 1644, 1635, 1645, 1636, 1646},
                                     {1637, 1638, 1647, 1639}});
    add("Skat bids", {SkatBidSounds()});
    add("Skat hold and pass", {{1516, 1561, 1578, 1579, 1580, 1581, 1585},
                               {1517, 1556, 1557, 1562, 1574, 1586, 1587, 1558}});
    add("Skat declarations", {Range(1518, 1533), {1563, 1565, 1566}});
    add("Skat remarks", {{1506, 1400, 1401, 1597, 1514}, greeting, shuffle, card, {1507}});
    return raisers;
}

// The final ids one sound is heard as: its six voices, the German-suit names of the Skat suit
// games when the deck shows German suits, and itself where it is heard without a voice.
std::vector<int> FinalIds(int sound) {
    if (IsNoise(sound))
        return {sound};
    std::vector<int> finals;
    std::vector<int> spoken = {sound};
    if (sound >= 1518 && sound <= 1521)
        spoken.push_back(sound + 16);
    for (int id : spoken)
        for (int shift : kVoiceShift)
            finals.push_back(id + shift);
    if (HeardPlainly(sound))
        finals.push_back(sound);
    return finals;
}

struct Wave {
    bool read = false;
    std::string problem;
    double seconds = 0;
    std::string bytes;
};

uint32_t Le32(const std::string& data, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(data[at + i]);
    return value;
}
uint16_t Le16(const std::string& data, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(data[at]) |
                                 static_cast<unsigned char>(data[at + 1]) << 8);
}

// Reads a wave file and checks that it is 11025 Hz mono 16-bit PCM.
Wave ReadWave(const std::string& path) {
    Wave wave;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        wave.problem = "missing";
        return wave;
    }
    wave.bytes.assign(std::istreambuf_iterator<char>(file), {});
    wave.read = true;
    const std::string& data = wave.bytes;
    if (data.size() < 12 || data.compare(0, 4, "RIFF") != 0 || data.compare(8, 4, "WAVE") != 0) {
        wave.problem = "not a wave file";
        return wave;
    }
    bool format = false;
    uint32_t frames = 0;
    bool haveData = false;
    for (size_t at = 12; at + 8 <= data.size();) {
        std::string tag = data.substr(at, 4);
        uint32_t size = Le32(data, at + 4);
        if (tag == "fmt " && at + 24 <= data.size())
            format = Le16(data, at + 8) == 1 && Le16(data, at + 10) == 1 &&
                     Le32(data, at + 12) == 11025 && Le16(data, at + 22) == 16;
        if (tag == "data") {
            haveData = size <= data.size() - at - 8;
            frames = size / 2;
        }
        at += 8 + size + (size & 1);
    }
    if (!format)
        wave.problem = "not 11025 Hz mono 16-bit PCM";
    else if (!haveData)
        wave.problem = "no whole data chunk";
    wave.seconds = frames / 11025.0;
    return wave;
}

class EnglishSoundLibrary : public testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        char* slash = std::strrchr(path, '\\');
        if (slash)
            slash[1] = '\0';
        folder = std::string(path) + GetParam();
        library = LoadLibraryA((folder + kLibraryName).c_str());
        ASSERT_NE(library, nullptr) << folder << kLibraryName;
    }
    void TearDown() override {
        if (library)
            FreeLibrary(library);
    }

    std::string NameOf(int id) const {
        char name[256] = {};
        int length = LoadStringA(library, id, name, sizeof name);
        return std::string(name, length > 0 ? length : 0);
    }

    std::string folder;
    HMODULE library = nullptr;
};

TEST_P(EnglishSoundLibrary, EveryRaisedSoundNamesAShortPcmWaveInEachVoice) {
    std::map<std::string, Wave> waves;
    for (const Raiser& raiser : RaisedSounds()) {
        for (int sound : raiser.sounds) {
            for (int final : FinalIds(sound)) {
                std::string name = NameOf(final);
                if (name.empty()) {
                    ADD_FAILURE() << raiser.who << ": sound " << sound << " as " << final
                                  << " has no file name";
                    continue;
                }
                auto found = waves.find(name);
                if (found == waves.end())
                    found = waves.emplace(name, ReadWave(folder + name)).first;
                const Wave& wave = found->second;
                EXPECT_EQ(wave.problem, "") << raiser.who << ": " << final << " " << name;
                EXPECT_GE(wave.seconds, 0.05) << final << " " << name;
                EXPECT_LE(wave.seconds, 4.0) << final << " " << name;
            }
        }
    }
}

TEST_P(EnglishSoundLibrary, SixVoicesAreSixRecordingsAndPlainSpeechIsMaleVoiceOne) {
    std::set<int> sounds;
    for (const Raiser& raiser : RaisedSounds())
        sounds.insert(raiser.sounds.begin(), raiser.sounds.end());
    for (int sound : sounds) {
        if (IsNoise(sound))
            continue;
        std::set<std::string> names, recordings;
        for (int shift : kVoiceShift) {
            std::string name = NameOf(sound + shift);
            names.insert(name);
            recordings.insert(ReadWave(folder + name).bytes);
        }
        EXPECT_EQ(names.size(), 6u) << sound;
        EXPECT_EQ(recordings.size(), 6u) << sound;
        if (HeardPlainly(sound)) {
            EXPECT_EQ(NameOf(sound), NameOf(sound + kMaleVoiceOneShift)) << sound;
        }
    }
}

// No name in the table points to nothing, and the card-sound variants are announced.
TEST_P(EnglishSoundLibrary, EveryNameFindsItsFileAndTheCardVariantsAreAnnounced) {
    int names = 0;
    for (int id = 1000; id < 20000; ++id) {
        std::string name = NameOf(id);
        if (name.empty())
            continue;
        ++names;
        EXPECT_EQ(ReadWave(folder + name).problem, "") << id << " " << name;
    }
    EXPECT_GT(names, 1000);
    EXPECT_NE(FindResourceA(library, MAKEINTRESOURCEA(1280), MAKEINTRESOURCEA(10)), nullptr);
}

// The copy beside the test programs and the one beside the program.
INSTANTIATE_TEST_SUITE_P(Copies, EnglishSoundLibrary, testing::Values("", "..\\bin\\"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.index == 0 ? "BesideTests" : "BesideProgram");
                         });

} // namespace
