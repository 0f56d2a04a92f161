// The settings object: everything the player chooses and the program keeps between runs apart
// from the rules (names, table mode and series limits, card size and deck, sound, the account
// and the pub state, statistics, window rectangles), and at run time the card pictures of the
// current deck. Its stored body is the first part of the preference file and of saved games.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/Geometry.h"
#include "platform/RootObject.h"
#include "records/ProgramFlags.h"
#include "records/SettingsLayout.h"

// A loaded card picture (a bitmap on Windows); null when not loaded.
using PictureRef = void*;

class Settings : public RootObject {
  public:
    Settings();
    ~Settings() override; // frees the card pictures

    virtual void SetDefaults();
    virtual void ResetStatistics();
    virtual void ApplySettings();
    virtual void SetCardSize(std::int16_t size, bool force);
    virtual void ReloadCardPictures();
    virtual bool IsSmallCardSize();
    virtual void GetCardSetBounds0(WindowRect* bounds);
    virtual void GetCardSetBounds1(WindowRect* bounds);
    virtual void GetCardSetBounds2(WindowRect* bounds);
    virtual void GetCardSetBounds3(WindowRect* bounds);
    // The bounds of card set 0 to 3 by its number (3 for any other).
    void GetCardSetBounds(int set, WindowRect* bounds);
    virtual PictureRef GetCardPicture0(int index);
    virtual PictureRef GetCardPicture1(int index);
    virtual PictureRef GetCardPicture2(int index);
    virtual PictureRef GetCardPicture3(int index);
    // The pause before the next card in tenths of a second, shorter while the event's sound
    // plays (events 1503, 1604, 1640).
    virtual std::int16_t GetCardDelay(std::int16_t event);
    // Leaves network and timed-save state and falls back to a plain table unless practising.
    virtual void ResetTableMode();

    // Money in hundredths of the currency unit; the cents stay 0 to 9 either way.
    void AddMoney(std::int32_t cents);
    void SubtractMoney(std::int32_t cents);

    bool LoadCardPictures();
    // Set 2 from the small pictures; with super small cards on only when asked to anyway
    // (the Manual Deal window always shows the small cards).
    bool LoadSmallCardSet(bool evenWithSuperSmall = false);
    void FreeCardPictures();

    // Brings values read from a file into the ranges the program uses them in (indexes,
    // counts, terminated strings). Answers whether anything had to change.
    bool SanitizeLoadedValues();

    SettingsBody body{};
    PictureRef cardPictures[kCardPictureSets][kCardPicturesPerSet]{};
    PictureRef extraPictures[kExtraPictureCount]{};
};

extern Settings* gSettings;
// The pub story is not built yet: its stored mode is kept, but play stays at the table.
inline constexpr bool kPubStoryBuilt = false;
inline void UpdateStoryMode(const SettingsBody& body) {
    gStoryMode = kPubStoryBuilt && body.storyMode == 2 ? 1 : 0;
}

// The deck steps of ApplySettings (the deck number within the deck manager's list, selecting
// that deck, the full-size own cards it offers). They belong to the deck manager's side and
// live with the card pictures.
void ApplyDeckChoice(Settings* settings);
