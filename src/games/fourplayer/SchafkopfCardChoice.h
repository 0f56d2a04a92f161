// The card choice of the Schafkopf computer player: plays the card of a group whose rating
// equals that of a given card. The level adds nothing yet.
#pragma once

#include "games/fourplayer/SchafkopfCardRating.h"

class SchafkopfCardChoice : public SchafkopfCardRating {
  public:
    SchafkopfCardChoice() = default;
};
