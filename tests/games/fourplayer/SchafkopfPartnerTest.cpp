// The partner logic of the Call Game and the two-card partnership: who plays with the declarer
// shows by the called card or the partner cards, and the table's beliefs follow.
#include <gtest/gtest.h>

#include "SchafkopfTable.h"
#include "support/AlertRecorder.h"

namespace {

class PartnerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetAlertRecorder();
        table.options.trumpSuit = 1; // Herz
    }
    // Plays the cards in order from the seat to move.
    void PlayCards(std::initializer_list<int> cards) {
        for (int card : cards) {
            ASSERT_EQ(table.game.IsLegalCard(table.game.seatToMove, card), 1) << card;
            table.Play(card);
        }
    }
    void ExpectParties(std::vector<int> lists) {
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(table.game.partyLists[i], lists[i]) << "entry " << i;
    }
    SchafkopfTable table;
};

// Seat 0 Gras 7 8, Schellen; seat 1 Herz and two Eichel; seat 2 Gras Ace 9 King Ten and
// Eichel; seat 3 every Ober and Unter.
const std::vector<std::vector<int>> kHands = {{17, 18, 1, 2, 3, 6, 7, 8},
                                              {9, 10, 11, 14, 15, 16, 25, 26},
                                              {24, 19, 22, 23, 27, 30, 31, 32},
                                              {4, 5, 12, 13, 20, 21, 28, 29}};

TEST_F(PartnerTest, DeclarerPlayingHisOwnCalledCardPlaysASuitSoloAgainstThree) {
    for (int trumpSuit = 0; trumpSuit < 2; ++trumpSuit) {
        table.options.trumpSuit = static_cast<std::int16_t>(trumpSuit);
        table.Start(1, kHands, 2, 2);
        table.Call(2); // he called the Gras Ace he holds himself
        PlayCards({24});
        const SchafkopfComputerPlayer& g = table.game;
        EXPECT_EQ(g.gameType.word, kWordSuitSolo);
        EXPECT_EQ(g.gameType.trumpSuit, trumpSuit);
        EXPECT_EQ(g.declarer, 2);
        ExpectParties({2, -1, 0, 1, 3});
        for (int s = 0; s < 4; ++s)
            EXPECT_EQ(g.seats[s].inDeclarerParty, s == 2 ? 1 : 0) << s;
    }
}

