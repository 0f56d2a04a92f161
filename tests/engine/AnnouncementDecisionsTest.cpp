// Announcement decisions of the computer seats and the style learning of the human seat, on
// scripted positions of the double-deck base level.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/CardNames.h"
#include "engine/TestLevel.h"
#include "platform/Ticks.h"

namespace {

using card_names::Card;
using card_names::Cards;

class DecisionTable : public ::testing::Test {
  protected:
    void SetUp() override {
        game.options.announcementsOn = 1;
        game.options.announceDelay = 20;
        game.gameType = {0, kWordNormal};
        game.declarer = -1;
        game.trickNumber = 1;
        game.leader = 0;
        game.seatToMove = 0;
        for (int seat = 0; seat < kSeatCount; ++seat) {
            game.seats[seat].inDeclarerParty = seat < 2 ? 1 : 0;
            game.seats[seat].usesProfileStyle = 1;
            game.seats[seat].profile = 12;
            game.InitSeatStyle(seat);
        }
        // A plain filler hand for the seats a test does not look at.
        for (int seat = 0; seat < kSeatCount; ++seat)
            game.GiveHand(seat, Cards("S-9 S-K S-10 H-9 H-K H-A G-9 G-K G-10 E-9 E-K E-10"));
    }
    void Profile(int seat, int profile) {
        game.seats[seat].profile = static_cast<std::int16_t>(profile);
        game.InitSeatStyle(seat);
    }
    void Lists(std::initializer_list<int> lists) {
        int i = 0;
        for (int seat : lists)
            game.partyLists[i++] = static_cast<std::int16_t>(seat);
    }
    int PlaceOf(int seat, int card) {
        for (int p = 0; p < kHandPlaces; ++p)
            if (game.seats[seat].hand[p] == card)
                return p;
        return -1;
    }
    TestLevel game;
};

// Seat 2 (second party) answers its partner's waiting signal: the partner (seat 3) led while
// waiting (style 12), and seat 2 holds a Heart Ten. With 7 trumps and few Aces this hand says
// nothing on its own.
TEST_F(DecisionTable, TheAnswerToASilentSignalGoesByProfileBand) {
    game.GiveHand(2, Cards("H-10 S-O H-U S-U S-A S-10 S-9 G-9 G-K E-9 E-K H-9"));
    ASSERT_EQ(game.seats[2].groupCount[kTrumpGroup], 7);
    game.leader = 3;
    game.seatToMove = 2;
    game.trickCards[3] = Card("G-A");
    Lists({0, 1, 3, 2, -1});
    game.StartPlay();
    const struct {
        int profile;
        bool conventions;
    } cases[] = {{10, false}, {12, true}, {15, true}, {17, false}, {20, false}, {22, true}};
    for (const auto& c : cases) {
        Profile(2, c.profile);
        for (bool signal : {false, true}) {
            game.announcementCount = 0;
            game.contraStyle = signal ? 12 : 0;
            game.contraStyleSeat = signal ? 3 : -1;
            game.contraNo90Style = 0;
            std::uint8_t wait = 9;
            const bool made = game.DecideAnnouncement(2, &wait);
            EXPECT_EQ(made, signal && c.conventions) << c.profile << " signal " << signal;
            if (made) {
                EXPECT_EQ(game.announcements[0].kind, 0);
                EXPECT_EQ(game.contraNo90Style, 4);
            }
        }
    }
    // The same answer with the announcements switched off, or while a marriage is open.
    Profile(2, 12);
    game.contraStyle = 12;
    game.contraStyleSeat = 3;
    game.announcementCount = 0;
    game.options.announcementsOn = 0;
    EXPECT_FALSE(game.DecideAnnouncement(2, nullptr));
    game.options.announcementsOn = 1;
    game.gameType = {0, kWordMarriage};
    game.marriageTrick = 0;
    Lists({0, -1, 3, 2, -1});
    EXPECT_FALSE(game.DecideAnnouncement(2, nullptr));
    EXPECT_EQ(game.announcementCount, 0);
    Lists({0, 1, 3, 2, -1});
    game.marriageTrick = 1;
    EXPECT_TRUE(game.DecideAnnouncement(2, nullptr));
}

TEST_F(DecisionTable, AnOffLeadSignalIsAnsweredWhenTheSeatCanRuff) {
    // The partner waited off lead (style 3); seat 2, playing that convention, is void in the
    // led Gras and holds trumps, and the Gras Ace led can be beaten.
    game.options.styleSettings[5] = 1; // the silent Contra's switch comes from the rules record
    Profile(2, 12);
    ASSERT_TRUE(game.HasAnnounceOffLeadStyle(2));
    game.GiveHand(2, Cards("H-10 S-O H-U S-U S-A S-10 S-9 S-K E-9 E-K H-9 H-K"));
    game.leader = 1;
    game.seatToMove = 2;
    game.trickCards[1] = Card("G-A");
    Lists({0, 1, 3, 2, -1});
    game.StartPlay();
    game.contraStyle = 3;
    game.contraStyleSeat = 3;
    std::uint8_t wait = 0;
    ASSERT_TRUE(game.DecideAnnouncement(2, &wait));
    EXPECT_EQ(game.announcements[0].kind, 0);
    EXPECT_EQ(game.contraNo90Style, 4);
    // Holding Gras itself, the seat has no ruff to offer.
    game.announcementCount = 0;
    game.GiveHand(2, Cards("H-10 S-O H-U S-U S-A S-10 S-9 G-9 E-9 E-K H-9 H-K"));
    EXPECT_FALSE(game.DecideAnnouncement(2, &wait));
}

TEST_F(DecisionTable, ASilentContraMakesNoEntryButWaitsAndStartsTheClock) {
    std::uint32_t milliseconds = 50000;
    SetMillisecondClock([&] { return milliseconds; });
    game.options.styleSettings[5] = 1;
    Profile(2, 12);
    // Eleven trumps: a Contra for sure, made by waiting before the card.
    game.GiveHand(2, Cards("G-O G-O H-O H-O S-O S-O E-U E-U G-U G-U H-10 G-A"));
    game.leader = 1;
    game.seatToMove = 2;
    game.trickCards[1] = Card("H-9");
    Lists({0, 1, 2, 3, -1});
    game.StartPlay();
    std::uint8_t wait = 0;
    EXPECT_FALSE(game.DecideAnnouncement(2, &wait));
    EXPECT_EQ(wait, 1);
    EXPECT_EQ(game.announcementCount, 0);
    EXPECT_EQ(game.contraStyle, 3);
    EXPECT_EQ(game.contraStyleSeat, 2);
    EXPECT_EQ(game.announceClockSeat, 2);
    EXPECT_EQ(static_cast<std::uint32_t>(game.announceClock), TicksFromMilliseconds(milliseconds));
    // Without the convention the same hand says Contra at once.
    game.options.styleSettings[5] = 0;
    Profile(2, 12);
    game.contraStyle = 0;
    game.contraStyleSeat = -1;
    EXPECT_TRUE(game.DecideAnnouncement(2, &wait));
    EXPECT_EQ(game.announcements[0].kind, 0);
    SetMillisecondClock({});
}

TEST_F(DecisionTable, TheSoloistWithEveryTrickSureProposesByTheDefendersPoints) {
    game.gameType = {kSuitSchellen, kWordSuitSolo};
    game.GiveHand(0, Cards("H-10 H-10 E-O E-O G-O G-O H-O H-O S-O S-O E-U E-U"));
    game.SetUpParties(0);
    game.leader = 0;
    game.seatToMove = 0;
    Profile(0, 12);
    const struct {
        int defenders;
        int wish;
    } cases[] = {{0, 4}, {29, 4}, {30, 3}, {59, 3}, {60, 2}};
    for (const auto& c : cases) {
        game.cardPoints[1] = static_cast<std::int16_t>(c.defenders);
        game.announcementCount = 0;
        EXPECT_FALSE(game.DecideAnnouncement(0, nullptr)) << c.defenders;
        EXPECT_EQ(game.announceDeferred[0], c.wish) << c.defenders;
    }
}

TEST_F(DecisionTable, AWishAboveTheNextLevelMakesTheLevelDueNow) {
    // The party holds only Re (made at the last moment); no 60 is wished with 10 cards.
    game.GiveHand(0, Cards("H-10 E-O G-O H-O S-O E-U G-U H-U S-U S-A"));
    Lists({0, 1, 2, 3, -1});
    ASSERT_TRUE(game.MakeAnnouncement(1, 1));
    game.leader = 0;
    game.seatToMove = 0;
    std::int16_t kind = 3;
    EXPECT_TRUE(game.GateAnnouncement(0, &kind, false));
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(game.announceDeferred[0], 3);
    // One card earlier nothing is due yet: only the wish is marked.
    game.GiveHand(0, Cards("H-10 E-O G-O H-O S-O E-U G-U H-U S-U S-A S-K"));
    kind = 3;
    game.announceDeferred[0] = -1;
    EXPECT_FALSE(game.GateAnnouncement(0, &kind, false));
    EXPECT_EQ(kind, -1);
    EXPECT_EQ(game.announceDeferred[0], 3);
}

TEST_F(DecisionTable, NoSixtyAfterNoNinetyOnlyBelowFortyFivePoints) {
    // Seat 0 holds a hand without losers; its partner has said Re, seat 0 no 90.
    game.GiveHand(0, Cards("H-10 H-10 E-O E-O G-O G-O H-O H-O S-O S-O E-U G-A"));
    Lists({0, 1, 2, 3, -1});
    ASSERT_TRUE(game.MakeAnnouncement(1, 1));
    ASSERT_TRUE(game.MakeAnnouncement(0, 2));
    ASSERT_LE(game.RateAnnounceStrength(0, true), 0.2);
    game.reNo90Style = 1;
    game.seatToMove = 0;
    for (const int points : {0, 30, 44, 45, 60}) {
        game.cardPoints[2] = static_cast<std::int16_t>(points);
        EXPECT_EQ(game.ChooseNextLevel(0, 2), points < 45 ? 3 : -1) << points;
    }
}

TEST_F(DecisionTable, AfterAnExchangeAReNeedsElevenTrumpsAndStrongObers) {
    Lists({0, -1, -1, -1, -1});
    game.cardExchanged = 1;
    const struct {
        const char* hand;
        bool re;
    } cases[] = {{"E-O E-O G-O G-O H-O H-O S-O E-U E-U G-U H-U G-A", true},
                 {"E-O E-O G-O G-O H-O H-O S-O E-U E-U G-U E-A G-A", false},
                 {"E-O G-O G-O H-O H-O S-O S-U E-U E-U G-U H-U G-A", false},
                 {"E-O G-O G-O H-O H-O S-O H-10 E-U E-U G-U H-U G-A", true}};
    for (const auto& c : cases) {
        game.GiveHand(0, Cards(c.hand));
        game.announcementCount = 0;
        EXPECT_EQ(game.DecideAnnouncement(0, nullptr), c.re) << c.hand;
    }
}

TEST_F(DecisionTable, AnOberSignalLeadsToReAtItsLastMoment) {
    // A seat of the first party with conventions, a hand worth 66 to 74 points and a weak
    // loser count, sees the Eichel Ober led in trick 1 and says Re only at Re's last moment.
    std::mt19937 random(42);
    std::vector<int> deck = game.Deck();
    bool found = false;
    for (int attempt = 0; attempt < 20000 && !found; ++attempt) {
        std::shuffle(deck.begin(), deck.end(), random);
        std::vector<int> hand(deck.begin(), deck.begin() + 11);
        if (std::count(hand.begin(), hand.end(), kEichelOber) != 0)
            continue;
        game.GiveHand(1, hand);
        const int e = game.RateAnnouncementHand(1);
        found = e >= 66 && e <= 74 && game.seats[1].groupCount[kTrumpGroup] < 7;
    }
    ASSERT_TRUE(found);
    Lists({-1, -1, -1, -1, -1});
    game.seats[1].loserCount = 40;
    game.trickNumber = 2;
    game.tricks[0].leader = 3;
    game.tricks[0].cards[3] = kEichelOber;
    game.leader = 1;
    game.seatToMove = 2; // another seat to move: not yet Re's last moment
    EXPECT_FALSE(game.DecideAnnouncement(1, nullptr));
    EXPECT_EQ(game.announceDeferred[1], 1);
    EXPECT_EQ(game.announcementCount, 0);
    game.seatToMove = 1;
    EXPECT_TRUE(game.DecideAnnouncement(1, nullptr));
    EXPECT_EQ(game.announcements[0].kind, 1);
    // Without the signal lead the same hand says nothing.
    game.announcementCount = 0;
    game.partyLists[0] = -1;
    game.tricks[0].cards[3] = Card("E-9");
    EXPECT_FALSE(game.DecideAnnouncement(1, nullptr));
}

// --- style learning of the human seat ---

class StyleLearning : public DecisionTable {
  protected:
    void SetUp() override {
        DecisionTable::SetUp();
        game.seats[0].usesProfileStyle = 0;
        game.InitSeatStyle(0);
    }
};

TEST_F(StyleLearning, TheOberLeadConventionNeedsThreeNetMatches) {
    StyleSetting(game.seats[0], 20) = 1;
    StyleSetting(game.seats[0], 21) = 0;
    // true: the Re seat holds both Heart Tens when it leads the Eichel Ober after its Re.
    const bool script[] = {true, true, false, true, true, false, false, true};
    const int levels[] = {1, 2, 1, 2, 3, 2, 1, 2};
    const bool styled[] = {false, false, false, false, true, false, false, false};
    for (int i = 0; i < 8; ++i) {
        game.NewDeal(true);
        game.gameType = {0, kWordNormal};
        game.trickNumber = 1;
        game.leader = 0;
        game.seatToMove = 0;
        game.seats[0].inDeclarerParty = 1;
        game.GiveHand(0, script[i] ? Cards("H-10 H-10 E-O G-O S-A S-K")
                                   : Cards("H-9 H-K E-O G-O S-A S-K"));
        game.partyLists[0] = 0;
        ASSERT_TRUE(game.MakeAnnouncement(0, 1));
        game.reStyle = 0;
        game.PlayCard(0, PlaceOf(0, kEichelOber), kReasonHuman);
        EXPECT_EQ(StyleSetting(game.seats[0], 21), levels[i]) << i;
        EXPECT_EQ(game.reStyle == 5, styled[i]) << i;
    }
}

TEST_F(StyleLearning, AComputerSeatPlaysItsConventionsFromTheFirstCard) {
    Profile(1, 12);
    EXPECT_TRUE(game.HasOberLeadStyle(1));
    EXPECT_TRUE(game.HasHeartTenLeadStyle(1));
    EXPECT_TRUE(game.HasAnnounceOnLeadStyle(1));
    EXPECT_TRUE(game.HasForcingStyle(1));
    EXPECT_TRUE(game.HasWaitingStyle(1));
    Profile(1, 7);
    EXPECT_FALSE(game.HasOberLeadStyle(1));
    EXPECT_FALSE(game.HasForcingStyle(1));
    // Its cards and signals teach the table nothing.
    game.reStyle = game.contraStyle = 0;
    game.RecordStyleSignal(1, 5);
    game.RecordStyleSignal(2, 3);
    EXPECT_EQ(game.reStyle, 0);
    EXPECT_EQ(game.contraStyle, 0);
    EXPECT_EQ(game.contraStyleSeat, -1);
    // The human seat's signal is recorded for its party.
    game.seats[3].usesProfileStyle = 0;
    game.RecordStyleSignal(3, 3);
    EXPECT_EQ(game.contraStyle, 3);
    EXPECT_EQ(game.contraStyleSeat, 3);
    EXPECT_EQ(game.contraSignalSeat, 3);
    // Levels stay within 0..5.
    std::int16_t level = 5;
    TrickGameKnowledge::StepStyleLevel(level, true);
    EXPECT_EQ(level, 5);
    level = 0;
    TrickGameKnowledge::StepStyleLevel(level, false);
    EXPECT_EQ(level, 0);
}

TEST_F(StyleLearning, NoTrumpDiscardsWalkTheSignalValues) {
    game.gameType = {kNoTrumpSuit, kWordNoTrumps};
    game.declarer = 1;
    Lists({1, -1, 0, 2, 3});
    game.seats[0].styleLead[0] = 1;
    game.GiveHand(0, Cards("G-U G-K G-10 G-A E-9 E-K S-9 S-K"));
    game.GiveHand(1, Cards("H-9 H-U H-O H-K E-A"));
    game.GiveHand(2, Cards("H-9 H-U H-O H-K E-A"));
    game.GiveHand(3, Cards("H-10 H-10 H-A H-A E-A"));
    const char* discards[] = {"G-U", "G-A", "G-10", "G-K"};
    const char* leads[] = {"H-9", "H-U", "H-O", "H-K"};
    const struct {
        int mark, value, flag, count;
    } after[] = {{1, 50, 0, 0}, {0, 0, 1, 0}, {1, 200, 1, 1}, {1, 100, 1, 0}};
    game.trickNumber = 1;
    for (int t = 0; t < 4; ++t) {
        game.leader = 1;
        game.seatToMove = 1;
        for (int seat : {1, 2, 3, 0}) {
            game.seatToMove = static_cast<std::int16_t>(seat);
            int card = seat == 0 ? Card(discards[t]) : Card(leads[t]);
            if (seat == 3)
                card = game.seats[3].hand[0];
            game.PlayCard(seat, PlaceOf(seat, card), seat == 0 ? kReasonHuman : 9);
        }
        const SeatBlock& block = game.seats[0];
        EXPECT_EQ(block.suitSignalMarks[kSuitGras], after[t].mark) << t;
        EXPECT_EQ(block.suitSignalValues[kSuitGras], after[t].value) << t;
        EXPECT_EQ(block.observerFlag, after[t].flag) << t;
        EXPECT_EQ(block.observerCount, after[t].count) << t;
        game.FinishTrick();
    }
    // The count of two settled signals marks every suit the seat may still hold.
    EXPECT_EQ(game.seats[0].suitSignalValues[kSuitEichel], 100);
    EXPECT_EQ(game.seats[0].suitSignalMarks[kSuitEichel], 1);
}

} // namespace
