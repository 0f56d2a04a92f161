// The deck level of the deck manager: the list of card decks the player can choose from, with
// each deck's name and kind, and the selected deck. The rules here need no window system; the
// libraries themselves are opened by the level that knows the system's loader
// (media/win32/ExtensionManager.h), through the LibrarySource below.
//
// The manager also carries a file-based way of finding decks (folders of deck files scanned
// by a registry). Nothing is ever offered to its registries, so that way finds no deck.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/RootObject.h"

class Settings;

inline constexpr int kMaxDecks = 28;
inline constexpr int kDeckNameSize = 34;   // 33 characters and the terminator
inline constexpr int kDeckKindNone = -1;   // a deck that states no kind
inline constexpr int kDeckKindEnglish = 7; // offered first with the English resources
inline constexpr int kDeckKindGerman = 10; // offered first otherwise
// Strings every deck library holds: its name, the variant mark (German suit names) and its
// kind number in decimal.
inline constexpr int kDeckNameString = 2620;
inline constexpr int kDeckVariantString = 2621;
inline constexpr int kDeckKindString = 2622;
// The card pictures of a deck: five sets of 33 (0 the back, 1 to 32 the faces).
inline constexpr int kDeckPictureSets[] = {1000, 1100, 1200, 2000, 2200};
inline constexpr int kPicturesPerDeckSet = 33;
// The program's string list of deck library file names, ending at the first empty entry.
inline constexpr int kDeckFileList = 2600;

// The selected deck's variant mark: 1 when its library says it names its suits Eichel, Gras,
// Herz and Schellen.
inline std::int16_t gDeckVariant = 0;

// How the manager reaches the deck and figure libraries: opens one by file name (null when
// there is none or it cannot be loaded) and reads its strings, pictures and data.
class LibrarySource {
  public:
    virtual ~LibrarySource() = default;
    virtual void* OpenLibrary(const char* fileName) = 0;
    virtual void CloseLibrary(void* library) = 0;
    // False when the string is absent; an empty string answers true with an empty text.
    virtual bool ReadLibraryString(void* library, int id, std::string* text) = 0;
    // Whether the library holds the picture and the picture layer would draw it.
    virtual bool HasUsablePicture(void* library, int id) = 0;
    // The bytes of data resource id (size set), or null.
    virtual const void* FindLibraryData(void* library, int id, std::uint32_t* size) = 0;
};

// A kind text that is no decimal number gives kDeckKindNone, as an absent one does.
int ParseDeckKind(const std::string& text);

class DeckManager : public RootObject {
  public:
    DeckManager();
    ~DeckManager() override;

    // The file-based way: scans for deck files, which finds none.
    virtual void Init(Settings* settings, int, int);
    // The file-based way has no pictures.
    virtual void* GetPicture(std::int16_t pictureId);

    // Makes deck 0 to count - 1 current; false and nothing changes for another index.
    bool SelectDeck(int index);
    // True for an index outside the list or a deck without kind, else by its kind.
    bool IsDeckUsable(int index) const;
    static bool IsDeckKindAllowed(int kind);
    // The entry dialog's groups of decks.
    static bool IsCardSetA(int kind);
    static bool IsCardSetB(int kind);
    // Whether the deck may be chosen at start-up: a deck of an English kind is refused at the
    // head of a German list, and the head of the list must be of a kind that can stand alone.
    bool IsDeckKindAvailable(int index) const;

    // Builds the list from the library file names in order: a library that cannot be opened,
    // lacks its name or one of its pictures is left out and its name added to refused. The
    // libraries opened are answered in list order; at most kMaxDecks are kept.
    std::vector<void*> CollectDecks(const std::vector<std::string>& fileNames,
                                    LibrarySource& source, std::vector<std::string>* refused);
    // The list holds only the program's own deck (its pictures are the program's).
    void UseProgramDeckOnly(const char* name);

    Settings* settingsLink = nullptr;
    void* fullDeckFile = nullptr; // the file-based way's files: never opened here
    void* deckFiles[kMaxDecks] = {};
    std::int16_t deckCount = 0;
    char deckNames[kMaxDecks][kDeckNameSize] = {};
    std::int16_t deckKinds[kMaxDecks] = {};
    std::int16_t selectedDeck = 0;
};
