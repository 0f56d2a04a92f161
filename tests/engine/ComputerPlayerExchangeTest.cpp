#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/CardNames.h"
#include "engine/TestLevel.h"

namespace {

using card_names::Cards;

std::vector<int> HandOf(const SeatBlock& block) {
    std::vector<int> cards;
    for (std::uint8_t card : block.hand)
        if (card != 0)
            cards.push_back(card);
    std::sort(cards.begin(), cards.end());
    return cards;
}

std::vector<int> Sorted(std::vector<int> cards) {
    std::sort(cards.begin(), cards.end());
    return cards;
}

// The cards of a that b lacks, copies counted.
std::vector<int> Minus(std::vector<int> a, const std::vector<int>& b) {
    for (int card : b) {
        auto it = std::find(a.begin(), a.end(), card);
        if (it != a.end())
            a.erase(it);
    }
    return a;
}

// Counts and masks as the hand's cards give them.
void ExpectCountsMatchHand(TestLevel& game, int seat) {
    SeatBlock& block = game.seats[seat];
    std::int16_t counts[kGroupCount] = {};
    for (int card : HandOf(block))
        ++counts[game.GetSuitGroup(card)];
    for (int g = 0; g < kGroupCount; ++g)
        EXPECT_EQ(block.groupCount[g], counts[g]) << "seat " << seat << " group " << g;
    SeatBlock copy = block;
    game.ComputeRankStats(copy);
    EXPECT_EQ(copy.aceMask, block.aceMask);
    EXPECT_EQ(copy.tenMask, block.tenMask);
    EXPECT_EQ(copy.oberMask, block.oberMask);
    EXPECT_EQ(copy.unterMask, block.unterMask);
    EXPECT_EQ(copy.kingMask, block.kingMask);
    // Sorted: empty places last.
    const auto cards = static_cast<int>(HandOf(block).size());
    for (int p = 0; p < kHandPlaces; ++p)
        EXPECT_EQ(block.hand[p] != 0, p < cards);
}

class ExchangeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.NewDeal(false);
        game.gameType = {0, kWordNormal};
        game.options.cardExchange = 1;
    }
    TestLevel game;
};

TEST_F(ExchangeTest, ReceiverReturnsAcesThenTensThenItsLowestTrumps) {
    struct Case {
        const char *asking, *receiving, *returned;
        int out;
    };
    // The asking seat holds three trumps (Obers of Eichel and Gras, Unter of Schellen).
    const Case cases[] = {
        // Both Aces, then the plain Ten (the Heart Ten is a trump).
        {"E-O G-O S-U H-9 H-9 H-K G-9 G-K G-10 E-9 E-K E-10",
         "E-O S-O H-U S-9 S-K H-A H-10 G-K G-9 E-A E-10 E-9", "H-A E-A E-10", 0},
        // One plain card: then the trumps below the Ten from the lowest up.
        {"E-O G-O S-U H-9 H-9 H-K G-9 G-K G-10 E-9 E-K E-10",
         "G-A S-9 S-K S-10 S-A H-U G-U E-U S-O H-O H-10 H-10", "G-A S-9 S-K", 2},
        // Nines are plain cards to return too, before any trump.
        {"E-O G-O S-U H-9 H-9 H-K G-9 G-K G-10 E-9 E-K E-10",
         "G-9 E-9 S-9 S-K S-10 S-A H-U G-U E-U S-O H-10 H-10", "G-9 E-9 S-9", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.receiving);
        game.GiveHand(0, Cards(c.asking));
        game.GiveHand(1, Cards(c.receiving));
        int out = -1;
        game.ExchangeCardsSelect(0, 1, &out);
        EXPECT_EQ(out, c.out);
        EXPECT_EQ(Minus(HandOf(game.seats[0]), Cards(c.asking)), Sorted(Cards(c.returned)));
        EXPECT_EQ(Minus(HandOf(game.seats[1]), Cards(c.receiving)), Sorted(Cards("E-O G-O S-U")));
        ExpectCountsMatchHand(game, 0);
        ExpectCountsMatchHand(game, 1);
    }
}

