#include "platform/ByteSwapFileStream.h"

ByteSwapFileStream::ByteSwapFileStream() : swapFlag(0) {}

std::uint32_t ByteSwapFileStream::SwapLong(std::uint32_t value) {
    return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u) |
           (value << 24);
}

std::uint16_t ByteSwapFileStream::SwapShort(std::uint16_t value) {
    return static_cast<std::uint16_t>((value >> 8) | (value << 8));
}
