// The Schafkopf table controller as the shell sees it: made at start-up and bound to the
// saved-game document. Until the four-player games are built it deals nothing.
#pragma once

#include "games/fourplayer/GameController.h"

class GameDocumentWin;
struct DoppelkopfOptions;
struct SchafkopfOptions;

class SchafkopfDocumentController : public GameController {
public:
    virtual void AttachDocument(Settings* settings, SchafkopfOptions* options, DoppelkopfOptions* rules,
                                GameDocumentWin* document);

    SchafkopfOptions* options = nullptr;
    DoppelkopfOptions* rules = nullptr;
    GameDocumentWin* document = nullptr;
};

extern SchafkopfDocumentController* gSchafkopfGame;
