// The Schafkopf table controller bound to the saved-game document: made at start-up and bound
// to the document.
#pragma once

#include "games/fourplayer/SchafkopfController.h"

class GameDocumentWin;
struct DoppelkopfOptions;
struct SchafkopfOptions;

class SchafkopfDocumentController : public SchafkopfController {
  public:
    // Initialises the controller with the Schafkopf options, the four-seat rules and the
    // Schafkopf computer player; false when it could not be made.
    virtual bool AttachDocument(SettingsBody* settings, SchafkopfOptions* options,
                                DoppelkopfOptions* rules, GameDocumentWin* document);

    GameDocumentWin* document = nullptr;
};

extern SchafkopfDocumentController* gSchafkopfGame;
