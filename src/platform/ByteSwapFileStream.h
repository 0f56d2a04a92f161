// A file stream for files written in the other byte order: its owner sets swapFlag for such
// a file and passes every multi-byte value through SwapLong or SwapShort; the stream's own
// operations never look at the flag (handle lengths are never swapped).
#pragma once

#include <cstdint>

#include "platform/FileStream.h"

class ByteSwapFileStream : public FileStream {
  public:
    ByteSwapFileStream();

    virtual std::uint32_t SwapLong(std::uint32_t value);
    virtual std::uint16_t SwapShort(std::uint16_t value);

    std::uint8_t swapFlag;
};
