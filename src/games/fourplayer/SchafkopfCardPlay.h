// The lead and follow routines of the partner games and the entries of the opening, middle and
// end phases of the Schafkopf computer player. The level adds nothing yet.
#pragma once

#include "games/fourplayer/SchafkopfCardChoice.h"

class SchafkopfCardPlay : public SchafkopfCardChoice {
  public:
    SchafkopfCardPlay() = default;
};
