// The trump plays and the rules for taking the trick and for trumping on live positions of the
// three test levels: the double-deck base, the single-copy four-seat level of the Schafkopf
// line and the three-seat level of the Skat line. At every decision each rule is asked in a
// dry run (which is also an outer dry run for the rules that make their own) and then for
// real in turn, before the basic plays; the harness checks that a declining rule changes
// nothing and that a played card is a legal one of the seat to move.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>

#include "engine/LineTestLevels.h"
#include "engine/TrumpRuleList.h"

namespace {

using rule_harness::NamedRule;

struct PlayOutCounts {
    std::map<std::string, int> wouldPlay;
    int byRule = 0;
    int fallback = 0;
};

// The rules of the list that are asked about no card to beat.
bool TakesNoCard(const std::string& name) {
    static const char* const kNames[] = {"LeadTrumpIfNoOpponents",  "LeadMiddleTrump",
                                         "PlayTrumpByEstimate",     "PlaySmallTrumpCheap",
                                         "PlayTrumpSuitByValue",    "LeadTrumpFromStrength",
                                         "LeadFromSureTrumpRun",    "LeadLastTrump",
                                         "LeadTrumpEarly",          "PlayTrumpForPartner",
                                         "FollowWithSecondHighest", "ThrowOffMiddlePoints",
                                         "PlayTowardPointTarget",   "PlayHeartTenWithTwoTrumps"};
    for (const char* prefix : kNames)
        if (name.rfind(prefix, 0) == 0)
            return true;
    return false;
}

void PlayOut(TestLevel& game, const std::vector<reference::Game>& games, int deals, unsigned seed,
             PlayOutCounts& counts) {
    std::mt19937 random(seed);
    const std::vector<NamedRule> rules = rule_harness::TrumpAndTakingRules();
    const std::vector<NamedRule> basic = rule_harness::BasicPlays();
    // The same rules asked about a card to beat that is no card code: each must decline.
    int badCard = -1;
    std::vector<NamedRule> badCardRules;
    for (const NamedRule& rule :
         rule_harness::TrumpAndTakingRules([&badCard](TestLevel&) { return badCard; }))
        if (!TakesNoCard(rule.name))
            badCardRules.push_back(rule);
    const int seatCount = game.GetSeatCount();
    for (int deal = 0; deal < deals && !::testing::Test::HasFailure(); ++deal) {
        const reference::Game& ref = games[random() % games.size()];
        SCOPED_TRACE(ref.name + ", deal " + std::to_string(deal));
        // With the second Heart Ten on top the two-trump Heart Ten play comes up too (the
        // single-copy levels answer the rule as off).
        game.options.secondHeartTenWins = 1;
        game.Deal(random, ref.trumpSuit, ref.word, static_cast<int>(random() % seatCount));
        for (int seat = 0; seat < seatCount; ++seat)
            game.seats[seat].profile = static_cast<std::int16_t>(random() % 27);
        for (int trick = 1; trick <= game.GetCardsPerHand(); ++trick) {
            int seat = game.leader;
            for (int i = 0; i < seatCount; ++i, seat = game.NextSeat(seat)) {
                game.PrepareDecision(seat);
                const int led = i == 0 ? -1 : game.GetSuitGroup(game.trickCards[game.leader]);
                for (const auto& rule : rules)
                    if (rule_harness::CheckDryRun(game, ref, rule, led))
                        ++counts.wouldPlay[rule.name];
                badCard = badCard == -1 ? kLastCard + 1 : -1;
                for (const auto& rule : badCardRules)
                    EXPECT_FALSE(rule_harness::CheckDryRun(game, ref, rule, led))
                        << rule.name << " played against the card " << badCard;
                bool played = false;
                for (const auto* list : {&rules, &basic})
                    for (const auto& rule : *list)
                        if (!played && rule_harness::CheckRealRun(game, ref, rule, led))
                            played = true;
                if (played) {
                    ++counts.byRule;
                } else {
                    const std::vector<int> legal = rule_harness::LegalPlaces(game, ref);
                    ASSERT_FALSE(legal.empty());
                    game.PlayCard(seat, legal.front(), 9);
                    ++counts.fallback;
                }
                ASSERT_NE(game.trickCards[seat], 0) << "the deal stalled";
            }
            game.FinishTrick();
        }
        for (int seat = 0; seat < seatCount; ++seat)
            EXPECT_EQ(game.seats[seat].hand[0], 0);
    }
}

} // namespace

TEST(TrumpRulesPlayOut, WholeDealsOnEveryLevel) {
    PlayOutCounts counts;
    TestLevel base;
    PlayOut(base, reference::AllGames(), 50, 1313, counts);
    SchafkopfLevel schafkopf;
    PlayOut(schafkopf, reference::SchafkopfGames(), 60, 1314, counts);
    SkatLevel skat;
    PlayOut(skat, reference::SkatGames(), 40, 1315, counts);
    EXPECT_GT(counts.byRule, counts.fallback);
    // Rules that cannot play before the special-card operations answer more than they do now:
    // the sure trump run and the partner's sure trumps are still counted as none, the
    // throw-off rules decline, and the caught special cards always count as settled. The
    // middle-points throw-off belongs to the Skat line alone.
    const std::set<std::string> waiting = {"LeadFromSureTrumpRun", "ThrowOffMiddlePoints",
                                           "PlayTowardPointTarget", "TrumpWithPartnerSupportLed",
                                           "TrumpWithPartnerSupportTrumps"};
    for (const auto& rule : rule_harness::TrumpAndTakingRules())
        if (waiting.count(rule.name) == 0) {
            EXPECT_GT(counts.wouldPlay[rule.name], 0) << rule.name << " never chose a card";
        }
}
