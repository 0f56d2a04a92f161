#include <gtest/gtest.h>

#include <vector>

#include "engine/NormalGameTest.h"

namespace {

class PredicatesTest : public NormalGameTest {
  protected:
    // A trick in progress: the cards from the leader on, and the seat to move after them.
    void Trick(int first, const std::vector<int>& cards) {
        game.leader = static_cast<std::int16_t>(first);
        for (int i = 0; i < 4; ++i)
            game.trickCards[(first + i) % 4] =
                static_cast<std::int16_t>(i < static_cast<int>(cards.size()) ? cards[i] : 0);
        for (int card : cards)
            AddToRankMask(&game.playedMasks[RankCodeOf(card)], SuitOf(card));
        game.seatToMove = static_cast<std::int16_t>((first + cards.size()) % 4);
    }
    void Lists(std::vector<int> partners, std::vector<int> opponents) {
        for (int i = 0; i < 2; ++i)
            game.moverPartners[i] =
                static_cast<std::int16_t>(i < static_cast<int>(partners.size()) ? partners[i] : -1);
        game.moverOpponentCount = static_cast<std::int16_t>(opponents.size());
        for (int i = 0; i < 3; ++i)
            game.moverOpponents[i] = static_cast<std::int16_t>(
                i < static_cast<int>(opponents.size()) ? opponents[i] : -1);
    }
};

} // namespace

TEST_F(PredicatesTest, TrickPositionsFollowTheLeader) {
    game.leader = 2;
    const int expected[4] = {3, 4, 1, 2};
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(game.GetTrickPosition(seat), expected[seat]) << seat;
}

TEST_F(PredicatesTest, WhoStillPlaysAfterTheMover) {
    struct Case {
        int cardsBefore; // leader 0
        std::vector<int> partners, opponents;
        bool opponentAfter, partnerAfter;
    } cases[] = {
        {3, {}, {}, false, false},     // the last seat: nobody, listed or not
        {1, {3}, {2}, true, true},     // a listed opponent follows
        {2, {3}, {0, 1}, false, true}, // only the partner follows
        {1, {}, {0}, true, false},     // second seat, seats after it unknown
        {2, {}, {0, 1}, false, false}, // third seat, both opponents placed before it
        {2, {}, {0}, true, false},     // third seat, one opponent unplaced
        {1, {}, {}, true, false},      // no opponent known at all
    };
    for (const Case& c : cases) {
        Trick(0, std::vector<int>(c.cardsBefore, 11));
        Lists(c.partners, c.opponents);
        EXPECT_EQ(game.IsOpponentStillToPlay(), c.opponentAfter) << "mover " << game.seatToMove;
        EXPECT_EQ(game.IsPartnerStillToPlay(), c.partnerAfter) << "mover " << game.seatToMove;
    }
}

TEST_F(PredicatesTest, FollowsPartnerByTheOtherPartysList) {
    for (int seat = 0; seat < 4; ++seat)
        game.seats[seat].inDeclarerParty = seat == 1 || seat == 3 ? 1 : 0;
    game.seatToMove = 2;                 // second party; seat 1 sits before it
    EXPECT_FALSE(game.FollowsPartner()); // the declaring party is not known
    game.partyLists[0] = 1;
    game.partyLists[1] = 3;
    EXPECT_FALSE(game.FollowsPartner());
    game.seatToMove = 0; // seat 3 before it
    EXPECT_FALSE(game.FollowsPartner());
    game.seats[0].inDeclarerParty = 1;
    game.seats[1].inDeclarerParty = 0;
    game.partyLists[0] = 0;
    game.partyLists[1] = 3;
    game.partyLists[2] = 1;
    game.partyLists[3] = 2;
    game.seatToMove = 0;
    EXPECT_TRUE(game.FollowsPartner()); // seat 3, its partner, sits before it
    // In a solo the seats after the soloist follow a partner.
    game.gameType = {4, kWordOberSolo};
    game.declarer = 2;
    game.seats[0].inDeclarerParty = 0;
    game.seats[2].inDeclarerParty = 1;
    const bool expected[4] = {true, true, false, false};
    for (int seat = 0; seat < 4; ++seat) {
        game.seatToMove = static_cast<std::int16_t>(seat);
        EXPECT_EQ(game.FollowsPartner(), expected[seat]) << seat;
    }
}

TEST_F(PredicatesTest, APartnersCardIsSafeOnlyAsTheFirstCopyUnlessTheHeartTenRuleSaysSo) {
    // Fourth seat: the partner's first Ober of Eichel holds, a second copy does not.
    Trick(0, {21, 29, 29});
    Lists({1}, {0, 2});
    EXPECT_TRUE(game.IsTrickSafeForPartner());
    Lists({2}, {0, 1});
    EXPECT_FALSE(game.IsTrickSafeForPartner());

    // Second seat: the partner's card must be master too.
    SetUp();
    Trick(0, {21});
    Lists({0}, {2, 3});
    EXPECT_FALSE(game.IsTrickSafeForPartner()); // Obers of Eichel and Heart Tens are out
    SetUp();
    Trick(0, {15});
    Lists({0}, {2, 3});
    EXPECT_TRUE(game.IsTrickSafeForPartner());
    game.options.secondHeartTenWins = 1;
    EXPECT_FALSE(game.IsTrickSafeForPartner()); // the other Heart Ten would take it

    // Third seat behind two Heart Tens: the partner's second copy is safe only under the rule.
    SetUp();
    game.options.secondHeartTenWins = 0;
    Trick(0, {15, 15});
    Lists({1}, {0, 3});
    EXPECT_FALSE(game.IsTrickSafeForPartner());
    game.options.secondHeartTenWins = 1;
    EXPECT_TRUE(game.IsTrickSafeForPartner());
    EXPECT_TRUE(game.IsTrickSafeForParty());
}

