// The Schafkopf card rules that take the place of the engine's: table fixtures from dealt hands
// with the card and reason the published Call-Game duties ask for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SchafkopfTable.h"
#include "support/AlertRecorder.h"

namespace {

// Trump suit Herz. Schellen 9 3, 7 1; Gras 9 19, King 22, Ten 23, Ace 24; Eichel 9 27,
// King 30, Ten 31, Ace 32.
struct PointsCase {
    const char* name;
    std::vector<int> hand; // seat 1, the seat to move
    int led;               // seat 0 led it
    int trick;
    std::vector<int> earlierLeads; // by seat 0 in the tricks before
    int calledSuit;                // -1 none
    int expectCard;                // 0: the rule declines
};

const PointsCase kPointsCases[] = {
    {"the Ten of the suit most likely to be trumped", {31, 30, 27, 19, 22}, 3, 2, {}, 2, 31},
    {"a long suit's share too high: nothing", {31, 27, 19, 22}, 3, 2, {}, 2, 0},
    {"the called Ace stays before its suit was led", {24, 22, 19, 27}, 3, 2, {}, 2, 0},
    {"an Ace of another suit goes", {32, 30, 27, 19}, 3, 2, {}, 2, 32},
    {"the called Ace goes once its suit was led", {24, 22, 19, 27}, 3, 3, {17}, 2, 24},
    {"a Ten goes before an Ace of the same share", {32, 30, 27, 23, 22, 19}, 3, 2, {}, 0, 23},
};

TEST(SchafkopfCardRulesTest, PlayPointsRuleThrowsTheTenOrAceLeastLikelyToWin) {
    for (const PointsCase& c : kPointsCases) {
        SCOPED_TRACE(c.name);
        ResetAlertRecorder();
        SchafkopfTable table;
        // Seat 3 declares; the rest of the deck lies with seats 0 and 2.
        table.Start(1, {{}, c.hand, {}, {}}, 0, 3);
        if (c.calledSuit >= 0)
            table.Call(c.calledSuit);
        SchafkopfComputerPlayer& g = table.game;
        g.trickNumber = static_cast<std::int16_t>(c.trick);
        for (size_t t = 0; t < c.earlierLeads.size(); ++t) {
            g.tricks[t].leader = 0;
            g.tricks[t].cards[0] = static_cast<std::int16_t>(c.earlierLeads[t]);
        }
        g.trickCards[0] = static_cast<std::int16_t>(c.led);
        g.seatToMove = 1;
        g.AnalysePartners(1);
        const auto saved = g.BeginDryRun();
        const bool played = g.ThrowOffTenOrAce(1);
        const int card = g.trickCards[1];
        const int reason = g.dryRunReason;
        g.EndDryRun(1, saved);
        EXPECT_EQ(played ? card : 0, c.expectCard);
        EXPECT_EQ(played ? reason : 26, 26);
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

} // namespace
