// What the game controllers bound to the saved-game document tell it and ask of it: the header
// fields their hooks keep current after the base operations, the list a save writes, and the
// file of the last save or open, which the table title shows. The document implements it; the
// games know nothing else of the document.
#pragma once

#include <cstdint>

#include "platform/Handles.h"
#include "platform/RootObject.h"

class GameDocumentLink : public RootObject {
  public:
    // The path of the file of the last save or open; empty while the game has none.
    virtual const char* FilePath() const = 0;
    // The deal's cards in dealing order (48 for the four-player games, 32 for Skat); the cards
    // of the tricks go with the old deal. Answers the header's game kind.
    virtual int SetDeckOrder(const std::uint8_t* deck) = 0;
    virtual void SetGameRunning(int running) = 0; // 1 once play has begun
    virtual void SetRecordHandle(Handle handle) = 0;

    // The Skat auction, declaration and tricks.
    virtual void SetDeclarationWord(int word) = 0;
    virtual void SetBidValues(const std::int16_t* values) = 0; // the three seats' bid values
    virtual void SetDeclarer(int seat) = 0;
    virtual void SetSkatCards(int first, int second) = 0;
    virtual void SetTrickEntry(int trick, const std::uint8_t* cards, int seat) = 0;
};

// The title text of a controller bound to the document: the document's file, cut to the
// descriptor buffer (kDescriptorSize bytes, its terminator included). False, with nothing
// written, when no document is linked or the game has no file.
bool WriteDocumentPath(const GameDocumentLink* document, char* text);
