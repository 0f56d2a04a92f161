// The program plays its movies with a library of its own, which has nothing to load: it is
// always there. Until the movie playback is built there is no port to associate.
#include "media/win32/MovieLibrary.h"

bool StartQuickTime() { return true; }
void StopQuickTime() {}
void DetachMovieWindow(void*) {}
