#include <gtest/gtest.h>

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
    } cases[] = {{80, 70, 90},    {10, 70, 70},  {100, 70, 100},   {-30, -70, -70},
                 {-80, -70, -90}, {0, 100, 100}, {90, -100, -100}, {95, 70, 95}};
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
}

TEST_F(PartiesTest, TheSecondPartyCompletedFillsTheFirstAroundItsKnownSeat) {
    game.partyLists[0] = 2;
    EXPECT_FALSE(game.SetPartyMember(3, false));
    EXPECT_TRUE(game.SetPartyMember(1, false));
    const std::int16_t expected[5] = {2, 0, 3, 1, -1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(game.partyLists[i], expected[i]) << i;
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
