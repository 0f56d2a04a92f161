#include "games/fourplayer/SchafkopfDocumentController.h"

SchafkopfDocumentController* gSchafkopfGame = nullptr;

bool SchafkopfDocumentController::AttachDocument(SettingsBody* gameSettings, SchafkopfOptions* schafkopfOptions,
                                                 DoppelkopfOptions* rulesRecord, GameDocumentWin* gameDocument) {
    options = schafkopfOptions;
    document = gameDocument;
    return Init(gameSettings, rulesRecord, true, true);
}
