// Start and end of the movie library used for the figure and foyer movies, and a table
// window's association with it.
#pragma once

bool StartQuickTime();  // true: movies may be played
void StopQuickTime();
void DetachMovieWindow(void* port);
