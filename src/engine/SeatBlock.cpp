#include "engine/SeatBlock.h"

namespace {

// Index into styleRest of settings 3 to 9; settings 10 to 38 follow in order from index 7.
constexpr int kLowRestIndex[7] = {0, 1, 2, 5, 6, 3, 4}; // settings 3, 4, 5, 6, 7, 8, 9

int RestIndex(int n) {
    return n <= 9 ? kLowRestIndex[n - 3] : n - 3;
}

} // namespace

std::int16_t& StyleSetting(SeatBlock& block, int n) {
    if (n <= 2)
        return block.styleLead[n - 1];
    return block.styleRest[RestIndex(n)];
}

std::int16_t StyleSetting(const SeatBlock& block, int n) {
    return StyleSetting(const_cast<SeatBlock&>(block), n);
}

void CopySeatBlock(SeatBlock* to, const SeatBlock* from) {
    *to = *from;
}
