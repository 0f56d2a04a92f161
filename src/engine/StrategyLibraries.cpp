#include "engine/StrategyLibraries.h"

Handle gStrategyLibrary = nullptr;
Handle gMarriageStrategyLibrary = nullptr;

int StrategyRecordCount(Handle library) {
    const std::int32_t size = GetHandleSize(library);
    if (!library || size < 2)
        return -1;
    const auto* bytes = static_cast<const std::uint8_t*>(library);
    const auto count = static_cast<std::int16_t>(bytes[0] | (bytes[1] << 8));
    if (count < 0 || static_cast<std::int32_t>(count) * kStrategyRecordSize > size)
        return -1;
    return count;
}

bool CopyStrategyCode(Handle library, int record, std::uint8_t (&code)[kStrategyCodeLength]) {
    const int count = StrategyRecordCount(library);
    if (record < 0 || record >= count)
        return false;
    const std::int32_t size = GetHandleSize(library);
    const auto* bytes = static_cast<const std::uint8_t*>(library);
    const std::int32_t start = record * kStrategyRecordSize + kStrategyCodeOffset;
    for (int i = 0; i < kStrategyCodeLength; ++i)
        code[i] = start + i < size ? bytes[start + i] : 0;
    return true;
}
