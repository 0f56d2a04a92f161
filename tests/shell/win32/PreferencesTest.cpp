#include "shell/Preferences.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "shell/Edition.h"
#include "shell/Environment.h"
#include "shell/LayoutCheck.h"
#include "support/AlertRecorder.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Every test works in a folder of its own below the system's temporary folder.
class PreferencesTest : public testing::Test {
  protected:
    void SetUp() override {
        std::memcpy(savedDataPath, gDataPath, sizeof savedDataPath);
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "schafkopf-prefs-" + std::to_string(GetCurrentProcessId()) +
                 "-" + testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        std::snprintf(gDataPath, kPathSize, "%s", folder.c_str());
        path = folder + PreferencesFileName();
        ResetAlertRecorder();
    }

    void TearDown() override {
        ForgetLiveObjects();
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string file = folder + found.cFileName;
                SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(file.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
        std::memcpy(gDataPath, savedDataPath, sizeof savedDataPath);
        ResetAlertRecorder();
    }

    // As before a fresh start: no settings object, no option records.
    static void ForgetLiveObjects() {
        delete gSettings;
        gSettings = nullptr;
        DisposeHandle(gDoppelkopfOptions);
        DisposeHandle(gSchafkopfOptions);
        gDoppelkopfOptions = nullptr;
        gSchafkopfOptions = nullptr;
    }

    // The three live parts as they would be written.
    static Bytes LiveBytes() {
        Bytes bytes(kPreferencesSize);
        std::memcpy(bytes.data(), &gSettings->body, 3532);
        std::memcpy(bytes.data() + 3532, gDoppelkopfOptions, 1112);
        std::memcpy(bytes.data() + 4644, gSchafkopfOptions, 912);
        return bytes;
    }

    static Bytes ReadAll(const std::string& name) {
        Bytes bytes;
        if (FILE* file = std::fopen(name.c_str(), "rb")) {
            int c;
            while ((c = std::fgetc(file)) != EOF)
                bytes.push_back(static_cast<unsigned char>(c));
            std::fclose(file);
        }
        return bytes;
    }

    static void WriteAll(const std::string& name, const Bytes& bytes) {
        FILE* file = std::fopen(name.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    static bool Exists(const std::string& name) {
        return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // A full file made from the defaults with a few changed values.
    Bytes ChangedFile() {
        EXPECT_TRUE(ReadPreferences());
        std::snprintf(gSettings->body.playerNames[0], kPlayerNameSize, "Xaver");
        gSettings->body.cardDelay = 37;
        gSettings->body.cashDimes = 12345;
        DoppelkopfOptionsRecord()->playerTimes[2].choiceReference = 1800;
        SchafkopfOptionsRecord()->baseStake = 20;
        Bytes bytes = LiveBytes();
        ForgetLiveObjects();
        return bytes;
    }

    static std::int16_t AlertId(std::size_t i) {
        // The recorded texts are compared with the string table's own entries.
        char text[256];
        for (std::int16_t id : {1253, 1254, 1257}) {
            LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
            const std::string prefix(text, std::strcspn(text, "^"));
            if (RecordedAlerts()[i].text.rfind(prefix, 0) == 0)
                return id;
        }
        return 0;
    }

    char savedDataPath[kPathSize] = "";
    std::string folder;
    std::string path;
};

TEST_F(PreferencesTest, MissingFileIsCreatedAndGivesTheDefaults) {
    ASSERT_TRUE(ReadPreferences());
    EXPECT_TRUE(Exists(path));
    EXPECT_EQ(ReadAll(path).size(), 0u);
    EXPECT_STREQ(gSettings->body.playerNames[0], kDefaultOwnName);
    EXPECT_EQ(gSettings->body.version, 107);
    EXPECT_EQ(DoppelkopfOptionsRecord()->announceDelay, 20);
    EXPECT_TRUE(RecordedAlerts().empty());

    // The next write fills it with the three parts.
    ASSERT_TRUE(WritePreferences());
    EXPECT_EQ(ReadAll(path), LiveBytes());
}

TEST_F(PreferencesTest, WrittenFileReadsBackByteForByte) {
    const Bytes written = ChangedFile();
    WriteAll(path, written);
    ASSERT_TRUE(ReadPreferences());
    EXPECT_EQ(LiveBytes(), written);
    EXPECT_STREQ(gSettings->body.playerNames[0], "Xaver");
    ASSERT_TRUE(WritePreferences());
    EXPECT_EQ(ReadAll(path), written);
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(PreferencesTest, BytesAfterTheRecordsAreIgnoredAndKept) {
    Bytes file = ChangedFile();
    const Bytes tail = {'t', 'a', 'i', 'l', 0, 1, 2, 3};
    file.insert(file.end(), tail.begin(), tail.end());
    WriteAll(path, file);
    ASSERT_TRUE(ReadPreferences());
    EXPECT_EQ(gSettings->body.cardDelay, 37);
    gSettings->body.cardDelay = 12;
    ASSERT_TRUE(WritePreferences());
    const Bytes after = ReadAll(path);
    ASSERT_EQ(after.size(), file.size());
    EXPECT_EQ(Bytes(after.end() - tail.size(), after.end()), tail);
    EXPECT_EQ(ReadLittleEndian(&after[1706], 2), 12);
}

TEST_F(PreferencesTest, ShortFilesAreKeptAsideAndTheDefaultsGoOn) {
    // Only the body, a body cut short, and the records cut short: each is damaged.
    const Bytes full = ChangedFile();
    for (std::size_t length : {std::size_t{3532}, std::size_t{100}, kPreferencesSize - 1}) {
        SCOPED_TRACE(length);
        ResetAlertRecorder();
        const Bytes damaged(full.begin(), full.begin() + length);
        WriteAll(path, damaged);
        ASSERT_TRUE(ReadPreferences());

        // The player is told where the file went, and it is there whole.
        ASSERT_EQ(RecordedAlerts().size(), 1u);
        EXPECT_EQ(AlertId(0), 1257);
        const std::string kept = path + ".bad";
        EXPECT_NE(RecordedAlerts()[0].text.find(kept), std::string::npos);
        EXPECT_EQ(ReadAll(kept), damaged);

        // Nothing of the damaged file is in force.
        EXPECT_EQ(gSettings->body.cardDelay, 10);
        EXPECT_STREQ(gSettings->body.playerNames[0], kDefaultOwnName);
        EXPECT_EQ(SchafkopfOptionsRecord()->baseStake, 10);

        // The defaults are written at the next write; an earlier kept file is never replaced.
        ASSERT_TRUE(WritePreferences());
        EXPECT_EQ(ReadAll(path), LiveBytes());
        ForgetLiveObjects();
        ASSERT_TRUE(DeleteFileA(kept.c_str()));
    }
}

TEST_F(PreferencesTest, SecondDamagedFileGetsANameOfItsOwn) {
    const Bytes damaged(100, 7);
    WriteAll(path + ".bad", Bytes(50, 1));
    WriteAll(path, damaged);
    ASSERT_TRUE(ReadPreferences());
    EXPECT_EQ(ReadAll(path + ".bad"), Bytes(50, 1));
    EXPECT_EQ(ReadAll(path + ".bad2"), damaged);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_NE(RecordedAlerts()[0].text.find(path + ".bad2"), std::string::npos);
}

TEST_F(PreferencesTest, FirstVoiceBelowOneBecomesOneAndIsWrittenAtOnce) {
    Bytes file = ChangedFile();
    std::memset(&file[1716], 0, 4);
    WriteAll(path, file);
    ASSERT_TRUE(ReadPreferences());
    EXPECT_EQ(gSettings->body.playerVoices[0], 1);
    const Bytes after = ReadAll(path);
    ASSERT_EQ(after.size(), kPreferencesSize);
    EXPECT_EQ(ReadLittleEndian(&after[1716], 4), 1);
}

// The system refuses to open the file for writing (as for a read-only file); reading it still
// works.
PreferencesFileOpener RefuseWriting(std::uint32_t refusal) {
    return [refusal](const char* name, bool write, std::uint32_t* error) -> void* {
        if (write) {
            *error = refusal;
            return nullptr;
        }
        HANDLE file =
            CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        *error = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
        return file == INVALID_HANDLE_VALUE ? nullptr : file;
    };
}

TEST_F(PreferencesTest, ReadOnlyFileIsReadAndTheWriteFailsQuietly) {
    const Bytes file = ChangedFile();
    WriteAll(path, file);
    SetPreferencesFileOpener(RefuseWriting(ERROR_ACCESS_DENIED));
    const bool read = ReadPreferences();
    const bool written = WritePreferences();
    SetPreferencesFileOpener(nullptr);
    ASSERT_TRUE(read);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(AlertId(0), 1253);
    EXPECT_EQ(gSettings->body.cardDelay, 37);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadAll(path), file);
    EXPECT_EQ(RecordedAlerts().size(), 1u);
}

TEST_F(PreferencesTest, FileThatCannotBeOpenedEndsTheStart) {
    // A folder in the file's place can be opened neither for writing nor for reading.
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    EXPECT_FALSE(ReadPreferences());
    RemoveDirectoryA(path.c_str());
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(AlertId(0), 1254);
}

TEST_F(PreferencesTest, OtherRefusalsEndTheStart) {
    WriteAll(path, ChangedFile());
    // The system's own error text is shown, not one of the program's alerts.
    SetPreferencesFileOpener(RefuseWriting(ERROR_SHARING_VIOLATION));
    const bool read = ReadPreferences();
    SetPreferencesFileOpener(nullptr);
    EXPECT_FALSE(read);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(RecordedAlerts()[0].caption, "GetLastError");
}

} // namespace
