#include "shell/Preferences.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/Alerts.h"
#include "shell/Edition.h"
#include "shell/Environment.h"
#include "shell/SettingsWin.h"

namespace {

// Alert texts of the preference file: ids 1253, 1254 and 1257.
constexpr std::int16_t kPreferenceAlertList = 1200;
constexpr std::int16_t kNotWriteableIndex = 53;
constexpr std::int16_t kUnreadableIndex = 54;
constexpr std::int16_t kDamagedIndex = 57;

constexpr int kMaxKeptCopies = 100;

// One part of the file read whole, or not at all.
bool ReadWhole(HANDLE file, void* data, DWORD size, DWORD* got) {
    *got = 0;
    return ReadFile(file, data, size, got, nullptr) && *got == size;
}

bool WriteWhole(HANDLE file, const void* data, DWORD size) {
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

// Keeps a damaged file under "<name>.bad" (or "<name>.bad2", ... when earlier ones exist) so
// that nothing the player had is lost; answers the name it was kept under in kept.
bool KeepDamagedFile(const char* path, char* kept, std::size_t size) {
    for (int copy = 1; copy <= kMaxKeptCopies; ++copy) {
        if (copy == 1)
            std::snprintf(kept, size, "%s.bad", path);
        else
            std::snprintf(kept, size, "%s.bad%d", path, copy);
        if (GetFileAttributesA(kept) != INVALID_FILE_ATTRIBUTES)
            continue;
        if (MoveFileA(path, kept) || CopyFileA(path, kept, TRUE))
            return true;
    }
    return false;
}

void PutInDefaultOwnName() {
    char* ownName = gSettings->body.playerNames[0];
    if (ownName[0] == '\0')
        std::snprintf(ownName, kPlayerNameSize, "%s", kDefaultOwnName);
}

void TerminateRecordStrings(DoppelkopfOptions* a, SchafkopfOptions* b) {
    a->keys[kOptionKeysSize - 1] = '\0';
    b->keys[kOptionKeysSize - 1] = '\0';
    b->currencyName[kCurrencyNameSize - 1] = '\0';
}

void* OpenWithSystem(const char* path, bool write, std::uint32_t* error) {
    HANDLE file = write ? CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)
                        : CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    *error = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

PreferencesFileOpener gOpener;

HANDLE OpenPreferencesFile(const char* path, bool write, std::uint32_t* error) {
    return gOpener ? gOpener(path, write, error) : OpenWithSystem(path, write, error);
}

enum class ReadResult { kRead, kEmpty, kDamaged };

// Reads the three parts into the temporaries; the live objects are not touched.
ReadResult ReadParts(HANDLE file, SettingsBody* body, DoppelkopfOptions* a, SchafkopfOptions* b) {
    DWORD got = 0;
    if (!ReadWhole(file, body, sizeof *body, &got))
        return got == 0 ? ReadResult::kEmpty : ReadResult::kDamaged;
    if (!ReadWhole(file, a, sizeof *a, &got))
        return ReadResult::kDamaged;
    if (!ReadWhole(file, b, sizeof *b, &got))
        return ReadResult::kDamaged;
    return ReadResult::kRead;
}

} // namespace

void SetPreferencesFileOpener(PreferencesFileOpener opener) {
    gOpener = std::move(opener);
}

void GetPreferencesPath(char* path, std::size_t size) {
    std::snprintf(path, size, "%s%s", gDataPath, PreferencesFileName());
}

bool ReadPreferences() {
    if (gSettings == nullptr)
        gSettings = new SettingsWin;
    gSettings->SetDefaults();
    if (!InitOptionRecords())
        return false;

    char path[MAX_PATH];
    GetPreferencesPath(path, sizeof path);
    std::uint32_t error = 0;
    HANDLE file = OpenPreferencesFile(path, true, &error);
    if (file == nullptr) {
        if (error != ERROR_ACCESS_DENIED) {
            ShowSystemError(error);
            return false;
        }
        file = OpenPreferencesFile(path, false, &error);
        if (file == nullptr) {
            StopAlert(kPreferenceAlertList, kUnreadableIndex, "");
            return false;
        }
        StopAlert(kPreferenceAlertList, kNotWriteableIndex, "");
    }

    // Read into temporaries: a damaged file must not leave half of itself in the settings.
    SettingsBody body;
    DoppelkopfOptions recordA;
    SchafkopfOptions recordB;
    const ReadResult result = ReadParts(file, &body, &recordA, &recordB);
    const bool closed = CloseHandle(file) != 0;

    if (result == ReadResult::kDamaged) {
        char kept[MAX_PATH + 16];
        if (!KeepDamagedFile(path, kept, sizeof kept)) {
            StopAlert(kPreferenceAlertList, kUnreadableIndex, "");
            return false;
        }
        StopAlert(kPreferenceAlertList, kDamagedIndex, kept);
        PutInDefaultOwnName();
        return true;
    }
    if (!closed)
        return false;

    bool voiceMended = false;
    if (result == ReadResult::kRead) {
        voiceMended = body.playerVoices[0] < 1;
        gSettings->body = body;
        *DoppelkopfOptionsRecord() = recordA;
        *SchafkopfOptionsRecord() = recordB;
        gSettings->SanitizeLoadedValues();
        TerminateRecordStrings(DoppelkopfOptionsRecord(), SchafkopfOptionsRecord());
    }
    PutInDefaultOwnName();
    if (voiceMended) {
        SysBeep(30);
        WritePreferences();
    }
    return true;
}

bool WritePreferences() {
    if (gSettings == nullptr || gDoppelkopfOptions == nullptr || gSchafkopfOptions == nullptr)
        return false;
    char path[MAX_PATH];
    GetPreferencesPath(path, sizeof path);
    std::uint32_t error = 0;
    HANDLE file = OpenPreferencesFile(path, true, &error);
    if (file == nullptr)
        return false;
    // The file is written from its start and never shortened.
    const bool written = WriteWhole(file, &gSettings->body, sizeof(SettingsBody)) &&
                         WriteWhole(file, DoppelkopfOptionsRecord(), sizeof(DoppelkopfOptions)) &&
                         WriteWhole(file, SchafkopfOptionsRecord(), sizeof(SchafkopfOptions));
    const bool closed = CloseHandle(file) != 0;
    return written && closed;
}
