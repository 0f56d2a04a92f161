// Handle blocks from the C heap; a block is its own address.
#include <cstdlib>

#include "platform/SystemServices.h"

SystemBlock AllocateSystemBlock(std::uint32_t size) {
    return std::calloc(size, 1);
}

void* LockSystemBlock(SystemBlock block) {
    return block;
}

void UnlockSystemBlock(SystemBlock) {}

// Bytes added at the end are cleared by the handle layer.
SystemBlock ResizeSystemBlock(SystemBlock block, std::uint32_t size) {
    return std::realloc(block, size);
}

void FreeSystemBlock(SystemBlock block) {
    std::free(block);
}
