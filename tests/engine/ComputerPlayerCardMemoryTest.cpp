#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/CardNames.h"
#include "engine/LineTestLevels.h"
#include "engine/TestLevel.h"
#include "support/AlertRecorder.h"

namespace {

class CardMemoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetAlertRecorder();
        game.NewDeal(false);
        game.gameType = {0, kWordNormal};
        game.trickNumber = 1;
        for (int seat = 0; seat < 4; ++seat)
            game.seats[seat].profile = 7;
    }
    // Plays the cards from the leader on, each seat holding the card it plays plus extras.
    void Play(int first, const std::vector<int>& cards) {
        game.leader = static_cast<std::int16_t>(first);
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const int seat = (first + static_cast<int>(i)) % 4;
            game.seatToMove = static_cast<std::int16_t>(seat);
            ASSERT_TRUE(game.PlayCardIfHeld(seat, cards[i], 9)) << cards[i];
        }
    }
    TestLevel game;
};

} // namespace

TEST_F(CardMemoryTest, NotFollowingMakesAKnownVoidThatNothingUndoes) {
    game.GiveHand(0, {24, 19});
    game.GiveHand(1, {11, 32}); // no Gras
    game.GiveHand(2, {22, 23});
    game.GiveHand(3, {20, 21});
    Play(0, {24, 11});
    const SeatEstimate& estimate = game.seatEstimates[1];
    EXPECT_EQ(estimate.voidEstimate[2], 100);
    EXPECT_EQ(estimate.voidMask, 1 << 2);
    game.SetSuitEstimate(1, 30, 2);
    game.SetSuitEstimate(1, 0, 2);
    EXPECT_EQ(estimate.voidEstimate[2], 100);
    game.SetSuitEstimate(1, 100, 4);
    EXPECT_EQ(estimate.voidMask, (1 << 2) | 32);
}

TEST_F(CardMemoryTest, WrongGuessesAreCountedAndWeakenLaterOnes) {
    game.GiveHand(2, {11, 12}); // Herz, and a trump
    for (int miss = 1; miss <= 3; ++miss)
        game.SetSuitEstimate(2, 50, 1); // wrong: the seat holds Herz
    const SeatEstimate& estimate = game.seatEstimates[2];
    EXPECT_EQ(estimate.missCount, 6);
    EXPECT_EQ(estimate.voidEstimate[1], 30); // the third guess is stored 20 lower
    game.SetSuitEstimate(2, 60, 3);          // right: no Eichel, yet still above 5 misses
    EXPECT_EQ(estimate.missCount, 5);
    EXPECT_EQ(estimate.voidEstimate[3], 60);
    game.SetSuitEstimate(2, 19, 1); // below 20 is no guess at all
    EXPECT_EQ(estimate.missCount, 5);
    EXPECT_EQ(estimate.voidEstimate[1], 19);
}

TEST_F(CardMemoryTest, TheLastCardOfAGroupMakesEverySeatVoidInIt) {
    // Every Herz but the last two are gone; the last trick takes them.
    for (int copy = 0; copy < 2; ++copy) {
        AddToRankMask(&game.playedMasks[3], kSuitHerz); // Herz 9
        AddToRankMask(&game.playedMasks[6], kSuitHerz); // Herz King
    }
    AddToRankMask(&game.playedMasks[kRankAce], kSuitHerz);
    game.GiveHand(0, {16, 32});
    game.GiveHand(1, {19, 20});
    game.GiveHand(2, {21, 22});
    game.GiveHand(3, {27, 3});
    Play(0, {16});
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(game.seatEstimates[seat].voidEstimate[1], 100) << seat;
}

