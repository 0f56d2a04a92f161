#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/ReferenceRules.h"
#include "engine/TestLevel.h"
#include "platform/Alerts.h"

namespace {

using namespace reference;

class TrickGameCoreTest : public ::testing::Test {
  protected:
    TestLevel game;
};

} // namespace

TEST_F(TrickGameCoreTest, DeckFactsMatchTheReferenceOrderForEveryGame) {
    for (bool shortDeck : {false, true}) {
        game.options.withoutNines = shortDeck ? 1 : 0;
        const std::vector<int> deck = game.Deck();
        ASSERT_EQ(deck.size(), shortDeck ? 40u : 48u);
        for (const Game& ref : AllGames()) {
            SCOPED_TRACE(ref.name + (shortDeck ? " short" : ""));
            game.gameType = {ref.trumpSuit, ref.word};
            for (int card = 1; card <= 32; ++card)
                EXPECT_EQ(game.IsTrump(card), Strength(ref, card) >= 0) << card;
            // Every pair of trumps and every pair of plain cards of one suit.
            for (int a : deck)
                for (int b : deck) {
                    if (a == b || Group(ref, a) != Group(ref, b))
                        continue;
                    EXPECT_EQ(game.GetHigherCard(a, b), Above(ref, a, b) ? a : b)
                        << a << " vs " << b;
                }
            for (int g = 0; g < 5; ++g) {
                const std::vector<int> order = GroupOrder(ref, deck, g);
                int inDeck = 0;
                for (int card : deck)
                    inDeck += Group(ref, card) == g;
                const bool ownSuit = g < 4 && g == ref.trumpSuit && ref.suitTrumps;
                if (ownSuit) {
                    // The trump suit's own group is counted with the trumps.
                    EXPECT_EQ(game.CountGroupInDeck(g, ref.trumpSuit, ref.word),
                              static_cast<int>(GroupOrder(ref, deck, 4).size()) * 2);
                    continue;
                }
                EXPECT_EQ(game.CountGroupInDeck(g, ref.trumpSuit, ref.word), inDeck) << g;
                if (order.empty()) {
                    if (g == 4) {
                        EXPECT_EQ(game.GetTopCard(4), 0);
                        EXPECT_EQ(game.GetLowestTrump(ref.trumpSuit, ref.word), 0);
                    }
                    continue;
                }
                EXPECT_EQ(game.GetTopCard(g), order.front()) << g;
                EXPECT_EQ(game.GetLowestOfGroup(ref.trumpSuit, ref.word, g), order.back()) << g;
                if (g == 4) {
                    EXPECT_EQ(game.GetLowestTrump(ref.trumpSuit, ref.word), order.back());
                }
                for (std::size_t i = 0; i < order.size(); ++i) {
                    const int expected = i + 1 < order.size() ? order[i + 1] : -1;
                    EXPECT_EQ(game.GetNextLowerCard(order[i]), expected) << order[i];
                }
            }
        }
    }
}

TEST_F(TrickGameCoreTest, NormalGameTrumpChainFromTheTop) {
    game.gameType = {0, kWordNormal};
    const std::vector<int> chain = {15, 29, 21, 13, 5, 28, 20, 12, 4, 8, 7, 6, 3};
    EXPECT_EQ(game.GetTopCard(4), 15);
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        EXPECT_EQ(game.GetNextLowerCard(chain[i]), chain[i + 1]);
    EXPECT_EQ(game.GetNextLowerCard(3), -1);
    game.options.withoutNines = 1;
    EXPECT_EQ(game.GetNextLowerCard(6), -1);
}

TEST_F(TrickGameCoreTest, TopCardOfABadGroupBeeps) {
    game.gameType = {0, kWordNormal};
    for (int group : {-1, 5, 6}) {
        const std::uint32_t beeps = SysBeepCount();
        EXPECT_EQ(game.GetTopCard(group), -1) << group;
        EXPECT_EQ(SysBeepCount(), beeps + 1) << group;
    }
    // The four suit groups (their Ace is step 8 of the group's eight codes) and the trumps
    // answer without a sound.
    const std::uint32_t beeps = SysBeepCount();
    for (int group = 0; group < 4; ++group)
        EXPECT_EQ(game.GetTopCard(group), 8 * group + 8) << group;
    EXPECT_EQ(game.GetTopCard(kTrumpGroup), kHeartTen); // the top trump of a normal game
    EXPECT_EQ(SysBeepCount(), beeps);
}