TEST_F(ExchangeTest, ASeatThatBidASoloGivesItsNormalGameTrumps) {
    // Evaluated for its Unter solo the seat would hold one trump; in the normal game it holds
    // the two Obers and the Unter, and those go over.
    game.GiveHand(0, Cards("E-O G-O S-U H-9 H-9 H-K G-9 G-K G-10 E-9 E-K E-10"));
    game.GiveHand(1, Cards("E-O S-O H-U S-9 S-K H-A H-10 G-K G-9 E-A E-10 E-9"));
    game.BuildEvaluation(game.seats[0], 12, 4, kWordUnterSolo, 0);
    game.seats[0].bid = {4, kWordUnterSolo};
    int out = -1;
    game.ExchangeCardsSelect(0, 1, &out);
    EXPECT_EQ(
        Minus(HandOf(game.seats[1]), Cards("E-O S-O H-U S-9 S-K H-A H-10 G-K G-9 E-A E-10 E-9")),
        Sorted(Cards("E-O G-O S-U")));
}

TEST_F(ExchangeTest, AShortReceiverTakesOnlyAsManyTrumpsAsItCanReturn) {
    // Eight trumps offered; the receiver can return only its six plain Aces (its Schellen
    // Tens and Aces and Heart Tens are no low trumps). The two lowest Obers stay.
    game.options.exchangeTrumpLimit = 12;
    game.GiveHand(0, Cards("E-O E-O G-O G-O H-O H-O S-O S-O G-9 G-K E-9 E-K"));
    game.GiveHand(1, Cards("H-10 H-10 S-10 S-10 S-A S-A H-A H-A G-A G-A E-A E-A"));
    std::vector<int> all = HandOf(game.seats[0]);
    const std::vector<int> second = HandOf(game.seats[1]);
    all.insert(all.end(), second.begin(), second.end());
    std::sort(all.begin(), all.end());
    int out = -1;
    game.ExchangeCardsSelect(0, 1, &out);
    EXPECT_EQ(out, 0);
    EXPECT_EQ(HandOf(game.seats[0]),
              Sorted(Cards("S-O S-O G-9 G-K E-9 E-K H-A H-A G-A G-A E-A E-A")));
    std::vector<int> after = HandOf(game.seats[0]);
    const std::vector<int> receiver = HandOf(game.seats[1]);
    after.insert(after.end(), receiver.begin(), receiver.end());
    EXPECT_EQ(Sorted(after), all);
    EXPECT_EQ(receiver.size(), 12u);
    ExpectCountsMatchHand(game, 0);
    ExpectCountsMatchHand(game, 1);
}

TEST_F(ExchangeTest, ChosenExchangeSwapsTheCardsWhereverTheySit) {
    game.GiveHand(0, Cards("E-O G-O S-U H-9 H-9 H-K G-9 G-K G-10 E-9 E-K E-10"));
    game.GiveHand(1, Cards("E-O S-O H-U S-9 S-K H-A H-10 G-K G-9 E-A E-10 E-9"));
    // Seat 0 gives a plain card from the middle of its hand and its two Obers.
    const std::vector<int> fromA = Cards("G-10 E-O G-O");
    const std::vector<int> fromB = Cards("H-A E-A G-9");
    std::vector<std::uint8_t> a(fromA.begin(), fromA.end());
    std::vector<std::uint8_t> b(fromB.begin(), fromB.end());
    ASSERT_TRUE(game.ExchangeCardsReceive(0, a.data(), 3, 1, b.data()));
    EXPECT_EQ(HandOf(game.seats[0]),
              Sorted(Cards("S-U H-9 H-9 H-K G-9 G-K E-9 E-K E-10 H-A E-A G-9")));
    EXPECT_EQ(HandOf(game.seats[1]),
              Sorted(Cards("E-O S-O H-U S-9 S-K H-10 G-K E-10 E-9 G-10 E-O G-O")));
    ExpectCountsMatchHand(game, 0);
    ExpectCountsMatchHand(game, 1);
}

TEST_F(ExchangeTest, ChosenExchangeRefusesCardsNotHeldBadCountsAndOneSeat) {
    game.GiveHand(0, Cards("E-O G-O S-U H-9 H-9 H-K G-9 G-K G-10 E-9 E-K E-10"));
    game.GiveHand(1, Cards("E-O S-O H-U S-9 S-K H-A H-10 G-K G-9 E-A E-10 E-9"));
    struct Case {
        int seatA, count, seatB;
        const char *fromA, *fromB;
    };
    const Case cases[] = {
        {0, 1, 1, "H-A", "H-A"},         // seat 0 holds no Herz Ace
        {0, 2, 1, "G-O G-O", "H-A E-A"}, // one Gras Ober, given twice
        {0, 2, 1, "H-9 H-9", "E-A E-A"}, // one Eichel Ace at seat 1
        {0, 0, 1, "", ""},               // nothing to exchange
        {0, 13, 1, "H-9", "H-A"},        // more than the hands hold
        {0, -1, 1, "H-9", "H-A"},
        {0, 1, 0, "H-9", "H-9"}, // one seat twice
        {0, 1, 4, "H-9", "H-A"}, // no such seat
    };
    SeatBlock before[4];
    std::memcpy(before, game.seats, sizeof before);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fromA << " / " << c.fromB << " " << c.count);
        std::vector<int> a = Cards(c.fromA);
        std::vector<int> b = Cards(c.fromB);
        a.resize(12, 0);
        b.resize(12, 0);
        std::vector<std::uint8_t> bytesA(a.begin(), a.end());
        std::vector<std::uint8_t> bytesB(b.begin(), b.end());
        EXPECT_FALSE(
            game.ExchangeCardsReceive(c.seatA, bytesA.data(), c.count, c.seatB, bytesB.data()));
        EXPECT_EQ(std::memcmp(before, game.seats, sizeof before), 0);
    }
}

