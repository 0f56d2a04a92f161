#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "games/fourplayer/ControllerFixtures.h"
#include "platform/Random.h"
#include "records/ProgramFlags.h"

namespace {

constexpr int kDeals = 20000;

// Every card of the layout lies in exactly one place after the deal, and the empty places of
// each row are where the layout put them.
void ExpectLayoutKept(const ScriptedController& table, int cardsPerSuit) {
    int seen[33] = {};
    for (int seat = 0; seat < 4; ++seat) {
        for (int place = 0; place < 12; ++place) {
            const int card = table.hands[seat * 12 + place];
            ASSERT_EQ(card == 0, place >= cardsPerSuit) << "seat " << seat << " place " << place;
            if (card)
                ++seen[card];
        }
    }
    for (int suit = 0; suit < 4; ++suit)
        for (int step = 9 - cardsPerSuit; step <= 8; ++step)
            ASSERT_EQ(seen[suit * 8 + step], 1);
}

} // namespace

// A shuffle that favours a seat, loses a card or fills an empty place fails here; the
// chi-square bound is far above the 96 degrees of freedom of a fair deal.
TEST(FourSeatDeal, SeededShufflesKeepEveryCardAndEachSeatIsEquallyLikely) {
    for (int cardsPerSuit : {8, 6}) {
        SeedRandom(20261210u + static_cast<unsigned>(cardsPerSuit));
        TableFixture fixture;
        ScriptedController& table = *fixture.table;
        table.cardsPerSuit = cardsPerSuit;
        static int counts[33][4];
        std::memset(counts, 0, sizeof counts);
        for (int deal = 0; deal < kDeals; ++deal) {
            table.NewDeal(false);
            ExpectLayoutKept(table, cardsPerSuit);
            ASSERT_EQ(std::memcmp(table.hands, table.dealtCards, 48), 0);
            for (int place = 0; place < 48; ++place)
                if (table.hands[place])
                    ++counts[table.hands[place]][place / 12];
        }
        const double expected = kDeals / 4.0;
        double chiSquare = 0;
        for (int card = 1; card <= 32; ++card) {
            if (counts[card][0] + counts[card][1] + counts[card][2] + counts[card][3] == 0)
                continue; // not in the deck
            for (int seat = 0; seat < 4; ++seat)
                chiSquare +=
                    (counts[card][seat] - expected) * (counts[card][seat] - expected) / expected;
        }
        const int freeDegrees = 4 * cardsPerSuit * 3;
        EXPECT_LT(chiSquare, freeDegrees + 6 * std::sqrt(2.0 * freeDegrees))
            << cardsPerSuit << " cards per suit";
        EXPECT_EQ(table.gamesDealt, kDeals);
    }
}

TEST(FourSeatDeal, FirstDealerOfASeriesIsTheDrawnSeatPlusOne) {
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        SeedRandom(seed);
        const int drawn = std::abs(Random() % 4);
        SeedRandom(seed);
        ScriptedController table;
        SettingsBody settings{};
        table.InitFourSeat(&settings, false, 12);
        int dealer = -1;
        table.GetDealer(&dealer);
        EXPECT_EQ(dealer, drawn);
        table.NewDeal(false);
        table.GetDealer(&dealer);
        EXPECT_EQ(dealer, (drawn + 1) % 4) << "seed " << seed;
        for (std::uint8_t place : table.dealtCards)
            ASSERT_LE(place, 32);
    }
}

TEST(FourSeatDeal, NewSeriesMarksEveryPlaceNeverDealtAndClearsTheCounters) {
    TableFixture fixture;
    ScriptedController& table = *fixture.table;
    table.NewDeal(false);
    table.soloCounts[2] = 3;
    table.bockGamesLeft = 2;
    table.claimSeat = 1;
    table.NewSeries();
    for (std::uint8_t place : table.hands)
        EXPECT_EQ(place, kNeverDealt);
    EXPECT_EQ(table.soloCounts[2], 0);
    EXPECT_EQ(table.bockGamesLeft, 0);
    EXPECT_EQ(table.gamesDealt, 0);
    EXPECT_EQ(table.claimSeat, -1);
    EXPECT_EQ(table.seatIsComputer[0], 0);
    EXPECT_NE(table.seatIsComputer[3], 0);
}

