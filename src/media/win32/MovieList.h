// The scene movies of the figures and the foyer. Until the movie playback is built the list
// stays empty: nothing plays, so there is nothing to stop or to step.
#pragma once

#include "platform/RootObject.h"

class MovieList : public RootObject {
  public:
    int movieCount = 0;
};

extern MovieList* gMovieList;

void StopAllMovies();             // stops and disposes every running scene movie
void ServiceMovies(void* window); // gives the running movies of the window their time
