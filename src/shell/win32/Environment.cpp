// The machine as the program finds it at start-up, and the installation services of the
// Preferences menu, on Win32.
#include "shell/Environment.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>

#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "platform/win32/Resources.h"
#include "shell/MovieInstallLists.h"
#include "shell/win32/ShellLink.h"

namespace {

DriveQueries gDriveQueries;
ShellOpener gShellOpener;

// Turns off the system's "insert a disc" boxes while removable drives are probed.
class QuietDriveErrors {
  public:
    QuietDriveErrors() { SetErrorMode(SEM_FAILCRITICALERRORS); }
    ~QuietDriveErrors() { SetErrorMode(0); }
};

std::uint32_t LogicalDrives() {
    return gDriveQueries.logicalDrives ? gDriveQueries.logicalDrives() : GetLogicalDrives();
}

bool IsCdRoot(const char* root) {
    if (gDriveQueries.isCdDrive)
        return gDriveQueries.isCdDrive(root);
    return GetDriveTypeA(root) == DRIVE_CDROM;
}

bool HasReadableDisc(const char* root) {
    if (gDriveQueries.hasReadableDisc)
        return gDriveQueries.hasReadableDisc(root);
    DWORD sectors, bytes, freeClusters, clusters;
    return GetDiskFreeSpaceA(root, &sectors, &bytes, &freeClusters, &clusters) != 0;
}

void SetDriveLetter(char* root, char letter) {
    root[0] = letter;
    root[1] = ':';
    root[2] = '\\';
    root[3] = '\0';
}

void UpperFirst(char* text) {
    if (text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
}

// Neutral addresses of this program's web manual (English, German).
constexpr const char* kWebManualEnglish = "https://schafkopf.example.org/kd/manual/Bookschaf.htm";
constexpr const char* kWebManualGerman =
    "https://schafkopf.example.org/kd/manual/handbuchschaf.htm";

// Opens a local page relative to the current directory, then relative to the program's own
// directory (the program may have been started from elsewhere); answers the shell's code.
std::intptr_t OpenLocalPage(void* window, const char* page) {
    std::intptr_t answer = OpenWithShell(window, page);
    if (answer != SE_ERR_FNF || gProgramDir[0] == '\0')
        return answer;
    char path[kPathSize];
    CopyPath(path, kPathSize, gProgramDir);
    AppendPath(path, kPathSize, page);
    return OpenWithShell(window, path);
}

void CreateFolder(const char* path) {
    CreateDirectoryA(path, nullptr);
}

} // namespace

void SetDriveQueries(DriveQueries queries) {
    gDriveQueries = std::move(queries);
}

bool IsCdDrive(char letter) {
    char root[kDriveRootSize];
    SetDriveLetter(root, letter);
    return IsCdRoot(root);
}

bool FindCdDrives(char* firstRoot, char* secondRoot) {
    SetDriveLetter(firstRoot, 'c');
    SetDriveLetter(secondRoot, 'c');
    std::uint32_t drives = LogicalDrives();
    bool found = false;
    for (int i = 0; i < 26; ++i) {
        if (!(drives & (1u << i)))
            continue;
        char letter = static_cast<char>('a' + i);
        if (!found) {
            SetDriveLetter(firstRoot, letter);
            found = IsCdRoot(firstRoot);
        } else {
            SetDriveLetter(secondRoot, letter);
            if (IsCdRoot(secondRoot))
                return true;
        }
    }
    SetDriveLetter(secondRoot, 'c');
    return found;
}

bool ProbeEnvironment() {
    gCdFound = FindCdDrives(gCdRoot, gSecondCdRoot) ? 1 : 0;
    {
        QuietDriveErrors quiet;
        if (gSecondCdRoot[0] != 'c' && !HasReadableDisc(gCdRoot) &&
            HasReadableDisc(gSecondCdRoot)) {
            char first[kDriveRootSize];
            CopyPath(first, kDriveRootSize, gCdRoot);
            CopyPath(gCdRoot, kDriveRootSize, gSecondCdRoot);
            CopyPath(gSecondCdRoot, kDriveRootSize, first);
        }
    }

    gIsWin9x = gIsWinNT = gIsWin2000 = gIsWinXP = 0;
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExA(&version)) {
#pragma GCC diagnostic pop
        gIsWin9x = version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
        gIsWinNT = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
        if (gIsWinNT && version.dwMajorVersion == 5) {
            gIsWin2000 = version.dwMinorVersion == 0;
            gIsWinXP = version.dwMinorVersion == 1;
        }
    }

