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

// The allowed-games bit of each candidate (typeEval index); the marriage has none.
const GameTypeWord kCandidateBits[26] = {0,  4,  4, 4, 4, 8, 16,  32,  32,  32,   32,   64,   64,
                                         64, 64, 2, 2, 2, 2, 128, 256, 512, 1024, 2048, 4096, 0};

class GameChoiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.NewDeal(false);
        game.gameType = {0, kWordNormal};
        game.leader = 0;
    }
    SeatBlock& Hand(const std::string& cards, int profile, bool leads) {
        game.GiveHand(kSeat, Cards(cards));
        SeatBlock& block = game.seats[kSeat];
        block.profile = static_cast<std::int16_t>(profile);
        block.leadFlag = leads ? 1 : 0;
        block.bid = {0, 0}; // as a new deal leaves it
        return block;
    }
    GameType Choose(SeatBlock& block, bool forced = false) {
        game.EvaluateGameTypes(kSeat, block, forced);
        return block.bid;
    }
    static constexpr int kSeat = 1;
    TestLevel game;
};

void ExpectBid(const GameType& bid, int suit, GameTypeWord word) {
    EXPECT_EQ(bid.word, word);
    if (word & kGameBitsMask) {
        EXPECT_EQ(bid.trumpSuit, suit);
    }
}

TEST_F(GameChoiceTest, AllUntersWithAnAceOfEachSuitLeadAnUnterSolo) {
    SeatBlock& block = Hand("S-U S-U H-U H-U G-U G-U E-U E-U S-A H-A G-A E-A", 12, true);
    ExpectBid(Choose(block), 4, kWordUnterSolo | kModSoloChoice);
    EXPECT_EQ(block.typeEval[5], 8);
    EXPECT_EQ(game.seatToMove, -1);
    // The hand is left evaluated for the chosen game: the eight Unters are its trumps.
    EXPECT_EQ(block.groupCount[kTrumpGroup], 8);
}

TEST_F(GameChoiceTest, BothEichelObersInAWeakHandMakeAMarriageWithoutTheSoloMark) {
    SeatBlock& block = Hand("E-O E-O S-9 S-K H-9 H-K G-9 G-K G-10 E-9 E-K E-10", 12, true);
    ExpectBid(Choose(block), 0, kWordMarriage);
    EXPECT_EQ(block.typeEval[25], 32);
    EXPECT_EQ(block.inDeclarerParty, 1);
    // A cautious seat takes the marriage at 32 too.
    block.profile = 14;
    ExpectBid(Choose(block), 0, kWordMarriage);
}

TEST_F(GameChoiceTest, AWeakHandWithoutGameKeepsItsExchangeRequest) {
    // Three trumps, no Ace, one Ober of Gras.
    const std::string cards = "G-O S-U S-9 H-9 H-9 H-K G-9 G-K G-10 E-9 E-K E-10";
    SeatBlock& block = Hand(cards, 12, false);
    EXPECT_EQ(Choose(block).word & (kGameBitsMask | kModExchange | kModThrowIn), 0u);
    game.options.cardExchange = 1;
    SeatBlock& again = Hand(cards, 12, false);
    EXPECT_EQ(Choose(again).word, kModExchange);
    EXPECT_EQ(again.inDeclarerParty, 0);
    // Even a forced seat finds no game in this hand: the request stays.
    EXPECT_EQ(Choose(again, true).word, kModExchange);
}

TEST_F(GameChoiceTest, AllAcesAndTensPlayTheNoTrumpSoloOnlyWhenItIsAllowed) {
    const std::string cards = "S-A S-A H-A H-A G-A G-A E-A E-A G-10 G-10 E-10 E-10";
    ExpectBid(Choose(Hand(cards, 12, false)), 4, kWordNoTrumps);
    game.options.allowedGames &= ~kWordNoTrumps;
    SeatBlock& block = Hand(cards, 12, false);
    EXPECT_EQ(Choose(block).word, 0u);
    EXPECT_EQ(block.typeEval[19], 0);
}

TEST_F(GameChoiceTest, TenTrumpsWithSevenTopTrumpsPlayTheSchellenSoloAt16) {
    // Six Obers and a Heart Ten with an Unter among ten trumps; the single Gras Ace is the one
    // lead trick beside them.
    SeatBlock& block = Hand("E-O E-O G-O G-O H-O H-O H-10 S-U S-9 S-K G-A E-9", 7, true);
    ExpectBid(Choose(block), 0, kWordSuitSolo | kModSoloChoice);
    EXPECT_EQ(block.typeEval[1], 16);
}

