// The hand evaluation of the Schafkopf bidding: the Ace to call and the run of top trumps
// against the published rules on random deals, and the edge cases of the game choice and the
// doublings as one table.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <vector>

#include "SchafkopfReference.h"
#include "SchafkopfTable.h"

namespace {

using skref::Card;

std::vector<int> DealtHand(std::mt19937& random, bool shortDeck) {
    std::vector<int> deck = skref::Game{1, 1, shortDeck}.Deck();
    std::shuffle(deck.begin(), deck.end(), random);
    deck.resize(shortDeck ? 6 : 8);
    return deck;
}

TEST(SchafkopfCallableSuits, RandomHandsFollowThePublishedRule) {
    std::mt19937 random(7);
    int blankCalls = 0;
    for (int round = 0; round < 4000; ++round) {
        SchafkopfTable t;
        t.options.trumpSuit = static_cast<std::int16_t>(random() % 2);
        t.options.callAnyAce = static_cast<std::int16_t>(random() % 4 == 0);
        t.options.ruleValue54 = static_cast<std::int16_t>(random() % 2);
        t.options.shortDeck = static_cast<std::int16_t>(random() % 3 == 0);
        t.Start(kWordNormal, {DealtHand(random, t.options.shortDeck != 0), {}, {}, {}}, 0, -1);
        const std::vector<int> hand = t.Hand(0);
        auto holds = [&](int card) {
            return std::find(hand.begin(), hand.end(), card) != hand.end();
        };
        bool expected[4] = {};
        bool any = false;
        for (int suit = 0; suit < 4; ++suit) {
            if (suit == t.options.trumpSuit)
                continue;
            bool plain = false;
            for (char rank : {'7', '8', '9', 'K', 'T', 'A'})
                plain = plain || holds(Card(suit, rank));
            expected[suit] = t.options.callAnyAce || (plain && !holds(Card(suit, 'A')));
            any = any || expected[suit];
        }
        bool expectedBlank = false;
        if (!any && t.options.ruleValue54) {
            for (int suit = 0; suit < 4; ++suit) {
                expected[suit] = suit != t.options.trumpSuit && !holds(Card(suit, 'A'));
                expectedBlank = expectedBlank || expected[suit];
            }
            any = expectedBlank;
        }
        bool suits[4] = {};
        bool blank = false;
        EXPECT_EQ(t.game.ListCallableSuits(t.game.seats[0], suits, &blank), any);
        for (int suit = 0; suit < 4; ++suit)
            EXPECT_EQ(suits[suit], expected[suit]) << "suit " << suit;
        EXPECT_EQ(blank, expectedBlank);
        blankCalls += blank ? 1 : 0;
        SchafkopfCall call;
        EXPECT_EQ(t.game.ChooseCalledSuit(t.game.seats[0], &call), any);
        if (any) {
            EXPECT_TRUE(expected[call.suit]);
            EXPECT_EQ(call.calledAceMissing, holds(Card(call.suit, 'A')) ? 0 : 1);
            EXPECT_EQ(call.rank, 8);
        }
    }
    EXPECT_GT(blankCalls, 0);
}

TEST(SchafkopfLaufende, EqualsTheReferenceRunnersOnRandomDeals) {
    const GameTypeWord words[] = {
        kWordNormal,        kWordPureSuitSolo, kWordSuitSolo,
        kWordUnterSolo,     kWordOberSolo,     kWordSuitUnter,
        kWordSuitOber,      kWordNoTrumps,     kWordUnterKing,
        kWordOberUnter,     kWordUnterOber,    kWordKingSolo,
        kWordOberUnterKing, kWordYou,          kWordSuitSolo | kModThrowIn};
    std::mt19937 random(99);
    std::set<int> runs;
    for (int round = 0; round < 6000; ++round) {
        SchafkopfTable t;
        t.options.shortDeck = static_cast<std::int16_t>(random() % 3 == 0);
        t.options.trumpSuit = static_cast<std::int16_t>(random() % 2);
        const GameTypeWord word = words[random() % std::size(words)];
        const int seat = static_cast<int>(random() % 4);
        t.Deal(random, word, 0, -1);
        const bool suitWord = (word & kGameBitsMask) == kWordPureSuitSolo ||
                              (word & kGameBitsMask) == kWordSuitSolo ||
                              (word & kGameBitsMask) == kWordSuitUnter ||
                              (word & kGameBitsMask) == kWordSuitOber;
        if (suitWord)
            t.game.gameType.trumpSuit = static_cast<int>(random() % 4);
        // The partnership: 0 a called suit, 1 a partner fixed by the bidding, 2 alone.
        const int partnership = static_cast<int>(random() % 3);
        int partner = -1;
        int called = -1;
        if (partnership == 0) {
            called = static_cast<int>(random() % 4);
            for (int s = 0; s < 4 && partner < 0; ++s)
                if (t.Holds(s, Card(called, 'A')))
                    partner = s;
        } else if (partnership == 1) {
            partner = (seat + 1 + static_cast<int>(random() % 3)) % 4;
            t.game.partyLists[0] = static_cast<std::int16_t>(random() % 2 ? seat : partner);
            t.game.partyLists[1] =
                static_cast<std::int16_t>(t.game.partyLists[0] == seat ? partner : seat);
        }
        std::vector<int> party = t.Hand(seat);
        if (partner >= 0)
            for (int card : t.Hand(partner))
                party.push_back(card);
        const skref::Game ref{t.game.gameType.trumpSuit, word, t.options.shortDeck != 0};
        const int expected = skref::Runners(ref, party);
        EXPECT_EQ(t.game.ComputeLaufende(seat, called), expected)
            << "word " << word << " trump " << ref.trumpSuit << " short " << ref.shortDeck;
        runs.insert(expected);
    }
    // The deals reached long runs both ways.
    EXPECT_TRUE(runs.count(4) && runs.count(-4));
}

// --- the edge cases of the choice and the doublings ---

// The announcement kinds of the Schafkopf table: the defenders' Contra and Sup, the declaring
// party's Re and Resup.
constexpr int kKindContra = 0;
constexpr int kKindRe = 1;
constexpr int kKindSup = 8;
constexpr int kKindResup = 9;

struct EvaluationCase {
    const char* name;
    std::function<void(SchafkopfTable&)> run;
};

const std::vector<int> kAllObersUnters = {Card(3, 'O'), Card(2, 'O'), Card(1, 'O'), Card(0, 'O'),
                                          Card(3, 'U'), Card(2, 'U'), Card(1, 'U'), Card(0, 'U')};

void Choose(SchafkopfTable& t, const std::vector<int>& hand, int profile) {
    t.Start(kWordNone, {hand, {}, {}, {}}, 3, -1);
    t.game.seats[0].profile = static_cast<std::int16_t>(profile);
    t.game.EvaluateGameTypes(0, t.game.seats[0], false);
}

// A game in progress with the seat's hand; the declarer is listed first.
void Playing(SchafkopfTable& t, GameTypeWord word, const std::vector<int>& hand, int declarer) {
    t.options.doubleRe = 1;
    t.options.supResup = 1;
    t.Start(word, {hand, {}, {}, {}}, 0, declarer);
    for (int s = 0; s < 4; ++s)
        t.game.seats[s].inDeclarerParty = s == declarer ? 1 : 0;
}

const std::vector<EvaluationCase> kEvaluationCases = {
    {"all Obers and Unters: the You game, whatever the options",
     [](SchafkopfTable& t) {
         for (int tout = 0; tout < 2; ++tout) {
             t.options.toutGames = static_cast<std::int16_t>(tout);
             Choose(t, kAllObersUnters, 9);
             EXPECT_EQ(t.game.seats[0].bid.word & kGameBitsMask, kWordYou);
             EXPECT_EQ(t.game.seats[0].bid.word & kModThrowIn, 0u);
         }
     }},
    {"eight trumps with all Obers: level 8, a Tout with toutGames",
     [](SchafkopfTable& t) {
         const std::vector<int> hand = {Card(3, 'O'), Card(2, 'O'), Card(1, 'O'), Card(0, 'O'),
                                        Card(0, 'A'), Card(0, 'T'), Card(0, 'K'), Card(0, '9')};
         for (int tout = 0; tout < 2; ++tout) {
             t.options.toutGames = static_cast<std::int16_t>(tout);
             t.options.allowedGames = kWordSuitSolo;
             Choose(t, hand, 7);
             EXPECT_EQ(t.game.GetStoredLevel(0, 0, kWordSuitSolo), 8);
             EXPECT_EQ(t.game.seats[0].bid.trumpSuit, 0);
             EXPECT_EQ(t.game.seats[0].bid.word, kWordSuitSolo | (tout ? kModThrowIn : 0u));
         }
     }},
    {"a perfect Beg is level 8 and never a Tout",
     [](SchafkopfTable& t) {
         t.options.toutGames = 1;
         t.options.allowedGames = kWordNoTrumps;
         Choose(t,
                {Card(0, '7'), Card(0, '8'), Card(1, '7'), Card(1, '8'), Card(2, '7'), Card(2, '8'),
                 Card(3, '7'), Card(3, '9')},
                7);
         EXPECT_EQ(t.game.GetStoredLevel(0, 0, kWordNoTrumps), 8);
         EXPECT_EQ(t.game.seats[0].bid.word, kWordNoTrumps);
     }},
    {"a Beg hand with a singleton Unter, Ober, King or Ace is 0",
     [](SchafkopfTable& t) {
         for (char rank : {'U', 'O', 'K', 'A', '7'}) {
             t.Start(kWordNoTrumps,
                     {{Card(3, rank), Card(0, '7'), Card(0, '8'), Card(1, '7'), Card(1, '8'),
                       Card(2, '7'), Card(2, '8'), Card(2, '9')},
                      {},
                      {},
                      {}},
                     3, -1);
             t.game.seats[0].profile = 7;
             const int level = t.game.EvaluateBeg(t.game.seats[0], 0);
             if (rank == '7')
                 EXPECT_EQ(level, 8);
             else
                 EXPECT_EQ(level, 0) << rank;
         }
     }},
    {"a Call Game needs a callable suit",
     [](SchafkopfTable& t) {
         const std::vector<int> hand = {Card(3, 'O'), Card(2, 'O'), Card(0, 'O'), Card(1, 'U'),
                                        Card(1, 'A'), Card(0, 'A'), Card(2, 'A'), Card(3, 'A')};
         t.Start(kWordNone, {hand, {}, {}, {}}, 3, -1);
         t.game.seats[0].profile = 7;
         SchafkopfCall call;
         GameType type{};
         EXPECT_FALSE(t.game.WantsCallGame(t.game.seats[0], &call, &type, 0));
         // The same strength with a Gras Nine in place of the Gras Ace calls the Gras.
         std::vector<int> callable = hand;
         callable[6] = Card(2, '9');
         t.Start(kWordNone, {callable, {}, {}, {}}, 3, -1);
         t.game.seats[0].profile = 7;
         EXPECT_TRUE(t.game.WantsCallGame(t.game.seats[0], &call, &type, 0));
         EXPECT_EQ(call.suit, 2);
         EXPECT_EQ(type.trumpSuit, 1);
         EXPECT_EQ(type.word, kWordNormal);
     }},
    {"a defender with seven trumps doubles, but not after its first card",
     [](SchafkopfTable& t) {
         const std::vector<int> hand = {Card(3, 'O'), Card(2, 'O'), Card(1, 'O'), Card(3, 'U'),
                                        Card(2, 'U'), Card(1, 'A'), Card(1, 'T'), Card(0, '7')};
         Playing(t, kWordNormal, hand, 2);
         EXPECT_TRUE(t.game.MayDouble(0));
         EXPECT_TRUE(t.game.DecideDouble(0));
         EXPECT_EQ(t.game.ChooseDoubling(0), 0);
         // The decision reaches the list: one Contra, said by the defender.
         EXPECT_TRUE(t.game.DecideAnnouncement(0, nullptr));
         ASSERT_EQ(t.game.announcementCount, 1);
         EXPECT_EQ(t.game.announcements[0].kind, kKindContra);
         EXPECT_EQ(t.game.announcements[0].seat, 0);
         EXPECT_EQ(t.game.seats[0].inDeclarerParty, 0);
         // The same hand after its first card: no decision, nothing recorded.
         Playing(t, kWordNormal, hand, 2);
         t.game.seats[0].hand[7] = 0; // one card played
         EXPECT_FALSE(t.game.MayDouble(0));
         EXPECT_FALSE(t.game.DecideDouble(0));
         EXPECT_EQ(t.game.ChooseDoubling(0), -1);
         EXPECT_FALSE(t.game.DecideAnnouncement(0, nullptr));
         EXPECT_EQ(t.game.announcementCount, 0);
     }},
    {"no doubling in an all-passed game, a 1st Trick game or without doubleRe",
     [](SchafkopfTable& t) {
         const std::vector<int> hand = {Card(3, 'O'), Card(2, 'O'), Card(1, 'O'), Card(3, 'U'),
                                        Card(2, 'U'), Card(1, 'A'), Card(1, 'T'), Card(0, '7')};
         for (GameTypeWord word : {kModExchange | kWordNormal, kWordMarriage}) {
             Playing(t, word, hand, 2);
             EXPECT_FALSE(t.game.MayDouble(0)) << word;
             EXPECT_FALSE(t.game.DecideDouble(0)) << word;
         }
         Playing(t, kWordNormal, hand, 2);
         t.options.doubleRe = 0;
         EXPECT_FALSE(t.game.DecideDouble(0));
     }},
    {"a solo declarer says Re at 8 or 16, Resup only at 8, never at 24 or 32",
     [](SchafkopfTable& t) {
         const std::vector<int> hand = {Card(3, 'O'), Card(2, 'O'), Card(1, 'O'), Card(3, 'U'),
                                        Card(0, 'A'), Card(0, 'T'), Card(0, 'K'), Card(2, '7')};
         struct Row {
             int level;
             bool re;
             bool resup;
         };
         for (Row row : {Row{8, true, true}, Row{16, true, false}, Row{24, false, false},
                         Row{32, false, false}}) {
             SCOPED_TRACE(row.level);
             Playing(t, kWordSuitSolo, hand, 0);
             t.game.gameType.trumpSuit = 0;
             t.game.seats[0].typeEval[1] = static_cast<std::int16_t>(row.level); // {0, 4}
             EXPECT_FALSE(t.game.DecideRe(0)) << "no announcement yet";
             EXPECT_FALSE(t.game.DecideAnnouncement(0, nullptr)) << "Re answers a Contra";
             EXPECT_EQ(t.game.announcementCount, 0);
             // A defender says Contra; the declarer answers Re or says nothing.
             ASSERT_TRUE(t.game.MakeAnnouncement(1, kKindContra));
             EXPECT_EQ(t.game.DecideRe(0), row.re);
             EXPECT_EQ(t.game.DecideAnnouncement(0, nullptr), row.re);
             ASSERT_EQ(t.game.announcementCount, row.re ? 2 : 1);
             if (!row.re)
                 continue;
             EXPECT_EQ(t.game.announcements[1].kind, kKindRe);
             EXPECT_EQ(t.game.announcements[1].seat, 0);
             // The defender answers Sup; the declarer Resup only at level 8.
             ASSERT_TRUE(t.game.MakeAnnouncement(1, kKindSup));
             EXPECT_EQ(t.game.DecideResup(0), row.resup);
             EXPECT_EQ(t.game.DecideAnnouncement(0, nullptr), row.resup);
             ASSERT_EQ(t.game.announcementCount, row.resup ? 4 : 3);
             if (row.resup) {
                 EXPECT_EQ(t.game.announcements[3].kind, kKindResup);
                 EXPECT_EQ(t.game.announcements[3].seat, 0);
             }
         }
         // Without supResup the declarer stops at Re, even at level 8.
         Playing(t, kWordSuitSolo, hand, 0);
         t.options.supResup = 0;
         t.game.gameType.trumpSuit = 0;
         t.game.seats[0].typeEval[1] = 8;
         ASSERT_TRUE(t.game.MakeAnnouncement(1, kKindContra));
         EXPECT_TRUE(t.game.DecideAnnouncement(0, nullptr));
         ASSERT_TRUE(t.game.MakeAnnouncement(1, kKindSup)); // recorded directly
         EXPECT_FALSE(t.game.DecideResup(0));
         EXPECT_FALSE(t.game.DecideAnnouncement(0, nullptr));
         EXPECT_EQ(t.game.announcementCount, 3);
     }},
    {"a party with the Herz Ober but neither the Eichel nor the Gras Ober: -2",
     [](SchafkopfTable& t) {
         t.Start(kWordNormal,
                 {{Card(1, 'O'), Card(0, '7'), Card(0, '8'), Card(0, '9'), Card(2, '7'),
                   Card(2, '8'), Card(2, '9'), Card(3, '7')},
                  {Card(3, 'O'), Card(2, 'O')},
                  {},
                  {}},
                 0, 0);
         EXPECT_EQ(t.game.ComputeLaufende(0, -1), -2);
     }},
};

TEST(SchafkopfEvaluation, EdgeCases) {
    for (const EvaluationCase& c : kEvaluationCases) {
        SCOPED_TRACE(c.name);
        SchafkopfTable t;
        t.options.allowedGames = 0x1FFF;
        c.run(t);
    }
}

// A cautious seat passes a hand whose best game is at level 32 unless it has the lead or the
// last seat late in a series; a bold seat plays it.
TEST(SchafkopfEvaluation, CautiousSeatsAndLevel32) {
    std::mt19937 random(32);
    int lateTaken = 0;
    int boldTaken = 0;
    for (int round = 0; round < 1200; ++round) {
        const std::vector<int> hand = DealtHand(random, false);
        auto soloLevel = [&](int profile, int leader, int played) {
            SchafkopfTable t;
            t.options.allowedGames = 0x1FFF;
            t.game.seriesLength = 36;
            t.game.gamesPlayed = static_cast<std::int16_t>(played);
            t.Start(kWordNone, {{}, hand, {}, {}}, leader, -1);
            t.game.seats[1].profile = static_cast<std::int16_t>(profile);
            t.game.EvaluateGameTypes(1, t.game.seats[1], false);
            const GameType bid = t.game.seats[1].bid;
            if (!t.game.IsSoloWord(bid.word))
                return 0;
            return t.game.GetStoredLevel(1, bid.trumpSuit, bid.word) & ~7;
        };
        // Seat 1 neither leads (seat 3 does) nor plays last (seat 2 does).
        EXPECT_NE(soloLevel(3, 3, 30), 32);
        EXPECT_NE(soloLevel(8, 3, 35), 32);
        // Leading, early in the series.
        EXPECT_NE(soloLevel(3, 1, 0), 32);
        lateTaken += soloLevel(3, 1, 30) == 32 ? 1 : 0;
        boldTaken += soloLevel(1, 3, 0) == 32 ? 1 : 0;
    }
    EXPECT_GT(lateTaken, 0);
    EXPECT_GT(boldTaken, 0);
}

TEST(SchafkopfEvaluation, ChooseSoloPicksTheLongestSuitWithTheLeadBit) {
    SchafkopfTable t;
    t.options.allowedGames = 0;
    // Three Herz and three Gras besides the Obers and Unters: Herz, the lower suit.
    t.Start(kWordNone,
            {{Card(3, 'U'), Card(0, '7'), Card(1, '7'), Card(1, '8'), Card(1, 'K'), Card(2, '7'),
              Card(2, '8'), Card(2, 'K')},
             {},
             {},
             {}},
            3, -1);
    t.game.seats[0].profile = 7;
    t.game.ChooseSolo(0);
    EXPECT_EQ(t.game.seats[0].bid.trumpSuit, 1);
    EXPECT_EQ(t.game.seats[0].bid.word, kWordSuitSolo | kModSoloChoice);
}

} // namespace