    DWORD length = GetModuleFileNameA(nullptr, gModulePath, kPathSize - 1);
    gModulePath[length < kPathSize ? length : kPathSize - 1] = '\0';
    CopyPath(gProgramDir, kPathSize, gModulePath);
    if (char* lastSlash = std::strrchr(gProgramDir, '\\'))
        lastSlash[1] = '\0';

    char letter = gModulePath[0];
    if (letter >= 'A' && letter <= 'Z')
        letter = static_cast<char>(letter - 'A' + 'a');
    if (letter >= 'a' && letter <= 'z' && gModulePath[1] == ':' && IsCdDrive(letter)) {
        SetDriveLetter(gCdRoot, letter);
    }

    ReadInstallPath(gDataPath);
    return true;
}

bool ReadInstallPath(char* path) {
    HKEY key;
    char value[128];
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    bool read = false;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, gInstallKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        // The value may be stored without its terminator: terminate it here.
        read = RegQueryValueExA(key, kInstallValue, nullptr, &type, reinterpret_cast<BYTE*>(value),
                                &size) == ERROR_SUCCESS &&
               (type == REG_SZ || type == REG_EXPAND_SZ);
        RegCloseKey(key);
    }
    if (!read) {
        CopyPath(path, kPathSize, gProgramDir);
        return true;
    }
    value[size < sizeof value ? size : sizeof value - 1] = '\0';

    CopyPath(path, kPathSize, value);
    AppendPath(path, kPathSize, "\\");
    UpperFirst(path);
    UpperFirst(gProgramDir);
    if (std::strcmp(path, gProgramDir) != 0 && AskOkCancel(1000, 281, "")) {
        CopyPath(path, kPathSize, gProgramDir);
        char withoutSlash[kPathSize];
        CopyPath(withoutSlash, kPathSize, gProgramDir);
        std::size_t length = std::strlen(withoutSlash);
        if (length > 0 && withoutSlash[length - 1] == '\\')
            withoutSlash[length - 1] = '\0';
        WriteInstallPath(withoutSlash);
    }
    return true;
}

bool WriteInstallPath(const char* path) {
    HKEY key;
    DWORD disposition;
    LONG status =
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, gInstallKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, &disposition);
    if (status != ERROR_SUCCESS) {
        ShowSystemError(static_cast<std::uint32_t>(status));
        return false;
    }
    status = RegSetValueExA(key, kInstallValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                            static_cast<DWORD>(std::strlen(path) + 1));
    if (status != ERROR_SUCCESS)
        ShowSystemError(static_cast<std::uint32_t>(status));
    status = RegFlushKey(key);
    bool flushed = status == ERROR_SUCCESS;
    if (!flushed)
        ShowSystemError(static_cast<std::uint32_t>(status));
    status = RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        ShowSystemError(static_cast<std::uint32_t>(status));
    return flushed;
}

void AppendGameFolderName(char* path) {
    AppendPath(path, kPathSize, kGameFolderName);
}

void LoadLeagueLibrary() {
    char path[kPathSize];
    HMODULE library = nullptr;
    if (gDataPath[0] != '\0') {
        CopyPath(path, kPathSize, gDataPath);
        AppendPath(path, kPathSize, kLeagueLibraryName);
        library = LoadLibraryA(path);
    }
    if (!library && gProgramDir[0] != '\0') {
        CopyPath(path, kPathSize, gProgramDir);
        AppendPath(path, kPathSize, kLeagueLibraryName);
        library = LoadLibraryA(path);
    }
    if (!library && gCdFound) {
        CopyPath(path, kPathSize, gCdRoot);
        AppendGameFolderName(path);
        AppendPath(path, kPathSize, kLeagueLibraryName);
        QuietDriveErrors quiet;
        library = LoadLibraryA(path);
    }
    gLeagueLibrary = library;
}

