// Memory handles: zero-filled blocks kept in one table of 400 entries. A handle is the
// block's locked address and is used directly as a pointer to the data.
#pragma once

#include <cstdint>

using Handle = void*;
using OSErr = std::int16_t; // 0 means no error

inline constexpr OSErr kNoErr = 0;
inline constexpr OSErr kMemFullErr = -207; // the one memory error of this layer
inline constexpr int kHandleTableSize = 400;

// The table: the system block of each entry, its locked address (the handle) and the size
// last asked for (the system may round a block up, callers need the exact size). An entry
// below gHandleCount whose block is null is free.
extern void* gHandleBlocks[kHandleTableSize];
extern Handle gHandlePointers[kHandleTableSize];
extern std::int32_t gHandleSizes[kHandleTableSize];
extern std::int16_t gHandleCount; // entries ever used (high-water mark)
extern OSErr gMemError;           // memory error of the last allocation

// A zero-filled block of size bytes, or null with -207 (also when all 400 entries are alive).
Handle NewHandle(std::int32_t size);
// Answers the handle to use from now on (the block may move), or null with -207; on failure
// the old handle stays valid with its old size.
Handle SetHandleSize(Handle handle, std::int32_t size);
std::int32_t GetHandleSize(Handle handle); // exactly the size last asked for; 0 for null
void DisposeHandle(Handle handle);         // null does nothing
void* NewBlock(std::int32_t size);
void DisposeBlock(void* block);
void HLock(Handle handle);
void HUnlock(Handle handle);
// Replaces *handle by a new handle with a copy of its bytes (the old one stays with its
// owner); -1 for an empty or unknown handle, -207 without memory, *handle then unchanged.
OSErr HandToHand(Handle* handle);
void BlockMove(const void* source, void* destination, std::int32_t count);
// The entry holding handle, or -1; a non-null handle the table does not hold beeps. The
// operations above leave the table alone for such a handle (SetHandleSize answers null
// with -207, GetHandleSize 0).
int FindHandleSlot(Handle handle);

OSErr MemError();
OSErr ResError();
bool IsNoErr(OSErr code);

// Test seam: the next count allocations and resizes fail as if memory had run out (-207).
void FailNextAllocations(int count);
// Test seam: counted from now, allocation number n (1 the next) fails as if memory had run
// out, and only that one; 0 fails none. Handles, blocks, resizes and the objects that ask
// MayAllocateObject count alike.
void FailAllocationNumber(int n);
// Whether the allocation FailAllocationNumber counts to has not come yet.
bool AllocationFailurePending();
// Whether an object may be allocated now: false only when the test seam fails this allocation
// (then -207, as for a handle). Objects whose failure is answered, not fatal, ask it first.
bool MayAllocateObject();
