#include "platform/Handles.h"

#include <algorithm>
#include <cstring>

#include "platform/Alerts.h"
#include "platform/SystemServices.h"

void* gHandleBlocks[kHandleTableSize];
Handle gHandlePointers[kHandleTableSize];
std::int32_t gHandleSizes[kHandleTableSize];
std::int16_t gHandleCount = 0;
OSErr gMemError = kNoErr;

namespace {

int gFailingAllocations = 0;
int gAllocationsUntilFailure = 0; // the failing one counts 1; 0 none

// The system is never asked for 0 bytes: a movable block of 0 bytes has no address, and an
// empty handle must still be a distinct, valid pointer.
std::uint32_t SystemSize(std::int32_t size) {
    return static_cast<std::uint32_t>(std::max<std::int32_t>(size, 1));
}

bool AllocationRefused(std::int32_t size) {
    if (size < 0) {
        return true;
    }
    if (gFailingAllocations > 0) {
        --gFailingAllocations;
        return true;
    }
    if (gAllocationsUntilFailure > 0) {
        return --gAllocationsUntilFailure == 0;
    }
    return false;
}

int FreeSlot() {
    for (int i = 0; i < gHandleCount; ++i) {
        if (gHandleBlocks[i] == nullptr) {
            return i;
        }
    }
    return gHandleCount < kHandleTableSize ? gHandleCount : -1;
}

} // namespace

void FailNextAllocations(int count) {
    gFailingAllocations = std::max(count, 0);
}

void FailAllocationNumber(int n) {
    gAllocationsUntilFailure = std::max(n, 0);
}

bool AllocationFailurePending() {
    return gAllocationsUntilFailure > 0;
}

bool MayAllocateObject() {
    if (AllocationRefused(0)) {
        gMemError = kMemFullErr;
        return false;
    }
    return true;
}

Handle NewHandle(std::int32_t size) {
    // A full table counts as no memory: the callers already handle that answer.
    int slot = FreeSlot();
    SystemBlock block = nullptr;
    if (slot >= 0 && !AllocationRefused(size)) {
        block = AllocateSystemBlock(SystemSize(size));
    }
    if (block == nullptr) {
        gMemError = kMemFullErr;
        return nullptr;
    }
    gMemError = kNoErr;
    if (slot == gHandleCount) {
        ++gHandleCount;
    }
    gHandleBlocks[slot] = block;
    gHandlePointers[slot] = LockSystemBlock(block);
    gHandleSizes[slot] = size;
    return gHandlePointers[slot];
}

int FindHandleSlot(Handle handle) {
    if (handle == nullptr) {
        return -1;
    }
    for (int i = gHandleCount - 1; i >= 0; --i) {
        if (gHandlePointers[i] == handle) {
            return i;
        }
    }
    SysBeep(1);
    return -1;
}

Handle SetHandleSize(Handle handle, std::int32_t size) {
    int slot = FindHandleSlot(handle);
    if (slot < 0) {
        gMemError = kMemFullErr;
        return nullptr;
    }
    SystemBlock block = gHandleBlocks[slot];
    UnlockSystemBlock(block);
    SystemBlock resized =
        AllocationRefused(size) ? nullptr : ResizeSystemBlock(block, SystemSize(size));
    if (resized == nullptr) {
        // The old block stays with its old size and bytes; lock it again as it was.
        gHandlePointers[slot] = LockSystemBlock(block);
        SysBeep(1);
        gMemError = kMemFullErr;
        return nullptr;
    }
    auto* bytes = static_cast<unsigned char*>(LockSystemBlock(resized));
    // The system zero-fills only beyond its own (rounded) size; bytes left over from a
    // shrink before must read as zero too.
    std::int32_t oldSize = gHandleSizes[slot];
    if (size > oldSize) {
        std::memset(bytes + oldSize, 0, static_cast<std::size_t>(size - oldSize));
    }
    gMemError = kNoErr;
    gHandleBlocks[slot] = resized;
    gHandlePointers[slot] = bytes;
    gHandleSizes[slot] = size;
    return bytes;
}

std::int32_t GetHandleSize(Handle handle) {
    int slot = FindHandleSlot(handle);
    return slot < 0 ? 0 : gHandleSizes[slot];
}

void DisposeHandle(Handle handle) {
    int slot = FindHandleSlot(handle);
    if (slot < 0) {
        return;
    }
    SystemBlock block = gHandleBlocks[slot];
    gHandleBlocks[slot] = nullptr;
    gHandlePointers[slot] = nullptr;
    gHandleSizes[slot] = 0;
    UnlockSystemBlock(block);
    FreeSystemBlock(block);
}

void* NewBlock(std::int32_t size) {
    return NewHandle(size);
}

void DisposeBlock(void* block) {
    DisposeHandle(block);
}

// Blocks stay locked for their whole life.
void HLock(Handle) {}
void HUnlock(Handle) {}

OSErr HandToHand(Handle* handle) {
    std::int32_t size = GetHandleSize(*handle);
    if (size <= 0) {
        return -1;
    }
    Handle copy = NewHandle(size);
    if (copy == nullptr) {
        return gMemError;
    }
    std::memcpy(copy, *handle, static_cast<std::size_t>(size));
    *handle = copy;
    return kNoErr;
}

void BlockMove(const void* source, void* destination, std::int32_t count) {
    if (count > 0) {
        std::memmove(destination, source, static_cast<std::size_t>(count));
    }
}

OSErr MemError() {
    return gMemError;
}

OSErr ResError() {
    return kNoErr;
}

bool IsNoErr(OSErr code) {
    return code == kNoErr;
}
