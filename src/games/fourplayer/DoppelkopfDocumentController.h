// The Doppelkopf table controller as the shell sees it: made at start-up and bound to the
// saved-game document. Until the four-player games are built it deals nothing.
#pragma once

#include "games/fourplayer/GameController.h"

class GameDocumentWin;
struct DoppelkopfOptions;

class DoppelkopfDocumentController : public GameController {
public:
    virtual void AttachDocument(Settings* settings, DoppelkopfOptions* options, GameDocumentWin* document);
    // Whether the seat may announce now, and which kind; no game runs, so never.
    virtual bool MayAnnounce(int seat, int* kind);

    DoppelkopfOptions* options = nullptr;
    GameDocumentWin* document = nullptr;
};

extern DoppelkopfDocumentController* gDoppelkopfGame;
