// The Doppelkopf table controller bound to the saved-game document: made at start-up, it
// attaches through its initialisation, hands its game list to the document and keeps the
// document's header current with the deal and the start of play.
#pragma once

#include "games/fourplayer/DoppelkopfController.h"

class GameDocumentLink;
struct DoppelkopfOptions;

class DoppelkopfDocumentController : public DoppelkopfController {
  public:
    // The linked document's file, else the base's text.
    void GetDescriptor(char* text) override;
    // After the deal the header holds its 48 places and play has not begun.
    void NewDeal(bool keepCards) override;
    void StartBidding() override;
    bool AnnounceGame() override;
    // Play has begun: the header says so.
    void OnNextGame() override;
    void EndTrick(bool* changed) override;

    // Links the document, initialises the controller with its rules and its computer player and
    // hands the game list to the document; false when the controller could not be made.
    virtual bool AttachDocument(SettingsBody* settings, DoppelkopfOptions* options,
                                GameDocumentLink* document);
    // Whether the seat may announce now, and which kind; the Doppelkopf announcements come with
    // its computer player, so never yet.
    virtual bool MayAnnounce(int seat, int* kind);

    GameDocumentLink* document = nullptr; // not owned
};

extern DoppelkopfDocumentController* gDoppelkopfGame;
