#include "platform/LibraryResources.h"

#include <utility>

namespace {

LibraryResourceSource& Source() {
    static LibraryResourceSource source;
    return source;
}

} // namespace

Handle GetLibraryResource(std::int16_t id) {
    std::vector<std::uint8_t> bytes;
    if (!Source() || !Source()(id, &bytes))
        return nullptr;
    const auto size = static_cast<std::int32_t>(bytes.size());
    Handle handle = NewHandle(size);
    if (handle && size > 0)
        BlockMove(bytes.data(), handle, size);
    return handle;
}

void SetLibraryResourceSource(LibraryResourceSource source) {
    Source() = std::move(source);
}
