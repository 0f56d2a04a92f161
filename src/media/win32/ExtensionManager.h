// The deck manager: the card-deck libraries and the figure libraries the player can choose.
// Until the deck and figure libraries are built the manager answers as an installation with
// no library would: an empty deck list, the program's own fall-back deck in use.
#pragma once

#include <cstdint>

#include "platform/RootObject.h"

inline constexpr int kDeckKindEnglish = 7;
inline constexpr int kDeckKindGerman = 10;

struct DeckEntry {
    char name[64];
    std::int16_t kind;  // 7 an English deck, 10 a German deck
};

class ExtensionManager : public RootObject {
public:
    // Whether the deck may be used; true for an index outside the list.
    virtual bool IsDeckAvailable(int index);
    // Makes deck 0 to count - 1 current; refuses other values.
    virtual bool SelectDeck(int index);
    // Selects the figure library of the motive (1-based).
    virtual void SelectExtension(std::int16_t* motive);

    int deckCount = 0;
    DeckEntry decks[1] = {};
    int currentDeck = -1;
};

extern ExtensionManager* gDeckManager;
