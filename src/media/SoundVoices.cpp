#include "media/SoundVoices.h"

VoiceRecord MakeVoiceRecord(int index, bool english) {
    VoiceRecord record;
    record.languageFlag = english ? 1 : 0;
    record.voiceIndex = index;
    const int base = english ? 5000 : 0;
    record.idOffset = index <= 2 ? base + 11000 + 1000 * index : base + 1000 * (index - 2);
    return record;
}

int VoiceIndexOfValue(std::int32_t value) {
    if (value >= 1 && value <= 3)
        return value - 1;
    if (value >= 4 && value <= 7)
        return value - 2;
    return -1;
}

namespace {

bool IsPlainSound(int sound) {
    return sound >= 1400 && sound <= 1513;
}

bool IsNoise(int sound) {
    return (sound >= 1420 && sound <= 1422) || sound == 1501 || sound == 1503;
}

int VoiceEntryOfSeat(int seat, bool skatGame) {
    return skatGame && seat == 2 ? 3 : seat;
}

} // namespace

int FindVoice(int sound, int seat, const VoiceContext& context, int* voice) {
    if (voice)
        *voice = -1;
    if (seat < 0 || !context.voicesAvailable) {
        if (IsPlainSound(sound))
            return sound;
        seat = 1;
    } else if (IsNoise(sound)) {
        return sound;
    }
    const int entry = VoiceEntryOfSeat(seat, context.skatGame);
    if (entry >= kSeatVoiceEntries || !context.playerVoices)
        return 0;
    const int index = VoiceIndexOfValue(context.playerVoices[entry]);
    if (index < 0 || !context.records[index])
        return 0;
    if (voice)
        *voice = index;
    return sound + context.records[index]->idOffset - 1000;
}
