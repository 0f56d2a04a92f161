// The split operations of the game object: the chance that k rounds of a group in which
// everybody follows exhaust the n cards of it still out, read from the constant tables, and
// the style thresholds that turn such a chance into a decision.
#include "engine/SplitTables.h"
#include "engine/TrickGameCore.h"

#include "engine/EngineServices.h"

namespace {

constexpr int kMaxHolding = 12; // the tables are built for hidden hands of twelve cards

// Below the switch point a chance is summed from the even splits up, from it on it is 100
// minus the uneven splits: whichever side has fewer entries, as the tables were read.
constexpr int kThreeHandSwitch[] = {2, 3, 3, 4, 5,  6,  6,  7,  7,  7,  8,  8, 8,
                                    8, 9, 9, 9, 10, 10, 10, 10, 11, 11, 11, 11}; // n = 2..26
constexpr int kTwoHandSwitch[] = {2, 3, 3, 4, 5, 6, 6, 7, 7, 7, 9};              // n = 2..12

float RangeError(const char* tag) {
    StopAlert(192, 4, tag);
    return -1.0f;
}

// One row of a table as (largest holding, percent) pairs; a row holds at most 24 splits.
struct SplitRow {
    int count = 0;
    int largest[32];
    float percent[32];
    void Add(int a, float p) {
        if (p < 0.0f)
            return; // a split the table lacks adds nothing
        largest[count] = a;
        percent[count] = p;
        ++count;
    }
};

// The chance that no hand holds more than k of the n cards. The partial sums are kept in
// single precision and the complement in double, rounded once, as the stored figures were.
float SumSplits(const SplitRow& row, int most, int switchPoint) {
    if (most < switchPoint) {
        float sum = 0.0f;
        for (int i = 0; i < row.count; ++i)
            if (row.largest[i] <= most)
                sum += row.percent[i];
        return sum;
    }
    double rest = 100.0;
    for (int i = 0; i < row.count; ++i)
        if (row.largest[i] > most)
            rest -= row.percent[i];
    return static_cast<float>(rest);
}

float ThreeHandSum(int cards, int most) {
    SplitRow row;
    for (int a = cards < kMaxHolding ? cards : kMaxHolding; a >= 0; --a)
        for (int b = a; b >= 0; --b) {
            const int c = cards - a - b;
            if (c >= 0 && c <= b)
                row.Add(a, GetThreeHandSplitEntry(cards, a, b));
        }
    return SumSplits(row, most, kThreeHandSwitch[cards - 2]);
}

float TwoHandSum(int cards, int most) {
    if (most < 1 || most > cards)
        return RangeError("Wkt 3");
    if (2 * most < cards)
        return 0.0f;
    SplitRow row;
    for (int a = cards; 2 * a >= cards; --a)
        row.Add(a, GetTwoHandSplitEntry(cards, a));
    return SumSplits(row, most, kTwoHandSwitch[cards - 2]);
}

// The sums of named splits a-b that stand for "at most one hand holds k": summed in order.
struct SplitSumRow {
    int cards, most;
    int splits; // how many pairs below are used; 0 answers the fixed value
    float fixed;
    int pairs[4][2];
};
constexpr SplitSumRow kSplitSums[] = {
    {2, 1, 0, 0.0f, {}},
    {2, 2, 0, 100.0f, {}},
    {3, 1, 0, 0.0f, {}},
    {3, 2, 1, 0.0f, {{2, 1}}},
    {4, 2, 1, 0.0f, {{2, 1}}},
    {5, 2, 0, 0.0f, {}},
    {5, 3, 3, 0.0f, {{3, 1}, {3, 2}, {2, 2}}},
    {6, 2, 0, 0.0f, {}},
    {6, 3, 2, 0.0f, {{2, 2}, {3, 2}}},
    {7, 3, 1, 0.0f, {{3, 2}}},
    {8, 3, 0, 0.0f, {}},
    {8, 4, 3, 0.0f, {{4, 2}, {4, 3}, {3, 3}}},
    {9, 3, 0, 0.0f, {}},
    {9, 4, 2, 0.0f, {{3, 3}, {4, 3}}},
    {10, 4, 1, 0.0f, {{4, 3}}},
    {10, 5, 4, 0.0f, {{5, 3}, {5, 4}, {4, 4}, {4, 3}}},
};

} // namespace

float TrickGameCore::GetNoEstimate(int, int, int, int) {
    return -1.0f;
}

float TrickGameCore::GetThreeHandSplit(int cards, int most) {
    if (cards < 1 || cards > kThreeHandRowLast)
        return RangeError("Wkt 2");
    if (cards == 1)
        return 100.0f;
    if (most < 1 || most > cards)
        return RangeError("Wkt 2");
    if (3 * most < cards)
        return 0.0f;
    return ThreeHandSum(cards, most);
}

float TrickGameCore::GetThreeHandSplitSum(int cards, int most) {
    if (cards == 1)
        return 100.0f;
    for (const SplitSumRow& row : kSplitSums) {
        if (row.cards != cards || row.most != most)
            continue;
        if (row.splits == 0)
            return row.fixed;
        float sum = 0.0f;
        for (int i = 0; i < row.splits; ++i)
            sum += GetThreeHandSplitEntry(cards, row.pairs[i][0], row.pairs[i][1]);
        return sum;
    }
    return GetThreeHandSplit(cards, most);
}

float TrickGameCore::GetTwoHandSplit(int cards, int most) {
    if (cards < 1 || cards > 2 * kMaxHolding)
        return RangeError("Wkt 3");
    if (cards == 1)
        return 100.0f;
    if (cards <= kTwoHandRowLast)
        return TwoHandSum(cards, most);
    // More than half the unseen cards: seen from the cards outside the group, a split a-b of
    // n is the split (12 - b)-(12 - a) of 24 - n.
    if (most < (cards + 1) / 2)
        return 0.0f;
    if (most >= kMaxHolding) {
        if (cards == 13 && most > 13)
            return RangeError("Wkt 3");
        return 100.0f;
    }
    return TwoHandSum(2 * kMaxHolding - cards, most + kMaxHolding - cards);
}

namespace {

// The style (1 to 4) of a profile code picks one of the four thresholds; codes outside 1 to
// 29 and the codes divisible by 5 have no style and never decide.
bool ThresholdOf(int profile, int t1, int t2, int t3, int t4, float* threshold) {
    if (profile < 1 || profile > 29 || profile % 5 == 0)
        return false;
    const int thresholds[] = {t1, t2, t3, t4};
    *threshold = static_cast<float>(thresholds[profile % 5 - 1]);
    return true;
}

} // namespace

bool TrickGameCore::PassesThreshold(int profile, float percent, int t1, int t2, int t3, int t4) {
    float threshold = 0.0f;
    return ThresholdOf(profile, t1, t2, t3, t4, &threshold) && percent > threshold;
}

bool TrickGameCore::FailsThreshold(int profile, float percent, int t1, int t2, int t3, int t4) {
    float threshold = 0.0f;
    return ThresholdOf(profile, t1, t2, t3, t4, &threshold) && percent < threshold;
}
