// The handle table: reuse of free entries, exact sizes, resizing, copies, a full table,
// pointers the table does not hold and memory that runs out.
#include "platform/Handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Alerts.h"

namespace {

std::vector<Handle> TableSnapshot() {
    return std::vector<Handle>(gHandlePointers, gHandlePointers + gHandleCount);
}

bool AllZero(const void* bytes, std::int32_t count) {
    auto* p = static_cast<const unsigned char*>(bytes);
    return std::all_of(p, p + count, [](unsigned char b) { return b == 0; });
}

// Takes every free entry below the high-water mark (other tests of the program may have
// left some), so that the next handle goes to a new entry.
std::vector<Handle> FillFreeEntries() {
    std::vector<Handle> fillers;
    for (std::int16_t count = gHandleCount; gHandleCount == count;) {
        Handle h = NewHandle(1);
        if (h == nullptr) {
            break;
        }
        fillers.push_back(h);
    }
    return fillers;
}

} // namespace

TEST(Handles, NewHandlesAreZeroFilledAndFreedEntriesAreReusedLowestFirst) {
    const std::vector<Handle> fillers = FillFreeEntries();
    const std::int16_t start = gHandleCount;
    Handle a = NewHandle(16);
    Handle b = NewHandle(0);
    Handle c = NewHandle(100);
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(MemError(), kNoErr);
    EXPECT_TRUE(AllZero(c, 100));
    EXPECT_NE(a, b); // an empty handle is still a handle of its own
    EXPECT_EQ(GetHandleSize(b), 0);
    EXPECT_EQ(gHandleCount, start + 3);
    const int slotA = FindHandleSlot(a);
    const int slotB = FindHandleSlot(b);

    DisposeHandle(b);
    DisposeHandle(a);
    EXPECT_EQ(gHandleCount, start + 3); // the high-water mark stays
    Handle d = NewHandle(8);
    Handle e = NewHandle(8);
    EXPECT_EQ(FindHandleSlot(d), slotA);
    EXPECT_EQ(FindHandleSlot(e), slotB);
    EXPECT_EQ(gHandleCount, start + 3);
    Handle f = NewHandle(8);
    EXPECT_EQ(gHandleCount, start + 4);
    for (Handle h : {c, d, e, f}) {
        DisposeHandle(h);
    }
    for (Handle h : fillers) {
        DisposeHandle(h);
    }
}

TEST(Handles, ResizingKeepsBytesZeroFillsGrowthAndAnswersTheExactSize) {
    Handle h = NewHandle(10);
    std::memset(h, 0xAB, 10);
    h = SetHandleSize(h, 4000);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(MemError(), kNoErr);
    EXPECT_EQ(GetHandleSize(h), 4000);
    auto* bytes = static_cast<unsigned char*>(h);
    EXPECT_TRUE(std::all_of(bytes, bytes + 10, [](unsigned char b) { return b == 0xAB; }));
    EXPECT_TRUE(AllZero(bytes + 10, 3990));

    h = SetHandleSize(h, 3);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GetHandleSize(h), 3); // the system may keep more; the answer may not
    // Bytes given up by a shrink read as zero when the handle grows again.
    h = SetHandleSize(h, 10);
    bytes = static_cast<unsigned char*>(h);
    EXPECT_EQ(bytes[2], 0xAB);
    EXPECT_TRUE(AllZero(bytes + 3, 7));
    DisposeHandle(h);
}

TEST(Handles, HandToHandCopiesIntoANewHandleAndRefusesEmptyOnes) {
    Handle empty = NewHandle(0);
    Handle held = empty;
    EXPECT_EQ(HandToHand(&held), -1);
    EXPECT_EQ(held, empty);

    Handle original = NewHandle(5);
    std::memcpy(original, "abcde", 5);
    Handle copy = original;
    EXPECT_EQ(HandToHand(&copy), kNoErr);
    EXPECT_NE(copy, original);
    EXPECT_EQ(GetHandleSize(copy), 5);
    EXPECT_EQ(std::memcmp(copy, "abcde", 5), 0);
    EXPECT_EQ(GetHandleSize(original), 5); // the old one stays with its owner
    for (Handle h : {empty, original, copy}) {
        DisposeHandle(h);
    }
}

TEST(Handles, AFullTableAnswersNullWithMemoryErrorAndKeepsEveryHandle) {
    std::vector<Handle> live;
    for (Handle h = NewHandle(4); h != nullptr; h = NewHandle(4)) {
        live.push_back(h);
    }
    ASSERT_EQ(gHandleCount, kHandleTableSize);
    const auto before = TableSnapshot();
    EXPECT_EQ(NewHandle(4), nullptr);
    EXPECT_EQ(MemError(), kMemFullErr);
    EXPECT_EQ(gHandleCount, kHandleTableSize);
    EXPECT_EQ(TableSnapshot(), before);

    Handle freed = live[live.size() / 2];
    const int slot = FindHandleSlot(freed);
    DisposeHandle(freed);
    live.erase(live.begin() + live.size() / 2);
    Handle again = NewHandle(4);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(FindHandleSlot(again), slot);
    live.push_back(again);
    for (Handle h : live) {
        DisposeHandle(h);
    }
}