void SetShellOpener(ShellOpener opener) {
    gShellOpener = std::move(opener);
}

std::intptr_t OpenWithShell(void* window, const char* file) {
    if (gShellOpener)
        return gShellOpener(window, file);
    HINSTANCE answer =
        ShellExecuteA(static_cast<HWND>(window), "open", file, nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<std::intptr_t>(answer);
}

void OpenRulesPage(void* window, int, int kind) {
    std::intptr_t answer;
    if (kind == 2) {
        const char* first = gLanguageEnglish ? "contente\\bestmace.htm" : "content\\bestmac.htm";
        const char* second =
            gLanguageEnglish ? "manual\\contente\\bestmace.htm" : "manual\\content\\bestmac.htm";
        answer = OpenLocalPage(window, first);
        if (answer == SE_ERR_FNF)
            answer = OpenLocalPage(window, second);
    } else {
        answer = OpenLocalPage(window, gLanguageEnglish ? "Book.htm" : "handbuch.htm");
    }
    if (answer == SE_ERR_FNF)
        OpenWithShell(window, gLanguageEnglish ? kWebManualEnglish : kWebManualGerman);
}

void InstallAnimationFolder() {
    if (AskOkCancel(1000, 267, ""))
        CopyMovieFolders();
}

bool CopyMovieFolders() {
    // Without a CD there is nothing to copy from (the drive search leaves the last drive
    // tested in gCdRoot, which is no CD).
    if (!gCdFound) {
        NoteAlert(1000, 288, "");
        return false;
    }
    char target[kPathSize];
    CopyPath(target, kPathSize, gProgramDir);
    AppendPath(target, kPathSize, "film\\");
    if (!CreateDirectoryA(target, nullptr)) {
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS)
            ShowSystemError(error);
    }

    const char* const sizes[] = {"G636", "G792", "G1016"};
    struct Step {
        MovieList list;
        const char* folder; // null: the files lie directly below "film\"
    };
    const Step steps[] = {{MovieList::SceneOneTable, "Beide"},
                          {MovieList::SceneOneFigures, "Person4"},
                          {MovieList::TopLevel, nullptr},
                          {MovieList::OtherScenesTable, "Beide"},
                          {MovieList::OtherScenesFigures, "Person4"}};
    for (const Step& step : steps) {
        const MovieEntry* entries = MovieListEntries(step.list);
        int count = MovieListCount(step.list);
        if (!step.folder) {
            if (!CopyMovieList("", "", entries, count))
                return false;
            continue;
        }
        for (const char* size : sizes) {
            if (!CopyMovieList(step.folder, size, entries, count))
                return false;
        }
    }
    return true;
}

bool CopyMovieList(const char* folder1, const char* folder2, const char (*list)[33], int count) {
    char sourceBase[kPathSize];
    char targetBase[kPathSize];
    CopyPath(sourceBase, kPathSize, gCdRoot);
    AppendPath(sourceBase, kPathSize, "film\\");
    CopyPath(targetBase, kPathSize, gProgramDir);
    AppendPath(targetBase, kPathSize, "film\\");
    for (const char* folder : {folder1, folder2}) {
        if (folder[0] == '\0')
            continue;
        AppendPath(sourceBase, kPathSize, folder);
        AppendPath(sourceBase, kPathSize, "\\");
        AppendPath(targetBase, kPathSize, folder);
        AppendPath(targetBase, kPathSize, "\\");
        CreateFolder(targetBase);
    }

    for (int i = 0; i < count; ++i) {
        char source[kPathSize];
        char target[kPathSize];
        CopyPath(source, kPathSize, sourceBase);
        CopyPath(target, kPathSize, targetBase);
        const char* name = list[i];
        for (int level = 0; level < 2; ++level) {
            const char* colon = std::strchr(name, ':');
            if (!colon)
                break;
            char folder[kMovieEntrySize];
            CopyPath(folder, static_cast<int>(colon - name) + 1, name);
            AppendPath(source, kPathSize, folder);
            AppendPath(source, kPathSize, "\\");
            AppendPath(target, kPathSize, folder);
            AppendPath(target, kPathSize, "\\");
            CreateFolder(target);
            name = colon + 1;
        }
        AppendPath(source, kPathSize, name);
        AppendPath(target, kPathSize, name);
        if (CopyFileA(source, target, FALSE))
            continue;
        DWORD error = GetLastError();
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED)
            continue;
        // The English movies are optional on the CD.
        if (folder1[0] == '\0' && std::strstr(source, "Eng.sor"))
            continue;
        ShowSystemError(error);
        return false;
    }
    return true;
}

