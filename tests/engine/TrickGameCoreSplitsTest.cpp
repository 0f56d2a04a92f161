#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/SplitTables.h"
#include "engine/TrickGameCore.h"
#include "support/AlertRecorder.h"

namespace {

// Exact hypergeometric chances, worked out here from binomial counts: n cards of a group
// dealt at random into hidden hands of twelve cards.
double Choose(int n, int k) {
    if (k < 0 || k > n)
        return 0.0;
    double result = 1.0;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

struct Split {
    std::vector<int> holdings; // largest first
    double percent;
};

// Every split of n cards over the given number of hands, each with its exact chance.
std::vector<Split> ExactSplits(int cards, int hands) {
    std::vector<Split> splits;
    const double all = Choose(12 * hands, cards);
    for (int a = std::min(cards, 12); a >= 0; --a)
        for (int b = std::min(a, cards - a); b >= 0; --b) {
            std::vector<int> h = {a, b};
            if (hands == 3) {
                const int c = cards - a - b;
                if (c < 0 || c > b)
                    continue;
                h.push_back(c);
            } else if (a + b != cards) {
                continue;
            }
            // Ordered deals that give this split: the distinct arrangements of the holdings.
            std::vector<int> order = h;
            std::sort(order.begin(), order.end());
            double ways = 0.0;
            do {
                double count = 1.0;
                for (int x : order)
                    count *= Choose(12, x);
                ways += count;
            } while (std::next_permutation(order.begin(), order.end()));
            splits.push_back({h, 100.0 * ways / all});
        }
    return splits;
}

// The chance that no hand holds more than k (and, with atMostOneFull, at most one holds k).
double ExactChance(int cards, int hands, int most, bool atMostOneFull = false) {
    double sum = 0.0;
    for (const Split& split : ExactSplits(cards, hands)) {
        const int full =
            static_cast<int>(std::count(split.holdings.begin(), split.holdings.end(), most));
        if (split.holdings[0] <= most && (!atMostOneFull || full <= 1))
            sum += split.percent;
    }
    return sum;
}

// The stored figure of a split: its exact chance rounded half up to two decimals. Two entries
// of 27.145007 % are stored as 27.14.
float StoredFigure(int cards, const Split& split) {
    const auto& h = split.holdings;
    if (h.size() == 3 &&
        ((cards == 10 && h[0] == 5 && h[1] == 3) || (cards == 26 && h[0] == 10 && h[1] == 9)))
        return 27.14f;
    return static_cast<float>(std::floor(split.percent * 100.0 + 0.5) / 100.0);
}

// Whether a three-hand row leaves the split out: the holdings of 12 in rows 15 to 18, and of
// 11 in row 15.
bool LeftOut(int cards, const Split& split) {
    return cards >= 15 && cards <= 18 &&
           (split.holdings[0] == 12 || (cards == 15 && split.holdings[0] == 11));
}

// The answer for n cards and bound k built from the stored figures: below the switch point
// the figures of the splits whose largest holding is at most k summed in row order in single
// precision, from it on 100 minus the others in double precision, rounded once.
float ChanceFromFigures(int cards, int hands, int most, int switchPoint) {
    float sum = 0.0f;
    double rest = 100.0;
    for (const Split& split : ExactSplits(cards, hands)) {
        if (hands == 3 && LeftOut(cards, split))
            continue;
        if (split.holdings[0] <= most)
            sum += StoredFigure(cards, split);
        else
            rest -= StoredFigure(cards, split);
    }
    return most < switchPoint ? sum : static_cast<float>(rest);
}

// The figure to two decimals, as the tables list it (6857 for 68.57 %).
long Hundredths(float percent) {
    return std::lround(percent * 100.0);
}

class SplitTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetAlertRecorder(); }
    // The text comes from the string table, which only the Windows build holds.
    bool ReportedRangeError(const std::string& tag) {
        const auto& boxes = RecordedAlerts();
        if (boxes.size() != 1 || boxes[0].caption != "Stop")
            return false;
#ifdef _WIN32
        return boxes[0].text == "Programming error: " + tag;
#else
        return boxes[0].text.empty() || boxes[0].text == "Programming error: " + tag;
#endif
    }
    TrickGameCore core;
};

} // namespace

