// The card rules of the partner games on fixed positions: hands, earlier tricks, the current
// trick, the called suit and the parties, with the card and reason each rule must choose (0:
// the rule declines).
//
// Trump suit Herz. Cards: Schellen 7 1, 8 2, 9 3, King 6, Ten 7, Ace 8; Herz (trumps) 7 9,
// 8 10, 9 11, King 14, Ten 15, Ace 16; Gras 7 17, 8 18, 9 19, King 22, Ten 23, Ace 24; Eichel
// 7 25, 8 26, 9 27, King 30, Ten 31, Ace 32; Unters 4, 12, 20, 28 and Obers 5, 13, 21, 29
// (Schellen, Herz, Gras, Eichel) are trumps. Unless a case says otherwise: the German call,
// the Gras Ace called, seat 3 declares and seat 1 holds the called Ace.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SchafkopfRuleFixture.h"
#include "support/AlertRecorder.h"

namespace {

enum class Rule {
    LowPointSuitCard,
    AceOrLowInUntouchedSuit,
    ShortSuitForPartner,
    OfferedRules,
    PointsToTrumpingPartner,
    PointsBehindPartner,
    SingleAceCards,
    TrumpOrPoints,
    LastTrumpRule,
    HighCalledSuitCard,
};

bool Ask(SchafkopfComputerPlayer& g, Rule rule, int s) {
    const int best = g.GetBestCardSoFar();
    switch (rule) {
    case Rule::LowPointSuitCard:
        return g.PlayLowPointSuitCard(s);
    case Rule::AceOrLowInUntouchedSuit:
        return g.PlayAceOrLowInUntouchedSuit(s);
    case Rule::ShortSuitForPartner:
        return g.PlayShortSuitForPartner(s);
    case Rule::OfferedRules:
        return g.PlayOfferedRules(s);
    case Rule::PointsToTrumpingPartner:
        return g.PlayPointsToTrumpingPartner(s, best);
    case Rule::PointsBehindPartner:
        return g.PlayPointsBehindPartner(s);
    case Rule::SingleAceCards:
        return g.PlaySingleAceCards(s);
    case Rule::TrumpOrPoints:
        return g.PlayTrumpOrPoints(s, best);
    case Rule::LastTrumpRule:
        return g.PlayLastTrumpRule(s, 0, true);
    case Rule::HighCalledSuitCard:
        return g.PlayHighCalledSuitCard(s);
    }
    return false;
}

struct RuleCase {
    const char* name;
    Rule rule;
    Position position;
    int expectCard; // 0: the rule declines
    int expectReason;
};

// Three earlier tricks of plain suits, no trump played: Schellen, Eichel, Gras.
const std::vector<EarlierTrick> kThreeSuitTricks = {
    {3, {1, 2, 3, 6}}, {0, {25, 26, 27, 30}}, {1, {17, 18, 19, 22}}};
// Two earlier tricks of trumps only, led by seats 3 and 1.
const std::vector<EarlierTrick> kTwoTrumpTricks = {{3, {9, 10, 11, 14}}, {1, {15, 16, 12, 4}}};

Position At(std::vector<std::vector<int>> hands, int leader, std::vector<int> trick,
            std::vector<EarlierTrick> earlier = {}, bool settled = false, int profile = 15) {
    Position p;
    p.hands = std::move(hands);
    p.leader = leader;
    p.trick = std::move(trick);
    p.earlier = std::move(earlier);
    p.settled = settled;
    p.profile = profile;
    return p;
}

Position WithDeclarer(Position p, int declarer) {
    p.declarer = declarer;
    return p;
}

Position WithMode(Position p, int mode) {
    p.partnershipMode = mode;
    return p;
}

Position WithWord(Position p, GameTypeWord word) {
    p.word = word;
    return p;
}

Position WithCalledAceHolder(Position p, int seat) {
    p.hands[1].erase(std::find(p.hands[1].begin(), p.hands[1].end(), 24));
    p.hands[seat].push_back(24);
    return p;
}

Position WithLeadBan(Position p) {
    p.leadBan = true;
    return p;
}

const std::vector<RuleCase>& Cases() {
    static const std::vector<RuleCase> cases = {
        // The declarer's hidden partner with one trump leads a low singleton to stay hidden.
        {"hidden partner, one trump: the low singleton", Rule::LowPointSuitCard,
         At({{}, {24, 19, 9, 3, 26, 30}, {}, {}}, 1, {}), 3, 9},
        {"hidden partner: a singleton Ten is worth too much, the next singleton",
         Rule::LowPointSuitCard, At({{}, {24, 19, 9, 7, 26}, {}, {}}, 1, {}), 26, 9},
        {"hidden partner: a singleton King is still low", Rule::LowPointSuitCard,
         At({{}, {24, 19, 9, 6, 26}, {}, {}}, 1, {}), 6, 9},
        {"hidden partner: a singleton of a suit played twice is passed over",
         Rule::LowPointSuitCard, At({{}, {24, 19, 9, 3, 26}, {}, {}}, 1, {}, {{3, {1, 2, 17, 6}}}),
         26, 9},
        {"hidden partner with three trumps, eleven out: the low singleton", Rule::LowPointSuitCard,
         At({{}, {24, 19, 9, 10, 11, 3}, {}, {}}, 1, {}), 3, 9},
        {"hidden partner with three trumps, ten out: nothing", Rule::LowPointSuitCard,
         At({{}, {24, 19, 9, 10, 11, 3}, {}, {}}, 1, {}, {{3, {12, 1, 17, 25}}}), 0, -1},
        {"in a solo: nothing", Rule::LowPointSuitCard,
         WithWord(At({{}, {24, 19, 9, 3, 26, 30}, {}, {}}, 1, {}), kWordSuitSolo), 0, -1},
        {"hidden partner without a low singleton: nothing", Rule::LowPointSuitCard,
         At({{}, {24, 19, 9, 7, 26, 30}, {}, {}}, 1, {}), 0, -1},
        {"hidden partner with four trumps: nothing", Rule::LowPointSuitCard,
         At({{}, {24, 19, 9, 10, 11, 12, 3}, {}, {}}, 1, {}), 0, -1},
        {"the declarer himself: nothing", Rule::LowPointSuitCard,
         At({{}, {24}, {}, {9, 3, 26, 30, 17}}, 3, {}), 0, -1},
        {"a defender: nothing", Rule::LowPointSuitCard, At({{9, 3, 26}, {24}, {}, {}}, 0, {}), 0,
         -1},
        {"parties known: nothing", Rule::LowPointSuitCard,
         At({{}, {24, 19, 9, 3, 26, 30}, {}, {}}, 1, {}, {}, true), 0, -1},

        // Seat 0 leads the third trick; its partner, seat 2, has led none.
        {"untouched suit: the Ace held goes", Rule::AceOrLowInUntouchedSuit,
         At({{8, 3, 23, 19}, {24}, {}, {}}, 0, {}, kTwoTrumpTricks, true), 8, 1},
        {"untouched suit without its Ace: the low card", Rule::AceOrLowInUntouchedSuit,
         At({{3, 6, 23, 19}, {24}, {}, {}}, 0, {}, kTwoTrumpTricks, true), 3, 9},
        {"untouched suit: a suit whose Ace is gone is passed over", Rule::AceOrLowInUntouchedSuit,
         At({{3, 23, 19}, {24}, {}, {}}, 0, {}, {{3, {9, 10, 11, 8}}, {1, {15, 16, 12, 4}}}, true),
         19, 9},
        {"untouched suit: a suit played twice is passed over", Rule::AceOrLowInUntouchedSuit,
         At({{3, 6, 23, 19}, {24}, {}, {}}, 0, {}, {{3, {9, 1, 11, 2}}, {1, {15, 16, 12, 4}}},
            true),
         19, 9},
        {"the partner has led a trick: nothing", Rule::AceOrLowInUntouchedSuit,
         At({{8, 3, 23, 19}, {24}, {}, {}}, 0, {}, {{3, {9, 10, 11, 14}}, {2, {16, 12, 4, 15}}},
            true),
         0, -1},
        {"second trick: nothing", Rule::AceOrLowInUntouchedSuit,
         At({{8, 3, 23, 19}, {24}, {}, {}}, 0, {}, {{3, {9, 10, 11, 14}}}, true), 0, -1},
        {"parties unknown: nothing", Rule::AceOrLowInUntouchedSuit,
         At({{8, 3, 23, 19}, {24}, {}, {}}, 0, {}, kTwoTrumpTricks, false), 0, -1},

        // A skilled defender on lead in the third trick.
        {"behind the partner: the low card of a suit mostly played", Rule::ShortSuitForPartner,
         WithDeclarer(At({{26, 3, 19, 22, 11}, {24}, {}, {}}, 0, {},
                         {{2, {32, 25, 9, 30}}, {0, {1, 2, 6, 7}}}, true, 8),
                      2),
         3, 9},
        {"the declarer behind: the low card of a fresh two-card suit", Rule::ShortSuitForPartner,
         At({{26, 3, 19, 22, 11}, {24}, {}, {}}, 0, {}, {{2, {32, 25, 9, 30}}, {0, {1, 2, 6, 7}}},
            true, 8),
         19, 9},
        {"behind the partner, without the first such suit: the next one it holds",
         Rule::ShortSuitForPartner,
         WithDeclarer(At({{26, 19, 22, 11}, {24}, {}, {}}, 0, {},
                         {{2, {32, 25, 9, 30}}, {0, {1, 2, 6, 7}}}, true, 8),
                      2),
         26, 9},
        {"the declarer's partner: nothing", Rule::ShortSuitForPartner,
         At({{}, {24, 3, 19, 22, 11}, {}, {}}, 1, {}, {{2, {32, 25, 9, 30}}, {0, {1, 2, 6, 7}}},
            true, 8),
         0, -1},
        {"the second trick: nothing", Rule::ShortSuitForPartner,
         At({{26, 3, 19, 22, 11}, {24}, {}, {}}, 0, {}, {{2, {32, 25, 9, 30}}}, true, 8), 0, -1},
        {"parties unknown: nothing", Rule::ShortSuitForPartner,
         At({{26, 3, 19, 22, 11}, {24}, {}, {}}, 0, {}, {{2, {32, 25, 9, 30}}, {0, {1, 2, 6, 7}}},
            false, 8),
         0, -1},
        {"another partnership mode: nothing", Rule::ShortSuitForPartner,
         WithMode(At({{26, 3, 19, 22, 11}, {24}, {}, {}}, 0, {},
                     {{2, {32, 25, 9, 30}}, {0, {1, 2, 6, 7}}}, true, 8),
                  0),
         0, -1},
        {"a weak defender: nothing", Rule::ShortSuitForPartner,
         WithDeclarer(At({{26, 3, 19, 22, 11}, {24}, {}, {}}, 0, {},
                         {{2, {32, 25, 9, 30}}, {0, {1, 2, 6, 7}}}, true, 3),
                      2),
         0, -1},

        // Seat 0 cannot follow the Eichel lead.
        {"offered: the top card of a side suit without a trick of its own", Rule::OfferedRules,
         At({{22, 19, 3, 1}, {24}, {}, {}}, 1, {25, 32, 30}), 22, 12},
        {"offered: only trumps, nothing", Rule::OfferedRules,
         At({{9, 10}, {24}, {}, {}}, 1, {25, 32, 30}), 0, -1},

        // Seat 1 leads a trump in the fourth trick; seat 2 holds none, its partner seat 0
        // plays last.
        {"no trump: the Ace for the partner who trumps over", Rule::PointsToTrumpingPartner,
         At({{}, {24}, {7, 8, 31}, {}}, 1, {10}, kThreeSuitTricks, true), 8, 1},
        {"no trump: a Ten without its Ace goes as well", Rule::PointsToTrumpingPartner,
         At({{}, {24}, {7, 31}, {}}, 1, {10}, kThreeSuitTricks, true), 7, 1},
        {"no trump: a suit with two cards out is passed over", Rule::PointsToTrumpingPartner,
         At({{}, {24}, {7, 8, 31}, {}}, 1, {10},
            {{3, {1, 2, 17, 18}}, {0, {25, 26, 27, 30}}, {1, {19, 22, 23, 9}}}, true),
         31, 1},
        {"the top trump led: nothing", Rule::PointsToTrumpingPartner,
         At({{}, {24}, {7, 8, 31}, {}}, 1, {29}, kThreeSuitTricks, true), 0, -1},
        {"only one trump above the led one: nothing", Rule::PointsToTrumpingPartner,
         At({{}, {24}, {7, 8, 31}, {}}, 1, {21}, kThreeSuitTricks, true), 0, -1},
        {"the third trick: nothing", Rule::PointsToTrumpingPartner,
         At({{}, {24}, {7, 8, 31}, {}}, 1, {10}, {{3, {1, 2, 3, 6}}, {0, {25, 26, 27, 30}}}, true),
         0, -1},
        {"not strong: nothing", Rule::PointsToTrumpingPartner,
         At({{}, {24}, {7, 8, 31}, {}}, 1, {10}, kThreeSuitTricks, true, 8), 0, -1},

        // Seat 2 plays last to the third trick, which its partner seat 0 holds.
        {"behind the partner: the Ace before it is trumped", Rule::PointsBehindPartner,
         At({{}, {24}, {7, 8, 23, 20}, {}}, 3, {25, 32, 26},
            {{0, {1, 2, 3, 6}}, {1, {17, 18, 19, 22}}}, true),
         8, 1},
        {"only the trump Ace: nothing", Rule::PointsBehindPartner,
         At({{}, {24}, {7, 16, 23, 20}, {}}, 3, {25, 32, 26},
            {{0, {1, 2, 3, 6}}, {1, {17, 18, 19, 22}}}, true),
         0, -1},
        {"ten trumps out: late enough for the Ace", Rule::PointsBehindPartner,
         At({{}, {24}, {7, 8, 23, 20}, {}}, 3, {25, 32, 26},
            {{0, {9, 10, 11, 6}}, {1, {17, 18, 19, 22}}}, true),
         8, 1},
        {"nine trumps out: too early for the Ace", Rule::PointsBehindPartner,
         At({{}, {24}, {7, 8, 23, 20}, {}}, 3, {25, 32, 26},
            {{0, {9, 10, 11, 6}}, {1, {17, 18, 19, 14}}}, true),
         0, -1},
        {"the second trick: nothing", Rule::PointsBehindPartner,
         At({{}, {24}, {7, 8, 23, 20}, {}}, 3, {25, 32, 26}, {{0, {1, 2, 3, 6}}}, true), 0, -1},
        {"the declarer has played a trump: nothing", Rule::PointsBehindPartner,
         At({{}, {24}, {7, 8, 23, 20}, {}}, 3, {25, 32, 26},
            {{0, {1, 2, 3, 6}}, {1, {17, 18, 9, 22}}}, true),
         0, -1},
        {"the trick is the other side's: nothing", Rule::PointsBehindPartner,
         At({{}, {24}, {7, 8, 23, 20}, {}}, 3, {25, 30, 32},
            {{0, {1, 2, 3, 6}}, {1, {17, 18, 19, 22}}}, true),
         0, -1},

        // Seat 0 holds no trump on a trump lead.
        {"single cards: the lowest of them", Rule::SingleAceCards,
         At({{6, 19, 32}, {24}, {}, {}}, 3, {9}, {}, false, 8), 19, 11},
        {"single cards: a suit mostly played is left out", Rule::SingleAceCards,
         At({{6, 19, 32}, {24}, {}, {}}, 3, {9}, {{1, {17, 18, 22, 1}}}, false, 8), 6, 11},
        {"single cards: an Ace is kept", Rule::SingleAceCards,
         At({{32, 23, 19}, {24}, {}, {}}, 3, {9}, {}, false, 8), 0, -1},
        {"single cards: not skilled, nothing", Rule::SingleAceCards,
         At({{6, 19, 32}, {24}, {}, {}}, 3, {9}, {}, false, 3), 0, -1},

        // Seat 0 and its trumps against a trick.
        {"one trump, many higher out: it goes", Rule::TrumpOrPoints,
         At({{9, 1, 17}, {24}, {}, {}}, 3, {25}, {}, false, 8), 9, 9},
        {"one trump, the top trump: kept", Rule::TrumpOrPoints,
         At({{29, 1, 17}, {24}, {}, {}}, 3, {25}, {}, false, 8), 0, -1},
        {"one trump, one higher out, a Ten in the trumped trick: it goes", Rule::TrumpOrPoints,
         At({{21, 1, 17}, {24}, {}, {}}, 2, {31, 10}), 21, 9},
        {"one trump, one higher out, no points in the trick: kept", Rule::TrumpOrPoints,
         At({{21, 1, 17}, {24}, {}, {}}, 2, {25, 10}), 0, -1},
        {"two trumps on a trump lead, the Obers above gone: the lowest winner", Rule::TrumpOrPoints,
         At({{9, 28, 3}, {24}, {}, {}}, 3, {20}, {{1, {29, 21, 1, 2}}}), 28, 20},
        {"two trumps on a trump lead, four Obers out: nothing", Rule::TrumpOrPoints,
         At({{9, 28, 3}, {24}, {}, {}}, 3, {20}), 0, -1},
        {"two trumps, a plain trick trumped before it, four Obers out: the lowest winner",
         Rule::TrumpOrPoints, At({{9, 28, 27}, {24}, {}, {}}, 1, {1, 2, 10}), 28, 20},
        {"two trumps, the trumped trick poor and two Obers out: nothing", Rule::TrumpOrPoints,
         At({{9, 28, 27}, {24}, {}, {}}, 1, {3, 2, 10}, {{1, {29, 21, 17, 18}}}), 0, -1},
        {"two trumps, a Ten in the trumped trick: the lowest winner", Rule::TrumpOrPoints,
         At({{9, 28, 27}, {24}, {}, {}}, 1, {7, 2, 10}, {{1, {29, 21, 17, 18}}}), 28, 20},
        {"three trumps with the trump Ace, third, the partner behind: the Ace", Rule::TrumpOrPoints,
         WithCalledAceHolder(At({{9, 10, 16, 1}, {24}, {}, {}}, 2, {25, 26}, {}, true, 15), 2), 16,
         20},
        {"three trumps with the trump Ten, third, the partner behind: the Ten", Rule::TrumpOrPoints,
         WithCalledAceHolder(At({{9, 10, 15, 1}, {24}, {}, {}}, 2, {25, 26}, {}, true, 15), 2), 15,
         20},
        {"the same, not strong: nothing", Rule::TrumpOrPoints,
         WithCalledAceHolder(At({{9, 10, 16, 1}, {24}, {}, {}}, 2, {25, 26}, {}, true, 8), 2), 0,
         -1},
        {"three trumps, last, the declarer's trick: the lowest winner", Rule::TrumpOrPoints,
         At({{9, 10, 11, 1}, {24}, {}, {}}, 1, {25, 26, 30}, {}, true, 8), 9, 20},
        {"three trumps with the trump Ace, last, strong: the Ace takes it", Rule::TrumpOrPoints,
         At({{9, 10, 16, 1}, {24}, {}, {}}, 1, {25, 26, 30}, {}, true, 15), 16, 20},
        {"three trumps, last, the partner's trick: nothing", Rule::TrumpOrPoints,
         At({{9, 10, 11, 1}, {24}, {}, {}}, 1, {25, 30, 26}, {}, true, 8), 0, -1},

        // A weak seat 0 leads the second trick; trumps are endangered for it.
        {"no other card of the suit out: its top card", Rule::LastTrumpRule,
         At({{7, 8, 19, 9}, {24}, {}, {}}, 0, {}, {{0, {1, 2, 3, 6}}}, false, 1), 8, 16},
        {"a master card with others of its suit out is passed over", Rule::LastTrumpRule,
         At({{8, 3, 31, 32, 9}, {24}, {}, {}}, 0, {}, {{0, {25, 26, 27, 30}}}, false, 1), 32, 16},
        {"no master card: nothing", Rule::LastTrumpRule,
         At({{7, 19, 9}, {24}, {}, {}}, 0, {}, {{0, {1, 2, 3, 6}}}, false, 1), 0, -1},

        // The declarer leads the first trick.
        {"the declarer leads a full card of the called suit", Rule::HighCalledSuitCard,
         At({{}, {24}, {}, {22, 19, 9, 10, 1}}, 3, {}), 22, 1},
        {"a single King of the called suit", Rule::HighCalledSuitCard,
         At({{}, {24}, {}, {22, 9, 10, 1}}, 3, {}), 22, 1},
        {"no card of the called suit: nothing", Rule::HighCalledSuitCard,
         At({{}, {24}, {}, {9, 10, 1}}, 3, {}), 0, -1},
        {"the called suit holds no full card: nothing", Rule::HighCalledSuitCard,
         At({{}, {24}, {}, {18, 19, 9, 10, 1}}, 3, {}), 0, -1},
        {"the lead ban: nothing", Rule::HighCalledSuitCard,
         WithLeadBan(At({{}, {24}, {}, {22, 19, 9, 10, 1}}, 3, {})), 0, -1},
        {"parties known: nothing", Rule::HighCalledSuitCard,
         At({{}, {24}, {}, {22, 19, 9, 10, 1}}, 3, {}, {}, true), 0, -1},
    };
    return cases;
}

TEST(SchafkopfPartnerRulesTest, EachRuleChoosesItsCardOrDeclines) {
    for (const RuleCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        SchafkopfTable table;
        const int seat = Arrange(table, c.position);
        SchafkopfComputerPlayer& g = table.game;
        const Choice got = DryRun(g, seat, [&] { return Ask(g, c.rule, seat); });
        EXPECT_EQ(got.card, c.expectCard);
        EXPECT_EQ(got.answered, c.expectCard != 0);
        if (c.expectCard != 0) {
            EXPECT_EQ(got.reason, c.expectReason);
        }
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

TEST(SchafkopfPartnerRulesTest, SecondTenIsOnlyATest) {
    struct Case {
        const char* name;
        std::vector<int> hand; // seat 0, on lead in the second trick
        std::vector<EarlierTrick> earlier;
        int card;
        bool expect;
    };
    const Case cases[] = {
        {"the Ten and one more, the Ace out", {23, 19, 9}, {}, 19, true},
        {"three cards of the suit", {23, 19, 17, 9}, {}, 19, false},
        {"no Ten", {22, 19, 9}, {}, 19, false},
        {"the Ace played", {23, 19, 9}, {{1, {24, 18, 22, 1}}}, 19, false},
        {"a trump", {23, 19, 9}, {}, 9, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SchafkopfTable table;
        const int seat = Arrange(
            table,
            At({c.hand, c.earlier.empty() ? std::vector<int>{24} : std::vector<int>{}, {}, {}}, 0,
               {}, c.earlier));
        SchafkopfComputerPlayer& g = table.game;
        ASSERT_EQ(seat, 0);
        EXPECT_EQ(g.PlaySecondTenRule(0, c.card), c.expect);
        EXPECT_EQ(g.trickCards[0], 0);
    }
}

TEST(SchafkopfPartnerRulesTest, DefenderInGermanCallByModeAndPartyFlag) {
    struct Case {
        int mode;
        int seat;
        bool expect;
    };
    // Seat 3 declares, seat 1 holds the called Ace.
    const Case cases[] = {{2, 0, true}, {2, 1, false}, {2, 3, false}, {0, 0, false}, {1, 2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + " seat " + std::to_string(c.seat));
        SchafkopfTable table;
        Position p = At({{}, {24}, {}, {}}, 0, {});
        p.partnershipMode = c.mode;
        Arrange(table, p);
        EXPECT_EQ(table.game.IsDefenderInGermanCall(c.seat), c.expect);
    }
}

// The engine's rule for a seat left with one trump in the end phase, on a plain trick: with
// every other trump gone its party is strong in trumps and the trump goes (36). The seat to
// move always sees itself in its own party, so the Eichel-Ober signal of that rule (34) does
// not arise in this line.
TEST(SchafkopfPartnerRulesTest, LastTrumpOnAPlainTrick) {
    struct Case {
        const char* name;
        Position position;
        int trick; // the trick number
        int expectCard;
        int expectReason;
    };
    Position twoCard = At({{}, {29, 24, 1}, {}, {}}, 3, {25, 26});
    twoCard.partnershipMode = 1;
    twoCard.calledSuit = -1;
    twoCard.declarer = -1;
    // Every trump but the Eichel Ober played in four tricks.
    const std::vector<EarlierTrick> trumpsGone = {
        {0, {4, 5, 9, 10}}, {0, {11, 12, 13, 14}}, {0, {15, 16, 20, 21}}, {0, {28, 2, 3, 18}}};
    const Case cases[] = {
        {"all other trumps gone: the last trump takes the trick",
         At({{}, {29, 24, 1}, {}, {}}, 3, {25, 26}, trumpsGone), 5, 29, 36},
        {"the same before the end phase: nothing",
         At({{}, {29, 24, 1}, {}, {}}, 3, {25, 26}, trumpsGone), 4, 0, -1},
        {"the same in a solo: nothing",
         WithWord(At({{}, {29, 24, 1}, {}, {}}, 3, {25, 26}, trumpsGone), kWordSuitSolo), 5, 0, -1},
        {"two-card partnership, the Eichel Ober's holder, trumps out: nothing", twoCard, 6, 0, -1},
        {"Call-Game partner, its party weak in trumps: nothing",
         At({{}, {29, 24, 1}, {}, {}}, 3, {25, 26}), 6, 0, -1},
        {"a trump on the trick: nothing", At({{}, {29, 24, 1}, {}, {}}, 3, {25, 10}), 6, 0, -1},
        {"two trumps: nothing", At({{}, {29, 9, 24, 1}, {}, {}}, 3, {25, 26}), 6, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        SchafkopfTable table;
        const int seat = Arrange(table, c.position);
        SchafkopfComputerPlayer& g = table.game;
        if (c.position.partnershipMode == 1 && c.position.calledSuit < 0)
            g.seats[seat].inDeclarerParty = table.Holds(seat, 29) ? 1 : 0;
        g.trickNumber = static_cast<std::int16_t>(c.trick);
        g.AnalysePartners(seat);
        const Choice got =
            DryRun(g, seat, [&] { return g.PlayLastTrump(seat, g.GetBestCardSoFar()); });
        EXPECT_EQ(got.card, c.expectCard);
        EXPECT_EQ(got.answered, c.expectCard != 0);
        if (c.expectCard != 0) {
            EXPECT_EQ(got.reason, c.expectReason);
        }
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

// Under Schellen trump the Schellen Ace is the fox: a skilled partner of the declaring party
// leads it early so that its partner can take it home.
TEST(SchafkopfPartnerRulesTest, FoxShownToThePartner) {
    struct Case {
        const char* name;
        bool fox;   // the Catch the Fox rule
        int holder; // seat on lead holding the fox
        int profile;
        int trick;
        int expectCard;
    };
    const Case cases[] = {
        {"the declarer's partner leads the fox", true, 1, 8, 2, 8},
        {"without the fox rule: nothing", false, 1, 8, 2, 0},
        {"a weak seat: nothing", true, 1, 5, 2, 0},
        {"in the end phase: nothing", true, 1, 8, 5, 0},
        {"a defender: nothing", true, 0, 8, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        SchafkopfTable table;
        table.options.catchTheFox = c.fox ? 1 : 0;
        std::vector<std::vector<int>> hands = {{}, {24}, {}, {}};
        for (int card : {8, 9, 17})
            hands[c.holder].push_back(card);
        Position p = At(hands, c.holder, {}, {}, false, c.profile);
        p.trumpSuit = 0;
        const int seat = Arrange(table, p);
        SchafkopfComputerPlayer& g = table.game;
        g.trickNumber = static_cast<std::int16_t>(c.trick);
        const Choice got = DryRun(g, seat, [&] { return g.ShowDiamondAceToPartner(seat); });
        EXPECT_EQ(got.card, c.expectCard);
        if (c.expectCard != 0) {
            EXPECT_EQ(got.reason, 43);
        }
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

} // namespace
