// The preference file: the settings body followed by option records A and B, as they lie in
// memory (little-endian, no header). Bytes after the three parts are left alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "shell/OptionRecords.h"
#include "shell/Settings.h"

inline constexpr std::size_t kPreferencesSize =
    sizeof(SettingsBody) + sizeof(DoppelkopfOptions) + sizeof(SchafkopfOptions);
static_assert(kPreferencesSize == 5556);

// Put in when the own name is empty.
inline constexpr const char* kDefaultOwnName = "Player";

// Creates gSettings and the option records with their defaults, then reads the file (creating
// it when missing). True when the settings and both records are ready to use; false means the
// start must end. A damaged file is kept aside under a new name and the defaults stay.
bool ReadPreferences();
// True when all three parts were written whole.
bool WritePreferences();

// The preference file's full name: the data directory and the edition's file name.
void GetPreferencesPath(char* path, std::size_t size);

// Opens the preference file for reading and writing, or for reading only, sharing it for
// reading and creating it when missing; answers the system's file handle, or null with the
// system's error code in *error. Tests replace it to meet refusals a test machine cannot
// produce (an administrator may write even read-only files); an empty function restores it.
using PreferencesFileOpener =
    std::function<void*(const char* path, bool write, std::uint32_t* error)>;
void SetPreferencesFileOpener(PreferencesFileOpener opener);