namespace {

// The base levels of the solo evaluators, row by row as the rules of the game choice set them.
class BaseTables : public SchafkopfComputerPlayer {
  public:
    using SchafkopfComputerBase::SuitRankBase;
    using SchafkopfComputerBase::SuitSoloBase;
    using SchafkopfComputerBase::ThreeRankBase;
    using SchafkopfComputerBase::TwoRankBase;
};

// Rank-mask bits: Eichel, Gras, Herz, Schellen.
constexpr std::uint16_t E = 0x40, G = 0x10, H = 0x04, S = 0x01;

int Bits(std::uint16_t mask) {
    int n = 0;
    for (int suit = 0; suit < 4; ++suit)
        n += (mask >> (2 * suit)) & 1;
    return n;
}

SeatBlock Block(std::uint16_t obers, std::uint16_t unters, int kings, int trumps) {
    SeatBlock block{};
    block.oberMask = obers;
    block.unterMask = unters;
    block.oberCount = static_cast<std::int16_t>(Bits(obers));
    block.unterCount = static_cast<std::int16_t>(Bits(unters));
    block.kingCount = static_cast<std::int16_t>(kings);
    block.groupCount[kTrumpGroup] = static_cast<std::int16_t>(trumps);
    block.profile = 7; // normal
    return block;
}

TEST(SchafkopfEvaluation, ThreeRankAndSuitSoloBaseLevels) {
    struct Row {
        std::uint16_t obers, unters;
        int kings, expected;
    };
    const Row threeRank[] = {
        {E | G | H | S, E, 0, 8},  {E | G | H, E | G, 0, 16}, {E | G | S, E | G, 0, 24},
        {E | G, E | G | H, 0, 24}, {E | G, E | G, 1, 32},     {E | G, E, 2, 0},
        {E | H, E | G | H, 0, 0},  {E, E | G | H, 1, 32},     {G, E | G | H, 1, 0},
        {E | H, E | G | H, 2, 24}, {E | H, E | G, 3, 24},     {E | H, E | H, 3, 32},
        {G | H, E | H, 3, 0},      {G | H, E | G | H, 2, 32}, {E | G, E | G | H, 2, 16},
        {E | G, E | H, 3, 24},     {E | G, E, 4, 32},         {E | G | H | S, E | G, 1, 8},
        {E | G | S, E | G, 2, 16}, {H, E | G | H, 4, 24},     {S, E | G | H, 4, 32},
        {E, E | G | H, 4, 16},     {0, E | G | H | S, 4, 32}, {E | G, E, 1, 0},
    };
    BaseTables game;
    for (const Row& r : threeRank) {
        const SeatBlock block = Block(r.obers, r.unters, r.kings, 0);
        EXPECT_EQ(game.ThreeRankBase(block), r.expected)
            << "O " << r.obers << " U " << r.unters << " K " << r.kings;
    }
    struct SuitRow {
        std::uint16_t obers, unters;
        int trumps, expected;
    };
    const SuitRow suit[] = {
        {E | G | H | S, 0, 5, 24}, {E | G | H, 0, 5, 0},  {E | G | H | S, 0, 6, 8},
        {E | G | H, 0, 6, 16},     {E | G | S, 0, 6, 24}, {G | H | S, 0, 6, 0},
        {E | G, H, 6, 32},         {E | G, 0, 6, 0},      {G | H, E | G, 6, 32},
        {G | S, E | G, 6, 0},      {E | S, E | G, 7, 0},  {E | G, 0, 7, 32},
        {E | G | H, 0, 7, 16},     {E | G | S, 0, 7, 24}, {E, 0, 8, 32},
        {E | G | S, 0, 8, 16},     {E | G | H, 0, 8, 8},  {E | G | H | S, 0, 4, 0},
    };
    for (const SuitRow& r : suit) {
        const SeatBlock block = Block(r.obers, r.unters, 0, r.trumps);
        EXPECT_EQ(game.SuitSoloBase(block), r.expected) << "O " << r.obers << " T " << r.trumps;
    }
}

TEST(SchafkopfEvaluation, SuitRankAndTwoRankBaseLevels) {
    struct SuitRankRow {
        std::uint16_t mask;
        int trumps, expected;
    };
    const SuitRankRow suitRank[] = {
        {E, 5, 32},         {G, 5, 0},          {E | G, 6, 24},        {E | H, 6, 32},
        {E | G | H, 5, 16}, {E | G | S, 5, 24}, {E | G | H | S, 6, 8}, {0, 6, 0},
        {E, 7, 24},         {G, 7, 0},          {E | G, 7, 16},        {G | H, 7, 24},
        {H | S, 7, 32},     {E | G | S, 7, 16}, {E | G | H, 7, 8},     {0, 8, 32},
        {G, 8, 24},         {E, 8, 16},         {H | S, 8, 16},        {E, 4, 0},
    };
    BaseTables game;
    for (const SuitRankRow& r : suitRank) {
        const SeatBlock block = Block(0, 0, 0, r.trumps);
        EXPECT_EQ(game.SuitRankBase(block, r.mask, Bits(r.mask)), r.expected)
            << "mask " << r.mask << " T " << r.trumps;
    }
    struct TwoRankRow {
        std::uint16_t first, second;
        int leader, profile, leadFlag, expected;
    };
    // Seat 0 leads when the leader is 0.
    const TwoRankRow twoRank[] = {
        {E | G, H, 0, 7, 0, 32},
        {E | G, H, 1, 7, 0, 0},
        {E | G, H, 0, 8, 0, 0},
        {E | G | H, 0, 0, 8, 0, 32},
        {E | H, G | S, 1, 7, 0, 32},
        {E | H, H | S, 1, 7, 0, 0},
        {E | G | H, S, 1, 7, 0, 24},
        {G | H | S, E, 1, 7, 0, 32},
        {E | G | H | S, 0, 1, 7, 0, 24},
        {E, G | H | S | E, 1, 7, 0, 24},
        {G, E | G | H | S, 1, 7, 0, 32},
        {E | G, E | G | H, 1, 7, 0, 16},
        {G | H, E | G | H, 1, 7, 0, 24},
        {H | S, E | G | H, 1, 7, 0, 32},
        {E | G | S, E | G, 1, 7, 0, 16},
        {E | H | S, E | G, 1, 7, 0, 24},
        {E | G | H | S, E, 0, 7, 0, 8},
        {E | G | H | S, E, 1, 7, 0, 16},
        {E | G, E | G | H | S, 1, 7, 0, 16},
        {G | H, E | G | H | S, 1, 7, 0, 24},
        {E | G | H, E | G | H, 1, 7, 1, 8},
        {E | G | H, E | G | H, 0, 7, 0, 16},
        {G | H | S, E | G | H, 1, 7, 0, 24},
        {E | H | S, E | G | H, 1, 7, 0, 16},
        {E | G | H | S, E | G, 1, 7, 0, 8},
        {E | G | H | S, E | G | H, 1, 7, 1, 8},
        {E | G | H | S, E | G | H, 1, 7, 0, 16},
        {G | H | S, E | G | H | S, 1, 7, 1, 16},
        {E | G | H | S, E | G | H | S, 1, 7, 0, 8},
        {E, G, 0, 7, 0, 0},
    };
    for (const TwoRankRow& r : twoRank) {
        SeatBlock block = Block(0, 0, 0, 0);
        block.profile = static_cast<std::int16_t>(r.profile);
        block.leadFlag = static_cast<std::int16_t>(r.leadFlag);
        game.leader = static_cast<std::int16_t>(r.leader);
        EXPECT_EQ(game.TwoRankBase(block, 0, r.first, Bits(r.first), r.second, Bits(r.second)),
                  r.expected)
            << "first " << r.first << " second " << r.second << " leader " << r.leader;
    }
}

TEST(SchafkopfEvaluation, BegLevelsByStyle) {
    struct Row {
        char rank; // the singleton of suit 3 beside 7 8, 7 8 and 7 8 9
        int profile, expected;
    };
    // The Ten rates 5 (one in a quarter, counted), the Eight 7 (left out by bold and normal
    // seats), the Nine 6.
    for (Row r : {Row{'T', 7, 24}, Row{'8', 7, 8}, Row{'8', 3, 16}, Row{'9', 7, 16},
                  Row{'9', 9, 16}, Row{'7', 9, 8}}) {
        SchafkopfTable t;
        t.Start(kWordNoTrumps,
                {{Card(3, r.rank), Card(0, '7'), Card(0, '8'), Card(1, '7'), Card(1, '8'),
                  Card(2, '7'), Card(2, '8'), Card(2, '9')},
                 {},
                 {},
                 {}},
                2, -1);
        t.game.seats[0].profile = static_cast<std::int16_t>(r.profile);
        EXPECT_EQ(t.game.EvaluateBeg(t.game.seats[0], 0), r.expected) << r.rank << " " << r.profile;
    }
}

} // namespace
