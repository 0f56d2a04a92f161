// The nested wait with which computer moves pause while the program stays responsive, and
// the three depth counters that keep quitting, closing and saving out of nested loops.
#pragma once

#include <cstdint>

extern std::int32_t gWaitDepth;       // WaitTicks and the movie wait
extern std::int16_t gEventSoundDepth; // an event sound is being played
extern std::int16_t gSoundWaitDepth;  // the sound manager waits for a sound to end

// Waits ticks (1/60 s). Below 30 ticks a busy wait that handles no message; otherwise the
// messages are handled (not the network step) until 25 ticks before the end. A quit request
// ends the wait at once, so that the quit runs soon after it.
void WaitTicks(std::uint32_t ticks);

// No nested loop runs: a quit may close the windows now.
bool NoNestedLoopRuns();
