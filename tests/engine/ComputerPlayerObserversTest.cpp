#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/NormalGameTest.h"
#include "engine/ReferenceRules.h"
#include "engine/RuleHarness.h"

namespace {

class ObserversTest : public NormalGameTest {
  protected:
    // Gives every seat its cards and fixes the parties by the Obers of Eichel.
    void Hands(const std::vector<std::vector<int>>& hands) {
        for (int seat = 0; seat < 4; ++seat)
            game.GiveHand(seat, hands[seat]);
        game.SetUpParties(-1);
    }
    // Plays the cards from the leader on, each seat deciding first.
    void Play(int first, const std::vector<int>& cards) {
        game.leader = static_cast<std::int16_t>(first);
        for (int i = 0; i < static_cast<int>(cards.size()); ++i) {
            const int seat = (first + i) % 4;
            game.PrepareDecision(seat);
            ASSERT_TRUE(game.PlayCardIfHeld(seat, cards[i], 9)) << cards[i];
        }
    }
    std::int16_t Belief(int observer, int seat) { return game.seats[observer].partyBelief[seat]; }
};

} // namespace

TEST_F(ObserversTest, TheClubOberEntersItsPlayerInTheDeclaringParty) {
    Hands({{29, 11}, {19, 22}, {29, 3}, {27, 30}});
    Play(0, {29});
    EXPECT_EQ(game.partyLists[0], 0);
    EXPECT_EQ(Belief(2, 0), 100);
    EXPECT_EQ(Belief(2, 1), -100); // one certain partner settles the row
    EXPECT_EQ(Belief(1, 0), -100);
    EXPECT_EQ(Belief(1, 2), 0);
}

TEST_F(ObserversTest, BothClubObersOfOneSeatMakeASilentSolo) {
    Hands({{29, 29, 11}, {3, 19, 22}, {20, 4, 12}, {5, 27, 30}});
    game.bonusCount = 2;
    Play(0, {29, 3, 20, 5});
    game.FinishTrick();
    const std::int16_t before[4] = {Belief(1, 0), Belief(1, 2), Belief(1, 3), Belief(3, 1)};
    Play(0, {29, 22, 4, 27});
    EXPECT_EQ(game.declarer, 0);
    EXPECT_EQ(game.gameType.word, kWordSuitSolo);
    EXPECT_EQ(game.gameType.trumpSuit, 0);
    EXPECT_EQ(game.bonusCount, 0);
    const std::int16_t expected[5] = {0, -1, 1, 2, 3};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(game.partyLists[i], expected[i]) << i;
    // Every seat's party is known now: no rule moves a belief any more.
    EXPECT_EQ(Belief(1, 2), before[1]);
    EXPECT_EQ(Belief(1, 3), before[2]);
    EXPECT_EQ(Belief(3, 1), before[3]);
}

TEST_F(ObserversTest, PointsDiscardedToAnUnknownWinnerMakeItsPartnerLikely) {
    // Herz led; seat 1 ruffs, seat 2 throws the Gras Ace on it as the last card.
    Hands({{11, 3}, {12, 4}, {24, 13}, {14, 6}});
    game.leader = 3;
    game.seats[0].profile = game.seats[1].profile = game.seats[2].profile = 21;
    Play(3, {14, 11, 4, 24});
    // Last seat: bonus 17; 0 points lay before it, so no big-trick bonus.
    EXPECT_EQ(Belief(1, 2), 45 + 17);
    EXPECT_EQ(Belief(0, 2), -30 - 17);
    EXPECT_EQ(Belief(3, 2), -30 - 17);
    EXPECT_EQ(Belief(2, 2), 100);
}

TEST_F(ObserversTest, AKnownSeatIsNotObservedAnyMore) {
    // Eichel King led, the Ober of Eichel takes it, and seat 1 throws its Herz Ace on it.
    Hands({{29, 24}, {16, 19}, {29, 3}, {27, 30}});
    game.partyLists[2] = 1; // as the game line may enter it
    Play(3, {30, 29});
    std::int16_t before[4];
    for (int observer = 0; observer < 4; ++observer)
        before[observer] = Belief(observer, 1);
    game.leader = 3;
    game.PrepareDecision(1);
    ASSERT_TRUE(game.PlayCardIfHeld(1, 16, 9));
    for (int observer = 0; observer < 4; ++observer)
        EXPECT_EQ(Belief(observer, 1), before[observer]);
    // Not entered, the same discard moves the beliefs.
    game.partyLists[2] = -1;
    game.trickCards[1] = 16;
    game.ObserveAfterCard(1);
    EXPECT_NE(Belief(0, 1), before[0]);
}

