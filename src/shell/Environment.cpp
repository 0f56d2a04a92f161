#include "shell/Environment.h"

#include <cstring>

char gModulePath[kPathSize] = "";
char gProgramDir[kPathSize] = "";
char gDataPath[kPathSize] = "";
char gCdRoot[kDriveRootSize] = "c:\\";
char gSecondCdRoot[kDriveRootSize] = "c:\\";
std::uint8_t gCdFound = 0;
std::uint8_t gIsWin9x = 0;
std::uint8_t gIsWinNT = 0;
std::uint8_t gIsWin2000 = 0;
std::uint8_t gIsWinXP = 0;

const char* gInstallKey = kInstallKey;

void CopyPath(char* buffer, int size, const char* text) {
    if (size <= 0)
        return;
    std::size_t length = std::strlen(text);
    if (length >= static_cast<std::size_t>(size))
        length = static_cast<std::size_t>(size) - 1;
    std::memmove(buffer, text, length);
    buffer[length] = '\0';
}

void AppendPath(char* buffer, int size, const char* text) {
    std::size_t used = std::strlen(buffer);
    if (used + 1 >= static_cast<std::size_t>(size))
        return;
    CopyPath(buffer + used, size - static_cast<int>(used), text);
}

std::string ShortcutFileName(const char* folder, const char* target) {
    std::string name = folder;
    while (!name.empty() && name.back() == '\\')
        name.pop_back();
    name += '\\';
    const char* lastSlash = std::strrchr(target, '\\');
    name += lastSlash ? lastSlash + 1 : target;
    name += ".lnk";
    return name;
}
