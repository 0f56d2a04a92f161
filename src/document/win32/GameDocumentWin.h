// The saved-game document with its window side: the file dialogs, and the file of the running
// game. A save writes the whole game into a new file beside the target and only then puts it
// in the target's place, so a failed save never costs the last good file; no file is kept
// open between saves. An open reads and checks the whole file before anything changes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "document/GameDocument.h"
#include "platform/ByteSwapFileStream.h"
#include "records/DirectorLists.h"
#include "records/SeriesBlock.h"

class GameDocumentWin : public GameDocument {
  public:
    GameDocumentWin();
    ~GameDocumentWin() override;

    // Forgets the file of the closed table: the next save asks for a name.
    virtual void CloseFile();
    void Reset(SkatDocumentController* skat, DoppelkopfDocumentController* doppelkopf,
               SchafkopfDocumentController* schafkopf, Settings* settings) override;
    // Saves the running game with the table's phase into the document's file, or into the
    // one the save dialog names; true when the file was written and put in place.
    virtual bool SaveAs(int phase, int zero);
    // Lets the user pick a saved game and reads it whole into staging; a refused file is
    // named in a message and nothing changes. True when a game waits for CommitOpened.
    virtual bool Open(int zero);
    // Moves the game read by Open into the live objects; the document's file becomes the
    // opened one.
    virtual void CommitOpened(bool shiftHeld);
    void CopyHeader(const GameDocument& other) override;
    bool HasFile() const { return !path.empty(); }

    // The director's series state, written with the game and replaced by an opened one; a
    // document not linked to a director writes a single-table series of its own.
    void LinkSeries(SeriesBlock* block, DirectorLists* directorLists);
    SeriesBlock& Series() { return seriesLink_ ? *seriesLink_ : series_; }

    std::uint8_t restoreFlag = 0; // a director-run table is restored
    ByteSwapFileStream file;      // open only while a save or an open moves bytes

  private:
    bool WriteImage(const ByteImage& image, const std::string& target);
    bool ReadImage(const std::string& from, ByteImage* image);
    SavedGameSet LiveSet();

    SeriesBlock series_;
    SeriesBlock* seriesLink_ = nullptr;
    DirectorLists* listsLink_ = nullptr;
    std::unique_ptr<StagedGame> staged_;
    std::string stagedPath_;
};

extern GameDocumentWin* gGameDocument;

// The file dialogs: save = the save dialog, else the open dialog; offered = the name put in
// the dialog's name box. Answers the chosen path, or false when the user cancelled.
using GameFileDialog =
    std::function<bool(bool save, const std::string& offered, std::string* chosen)>;
// Test seam: an empty function restores the system's dialogs.
void SetGameFileDialog(GameFileDialog dialog);

// Test seam for saving: the new file takes only failAfterBytes bytes (-1: all of them), or
// putting it in the target's place fails.
struct SaveFaults {
    std::int64_t failAfterBytes = -1;
    bool failAtReplace = false;
};
void SetSaveFaults(const SaveFaults& faults);
