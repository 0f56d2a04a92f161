#include "media/win32/MediaManagers.h"

#include "media/win32/ExtensionManager.h"
#include "media/win32/MovieList.h"
#include "media/win32/SoundManager.h"

void CreateMediaManagers(Settings*) {
    if (!gMovieList) gMovieList = new MovieList;
    DeckManager();
}

void CreateSoundManager(Settings*) {
    if (!gSoundManager) gSoundManager = new SoundManager;
}
