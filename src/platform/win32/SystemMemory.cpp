// Handle blocks are movable, zero-filled global memory, locked for their whole life.
#include <windows.h>

#include "platform/SystemServices.h"

SystemBlock AllocateSystemBlock(std::uint32_t size) {
    return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
}

void* LockSystemBlock(SystemBlock block) {
    return GlobalLock(static_cast<HGLOBAL>(block));
}

void UnlockSystemBlock(SystemBlock block) {
    GlobalUnlock(static_cast<HGLOBAL>(block));
}

SystemBlock ResizeSystemBlock(SystemBlock block, std::uint32_t size) {
    return GlobalReAlloc(static_cast<HGLOBAL>(block), size, GMEM_MOVEABLE | GMEM_ZEROINIT);
}

void FreeSystemBlock(SystemBlock block) {
    GlobalFree(static_cast<HGLOBAL>(block));
}
