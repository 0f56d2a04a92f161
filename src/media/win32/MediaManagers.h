// The media objects made at start-up.
#pragma once

class Settings;

// Creates gMovieList and gDeckManager and loads the deck and figure libraries.
void CreateMediaManagers(Settings* settings);
// Creates gSoundManager.
void CreateSoundManager(Settings* settings);
