// The settlement of finished Schafkopf games into the bill: known results of the tariff as one
// table, then random finished deals of every game kind against the reference tariff.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "SchafkopfReference.h"
#include "SchafkopfTable.h"
#include "games/fourplayer/GameList.h"
#include "support/AlertRecorder.h"

namespace {

using skref::Line;

void SetTariff(SchafkopfOptions& o, const skref::Tariff& t) {
    o.baseStake = static_cast<std::int16_t>(t.base);
    o.schneiderStake = static_cast<std::int16_t>(t.schneider);
    o.schwarzStake = static_cast<std::int16_t>(t.schwarz);
    o.soloStake = static_cast<std::int16_t>(t.solo);
    o.soloSchneiderStake = static_cast<std::int16_t>(t.soloSchneider);
    o.soloSchwarzStake = static_cast<std::int16_t>(t.soloSchwarz);
    o.begStake = static_cast<std::int16_t>(t.beg);
    o.youStake = static_cast<std::int16_t>(t.you);
    o.laufendeStake = static_cast<std::int16_t>(t.runner);
    o.ramschStake = static_cast<std::int16_t>(t.ramsch);
    o.noTrickStake = static_cast<std::int16_t>(t.noTrick);
    o.shootTheMoonStake = t.shootTheMoon;
    o.withLaufende = t.withRunners;
    o.laufendeFrom = static_cast<std::int16_t>(t.runnersFrom);
    o.soloLaufendeFrom = static_cast<std::int16_t>(t.soloRunnersFrom);
    o.withPot = t.withPot;
    o.allPassRule = static_cast<std::int16_t>(t.allPassRule);
    o.partnershipMode = t.fixedPartners ? 0 : 2;
}

// The doublings of a game in their order: Contra by a defender, Re by the declarer, Supra,
// Resupra.
void Announce(SchafkopfComputerPlayer& g, int count, int declarer, int defender) {
    const int kinds[] = {0, 1, 8, 9};
    g.announcementCount = static_cast<std::int16_t>(count);
    for (int i = 0; i < count; ++i)
        g.announcements[i] = {static_cast<std::int16_t>(kinds[i]),
                              static_cast<std::int16_t>(i % 2 == 0 ? defender : declarer), 0, 0,
                              static_cast<std::int16_t>(1)};
}

std::vector<Line> BillLines(const GameBill& bill) {
    std::vector<Line> lines;
    for (int i = 0; i < bill.itemCount; ++i)
        lines.push_back({bill.items[i].kind, bill.items[i].value});
    return lines;
}

std::string Show(const std::vector<Line>& lines) {
    std::string text;
    for (const Line& l : lines)
        text += "{" + std::to_string(l.kind) + ":" + std::to_string(l.value) + "} ";
    return text;
}

struct Vector {
    const char* name;
    GameTypeWord word = 1;
    int declarer = 0, partner = 1;
    int points[4] = {40, 21, 30, 29};
    int tricks[4] = {2, 2, 2, 2};
    int doublings = 0;
    int laufende = 0;
    bool withLaufende = false;
    bool fixedPartners = false;
    int potUnits = 0;
    int allPassRule = 0;
    bool withPot = false;
    int firstLeader = 0;
    bool foxTakenByDeclarer = false;
    std::vector<Line> lines;
    int listed[3] = {0, 1, -1};
    int perOpponent = 1;
    int cardPoints = 0;
    int potUnitsAfter = 0;
};

const Vector kVectors[] = {
    {.name = "Call Game won 61:59", .lines = {{0, 10}}, .cardPoints = 61},
    {.name = "Call Game won with 90: no Schneider",
     .points = {60, 30, 20, 10},
     .lines = {{0, 10}},
     .cardPoints = 90},
    {.name = "Call Game won with 91",
     .points = {60, 31, 20, 9},
     .lines = {{0, 10}, {4, 10}},
     .cardPoints = 91},
    {.name = "Call Game won with every trick",
     .points = {60, 60, 0, 0},
     .tricks = {4, 4, 0, 0},
     .lines = {{0, 10}, {4, 10}, {5, 10}},
     .cardPoints = 120},
    {.name = "120 points, the others took an empty trick",
     .points = {60, 60, 0, 0},
     .tricks = {4, 3, 1, 0},
     .lines = {{0, 10}, {4, 10}},
     .cardPoints = 120},
    {.name = "defenders win with 90",
     .points = {20, 10, 50, 40},
     .lines = {{0, 10}, {4, 10}},
     .listed = {2, 3, -1},
     .cardPoints = 90},
    {.name = "defenders win with 89",
     .points = {21, 10, 50, 39},
     .lines = {{0, 10}},
     .listed = {2, 3, -1},
     .cardPoints = 89},
    {.name = "solo won with 91",
     .word = 4,
     .partner = -1,
     .points = {91, 10, 10, 9},
     .lines = {{0, 50}, {4, 10}},
     .listed = {0, -1, -1},
     .cardPoints = 91},
    {.name = "three runners in a Call Game",
     .points = {40, 30, 30, 20},
     .laufende = 3,
     .withLaufende = true,
     .lines = {{0, 10}, {8, 30}, {16, 0}},
     .cardPoints = 70},
    {.name = "two runners in a Call Game count nothing",
     .points = {40, 30, 30, 20},
     .laufende = 2,
     .withLaufende = true,
     .lines = {{0, 10}, {16, 0}},
     .cardPoints = 70},
    {.name = "two missing runners in a solo",
     .word = 4,
     .partner = -1,
     .points = {70, 30, 10, 10},
     .laufende = -2,
     .withLaufende = true,
     .lines = {{0, 50}, {8, 20}, {16, 0}},
     .listed = {0, -1, -1},
     .cardPoints = 70},
    {.name = "Contra then Re",
     .doublings = 2,
     .lines = {{0, 10}, {7, 10}, {6, 20}},
     .cardPoints = 61},
    {.name = "Supra",
     .doublings = 3,
     .lines = {{0, 10}, {7, 10}, {6, 20}, {14, 40}},
     .cardPoints = 61},
    {.name = "Resupra",
     .doublings = 4,
     .lines = {{0, 10}, {7, 10}, {6, 20}, {14, 40}, {15, 80}},
     .cardPoints = 61},
    {.name = "Tout won",
     .word = 4 | 0x10000,
     .partner = -1,
     .points = {120, 0, 0, 0},
     .tricks = {8, 0, 0, 0},
     .lines = {{0, 50}, {1, 50}},
     .listed = {0, -1, -1},
     .cardPoints = 120},
    {.name = "You won",
     .word = 0x20000,
     .partner = -1,
     .points = {120, 0, 0, 0},
     .tricks = {8, 0, 0, 0},
     .lines = {{0, 50}, {2, 150}},
     .listed = {0, -1, -1},
     .cardPoints = 120},
    {.name = "Tout lost by one empty trick",
     .word = 4 | 0x10000,
     .partner = -1,
     .points = {120, 0, 0, 0},
     .tricks = {7, 1, 0, 0},
     .lines = {{0, 50}, {1, 50}},
     .listed = {1, 2, 3},
     .cardPoints = 0},
    {.name = "runners in a Tout never go negative",
     .word = 4 | 0x10000,
     .partner = -1,
     .points = {120, 0, 0, 0},
     .tricks = {8, 0, 0, 0},
     .laufende = -2,
     .withLaufende = true,
     .lines = {{0, 50}, {8, 20}, {1, 70}, {16, 0}},
     .listed = {0, -1, -1},
     .cardPoints = 120},
    {.name = "fixed partners at 60:60",
     .points = {30, 30, 30, 30},
     .fixedPartners = true,
     .lines = {{0, 0}},
     .listed = {2, 3, -1},
     .cardPoints = 60},
    {.name = "German call at 60:60 is lost",
     .points = {30, 30, 30, 30},
     .lines = {{0, 10}},
     .listed = {2, 3, -1},
     .cardPoints = 60},
    {.name = "pot of two units won",
     .declarer = 1,
     .partner = 2,
     .points = {30, 40, 30, 20},
     .potUnits = 2,
     .lines = {{0, 10}, {9 + 512, 80}},
     .listed = {1, 2, -1},
     .cardPoints = 70},
    {.name = "pot of two units lost",
     .declarer = 1,
     .partner = 2,
     .points = {40, 30, 20, 30},
     .potUnits = 2,
     .lines = {{0, 10}, {9 + 512, -80}},
     .listed = {0, 3, -1},
     .cardPoints = 70,
     .potUnitsAfter = 4},
    {.name = "a pot beyond the bill's amounts stops doubling",
     .declarer = 1,
     .partner = 2,
     .points = {40, 30, 20, 30},
     .potUnits = 1000,
     .lines = {{0, 10}, {9 + 512, -32767}},
     .listed = {0, 3, -1},
     .cardPoints = 70,
     .potUnitsAfter = 1000},
    {.name = "a large pot doubles up to the bill's amounts",
     .declarer = 1,
     .partner = 2,
     .points = {40, 30, 20, 30},
     .potUnits = 500,
     .lines = {{0, 10}, {9 + 512, -20000}},
     .listed = {0, 3, -1},
     .cardPoints = 70,
     .potUnitsAfter = 819},
    {.name = "Ramsch with the pot",
     .word = 0x8000,
     .declarer = -1,
     .points = {50, 40, 30, 0},
     .tricks = {3, 3, 2, 0},
     .allPassRule = 2,
     .withPot = true,
     .lines = {{521, -10}, {12, -60}, {11, -40}},
     .listed = {0, 3, -1},
     .perOpponent = 0,
     .potUnitsAfter = 1},
    {.name = "shot the moon in Ramsch",
     .word = 0x8000,
     .declarer = -1,
     .points = {120, 0, 0, 0},
     .tricks = {8, 0, 0, 0},
     .allPassRule = 2,
     .lines = {{10, 70}},
     .listed = {0, -1, -1}},
    {.name = "Ramsch tie: more tricks lose",
     .word = 0x8000,
     .declarer = -1,
     .points = {20, 40, 20, 40},
     .tricks = {2, 3, 1, 2},
     .allPassRule = 2,
     .lines = {{12, -60}},
     .listed = {1, -1, -1},
     .perOpponent = 0},
    {.name = "Ramsch tie: then from the first leader on",
     .word = 0x8000,
     .declarer = -1,
     .points = {20, 40, 20, 40},
     .tricks = {2, 2, 2, 2},
     .allPassRule = 2,
     .firstLeader = 2,
     .lines = {{12, -60}},
     .listed = {3, -1, -1},
     .perOpponent = 0},
    {.name = "Leaster: the winner took a trick",
     .word = 0x8000,
     .declarer = -1,
     .points = {0, 10, 50, 60},
     .tricks = {0, 1, 3, 4},
     .allPassRule = 3,
     .lines = {{13, 60}, {11, 40}},
     .listed = {1, 0, -1},
     .perOpponent = 0},
    {.name = "Leaster tie: fewer tricks win",
     .word = 0x8000,
     .declarer = -1,
     .points = {30, 30, 30, 30},
     .tricks = {2, 1, 3, 2},
     .allPassRule = 3,
     .lines = {{13, 60}},
     .listed = {1, -1, -1},
     .perOpponent = 0},
    {.name = "all passed without a rule",
     .word = 0x8000,
     .declarer = -1,
     .allPassRule = 0,
     .lines = {},
     .listed = {-1, -1, -1}},
    {.name = "Beg won",
     .word = 128,
     .partner = -1,
     .points = {0, 40, 40, 40},
     .tricks = {0, 3, 3, 2},
     .lines = {{0, 30}},
     .listed = {0, -1, -1}},
    {.name = "Beg lost after Contra",
     .word = 128,
     .partner = -1,
     .points = {10, 40, 40, 30},
     .tricks = {1, 3, 2, 2},
     .doublings = 1,
     .lines = {{0, 30}, {7, 30}},
     .listed = {1, 2, 3}},
    {.name = "a fox caught by the winners",
     .points = {40, 30, 30, 20},
     .withLaufende = true,
     .foxTakenByDeclarer = true,
     .lines = {{0, 10}, {16, 10}},
     .cardPoints = 70},
    {.name = "a fox caught by the losers",
     .points = {20, 20, 50, 30},
     .withLaufende = true,
     .foxTakenByDeclarer = true,
     .lines = {{0, 10}, {16, -10}},
     .listed = {2, 3, -1},
     .cardPoints = 80},
};

class SettlementTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetAlertRecorder(); }

    // A finished game as the table leaves it: parties, points, tricks, doublings, runners.
    void Finish(const Vector& v) {
        skref::Tariff tariff;
        tariff.withRunners = v.withLaufende;
        tariff.fixedPartners = v.fixedPartners;
        tariff.withPot = v.withPot;
        tariff.allPassRule = v.allPassRule;
        SetTariff(table.options, tariff);
        table.options.catchTheFox = v.foxTakenByDeclarer;
        table.Start(v.word, {{}, {}, {}, {}}, v.firstLeader, v.declarer);
        SchafkopfComputerPlayer& g = table.game;
        if (v.partner >= 0) {
            g.partyLists[1] = static_cast<std::int16_t>(v.partner);
            g.seats[v.partner].inDeclarerParty = 1;
            for (int s = 0, e = 2; s < 4; ++s)
                if (s != v.declarer && s != v.partner)
                    g.partyLists[e++] = static_cast<std::int16_t>(s);
        }
        for (int s = 0; s < 4; ++s) {
            g.cardPoints[s] = static_cast<std::int16_t>(v.points[s]);
            g.tricksWon[s] = static_cast<std::int16_t>(v.tricks[s]);
        }
        g.tricks[0].leader = static_cast<std::int16_t>(v.firstLeader);
        if (v.foxTakenByDeclarer) {
            g.tricks[0].cards[2] = static_cast<std::int16_t>(g.gameType.trumpSuit * 8 + 8);
            g.tricks[0].winner = static_cast<std::int16_t>(v.declarer);
        }
        const int defender = v.declarer >= 0 ? g.partyLists[2] : -1;
        Announce(g, v.doublings, v.declarer, defender);
        g.laufendeCount = static_cast<std::int16_t>(v.laufende);
        g.potUnits = static_cast<std::int16_t>(v.potUnits);
    }

    SchafkopfTable table;
    GameBill bill{};
};

