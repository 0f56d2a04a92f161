// The file names of the sound libraries. A sound library is a resource-only DLL whose string
// table names, for every final sound id, a wave file lying in the folder beside the library;
// its RCDATA 1280 marks a library that holds the card-sound variants.
#pragma once

inline constexpr const char* kEnglishSoundLibraryName = "SchafkopfSoundsEnglish.dll";
// Only the English library ships; the German name is looked for when the German resources run.
inline constexpr const char* kGermanSoundLibraryName = "SchafkopfSoundsGerman.dll";
