// Where the program lives and where it keeps its data, what the machine offers (CD drives,
// system version), and the few installation services of the Preferences menu: the data
// directory in the registry, the movie-folder copy from the CD, the desktop shortcut and the
// manual pages.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

inline constexpr int kPathSize = 256;
inline constexpr int kDriveRootSize = 4; // "e:\" and the terminator

extern char gModulePath[kPathSize];  // full path of the program file
extern char gProgramDir[kPathSize];  // the program file's directory, with a trailing backslash
extern char gDataPath[kPathSize];    // the data directory, with a trailing backslash
extern char gCdRoot[kDriveRootSize]; // root of the program's CD drive, e.g. "e:\"
extern char gSecondCdRoot[kDriveRootSize]; // a second CD drive; "c:\" when there is none
extern std::uint8_t gCdFound;              // at least one CD drive exists
extern std::uint8_t gIsWin9x;
extern std::uint8_t gIsWinNT;
extern std::uint8_t gIsWin2000;
extern std::uint8_t gIsWinXP;

// The registry key below HKEY_LOCAL_MACHINE that holds the string value "pfad", the data
// directory without its trailing backslash. Tests point it at a key of their own.
extern const char* gInstallKey;
inline constexpr const char* kInstallKey = "SOFTWARE\\Tarvik\\Schaf";
inline constexpr const char* kInstallValue = "pfad";

// The pairing-data library (league and tournament schedules) and the program's folder on its CD.
inline constexpr const char* kLeagueLibraryName = "pairings.dll";
inline constexpr const char* kGameFolderName = "Schafkopf\\";

// What a desktop shortcut is made from.
struct ShortcutRecord {
    std::string targetPath;
    std::string description;
    std::string arguments;
    std::string workingDirectory;
    std::string iconPath;
    std::int32_t iconIndex = 0;
    std::int32_t showCommand = 0;
    std::int32_t hotKey = 0;
};

// The shortcut file for a target: folder (trailing backslashes dropped), a backslash, the
// target's file name with its extension, and ".lnk".
std::string ShortcutFileName(const char* folder, const char* target);

// Copies text into a fixed buffer of size bytes, always terminated.
void CopyPath(char* buffer, int size, const char* text);
// Appends text to a fixed buffer of size bytes, cutting what does not fit.
void AppendPath(char* buffer, int size, const char* text);

// Drive letters of the system; tests answer them for a made-up machine.
struct DriveQueries {
    std::function<std::uint32_t()> logicalDrives;    // bit 0 = a:, bit 25 = z:
    std::function<bool(const char* root)> isCdDrive; // the drive is a CD-ROM drive
    std::function<bool(const char* root)> hasReadableDisc;
};
// Replaces the system's answers; an empty record restores them.
void SetDriveQueries(DriveQueries queries);

bool ProbeEnvironment();
bool FindCdDrives(char* firstRoot, char* secondRoot);
bool IsCdDrive(char letter);
bool ReadInstallPath(char* path);
bool WriteInstallPath(const char* path);
void AppendGameFolderName(char* path);
void LoadLeagueLibrary();

void OpenRulesPage(void* window, int ignored, int kind);
// Opens a file or a web address with the shell's "open" verb and answers the shell's code
// (above 32 on success, 2 for a file not found).
std::intptr_t OpenWithShell(void* window, const char* file);
using ShellOpener = std::function<std::intptr_t(void* window, const char* file)>;
void SetShellOpener(ShellOpener opener); // tests record instead of opening; empty restores

void InstallAnimationFolder();
bool CopyMovieFolders();
bool CopyMovieList(const char* folder1, const char* folder2, const char (*list)[33], int count);

void CreateShortcutCommand();
void CreateDesktopShortcut(const char* workingDirectory, const char* target);
void GetDesktopFolder(char* path);
int CreateShortcutFile(const char* folder, const ShortcutRecord* record);

void ShowSystemError(std::uint32_t code);
void ShowLastSystemError();
