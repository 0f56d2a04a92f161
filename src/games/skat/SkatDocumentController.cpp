#include "games/skat/SkatDocumentController.h"

#include "games/fourplayer/GameDocumentLink.h"

SkatDocumentController* gSkatGame = nullptr;

void SkatDocumentController::GetDescriptor(char* text) {
    if (!WriteDocumentPath(document, text))
        SkatController::GetDescriptor(text);
}

void SkatDocumentController::AttachDocument(SettingsBody* gameSettings,
                                            GameDocumentLink* gameDocument, std::int32_t value) {
    document = gameDocument;
    Init(gameSettings);
    attachValue = value;
    if (document)
        document->SetRecordHandle(listHandle);
}
