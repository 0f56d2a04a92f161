#include "games/skat/SkatDocumentController.h"

SkatDocumentController* gSkatGame = nullptr;

void SkatDocumentController::AttachDocument(Settings* gameSettings, GameDocumentWin* gameDocument, int) {
    settings = gameSettings;
    document = gameDocument;
}
