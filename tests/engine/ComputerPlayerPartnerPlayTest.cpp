#include <gtest/gtest.h>

#include <vector>

#include "engine/LineTestLevels.h"
#include "engine/NormalGameTest.h"
#include "engine/TestLevel.h"

namespace {

// Records the cards the contest question is asked about, the recursive questions included.
class RecordingLevel : public TestLevel {
  public:
    bool ShouldContestTrick(int card) override {
        asked.push_back(card);
        return TestLevel::ShouldContestTrick(card);
    }
    std::vector<int> asked;
};

class PartnerPlayTest : public NormalGameTestOf<RecordingLevel> {
  protected:
    void SetUp() override {
        NormalGameTestOf::SetUp();
        for (int seat = 0; seat < 4; ++seat)
            game.seats[seat].profile = 8;
    }
    void Trick(int first, const std::vector<int>& cards) {
        game.leader = static_cast<std::int16_t>(first);
        for (int i = 0; i < 4; ++i)
            game.trickCards[(first + i) % 4] =
                static_cast<std::int16_t>(i < static_cast<int>(cards.size()) ? cards[i] : 0);
        game.seatToMove = static_cast<std::int16_t>((first + cards.size()) % 4);
    }
};

constexpr int kHeartNine = 8 + 3;
constexpr int kHeartAce = 8 + 8;

} // namespace

TEST_F(PartnerPlayTest, DeclarerAndLeaderNeverPlayForAPartnerAndTheLastSeatNeverContests) {
    game.GiveHand(1, {kHeartNine, 29});
    Trick(0, {kHeartNine});
    game.moverPartners[0] = 3;
    game.declarer = 1;
    EXPECT_FALSE(game.ShouldPlayForPartner(kHeartNine, false));
    Trick(1, {});
    game.declarer = -1;
    EXPECT_FALSE(game.ShouldPlayForPartner(kHeartNine, false));
    EXPECT_TRUE(game.ShouldContestTrick(kHeartNine)); // the leader contests
    Trick(2, {kHeartNine, kHeartNine, kHeartAce});
    EXPECT_FALSE(game.ShouldContestTrick(kHeartAce));
}

TEST_F(PartnerPlayTest, AMasterCardAfterARuffIsNotLeftToAKnownPartner) {
    game.GiveHand(1, {kHeartAce, 29});
    Trick(0, {kHeartAce});
    AddToRankMask(&game.playedMasks[kRankAce], kSuitHerz);
    AddToRankMask(&game.playedMasks[kRankAce], kSuitHerz);
    game.moverPartners[0] = 3;
    EXPECT_FALSE(game.ShouldPlayForPartner(kHeartAce, true));
}

TEST_F(PartnerPlayTest, ThirdSeatDoesNotContestWhileItsPartnerStillPlays) {
    game.GiveHand(2, {kHeartAce, 29});
    Trick(0, {kHeartNine, 8 + 6});
    game.moverPartners[0] = 3;
    EXPECT_FALSE(game.ShouldContestTrick(kHeartNine));
}

TEST_F(PartnerPlayTest, TheTrumpInTheTrickIsAskedAboutNotTheLedCard) {
    game.GiveHand(2, {kHeartAce, 29});
    Trick(0, {kHeartNine, 3}); // Hearts led, trumped with the Diamond Nine
    game.asked.clear();
    game.ShouldContestTrick(kHeartNine);
    ASSERT_EQ(game.asked.size(), 2u);
    EXPECT_EQ(game.asked[1], 3);
}

namespace {

constexpr int kT = 4; // the trump group
constexpr int kG = 2; // Gras (Spades)

// A position worked out by hand: who leads, the cards in the trick (already counted as
// played, as PlayCard does), the mover's partners and opponents, estimates and cards played
// in earlier tricks.
struct Position {
    int leader = 0;
    std::vector<int> trick;
    std::vector<int> partners;
    std::vector<int> opponents;
    std::vector<int> moverHand = {3, 11}; // the Diamond Nine and the Heart Nine
    std::vector<int> playedBefore;
    struct Estimate {
        int seat, group, value;
    };
    std::vector<Estimate> estimates;
    std::vector<Estimate> ceilings; // value: the card
    int declarer = -1;
    GameTypeWord word = kWordNormal;
    int profile = 8; // style 3
    bool moverDeclaring = false;
    int trickNumber = 3;
};

class PartnerPositionTest : public PartnerPlayTest {
  protected:
    void Set(const Position& p) {
        SetUp();
        game.gameType = {0, p.word};
        game.declarer = static_cast<std::int16_t>(p.declarer);
        game.trickNumber = static_cast<std::int16_t>(p.trickNumber);
        Trick(p.leader, p.trick);
        const int mover = game.seatToMove;
        game.GiveHand(mover, p.moverHand);
        game.seats[mover].profile = static_cast<std::int16_t>(p.profile);
        game.seats[mover].inDeclarerParty = p.moverDeclaring ? 1 : 0;
        for (int card : p.trick)
            Played(card);
        for (int card : p.playedBefore)
            Played(card);
        for (int i = 0; i < 2; ++i)
            game.moverPartners[i] = static_cast<std::int16_t>(
                i < static_cast<int>(p.partners.size()) ? p.partners[i] : -1);
        for (int i = 0; i < 3; ++i)
            game.moverOpponents[i] = static_cast<std::int16_t>(
                i < static_cast<int>(p.opponents.size()) ? p.opponents[i] : -1);
        game.moverOpponentCount = static_cast<std::int16_t>(p.opponents.size());
        for (const auto& e : p.estimates)
            game.seatEstimates[e.seat].voidEstimate[e.group] = static_cast<std::int16_t>(e.value);
        for (const auto& e : p.ceilings)
            game.seatEstimates[e.seat].ceilingCard[e.group] = static_cast<std::int16_t>(e.value);
    }
    void Played(int card) { AddToRankMask(&game.playedMasks[card % 8], (card - 1) / 8); }
    void Announce(int seat, int kind) {
        game.announcements[game.announcementCount++] = {static_cast<std::int16_t>(kind),
                                                        static_cast<std::int16_t>(seat), 0, 0, 1};
    }
};

// Cards: Gras 9 19, King 22, Ten 23, Ace 24; Diamond 9 3, King 6, Ten 7, Ace 8, Jack 4;
// Heart Jack 12, Heart Ten 15; Queens 5, 13, 21, 29.

} // namespace

