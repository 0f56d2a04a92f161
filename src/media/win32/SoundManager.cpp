#include "media/win32/SoundManager.h"

SoundManager* gSoundManager = nullptr;
std::int16_t gEventSoundDepth = 0;
std::int16_t gSoundWaitDepth = 0;

void SoundManager::Stop() {}

namespace {
EventSoundObserver sEventSoundObserver;
std::uint32_t sStopSoundsCount = 0;
} // namespace

void PlayEventSound(int event, int seat) {
    if (sEventSoundObserver)
        sEventSoundObserver(event, seat);
}

void SetEventSoundObserver(EventSoundObserver observer) {
    sEventSoundObserver = std::move(observer);
}
void StopSounds() {
    ++sStopSoundsCount;
}

std::uint32_t StopSoundsCount() {
    return sStopSoundsCount;
}
void StopEventMovies(SoundManager*, int) {}
