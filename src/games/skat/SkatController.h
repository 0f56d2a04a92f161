// The Skat table controller as the shell sees it: made at every start, given the settings and
// asked to empty its score list whenever the table window goes. Until the Skat game is built
// it keeps no score.
#pragma once

#include <cstdint>

#include "games/fourplayer/GameController.h"
#include "platform/Handles.h"

inline constexpr int kSkatSeats = 3;

// The seat that plays after the given one.
inline int NextSkatSeat(int seat) {
    return (seat + 1) % kSkatSeats;
}

class SkatController : public GameController {
  public:
    void ApplySettings(SettingsBody* settings) override; // seat strategies, bid values
    virtual void ResetScoreList();

    Handle listHandle = nullptr; // the score list; none until games are kept
    // The trick completed last, as the Last Trick window shows it: one picture-order card
    // code per seat (0 none), the seat that led it and the seat that won it (-1 none). The
    // Skat game fills them; until it is built there is no trick.
    std::int16_t lastTrickCards[kSkatSeats] = {};
    std::int16_t lastTrickLeader = -1;
    std::int16_t lastTrickWinner = -1;
};
