#include "document/win32/GameDocumentWin.h"

#include "platform/Alerts.h"

GameDocumentWin* gGameDocument = nullptr;

namespace {

// "Saved games are not available in this version." (string 1289)
void SayNotAvailable() {
    NoteAlert(1000, 289, "");
}

} // namespace

void GameDocumentWin::CloseFile() {}
void GameDocumentWin::Reset(SkatDocumentController*, DoppelkopfDocumentController*,
                            SchafkopfDocumentController*, Settings*) {}

bool GameDocumentWin::SaveAs(int, int) {
    SayNotAvailable();
    return false;
}

bool GameDocumentWin::Open(int) {
    SayNotAvailable();
    return false;
}

bool GameDocumentWin::ReadsSavedGames() const {
    return false;
}

void GameDocumentWin::SetGameKind(int kind) {
    gameKind = static_cast<std::int16_t>(kind);
}

// The list goes with the header: a document made for Save As writes the same games.
void GameDocumentWin::CopyHeader(GameDocumentWin* other) {
    if (!other)
        return;
    gameKind = other->gameKind;
    savedPhase = other->savedPhase;
    restoreFlag = other->restoreFlag;
    recordHandle = other->recordHandle;
}

void GameDocumentWin::SetRecordHandle(Handle handle) {
    recordHandle = handle;
}

bool ReadGameFile(GameDocumentWin*) {
    return false;
}
