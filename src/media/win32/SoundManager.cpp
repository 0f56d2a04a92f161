#include "media/win32/SoundManager.h"

SoundManager* gSoundManager = nullptr;

void SoundManager::Stop() {}

namespace {
EventSoundObserver sEventSoundObserver;
std::uint32_t sStopSoundsCount = 0;
}  // namespace

void PlayEventSound(int event, int seat) {
    if (sEventSoundObserver) sEventSoundObserver(event, seat);
}

void SetEventSoundObserver(EventSoundObserver observer) { sEventSoundObserver = std::move(observer); }
void StopSounds() { ++sStopSoundsCount; }

std::uint32_t StopSoundsCount() { return sStopSoundsCount; }
void StopEventMovies(SoundManager*, int) {}
