// The Skat controller bound to the saved-game document.
#pragma once

#include "games/skat/SkatController.h"

class GameDocumentWin;

class SkatDocumentController : public SkatController {
  public:
    virtual void AttachDocument(SettingsBody* settings, GameDocumentWin* document, int zero);

    GameDocumentWin* document = nullptr;
};

extern SkatDocumentController* gSkatGame;