TEST_F(PredicatesTest, BestTrumpSoFarAndTheCardsSeatsPlayed) {
    Trick(3, {22, 5, 12}); // Gras King led, Schellen Ober and Herz Unter trump
    int card = 0;
    EXPECT_TRUE(game.GetBestTrumpSoFar(&card));
    EXPECT_EQ(card, 5);
    game.partyLists[2] = 1;
    game.partyLists[3] = 3;
    EXPECT_TRUE(game.GetPartyBestTrump(false, &card));
    EXPECT_EQ(card, 12);
    Trick(3, {22, 19});
    EXPECT_FALSE(game.GetBestTrumpSoFar(&card));
    EXPECT_EQ(card, 22);

    game.trickNumber = 3;
    game.tricks[0] = {{11, 16, 14, 3}, 0, 1};
    game.tricks[1] = {{29, 19, 16, 3}, 1, 0};
    EXPECT_TRUE(game.WasPlayedBySeat(2, 16, false));
    EXPECT_FALSE(game.WasPlayedBySeat(2, 16, true));
    EXPECT_TRUE(game.WasPlayedBySeat(1, 19, true));
    EXPECT_TRUE(game.HasSeatPlayedCard(3, 3));
    EXPECT_FALSE(game.HasSeatPlayedCard(3, 29));
    game.tricks[2] = {{0, 29, 0, 0}, 1, -1}; // the trick in progress does not count
    EXPECT_FALSE(game.HasSeatPlayedCard(1, 29));
    EXPECT_TRUE(game.HasGroupMismatchInTricks(3));  // trumped Herz in the first trick
    EXPECT_FALSE(game.HasGroupMismatchInTricks(1)); // led the second
    EXPECT_TRUE(game.HasGroupMismatchInTricks(2));
}

TEST_F(PredicatesTest, AGroupFullyAccountedForIsHeldByNobodyForAStrongMover) {
    game.GiveHand(2, {11, 11, 14, 14, 16, 16}); // every plain Herz card
    game.seatToMove = 2;
    game.seats[2].profile = 11;
    EXPECT_FALSE(game.MayHoldGroup(0, kSuitHerz));
    game.seats[2].profile = 10;
    EXPECT_TRUE(game.MayHoldGroup(0, kSuitHerz));
    game.seatEstimates[0].voidEstimate[kSuitHerz] = 35;
    EXPECT_FALSE(game.MayHoldGroup(0, kSuitHerz));
}

TEST_F(PredicatesTest, OnlyFullSideCards) {
    game.trickNumber = 9; // four tricks left
    game.GiveHand(1, {16, 24, 3, 29});
    EXPECT_TRUE(game.HasOnlyFullSideCards(1));
    game.GiveHand(1, {16, 22, 3, 29});
    EXPECT_FALSE(game.HasOnlyFullSideCards(1));
    game.GiveHand(1, {15, 4, 3, 29}); // only trumps
    EXPECT_FALSE(game.HasOnlyFullSideCards(1));
    game.gameType = {4, kWordOberSolo};
    game.GiveHand(1, {16, 24, 32, 29});
    EXPECT_FALSE(game.HasOnlyFullSideCards(1));
}

TEST_F(PredicatesTest, ASuitLeadIsWorthItWhenNoTrumpIsOut) {
    // Every trump of the deck has been played; the mover leads Gras.
    game.playedMasks[kRankOber] = game.playedMasks[kRankUnter] = 0xff;
    game.playedMasks[kRankTen] = 0x0f; // Tens of Schellen and Herz
    for (int rank : {kRankAce, kRankKing, 3})
        game.playedMasks[rank] = 0x03; // Schellen
    game.playedCounts[0][kTrumpGroup] = 26;
    game.GiveHand(1, {19, 22, 23, 24});
    game.leader = 1;
    game.seatToMove = 1;
    Lists({}, {0, 2});
    game.seatEstimates[0].voidEstimate[kSuitGras] = 100;
    game.seatEstimates[2].voidEstimate[kSuitGras] = 100;
    EXPECT_EQ(game.CountGroupOut(kTrumpGroup), 0);
    EXPECT_TRUE(game.AssessSuitLead(kSuitGras));
    game.GiveHand(1, {19});
    EXPECT_FALSE(game.AssessSuitLead(kSuitGras)); // a single card is no suit to lead
}

TEST_F(PredicatesTest, TopCardsAndUnbeatenCards) {
    game.GiveHand(3, {19, 23, 3, 29});
    Trick(1, {22, 20}); // Gras King led, Gras Unter trumps it
    EXPECT_EQ(game.seatToMove, 3);
    EXPECT_FALSE(game.HasWinningTopCard(kSuitGras)); // two Gras Aces are out
    EXPECT_FALSE(game.HoldsUnbeatenCard(kSuitGras, 22));
    AddToRankMask(&game.playedMasks[kRankAce], kSuitGras);
    AddToRankMask(&game.playedMasks[kRankAce], kSuitGras);
    EXPECT_TRUE(game.HasWinningTopCard(kSuitGras)); // the Ten is master now, above the King
    EXPECT_TRUE(game.HoldsUnbeatenCard(kSuitGras, 22));
    EXPECT_FALSE(game.HoldsUnbeatenCard(kSuitGras, 23)); // nothing above the Ten held
    // The Ober of Eichel is not master while Heart Tens are out.
    EXPECT_FALSE(game.HasWinningTopCard(kTrumpGroup));
    EXPECT_FALSE(game.HoldsTrumpAceOrTen());
    game.GiveHand(3, {19, 8}); // the Schellen Ace is a trump Ace
    EXPECT_TRUE(game.HoldsTrumpAceOrTen());
}
