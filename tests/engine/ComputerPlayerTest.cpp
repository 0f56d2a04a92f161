#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/CardMemoryChecks.h"
#include "engine/ReferenceRules.h"
#include "engine/RuleHarness.h"
#include "engine/TestLevel.h"

namespace {

class ComputerPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.NewDeal(false);
        game.gameType = {0, kWordNormal};
        game.trickNumber = 1;
    }
    // Lays cards into the trick from the leader on.
    void Trick(int first, std::vector<int> cards) {
        game.leader = static_cast<std::int16_t>(first);
        for (int i = 0; i < 4; ++i)
            game.trickCards[(first + i) % 4] =
                static_cast<std::int16_t>(i < static_cast<int>(cards.size()) ? cards[i] : 0);
    }
    std::vector<std::uint8_t> Image() {
        std::vector<std::uint8_t> image(kSavedRegionSize);
        game.WriteSavedRegion(image.data());
        for (int seat = 0; seat < 4; ++seat) {
            const auto* log = static_cast<const std::uint8_t*>(game.playLogs[seat]);
            image.insert(image.end(), log, log + kPlayLogSize);
        }
        return image;
    }
    TestLevel game;
};

} // namespace

TEST_F(ComputerPlayerTest, TwoHeartTensFirstKeepsTheTrickUnlessTheRuleSaysOtherwise) {
    Trick(0, {15, 29, 15, 3});
    EXPECT_EQ(game.GetTrickWinnerSoFar(3), 0);
    game.options.secondHeartTenWins = 1;
    EXPECT_EQ(game.GetTrickWinnerSoFar(3), 2);
    EXPECT_EQ(game.GetTrickWinnerSoFar(1), 0);
}

TEST_F(ComputerPlayerTest, ShownSchellenAcesAndTheRulesCardRiseToTheTop) {
    Trick(0, {15, 8, 29, 3});
    EXPECT_EQ(game.GetTrickWinnerSoFar(3), 0);
    game.diamondAcesSeat = 1;
    EXPECT_EQ(game.GetTrickWinnerSoFar(3), 1);
    EXPECT_EQ(game.GetHigherCard(15, 8), 8);
    game.specialPairSeat = 3; // the rules card defaults to the Nine of Schellen
    EXPECT_EQ(game.GetTrickWinnerSoFar(3), 3);
    EXPECT_EQ(game.GetHigherCard(8, 3), 3);
}

TEST_F(ComputerPlayerTest, PlainCardsOfAnotherSuitNeverTakeATrumpDoes) {
    Trick(1, {17, 32, 24, 18}); // Gras 7-code lead, Eichel Ace, Gras Ace, Gras 8-code
    EXPECT_EQ(game.GetTrickWinnerSoFar(0), 3); // the Gras Ace, not the Eichel Ace
    Trick(1, {24, 4, 29, 20}); // Gras Ace led, Schellen Unter trumps, Eichel Ober over it
    EXPECT_EQ(game.GetTrickWinnerSoFar(2), 2);
    EXPECT_EQ(game.GetTrickWinnerSoFar(3), 3);
    EXPECT_EQ(game.GetTrickWinnerSoFar(0), 3);
}

TEST_F(ComputerPlayerTest, Legality) {
    game.GiveHand(1, {11, 16, 19, 24, 3, 29}); // Herz 9, Herz Ace, Gras 9, Gras Ace, trumps
    game.GiveHand(2, {19, 27, 32, 5});         // Gras, Eichel, trump
    Trick(0, {22});                            // Gras King led
    game.seatToMove = 1;
    EXPECT_EQ(game.IsLegalCard(1, 19), 1);
    EXPECT_EQ(game.IsLegalCard(1, 24), 1);
    EXPECT_EQ(game.IsLegalCard(1, 16), 0);
    EXPECT_EQ(game.IsLegalCard(1, 3), 0);
    EXPECT_EQ(game.IsLegalCard(1, 32), 0); // not held
    EXPECT_EQ(game.IsLegalCard(1, 0), 0);  // an empty place is no card
    EXPECT_EQ(game.IsLegalCard(1, 40), 0);
    Trick(0, {21}); // a trump led: the Gras Ober
    EXPECT_EQ(game.IsLegalCard(1, 3), 1);
    EXPECT_EQ(game.IsLegalCard(1, 19), 0);
    game.GiveHand(3, {11, 19}); // no trump: anything goes
    EXPECT_EQ(game.IsLegalCard(3, 11), 1);
    Trick(1, {});
    EXPECT_EQ(game.IsLegalCard(1, 16), 1); // the leader may lead anything
}

