#include "media/win32/ExtensionManager.h"

ExtensionManager* gDeckManager = nullptr;

// Every listed deck is installed with the list itself; an index outside the list counts as
// available too, so a configured deck is never replaced for lack of a list.
bool ExtensionManager::IsDeckAvailable(int) { return true; }

bool ExtensionManager::SelectDeck(int index) {
    if (index < 0 || index >= deckCount) return false;
    currentDeck = index;
    return true;
}

void ExtensionManager::SelectExtension(std::int16_t*) {}

bool ExtensionManager::IsMotiveAvailable(int motive) { return motive >= 1 && motive <= kOwnMotiveCount; }

const char* ExtensionManager::FigureLibraryName(int) { return ""; }

int ExtensionManager::GetFigureGender(int) { return 0; }
