// Memory handles: zero-filled blocks kept in one table of 400 entries. A handle is the
// block's locked address and is used directly as a pointer to the data.
#pragma once

#include <cstdint>

using Handle = void*;
using OSErr = std::int16_t;  // 0 means no error

inline constexpr OSErr kNoErr = 0;
inline constexpr OSErr kMemFullErr = -207;  // the one memory error of this layer
inline constexpr int kHandleTableSize = 400;

extern std::int16_t gHandleCount;  // entries ever used (high-water mark)
extern OSErr gMemError;            // memory error of the last allocation

Handle NewHandle(std::int32_t size);
// Answers the handle to use from now on (the block may move), or null with -207; on failure
// the old handle stays valid with its old size.
Handle SetHandleSize(Handle handle, std::int32_t size);
std::int32_t GetHandleSize(Handle handle);  // exactly the size last asked for
void DisposeHandle(Handle handle);
void* NewBlock(std::int32_t size);
void DisposeBlock(void* block);
void HLock(Handle handle);
void HUnlock(Handle handle);
OSErr HandToHand(Handle* handle);
void BlockMove(const void* source, void* destination, std::int32_t count);
int FindHandleSlot(Handle handle);

OSErr MemError();
OSErr ResError();
bool IsNoErr(OSErr code);