TEST_F(ComputerPlayerTest, PlayingACardKeepsHandCountsMasksAndLogInStep) {
    game.GiveHand(0, {11, 16, 16, 19, 24, 27, 32, 3, 8, 29, 15, 13});
    game.leader = 0;
    game.seatToMove = 0;
    const std::vector<std::uint8_t> before(game.seats[0].hand, game.seats[0].hand + 12);
    game.PlayCard(0, 0, 9);
    for (int p = 0; p < 11; ++p)
        EXPECT_EQ(game.seats[0].hand[p], before[p + 1]);
    EXPECT_EQ(game.seats[0].hand[11], 0);
    EXPECT_EQ(game.trickCards[0], 11);
    EXPECT_EQ(game.tricks[0].cards[0], 11);
    EXPECT_EQ(game.seats[0].groupCount[1], 2);
    EXPECT_EQ(game.playedCounts[0][1], 1);
    const auto* log = static_cast<const PlayLog*>(game.playLogs[0]);
    EXPECT_EQ(log->count, 1);
    EXPECT_EQ(PlayLogCard(log->entries[0]), 11);
    EXPECT_EQ(log->entries[0].reason, 9);
    EXPECT_EQ(game.placeRecords[0].places[0], 11);

    // Two Herz Aces: the first sets the low bit, the second both.
    game.PlayCard(0, 0, 32);
    EXPECT_EQ(game.playedMasks[kRankAce], 0x4);
    EXPECT_TRUE(game.IsCardPlayed(16, false));
    EXPECT_FALSE(game.IsCardPlayed(16, true));
    EXPECT_EQ(game.seats[0].aceMask & 0xc, 0x4);
    game.trickCards[0] = 0;
    game.PlayCard(0, 0, 32);
    EXPECT_EQ(game.playedMasks[kRankAce], 0xc);
    EXPECT_TRUE(game.IsCardPlayed(16, true));
    EXPECT_EQ(game.seats[0].aceMask & 0xc, 0);
    EXPECT_EQ(log->entries[2].reason, 32);
    EXPECT_EQ(game.placeRecords[0].places[1], 16);
    EXPECT_EQ(game.placeRecords[0].places[2], 16);
}

TEST_F(ComputerPlayerTest, EmptyOrOutsidePlacesChangeNothing) {
    game.GiveHand(2, {11, 19});
    game.leader = 2;
    game.seatToMove = 2;
    const std::vector<std::uint8_t> before = Image();
    for (int place : {2, 11, 12, -1, 400})
        game.PlayCard(2, place, 9);
    game.PlayCard(7, 0, 9);
    EXPECT_EQ(Image(), before);
    EXPECT_FALSE(game.PlayCardIfHeld(2, 32, 9));
    EXPECT_TRUE(game.PlayCardIfHeld(2, 19, 9));
    EXPECT_EQ(game.seats[2].hand[0], 11);
    EXPECT_EQ(game.seats[2].hand[1], 0);
}

