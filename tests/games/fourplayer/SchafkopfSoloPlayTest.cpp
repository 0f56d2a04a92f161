// The computer's card in the solos: fixtures of dealt positions with the card and reason that
// published solo play asks for, and seeded play-outs of every solo form.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "SchafkopfPlayout.h"
#include "SchafkopfTable.h"
#include "support/AlertRecorder.h"

namespace {

// Card codes: suit x 8 + rank step (7 1, 8 2, 9 3, Unter 4, Ober 5, King 6, Ten 7, Ace 8);
// suits Schellen 0, Herz 1, Gras 2, Eichel 3. In a Herz solo the trumps are the Obers
// (29 21 13 5), the Unters (28 20 12 4) and Herz Ace 16, Ten 15, King 14, 9 11, 8 10, 7 9.
constexpr int kAny = -1;

struct Trick {
    int leader;
    std::vector<int> cards; // in the order played from the leader
};

struct SoloCase {
    const char* name;
    GameTypeWord word;
    int declarer;
    int seat;    // the seat to move
    int profile; // of the seat to move
    std::vector<int> hand;
    std::vector<Trick> earlier; // the tricks before the current one
    Trick current;              // the cards so far
    int taken;                  // card points of the tricks before, booked to seat 0
    bool requiredSolo;
    int partnerFollow; // -1 as the partner analysis leaves it, else the flag's value
    int expectCard;
    int expectReason;   // kAny: any
    int doubledBy = -1; // a defender who doubled before the first card
    int callGameTrumpSuit = -1; // the options' Call Game suit, when it is not the solo's suit
    bool declarerLeads = false; // the options' rule that the declarer leads the first trick
};

struct Choice {
    int card = 0;
    int reason = -1;
};

// The seat's card by the dispatcher's phase entry, as a dry run.
Choice Decide(const SoloCase& c) {
    SchafkopfTable table;
    table.options.requiredSolo = c.requiredSolo ? 1 : 0;
    std::vector<std::vector<int>> hands(4);
    hands[c.seat] = c.hand;
    table.Start(c.word, hands, c.earlier.empty() ? c.current.leader : c.earlier[0].leader,
                c.declarer);
    if (c.callGameTrumpSuit >= 0)
        table.options.trumpSuit = static_cast<std::int16_t>(c.callGameTrumpSuit);
    table.options.declarerLeads = c.declarerLeads ? 1 : 0;
    SchafkopfComputerPlayer& g = table.game;
    for (int s = 0; s < 4; ++s)
        g.seats[s].profile = static_cast<std::int16_t>(s == c.seat ? c.profile : 11);
    auto record = [&](const Trick& trick) {
        g.leader = static_cast<std::int16_t>(trick.leader);
        int s = trick.leader;
        for (int card : trick.cards) {
            g.seatToMove = static_cast<std::int16_t>(s);
            g.RecordCard(s, card, 0);
            s = g.NextSeat(s);
        }
    };
    for (const Trick& trick : c.earlier) {
        record(trick);
        for (auto& card : g.trickCards)
            card = 0;
        ++g.trickNumber;
    }
    g.cardPoints[0] = static_cast<std::int16_t>(c.taken);
    if (c.doubledBy >= 0) {
        EXPECT_TRUE(g.MakeAnnouncement(c.doubledBy, 0));
    }
    record(c.current);
    g.PrepareSeatToMove(c.seat);
    g.AnalysePartners(c.seat);
    if (c.partnerFollow >= 0)
        g.contestTrick = static_cast<std::uint8_t>(c.partnerFollow);
    g.dryRunIndex = -1;
    g.dryRunReason = -1;
    const auto saved = g.BeginDryRun();
    switch (g.GetPhase(g.trickNumber)) {
    case SchafkopfPlayPhase::kOpening:
        g.PlayOpeningPhase(c.seat);
        break;
    case SchafkopfPlayPhase::kMiddle:
        g.PlayMiddlePhase(c.seat);
        break;
    case SchafkopfPlayPhase::kEnd:
        g.PlayEndPhase(c.seat);
        break;
    }
    Choice got;
    got.card = g.trickCards[c.seat];
    got.reason = g.dryRunReason;
    g.EndDryRun(c.seat, saved);
    return got;
}

// Trick 7 of a Herz solo with every trump but the Eichel Ober gone: Schellen led by seat 0,
// the declarer (seat 3) last with the Eichel Ober and the Gras King while the Gras Ace and
// Ten are still out. The played cards come to 77 points with the Schellen Ten among them.
const std::vector<Trick> kSixTricksAllTrumpsOut = {
    {0, {21, 13, 5, 28}}, {1, {20, 12, 4, 16}},  {2, {15, 14, 11, 10}},
    {3, {9, 2, 3, 7}},    {0, {17, 18, 19, 25}}, {0, {26, 30, 31, 32}},
};
const std::vector<Trick> kSixTricksSchellenTenLeft = {
    {0, {21, 13, 5, 28}}, {1, {20, 12, 4, 16}},  {2, {15, 14, 11, 10}},
    {3, {9, 2, 3, 1}},    {0, {17, 18, 19, 25}}, {0, {26, 30, 31, 32}},
};

const SoloCase kDeclarerCases[] = {
    // An unskilled declarer draws trumps from the first trick with a middle trump; in a
    // required solo with the defenders not strong he keeps them and cashes a side Ace.
    {"unskilled declarer leads a middle trump first",
     kWordSuitSolo,
     0,
     0,
     2,
     {21, 12, 4, 16, 11, 24, 32, 8},
     {},
     {0, {}},
     0,
     false,
     -1,
     kAny,
     27},
    {"unskilled declarer of a required solo keeps his trumps",
     kWordSuitSolo,
     0,
     0,
     2,
     {21, 12, 4, 16, 11, 24, 32, 8},
     {},
     {0, {}},
     0,
     true,
     -1,
     kAny,
     16},
    // A defender's double shows trumps against him: he draws them after all.
    {"unskilled declarer of a required solo draws once a defender doubled",
     kWordSuitSolo,
     0,
     0,
     2,
     {21, 12, 4, 16, 11, 24, 32, 8},
     {},
     {0, {}},
     0,
     true,
     -1,
     kAny,
     27,
     2},
    // Second in trick 2 on a Gras 9 lead with the Gras Ten and 7 while the Gras Ace is out:
    // the Ten would not hold the trick, so it stays and the 7 goes.
    {"declarer keeps a Ten that would not win and plays low",
     kWordSuitSolo,
     1,
     1,
     11,
     {23, 17, 29, 21, 13, 16, 32},
     {{2, {11, 10, 9, 28}}},
     {0, {19}},
     0,
     false,
     -1,
     17,
     9},
    {"with the Ace gone the Ten is master and takes the trick",
     kWordSuitSolo,
     1,
     1,
     11,
     {23, 17, 29, 21, 13, 16, 32},
     {{2, {24, 27, 22, 18}}},
     {0, {19}},
     0,
     false,
     -1,
     23,
     kAny},
    // Third on a Gras lead that a defender trumped: the Gras Ace cannot win, the 7 goes.
    {"declarer keeps his Ace when the trick is trumped",
     kWordSuitSolo,
     2,
     2,
     11,
     {24, 17, 29, 21, 13, 16, 32},
     {{2, {28, 10, 11, 12}}},
     {0, {19, 9}},
     0,
     false,
     -1,
     17,
     9},
    // The same with a declarer who is not skilled, last behind the trump: the Ace stays.
    {"unskilled declarer keeps his Ace that would not win the trumped trick",
     kWordSuitSolo,
     3,
     3,
     2,
     {24, 17, 29, 21, 13, 16, 32},
     {{2, {28, 10, 11, 12}}},
     {0, {19, 9, 18}},
     0,
     false,
     -1,
     17,
     9},
    // Nobody trumped: the Ace is master and takes the trick.
    {"unskilled declarer takes an untrumped trick with his Ace",
     kWordSuitSolo,
     1,
     1,
     2,
     {24, 17, 29, 21, 13, 16, 32},
     {{2, {28, 10, 11, 12}}},
     {0, {19}},
     0,
     false,
     -1,
     24,
     kAny},
    // Last, void in Eichel, in a pointless trick: the singleton Schellen King goes, the trumps
    // stay; in a trick of 15 points the lowest trump that wins takes it.
    {"declarer last in a poor trick sheds a singleton",
     kWordSuitSolo,
     3,
     3,
     6,
     {6, 24, 23, 9, 21, 29, 12},
     {{3, {28, 20, 4, 10}}},
     {0, {25, 26, 27}},
     0,
     false,
     -1,
     6,
     kAny},
    {"declarer last in a rich trick takes it with his lowest trump",
     kWordSuitSolo,
     3,
     3,
     6,
     {6, 24, 23, 9, 21, 29, 12},
     {{3, {28, 20, 4, 10}}},
     {0, {32, 30, 27}},
     0,
     false,
     -1,
     9,
     20},
    // Last in trick 7 with the last trump and the Gras King. Schellen Ace, King and 7 lie in
    // the trick (15 points); 120 - 77 - 7 - 15 = 21 points are still out, so the King goes
    // and the Eichel Ober waits for the Gras Ace and Ten in the last trick.
    {"last trump kept when more points are still out than lie in the trick",
     kWordSuitSolo,
     3,
     3,
     11,
     {22, 29},
     kSixTricksAllTrumpsOut,
     {0, {8, 6, 1}},
     77,
     false,
     -1,
     22,
     35},
    // The same with the Schellen Ten in the trick: 25 points against 120 - 67 - 7 - 25 = 21
    // still out, so the trump takes the trick.
    {"last trump takes a trick richer than the points still out",
     kWordSuitSolo,
     3,
     3,
     11,
     {22, 29},
     kSixTricksSchellenTenLeft,
     {0, {8, 6, 7}},
     67,
     false,
     -1,
     29,
     20},
};

TEST(SchafkopfSoloPlayTest, DeclarerFixtures) {
    for (const SoloCase& c : kDeclarerCases) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        const Choice got = Decide(c);
        if (c.expectCard != kAny) {
            EXPECT_EQ(got.card, c.expectCard);
        } else {
            EXPECT_NE(got.card, 0);
        }
        if (c.expectReason != kAny) {
            EXPECT_EQ(got.reason, c.expectReason);
        }
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

// A Herz solo of seat 3; seat 2, a defender, follows an Eichel lead of seat 0 in trick 2.
const std::vector<Trick> kDeclarerLedTheOber = {{3, {29, 28, 20, 12}}};
const std::vector<int> kEichelAceKing = {32, 30, 24, 23, 8, 7, 4};

const SoloCase kDefenderCases[] = {
    // The partner trumped: with the partner-follow flag the defender keeps his Ace.
    {"partner trumped, partner-follow flag set: low in the suit",
     kWordSuitSolo,
     3,
     2,
     11,
     kEichelAceKing,
     kDeclarerLedTheOber,
     {0, {27, 9}},
     0,
     false,
     1,
     30,
     9},
    // Without the flag, and the suit in danger with the declarer still to come, the Ace goes
    // onto the partner's trick.
    {"partner trumped, no partner-follow flag: the Ace to the partner's trick",
     kWordSuitSolo,
     3,
     2,
     11,
     kEichelAceKing,
     kDeclarerLedTheOber,
     {0, {27, 9}},
     0,
     false,
     0,
     32,
     1},
    // The declarer trumped and the defender plays last: nothing to save the trick, low.
    {"declarer trumped, last defender: low in the suit",
     kWordSuitSolo,
     3,
     1,
     11,
     {32, 30, 24, 23, 8, 7, 4},
     {{3, {29, 28, 20, 12}}},
     {2, {27, 13, 25}},
     0,
     false,
     -1,
     30,
     9},
    // Nobody trumped the declarer's Eichel lead and the defender plays last with the master
    // Ace: he takes the trick.
    {"declarer's plain lead untrumped, last defender takes it with the master Ace",
     kWordSuitSolo,
     3,
     2,
     11,
     kEichelAceKing,
     kDeclarerLedTheOber,
     {3, {27, 25, 26}},
     0,
     false,
     -1,
     32,
     kAny},
};

TEST(SchafkopfSoloPlayTest, DefenderFixtures) {
    for (const SoloCase& c : kDefenderCases) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        const Choice got = Decide(c);
        EXPECT_EQ(got.card, c.expectCard);
        if (c.expectReason != kAny) {
            EXPECT_EQ(got.reason, c.expectReason);
        }
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

// A Herz solo played under options whose Call Game trumps are the Schellen: seat 1, the
// declarer, leads the Herz King in trick 1 and seat 0 follows last with three trumps (Schellen
// Unter, Eichel Unter, Herz Ten) and the Schellen Ace. Only a trump may follow; the Schellen
// Ace, which is no trump in this solo, must never be offered.
TEST(SchafkopfSoloPlayTest, ASoloUnderOtherCallGameTrumpsFollowsTheSolosTrumps) {
    for (const GameTypeWord word : {kWordSuitSolo, kWordPureSuitSolo}) {
        for (const int profile : {1, 6, 11}) {
            SoloCase c = {"last defender follows the trump lead",
                          word,
                          1,
                          0,
                          profile,
                          {4, 6, 8, 17, 25, 28, 30, 15},
                          {},
                          {1, {14, 9, 11}},
                          0,
                          false,
                          -1,
                          kAny,
                          kAny};
            c.callGameTrumpSuit = 0;
            c.declarerLeads = true;
            SCOPED_TRACE(testing::Message() << "word " << word << ", profile " << profile);
            ResetAlertRecorder();
            const Choice got = Decide(c);
            EXPECT_TRUE(got.card == 4 || got.card == 28 || got.card == 15) << got.card;
            EXPECT_TRUE(RecordedAlerts().empty());
            for (const auto& alert : RecordedAlerts())
                ADD_FAILURE() << alert.text;
        }
    }
}

// The trump decision of the last lead is shared with the partner games: a skilled Call Game
// leader of trick 7 with a master side Ace and one trump, while one higher trump is still
// out, cashes the Ace (reason 35) instead of leading the trump into the Herz Ace.
TEST(SchafkopfSoloPlayTest, ACallGameLeaderWithTwoCardsLeftCashesTheMasterAceFirst) {
    const SoloCase c = {"skilled leader cashes the master side Ace before the last trump",
                        1,
                        0,
                        0,
                        6,
                        {8, 11},
                        {{0, {29, 21, 13, 5}},
                         {0, {28, 20, 12, 4}},
                         {0, {15, 14, 10, 9}},
                         {0, {1, 2, 3, 6}},
                         {0, {17, 18, 19, 22}},
                         {0, {25, 26, 27, 30}}},
                        {0, {}},
                        60,
                        false,
                        -1,
                        8,
                        35};
    ResetAlertRecorder();
    const Choice got = Decide(c);
    EXPECT_EQ(got.card, c.expectCard);
    EXPECT_EQ(got.reason, c.expectReason);
    EXPECT_TRUE(RecordedAlerts().empty());
}

// --- seeded play-outs of every solo form ---

struct SoloForm {
    const char* name;
    GameTypeWord word;
    bool bySuit; // the trump suit follows the deal; otherwise Herz and Schellen take turns
};

const SoloForm kSoloForms[] = {
    {"Suit Solo", kWordSuitSolo, true},      {"Suit Solo Tout", kWordSuitSolo | kModThrowIn, true},
    {"Wenz", kWordUnterSolo, false},         {"Wenz Tout", kWordUnterSolo | kModThrowIn, false},
    {"Geier", kWordOberSolo, false},         {"Kings", kWordKingSolo, false},
    {"Suit Wenz", kWordSuitUnter, true},     {"Suit Geier", kWordSuitOber, true},
    {"Trump Solo", kWordPureSuitSolo, true}, {"Queens-Jacks", kWordOberUnter, false},
};

struct SoloTally {
    int deals = 0;
    int declarerCards = 0;
    int defenderCards = 0;
    int declarerFallbacks = 0;
    int defenderFallbacks = 0;
    std::vector<std::string> failures;
};

// Each deal is played twice: once with the declarer the only computer seat, once with the
// three defenders the computer seats, so that each side's fall-backs are counted apart.
SoloTally PlaySolos(const SoloForm& form, int deals, std::uint32_t base) {
    SoloTally tally;
    const int profiles[] = {1, 2, 4, 6, 8, 9, 11, 13, 14, 16, 19, 22, 27};
    for (int d = 0; d < deals; ++d) {
        playout::Setup s;
        s.seed = base + static_cast<std::uint32_t>(d);
        s.word = form.word;
        s.declarer = d % 4;
        s.leader = (d / 4) % 4;
        s.shortDeck = d % 5 == 3;
        // The options' trump suit takes turns between Herz and Schellen; a suit solo is
        // played in any suit, the other solos keep the options' suit in their game type, as
        // the game choice gives it.
        s.trumpSuit = d % 2 == 0 ? 1 : 0;
        s.gameSuit = form.bySuit ? (d / 3) % 4 : -1;
        for (int side = 0; side < 2; ++side) {
            for (int seat = 0; seat < 4; ++seat) {
                const bool computer = (seat == s.declarer) == (side == 0);
                s.seats[seat] = computer ? playout::Computer(profiles[(d * 3 + seat * 5) % 13])
                                         : playout::RandomLegal();
            }
            const playout::Result r = playout::Play(s);
            (side == 0 ? tally.declarerCards : tally.defenderCards) += r.computerCards;
            (side == 0 ? tally.declarerFallbacks : tally.defenderFallbacks) += r.fallbacks;
            for (const std::string& f : r.failures)
                if (tally.failures.size() < 10)
                    tally.failures.push_back(f);
            if (!r.complete && r.failures.empty())
                tally.failures.push_back("incomplete deal " + std::to_string(s.seed));
        }
        ++tally.deals;
    }
    return tally;
}

constexpr int kSoloDeals = 300;

TEST(SchafkopfSoloPlayTest, PlayOutsOfEverySoloAreLegalAndComplete) {
    ResetAlertRecorder();
    std::uint32_t base = 120000;
    for (const SoloForm& form : kSoloForms) {
        SCOPED_TRACE(form.name);
        const SoloTally t = PlaySolos(form, kSoloDeals, base);
        base += 10000;
        EXPECT_EQ(t.deals, kSoloDeals);
        for (const std::string& f : t.failures)
            ADD_FAILURE() << f;
        std::printf("%-15s declarer: %5d cards, %3d fall-backs; defenders: %5d cards, %4d "
                    "fall-backs\n",
                    form.name, t.declarerCards, t.declarerFallbacks, t.defenderCards,
                    t.defenderFallbacks);
        // The declarer's discard ends without a card only when he holds nothing but trumps
        // and none is worth spending on the trick (the lowest legal card is then his lowest
        // trump); the defenders' routines always play.
        EXPECT_LT(t.declarerFallbacks * 100, t.declarerCards);
        EXPECT_EQ(t.defenderFallbacks, 0);
        for (const auto& a : RecordedAlerts())
            ADD_FAILURE() << a.caption << ": " << a.text;
        ResetAlertRecorder();
    }
    EXPECT_TRUE(RecordedAlerts().empty());
}

} // namespace
