// The Skat controller bound to the saved-game document: made at start-up, it attaches through
// its initialisation and hands its score list to the document. The hooks of the deal, the
// auction and the tricks join when the Skat game is built.
#pragma once

#include <cstdint>

#include "games/skat/SkatController.h"

class GameDocumentLink;

class SkatDocumentController : public SkatController {
  public:
    // The linked document's file, else the base's text.
    void GetDescriptor(char* text) override;

    // Links the document, initialises the controller, keeps the value (start-up passes 0) and
    // hands the score list to the document.
    virtual void AttachDocument(SettingsBody* settings, GameDocumentLink* document,
                                std::int32_t value);

    GameDocumentLink* document = nullptr; // not owned
    std::int32_t attachValue = 0;
};

extern SkatDocumentController* gSkatGame;
