// File streams on real files in the temporary folder: opening rules, recorded results,
// exact and positioned reads and writes, and handles on file, damaged ones included.
#include "platform/FileStream.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/Alerts.h"
#include "support/AlertRecorder.h"

namespace {

class FileStreams : public testing::Test {
  protected:
    void SetUp() override {
        char folder[MAX_PATH];
        GetTempPathA(sizeof folder, folder);
        path = std::string(folder) + "schafkopf-stream-" + std::to_string(GetCurrentProcessId()) +
               "-" + testing::UnitTest::GetInstance()->current_test_info()->name() + ".dat";
        DeleteFileA(path.c_str());
        ResetAlertRecorder();
    }
    void TearDown() override { DeleteFileA(path.c_str()); }

    void WriteFileBytes(const std::string& bytes) {
        FileStream stream;
        stream.OpenFile(path.c_str(), kGenericWrite);
        stream.WriteExact(bytes.data(), static_cast<std::int32_t>(bytes.size()));
        ASSERT_EQ(stream.lastError, 0);
        stream.Close();
    }

    std::string FileBytes() {
        FileStream stream;
        stream.OpenForReading(path.c_str(), 0);
        char buffer[1024];
        std::int32_t actual = 0;
        stream.Read(buffer, sizeof buffer, &actual);
        stream.Close();
        return std::string(buffer, static_cast<std::size_t>(actual));
    }

    static void ExpectResult(const FileStream& stream, std::uint8_t operation, std::int16_t error) {
        EXPECT_EQ(stream.lastOperation, operation);
        EXPECT_EQ(stream.lastError, error);
    }

    std::string path;
};

// Records its closes, to show that a failed Open closes through the operation table.
class CountingStream : public FileStream {
  public:
    void Close() override {
        ++closes;
        FileStream::Close();
    }
    int closes = 0;
};

} // namespace

TEST_F(FileStreams, ANewStreamIsClosedWithEveryFieldCleared) {
    FileStream stream;
    EXPECT_EQ(stream.path[0], '\0');
    EXPECT_EQ(stream.fileHandle, nullptr);
    ExpectResult(stream, 0, 0);
    EXPECT_EQ(stream.openMode, kOpenModeNone);
    EXPECT_EQ(stream.isOpen, 0);
}

TEST_F(FileStreams, OpenFileTruncatesAndOpenExistingFileKeepsTheBytes) {
    WriteFileBytes("0123456789");
    {
        FileStream stream;
        stream.OpenExistingFile(path.c_str(), kGenericWrite);
        ASSERT_EQ(stream.isOpen, 1);
        EXPECT_EQ(stream.openMode, kOpenModeWrite);
        stream.WriteExact("ab", 2);
        stream.Close();
        ExpectResult(stream, FileResultCode::kClose, 0);
        EXPECT_EQ(stream.fileHandle, nullptr);
        EXPECT_EQ(stream.isOpen, 1); // left for subclasses to clear
    }
    EXPECT_EQ(FileBytes(), "ab23456789");
    {
        FileStream stream;
        stream.OpenFile(path.c_str(), kGenericWrite);
        ASSERT_EQ(stream.isOpen, 1);
        stream.WriteExact("new", 3);
    } // the destructor closes a file left open
    EXPECT_EQ(FileBytes(), "new");

    // Read and write access together never creates or truncates.
    FileStream stream;
    stream.OpenFile(path.c_str(), kGenericRead | kGenericWrite);
    ASSERT_EQ(stream.isOpen, 1);
    EXPECT_EQ(stream.openMode, kOpenModeRead);
    stream.Close();
    EXPECT_EQ(FileBytes(), "new");
}

TEST_F(FileStreams, OpeningAMissingFileFailsThroughTheStreamsOwnClose) {
    CountingStream stream;
    stream.OpenForReading(path.c_str(), 0);
    EXPECT_EQ(stream.isOpen, 0);
    EXPECT_EQ(stream.openMode, kOpenModeNone);
    EXPECT_EQ(stream.closes, 1);
    ExpectResult(stream, FileResultCode::kClose, FileResultCode::kCloseFailed);
    EXPECT_STREQ(stream.path, path.c_str());
}

TEST_F(FileStreams, OpenForkCreatesAfterAFailedOpenAndOtherwiseChangesNothing) {
    FileStream stream;
    stream.OpenExistingFile(path.c_str(), kGenericWrite);
    ASSERT_EQ(stream.isOpen, 0);
    stream.OpenFork(0, kOpenModeWrite);
    ExpectResult(stream, FileResultCode::kOpen, 0);
    EXPECT_EQ(stream.openMode, kOpenModeWrite);
    stream.WriteExact("fork", 4);
    EXPECT_EQ(stream.lastError, 0);
    stream.Close();
    EXPECT_EQ(FileBytes(), "fork");

    FileStream opened;
    opened.OpenForReading(path.c_str(), 0);
    void* handle = opened.fileHandle;
    opened.OpenFork(0, kOpenModeWrite);
    EXPECT_EQ(opened.openMode, kOpenModeRead);
    EXPECT_EQ(opened.fileHandle, handle);
    ExpectResult(opened, 0, 0);
    opened.OpenFork(2, kOpenModeRead); // the library loaders' call: no effect when open
    ExpectResult(opened, 0, 0);
}

