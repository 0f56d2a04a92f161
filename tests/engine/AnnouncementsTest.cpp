// Announcements: the deadlines against the published tournament rules of the double-deck game,
// the recording of random attempts, and the waiting clock on a fake clock.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/CardNames.h"
#include "engine/RuleHarness.h"
#include "engine/TestLevel.h"
#include "platform/Ticks.h"

namespace {

using card_names::Cards;

// The tournament rules, written out: a party call while the seat holds 11 cards, no 90 with
// 10, no 60 with 9, no 30 with 8, Schwarz with 7 — each counted from the trick that settles
// a marriage (so a marriage settled in trick c gives c - 1 cards more). A late party call is
// allowed as a reply one card after the deadline of the other party's highest announcement.
int RuleDeadline(int kind) {
    return kind <= 1 ? 11 : 12 - kind;
}

bool RuleAllows(int kind, int cards, int decisionTrick, int otherHighest) {
    const int counted = cards + decisionTrick - 1;
    if (kind == 0 || kind == 1)
        return counted >= 11 || (otherHighest >= 0 && counted >= RuleDeadline(otherHighest) - 1);
    if (kind >= 2 && kind <= 5)
        return counted >= RuleDeadline(kind);
    return false;
}

// The announcement due at this card: the party call while it may be made, then each level
// at its own card once the party holds the level below; else a late party call as a reply.
int RuleProposal(int cards, int decisionTrick, int ownHighest, int otherHighest, int ownCall) {
    const int counted = cards + decisionTrick - 1;
    if (counted == 11 || counted == 12)
        return ownCall;
    const int due = 12 - counted; // the level whose deadline is this card
    if (due >= 2 && due <= 5) {
        const bool below = due == 2 ? ownHighest != -1 : ownHighest >= 2 && ownHighest >= due - 1;
        if (below)
            return due;
    }
    if (counted >= 6 && counted <= 10 && RuleAllows(ownCall, cards, decisionTrick, otherHighest))
        return ownCall;
    return -1;
}

class AnnouncementTable : public ::testing::Test {
  protected:
    void SetUp() override {
        game.options.announcementsOn = 1;
        game.options.announceDelay = 20;
        game.gameType = {0, kWordNormal};
        game.declarer = -1;
        for (int seat = 0; seat < kSeatCount; ++seat)
            game.seats[seat].inDeclarerParty = seat < 2 ? 1 : 0;
        const std::int16_t lists[5] = {0, 1, 2, 3, -1};
        std::copy(lists, lists + 5, game.partyLists);
        game.leader = 0;
        game.seatToMove = 0;
        game.trickNumber = 1;
    }
    void GiveCards(int seat, int count) {
        for (int p = 0; p < kHandPlaces; ++p)
            game.seats[seat].hand[p] = static_cast<std::uint8_t>(p < count ? 1 + p : 0);
    }
    void Add(int seat, int kind) {
        AnnouncementEntry& entry = game.announcements[game.announcementCount++];
        entry = {static_cast<std::int16_t>(kind), static_cast<std::int16_t>(seat), 1, 2, 1};
    }
    // A party's announcements up to its highest kind, made by the party's first seat.
    void AddParty(bool first, int highest) {
        if (highest == -1)
            return;
        const int seat = first ? 0 : 2;
        Add(seat, first ? 1 : 0);
        if (highest >= 2)
            Add(seat, highest);
    }
    TestLevel game;
};

TEST_F(AnnouncementTable, DeadlinesFollowTheTournamentRules) {
    const int firstHighest[] = {-1, 1, 2, 3, 4, 5};
    const int secondHighest[] = {-1, 0, 2, 3, 4, 5};
    int compared = 0;
    for (int c = 1; c <= 4; ++c) {
        // A marriage settled in trick c; with c = 1 also the plain normal game.
        for (const GameTypeWord word : {kWordMarriage, kWordNormal}) {
            if (word == kWordNormal && c != 1)
                continue;
            game.gameType = {0, word};
            game.marriageTrick = static_cast<std::int16_t>(word == kWordMarriage ? c : 0);
            game.trickNumber = static_cast<std::int16_t>(c);
            for (int fh : firstHighest)
                for (int sh : secondHighest) {
                    game.announcementCount = 0;
                    AddParty(true, fh);
                    AddParty(false, sh);
                    // At trick c a seat holds at most 13 - c cards.
                    for (int n = 0; n <= 13 - c; ++n)
                        for (int seat : {1, 3}) {
                            SCOPED_TRACE("c " + std::to_string(c) + " word " +
                                         std::to_string(word) + " n " + std::to_string(n) +
                                         " seat " + std::to_string(seat) + " highest " +
                                         std::to_string(fh) + "/" + std::to_string(sh));
                            GiveCards(seat, n);
                            const bool first = seat < 2;
                            const int own = first ? fh : sh;
                            const int other = first ? sh : fh;
                            for (int kind = -1; kind <= 10; ++kind) {
                                EXPECT_EQ(game.MayAnnounce(seat, kind, nullptr),
                                          RuleAllows(kind, n, c, other))
                                    << "kind " << kind;
                                ++compared;
                            }
                            std::int16_t proposed = -7;
                            const bool any = game.GetNextAnnouncement(seat, &proposed);
                            const int expected = RuleProposal(n, c, own, other, first ? 1 : 0);
                            EXPECT_EQ(any, expected != -1);
                            if (any) {
                                EXPECT_EQ(proposed, expected);
                                EXPECT_TRUE(RuleAllows(proposed, n, c, other));
                            }
                        }
                }
        }
    }
    EXPECT_GT(compared, 10000);
}

TEST_F(AnnouncementTable, LastMomentIsTheSeatToMovesOwnDeadline) {
    // The seat to move with no card in the trick, c = 1: party calls at 11 cards or fewer,
    // each level exactly at its deadline.
    const struct {
        int kind, cards;
        bool last;
    } cases[] = {{1, 12, false}, {1, 11, true}, {2, 11, false}, {2, 10, true}, {3, 9, true},
                 {3, 10, false}, {4, 8, true},  {5, 7, true},   {5, 8, false}};
    for (const auto& c : cases) {
        GiveCards(0, c.cards);
        std::uint8_t last = 9;
        game.MayAnnounce(0, c.kind, &last);
        EXPECT_EQ(last != 0, c.last) << c.kind << " with " << c.cards;
        // Another seat than the seat to move is never at its last moment.
        GiveCards(1, c.cards);
        game.MayAnnounce(1, c.kind, &last);
        EXPECT_EQ(last, 0);
    }
}

TEST_F(AnnouncementTable, OnlyAnOpenMarriageCountsACompleteTrickAsTheDecision) {
    // Trick 3 complete, won by seat 2 (not the declarer): in an open marriage the deadlines
    // count from trick 3, so 9 cards still allow Re; a normal game keeps its deadlines.
    game.trickNumber = 3;
    game.declarer = 0;
    game.leader = 0;
    const std::vector<int> trick = Cards("H-9 H-K G-A H-A"); // seat 3 wins with the Herz Ace
    for (int seat = 0; seat < 4; ++seat)
        game.trickCards[seat] = static_cast<std::int16_t>(trick[seat]);
    GiveCards(1, 9);
    game.seatToMove = 1;
    game.gameType = {0, kWordMarriage};
    game.marriageTrick = 0;
    EXPECT_TRUE(game.MayAnnounce(1, 1, nullptr));
    GiveCards(1, 8);
    EXPECT_FALSE(game.MayAnnounce(1, 1, nullptr));
    GiveCards(1, 9);
    game.gameType = {0, kWordNormal};
    EXPECT_FALSE(game.MayAnnounce(1, 1, nullptr));
}

// Each party's recorded kinds, in the order of the list.
std::vector<int> PartyKinds(TestLevel& game, bool first) {
    std::vector<int> kinds;
    const int count = std::min<int>(game.announcementCount, kMaxAnnouncements);
    for (int i = 0; i < count; ++i) {
        const int seat = game.announcements[i].seat;
        if ((game.seats[seat].inDeclarerParty != 0) == first)
            kinds.push_back(game.announcements[i].kind);
    }
    return kinds;
}

TEST(AnnouncementRecording, RandomAttemptsKeepEachPartysLadder) {
    std::mt19937 random(1515);
    TestLevel game;
    int recorded = 0;
    int refused = 0;
    for (int deal = 0; deal < 300; ++deal) {
        game.Deal(random, 0, kWordNormal, static_cast<int>(random() % 4));
        int declaring = 0;
        for (int seat = 0; seat < kSeatCount; ++seat)
            declaring += game.seats[seat].inDeclarerParty;
        if (declaring != 2)
            continue; // both Obers of Eichel in one hand: a silent solo, not a party game
        for (int attempt = 0; attempt < 30; ++attempt) {
            const int seat = static_cast<int>(random() % 6) - 1; // -1 and 4 are bad seats
            const int kind = static_cast<int>(random() % 14) - 2;
            game.seatToMove = static_cast<std::int16_t>(random() % 4);
            const std::vector<std::uint8_t> before = rule_harness::Image(game);
            const bool made = game.MakeAnnouncement(seat, kind);
            if (!made) {
                ++refused;
                EXPECT_TRUE(rule_harness::Image(game) == before) << seat << " " << kind;
                continue;
            }
            ++recorded;
            ASSERT_TRUE(seat >= 0 && seat < 4);
            EXPECT_TRUE(kind >= 0 && kind <= 9 && kind != 6 && kind != 7) << kind;
            const bool first = game.seats[seat].inDeclarerParty != 0;
            EXPECT_TRUE(first ? kind != 0 && kind != 8 : kind != 1 && kind != 9) << kind;
            // The seat now stands in the list of its own party.
            bool listed = false;
            for (int i = first ? 0 : 2; i < (first ? 2 : 5); ++i)
                listed = listed || game.partyLists[i] == seat;
            EXPECT_TRUE(listed);
            for (bool party : {true, false}) {
                const std::vector<int> kinds = PartyKinds(game, party);
                if (kinds.empty())
                    continue;
                EXPECT_EQ(kinds.front(), party ? 1 : 0);
                for (std::size_t i = 1; i < kinds.size(); ++i)
                    EXPECT_GT(kinds[i], kinds[i - 1]);
            }
        }
    }
    EXPECT_GT(recorded, 400);
    EXPECT_GT(refused, 1000);
}

TEST_F(AnnouncementTable, KontraReSupResupRecordWithTheirParties) {
    // The declaring party (0, 1) and the defenders (2, 3), as the Schafkopf line records
    // Kontra, Re, Sup and Resup.
    game.partyLists[0] = game.partyLists[1] = game.partyLists[2] = game.partyLists[3] = -1;
    GiveCards(0, 8);
    GiveCards(2, 8);
    EXPECT_FALSE(game.MakeAnnouncement(2, 8)); // no Sup before Kontra
    EXPECT_FALSE(game.MakeAnnouncement(0, 0)); // a declaring seat never says Kontra
    EXPECT_TRUE(game.MakeAnnouncement(2, 0));
    EXPECT_FALSE(game.MakeAnnouncement(3, 0)); // its partner cannot say it again
    EXPECT_FALSE(game.MakeAnnouncement(2, 1)); // nor a defender Re
    EXPECT_TRUE(game.MakeAnnouncement(1, 1));
    EXPECT_FALSE(game.MakeAnnouncement(0, 1));
    EXPECT_TRUE(game.MakeAnnouncement(3, 8));
    EXPECT_FALSE(game.MakeAnnouncement(2, 8));
    EXPECT_FALSE(game.MakeAnnouncement(0, 8));
    EXPECT_TRUE(game.MakeAnnouncement(0, 9));
    EXPECT_FALSE(game.MakeAnnouncement(1, 9));
    ASSERT_EQ(game.announcementCount, 4);
    const int expected[4][2] = {{0, 2}, {1, 1}, {8, 3}, {9, 0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(game.announcements[i].kind, expected[i][0]);
        EXPECT_EQ(game.announcements[i].seat, expected[i][1]);
    }
    EXPECT_TRUE(game.partyLists[0] == 1 || game.partyLists[1] == 1);
    EXPECT_TRUE(game.partyLists[2] == 2 || game.partyLists[3] == 2);
}

TEST_F(AnnouncementTable, EntryTimingAndTheDamagedCount) {
    GiveCards(0, 10);
    game.announcementCount = 0;
    AddParty(true, 1);
    // The seat to move announces no 90 with exactly 10 cards, two cards lying in the trick.
    game.leader = 2;
    game.seatToMove = 0;
    game.trickNumber = 3;
    game.trickCards[2] = 1;
    game.trickCards[3] = 2;
    ASSERT_TRUE(game.MakeAnnouncement(0, 2));
    const AnnouncementEntry& entry = game.announcements[1];
    EXPECT_EQ(entry.timing, 1 + 12);
    EXPECT_EQ(entry.trick, 3);
    EXPECT_EQ(entry.beforeOwnCard, 1); // 10 cards at trick 3: its own card is still to come
    // After the fourth card (before the trick is taken), by another seat: 2 + 32.
    GiveCards(2, 9);
    game.trickCards[0] = 3;
    game.trickCards[1] = 4;
    game.seatToMove = 1;
    ASSERT_TRUE(game.MakeAnnouncement(2, 0));
    EXPECT_EQ(game.announcements[2].timing, 2 + 32);
    EXPECT_EQ(game.announcements[2].beforeOwnCard, 0);

    // A damaged count is kept within 0..12 by the readers: nothing is written past the list.
    game.announcementCount = 40;
    EXPECT_TRUE(game.MakeAnnouncement(3, 3));
    EXPECT_EQ(game.announcementCount, 40);
    game.announcementCount = -5;
    EXPECT_TRUE(game.CanAddAnnouncement(true, 1));
    EXPECT_FALSE(game.CanAddAnnouncement(true, 2));
    EXPECT_TRUE(game.MakeAnnouncement(1, 1));
    EXPECT_EQ(game.announcementCount, 1);
}

// The waiting clock on a fake clock: ticks are (milliseconds / 50) x 3.
class AnnouncementClock : public AnnouncementTable {
  protected:
    void SetUp() override {
        AnnouncementTable::SetUp();
        SetMillisecondClock([this] { return now; });
        for (int seat = 0; seat < kSeatCount; ++seat) {
            GiveCards(seat, 12);
            game.seats[seat].usesProfileStyle = seat == 0 ? 0 : 1;
        }
    }
    void TearDown() override { SetMillisecondClock({}); }
    void SetTicks(std::uint32_t ticks) { now = ticks / 3 * 50; }
    std::uint32_t now = 0;
};

TEST_F(AnnouncementClock, AHumanPauseCountsFromOnePointEightUpToSixSeconds) {
    // The human seat 0 of the second party waits off lead with the silent Contra convention.
    for (int seat = 0; seat < kSeatCount; ++seat)
        game.seats[seat].inDeclarerParty = seat == 0 || seat == 3 ? 0 : 1;
    const std::int16_t lists[5] = {1, 2, 0, 3, -1};
    std::copy(lists, lists + 5, game.partyLists);
    StyleSetting(game.seats[0], 6) = 1;
    StyleSetting(game.seats[0], 7) = 5;
    game.leader = 3;
    game.seatToMove = 0;
    game.trickCards[3] = 9;
    const struct {
        std::uint32_t elapsed; // ticks
        bool waited;
    } cases[] = {{0, false},  {105, false}, {108, true}, {111, true},
                 {357, true}, {360, false}, {600, false}};
    for (const auto& c : cases) {
        const std::uint32_t start = 3000;
        game.announceClock = static_cast<std::int32_t>(start);
        game.announceClockSeat = -1;
        game.contraStyle = 0;
        game.contraStyleSeat = -1;
        game.pauseSeen = 0;
        SetTicks(start + c.elapsed);
        game.TrackAnnouncementTiming(0);
        EXPECT_EQ(game.pauseSeen != 0, c.waited) << c.elapsed;
        EXPECT_EQ(game.contraStyle, c.waited ? 3 : 0) << c.elapsed;
        EXPECT_EQ(game.contraStyleSeat, c.waited ? 0 : -1) << c.elapsed;
        // A judged pause stops the clock.
        EXPECT_EQ(game.announceClock, c.waited ? 0 : static_cast<std::int32_t>(start));
    }
    // The tick counter seen across its wrap: a clock started just before it.
    game.announceClock = -60;
    game.announceClockSeat = -1;
    SetTicks(60);
    game.TrackAnnouncementTiming(0);
    EXPECT_NE(game.pauseSeen, 0);
}

TEST_F(AnnouncementClock, TheComputerCardMustLieOnePointSixToTenSecondsBeforeTheRe) {
    // Seat 0 (human, declaring party) said Re second in the trick after a pause; the previous
    // computer card decides whether the Re came after a convention pause.
    game.leader = 3;
    game.seatToMove = 0;
    game.trickCards[3] = 9;
    StyleSetting(game.seats[0], 6) = 0;
    const struct {
        std::uint32_t gap; // ticks between the computer card and the Re
        bool after;
    } cases[] = {{93, false}, {96, true}, {99, true}, {597, true}, {600, false}};
    for (const auto& c : cases) {
        const std::uint32_t re = 6000;
        game.announceClock = static_cast<std::int32_t>(re);
        game.announceClockSeat = 0;
        game.lastComputerCardTime = static_cast<std::int32_t>(re - c.gap);
        game.reStyle = 0;
        SetTicks(re + 200);
        game.TrackAnnouncementTiming(0);
        EXPECT_NE(game.pauseSeen, 0);
        EXPECT_EQ(game.announcedAfterPause != 0, c.after) << c.gap;
        EXPECT_EQ(game.reStyle, c.after ? 0 : 8) << c.gap;
        EXPECT_EQ(game.announceClockSeat, -1);
    }
}

TEST_F(AnnouncementClock, AnotherSeatClearsTheClockAndADryRunJudgesNoPause) {
    game.announceClock = 500;
    game.announceClockSeat = 2;
    game.pauseSeen = 1;
    game.TrackAnnouncementTiming(0);
    EXPECT_EQ(game.announceClock, 0);
    EXPECT_EQ(game.announceClockSeat, -1);
    EXPECT_EQ(game.pauseSeen, 0);

    // Probing a card in a dry run leaves the clock and the styles alone.
    std::mt19937 random(7);
    game.Deal(random, 0, kWordNormal, 0);
    for (int seat = 0; seat < kSeatCount; ++seat)
        game.seats[seat].usesProfileStyle = seat == 0 ? 0 : 1;
    game.announceClock = 300;
    game.announceClockSeat = -1;
    game.pauseSeen = 1;
    game.reStyle = 5;
    SetTicks(300 + 200);
    const std::int16_t mode = game.BeginDryRun();
    game.PlayCard(0, 0, kReasonHuman);
    game.EndDryRun(0, mode);
    EXPECT_EQ(game.announceClock, 300);
    EXPECT_EQ(game.pauseSeen, 1);
    EXPECT_EQ(game.reStyle, 5);
}

} // namespace