TEST_F(ObserversTest, OvertakingAKnownHeartTenIsStrongDoubtNotCertainty) {
    // Seat 0 showed its Ober of Eichel; its partner 2 overtakes its Heart Ten with the second.
    Hands({{29, 15, 11}, {3, 19}, {29, 15, 12}, {5, 27}});
    game.options.secondHeartTenWins = 1;
    Play(0, {29, 3, 12, 5});
    game.FinishTrick();
    Play(0, {15, 19, 15});
    EXPECT_EQ(game.seats[0].partyBelief[2], -95);
    EXPECT_EQ(game.seats[1].partyBelief[2], 95);
    // Its Ober of Eichel settles it the right way.
    game.FinishTrick();
    Play(2, {29});
    EXPECT_EQ(game.seats[0].partyBelief[2], 100);
}

namespace {

// Every certain belief and every party-list entry agrees with the real parties.
void CheckPartyKnowledge(TestLevel& game, const std::string& where) {
    SCOPED_TRACE(where);
    const bool solo = game.IsSoloGame();
    for (int observer = 0; observer < 4; ++observer) {
        for (int seat = 0; seat < 4; ++seat) {
            const int belief = game.seats[observer].partyBelief[seat];
            EXPECT_GE(belief, -100);
            EXPECT_LE(belief, 100);
            if (belief != 100 && belief != -100) {
                EXPECT_LE(belief, 95);
                EXPECT_GE(belief, -95);
                continue;
            }
            const bool same =
                game.seats[observer].inDeclarerParty == game.seats[seat].inDeclarerParty;
            EXPECT_EQ(belief == 100, same || observer == seat)
                << "observer " << observer << " about " << seat << " solo " << solo;
        }
    }
    for (int i = 0; i < 5; ++i) {
        const int seat = game.partyLists[i];
        if (seat == -1)
            continue;
        ASSERT_GE(seat, 0);
        ASSERT_LT(seat, 4);
        EXPECT_EQ(game.seats[seat].inDeclarerParty != 0, i < 2) << "list entry " << i;
        for (int j = i + 1; j < 5; ++j)
            EXPECT_NE(game.partyLists[j], seat) << "seat " << seat << " twice";
    }
}

} // namespace

TEST_F(ObserversTest, RandomDealsNeverBelieveAgainstTheRealParties) {
    std::mt19937 random(77031);
    const std::vector<reference::Game> games = reference::AllGames();
    int certain = 0;
    int moved = 0;
    for (int deal = 0; deal < 1500 && !HasFailure(); ++deal) {
        // Mostly the normal game, where the parties are hidden.
        const reference::Game& ref = random() % 3 == 0 ? games[random() % games.size()] : games[0];
        game.options.withoutNines = random() % 3 == 0 ? 1 : 0;
        game.options.secondHeartTenWins = static_cast<std::int16_t>(random() % 2);
        game.options.charlieCaughtPoint = static_cast<std::int16_t>(random() % 2);
        game.Deal(random, ref.trumpSuit, ref.word, static_cast<int>(random() % 4));
        for (int seat = 0; seat < 4; ++seat) {
            game.seats[seat].profile = static_cast<std::int16_t>(random() % 30);
            game.seats[seat].usesProfileStyle = 1;
            game.InitSeatStyle(seat);
        }
        const int perHand = game.GetCardsPerHand();
        for (int trick = 1; trick <= perHand; ++trick) {
            for (int i = 0; i < 4; ++i) {
                const int seat = (game.leader + i) % 4;
                game.PrepareDecision(seat);
                const std::vector<int> legal = rule_harness::LegalPlaces(game, ref);
                ASSERT_FALSE(legal.empty());
                game.PlayCard(seat, legal[random() % legal.size()], 9);
                CheckPartyKnowledge(game, ref.name + " deal " + std::to_string(deal) + " trick " +
                                              std::to_string(trick));
            }
            game.FinishTrick();
        }
        for (int observer = 0; observer < 4; ++observer) {
            for (int seat = 0; seat < 4; ++seat) {
                const int belief = game.seats[observer].partyBelief[seat];
                certain += observer != seat && (belief == 100 || belief == -100) ? 1 : 0;
                moved += belief != 0 && belief != 100 && belief != -100 ? 1 : 0;
            }
        }
    }
    // The checks must have had certain beliefs and moved beliefs to look at.
    EXPECT_GT(certain, 1000);
    EXPECT_GT(moved, 1000);
}
