// The six voices of the seats: which recording a seat's speech comes from. The sound library
// holds every phrase once per voice, at a fixed id offset for each voice and language.
#pragma once

#include <cstdint>

inline constexpr int kVoiceCount = 6;
inline constexpr int kSeatVoiceEntries = 6; // Settings::playerVoices

struct VoiceRecord {
    std::int32_t kind = 100;
    char code[4] = {' ', ' ', ' ', ' '};
    std::int32_t languageFlag = 0; // gLanguageEnglish when the record was made
    std::int32_t voiceIndex = 0;   // 0-2 female voices 1-3, 3-5 male voices 1-3
    std::int32_t idOffset = 0;     // added to a phrase id, less 1000
    std::int32_t one = 1;
};
static_assert(sizeof(VoiceRecord) == 24);

VoiceRecord MakeVoiceRecord(int index, bool english);

// The voice index of a stored voice value (1-3 female, 5-7 male; 4 the third female voice);
// -1 for any other value, which is silence.
int VoiceIndexOfValue(std::int32_t value);

struct VoiceContext {
    bool voicesAvailable = false;
    bool skatGame = false; // in Skat the third seat speaks with the fourth entry
    const std::int32_t* playerVoices = nullptr;   // kSeatVoiceEntries values
    const VoiceRecord* records[kVoiceCount] = {}; // null: that voice has no record
};

// The final sound id of a sound spoken by a seat (-1 none): unchanged for the plain noises,
// else the sound in the seat's voice, 0 (silence) when the seat has no usable voice. voice
// receives the voice index, -1 when none was used.
int FindVoice(int sound, int seat, const VoiceContext& context, int* voice);
