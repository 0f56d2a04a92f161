// The machine probe, the data directory in the registry, the desktop shortcut and the pages
// opened through the shell.
#include "shell/Environment.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/StringLists.h"
#include "support/AlertRecorder.h"

namespace {

// A made-up machine: the drive letters present, which of them are CD drives and which CD
// drives hold a disc.
DriveQueries Machine(std::string drives, std::string cds, std::string discs) {
    DriveQueries queries;
    queries.logicalDrives = [drives] {
        std::uint32_t mask = 0;
        for (char letter : drives)
            mask |= 1u << (letter - 'a');
        return mask;
    };
    queries.isCdDrive = [cds](const char* root) { return cds.find(root[0]) != std::string::npos; };
    queries.hasReadableDisc = [discs](const char* root) {
        return discs.find(root[0]) != std::string::npos;
    };
    return queries;
}

// The environment's globals as the test found them, put back after it; the install key is
// one of this test process, so that no test reads or writes the program's own.
class KeptEnvironment : public ::testing::Test {
  protected:
    void SetUp() override {
        std::memcpy(modulePath_, gModulePath, kPathSize);
        std::memcpy(programDir_, gProgramDir, kPathSize);
        std::memcpy(dataPath_, gDataPath, kPathSize);
        std::memcpy(cdRoot_, gCdRoot, kDriveRootSize);
        std::memcpy(secondCdRoot_, gSecondCdRoot, kDriveRootSize);
        flags_[0] = gCdFound;
        flags_[1] = gIsWin9x;
        flags_[2] = gIsWinNT;
        flags_[3] = gIsWin2000;
        flags_[4] = gIsWinXP;
        flags_[5] = gLanguageEnglish;
        std::snprintf(key_, sizeof key_, "SOFTWARE\\SchafkopfTests\\Install%lu",
                      GetCurrentProcessId());
        gInstallKey = key_;
        ResetAlertRecorder();
    }
    void TearDown() override {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, key_);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE,
                      "SOFTWARE\\SchafkopfTests"); // only when no other test uses it
        gInstallKey = kInstallKey;
        SetDriveQueries({});
        SetShellOpener({});
        std::memcpy(gModulePath, modulePath_, kPathSize);
        std::memcpy(gProgramDir, programDir_, kPathSize);
        std::memcpy(gDataPath, dataPath_, kPathSize);
        std::memcpy(gCdRoot, cdRoot_, kDriveRootSize);
        std::memcpy(gSecondCdRoot, secondCdRoot_, kDriveRootSize);
        gCdFound = flags_[0];
        gIsWin9x = flags_[1];
        gIsWinNT = flags_[2];
        gIsWin2000 = flags_[3];
        gIsWinXP = flags_[4];
        gLanguageEnglish = flags_[5];
    }
    char key_[128] = "";

  private:
    char modulePath_[kPathSize];
    char programDir_[kPathSize];
    char dataPath_[kPathSize];
    char cdRoot_[kDriveRootSize];
    char secondCdRoot_[kDriveRootSize];
    std::uint8_t flags_[6] = {};
};

using DriveProbe = KeptEnvironment;
using Shortcut = KeptEnvironment;
using RulesPage = KeptEnvironment;
using MovieCopy = KeptEnvironment;

// The registry key of this test process, holding the data directory (or nothing).
class InstallKey : public KeptEnvironment {
  protected:
    void SetUp() override {
        KeptEnvironment::SetUp();
        CopyPath(gProgramDir, kPathSize, "C:\\Games\\Schafkopf\\");
    }
    void Store(const char* value) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, kInstallValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(std::strlen(value) + 1));
        RegCloseKey(key);
    }
    std::string Stored() {
        char value[256] = "";
        DWORD size = sizeof value - 1;
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return "<none>";
        LONG status = RegQueryValueExA(key, kInstallValue, nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(value), &size);
        RegCloseKey(key);
        return status == ERROR_SUCCESS ? value : "<none>";
    }
};

std::string TempFolder(const char* name) {
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    std::string folder = std::string(path) + name + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

} // namespace

TEST_F(DriveProbe, FindsTheCdDrivesOfTheMachine) {
    struct Case {
        const char* drives;
        const char* cds;
        bool found;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {"ace", "e", true, "e:\\", "c:\\"},
        {"cef", "ef", true, "e:\\", "f:\\"},
        {"cz", "", false, "z:\\", "c:\\"}, // none: the first root keeps the last drive tried
    };
    for (const Case& c : cases) {
        SetDriveQueries(Machine(c.drives, c.cds, ""));
        char first[kDriveRootSize];
        char second[kDriveRootSize];
        EXPECT_EQ(FindCdDrives(first, second), c.found) << c.drives;
        EXPECT_STREQ(first, c.first) << c.drives;
        EXPECT_STREQ(second, c.second) << c.drives;
    }
}

TEST_F(DriveProbe, TakesTheCdDriveThatHoldsADisc) {
    SetDriveQueries(Machine("cef", "ef", "f"));
    ProbeEnvironment();
    EXPECT_EQ(gCdFound, 1);
    EXPECT_STREQ(gCdRoot, "f:\\");
    EXPECT_STREQ(gSecondCdRoot, "e:\\");
}

TEST_F(DriveProbe, WineHasNoCdAndTheProgramDirectoryEndsInABackslash) {
    ProbeEnvironment();
    EXPECT_EQ(gCdFound, 0);
    std::string directory = gProgramDir;
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '\\');
    EXPECT_EQ(std::string(gModulePath).rfind(directory, 0), 0u);
    EXPECT_EQ(gIsWinNT, 1);
}

