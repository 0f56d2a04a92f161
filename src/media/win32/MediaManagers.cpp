#include "media/win32/MediaManagers.h"

#include "media/win32/ExtensionManager.h"
#include "media/win32/MovieList.h"
#include "media/win32/SoundManager.h"

void CreateMediaManagers(Settings*) {
    if (!gMovieList)
        gMovieList = new MovieList;
    // The figure library goes in before the first table opens: the table loads its pictures
    // from it.
    DeckManager().SelectExtension(nullptr);
}

void CreateSoundManager(Settings*) {
    if (!gSoundManager)
        gSoundManager = new SoundManager;
}
