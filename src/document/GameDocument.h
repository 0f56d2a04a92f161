// The game document without its window side: the header of the running game that the game
// controllers keep current through the setters below, the links to the controllers and the
// settings, the record handle of the game's list, the path of its file, and the saved game's
// codec over them. The window side adds the file dialogs and moves the bytes to and from disk.
#pragma once

#include <cstdint>
#include <string>

#include "document/SavedGameFile.h"
#include "games/fourplayer/GameDocumentLink.h"
#include "platform/Handles.h"
#include "records/DocumentHeader.h"

class Settings;
class SkatDocumentController;
class DoppelkopfDocumentController;
class SchafkopfDocumentController;

class GameDocument : public GameDocumentLink {
  public:
    // Forgets the file (without closing anything), stores the links, drops the record handle
    // and makes the header fresh.
    virtual void Reset(SkatDocumentController* skat, DoppelkopfDocumentController* doppelkopf,
                       SchafkopfDocumentController* schafkopf, Settings* settings);
    const char* FilePath() const override;
    virtual void SetGameKind(int kind);
    // Takes over the other document's record handle and header.
    virtual void CopyHeader(const GameDocument& other);
    void SetGameRunning(int running) override;
    void SetDeclarationWord(int word) override;
    // The deal's cards in dealing order: 48 for the four-player games, which clears every trick
    // entry; 32 for Skat, which clears the cards of tricks 1 to 10. Answers the game kind.
    int SetDeckOrder(const std::uint8_t* deck) override;
    void SetBidValues(const std::int16_t* values) override; // the three seats' bid values
    void SetDeclarer(int seat) override;
    void SetSkatCards(int first, int second) override;
    // Trick n (1 to 12): its three cards and its winner; the entry's fourth byte stays.
    void SetTrickEntry(int trick, const std::uint8_t* cards, int seat) override;
    void SetRecordHandle(Handle handle) override;

    // The saved game of the running table with this header, the table pane's phase in it.
    ByteImage Encode(const SavedGameSet& live, int phase);
    // Reads a file into *staged; nothing of this document or the live objects changes.
    static ReadOutcome Decode(const ByteImage& file, const SavedGameSet& live, StagedGame* staged);
    // Moves a decoded game into the live objects and this document: its header, and the path
    // of the file it came from (the next save writes there).
    void Commit(StagedGame& staged, const SavedGameSet& live, bool shiftHeld,
                const std::string& fromPath);

    std::int32_t versionWord = kSavedGameVersion;
    SkatDocumentController* skatGame = nullptr;
    DoppelkopfDocumentController* doppelkopfGame = nullptr;
    SchafkopfDocumentController* schafkopfGame = nullptr;
    Settings* settings = nullptr;
    Handle recordHandle = nullptr; // not owned
    DocumentHeader header = FreshDocumentHeader();
    std::string path; // the file of the last save or open; empty before either
};
