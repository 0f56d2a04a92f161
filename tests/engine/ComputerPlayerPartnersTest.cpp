#include <gtest/gtest.h>

#include "engine/NormalGameTest.h"

namespace {

class PartnersTest : public NormalGameTest {
  protected:
    void SetUp() override {
        NormalGameTest::SetUp();
        EvenSeatsDeclare();
    }
    void Trick(int first, std::initializer_list<int> cards) {
        game.leader = static_cast<std::int16_t>(first);
        int seat = first;
        for (int card : cards) {
            game.trickCards[seat] = static_cast<std::int16_t>(card);
            game.tricks[game.trickNumber - 1].cards[seat] = static_cast<std::int16_t>(card);
            AddToRankMask(&game.playedMasks[RankCodeOf(card)], SuitOf(card));
            seat = (seat + 1) % 4;
        }
        game.tricks[game.trickNumber - 1].leader = static_cast<std::int16_t>(first);
    }
};

} // namespace

TEST_F(PartnersTest, TheStrongestSeatSeesTheRealPartiesLateInTheDeal) {
    game.seats[1].profile = 26;
    game.trickNumber = 9; // at or after the drawn trick 7, 8 or 9
    game.AnalysePartners(1);
    EXPECT_EQ(game.moverPartners[0], 3);
    EXPECT_EQ(game.moverPartners[1], -1);
    EXPECT_EQ(game.moverOpponents[0], 0);
    EXPECT_EQ(game.moverOpponents[1], 2);
    EXPECT_EQ(game.firstPartyView[0], 0);
    EXPECT_EQ(game.firstPartyView[1], 2);
    EXPECT_EQ(game.secondPartyView[0], 1);
    EXPECT_EQ(game.secondPartyView[1], 3);
    for (int trick : {6, 9}) {
        for (int profile : {25, 26}) {
            if (trick == 9 && profile == 26)
                continue;
            game.trickNumber = static_cast<std::int16_t>(trick);
            game.seats[1].profile = static_cast<std::int16_t>(profile);
            game.AnalysePartners(1);
            EXPECT_EQ(game.moverPartners[0], -1) << trick << " " << profile;
            EXPECT_EQ(game.firstPartyView[0], -1) << trick << " " << profile;
            EXPECT_EQ(game.secondPartyView[0], 1) << trick << " " << profile;
        }
    }
    EXPECT_EQ(game.seatToMove, 0); // the seat to move is given back
}

TEST_F(PartnersTest, PointTargetByTheAnnouncementsOfBothParties) {
    const std::int16_t lists[5] = {0, 2, 1, 3, -1};
    for (int i = 0; i < 5; ++i)
        game.partyLists[i] = lists[i];
    game.cardPoints[0] = 30;
    game.cardPoints[2] = 11;
    game.cardPoints[1] = 4;
    game.AnalysePartners(0);
    EXPECT_EQ(game.GetPointTarget(0), 121 - 41);
    EXPECT_EQ(game.GetPointTarget(1), 120 - 4);
    game.announcements[0] = {2, 1, 0, 0, 1}; // seat 1: no 90
    game.announcementCount = 1;
    EXPECT_EQ(game.GetPointTarget(0), 90 - 41);
    EXPECT_EQ(game.GetPointTarget(1), 90 - 4);
    game.announcements[1] = {5, 3, 0, 0, 1}; // seat 3: Schwarz
    game.announcementCount = 2;
    EXPECT_EQ(game.GetPointTarget(0), 0);
    game.cardPoints[1] = 200;
    EXPECT_EQ(game.GetPointTarget(1), 0); // never below 0
}

TEST_F(PartnersTest, AnOberLedAndWonByAKnownMemberShowsThatTrump) {
    for (int seat = 0; seat < 4; ++seat) {
        game.seats[seat].profile = 21; // a profile that plays the conventions
        game.seats[seat].usesProfileStyle = 1;
        game.InitSeatStyle(seat);
    }
    ASSERT_TRUE(game.HasOberLeadStyle(0));
    game.partyLists[0] = 0;
    game.partyLists[1] = 2;
    Trick(0, {21, 3, 4, 5}); // 8 points: below 13, and an Ober won it
    game.InferPartiesAfterTrick(0, 0);
    const TrumpEvidence& shown = game.announceRecords[0].trumpEvidence;
    EXPECT_EQ(shown.shownCard, 21);
    EXPECT_EQ(shown.shownBoth, 0);
    EXPECT_EQ(shown.certainty, 75);
    EXPECT_EQ(game.announceRecords[1].trumpEvidence.shownCard, 0);
    // Not after trick 6.
    game.announceRecords[0].trumpEvidence = {0, 0, 0, -1, 0};
    game.trickNumber = 7;
    Trick(0, {21, 3, 4, 5});
    game.InferPartiesAfterTrick(0, 0);
    EXPECT_EQ(game.announceRecords[0].trumpEvidence.shownCard, 0);
}

TEST_F(PartnersTest, TheLastSeatOvertakingALowTrumpTrickIsNoted) {
    Trick(0, {3, 6, 4, 29}); // Schellen 9, King, Unter; the Ober of Eichel takes it
    game.seatToMove = 3;
    game.FindTrumpTrickEvidence(0, 3);
    EXPECT_EQ(game.announceRecords[3].trumpEvidence.beatenCard, 4);
    EXPECT_EQ(game.announceRecords[3].trumpEvidence.winningCard, 29);
    // Once noted, a later trick leaves it.
    Trick(0, {3, 6, 4, 15});
    game.FindTrumpTrickEvidence(0, 3);
    EXPECT_EQ(game.announceRecords[3].trumpEvidence.winningCard, 29);
    // A close overtake says little: the Ober of Herz over the Ober of Schellen.
    Trick(1, {5, 4, 3, 13});
    game.FindTrumpTrickEvidence(1, 0);
    EXPECT_EQ(game.announceRecords[0].trumpEvidence.beatenCard, 0);
}
