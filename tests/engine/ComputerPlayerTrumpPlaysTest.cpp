// The trump plays and the edge cases of the taking and trumping rules, as tables of small
// positions. Cards are suit x 8 + step (1 Seven ... 4 Unter, 5 Ober, 6 King, 7 Ten, 8 Ace);
// suits Schellen 0, Herz 1, Gras 2, Eichel 3. In the base normal game the Schellen cards,
// the Obers, the Unters and the Heart Ten (15) are trumps; the Heart Ten is the top one.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/CardNames.h"
#include "engine/RulePosition.h"

namespace {

constexpr int kGrasAce = 24, kGrasTen = 23, kGras9 = 19, kGras7 = 17;

int Best(ComputerPlayer& g) {
    return g.GetBestCardSoFar();
}

// A base normal game: seat 0 has led the Schellen Nine (a trump), seat 1 is to move.
RulePosition<TestLevel> TrumpLed(const std::vector<int>& hand, bool declaring) {
    RulePosition<TestLevel> p(0, kWordNormal);
    p.Hand(0, {3, 30});
    p.Hand(1, hand);
    p.Parties(declaring ? std::vector<int>{1, 3} : std::vector<int>{0, 2});
    p.Trick(0, {3});
    return p;
}

} // namespace

// The pair walk from the top: the Heart Ten and the Club Queen let it go on; outside the
// declaring party the next high trump is played itself, inside it the walk stops below the
// Club Queen's count of higher cards out and plays the trump above.
TEST(TrumpPlays, HighTrumpPairOutsideAndInsideTheDeclaringParty) {
    for (bool declaring : {false, true}) {
        auto p = TrumpLed({kHeartTen, kEichelOber, kGrasOber, 12}, declaring);
        int reason = 0;
        EXPECT_EQ(
            p.Play([](auto& g, int s) { return g.PlayHighTrumpPair(s, Best(g), false); }, &reason),
            declaring ? kEichelOber : kGrasOber);
        EXPECT_EQ(reason, 39);
    }
}

TEST(TrumpPlays, HighTrumpOverKeepsAMasterTrumpUnlessAllowed) {
    auto p = TrumpLed({kEichelOber, 6, 3}, false);
    p.Gone({kHeartTen, kHeartTen, kEichelOber}); // the Club Queen is master
    auto over = [](bool allow) {
        return [allow](auto& g, int s) { return g.PlayHighTrumpOver(s, Best(g), allow); };
    };
    EXPECT_EQ(p.Play(over(false)), 0);
    EXPECT_EQ(p.Play(over(true)), kEichelOber);
}

// An unsafe Heart Ten on top (the second one wins and is still out) gives way to the next
// high trump, and without one the play declines.
TEST(TrumpPlays, TopTrumpIfHighPassesAnUnsafeHeartTen) {
    struct Case {
        std::vector<int> hand;
        bool secondWins;
        int card;
    };
    const Case cases[] = {
        {{kHeartTen, 6, 4}, true, 0},
        {{kHeartTen, kGrasOber, 4}, true, kGrasOber},
        {{kHeartTen, 6, 4}, false, kHeartTen},
    };
    for (const Case& c : cases) {
        auto p = TrumpLed(c.hand, false);
        p.game.options.secondHeartTenWins = c.secondWins ? 1 : 0;
        EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayTopTrumpIfHigh(s, Best(g)); }), c.card);
    }
}