TEST_F(FileStreams, OpenForkHasNoResourceForkAndLeavesLibrariesAlone) {
    FileStream stream;
    stream.OpenForReading(path.c_str(), 0);
    stream.OpenFork(2, kOpenModeRead);
    ExpectResult(stream, FileResultCode::kOpen, FileResultCode::kNoResourceFork);

    FileStream library;
    const std::string dll = path + ".dll";
    library.OpenForReading(dll.c_str(), 0);
    library.OpenFork(0, kOpenModeWrite);
    EXPECT_EQ(library.openMode, kOpenModeWrite);
    ExpectResult(library, FileResultCode::kClose, FileResultCode::kCloseFailed);
    EXPECT_EQ(GetFileAttributesA(dll.c_str()), INVALID_FILE_ATTRIBUTES); // nothing created
}

TEST_F(FileStreams, APathTooLongForTheStreamOpensNothing) {
    const std::string longPath = path + std::string(300 - path.size(), 'x');
    const std::string cut = longPath.substr(0, 255); // what a cut copy would name
    FileStream stream;
    stream.OpenFile(longPath.c_str(), kGenericWrite);
    EXPECT_EQ(stream.isOpen, 0);
    stream.OpenFork(0, kOpenModeWrite);
    ExpectResult(stream, FileResultCode::kOpen, FileResultCode::kOpenFailed);
    EXPECT_EQ(GetFileAttributesA(cut.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileStreams, ExactReadsRecordShortReadsAndFailures) {
    WriteFileBytes("abcdef");
    FileStream stream;
    stream.OpenForReading(path.c_str(), 0);
    char buffer[16] = {};
    stream.ReadExactAt(2, buffer, 3);
    ExpectResult(stream, FileResultCode::kRead, 0);
    EXPECT_STREQ(buffer, "cde");
    stream.ReadExact(buffer, 3);
    ExpectResult(stream, FileResultCode::kRead, FileResultCode::kReadShort);
    std::int32_t actual = -1;
    stream.ReadAt(0, buffer, 16, &actual);
    ExpectResult(stream, FileResultCode::kRead, 0);
    EXPECT_EQ(actual, 6);
    EXPECT_EQ(stream.Seek(2, -1), 5u);
    EXPECT_EQ(stream.Seek(1, -2), 3u);
    EXPECT_TRUE(stream.ReadRaw(buffer, 1, &actual));
    EXPECT_EQ(buffer[0], 'd');
    stream.Close();

    FileStream writer;
    writer.OpenExistingFile(path.c_str(), kGenericWrite);
    writer.ReadExact(buffer, 1); // a file opened for writing only cannot be read
    ExpectResult(writer, FileResultCode::kRead, FileResultCode::kReadFailed);
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(FileStreams, WritesAtPositionsAndTheEndOfTheFile) {
    FileStream stream;
    stream.OpenFile(path.c_str(), kGenericWrite);
    stream.WriteExactAt(0, "0123456789", 10);
    std::int32_t actual = 0;
    stream.WriteAt(4, "xy", 2, &actual);
    ExpectResult(stream, FileResultCode::kWrite, 0);
    EXPECT_EQ(actual, 2);
    stream.SetEndAt(8);
    ExpectResult(stream, FileResultCode::kSetEnd, 0);
    EXPECT_EQ(stream.Seek(2, 0), 8u);
    stream.Close();
    EXPECT_EQ(FileBytes(), "0123xy67");

    FileStream reader;
    reader.OpenForReading(path.c_str(), 0);
    reader.WriteExact("z", 1);
    ExpectResult(reader, FileResultCode::kWrite, FileResultCode::kWriteFailed);
}

TEST_F(FileStreams, CreateAndDeleteRecordTheirResults) {
    WriteFileBytes("old contents");
    FileStream stream;
    stream.OpenExistingFile(path.c_str(), kGenericWrite);
    stream.Create(0x534B7066u, 0x54455854u);
    ExpectResult(stream, FileResultCode::kCreate, 0);
    stream.WriteExact("fresh", 5);
    stream.Close();
    EXPECT_EQ(FileBytes(), "fresh");

    stream.Delete();
    ExpectResult(stream, FileResultCode::kDelete, 0);
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    stream.Delete();
    ExpectResult(stream, FileResultCode::kDelete, FileResultCode::kDeleteFailed);
}

TEST_F(FileStreams, AStreamNeverOpenedSaysSoAndFails) {
    FileStream stream;
    char buffer[4];
    std::int32_t actual = -1;
    stream.Read(buffer, 4, &actual);
    ExpectResult(stream, FileResultCode::kRead, FileResultCode::kReadFailed);
    EXPECT_EQ(actual, 0);
    stream.Write("abcd", 4, &actual);
    ExpectResult(stream, FileResultCode::kWrite, FileResultCode::kWriteFailed);
    ASSERT_EQ(RecordedAlerts().size(), 2u);
    for (const AlertBox& box : RecordedAlerts()) {
        EXPECT_EQ(box.caption, "Stop");
        EXPECT_EQ(box.text, "Programming error: File not open");
    }
}

TEST_F(FileStreams, NoOperationsAnswerTheirFixedValues) {
    FileStream stream;
    EXPECT_EQ(stream.ReturnZero(), 0);
    EXPECT_EQ(stream.ReturnMinusOne(), -1);
    EXPECT_EQ(stream.ReturnSelf(), &stream);
    EXPECT_EQ(stream.ReturnSelf(7), &stream);
    EXPECT_EQ(stream.SetFileType(0x54455854u), &stream);
    EXPECT_EQ(stream.SetFileCreator(0x534B7066u), &stream);
    EXPECT_EQ(stream.SelectResourceFile(), &stream);
    EXPECT_EQ(stream.RestoreResourceFile(), &stream);
    const std::uint32_t beeps = SysBeepCount();
    stream.BeepUnsupported(1, 2, 3, 4);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    ExpectResult(stream, 0, 0);
}

TEST_F(FileStreams, WriteHandleWritesTheLengthLittleEndianAndTheBytes) {
    Handle three = NewHandle(3);
    std::memcpy(three, "\x01\x02\x03", 3);
    FileStream stream;
    stream.OpenFile(path.c_str(), kGenericWrite);
    EXPECT_TRUE(stream.WriteHandle(nullptr));
    EXPECT_TRUE(stream.WriteHandle(three));
    stream.Close();
    EXPECT_EQ(FileBytes(), std::string("\0\0\0\0\3\0\0\0\1\2\3", 11));
    DisposeHandle(three);
}

TEST_F(FileStreams, ReadHandleMakesResizesAndDisposesHandles) {
    WriteFileBytes(std::string("\3\0\0\0abc\0\0\0\0\5\0\0\0vwxyz", 20));
    FileStream stream;
    stream.OpenForReading(path.c_str(), 0);

    Handle handle = nullptr;
    ASSERT_TRUE(stream.ReadHandle(&handle));
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(GetHandleSize(handle), 3);
    EXPECT_EQ(std::memcmp(handle, "abc", 3), 0);

    EXPECT_TRUE(stream.ReadHandle(&handle)); // length 0
    EXPECT_EQ(handle, nullptr);

    Handle old = NewHandle(1);
    handle = old;
    ASSERT_TRUE(stream.ReadHandle(&handle));
    EXPECT_EQ(GetHandleSize(handle), 5);
    EXPECT_EQ(std::memcmp(handle, "vwxyz", 5), 0);

    const std::uint32_t beeps = SysBeepCount();
    Handle kept = handle;
    EXPECT_FALSE(stream.ReadHandle(&handle)); // the end of the file: no length
    EXPECT_EQ(handle, kept);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    DisposeHandle(handle);
}

TEST_F(FileStreams, ReadHandleTrustsNoLengthFromADamagedFile) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    for (const Case& c : {
             Case{"negative", std::string("\xFF\xFF\xFF\xFF"
                                          "abcd",
                                          8)},
             Case{"beyond the end", std::string("\x05\0\0\0abcd", 8)},
             Case{"huge", std::string("\xFF\xFF\xFF\x7F"
                                      "abcd",
                                      8)},
             Case{"cut length", std::string("\x02\0", 2)},
         }) {
        WriteFileBytes(c.bytes);
        FileStream stream;
        stream.OpenForReading(path.c_str(), 0);
        Handle handle = NewHandle(2);
        std::memcpy(handle, "ok", 2);
        Handle before = handle;
        EXPECT_FALSE(stream.ReadHandle(&handle)) << c.name;
        EXPECT_EQ(handle, before) << c.name;
        EXPECT_EQ(GetHandleSize(handle), 2) << c.name;
        EXPECT_EQ(std::memcmp(handle, "ok", 2), 0) << c.name;
        DisposeHandle(handle);
    }
}

TEST_F(FileStreams, ReadHandleWithoutMemoryLeavesNoDisposedHandleBehind) {
    WriteFileBytes(std::string("\4\0\0\0abcd", 8));
    FileStream stream;
    stream.OpenForReading(path.c_str(), 0);
    Handle handle = NewHandle(1);
    Handle old = handle;
    FailNextAllocations(2); // the resize and the new handle both fail
    EXPECT_FALSE(stream.ReadHandle(&handle));
    EXPECT_EQ(handle, nullptr);
    for (int i = 0; i < gHandleCount; ++i) {
        EXPECT_NE(gHandlePointers[i], old); // the old block went back to the system
    }
}