TEST_F(SplitTest, EveryStoredEntryIsTheRoundedHypergeometricChance) {
    int stored = 0;
    for (int n = kThreeHandRowFirst; n <= kThreeHandRowLast; ++n)
        for (const Split& split : ExactSplits(n, 3)) {
            const float entry = GetThreeHandSplitEntry(n, split.holdings[0], split.holdings[1]);
            SCOPED_TRACE(std::to_string(n) + ": " + std::to_string(split.holdings[0]) + "-" +
                         std::to_string(split.holdings[1]));
            if (entry < 0.0f) {
                // Only the very uneven splits of the middle rows are left out, and they are rare.
                EXPECT_TRUE(n >= 15 && n <= 18 && split.holdings[0] >= 11);
                EXPECT_LT(split.percent, 0.01);
                continue;
            }
            ++stored;
            // Two decimals (the two entries of 27.145007 % are stored rounded down).
            EXPECT_NEAR(entry, split.percent, 0.00501);
        }
    EXPECT_EQ(stored, 385);
    stored = 0;
    for (int n = kTwoHandRowFirst; n <= kTwoHandRowLast; ++n)
        for (const Split& split : ExactSplits(n, 2)) {
            ++stored;
            EXPECT_NEAR(GetTwoHandSplitEntry(n, split.holdings[0]), split.percent, 0.00501) << n;
        }
    EXPECT_EQ(stored, 47);
    EXPECT_EQ(GetThreeHandSplitEntry(1, 7, 3), 100.0f);
    EXPECT_EQ(GetTwoHandSplitEntry(1, 0), 100.0f);
    EXPECT_EQ(GetThreeHandSplitEntry(5, 6, 0), -1.0f);
    EXPECT_EQ(GetTwoHandSplitEntry(4, 1), -1.0f); // 1-3 is written 3-1
}

TEST_F(SplitTest, ChancesMatchTheExactCountsOfEveryRowAndBound) {
    for (int n = 2; n <= 26; ++n)
        for (int k = 1; k <= n; ++k) {
            const float p = core.GetThreeHandSplit(n, k);
            if (3 * k < n)
                EXPECT_EQ(p, 0.0f) << n << " " << k;
            else if (k == n || k >= 12)
                EXPECT_EQ(p, 100.0f) << n << " " << k;
            else // each summed entry is off by at most half a hundredth
                EXPECT_NEAR(p, ExactChance(n, 3, k), 0.12) << n << " " << k;
        }
    for (int n = 2; n <= 24; ++n)
        for (int k = 0; k <= n; ++k) {
            if (n <= 12 && k == 0)
                continue;
            const float p = core.GetTwoHandSplit(n, k);
            if (2 * k < n)
                EXPECT_EQ(p, 0.0f) << n << " " << k;
            else if (k == n || k >= 12)
                EXPECT_EQ(p, 100.0f) << n << " " << k;
            else
                EXPECT_NEAR(p, ExactChance(n, 2, k), 0.03) << n << " " << k;
        }
    EXPECT_TRUE(RecordedAlerts().empty());
    // Four trumps out among three hands: 2-2, 3-1 and 4-0 of the exact counts.
    EXPECT_NEAR(core.GetThreeHandSplit(4, 2), ExactChance(4, 3, 2), 0.01);
    EXPECT_NEAR(core.GetThreeHandSplit(4, 3) - core.GetThreeHandSplit(4, 2),
                ExactChance(4, 3, 3) - ExactChance(4, 3, 2), 0.01);
    EXPECT_NEAR(100.0 - core.GetThreeHandSplit(4, 3), 100.0 - ExactChance(4, 3, 3), 0.01);
}