TEST(Handles, APointerTheTableDoesNotHoldBeepsAndChangesNothing) {
    Handle kept = NewHandle(6);
    std::memcpy(kept, "intact", 6);
    const auto before = TableSnapshot();
    char stranger[8] = {};
    const std::uint32_t beeps = SysBeepCount();

    EXPECT_EQ(FindHandleSlot(stranger), -1);
    EXPECT_EQ(GetHandleSize(stranger), 0);
    EXPECT_EQ(SetHandleSize(stranger, 100), nullptr);
    EXPECT_EQ(MemError(), kMemFullErr);
    DisposeHandle(stranger);
    Handle copy = stranger;
    EXPECT_EQ(HandToHand(&copy), -1);
    EXPECT_EQ(copy, static_cast<Handle>(stranger));
    EXPECT_EQ(SysBeepCount(), beeps + 5);
    EXPECT_EQ(TableSnapshot(), before);
    EXPECT_EQ(std::memcmp(kept, "intact", 6), 0);

    // Null is no error: nothing to measure, nothing to free, no beep.
    EXPECT_EQ(GetHandleSize(nullptr), 0);
    DisposeHandle(nullptr);
    EXPECT_EQ(SysBeepCount(), beeps + 5);
    DisposeHandle(kept);
}

TEST(Handles, MemoryThatRunsOutLeavesTheOldHandleValid) {
    const std::int16_t count = gHandleCount;
    FailNextAllocations(1);
    EXPECT_EQ(NewHandle(8), nullptr);
    EXPECT_EQ(MemError(), kMemFullErr);
    EXPECT_EQ(gHandleCount, count);
    EXPECT_EQ(NewHandle(-1), nullptr);
    EXPECT_EQ(MemError(), kMemFullErr);

    Handle h = NewHandle(4);
    std::memcpy(h, "keep", 4);
    const std::uint32_t beeps = SysBeepCount();
    FailNextAllocations(1);
    EXPECT_EQ(SetHandleSize(h, 64), nullptr);
    EXPECT_EQ(MemError(), kMemFullErr);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    EXPECT_EQ(GetHandleSize(h), 4);
    EXPECT_EQ(std::memcmp(h, "keep", 4), 0);
    EXPECT_GE(FindHandleSlot(h), 0);

    Handle copy = h;
    FailNextAllocations(1);
    EXPECT_EQ(HandToHand(&copy), kMemFullErr);
    EXPECT_EQ(copy, h);

    h = SetHandleSize(h, 64); // the seam is used up
    EXPECT_NE(h, nullptr);
    DisposeHandle(h);
}

// The n-th allocation of any kind fails, and only that one.
TEST(Handles, TheSeamFailsOnlyTheCountedAllocation) {
    FailAllocationNumber(3);
    Handle first = NewHandle(4);
    EXPECT_TRUE(MayAllocateObject());
    EXPECT_NE(first, nullptr);
    EXPECT_TRUE(AllocationFailurePending());
    EXPECT_EQ(SetHandleSize(first, 40), nullptr); // the third
    EXPECT_FALSE(AllocationFailurePending());
    EXPECT_EQ(MemError(), kMemFullErr);
    EXPECT_EQ(GetHandleSize(first), 4);
    Handle second = NewHandle(4);
    EXPECT_NE(second, nullptr);
    EXPECT_TRUE(MayAllocateObject());
    FailAllocationNumber(1);
    EXPECT_FALSE(MayAllocateObject());
    EXPECT_EQ(MemError(), kMemFullErr);
    EXPECT_TRUE(MayAllocateObject());
    FailAllocationNumber(2);
    FailAllocationNumber(0); // switched off before it came
    EXPECT_TRUE(MayAllocateObject());
    EXPECT_TRUE(MayAllocateObject());
    DisposeHandle(first);
    DisposeHandle(second);
}

TEST(Handles, BlockMoveCopiesOverlappingRanges) {
    char text[] = "abcdef";
    BlockMove(text, text + 2, 4);
    EXPECT_STREQ(text, "ababcd");
    BlockMove(text + 2, text, 4);
    EXPECT_STREQ(text, "abcdcd");
    EXPECT_TRUE(IsNoErr(ResError()));
    EXPECT_FALSE(IsNoErr(kMemFullErr));
}