TEST(TrumpPlays, MiddleTrumpLeadOfTheNormalGame) {
    struct Case {
        std::vector<int> hand;
        bool clubJackLastTrick;
        bool lowestFirst;
        int card;
    };
    const Case cases[] = {
        // Both Club Jacks and no other Jack: a Club Jack.
        {{kEichelUnter, kEichelUnter, 3, 6}, false, false, kEichelUnter},
        // One Club Jack kept for the last trick: a Diamond Queen instead, or nothing.
        {{kEichelUnter, 5, 3}, true, false, 5},
        {{kEichelUnter, 3, 6}, true, false, 0},
        // A Jack chosen from the top gives way to the Queen; from the lowest it stays.
        {{kEichelUnter, kEichelUnter, 5}, true, false, 5},
        {{kEichelUnter, kEichelUnter, 5}, true, true, kEichelUnter},
        // A low Jack goes before the Club Jacks.
        {{kEichelUnter, 12, 3}, false, true, 12},
    };
    for (const Case& c : cases) {
        RulePosition<TestLevel> p(0, kWordNormal);
        p.game.options.charlieLastTrickPoint = c.clubJackLastTrick ? 1 : 0;
        p.Hand(0, c.hand);
        p.Parties({0, 2});
        p.Trick(0, {});
        int reason = 0;
        EXPECT_EQ(p.Play([&](auto& g, int s) { return g.LeadMiddleTrump(s, true, c.lowestFirst); },
                         &reason),
                  c.card);
        if (c.card != 0) {
            EXPECT_EQ(reason, 27);
        }
    }
    // The Schafkopf line has no Heart Ten on top: a low Unter, never an Ober.
    RulePosition<SchafkopfLevel> p(1, kWordNormal);
    p.Hand(0, {20, kEichelOber, 9});
    p.Parties({0, 2});
    p.Trick(0, {});
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.LeadMiddleTrump(s, true, false); }), 20);
}

TEST(TrumpPlays, SmallTrumpCheapThrowsATenOrAceOnlyForAnyPoints) {
    struct Case {
        std::vector<int> hand;
        bool anyPoints;
        int card;
    };
    const Case cases[] = {
        {{7, 8, kEichelOber}, false, 0},
        {{7, 8, kEichelOber}, true, 7},
        {{4, 3, 8}, false, 3},
    };
    for (const Case& c : cases) {
        auto p = TrumpLed(c.hand, false);
        int reason = 0;
        EXPECT_EQ(
            p.Play([&](auto& g, int s) { return g.PlaySmallTrumpCheap(s, c.anyPoints); }, &reason),
            c.card);
        if (c.card != 0) {
            EXPECT_EQ(reason, 38);
        }
    }
}

// The trump suit's cards by value: from the Ten without the flag, from the Ace with it, and
// never an Ober, an Unter or the Heart Ten of the normal game.
TEST(TrumpPlays, TrumpSuitByValue) {
    struct Case {
        std::vector<int> hand;
        bool flag;
        int card;
    };
    const Case cases[] = {
        {{8, 7, 6, kEichelOber}, false, 7},
        {{8, 7, 6, kEichelOber}, true, 8},
        {{6, 4, 5, kHeartTen}, true, 6},
    };
    for (const Case& c : cases) {
        auto p = TrumpLed(c.hand, false);
        int reason = 0;
        EXPECT_EQ(
            p.Play([&](auto& g, int s) { return g.PlayTrumpSuitByValue(s, c.flag); }, &reason),
            c.card);
        EXPECT_EQ(reason, 29);
    }
}

// A void seat with a single trump that two or more cards out would beat plays it at once:
// kept, it would fall to them later.
TEST(TrumpPlays, TrumpUnderRiskPlaysAThreatenedSingleTrump) {
    RulePosition<TestLevel> p(0, kWordNormal);
    p.Hand(0, {kGrasAce, 30});
    p.Hand(1, {12, 32});
    p.Parties({0, 2});
    p.game.seats[1].profile = 16;
    p.Trick(0, {kGrasAce});
    int reason = 0;
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayTrumpUnderRisk(s, Best(g)); }, &reason), 12);
    EXPECT_EQ(reason, 56);
    p.game.seats[1].profile = 15;
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayTrumpUnderRisk(s, Best(g)); }), 0);
}

TEST(TrumpPlays, TakeTrickForAcesOnlyInTheFirstFiveTricks) {
    for (int trick : {5, 6}) {
        RulePosition<TestLevel> p(0, kWordNormal, trick);
        p.Hand(0, {kGrasAce, 30});
        p.Hand(1, {16, 32, kEichelOber, kGrasOber, 12});
        p.Parties({0, 2});
        p.Trick(0, {kGrasAce});
        const int card = p.Play([](auto& g, int s) { return g.TakeTrickForAces(s, Best(g)); });
        if (trick == 5) {
            EXPECT_TRUE(card == kEichelOber || card == kGrasOber || card == 12) << card;
        } else {
            EXPECT_EQ(card, 0);
        }
    }
}

