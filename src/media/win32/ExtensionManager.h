// The deck manager in use: its decks and figures are resource-only libraries beside the
// program, loaded as data files (no code of theirs runs), whose pictures and strings the
// resource lookup serves. A deck library that is missing or damaged costs that deck, never
// the game: without any deck the program's own cards are the one deck.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "media/FigureManager.h"

// Figure library 0 of the four-seat tables; libraries 1 to 7 add their digit before ".dll".
inline constexpr char kPersonaLibraryName[] = "persona0.dll";
// The same for the three-seat tables of a Skat edition.
inline constexpr char kThreeSeatPersonaLibraryName[] = "skatfig0.dll";
// The name of the program's own deck when no deck library is found.
inline constexpr char kProgramDeckName[] = "Bayerisches Blatt";

class ExtensionManager : public FigureManager {
  public:
    ExtensionManager();
    // Frees every deck library; the figure libraries stay loaded until the program ends.
    ~ExtensionManager() override;

    void Init(Settings* settings, int first, int second) override;
    // A picture of the selected deck by picture id (other ids as the resource lookup has
    // them), or null.
    void* GetPicture(std::int16_t pictureId) override;
    void SelectMotive(std::int16_t* motive) override;
    // Whether the deck may stay chosen; true for an index outside the list.
    virtual bool IsDeckAvailable(int index);
    virtual bool HasFullSizeOwnCards();
    // Sets gDeckVariant by the selected deck's variant mark and answers it.
    virtual bool CheckDeckVariant();
    virtual bool HasAllCardSizes();
    // The gender of the figure at seat 1 to 3 of the selected motive: 1 female, 2 male,
    // 3 either.
    virtual int GetFigureGender(int seat);

    // Finds the deck libraries named by the program's list, then the figure libraries.
    void LoadExtensions(Settings* settings);
    // Selects the motive and makes its figure library the current one. A stored motive whose
    // library is not loaded falls back to the default motive.
    void SelectExtension(std::int16_t* motive);
    void LoadPersonaLibraries();
    // Whether the motive (1 to 48) may be chosen: its figure library is loaded.
    bool IsMotiveAvailable(int motive) const;
    // No motive brings a table library of its own.
    bool HasCustomTableLibrary(bool fourSeat);

    HMODULE deckModules[kMaxDecks] = {};
    HMODULE personaModules[kFigureLibraryCount] = {};
    bool programDeckOnly = false; // no deck library was found

  protected:
    // Where the libraries are looked for; tests point these at fixtures.
    virtual std::vector<std::string> DeckFileNames();
    virtual std::vector<std::string> DeckFolders();
    virtual std::vector<std::string> PersonaFolders();
};

extern ExtensionManager* gDeckManager;

// The deck manager, made on first use with the program's own deck: start-up loads the
// libraries (CreateMediaManagers), but the settings may ask for pictures before (tests do).
ExtensionManager& DeckManager();
