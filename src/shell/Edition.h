// The edition this program runs as. The entry sets one edition byte; the edition chooses the
// preference file's name, the table procedure and the dialogs. This program sets only the
// Schafkopf byte.
#pragma once

#include <cstdint>

#include "records/ProgramFlags.h" // gSchafkopfEdition

extern std::uint8_t gSkatEdition;
extern std::uint8_t gDoppelkopfEdition;

// GameKind of the edition: 0 Skat, 1 Doppelkopf, else 2 Schafkopf.
int GetGameKind();

// The preference file's name (without folder) of the edition.
const char* PreferencesFileName();
