#include "media/win32/SoundManager.h"

SoundManager* gSoundManager = nullptr;

void SoundManager::Stop() {}

void PlayEventSound(int, int) {}
void StopSounds() {}
void StopEventMovies(SoundManager*, int) {}
