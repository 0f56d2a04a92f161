#include "engine/DiscardLeadRuleList.h"

#include <string>

namespace rule_harness {

namespace {

int Best(TestLevel& g) {
    return g.GetBestCardSoFar();
}

// The rule list of the chain for one decision: all rules go through the one door, so a rule
// whose card does not follow suit declines and the next is asked.
bool RunChain(TestLevel& g, int s) {
    const bool leads = s == g.leader;
    const int best = leads ? 0 : Best(g);
    const int led = leads ? -1 : g.GetSuitGroup(g.trickCards[g.leader]);
    int mask = 0;
    if (leads) {
        return g.PlayLastTricksTrump(s) || g.LeadClubQueenToShowParty(s) ||
               g.ShowDiamondAceToPartner(s) || g.LeadMostLikelySureSuit() ||
               g.LeadSuitPartnerCanRuff(s) || g.PlayTopTrumpFirstCopy(s) ||
               g.LeadTrumpFromStrength(s) || g.PlaySureWinner(s, false) ||
               g.LeadLowSideCardByPlan() || g.LeadLowFromSuitWithoutAce(s) ||
               g.LeadLowFromNineToKing(s) || g.LeadLowSideCardSafely(s) || g.LeadLowSideCard(s) ||
               g.LeadPointsDownFromKing(s) || g.PlayLowTrump(s);
    }
    if (g.CanFollowSuit(s)) {
        // A special card goes onto a trick the party surely wins.
        if (led == kTrumpGroup && g.DoesTrickGoToPartner() && g.IsTrickSafeForPartner() &&
            g.GetHeldSpecials(&mask) && g.PlaySpecialCard(s, mask))
            return true;
        if (led == kTrumpGroup)
            return g.PlayLastTricksTrump(s) || g.FollowWithClubQueen(s, best) ||
                   g.FollowInTrumpNormalGame(s, best) || g.FollowInTrump(s, best, true) ||
                   g.PlayLastTwoTrumps(s) || g.PlayLowOfGroup(s, kTrumpGroup);
        if (g.DoesTrickGoToPartner() && !g.IsOpponentStillToPlay())
            return g.PlayPointCardThatWins(s, best) || g.PlayHighestOfGroup(s, led);
        return (g.IsTrickWorthContesting(nullptr, nullptr) &&
                (g.OverplayWithSureWinner(s, led, best) || g.PlayTenOrAce(s, led, best) ||
                 g.TryToTakeTrick(s, best))) ||
               g.PlayLowOfGroup(s, led);
    }
    if (g.DoesTrickGoToPartner() && !g.IsOpponentStillToPlay())
        return g.SmearPoints(s) || g.ChooseHighSideCardOrThrowOff(s) || g.ChooseDiscard(s, false);
    return (g.ShouldPlaySpecialNow(&mask) && g.PlaySpecialCardOfKind(s, best, mask)) ||
           g.TryVoidShortSuit(s, g.CountTrickPoints(false), g.GetTrickPosition(s)) ||
           g.PlayLastTrump(s, best) || g.TrumpToWin(s, best, true) || g.PlayTrumpOnTrick(s, best) ||
           g.PlayTowardPointTarget(s) || g.ChooseDiscard(s, false) || g.DiscardLowestCard(s) ||
           g.PlayLeastLikelyWinner(s) || g.ThrowOffTenOrAce(s);
}

} // namespace

bool PlayByFullChain(TestLevel& game, int seat) {
    game.PrepareDecision(seat);
    if (RunChain(game, seat))
        return true;
    // The lowest legal card: the first place the line allows.
    for (int p = 0; p < kHandPlaces; ++p) {
        const int card = game.seats[seat].hand[p];
        if (card != 0 && game.IsLegalCard(seat, card) == 1) {
            game.PlayCard(seat, p, 9);
            return false;
        }
    }
    return false;
}

std::vector<NamedRule> DiscardLeadSpecialRules() {
    std::vector<NamedRule> rules;
    auto add = [&](std::string name, Rule rule) { rules.push_back({std::move(name), rule}); };
    for (bool flag : {false, true}) {
        const std::string f = flag ? "True" : "False";
        add("ChooseDiscard" + f,
            [flag](TestLevel& g, int s, int) { return g.ChooseDiscard(s, flag); });
        for (int rank : {0, 1, 2, 3, 4, 5, 6, 7})
            add("ThrowOffRank" + std::to_string(rank) + f,
                [flag, rank](TestLevel& g, int s, int) { return g.ThrowOffRank(s, rank, flag); });
        add("DiscardFromAceSuit" + f,
            [flag](TestLevel& g, int s, int) { return g.DiscardFromAceSuit(s, flag); });
        add("ChooseSideSuitCard" + f,
            [flag](TestLevel& g, int s, int) { return g.ChooseSideSuitCard(s, flag); });
        add("PlaySideSuitTop" + f,
            [flag](TestLevel& g, int s, int) { return g.PlaySideSuitTop(s, flag); });
        add("ChooseSingletonDiscard" + f,
            [flag](TestLevel& g, int s, int) { return g.ChooseSingletonDiscard(s, flag); });
    }
    add("ThrowOffTenOrAce", [](TestLevel& g, int s, int) { return g.ThrowOffTenOrAce(s); });
    add("SmearPoints", [](TestLevel& g, int s, int) { return g.SmearPoints(s); });
    add("DiscardFromTenSuit", [](TestLevel& g, int s, int) { return g.DiscardFromTenSuit(s); });
    add("DiscardByLine", [](TestLevel& g, int s, int) { return g.DiscardByLine(s, 3); });
    add("PlayHighSideCard", [](TestLevel& g, int s, int) { return g.PlayHighSideCard(s); });
    add("ChooseHighSideCardOrThrowOff",
        [](TestLevel& g, int s, int) { return g.ChooseHighSideCardOrThrowOff(s); });
    for (int base : {0, 10})
        add("TryVoidShortSuit" + std::to_string(base), [base](TestLevel& g, int s, int) {
            return g.TryVoidShortSuit(s, base, g.GetTrickPosition(s));
        });
    add("DiscardLowestCard", [](TestLevel& g, int s, int) { return g.DiscardLowestCard(s); });
    add("PlayLeastLikelyWinner",
        [](TestLevel& g, int s, int) { return g.PlayLeastLikelyWinner(s); });
    add("LeadLowFromSuitWithoutAce",
        [](TestLevel& g, int s, int) { return g.LeadLowFromSuitWithoutAce(s); });
    add("LeadLowFromNineToKing",
        [](TestLevel& g, int s, int) { return g.LeadLowFromNineToKing(s); });
    add("LeadLowSideCardSafely",
        [](TestLevel& g, int s, int) { return g.LeadLowSideCardSafely(s); });
    add("LeadLowSideCard", [](TestLevel& g, int s, int) { return g.LeadLowSideCard(s); });
    add("LeadPointsDownFromKing",
        [](TestLevel& g, int s, int) { return g.LeadPointsDownFromKing(s); });
    add("LeadLowSideCardByPlan", [](TestLevel& g, int, int) { return g.LeadLowSideCardByPlan(); });
    add("LeadMostLikelySureSuit",
        [](TestLevel& g, int, int) { return g.LeadMostLikelySureSuit(); });
    add("LeadSuitPartnerCanRuff",
        [](TestLevel& g, int s, int) { return g.LeadSuitPartnerCanRuff(s); });
    add("PlayWeakTrumpsByValue",
        [](TestLevel& g, int s, int) { return g.PlayWeakTrumpsByValue(s); });
    add("PlayTopTrumpFirstCopy",
        [](TestLevel& g, int s, int) { return g.PlayTopTrumpFirstCopy(s); });
    add("PlayLastTricksTrump", [](TestLevel& g, int s, int) { return g.PlayLastTricksTrump(s); });
    add("PlayLastTwoTrumps", [](TestLevel& g, int s, int) { return g.PlayLastTwoTrumps(s); });
    add("PlayLastTrump", [](TestLevel& g, int s, int) { return g.PlayLastTrump(s, Best(g)); });
    add("LeadClubQueenToShowParty",
        [](TestLevel& g, int s, int) { return g.LeadClubQueenToShowParty(s); });
    add("FollowWithClubQueen",
        [](TestLevel& g, int s, int) { return g.FollowWithClubQueen(s, Best(g)); });
    add("ShowDiamondAceToPartner",
        [](TestLevel& g, int s, int) { return g.ShowDiamondAceToPartner(s); });
    for (int mask : {1, 2, 4, 8, 15}) {
        const std::string m = std::to_string(mask);
        add("PlaySpecialCard" + m,
            [mask](TestLevel& g, int s, int) { return g.PlaySpecialCard(s, mask); });
        add("PlaySpecialCardOver" + m,
            [mask](TestLevel& g, int s, int) { return g.PlaySpecialCardOver(s, mask, Best(g)); });
        add("PlaySpecialCardOfKind" + m,
            [mask](TestLevel& g, int s, int) { return g.PlaySpecialCardOfKind(s, Best(g), mask); });
    }
    // The reckonings: asked, then declined, so that any change they made would show.
    add("Reckonings", [](TestLevel& g, int s, int) {
        int x = 0;
        int y = 0;
        int mask = 0;
        int value = 0;
        g.CountSureTrumpsWithPartner(s, g.moverPartners[0], &x, &y);
        g.PartnersHoldTopTrump();
        g.CanPartnerTakeLead(s, Best(g));
        g.CountTricksStillNeeded();
        g.ShouldPlaySpecialNow(&mask);
        g.GetHeldSpecials(&mask);
        g.GetTrickSpecialPoints(&value);
        g.AreCaughtSpecialsSettled(s);
        g.AreLastTrickSpecialsSettled(s);
        g.IsTrickWorthContesting(nullptr, nullptr);
        g.ShouldShowDiamondAces(s);
        g.ShouldShowSpecialPair(s);
        g.CanShowDiamondAces(s);
        g.CanShowSpecialPair(s);
        g.CountSuitSignals(s, 0);
        return false;
    });
    add("FullChain", [](TestLevel& g, int s, int) { return RunChain(g, s); });
    return rules;
}

} // namespace rule_harness
