// The seats' voices: which recording a seat's phrase comes from, in both languages.
#include "media/SoundVoices.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Voices {
    VoiceRecord records[kVoiceCount];
    std::int32_t playerVoices[kSeatVoiceEntries] = {5, 1, 6, 7, 2, 3};
    VoiceContext context;

    explicit Voices(bool english, bool skat = false) {
        for (int i = 0; i < kVoiceCount; ++i) {
            records[i] = MakeVoiceRecord(i, english);
            context.records[i] = &records[i];
        }
        context.voicesAvailable = true;
        context.skatGame = skat;
        context.playerVoices = playerVoices;
    }
};

// The libraries' offsets (final id = phrase + offset): English male 1-3 +5000, +6000, +7000,
// female 1-3 +15000, +16000, +17000; German male +0, +1000, +2000, female +10000 to +12000.
int EnglishOffset(std::int32_t value) {
    static const int kOffsets[8] = {-1, 15000, 16000, 17000, 17000, 5000, 6000, 7000};
    return value >= 1 && value <= 7 ? kOffsets[value] : -1;
}

int GermanOffset(std::int32_t value) {
    static const int kOffsets[8] = {-1, 10000, 11000, 12000, 12000, 0, 1000, 2000};
    return value >= 1 && value <= 7 ? kOffsets[value] : -1;
}

TEST(FindVoiceTest, EveryStoredVoiceValueInBothLanguages) {
    for (bool english : {true, false}) {
        for (std::int32_t value : {0, 1, 2, 3, 4, 5, 6, 7, 8, 99, -1}) {
            Voices voices(english);
            voices.playerVoices[2] = value;
            int voice = 7;
            const int offset = english ? EnglishOffset(value) : GermanOffset(value);
            const int found = FindVoice(1640, 2, voices.context, &voice);
            if (offset < 0) {
                EXPECT_EQ(found, 0) << "value " << value << " is silence";
                EXPECT_EQ(voice, -1);
            } else {
                EXPECT_EQ(found, 1640 + offset) << "value " << value << " english " << english;
                EXPECT_EQ(voice, value <= 3 ? value - 1 : value - 2);
            }
        }
    }
}

TEST(FindVoiceTest, SeatsSpeakWithTheirOwnEntry) {
    Voices voices(true);
    int voice = 0;
    EXPECT_EQ(FindVoice(1700, 0, voices.context, &voice), 1700 + 5000);  // value 5
    EXPECT_EQ(FindVoice(1700, 1, voices.context, &voice), 1700 + 15000); // value 1
    EXPECT_EQ(FindVoice(1700, 2, voices.context, &voice), 1700 + 6000);  // value 6
    EXPECT_EQ(FindVoice(1700, 3, voices.context, &voice), 1700 + 7000);  // value 7
    EXPECT_EQ(voice, 5);
    EXPECT_EQ(FindVoice(1700, 6, voices.context, &voice), 0) << "no such seat";
}

TEST(FindVoiceTest, InSkatTheThirdSeatSpeaksWithTheFourthEntry) {
    Voices skat(true, true);
    EXPECT_EQ(FindVoice(1018, 2, skat.context, nullptr), 1018 + 7000);
    EXPECT_EQ(FindVoice(1018, 1, skat.context, nullptr), 1018 + 15000);
    Voices schafkopf(true, false);
    EXPECT_EQ(FindVoice(1018, 2, schafkopf.context, nullptr), 1018 + 6000);
}

TEST(FindVoiceTest, NoSeatSpeaksPhrasesWithTheSecondSeatsVoiceButLeavesPlainSounds) {
    Voices voices(true);
    int voice = 9;
    EXPECT_EQ(FindVoice(1400, -1, voices.context, &voice), 1400);
    EXPECT_EQ(voice, -1);
    EXPECT_EQ(FindVoice(1513, -1, voices.context, &voice), 1513);
    EXPECT_EQ(FindVoice(1514, -1, voices.context, &voice), 1514 + 15000);
    EXPECT_EQ(FindVoice(1399, -1, voices.context, &voice), 1399 + 15000);
    EXPECT_EQ(voice, 0);
}

TEST(FindVoiceTest, NoisesStayAndPlainSoundsOfASeatAreSpoken) {
    Voices voices(false);
    for (int noise : {1420, 1421, 1422, 1501, 1503})
        EXPECT_EQ(FindVoice(noise, 3, voices.context, nullptr), noise);
    EXPECT_EQ(FindVoice(1505, 3, voices.context, nullptr), 1505 + 2000);
    EXPECT_EQ(FindVoice(1419, 0, voices.context, nullptr), 1419 + 0) << "German male 1";
}

TEST(FindVoiceTest, WithoutTheLibraryEverySeatCountsAsNone) {
    Voices voices(true);
    voices.context.voicesAvailable = false;
    EXPECT_EQ(FindVoice(1503, 2, voices.context, nullptr), 1503);
    EXPECT_EQ(FindVoice(1700, 3, voices.context, nullptr), 1700 + 15000);
}

TEST(FindVoiceTest, AVoiceWithoutARecordIsSilent) {
    Voices voices(true);
    voices.context.records[3] = nullptr;
    int voice = 2;
    EXPECT_EQ(FindVoice(1700, 0, voices.context, &voice), 0);
    EXPECT_EQ(voice, -1);
}

TEST(VoiceRecordTest, RecordsCarryTheLanguageAndTheOffset) {
    const VoiceRecord record = MakeVoiceRecord(4, true);
    EXPECT_EQ(record.kind, 100);
    EXPECT_EQ(std::string(record.code, 4), "    ");
    EXPECT_EQ(record.languageFlag, 1);
    EXPECT_EQ(record.voiceIndex, 4);
    EXPECT_EQ(record.idOffset, 7000);
    EXPECT_EQ(record.one, 1);
    EXPECT_EQ(MakeVoiceRecord(2, false).idOffset, 13000);
}

} // namespace