TEST_F(ComputerPlayerTest, DryRunsChangeOnlyTheDryRunFieldsAndNest) {
    game.GiveHand(1, {11, 19, 29});
    game.leader = 1;
    game.seatToMove = 1;
    const std::vector<std::uint8_t> before = Image();
    const std::int16_t outer = game.BeginDryRun();
    game.PlayCard(1, 1, 22);
    EXPECT_EQ(game.trickCards[1], 19);
    const std::int16_t inner = game.BeginDryRun();
    game.PlayCard(1, 2, 30);
    game.EndDryRun(1, inner);
    EXPECT_EQ(game.dryRun, 1); // still inside the outer dry run
    game.PlayCard(1, 0, 9);
    EXPECT_EQ(game.dryRunIndex, 0);
    EXPECT_EQ(game.dryRunReason, 9);
    game.EndDryRun(1, outer);
    EXPECT_EQ(game.dryRun, 0);
    EXPECT_EQ(game.trickCards[1], 0);
    EXPECT_EQ(Image(), before);
}

TEST_F(ComputerPlayerTest, GroupStartAndEnd) {
    game.GiveHand(3, {11, 16, 24, 3, 29}); // Herz 2, Gras 1, trumps 2; no Schellen
    EXPECT_EQ(game.GetGroupStart(3, 1), 0);
    EXPECT_EQ(game.GetGroupEnd(3, 1), 1);
    EXPECT_EQ(game.GetGroupStart(3, 4), 3);
    EXPECT_EQ(game.GetGroupEnd(3, 4), 4);
    EXPECT_EQ(game.GetGroupEnd(3, 3), game.GetGroupStart(3, 3) - 1);
}

TEST_F(ComputerPlayerTest, PlaceRecordBetweenTwoRevealedCardsOfOneGroup) {
    game.seats[0].profile = 5; // the seat to move is not strong
    game.seatToMove = 0;
    HandPlaceRecord& record = game.placeRecords[2];
    const std::uint8_t places[12] = {11, 0, 0, 16, 19, 0, 0, 0, 0, 0, 0, 0};
    std::memcpy(record.places, places, 12);
    game.UpdatePlaceRecords();
    EXPECT_EQ(record.exactSize[1], 2);
    EXPECT_EQ(record.minSize[1], 2);
    // Gras began right after the Herz Ace: its size is unknown, not taken as zero.
    EXPECT_EQ(record.exactSize[2], -1);
}

TEST_F(ComputerPlayerTest, PlaceRecordGivesEmptyGroupsBelowPlaceZeroTheEight) {
    // Gras and Eichel only, no trump: the lowest Gras card lies at place 0.
    game.GiveHand(1, {19, 19, 22, 23, 24, 24, 27, 30, 30, 31, 32, 32});
    game.leader = 1;
    game.seatToMove = 1;
    game.PlayCard(1, 11, 9);
    game.PlayCard(1, 10, 9);
    game.PlayCard(1, 0, 9);
    const HandPlaceRecord& record = game.placeRecords[1];
    EXPECT_EQ(record.topCard[0], 2);
    EXPECT_EQ(record.topCard[1], 10);
    EXPECT_EQ(record.topCard[3], 31); // both Eichel Aces are gone: the Ten is the top now
}

