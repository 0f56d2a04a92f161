#include "records/DirectorLists.h"

#include <utility>

DirectorLists::~DirectorLists() {
    Clear();
}

void DirectorLists::Clear() {
    for (Handle& list : lists_) {
        DisposeHandle(list);
        list = nullptr;
    }
    for (std::vector<Handle>& results : results_) {
        for (Handle result : results)
            DisposeHandle(result);
        results.clear();
    }
}

void DirectorLists::Exchange(DirectorLists& other) noexcept {
    for (int list = 0; list < kDirectorListCount; ++list)
        std::swap(lists_[list], other.lists_[list]);
    for (int kind = 0; kind < 2; ++kind)
        results_[kind].swap(other.results_[kind]);
}

namespace {

int Count16(const std::uint8_t* bytes, bool big) {
    const int value = big ? (bytes[0] << 8 | bytes[1]) : (bytes[1] << 8 | bytes[0]);
    return static_cast<std::int16_t>(value);
}

} // namespace

int DirectorListRows(int list, const std::uint8_t* bytes, std::int32_t length, bool big) {
    const int head = list == kParticipantList ? 4 : 2;
    if (length < head)
        return -1;
    const int rows = Count16(bytes + head - 2, big);
    const int row = IsPairingList(list)        ? kPairingRowSize
                    : list == kParticipantList ? kParticipantRowSize
                    : list == kStandingsList   ? kStandingsRowSize
                                               : 2;
    if (rows < 0 || head + std::int64_t{row} * rows != length)
        return -1;
    return rows;
}

void TransferDirectorListLayout(int list, int rows, ByteOrderCursor& io) {
    std::int16_t value = 0;
    std::int32_t wide = 0;
    io.Field(value);
    if (IsPairingList(list)) {
        for (int row = 0; row < rows; ++row) {
            for (int i = 0; i < 5; ++i)
                io.Field(value);
            io.Opaque(kPairingRowSize - 10);
        }
    } else if (list == kParticipantList) {
        io.Field(value);
        for (int row = 0; row < rows; ++row) {
            io.Field(value);
            io.Opaque(29);
            io.Field(wide);
            io.Opaque(1);
        }
    } else if (list == kStandingsList) {
        for (int row = 0; row < rows; ++row) {
            io.Opaque(2);
            for (int i = 0; i < 3; ++i)
                io.Field(value);
            io.Field(wide);
            io.Field(wide);
        }
    } else {
        for (int row = 0; row < rows; ++row)
            io.Field(value);
    }
}