// The point card that wins for the last seat: never a trump without points.
TEST(TakingPlays, PointCardThatWinsSkipsTrumpsWithoutPoints) {
    RulePosition<SchafkopfLevel> p(1, kWordNormal);
    p.Hand(0, {kGrasAce, 25});
    p.Hand(1, {kGras7, 26});
    p.Hand(2, {kGras9, 27});
    p.Hand(3, {9, 10, 4, 30});
    p.Parties({0, 3});
    p.Trick(0, {kGrasAce, kGras7, kGras9});
    int reason = 0;
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayPointCardThatWins(s, Best(g)); }, &reason),
              4);
    EXPECT_EQ(reason, 20);
    // The most points first: Ace 11, Ten 10, King 4, Ober 3, Unter 2 (Call Game, Herz trump).
    struct Case {
        std::vector<int> trumps;
        int card;
    };
    const Case cases[] = {
        {{14, 15, 16}, 16},
        {{14, 15, 5}, 15},
        {{4, 5, 14}, 14},
        {{4, 5, 9}, 5},
    };
    for (const Case& c : cases) {
        RulePosition<SchafkopfLevel> q(1, kWordNormal);
        q.Hand(0, {kGrasAce, 25});
        q.Hand(1, {kGras7, 26});
        q.Hand(2, {kGras9, 27});
        std::vector<int> hand = c.trumps;
        hand.push_back(30);
        q.Hand(3, hand);
        q.Parties({0, 3});
        q.Trick(0, {kGrasAce, kGras7, kGras9});
        EXPECT_EQ(q.Play([](auto& g, int s) { return g.PlayPointCardThatWins(s, Best(g)); }),
                  c.card);
    }
}

// With Ten and Ace of a suit the base line gives the Ten (its second Ace may still come), the
// single-copy lines the Ace.
template <class Level> int TenOrAce(int* reason) {
    RulePosition<Level> p(0, 1);
    p.Hand(0, {kGras7 + 2, 30});
    p.Hand(1, {kGrasTen, kGrasAce, 31});
    p.Parties({0});
    p.game.declarer = 0;
    p.Trick(0, {kGras7 + 2});
    return p.Play([](auto& g, int s) { return g.PlayTenOrAce(s, 2, Best(g)); }, reason);
}

TEST(TakingPlays, TenOrAceByLine) {
    int reason = 0;
    EXPECT_EQ(TenOrAce<TestLevel>(&reason), kGrasTen);
    EXPECT_EQ(reason, 17);
    EXPECT_EQ(TenOrAce<SchafkopfLevel>(&reason), kGrasAce);
    EXPECT_EQ(reason, 18);
    EXPECT_EQ(TenOrAce<SkatLevel>(&reason), kGrasAce);
    EXPECT_EQ(reason, 18);
    // The Schellen suit (group 0) where it is a plain suit: the Call Game.
    RulePosition<SchafkopfLevel> p(1, kWordNormal);
    p.Hand(0, {7, 8, 30});
    p.Parties({0});
    p.Trick(0, {});
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayTenOrAce(s, 0, 0); }), 8);
}

// Every card a rule plays goes through the line's legality: the Schafkopf line refuses with a
// rule number (2), and the card is not played.
TEST(TakingPlays, TheLinesRefusalKeepsTheCardInTheHand) {
    RulePosition<SchafkopfLevel> p(1, kWordNormal);
    p.Hand(0, {kGras7, 25});
    p.Hand(1, {kGras9, 13, 26});
    p.Parties({0, 2});
    p.Trick(0, {kGras7});
    ASSERT_EQ(p.game.IsLegalCard(1, 13), 2);
    const auto before = rule_harness::Image(p.game);
    EXPECT_FALSE(p.game.PlayCardIfHeld(1, 13, 20));
    EXPECT_FALSE(p.game.PlayCardIfHeld(1, 33, 20));
    EXPECT_FALSE(p.game.PlayCardIfHeld(2, 27, 20)); // not the seat to move
    EXPECT_FALSE(p.game.PlayTenOrAce(1, 5, 0));
    EXPECT_FALSE(p.game.PlayTopTrumpIfHigh(1, kGras7)); // the Herz Ober may not follow Gras
    EXPECT_TRUE(rule_harness::Image(p.game) == before);
    EXPECT_TRUE(p.game.PlayCardIfHeld(1, kGras9, 20));
    EXPECT_EQ(p.game.trickCards[1], kGras9);
}

