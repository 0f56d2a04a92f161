#include "engine/TrumpRuleList.h"

#include <string>

namespace rule_harness {

namespace {

int Best(TestLevel& g) { return g.GetBestCardSoFar(); }

}  // namespace

std::vector<NamedRule> TrumpAndTakingRules() {
    std::vector<NamedRule> rules;
    auto add = [&](std::string name, Rule rule) { rules.push_back({std::move(name), rule}); };
    // The rules that take a group: asked for the led group and for the trumps.
    auto addGrouped = [&](const std::string& name, auto rule) {
        add(name + "Led",
            [rule](TestLevel& g, int s, int led) { return led >= 0 && rule(g, s, led); });
        add(name + "Trumps", [rule](TestLevel& g, int s, int) { return rule(g, s, 4); });
    };
    for (bool flag : {false, true}) {
        const std::string f = flag ? "True" : "False";
        add("LeadTrumpIfNoOpponents" + f,
            [flag](TestLevel& g, int s, int) { return g.LeadTrumpIfNoOpponents(s, flag); });
        for (bool lowest : {false, true})
            add("LeadMiddleTrump" + f + (lowest ? "True" : "False"),
                [flag, lowest](TestLevel& g, int s, int) {
                    return g.LeadMiddleTrump(s, flag, lowest);
                });
        for (bool lenient : {false, true})
            add("PlayTrumpByEstimate" + f + (lenient ? "True" : "False"),
                [flag, lenient](TestLevel& g, int s, int) {
                    return g.PlayTrumpByEstimate(s, flag, lenient);
                });
        add("PlayHighTrumpOver" + f,
            [flag](TestLevel& g, int s, int) { return g.PlayHighTrumpOver(s, Best(g), flag); });
        add("PlayHighTrumpPair" + f,
            [flag](TestLevel& g, int s, int) { return g.PlayHighTrumpPair(s, Best(g), flag); });
        add("PlaySmallTrumpCheap" + f,
            [flag](TestLevel& g, int s, int) { return g.PlaySmallTrumpCheap(s, flag); });
        add("PlayTrumpSuitByValue" + f,
            [flag](TestLevel& g, int s, int) { return g.PlayTrumpSuitByValue(s, flag); });
        add("TrumpToWin" + f,
            [flag](TestLevel& g, int s, int) { return g.TrumpToWin(s, Best(g), flag); });
        add("FollowInTrump" + f,
            [flag](TestLevel& g, int s, int) { return g.FollowInTrump(s, Best(g), flag); });
    }
    add("LeadTrumpFromStrength", [](TestLevel& g, int s, int) { return g.LeadTrumpFromStrength(s); });
    add("LeadFromSureTrumpRun", [](TestLevel& g, int s, int) { return g.LeadFromSureTrumpRun(s); });
    add("LeadLastTrump", [](TestLevel& g, int s, int) { return g.LeadLastTrump(s); });
    add("LeadTrumpEarly", [](TestLevel& g, int s, int) { return g.LeadTrumpEarly(s); });
    add("LeadForPartnerAce",
        [](TestLevel& g, int s, int) { return g.LeadForPartnerAce(s, Best(g)); });
    add("PlayTrumpForPartner", [](TestLevel& g, int s, int) { return g.PlayTrumpForPartner(s); });
    add("PlayTopTrumpIfHigh",
        [](TestLevel& g, int s, int) { return g.PlayTopTrumpIfHigh(s, Best(g)); });
    add("PlayMiddleTrump", [](TestLevel& g, int s, int) { return g.PlayMiddleTrump(s, Best(g)); });
    add("PlayTrumpInEndgame",
        [](TestLevel& g, int s, int) { return g.PlayTrumpInEndgame(s, Best(g)); });
    addGrouped("PlayTenOrAce",
               [](TestLevel& g, int s, int group) { return g.PlayTenOrAce(s, group, Best(g)); });
    addGrouped("OverplayWithSureWinner", [](TestLevel& g, int s, int group) {
        return g.OverplayWithSureWinner(s, group, Best(g));
    });
    add("TryToTakeTrick", [](TestLevel& g, int s, int) { return g.TryToTakeTrick(s, Best(g)); });
    addGrouped("PlayForPointsNeeded", [](TestLevel& g, int s, int group) {
        return g.PlayForPointsNeeded(s, group, Best(g));
    });
    add("FollowWithSecondHighest", [](TestLevel& g, int s, int led) {
        return led >= 0 && g.FollowWithSecondHighest(s, led);
    });
    add("TrumpForGameWin", [](TestLevel& g, int s, int) { return g.TrumpForGameWin(s, Best(g)); });
    add("ThrowOffMiddlePoints", [](TestLevel& g, int s, int) { return g.ThrowOffMiddlePoints(s); });
    add("PlayPointCardThatWins",
        [](TestLevel& g, int s, int) { return g.PlayPointCardThatWins(s, Best(g)); });
    add("PlayTowardPointTarget", [](TestLevel& g, int s, int) { return g.PlayTowardPointTarget(s); });
    add("PlayHeartTenWithTwoTrumps",
        [](TestLevel& g, int s, int) { return g.PlayHeartTenWithTwoTrumps(s); });
    add("TrumpToWinPlain", [](TestLevel& g, int s, int) { return g.TrumpToWinPlain(s, Best(g)); });
    add("FollowInTrumpNormalGame",
        [](TestLevel& g, int s, int) { return g.FollowInTrumpNormalGame(s, Best(g)); });
    add("TakeTrickForAces", [](TestLevel& g, int s, int) { return g.TakeTrickForAces(s, Best(g)); });
    add("RuffEndangeredSuit",
        [](TestLevel& g, int s, int) { return g.RuffEndangeredSuit(s, Best(g)); });
    add("OvertrumpWithFewTrumps",
        [](TestLevel& g, int s, int) { return g.OvertrumpWithFewTrumps(s, Best(g)); });
    addGrouped("TrumpWithPartnerSupport", [](TestLevel& g, int s, int group) {
        return g.TrumpWithPartnerSupport(s, group, Best(g));
    });
    add("PlayTrumpOnTrick", [](TestLevel& g, int s, int) { return g.PlayTrumpOnTrick(s, Best(g)); });
    add("PlayTrumpUnderRisk",
        [](TestLevel& g, int s, int) { return g.PlayTrumpUnderRisk(s, Best(g)); });
    return rules;
}

void SwitchOffSpecialOptions(TestLevel& game) {
    game.options.foxCaughtPoint = 0;
    game.options.foxLastTrickPoint = 0;
    game.options.charlieCaughtPoint = 0;
    game.options.charlieLastTrickPoint = 0;
    game.options.diamondAcesTop = 0;
    game.options.specialPairTop = 0;
}

}  // namespace rule_harness
