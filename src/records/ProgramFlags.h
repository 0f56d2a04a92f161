// The program-wide state bytes that the game controllers read and the Windows shell sets: the
// pub story, who runs the tables, which table is open, and the edition. They
// live here, below the games, so that the portable game code reads them without the shell.
#pragma once

#include <cstdint>

// The pub story is on (the settings' storyMode is 2); set at start-up.
inline std::uint8_t gStoryMode = 0;
// The tournament director runs the tables (league, tournament or network game).
inline std::uint8_t gDirectorRunsTables = 0;
// A network table is being played; cleared when the partner leaves. Never set in this build.
inline std::uint8_t gNetworkTableActive = 0;
// The open table is a four-player table; clear while the Skat table is open, when the names of
// seats 2 and 3 swap.
inline std::uint8_t gFourPlayerTableOpen = 1;
// Set at program start: this program is the Schafkopf edition.
inline std::uint8_t gSchafkopfEdition = 0;