// Two trumps in a single-copy line: whether the seat trumps a rich plain trick at once depends
// on how many cards out beat its top trump and on the points of its lower one; the base line
// (two copies) declines with one or two higher cards out.
TEST(TrumpPlays, TrumpUnderRiskWithTwoTrumpsInTheSingleCopyLines) {
    struct Case {
        std::vector<int> trumps; // the lower first
        bool plays;
        bool atOnce = false; // a single trump that two cards out beat goes at once (56)
    };
    // Call Game: the Gras Ober has the Eichel Ober above it, the Herz Ober both.
    const Case schafkopf[] = {
        {{14, 21}, true},   // one higher out, a King (4) below: trump
        {{9, 21}, false},   // one higher out, a Seven below: keep them
        {{15, 13}, true},   // two higher out, a Ten below
        {{14, 13}, false},  // two higher out, only a King below
        {{13}, true, true}, // alone, two higher out
        {{21}, true},       // alone, one higher out: by the later steps
    };
    for (const Case& c : schafkopf) {
        RulePosition<SchafkopfLevel> p(1, kWordNormal);
        p.Hand(0, {kGrasAce, 26});
        p.Hand(1, {kGras7, 27});
        p.Hand(2, {kGras9, 29});
        std::vector<int> hand = c.trumps;
        hand.push_back(25);
        p.Hand(3, hand);
        p.Parties({0, 2});
        p.game.seats[3].profile = 16;
        p.Trick(0, {kGrasAce, kGras7, kGras9});
        int reason = 0;
        const int card =
            p.Play([](auto& g, int s) { return g.PlayTrumpUnderRisk(s, Best(g)); }, &reason);
        EXPECT_EQ(card != 0, c.plays) << c.trumps.back();
        EXPECT_EQ(reason == 56, c.atOnce) << c.trumps.back();
    }
    // Skat, a Schellen game: the Gras Unter has the Eichel Unter above it.
    const Case skat[] = {
        {{6, 20}, true},
        {{1, 20}, false},
    };
    for (const Case& c : skat) {
        RulePosition<SkatLevel> p(0, 1);
        p.Hand(0, {kGrasAce, 26, 28});
        p.Hand(1, {kGras7, 27});
        std::vector<int> hand = c.trumps;
        hand.push_back(25);
        p.Hand(2, hand);
        p.Parties({2});
        p.game.declarer = 2;
        p.game.seats[2].profile = 16;
        p.Trick(0, {kGrasAce, kGras7});
        int reason = 0;
        const int card =
            p.Play([](auto& g, int s) { return g.PlayTrumpUnderRisk(s, Best(g)); }, &reason);
        EXPECT_EQ(card != 0, c.plays) << c.trumps[0];
        // The Skat line passes the middle-trump play: last, it gives the trump suit's card of
        // most value, the King.
        if (c.plays) {
            EXPECT_EQ(card, c.trumps[0]);
            EXPECT_EQ(reason, 29);
        }
    }
}

// Early in a plain suit (its first trick) with nothing to contest and no special card to
// place, the trump on the trick is the trump suit's card of most value, the Ace with the flag
// set (29): the same card the by-value play gives.
TEST(TrumpPlays, TrumpOnTrickEarlyInTheSuitPlaysByValue) {
    RulePosition<SchafkopfLevel> p(1, kWordNormal);
    p.Hand(0, {kGrasAce, 26});
    p.Hand(1, {16, 9, kEichelOber, 25});
    p.Parties({1, 3});
    p.Trick(0, {kGrasAce});
    p.game.contestTrick = 0;
    int reason = 0;
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayTrumpOnTrick(s, Best(g)); }, &reason), 16);
    EXPECT_EQ(reason, 29);
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayTrumpSuitByValue(s, true); }), 16);
}