TEST_F(CardMemoryTest, HigherCardsOutInTheNormalGame) {
    game.GiveHand(1, {21, 29, 15, 24});
    // The Ober of Gras: the other Ober of Eichel and both Heart Tens less the one held.
    EXPECT_EQ(game.CountHigherCardsOut(1, 21), 1 + 1);
    AddToRankMask(&game.playedMasks[kRankTen], kSuitHerz);
    EXPECT_EQ(game.CountHigherCardsOut(1, 21), 1);
    // The Heart Ten is on top: nothing beats it.
    EXPECT_EQ(game.CountHigherCardsOut(1, 15), 0);
    // The Gras Ace: only its twin, which the seat does not hold.
    EXPECT_EQ(game.CountHigherCardsOut(1, 24), 0);
    EXPECT_EQ(game.CountHigherCardsOut(1, 23), 1); // the Ten: one Ace out (one held)
    // The Nine of Gras: both Kings, both Tens and the Ace not held.
    EXPECT_EQ(game.CountHigherCardsOut(1, 19), 2 + 2 + 1);
    // With the special top card in play the rules card stands above all.
    game.diamondAcesSeat = 3;
    game.specialPairSeat = 3;
    EXPECT_EQ(game.CountHigherCardsOut(1, game.GetSpecialTopCard()), 0);
    EXPECT_EQ(game.CountHigherCardsOut(1, 15), 2 + 2); // two rules cards, two Schellen Aces
}

TEST_F(CardMemoryTest, TheSeatsOwnCardsAboveAreNotCountedTwice) {
    // A Schellen King with the seat's own Heart Ten above it: the Ten counts once, as held.
    game.GiveHand(2, {6, 15, 11});
    const int withOwnTen = game.CountHigherCardsOut(2, 6);
    game.GiveHand(2, {6, 11});
    EXPECT_EQ(game.CountHigherCardsOut(2, 6), withOwnTen + 1);
}

TEST_F(CardMemoryTest, CanBeatWithTheGroupOrWithATrump) {
    game.GiveHand(0, {11, 3}); // Herz 9 and the lowest trump
    game.seatToMove = 0;
    EXPECT_FALSE(game.CanBeatWithGroup(0));  // nothing to beat yet
    EXPECT_TRUE(game.CanBeatWithGroup(22));  // void in Gras, holds a trump
    EXPECT_FALSE(game.CanBeatWithGroup(16)); // the Herz Ace is not beaten by the 9
    EXPECT_TRUE(game.CanBeatWithGroup(10));  // a lower Herz card
    EXPECT_FALSE(game.CanBeatWithGroup(29)); // the Ober of Eichel
    game.GiveHand(0, {11, 19});
    EXPECT_FALSE(game.CanBeatWithGroup(3)); // a trump, and none held
    // The Ace of Schellen is raised only for the seat that showed both Aces: held by another
    // seat it is a low trump, and the Ten of Herz above it still beats the Ober of Eichel.
    game.GiveHand(0, {8, 15});
    EXPECT_TRUE(game.CanBeatWithGroup(29));
    game.diamondAcesSeat = 0;
    game.GiveHand(0, {8, 13}); // the raised Ace over the Ober of Herz
    EXPECT_TRUE(game.CanBeatWithGroup(15));
    game.GiveHand(0, {13, 6}); // both Aces played: the Ober of Herz is its top
    EXPECT_FALSE(game.CanBeatWithGroup(15));
}

// Sheepshead order, one copy: the Schellen cards are trumps below the Obers and Unters. The
// raised special cards are other seats' business: with no special seat set, the seat's own
// Nine and Ace of Schellen are simply two of its higher trumps.
TEST(CardMemory, OwnSchellenCardsCountAsHigherWhenNothingIsRaised) {
    SchafkopfLevel game;
    game.NewDeal(false);
    game.gameType = {0, kWordNormal};
    game.GiveHand(1, {3, 8, 17});
    // Above the Eight: four Obers, four Unters, Ace, Ten, King and Nine of Schellen, less the
    // Nine and the Ace held.
    EXPECT_EQ(game.CountHigherCardsOut(1, 2), 8 + 4 - 2);
}

