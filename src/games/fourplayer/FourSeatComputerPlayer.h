// The first level of the four-player computer players: the common base of the Doppelkopf and
// Schafkopf lines. It adds nothing to the shared computer player; each line overrides single
// operations above it.
#pragma once

#include "engine/ComputerPlayer.h"

class FourSeatComputerPlayer : public ComputerPlayer {
  public:
    FourSeatComputerPlayer() = default;
};
