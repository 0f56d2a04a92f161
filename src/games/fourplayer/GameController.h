// The base of the table controllers of all three games: the names of the seats and the
// game list (or, for Skat, the score list) that is saved with a game.
#pragma once

#include "platform/Handles.h"
#include "platform/RootObject.h"

class Settings;

class GameController : public RootObject {
public:
    // Copies the name of seat 0 to 5 from the settings into name (256 bytes); an empty
    // name without settings or for another seat.
    virtual void GetPlayerName(char* name, int seat);

    Settings* settings = nullptr;
    Handle listHandle = nullptr;  // the game list or score list; none until games are kept
};