TEST_F(PartnerTest, TheCalledAceShowsThePartnerToEverySeat) {
    table.Start(1, kHands, 2, 3);
    table.Call(2);
    PlayCards({24});
    ExpectParties({3, 2, 0, 1, -1});
    const SchafkopfComputerPlayer& g = table.game;
    EXPECT_EQ(g.seats[3].partyBelief[2], 100);
    EXPECT_EQ(g.seats[0].partyBelief[2], -100);
    EXPECT_EQ(g.seats[1].partyBelief[2], -100);
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(PartnerTest, LeadingTheCalledSuitSettlesTheBeliefsAboutASeatThatCannotFollow) {
    for (int noRules = 0; noRules < 2; ++noRules) {
        table.options.noCalledAceRules = static_cast<std::int16_t>(noRules);
        table.Start(1, kHands, 0, 3);
        table.Call(2);
        PlayCards({17, 9}); // seat 1 has no Gras: it cannot hold the called Ace
        const SchafkopfComputerPlayer& g = table.game;
        if (noRules) {
            ExpectParties({3, -1, -1, -1, -1});
            EXPECT_EQ(g.seats[3].partyBelief[1], 0);
        } else {
            EXPECT_EQ(g.partyLists[2], 1);
            EXPECT_EQ(g.seats[3].partyBelief[1], -100);
            EXPECT_EQ(g.seats[2].partyBelief[1], -100);
            EXPECT_EQ(g.seats[0].partyBelief[1], 100);
        }
        PlayCards({24});
        ExpectParties({3, 2, noRules ? 0 : 1, noRules ? 1 : 0, -1});
    }
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(PartnerTest, PartnerCardsShowThePartnerOrMakeTheHolderOfBothASoloist) {
    table.options.partnershipMode = 1;
    table.options.partnerCards[0] = 29;
    table.options.partnerCards[1] = 21;
    // Seat 3 holds both partner cards: once both are out, he plays alone.
    table.Start(1, kHands, 3, 3);
    PlayCards({29, 1, 9, 24});
    EXPECT_EQ(table.FinishTrick(), 3);
    EXPECT_EQ(table.game.gameType.word, 1u);
    PlayCards({21});
    EXPECT_EQ(table.game.gameType.word, kWordSuitSolo);
    ExpectParties({3, -1, 0, 1, 2});

    // Another seat's partner card shows it as the partner.
    std::vector<std::vector<int>> hands = kHands;
    std::swap(hands[3][7], hands[2][0]); // seat 2 gets the Eichel Ober, seat 3 the Gras Ace
    table.Start(1, hands, 2, 3);
    PlayCards({29});
    ExpectParties({3, 2, 0, 1, -1});
}

TEST_F(PartnerTest, ALeftoverCalledSuitChangesNoSolo) {
    table.Start(kWordNoTrumps, kHands, 2, 2);
    table.game.calledSuit = 2;
    table.game.calledRank = 8;
    PlayCards({24});
    EXPECT_EQ(table.game.gameType.word, kWordNoTrumps);
    ExpectParties({2, -1, 0, 1, 3});
}

TEST_F(PartnerTest, PointTargetsOfBothPartiesNeverBelowZero) {
    struct Case {
        GameTypeWord word;
        int declarerPoints, partnerPoints, defenderPoints;
        int declarerTarget, defenderTarget;
    } cases[] = {
        {1, 30, 10, 20, 21, 40},            // 61 and 60 less what the party took
        {1, 50, 30, 70, 0, 0},              // both past their marks: 0, not negative
        {4 | kModThrowIn, 50, 0, 0, 70, 1}, // a Tout: all 120, the defenders one point
        {kWordYou, 119, 0, 1, 1, 1},
    };
    for (const Case& c : cases) {
        table.Start(c.word, kHands, 0, 0);
        SchafkopfComputerPlayer& g = table.game;
        if (!g.IsSoloGame()) {
            g.partyLists[1] = 1;
            g.seats[1].inDeclarerParty = 1;
            g.partyLists[2] = 2;
            g.partyLists[3] = 3;
        }
        g.cardPoints[0] = static_cast<std::int16_t>(c.declarerPoints);
        g.cardPoints[1] = static_cast<std::int16_t>(c.partnerPoints);
        g.cardPoints[2] = static_cast<std::int16_t>(c.defenderPoints);
        EXPECT_EQ(g.GetPointTarget(0), c.declarerTarget) << c.word;
        EXPECT_EQ(g.GetPointTarget(2), c.defenderTarget) << c.word;
    }
}

TEST_F(PartnerTest, TheCalledAceStaysInTheHandUntilItsSuitWasLedOrTheLastTrick) {
    table.Start(1, kHands, 0, 3);
    table.Call(2);
    SchafkopfComputerPlayer& g = table.game;
    EXPECT_FALSE(g.HasSeatPlayedCard(2, 24));
    EXPECT_TRUE(g.HasSeatPlayedCard(2, 23)); // only the Ace is held back
    g.trickNumber = 8;
    EXPECT_TRUE(g.HasSeatPlayedCard(2, 24));
    g.trickNumber = 2;
    g.tricks[0].leader = 0;
    g.tricks[0].cards[0] = 17;
    EXPECT_TRUE(g.HasSeatPlayedCard(2, 24));
    // The declarer led the called suit: the Ace sits behind seat 0 when seat 2 is still to come.
    g.leader = 3;
    g.trickCards[3] = 18;
    EXPECT_EQ(g.CalledAceSitsBehind(0), 10);
    EXPECT_EQ(g.CalledAceSitsBehind(1), 10);
    g.trickCards[3] = 1;
    EXPECT_EQ(g.CalledAceSitsBehind(0), 0);
}

TEST_F(PartnerTest, TheDeclarerPlaysForHisPartnerOnTheFirstLeadOfTheCalledSuit) {
    // Seat 1 declares with the Gras Ace called; seat 2 holds it.
    table.Start(1, kHands, 0, 1);
    table.Call(2);
    SchafkopfComputerPlayer& g = table.game;
    // Seat 0, a defender right before the declarer, holds the called suit in danger.
    g.seatToMove = 0;
    EXPECT_TRUE(g.IsGroupEndangered(2));
    PlayCards({17});
    EXPECT_TRUE(g.ShouldPlayForPartner(17, false));
    // Not once the Ace is out, nor when the suit was led before.
    AddToRankMask(&g.playedMasks[kRankAce], 2);
    EXPECT_FALSE(g.ShouldPlayForPartner(17, false));
    RemoveFromRankMask(&g.playedMasks[kRankAce], 2);
    g.tricks[0] = {{18, 0, 0, 0}, 0, 0};
    g.trickNumber = 2;
    EXPECT_FALSE(g.ShouldPlayForPartner(17, false));
}

} // namespace
