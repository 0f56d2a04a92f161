#include <gtest/gtest.h>

#include <vector>

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

}  // namespace

TEST_F(PartnerPlayTest, DeclarerAndLeaderNeverPlayForAPartnerAndTheLastSeatNeverContests) {
    game.GiveHand(1, {kHeartNine, 29});
    Trick(0, {kHeartNine});
    game.moverPartners[0] = 3;
    game.declarer = 1;
    EXPECT_FALSE(game.ShouldPlayForPartner(kHeartNine, false));
    Trick(1, {});
    game.declarer = -1;
    EXPECT_FALSE(game.ShouldPlayForPartner(kHeartNine, false));
    EXPECT_TRUE(game.ShouldContestTrick(kHeartNine));  // the leader contests
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
    Trick(0, {kHeartNine, 3});  // Hearts led, trumped with the Diamond Nine
    game.asked.clear();
    game.ShouldContestTrick(kHeartNine);
    ASSERT_EQ(game.asked.size(), 2u);
    EXPECT_EQ(game.asked[1], 3);
}

namespace {

constexpr int kT = 4;  // the trump group
constexpr int kG = 2;  // Gras (Spades)

// A position worked out by hand: who leads, the cards in the trick (already counted as
// played, as PlayCard does), the mover's partners and opponents, estimates and cards played
// in earlier tricks.
struct Position {
    int leader = 0;
    std::vector<int> trick;
    std::vector<int> partners;
    std::vector<int> opponents;
    std::vector<int> moverHand = {3, 11};  // the Diamond Nine and the Heart Nine
    std::vector<int> playedBefore;
    struct Estimate {
        int seat, group, value;
    };
    std::vector<Estimate> estimates;
    std::vector<Estimate> ceilings;  // value: the card
    int declarer = -1;
    GameTypeWord word = kWordNormal;
    int profile = 8;  // style 3
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
    void Played(int card) {
        AddToRankMask(&game.playedMasks[card % 8], (card - 1) / 8);
    }
    void Announce(int seat, int kind) {
        game.announcements[game.announcementCount++] = {static_cast<std::int16_t>(kind),
                                                        static_cast<std::int16_t>(seat), 0, 0,
                                                        1};
    }
};

// Cards: Gras 9 19, King 22, Ten 23, Ace 24; Diamond 9 3, King 6, Ten 7, Ace 8, Jack 4;
// Heart Jack 12, Heart Ten 15; Queens 5, 13, 21, 29.

}  // namespace

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
        {"one card above, first partner void in it and holding trumps", 23, {24},
         {{2, kG, 80}}, noAce, true},
        {"the second partner decides when the first does not", 23, {24}, {{3, kG, 80}}, noAce,
         true},
        {"a partner likely void in trumps is no help", 23, {24}, {{2, kG, 80}, {2, kT, 30}},
         noAce, false},
        {"neither partner void in the suit", 23, {24}, {}, noAce, false},
        {"a partner may hold the Ace: the declarer's rich Ten is not left", 23, {24},
         {{2, kG, 80}}, {}, false},
        {"a partner may hold the Ace: a poor King goes to the void chances", 22, {24, 23, 23},
         {}, {}, true},
        {"two above and both partners likely holding the suit", 23, {}, {}, {}, true},
        {"two above, the partners' product of void chances 25", 23, {},
         {{2, kG, 50}, {3, kG, 50}}, {}, false},
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
    EXPECT_FALSE(game.ShouldPlayForPartner(24, false));  // profile 8: not above 15
    p.word = kWordSuitSolo;
    Set(p);
    EXPECT_FALSE(game.ShouldPlayForPartner(24, false));  // nor in a solo
    p.word = kWordNormal;
    p.profile = 18;
    Set(p);
    EXPECT_FALSE(game.ShouldPlayForPartner(24, false));  // the normal game
    p.word = kWordSuitSolo;
    Set(p);
    EXPECT_TRUE(game.ShouldPlayForPartner(24, false));  // the partners may still trump
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
        {0, 75, 0, false},   // 75 is not above the style's 75
        {20, 80, 0, false},  // the last seat may not hold Gras
        {0, 80, 20, false},  // the partner may not hold a trump
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
        {"a trump: the partner's top trump above the next seat's", 4, {}, {{2, kT, 12}}, false,
         kWordNormal, false, true},
        {"a trump: the next seat's top trump is higher", 4, {}, {{3, kT, 12}}, false,
         kWordNormal, false, false},
        {"a trump: the partner may hold none", 4, {{3, kT, 15}}, {{2, kT, 12}}, false,
         kWordNormal, false, false},
        {"the top trump is master", 15, {}, {{2, kT, 12}}, false, kWordNormal, false, false},
        {"Gras: the next seat follows and has no trump", 22,
         {{3, kG, 80}, {2, kT, 50}}, {}, false, kWordNormal, false, true},
        {"Gras: the partner may still follow", 22, {{3, kG, 75}, {2, kT, 50}}, {}, false,
         kWordNormal, false, false},
        {"Gras: the partner may have no trump", 22, {{3, kG, 80}, {3, kT, 15}, {2, kT, 50}}, {},
         false, kWordNormal, false, false},
        {"Gras: the partner's top trump beats the next seat's", 22, {{3, kG, 80}},
         {{2, kT, 12}}, false, kWordNormal, false, true},
        {"Gras: the next seat's top trump is higher", 22, {{3, kG, 80}}, {{3, kT, 12}}, false,
         kWordNormal, false, false},
        {"Gras: the partner has announced", 22, {{3, kG, 80}}, {{3, kT, 12}}, true,
         kWordNormal, false, true},
        {"Gras in the marriage, the mover declaring", 22, {{3, kG, 80}}, {{3, kT, 12}}, false,
         kWordMarriage, true, true},
        {"Gras in the marriage, the mover defending", 22, {{3, kG, 80}}, {{3, kT, 12}}, false,
         kWordMarriage, false, false},
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
        {"a master Ace, the partner may still follow", {24, 19}, 24, false, {24}, {},
         kWordNormal, -1, false, false},
        {"a master Ace, the partner void but likely without trumps", {24, 19}, 24, false, {24},
         {{3, kG, 80}, {3, kT, 40}}, kWordNormal, -1, false, false},
        {"a master Ace, the partner void and may trump", {24, 19}, 24, false, {24},
         {{3, kG, 80}}, kWordNormal, -1, false, true},
        {"a master Ace, the suit gone, the partner may trump", {24, 19}, 24, false, allGras, {},
         kWordNormal, -1, false, true},
        {"a master Ace, the suit gone, the partner likely without trumps", {24, 19}, 24, false,
         allGras, {{3, kT, 70}}, kWordNormal, -1, false, false},
        {"the King, the partner follows", {22, 19}, 22, false, {}, {}, kWordNormal, -1, false,
         true},
        {"the King trumped by the second seat", {22, 4}, 22, false, {}, {}, kWordNormal, -1,
         false, false},
        {"the King, the partner void and may trump", {22, 19}, 22, false, {}, {{3, kG, 30}},
         kWordNormal, -1, false, true},
        {"the King, the partner void and likely without trumps", {22, 19}, 22, false, {},
         {{3, kG, 30}, {3, kT, 60}}, kWordNormal, -1, false, false},
        {"the declarer's rich Ten in a solo with one Ace out", {23, 19}, 23, false, {24}, {},
         kWordSuitSolo, 0, false, false},
        {"the same Ten outside a solo", {23, 19}, 23, false, {24}, {}, kWordNormal, -1, false,
         true},
        {"a rich trump trick", {8, 7}, 8, false, {}, {}, kWordNormal, -1, false, true},
        {"a poor trump trick", {6, 3}, 6, false, {}, {}, kWordNormal, -1, false, false},
        {"three trumps above, defending", {21, 8}, 21, false, {15}, {}, kWordNormal, -1, false,
         false},
        {"three trumps above, declaring", {21, 8}, 21, false, {15}, {}, kWordNormal, -1, true,
         true},
        {"a trump the partner cannot follow", {21, 8}, 21, false, {15}, {{3, kT, 100}},
         kWordNormal, -1, true, false},
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
        {"a master Ace of an opponent's lead", with({24, 19}, [](Position& p) {
             p.playedBefore = {24};
         }),
         24, true},
        {"the last seat void, may trump", with({22, 19}, [](Position& p) {
             p.estimates = {{3, kG, 30}};
         }),
         22, true},
        {"the last seat void and likely without trumps", with({22, 19}, [](Position& p) {
             p.estimates = {{3, kG, 30}, {3, kT, 60}};
         }),
         22, false},
        {"a trump the last seat may not follow", with({6, 3}, [](Position& p) {
             p.estimates = {{3, kT, 30}};
         }),
         6, false},
        {"a poor trump trick", with({6, 3}, none), 6, true},
        {"a rich trump trick, two above, defending", with({21, 8}, [](Position& p) {
             p.playedBefore = {15, 15};
         }),
         21, true},
        {"a rich trump trick, two above, declaring", with({21, 8}, [](Position& p) {
             p.playedBefore = {15, 15};
             p.moverDeclaring = true;
         }),
         21, false},
        {"a plain lead, suit cards still out", with({22, 19}, none), 22, true},
        {"a plain lead trumped, the last seat may follow trumps", with({22, 4}, none), 22, true},
        {"a plain lead trumped, the last seat may lack trumps", with({22, 4}, [](Position& p) {
             p.estimates = {{3, kT, 30}};
         }),
         22, false},
        {"the suit gone: the King is master", with({22, 19}, [](Position& p) {
             p.playedBefore = {19, 22, 23, 23, 24, 24};
             p.estimates = {{3, kT, 30}};
         }),
         22, true},
        {"the partner's master Ace, suit cards out", with({24, 19}, [](Position& p) {
             p.playedBefore = {24};
             p.partners = {0};
             p.opponents = {1, 3};
         }),
         24, false},
        {"the partner's master Ace, the suit gone", with({24, 19}, [&](Position& p) {
             p.playedBefore = allGras;
             p.partners = {0};
             p.opponents = {1, 3};
         }),
         24, true},
        {"the partner trumped the master Ace: the Ace is asked about",
         with({24, 29}, [](Position& p) {
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
        {"early, the partner may hold Gras", 3, 8, kWordNormal, {24, 19}, {24}, {{3, kG, 60}},
         false},
        {"three tricks left, the partner likely void", 10, 8, kWordNormal, {24, 19}, {24},
         {{3, kG, 60}}, true},
        {"three tricks left, exactly at the style's 50", 10, 8, kWordNormal, {24, 19}, {24},
         {{3, kG, 50}}, true},
        {"three tricks left, style 4 at its 57", 10, 9, kWordNormal, {24, 19}, {24},
         {{3, kG, 57}}, true},
        {"three tricks left, style 4 below its 57", 10, 9, kWordNormal, {24, 19}, {24},
         {{3, kG, 56}}, false},
        // The soloist (seat 0) led the Gras King: four cards above it, two of them rich.
        {"a solo, a weak seat", 3, 3, kWordSuitSolo, {22, 19}, {}, {}, true},
        {"a solo, the soloist may still hold trumps", 3, 8, kWordSuitSolo, {22, 19}, {}, {},
         true},
        {"a solo, the soloist void in trumps, nine tricks to go", 3, 8, kWordSuitSolo, {22, 19},
         {}, {{0, kT, 100}}, false},
        {"a solo, the soloist void in trumps, two tricks to go", 10, 8, kWordSuitSolo, {22, 19},
         {}, {{0, kT, 100}}, true},
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
