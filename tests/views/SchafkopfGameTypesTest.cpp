// The game types of the Schafkopf table: the precedence of the games, the rows the game-type
// list offers against the best game named so far, and the games' names. Expected values come
// from the precedence and the rows written out below, not from the code under test.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "games/fourplayer/SchafkopfController.h"
#include "media/DeckManager.h"
#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "records/OptionRecordLayouts.h"
#include "shell/Settings.h"
#include "views/SchafkopfGameTypes.h"

namespace {

constexpr GameTypeWord kT = 0x10000; // Tout

// The precedence of the Schafkopf games, highest first as the players know it: You above all,
// then the Tout games, the first-trick and solo-choice bids, then the plain solos, the Beg, the
// Call Game, and no game at all.
struct RankedGame {
    const char* name;
    GameTypeWord word;
    int rank;
};
const RankedGame kPlainGames[] = {
    {"Suit Solo", 4, 45},
    {"Jacks Solo", 8, 46},
    {"Queens Solo", 16, 47},
    {"Kings Solo", 2048, 48},
    {"Queens-Jacks Solo", 512, 49},
    {"Jacks-Kings Solo", 256, 50},
    {"Jacks-Queens Solo", 1024, 51},
    {"Queens-Jacks-Kings Solo", 4096, 52},
    {"Suit-Jacks Solo", 32, 53},
    {"Suit-Queens Solo", 64, 54},
    {"Trump Solo", 2, 55},
    {"Beg", 128, 56},
    {"Call Game", 1, 58},
};

int ExpectedRank(GameTypeWord word) {
    if (word & 0x20000)
        return 0;
    const bool tout = (word & kT) != 0;
    const GameTypeWord bits = word & ~kT;
    if (bits == 0)
        return 60;
    if (bits == 0x2000)
        return 33 - (tout ? 30 : 0);
    if (bits == 0x4000)
        return 32 - (tout ? 30 : 0);
    for (const RankedGame& g : kPlainGames)
        if (g.word == bits)
            return g.rank - (tout ? 30 : 0);
    return -1;
}

TEST(SchafkopfGameTypeRank, EveryGameWordRanksByThePrecedence) {
    for (const RankedGame& g : kPlainGames) {
        EXPECT_EQ(GameTypeRank(g.word), g.rank) << g.name;
        EXPECT_EQ(GameTypeRank(g.word | kT), g.rank - 30) << g.name << " Tout";
    }
    const struct {
        GameTypeWord word;
        int rank;
    } kOthers[] = {
        {0, 60},           {kT, 60},
        {0x2000, 33},      {0x4000, 32},
        {0x20000, 0},      {0x24000, 0},
        {0x20000 | kT, 0}, {0x8000, -1},
        {0x8000 | kT, -1}, {0x40000, -1},
        {0x4004, 45},      {0x4000 | 8 | kT, 16}, // the solo-choice bit rides on the game's bit
    };
    for (const auto& c : kOthers)
        EXPECT_EQ(GameTypeRank(c.word), c.rank) << std::hex << c.word;
}

TEST(SchafkopfGameTypeRank, RanksOrderTheGamesStrictly) {
    // Every game has a rank of its own, so two different games never tie.
    std::set<int> ranks;
    for (const RankedGame& g : kPlainGames) {
        EXPECT_TRUE(ranks.insert(GameTypeRank(g.word)).second) << g.name;
        EXPECT_TRUE(ranks.insert(GameTypeRank(g.word | kT)).second) << g.name;
    }
    // Each Tout game outranks every plain game; You outranks every Tout game.
    for (const RankedGame& tout : kPlainGames)
        for (const RankedGame& plain : kPlainGames) {
            EXPECT_LT(GameTypeRank(tout.word | kT), GameTypeRank(plain.word));
            EXPECT_LT(GameTypeRank(0x20000), GameTypeRank(tout.word | kT));
        }
}

// A controller whose seats answer scripted game words, the leader given.
class ScriptedBids : public SchafkopfController {
  public:
    GameTypeWord words[4] = {};
    int leader = 0;
    GameTypeWord GetSeatBidType(int seat, int* suit) override {
        if (suit)
            *suit = 0;
        return words[seat];
    }
    int GetTrickLeader() override { return leader; }
};

TEST(SchafkopfGameTypeRank, LowestEarlierBidCountsTheSeatsFromTheLeader) {
    ScriptedBids bids;
    bids.leader = 2;
    bids.words[2] = 8;                              // Jacks Solo, 46
    bids.words[3] = 4;                              // Suit Solo, 45
    bids.words[0] = 0x8000;                         // unranked: not counted
    bids.words[1] = 0x10000 | 4;                    // Suit Solo Tout, 15
    EXPECT_EQ(LowestEarlierBidRank(2, &bids), 100); // the leader has nobody before it
    EXPECT_EQ(LowestEarlierBidRank(3, &bids), 46);
    EXPECT_EQ(LowestEarlierBidRank(0, &bids), 45);
    EXPECT_EQ(LowestEarlierBidRank(1, &bids), 45);
    // The seat itself is never counted, and the leader decides where the scan starts.
    bids.leader = 1;
    EXPECT_EQ(LowestEarlierBidRank(2, &bids), 15);
    EXPECT_EQ(LowestEarlierBidRank(1, &bids), 100);
    // A seat that named nothing still counts "no game" (60): a Call Game (58) beats it.
    bids.leader = 0;
    bids.words[0] = 0;
    EXPECT_EQ(LowestEarlierBidRank(1, &bids), 60);
    EXPECT_EQ(LowestEarlierBidRank(0, nullptr), 100);
}

// A controller whose human can or cannot call an Ace and has given the answer.
class CallableSuits : public ScriptedBids {
  public:
    bool callable = true;
    int humanBid = 0;
    bool ListCallableSuits(int, bool* suits, bool*) override {
        suits[0] = callable;
        return callable;
    }
    int GetBid(int) override { return humanBid; }
};

TEST(SchafkopfGameTypeList, TheCallRowNeedsNobodyElsePlayingACallableAceAndNoRequiredSolo) {
    SchafkopfOptions options{};
    options.partnershipMode = 2;
    options.toutGames = 1;
    options.allowedGames = 0x84;
    const struct {
        int firstPlayer;
        bool callable;
        int bid;
        bool possible;
        int finalRound = 0; // a required solo due at the series' end
    } cases[] = {{-1, true, 0, true}, {0, true, 2, true},     {1, true, 2, false},
                 {3, true, 0, false}, {-1, false, 0, false},  {-1, true, 128, false},
                 {0, true, 8, true},  {-1, true, 2, false, 1}};
    for (const auto& c : cases) {
        CallableSuits controller;
        controller.finalSoloRound = static_cast<std::int16_t>(c.finalRound);
        controller.firstPlayerSeat = c.firstPlayer;
        controller.callable = c.callable;
        controller.humanBid = c.bid;
        const SoloTypeChoice choice = SoloTypeChoiceFor(&controller, &options);
        EXPECT_EQ(choice.callPossible, c.possible)
            << c.firstPlayer << " " << c.callable << " " << c.bid << " " << c.finalRound;
        EXPECT_EQ(choice.partnershipMode, 2);
        EXPECT_TRUE(choice.toutGames);
        EXPECT_EQ(choice.allowedGames, 0x84);
    }
    EXPECT_FALSE(SoloTypeChoiceFor(nullptr, &options).callPossible);
}

// The rows of the list, written out: word, allowed bit, Tout.
struct Row {
    int code;
    GameTypeWord word;
    std::int32_t bit;
};
const Row kRows[] = {
    {2, 1, 0},
    {3, 0x20000, 0},
    {4, 4 | kT, 4},
    {5, 8 | kT, 8},
    {6, 16 | kT, 16},
    {7, 2048 | kT, 2048},
    {8, 1024 | kT, 1024},
    {9, 256 | kT, 256},
    {10, 512 | kT, 512},
    {11, 4096 | kT, 4096},
    {12, 32 | kT, 32},
    {13, 64 | kT, 64},
    {14, 2 | kT, 2},
    {15, 4, 4},
    {16, 8, 8},
    {17, 16, 16},
    {18, 2048, 2048},
    {19, 1024, 1024},
    {20, 256, 256},
    {21, 512, 512},
    {22, 4096, 4096},
    {23, 32, 32},
    {24, 64, 64},
    {25, 2, 2},
    {26, 128, 128},
};

std::vector<int> Offered(GameTypeWord best, const SoloTypeChoice& choice) {
    std::int16_t rows[kMaxSoloTypeRows];
    const int n = ListSoloTypes(best, choice, rows);
    return std::vector<int>(rows, rows + n);
}

// The list offers "***" and every row the options permit whose game outranks the best so far.
std::vector<int> ReferenceRows(GameTypeWord best, const SoloTypeChoice& choice) {
    if (choice.partnershipMode != 2)
        return {15};
    std::vector<int> rows = {1};
    const int limit = best == 0 ? 1000 : ExpectedRank(best);
    for (const Row& r : kRows) {
        const bool tout = r.code >= 3 && r.code <= 14;
        if (tout && !choice.toutGames)
            continue;
        if (r.code == 2 && !choice.callPossible)
            continue;
        if (r.bit && !(choice.allowedGames & r.bit))
            continue;
        if (ExpectedRank(r.word) < limit)
            rows.push_back(r.code);
    }
    return rows;
}

SoloTypeChoice GermanCall(bool tout, std::int32_t allowed = 0x1fff, bool call = true) {
    SoloTypeChoice c;
    c.partnershipMode = 2;
    c.toutGames = tout;
    c.allowedGames = allowed;
    c.callPossible = call;
    return c;
}

TEST(SchafkopfGameTypeList, EdgeCasesOfThePrecedence) {
    using V = std::vector<int>;
    const V allTout = {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    auto join = [](V a, const V& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    // After a Kings Solo: "***", Suit, Jacks and Queens Solo, and no Beg.
    EXPECT_EQ(Offered(2048, GermanCall(false)), (V{1, 15, 16, 17}));
    EXPECT_EQ(Offered(2048, GermanCall(true)), join(join({1, 3}, allTout), {15, 16, 17}));
    // After a plain Suit Solo with Tout games: You and the Tout rows, no plain row.
    EXPECT_EQ(Offered(4, GermanCall(true)), join({1, 3}, allTout));
    EXPECT_EQ(Offered(4, GermanCall(false)), (V{1}));
    // An equal game is not offered: after a Jacks Solo, no Jacks Solo.
    EXPECT_EQ(Offered(8, GermanCall(false)), (V{1, 15}));
    // Nothing named: the Call Game and every plain row.
    EXPECT_EQ(Offered(0, GermanCall(false)),
              (V{1, 2, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}));
    // After a Call Game the Call row is gone, every solo is offered.
    EXPECT_EQ(Offered(1, GermanCall(false)),
              (V{1, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}));
    // Jacks-Queens (51) outranks Queens-Jacks-Kings (52), not Jacks-Kings (50); Queens-Jacks
    // (49) outranks both.
    EXPECT_EQ(Offered(256, GermanCall(false)), (V{1, 15, 16, 17, 18, 21}));
    EXPECT_EQ(Offered(4096, GermanCall(false)), (V{1, 15, 16, 17, 18, 19, 20, 21}));
    // After a Tout game only the higher Tout games and You.
    EXPECT_EQ(Offered(2048 | kT, GermanCall(true)), join({1, 3}, {4, 5, 6}));
    // After You nothing but "***".
    EXPECT_EQ(Offered(0x20000, GermanCall(true)), (V{1}));
    // Outside the German call the one row is the Suit Solo.
    SoloTypeChoice twoCards = GermanCall(true);
    twoCards.partnershipMode = 1;
    EXPECT_EQ(Offered(0, twoCards), (V{15}));
    twoCards.partnershipMode = 0;
    EXPECT_EQ(Offered(2048, twoCards), (V{15}));
    // Rows not allowed by the options stay away, Tout ones too.
    EXPECT_EQ(Offered(0, GermanCall(true, 4 | 128, false)), (V{1, 3, 4, 15, 26}));
}

TEST(SchafkopfGameTypeList, EveryBestGameAgainstTheReference) {
    std::vector<GameTypeWord> bests = {0, 1, 0x20000, 0x2000, 0x4000};
    for (const RankedGame& g : kPlainGames) {
        bests.push_back(g.word);
        bests.push_back(g.word | kT);
    }
    // Every game bit alone too, so that each row answers to its own bit.
    std::vector<std::int32_t> masks = {0x1fff, 0, 0x1555, 0x0aaa, 2 | 128 | 4096};
    for (int bit = 0; bit <= 12; ++bit)
        masks.push_back(1 << bit);
    for (GameTypeWord best : bests)
        for (bool tout : {false, true})
            for (bool call : {false, true})
                for (std::int32_t mask : masks)
                    for (int mode : {0, 1, 2}) {
                        SoloTypeChoice c = GermanCall(tout, mask, call);
                        c.partnershipMode = mode;
                        EXPECT_EQ(Offered(best, c), ReferenceRows(best, c))
                            << "best " << std::hex << best << " tout " << tout << " call " << call
                            << " mask " << mask << " mode " << mode;
                    }
}

TEST(SchafkopfGameTypeList, RowsNameTheirGamesAndTexts) {
    SchafkopfOptions options{};
    options.trumpSuit = 1;
    GameType game{};
    for (const Row& r : kRows) {
        const SoloTypeInfo* info = FindSoloType(r.code);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->word, r.word) << r.code;
        const bool suitGame = r.code == 4 || r.code == 12 || r.code == 13 || r.code == 14 ||
                              r.code == 15 || r.code == 23 || r.code == 24 || r.code == 25;
        EXPECT_EQ(info->takesSuit, suitGame) << r.code;
        // A suit game needs the checked suit; the others ignore it.
        EXPECT_EQ(SoloTypeGame(r.code, -1, &options, &game), !suitGame) << r.code;
        ASSERT_TRUE(SoloTypeGame(r.code, 2, &options, &game));
        EXPECT_EQ(game.word, r.word);
        EXPECT_EQ(game.trumpSuit, suitGame ? 2 : r.code == 2 ? 1 : 4) << r.code;
    }
    EXPECT_FALSE(SoloTypeGame(1, 2, &options, &game));
    EXPECT_FALSE(SoloTypeGame(0, 2, &options, &game));
    EXPECT_FALSE(SoloTypeGame(27, 2, &options, &game));

    // The row texts: list 2750, 30 entries higher for the German-named deck; every row has one.
    const std::int16_t saved = gDeckVariant;
    char text[kStringBufferSize];
    for (int variant : {0, 1}) {
        gDeckVariant = static_cast<std::int16_t>(variant);
        std::set<std::string> texts;
        for (int code = 1; code <= 26; ++code) {
            EXPECT_EQ(SoloTypeTextIndex(code), code + 30 * variant);
            GetIndString(text, kSoloTypeTextList,
                         static_cast<std::int16_t>(SoloTypeTextIndex(code)));
            EXPECT_NE(text[0], '\0') << code;
            EXPECT_TRUE(texts.insert(text).second) << text;
        }
    }
    gDeckVariant = 0;
    GetIndString(text, kSoloTypeTextList, 26);
    EXPECT_STREQ(text, "Beg");
    GetIndString(text, kSoloTypeTextList, 4);
    EXPECT_STREQ(text, "Suit Solo Tout");
    gDeckVariant = saved;
    EXPECT_EQ(SoloTypeTextIndex(0), 0);
    EXPECT_EQ(SoloTypeTextIndex(27), 0);
}

// Names are read with no settings, so the suits carry the deck's own names.
class SchafkopfGameNames : public testing::Test {
  protected:
    void SetUp() override {
        savedSettings = gSettings;
        savedVariant = gDeckVariant;
        gSettings = nullptr;
        SetSysBeepSilent(true);
        options.partnershipMode = 2;
        options.allPassRule = 0;
    }
    void TearDown() override {
        gSettings = savedSettings;
        gDeckVariant = savedVariant;
    }
    std::string Name(GameTypeWord word, int suit, int called = -1) {
        char out[kStringBufferSize];
        return FormatGameType(out, word, suit, called >= 0 ? &called : nullptr, &options);
    }
    SchafkopfOptions options{};
    Settings* savedSettings = nullptr;
    std::int16_t savedVariant = 0;
};

// Two words run together when a small letter meets a capital or a digit, or a blank doubles.
bool ReadsRight(const std::string& text) {
    if (text.empty() || text.front() == ' ' || text.back() == ' ')
        return false;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const unsigned char a = text[i - 1], b = text[i];
        if (std::islower(a) && (std::isupper(b) || std::isdigit(b)))
            return false;
        if (a == ' ' && b == ' ')
            return false;
    }
    return true;
}

TEST_F(SchafkopfGameNames, NamedGamesWithTheirSuits) {
    gDeckVariant = 0;
    EXPECT_EQ(Name(4, 1), "Hearts Solo");
    EXPECT_EQ(Name(2, 1), "Pure Hearts Solo");
    EXPECT_EQ(Name(32, 3), "Clubs Jacks Solo");
    EXPECT_EQ(Name(64, 0), "Diamonds Queens Solo");
    EXPECT_EQ(Name(4 | kT, 2), "Spades-Schwarz");
    EXPECT_EQ(Name(2 | kT, 2), "Straight Spades-Schwarz");
    EXPECT_EQ(Name(32 | kT, 1), "Hearts-Jacks-Schwarz");
    EXPECT_EQ(Name(8, 4), "Jacks Solo");
    EXPECT_EQ(Name(4096 | kT, 4), "Queens-Jacks-Kings-Schwarz");
    EXPECT_EQ(Name(128, 4), "Beg");
    EXPECT_EQ(Name(0x20000, 1), "You");
    EXPECT_EQ(Name(0x24000, 1), "You");
    EXPECT_EQ(Name(0x4004, 1), "Hearts Solo"); // the solo-choice bit names no game
    EXPECT_EQ(Name(1, 1), "Call Game");
    EXPECT_EQ(Name(1, 1, 3), "Call Game Clubs");
    EXPECT_EQ(Name(0x2000, 1), "1st Trick");
    EXPECT_EQ(Name(0, 4), "Continue");
    options.partnershipMode = 1;
    EXPECT_EQ(Name(1, 1), "2-Cards-Partners");
    options.allPassRule = 2;
    EXPECT_EQ(Name(0x8000, 1), "Ramsch");
    options.allPassRule = 3;
    EXPECT_EQ(Name(0x8000, 1), "Leaster");
    gDeckVariant = 1;
    EXPECT_EQ(Name(4, 3), "Acorns Solo");
    EXPECT_EQ(Name(2, 2), "Straight Leaves Solo");
    EXPECT_EQ(Name(64 | kT, 0), "Bells-Queens-Schwarz");
    options.partnershipMode = 2;
    EXPECT_EQ(Name(1, 1, 2), "Call Game Leaves");
}

TEST_F(SchafkopfGameNames, EveryGameSuitAndCalledSuitReadsRight) {
    std::vector<GameTypeWord> words = {0x20000, 0x24000, 0x2000}; // the Call Game is below
    for (const RankedGame& g : kPlainGames) {
        words.push_back(g.word);
        if (g.word != 1 && g.word != 128) // no Tout Call Game or Tout Beg
            words.push_back(g.word | kT);
    }
    char suitName[kStringBufferSize];
    for (int variant : {0, 1}) {
        gDeckVariant = static_cast<std::int16_t>(variant);
        std::set<std::string> names;
        for (GameTypeWord word : words)
            for (int suit = 0; suit < 4; ++suit)
                for (int called = -1; called < 4; ++called) {
                    const std::string name = Name(word, suit, called);
                    EXPECT_TRUE(ReadsRight(name))
                        << '"' << name << "\" word " << std::hex << word << " variant " << variant;
                    bool needsSuit = false;
                    GameTypeNameIndex(word, &needsSuit, &options);
                    const int shown = needsSuit && word != 0x2000 ? suit
                                      : word == 1 && called >= 0  ? called
                                                                  : -1;
                    if (shown >= 0) {
                        GetIndString(suitName, 1501,
                                     static_cast<std::int16_t>((variant ? 161 : 11) + shown));
                        EXPECT_NE(name.find(suitName), std::string::npos) << name;
                    }
                    if ((word & kT) && !(word & 0x20000)) {
                        EXPECT_NE(name.find("Schwarz"), std::string::npos) << name;
                    }
                    if (called == -1)
                        names.insert(name);
                }
        // Every game (and suit, for the suit games) has a name of its own.
        std::size_t expected = 0;
        for (GameTypeWord word : words) {
            bool needsSuit = false;
            GameTypeNameIndex(word, &needsSuit, &options);
            expected += needsSuit && word != 0x2000 ? 4 : 1;
        }
        EXPECT_EQ(names.size(), expected - 1) << "variant " << variant; // You twice
    }
}

TEST_F(SchafkopfGameNames, UnknownWordBeepsAndIsNamedEmpty) {
    const std::uint32_t beeps = SysBeepCount();
    bool needsSuit = true;
    EXPECT_EQ(GameTypeNameIndex(4 | 8, &needsSuit, &options), 0);
    EXPECT_FALSE(needsSuit);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    EXPECT_EQ(Name(32 | 2048, 1), "");
    EXPECT_EQ(SysBeepCount(), beeps + 2);
    // Bits outside the game bits name no game of their own: the word reads as no game.
    EXPECT_EQ(Name(0x40000, 1), "Continue");
    // Ramsch and Leaster need the rule that makes them; under any other rule no name.
    options.allPassRule = 1;
    EXPECT_EQ(Name(0x8000, 1), "");
}

} // namespace
