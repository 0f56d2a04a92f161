#include "games/fourplayer/SchafkopfCardChoice.h"

bool SchafkopfCardChoice::PlayEquivalentCard(int, int) {
    return false;
}