namespace {

struct PlayOutStats {
    int cards = 0;
    int deals = 0;
    int dealsSkipped = 0; // card memory left unchecked after a silent solo came to light
    int exactKnown = 0;
    int maxKnown = 0;
};

// The seat block's rank masks, rank counts and group counts against the cards the seat was
// dealt less those it played: a held copy sets the low bit of its suit's pair, a second copy
// the high bit too.
void CheckSeatBookkeeping(TestLevel& game, const reference::Game& ref, int seat,
                          const std::vector<int>& held) {
    struct Rank {
        int code; // card code modulo 8
        std::uint16_t SeatBlock::*mask;
        std::int16_t SeatBlock::*count;
    };
    const Rank ranks[] = {{0, &SeatBlock::aceMask, &SeatBlock::aceCount},
                          {7, &SeatBlock::tenMask, &SeatBlock::tenCount},
                          {5, &SeatBlock::oberMask, &SeatBlock::oberCount},
                          {4, &SeatBlock::unterMask, &SeatBlock::unterCount},
                          {6, &SeatBlock::kingMask, &SeatBlock::kingCount}};
    const SeatBlock& block = game.seats[seat];
    for (const Rank& rank : ranks) {
        unsigned mask = 0;
        int count = 0;
        for (int suit = 0; suit < 4; ++suit) {
            const int card = suit * 8 + (rank.code == 0 ? 8 : rank.code);
            const auto copies = std::count(held.begin(), held.end(), card);
            count += static_cast<int>(copies);
            mask |= (copies == 2 ? 3u : copies == 1 ? 1u : 0u) << (2 * suit);
        }
        EXPECT_EQ(block.*rank.mask, mask) << "seat " << seat << " rank " << rank.code;
        EXPECT_EQ(block.*rank.count, count) << "seat " << seat << " rank " << rank.code;
    }
    int counts[5] = {};
    for (int card : held)
        ++counts[reference::Group(ref, card)];
    for (int g = 0; g < 5; ++g)
        EXPECT_EQ(block.groupCount[g], counts[g]) << "seat " << seat << " group " << g;
}

void CheckPlaceRecords(TestLevel& game, PlayOutStats& stats) {
    game.UpdatePlaceRecords();
    for (int seat = 0; seat < 4; ++seat) {
        const HandPlaceRecord& record = game.placeRecords[seat];
        const SeatBlock& block = game.seats[seat];
        std::string trace = "word " + std::to_string(game.gameType.word) + " suit " +
                            std::to_string(game.gameType.trumpSuit) + " mover profile " +
                            std::to_string(game.seats[game.seatToMove].profile) + " places";
        for (int p = 0; p < 12; ++p)
            trace += " " + std::to_string(record.places[p]);
        SCOPED_TRACE(trace);
        for (int g = 0; g < 5; ++g) {
            const int real = block.groupCount[g];
            EXPECT_LE(record.minSize[g], real) << "seat " << seat << " group " << g;
            if (record.maxSize[g] != -1) {
                EXPECT_GE(record.maxSize[g], real) << "seat " << seat << " group " << g;
                ++stats.maxKnown;
            }
            if (record.exactSize[g] != -1) {
                EXPECT_EQ(record.exactSize[g], real) << "seat " << seat << " group " << g;
                ++stats.exactKnown;
            }
        }
        // No held card lies above the group's top card.
        for (int p = 0; p < 12 && block.hand[p] != 0; ++p) {
            const int card = block.hand[p];
            const int g = game.GetSuitGroup(card);
            if (g < 4 && g == game.gameType.trumpSuit)
                continue;
            const int top = record.topCard[g];
            if (top == 0)
                continue; // nothing known yet (a new deal leaves the trumps at 0)
            const bool above =
                g == 4 ? card != top && game.GetHigherCard(top, card) == card : card > top;
            EXPECT_FALSE(above) << "seat " << seat << " card " << card << " top " << top;
        }
    }
}

} // namespace

