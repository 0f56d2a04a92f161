#include "engine/TrumpRuleList.h"

#include <string>

namespace rule_harness {

std::vector<NamedRule> TrumpAndTakingRules(const CardToBeat& cardToBeat) {
    const CardToBeat best = cardToBeat ? cardToBeat : [=](TestLevel& g) {
        return static_cast<int>(g.GetBestCardSoFar());
    };
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
            [=](TestLevel& g, int s, int) { return g.LeadTrumpIfNoOpponents(s, flag); });
        for (bool lowest : {false, true})
            add("LeadMiddleTrump" + f + (lowest ? "True" : "False"),
                [=](TestLevel& g, int s, int) { return g.LeadMiddleTrump(s, flag, lowest); });
        for (bool lenient : {false, true})
            add("PlayTrumpByEstimate" + f + (lenient ? "True" : "False"),
                [=](TestLevel& g, int s, int) { return g.PlayTrumpByEstimate(s, flag, lenient); });
        add("PlayHighTrumpOver" + f,
            [=](TestLevel& g, int s, int) { return g.PlayHighTrumpOver(s, best(g), flag); });
        add("PlayHighTrumpPair" + f,
            [=](TestLevel& g, int s, int) { return g.PlayHighTrumpPair(s, best(g), flag); });
        add("PlaySmallTrumpCheap" + f,
            [=](TestLevel& g, int s, int) { return g.PlaySmallTrumpCheap(s, flag); });
        add("PlayTrumpSuitByValue" + f,
            [=](TestLevel& g, int s, int) { return g.PlayTrumpSuitByValue(s, flag); });
        add("TrumpToWin" + f,
            [=](TestLevel& g, int s, int) { return g.TrumpToWin(s, best(g), flag); });
        add("FollowInTrump" + f,
            [=](TestLevel& g, int s, int) { return g.FollowInTrump(s, best(g), flag); });
    }
    add("LeadTrumpFromStrength",
        [=](TestLevel& g, int s, int) { return g.LeadTrumpFromStrength(s); });
    add("LeadFromSureTrumpRun",
        [=](TestLevel& g, int s, int) { return g.LeadFromSureTrumpRun(s); });
    add("LeadLastTrump", [=](TestLevel& g, int s, int) { return g.LeadLastTrump(s); });
    add("LeadTrumpEarly", [=](TestLevel& g, int s, int) { return g.LeadTrumpEarly(s); });
    add("LeadForPartnerAce",
        [=](TestLevel& g, int s, int) { return g.LeadForPartnerAce(s, best(g)); });
    add("PlayTrumpForPartner", [=](TestLevel& g, int s, int) { return g.PlayTrumpForPartner(s); });
    add("PlayTopTrumpIfHigh",
        [=](TestLevel& g, int s, int) { return g.PlayTopTrumpIfHigh(s, best(g)); });
    add("PlayMiddleTrump", [=](TestLevel& g, int s, int) { return g.PlayMiddleTrump(s, best(g)); });
    add("PlayTrumpInEndgame",
        [=](TestLevel& g, int s, int) { return g.PlayTrumpInEndgame(s, best(g)); });
    addGrouped("PlayTenOrAce",
               [=](TestLevel& g, int s, int group) { return g.PlayTenOrAce(s, group, best(g)); });
    addGrouped("OverplayWithSureWinner", [=](TestLevel& g, int s, int group) {
        return g.OverplayWithSureWinner(s, group, best(g));
    });
    add("TryToTakeTrick", [=](TestLevel& g, int s, int) { return g.TryToTakeTrick(s, best(g)); });
    addGrouped("PlayForPointsNeeded", [=](TestLevel& g, int s, int group) {
        return g.PlayForPointsNeeded(s, group, best(g));
    });
    add("FollowWithSecondHighest", [=](TestLevel& g, int s, int led) {
        return led >= 0 && g.FollowWithSecondHighest(s, led);
    });
    add("TrumpForGameWin", [=](TestLevel& g, int s, int) { return g.TrumpForGameWin(s, best(g)); });
    add("ThrowOffMiddlePoints",
        [=](TestLevel& g, int s, int) { return g.ThrowOffMiddlePoints(s); });
    add("PlayPointCardThatWins",
        [=](TestLevel& g, int s, int) { return g.PlayPointCardThatWins(s, best(g)); });
    add("PlayTowardPointTarget",
        [=](TestLevel& g, int s, int) { return g.PlayTowardPointTarget(s); });
    add("PlayHeartTenWithTwoTrumps",
        [=](TestLevel& g, int s, int) { return g.PlayHeartTenWithTwoTrumps(s); });
    add("TrumpToWinPlain", [=](TestLevel& g, int s, int) { return g.TrumpToWinPlain(s, best(g)); });
    add("FollowInTrumpNormalGame",
        [=](TestLevel& g, int s, int) { return g.FollowInTrumpNormalGame(s, best(g)); });
    add("TakeTrickForAces",
        [=](TestLevel& g, int s, int) { return g.TakeTrickForAces(s, best(g)); });
    add("RuffEndangeredSuit",
        [=](TestLevel& g, int s, int) { return g.RuffEndangeredSuit(s, best(g)); });
    add("OvertrumpWithFewTrumps",
        [=](TestLevel& g, int s, int) { return g.OvertrumpWithFewTrumps(s, best(g)); });
    addGrouped("TrumpWithPartnerSupport", [=](TestLevel& g, int s, int group) {
        return g.TrumpWithPartnerSupport(s, group, best(g));
    });
    add("PlayTrumpOnTrick",
        [=](TestLevel& g, int s, int) { return g.PlayTrumpOnTrick(s, best(g)); });
    add("PlayTrumpUnderRisk",
        [=](TestLevel& g, int s, int) { return g.PlayTrumpUnderRisk(s, best(g)); });
    return rules;
}

} // namespace rule_harness
