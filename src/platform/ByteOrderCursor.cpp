#include "platform/ByteOrderCursor.h"

#include <algorithm>

bool ByteOrderCursor::Reserve(int width, bool turned) {
    if (failed_ || width > size_ - offset_) {
        failed_ = true;
        return false;
    }
    if (mode_ == CursorMode::kMap)
        layout_.push_back({offset_, width, turned});
    return true;
}

void ByteOrderCursor::Store(std::uint32_t bits, int width) {
    for (int i = 0; i < width; ++i) {
        const int at = bigEndian_ ? width - 1 - i : i;
        bytes_[offset_ + at] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

std::uint32_t ByteOrderCursor::Load(int width) const {
    std::uint32_t bits = 0;
    for (int i = 0; i < width; ++i) {
        const int at = bigEndian_ ? width - 1 - i : i;
        bits |= std::uint32_t{bytes_[offset_ + at]} << (8 * i);
    }
    return bits;
}

void ByteOrderCursor::Turn(int width) {
    std::reverse(bytes_ + offset_, bytes_ + offset_ + width);
}

void ByteOrderCursor::Opaque(int count) {
    if (!Reserve(count, false))
        return;
    if (mode_ == CursorMode::kWrite)
        std::fill(bytes_ + offset_, bytes_ + offset_ + count, std::uint8_t{0});
    offset_ += count;
}

void ByteOrderCursor::Bytes(std::uint8_t* values, int count) {
    if (!Reserve(count, false))
        return;
    if (mode_ == CursorMode::kWrite)
        std::copy(values, values + count, bytes_ + offset_);
    else if (mode_ == CursorMode::kRead)
        std::copy(bytes_ + offset_, bytes_ + offset_ + count, values);
    offset_ += count;
}