TEST_F(ComputerPlayerTest, RandomDealsPlayedToTheEndKeepEveryInvariant) {
    std::mt19937 random(20240517);
    const std::vector<reference::Game> games = reference::AllGames();
    PlayOutStats stats;
    for (int deal = 0; deal < 3000 && !HasFailure(); ++deal) {
        const reference::Game& ref = games[random() % games.size()];
        game.options.withoutNines = random() % 3 == 0 ? 1 : 0;
        game.Deal(random, ref.trumpSuit, ref.word, static_cast<int>(random() % 4));
        for (int seat = 0; seat < 4; ++seat)
            game.seats[seat].profile = static_cast<std::int16_t>(random() % 27);
        const int perHand = game.GetCardsPerHand();
        std::vector<std::vector<int>> held(4);
        for (int seat = 0; seat < 4; ++seat)
            held[seat].assign(game.seats[seat].hand, game.seats[seat].hand + perHand);
        int totalPoints = 0;
        bool skipped = false;
        std::vector<std::vector<int>> played(4);
        for (int trick = 1; trick <= perHand; ++trick) {
            std::vector<int> trickCards;
            for (int i = 0; i < 4; ++i) {
                const int seat = (game.leader + i) % 4;
                game.seatToMove = static_cast<std::int16_t>(seat);
                CheckPlaceRecords(game, stats);
                // The cards the reference rules allow, and the engine must agree on each.
                const std::vector<int> legal = rule_harness::LegalPlaces(game, ref);
                for (int p = 0; p < perHand; ++p) {
                    const int card = game.seats[seat].hand[p];
                    if (card == 0)
                        continue;
                    const bool expected = std::find(legal.begin(), legal.end(), p) != legal.end();
                    EXPECT_EQ(game.IsLegalCard(seat, card), expected ? 1 : 0) << card;
                }
                ASSERT_FALSE(legal.empty());
                const int place = legal[random() % legal.size()];
                const int card = game.seats[seat].hand[place];
                const int reason = 1 + static_cast<int>(random() % 59);
                game.PlayCard(seat, place, reason);
                ++stats.cards;
                // A computer seat's Spade Queen may go as its Club Queen, to show its party.
                const int shown = game.trickCards[seat];
                if (!(card == 21 && shown == kEichelOber)) {
                    EXPECT_EQ(shown, card);
                }
                played[seat].push_back(shown * 256 + (shown != card ? 34 : reason));
                trickCards.push_back(shown);
                const auto dealt = std::find(held[seat].begin(), held[seat].end(), shown);
                ASSERT_NE(dealt, held[seat].end()) << "seat " << seat << " card " << shown;
                held[seat].erase(dealt);
                CheckSeatBookkeeping(game, ref, seat, held[seat]);
                skipped = !card_memory::Check(game, ref) || skipped;
            }
            // The reference winner: the highest trump, else the highest card of the led suit;
            // the first of two equal cards wins.
            int best = 0;
            for (int i = 1; i < 4; ++i) {
                const int a = trickCards[best];
                const int b = trickCards[i];
                const int ga = reference::Group(ref, a);
                const int gb = reference::Group(ref, b);
                if ((gb == 4 && ga != 4) || (gb == ga && reference::Above(ref, b, a)))
                    best = i;
            }
            const int expectedWinner = (game.leader + best) % 4;
            for (int card : trickCards)
                totalPoints += GetCardPoints(card);
            EXPECT_EQ(game.FinishTrick(), expectedWinner);
        }
        CheckPlaceRecords(game, stats);
        int points = 0;
        for (int seat = 0; seat < 4; ++seat) {
            points += game.cardPoints[seat];
            EXPECT_EQ(game.seats[seat].hand[0], 0);
            const auto* log = static_cast<const PlayLog*>(game.playLogs[seat]);
            ASSERT_EQ(log->count, perHand);
            for (int n = 0; n < perHand; ++n) {
                EXPECT_EQ(PlayLogCard(log->entries[n]) * 256 + log->entries[n].reason,
                          played[seat][n]);
                EXPECT_EQ(log->entries[n].card & 1, 0);
                EXPECT_EQ(log->order[n], n);
            }
        }
        EXPECT_EQ(points, 240);
        EXPECT_EQ(totalPoints, 240);
        ++stats.deals;
        stats.dealsSkipped += skipped ? 1 : 0;
    }
    // A silent solo comes to light in about one deal of a hundred; the memory checks must
    // still have run on nearly every deal.
    EXPECT_LT(stats.dealsSkipped * 10, stats.deals)
        << "card memory unchecked in " << stats.dealsSkipped << " of " << stats.deals;
    // The walks must actually learn something, not only stay out of the way.
    EXPECT_GT(stats.exactKnown, stats.cards);
    EXPECT_GT(stats.maxKnown, stats.cards);
}

