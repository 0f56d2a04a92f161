// The computer's play when every seat passed (Ramsch, Leaster) and in the Beg: fixtures of the
// published strategy, the ratings against brute force, and seeded play-outs of whole deals.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "SchafkopfPlayout.h"
#include "SchafkopfReference.h"
#include "support/AlertRecorder.h"

namespace {

using playout::CountingPlayer;
using skref::Card;

constexpr GameTypeWord kRamsch = kModExchange | kWordNormal;
constexpr GameTypeWord kBeg = kWordNoTrumps;

// One position: the hand of the seat to move (the other seats share the rest of the deck),
// the cards of the trick so far from the leader on, the cards played in earlier tricks.
struct Position {
    GameTypeWord word = kRamsch;
    int declarer = -1;
    int leader = 0;
    int trick = 1;
    std::vector<int> trickSoFar;
    std::vector<int> played;
    int mover = 0;
    std::vector<int> hand;
    int profile = 21;
};

class PositionGame {
  public:
    explicit PositionGame(const Position& p) : playout(Setup(p)) {
        CountingPlayer& g = playout.Game();
        playout.Start();
        // The mover's hand as given; every other card not played goes to the other seats.
        std::vector<int> rest;
        for (int card = 1; card <= 32; ++card) {
            const bool used =
                std::find(p.hand.begin(), p.hand.end(), card) != p.hand.end() ||
                std::find(p.played.begin(), p.played.end(), card) != p.played.end() ||
                std::find(p.trickSoFar.begin(), p.trickSoFar.end(), card) != p.trickSoFar.end();
            if (!used)
                rest.push_back(card);
        }
        std::size_t next = 0;
        for (int seat = 0; seat < 4; ++seat) {
            std::vector<int> cards;
            if (seat == p.mover) {
                cards = p.hand;
            } else {
                const std::size_t want = p.hand.size() - (Played(p, seat) ? 1 : 0);
                while (cards.size() < want && next < rest.size())
                    cards.push_back(rest[next++]);
            }
            GiveHand(seat, cards);
        }
        for (int card : p.played)
            AddToRankMask(&g.playedMasks[RankCodeOf(card)], SuitOf(card));
        g.leader = static_cast<std::int16_t>(p.leader);
        g.trickNumber = static_cast<std::int16_t>(p.trick);
        for (std::size_t i = 0; i < p.trickSoFar.size(); ++i) {
            const int seat = (p.leader + static_cast<int>(i)) % 4;
            g.trickCards[seat] = static_cast<std::int16_t>(p.trickSoFar[i]);
            AddToRankMask(&g.playedMasks[RankCodeOf(p.trickSoFar[i])], SuitOf(p.trickSoFar[i]));
        }
        g.seats[p.mover].profile = static_cast<std::int16_t>(p.profile);
        g.seatToMove = static_cast<std::int16_t>(p.mover);
    }

    CountingPlayer& Game() { return playout.Game(); }

    // The computer seat to move plays; answers its card and reason.
    std::pair<int, int> Move(int seat) {
        CountingPlayer& g = Game();
        g.SetSeatToAct(seat);
        std::uint8_t claim = 0;
        g.ChooseAndPlayCard(seat, &claim);
        const PlayLog* log = g.GetPlayLog(seat);
        const int reason = log && log->count > 0 ? log->entries[log->count - 1].reason : -1;
        return {g.trickCards[seat], reason};
    }

  private:
    static playout::Setup Setup(const Position& p) {
        playout::Setup s;
        s.word = p.word;
        s.declarer = p.declarer;
        s.leader = p.leader;
        for (auto& seat : s.seats)
            seat = playout::Computer(p.profile);
        return s;
    }
    static bool Played(const Position& p, int seat) {
        for (std::size_t i = 0; i < p.trickSoFar.size(); ++i)
            if ((p.leader + static_cast<int>(i)) % 4 == seat)
                return true;
        return false;
    }
    void GiveHand(int seat, const std::vector<int>& cards) {
        CountingPlayer& g = Game();
        SeatBlock& block = g.seats[seat];
        for (int q = 0; q < kHandPlaces; ++q)
            block.hand[q] =
                static_cast<std::uint8_t>(q < static_cast<int>(cards.size()) ? cards[q] : 0);
        g.SortHand(block.hand, kHandPlaces, g.gameType.trumpSuit, g.gameType.word, true, true);
        for (auto& count : block.groupCount)
            count = 0;
        for (int q = 0; q < kHandPlaces && block.hand[q] != 0; ++q)
            ++block.groupCount[g.GetSuitGroup(block.hand[q])];
        g.ComputeRankStats(block);
    }

