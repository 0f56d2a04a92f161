#include "document/win32/GameDocumentWin.h"

#include "platform/Alerts.h"

GameDocumentWin* gGameDocument = nullptr;

namespace {

// "Saved games are not available in this version." (string 1289)
void SayNotAvailable() { NoteAlert(1000, 289, ""); }

}  // namespace

void GameDocumentWin::CloseFile() {}
void GameDocumentWin::Reset(SkatDocumentController*, DoppelkopfDocumentController*, SchafkopfDocumentController*,
                            Settings*) {}

bool GameDocumentWin::SaveAs(int, int) {
    SayNotAvailable();
    return false;
}

bool GameDocumentWin::Open(int) {
    SayNotAvailable();
    return false;
}

bool GameDocumentWin::ReadsSavedGames() const { return false; }

void GameDocumentWin::SetGameKind(int kind) { gameKind = static_cast<std::int16_t>(kind); }

void GameDocumentWin::CopyHeader(GameDocumentWin* other) {
    if (!other) return;
    gameKind = other->gameKind;
    savedPhase = other->savedPhase;
}

void GameDocumentWin::SetRecordHandle(Handle handle) { recordHandle = handle; }

bool ReadGameFile(GameDocumentWin*) { return false; }
