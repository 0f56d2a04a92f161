// The Schafkopf table controller bound to the saved-game document: made at start-up and bound
// to the document. Until the Schafkopf controller level exists it stands on the Doppelkopf
// level with the four-seat computer player and deals nothing.
#pragma once

#include "games/fourplayer/DoppelkopfController.h"

class GameDocumentWin;
struct DoppelkopfOptions;
struct SchafkopfOptions;

class SchafkopfDocumentController : public DoppelkopfController {
public:
    // Initialises the controller with the four-seat rules and a computer player; false when it
    // could not be made.
    virtual bool AttachDocument(SettingsBody* settings, SchafkopfOptions* options, DoppelkopfOptions* rules,
                                GameDocumentWin* document);

    SchafkopfOptions* options = nullptr;
    GameDocumentWin* document = nullptr;
};

extern SchafkopfDocumentController* gSchafkopfGame;