void CreateShortcutCommand() {
    if (AskOkCancel(1000, 287, ""))
        CreateDesktopShortcut(gProgramDir, gModulePath);
}

void CreateDesktopShortcut(const char* workingDirectory, const char* target) {
    ShortcutRecord record;
    record.targetPath = target;
    record.workingDirectory = workingDirectory;
    char folder[kPathSize];
    GetDesktopFolder(folder);
    if (CreateShortcutFile(folder, &record) != 1)
        StopAlert(1000, 286, "");
}

void GetDesktopFolder(char* path) {
    // The system knows the desktop of every version since 2000 (and Wine's); the guesses
    // below are for older systems only.
    // The system writes up to MAX_PATH characters, more than a path of ours holds.
    char desktop[MAX_PATH] = "";
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT,
                                   desktop))) {
        CopyPath(path, kPathSize, desktop);
        return;
    }

    path[0] = '\0';
    if (gIsWin9x) {
        if (!GetWindowsDirectoryA(path, kPathSize)) {
            CopyPath(path, kPathSize, "C:\\Windows\\Desktop");
            return;
        }
    } else if (gIsWinXP || gIsWin2000) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Volatile Environment", 0, KEY_READ, &key) ==
            ERROR_SUCCESS) {
            auto read = [&](const char* name, char* buffer) {
                DWORD size = kPathSize - 1;
                DWORD type = 0;
                if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                                     &size) != ERROR_SUCCESS) {
                    size = 0;
                }
                buffer[size < kPathSize ? size : kPathSize - 1] = '\0';
            };
            if (gIsWinXP) {
                char drive[kPathSize];
                char home[kPathSize];
                read("HOMEDRIVE", drive);
                read("HOMEPATH", home);
                CopyPath(path, kPathSize, drive);
                AppendPath(path, kPathSize, home);
            } else {
                read("APPDATA", path);
                if (char* lastSlash = std::strrchr(path, '\\'))
                    *lastSlash = '\0';
            }
            RegCloseKey(key);
        }
    } else {
        if (!GetWindowsDirectoryA(path, kPathSize))
            CopyPath(path, kPathSize, "C:\\Windows");
        AppendPath(path, kPathSize, "\\Profiles\\");
        char user[kPathSize];
        DWORD size = kPathSize;
        if (GetUserNameA(user, &size))
            AppendPath(path, kPathSize, user);
    }
    AppendPath(path, kPathSize, "\\Desktop");
}

int CreateShortcutFile(const char* folder, const ShortcutRecord* record) {
    if (!record)
        return -1;
    ShellLink link;
    return link.CreateLink(folder, *record);
}

namespace {

void ShowErrorText(std::uint32_t code, const char* caption) {
    if (code == 0)
        return;
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr);
    ShowTextBox(nullptr, caption, text, MB_ICONINFORMATION);
}

} // namespace

void ShowSystemError(std::uint32_t code) {
    ShowErrorText(code, "GetLastError");
}

void ShowLastSystemError() {
    ShowErrorText(GetLastError(), "Fehler/Error");
}
