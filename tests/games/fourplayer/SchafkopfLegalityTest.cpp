// Legality in Schafkopf: following suit by the deck's groups and the rules of the called Ace,
// from fixtures of the published rules and from random positions of random deals checked
// against the reference.
#include <gtest/gtest.h>

#include <random>

#include "SchafkopfReference.h"
#include "SchafkopfTable.h"
#include "support/AlertRecorder.h"

namespace {

// Trump suit Herz, the Gras Ace called. Cards: Gras 7 17, 8 18, 9 19, King 22, Ten 23, Ace 24
// (its Unter 20 and Ober 21 are trumps); Schellen 9 3, Ace 8; Eichel 9 27, Ten 31, Ober 29.
constexpr int kCalledAce = 24;

struct Fixture {
    const char* name;
    int mode = 2;         // partnershipMode
    bool ban = false;     // calledSuitLeadBan
    bool noRules = false; // noCalledAceRules
    bool shortDeck = false;
    GameTypeWord word = 1;
    int trick = 2;
    std::vector<int> hand; // of seat 1, the seat to move
    int led = 0;           // seat 0 led it; 0: seat 1 leads
    std::vector<int> earlierLeads;
    bool declarer = false;                   // seat 1 is the declarer (else seat 3)
    std::vector<std::pair<int, int>> expect; // card, answer
};

const Fixture kFixtures[] = {
    {"called Ace kept before its suit was led",
     2,
     false,
     false,
     false,
     1,
     2,
     {24, 19, 29, 31, 12, 10, 9},
     8,
     {},
     false,
     {{24, 4}, {19, 1}, {31, 1}, {29, 1}}},
    {"called Ace free in the last trick",
     2,
     false,
     false,
     false,
     1,
     8,
     {24},
     8,
     {},
     false,
     {{24, 1}}},
    {"called Ace kept in the last but one trick",
     2,
     false,
     false,
     false,
     1,
     7,
     {24, 19},
     8,
     {},
     false,
     {{24, 4}, {19, 1}}},
    {"short deck: trick 6 is the last", 2, false, false, true, 1, 6, {24}, 8, {}, false, {{24, 1}}},
    {"short deck: trick 5 keeps the Ace",
     2,
     false,
     false,
     true,
     1,
     5,
     {24, 19},
     8,
     {},
     false,
     {{24, 4}, {19, 1}}},
    {"called Ace free once its suit was led",
     2,
     false,
     false,
     false,
     1,
     3,
     {24, 19, 29, 31, 12, 10},
     8,
     {3, 22},
     false,
     {{24, 1}}},
    {"three cards of the suit: the Ace must go",
     2,
     false,
     false,
     false,
     1,
     2,
     {24, 19, 22, 29},
     17,
     {},
     false,
     {{19, 2}, {22, 2}, {24, 1}, {29, 0}}},
    {"four cards of the suit run away in the German call",
     2,
     false,
     false,
     false,
     1,
     2,
     {24, 18, 19, 22, 29},
     17,
     {},
     false,
     {{18, 1}, {22, 1}, {24, 1}}},
    {"four cards do not run away in the two-card partnership",
     1,
     false,
     false,
     false,
     1,
     2,
     {24, 18, 19, 22, 29},
     17,
     {},
     false,
     {{18, 2}, {24, 1}}},
    {"the holder leads the suit with its Ace",
     2,
     false,
     false,
     false,
     1,
     2,
     {24, 19, 3},
     0,
     {},
     false,
     {{19, 2}, {24, 1}, {3, 1}}},
    {"the holder runs away leading from four",
     2,
     false,
     false,
     false,
     1,
     2,
     {24, 17, 18, 19},
     0,
     {},
     false,
     {{17, 1}, {24, 1}}},
    {"lead ban on the declarer",
     2,
     true,
     false,
     false,
     1,
     2,
     {19, 22, 3, 29},
     0,
     {},
     true,
     {{19, 3}, {22, 3}, {3, 1}, {29, 1}}},
    {"no lead ban without the switch",
     2,
     false,
     false,
     false,
     1,
     2,
     {19, 22, 3, 29},
     0,
     {},
     true,
     {{19, 1}}},
    {"lead ban ends once the suit was led",
     2,
     true,
     false,
     false,
     1,
     3,
     {19, 22, 3, 29},
     0,
     {27, 17},
     true,
     {{19, 1}}},
    {"lead ban ends in the last trick", 2, true, false, false, 1, 8, {19}, 0, {}, true, {{19, 1}}},
    {"lead ban applies without the called-Ace rules",
     2,
     true,
     true,
     false,
     1,
     2,
     {19, 3},
     0,
     {},
     true,
     {{19, 3}, {3, 1}}},
    {"a declarer left with the called suit only may lead it",
     2,
     true,
     false,
     false,
     1,
     7,
     {19, 22},
     0,
     {},
     true,
     {{19, 1}, {22, 1}}},
    {"the caller keeps his one card of the suit",
     1,
     false,
     false,
     false,
     1,
     2,
     {19, 3, 29},
     27,
     {},
     true,
     {{19, 5}, {3, 1}, {29, 1}}},
    {"the German call lets the caller discard it",
     2,
     false,
     false,
     false,
     1,
     2,
     {19, 3, 29},
     27,
     {},
     true,
     {{19, 1}}},
    {"without the called-Ace rules the Ace may go",
     2,
     false,
     true,
     false,
     1,
     2,
     {24, 19, 22, 29},
     8,
     {},
     false,
     {{24, 1}}},
    {"without the called-Ace rules a small card follows",
     2,
     false,
     true,
     false,
     1,
     2,
     {24, 19, 22, 29},
     17,
     {},
     false,
     {{19, 1}, {24, 1}}},
    {"a solo knows no called Ace",
     2,
     true,
     false,
     false,
     4,
     2,
     {24, 19, 22, 29},
     8,
     {},
     false,
     {{24, 1}, {19, 1}}},
};

class LegalityTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetAlertRecorder(); }
    SchafkopfTable table;
};

