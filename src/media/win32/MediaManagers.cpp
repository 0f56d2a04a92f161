#include "media/win32/MediaManagers.h"

#include <new>

#include "media/win32/ExtensionManager.h"
#include "media/win32/MovieList.h"
#include "media/win32/SoundManager.h"
#include "shell/Settings.h"

// The figure library goes in before the first table opens: the table loads its pictures from
// it. A manager made on first use is loaded again, now with the settings.
void CreateMediaManagers(Settings* settings) {
    if (!gMovieList)
        gMovieList = new MovieList;
    if (!gDeckManager)
        gDeckManager = new ExtensionManager;
    gDeckManager->Init(settings, -1, -1);
    if (settings)
        gDeckManager->SelectMotive(&settings->body.motive);
}

// A player that cannot be made leaves the program silent; the game goes on.
void CreateSoundManager(Settings* settings) {
    if (gSoundManager)
        return;
    auto* player = new (std::nothrow) SoundPlayer;
    if (!player)
        return;
    player->Init(settings);
    gSoundManager = player;
}