// Without the flag the short-trump top play is skipped: two trumps whose higher one beats the
// Schellen Nine play the top trump with the flag, and without it the card of the Ace rule or
// of the normal-game trump play, never the top trump here.
TEST(TrumpPlays, FollowInTrumpWithoutTheFlagGoesToTheLaterRules) {
    auto p = TrumpLed({kEichelOber, 4, 32}, false);
    p.game.playForPartner = 0;
    ASSERT_FALSE(p.game.DoesTrickGoToPartner());
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.FollowInTrump(s, Best(g), true); }),
              kEichelOber);
    const int later = p.Play([](auto& g, int s) {
        return g.TakeTrickForAces(s, Best(g)) || g.FollowInTrumpNormalGame(s, Best(g));
    });
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.FollowInTrump(s, Best(g), false); }), later);
    EXPECT_NE(later, kEichelOber);
}

// Skat, a Schellen game: late in Gras, the partner's trick, the declarer after the seat and
// taken for void in trumps, one trump out (the Eichel Unter, in the skat) above the seat's
// trumps. The Skat line gives the trump suit's card by value from the Ten, keeping its Ace;
// the other lines' by-value play would give the Ace.
TEST(TrumpPlays, TrumpOnTrickLateInTheSuitKeepsTheAceInTheSkatLine) {
    RulePosition<SkatLevel> p(0, 1);
    p.Hand(0, {22, 26});
    p.Hand(1, {8, 7, 25});
    p.Hand(2, {27, 30, 31});
    p.Parties({2});
    p.game.declarer = 2;
    p.Gone({17, 18, 19, 21, 4, 12, 20, 1, 2, 3, 5, 6});
    p.Trick(0, {22});
    ASSERT_EQ(p.game.seatToMove, 1);
    p.game.seatEstimates[2].voidEstimate[4] = 60;
    int reason = 0;
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayTrumpOnTrick(s, Best(g)); }, &reason), 7);
    EXPECT_EQ(reason, 29);
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayTrumpSuitByValue(s, true); }), 8);
    // With the declarer likely to hold the trump, the by-value play is not asked.
    p.game.seatEstimates[2].voidEstimate[4] = 0;
    EXPECT_NE(p.Play([](auto& g, int s) { return g.PlayTrumpOnTrick(s, Best(g)); }), 7);
}

// Late in Gras (two cards out), an opponent's Ace on the trick and the partner still to play
// last: a seat of some strength next to last trumps with the trump suit's card of most value
// (Call Game: the Herz Ace, 29); a weaker seat gives its low trump.
TEST(TrumpPlays, TrumpOnTrickNextToLastBeforeThePartnerPlaysByValue) {
    for (int profile : {6, 5}) {
        RulePosition<SchafkopfLevel> p(1, kWordNormal);
        p.Hand(0, {kGrasAce, 26});
        p.Hand(1, {22, 27});
        p.Hand(2, {16, 9, kEichelOber, 25});
        p.Hand(3, {30, 31});
        p.Parties({2, 3});
        p.Gone({kGras7, 18});
        p.game.seats[2].profile = static_cast<std::int16_t>(profile);
        p.Trick(0, {kGrasAce, 22});
        ASSERT_EQ(p.game.seatToMove, 2);
        int reason = 0;
        EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayTrumpOnTrick(s, Best(g)); }, &reason),
                  profile == 6 ? 16 : 9)
            << profile;
        if (profile == 6) {
            EXPECT_EQ(reason, 29);
        }
    }
}

// The partner's Ace on a Gras trick worth 15 points with no Gras out and an opponent after
// the seat in third place: the seat secures the trick with a high trump (39) rather than its
// low one.
TEST(TrumpPlays, TrumpOnTrickThirdSecuresTheRichTrickOfThePartner) {
    RulePosition<SchafkopfLevel> p(1, kWordNormal);
    p.Hand(0, {kGrasAce, 26});
    p.Hand(1, {22, 27});
    p.Hand(2, {9, kEichelOber, 25});
    p.Hand(3, {30, 31});
    p.Parties({0, 2});
    p.Gone({kGras7, 18, kGras9, 23});
    p.game.seats[2].profile = 6;
    p.Trick(0, {kGrasAce, 22});
    ASSERT_EQ(p.game.seatToMove, 2);
    p.game.contestTrick = 1;
    int reason = 0;
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayTrumpOnTrick(s, Best(g)); }, &reason),
              kEichelOber);
    EXPECT_EQ(reason, 39);
}

