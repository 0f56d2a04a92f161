// Native stand-in for the card pictures: one deck with every card size and full-size own
// cards, whose pictures are small heap blocks without a size. Each load allocates and each
// release frees, so the sanitizers report a picture released twice or never.
#include "shell/DeckPictures.h"

namespace {

struct NativePicture {
    int pictureId;
};

} // namespace

int DeckPictureDeckCount() {
    return 1;
}

void SelectPictureDeck(int) {}

bool DeckHasFullSizeOwnCards() {
    return true;
}

bool DeckHasAllCardSizes() {
    return true;
}

void CheckPictureDeckVariant() {}

PictureRef LoadDeckPicture(int pictureId) {
    return new NativePicture{pictureId};
}

void ReleaseDeckPicture(PictureRef picture) {
    delete static_cast<NativePicture*>(picture);
}

WindowRect DeckPictureBounds(PictureRef) {
    return WindowRect{0, 0, 0, 0};
}