TEST_F(SplitTest, OneCardIsCertainWhateverTheBound) {
    EXPECT_EQ(core.GetThreeHandSplit(1, -5), 100.0f);
    EXPECT_EQ(core.GetThreeHandSplitSum(1, 40), 100.0f);
    EXPECT_EQ(core.GetTwoHandSplit(1, 0), 100.0f);
    // Past the middle a small bound is no error: it just cannot hold.
    EXPECT_EQ(core.GetTwoHandSplit(13, 0), 0.0f);
    EXPECT_EQ(core.GetTwoHandSplit(14, 40), 100.0f);
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(SplitTest, ArgumentsOutsideTheTablesReportAndAnswerNoEstimate) {
    struct Case {
        bool twoHands;
        int cards, most;
    };
    const Case cases[] = {{false, 0, 1},  {false, 27, 12}, {false, 5, 0}, {false, 5, 6},
                          {true, 13, 14}, {true, 2, 3},    {true, 25, 1}, {true, 0, 0}};
    for (const Case& c : cases) {
        ResetAlertRecorder();
        const float p = c.twoHands ? core.GetTwoHandSplit(c.cards, c.most)
                                   : core.GetThreeHandSplit(c.cards, c.most);
        EXPECT_EQ(p, -1.0f) << c.cards << " " << c.most;
        EXPECT_TRUE(ReportedRangeError(c.twoHands ? "Wkt 3" : "Wkt 2")) << c.cards;
    }
    ResetAlertRecorder();
    EXPECT_EQ(core.GetThreeHandSplitSum(12, 13), -1.0f);
    EXPECT_TRUE(ReportedRangeError("Wkt 2"));
    EXPECT_EQ(core.GetNoEstimate(1, 2, 3, 4), -1.0f);
}

TEST_F(SplitTest, SumPairsCountAtMostOneFullHand) {
    const int pairs[][2] = {{2, 1}, {2, 2}, {3, 1}, {4, 2}, {5, 2}, {5, 3},  {6, 2}, {6, 3},
                            {7, 3}, {8, 3}, {8, 4}, {9, 3}, {9, 4}, {10, 4}, {10, 5}};
    for (const auto& pair : pairs)
        EXPECT_NEAR(core.GetThreeHandSplitSum(pair[0], pair[1]),
                    ExactChance(pair[0], 3, pair[1], true), 0.03)
            << pair[0] << " " << pair[1];
    // Three cards with two rounds count only the split 2-1-0, not 1-1-1.
    EXPECT_EQ(core.GetThreeHandSplitSum(3, 2), GetThreeHandSplitEntry(3, 2, 1));
    EXPECT_GT(core.GetThreeHandSplit(3, 2), core.GetThreeHandSplitSum(3, 2));
    // Every other pair is the plain chance.
    for (const auto& pair : {std::pair{11, 5}, {3, 3}, {10, 6}, {20, 9}})
        EXPECT_EQ(core.GetThreeHandSplitSum(pair.first, pair.second),
                  core.GetThreeHandSplit(pair.first, pair.second));
}

TEST_F(SplitTest, ThresholdsByStyle) {
    struct Case {
        int profile;
        float percent;
        bool passes, fails;
    };
    const Case cases[] = {
        {7, 62.5f, true, false},  // style 2: 50
        {3, 60.0f, false, false}, // style 3: 60, equal decides neither way
        {3, 59.9f, false, true},   {24, 70.1f, true, false}, {21, 39.0f, false, true},
        {10, 99.0f, false, false}, {0, 99.0f, false, false}, {30, 0.0f, false, false},
        {-4, 0.0f, false, false},  {29, -1.0f, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrickGameCore::PassesThreshold(c.profile, c.percent, 40, 50, 60, 70), c.passes)
            << c.profile << " " << c.percent;
        EXPECT_EQ(TrickGameCore::FailsThreshold(c.profile, c.percent, 40, 50, 60, 70), c.fails)
            << c.profile << " " << c.percent;
    }
}

TEST_F(SplitTest, StoredEntriesAreTheRoundedFiguresExactly) {
    for (int n = kThreeHandRowFirst; n <= kThreeHandRowLast; ++n)
        for (const Split& split : ExactSplits(n, 3)) {
            if (LeftOut(n, split))
                continue;
            EXPECT_EQ(GetThreeHandSplitEntry(n, split.holdings[0], split.holdings[1]),
                      StoredFigure(n, split))
                << n << ": " << split.holdings[0] << "-" << split.holdings[1];
        }
    for (int n = kTwoHandRowFirst; n <= kTwoHandRowLast; ++n)
        for (const Split& split : ExactSplits(n, 2))
            EXPECT_EQ(GetTwoHandSplitEntry(n, split.holdings[0]), StoredFigure(n, split)) << n;
}

// Summing from the even side and subtracting the uneven side from 100 round differently in
// the last place; the switch point between the two is part of every answer.
TEST_F(SplitTest, EachRowSwitchesFromSumToComplementAtItsOwnPoint) {
    // Switch points for n = 2 to 26 (three hands) and 2 to 12 (two hands).
    const int three[] = {2, 3, 3, 4, 5,  6,  6,  7,  7,  7,  8,  8, 8,
                         8, 9, 9, 9, 10, 10, 10, 10, 11, 11, 11, 11};
    const int two[] = {2, 3, 3, 4, 5, 6, 6, 7, 7, 7, 9};
    for (int n = 2; n <= 26; ++n)
        for (int k = (n + 2) / 3; k < n && k < 12; ++k)
            EXPECT_EQ(core.GetThreeHandSplit(n, k), ChanceFromFigures(n, 3, k, three[n - 2]))
                << n << " " << k;
    for (int n = 2; n <= 12; ++n)
        for (int k = (n + 1) / 2; k < n; ++k) {
            EXPECT_EQ(core.GetTwoHandSplit(n, k), ChanceFromFigures(n, 2, k, two[n - 2]))
                << n << " " << k;
            // The mirrored rows read the same figures from the cards outside the group.
            EXPECT_EQ(core.GetTwoHandSplit(24 - n, k + 12 - n), core.GetTwoHandSplit(n, k));
        }
}

TEST_F(SplitTest, ListedChancesToTwoDecimals) {
    struct Case {
        int kind; // 3: three hands, 2: two hands, 1: the three-hand sums
        int cards, most;
        long hundredths;
    };
    const Case cases[] = {
        {3, 2, 1, 6857},   {3, 3, 2, 9075},    {3, 4, 3, 9748},    {3, 4, 1, 0},
        {3, 10, 5, 8635},  {3, 12, 4, 969},    {3, 18, 9, 9826},   {3, 18, 10, 9986},
        {3, 26, 11, 9768}, {3, 26, 12, 10000}, {3, 15, 10, 10000}, {1, 3, 2, 6655},
        {1, 10, 5, 8561},  {1, 11, 5, 7566},   {1, 3, 3, 10000},   {1, 4, 2, 4840},
        {1, 5, 3, 8992},   {1, 6, 3, 6843},    {1, 7, 3, 3444},    {1, 8, 4, 7896},
        {1, 9, 4, 5712},   {1, 10, 4, 2828},   {2, 2, 1, 5217},    {2, 11, 7, 9005},
        {2, 12, 6, 3157},  {2, 12, 8, 9608},   {2, 13, 7, 5864},   {2, 13, 12, 10000},
        {2, 22, 11, 5217}, {2, 24, 11, 0},     {2, 24, 12, 10000},
    };
    for (const Case& c : cases) {
        const float p = c.kind == 3   ? core.GetThreeHandSplit(c.cards, c.most)
                        : c.kind == 2 ? core.GetTwoHandSplit(c.cards, c.most)
                                      : core.GetThreeHandSplitSum(c.cards, c.most);
        EXPECT_EQ(Hundredths(p), c.hundredths) << c.kind << ": " << c.cards << " " << c.most;
    }
    // Telling entries of the tables.
    EXPECT_EQ(Hundredths(GetThreeHandSplitEntry(8, 4, 3)), 2591);
    EXPECT_EQ(Hundredths(GetThreeHandSplitEntry(26, 10, 9)), 2714);
    EXPECT_EQ(Hundredths(GetThreeHandSplitEntry(10, 5, 3)), 2714);
    EXPECT_EQ(Hundredths(GetTwoHandSplitEntry(12, 7)), 4639);
    EXPECT_EQ(Hundredths(GetTwoHandSplitEntry(4, 3)), 4969);
    EXPECT_TRUE(RecordedAlerts().empty());
}
