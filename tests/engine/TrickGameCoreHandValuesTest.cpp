#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/ReferenceRules.h"
#include "engine/TestLevel.h"

namespace {

class HandValuesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.NewDeal(false);
        game.gameType = {0, kWordNormal};
    }
    std::vector<int> Sorted(std::vector<int> cards, bool plainOrder = true, int capacity = 12) {
        std::uint8_t hand[12] = {};
        for (std::size_t i = 0; i < cards.size(); ++i)
            hand[i] = static_cast<std::uint8_t>(cards[i]);
        game.SortHand(hand, capacity, game.gameType.trumpSuit, game.gameType.word, true,
                      plainOrder);
        return std::vector<int>(hand, hand + 12);
    }
    // The entry of a plain suit for the given cards (any order) with nothing played.
    std::vector<int> Entry(std::vector<int> cards, int profile = 2) {
        std::sort(cards.begin(), cards.end());
        std::uint8_t held[12] = {};
        for (std::size_t i = 0; i < cards.size(); ++i)
            held[i] = static_cast<std::uint8_t>(cards[i]);
        SeatBlock block = {};
        block.profile = static_cast<std::int16_t>(profile);
        std::int16_t entry[4] = {-1, -1, -1, -1};
        game.CountSureTricks(held, static_cast<int>(cards.size()), game.playedMasks, entry, block,
                             game.gameType.trumpSuit, game.gameType.word);
        return {entry[0], entry[1], entry[2], entry[3]};
    }
    TestLevel game;
};

} // namespace

TEST_F(HandValuesTest, SortedHandsFollowTheReferenceOrderOfEveryGame) {
    std::mt19937 random(7);
    for (const reference::Game& ref : reference::AllGames()) {
        for (int shortDeck = 0; shortDeck < 2; ++shortDeck) {
            game.options.withoutNines = static_cast<std::int16_t>(shortDeck);
            game.gameType = {ref.trumpSuit, ref.word};
            for (int round = 0; round < 20; ++round) {
                std::vector<int> deck = game.Deck();
                std::shuffle(deck.begin(), deck.end(), random);
                const int count = 1 + static_cast<int>(random() % game.GetCardsPerHand());
                std::vector<int> cards(deck.begin(), deck.begin() + count);
                for (bool plainOrder : {true, false}) {
                    const std::vector<int> hand = Sorted(cards, plainOrder);
                    SCOPED_TRACE(ref.name + (plainOrder ? " plain order" : " display order"));
                    std::vector<int> kept(hand.begin(), hand.begin() + count);
                    std::vector<int> given = cards;
                    std::sort(kept.begin(), kept.end());
                    std::sort(given.begin(), given.end());
                    EXPECT_EQ(kept, given);
                    for (int p = count; p < 12; ++p)
                        EXPECT_EQ(hand[p], 0);
                    // Group rank in the hand: Schellen, Herz, Gras, Eichel (Gras before Herz in
                    // the display order), then the trumps.
                    auto order = [&](int card) {
                        const int g = reference::Group(ref, card);
                        if (!plainOrder && (g == 1 || g == 2))
                            return 3 - g;
                        return g;
                    };
                    for (int p = 1; p < count; ++p) {
                        const int a = hand[p - 1];
                        const int b = hand[p];
                        EXPECT_TRUE(order(a) < order(b) ||
                                    (order(a) == order(b) && !reference::Above(ref, a, b)))
                            << a << " before " << b;
                    }
                }
            }
        }
    }
}

TEST_F(HandValuesTest, NormalGameHandEndsWithHeartTensAboveObersAndUnters) {
    const std::vector<int> hand =
        Sorted({15, 29, 5, 21, 13, 28, 4, 8, 3, 15, 24, 11}); // 12 cards, any order
    const std::vector<int> expected = {11, 24, 3, 8, 4, 28, 5, 13, 21, 29, 15, 15};
    EXPECT_EQ(hand, expected);
    // Shown Schellen Aces go above the Heart Tens.
    game.diamondAcesSeat = 2;
    EXPECT_EQ(Sorted({15, 8, 29, 8})[3], 8);
    EXPECT_EQ(Sorted({15, 8, 29, 8})[1], 15);
}

TEST_F(HandValuesTest, EmptyPlacesStayLastWhateverCapacityTheCallerPasses) {
    const std::vector<int> hand = Sorted({32, 11, 3}, true, 8);
    EXPECT_EQ(hand[0], 11);
    EXPECT_EQ(hand[1], 32);
    EXPECT_EQ(hand[2], 3);
    for (int p = 3; p < 12; ++p)
        EXPECT_EQ(hand[p], 0);
}

TEST_F(HandValuesTest, GroupCountsUnderTheGameType) {
    std::int16_t counts[5];
    const std::uint8_t hand[] = {11, 15, 29, 3, 24, 32, 0};
    game.ComputeTrumpStats(hand, 7, 0, kWordNormal, counts);
    EXPECT_EQ(std::vector<int>(counts, counts + 5), (std::vector<int>{0, 1, 1, 1, 3}));
    game.ComputeTrumpStats(hand, 7, 4, kWordNoTrumps, counts);
    EXPECT_EQ(std::vector<int>(counts, counts + 5), (std::vector<int>{1, 2, 1, 2, 0}));
}