namespace {

// A seat's place record after the strong seat 0 has walked it: every size the walks claim
// must hold for the cards the seat really keeps.
class PlaceWalkTest : public ComputerPlayerTest {
  protected:
    // The Gras solo: Gras is a trump, so the plain groups run Schellen, Herz, Eichel.
    void SetUp() override {
        ComputerPlayerTest::SetUp();
        game.gameType = {2, kWordSuitSolo};
        game.seats[0].profile = 18;
        game.seatToMove = 0;
        // The other seats' hands are not the question: a card each, places unrevealed.
        for (int seat : {0, 2, 3})
            game.GiveHand(seat, {3});
    }
    void Reveal(int seat, const std::vector<int>& places, const std::vector<int>& keeps) {
        for (std::size_t p = 0; p < places.size(); ++p) {
            game.placeRecords[seat].places[p] = static_cast<std::uint8_t>(places[p]);
            if (places[p] != 0)
                AddToRankMask(&game.playedMasks[places[p] % 8], (places[p] - 1) / 8);
        }
        game.GiveHand(seat, keeps);
    }
    void ExpectSizesHold(int seat) {
        game.UpdatePlaceRecords();
        const HandPlaceRecord& record = game.placeRecords[seat];
        for (int g = 0; g < 5; ++g) {
            const int real = game.seats[seat].groupCount[g];
            if (record.exactSize[g] != -1) {
                EXPECT_EQ(record.exactSize[g], real) << "group " << g;
            }
            if (record.maxSize[g] != -1) {
                EXPECT_GE(record.maxSize[g], real) << "group " << g;
            }
            EXPECT_LE(record.minSize[g], real) << "group " << g;
        }
    }
};

} // namespace

// Seat 1 led its Herz Nine from place 0 and later its only trump, the Gras Nine, from the
// last place; it keeps five Herz and five Eichel cards at places 1 to 10 and is known to hold
// no more trumps. The hidden places lie between Herz and the trumps: they may be Herz or
// Eichel, so neither size is known. (Read literally, the trump suit's own empty group right
// after Herz would give all ten places to Herz and none to Eichel.)
TEST_F(PlaceWalkTest, HiddenPlacesBeforeAVoidTrumpGroupStayOpenPastTheTrumpSuitsEmptyGroup) {
    Reveal(1, {11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 19}, {11, 14, 14, 16, 16, 27, 27, 30, 30, 31});
    game.seatEstimates[1].voidEstimate[4] = 100;
    ExpectSizesHold(1);
    EXPECT_EQ(game.placeRecords[1].exactSize[4], 0);
}

// The Herz solo on the short deck: seat 1 played its Schellen Ten and Ace (the other Ace is
// gone too) and then all its trumps from the lowest, the Herz King (the other King is gone
// too); it keeps a Schellen card at place 0 and an Eichel card at place 3, and has shown no
// Gras. After the Schellen Ace the next group is Gras: the empty Herz group of the trump suit
// must not take the hidden place (read literally, Herz would get one card and Eichel none).
TEST_F(PlaceWalkTest, TheAceRuleSkipsTheTrumpSuitsEmptyGroup) {
    game.options.withoutNines = 1;
    game.gameType = {1, kWordSuitSolo};
    Reveal(1, {0, 7, 8, 0, 14, 20, 20, 13, 21, 29}, {6, 32});
    AddToRankMask(&game.playedMasks[0], 0); // the other Schellen Ace
    AddToRankMask(&game.playedMasks[6], 1); // the other Herz King
    game.seatEstimates[1].voidEstimate[2] = 100;
    game.seatEstimates[1].voidEstimate[4] = 100;
    ExpectSizesHold(1);
}

// Seat 1 played its Herz King and Herz Ace (the other Herz Ace is gone too), then its Eichel
// Ace and the Gras Nine; it keeps the Eichel Nine and King at places 2 and 3 and six trumps.
// After the Herz Ace the next group is Eichel, not the empty Gras group of the trump suit: the
// two hidden places before the Eichel Ace are its exact size (read literally, where Eichel
// began would be unknown).
TEST_F(PlaceWalkTest, TheAceRuleMovesOnToTheNextGroupPastTheTrumpSuitsEmptyGroup) {
    Reveal(1, {14, 16, 0, 0, 32, 19, 0, 0, 0, 0, 0, 0}, {27, 30, 22, 23, 24, 4, 12, 5});
    AddToRankMask(&game.playedMasks[0], 1); // the other Herz Ace
    ExpectSizesHold(1);
    EXPECT_EQ(game.placeRecords[1].exactSize[3], 2);
}
