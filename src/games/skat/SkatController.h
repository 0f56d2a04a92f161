// The Skat table controller as the shell sees it: made at every start, given the settings and
// asked to empty its score list whenever the table window goes. Until the Skat game is built
// it keeps no score.
#pragma once

#include "games/fourplayer/GameController.h"

class SkatController : public GameController {
public:
    virtual void ApplySettings(Settings* settings);  // seat strategies, bid values
    virtual void ResetScoreList();
};
