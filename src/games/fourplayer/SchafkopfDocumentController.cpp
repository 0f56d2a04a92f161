#include "games/fourplayer/SchafkopfDocumentController.h"

SchafkopfDocumentController* gSchafkopfGame = nullptr;

void SchafkopfDocumentController::AttachDocument(Settings* gameSettings, SchafkopfOptions* schafkopfOptions,
                                                 DoppelkopfOptions* rulesRecord, GameDocumentWin* gameDocument) {
    settings = gameSettings;
    options = schafkopfOptions;
    rules = rulesRecord;
    document = gameDocument;
}
