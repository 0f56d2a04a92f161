#include <gtest/gtest.h>

#include <algorithm>
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
