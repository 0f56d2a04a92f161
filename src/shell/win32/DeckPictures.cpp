// The settings' card pictures on Windows: the deck manager's current deck, as bitmaps.
#include "shell/DeckPictures.h"

#include "media/win32/ExtensionManager.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Resources.h"

int DeckPictureDeckCount() {
    return DeckManager().deckCount;
}

void SelectPictureDeck(int index) {
    DeckManager().SelectDeck(index);
}

bool DeckHasFullSizeOwnCards() {
    return DeckManager().HasFullSizeOwnCards();
}

bool DeckHasAllCardSizes() {
    return DeckManager().HasAllCardSizes();
}

void CheckPictureDeckVariant() {
    DeckManager().CheckDeckVariant();
}

PictureRef LoadDeckPicture(int pictureId) {
    return DeckManager().GetPicture(static_cast<std::int16_t>(pictureId));
}

void ReleaseDeckPicture(PictureRef picture) {
    ReleaseResource(picture, kPictureResource);
}

WindowRect DeckPictureBounds(PictureRef picture) {
    RECT rect;
    GetPictureBounds(static_cast<HBITMAP>(picture), &rect);
    return WindowRect{0, 0, rect.right, rect.bottom};
}
