// Computer-only Schafkopf series over the option sets of the table: every card, trick, bill
// and booking checked against the reference rules, the suggestion and the statistics probe at
// random moments leaving the table as it was, and the ends of a series by games, points and
// time. SCHAFKOPF_SERIES_DEALS sets the deals of the long run (default 2,400; the soak plays
// 20,000); SCHAFKOPF_SERIES_SET runs one option set only; SCHAFKOPF_SERIES_REPORT prints each
// set's fall-back report by group, phase, role and routine.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "SchafkopfSeries.h"
#include "support/AlertRecorder.h"

namespace {

using series::Options;
using series::Series;

long DealsOfLongRun() {
    const char* text = std::getenv("SCHAFKOPF_SERIES_DEALS");
    const long deals = text ? std::atol(text) : 0;
    return deals > 0 ? deals : 2400;
}

std::vector<Options> OptionSets() {
    std::vector<Options> sets;
    auto add = [&](auto change) {
        Options o;
        change(o);
        sets.push_back(o);
    };
    add([](Options&) {});
    add([](Options& o) { o.allPassRule = 1; });
    add([](Options& o) {
        o.allPassRule = 2;
        o.withPot = true;
    });
    add([](Options& o) {
        o.allPassRule = 3;
        o.fox = true;
    });
    add([](Options& o) {
        o.partnershipMode = 0;
        o.runners = true;
    });
    add([](Options& o) {
        o.partnershipMode = 1;
        o.tout = true;
        o.firstTrick = true;
    });
    add([](Options& o) {
        o.partnershipMode = 1;
        o.allPassRule = 2;
        o.shortDeck = true;
    });
    add([](Options& o) {
        o.shortDeck = true;
        o.allPassRule = 2;
        o.runners = true;
        o.fox = true;
    });
    add([](Options& o) {
        o.supResup = true;
        o.bockEvents = 2 | 4 | 8 | 16;
        o.withPot = true;
    });
    add([](Options& o) {
        o.tout = true;
        o.bockEvents = 4 | 8;
        o.trumpSuit = 0;
        o.declarerLeads = true;
    });
    add([](Options& o) {
        o.requiredSolo = true;
        o.seriesEnd = kSeriesEndGames;
        o.seriesGameCount = 1000000;
        o.runners = true;
        o.supResup = true;
    });
    add([](Options& o) {
        o.allPassRule = 3;
        o.withPot = true;
        o.bockEvents = 2;
        o.partnershipMode = 0;
    });
    return sets;
}

std::string Report(const Series& s) {
    std::string text;
    for (const auto& f : s.failures)
        text += f + "\n";
    return text;
}

TEST(SchafkopfSeries, ComputerSeriesOverEveryOptionSetKeepTheRules) {
    const auto sets = OptionSets();
    const long perSet = DealsOfLongRun() / static_cast<long>(sets.size()) + 1;
    long deals = 0, fallback = 0, standIn = 0, cards = 0, suggestions = 0, empty = 0, probes = 0,
         replays = 0;
    long bockEvents = 0, bockGames = 0, solos = 0, allPassed = 0, early = 0, resupras = 0,
         contras = 0;
    long runners = 0, firstTrickGames = 0, extras = 0, pots = 0, touts = 0, firstTrickSolos = 0;
    // The dispatcher's fall-backs (no routine chose the card) and its cards, by game group.
    long groupFallbacks[SchafkopfFallbackCounts::kGroups] = {};
    long groupCards[SchafkopfFallbackCounts::kGroups] = {};
    const char* only = std::getenv("SCHAFKOPF_SERIES_SET"); // one option set by its index
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (only && std::atol(only) != static_cast<long>(i))
            continue;
        Series s(sets[i], 1000u + static_cast<std::uint32_t>(i));
        ASSERT_TRUE(s.ok);
        s.probeEvery = 7;
        s.suggestEvery = 5;
        s.replayEvery = 9;
        for (long d = 0; d < perSet; ++d)
            ASSERT_TRUE(s.PlayDeal()) << "option set " << i;
        ASSERT_TRUE(s.failures.empty()) << "option set " << i << "\n" << Report(s);
        // No debugging box: a routine that left its dry run on or played two cards shows one.
        for (const AlertBox& box : RecordedAlerts())
            ADD_FAILURE() << "option set " << i << ": " << box.caption << ": " << box.text;
        ResetAlertRecorder();
        deals += s.deals;
        const SchafkopfFallbackCounts& counts = s.Game().fallbackCounts;
        fallback += static_cast<long>(counts.TotalFallbacks());
        for (int g = 0; g < SchafkopfFallbackCounts::kGroups; ++g) {
            groupFallbacks[g] += static_cast<long>(counts.FallbacksOfGroup(g));
            groupCards[g] += static_cast<long>(counts.CardsOfGroup(g));
        }
        if (std::getenv("SCHAFKOPF_SERIES_REPORT")) {
            char text[16384];
            counts.WriteReport(text, sizeof text);
            std::printf("option set %zu\n%s", i, text);
        }
        standIn += s.standInCards;
        cards += s.cardsPlayed;
        suggestions += s.suggestions;
        empty += s.emptySuggestions;
        probes += s.probes;
        replays += s.replays;
        bockEvents += s.bockEvents;
        bockGames += s.bockGames;
        solos += s.solos;
        allPassed += s.allPassed;
        early += s.earlyEnds;
        resupras += s.resupras;
        contras += s.contras;
        runners += s.runnerItems;
        extras += s.extrasItems;
        pots += s.potItems;
        touts += s.touts;
        firstTrickSolos += s.firstTrickSolos;
        firstTrickGames += s.firstTrickGames;
    }
    std::printf("deals %ld, cards %ld, fall-back cards %ld, stand-in cards %ld, suggestions %ld "
                "(%ld empty), "
                "probes %ld, replayed deals %ld\n",
                deals, cards, fallback, standIn, suggestions, empty, probes, replays);
    std::printf(
        "solos %ld, all passed %ld, early ends %ld, bock events %ld, bock games %ld, contras %ld, "
        "resupras %ld, runner items %ld, extras %ld, pot items %ld, touts %ld, 1st Trick games "
        "%ld, turned solos %ld\n",
        solos, allPassed, early, bockEvents, bockGames, contras, resupras, runners, extras, pots,
        touts, firstTrickGames, firstTrickSolos);
    for (int g = 0; g < SchafkopfFallbackCounts::kGroups; ++g)
        if (groupCards[g] > 0)
            std::printf("fall-backs in %s: %ld of %ld computer cards\n",
                        SchafkopfFallbackCounts::GroupName(g), groupFallbacks[g], groupCards[g]);
    // Ramsch, Leaster and the Beg have a routine for every position: none of their cards may
    // come from the dispatcher's last resort.
    EXPECT_EQ(groupFallbacks[static_cast<int>(SchafkopfPlayGroup::kAllPassed)], 0);
    EXPECT_EQ(groupFallbacks[static_cast<int>(SchafkopfPlayGroup::kBeg)], 0);
    if (only)
        return;
    // The option sets reach what they are there for.
    EXPECT_GT(solos, 0);
    EXPECT_GT(allPassed, 0);
    EXPECT_GT(bockGames, 0);
    EXPECT_GT(pots, 0);
    EXPECT_GT(suggestions, 0);
    EXPECT_GT(probes, 0);
    EXPECT_GT(replays, 0);
}

