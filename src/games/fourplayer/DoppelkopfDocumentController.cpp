#include "games/fourplayer/DoppelkopfDocumentController.h"

DoppelkopfDocumentController* gDoppelkopfGame = nullptr;

void DoppelkopfDocumentController::AttachDocument(Settings* gameSettings, DoppelkopfOptions* rules,
                                                  GameDocumentWin* gameDocument) {
    settings = gameSettings;
    options = rules;
    document = gameDocument;
}

bool DoppelkopfDocumentController::MayAnnounce(int, int* kind) {
    if (kind) *kind = -1;
    return false;
}