TEST_F(LegalityTest, CalledAceRulesOfThePublishedRulesAndTheEdgeCases) {
    for (const Fixture& f : kFixtures) {
        SCOPED_TRACE(f.name);
        table.options.partnershipMode = static_cast<std::int16_t>(f.mode);
        table.options.calledSuitLeadBan = f.ban;
        table.options.noCalledAceRules = f.noRules;
        table.options.shortDeck = f.shortDeck;
        const int leader = f.led == 0 ? 1 : 0;
        table.Start(f.word, {{}, f.hand, {}, {}}, leader, f.declarer ? 1 : 3);
        table.Call(kCalledAce / 8 - 1);
        SchafkopfComputerPlayer& g = table.game;
        g.trickNumber = static_cast<std::int16_t>(f.trick);
        for (size_t t = 0; t < f.earlierLeads.size(); ++t) {
            g.tricks[t].leader = 0;
            g.tricks[t].cards[0] = static_cast<std::int16_t>(f.earlierLeads[t]);
        }
        if (f.led != 0)
            g.trickCards[0] = static_cast<std::int16_t>(f.led);
        g.seatToMove = 1;
        for (const auto& [card, answer] : f.expect)
            EXPECT_EQ(g.IsLegalCard(1, card), answer) << "card " << card;
    }
}

TEST_F(LegalityTest, CardsOutsideTheDeckSeatsOutsideTheTableAndCardsNotHeldAnswerZero) {
    table.Start(1, {{}, {24, 19, 3}, {}, {}}, 1, 3);
    table.Call(2);
    SchafkopfComputerPlayer& g = table.game;
    const std::pair<int, int> asks[] = {{-1, 24}, {4, 24}, {1, 0}, {1, 33},
                                        {1, -5},  {1, 5},  {0, 24}};
    for (const auto& [seat, card] : asks)
        EXPECT_EQ(g.IsLegalCard(seat, card), 0) << seat << " " << card;
}

