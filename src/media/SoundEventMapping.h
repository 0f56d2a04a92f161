// Which recorded variant an event sounds as: most events have several recordings, one of
// which is drawn at random.
#pragma once

#include <cstdint>
#include <functional>

// Draws 0 to 32767 (the program's Random; tests script the draws).
using SoundDraw = std::function<std::int16_t()>;

struct SoundMapContext {
    int roomScene = -1;              // the table's room scene, -1 without a table
    bool extendedCardSounds = false; // the library holds the card-sound variants 1420-1422
    bool englishLibrary = true;
    std::int16_t* lastHurrySound = nullptr; // the last hurry-up sound, -1 at start; may be null
};

// The sound id of a game event; events without variants map to themselves.
int MapEventToSound(int event, const SoundMapContext& context, const SoundDraw& draw);
