#include "games/fourplayer/SchafkopfDocumentController.h"

#include "games/fourplayer/GameDocumentLink.h"

SchafkopfDocumentController* gSchafkopfGame = nullptr;

void SchafkopfDocumentController::GetDescriptor(char* text) {
    if (!WriteDocumentPath(document, text))
        SchafkopfController::GetDescriptor(text);
}

void SchafkopfDocumentController::NewDeal(bool keepCards) {
    SchafkopfController::NewDeal(keepCards);
}

void SchafkopfDocumentController::StartBidding() {
    SchafkopfController::StartBidding();
}

bool SchafkopfDocumentController::AnnounceGame() {
    return SchafkopfController::AnnounceGame();
}

void SchafkopfDocumentController::OnNextGame() {
    SchafkopfController::OnNextGame();
}

bool SchafkopfDocumentController::AttachDocument(SettingsBody* gameSettings,
                                                 SchafkopfOptions* schafkopfOptions,
                                                 DoppelkopfOptions* rulesRecord,
                                                 GameDocumentLink* gameDocument) {
    document = gameDocument;
    return SchafkopfController::Init(gameSettings, schafkopfOptions, rulesRecord, true);
}