TEST_F(GameChoiceTest, ACautiousSeatPlaysAWeakSoloOnlyLateInTheSeries) {
    // Allowed: suit solos only. Nine trumps with six top trumps and two high Unters and two
    // lead tricks: a suit solo at level 32 and nothing stronger.
    game.options.allowedGames = kWordSuitSolo;
    const std::string cards = "E-O G-O G-O H-O H-O H-10 E-U G-U S-9 G-A G-A E-9";
    struct Case {
        int profile;
        bool rule, lead, forced;
        int length, played;
        bool taken;
    };
    const Case cases[] = {
        {12, false, true, false, -1, 0, true},  // style 2: at once
        {11, false, false, false, -1, 0, true}, // style 1
        {13, true, true, false, 24, 12, true},  // style 3: half the series left
        {13, true, true, false, 24, 11, false},
        {14, true, true, false, 24, 18, true}, // style 4: a quarter left
        {14, true, true, false, 24, 17, false},
        {13, true, true, false, 0, 20, false}, // no series
        {13, true, true, false, -1, 20, false},
        {13, false, true, false, 24, 20, false}, // no required solos
        {13, true, false, false, 24, 20, false}, // neither lead flag nor soloist leads
        {15, true, true, false, 24, 23, false},  // style 5 never
        {13, false, true, true, -1, 0, true},    // forced
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.profile << " " << c.length << " " << c.played);
        game.options.requiredSolos = c.rule ? 1 : 0;
        game.seriesLength = static_cast<std::int16_t>(c.length);
        game.gamesPlayed = static_cast<std::int16_t>(c.played);
        SeatBlock& block = Hand(cards, c.profile, c.lead);
        const GameType bid = Choose(block, c.forced);
        EXPECT_EQ(block.typeEval[1], 32);
        if (c.taken) {
            ExpectBid(bid, 0, kWordSuitSolo | (c.lead ? kModSoloChoice : 0));
        } else {
            EXPECT_EQ(bid.word, 0u);
        }
    }
}

TEST_F(GameChoiceTest, ThrowInNeedsKingsAndNinesUnlessTheRuleSaysEither) {
    // Five Kings and four nines.
    SeatBlock& block = Hand("S-K S-K H-K H-K G-K S-9 S-9 H-9 G-9 E-A E-A E-10", 12, false);
    game.options.throwInNeedsBoth = 0;
    EXPECT_EQ(game.IsThrowInAllowed(kSeat), 0); // not allowed at all by default
    game.options.throwInAllowed = 1;
    EXPECT_EQ(game.IsThrowInAllowed(kSeat), 1);
    game.options.throwInNeedsBoth = 1;
    EXPECT_EQ(game.IsThrowInAllowed(kSeat), 0);
    game.options.throwInNeedsBoth = 0;
    EXPECT_EQ(Choose(block).word & kModThrowIn, kModThrowIn);
    game.options.throwInKings = 6;
    EXPECT_FALSE(game.MayThrowIn(kSeat));
}

TEST_F(GameChoiceTest, ExchangeLimitIsInclusiveAndASoloBidIsAskedAboutTheNormalGame) {
    game.options.cardExchange = 1;
    Hand("G-O S-U S-9 H-9 H-9 H-K G-9 G-K G-10 E-9 E-K E-10", 12, false);
    EXPECT_TRUE(game.CheckExchangeNeed(kSeat));
    Hand("G-O S-U S-9 S-K H-9 H-K G-9 G-K G-10 E-9 E-K E-10", 12, false);
    EXPECT_FALSE(game.CheckExchangeNeed(kSeat));
    // A Gras solo bid with the same three normal-game trumps: its block is evaluated for the
    // solo (six trumps), the test reads the normal game and leaves the block as it was.
    SeatBlock& block = Hand("G-O S-U S-9 H-9 H-9 H-K G-9 G-K G-10 E-9 E-K E-10", 12, false);
    game.BuildEvaluation(block, 12, 2, kWordSuitSolo, kSeat);
    block.bid = {2, kWordSuitSolo};
    SeatBlock before;
    std::memcpy(&before, &block, sizeof before);
    EXPECT_TRUE(game.CheckExchangeNeed(kSeat));
    EXPECT_EQ(std::memcmp(&before, &block, sizeof before), 0);
    game.options.cardExchange = 0;
    EXPECT_FALSE(game.CheckExchangeNeed(kSeat));
}

TEST_F(GameChoiceTest, ThrowInStrengthTestCountsTheExtraTrumps) {
    // Three trumps (both Eichel Obers and a Gras Ober), so no forced suit solo: with seven
    // more the hand has ten trumps but only three top trumps; with eight it is strong.
    SeatBlock& block = Hand("E-O E-O G-O H-9 H-K G-9 G-K G-10 E-9 E-K E-10 E-A", 17, false);
    EXPECT_FALSE(game.EvaluateThrowIn(kSeat, 0));
    EXPECT_FALSE(game.EvaluateThrowIn(kSeat, 7));
    EXPECT_TRUE(game.EvaluateThrowIn(kSeat, 8));
    EXPECT_EQ(block.profile, 17);
    // A forced suit solo makes the hand strong at once (its profile taken as 1 for the test).
    Hand("E-O E-O G-O G-O H-O H-O H-10 H-10 E-U G-U S-A S-A", 17, false);
    EXPECT_TRUE(game.EvaluateThrowIn(kSeat, 0));
}