// The declarer (seat 0) led; seat 1 sits right after it with both partners to play.
TEST_F(PartnerPositionTest, SecondSeatAfterTheDeclarerWithBothPartnersKnown) {
    struct Case {
        const char* what;
        int led;
        std::vector<int> playedBefore;
        std::vector<Position::Estimate> estimates;
        std::vector<Position::Estimate> ceilings;
        bool expected;
    };
    const std::vector<Position::Estimate> noAce = {{2, kG, 22}, {3, kG, 22}};
    const Case cases[] = {
        {"one card above, first partner void in it and holding trumps",
         23,
         {24},
         {{2, kG, 80}},
         noAce,
         true},
        {"the second partner decides when the first does not",
         23,
         {24},
         {{3, kG, 80}},
         noAce,
         true},
        {"a partner likely void in trumps is no help",
         23,
         {24},
         {{2, kG, 80}, {2, kT, 30}},
         noAce,
         false},
        {"neither partner void in the suit", 23, {24}, {}, noAce, false},
        {"a partner may hold the Ace: the declarer's rich Ten is not left",
         23,
         {24},
         {{2, kG, 80}},
         {},
         false},
        {"a partner may hold the Ace: a poor King goes to the void chances",
         22,
         {24, 23, 23},
         {},
         {},
         true},
        {"two above and both partners likely holding the suit", 23, {}, {}, {}, true},
        {"two above, the partners' product of void chances 25",
         23,
         {},
         {{2, kG, 50}, {3, kG, 50}},
         {},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Position p;
        p.declarer = 0;
        p.trick = {c.led};
        p.partners = {2, 3};
        p.opponents = {0};
        p.moverHand = {3, 19};
        p.playedBefore = c.playedBefore;
        p.estimates = c.estimates;
        p.ceilings = c.ceilings;
        Set(p);
        EXPECT_EQ(game.ShouldPlayForPartner(c.led, false), c.expected);
    }
}

TEST_F(PartnerPositionTest, SecondSeatAfterTheDeclarerWithAMasterCardOrATrump) {
    Position p;
    p.declarer = 0;
    p.partners = {2, 3};
    p.opponents = {0};
    p.moverHand = {3, 11};
    // The master Gras Ace with every other Gras card gone.
    p.trick = {24};
    p.playedBefore = {24, 19, 19, 22, 22, 23, 23};
    Set(p);
    EXPECT_FALSE(game.ShouldPlayForPartner(24, false)); // profile 8: not above 15
    p.word = kWordSuitSolo;
    Set(p);
    EXPECT_FALSE(game.ShouldPlayForPartner(24, false)); // nor in a solo
    p.word = kWordNormal;
    p.profile = 18;
    Set(p);
    EXPECT_FALSE(game.ShouldPlayForPartner(24, false)); // the normal game
    p.word = kWordSuitSolo;
    Set(p);
    EXPECT_TRUE(game.ShouldPlayForPartner(24, false)); // the partners may still trump
    p.estimates = {{2, kT, 100}, {3, kT, 100}};
    Set(p);
    EXPECT_FALSE(game.ShouldPlayForPartner(24, false));
    // The Ace with its twin still out is no master: the solo rule does not apply.
    p.estimates = {};
    p.playedBefore = {19, 19, 22, 22, 23, 23};
    Set(p);
    EXPECT_TRUE(game.ShouldPlayForPartner(24, false));

    // A trump in trick 2 after the declarer led and won trick 1 with a trump.
    Position t;
    t.declarer = 0;
    t.partners = {2, 3};
    t.opponents = {0};
    t.trick = {4};
    t.trickNumber = 2;
    Set(t);
    game.tricks[0].leader = 0;
    game.tricks[0].winner = 0;
    game.tricks[0].cards[0] = 29;
    EXPECT_FALSE(game.ShouldPlayForPartner(4, false));
    game.trickNumber = 3;
    EXPECT_TRUE(game.ShouldPlayForPartner(4, false));
}

// Seat 1 is second with its partner, seat 2, right after it; seat 3 plays last.
TEST_F(PartnerPositionTest, SecondSeatWithThePartnerRightAfterIt) {
    struct Case {
        int lastSuit, partnerSuit, partnerTrumps;
        bool expected;
    };
    const Case cases[] = {
        {0, 80, 0, true},
        {0, 75, 0, false},  // 75 is not above the style's 75
        {20, 80, 0, false}, // the last seat may not hold Gras
        {0, 80, 20, false}, // the partner may not hold a trump
    };
    for (const Case& c : cases) {
        Position p;
        p.trick = {22};
        p.partners = {2};
        p.opponents = {0, 3};
        p.estimates = {{3, kG, c.lastSuit}, {2, kG, c.partnerSuit}, {2, kT, c.partnerTrumps}};
        Set(p);
        EXPECT_EQ(game.ShouldPlayForPartner(22, false), c.expected)
            << c.lastSuit << " " << c.partnerSuit << " " << c.partnerTrumps;
    }
}

// Seat 1 is second, seat 2 (an opponent) next, the partner seat 3 last.
TEST_F(PartnerPositionTest, SecondSeatWithThePartnerLast) {
    struct Case {
        const char* what;
        int led;
        std::vector<Position::Estimate> estimates;
        std::vector<Position::Estimate> ceilings;
        bool announced;
        GameTypeWord word;
        bool declaring;
        bool expected;
    };
    const Case cases[] = {
        {"a trump: the partner's top trump above the next seat's",
         4,
         {},
         {{2, kT, 12}},
         false,
         kWordNormal,
         false,
         true},
        {"a trump: the next seat's top trump is higher",
         4,
         {},
         {{3, kT, 12}},
         false,
         kWordNormal,
         false,
         false},
        {"a trump: the partner may hold none",
         4,
         {{3, kT, 15}},
         {{2, kT, 12}},
         false,
         kWordNormal,
         false,
         false},
        {"the top trump is master", 15, {}, {{2, kT, 12}}, false, kWordNormal, false, false},
        {"Gras: the next seat follows and has no trump",
         22,
         {{3, kG, 80}, {2, kT, 50}},
         {},
         false,
         kWordNormal,
         false,
         true},
        {"Gras: the partner may still follow",
         22,
         {{3, kG, 75}, {2, kT, 50}},
         {},
         false,
         kWordNormal,
         false,
         false},
        {"Gras: the partner may have no trump",
         22,
         {{3, kG, 80}, {3, kT, 15}, {2, kT, 50}},
         {},
         false,
         kWordNormal,
         false,
         false},
        {"Gras: the partner's top trump beats the next seat's",
         22,
         {{3, kG, 80}},
         {{2, kT, 12}},
         false,
         kWordNormal,
         false,
         true},
        {"Gras: the next seat's top trump is higher",
         22,
         {{3, kG, 80}},
         {{3, kT, 12}},
         false,
         kWordNormal,
         false,
         false},
        {"Gras: the partner has announced",
         22,
         {{3, kG, 80}},
         {{3, kT, 12}},
         true,
         kWordNormal,
         false,
         true},
        {"Gras in the marriage, the mover declaring",
         22,
         {{3, kG, 80}},
         {{3, kT, 12}},
         false,
         kWordMarriage,
         true,
         true},
        {"Gras in the marriage, the mover defending",
         22,
         {{3, kG, 80}},
         {{3, kT, 12}},
         false,
         kWordMarriage,
         false,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Position p;
        p.trick = {c.led};
        p.partners = {3};
        p.opponents = {0, 2};
        p.estimates = c.estimates;
        p.ceilings = c.ceilings;
        p.word = c.word;
        p.moverDeclaring = c.declaring;
        Set(p);
        if (c.announced)
            Announce(3, 0);
        EXPECT_EQ(game.ShouldPlayForPartner(c.led, false), c.expected);
    }
}

// Seat 2 is third, its partner seat 3 plays last.
TEST_F(PartnerPositionTest, ThirdSeatBeforeItsPartner) {
    struct Case {
        const char* what;
        std::vector<int> trick;
        int asked;
        bool trumped;
        std::vector<int> playedBefore;
        std::vector<Position::Estimate> estimates;
        GameTypeWord word;
        int declarer;
        bool declaring;
        bool expected;
    };
    const std::vector<int> allGras = {19, 22, 22, 23, 23, 24};
    const Case cases[] = {
        {"a master Ace, the partner may still follow",
         {24, 19},
         24,
         false,
         {24},
         {},
         kWordNormal,
         -1,
         false,
         false},
        {"a master Ace, the partner void but likely without trumps",
         {24, 19},
         24,
         false,
         {24},
         {{3, kG, 80}, {3, kT, 40}},
         kWordNormal,
         -1,
         false,
         false},
        {"a master Ace, the partner void and may trump",
         {24, 19},
         24,
         false,
         {24},
         {{3, kG, 80}},
         kWordNormal,
         -1,
         false,
         true},
        {"a master Ace, the suit gone, the partner may trump",
         {24, 19},
         24,
         false,
         allGras,
         {},
         kWordNormal,
         -1,
         false,
         true},
        {"a master Ace, the suit gone, the partner likely without trumps",
         {24, 19},
         24,
         false,
         allGras,
         {{3, kT, 70}},
         kWordNormal,
         -1,
         false,
         false},
        {"the King, the partner follows",
         {22, 19},
         22,
         false,
         {},
         {},
         kWordNormal,
         -1,
         false,
         true},
        {"the King trumped by the second seat",
         {22, 4},
         22,
         false,
         {},
         {},
         kWordNormal,
         -1,
         false,
         false},
        {"the King, the partner void and may trump",
         {22, 19},
         22,
         false,
         {},
         {{3, kG, 30}},
         kWordNormal,
         -1,
         false,
         true},
        {"the King, the partner void and likely without trumps",
         {22, 19},
         22,
         false,
         {},
         {{3, kG, 30}, {3, kT, 60}},
         kWordNormal,
         -1,
         false,
         false},
        {"the declarer's rich Ten in a solo with one Ace out",
         {23, 19},
         23,
         false,
         {24},
         {},
         kWordSuitSolo,
         0,
         false,
         false},
        {"the same Ten outside a solo",
         {23, 19},
         23,
         false,
         {24},
         {},
         kWordNormal,
         -1,
         false,
         true},
        {"a rich trump trick", {8, 7}, 8, false, {}, {}, kWordNormal, -1, false, true},
        {"a poor trump trick", {6, 3}, 6, false, {}, {}, kWordNormal, -1, false, false},
        {"three trumps above, defending",
         {21, 8},
         21,
         false,
         {15},
         {},
         kWordNormal,
         -1,
         false,
         false},
        {"three trumps above, declaring",
         {21, 8},
         21,
         false,
         {15},
         {},
         kWordNormal,
         -1,
         true,
         true},
        {"a trump the partner cannot follow",
         {21, 8},
         21,
         false,
         {15},
         {{3, kT, 100}},
         kWordNormal,
         -1,
         true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Position p;
        p.trick = c.trick;
        p.partners = {3};
        p.opponents = c.declarer == 0 ? std::vector<int>{0} : std::vector<int>{0, 1};
        p.playedBefore = c.playedBefore;
        p.estimates = c.estimates;
        p.word = c.word;
        p.declarer = c.declarer;
        p.moverDeclaring = c.declaring;
        Set(p);
        EXPECT_EQ(game.ShouldPlayForPartner(c.asked, c.trumped), c.expected);
    }
}

// Seat 1 is second after seat 0's lead.
TEST_F(PartnerPositionTest, SecondSeatContests) {
    struct Case {
        const char* what;
        Position p;
        bool expected;
    };
    const std::vector<int> allGras = {19, 19, 22, 22, 23, 23, 24};
    auto with = [](auto change) {
        Position p;
        p.trick = {22};
        p.opponents = {0, 2, 3};
        change(p);
        return p;
    };
    const Case cases[] = {
        {"the declarer while the marriage is open", with([](Position& p) {
             p.declarer = 1;
             p.word = kWordMarriage;
         }),
         false},
        {"the declarer of a normal game", with([](Position& p) { p.declarer = 1; }), true},
        {"two partners after the declarer, a strong seat", with([](Position& p) {
             p.declarer = 0;
             p.partners = {2, 3};
             p.opponents = {0};
             p.profile = 18;
         }),
         false},
        {"two partners after the declarer, a weaker seat", with([](Position& p) {
             p.declarer = 0;
             p.partners = {2, 3};
             p.opponents = {0};
         }),
         true},
        {"the partner led the master trump", with([](Position& p) {
             p.trick = {15};
             p.partners = {0};
             p.opponents = {2, 3};
         }),
         false},
        {"the partner led a trump that can be beaten", with([](Position& p) {
             p.trick = {4};
             p.partners = {0};
             p.opponents = {2, 3};
         }),
         true},
        {"the partner's master Ace, an opponent after may trump", with([](Position& p) {
             p.trick = {24};
             p.playedBefore = {24};
             p.partners = {0};
             p.opponents = {2, 3};
             p.estimates = {{3, kG, 40}};
         }),
         true},
        {"the partner's master Ace, the opponents likely follow", with([](Position& p) {
             p.trick = {24};
             p.playedBefore = {24};
             p.partners = {0};
             p.opponents = {2, 3};
         }),
         false},
        {"the partner's master Ace, the suit gone, a weaker seat", with([&](Position& p) {
             p.trick = {24};
             p.playedBefore = allGras;
             p.partners = {0};
             p.opponents = {2, 3};
         }),
         false},
        {"the partner's master Ace, the suit gone, a strong seat", with([&](Position& p) {
             p.trick = {24};
             p.playedBefore = allGras;
             p.partners = {0};
             p.opponents = {2, 3};
             p.profile = 18;
         }),
         true},
        {"the suit gone, a strong seat, the opponents likely without trumps",
         with([&](Position& p) {
             p.trick = {24};
             p.playedBefore = allGras;
             p.partners = {0};
             p.opponents = {2, 3};
             p.profile = 18;
             p.estimates = {{2, kT, 35}, {3, kT, 35}};
         }),
         false},
        {"the partner right after, void in the suit, the last seat following",
         with([](Position& p) {
             p.partners = {2};
             p.opponents = {0, 3};
             p.estimates = {{2, kG, 85}};
         }),
         false},
        {"the partner plays last, void in the suit", with([](Position& p) {
             p.partners = {3};
             p.opponents = {0, 2};
             p.estimates = {{3, kG, 85}};
         }),
         true},
        {"the partner right after may still follow", with([](Position& p) {
             p.partners = {2};
             p.opponents = {0, 3};
             p.estimates = {{2, kG, 80}};
         }),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Set(c.p);
        EXPECT_EQ(game.ShouldContestTrick(c.p.trick[0]), c.expected);
    }
}

// Seat 2 is third after seat 0's lead and seat 1's card; seat 3 plays last.
TEST_F(PartnerPositionTest, ThirdSeatContests) {
    struct Case {
        const char* what;
        Position p;
        int asked;
        bool expected;
    };
    const std::vector<int> allGras = {19, 22, 22, 23, 23, 24};
    auto with = [](std::vector<int> trick, auto change) {
        Position p;
        p.trick = std::move(trick);
        p.opponents = {0, 1, 3};
        change(p);
        return p;
    };
    auto none = [](Position&) {};
    const Case cases[] = {
        {"a master Ace of an opponent's lead",
         with({24, 19}, [](Position& p) { p.playedBefore = {24}; }), 24, true},
        {"the last seat void, may trump",
         with({22, 19},
              [](Position& p) {
                  p.estimates = {{3, kG, 30}};
              }),
         22, true},
        {"the last seat void and likely without trumps",
         with({22, 19},
              [](Position& p) {
                  p.estimates = {{3, kG, 30}, {3, kT, 60}};
              }),
         22, false},
        {"a trump the last seat may not follow",
         with({6, 3},
              [](Position& p) {
                  p.estimates = {{3, kT, 30}};
              }),
         6, false},
        {"a poor trump trick", with({6, 3}, none), 6, true},
        {"a rich trump trick, two above, defending",
         with({21, 8},
              [](Position& p) {
                  p.playedBefore = {15, 15};
              }),
         21, true},
        {"a rich trump trick, two above, declaring",
         with({21, 8},
              [](Position& p) {
                  p.playedBefore = {15, 15};
                  p.moverDeclaring = true;
              }),
         21, false},
        {"a plain lead, suit cards still out", with({22, 19}, none), 22, true},
        {"a plain lead trumped, the last seat may follow trumps", with({22, 4}, none), 22, true},
        {"a plain lead trumped, the last seat may lack trumps",
         with({22, 4},
              [](Position& p) {
                  p.estimates = {{3, kT, 30}};
              }),
         22, false},
        {"the suit gone: the King is master",
         with({22, 19},
              [](Position& p) {
                  p.playedBefore = {19, 22, 23, 23, 24, 24};
                  p.estimates = {{3, kT, 30}};
              }),
         22, true},
        {"the partner's master Ace, suit cards out",
         with({24, 19},
              [](Position& p) {
                  p.playedBefore = {24};
                  p.partners = {0};
                  p.opponents = {1, 3};
              }),
         24, false},
        {"the partner's master Ace, the suit gone",
         with({24, 19},
              [&](Position& p) {
                  p.playedBefore = allGras;
                  p.partners = {0};
                  p.opponents = {1, 3};
              }),
         24, true},
        {"the partner trumped the master Ace: the Ace is asked about",
         with({24, 29},
              [](Position& p) {
                  p.playedBefore = {24};
                  p.partners = {1};
                  p.opponents = {0, 3};
              }),
         29, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Set(c.p);
        EXPECT_EQ(game.ShouldContestTrick(c.asked), c.expected);
    }
}

// Seat 2 is third before its partner, seat 3, late in the deal and in a solo.
TEST_F(PartnerPositionTest, ThirdSeatLateInTheDealAndInASolo) {
    struct Case {
        const char* what;
        int trickNumber;
        int profile;
        GameTypeWord word;
        std::vector<int> trick;
        std::vector<int> playedBefore;
        std::vector<Position::Estimate> estimates;
        bool expected;
    };
    const Case cases[] = {
        // A master Ace with Gras still out; the partner's void chance 60 % (style 3: 50 late,
        // 75 before), so it may trump the Ace only late.
        {"early, the partner may hold Gras",
         3,
         8,
         kWordNormal,
         {24, 19},
         {24},
         {{3, kG, 60}},
         false},
        {"three tricks left, the partner likely void",
         10,
         8,
         kWordNormal,
         {24, 19},
         {24},
         {{3, kG, 60}},
         true},
        {"three tricks left, exactly at the style's 50",
         10,
         8,
         kWordNormal,
         {24, 19},
         {24},
         {{3, kG, 50}},
         true},
        {"three tricks left, style 4 at its 57",
         10,
         9,
         kWordNormal,
         {24, 19},
         {24},
         {{3, kG, 57}},
         true},
        {"three tricks left, style 4 below its 57",
         10,
         9,
         kWordNormal,
         {24, 19},
         {24},
         {{3, kG, 56}},
         false},
        // The soloist (seat 0) led the Gras King: four cards above it, two of them rich.
        {"a solo, a weak seat", 3, 3, kWordSuitSolo, {22, 19}, {}, {}, true},
        {"a solo, the soloist may still hold trumps", 3, 8, kWordSuitSolo, {22, 19}, {}, {}, true},
        {"a solo, the soloist void in trumps, nine tricks to go",
         3,
         8,
         kWordSuitSolo,
         {22, 19},
         {},
         {{0, kT, 100}},
         false},
        {"a solo, the soloist void in trumps, two tricks to go",
         10,
         8,
         kWordSuitSolo,
         {22, 19},
         {},
         {{0, kT, 100}},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Position p;
        p.trick = c.trick;
        p.partners = {3};
        p.opponents = {0};
        p.trickNumber = c.trickNumber;
        p.profile = c.profile;
        p.word = c.word;
        p.declarer = c.word == kWordSuitSolo ? 0 : -1;
        if (p.declarer == -1)
            p.opponents = {0, 1};
        p.playedBefore = c.playedBefore;
        p.estimates = c.estimates;
        Set(p);
        EXPECT_EQ(game.ShouldPlayForPartner(c.trick[0], false), c.expected);
    }
}

// --- Branch by branch on every line: the four-seat base line (two copies), the Schafkopf
// line (one copy, kind 2) and the three-seat Skat line (kind 0, every game a solo). Expected
// answers are worked out from the rules of the decision, not from running it.

namespace {

// The Skat line's bid value for the bid rules.
template <class Level> class BidLevel : public Level {
  public:
    int GetDeclarerBidValue() override { return bid; }
    int bid = 0;
};

struct Spot {
    int trumpSuit = 0;
    GameTypeWord word = kWordNormal;
    int leader = 0;
    std::vector<int> trick;
    std::vector<int> moverHand = {3, 11};
    std::vector<int> nextHand; // only where the next seat's real holding is read
    std::vector<int> partners;
    std::vector<int> opponents;
    std::vector<int> partyLists;
    int declarer = -1;
    int profile = 8; // style 3
    bool moverDeclaring = false;
    int trickNumber = 3;
    int marriageTrick = 1;
    std::vector<int> playedBefore;
    std::vector<Position::Estimate> estimates;
    std::vector<Position::Estimate> ceilings;
    std::vector<TrickRecord> pastTricks;
    std::vector<std::pair<int, int>> announcements; // seat, kind (unmarked)
    int moverPlayedTrumps = 0;
    int nextPlayedTrumps = 0;
    int nextTrumpCount = -1; // known through the hand places, with the next seat's top trump
    int nextTopTrump = 0;
    int bid = 0;
};

template <class Level> void Place(Level& game, const Spot& s) {
    game.NewDeal(false);
    game.gameType = {s.trumpSuit, s.word};
    game.declarer = static_cast<std::int16_t>(s.declarer);
    game.trickNumber = static_cast<std::int16_t>(s.trickNumber);
    game.marriageTrick = static_cast<std::int16_t>(s.marriageTrick);
    game.leader = static_cast<std::int16_t>(s.leader);
    const int seats = game.GetSeatCount();
    for (int i = 0; i < 4; ++i)
        game.trickCards[i] = 0;
    int seat = s.leader;
    for (int card : s.trick) {
        game.trickCards[seat] = static_cast<std::int16_t>(card);
        seat = game.NextSeat(seat);
    }
    game.seatToMove = static_cast<std::int16_t>(seat);
    for (int other = 0; other < seats; ++other)
        game.seats[other].profile = 8;
    const int mover = seat;
    const int next = game.NextSeat(mover);
    game.GiveHand(mover, s.moverHand);
    if (!s.nextHand.empty())
        game.GiveHand(next, s.nextHand);
    game.seats[mover].profile = static_cast<std::int16_t>(s.profile);
    game.seats[mover].inDeclarerParty = s.moverDeclaring ? 1 : 0;
    for (int card : s.trick)
        AddToRankMask(&game.playedMasks[RankCodeOf(card)], SuitOf(card));
    for (int card : s.playedBefore)
        AddToRankMask(&game.playedMasks[RankCodeOf(card)], SuitOf(card));
    for (int i = 0; i < 2; ++i)
        game.moverPartners[i] =
            static_cast<std::int16_t>(i < static_cast<int>(s.partners.size()) ? s.partners[i] : -1);
    for (int i = 0; i < 3; ++i)
        game.moverOpponents[i] = static_cast<std::int16_t>(
            i < static_cast<int>(s.opponents.size()) ? s.opponents[i] : -1);
    game.moverOpponentCount = static_cast<std::int16_t>(s.opponents.size());
    for (int i = 0; i < 4; ++i)
        game.partyLists[i] = static_cast<std::int16_t>(
            i < static_cast<int>(s.partyLists.size()) ? s.partyLists[i] : -1);
    for (const auto& e : s.estimates)
        game.seatEstimates[e.seat].voidEstimate[e.group] = static_cast<std::int16_t>(e.value);
    for (const auto& e : s.ceilings)
        game.seatEstimates[e.seat].ceilingCard[e.group] = static_cast<std::int16_t>(e.value);
    for (std::size_t t = 0; t < s.pastTricks.size(); ++t)
        game.tricks[t] = s.pastTricks[t];
    for (const auto& [who, kind] : s.announcements)
        game.announcements[game.announcementCount++] = {static_cast<std::int16_t>(kind),
                                                        static_cast<std::int16_t>(who), 0, 0, 1};
    game.playedCounts[mover][kTrumpGroup] = static_cast<std::int16_t>(s.moverPlayedTrumps);
    game.playedCounts[next][kTrumpGroup] = static_cast<std::int16_t>(s.nextPlayedTrumps);
    if (s.nextTrumpCount >= 0) {
        game.watchPlaces = 1;
        game.placeRecords[next].exactSize[kTrumpGroup] =
            static_cast<std::int16_t>(s.nextTrumpCount);
        game.placeRecords[next].topCard[kTrumpGroup] = static_cast<std::int16_t>(s.nextTopTrump);
    }
    if constexpr (requires { game.bid; })
        game.bid = s.bid;
}

struct SpotCase {
    const char* what;
    Spot spot;
    int asked; // the card asked about (0: the first card of the trick)
    bool trumped;
    bool expected;
};

template <class Level> void ExpectPlayForPartner(const std::vector<SpotCase>& cases) {
    for (const SpotCase& c : cases) {
        SCOPED_TRACE(c.what);
        Level game;
        Place(game, c.spot);
        const int card = c.asked != 0 ? c.asked : c.spot.trick.at(0);
        EXPECT_EQ(game.ShouldPlayForPartner(card, c.trumped), c.expected);
    }
}

template <class Level> void ExpectContest(const std::vector<SpotCase>& cases) {
    for (const SpotCase& c : cases) {
        SCOPED_TRACE(c.what);
        Level game;
        Place(game, c.spot);
        const int card = c.asked != 0 ? c.asked : c.spot.trick.at(0);
        EXPECT_EQ(game.ShouldContestTrick(card), c.expected);
    }
}

template <class Change> Spot With(Spot base, Change change) {
    change(base);
    return base;
}

// Every trump of the four-seat normal game and suit solo with Schellen trump, both copies:
// the Schellen Nine, King, Ten, Ace, the Unters, the Obers and the Heart Ten.
std::vector<int> AllFourSeatTrumps() {
    std::vector<int> cards;
    for (int card : {3, 6, 7, 8, 4, 12, 20, 28, 5, 13, 21, 29, 15}) {
        cards.push_back(card);
        cards.push_back(card);
    }
    return cards;
}

} // namespace

// Seat 1 is second after seat 0's lead on the four-seat line.
TEST(PartnerPlayBranches, SecondSeatOnTheFourSeatLine) {
    // The partner (seat 3) plays last and has announced: it is left the Gras King.
    const Spot partnerLast = [] {
        Spot s;
        s.trick = {22};
        s.partners = {3};
        s.opponents = {0, 2};
        s.estimates = {{3, kG, 80}};
        s.ceilings = {{3, kT, 12}};
        s.announcements = {{3, 0}};
        return s;
    }();
    // The declarer (seat 0) led the Gras Ten; one Ace is gone, a partner may hold the other.
    const Spot richTen = [] {
        Spot s;
        s.declarer = 0;
        s.trick = {23};
        s.partners = {2, 3};
        s.opponents = {0};
        s.moverHand = {3, 19};
        s.playedBefore = {24};
        s.estimates = {{2, kG, 80}};
        return s;
    }();
    // Both partners after the declarer, the declarer's Gras King, nothing known.
    const Spot afterDeclarer = [] {
        Spot s;
        s.declarer = 0;
        s.trick = {23};
        s.partners = {2, 3};
        s.opponents = {0};
        s.moverHand = {3, 19};
        s.playedBefore = {24};
        s.ceilings = {{2, kG, 22}, {3, kG, 22}};
        return s;
    }();
    ExpectPlayForPartner<TestLevel>({
        {"the partner has announced", partnerLast, 0, false, true},
        {"the marriage's declarer never leaves the trick to its partner",
         With(partnerLast,
              [](Spot& s) {
                  s.word = kWordMarriage;
                  s.declarer = 1;
              }),
         0, false, false},
        // Seat 3 declares; the mover's partners 2 and 0. Not right after the declarer: the
        // partner right after it (seat 2) is likely void in Gras and holds trumps.
        {"two partners, the mover not after the declarer",
         With(partnerLast,
              [](Spot& s) {
                  s.declarer = 3;
                  s.partners = {2, 0};
                  s.opponents = {3};
                  s.ceilings = {};
                  s.announcements = {};
                  s.estimates = {{2, kG, 80}, {0, kG, 50}};
              }),
         0, false, true},
        {"after the declarer, the first partner's trump estimate at the style's 20",
         With(afterDeclarer,
              [](Spot& s) {
                  s.estimates = {{2, kG, 80}, {2, kT, 20}};
              }),
         0, false, false},
        {"after the declarer, the first partner's trump estimate 19",
         With(afterDeclarer,
              [](Spot& s) {
                  s.estimates = {{2, kG, 80}, {2, kT, 19}};
              }),
         0, false, true},
        {"after the declarer, the second partner's trump estimate at 20",
         With(afterDeclarer,
              [](Spot& s) {
                  s.estimates = {{3, kG, 80}, {3, kT, 20}};
              }),
         0, false, false},
        // Two Aces out: the partners' void chances multiplied, against 20.
        {"two above, the partners' product exactly 20",
         With(afterDeclarer,
              [](Spot& s) {
                  s.playedBefore = {};
                  s.estimates = {{2, kG, 40}, {3, kG, 50}};
              }),
         0, false, false},
        {"two above, the partners' product 19",
         With(afterDeclarer,
              [](Spot& s) {
                  s.playedBefore = {};
                  s.estimates = {{2, kG, 38}, {3, kG, 50}};
              }),
         0, false, true},
        // A trump: the partners' top trump estimated as the other Ober of Eichel is no card
        // above it, and a partner likely void in trumps cannot hold trumps.
        {"the declarer's Ober of Eichel, the partners' top trump its twin",
         With(afterDeclarer,
              [](Spot& s) {
                  s.trick = {29};
                  s.playedBefore = {15};
                  s.ceilings = {{2, kT, 29}, {3, kT, 29}};
              }),
         0, false, false},
        {"the marriage, a declaring seat of style 1",
         With(partnerLast,
              [](Spot& s) {
                  s.word = kWordMarriage;
                  s.announcements = {};
                  s.moverDeclaring = true;
                  s.profile = 6;
              }),
         0, false, true},
        {"the marriage, a declaring seat of style 4",
         With(partnerLast,
              [](Spot& s) {
                  s.word = kWordMarriage;
                  s.announcements = {};
                  s.moverDeclaring = true;
                  s.profile = 9;
                  s.estimates = {{3, kG, 85}};
              }),
         0, false, false},
        {"the declarer's rich Ten in trick 3", richTen, 0, false, false},
        {"the declarer's rich Ten in the endgame's trick 9",
         With(richTen, [](Spot& s) { s.trickNumber = 9; }), 0, false, false},
        {"the declarer's rich Ten after trick 9",
         With(richTen, [](Spot& s) { s.trickNumber = 10; }), 0, false, true},
        {"the declarer's rich Ten with 3 Gras out",
         With(richTen,
              [](Spot& s) {
                  s.playedBefore = {24, 22, 22};
              }),
         0, false, false},
        {"the declarer's rich Ten with 2 Gras out",
         With(richTen,
              [](Spot& s) {
                  s.playedBefore = {24, 22, 22, 19};
              }),
         0, false, true},
    });
}

// The master Gras Ace right after the declarer with both partners to play: left to them only
// by a strong seat in the solos the rule lists, with fewer than 2 Gras cards out.
TEST(PartnerPlayBranches, MasterCardAfterTheDeclarerByGameKind) {
    Spot s;
    s.declarer = 0;
    s.trick = {24};
    s.partners = {2, 3};
    s.opponents = {0};
    s.profile = 18;
    s.playedBefore = {19, 19, 20, 20, 21, 21, 22, 22, 23, 23, 24}; // every other Gras card
    const GameTypeWord listed[] = {kWordPureSuitSolo, kWordSuitSolo,     kWordSuitUnter,
                                   kWordSuitOber,     kWordUnterKing,    kWordOberUnter,
                                   kWordUnterOber,    kWordOberUnterKing};
    const GameTypeWord others[] = {kWordNormal, kWordUnterSolo, kWordOberSolo, kWordKingSolo};
    std::vector<SpotCase> cases;
    for (GameTypeWord word : listed)
        cases.push_back(
            {"a listed solo", With(s, [&](Spot& t) { t.word = word; }), 0, false, true});
    for (GameTypeWord word : others)
        cases.push_back({"a game the rule does not list", With(s, [&](Spot& t) { t.word = word; }),
                         0, false, false});
    cases.push_back({"the suit solo with one Ten out",
                     With(s,
                          [](Spot& t) {
                              t.word = kWordSuitSolo;
                              t.playedBefore = {19, 19, 22, 22, 23, 24};
                          }),
                     0, false, true});
    cases.push_back({"the suit solo with both Tens out",
                     With(s,
                          [](Spot& t) {
                              t.word = kWordSuitSolo;
                              t.playedBefore = {19, 19, 22, 22, 24};
                          }),
                     0, false, false});
    ExpectPlayForPartner<TestLevel>(cases);
}

// Seat 2 is third on the four-seat line; its partner, seat 3, plays last.
TEST(PartnerPlayBranches, ThirdSeatOnTheFourSeatLine) {
    // A strong declaring seat; its partner holds an Ober of Eichel; seat 1 put the other one
    // on the Schellen Nine, both Heart Tens gone: the Ober is master.
    const Spot clubQueen = [] {
        Spot s;
        s.trick = {3, 29};
        s.nextHand = {29, 27};
        s.partners = {3};
        s.opponents = {0, 1};
        s.partyLists = {2, 3, 0, 1};
        s.profile = 18;
        s.moverDeclaring = true;
        s.playedBefore = {15, 15};
        return s;
    }();
    // A master Ace with every Gras card gone.
    const Spot suitGone = [] {
        Spot s;
        s.trick = {24, 19};
        s.partners = {3};
        s.opponents = {0, 1};
        s.playedBefore = {19, 22, 22, 23, 23, 24};
        return s;
    }();
    // A master Ace with Gras cards out; the partner void in Gras.
    const Spot masterAce = [] {
        Spot s;
        s.trick = {24, 19};
        s.partners = {3};
        s.opponents = {0, 1};
        s.playedBefore = {24};
        return s;
    }();
    // The soloist (seat 0) led; the mover's partners are seats 3 and 1.
    const Spot solo = [] {
        Spot s;
        s.word = kWordSuitSolo;
        s.declarer = 0;
        s.trick = {22, 19};
        s.partners = {3, 1};
        s.opponents = {0};
        return s;
    }();
    // A rich trump trick: the Schellen Ten led and taken with the Schellen Ace.
    const Spot richTrumps = [] {
        Spot s;
        s.trick = {7, 8};
        s.partners = {3};
        s.opponents = {0, 1};
        s.ceilings = {{3, kT, 6}};
        return s;
    }();
    // The Herz Ober over the Schellen Ace (14 points), both Heart Tens gone: 4 Obers above.
    const Spot fourAbove = [] {
        Spot s;
        s.trick = {13, 8};
        s.partners = {3};
        s.opponents = {0, 1};
        s.playedBefore = {15, 15};
        return s;
    }();
    std::vector<int> allTrumpsButOne = AllFourSeatTrumps();
    allTrumpsButOne.erase(allTrumpsButOne.begin()); // the mover holds a Schellen Nine
    ExpectPlayForPartner<TestLevel>({
        {"the partner holds the Ober of Eichel", clubQueen, 29, false, true},
        {"the same Ober asked about after a ruff", clubQueen, 29, true, false},
        {"the master Heart Ten is not left",
         With(clubQueen,
              [](Spot& s) {
                  s.trick = {3, 15};
                  s.playedBefore = {15};
              }),
         15, false, false},
        {"the marriage open, the partner has announced nothing above kind 0",
         With(clubQueen,
              [](Spot& s) {
                  s.word = kWordMarriage;
                  s.marriageTrick = 0;
                  s.announcements = {{3, 0}};
              }),
         29, false, false},
        {"the marriage open, the partner has announced kind 1",
         With(clubQueen,
              [](Spot& s) {
                  s.word = kWordMarriage;
                  s.marriageTrick = 0;
                  s.announcements = {{3, 1}};
              }),
         29, false, true},
        {"a weak seat, the suit gone, the partner's trump estimate at 60",
         With(suitGone,
              [](Spot& s) {
                  s.profile = 3;
                  s.estimates = {{3, kT, 60}};
              }),
         0, false, true},
        {"a weak seat, the suit gone, the partner's trump estimate 61",
         With(suitGone,
              [](Spot& s) {
                  s.profile = 3;
                  s.estimates = {{3, kT, 61}};
              }),
         0, false, false},
        {"four tricks left: the early bounds",
         With(masterAce,
              [](Spot& s) {
                  s.trickNumber = 9;
                  s.estimates = {{3, kG, 60}};
              }),
         0, false, false},
        {"style 1, the partner's trump estimate above its 25",
         With(masterAce,
              [](Spot& s) {
                  s.profile = 6;
                  s.estimates = {{3, kG, 80}, {3, kT, 26}};
              }),
         0, false, false},
        {"style 1, the partner's trump estimate at its 25",
         With(masterAce,
              [](Spot& s) {
                  s.profile = 6;
                  s.estimates = {{3, kG, 80}, {3, kT, 25}};
              }),
         0, false, true},
        {"a solo, the soloist's poor card behind the partner's lead",
         With(solo,
              [](Spot& s) {
                  s.declarer = 1;
                  s.partners = {0, 3};
                  s.opponents = {1};
                  s.estimates = {{1, kT, 100}};
              }),
         0, false, true},
        {"a solo, the soloist's Ten with both Aces out",
         With(solo,
              [](Spot& s) {
                  s.trick = {23, 19};
              }),
         0, false, true},
        {"a solo, the soloist's King with one card above it out",
         With(solo,
              [](Spot& s) {
                  s.playedBefore = {23, 23, 24};
              }),
         0, false, true},
        {"a solo, the soloist's rich Ten with one Ace out in trick 9",
         With(solo,
              [](Spot& s) {
                  s.trick = {23, 19};
                  s.playedBefore = {24};
                  s.trickNumber = 9;
              }),
         0, false, false},
        {"a solo, the soloist's rich Ten with one Ace out in trick 10",
         With(solo,
              [](Spot& s) {
                  s.trick = {23, 19};
                  s.playedBefore = {24};
                  s.trickNumber = 10;
              }),
         0, false, true},
        {"a solo, no trump out, five cards to come",
         With(solo,
              [&](Spot& s) {
                  s.playedBefore = allTrumpsButOne;
                  s.trickNumber = 8;
              }),
         0, false, false},
        {"a solo, no trump out, three cards to come",
         With(solo,
              [&](Spot& s) {
                  s.playedBefore = allTrumpsButOne;
                  s.trickNumber = 9;
              }),
         0, false, true},
        {"a rich trump trick, the partner's trump count unknown", richTrumps, 8, false, true},
        {"a rich trump trick, the partner's count known and its top trump below the card",
         With(richTrumps,
              [](Spot& s) {
                  s.nextTrumpCount = 2;
                  s.nextTopTrump = 6;
              }),
         8, false, false},
        {"four trumps above, no announcement", fourAbove, 0, false, true},
        {"four trumps above, the partner announced at level 6",
         With(fourAbove,
              [](Spot& s) {
                  s.announcements = {{3, 2}};
              }),
         0, false, false},
        {"four trumps above, the partner's announcement of level 10 does not count",
         With(fourAbove,
              [](Spot& s) {
                  s.announcements = {{3, 0}};
              }),
         0, false, true},
    });
}

// The Schafkopf line (one copy, Herz trump): outside a solo a seat above 5 in third place
// leaves a rich trump trick to its partner with two trumps fewer above the card.
TEST(PartnerPlayBranches, ThirdSeatOnTheSchafkopfLine) {
    Spot s;
    s.trumpSuit = 1;
    s.trick = {16, 5}; // the Herz Ace taken by the Schellen Ober: 14 points, 3 Obers above
    s.moverHand = {17, 18};
    s.partners = {3};
    s.opponents = {0, 1};
    ExpectPlayForPartner<SchafkopfLevel>({
        {"a seat above 5", s, 5, false, true},
        {"a seat of 5 or below", With(s, [](Spot& t) { t.profile = 3; }), 5, false, false},
    });
}

// The Skat line: the declarer (seat 0) led, the mover (seat 1) is second and counts as third,
// its partner (seat 2) plays last. Herz is trump in the suit game: the four Unters over
// Herz 7, 8, 9, Ober, King, Ten, Ace (9, 10, 11, 13, 14, 15, 16).
TEST(PartnerPlayBranches, SkatLine) {
    const Spot base = [] {
        Spot s;
        s.trumpSuit = 1;
        s.word = 1;
        s.declarer = 0;
        s.partners = {2};
        s.opponents = {0};
        s.moverHand = {20, 15, 22};
        return s;
    }();
    // The Herz King led; the mover holds the Ten, so it fights for rich tricks; its partner
    // holds trumps; the mover has played 3 trumps and holds 2: the bid decides.
    const Spot bidKing = With(base, [](Spot& s) {
        s.trick = {14};
        s.moverPlayedTrumps = 3;
        s.bid = 30;
    });
    // The Herz 9 led; the mover holds Ober, Ten and Ace and has played 2 trumps.
    const Spot poorTrump = With(base, [](Spot& s) {
        s.trick = {11};
        s.moverHand = {13, 15, 16};
        s.moverPlayedTrumps = 2;
        s.profile = 18;
    });
    // Trick 8, the partner known void in trumps; three trumps out, all above the led Herz 7.
    // In trick 1 the declarer led and won with the Schellen Unter, the mover gave its Ten.
    const TrickRecord unterTrick = {{4, 7, 17, 0}, 0, 0};
    const Spot lateVoid = With(base, [&](Spot& s) {
        s.trickNumber = 8;
        s.trick = {9};
        s.moverHand = {16, 10};
        s.playedBefore = {4, 7, 17, 11, 13, 14, 15};
        s.pastTricks = {unterTrick};
        s.estimates = {{2, kT, 100}};
        s.profile = 18;
    });
    // The Herz 7 led, five trumps out above it; the partner's trump estimate 50.
    const Spot trumpsOut = With(base, [](Spot& s) {
        s.trick = {9};
        s.moverHand = {16, 22};
        s.playedBefore = {4, 10, 11, 13};
        s.estimates = {{2, kT, 50}};
    });
    // Grand: the master Gras Ace with every other Gras card gone, the partner void in Gras.
    const Spot grand = With(base, [](Spot& s) {
        s.trumpSuit = 4;
        s.word = 2;
        s.trick = {24};
        s.moverHand = {9, 10};
        s.playedBefore = {17, 18, 19, 21, 22, 23, 4, 12};
        s.estimates = {{2, kG, 80}};
    });
    ExpectPlayForPartner<BidLevel<SkatLevel>>({
        {"the Spade Jack without the Club Jack, bid three times the base", bidKing, 0, false, true},
        {"the same with the Club Jack gone", With(bidKing, [](Spot& s) { s.playedBefore = {28}; }),
         0, false, false},
        {"the same with a bid of twice the base", With(bidKing, [](Spot& s) { s.bid = 20; }), 0,
         false, false},
        {"the Club Jack without the Spade Jack",
         With(bidKing,
              [](Spot& s) {
                  s.moverHand = {28, 15, 22};
              }),
         0, false, true},
        {"the Club Jack with the Spade Jack gone",
         With(bidKing,
              [](Spot& s) {
                  s.moverHand = {28, 15, 22};
                  s.playedBefore = {20};
              }),
         0, false, false},
        {"both black Jacks",
         With(bidKing,
              [](Spot& s) {
                  s.moverHand = {28, 20, 15};
              }),
         0, false, false},
        {"one trump above, the mover with three trumps and few played",
         With(base,
              [](Spot& s) {
                  s.trick = {12};
                  s.moverHand = {20, 15, 16};
              }),
         0, false, false},
        {"one trump above, the mover with two trumps",
         With(base,
              [](Spot& s) {
                  s.trick = {12};
                  s.moverHand = {20, 15};
              }),
         0, false, true},
        {"a poor trump, a strong seat that played 2 trumps", poorTrump, 0, false, true},
        {"a poor trump, a strong seat that played 3 trumps",
         With(poorTrump, [](Spot& s) { s.moverPlayedTrumps = 3; }), 0, false, false},
        {"a poor trump, a seat of 15 or below", With(poorTrump, [](Spot& s) { s.profile = 8; }), 0,
         false, false},
        {"the partner void in trumps, the mover gave a Ten to the declarer's Schellen Unter",
         lateVoid, 0, false, false},
        {"the same with a King given",
         With(lateVoid,
              [&](Spot& s) {
                  s.pastTricks = {{{4, 6, 17, 0}, 0, 0}};
              }),
         0, false, true},
        {"the same with the Ten given to the Herz Unter",
         With(lateVoid,
              [&](Spot& s) {
                  s.pastTricks = {{{12, 7, 17, 0}, 0, 0}};
                  s.playedBefore = {12, 7, 17, 11, 13, 14, 15};
              }),
         0, false, true},
        {"three tricks left, one trump above the Spade Jack and one below",
         With(lateVoid,
              [](Spot& s) {
                  s.trick = {20};
                  s.moverHand = {16};
                  s.playedBefore = {4, 7, 17, 12, 9, 11, 13, 14, 15};
              }),
         0, false, true},
        {"trumps out equal to the tricks left", With(trumpsOut, [](Spot& s) { s.trickNumber = 6; }),
         0, false, true},
        {"trumps out one fewer than the tricks left",
         With(trumpsOut, [](Spot& s) { s.trickNumber = 5; }), 0, false, true},
        {"two fewer, the partner's trump estimate 42",
         With(trumpsOut,
              [](Spot& s) {
                  s.trickNumber = 4;
                  s.estimates = {{2, kT, 42}};
              }),
         0, false, true},
        {"two fewer, the partner's trump estimate 43",
         With(trumpsOut,
              [](Spot& s) {
                  s.trickNumber = 4;
                  s.estimates = {{2, kT, 43}};
              }),
         0, false, false},
        {"three fewer, the partner's trump estimate 30",
         With(trumpsOut,
              [](Spot& s) {
                  s.trickNumber = 3;
                  s.estimates = {{2, kT, 30}};
              }),
         0, false, false},
        {"Grand with two Jacks out", grand, 0, false, false},
        {"Grand with three Jacks out", With(grand, [](Spot& s) { s.playedBefore.pop_back(); }), 0,
         false, true},
    });
}

TEST(PartnerPlayBranches, ContestOnEveryLine) {
    // Seat 1 second after seat 0's Gras King, no partner known.
    Spot second;
    second.trick = {22};
    second.opponents = {0, 2, 3};
    // Seat 2 third after the Gras King and the Gras 9; seat 3 plays last.
    Spot third;
    third.trick = {22, 19};
    third.opponents = {0, 1, 3};
    ExpectContest<TestLevel>({
        {"a defender while the marriage is open",
         With(second,
              [](Spot& s) {
                  s.word = kWordMarriage;
                  s.marriageTrick = 0;
                  s.declarer = 0;
              }),
         0, false, true},
        {"the partner's master Ace, an opponent after void at 30",
         With(second,
              [](Spot& s) {
                  s.trick = {24};
                  s.playedBefore = {24};
                  s.partners = {0};
                  s.opponents = {2, 3};
                  s.estimates = {{3, kG, 30}};
              }),
         24, false, false},
        {"style 4, the partner right after void, its trump estimate 15",
         With(second,
              [](Spot& s) {
                  s.profile = 9;
                  s.partners = {2};
                  s.opponents = {0, 3};
                  s.estimates = {{2, kG, 90}, {2, kT, 15}};
              }),
         0, false, true},
        {"style 4, the partner right after void, its trump estimate 14",
         With(second,
              [](Spot& s) {
                  s.profile = 9;
                  s.partners = {2};
                  s.opponents = {0, 3};
                  s.estimates = {{2, kG, 90}, {2, kT, 14}};
              }),
         0, false, false},
        {"the last seat's Gras estimate 21, likely without trumps",
         With(third,
              [](Spot& s) {
                  s.estimates = {{3, kG, 21}, {3, kT, 60}};
              }),
         0, false, false},
        {"the last seat's Gras estimate 20",
         With(third,
              [](Spot& s) {
                  s.estimates = {{3, kG, 20}, {3, kT, 60}};
              }),
         0, false, true},
        {"a rich trump trick, two above, the last seat announced at level 10",
         With(third,
              [](Spot& s) {
                  s.trick = {21, 8};
                  s.playedBefore = {15, 15};
                  s.announcements = {{3, 0}};
              }),
         21, false, true},
        {"a rich trump trick, two above, the last seat announced at level 6",
         With(third,
              [](Spot& s) {
                  s.trick = {21, 8};
                  s.playedBefore = {15, 15};
                  s.announcements = {{3, 2}};
              }),
         21, false, false},
        {"the partner's King with higher Gras out",
         With(third,
              [](Spot& s) {
                  s.partners = {0};
                  s.opponents = {1, 3};
              }),
         0, false, true},
    });
    // Skat: the declarer second after the partner's lead; or the mover second before its
    // partner.
    Spot skat;
    skat.trumpSuit = 1;
    skat.word = 1;
    skat.declarer = 2;
    skat.trick = {22};
    skat.partners = {0};
    skat.opponents = {2};
    skat.moverHand = {17, 9};
    skat.estimates = {{2, kG, 80}, {2, kT, 60}};
    ExpectContest<SkatLevel>({
        {"second before the partner counts as third",
         With(skat,
              [](Spot& s) {
                  s.declarer = 0;
                  s.partners = {2};
                  s.opponents = {0};
                  s.estimates = {};
              }),
         0, false, false},
        {"the declarer void in the suit, 3 trumps played",
         With(skat, [](Spot& s) { s.nextPlayedTrumps = 3; }), 0, false, true},
        {"the declarer void in the suit, 4 trumps played",
         With(skat, [](Spot& s) { s.nextPlayedTrumps = 4; }), 0, false, false},
        {"a strong seat, 4 trumps played, the declarer's trump count unknown",
         With(skat,
              [](Spot& s) {
                  s.nextPlayedTrumps = 4;
                  s.profile = 18;
              }),
         0, false, false},
    });
}
