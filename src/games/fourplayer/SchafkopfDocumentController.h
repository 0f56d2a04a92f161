// The Schafkopf table controller bound to the saved-game document: made at start-up and bound
// to the document. Its header keeps only the game kind the table window sets and the phase of
// each save, so the deal and the start of play pass the document by; the save hands it the
// game list.
#pragma once

#include "games/fourplayer/SchafkopfController.h"

class GameDocumentLink;
struct DoppelkopfOptions;
struct SchafkopfOptions;

class SchafkopfDocumentController : public SchafkopfController {
  public:
    // The linked document's file, else the base's text.
    void GetDescriptor(char* text) override;
    void NewDeal(bool keepCards) override;
    void StartBidding() override;
    bool AnnounceGame() override;
    void OnNextGame() override;
    // CompleteTrick stays the base's: the table ends every trick through EndTrick already, and
    // ending it here again would book the trick twice.

    // Links the document and initialises the controller with the Schafkopf options, the
    // four-seat rules and the Schafkopf computer player; false when it could not be made.
    virtual bool AttachDocument(SettingsBody* settings, SchafkopfOptions* options,
                                DoppelkopfOptions* rules, GameDocumentLink* document);

    GameDocumentLink* document = nullptr; // not owned
};

extern SchafkopfDocumentController* gSchafkopfGame;
