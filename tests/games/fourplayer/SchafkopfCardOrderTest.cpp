// The card order of every Schafkopf game word against the reference written from the published
// rules, and the deck constants of the Schafkopf line.
#include <gtest/gtest.h>

#include <random>

#include "SchafkopfReference.h"
#include "SchafkopfTable.h"

namespace {

// Every game word: the Call Game, the solos, the Beg, the rank solos, the 1st Trick, You, the
// all-passed game and two Touts.
const GameTypeWord kWords[] = {0,      1,       2,      4,           8,          16,   32,
                               64,     128,     256,    512,         1024,       2048, 4096,
                               0x2000, 0x20000, 0x8000, 4 | 0x10000, 8 | 0x10000};

class CardOrderTest : public ::testing::Test {
  protected:
    // Runs the check for every word, trump suit and deck size with the game object set to it.
    template <class Check> void ForEveryGame(Check check) {
        for (int shortDeck = 0; shortDeck < 2; ++shortDeck)
            for (GameTypeWord word : kWords)
                for (int trumpSuit = 0; trumpSuit < 4; ++trumpSuit) {
                    table.options.shortDeck = static_cast<std::int16_t>(shortDeck);
                    table.game.gameType = {trumpSuit, word};
                    SCOPED_TRACE(testing::Message() << "word " << word << " trump suit "
                                                    << trumpSuit << " short " << shortDeck);
                    check(table.RefGame());
                }
    }
    SchafkopfTable table;
};

TEST_F(CardOrderTest, TrumpsGroupsAndEveryPairFollowThePublishedOrder) {
    ForEveryGame([&](const skref::Game& ref) {
        SchafkopfComputerPlayer& g = table.game;
        const auto deck = ref.Deck();
        for (int a : deck) {
            ASSERT_EQ(g.IsTrump(a), ref.IsTrump(a)) << a;
            ASSERT_EQ(g.GetSuitGroup(a), ref.Group(a)) << a;
            for (int b : deck) {
                if (a == b || (ref.Group(a) != ref.Group(b) && !ref.IsTrump(a) && !ref.IsTrump(b)))
                    continue;
                const int stronger = ref.Beats(b, a) ? b : a;
                ASSERT_EQ(g.GetHigherCard(a, b), stronger) << a << " vs " << b;
            }
        }
    });
}

TEST_F(CardOrderTest, DeckCountsAndLowestCardsFollowTheDeckInPlay) {
    ForEveryGame([&](const skref::Game& ref) {
        SchafkopfComputerPlayer& g = table.game;
        const auto deck = ref.Deck();
        for (int group = 0; group < 5; ++group) {
            // Where the trump suit's cards are trumps, asking for that suit asks for the trumps.
            const int asked = group == ref.trumpSuit && ref.SuitTrumps() ? 4 : group;
            int count = 0;
            int lowest = 0;
            for (int card : deck) {
                if (ref.Group(card) != asked)
                    continue;
                ++count;
                if (lowest == 0 || ref.Strength(card) < ref.Strength(lowest))
                    lowest = card;
            }
            EXPECT_EQ(g.CountGroupInDeck(group, ref.trumpSuit, ref.word), count) << group;
            EXPECT_EQ(g.GetLowestOfGroup(ref.trumpSuit, ref.word, group), lowest) << group;
        }
        const auto trumps = ref.Trumps();
        EXPECT_EQ(g.GetLowestTrump(ref.trumpSuit, ref.word), trumps.empty() ? 0 : trumps.back());
        EXPECT_EQ(g.GetLowestRankStep(), ref.shortDeck ? 3 : 1);
    });
}

TEST_F(CardOrderTest, TrickWinnerSoFarFollowsThePublishedOrder) {
    std::mt19937 random(20);
    ForEveryGame([&](const skref::Game& ref) {
        SchafkopfComputerPlayer& g = table.game;
        auto deck = ref.Deck();
        for (int round = 0; round < 40; ++round) {
            std::shuffle(deck.begin(), deck.end(), random);
            int cards[4];
            for (int s = 0; s < 4; ++s) {
                cards[s] = deck[s];
                g.trickCards[s] = static_cast<std::int16_t>(deck[s]);
            }
            g.leader = static_cast<std::int16_t>(random() % 4);
            for (int seat = 0; seat < 4; ++seat)
                ASSERT_EQ(g.GetTrickWinnerSoFar(seat), ref.TrickWinner(cards, g.leader, seat))
                    << cards[0] << " " << cards[1] << " " << cards[2] << " " << cards[3]
                    << " leader " << g.leader << " seat " << seat;
        }
    });
}

TEST_F(CardOrderTest, BegHandsSortIntoTheNaturalOrder) {
    table.game.gameType = {1, kWordNoTrumps};
    // Eichel 7, Herz King, Gras Ten, Schellen Ace, Gras Unter, Herz 7, Eichel Ten, Schellen 9.
    const std::vector<int> cards = {25, 14, 23, 8, 20, 9, 31, 3};
    std::uint8_t hand[12] = {};
    for (size_t i = 0; i < cards.size(); ++i)
        hand[i] = static_cast<std::uint8_t>(cards[i]);
    table.game.SortHand(hand, 12, 1, kWordNoTrumps, true, false);
    // Schellen 9 A, Gras 10 U, Herz 7 K, Eichel 7 10; the Ten sits below the Unter.
    const std::uint8_t sorted[12] = {3, 8, 23, 20, 9, 14, 25, 31, 0, 0, 0, 0};
    for (int p = 0; p < 12; ++p)
        EXPECT_EQ(hand[p], sorted[p]) << p;
    // The colour flag puts Herz before Gras.
    table.game.SortHand(hand, 12, 1, kWordNoTrumps, true, true);
    const std::uint8_t herzFirst[8] = {3, 8, 9, 14, 23, 20, 25, 31};
    for (int p = 0; p < 8; ++p)
        EXPECT_EQ(hand[p], herzFirst[p]) << p;
}

TEST_F(CardOrderTest, SoloWordsAndCardRoles) {
    SchafkopfComputerPlayer& g = table.game;
    // Solos: every single game bit from 2 to 4096, You and the all-passed game.
    for (GameTypeWord word : kWords) {
        const GameTypeWord bits = word & kGameBitsMask;
        const bool solo = (bits > 1 && bits < 0x2000) || bits == kWordYou || word == 0x8000;
        EXPECT_EQ(g.IsSoloWord(word), solo) << word;
        EXPECT_EQ(g.IsSoloWord(word | kModSoloChoice), solo) << word;
    }
    struct Role {
        GameTypeWord word;
        int card, role;
    } roles[] = {
        {1, 29, 3},  {1, 12, 2},  {1, 16, 1},  // Call Game: Ober, Unter, the trump Ace
        {2, 9, 1},   {2, 13, 2},  {2, 15, 3},  // pure Suit Solo: 7 small, Ober middle, 10 high
        {32, 28, 3}, {32, 13, 2}, {32, 3, 1},  // suit-Unter solo
        {64, 21, 3}, {64, 20, 2}, {64, 11, 1}, // suit-Ober solo: the Unter is middle, the 9 small
    };
    for (const Role& r : roles) {
        g.gameType = {1, r.word};
        EXPECT_EQ(g.RateCardRole(r.card), r.role) << r.word << " card " << r.card;
    }
}

TEST_F(CardOrderTest, DeckConstantsOfTheShortAndTheFullDeck) {
    SchafkopfComputerPlayer& g = table.game;
    EXPECT_EQ(g.GetHandCapacity(), 8);
    EXPECT_EQ(g.GetCardsPerHand(), 8);
    table.options.shortDeck = 1;
    EXPECT_EQ(g.GetCardsPerHand(), 6);
    EXPECT_EQ(g.GetEndgameTrick(), 5);
    EXPECT_EQ(g.GetLowTrumpLimit(), 9);
    EXPECT_FALSE(g.HasTwoCopies());
    // Counts tuned for twelve cards, scaled to eight.
    const int scaled[][2] = {{14, 8}, {10, 6}, {6, 4}, {1, 1}, {0, 1}};
    for (const auto& s : scaled)
        EXPECT_EQ(g.ScaleCardCount(s[0]), s[1]) << s[0];
}

} // namespace
