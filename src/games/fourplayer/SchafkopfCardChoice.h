// The card choice of the Schafkopf computer player: a card of a group that does as well
// against a given card as the seat's lowest one, so that a defender keeps its low cards for
// the tricks still to come.
#pragma once

#include "games/fourplayer/SchafkopfCardRating.h"

class SchafkopfCardChoice : public SchafkopfCardRating {
  public:
    SchafkopfCardChoice() = default;

    // The seat's lowest card of the card's group when it stays under the card or no lower card
    // of the group is out; else its first card with no card out between it and the card
    // (reason 48). Answers whether it played a card.
    virtual bool PlayEquivalentCard(int seat, int card);
};
