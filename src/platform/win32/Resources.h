// Resources asked for by a four-character type and a 16-bit id, answered from the program
// file or from one of the four resource libraries loaded at run time. Pictures come back as
// bitmaps (see Pictures.h); data resources as read-only pointers into the loaded module.
#pragma once

#include <windows.h>

#include <cstdint>

using ResType = std::uint32_t;

// The first character is the most significant byte: "PICT" = 0x50494354.
constexpr ResType MakeResType(const char (&code)[5]) {
    return (ResType(std::uint8_t(code[0])) << 24) | (ResType(std::uint8_t(code[1])) << 16) |
           (ResType(std::uint8_t(code[2])) << 8) | ResType(std::uint8_t(code[3]));
}

inline constexpr ResType kPictType = MakeResType("PICT");
inline constexpr ResType kPairingsType = MakeResType("PAAR");  // three-seat schedules
inline constexpr ResType kPairings4Type = MakeResType("PAR4"); // four-seat schedules
inline constexpr ResType kPrefType = MakeResType("PREF");
inline constexpr ResType kLibraryType = MakeResType("LIB ");
inline constexpr ResType kCardDescriptionType = MakeResType("CARD");
inline constexpr ResType kSprvType = MakeResType("SPRV");

inline constexpr int kPictureResource = 2; // the kind ReleaseResource deletes

// Library modules, null until loaded (InitToolbox clears them).
extern HMODULE gExtensionLibrary; // the selected card deck: pictures 1000-1299, 2000-2299
extern HMODULE gPersonaLibrary;   // the selected figures: pictures 900-999, 1300-1999, 2300-2600
extern HMODULE gSoundLibrary;     // 'PREF' 1280
extern HMODULE gLeagueLibrary;    // 'PAAR' and 'PAR4'

// 'PICT' answers a picture (HBITMAP) by the picture-id rules; 'PAAR' id and 'PAR4' id answer
// the league library's data resource id or id + 1000; any other type answers null. A
// missing program picture shows the debugging box "Pict fehlt: ".
void* GetResource(ResType type, std::int16_t id);
// 'PREF' 1280 from the sound library, 'PICT' as GetResource, everything else null (the
// strategy libraries, card descriptions and 'SPRV' are never present).
void* GetResourcePref(ResType type, std::int16_t id);
// Kind 2 deletes a picture (a beep when that fails); other kinds are left alone.
void ReleaseResource(void* resource, int kind);

// Forgets all four library modules (the toolbox's start does this).
void ClearResourceLibraries();
void SetExtensionLibrary(HMODULE module);
void SetPersonaLibrary(HMODULE module);

// A bitmap resource as it lies in its module: the bitmap info header, its colour table and
// the pixel bits. data is null when there is no such resource.
struct LoadedBitmap {
    const void* data;
    std::uint32_t size; // bytes of the resource
};

LoadedBitmap LoadLibraryBitmap(HMODULE module, int id);
// With English resources the right-hand figure pictures 1403, 1423, 1443, 1485 and 1497 are
// looked up 10000 higher; every other id stays.
std::int16_t MapEnglishPictureId(std::int16_t id);
