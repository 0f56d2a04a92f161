// The movie files copied from the CD's "film\" folder by "Install animation folder". Each
// entry is a relative file name of at most 32 characters in which ':' separates up to two
// sub-folders from the file name.
#pragma once

inline constexpr int kMovieEntrySize = 33;
using MovieEntry = char[kMovieEntrySize];

enum class MovieList {
    SceneOneTable,      // scene 1, the four-seat table: 14 files
    SceneOneFigures,    // scene 1, the figures of the four-person table: 19 files
    TopLevel,           // movies directly in "film\" and the foyer folders: 27 files
    OtherScenesTable,   // scenes 2 to 6, the four-seat table: 70 files
    OtherScenesFigures, // scenes 2 to 6, the figures of the four-person table: 85 files
};

// The entries of a list (built once) and their number.
const MovieEntry* MovieListEntries(MovieList list);
int MovieListCount(MovieList list);
