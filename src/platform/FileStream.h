// The program's file object (Windows builds): one open file reached by a stored path. Every
// operation records its operation code and error (FileResultCode) in the object instead of
// throwing; callers test lastError (IsNoErr) right after the operation they care about.
// The operations of a classic desktop file manager that have no meaning here (file type and
// creator, resource forks) remain as operations without effect.
#pragma once

#include <cstdint>

#include "platform/Handles.h"
#include "platform/RootObject.h"

namespace FileResultCode {
// Operations.
inline constexpr std::uint8_t kOpen = 1; // OpenFork
inline constexpr std::uint8_t kClose = 2;
inline constexpr std::uint8_t kCreate = 3;
inline constexpr std::uint8_t kDelete = 4;
inline constexpr std::uint8_t kRead = 7;
inline constexpr std::uint8_t kWrite = 8;
inline constexpr std::uint8_t kSetEnd = 9;
// Errors.
inline constexpr std::int16_t kOpenFailed = -2; // Create, OpenFork
inline constexpr std::int16_t kCloseFailed = -3;
inline constexpr std::int16_t kNoResourceFork = -4;
inline constexpr std::int16_t kReadFailed = -5;
inline constexpr std::int16_t kWriteFailed = -6;
inline constexpr std::int16_t kSetEndFailed = -7;
inline constexpr std::int16_t kDeleteFailed = -8;
inline constexpr std::int16_t kReadShort = -1100;  // ReadExact: fewer bytes came, no error
inline constexpr std::int16_t kWriteShort = -1101; // WriteExact: fewer bytes went, no error
} // namespace FileResultCode

// Access masks (GENERIC_READ, GENERIC_WRITE) and the system's invalid file handle.
inline constexpr std::uint32_t kGenericRead = 0x80000000u;
inline constexpr std::uint32_t kGenericWrite = 0x40000000u;
inline void* const kInvalidFileHandle = reinterpret_cast<void*>(static_cast<std::intptr_t>(-1));

// Open modes.
inline constexpr std::uint8_t kOpenModeNone = 0;
inline constexpr std::uint8_t kOpenModeRead = 1;
inline constexpr std::uint8_t kOpenModeWrite = 2;

class FileStream : public RootObject {
  public:
    FileStream();
    ~FileStream() override; // closes a file still open

    virtual std::int32_t ReturnZero();
    // Open(path, 0, access): write access alone creates or truncates the file.
    virtual void OpenFile(const char* path, std::uint32_t access);
    // Open(path, 2, access): the file must exist and is never truncated.
    virtual void OpenExistingFile(const char* path, std::uint32_t access);
    virtual void OpenForReading(const char* path, std::int16_t permission, std::int32_t unused = 0);
    // Stores path and clears the result and the mode, then opens the file, shared for
    // reading: created or truncated when access is exactly kGenericWrite and permission is not
    // 2, else an existing file only. On failure the Close of this object runs and isOpen is
    // clear.
    virtual void Open(const char* path, std::int16_t permission, std::uint32_t access,
                      std::int32_t unused = 0);
    // Creates the stored path anew (unshared), for reading or writing as openMode says.
    virtual void Create(std::uint32_t creator, std::uint32_t type);
    virtual void BeepUnsupported(std::int32_t, std::int32_t, std::int32_t, std::int32_t);
    virtual void Delete();
    virtual void SetResult(std::uint8_t operation, std::int16_t error);
    virtual FileStream* SetFileType(std::uint32_t type);
    virtual FileStream* SetFileCreator(std::uint32_t creator);
    virtual FileStream* ReturnSelf();
    // The second opening step: only on a stream with no open mode (a failed Open), it sets
    // the mode and opens or creates the data fork (fork 0) without truncating it. Paths of
    // resource libraries (".dll") are left to the module loader; fork 2 does not exist.
    virtual void OpenFork(std::uint8_t fork, std::uint8_t mode);
    // Closes the file (fileHandle becomes null); leaves openMode and isOpen alone.
    virtual void Close();
    virtual FileStream* ReturnSelf(std::int32_t unused);
    virtual FileStream* SelectResourceFile();
    virtual FileStream* RestoreResourceFile();
    // Reads and writes at the current position; actual (may be null) receives the count moved.
    virtual void Read(void* buffer, std::int32_t count, std::int32_t* actual);
    virtual void ReadExact(void* buffer, std::int32_t count);
    virtual void ReadAt(std::int32_t position, void* buffer, std::int32_t count,
                        std::int32_t* actual);
    virtual void ReadExactAt(std::int32_t position, void* buffer, std::int32_t count);
    virtual void Write(const void* buffer, std::int32_t count, std::int32_t* actual);
    virtual void WriteExact(const void* buffer, std::int32_t count);
    virtual void WriteAt(std::int32_t position, const void* buffer, std::int32_t count,
                         std::int32_t* actual);
    virtual void WriteExactAt(std::int32_t position, const void* buffer, std::int32_t count);
    virtual void SetEndAt(std::int32_t position);
    virtual std::int32_t ReturnMinusOne();
    // method 0 from the start, 1 from the current position, 2 from the end; records nothing
    // and answers the new position (0xFFFFFFFF on failure).
    virtual std::uint32_t Seek(std::int16_t method, std::int32_t distance);

    // Reads without recording a result; answers whether the system's read succeeded.
    bool ReadRaw(void* buffer, std::int32_t count, std::int32_t* actual);
    // A handle on file: its 32-bit little-endian length, then its bytes (null: length 0).
    bool WriteHandle(Handle handle);
    // Reads a handle written by WriteHandle into *handle (resized or made; length 0 disposes
    // it). A length below 0 or beyond the end of the file is refused and *handle is left as
    // it was; *handle never keeps a disposed block.
    bool ReadHandle(Handle* handle);

    char path[256];
    void* fileHandle; // the open file; null when none is open (after Close, a failed Open)
    std::uint8_t lastOperation;
    std::int16_t lastError;
    std::uint8_t openMode; // kOpenModeNone, kOpenModeRead, kOpenModeWrite
    std::uint8_t isOpen;   // the last Open succeeded; subclasses clear it when they close

  private:
    void CheckOpen();
    void ReleaseFile();
    std::uint32_t BytesLeft();
};

// The system's file calls with their own arguments (CreateFileA, ReadFile, WriteFile,
// DeleteFileA).
void* CreateFileHandle(const char* path, std::uint32_t access, std::uint32_t shareMode,
                       void* security, std::uint32_t creation, std::uint32_t flags,
                       void* templateFile);
bool ReadFileHandle(void* file, void* buffer, std::uint32_t count, std::uint32_t* actual,
                    void* overlapped);
bool WriteFileHandle(void* file, const void* buffer, std::uint32_t count, std::uint32_t* actual,
                     void* overlapped);
bool DeleteFileByName(const char* path);