TEST_F(CardMemoryTest, UnseenHandEstimates) {
    game.GiveHand(0, {11, 12, 19, 20});
    game.seatToMove = 0;
    EXPECT_EQ(game.EstimateSuitCount(0, 1), 1); // its own hand
    game.seatEstimates[2].voidEstimate[3] = 35;
    EXPECT_EQ(game.EstimateSuitCount(2, 3), 0);
    EXPECT_EQ(game.EstimateSuitMaximum(2, 3), 0);
    EXPECT_EQ(game.GetSuitCount(2, 3), -1); // nothing known
    // Two Herz cards out among three open seats: no even split to ask about, and no box.
    for (int copy = 0; copy < 2; ++copy) {
        AddToRankMask(&game.playedMasks[3], kSuitHerz);
        AddToRankMask(&game.playedMasks[6], kSuitHerz);
    }
    game.GiveHand(0, {12, 19, 20});
    EXPECT_EQ(game.CountGroupOut(1), 2);
    EXPECT_EQ(game.EstimateSuitCount(1, 1), 0);
    EXPECT_GE(game.EstimateSuitMaximum(1, 1), 1);
    EXPECT_TRUE(RecordedAlerts().empty());
    // The exact size from the hand places counts only while the seat reads them; without one
    // the play-time mark stands.
    game.placeRecords[2].exactSize[3] = 2;
    EXPECT_EQ(game.GetSuitCount(2, 3), -1);
    game.watchPlaces = 1;
    EXPECT_EQ(game.GetSuitCount(2, 3), 2);
    game.placeRecords[2].exactSize[3] = -1;
    game.seats[0].profile = 26;
    game.options.playerTimes[2].reliable = 1;
    game.evidence[2][3] = 1;
    EXPECT_EQ(game.GetSuitCount(2, 3), 1);
}

TEST_F(CardMemoryTest, PlayTimeMarksCountOnlyForStrongMoversAndReliableRecords) {
    game.evidence[2][1] = 0;
    game.seatToMove = 0;
    game.seats[0].profile = 26;
    EXPECT_EQ(game.GetTimingEvidence(2, 1), -1); // the record is not reliable yet
    game.options.playerTimes[2].reliable = 1;
    EXPECT_EQ(game.GetTimingEvidence(2, 1), 0);
    game.seats[0].profile = 25;
    EXPECT_EQ(game.GetTimingEvidence(2, 1), -1);
    // No group, or no seat to move whose strength could be asked: no answer.
    game.seats[0].profile = 26;
    EXPECT_EQ(game.GetTimingEvidence(2, 5), -1);
    game.seatToMove = -1;
    EXPECT_EQ(game.GetTimingEvidence(2, 1), -1);
}

TEST_F(CardMemoryTest, CeilingAfterALastCardThatDidNotFollow) {
    game.GiveHand(0, {24, 19});
    game.GiveHand(1, {22, 23});
    game.GiveHand(2, {20, 21});
    game.GiveHand(3, {11, 27}); // plays last, no Gras
    Play(0, {24, 22, 21, 11});
    // Void in Gras: nothing of it is above the Seven.
    EXPECT_EQ(game.seatEstimates[3].ceilingCard[2], 17);
    EXPECT_EQ(game.seatEstimates[3].voidEstimate[2], 100);
    // Only the last card of a trick sets ceilings: the second seat not following sets none.
    SetUp();
    game.GiveHand(0, {24, 19});
    game.GiveHand(1, {11, 27});
    Play(0, {24, 11});
    for (int g = 0; g < 5; ++g)
        EXPECT_EQ(game.seatEstimates[1].ceilingCard[g], 0) << g;
}

namespace {

constexpr int kHerz = 1;
constexpr int kGras = 2;
constexpr int kTrumps = 4;

class EstimateTest : public CardMemoryTest {
  protected:
    void Played(int card) { AddToRankMask(&game.playedMasks[card % 8], (card - 1) / 8); }
    int Estimate(int seat, int group) { return game.seatEstimates[seat].voidEstimate[group]; }
};

} // namespace

