#include "platform/FileStream.h"

#include <windows.h>

#include <cstring>

#include "platform/Alerts.h"

static_assert(kGenericRead == GENERIC_READ && kGenericWrite == GENERIC_WRITE);

namespace {

// Opening with permission 2 never truncates an existing file.
constexpr std::int16_t kKeepExisting = 2;

HANDLE AsHandle(void* file) {
    return static_cast<HANDLE>(file);
}

bool IsValidFile(void* file) {
    return file != nullptr && file != kInvalidFileHandle;
}

std::uint32_t Count(std::int32_t count) {
    return count > 0 ? static_cast<std::uint32_t>(count) : 0;
}

} // namespace

void* CreateFileHandle(const char* path, std::uint32_t access, std::uint32_t shareMode,
                       void* security, std::uint32_t creation, std::uint32_t flags,
                       void* templateFile) {
    return CreateFileA(path, access, shareMode, static_cast<LPSECURITY_ATTRIBUTES>(security),
                       creation, flags, AsHandle(templateFile));
}

bool ReadFileHandle(void* file, void* buffer, std::uint32_t count, std::uint32_t* actual,
                    void* overlapped) {
    DWORD moved = 0;
    BOOL ok =
        ReadFile(AsHandle(file), buffer, count, &moved, static_cast<LPOVERLAPPED>(overlapped));
    *actual = moved;
    return ok != FALSE;
}

bool WriteFileHandle(void* file, const void* buffer, std::uint32_t count, std::uint32_t* actual,
                     void* overlapped) {
    DWORD moved = 0;
    BOOL ok =
        WriteFile(AsHandle(file), buffer, count, &moved, static_cast<LPOVERLAPPED>(overlapped));
    *actual = moved;
    return ok != FALSE;
}

bool DeleteFileByName(const char* path) {
    return DeleteFileA(path) != FALSE;
}

// Every field starts cleared: a stream used before it was opened takes the "File not open"
// path instead of reading whatever lay in memory.
FileStream::FileStream()
    : path{}, fileHandle(nullptr), lastOperation(0), lastError(0), openMode(kOpenModeNone),
      isOpen(0) {}

FileStream::~FileStream() {
    ReleaseFile();
}

// A file still open would stay locked against every later opening of its path.
void FileStream::ReleaseFile() {
    if (IsValidFile(fileHandle)) {
        CloseHandle(AsHandle(fileHandle));
    }
    fileHandle = nullptr;
}

std::int32_t FileStream::ReturnZero() {
    return 0;
}

void FileStream::OpenFile(const char* path, std::uint32_t access) {
    Open(path, 0, access);
}

void FileStream::OpenExistingFile(const char* path, std::uint32_t access) {
    Open(path, kKeepExisting, access);
}

void FileStream::OpenForReading(const char* path, std::int16_t permission, std::int32_t) {
    Open(path, permission, kGenericRead);
}

