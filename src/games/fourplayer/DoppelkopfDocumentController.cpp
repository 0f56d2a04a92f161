#include "games/fourplayer/DoppelkopfDocumentController.h"

DoppelkopfDocumentController* gDoppelkopfGame = nullptr;

bool DoppelkopfDocumentController::AttachDocument(SettingsBody* gameSettings,
                                                  DoppelkopfOptions* rules,
                                                  GameDocumentWin* gameDocument) {
    document = gameDocument;
    return Init(gameSettings, rules, true, true);
}

bool DoppelkopfDocumentController::MayAnnounce(int, int* kind) {
    if (kind)
        *kind = -1;
    return false;
}
