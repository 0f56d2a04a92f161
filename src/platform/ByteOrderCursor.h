// Walks the fields of a saved record over its byte image, one field at a time, so that one
// walk per record serves writing, reading, turning the record into the other byte order and
// listing its layout. Every 16-bit and 32-bit value lies in the image in the order the cursor
// was made for; bytes lie as they are. A walk that would step past the image's end touches
// nothing more and marks the cursor failed, so a short or damaged image can never be read or
// written beyond its end.
#pragma once

#include <cstdint>
#include <type_traits>
#include <vector>

enum class CursorMode : std::uint8_t {
    kWrite, // values go into the image
    kRead,  // values come out of the image
    kSwap,  // each multi-byte field of the image is turned into the other order in place
    kMap,   // nothing moves; each field's place and width is listed
};

// One field of a record's layout: where it lies, how wide it is, and whether a change of byte
// order turns it (bytes and runs carried as they lie are not turned).
struct FieldSpan {
    int offset;
    int width;
    bool turned;
};

class ByteOrderCursor {
  public:
    ByteOrderCursor(std::uint8_t* bytes, int size, CursorMode mode, bool bigEndian = false)
        : bytes_(bytes), size_(size), mode_(mode), bigEndian_(bigEndian) {}

    template <class T> void Field(T& value) {
        static_assert(std::is_integral_v<T>, "saved fields are whole numbers");
        constexpr int width = static_cast<int>(sizeof(T));
        if (!Reserve(width, width > 1))
            return;
        using U = std::make_unsigned_t<T>;
        if (mode_ == CursorMode::kWrite)
            Store(static_cast<std::uint32_t>(static_cast<U>(value)), width);
        else if (mode_ == CursorMode::kRead)
            value = static_cast<T>(static_cast<U>(Load(width)));
        else if (mode_ == CursorMode::kSwap)
            Turn(width);
        offset_ += width;
    }
    template <class T, std::size_t N> void Field(T (&values)[N]) {
        for (auto& value : values)
            Field(value);
    }
    // A field written and read in the cursor's order like any other, but left as it lies when
    // the image is turned: its owner sets it afresh after reading a file of the other order, or
    // never takes it from such a file.
    template <class T> void Kept(T& value) {
        if (mode_ != CursorMode::kSwap && mode_ != CursorMode::kMap) {
            Field(value);
            return;
        }
        if (Reserve(static_cast<int>(sizeof(T)), false))
            offset_ += static_cast<int>(sizeof(T));
    }
    template <class T, std::size_t N> void Kept(T (&values)[N]) {
        for (auto& value : values)
            Kept(value);
    }
    // count bytes kept in the image as they lie and never turned: written as zero, skipped on
    // reading (spare room, and the places of live handles that mean nothing in a file).
    void Opaque(int count);
    // count bytes of the image carried as they lie (never turned), to or from values.
    void Bytes(std::uint8_t* values, int count);
    void Bytes(char* values, int count) { Bytes(reinterpret_cast<std::uint8_t*>(values), count); }

    int Offset() const { return offset_; }
    bool Failed() const { return failed_; }
    // Whether the walk covered the image exactly.
    bool Complete() const { return !failed_ && offset_ == size_; }
    CursorMode Mode() const { return mode_; }
    // The layout listed by a kMap walk.
    const std::vector<FieldSpan>& Layout() const { return layout_; }

  private:
    bool Reserve(int width, bool turned);
    void Store(std::uint32_t bits, int width);
    std::uint32_t Load(int width) const;
    void Turn(int width);

    std::uint8_t* bytes_;
    int size_;
    CursorMode mode_;
    bool bigEndian_;
    int offset_ = 0;
    bool failed_ = false;
    std::vector<FieldSpan> layout_;
};