// A deal that keeps its cards (the manual deal, a game dealt again) deals exactly what lies in
// the dealt cards, and neither the dealer nor the deal count moves.
TEST(FourSeatDeal, KeepCardsDealIsExactAndMovesNothing) {
    TableFixture fixture;
    ScriptedController& table = *fixture.table;
    table.NewDeal(false);
    std::uint8_t manual[48] = {};
    for (int place = 0; place < 32; ++place)
        manual[(place / 8) * 12 + place % 8] = static_cast<std::uint8_t>(32 - place);
    std::memcpy(table.dealtCards, manual, 48);
    const int dealer = table.dealer;
    const int dealt = table.gamesDealt;
    table.claimMade = 1;
    table.exchangeSeat = 2;
    table.NewDeal(true);
    EXPECT_EQ(std::memcmp(table.hands, manual, 48), 0);
    EXPECT_EQ(std::memcmp(table.dealtCards, manual, 48), 0);
    EXPECT_EQ(table.dealer, dealer);
    EXPECT_EQ(table.gamesDealt, dealt);
    EXPECT_EQ(table.claimMade, 0);
    EXPECT_EQ(table.exchangeSeat, -1);
    EXPECT_EQ(table.nextLeader, -1);
}

// The seats before the human are those from the leader up to seat 3, one per call; the call
// after the last of them answers true (the human's turn).
TEST(FourSeatDeal, StepComputerPlayMovesTheSeatsBeforeTheHumanOneByOne) {
    struct Case {
        int leader;
        std::vector<bool> answers;
        std::vector<int> seats;
    };
    const Case cases[] = {
        {2, {false, false, true}, {2, 3}},
        {0, {true}, {}},
        {1, {false, false, false, true}, {1, 2, 3}},
        {3, {false, true}, {3}},
    };
    for (const Case& c : cases) {
        TableFixture fixture;
        ScriptedController& table = *fixture.table;
        table.NewDeal(false);
        table.player->trickNumber = 1;
        table.SetTrickLeader(c.leader);
        table.trickComplete = 1;
        char text[256], second[256];
        int claiming = 5;
        for (std::size_t call = 0; call < c.answers.size(); ++call) {
            EXPECT_EQ(table.StepComputerPlay(text, second, &claiming), c.answers[call])
                << "leader " << c.leader << " call " << call;
            EXPECT_EQ(claiming, -1);
        }
        ASSERT_EQ(table.seatsMoved, static_cast<int>(c.seats.size()));
        for (std::size_t i = 0; i < c.seats.size(); ++i) {
            const int seat = c.seats[i];
            EXPECT_EQ(table.movedSeats[i], seat);
            // The played card left the seat's row.
            int left = 0;
            for (int place = 0; place < 12; ++place)
                left += table.hands[seat * 12 + place] != 0;
            EXPECT_EQ(left, 7);
        }
        EXPECT_EQ(table.trickComplete, 0);
    }
}

// Clearing a finished trick comes first: the leader's card of the last trick does not count as
// played to the new one.
TEST(FourSeatDeal, StepComputerPlayClearsAFinishedTrickBeforeMoving) {
    TableFixture fixture;
    ScriptedController& table = *fixture.table;
    table.NewDeal(false);
    table.SetTrickLeader(3);
    for (int seat = 0; seat < 4; ++seat)
        table.player->trickCards[seat] = 5;
    table.trickComplete = 1;
    char text[256], second[256];
    int claiming = 0;
    EXPECT_FALSE(table.StepComputerPlay(text, second, &claiming));
    EXPECT_EQ(table.seatsMoved, 1);
    EXPECT_EQ(table.player->trickCards[0], 0);
}

TEST(FourSeatDeal, ARemoteTableMovesNoSeatAfterATrick) {
    TableFixture fixture;
    ScriptedController& table = *fixture.table;
    table.NewDeal(false);
    table.SetTrickLeader(1);
    table.trickComplete = 1;
    gDirectorRunsTables = 1;
    char text[256], second[256];
    int claiming = 0;
    EXPECT_TRUE(table.StepComputerPlay(text, second, &claiming));
    gDirectorRunsTables = 0;
    EXPECT_EQ(table.seatsMoved, 0);
}
