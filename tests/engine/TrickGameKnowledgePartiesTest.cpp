#include <gtest/gtest.h>

#include <algorithm>

#include "engine/NormalGameTest.h"

namespace {

class PartiesTest : public NormalGameTest {
  protected:
    void SetUp() override {
        NormalGameTest::SetUp();
        EvenSeatsDeclare();
    }
    void Announce(int seat, int kind, int timing = 0, int trick = 1) {
        AnnouncementEntry& entry = game.announcements[game.announcementCount++];
        entry = {static_cast<std::int16_t>(kind), static_cast<std::int16_t>(seat), 0,
                 static_cast<std::int16_t>(timing), static_cast<std::int16_t>(trick)};
    }
    std::int16_t* Row(int seat) { return game.seats[seat].partyBelief; }
};

} // namespace

TEST_F(PartiesTest, AdjustBeliefStaysWithinNinetyFiveAndLeavesFinalBeliefs) {
    Row(1)[2] = 10;
    game.AdjustBelief(1, 2, 200);
    EXPECT_EQ(Row(1)[2], 95);
    Row(1)[2] = 10;
    game.AdjustBelief(1, 2, -200);
    EXPECT_EQ(Row(1)[2], -95);
    Row(1)[2] = 100;
    game.AdjustBelief(1, 2, -200);
    EXPECT_EQ(Row(1)[2], 100);
    game.AdjustBelief(1, 7, 5); // no such seat: nothing happens
    game.AdjustBelief(-1, 2, 5);
}

TEST_F(PartiesTest, SetBeliefMovesTowardTheTargetOrPastItAndSettlesTheRow) {
    struct Case {
        int before, target, after;
    } cases[] = {{80, 70, 90},    {10, 70, 70},    {100, 70, 100},   {-30, -70, -70},
                 {-80, -70, -90}, {0, 100, 100},   {90, -100, -100}, {95, 70, 95},
                 {100, -70, 100}, {-100, 70, -100}};
    for (const Case& c : cases) {
        Row(3)[1] = static_cast<std::int16_t>(c.before);
        Row(3)[0] = Row(3)[2] = 0;
        game.SetBelief(3, 1, c.target);
        EXPECT_EQ(Row(3)[1], c.after) << c.before << " -> " << c.target;
    }
    // A second certain entry in the row (the own one is the first) settles the other two.
    Row(3)[0] = 20;
    Row(3)[1] = 0;
    Row(3)[2] = -40;
    game.SetBelief(3, 1, 100);
    EXPECT_EQ(Row(3)[0], -100);
    EXPECT_EQ(Row(3)[2], -100);
    EXPECT_EQ(Row(3)[3], 100);
    // Two certain non-partners make the remaining seat the partner.
    Row(0)[1] = -100;
    Row(0)[2] = 30;
    Row(0)[3] = 0;
    game.SetBelief(0, 3, -100);
    EXPECT_EQ(Row(0)[2], 100);
    EXPECT_EQ(Row(0)[0], 100);
}

