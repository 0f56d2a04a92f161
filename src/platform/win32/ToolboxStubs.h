// Toolbox operations that have nothing to do on this system: no effect, fixed answers.
#pragma once

#include <cstdint>

inline void UseResourceFile(std::int16_t) {}
inline void ResetResourceFile() {}
// The answer is passed on as the access word of FileStream::OpenFile.
inline std::int16_t FindVolumeByName(const char*) {
    return -1;
}
inline std::int16_t FlushVol(std::int16_t, const char*) {
    return 0;
}

// The file dialogs of the document: the reply record is not written.
template <class... Arguments> void SFPPutFile(Arguments&&...) {}
template <class... Arguments> void CustomPutFile(Arguments&&...) {}
template <class... Arguments> void SFPGetFile(Arguments&&...) {}
template <class... Arguments> void CustomGetFile(Arguments&&...) {}

inline std::int16_t InitSoundOutput() {
    return 0;
}
inline std::int16_t DisposeSoundChannel(void*, bool) {
    return 0;
}
inline std::int16_t SendSoundCommand(void*, const void*) {
    return 0;
}
inline std::int16_t StopSoundFile(void*, bool) {
    return 0;
}

// The low-card handling of the Skat trick code; stands for each of its operations.
template <class... Arguments> void IgnoreLowCard(Arguments&&...) {}
