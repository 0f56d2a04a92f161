// The Schafkopf card rules on live positions: random mid-deal positions of Call Games (German
// call and the two-card partnership) and solos, where each rule either plays exactly one legal
// card of the seat to move or leaves the game object as it found it, and a dry run changes
// only the dry-run fields. The discard and the Call-Game play of a seat that cannot follow and
// the follow of a trump lead always play.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "SchafkopfTable.h"
#include "engine/TrickGameCore.h"
#include "support/AlertRecorder.h"

namespace {

using Rule = std::function<bool(SchafkopfComputerPlayer&, int seat, int best)>;
using Situation = bool (*)(SchafkopfComputerPlayer&, int seat);
struct NamedRule {
    const char* name;
    Rule rule;
    Situation promises = nullptr; // where the rule is asked, it always plays
};

// The discard rules are asked only of a seat that cannot follow.
bool Void(SchafkopfComputerPlayer& g, int seat) {
    return seat != g.leader && !g.CanFollowSuit(seat);
}

// The lead rules are asked only of the seat on lead.
bool Leads(SchafkopfComputerPlayer& g, int seat) {
    return seat == g.leader;
}

// The follow of a trump lead is asked of a seat that holds a trump to follow with.
bool FollowsTrumpLead(SchafkopfComputerPlayer& g, int seat) {
    const int led = g.trickCards[g.leader];
    return seat != g.leader && IsCardCode(led) && g.IsTrump(led) && g.CanFollowSuit(seat);
}

// The void play of the Call Game, as the dispatcher asks for it.
bool CallGameVoid(SchafkopfComputerPlayer& g, int seat) {
    return Void(g, seat) && !g.IsSoloGame();
}

// The group may be played: the seat leads, follows the group or cannot follow.
bool Playable(SchafkopfComputerPlayer& g, int seat, int group) {
    return seat == g.leader || Void(g, seat) || g.GetSuitGroup(g.trickCards[g.leader]) == group;
}

std::vector<NamedRule> Rules() {
    using G = SchafkopfComputerPlayer;
    return {
        {"PlayPointsRule", [](G& g, int s, int) { return Void(g, s) && g.ThrowOffTenOrAce(s); }},
        {"PlayCalledSuitRule", [](G& g, int s, int) { return g.LeadClubQueenToShowParty(s); }},
        {"PlayTrumpLead", [](G& g, int s, int b) { return g.FollowInTrumpNormalGame(s, b); }},
        {"PlayTrickTakingCard",
         [](G& g, int s, int b) { return Void(g, s) && g.PlayTrickTakingCard(s, b); }},
        {"PlayHighSuitCardBehind",
         [](G& g, int s, int b) { return g.PlayHighSuitCardBehind(s, b); }},
        {"PlayLowestWinningCard", [](G& g, int s, int b) { return g.PlayLowestWinningCard(s, b); }},
        {"TakeLastTricksByPoints",
         [](G& g, int s, int b) { return g.TakeLastTricksByPoints(s, b, false); }},
        {"TakeLastTricksByPointsFlag",
         [](G& g, int s, int b) { return g.TakeLastTricksByPoints(s, b, true); }},
        {"PlayLowOfCalledSuit",
         [](G& g, int s, int) {
             return g.calledSuit >= 0 && g.seats[s].groupCount[g.calledSuit] > 0 &&
                    Playable(g, s, g.calledSuit) && g.PlayLowOfGroup(s, g.calledSuit);
         }},
        {"PlayLowTrumpWithHooks",
         [](G& g, int s, int) {
             return g.seats[s].groupCount[4] > 0 && Playable(g, s, 4) && g.PlayLowOfGroup(s, 4);
         }},
        {"PlayLowPointSuitCard",
         [](G& g, int s, int) { return Leads(g, s) && g.PlayLowPointSuitCard(s); }},
        {"PlayAceOrLowInUntouchedSuit",
         [](G& g, int s, int) { return Leads(g, s) && g.PlayAceOrLowInUntouchedSuit(s); }},
        {"PlayShortSuitForPartner",
         [](G& g, int s, int) { return Leads(g, s) && g.PlayShortSuitForPartner(s); }},
        {"PlayHighCalledSuitCard",
         [](G& g, int s, int) { return Leads(g, s) && g.PlayHighCalledSuitCard(s); }},
        {"PlayLastTrumpRule",
         [](G& g, int s, int b) { return Leads(g, s) && g.PlayLastTrumpRule(s, b, false); }},
        {"PlayLastTrumpRuleFlag",
         [](G& g, int s, int b) { return Leads(g, s) && g.PlayLastTrumpRule(s, b, true); }},
        {"PlayOfferedRules", [](G& g, int s, int) { return Void(g, s) && g.PlayOfferedRules(s); }},
        {"PlayPointsToTrumpingPartner",
         [](G& g, int s, int b) { return Void(g, s) && g.PlayPointsToTrumpingPartner(s, b); }},
        {"PlayPointsBehindPartner",
         [](G& g, int s, int) { return Void(g, s) && g.PlayPointsBehindPartner(s); }},
        {"PlaySingleAceCards",
         [](G& g, int s, int) { return Void(g, s) && g.PlaySingleAceCards(s); }},
        // Asked while following a trump lead and while void: it chooses only cards it may play.
        {"PlayTrumpOrPoints", [](G& g, int s, int b) { return g.PlayTrumpOrPoints(s, b); }},
        // Only a test: it never plays.
        {"PlaySecondTenRule",
         [](G& g, int s, int b) {
             g.PlaySecondTenRule(s, b);
             return false;
         }},
        {"PlayCallGameVoid",
         [](G& g, int s, int b) { return CallGameVoid(g, s) && g.PlayCallGameVoid(b); },
         CallGameVoid},
        {"DiscardByPosition",
         [](G& g, int s, int b) { return Void(g, s) && g.DiscardByPosition(b); }, Void},
        {"FollowTrumpLead",
         [](G& g, int s, int) {
             return FollowsTrumpLead(g, s) && g.FollowTrumpLead(g.trickCards[g.leader]);
         },
         FollowsTrumpLead},
        {"FollowTrumpLeadSafe",
         [](G& g, int s, int b) {
             return FollowsTrumpLead(g, s) && g.FollowTrumpLeadSafe(b, true);
         }},
        {"FollowTrumpLeadDeep",
         [](G& g, int s, int b) { return FollowsTrumpLead(g, s) && g.FollowTrumpLeadDeep(b); }},
        {"FollowTrumpLeadOpen",
         [](G& g, int s, int b) { return FollowsTrumpLead(g, s) && g.FollowTrumpLeadOpen(b); }},
        {"PlayTrumpDecision", [](G& g, int s, int b) { return g.PlayTrumpDecision(s, b, false); }},
        {"PlayTrumpDecisionTrumpLead",
         [](G& g, int s, int b) { return g.PlayTrumpDecision(s, b, true); }},
        {"PlayTrumpDecisionSimple",
         [](G& g, int s, int b) { return g.PlayTrumpDecisionSimple(s, b, false); }},
        {"KeepHighTrumpForPoints",
         [](G& g, int s, int b) { return g.KeepHighTrumpForPoints(s, b); }},
        {"PlayVoidWithTrump",
         [](G& g, int s, int b) {
             return Void(g, s) &&
                    g.PlayVoidWithTrump(b, g.seats[s].groupCount[4] > 0, 12, g.GetTrickPosition(s));
         }},
    };
}

std::vector<std::uint8_t> Image(SchafkopfComputerPlayer& g) {
    std::vector<std::uint8_t> image(kSavedRegionSize);
    g.WriteSavedRegion(image.data());
    for (int seat = 0; seat < 4; ++seat) {
        const auto* log = static_cast<const std::uint8_t*>(g.playLogs[seat]);
        if (log)
            image.insert(image.end(), log, log + kPlayLogSize);
    }
    return image;
}

std::string FirstAlert() {
    const auto& alerts = RecordedAlerts();
    return alerts.empty() ? std::string() : alerts[0].caption + ": " + alerts[0].text;
}

struct Mode {
    const char* name;
    int partnershipMode;
    GameTypeWord word;
};

// A random mid-deal position, the same for the same seed: false when the deal has no
// position to ask about (no suit to call, or the deal is over).
bool SetUpPosition(SchafkopfTable& table, const Mode& mode, unsigned seed) {
    std::mt19937 random(seed);
    table.options.partnershipMode = static_cast<std::int16_t>(mode.partnershipMode);
    table.options.trumpSuit = static_cast<std::int16_t>(random() % 2 == 0 ? 1 : 0);
    table.game.NewGameWithOptions(&table.options);
    const int declarer = static_cast<int>(random() % 4);
    table.Deal(random, mode.word, static_cast<int>(random() % 4), declarer);
    SchafkopfComputerPlayer& g = table.game;
    for (int s = 0; s < 4; ++s)
        g.seats[s].profile = static_cast<std::int16_t>(random() % 16);
    if (mode.word == 1 && mode.partnershipMode != 1) {
        int called = -1;
        for (int suit = 0; suit < 4 && called < 0; ++suit)
            if (suit != table.options.trumpSuit && !table.Holds(declarer, suit * 8 + 8))
                called = suit;
        if (called < 0)
            return false;
        table.Call(called);
    } else if (mode.word == 1) {
        for (int s = 0; s < 4; ++s)
            if (table.Holds(s, table.options.partnerCards[0]) ||
                table.Holds(s, table.options.partnerCards[1]))
                g.seats[s].inDeclarerParty = 1;
    }
    const int stop = static_cast<int>(random() % 32);
    for (int n = 0; n < stop; ++n) {
        const auto legal = table.LegalCards();
        if (legal.empty())
            return false;
        table.Play(legal[random() % legal.size()]);
        if (g.trickCards[g.PreviousSeat(g.leader)] != 0)
            table.FinishTrick();
    }
    if (g.trickNumber > g.GetCardsPerHand())
        return false;
    g.AnalysePartners(g.seatToMove);
    return true;
}

TEST(SchafkopfRuleHarness, EveryRulePlaysOneLegalCardOrChangesNothing) {
    const Mode modes[] = {{"German call", 2, 1},       {"two-card partnership", 1, 1},
                          {"other call", 0, 1},        {"Suit Solo", 2, kWordSuitSolo},
                          {"Wenz", 2, kWordSuitUnter}, {"Suit Ober solo", 2, kWordSuitOber}};
    const auto rules = Rules();
    int positions = 0;
    int plays = 0;
    for (unsigned deal = 0; deal < 600; ++deal) {
        const Mode& mode = modes[deal % std::size(modes)];
        SCOPED_TRACE(std::string(mode.name) + " deal " + std::to_string(deal));
        ++positions;
        for (const NamedRule& rule : rules) {
            SCOPED_TRACE(rule.name);
            ResetAlertRecorder();
            SchafkopfTable table;
            if (!SetUpPosition(table, mode, 1000 + deal)) {
                --positions;
                break;
            }
            SchafkopfComputerPlayer& g = table.game;
            const int seat = g.seatToMove;
            const auto legal = table.LegalCards();
            const bool promised = rule.promises && rule.promises(g, seat);
            const int best = g.GetBestCardSoFar();
            // The dry run: only the dry-run fields change, and the recorded card is legal.
            const auto before = Image(g);
            const auto savedIndex = g.dryRunIndex;
            const auto savedReason = g.dryRunReason;
            const auto saved = g.BeginDryRun();
            const bool would = rule.rule(g, seat, best);
            const int recorded = g.trickCards[seat];
            g.EndDryRun(seat, saved);
            g.dryRunIndex = savedIndex;
            g.dryRunReason = savedReason;
            ASSERT_TRUE(Image(g) == before) << "the dry run changed the game";
            if (would) {
                ASSERT_NE(std::find(legal.begin(), legal.end(), recorded), legal.end()) << recorded;
            }
            // The real run.
            const auto hand = table.Hand(seat);
            const bool played = rule.rule(g, seat, best);
            EXPECT_TRUE(RecordedAlerts().empty()) << FirstAlert();
            if (!played) {
                ASSERT_TRUE(Image(g) == before) << "a declining rule changed the game";
                ASSERT_FALSE(rule.promises && promised) << "no card where one is promised";
                continue;
            }
            ++plays;
            const int card = g.trickCards[seat];
            ASSERT_NE(std::find(legal.begin(), legal.end(), card), legal.end()) << card;
            ASSERT_EQ(table.Hand(seat).size(), hand.size() - 1);
            ASSERT_FALSE(table.Holds(seat, card));
        }
    }
    EXPECT_GT(positions, 400);
    EXPECT_GT(plays, 1000);
}

} // namespace
