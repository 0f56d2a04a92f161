#include "document/GameDocument.h"

#include <cstring>

void GameDocument::Reset(SkatDocumentController* skat, DoppelkopfDocumentController* doppelkopf,
                         SchafkopfDocumentController* schafkopf, Settings* settingsLink) {
    path.clear();
    versionWord = kSavedGameVersion;
    skatGame = skat;
    doppelkopfGame = doppelkopf;
    schafkopfGame = schafkopf;
    settings = settingsLink;
    recordHandle = nullptr;
    header = FreshDocumentHeader();
}

const char* GameDocument::FilePath() const {
    return path.c_str();
}

void GameDocument::SetGameKind(int kind) {
    header.gameKind = static_cast<std::int8_t>(kind);
}

void GameDocument::CopyHeader(const GameDocument& other) {
    recordHandle = other.recordHandle;
    header = other.header;
}

void GameDocument::SetGameRunning(int running) {
    header.gameRunning = static_cast<std::int16_t>(running);
}

void GameDocument::SetDeclarationWord(int word) {
    header.skatDeclaration = static_cast<std::int16_t>(word);
}

int GameDocument::SetDeckOrder(const std::uint8_t* deck) {
    if (header.gameKind != kGameKindSkat) {
        std::memcpy(header.deckOrder, deck, sizeof header.deckOrder);
        std::memset(header.trickEntries, 0, sizeof header.trickEntries);
    } else {
        std::memcpy(header.deckOrder, deck, 32);
        for (int trick = 0; trick < 10; ++trick)
            std::memset(header.trickEntries[trick], 0, 3);
    }
    return header.gameKind;
}

void GameDocument::SetBidValues(const std::int16_t* values) {
    std::memcpy(header.bidValues, values, sizeof header.bidValues);
}

void GameDocument::SetDeclarer(int seat) {
    header.declarer = static_cast<std::int16_t>(seat);
}

void GameDocument::SetSkatCards(int first, int second) {
    header.skatCards[0] = static_cast<std::uint8_t>(first);
    header.skatCards[1] = static_cast<std::uint8_t>(second);
}

void GameDocument::SetTrickEntry(int trick, const std::uint8_t* cards, int seat) {
    // Slot 0 of the winners is spare and entry 0 is trick 1; nothing outside 1 to 12 is kept.
    if (trick < 1 || trick > kHeaderTricks)
        return;
    std::memcpy(header.trickEntries[trick - 1], cards, 3);
    if (trick < kHeaderTricks) // the twelfth slot holds the phase
        header.trickWinners[trick] = static_cast<std::int16_t>(seat);
}

void GameDocument::SetRecordHandle(Handle handle) {
    recordHandle = handle;
}

ByteImage GameDocument::Encode(const SavedGameSet& live, int phase) {
    header.phase = static_cast<std::int16_t>(phase);
    SavedGameSet set = live;
    set.header = &header;
    return WriteGameFile(set);
}

ReadOutcome GameDocument::Decode(const ByteImage& file, const SavedGameSet& live,
                                 StagedGame* staged) {
    return ReadGameFile(file, live, staged);
}

void GameDocument::Commit(StagedGame& staged, const SavedGameSet& live, bool shiftHeld,
                          const std::string& fromPath) {
    SavedGameSet set = live;
    set.header = &header;
    CommitGameFile(staged, set, shiftHeld);
    path = fromPath;
}
