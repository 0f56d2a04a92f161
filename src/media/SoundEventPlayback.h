// The course of one event sound, apart from the device that plays it: the switch of its
// class, stopping what plays, the wait for the animation, the lead-in phrase, the sound in
// the seat's voice and the rest after it, with the two depth counters that tell the rest of
// the program that a sound is under way.
#pragma once

#include <cstdint>
#include <functional>

extern std::int16_t gEventSoundDepth; // event sounds being played (closing a table waits)
extern std::int16_t gSoundWaitDepth;  // sound pauses in progress (idle sounds wait)

inline constexpr int kSoundClassEntries = 18; // Settings::soundClasses

struct SoundEventScene {
    bool soundOn = false;
    bool libraryReady = false;                  // the sound library was loaded
    const std::int16_t* soundClasses = nullptr; // kSoundClassEntries switches
    int callSwitch = -1; // at a Schafkopf table its own "Reservation, Pass" switch
    bool animationOn = false;
    std::int16_t movieFilter = 0; // bit 0: no shuffle animation
    bool germanSuitNames = false; // the deck names its suits the German way
};

struct SoundEventState {
    std::int16_t currentClass = -1; // final id mod 1000 + 1000 while a sound plays
    std::int32_t channelWord = 0;   // cleared by pauses and playback starts
};

struct SoundEventSteps {
    std::function<int(int event)> map;             // MapEventToSound
    std::function<int(int sound, int seat)> voice; // FindVoice
    std::function<std::int16_t()> draw;            // Random
    std::function<void()> stop;                    // stops the sound being played
    std::function<void(int finalId, bool notify)> play;
    std::function<void(int ticks)> pause; // the rest after a sound (see RunSoundPause)
    std::function<void(int ticks)> wait;  // the wait for an animation before a sound
};

// Plays an event for a seat (-1 none); answers true in every case.
bool RunSoundEvent(int event, int seat, const SoundEventScene& scene, SoundEventState& state,
                   const SoundEventSteps& steps);

// A rest of ticks (1/60 s) during which gSoundWaitDepth is raised; waitTicks runs the wait.
void RunSoundPause(int ticks, SoundEventState& state, const std::function<void(int)>& waitTicks);
