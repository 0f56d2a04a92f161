// Sounds of the game events. Until the sound library is built no sound plays; the counters
// of the sound waits stay 0 until then.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/RootObject.h"

class SoundManager : public RootObject {
  public:
    virtual void Stop(); // stops and closes the sound device
    int currentEvent = 0;
};

extern SoundManager* gSoundManager;
extern std::int16_t gEventSoundDepth; // an event sound is being played
extern std::int16_t gSoundWaitDepth;  // the sound manager waits for a sound to end

void PlayEventSound(int event, int seat);
// Test seam: sees every event sound asked for (the event and the seat, -1 for none).
using EventSoundObserver = std::function<void(int event, int seat)>;
void SetEventSoundObserver(EventSoundObserver observer); // empty to stop
void StopSounds();
std::uint32_t StopSoundsCount(); // test seam: the stops since the program started
void StopEventMovies(SoundManager* manager, int event);
