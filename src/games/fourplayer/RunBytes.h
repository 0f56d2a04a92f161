// Little-endian fields of the controllers' saved runs, written and read one by one so that the
// runs have the same bytes whatever the build's layout of the objects.
#pragma once

#include <cstdint>

class RunWriter {
  public:
    explicit RunWriter(std::uint8_t* bytes) : at_(bytes) {}
    void Byte(std::uint8_t value) { *at_++ = value; }
    void I16(std::int16_t value) {
        const auto bits = static_cast<std::uint16_t>(value);
        Byte(static_cast<std::uint8_t>(bits));
        Byte(static_cast<std::uint8_t>(bits >> 8));
    }
    void I32(std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            Byte(static_cast<std::uint8_t>(bits >> shift));
    }
    void Bytes(const std::uint8_t* values, int count) {
        for (int i = 0; i < count; ++i)
            Byte(values[i]);
    }
    void Zeros(int count) {
        for (int i = 0; i < count; ++i)
            Byte(0);
    }

  private:
    std::uint8_t* at_;
};

class RunReader {
  public:
    explicit RunReader(const std::uint8_t* bytes) : at_(bytes) {}
    std::uint8_t Byte() { return *at_++; }
    std::int16_t I16() {
        const std::uint16_t low = Byte();
        return static_cast<std::int16_t>(low | static_cast<std::uint16_t>(Byte() << 8));
    }
    std::int32_t I32() {
        std::uint32_t bits = 0;
        for (int shift = 0; shift < 32; shift += 8)
            bits |= std::uint32_t{Byte()} << shift;
        return static_cast<std::int32_t>(bits);
    }
    void Bytes(std::uint8_t* values, int count) {
        for (int i = 0; i < count; ++i)
            values[i] = Byte();
    }
    void Skip(int count) { at_ += count; }

  private:
    const std::uint8_t* at_;
};
