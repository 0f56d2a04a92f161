// The deck manager: the card-deck libraries and the figure libraries the player can choose.
// Until the deck and figure libraries are built it stands in with one deck, the program's own
// (German-suited) card pictures, which offers every card size and full-size own cards. The
// settings take their card pictures from it and start-up checks the configured deck against
// it, so both see the same list.
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
    ExtensionManager();

    // A picture of the current deck by picture id, or null.
    virtual void* GetPicture(std::int16_t pictureId);
    // Whether the deck may be used; true for an index outside the list.
    virtual bool IsDeckAvailable(int index);
    // Makes deck 0 to count - 1 current; refuses other values.
    virtual bool SelectDeck(int index);
    // Selects the figure library of the motive (1-based).
    virtual void SelectExtension(std::int16_t* motive);
    virtual bool HasFullSizeOwnCards();
    virtual bool HasAllCardSizes();
    // Notes whether the current deck is a variant of its kind; the program's own deck is not.
    virtual void CheckDeckVariant();

    int deckCount = 1;
    DeckEntry decks[1] = {{"Bayerisches Blatt", kDeckKindGerman}};
    int currentDeck = 0;
};

extern ExtensionManager* gDeckManager;

// The deck manager, made on first use: start-up makes it with the other media managers, but
// the settings may ask for pictures before (tests do).
ExtensionManager& DeckManager();
