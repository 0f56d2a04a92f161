// How each event is heard: which switch of the sound settings lets it through, whether the
// card and shuffle sounds wait for the dealing animation, whether a short lead-in phrase may
// come first, and how long play rests afterwards so that the speech is heard.
#pragma once

// Entries of Settings::soundClasses.
inline constexpr int kGreetingSoundClass = 0;
inline constexpr int kCallSoundClass = 1; // "Reservation, Pass"
inline constexpr int kShuffleSoundClass = 2;
inline constexpr int kBeginPlaySoundClass = 3;
inline constexpr int kCardSoundClass = 4;
inline constexpr int kSayingSoundClass = 5;
inline constexpr int kFunSoundClass = 6;
inline constexpr int kWonSoundClass = 7;
inline constexpr int kLostSoundClass = 8;

inline constexpr int kLeadInPhrase = 1584;
inline constexpr int kLeadInPauseTicks = 70;

enum class SoundWait {
    None,
    Shuffle, // 50 ticks while the shuffle animation runs
    Card,    // 50 ticks while a computer seat's card moves
};

struct SoundEventRule {
    int soundClass = kCallSoundClass;
    SoundWait waitBefore = SoundWait::None;
    bool leadIn = false;        // an even draw plays the lead-in phrase first
    bool playToEnd = false;     // the program waits until the sound has ended
    bool suitNameShift = false; // +16 with the German suit names of the deck
    int pauseTicks = 0;         // the rest after playing; -1 by the class of the sound
};

SoundEventRule SoundEventRuleOf(int event);

// The rest after a sound of the "any other" row, by currentClass (final id mod 1000 + 1000).
int PauseOfSoundClass(int currentClass);
