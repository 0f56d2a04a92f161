#include "platform/win32/Resources.h"

#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowsGlobals.h"

HMODULE gExtensionLibrary = nullptr;
HMODULE gPersonaLibrary = nullptr;
HMODULE gSoundLibrary = nullptr;
HMODULE gLeagueLibrary = nullptr;

namespace {

inline constexpr int kPersonaIdOffset = 10000; // figure pictures lie 10000 higher in their library
inline constexpr int kFourSeatPairingOffset = 1000;
inline constexpr int kSoundPreferencesId = 1280;

bool InRange(int id, int low, int high) {
    return id >= low && id <= high;
}

// A data resource of a loaded module: read-only, valid while the module stays loaded, never
// a handle of the handle table.
void* LoadModuleData(HMODULE module, int id) {
    if (!module) {
        return nullptr;
    }
    HRSRC found =
        FindResourceA(module, MAKEINTRESOURCEA(WORD(id)), MAKEINTRESOURCEA(10)); // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    return loaded ? LockResource(loaded) : nullptr;
}

// The picture-id rules; the first range that matches decides where the picture comes from.
HBITMAP GetPicture(std::int16_t id) {
    HBITMAP picture = nullptr;
    if (InRange(id, 1035, 1040) || InRange(id, 2035, 2040)) {
        // Card backs and extras always come from the program, whatever deck is chosen.
        picture = LoadBitmapResource(gPortDC, id, true);
    } else if (InRange(id, 1000, 1299) || InRange(id, 2000, 2299)) {
        LoadedBitmap resource = LoadLibraryBitmap(gExtensionLibrary, id);
        if (!resource.data) {
            resource = LoadLibraryBitmap(gAppInstance, id);
        }
        picture = MakeBitmapFromResource(gPortDC, resource, true);
    } else if (InRange(id, 900, 999) || InRange(id, 1300, 1999) || InRange(id, 2300, 2600)) {
        // A figure library may lack a picture: the caller draws nothing and no box appears.
        LoadedBitmap resource =
            LoadLibraryBitmap(gPersonaLibrary, MapEnglishPictureId(id) + kPersonaIdOffset);
        if (!resource.data) {
            return nullptr;
        }
        picture = MakeBitmapFromResource(gPortDC, resource, false);
    } else {
        picture = LoadBitmapResource(gPortDC, id, true);
    }
    if (!picture) {
        DebugBox("Pict fehlt: ", id);
    }
    return picture;
}

} // namespace

void* GetResource(ResType type, std::int16_t id) {
    switch (type) {
    case kPictType:
        return GetPicture(id);
    case kPairingsType:
        return LoadModuleData(gLeagueLibrary, id);
    case kPairings4Type:
        return LoadModuleData(gLeagueLibrary, id + kFourSeatPairingOffset);
    default:
        return nullptr;
    }
}

void* GetResourcePref(ResType type, std::int16_t id) {
    if (type == kPrefType && id == kSoundPreferencesId) {
        return LoadModuleData(gSoundLibrary, id);
    }
    if (type == kPictType) {
        return GetResource(type, id);
    }
    return nullptr;
}

void ReleaseResource(void* resource, int kind) {
    if (kind != kPictureResource || !resource) {
        return;
    }
    if (!DeleteObject(static_cast<HGDIOBJ>(resource))) {
        SysBeep(1);
    }
}

void ClearResourceLibraries() {
    gExtensionLibrary = nullptr;
    gPersonaLibrary = nullptr;
    gSoundLibrary = nullptr;
    gLeagueLibrary = nullptr;
}

void SetExtensionLibrary(HMODULE module) {
    gExtensionLibrary = module;
}

void SetPersonaLibrary(HMODULE module) {
    gPersonaLibrary = module;
}

LoadedBitmap LoadLibraryBitmap(HMODULE module, int id) {
    if (!module) {
        return {};
    }
    HRSRC found =
        FindResourceA(module, MAKEINTRESOURCEA(WORD(id)), MAKEINTRESOURCEA(2)); // RT_BITMAP
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) {
        return {};
    }
    return {data, static_cast<std::uint32_t>(SizeofResource(module, found))};
}

std::int16_t MapEnglishPictureId(std::int16_t id) {
    if (!gLanguageEnglish) {
        return id;
    }
    switch (id) {
    case 1403:
    case 1423:
    case 1443:
    case 1485:
    case 1497:
        return static_cast<std::int16_t>(id + kPersonaIdOffset);
    default:
        return id;
    }
}