TEST_F(HandValuesTest, SureTricksOfAPlainSuit) {
    struct Case {
        std::vector<int> cards;
        int profile;
        std::vector<int> entry; // T, P, TL, PL
    };
    const Case cases[] = {
        {{32, 32, 31, 31}, 2, {4, 4, 4, 4}}, // both Eichel Aces and Tens
        {{32}, 2, {0, 0, 1, 1}},             // a lone Ace whose twin is out: sure only on lead
        {{32, 27}, 2, {1, 1, 1, 1}},         // the Ace stops the run while its twin is out
        // The Tens are out; four cards out split 2-2-0 or 2-1-1 about 70 times in 100: enough
        // for style 2 to count the Kings too, not for style 4.
        {{32, 32, 30, 30}, 2, {4, 2, 4, 2}},
        {{32, 32, 30, 30}, 4, {2, 2, 2, 2}},
        {{27, 30}, 2, {0, 0, 0, 0}}, // no Ace
        {{}, 2, {0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Entry(c.cards, c.profile), c.entry) << c.cards.size() << " " << c.profile;
    // The trump suit's own cards are no plain suit.
    EXPECT_EQ(Entry({8, 8}), (std::vector<int>{0, 0, 0, 0}));
    // Once both Tens are gone the Kings below the Aces run on.
    game.playedMasks[kRankTen] = 3u << 6;
    EXPECT_EQ(Entry({32, 32, 30})[2], 3);
}

TEST_F(HandValuesTest, PlayedCardsOfAGroupFromTheMasks) {
    std::uint16_t masks[8] = {};
    AddToRankMask(&masks[kRankTen], kSuitHerz);  // a Heart Ten: a trump
    AddToRankMask(&masks[kRankOber], kSuitGras); // an Ober: a trump
    AddToRankMask(&masks[kRankAce], kSuitHerz);
    AddToRankMask(&masks[kRankAce], kSuitHerz);
    AddToRankMask(&masks[kRankAce], kSuitSchellen); // the trump suit
    EXPECT_EQ(game.CountPlayedInGroupMasks(4, masks, 0, kWordNormal), 3);
    EXPECT_EQ(game.CountPlayedInGroupMasks(0, masks, 0, kWordNormal), 3);
    EXPECT_EQ(game.CountPlayedInGroupMasks(1, masks, 0, kWordNormal), 2);
    // A Herz solo counts the Heart Ten once.
    EXPECT_EQ(game.CountPlayedInGroupMasks(4, masks, 1, kWordSuitSolo), 4);
    EXPECT_EQ(game.CountPlayedInGroupMasks(2, masks, 4, kWordNoTrumps), 1);
}

TEST_F(HandValuesTest, SumOfTheEvaluationCountsTheTrumpValueInWholeTricks) {
    const std::int16_t entries[5][4] = {
        {1, 1, 2, 1}, {0, 0, 1, 0}, {2, 2, 2, 2}, {0, 0, 0, 0}, {3, 25, 4, 29}};
    std::int16_t sum[4];
    TrickGameCore::SumGroupEvaluation(sum, entries);
    EXPECT_EQ(std::vector<int>(sum, sum + 4), (std::vector<int>{6, 5, 9, 5}));
}

TEST_F(HandValuesTest, SplitOddsRaiseASureTrickCount) {
    SeatBlock block = {};
    block.profile = 2; // style 2
    // Every own card is a trick once the sure ones exhaust the cards out.
    EXPECT_EQ(game.AdjustSureTricks(3, 3, 5, block, 3), 5);
    EXPECT_EQ(game.AdjustSureTricks(0, 4, 2, block, 3), 0);
    // Two sure tricks against four cards out among three hands: 2-2-0 and 2-1-1 make up
    // about 70 per cent, above the 65 of style 2.
    EXPECT_EQ(game.AdjustSureTricks(2, 4, 5, block, 3), 5);
    block.profile = 4; // style 4 wants 75, and 90 of the "one left" chance
    EXPECT_EQ(game.AdjustSureTricks(2, 4, 5, block, 3), 2);
    // One sure trick and the Ten not held, with at least a card per seat out: one.
    EXPECT_EQ(game.AdjustSureTricks(1, 6, 3, block, 3), 1);
}

TEST_F(HandValuesTest, BuildEvaluationSortsCountsAndEvaluatesThePlainSuits) {
    SeatBlock& block = game.seats[1];
    const std::uint8_t cards[12] = {32, 29, 11, 32, 31, 3, 31, 24, 15, 16, 20, 19};
    std::copy(cards, cards + 12, block.hand);
    game.BuildEvaluation(block, 12, 0, kWordNormal, 1);
    EXPECT_EQ(block.hand[0], 11);
    EXPECT_EQ(block.hand[11], 15);
    EXPECT_EQ(std::vector<int>(block.groupCount, block.groupCount + 5),
              (std::vector<int>{0, 2, 2, 4, 4}));
    EXPECT_EQ(block.groupEval[3][0], 4); // Eichel Aces and Tens
    EXPECT_EQ(block.groupEval[4][2], 0); // no trump entry without trumps asked for
}