// Herz in the normal game: two Nines, two Kings, two Aces (11, 14, 16).
TEST_F(EstimateTest, TheLastTwoCardsOfAGroupSpreadOverTheSeatsStillToPlay) {
    for (int card : {11, 11, 14})
        Played(card);
    game.GiveHand(0, {14, 3});
    game.GiveHand(1, {16, 4});
    game.GiveHand(2, {16, 5});
    game.GiveHand(3, {6, 7});
    game.seatEstimates[3].voidEstimate[kHerz] = 60;
    // Two Herz left after the lead, three seats to play and none known void: 100 - 200 / 3.
    Play(0, {14});
    EXPECT_EQ(Estimate(1, kHerz), 34);
    EXPECT_EQ(Estimate(2, kHerz), 34);
    EXPECT_EQ(Estimate(3, kHerz), 60); // a guess of 60 or more is not weakened
    // One left, two seats to play: 100 - 100 / 2 for the seat below 60.
    game.seatToMove = 1;
    ASSERT_TRUE(game.PlayCardIfHeld(1, 16, 9));
    EXPECT_EQ(Estimate(2, kHerz), 50);
    EXPECT_EQ(Estimate(3, kHerz), 60);
    EXPECT_EQ(Estimate(0, kHerz), 0); // seats that played already are not candidates
}

TEST_F(EstimateTest, FewerThanTwoOpenCandidatesGetAFixedGuess) {
    struct Case {
        int herzLeft; // unplayed after the third seat's card
        int expected;
    };
    for (const Case& c : {Case{1, 25}, Case{2, 5}}) {
        SetUp();
        for (int card : {11, 11, 14})
            Played(card);
        if (c.herzLeft == 1)
            Played(16);
        game.GiveHand(0, {3, 4});
        game.GiveHand(1, {5, 6});
        game.GiveHand(2, {14, 19}); // no trump left: the Herz discard is legal
        game.GiveHand(3, {16, 8});
        game.leader = 0;
        game.trickCards[0] = 3; // a trump led, Herz discarded by the third seat
        game.trickCards[1] = 5;
        game.seatToMove = 2;
        ASSERT_TRUE(game.PlayCardIfHeld(2, 14, 9));
        EXPECT_EQ(Estimate(3, kHerz), c.expected) << c.herzLeft;
    }
}

TEST_F(EstimateTest, PlayTimesOfTheSeatsStillToPlay) {
    for (int seat = 0; seat < 4; ++seat) {
        game.seats[seat].profile = 26;
        game.options.playerTimes[seat].reliable = 1;
    }
    for (int card : {19, 19, 22})
        Played(card);
    game.GiveHand(0, {22, 3});
    game.GiveHand(1, {23, 4});
    game.GiveHand(2, {23, 5});
    game.GiveHand(3, {24, 6});
    game.evidence[1][kGras] = -1;
    game.evidence[2][kGras] = 0; // forced: no card left to choose from
    game.evidence[3][kGras] = 1; // chosen, with at most five Gras cards left
    Play(0, {22});
    EXPECT_EQ(Estimate(1, kGras), 0);
    EXPECT_EQ(Estimate(2, kGras), 60);
    EXPECT_EQ(Estimate(3, kGras), 20);
    // With six cards left a chosen play tells nothing.
    SetUp();
    game.seats[0].profile = 26;
    game.options.playerTimes[3].reliable = 1;
    game.evidence[3][kGras] = 1;
    Played(19);
    game.GiveHand(0, {22, 3});
    Play(0, {22});
    EXPECT_EQ(Estimate(3, kGras), 0);
}

TEST_F(EstimateTest, AnAceOnATrumpedTrick) {
    game.GiveHand(0, {22, 3});
    game.GiveHand(1, {4, 5}); // no Gras
    game.GiveHand(2, {24, 6});
    game.GiveHand(3, {24, 7});
    Play(0, {22, 4, 24, 24});
    EXPECT_EQ(Estimate(1, kGras), 100);
    EXPECT_EQ(Estimate(2, kGras), 30);
    EXPECT_EQ(Estimate(3, kGras), 40); // the last seat
}

