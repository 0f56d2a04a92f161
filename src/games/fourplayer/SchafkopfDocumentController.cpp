#include "games/fourplayer/SchafkopfDocumentController.h"

SchafkopfDocumentController* gSchafkopfGame = nullptr;

bool SchafkopfDocumentController::AttachDocument(SettingsBody* gameSettings,
                                                 SchafkopfOptions* schafkopfOptions,
                                                 DoppelkopfOptions* rulesRecord,
                                                 GameDocumentWin* gameDocument) {
    document = gameDocument;
    return SchafkopfController::Init(gameSettings, schafkopfOptions, rulesRecord, true);
}
