#include "games/fourplayer/DoppelkopfDocumentController.h"

#include "games/fourplayer/GameDocumentLink.h"

DoppelkopfDocumentController* gDoppelkopfGame = nullptr;

void DoppelkopfDocumentController::GetDescriptor(char* text) {
    if (!WriteDocumentPath(document, text))
        DoppelkopfController::GetDescriptor(text);
}

void DoppelkopfDocumentController::NewDeal(bool keepCards) {
    DoppelkopfController::NewDeal(keepCards);
    if (!document)
        return;
    document->SetDeckOrder(dealtCards);
    document->SetGameRunning(0);
}

void DoppelkopfDocumentController::StartBidding() {
    DoppelkopfController::StartBidding();
}

bool DoppelkopfDocumentController::AnnounceGame() {
    return DoppelkopfController::AnnounceGame();
}

void DoppelkopfDocumentController::OnNextGame() {
    DoppelkopfController::OnNextGame();
    if (document)
        document->SetGameRunning(1);
}

void DoppelkopfDocumentController::EndTrick(bool* changed) {
    DoppelkopfController::EndTrick(changed);
}

bool DoppelkopfDocumentController::AttachDocument(SettingsBody* gameSettings,
                                                  DoppelkopfOptions* rules,
                                                  GameDocumentLink* gameDocument) {
    document = gameDocument;
    if (!Init(gameSettings, rules, true, true))
        return false;
    if (document)
        document->SetRecordHandle(gameListHandle);
    return true;
}

bool DoppelkopfDocumentController::MayAnnounce(int, int* kind) {
    if (kind)
        *kind = -1;
    return false;
}
