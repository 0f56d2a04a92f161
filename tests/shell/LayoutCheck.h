// Checks a record byte by byte against a table of fields: little-endian integers and
// NUL-padded texts at their offsets, and zero in every byte no field covers.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Consecutive integers of one width from offset on.
struct IntField {
    int offset;
    int width; // 2 or 4 bytes
    std::vector<std::int64_t> values;
};

// A text in a buffer of size bytes, the rest of the buffer NUL.
struct TextField {
    int offset;
    int size;
    std::string text;
};

inline std::int64_t ReadLittleEndian(const unsigned char* bytes, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return width == 2 ? std::int64_t{static_cast<std::int16_t>(value)}
                      : std::int64_t{static_cast<std::int32_t>(value)};
}

inline void ExpectLayout(const void* record, int size, const std::vector<IntField>& ints,
                         const std::vector<TextField>& texts) {
    const auto* bytes = static_cast<const unsigned char*>(record);
    std::vector<bool> covered(size, false);
    for (const IntField& field : ints) {
        for (std::size_t i = 0; i < field.values.size(); ++i) {
            const int offset = field.offset + static_cast<int>(i) * field.width;
            EXPECT_EQ(ReadLittleEndian(bytes + offset, field.width), field.values[i])
                << "at offset " << offset;
            for (int b = 0; b < field.width; ++b)
                covered[offset + b] = true;
        }
    }
    for (const TextField& field : texts) {
        std::string padded = field.text;
        padded.resize(field.size, '\0');
        EXPECT_EQ(std::memcmp(bytes + field.offset, padded.data(), field.size), 0)
            << "text at offset " << field.offset;
        for (int b = 0; b < field.size; ++b)
            covered[field.offset + b] = true;
    }
    for (int offset = 0; offset < size; ++offset) {
        if (!covered[offset]) {
            EXPECT_EQ(bytes[offset], 0) << "stray byte at offset " << offset;
        }
    }
}
