#include "media/win32/ExtensionManager.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/Resources.h"

ExtensionManager* gDeckManager = nullptr;

ExtensionManager& DeckManager() {
    if (!gDeckManager)
        gDeckManager = new ExtensionManager;
    return *gDeckManager;
}

ExtensionManager::ExtensionManager() = default;

// The own deck's pictures go through the picture resource rules, so a deck library made
// current with SetExtensionLibrary still wins.
void* ExtensionManager::GetPicture(std::int16_t pictureId) {
    return GetResource(kPictType, pictureId);
}

// Every listed deck is installed with the list itself; an index outside the list counts as
// available too, so a configured deck is never replaced for lack of a list.
bool ExtensionManager::IsDeckAvailable(int) {
    return true;
}

bool ExtensionManager::SelectDeck(int index) {
    if (index < 0 || index >= deckCount)
        return false;
    currentDeck = index;
    return true;
}

// The program's own figures and table pictures lie in persona library 0, a resource library
// beside the program; every motive selects it until figure libraries of their own exist.
void ExtensionManager::SelectExtension(std::int16_t*) {
    if (gPersonaLibrary)
        return;
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    char* slash = std::strrchr(path, '\\');
    if (!slash || static_cast<std::size_t>(slash - path) + sizeof kPersonaLibraryName >= MAX_PATH)
        return;
    std::strcpy(slash + 1, kPersonaLibraryName);
    if (HMODULE library = LoadLibraryA(path))
        SetPersonaLibrary(library);
}

bool ExtensionManager::HasCustomTableLibrary(bool) {
    return false;
}

bool ExtensionManager::HasFullSizeOwnCards() {
    return true;
}

bool ExtensionManager::HasAllCardSizes() {
    return true;
}

void ExtensionManager::CheckDeckVariant() {}

bool ExtensionManager::IsMotiveAvailable(int motive) {
    return motive >= 1 && motive <= kOwnMotiveCount;
}

const char* ExtensionManager::FigureLibraryName(int) {
    return "";
}

int ExtensionManager::GetFigureGender(int) {
    return 0;
}