void FileStream::Open(const char* path, std::int16_t permission, std::uint32_t access,
                      std::int32_t) {
    ReleaseFile();
    // A path cut to fit would name another file: a path too long is kept as none at all,
    // so that neither this opening nor OpenFork, Create or Delete reach a wrong file.
    if (std::strlen(path) >= sizeof this->path) {
        this->path[0] = '\0';
    } else if (path != this->path) {
        std::strcpy(this->path, path);
    }
    lastOperation = 0;
    lastError = 0;
    openMode = kOpenModeNone;
    DWORD creation =
        (access == kGenericWrite && permission != kKeepExisting) ? CREATE_ALWAYS : OPEN_EXISTING;
    fileHandle = CreateFileHandle(this->path, access, FILE_SHARE_READ, nullptr, creation,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    isOpen = IsValidFile(fileHandle) ? 1 : 0;
    if (isOpen == 0) {
        Close();
        return;
    }
    openMode = access == kGenericWrite ? kOpenModeWrite : kOpenModeRead;
}

void FileStream::Create(std::uint32_t, std::uint32_t) {
    // Without a mode the new file is opened for both, which serves either use.
    std::uint32_t access = openMode == kOpenModeRead    ? kGenericRead
                           : openMode == kOpenModeWrite ? kGenericWrite
                                                        : (kGenericRead | kGenericWrite);
    ReleaseFile();
    fileHandle =
        CreateFileHandle(path, access, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    SetResult(FileResultCode::kCreate, IsValidFile(fileHandle) ? 0 : FileResultCode::kOpenFailed);
}

void FileStream::BeepUnsupported(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
    SysBeep(1);
}

void FileStream::Delete() {
    SetResult(FileResultCode::kDelete, DeleteFileByName(path) ? 0 : FileResultCode::kDeleteFailed);
}

void FileStream::SetResult(std::uint8_t operation, std::int16_t error) {
    lastOperation = operation;
    lastError = error;
}

FileStream* FileStream::SetFileType(std::uint32_t) {
    return this;
}

FileStream* FileStream::SetFileCreator(std::uint32_t) {
    return this;
}

FileStream* FileStream::ReturnSelf() {
    return this;
}

void FileStream::OpenFork(std::uint8_t fork, std::uint8_t mode) {
    if (openMode != kOpenModeNone) {
        return;
    }
    openMode = mode;
    if (std::strstr(path, ".dll") != nullptr) {
        return;
    }
    if (fork == 2) {
        SetResult(FileResultCode::kOpen, FileResultCode::kNoResourceFork);
        return;
    }
    ReleaseFile();
    fileHandle = CreateFileHandle(path, mode == kOpenModeRead ? kGenericRead : kGenericWrite, 0,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    SetResult(FileResultCode::kOpen, IsValidFile(fileHandle) ? 0 : FileResultCode::kOpenFailed);
}

// With no valid file (a failed Open) there is nothing to close: that is recorded as a
// failed close, without handing the system a handle that is none.
void FileStream::Close() {
    bool closed = IsValidFile(fileHandle) && CloseHandle(AsHandle(fileHandle)) != FALSE;
    SetResult(FileResultCode::kClose, closed ? 0 : FileResultCode::kCloseFailed);
    fileHandle = nullptr;
}

FileStream* FileStream::ReturnSelf(std::int32_t) {
    return this;
}

FileStream* FileStream::SelectResourceFile() {
    return this;
}

FileStream* FileStream::RestoreResourceFile() {
    return this;
}

// A read or write on a stream that was never opened is a programming error: it is shown,
// and the operation then goes on to fail on its own.
void FileStream::CheckOpen() {
    if (openMode == kOpenModeNone) {
        StopAlert(192, 4, "File not open");
    }
}

bool FileStream::ReadRaw(void* buffer, std::int32_t count, std::int32_t* actual) {
    CheckOpen();
    std::uint32_t moved = 0;
    bool ok = count >= 0 && ReadFileHandle(fileHandle, buffer, Count(count), &moved, nullptr);
    if (actual != nullptr) {
        *actual = static_cast<std::int32_t>(moved);
    }
    return ok;
}

void FileStream::Read(void* buffer, std::int32_t count, std::int32_t* actual) {
    bool ok = ReadRaw(buffer, count, actual);
    SetResult(FileResultCode::kRead, ok ? 0 : FileResultCode::kReadFailed);
}

void FileStream::ReadExact(void* buffer, std::int32_t count) {
    std::int32_t actual = 0;
    Read(buffer, count, &actual);
    if (lastError == 0 && actual < count) {
        lastError = FileResultCode::kReadShort;
    }
}

void FileStream::ReadAt(std::int32_t position, void* buffer, std::int32_t count,
                        std::int32_t* actual) {
    Seek(0, position);
    Read(buffer, count, actual);
}

void FileStream::ReadExactAt(std::int32_t position, void* buffer, std::int32_t count) {
    Seek(0, position);
    ReadExact(buffer, count);
}

void FileStream::Write(const void* buffer, std::int32_t count, std::int32_t* actual) {
    CheckOpen();
    std::uint32_t moved = 0;
    bool ok = count >= 0 && WriteFileHandle(fileHandle, buffer, Count(count), &moved, nullptr);
    if (actual != nullptr) {
        *actual = static_cast<std::int32_t>(moved);
    }
    SetResult(FileResultCode::kWrite, ok ? 0 : FileResultCode::kWriteFailed);
}

void FileStream::WriteExact(const void* buffer, std::int32_t count) {
    std::int32_t actual = 0;
    Write(buffer, count, &actual);
    if (lastError == 0 && actual < count) {
        lastError = FileResultCode::kWriteShort;
    }
}

void FileStream::WriteAt(std::int32_t position, const void* buffer, std::int32_t count,
                         std::int32_t* actual) {
    Seek(0, position);
    Write(buffer, count, actual);
}

void FileStream::WriteExactAt(std::int32_t position, const void* buffer, std::int32_t count) {
    Seek(0, position);
    WriteExact(buffer, count);
}

void FileStream::SetEndAt(std::int32_t position) {
    Seek(0, position);
    bool ok = SetEndOfFile(AsHandle(fileHandle)) != FALSE;
    SetResult(FileResultCode::kSetEnd, ok ? 0 : FileResultCode::kSetEndFailed);
}

std::int32_t FileStream::ReturnMinusOne() {
    return -1;
}

std::uint32_t FileStream::Seek(std::int16_t method, std::int32_t distance) {
    return SetFilePointer(AsHandle(fileHandle), distance, nullptr, static_cast<DWORD>(method));
}

bool FileStream::WriteHandle(Handle handle) {
    std::int32_t length = handle != nullptr ? GetHandleSize(handle) : 0;
    // The length goes out little-endian whatever the stream's swap setting.
    const unsigned char lengthBytes[4] = {
        static_cast<unsigned char>(length), static_cast<unsigned char>(length >> 8),
        static_cast<unsigned char>(length >> 16), static_cast<unsigned char>(length >> 24)};
    std::int32_t actual = 0;
    Write(lengthBytes, 4, &actual);
    if (actual < 4) {
        return false;
    }
    if (length == 0) {
        return true;
    }
    Write(handle, length, &actual);
    return actual == length;
}

std::uint32_t FileStream::BytesLeft() {
    DWORD position = SetFilePointer(AsHandle(fileHandle), 0, nullptr, FILE_CURRENT);
    DWORD size = GetFileSize(AsHandle(fileHandle), nullptr);
    if (position == INVALID_SET_FILE_POINTER || size == INVALID_FILE_SIZE || size < position) {
        return 0;
    }
    return size - position;
}

bool FileStream::ReadHandle(Handle* handle) {
    unsigned char lengthBytes[4] = {};
    std::int32_t actual = 0;
    Read(lengthBytes, 4, &actual);
    if (actual < 4) {
        SysBeep(1);
        return false;
    }
    std::int32_t length =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(lengthBytes[0]) |
                                  static_cast<std::uint32_t>(lengthBytes[1]) << 8 |
                                  static_cast<std::uint32_t>(lengthBytes[2]) << 16 |
                                  static_cast<std::uint32_t>(lengthBytes[3]) << 24);
    if (length == 0) {
        DisposeHandle(*handle);
        *handle = nullptr;
        return true;
    }
    // A damaged file must not make us allocate what it cannot hold.
    if (length < 0 || static_cast<std::uint32_t>(length) > BytesLeft()) {
        SysBeep(1);
        return false;
    }
    if (*handle != nullptr) {
        Handle resized = SetHandleSize(*handle, length);
        if (resized == nullptr) {
            DisposeHandle(*handle);
            resized = NewHandle(length);
        }
        *handle = resized;
    } else {
        *handle = NewHandle(length);
    }
    if (*handle == nullptr) {
        return false;
    }
    Read(*handle, length, &actual);
    return actual == length;
}
