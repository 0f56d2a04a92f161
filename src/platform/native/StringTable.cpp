// The program's string table without Windows resources: the entries of the resource scripts,
// compiled in at build time, so that portable code reads the same texts as on Windows.
#include <algorithm>
#include <cstring>

#include "platform/StringLists.h"

namespace {

struct StringEntry {
    std::uint16_t id;
    const char* text;
};

constexpr StringEntry kStringTable[] = {
#include "StringTableEntries.inc"
};

// As on Windows: at most 253 characters and the NUL.
constexpr std::size_t kLongestText = 253;

} // namespace

// An id without an entry gives "".
void GetIndString(char* buffer, std::int16_t list, std::int16_t index) {
    const auto id = static_cast<std::uint16_t>(StringListMap(list) + index);
    buffer[0] = '\0';
    for (const StringEntry& entry : kStringTable) {
        if (entry.id != id)
            continue;
        const std::size_t length = std::min(std::strlen(entry.text), kLongestText);
        std::memcpy(buffer, entry.text, length);
        buffer[length] = '\0';
        return;
    }
}