TEST_F(PartiesTest, TheSecondDeclaringSeatCompletesBothListsAndEveryBelief) {
    EXPECT_FALSE(game.SetPartyMember(2, true));
    EXPECT_EQ(game.partyLists[0], 2);
    EXPECT_EQ(game.partyLists[2], -1);
    EXPECT_EQ(Row(0)[2], 100);
    EXPECT_EQ(Row(1)[2], -100);
    EXPECT_FALSE(game.SetPartyMember(2, true)); // entering it again changes nothing
    EXPECT_EQ(game.partyLists[1], -1);
    EXPECT_TRUE(game.SetPartyMember(0, true));
    const std::int16_t expected[5] = {2, 0, 1, 3, -1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(game.partyLists[i], expected[i]) << i;
    EXPECT_TRUE(game.ArePartiesKnown());
    for (int observer = 0; observer < 4; ++observer)
        for (int seat = 0; seat < 4; ++seat)
            EXPECT_EQ(Row(observer)[seat], observer % 2 == seat % 2 ? 100 : -100)
                << observer << " about " << seat;
    EXPECT_TRUE(game.SetPartyMember(1, true)); // complete lists stay as they are
    EXPECT_EQ(game.partyLists[0], 2);
    // A seat of the other party known before: it keeps its place, the last seat joins it.
    SetUp();
    game.SetPartyMember(1, false);
    game.SetPartyMember(0, true);
    EXPECT_TRUE(game.SetPartyMember(2, true));
    const std::int16_t withKnown[5] = {0, 2, 1, 3, -1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(game.partyLists[i], withKnown[i]) << i;
}

TEST_F(PartiesTest, TheSecondPartyCompletedFillsTheFirstAroundItsKnownSeat) {
    game.partyLists[0] = 2;
    EXPECT_FALSE(game.SetPartyMember(3, false));
    EXPECT_TRUE(game.SetPartyMember(1, false));
    const std::int16_t expected[5] = {2, 0, 3, 1, -1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(game.partyLists[i], expected[i]) << i;
    // With the first list empty, or holding the first of the other seats, both of them go in.
    for (int known : {-1, 0}) {
        SetUp();
        game.partyLists[0] = static_cast<std::int16_t>(known);
        game.SetPartyMember(3, false);
        EXPECT_TRUE(game.SetPartyMember(1, false));
        const std::int16_t both[5] = {0, 2, 3, 1, -1};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(game.partyLists[i], both[i]) << "known " << known << " entry " << i;
    }
}

TEST_F(PartiesTest, ASeatIsNeverEnteredInBothParties) {
    game.SetPartyMember(2, true);
    EXPECT_FALSE(game.SetPartyMember(2, false));
    EXPECT_EQ(game.partyLists[2], -1);
    EXPECT_EQ(game.partyLists[3], -1);
}

TEST_F(PartiesTest, ASoloHasItsPartiesKnownAndNoListIsCompleted) {
    game.gameType = {4, kWordOberSolo};
    game.declarer = 1;
    EXPECT_TRUE(game.ArePartiesKnown());
    EXPECT_TRUE(game.SetPartyMember(3, true));
    EXPECT_EQ(game.partyLists[0], -1);
    std::int16_t list[3] = {-1, -1, -1};
    game.seatToMove = 1;
    game.CompletePartyList(true, list);
    EXPECT_EQ(list[0], -1);
}

TEST_F(PartiesTest, CompletingTheMoversOwnPartyAddsTheMoverAndTrustedBeliefs) {
    game.seatToMove = 0;
    game.seats[0].profile = 21; // style 1: beliefs above 60 pass (less after trick 1)
    game.partyLists[0] = 2;
    std::int16_t list[3];
    game.GetPartyList(true, list);
    EXPECT_EQ(list[0], 2);
    EXPECT_EQ(list[1], 0);
    // Without a known member the mover's strong beliefs fill its own party ...
    game.partyLists[0] = -1;
    Row(0)[3] = 80;
    game.GetPartyList(true, list);
    EXPECT_EQ(list[0], 0);
    EXPECT_EQ(list[1], 3);
    // ... and its strong doubts the other one.
    Row(0)[3] = 0;
    Row(0)[1] = -90;
    game.GetPartyList(false, list);
    EXPECT_EQ(list[0], 1);
    EXPECT_EQ(list[1], -1);
    // A weak belief passes nobody.
    Row(0)[1] = -20;
    game.GetPartyList(false, list);
    EXPECT_EQ(list[0], -1);
    // Two places, three doubted seats: the strongest doubts win.
    Row(0)[1] = -70;
    Row(0)[2] = -80;
    Row(0)[3] = -90;
    game.GetPartyList(false, list);
    EXPECT_EQ(list[0], 3);
    EXPECT_EQ(list[1], 2);
    Row(0)[1] = Row(0)[2] = Row(0)[3] = 0;
    // One known opponent and an own party not known yet: the doubts fill the rest.
    game.partyLists[2] = 1;
    Row(0)[3] = -90;
    game.GetPartyList(false, list);
    EXPECT_EQ(list[0], 1);
    EXPECT_EQ(list[1], 3);
    // The own party then follows from the other one: the rest of the table.
    game.GetPartyList(true, list);
    EXPECT_EQ(list[0], 0);
    EXPECT_EQ(list[1], 2);
}

// The seat that gave the other party's style signal stands in that party for a seat to move
// that plays the convention: the signal comes before what the lists say.
TEST_F(PartiesTest, AStyleSignalEntersItsSeatInTheOtherParty) {
    game.options.styleSettings[5] = 1; // the silent Contra's switch comes from the rules record
    game.seats[0].usesProfileStyle = 1;
    game.seats[0].profile = 12; // a profile that plays the conventions
    game.InitSeatStyle(0);
    ASSERT_TRUE(game.HasAnnounceOffLeadStyle(0));
    game.seatToMove = 0;
    game.contraStyleSeat = 3;
    game.partyLists[0] = 0;
    game.partyLists[1] = 2;
    const struct {
        int style;
        int knownOpponent;
        std::int16_t first, second;
    } cases[] = {
        {3, -1, 3, 1},  // the signal first, then the rest of the table
        {0, -1, 1, 3},  // no signal: the rest of the table in seat order
        {12, -1, 3, 1}, // the on-lead signal, which the profile plays too
        {5, -1, 1, 3},  // a code that is no signal
        {3, 3, 3, 1},   // the signalling seat is listed already: not twice
    };
    for (const auto& c : cases) {
        game.contraStyle = static_cast<std::int16_t>(c.style);
        game.partyLists[2] = static_cast<std::int16_t>(c.knownOpponent);
        std::int16_t list[3];
        game.GetPartyList(false, list);
        EXPECT_EQ(list[0], c.first) << c.style << " " << c.knownOpponent;
        EXPECT_EQ(list[1], c.second) << c.style << " " << c.knownOpponent;
        EXPECT_EQ(list[2], -1) << c.style << " " << c.knownOpponent;
    }
    // The seat to move gave the signal itself: it follows its known partner in its own list.
    game.seats[1].usesProfileStyle = 1;
    game.seats[1].profile = 12;
    game.InitSeatStyle(1);
    game.seatToMove = 1;
    game.contraStyleSeat = 1;
    game.contraStyle = 3;
    game.partyLists[2] = 3;
    std::int16_t list[3];
    game.GetPartyList(false, list);
    EXPECT_EQ(list[0], 3);
    EXPECT_EQ(list[1], 1);
    EXPECT_EQ(list[2], -1);
}

TEST_F(PartiesTest, PartyOfASeatStraightFromTheLists) {
    const struct {
        const char* game;
        std::int16_t lists[5];
        int declaring; // the one declaring seat of a solo, -1: seats 0 and 2
        int seat;
        std::int16_t others[2];
    } cases[] = {
        {"normal", {0, 2, 1, 3, -1}, -1, 0, {2, -1}},
        {"normal", {0, 2, 1, 3, -1}, -1, 2, {0, -1}},
        {"normal", {0, 2, 1, 3, -1}, -1, 1, {3, -1}},
        {"normal", {0, 2, 1, 3, -1}, -1, 3, {1, -1}},
        {"normal, the other party open", {0, 2, 3, -1, -1}, -1, 1, {3, -1}},
        {"solo", {1, -1, 0, 2, 3}, 1, 1, {-1, -1}},
        {"solo", {1, -1, 0, 2, 3}, 1, 0, {2, 3}},
        {"solo", {1, -1, 0, 2, 3}, 1, 2, {0, 3}},
        {"solo", {1, -1, 0, 2, 3}, 1, 3, {0, 2}},
    };
    for (const auto& c : cases) {
        std::copy(c.lists, c.lists + 5, game.partyLists);
        for (int seat = 0; seat < 4; ++seat)
            game.seats[seat].inDeclarerParty =
                c.declaring == -1 ? seat % 2 == 0 : seat == c.declaring;
        std::int16_t others[2] = {7, 7};
        game.GetPartyOf(others, c.seat);
        EXPECT_EQ(others[0], c.others[0]) << c.game << " seat " << c.seat;
        EXPECT_EQ(others[1], c.others[1]) << c.game << " seat " << c.seat;
    }
}

TEST_F(PartiesTest, PointsOfThePartiesAndOfTheTable) {
    const std::int16_t points[4] = {10, 20, 33, 4};
    std::copy(points, points + 4, game.cardPoints);
    EXPECT_EQ(game.SumCardPoints(), 67);
    game.partyLists[0] = 0;
    game.partyLists[1] = 2;
    game.partyLists[2] = 1;
    game.partyLists[3] = 3;
    game.seatToMove = 1;
    EXPECT_EQ(game.GetPartyPoints(0), 43);
    EXPECT_EQ(game.GetPartyPoints(3), 24);
}

// Seat 0 leads and holds the trick so far; seat 1 is to move with seat 2 listed as its partner.
TEST_F(PartiesTest, TheTrickGoesToThePartnerOrToTheOpenMarriagesDeclarer) {
    game.GiveHand(0, {29, 3});
    game.leader = 0;
    game.seatToMove = 0;
    ASSERT_TRUE(game.PlayCardIfHeld(0, 29, 9));
    game.seatToMove = 1;
    game.moverPartners[0] = 2;
    EXPECT_FALSE(game.DoesTrickGoToPartner());
    game.moverPartners[0] = 0;
    EXPECT_TRUE(game.DoesTrickGoToPartner());
    // The declarer of a marriage not yet settled counts any trick as its partner's.
    game.moverPartners[0] = 2;
    game.gameType = {0, kWordMarriage};
    game.declarer = 1;
    EXPECT_TRUE(game.DoesTrickGoToPartner());
    game.marriageTrick = 2;
    EXPECT_FALSE(game.DoesTrickGoToPartner());
}

TEST_F(PartiesTest, TheOtherPartyKnownGivesTheRestOfTheTable) {
    game.seatToMove = 1; // second party
    game.seats[1].profile = 21;
    game.partyLists[0] = 0;
    game.partyLists[1] = 2;
    std::int16_t list[3];
    game.GetPartyList(false, list);
    EXPECT_EQ(list[0], 1);
    EXPECT_EQ(list[1], 3);
    std::int16_t opponents[3];
    EXPECT_EQ(game.GetOpponentsOfMover(opponents), 2);
    EXPECT_EQ(opponents[0], 0);
    EXPECT_EQ(opponents[1], 2);
    std::int16_t partners[2];
    EXPECT_EQ(game.GetPartnersOfMover(partners), 1);
    EXPECT_EQ(partners[0], 3);
    EXPECT_EQ(partners[1], -1);
    EXPECT_EQ(game.completingParties, 0);
}

TEST_F(PartiesTest, AnnouncementsAreReadFromTheLatestEntry) {
    int kind = 7;
    int level = 7;
    game.FindAnnouncement(1, &kind, &level);
    EXPECT_EQ(kind, -1);
    EXPECT_EQ(level, -1);
    Announce(1, 0);
    Announce(2, 1, 2);
    Announce(1, 2, 2);
    game.FindAnnouncement(1, &kind, &level);
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(level, 4);
    game.FindAnnouncement(2, &kind, &level);
    EXPECT_EQ(level, 2);
    Announce(3, 8);
    level = 33;
    game.FindAnnouncement(3, &kind, &level);
    EXPECT_EQ(kind, 8);
    EXPECT_EQ(level, 33); // kinds beyond 5 leave the level alone

    game.partyLists[0] = 0;
    game.partyLists[1] = 2;
    game.partyLists[2] = 1;
    game.partyLists[3] = 3;
    EXPECT_EQ(game.GetPartnerAnnouncement(0), 1);
    EXPECT_EQ(game.GetPartnerAnnouncement(3), 2);
    EXPECT_EQ(game.GetPartnerAnnouncement(2), -1);
    EXPECT_EQ(game.GetHighestAnnouncement(true), 1);
    EXPECT_EQ(game.GetHighestAnnouncement(false), 8);
    EXPECT_EQ(game.GetAnnouncementThisTrick(1), 2);
    game.trickNumber = 2;
    EXPECT_EQ(game.GetAnnouncementThisTrick(1), -1);
    game.announcementCount = 400; // a damaged count reads no further than the list
    game.FindAnnouncement(1, &kind, &level);
    EXPECT_EQ(kind, 2);
}

TEST_F(PartiesTest, SuitsAndAcesForTheNormalGameOnly) {
    game.GiveHand(1, {11, 16, 19, 22, 32, 29}); // Herz with Ace, Gras, Eichel Ace, trump
    int held = 0;
    int withAce = 0;
    game.CountSeatSuitsAndAces(1, &held, &withAce);
    EXPECT_EQ(held, 3);
    EXPECT_EQ(withAce, 2);
    game.CountSuitsAndAces(game.seats[1], {0, kWordPureSuitSolo}, &held, &withAce);
    EXPECT_EQ(held, -1);
    EXPECT_EQ(withAce, -1);
    game.CountSuitsAndAces(game.seats[1], {0, kWordNone}, &held, &withAce);
    EXPECT_EQ(held, -1);
}
