// The card pictures of the settings: four sets of 33 pictures (0 the back, 1 to 32 the faces
// in picture order) and three extra pictures, chosen by the base card size from the current
// deck, and the deck steps of applying the settings.
#include "shell/DeckPictures.h"
#include "shell/Settings.h"

namespace {

// First picture id of each set by base card size; picture i of a set is first + i.
struct SetPictureIds {
    int set[kCardPictureSets];
    int extras; // the three extra pictures are extras, extras + 1, extras + 2
};

SetPictureIds PictureIdsFor(std::int16_t cardSize) {
    switch (cardSize) {
    case kCardSizeSmall:
        return {{1000, 1100, 1100, 1200}, 1035};
    case kCardSizeMiddle:
        return {{2000, 1100, 1000, 2200}, 2035};
    default: // large
        return {{2000, 1000, 1000, 2200}, 2035};
    }
}

bool IsValidIndex(int index) {
    return index >= 0 && index < kCardPicturesPerSet;
}

} // namespace

void ApplyDeckChoice(Settings* settings) {
    SettingsBody& b = settings->body;
    if (b.cardSet < 1 || b.cardSet > DeckPictureDeckCount()) {
        b.cardSet = 1;
    }
    SelectPictureDeck(b.cardSet - 1);
    if (b.ownCardsFullSize && !DeckHasFullSizeOwnCards()) {
        b.ownCardsFullSize = 0;
    }
}

bool Settings::LoadCardPictures() {
    if (!DeckHasAllCardSizes()) {
        body.ownCardsFullSize = 0;
        body.superSmallCards = 0;
        body.cardSize = kCardSizeSmall;
    }
    CheckPictureDeckVariant();
    const SetPictureIds ids = PictureIdsFor(body.cardSize);
    constexpr int kLoadOrder[] = {1, 2, 0, 3};
    for (int i = 0; i < kCardPicturesPerSet; ++i) {
        for (int set : kLoadOrder) {
            if (set == 3 && !body.ownCardsFullSize) {
                cardPictures[3][i] = nullptr;
                continue;
            }
            // Sets drawn from the same pictures share them (set 2 with set 1 at the small and
            // the large size); FreeCardPictures releases a shared picture once.
            PictureRef picture = set == 2 && ids.set[2] == ids.set[1]
                                     ? cardPictures[1][i]
                                     : LoadDeckPicture(ids.set[set] + i);
            cardPictures[set][i] = picture;
            if (!picture) {
                if (set == 3) {
                    body.ownCardsFullSize = 0;
                }
                return false;
            }
        }
    }
    for (int i = 0; i < kExtraPictureCount; ++i) {
        extraPictures[i] = LoadDeckPicture(ids.extras + i);
        if (!extraPictures[i]) {
            return false;
        }
    }
    return true;
}

bool Settings::LoadSmallCardSet(bool evenWithSuperSmall) {
    if (body.superSmallCards && !evenWithSuperSmall) {
        return false;
    }
    for (int i = 0; i < kCardPicturesPerSet; ++i) {
        // The picture given up is released unless set 1 still shows it.
        PictureRef& entry = cardPictures[2][i];
        if (entry && entry != cardPictures[1][i]) {
            ReleaseDeckPicture(entry);
        }
        entry = LoadDeckPicture(1100 + i);
        if (!entry) {
            return false;
        }
    }
    return true;
}

void Settings::FreeCardPictures() {
    // Every picture is released exactly once, however the sets share them.
    PictureRef* entries = &cardPictures[0][0];
    constexpr int kEntryCount = kCardPictureSets * kCardPicturesPerSet;
    for (int n = 0; n < kEntryCount; ++n) {
        if (!entries[n]) {
            continue;
        }
        bool releasedBefore = false;
        for (int m = 0; m < n && !releasedBefore; ++m) {
            releasedBefore = entries[m] == entries[n];
        }
        if (!releasedBefore) {
            ReleaseDeckPicture(entries[n]);
        }
    }
    for (int n = 0; n < kEntryCount; ++n) {
        entries[n] = nullptr;
    }
    for (PictureRef& picture : extraPictures) {
        ReleaseDeckPicture(picture);
        picture = nullptr;
    }
}

void Settings::SetCardSize(std::int16_t size, bool force) {
    if (size != body.cardSize || force) {
        body.cardSize = size;
        ReloadCardPictures();
    }
}

void Settings::ReloadCardPictures() {
    FreeCardPictures();
    LoadCardPictures();
}

void Settings::GetCardSetBounds0(WindowRect* bounds) {
    *bounds = DeckPictureBounds(cardPictures[0][1]);
}

void Settings::GetCardSetBounds(int set, WindowRect* bounds) {
    switch (set) {
    case 0:
        GetCardSetBounds0(bounds);
        break;
    case 1:
        GetCardSetBounds1(bounds);
        break;
    case 2:
        GetCardSetBounds2(bounds);
        break;
    default:
        GetCardSetBounds3(bounds);
        break;
    }
}

// Sets 1 to 3 reload every picture when they are empty. Set 3 is empty by design without
// full-size own cards: it answers empty bounds then instead of reloading on every call.
void Settings::GetCardSetBounds1(WindowRect* bounds) {
    if (!cardPictures[1][0]) {
        ReloadCardPictures();
    }
    *bounds = DeckPictureBounds(cardPictures[1][0]);
}

void Settings::GetCardSetBounds2(WindowRect* bounds) {
    if (!cardPictures[2][0]) {
        ReloadCardPictures();
    }
    *bounds = DeckPictureBounds(cardPictures[2][0]);
}

void Settings::GetCardSetBounds3(WindowRect* bounds) {
    if (!cardPictures[3][0] && body.ownCardsFullSize) {
        ReloadCardPictures();
    }
    *bounds = DeckPictureBounds(cardPictures[3][0]);
}

PictureRef Settings::GetCardPicture0(int index) {
    return IsValidIndex(index) ? cardPictures[0][index] : nullptr;
}

PictureRef Settings::GetCardPicture1(int index) {
    return IsValidIndex(index) ? cardPictures[1][index] : nullptr;
}

PictureRef Settings::GetCardPicture2(int index) {
    return IsValidIndex(index) ? cardPictures[2][index] : nullptr;
}

PictureRef Settings::GetCardPicture3(int index) {
    return IsValidIndex(index) ? cardPictures[3][index] : nullptr;
}