TEST_F(TrickGameCoreTest, TrumpRankListsEndWithMinusOne) {
    int list[4];
    int length = 0;
    game.GetTrumpRanks(kWordOberUnterKing | kModSoloChoice, list, &length);
    EXPECT_EQ(length, 3);
    EXPECT_EQ(list[0], kRankOber);
    EXPECT_EQ(list[2], kRankKing);
    EXPECT_EQ(list[3], -1);
    game.GetTrumpRanks(kWordNoTrumps, list, &length);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(list[0], -1);
}

TEST_F(TrickGameCoreTest, BitCountsAndHeartTens) {
    EXPECT_EQ(game.CountBits(0xff, 0x55), 4);
    EXPECT_EQ(game.CountBits(0x0c, 0xff), 2);
    EXPECT_EQ(game.CountWithHeartTens(0x0c, 0x03, 0xff), 4);
    EXPECT_EQ(game.CountWithHeartTens(0x04, 0, 0xff), 1);
    EXPECT_EQ(game.CountWithHeartTens(0x08, 0, 0xff), 0);
}

TEST_F(TrickGameCoreTest, SeatSteps) {
    EXPECT_EQ(game.NextSeat(-1), 0);
    EXPECT_EQ(game.NextSeat(3), 0);
    EXPECT_EQ(game.NextSeat(1), 2);
    EXPECT_EQ(game.PreviousSeat(0), 3);
    EXPECT_EQ(game.PreviousSeat(2), 1);
}

TEST_F(TrickGameCoreTest, NewDealResetsTheDealState) {
    game.gameType = {2, kWordSuitSolo};
    game.partyLists[0] = 1;
    game.diamondAcesSeat = 2;
    game.specialPairSeat = 1;
    game.tricks[0] = {{1, 2, 3, 4}, 1, 2};
    game.seats[2].profile = 17;
    game.NewDeal(true);
    EXPECT_EQ(game.gameType.trumpSuit, 0);
    EXPECT_EQ(game.gameType.word, kWordNormal);
    for (int entry : game.partyLists)
        EXPECT_EQ(entry, -1);
    EXPECT_EQ(game.diamondAcesSeat, -1);
    EXPECT_EQ(game.specialPairSeat, -1);
    EXPECT_EQ(game.previousTricks[0].cards[3], 4);
    EXPECT_EQ(game.tricks[0].cards[3], 0);
    for (int seat = 0; seat < 4; ++seat) {
        for (int other = 0; other < 4; ++other)
            EXPECT_EQ(game.seats[seat].partyBelief[other], seat == other ? 100 : 0);
        const HandPlaceRecord& record = game.placeRecords[seat];
        for (int g = 0; g < 5; ++g) {
            EXPECT_EQ(record.minSize[g], -1);
            EXPECT_EQ(record.maxSize[g], -1);
            EXPECT_EQ(record.exactSize[g], -1);
        }
        EXPECT_EQ(record.topCard[0], 8);
        EXPECT_EQ(record.topCard[3], 32);
        EXPECT_EQ(record.topCard[4], 0);
        EXPECT_EQ(game.announceRecords[seat].trumpEvidence.shownBoth, -1);
        EXPECT_EQ(game.seats[seat].plannedLevel, -1);
        for (int g = 0; g < 5; ++g)
            EXPECT_EQ(game.evidence[seat][g], -1);
    }
    EXPECT_EQ(game.seats[2].profile, 0); // the game line sets the profiles again
    game.NewDeal(false);
    EXPECT_EQ(game.previousTricks[0].cards[3], 0);
}

TEST_F(TrickGameCoreTest, TricksLeftCountsTheCurrentTrick) {
    game.trickNumber = 1;
    EXPECT_EQ(game.CountTricksLeft(), 12);
    game.trickNumber = 12;
    EXPECT_EQ(game.CountTricksLeft(), 1);
    game.options.withoutNines = 1;
    game.trickNumber = 1;
    EXPECT_EQ(game.CountTricksLeft(), 10);
}

TEST_F(TrickGameCoreTest, ConventionsFollowTheProfile) {
    struct Case {
        int profile;
        bool conventions;
    };
    for (const Case& c : {Case{10, false}, Case{11, true}, Case{15, true}, Case{16, false},
                          Case{20, false}, Case{21, true}, Case{25, true}}) {
        game.seats[1].profile = static_cast<std::int16_t>(c.profile);
        EXPECT_EQ(game.UsesConventions(1), c.conventions) << c.profile;
        game.seats[1].usesProfileStyle = 1;
        game.InitSeatStyle(1);
        const int g = c.conventions ? 1 : 0;
        for (int n : {1, 4, 8, 10, 12, 14, 18, 20, 23, 26, 29, 31, 33, 35, 37})
            EXPECT_EQ(StyleSetting(game.seats[1], n), g) << n;
        for (int n : {2, 3, 5, 7, 9, 11, 38})
            EXPECT_EQ(StyleSetting(game.seats[1], n), 5) << n;
        EXPECT_EQ(StyleSetting(game.seats[1], 6), game.options.styleSettings[5]);
    }
}

