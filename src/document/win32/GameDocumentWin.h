// The saved-game document: the file of the running game with its header, the game part of
// its kind, the tournament state and the settings block. Until saved games are built the
// document keeps only what the shell hands it and says that games cannot be saved or
// opened yet.
#pragma once

#include <cstdint>

#include "document/GameDocument.h"
#include "platform/Handles.h"

class Settings;
class SkatDocumentController;
class DoppelkopfDocumentController;
class SchafkopfDocumentController;

class GameDocumentWin : public GameDocument {
  public:
    virtual void CloseFile();
    virtual void Reset(SkatDocumentController* skat, DoppelkopfDocumentController* doppelkopf,
                       SchafkopfDocumentController* schafkopf, Settings* settings);
    virtual bool SaveAs(int phase, int zero); // true when saved
    virtual bool Open(int zero);              // true when a game was read
    // Whether Open can read a saved game at all; when not, Open only says so, and the caller
    // asks it before closing the running table.
    virtual bool ReadsSavedGames() const;
    virtual void SetGameKind(int kind);
    virtual void CopyHeader(GameDocumentWin* other);
    virtual void SetRecordHandle(Handle handle);

    std::int16_t gameKind = 2;    // GameKind of the file
    std::int16_t savedPhase = 0;  // the table phase saved with the game
    std::uint8_t restoreFlag = 0; // a director-run table is restored
    Handle recordHandle = nullptr;
};

extern GameDocumentWin* gGameDocument;

bool ReadGameFile(GameDocumentWin* document);