// Seat 3 plays last and throws a Herz card on a Gras trick.
TEST_F(EstimateTest, ADiscardOnARichTrickTellsOfNoTrumps) {
    struct Case {
        const char* what;
        std::vector<int> trick; // the first three cards
        int trumpsPlayed;
        int profile;
        int trumps, herz;
        int herzGone = 0; // Nines of Herz played in earlier tricks
        int trickNumber = 1;
        int herzBefore = 0; // the seat's Herz estimate before the card
        int missesBefore = 0;
        int last = 16; // the last seat's card: the Ace of Herz
    };
    const Case cases[] = {
        {"25 points: 0 + 5 x 11 + 46, at most 90", {24, 23, 22}, 0, 7, 90, 0},
        {"15 points with five trumps played: 5 x 1 + 46", {24, 19, 22}, 5, 7, 51, 0},
        {"15 points, few trumps played: perhaps its only Herz", {24, 19, 22}, 0, 7, 0, 55},
        {"11 points", {24, 19, 19}, 5, 7, 0, 55},
        {"a weak seat draws no conclusion", {24, 23, 22}, 0, 5, 0, 0},
        // The guess of a single Herz thrown early needs fewer than three Herz played, a trick
        // before the fifth, and no guess of 55 or more yet (a repeated guess would count as
        // one more miss: the seat holds the Nine of Herz too).
        {"the third Herz played", {24, 19, 22}, 0, 7, 0, 0, 2},
        {"the fifth trick", {24, 19, 22}, 0, 7, 0, 0, 0, 5},
        {"a guess of 55 stands", {24, 19, 22}, 0, 7, 0, 55, 0, 1, 55, 4},
        {"20 points, few trumps played: an excess of 6 counts", {23, 23, 19}, 0, 7, 76, 0},
        {"19 points, few trumps played: an excess of 5 does not", {24, 22, 22}, 0, 7, 0, 55},
        {"15 points with four trumps played: not enough trumps", {24, 19, 22}, 4, 7, 0, 55},
        {"a trick trumped already tells nothing", {24, 3, 23}, 0, 7, 0, 0},
        {"trumping tells nothing of the trumps", {24, 23, 22}, 0, 7, 0, 0, 0, 1, 0, 0, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        game.trickNumber = static_cast<std::int16_t>(c.trickNumber);
        for (int i = 0; i < c.herzGone; ++i)
            Played(11);
        game.GiveHand(0, {c.trick[0], 3});
        game.GiveHand(1, {c.trick[1], 4});
        game.GiveHand(2, {c.trick[2], 5});
        game.GiveHand(3, {16, 11, 6});
        game.seatEstimates[3].voidEstimate[kHerz] = static_cast<std::int16_t>(c.herzBefore);
        game.seatEstimates[3].missCount = static_cast<std::int16_t>(c.missesBefore);
        game.seats[3].profile = static_cast<std::int16_t>(c.profile);
        game.playedCounts[3][kTrumps] = static_cast<std::int16_t>(c.trumpsPlayed);
        Play(0, {c.trick[0], c.trick[1], c.trick[2], c.last});
        EXPECT_EQ(Estimate(3, kTrumps), c.trumps);
        EXPECT_EQ(Estimate(3, kHerz), c.herz);
    }
    // Only the last seat's discard counts: the third may still hope for the fourth to take.
    SetUp();
    game.seats[2].profile = 7;
    game.GiveHand(0, {24, 3});
    game.GiveHand(1, {23, 4});
    game.GiveHand(2, {16, 11, 6});
    Play(0, {24, 23, 16});
    EXPECT_EQ(Estimate(2, kTrumps), 0);
    EXPECT_EQ(Estimate(2, kHerz), 0);
}

namespace {

// Every seat holds just its card of the trick, seat 0 leads; the last seat's estimates for the
// trumps and for Schellen after the trick.
template <class Level>
std::pair<int, int> AfterDiscard(int declarer, const char* trick, int trumpsPlayed,
                                 GameTypeWord word = kWordNormal) {
    Level game;
    game.NewDeal(false);
    game.gameType = {kSuitHerz, word}; // Herz trump; the normal word is a suit game in Skat
    game.declarer = declarer;
    game.trickNumber = 2;
    const std::vector<int> cards = card_names::Cards(trick);
    const int last = static_cast<int>(cards.size()) - 1;
    for (int seat = 0; seat <= last; ++seat) {
        game.seats[seat].profile = 7;
        game.GiveHand(seat, {cards[seat]});
    }
    game.playedCounts[last][kTrumpGroup] = static_cast<std::int16_t>(trumpsPlayed);
    game.leader = 0;
    for (int seat = 0; seat <= last; ++seat) {
        game.seatToMove = static_cast<std::int16_t>(seat);
        EXPECT_TRUE(game.PlayCardIfHeld(seat, cards[seat], 9));
    }
    const std::int16_t* estimate = game.seatEstimates[last].voidEstimate;
    return {estimate[kTrumpGroup], estimate[kSuitSchellen]};
}

} // namespace

// The bars of the other lines: 12 points in the Schafkopf line, where fewer than four trumps
// played and an excess below 5 tell nothing; 10 in the Skat line, where the declarer's discard
// tells nothing before it has played five trumps. Then as in the base line: estimate + 5 x
// excess + 46 (at most 90), or a guess of 55 for the single Schellen card thrown.
TEST(EstimateLines, ADiscardOnARichTrick) {
    using Result = std::pair<int, int>;
    EXPECT_EQ(AfterDiscard<SchafkopfLevel>(-1, "G-A G-10 G-K S-7", 0), Result(90, 0));
    EXPECT_EQ(AfterDiscard<SchafkopfLevel>(-1, "G-K S-K E-K S-7", 4), Result(46, 0));
    EXPECT_EQ(AfterDiscard<SchafkopfLevel>(-1, "G-K S-K E-K S-7", 3), Result(0, 55));
    EXPECT_EQ(AfterDiscard<SchafkopfLevel>(-1, "G-A G-7 G-8 S-7", 5), Result(0, 55));
    // A Herz solo in the Schafkopf line has 14 trumps: its declarer's discard tells nothing
    // before it has played (14 + 1) / 3 = 5 of them.
    EXPECT_EQ(AfterDiscard<SchafkopfLevel>(3, "G-A G-10 G-K S-7", 4, kWordSuitSolo), Result(0, 55));
    EXPECT_EQ(AfterDiscard<SchafkopfLevel>(3, "G-A G-10 G-K S-7", 5, kWordSuitSolo), Result(90, 0));
    EXPECT_EQ(AfterDiscard<SchafkopfLevel>(0, "G-A G-10 G-K S-7", 0, kWordSuitSolo), Result(90, 0));
    EXPECT_EQ(AfterDiscard<SkatLevel>(0, "G-10 G-7 S-7", 0), Result(46, 0));
    EXPECT_EQ(AfterDiscard<SkatLevel>(0, "G-A G-7 S-7", 0), Result(51, 0));
    EXPECT_EQ(AfterDiscard<SkatLevel>(0, "G-9 G-7 S-7", 0), Result(0, 55));
    EXPECT_EQ(AfterDiscard<SkatLevel>(2, "G-10 G-7 S-7", 4), Result(0, 55));
    EXPECT_EQ(AfterDiscard<SkatLevel>(2, "G-10 G-7 S-7", 5), Result(46, 0));
}

// Seats 0 and 2 against 1 and 3, all known.
TEST_F(EstimateTest, SameRankOnTheOtherPartysLead) {
    struct Case {
        GameTypeWord word;
        int declarer;
        int led, answer;
        int expected;
        int middle = 0; // a card of the second seat: then the third seat answers
    };
    const Case cases[] = {
        {kWordNormal, -1, 24, 24, 95},      {kWordNormal, -1, 23, 23, 85},
        {kWordNormal, -1, 22, 22, 0},       {kWordSuitSolo, 0, 24, 24, 90},
        {kWordSuitSolo, 0, 23, 23, 80},     {kWordSuitSolo, 2, 24, 24, 0},
        {kWordSuitSolo, 0, 24, 24, 90, 22},
    };
    for (const Case& c : cases) {
        SetUp();
        game.gameType = {0, c.word};
        game.declarer = static_cast<std::int16_t>(c.declarer);
        const std::int16_t lists[5] = {0, 2, 1, 3, -1};
        std::copy(lists, lists + 5, game.partyLists);
        game.firstPartyView[0] = 0;
        game.firstPartyView[1] = 2;
        game.secondPartyView[0] = 1;
        game.secondPartyView[1] = 3;
        game.GiveHand(0, {c.led, 3});
        const int answering = c.middle != 0 ? 2 : 1;
        if (c.middle != 0)
            game.GiveHand(1, {c.middle, 4});
        game.GiveHand(answering, {c.answer, 5});
        if (c.middle != 0)
            Play(0, {c.led, c.middle, c.answer});
        else
            Play(0, {c.led, c.answer});
        EXPECT_EQ(Estimate(answering, kGras), c.expected)
            << c.word << " " << c.led << " " << c.middle;
    }
}

TEST_F(EstimateTest, TopCardWalksDownPastPlayedCards) {
    EXPECT_EQ(game.EstimateTopCard(1, kTrumps), 15);
    Played(15);
    EXPECT_EQ(game.EstimateTopCard(1, kTrumps), 15); // one Heart Ten is still out
    Played(15);
    EXPECT_EQ(game.EstimateTopCard(1, kTrumps), 29);
    game.seatEstimates[1].ceilingCard[kTrumps] = 21;
    Played(21);
    Played(21);
    EXPECT_EQ(game.EstimateTopCard(1, kTrumps), 13);
    // Every Gras card above the Nine gone: the Nine, then no lower card to go to.
    for (int card : {24, 24, 23, 23, 22, 22})
        Played(card);
    EXPECT_EQ(game.EstimateTopCard(1, kGras), 19);
    Played(19);
    Played(19);
    EXPECT_EQ(game.EstimateTopCard(1, kGras), 19);
}

// Read from the hand places: a Ten of Herz on top of a seat's trumps stands unless a seat of
// the declaring party other than this one led the first Ace of Schellen; then the top is the
// card below the Ten, the Ober of Eichel.
TEST_F(EstimateTest, TopCardFromTheHandPlaces) {
    struct Case {
        const char* what;
        int recordTop;
        int aceLeader; // the leader of the first trick, with the Ace of Schellen; -1 none
        int listedFirst;
        int expected;
    };
    const Case cases[] = {
        {"no Schellen Ace led", 15, -1, 2, 15},   {"led by a listed declaring seat", 15, 2, 2, 29},
        {"led by the seat itself", 15, 1, 1, 15}, {"led by a seat not listed", 15, 2, 3, 15},
        {"another top card", 21, 2, 2, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        game.watchPlaces = 1;
        game.trickNumber = 2;
        game.placeRecords[1].topCard[kTrumps] = static_cast<std::int16_t>(c.recordTop);
        game.firstPartyView[0] = static_cast<std::int16_t>(c.listedFirst);
        if (c.aceLeader != -1) {
            game.tricks[0].leader = static_cast<std::int16_t>(c.aceLeader);
            game.tricks[0].cards[c.aceLeader] = 8;
        }
        EXPECT_EQ(game.EstimateTopCard(1, kTrumps), c.expected);
    }
}

// Seat 0 to move (style 2 unless said) holds two Gras cards: six are out.
TEST_F(EstimateTest, CountsOfAnUnseenHandFromTheSplitOdds) {
    struct Case {
        int openSeats;
        int playedGras;
        int profile;
        int cautious, generous;
    };
    const Case cases[] = {
        // One seat may hold Gras: all six.
        {1, 0, 7, 6, 6},
        // Two seats, six out: 3 when 3-3 (35.96 %) is not below 30, less one; 4 with 6-4 at
        // 84.50 % above 70.
        {2, 0, 7, 2, 4},
        // Two seats, four out: 2-2 is 40.99 %: 1; at most three 90.68 %: 3.
        {2, 2, 7, 1, 3},
        // Three seats, six out: 2-2-2 is 14.76 %, below 30: 2; at most three 75.89 %: 3.
        {3, 0, 7, 2, 3},
        // The same for style 4: 75 (truncated) is not above 75: one more.
        {3, 0, 4, 2, 4},
        // Three seats, four out: 1-1-... impossible, 0 %: 1; at most two 70.59 %, truncated
        // 70, not above 70: 3.
        {3, 2, 7, 1, 3},
        // Style 1, two seats, six out: 3-3 truncated to 35 is not below 35: 2; 84 above 65: 4.
        {2, 0, 6, 2, 4},
    };
    for (const Case& c : cases) {
        SetUp();
        game.seats[0].profile = static_cast<std::int16_t>(c.profile);
        game.GiveHand(0, {19, 22, 3});
        game.seatToMove = 0;
        for (int i = 0; i < c.playedGras; ++i)
            Played(23);
        for (int seat = 1 + c.openSeats; seat < 4; ++seat)
            game.seatEstimates[seat].voidEstimate[kGras] = 35;
        EXPECT_EQ(game.EstimateSuitCount(1, kGras), c.cautious)
            << c.openSeats << " " << c.playedGras << " " << c.profile;
        EXPECT_EQ(game.EstimateSuitMaximum(1, kGras), c.generous)
            << c.openSeats << " " << c.playedGras << " " << c.profile;
    }
}

// The three-seat line, Herz trump: the Unters, then Ace, Ten, King, Ober, 9, 8, 7 of Herz.
// A seat that takes a trump lead with the master trump while trumps above the lead are still
// out elsewhere is guessed to be short of trumps: four or more out give 80, three give 65
// unless the guess is above 64 already, two give 35 on a trick of at most 4 points unless the
// guess is above 29; it counts when the seat plays last or the declarer led. The seat keeps
// the Seven of Herz, so a guess counts as a miss.
TEST(EstimateSkat, TheMasterTrumpOnATrumpLead) {
    using card_names::Cards;
    struct Case {
        const char* what;
        int declarer;
        const char* trick; // from seat 0 on; the last card is the one judged
        const char* gone;
        int before, missesBefore, expected;
    };
    const Case cases[] = {
        {"four out above the Nine: Unters of Gras, Herz, Schellen, the Ace", 0, "H-9 E-U",
         "H-O H-K H-10", 0, 0, 80},
        {"three out", 0, "H-9 E-U", "H-O H-K H-10 H-A", 64, 0, 65},
        {"three out, a guess above 64 stands", 0, "H-9 E-U", "H-O H-K H-10 H-A", 65, 4, 65},
        {"two out", 0, "H-9 E-U", "H-O H-K H-10 H-A G-U", 29, 0, 35},
        {"two out, a guess above 29 stands", 0, "H-9 E-U", "H-O H-K H-10 H-A G-U", 30, 0, 30},
        {"two out on the King's 4 points", 0, "H-K E-U", "H-U S-U H-A", 0, 0, 35},
        {"two out on 5 points", 0, "H-O S-U E-U", "H-U H-A H-K", 0, 0, 0},
        {"one out", 0, "H-9 E-U", "H-O H-K H-10 H-A G-U H-U", 0, 0, 0},
        {"the Unter of Gras is not the master", 0, "H-9 G-U", "H-O H-K H-10", 0, 0, 0},
        {"second to a defender's lead", 2, "H-9 E-U", "H-O H-K H-10", 0, 0, 0},
        {"last to a defender's lead", 1, "H-9 H-8 E-U", "H-O H-K H-10", 0, 0, 80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SkatLevel game;
        game.NewDeal(false);
        game.gameType = {kSuitHerz, 1};
        game.declarer = c.declarer;
        game.trickNumber = 2;
        for (int card : Cards(c.gone))
            AddToRankMask(&game.playedMasks[RankCodeOf(card)], SuitOf(card));
        const std::vector<int> trick = Cards(c.trick);
        const int judged = static_cast<int>(trick.size()) - 1;
        for (int seat = 0; seat <= judged; ++seat)
            game.GiveHand(seat, seat == judged ? std::vector<int>{trick[seat], 9}
                                               : std::vector<int>{trick[seat], 17 + seat});
        game.seatEstimates[judged].voidEstimate[kTrumpGroup] = static_cast<std::int16_t>(c.before);
        game.seatEstimates[judged].missCount = static_cast<std::int16_t>(c.missesBefore);
        game.leader = 0;
        for (int seat = 0; seat <= judged; ++seat) {
            game.seatToMove = static_cast<std::int16_t>(seat);
            ASSERT_TRUE(game.PlayCardIfHeld(seat, trick[seat], 9));
        }
        EXPECT_EQ(game.seatEstimates[judged].voidEstimate[kTrumpGroup], c.expected);
    }
}
