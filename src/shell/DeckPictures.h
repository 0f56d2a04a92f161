// What the settings' card pictures ask of the current deck and of the picture layer. On
// Windows the deck manager answers and the pictures are bitmaps; the native build has a
// stand-in deck whose pictures are plain memory blocks, so that the settings run there too.
#pragma once

#include <cstdint>

#include "platform/Geometry.h"
#include "shell/Settings.h"

int DeckPictureDeckCount();
// Makes deck 0 to count - 1 current.
void SelectPictureDeck(int index);
bool DeckHasFullSizeOwnCards();
bool DeckHasAllCardSizes();
void CheckPictureDeckVariant();
// A picture of the current deck by picture id, or null; the caller releases it.
PictureRef LoadDeckPicture(int pictureId);
void ReleaseDeckPicture(PictureRef picture);
// Bounds at the origin: right = width, bottom = height; empty for null.
WindowRect DeckPictureBounds(PictureRef picture);
