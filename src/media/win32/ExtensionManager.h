// The deck manager: the card-deck libraries and the figure libraries the player can choose.
// Until the deck and figure libraries are built it answers as an installation with no library
// would: one deck, the program's own (German-suited) card pictures, which offers every card size
// and full-size own cards; the six motives of the program's own pictures may be chosen, and no
// figure library says a figure's gender. The settings take their card pictures from it and
// start-up checks the configured deck against it, so both see the same list.
#pragma once

#include <cstdint>

#include "platform/RootObject.h"

inline constexpr int kDeckKindEnglish = 7;
inline constexpr int kDeckKindGerman = 10;
inline constexpr int kOwnMotiveCount = 6;
inline constexpr char kPersonaLibraryName[] =
    "persona0.dll"; // the motives of the program's own pictures

struct DeckEntry {
    char name[64];
    std::int16_t kind; // 7 an English deck, 10 a German deck
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

    // Whether the motive (1-based) may be chosen.
    virtual bool IsMotiveAvailable(int motive);
    // The name of the figure library of list entry 7 to 48; empty for none.
    virtual const char* FigureLibraryName(int entry);
    // The gender of the figure at the seat (1 to 3): 1 female, 2 male, 0 not known.
    virtual int GetFigureGender(int seat);

    // The table pictures: the four-seat persona library beside the program is the one figure
    // library (motive 1); it has no custom table, no alternative layout and no figure
    // positions of its own.
    bool HasCustomTableLibrary(bool fourSeat);

    int deckCount = 1;
    std::uint8_t altTableLayout = 0;  // the opponents' areas at the table's sides
    std::uint8_t customTableByte = 0; // the table comes from the custom table library
    std::int16_t tableStyle = 2;      // the room backdrop of the motive
    std::int16_t motiveIndex = 0;     // the current motive, from 0
    // Per table size 1, 0, 2: (vertical, horizontal) of the figures of seats 1 to 3; null none.
    const std::int16_t* customFigurePositions = nullptr;
    DeckEntry decks[1] = {{"Bayerisches Blatt", kDeckKindGerman}};
    int currentDeck = 0;
};

extern ExtensionManager* gDeckManager;
// The selected deck's variant mark: 1 when it names its suits Bells, Hearts, Leaves and
// Acorns. The program's own deck is no variant.
inline std::int16_t gDeckVariant = 0;

// The deck manager, made on first use: start-up makes it with the other media managers, but
// the settings may ask for pictures before (tests do).
ExtensionManager& DeckManager();
