#include "media/DeckManager.h"

#include <cstdlib>
#include <cstring>

#include "platform/StringLists.h"

int ParseDeckKind(const std::string& text) {
    if (text.empty() || text.size() > 6)
        return kDeckKindNone; // longer than any 16-bit number
    std::size_t start = text[0] == '-' ? 1 : 0;
    if (start == text.size())
        return kDeckKindNone;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return kDeckKindNone;
    }
    const long kind = std::strtol(text.c_str(), nullptr, 10);
    return kind < -32768 || kind > 32767 ? kDeckKindNone : static_cast<int>(kind);
}

DeckManager::DeckManager() = default;

// The file-based way opens no file, so there is nothing to close.
DeckManager::~DeckManager() = default;

void DeckManager::Init(Settings* settings, int, int) {
    settingsLink = settings;
    fullDeckFile = nullptr;
    deckFiles[0] = nullptr;
    selectedDeck = 0;
}

void* DeckManager::GetPicture(std::int16_t) {
    return nullptr;
}

bool DeckManager::SelectDeck(int index) {
    if (index < 0 || index >= deckCount)
        return false;
    selectedDeck = static_cast<std::int16_t>(index);
    return true;
}

bool DeckManager::IsDeckUsable(int index) const {
    if (index < 0 || index >= deckCount || deckKinds[index] == kDeckKindNone)
        return true;
    return IsDeckKindAllowed(deckKinds[index]);
}

bool DeckManager::IsDeckKindAllowed(int kind) {
    return kind >= 0 && kind <= 27;
}

bool DeckManager::IsCardSetA(int kind) {
    switch (kind) {
    case 6:
    case 8:
    case 11:
        return true;
    case kDeckKindEnglish:
        return !gLanguageEnglish;
    case kDeckKindGerman:
        return gLanguageEnglish != 0;
    default:
        return false;
    }
}

bool DeckManager::IsCardSetB(int kind) {
    return kind == 4 || kind == 5 || kind == 9 || kind == 13;
}

bool DeckManager::IsDeckKindAvailable(int index) const {
    if (index < 0 || index >= deckCount || deckKinds[index] == kDeckKindNone)
        return true;
    if (index != 0)
        return IsDeckUsable(index);
    switch (deckKinds[0]) {
    case kDeckKindEnglish:
        return gLanguageEnglish != 0;
    case kDeckKindGerman:
    case 12:
        return true;
    default:
        return IsDeckUsable(0);
    }
}

namespace {

// A library is offered only whole: its name and every card picture of every set present and
// drawable, so a damaged file costs its deck and never a missing card at the table.
bool IsWholeDeck(void* library, LibrarySource& source, std::string* name) {
    if (!source.ReadLibraryString(library, kDeckNameString, name) || name->empty())
        return false;
    for (int first : kDeckPictureSets) {
        for (int i = 0; i < kPicturesPerDeckSet; ++i) {
            if (!source.HasUsablePicture(library, first + i))
                return false;
        }
    }
    return true;
}

} // namespace

std::vector<void*> DeckManager::CollectDecks(const std::vector<std::string>& fileNames,
                                             LibrarySource& source,
                                             std::vector<std::string>* refused) {
    std::vector<void*> libraries;
    deckCount = 0;
    for (const std::string& fileName : fileNames) {
        void* library = deckCount < kMaxDecks ? source.OpenLibrary(fileName.c_str()) : nullptr;
        std::string name;
        if (!library || !IsWholeDeck(library, source, &name)) {
            if (library)
                source.CloseLibrary(library);
            if (refused)
                refused->push_back(fileName);
            continue;
        }
        std::strncpy(deckNames[deckCount], name.c_str(), kDeckNameSize - 1);
        deckNames[deckCount][kDeckNameSize - 1] = '\0';
        std::string kind;
        deckKinds[deckCount] = static_cast<std::int16_t>(
            source.ReadLibraryString(library, kDeckKindString, &kind) ? ParseDeckKind(kind)
                                                                      : kDeckKindNone);
        libraries.push_back(library);
        ++deckCount;
    }
    return libraries;
}

void DeckManager::UseProgramDeckOnly(const char* name) {
    deckCount = 1;
    std::strncpy(deckNames[0], name, kDeckNameSize - 1);
    deckNames[0][kDeckNameSize - 1] = '\0';
    deckKinds[0] = kDeckKindGerman;
    selectedDeck = 0;
}
