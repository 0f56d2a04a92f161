// The Doppelkopf table controller bound to the saved-game document: made at start-up, it
// attaches through its initialisation and hands its game list to the document.
#pragma once

#include "games/fourplayer/DoppelkopfController.h"

class GameDocumentWin;
struct DoppelkopfOptions;

class DoppelkopfDocumentController : public DoppelkopfController {
  public:
    // Initialises the controller with its rules and its computer player; false when it could
    // not be made.
    virtual bool AttachDocument(SettingsBody* settings, DoppelkopfOptions* options,
                                GameDocumentWin* document);
    // Whether the seat may announce now, and which kind; the Doppelkopf announcements come with
    // its computer player, so never yet.
    virtual bool MayAnnounce(int seat, int* kind);

    GameDocumentWin* document = nullptr;
};

extern DoppelkopfDocumentController* gDoppelkopfGame;