// Random deals of every game word and partnership mode, with the lead ban and the called-Ace
// rules on and off and both deck sizes: at every card, 0 exactly where the seat must follow,
// the called-Ace refusals where the published rules refuse, and always a card to play.
TEST_F(LegalityTest, RandomPositionsAnswerAsTheReference) {
    const GameTypeWord words[] = {1,   1,   1,   2,    4,    8,    16,     32,      64,
                                  128, 256, 512, 1024, 2048, 4096, 0x2000, 0x20000, 0x8000};
    std::mt19937 random(2020);
    int refusalsSeen = 0;
    for (int deal = 0; deal < 1500; ++deal) {
        SchafkopfOptions& o = table.options;
        o.partnershipMode = static_cast<std::int16_t>(random() % 3);
        o.calledSuitLeadBan = static_cast<std::int16_t>(random() % 2);
        o.noCalledAceRules = static_cast<std::int16_t>(random() % 4 == 0);
        o.shortDeck = static_cast<std::int16_t>(random() % 3 == 0);
        o.trumpSuit = static_cast<std::int16_t>(random() % 2);
        const GameTypeWord word = words[random() % std::size(words)];
        const int declarer = word == 0x8000 ? -1 : static_cast<int>(random() % 4);
        table.Deal(random, word, static_cast<int>(random() % 4), declarer);
        SchafkopfComputerPlayer& g = table.game;
        int called = -1;
        if (word == 1) {
            for (int suit = 0; suit < 4 && called < 0; ++suit)
                if (suit != o.trumpSuit && !table.Holds(declarer, suit * 8 + 8))
                    called = suit;
            if (called < 0)
                continue;
            table.Call(called);
        }
        const skref::CallSwitches sw{o.partnershipMode == 2, o.calledSuitLeadBan != 0,
                                     o.noCalledAceRules != 0, true};
        bool calledLed = false;
        for (int trick = 1; trick <= g.GetCardsPerHand(); ++trick) {
            bool ledNow = false;
            for (int n = 0; n < 4; ++n) {
                const int seat = g.seatToMove;
                const skref::Game ref =
                    table.RefGame(); // a declarer's own called card makes a solo
                const auto hand = table.Hand(seat);
                const int led = seat == g.leader ? 0 : g.trickCards[g.leader];
                const bool callGame = ref.Kind() == 1 && called >= 0;
                skref::CallPosition pos{ref,
                                        called,
                                        hand,
                                        led,
                                        calledLed,
                                        trick == g.GetCardsPerHand(),
                                        seat == declarer};
                bool anyAllowed = false;
                for (int card : hand)
                    anyAllowed = anyAllowed || (ref.FollowsSuit(hand, led, card) &&
                                                CallRulesAllow(pos, sw, card));
                for (int card : hand) {
                    const int answer = g.IsLegalCard(seat, card);
                    const bool follows = ref.FollowsSuit(hand, led, card);
                    ASSERT_EQ(answer == 0, !follows)
                        << "deal " << deal << " card " << card << " word " << g.gameType.word
                        << " ts " << g.gameType.trumpSuit << " led " << led << " seat " << seat
                        << " trick " << trick << " hand " << ::testing::PrintToString(hand)
                        << " counts "
                        << ::testing::PrintToString(std::vector<int>(g.seats[seat].groupCount,
                                                                     g.seats[seat].groupCount + 5));
                    if (follows && callGame) {
                        const bool allowed = CallRulesAllow(pos, sw, card) || !anyAllowed;
                        ASSERT_EQ(answer == 1, allowed) << "deal " << deal << " card " << card;
                        refusalsSeen += answer > 1 ? 1 : 0;
                    } else if (follows) {
                        ASSERT_EQ(answer, 1) << "deal " << deal << " card " << card;
                    }
                }
                const auto legal = table.LegalCards();
                ASSERT_FALSE(legal.empty()) << "deal " << deal << " trick " << trick;
                const int card = legal[random() % legal.size()];
                if (seat == g.leader && called >= 0 && ref.Group(card) == called)
                    ledNow = true;
                table.Play(card);
            }
            table.FinishTrick();
            calledLed = calledLed || ledNow;
        }
    }
    EXPECT_GT(refusalsSeen, 100);
    EXPECT_TRUE(RecordedAlerts().empty());
}

} // namespace
