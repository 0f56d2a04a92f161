// The card choice of the Schafkopf computer player: plays the card of a group whose rating
// equals that of a given card, so that a defender gives nothing away by which of two equal
// cards it plays. Declines until the Beg defence is written.
#pragma once

#include "games/fourplayer/SchafkopfCardRating.h"

class SchafkopfCardChoice : public SchafkopfCardRating {
  public:
    SchafkopfCardChoice() = default;

    // Answers whether it played a card.
    virtual bool PlayEquivalentCard(int seat, int card);
};
