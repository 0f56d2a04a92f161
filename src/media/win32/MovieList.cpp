#include "media/win32/MovieList.h"

MovieList* gMovieList = nullptr;

void StopAllMovies() {}
void ServiceMovies(void*) {}
