// The program's movie layer: silent clips (uncompressed AVI files, whatever their ending),
// read through the system's AVI file service and drawn by us into the window they belong
// to. Nothing plays by itself: frames appear only in MoviesTask, and movie time follows the
// tick clock (600 units a second at rate 1.0), so a replaced clock makes playing exact.
//
// Every operation answers 0 or one of the negative codes below; a movie or file value that
// is unknown or already disposed answers kMovieUnknown and changes nothing.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/Geometry.h"

inline constexpr int kMovieMissing = -43;       // no file at the path
inline constexpr int kMovieDamaged = -2048;     // cut, empty or no AVI file; no frames
inline constexpr int kMovieNotPlayable = -2049; // no video stream, or frames no codec reads
inline constexpr int kMoviePathTooLong = -37;
inline constexpr int kMovieNoWindow = -2050; // no live window to bind the movie to
inline constexpr int kMovieUnknown = -2010;  // null, disposed or unknown movie or file
inline constexpr int kMovieNoMemory = -108;
inline constexpr int kMovieNotStarted = -2051; // the layer has not been started
inline constexpr int kMovieBadRate = -2052;    // negative rates are refused

inline constexpr std::int32_t kMovieRateNormal = 0x10000; // 16.16: the file's own speed
inline constexpr std::int32_t kMovieTimeScale = 600;      // movie time units per second

using Movie = std::uint32_t;     // 0 = none
using MovieFile = std::uint32_t; // 0 = none

struct MovieFileSpec {
    char path[MAX_PATH];
};

// Movie boxes are kept as MacRect: top, left, bottom, right, each a signed 16-bit value.
MacRect ToMacRect(const RECT& rect); // each value cut to 16 bits
RECT FromMacRect(const MacRect& rect);

bool StartQuickTime(); // true: the AVI file service is there and movies may be played
void StopQuickTime();  // disposes every movie and open file left
int MakeFileSpec(const char* path, MovieFileSpec* spec, int flags);
int OpenMovieFile(const MovieFileSpec* spec, MovieFile* file, int permission);
// Binds the movie to the current port's window and reads every frame, so that it plays on
// after CloseMovieFile. The box starts at (0, 0) with the frame's size; the rate is 1.0,
// time 0, stopped.
int NewMovieFromFile(Movie* movie, MovieFile file, std::int16_t* resourceId, const char* name,
                     int flags, bool* changed);
int CloseMovieFile(MovieFile file);
int DisposeMovie(Movie movie);
// Boxes are in client coordinates of the movie's window.
int SetMovieBox(Movie movie, const RECT* box);
int GetMovieBox(Movie movie, RECT* box);
int SetMovieRate(Movie movie, std::int32_t rate);
int GetMovieTime(Movie movie, std::int32_t* time);
int StartMovie(Movie movie);
int StopMovie(Movie movie);
int GoToBeginningOfMovie(Movie movie);
// Draws the frame now due when it is not on the screen yet.
int MoviesTask(Movie movie, std::int32_t maxMilliseconds);
// 1 once the movie has played to its end, also when its window is gone or detached; 0
// while it plays; kMovieUnknown for an unknown movie.
int IsMovieDone(Movie movie);
// Makes the window the current port and answers it as the movie port.
void* AttachMovieWindow(HWND window, int flags, int reserved);
// Movies of the port's window draw nothing more and count as done.
void DetachMovieWindow(void* port);

// The display clip of certain figure movies, which keeps them off the table elements they
// would cover: none (0, the full box) or two rectangles (2) for the box, by movie type,
// game kind and base card size (1 small, 0 middle, 2 large).
int MovieClipRects(int movieType, int gameKind, int baseCardSize, const RECT& box, RECT rects[2]);
// Sets the movie's display clip from its box by MovieClipRects.
int SetMovieClipShape(Movie movie, int movieType, int gameKind, int baseCardSize);

// Tells the player once per run and cause that a movie file cannot be played: a note naming
// the file, saying the program goes on without it.
void ReportMovieFailure(const char* path, int code);
// Test seam: forget the causes already reported.
void ResetMovieFailureReports();
// Test seam: movies alive.
int LiveMovieCount();