TEST_F(TrickGameCoreTest, HumanSeatCopiesTheRulesStyles) {
    for (int n = 0; n < 38; ++n)
        game.options.styleSettings[n] = static_cast<std::int16_t>(100 + n);
    game.seats[0].usesProfileStyle = 0;
    game.InitSeatStyle(0);
    for (int n = 1; n <= 38; ++n)
        EXPECT_EQ(StyleSetting(game.seats[0], n), 99 + n);
    // Settings 3 to 9 are stored as 3, 4, 5, 8, 9, 6, 7.
    EXPECT_EQ(game.seats[0].styleRest[3], 107);
    EXPECT_EQ(game.seats[0].styleRest[5], 105);
    EXPECT_EQ(game.seats[0].styleRest[7], 109);
    game.seats[0].styleLead[0] = 1;
    game.seats[0].styleLead[1] = 3;
    EXPECT_TRUE(game.IsStyleActive(0));
    game.seats[0].styleLead[1] = 2;
    EXPECT_FALSE(game.IsStyleActive(0));
}

TEST_F(TrickGameCoreTest, NewGameReusesThePlayLogs) {
    const Handle logs[4] = {game.playLogs[0], game.playLogs[1], game.playLogs[2], game.playLogs[3]};
    const int handlesBefore = gHandleCount;
    for (int series = 0; series < 500; ++series)
        game.NewGame();
    EXPECT_EQ(gHandleCount, handlesBefore);
    for (int seat = 0; seat < 4; ++seat) {
        ASSERT_NE(game.playLogs[seat], nullptr);
        EXPECT_EQ(game.playLogs[seat], logs[seat]);
        EXPECT_EQ(game.seats[seat].playLog, logs[seat]);
        EXPECT_EQ(GetHandleSize(game.playLogs[seat]), 266);
    }
    EXPECT_EQ(game.playerVersion, 104);
    EXPECT_EQ(game.seriesLength, -1);
    EXPECT_EQ(game.dryRunIndex, -1);
}

TEST_F(TrickGameCoreTest, SavedRegionLayout) {
    game.playerVersion = 0x0102;
    game.placeRecords[0].reserved[0] = 0x0304;
    game.declarer = 0x05060708;
    game.gameType = {0x11121314, 0x21222324};
    game.seats[0].hand[0] = 0x31;
    game.seats[1].profile = 0x4142;
    game.seats[3].plannedLevel = 0x5152;
    game.evidence[0][0] = 0x6162;
    game.solosPlayed[0] = 0x7172;
    game.playTimeArea[94] = 0x7374;
    std::vector<std::uint8_t> image(kSavedRegionSize + 8, 0xee);
    game.WriteSavedRegion(image.data());
    auto i16 = [&](int offset) { return image[offset] | image[offset + 1] << 8; };
    EXPECT_EQ(i16(0), 0x0102);
    EXPECT_EQ(i16(10), 0x0304);
    EXPECT_EQ(i16(364), 0x0708);
    EXPECT_EQ(i16(366), 0x0506);
    EXPECT_EQ(i16(368), 0x1314);
    EXPECT_EQ(i16(374), 0x2122);
    EXPECT_EQ(image[780], 0x31);
    EXPECT_EQ(i16(780 + 320 + 42), 0x4142);
    EXPECT_EQ(i16(780 + 3 * 320 + 314), 0x5152);
    EXPECT_EQ(i16(780 + 3 * 320 + 316), 0); // the handle is not saved
    EXPECT_EQ(i16(2060), 0x6162);
    EXPECT_EQ(i16(2356), 0x7172);
    EXPECT_EQ(i16(2554), 0x7374);
    EXPECT_EQ(image[kSavedRegionSize], 0xee); // nothing written past the region

    TestLevel copy;
    copy.ReadSavedRegion(image.data());
    std::vector<std::uint8_t> again(kSavedRegionSize);
    copy.WriteSavedRegion(again.data());
    EXPECT_TRUE(std::equal(again.begin(), again.end(), image.begin()));
    EXPECT_EQ(copy.declarer, 0x05060708);
    EXPECT_EQ(copy.seats[2].playLog, copy.playLogs[2]);
}