TEST_F(InstallKey, WithoutAValueTheDataDirectoryIsTheProgramDirectory) {
    char path[kPathSize];
    ReadInstallPath(path);
    EXPECT_STREQ(path, "C:\\Games\\Schafkopf\\");
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(InstallKey, AValueNamingTheProgramDirectoryAsksNothing) {
    Store("c:\\Games\\Schafkopf"); // only the drive letter's case differs
    char path[kPathSize];
    ReadInstallPath(path);
    EXPECT_STREQ(path, "C:\\Games\\Schafkopf\\");
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(InstallKey, AnotherDirectoryIsKeptOnCancelAndReplacedOnOk) {
    Store("D:\\Data\\Cards");
    ScriptAlertAnswers({kAnswerCancel});
    char path[kPathSize];
    ReadInstallPath(path);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(RecordedAlerts()[0].text, "The installation path doesn't point to the folder "
                                        "containing the program.  Should I change it?");
    EXPECT_STREQ(path, "D:\\Data\\Cards\\");
    EXPECT_EQ(Stored(), "D:\\Data\\Cards");

    ScriptAlertAnswers({kAnswerOk});
    ReadInstallPath(path);
    EXPECT_STREQ(path, "C:\\Games\\Schafkopf\\");
    EXPECT_EQ(Stored(), "C:\\Games\\Schafkopf");
}

// Only the first letters are made upper-case before the comparison: a program started from
// a lower-case path is still found in a value written with an upper-case drive letter.
TEST_F(InstallKey, ALowerCaseProgramDirectoryMatchesByItsDriveLetter) {
    CopyPath(gProgramDir, kPathSize, "c:\\games\\schafkopf\\");
    Store("C:\\games\\schafkopf");
    char path[kPathSize];
    ReadInstallPath(path);
    EXPECT_STREQ(path, "C:\\games\\schafkopf\\");
    EXPECT_TRUE(RecordedAlerts().empty());

    Store("c:\\Games\\Schafkopf"); // another letter differs in case: another directory
    ReadInstallPath(path);
    EXPECT_EQ(RecordedAlerts().size(), 1u);
}

TEST_F(InstallKey, AnotherLetterCaseIsAnotherDirectory) {
    Store("C:\\games\\Schafkopf");
    char path[kPathSize];
    ReadInstallPath(path);
    EXPECT_EQ(RecordedAlerts().size(), 1u);
}

TEST_F(Shortcut, IsNamedAfterTheProgramFileWithItsExtension) {
    EXPECT_EQ(ShortcutFileName("C:\\Users\\me\\Desktop\\\\", "C:\\Games\\schafkopf.exe"),
              "C:\\Users\\me\\Desktop\\schafkopf.exe.lnk");
}

TEST_F(Shortcut, IsWrittenAndReadsBack) {
    std::string folder = TempFolder("shortcut");
    ShortcutRecord record;
    record.targetPath = "C:\\Games\\Schafkopf\\schafkopf.exe";
    record.workingDirectory = "C:\\Games\\Schafkopf\\";
    ASSERT_EQ(CreateShortcutFile(folder.c_str(), &record), 1);
    EXPECT_EQ(CreateShortcutFile(folder.c_str(), nullptr), -1);

    std::string file = folder + "\\schafkopf.exe.lnk";
    ASSERT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        IShellLinkA* link = nullptr;
        ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                               IID_IShellLinkA, reinterpret_cast<void**>(&link))));
        IPersistFile* persist = nullptr;
        link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist));
        wchar_t wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
        EXPECT_TRUE(SUCCEEDED(persist->Load(wide, STGM_READ)));
        char text[MAX_PATH] = "";
        link->GetWorkingDirectory(text, MAX_PATH);
        EXPECT_STREQ(text, "C:\\Games\\Schafkopf\\");
        link->GetPath(text, MAX_PATH, nullptr, 0);
        EXPECT_STREQ(text, "C:\\Games\\Schafkopf\\schafkopf.exe");
        persist->Release();
        link->Release();
    }
    CoUninitialize();
    DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(Shortcut, TheDesktopFolderComesFromTheSystem) {
    char path[kPathSize];
    GetDesktopFolder(path);
    DWORD attributes = GetFileAttributesA(path);
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << path;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(RulesPage, FallsBackToTheProgramDirectoryAndThenToTheWeb) {
    std::vector<std::string> opened;
    SetShellOpener([&](void*, const char* file) -> std::intptr_t {
        opened.push_back(file);
        return SE_ERR_FNF;
    });
    CopyPath(gProgramDir, kPathSize, "C:\\Games\\Schafkopf\\");
    gLanguageEnglish = 1;
    OpenRulesPage(nullptr, 1, 1);
    SetShellOpener({});
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], "Book.htm");
    EXPECT_EQ(opened[1], "C:\\Games\\Schafkopf\\Book.htm");
    EXPECT_NE(opened[2].find("Bookschaf.htm"), std::string::npos);
}

TEST_F(RulesPage, TheManualTriesBothFolders) {
    std::vector<std::string> opened;
    SetShellOpener([&](void*, const char* file) -> std::intptr_t {
        opened.push_back(file);
        return opened.size() == 2 ? 42 : SE_ERR_FNF;
    });
    gProgramDir[0] = '\0';
    gLanguageEnglish = 0;
    OpenRulesPage(nullptr, 1, 2);
    SetShellOpener({});
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], "content\\bestmac.htm");
    EXPECT_EQ(opened[1], "manual\\content\\bestmac.htm");
}

TEST_F(MovieCopy, WithoutACdSaysSoAndCopiesNothing) {
    ResetAlertRecorder();
    gCdFound = 0;
    EXPECT_FALSE(CopyMovieFolders());
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(RecordedAlerts()[0].text,
              "No CD drive with the program's film folder was found. Nothing has been copied.");
}
