#include "games/skat/SkatDocumentController.h"

SkatDocumentController* gSkatGame = nullptr;

void SkatDocumentController::AttachDocument(SettingsBody* gameSettings,
                                            GameDocumentWin* gameDocument, int) {
    settings = gameSettings;
    document = gameDocument;
}