namespace {

// Seat 0 leads to trick `trick` with the hands given; every other card of the deck has gone in
// earlier tricks. Seats 0 and 2 play together and, unless the parties are open, know it; seat 0
// plays above the plain level.
template <class Level>
RulePosition<Level> LeadPosition(int trumpSuit, int trick,
                                 const std::vector<std::vector<int>>& hands,
                                 bool partiesKnown = true) {
    RulePosition<Level> p(trumpSuit, kWordNormal, trick);
    std::vector<int> gone = p.game.Deck();
    for (int seat = 0; seat < 4; ++seat) {
        p.Hand(seat, hands[seat]);
        for (int card : hands[seat])
            gone.erase(std::find(gone.begin(), gone.end(), card));
    }
    p.Gone(gone);
    if (partiesKnown)
        p.Parties({0, 2});
    p.game.seats[0].profile = 10;
    p.Trick(0, {});
    return p;
}

} // namespace

// Four tricks left, the two top trumps and two small side cards in the hand, and a single small
// trump out with an opponent. In a single-copy Schafkopf game the seat keeps its two trumps:
// they take their tricks anyway and still stop the opponents' side suits, while leading them
// spends a trick's lead on one small trump. In the base game the same strength draws the last
// trump from the top.
TEST(TrumpPlays, TrumpFromStrengthKeepsTwoTopTrumpsInTheSchafkopfLine) {
    using card_names::Cards;
    // Call Game, Herz trump: the Obers of Eichel and Gras are the top trumps, the Herz 7 the
    // lowest; both Aces of the seat's side suits are out.
    auto schafkopf =
        LeadPosition<SchafkopfLevel>(1, 5,
                                     {Cards("E-O G-O G-7 E-7"), Cards("H-7 G-A E-A S-10"),
                                      Cards("S-A G-10 E-10 S-K"), Cards("G-9 G-K E-9 E-K")});
    EXPECT_EQ(schafkopf.Play([](auto& g, int s) { return g.LeadTrumpFromStrength(s); }), 0);
    // One trick later with a single side card left to lose the last trump is drawn from the top.
    auto oneLoser = LeadPosition<SchafkopfLevel>(
        1, 6,
        {Cards("E-O G-O G-7"), Cards("H-7 G-A E-A"), Cards("S-A G-10 E-10"), Cards("G-9 G-K E-9")});
    EXPECT_EQ(oneLoser.Play([](auto& g, int s) { return g.LeadTrumpFromStrength(s); }),
              kEichelOber);
    // Base normal game, Schellen trump: both Heart Tens on top, one Schellen 9 out.
    auto base = LeadPosition<TestLevel>(0, 9,
                                        {Cards("H-10 H-10 G-9 E-9"), Cards("S-9 G-A E-A H-A"),
                                         Cards("G-A E-A G-10 E-10"), Cards("H-A H-K H-K G-K")});
    int reason = 0;
    EXPECT_EQ(base.Play([](auto& g, int s) { return g.LeadTrumpFromStrength(s); }, &reason),
              kHeartTen);
    EXPECT_EQ(reason, 1);
}

// While the parties are still open no opponent is known, and a seat holding more sure trump
// tricks than there are trumps out draws them from the top all the same.
TEST(TrumpPlays, TrumpFromStrengthWithOpenPartiesDrawsTheLastTrump) {
    using card_names::Cards;
    for (int profile : {5, 10}) {
        auto p = LeadPosition<TestLevel>(0, 9,
                                         {Cards("H-10 H-10 G-9 E-9"), Cards("S-9 G-A E-A H-A"),
                                          Cards("G-A E-A G-10 E-10"), Cards("H-A H-K H-K G-K")},
                                         false);
        p.game.seats[0].profile = static_cast<std::int16_t>(profile);
        ASSERT_FALSE(p.game.ArePartiesKnown());
        int reason = 0;
        EXPECT_EQ(p.Play([](auto& g, int s) { return g.LeadTrumpFromStrength(s); }, &reason),
                  kHeartTen)
            << profile;
        EXPECT_EQ(reason, 1);
    }
}
