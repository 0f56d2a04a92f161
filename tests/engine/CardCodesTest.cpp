#include <gtest/gtest.h>

#include "engine/CardCodes.h"

TEST(CardCodes, NoCardHasNoSuitAndNoPoints) {
    EXPECT_EQ(SuitOf(0), -1);
    EXPECT_EQ(SuitOf(33), -1);
    EXPECT_EQ(GetCardPoints(0), 0);
    EXPECT_EQ(SuitOf(1), kSuitSchellen);
    EXPECT_EQ(SuitOf(8), kSuitSchellen);
    EXPECT_EQ(SuitOf(9), kSuitHerz);
    EXPECT_EQ(SuitOf(32), kSuitEichel);
}

TEST(CardCodes, EachSuitHoldsThirtyPoints) {
    for (int suit = 0; suit < 4; ++suit) {
        int points = 0;
        for (int step = 1; step <= 8; ++step)
            points += GetCardPoints(suit * 8 + step);
        EXPECT_EQ(points, 30);
    }
    EXPECT_EQ(GetCardPoints(kSchellenAce), 11);
    EXPECT_EQ(GetCardPoints(kHeartTen), 10);
    EXPECT_EQ(GetCardPoints(kEichelKing), 4);
    EXPECT_EQ(GetCardPoints(kEichelOber), 3);
    EXPECT_EQ(GetCardPoints(kEichelUnter), 2);
    EXPECT_EQ(GetCardPoints(kSchellenNine), 0);
}

TEST(CardCodes, PictureOrderPutsTheTenBelowTheUnter) {
    for (int suit = 0; suit < 4; ++suit) {
        const int k = suit * 8;
        EXPECT_EQ(ConvertToPictureOrder(k + 7), k + 4); // Ten
        EXPECT_EQ(ConvertToPictureOrder(k + 4), k + 5); // Unter
        EXPECT_EQ(ConvertToPictureOrder(k + 5), k + 6); // Ober
        EXPECT_EQ(ConvertToPictureOrder(k + 6), k + 7); // King
        for (int step : {1, 2, 3, 8})
            EXPECT_EQ(ConvertToPictureOrder(k + step), k + step);
    }
}

TEST(CardCodes, SoloWords) {
    EXPECT_FALSE(IsSoloWord(0));
    for (GameTypeWord word : {1u, 0x2000u, 0x20000u}) {
        EXPECT_FALSE(IsSoloWord(word)) << word;
        EXPECT_FALSE(IsSoloWord(word | kModThrowIn)) << word;
    }
    EXPECT_TRUE(IsSoloWord(kModThrowIn));
    for (GameTypeWord bit = 2; bit <= 4096; bit <<= 1) {
        EXPECT_TRUE(IsSoloWord(bit)) << bit;
        EXPECT_TRUE(IsSoloWord(bit | kModSoloChoice | kModExchange | kModThrowIn)) << bit;
    }
}

TEST(CardCodes, RankMasksCountTwoCopiesPerSuit) {
    std::uint16_t mask = 0;
    AddToRankMask(&mask, kSuitHerz);
    EXPECT_EQ(mask, 0x4);
    AddToRankMask(&mask, kSuitHerz);
    EXPECT_EQ(mask, 0xc);
    RemoveFromRankMask(&mask, kSuitHerz);
    EXPECT_EQ(mask, 0x4);
    RemoveFromRankMask(&mask, kSuitHerz);
    EXPECT_EQ(mask, 0);
}