TEST(SchafkopfSeries, EndsAfterTheGamesOfTheRule) {
    Options o;
    o.seriesEnd = kSeriesEndGames;
    o.seriesGameCount = 12;
    Series s(o, 7);
    int deals = 0;
    while (s.PlayDeal() && deals < 200)
        ++deals;
    ASSERT_TRUE(s.failures.empty()) << Report(s);
    EXPECT_EQ(GameListHead(s.table->gameListHandle)->count, 12);
}

TEST(SchafkopfSeries, EndsWhenASeatReachesTheTarget) {
    Options o;
    o.seriesEnd = kSeriesEndTarget;
    o.seriesTarget = 60;
    Series s(o, 8);
    int deals = 0;
    auto best = [&] {
        std::int32_t top = INT32_MIN;
        for (std::int32_t total : GameListHead(s.table->gameListHandle)->totals)
            top = std::max(top, total);
        return top;
    };
    while (deals < 500) {
        const std::int32_t before = best();
        if (!s.PlayDeal())
            break;
        ASSERT_LT(before, 60) << "a deal after the target was reached";
        ++deals;
    }
    ASSERT_TRUE(s.failures.empty()) << Report(s);
    EXPECT_GE(best(), 60);
    EXPECT_LT(deals, 500);
}

TEST(SchafkopfSeries, EndsWhenTheTimeIsUp) {
    Options o;
    o.timeLimit = true;
    o.timeLimitMinutes = 100;
    Series s(o, 9);
    int deals = 0;
    // Ten minutes of the fake clock go by before each deal: the deal at 110 minutes is not dealt.
    while (s.PlayDeal(10) && deals < 100)
        ++deals;
    EXPECT_EQ(deals, 10);
    EXPECT_TRUE(s.failures.empty()) << Report(s);
}

TEST(SchafkopfSeries, MissingRequiredSolosKeepATimedSeriesGoing) {
    Options o;
    o.timeLimit = true;
    o.timeLimitMinutes = 30;
    o.requiredSolo = true;
    o.requiredSoloCount = 1;
    o.seriesEnd = kSeriesEndGames;
    o.seriesGameCount = 1000;
    Series s(o, 10);
    int deals = 0;
    int afterTime = 0;
    while (deals < 100) {
        if (!s.PlayDeal(10))
            break;
        ++deals;
        if (s.clockMs / 60000 > 30) {
            ++afterTime;
            EXPECT_TRUE(s.solosMissingAtTimeLimit);
        }
    }
    ASSERT_TRUE(s.failures.empty()) << Report(s);
    ASSERT_LT(deals, 100);
    // The series ended only once every seat had played its solo, and went on past the time.
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_TRUE(s.table->HasRequiredSolos(seat)) << seat;
    bool missing = false;
    EXPECT_TRUE(s.table->IsTimeLimitReached(&missing));
    EXPECT_FALSE(missing);
    // Each deal after the time was up gave a missing solo (voided deals aside).
    EXPECT_GE(afterTime, 1);
    EXPECT_LE(afterTime, 4 + s.voidDeals);
}

} // namespace
