// The Skat table controller as the shell sees it: made at every start, given the settings and
// asked to empty its score list whenever the table window goes. Until the Skat game is built
// it keeps no score.
#pragma once

#include "games/fourplayer/GameController.h"
#include "platform/Handles.h"

class SkatController : public GameController {
  public:
    void ApplySettings(SettingsBody* settings) override; // seat strategies, bid values
    virtual void ResetScoreList();

    Handle listHandle = nullptr; // the score list; none until games are kept
};