TEST_F(SettlementTest, KnownResultsOfTheTariff) {
    for (const Vector& v : kVectors) {
        SCOPED_TRACE(v.name);
        Finish(v);
        table.game.SettleGame(&bill);
        const auto lines = BillLines(bill);
        EXPECT_EQ(lines, v.lines) << Show(lines);
        int sum = 0;
        for (const Line& l : v.lines)
            sum += (l.kind & 0xff) == 9 ? 0 : l.value;
        EXPECT_EQ(bill.value, sum);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(bill.listedSeats[i], v.listed[i]) << i;
        EXPECT_EQ(bill.perOpponent, v.perOpponent);
        EXPECT_EQ(bill.cardPoints, v.cardPoints);
        EXPECT_EQ(table.game.potUnits, v.potUnitsAfter);
        const bool pot = v.potUnits > 0 || v.withPot;
        EXPECT_EQ(bill.potBooked, pot ? 1 : 0);
        for (const Line& l : v.lines) {
            if ((l.kind & 0xff) == 9) {
                EXPECT_EQ(bill.potAmount, l.value);
            }
        }
        EXPECT_EQ(bill.potSeat, v.potUnits > 0 ? v.declarer : -1);
    }
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(SettlementTest, TheHighestStakesWithEveryDoublingStopAtTheLargestValue) {
    Vector v{.name = "You at the highest stakes",
             .word = 0x20000,
             .partner = -1,
             .points = {120, 0, 0, 0},
             .tricks = {8, 0, 0, 0},
             .doublings = 4,
             .lines = {}};
    Finish(v);
    table.options.youStake = 999;
    table.game.SettleGame(&bill);
    // 999, doubled four times to 15984, then quadrupled: 63936 is beyond the bill.
    const std::vector<Line> lines = {{0, 999},   {7, 999},   {6, 1998},
                                     {14, 3996}, {15, 7992}, {2, 32767}};
    EXPECT_EQ(BillLines(bill), lines) << Show(BillLines(bill));
    EXPECT_EQ(bill.value, 32767);
}

TEST_F(SettlementTest, ABillTakesTwentyItemsAndRefusesMore) {
    for (int i = 0; i < kBillMaxItems; ++i)
        table.game.AddBillItem(&bill, kBillExtras, i);
    EXPECT_EQ(bill.itemCount, kBillMaxItems);
    EXPECT_TRUE(RecordedAlerts().empty());
    table.game.AddBillItem(&bill, kBillBock, 0);
    EXPECT_EQ(bill.itemCount, kBillMaxItems);
    EXPECT_EQ(bill.items[kBillMaxItems - 1].value, kBillMaxItems - 1);
    EXPECT_EQ(RecordedAlerts().size(), 1u);
}

template <class Seat> std::vector<int> Sorted(const Seat (&seats)[3]) {
    std::vector<int> list(seats, seats + 3);
    std::sort(list.begin(), list.end());
    return list;
}

// Random finished deals of every game kind, played with random legal cards through the play
// operation, with random doublings, pot, runners, foxes and tariffs: the bill's lines equal the
// reference's, and the money per seat the game list books from the bill equals the reference's
// and sums to zero with the pot as fifth account.
TEST_F(SettlementTest, RandomFinishedDealsBillAsTheReference) {
    const GameTypeWord words[] = {1,           1,           1,      1,      2,      4,
                                  8,           16,          32,     64,     128,    256,
                                  512,         1024,        2048,   4096,   0x2000, 0x20000,
                                  4 | 0x10000, 8 | 0x10000, 0x8000, 0x8000, 0x8000};
    std::mt19937 random(144);
    auto pick = [&](int n) { return static_cast<int>(random() % n); };
    int settled = 0;
    for (int deal = 0; deal < 2500; ++deal) {
        skref::Tariff t;
        for (int* stake :
             {&t.base, &t.schneider, &t.schwarz, &t.solo, &t.soloSchneider, &t.soloSchwarz, &t.beg,
              &t.you, &t.runner, &t.ramsch, &t.noTrick, &t.shootTheMoon})
            *stake = pick(31);
        t.withRunners = pick(2);
        t.runnersFrom = 1 + pick(6);
        t.soloRunnersFrom = 1 + pick(6);
        t.fixedPartners = pick(3) == 0;
        t.withPot = pick(2);
        t.allPassRule = pick(4);
        SchafkopfOptions& o = table.options;
        SetTariff(o, t);
        o.catchTheFox = static_cast<std::int16_t>(pick(2));
        o.noCalledAceRules = static_cast<std::int16_t>(pick(4) == 0);
        o.calledSuitLeadBan = static_cast<std::int16_t>(pick(2));
        o.shortDeck = static_cast<std::int16_t>(pick(3) == 0);
        o.trumpSuit = static_cast<std::int16_t>(pick(2));
        t.extras = t.withRunners || o.noCalledAceRules || o.catchTheFox;

        const GameTypeWord word = words[pick(std::size(words))];
        const bool allPassed = word == 0x8000;
        const int declarer = allPassed ? -1 : pick(4);
        const int leader = pick(4);
        table.Deal(random, word, leader, declarer);
        SchafkopfComputerPlayer& g = table.game;
        std::vector<int> dealt[4];
        for (int s = 0; s < 4; ++s)
            dealt[s] = table.Hand(s);
        int partner = -1;
        if (word == 1) {
            int called = -1;
            for (int suit = 0; suit < 4 && called < 0; ++suit)
                if (suit != o.trumpSuit && !table.Holds(declarer, suit * 8 + 8))
                    called = suit;
            if (called < 0)
                continue;
            table.Call(called);
            for (int s = 0; s < 4; ++s)
                if (table.Holds(s, called * 8 + 8))
                    partner = s;
        } else if (word == 0x2000) {
            // The 1st Trick's partner, as the first trick found him.
            partner = (declarer + 1 + pick(3)) % 4;
            g.partyLists[1] = static_cast<std::int16_t>(partner);
            g.seats[partner].inDeclarerParty = 1;
            for (int s = 0, e = 2; s < 4; ++s)
                if (s != declarer && s != partner)
                    g.partyLists[e++] = static_cast<std::int16_t>(s);
        }
        const skref::Game ref = table.RefGame();
        auto inParty = [&](int s) { return s == declarer || s == partner; };

        skref::Finished f;
        f.game = ref;
        f.declarer = declarer;
        f.partner = partner;
        f.firstLeader = leader;
        const int fox = ref.trumpSuit * 8 + 8;
        for (int trick = 1; trick <= g.GetCardsPerHand(); ++trick) {
            int foxSeat = -1;
            for (int n = 0; n < 4; ++n) {
                const auto legal = table.LegalCards();
                ASSERT_FALSE(legal.empty()) << "deal " << deal;
                const int card = legal[pick(static_cast<int>(legal.size()))];
                if (card == fox)
                    foxSeat = g.seatToMove;
                table.Play(card);
            }
            const int winner = table.FinishTrick();
            if (foxSeat >= 0 && !skref::IsSolo(ref) && inParty(foxSeat) != inParty(winner) &&
                o.catchTheFox)
                f.foxTakers.push_back(winner);
        }
        for (int s = 0; s < 4; ++s) {
            f.points[s] = g.cardPoints[s];
            f.tricks[s] = g.tricksWon[s];
        }
        if (word == 1) {
            ASSERT_EQ(g.partyLists[1], partner) << "deal " << deal; // the called Ace showed him
        }
        if (!allPassed) {
            std::vector<int> partyCards = dealt[declarer];
            if (partner >= 0)
                partyCards.insert(partyCards.end(), dealt[partner].begin(), dealt[partner].end());
            f.runners = skref::Runners(ref, partyCards);
            g.laufendeCount = static_cast<std::int16_t>(f.runners);
            int defender = 0;
            while (inParty(defender))
                ++defender;
            const int doublings = pick(5);
            Announce(g, doublings, declarer, defender);
            f.contra = doublings >= 1;
            f.re = doublings >= 2;
            f.supra = doublings >= 3;
            f.resupra = doublings >= 4;
        }
        f.potUnits = pick(4);
        g.potUnits = static_cast<std::int16_t>(f.potUnits);

        bill = GameBill{};
        g.SettleGame(&bill);
        const skref::Bill expected = skref::Settle(f, t);
        SCOPED_TRACE(testing::Message() << "deal " << deal << " word " << word);
        ASSERT_EQ(BillLines(bill), expected.lines)
            << Show(BillLines(bill)) << " expected " << Show(expected.lines);
        EXPECT_EQ(Sorted(bill.listedSeats), Sorted(expected.listed));
        EXPECT_EQ(bill.perOpponent, expected.perOpponent);
        EXPECT_EQ(bill.cardPoints, expected.cardPoints);
        EXPECT_EQ(bill.value, expected.value);
        EXPECT_EQ(bill.potBooked != 0, expected.potBooked);
        EXPECT_EQ(bill.potSeat, expected.potSeat);
        EXPECT_EQ(bill.potAmount, expected.potAmount);
        EXPECT_EQ(g.potUnits, expected.potUnitsAfter);
        // The money as the game list books the bill: Ramsch and Leaster item by item, every
        // other game by party, then the pot booking.
        GameListHeader header{};
        GameRecord record{};
        std::copy(std::begin(bill.listedSeats), std::end(bill.listedSeats), record.listedSeats);
        record.potBooked = bill.potBooked;
        record.potSeat = bill.potSeat;
        record.potAmount = bill.potAmount;
        if (allPassed && (t.allPassRule == 2 || t.allPassRule == 3))
            ScoreByItems(header, record, bill);
        else
            ScoreByParty(header, record, bill, g.declarer, g.IsSoloGame());
        BookRecordPot(header, record);
        int total = expected.pot;
        int booked = expected.pot;
        for (int s = 0; s < 4; ++s) {
            EXPECT_EQ(header.totals[s], expected.money[s]) << "seat " << s;
            total += expected.money[s];
            booked += header.totals[s];
        }
        EXPECT_EQ(total, 0);
        EXPECT_EQ(booked, 0);
        ++settled;
    }
    EXPECT_GT(settled, 2000);
    EXPECT_TRUE(RecordedAlerts().empty());
}

} // namespace