    playout::Playout playout;
};

// --- fixtures of the published strategy and of the rules' edge cases ---

TEST(AllPassedPlay, FixturesGiveTheExpectedCardAndReason) {
    ResetAlertRecorder();
    struct Case {
        const char* what;
        Position position;
        int card;
        int reason;
    };
    const int S = 0, H = 1, G = 2, E = 3;
    const std::vector<Case> cases = {
        {"Ramsch: a trumped Gras trick is followed with the highest Gras",
         {kRamsch,
          -1,
          0,
          1,
          {Card(G, '7'), Card(S, 'O')},
          {},
          2,
          {Card(G, '8'), Card(G, 'K'), Card(G, 'A'), Card(S, '9'), Card(E, '7'), Card(H, '7'),
           Card(H, 'U'), Card(S, 'A')}},
         Card(G, 'A'),
         1},
        {"Ramsch: a seat void in the led suit throws off its bare Eichel Ace",
         {kRamsch,
          -1,
          0,
          1,
          {Card(S, '9')},
          {},
          1,
          {Card(E, 'A'), Card(G, '7'), Card(G, 'K'), Card(H, '8'), Card(H, 'O'), Card(G, 'U'),
           Card(G, '9'), Card(H, 'A')}},
         Card(E, 'A'),
         10},
        {"Ramsch lead, one duck card: the lone low trump goes before the risky suit",
         {kRamsch,
          -1,
          0,
          3,
          {},
          {Card(G, 'A'), Card(G, 'T'), Card(S, '7'), Card(S, '8')},
          0,
          {Card(H, '7'), Card(G, '9'), Card(G, 'K'), Card(S, 'A'), Card(E, 'T'), Card(E, 'A')}},
         Card(H, '7'),
         46},
        {"Ramsch lead, two duck cards: the risky suit goes before the lone trump",
         {kRamsch,
          -1,
          0,
          3,
          {},
          {Card(G, 'A'), Card(G, 'T'), Card(S, '7'), Card(S, '8')},
          0,
          {Card(H, '7'), Card(G, '9'), Card(G, 'K'), Card(S, '9'), Card(E, 'T'), Card(E, 'A')}},
         Card(G, '9'),
         47},
        {"Ramsch lead, two low trumps: the second-lowest trump underplays",
         {kRamsch,
          -1,
          0,
          1,
          {},
          {},
          0,
          {Card(H, '7'), Card(H, '8'), Card(G, '9'), Card(G, 'K'), Card(S, '9'), Card(E, 'T'),
           Card(E, 'A'), Card(S, 'A')}},
         Card(H, '8'),
         45},
        {"Beg: the declarer stays under the Unter with the Ten, not the King",
         {kBeg,
          1,
          0,
          1,
          {Card(G, 'U')},
          {},
          1,
          {Card(G, '9'), Card(G, 'T'), Card(G, 'K'), Card(S, '7'), Card(S, '8'), Card(H, '7'),
           Card(E, '7'), Card(E, '8')}},
         Card(G, 'T'),
         9},
        {"Beg: the fourth defender plays its highest under another defender's trick",
         {kBeg,
          1,
          0,
          1,
          {Card(G, 'K'), Card(G, '7'), Card(G, '8')},
          {},
          3,
          {Card(G, '9'), Card(G, 'A'), Card(S, '7'), Card(S, 'K'), Card(H, '7'), Card(H, 'T'),
           Card(E, '9'), Card(E, 'O')}},
         Card(G, 'A'),
         1},
        {"Beg: the fourth defender stays under the declarer's King with its lowest",
         {kBeg,
          1,
          0,
          1,
          {Card(G, '7'), Card(G, 'K'), Card(G, '8')},
          {},
          3,
          {Card(G, '9'), Card(G, 'A'), Card(S, '7'), Card(S, 'K'), Card(H, '7'), Card(H, 'T'),
           Card(E, '9'), Card(E, 'O')}},
         Card(G, '9'),
         9},
        {"Beg: a declarer whose suits all rate 0.0 or -1.0 leads its first card",
         {kBeg,
          0,
          0,
          1,
          {},
          {},
          0,
          {Card(S, 'A'), Card(H, 'O'), Card(H, 'A'), Card(G, '9'), Card(G, 'T'), Card(G, 'A'),
           Card(E, 'U'), Card(E, 'A')}},
         Card(S, 'A'),
         35},
        {"Beg: a defender whose lowest card beats the declarer's lead plays its highest",
         {kBeg,
          0,
          0,
          1,
          {Card(G, '8')},
          {},
          1,
          {Card(G, '9'), Card(G, 'K'), Card(S, '7'), Card(S, '8'), Card(H, '7'), Card(H, '9'),
           Card(E, '7'), Card(E, '8')}},
         Card(G, 'K'),
         1},
        {"Beg: a defender in second place that cannot follow, with few points to come, plays "
         "the last card of its hand",
         {kBeg,
          0,
          0,
          4,
          {Card(G, '7')},
          {Card(G, 'A'), Card(G, 'T'), Card(G, 'K'), Card(S, 'A'), Card(S, 'K'), Card(H, 'A'),
           Card(H, '7'), Card(E, 'A'), Card(E, '7'), Card(E, 'K'), Card(S, 'T'), Card(H, 'T')},
          1,
          {Card(S, '7'), Card(H, '8'), Card(H, 'K'), Card(E, '9'), Card(E, 'U')},
          1},
         Card(E, 'U'),
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PositionGame game(c.position);
        const auto [card, reason] = game.Move(c.position.mover);
        EXPECT_EQ(card, c.card);
        EXPECT_EQ(reason, c.reason);
        EXPECT_EQ(game.Game().fallbacks, 0);
    }
}

// The three outcomes of the equivalent card in the Beg, where the Ten ranks below the Unter.
TEST(AllPassedPlay, EquivalentCardPlaysLowOrTheCardWithNothingBetweenOrNothing) {
    ResetAlertRecorder();
    const int G = 2;
    struct Case {
        const char* what;
        int best;
        std::vector<int> hand;
        std::vector<int> played;
        bool plays;
        int card;
        int reason;
    };
    const std::vector<Case> cases = {
        {"the lowest stays under the best card",
         Card(G, 'K'),
         {Card(G, '9'), Card(G, 'A'), Card(0, '7'), Card(0, '8')},
         {},
         true,
         Card(G, '9'),
         9},
        {"nothing out between the Eight and the Ten",
         Card(G, '8'),
         {Card(G, 'T'), Card(G, 'U'), Card(0, '7'), Card(0, '8')},
         {Card(G, '9')},
         true,
         Card(G, 'T'),
         48},
        {"the Nine is out between them",
         Card(G, '8'),
         {Card(G, 'T'), Card(G, 'U'), Card(0, '7'), Card(0, '8')},
         {},
         false,
         0,
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Position p{kBeg, 1, 0, 2, {c.best}, c.played, 1, c.hand};
        PositionGame game(p);
        CountingPlayer& g = game.Game();
        g.SetSeatToAct(1);
        EXPECT_EQ(g.PlayEquivalentCard(1, c.best), c.plays);
        EXPECT_EQ(g.trickCards[1], c.card);
        if (c.plays) {
            const PlayLog* log = g.GetPlayLog(1);
            ASSERT_TRUE(log && log->count > 0);
            EXPECT_EQ(log->entries[log->count - 1].reason, c.reason);
        }
    }
}

// A group the seat does not hold, a risk without an index, a card that is no card: each
// attempt declines without playing, and nothing reads outside the hand.
TEST(AllPassedPlay, BadInputLetsTheNextAttemptRun) {
    ResetAlertRecorder();
    Position p{kRamsch,
               -1,
               0,
               1,
               {Card(2, '7')},
               {},
               1,
               {Card(0, '7'), Card(0, '8'), Card(0, '9'), Card(0, 'K'), Card(3, '7'), Card(3, '8'),
                Card(3, 'K'), Card(3, 'A')}};
    PositionGame game(p);
    CountingPlayer& g = game.Game();
    g.SetSeatToAct(1);
    const double risks[5] = {2.0, 2.0, 3.0, 1.0, 1.0};
    const int indexes[5] = {-1, -1, -1, -1, -1};
    EXPECT_FALSE(g.DiscardByRisk(1, risks, indexes));
    EXPECT_FALSE(g.PlayBelowCard(1, 2, Card(2, '7')));
    EXPECT_FALSE(g.PlayBelowCard(1, kTrumpGroup, 0));
    EXPECT_FALSE(g.PlayEquivalentCard(1, 0));
    EXPECT_FALSE(g.PlayEquivalentCard(1, Card(2, 'A')));
    int index = 5;
    SchafkopfTrumpTable table;
    g.BuildTrumpTable(1, &table);
    EXPECT_EQ(table.count, 0);
    EXPECT_EQ(table.firstIndex, -1);
    EXPECT_EQ(g.RateGroupRisk(1, 9, &index, table), 0.0);
    EXPECT_EQ(index, -1);
    EXPECT_EQ(g.RateGroupRisk(1, kTrumpGroup, &index, table), 0.0);
    EXPECT_EQ(index, -1);
    EXPECT_EQ(g.CountHigherOut(1, 0), 0);
    EXPECT_EQ(g.CountDuckCards(1, -1), 0);
    EXPECT_FALSE(g.LeadTrumpIfSafe(1, false, table));
    EXPECT_EQ(g.trickCards[1], 0);
    // Without trumps the seat has no trump to lead and rates its trumps 0.0.
    g.trickCards[0] = 0;
    g.leader = 1;
    EXPECT_TRUE(g.LeadAllPassed(1));
    EXPECT_FALSE(g.IsTrump(g.trickCards[1]));
}

// --- the group risk of every plain-suit holding ---

// The risk of a plain-suit holding written from the rating's description: n cards, the rank
// steps (1 Seven .. 8 Ace) of the lowest and second-lowest card by the game's order.
double ExpectedRisk(int n, int low, int second) {
    switch (n) {
    case 0:
        return 0.0;
    case 1:
        return low <= 3 ? 1.0 : -1.0;
    case 2:
        if (low <= 2 || low == 3 || low == 6)
            return second < 7 ? 2.0 : 1.0;
        return 0.0;
    case 3:
        return second <= 3 ? 2.0 : (second < 7 ? 1.0 : 0.0);
    case 4:
        return low <= 2 ? 1.0 : 0.0;
    case 5:
        return low == 1 ? 1.0 : 0.0;
    case 6:
        return 0.0;
    default:
        return -1.0;
    }
}

TEST(AllPassedPlay, GroupRiskOfEveryPlainSuitHoldingInRamschAndBeg) {
    ResetAlertRecorder();
    for (GameTypeWord word : {kRamsch, kBeg}) {
        const skref::Game ref{1, word, false};
        // The Gras cards that are plain in the game, from the lowest up.
        std::vector<int> suit;
        for (int card : ref.Deck())
            if (ref.Group(card) == 2)
                suit.push_back(card);
        std::sort(suit.begin(), suit.end(),
                  [&](int a, int b) { return ref.Strength(a) < ref.Strength(b); });
        const int size = static_cast<int>(suit.size());
        for (int mask = 0; mask < (1 << size); ++mask) {
            std::vector<int> held;
            for (int i = 0; i < size; ++i)
                if (mask & (1 << i))
                    held.push_back(suit[i]);
            if (held.size() > 8)
                continue;
            std::vector<int> hand = held;
            for (int card : {Card(3, '7'), Card(3, '8'), Card(3, '9'), Card(3, 'K'), Card(3, 'T'),
                             Card(3, 'A'), Card(0, 'K'), Card(0, 'T')})
                if (hand.size() < 8)
                    hand.push_back(card);
            Position p{word, word == kBeg ? 0 : -1, 0, 1, {}, {}, 0, hand};
            PositionGame game(p);
            CountingPlayer& g = game.Game();
            g.SetSeatToAct(0);
            SchafkopfTrumpTable table;
            g.BuildTrumpTable(0, &table);
            int index = -2;
            const double risk = g.RateGroupRisk(0, 2, &index, table);
            const int n = static_cast<int>(held.size());
            const double expected =
                ExpectedRisk(n, n > 0 ? RankStepOf(held[0]) : 0, n > 1 ? RankStepOf(held[1]) : 0);
            SCOPED_TRACE(::testing::Message() << "word " << word << " mask " << mask);
            EXPECT_EQ(risk, expected);
            if (n == 0)
                EXPECT_EQ(index, -1);
            else
                // More than two cards out: the index is the lowest card of the suit.
                EXPECT_EQ(g.seats[0].hand[index],
                          size - n > 2 ? held[0]
                                       : (n == 2 && RankStepOf(held[0]) <= 2 ? held[1] : held[0]));
        }
    }
}

// --- the counts against brute force ---

TEST(AllPassedPlay, CountsOutAndDuckCardsEqualBruteForceOnRandomPositions) {
    ResetAlertRecorder();
    std::mt19937 random(5);
    int checked = 0;
    for (int deal = 0; deal < 300; ++deal) {
        const bool beg = deal % 2 == 1;
        playout::Setup s;
        s.seed = 1000u + static_cast<std::uint32_t>(deal);
        s.word = beg ? kBeg : kRamsch;
        s.declarer = beg ? deal % 4 : -1;
        s.leader = deal % 4;
        s.shortDeck = deal % 3 == 0;
        for (auto& seat : s.seats)
            seat = playout::RandomLegal();
        playout::Playout p(s);
        p.Start();
        playout::Result result;
        const int stop = static_cast<int>(random() % (s.shortDeck ? 24 : 32));
        for (int i = 0; i < stop && p.PlayNext(result); ++i) {
        }
        ASSERT_TRUE(result.failures.empty()) << result.failures.front();
        CountingPlayer& g = p.Game();
        if (g.trickNumber > g.GetCardsPerHand())
            continue;
        const int seat = p.SeatOnTurn();
        g.seatToMove = static_cast<std::int16_t>(seat);
        const skref::Game ref{1, s.word, s.shortDeck};
        auto out = [&](int card) {
            return !g.IsCardPlayed(card, false) && !g.IsCardInHand(seat, card);
        };
        for (int group = 0; group < 5; ++group) {
            std::vector<int> mine;
            for (int q = 0; q < kHandPlaces; ++q)
                if (IsCardCode(g.seats[seat].hand[q]) && ref.Group(g.seats[seat].hand[q]) == group)
                    mine.push_back(g.seats[seat].hand[q]);
            std::sort(mine.begin(), mine.end(),
                      [&](int a, int b) { return ref.Strength(a) < ref.Strength(b); });
            bool anyOut = false;
            for (int card : ref.Deck())
                anyOut = anyOut || (ref.Group(card) == group && out(card));
            int ducks = 0;
            for (std::size_t i = 0; i < mine.size(); ++i) {
                const int card = mine[i];
                int higher = 0;
                int lower = 0;
                for (int other : ref.Deck()) {
                    if (ref.Group(other) != group || !out(other))
                        continue;
                    higher += ref.Strength(other) > ref.Strength(card) ? 1 : 0;
                    lower += ref.Strength(other) < ref.Strength(card) ? 1 : 0;
                }
                SCOPED_TRACE(::testing::Message() << "deal " << deal << " card " << card);
                EXPECT_EQ(g.CountHigherOut(seat, card), higher);
                EXPECT_EQ(g.CountLowerOut(seat, card), lower);
                if (ducks == static_cast<int>(i) && higher > 0)
                    ++ducks;
                ++checked;
            }
            EXPECT_EQ(g.CountDuckCards(seat, group), anyOut ? ducks : 0)
                << "deal " << deal << " group " << group;
        }
    }
    EXPECT_GT(checked, 500);
}

// --- play-outs ---

struct Tally {
    int deals = 0;
    int fallbacks = 0;
    int computerCards = 0;
    std::vector<std::string> failures;
};

Tally PlayOutMany(GameTypeWord word, playout::AllPassed rule, int deals, std::uint32_t base) {
    Tally tally;
    const int profiles[] = {1, 3, 4, 6, 8, 9, 11, 13, 14, 16, 19, 21, 24};
    for (int d = 0; d < deals; ++d) {
        playout::Setup s;
        s.seed = base + static_cast<std::uint32_t>(d);
        s.word = word;
        s.allPassed = rule;
        s.declarer = (word & kModExchange) ? -1 : d % 4;
        s.leader = (d / 4) % 4;
        s.shortDeck = d % 5 == 2;
        for (int seat = 0; seat < 4; ++seat)
            s.seats[seat] = (d + seat) % 7 == 0
                                ? playout::RandomLegal()
                                : playout::Computer(profiles[(d * 3 + seat * 5) % 13]);
        const playout::Result r = playout::Play(s);
        ++tally.deals;
        tally.fallbacks += r.fallbacks;
        tally.computerCards += r.computerCards;
        for (const std::string& f : r.failures)
            if (tally.failures.size() < 10)
                tally.failures.push_back(f);
        if (!r.complete && r.failures.empty())
            tally.failures.push_back("incomplete deal " + std::to_string(s.seed));
    }
    return tally;
}

constexpr int kPlayoutDeals = 2000;

TEST(AllPassedPlay, PlayOutsOfRamschLeasterAndBegAreLegalCompleteAndNeverFallBack) {
    ResetAlertRecorder();
    const int deals = kPlayoutDeals;
    struct Game {
        const char* name;
        GameTypeWord word;
        playout::AllPassed rule;
    };
    const Game games[] = {{"Ramsch", kRamsch, playout::AllPassed::kRamsch},
                          {"Leaster", kRamsch, playout::AllPassed::kLeaster},
                          {"Beg", kBeg, playout::AllPassed::kRamsch}};
    std::uint32_t base = 70000;
    for (const Game& game : games) {
        SCOPED_TRACE(game.name);
        const Tally t = PlayOutMany(game.word, game.rule, deals, base);
        base += 10000;
        EXPECT_EQ(t.deals, deals);
        EXPECT_GT(t.computerCards, deals * 20);
        EXPECT_EQ(t.fallbacks, 0);
        for (const std::string& f : t.failures)
            ADD_FAILURE() << f;
    }
}

// --- strength on the same deals with one seat swapped ---

constexpr int kLevelFive = 27; // level 5, normal style

TEST(AllPassedPlay, ALevelFiveSeatBeatsARandomLegalSeatInRamschAndAsBegDeclarer) {
    ResetAlertRecorder();
    std::vector<double> ramsch;
    std::vector<double> beg;
    for (int d = 0; d < kPlayoutDeals; ++d) {
        playout::Setup s;
        s.seed = 90000u + static_cast<std::uint32_t>(d);
        s.leader = d % 4;
        // Ramsch: the card points of seat 0, a level-5 seat or a random-legal seat among three
        // random-legal seats.
        s.word = kRamsch;
        s.declarer = -1;
        for (auto& seat : s.seats)
            seat = playout::RandomLegal();
        s.seats[0] = playout::Computer(kLevelFive);
        const playout::Result computer = playout::Play(s);
        s.seats[0] = playout::RandomLegal();
        const playout::Result random = playout::Play(s);
        ASSERT_TRUE(computer.complete && random.complete);
        ramsch.push_back(computer.cardPoints[0] - random.cardPoints[0]);
        // Beg: the declarer wins without a trick; level-5 defenders against a level-5 or a
        // random-legal declarer.
        s.word = kBeg;
        s.declarer = d % 4;
        for (auto& seat : s.seats)
            seat = playout::Computer(kLevelFive);
        const playout::Result begComputer = playout::Play(s);
        s.seats[s.declarer] = playout::RandomLegal();
        const playout::Result begRandom = playout::Play(s);
        ASSERT_TRUE(begComputer.complete && begRandom.complete);
        beg.push_back((begComputer.tricksWon[s.declarer] == 0 ? 1.0 : 0.0) -
                      (begRandom.tricksWon[s.declarer] == 0 ? 1.0 : 0.0));
    }
    const playout::Interval points = playout::MeanInterval(ramsch);
    const playout::Interval wins = playout::MeanInterval(beg);
    std::printf("Ramsch card points, level 5 minus random-legal: %.2f +- %.2f\n", points.mean,
                points.half);
    std::printf("Beg declarer wins, level 5 minus random-legal: %.3f +- %.3f\n", wins.mean,
                wins.half);
    EXPECT_LT(points.mean + points.half, 0.0);
    EXPECT_GT(wins.mean - wins.half, 0.0);
}

} // namespace
