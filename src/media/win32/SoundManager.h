// Sounds of the game events. Until the sound library is built no sound plays; the counters
// of the sound waits (gSoundWaitDepth, gEventSoundDepth) are the shell's and stay 0.
#pragma once

#include "platform/RootObject.h"

class SoundManager : public RootObject {
public:
    virtual void Stop();  // stops and closes the sound device
    int currentEvent = 0;
};

extern SoundManager* gSoundManager;

void PlayEventSound(int event, int seat);
void StopSounds();
void StopEventMovies(SoundManager* manager, int event);
