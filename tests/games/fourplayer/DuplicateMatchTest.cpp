// The duplicate match deals each seed four times: every replay must hold the same cards with
// the same dealer and first lead, so that the tested player, moving round the table, plays
// every hand of the deal once; and a run must repeat itself.
#include <gtest/gtest.h>

#include <algorithm>

#include "match/DuplicateMatch.h"

namespace {

TEST(DuplicateMatch, TheFourReplaysOfADealHoldTheSameHandsDealerAndLead) {
    for (const duplicate::Opponent& opponent :
         {duplicate::Opponent{"random", true, duplicate::kLevelFive},
          duplicate::Opponent{"level0", false, duplicate::kLevelZero}}) {
        for (long deals : {1L, 2L, 7L}) {
            duplicate::Match match;
            ASSERT_TRUE(match.ok);
            const duplicate::Result r = match.Run(opponent, deals, 99);
            EXPECT_EQ(r.failures, 0);
            EXPECT_EQ(r.games, 4 * deals);
            std::vector<int> deck;
            for (const auto& hand : r.lastHands[0]) {
                EXPECT_EQ(hand.size(), 8u);
                deck.insert(deck.end(), hand.begin(), hand.end());
            }
            std::sort(deck.begin(), deck.end());
            EXPECT_EQ(std::unique(deck.begin(), deck.end()) - deck.begin(), 32);
            for (int tested = 1; tested < 4; ++tested) {
                EXPECT_EQ(r.lastHands[tested], r.lastHands[0]) << opponent.name << " " << tested;
                EXPECT_EQ(r.lastDealer[tested], r.lastDealer[0]);
                EXPECT_EQ(r.lastLeader[tested], r.lastLeader[0]);
            }
            // The dealer moves on with the deal number, as at the table.
            EXPECT_EQ(r.lastDealer[0], (deals - 1) % 4);
        }
    }
}

TEST(DuplicateMatch, ARunRepeatsItselfAndAnotherSeedDealsOtherCards) {
    const duplicate::Opponent random{"random", true, duplicate::kLevelFive};
    duplicate::Match first;
    duplicate::Match second;
    const duplicate::Result a = first.Run(random, 40, 7);
    const duplicate::Result b = second.Run(random, 40, 7);
    EXPECT_EQ(a.games, b.games);
    EXPECT_EQ(a.perDeal.mean, b.perDeal.mean);
    EXPECT_EQ(a.testedCards, b.testedCards);
    ASSERT_EQ(a.groups.size(), b.groups.size());
    for (const auto& [group, figures] : a.groups) {
        EXPECT_EQ(figures.money.mean, b.groups.at(group).money.mean) << group;
        EXPECT_EQ(figures.reasons, b.groups.at(group).reasons) << group;
    }
    // Every card of the tested seat is counted once: at most eight a game (a Beg ends early).
    EXPECT_LE(a.testedCards, 8 * a.games);
    EXPECT_GT(a.testedCards, 7 * a.games);
    duplicate::Match third;
    const duplicate::Result c = third.Run(random, 40, 8);
    EXPECT_NE(c.lastHands[0], a.lastHands[0]);
}

} // namespace
