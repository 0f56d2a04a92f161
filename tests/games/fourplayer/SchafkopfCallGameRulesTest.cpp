// The Schafkopf card rules that take the place of the engine's: table fixtures from dealt hands
// with the card and reason the published Call-Game duties ask for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SchafkopfRuleFixture.h"
#include "support/AlertRecorder.h"

namespace {

// Trump suit Herz. Schellen 9 3, 7 1; Gras 9 19, King 22, Ten 23, Ace 24; Eichel 9 27,
// King 30, Ten 31, Ace 32.
struct PointsCase {
    const char* name;
    std::vector<int> hand; // seat 1, the seat to move
    int led;               // seat 0 led it
    int trick;
    std::vector<int> earlierLeads; // by seat 0 in the tricks before
    int calledSuit;                // -1 none
    int expectCard;                // 0: the rule declines
};

const PointsCase kPointsCases[] = {
    {"the Ten of the suit most likely to be trumped", {31, 30, 27, 19, 22}, 3, 2, {}, 2, 31},
    {"a long suit's share too high: nothing", {31, 27, 19, 22}, 3, 2, {}, 2, 0},
    {"the called Ace stays before its suit was led", {24, 22, 19, 27}, 3, 2, {}, 2, 0},
    {"an Ace of another suit goes", {32, 30, 27, 19}, 3, 2, {}, 2, 32},
    {"the called Ace goes once its suit was led", {24, 22, 19, 27}, 3, 3, {17}, 2, 24},
    {"a Ten goes before an Ace of the same share", {32, 30, 27, 23, 22, 19}, 3, 2, {}, 0, 23},
};

TEST(SchafkopfCardRulesTest, PlayPointsRuleThrowsTheTenOrAceLeastLikelyToWin) {
    for (const PointsCase& c : kPointsCases) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        SchafkopfTable table;
        // Seat 3 declares; the rest of the deck lies with seats 0 and 2.
        table.Start(1, {{}, c.hand, {}, {}}, 0, 3);
        if (c.calledSuit >= 0)
            table.Call(c.calledSuit);
        SchafkopfComputerPlayer& g = table.game;
        g.trickNumber = static_cast<std::int16_t>(c.trick);
        for (size_t t = 0; t < c.earlierLeads.size(); ++t) {
            g.tricks[t].leader = 0;
            g.tricks[t].cards[0] = static_cast<std::int16_t>(c.earlierLeads[t]);
        }
        g.trickCards[0] = static_cast<std::int16_t>(c.led);
        g.seatToMove = 1;
        g.AnalysePartners(1);
        const auto saved = g.BeginDryRun();
        const bool played = g.ThrowOffTenOrAce(1);
        const int card = g.trickCards[1];
        const int reason = g.dryRunReason;
        g.EndDryRun(1, saved);
        EXPECT_EQ(played ? card : 0, c.expectCard);
        EXPECT_EQ(played ? reason : 26, 26);
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

// Trump suit Herz, the Gras Ace (24) called; seat 3 declares. Seat 1 holds the called Ace.
struct HookCase {
    const char* name;
    std::vector<int> hand; // seat 1
    int led;               // seat 0 led it; 0: seat 1 leads
    bool calledSuitRule;   // the called-suit rule chooses, else the low card of the Gras suit
    int expectCard;
    int expectReason; // -1: any
};

const HookCase kHookCases[] = {
    {"two cards, the suit led: the low card becomes the Ace", {24, 19, 27, 3}, 17, false, 24, -1},
    {"three cards, the suit led: the low card becomes the Ace",
     {24, 22, 19, 27},
     17,
     false,
     24,
     -1},
    {"three cards on lead: the low lead becomes the Ace", {24, 22, 19, 27}, 0, false, 24, -1},
    {"four cards on lead: the low card runs away", {24, 22, 19, 18, 27}, 0, true, 18, 50},
    {"four cards, the suit led: the low card stays", {24, 22, 19, 18, 27}, 17, false, 18, -1},
};

TEST(SchafkopfCardRulesTest, TheHolderOfTheCalledAcePlaysItWhenItsSuitComesFirst) {
    for (const HookCase& c : kHookCases) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        SchafkopfTable table;
        table.Start(1, {{}, c.hand, {}, {}}, c.led ? 0 : 1, 3);
        table.Call(2);
        SchafkopfComputerPlayer& g = table.game;
        g.trickNumber = 2;
        if (c.led)
            g.trickCards[0] = static_cast<std::int16_t>(c.led);
        g.seatToMove = 1;
        g.AnalysePartners(1);
        const Choice got = DryRun(g, 1, [&] {
            return c.calledSuitRule ? g.LeadClubQueenToShowParty(1) : g.PlayLowOfGroup(1, 2);
        });
        EXPECT_EQ(got.card, c.expectCard);
        if (c.expectReason >= 0) {
            EXPECT_EQ(got.reason, c.expectReason);
        }
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

TEST(SchafkopfCardRulesTest, TwoCardPartnershipShowsWithTheEichelOberNotTheWatchedOber) {
    // Partner cards Eichel and Gras Ober: the others watch the Herz Ober (13).
    struct Case {
        const char* name;
        std::vector<int> hand;
        int expectCard;
        int expectReason;
    };
    const Case cases[] = {
        {"the Eichel Ober goes instead of the Herz Ober", {12, 13, 29, 3, 19}, 29, 34},
        {"without the Eichel Ober the Herz Ober stays", {12, 13, 28, 3, 19}, 13, 77},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        SchafkopfTable table;
        table.options.partnershipMode = 1;
        table.options.partnerCards[0] = 29;
        table.options.partnerCards[1] = 21;
        table.Start(1, {{}, c.hand, {}, {}}, 1, 3);
        SchafkopfComputerPlayer& g = table.game;
        g.seats[1].inDeclarerParty = table.Holds(1, 29) ? 1 : 0;
        g.trickNumber = 2;
        g.seatToMove = 1;
        const Choice got = DryRun(g, 1, [&] { return g.PlayCardIfHeld(1, 13, 77); });
        EXPECT_EQ(got.card, c.expectCard);
        EXPECT_EQ(got.reason, c.expectReason);
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

TEST(SchafkopfCardRulesTest, AWinningTrumpGivesWayToTheNextWhenNothingLiesBetween) {
    // Herz trump; seat 0 led the Herz 9 (11). Trump order upward: ... Herz King 14, Ten 15,
    // Ace 16, Schellen Unter 4, Herz Unter 12, Gras Unter 20, Eichel Unter 28, Schellen Ober 5.
    struct Case {
        const char* name;
        std::vector<int> hand;   // seat 1
        std::vector<int> played; // a first trick of these cards (seats 0 to 3)
        int chosen;              // the card a rule chose
        int expectCard;
    };
    const Case cases[] = {
        {"the Schellen Unter gives way to the Herz Unter", {4, 12, 3, 19}, {}, 4, 12},
        {"an unplayed Herz Unter lies between: the Schellen Unter stays", {4, 20, 3, 19}, {}, 4, 4},
        {"the Herz Unter between is played: the Gras Unter comes",
         {4, 20, 3, 19},
         {12, 1, 2, 17},
         4,
         20},
        {"the Ten between is played: the King gives way to the Ace",
         {14, 16, 3, 19},
         {15, 1, 2, 17},
         14,
         16},
        {"the Schellen Unter is worth far less than the Ace: the Ace stays",
         {16, 4, 3, 19},
         {},
         16,
         16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        SchafkopfTable table;
        std::vector<std::vector<int>> hands = {{}, c.hand, {}, {}};
        for (size_t s = 0; s < c.played.size(); ++s)
            hands[s].push_back(c.played[s]);
        table.Start(1, hands, 0, 3);
        table.Call(2);
        SchafkopfComputerPlayer& g = table.game;
        if (!c.played.empty()) {
            for (int card : c.played)
                table.Play(card);
            table.FinishTrick();
        }
        g.leader = 0;
        g.trickCards[0] = 11;
        g.seatToMove = 1;
        g.AnalysePartners(1);
        const Choice got = DryRun(g, 1, [&] { return g.PlayCardIfHeld(1, c.chosen, 77); });
        EXPECT_EQ(got.card, c.expectCard);
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

} // namespace

namespace {

// A position for the trump decision: hands with the cards of the current trick still in them,
// the trick played from the leader up to the seat to move, which gets the profile.
struct TrickSetUp {
    GameTypeWord word = kWordSuitSolo;
    int trumpSuit = 1;
    bool fox = false;
    int declarer = 3;
    int calledSuit = -1;
    int trick = 7;
    int leader = 0;
    std::vector<int> trickCards; // from the leader on
    std::vector<std::vector<int>> hands;
    int profile = 8;
    int taken[4] = {};
};

void SetUpTrick(SchafkopfTable& table, const TrickSetUp& t) {
    table.options.trumpSuit = static_cast<std::int16_t>(t.trumpSuit);
    table.options.catchTheFox = t.fox;
    table.game.NewGameWithOptions(&table.options);
    std::vector<std::vector<int>> hands = t.hands;
    hands.resize(4);
    for (size_t i = 0; i < t.trickCards.size(); ++i)
        hands[(t.leader + i) % 4].push_back(t.trickCards[i]);
    table.Start(t.word, hands, t.leader, t.declarer);
    if (t.calledSuit >= 0)
        table.Call(t.calledSuit);
    SchafkopfComputerPlayer& g = table.game;
    g.trickNumber = static_cast<std::int16_t>(t.trick);
    for (int s = 0; s < 4; ++s)
        g.cardPoints[s] = static_cast<std::int16_t>(t.taken[s]);
    for (int card : t.trickCards)
        table.Play(card);
    const int seat = g.seatToMove;
    g.seats[seat].profile = static_cast<std::int16_t>(t.profile);
    g.AnalysePartners(seat);
}

TEST(SchafkopfTrumpDecisionTest,
     WithTwoTricksLeftASeatWithoutTrumpsSmearsOntoThePartnersSafeTrump) {
    // Suit Solo in Herz, seat 3 declares; seat 1, a defender without trumps, plays second.
    // Schellen 7 1; Gras 9 19, King 22; Eichel 9 27, King 30; Herz King 14; Eichel Ober 29.
    struct Case {
        const char* name;
        std::vector<int> hand;
        int led;
        int trick;
        bool trumpLeadOnly;
        int expectCard; // 0: no card
    };
    const Case cases[] = {
        {"the second card is worth more", {19, 30}, 29, 7, false, 30},
        {"the first card is worth more", {22, 27}, 29, 7, false, 22},
        {"the partner's trump can still be beaten", {19, 30}, 14, 7, false, 0},
        {"three tricks left", {19, 30, 27}, 29, 6, false, 0},
        {"only a trump lead counts", {19, 30}, 29, 7, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        SchafkopfTable table;
        TrickSetUp t;
        t.trick = c.trick;
        t.trickCards = {c.led};
        t.hands = {{}, c.hand, {1}, {}};
        SetUpTrick(table, t);
        SchafkopfComputerPlayer& g = table.game;
        ASSERT_EQ(g.seatToMove, 1);
        const Choice got = DryRun(
            g, 1, [&] { return g.PlayTrumpDecision(1, g.GetBestCardSoFar(), c.trumpLeadOnly); });
        EXPECT_EQ(got.card, c.expectCard);
        if (c.expectCard != 0) {
            EXPECT_EQ(got.reason, 35);
        }
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

TEST(SchafkopfTrumpDecisionTest,
     KeepHighTrumpForPointsPlaysTheLowerTrumpWhileTheTargetIsReachable) {
    // Suit Solo in Herz, seat 3 declares. Seat 2 led the Herz King (4), the declarer took it
    // with the Eichel Ober (3), seat 0 gave the Gras Ober (3): q = 10. Seat 1 holds two trumps
    // and cannot beat the trick. With 60 points taken, q 10 and the Herz Ten (10) kept:
    // 4 x (120 - 60 - 10 - 10) / 5 + 10 = 42, so a target up to 42 lets the lower trump go.
    struct Case {
        const char* name;
        std::vector<int> hand;
        int declarerPoints; // of the 60 taken; the defenders hold the rest
        int expectCard;
    };
    const Case cases[] = {
        {"target 18: the lower trump", {9, 15, 19}, 18, 9},
        {"target 42, the bound itself: the lower trump", {9, 15, 19}, 42, 9},
        {"target 43: no card", {9, 15, 19}, 43, 0},
        {"the higher trump is worth too little to keep", {9, 11, 19}, 18, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        SchafkopfTable table;
        TrickSetUp t;
        t.trick = 3;
        t.leader = 2;
        t.trickCards = {14, 29, 21};
        t.hands = {{}, c.hand, {}, {}};
        t.taken[3] = c.declarerPoints;
        t.taken[0] = 60 - c.declarerPoints;
        SetUpTrick(table, t);
        SchafkopfComputerPlayer& g = table.game;
        ASSERT_EQ(g.seatToMove, 1);
        ASSERT_EQ(g.GetPointTarget(1), 60 - (60 - c.declarerPoints));
        const Choice got = DryRun(g, 1, [&] { return g.KeepHighTrumpForPoints(1, 29); });
        EXPECT_EQ(got.card, c.expectCard);
        if (c.expectCard != 0) {
            EXPECT_EQ(got.reason, 35);
        }
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

TEST(SchafkopfTrumpDecisionTest, AStrongThirdSeatPutsTheFoxOnATrickItsPartnerWillTake) {
    // Call Game, seat 2 declares and calls Gras; seat 1 holds the Gras Ace, so its partner
    // plays after it. Two low trumps led; seat 1 holds the fox and the lowest trump.
    struct Case {
        const char* name;
        int trumpSuit;
        bool fox;
        bool playForPartner;
        std::vector<int> hand;
        std::vector<int> trick;
        int expectCard;
        int expectReason;
    };
    const Case cases[] = {
        {"Herz trump: the Herz Ace", 1, true, true, {16, 9, 24}, {10, 11}, 16, 53},
        {"Schellen trump: the Schellen Ace", 0, true, true, {8, 1, 24}, {2, 3}, 8, 53},
        {"no Catch the Fox: the low trump cannot beat, no card",
         1,
         false,
         true,
         {16, 9, 24},
         {10, 11},
         0,
         0},
        {"not playing for the partner: no card", 1, true, false, {16, 9, 24}, {10, 11}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        SchafkopfTable table;
        TrickSetUp t;
        t.word = kWordNormal;
        t.trumpSuit = c.trumpSuit;
        t.fox = c.fox;
        t.declarer = 2;
        t.calledSuit = 2;
        t.trick = 2;
        t.leader = 3;
        t.trickCards = c.trick;
        t.hands = {{}, c.hand, {22}, {}};
        t.profile = 14;
        SetUpTrick(table, t);
        SchafkopfComputerPlayer& g = table.game;
        ASSERT_EQ(g.seatToMove, 1);
        ASSERT_TRUE(g.IsPartnerStillToPlay());
        g.watchPlaces = 0; // no reading of the partner's trumps: P = 0
        g.playForPartner = c.playForPartner ? 1 : 0;
        const Choice got =
            DryRun(g, 1, [&] { return g.PlayTrumpDecision(1, g.GetBestCardSoFar(), false); });
        EXPECT_EQ(got.card, c.expectCard);
        if (c.expectCard != 0) {
            EXPECT_EQ(got.reason, c.expectReason);
        }
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

TEST(SchafkopfTrumpDecisionTest, TheLastTwoCardsTakeTheTrickCheaplyWhenTheRestIsWorthNoMore) {
    // Two cards left. Seat 3 led the Herz Ace (11), seat 0 took it with the Gras Unter (2):
    // 13 in the trick. Seat 1 holds the Schellen Unter (2, too low) and the Eichel Ober (3).
    // Outside the trick: 120 - taken - 5 - 13.
    struct Case {
        const char* name;
        int taken;
        bool flag;
        int expectCard;
        int expectReason;
    };
    const Case cases[] = {
        {"7 outside: the lowest winning card", 95, false, 29, 20},
        {"13 outside, as much as inside: the lowest winning card", 89, false, 29, 20},
        {"14 outside: the first card as a point lead", 88, false, 4, 35},
        {"52 outside, a trump wanted: the low trump", 50, true, 4, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        SchafkopfTable table;
        TrickSetUp t;
        t.leader = 3;
        t.trickCards = {16, 20};
        t.hands = {{1}, {4, 29}, {2, 3}, {5}};
        t.taken[3] = c.taken;
        SetUpTrick(table, t);
        SchafkopfComputerPlayer& g = table.game;
        ASSERT_EQ(g.seatToMove, 1);
        const Choice got =
            DryRun(g, 1, [&] { return g.TakeLastTricksByPoints(1, g.GetBestCardSoFar(), c.flag); });
        EXPECT_EQ(got.card, c.expectCard);
        EXPECT_EQ(got.reason, c.expectReason);
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

} // namespace