// Random deals under random rules: every stored level is a level, disallowed candidates store
// nothing, the hand keeps its cards and no other seat's block changes.
TEST(GameChoiceRandomTest, RandomDealsKeepHandsOtherSeatsAndLevels) {
    std::mt19937 random(1616);
    TestLevel game;
    for (int deal = 0; deal < 300; ++deal) {
        game.options.withoutNines = deal % 5 == 0 ? 1 : 0;
        game.Deal(random, 0, kWordNormal, static_cast<int>(random() % 4));
        game.options.allowedGames = static_cast<std::uint32_t>(random() & 0x1fff);
        game.options.cardExchange = static_cast<std::int16_t>(random() % 2);
        game.options.throwInAllowed = static_cast<std::int16_t>(random() % 2);
        game.options.requiredSolos = static_cast<std::int16_t>(random() % 2);
        game.seriesLength = static_cast<std::int16_t>(static_cast<int>(random() % 4) * 12 - 12);
        game.gamesPlayed = static_cast<std::int16_t>(random() % 30);
        const int seat = static_cast<int>(random() % 4);
        SeatBlock& block = game.seats[seat];
        block.profile = static_cast<std::int16_t>(1 + random() % 20);
        block.leadFlag = static_cast<std::int16_t>(random() % 2);
        const bool forced = random() % 4 == 0;
        for (auto& level : block.typeEval)
            level = 99; // a candidate left out keeps this, which is no level
        std::vector<int> cards(block.hand, block.hand + kHandPlaces);
        std::sort(cards.begin(), cards.end());
        SeatBlock others[4];
        std::memcpy(others, game.seats, sizeof others);

        game.EvaluateGameTypes(seat, block, forced);

        SCOPED_TRACE(deal);
        std::vector<int> after(block.hand, block.hand + kHandPlaces);
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, cards);
        for (int other = 0; other < 4; ++other)
            if (other != seat) {
                EXPECT_EQ(std::memcmp(&others[other], &game.seats[other], sizeof(SeatBlock)), 0);
            }
        for (int index = 0; index < 26; ++index) {
            const int level = block.typeEval[index];
            EXPECT_TRUE(level == 0 || level == 8 || level == 16 || level == 24 || level == 32 ||
                        level == 40)
                << index << " " << level;
            if (index > 0 && index < 25 && !(game.options.allowedGames & kCandidateBits[index])) {
                EXPECT_EQ(level, 0) << index;
            }
            if (!forced) {
                EXPECT_NE(level, 40) << index;
            }
        }
        // A chosen game is a single allowed game bit; else only requests remain.
        const GameTypeWord bits = block.bid.word & kGameBitsMask;
        if (bits != 0) {
            EXPECT_TRUE(bits == kWordMarriage || (bits & game.options.allowedGames) == bits);
            EXPECT_EQ(block.bid.word & (kModExchange | kModThrowIn), 0u);
        }
        EXPECT_EQ(game.seatToMove, -1);
    }
}

} // namespace

// With the rules of a fresh installation (no exchange, no throw-in) no seat asks for either:
// on random deals, and on the hands that would ask under the house rules (three trumps; five
// Kings and five nines).
TEST(GameChoiceRandomTest, TheDefaultRulesNeverAskForAnExchangeOrAThrowIn) {
    std::mt19937 random(1617);
    TestLevel game;
    auto expectNoRequest = [&](int seat) {
        SeatBlock& block = game.seats[seat];
        block.profile = static_cast<std::int16_t>(1 + random() % 20);
        block.leadFlag = static_cast<std::int16_t>(random() % 2);
        block.bid = {0, 0};
        game.EvaluateGameTypes(seat, block, false);
        EXPECT_EQ(block.bid.word & (kModExchange | kModThrowIn), 0u) << seat;
    };
    for (int deal = 0; deal < 100; ++deal) {
        SCOPED_TRACE(deal);
        game.Deal(random, 0, kWordNormal, static_cast<int>(random() % 4));
        for (int seat = 0; seat < 4; ++seat)
            expectNoRequest(seat);
    }
    for (const char* hand : {"G-O S-U S-9 H-9 H-9 H-K G-9 G-K G-10 E-9 E-K E-10",
                             "S-K S-K H-K H-K G-K S-9 S-9 H-9 G-9 E-9 E-A E-10"}) {
        SCOPED_TRACE(hand);
        game.NewDeal(false);
        game.gameType = {0, kWordNormal};
        game.leader = 0;
        game.GiveHand(1, card_names::Cards(hand));
        expectNoRequest(1);
    }
}