// Random deals with the exchange on: the seat with fewest trumps gives them all to the next
// seat. Cards are conserved, sizes kept, and the receiver's order of return holds.
TEST(ExchangeRandomTest, RandomExchangesConserveCardsAndReturnTheBestPlainCardsFirst) {
    std::mt19937 random(1612);
    TestLevel game;
    game.options.cardExchange = 1;
    for (int deal = 0; deal < 400; ++deal) {
        SCOPED_TRACE(deal);
        game.options.withoutNines = deal % 4 == 0 ? 1 : 0;
        game.Deal(random, 0, kWordNormal, 0);
        int asking = 0;
        for (int seat = 1; seat < 4; ++seat)
            if (game.seats[seat].groupCount[kTrumpGroup] <
                game.seats[asking].groupCount[kTrumpGroup])
                asking = seat;
        const int receiving = (asking + 1 + static_cast<int>(random() % 3)) % 4;
        game.options.exchangeTrumpLimit = game.seats[asking].groupCount[kTrumpGroup];
        const std::vector<int> askingBefore = HandOf(game.seats[asking]);
        const std::vector<int> receivingBefore = HandOf(game.seats[receiving]);
        int out = -1;
        game.ExchangeCardsSelect(asking, receiving, &out);
        const std::vector<int> askingAfter = HandOf(game.seats[asking]);
        const std::vector<int> receivingAfter = HandOf(game.seats[receiving]);
        std::vector<int> all = askingBefore;
        all.insert(all.end(), receivingBefore.begin(), receivingBefore.end());
        std::vector<int> after = askingAfter;
        after.insert(after.end(), receivingAfter.begin(), receivingAfter.end());
        EXPECT_EQ(Sorted(all), Sorted(after));
        EXPECT_EQ(askingAfter.size(), askingBefore.size());
        EXPECT_EQ(receivingAfter.size(), receivingBefore.size());
        ExpectCountsMatchHand(game, asking);
        ExpectCountsMatchHand(game, receiving);

        // The plain cards the receiver gave are no lower than any it kept. (The asking seat
        // gives only trumps, so the plain cards show in the difference of the hands.)
        int lowestReturned = 9, highestKept = 0, plain = 0, lowTrumps = 0;
        for (int card : receivingBefore) {
            if (game.IsTrump(card)) {
                lowTrumps += RankStepOf(card) < 7 ? 1 : 0;
                continue;
            }
            ++plain;
            const bool kept = std::count(receivingAfter.begin(), receivingAfter.end(), card) >=
                              std::count(receivingBefore.begin(), receivingBefore.end(), card);
            if (kept)
                highestKept = std::max(highestKept, RankStepOf(card));
            else
                lowestReturned = std::min(lowestReturned, RankStepOf(card));
        }
        EXPECT_GE(lowestReturned, highestKept);
        // All trumps go over unless the receiver runs out of plain cards and trumps below the
        // Ten; low trumps come back only after the last plain card.
        const int trumps =
            static_cast<int>(askingBefore.size()) -
            static_cast<int>(std::count_if(askingBefore.begin(), askingBefore.end(),
                                           [&](int card) { return !game.IsTrump(card); }));
        const int moving = std::min(trumps, plain + lowTrumps);
        const int expectedOut = std::max(0, moving - plain);
        EXPECT_EQ(out, expectedOut);
        EXPECT_EQ(game.seats[asking].groupCount[kTrumpGroup], trumps - moving + expectedOut);
        EXPECT_EQ(game.seats[receiving].groupCount[kTrumpGroup],
                  static_cast<int>(receivingBefore.size()) - plain + moving - expectedOut);
    }
}

} // namespace
