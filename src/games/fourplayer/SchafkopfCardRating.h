// The card and suit ratings of the Schafkopf computer player, used by the play of the
// all-passed game and the card rules above it. The level adds nothing yet.
#pragma once

#include "games/fourplayer/SchafkopfComputerBase.h"

class SchafkopfCardRating : public SchafkopfComputerBase {
  public:
    SchafkopfCardRating() = default;
};
