#include "engine/RuleHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace rule_harness {

std::vector<NamedRule> BasicPlays() {
    std::vector<NamedRule> rules;
    auto add = [&](std::string name, Rule rule) { rules.push_back({std::move(name), rule}); };
    add("PlaySureWinner", [](TestLevel& g, int s, int) { return g.PlaySureWinner(s, false); });
    add("PlaySureWinnerFlag", [](TestLevel& g, int s, int) { return g.PlaySureWinner(s, true); });
    add("PlaySingletonSideAce",
        [](TestLevel& g, int s, int) { return g.PlaySingletonSideAce(s, false); });
    add("PlaySingletonSideAceNoHearts",
        [](TestLevel& g, int s, int) { return g.PlaySingletonSideAce(s, true); });
    add("PlaySingletonAce", [](TestLevel& g, int s, int) { return g.PlaySingletonAce(s); });
    add("LeadForPartnerRuff", [](TestLevel& g, int s, int) { return g.LeadForPartnerRuff(s); });
    add("PlayTowardLikelyPartner",
        [](TestLevel& g, int s, int) { return g.PlayTowardLikelyPartner(s); });
    add("PlayMostLikelyWinner",
        [](TestLevel& g, int s, int) { return g.PlayMostLikelyWinner(s, false); });
    add("PlayMostLikelyWinnerFlag",
        [](TestLevel& g, int s, int) { return g.PlayMostLikelyWinner(s, true); });
    add("LeadFromSuitWithoutAceOrTen",
        [](TestLevel& g, int s, int) { return g.LeadFromSuitWithoutAceOrTen(s); });
    add("LeadFromSuitWithGuardedTen",
        [](TestLevel& g, int s, int) { return g.LeadFromSuitWithGuardedTen(s); });
    add("LeadFromSuitWithOneAceLeft",
        [](TestLevel& g, int s, int) { return g.LeadFromSuitWithOneAceLeft(s); });
    add("LeadFromSuitWithBothAces",
        [](TestLevel& g, int s, int) { return g.LeadFromSuitWithBothAces(s); });
    add("PlayFromDealtSingleton",
        [](TestLevel& g, int s, int) { return g.PlayFromDealtSingleton(s); });
    add("PlayHighestOfLedGroup", [](TestLevel& g, int s, int led) {
        return led >= 0 && g.contestTrick && g.PlayHighestOfGroup(s, led);
    });
    add("PlaySecondHighestOfLedGroup", [](TestLevel& g, int s, int led) {
        return led >= 0 && g.PlaySecondHighestOfGroup(s, led);
    });
    add("PlayLowOfLedGroup",
        [](TestLevel& g, int s, int led) { return led >= 0 && g.PlayLowOfGroup(s, led); });
    add("PlayLowCardNineToKing",
        [](TestLevel& g, int s, int) { return g.PlayLowCardNineToKing(s); });
    add("PlayLowestPointSideCard",
        [](TestLevel& g, int s, int) { return g.PlayLowestPointSideCard(s); });
    add("PlayLowTrump", [](TestLevel& g, int s, int) { return g.PlayLowTrump(s); });
    add("PlayLowOfTrumps", [](TestLevel& g, int s, int) { return g.PlayLowOfGroup(s, 4); });
    add("PlayHighestTrump", [](TestLevel& g, int s, int) { return g.PlayHighestOfGroup(s, 4); });
    add("PlayIfHeldPointLead",
        [](TestLevel& g, int s, int) { return g.PlayIfHeldPointLead(s, kHeartTen); });
    add("PlayHighestCandidate", [](TestLevel& g, int s, int) {
        std::int16_t suits[4] = {};
        std::int16_t places[4] = {};
        int count = 0;
        for (int suit = 0; suit < 4; ++suit)
            if (g.seats[s].groupCount[suit] > 0) {
                suits[count] = static_cast<std::int16_t>(suit);
                places[count++] = static_cast<std::int16_t>(g.GetGroupEnd(s, suit));
            }
        return g.PlayHighestCandidate(s, count, suits, places);
    });
    return rules;
}

std::vector<std::uint8_t> Image(TestLevel& game) {
    std::vector<std::uint8_t> image(kSavedRegionSize);
    game.WriteSavedRegion(image.data());
    for (int seat = 0; seat < kSeatCount; ++seat) {
        const auto* log = static_cast<const std::uint8_t*>(game.playLogs[seat]);
        image.insert(image.end(), log, log + kPlayLogSize);
    }
    return image;
}

std::vector<int> LegalPlaces(TestLevel& game, const reference::Game& ref) {
    const int seat = game.seatToMove;
    const auto& hand = game.seats[seat].hand;
    const int ledGroup =
        seat == game.leader ? -1 : reference::Group(ref, game.trickCards[game.leader]);
    bool canFollow = false;
    for (int p = 0; p < kHandPlaces; ++p)
        canFollow = canFollow || (hand[p] != 0 && reference::Group(ref, hand[p]) == ledGroup);
    std::vector<int> places;
    for (int p = 0; p < kHandPlaces; ++p)
        if (hand[p] != 0 && (!canFollow || reference::Group(ref, hand[p]) == ledGroup))
            places.push_back(p);
    return places;
}

bool CheckDryRun(TestLevel& game, const reference::Game& ref, const NamedRule& rule, int ledGroup) {
    SCOPED_TRACE("dry run of " + rule.name);
    const int seat = game.seatToMove;
    const std::vector<int> legal = LegalPlaces(game, ref);
    const std::vector<std::uint8_t> before = Image(game);
    game.dryRunIndex = -1;
    game.dryRunReason = -1;
    const std::int16_t mode = game.BeginDryRun();
    const bool played = rule.rule(game, seat, ledGroup);
    if (played) {
        const int place = game.dryRunIndex;
        EXPECT_NE(std::find(legal.begin(), legal.end(), place), legal.end()) << place;
        if (place >= 0 && place < kHandPlaces) {
            EXPECT_EQ(game.trickCards[seat], game.seats[seat].hand[place]);
        }
        EXPECT_GT(game.dryRunReason, 0);
    } else {
        EXPECT_EQ(game.dryRunIndex, -1);
    }
    game.EndDryRun(seat, mode);
    EXPECT_EQ(game.dryRun, mode);
    EXPECT_TRUE(Image(game) == before) << "the dry run changed the game";
    return played;
}

bool CheckRealRun(TestLevel& game, const reference::Game& ref, const NamedRule& rule,
                  int ledGroup) {
    SCOPED_TRACE("rule " + rule.name);
    const int seat = game.seatToMove;
    std::vector<int> legalCards;
    for (int place : LegalPlaces(game, ref))
        legalCards.push_back(game.seats[seat].hand[place]);
    std::vector<int> handBefore(game.seats[seat].hand, game.seats[seat].hand + kHandPlaces);
    const std::vector<std::uint8_t> before = Image(game);
    const bool played = rule.rule(game, seat, ledGroup);
    if (!played) {
        EXPECT_TRUE(Image(game) == before) << "a declining rule changed the game";
        return false;
    }
    const int card = game.trickCards[seat];
    EXPECT_NE(std::find(legalCards.begin(), legalCards.end(), card), legalCards.end()) << card;
    // The hand lost exactly that card.
    auto it = std::find(handBefore.begin(), handBefore.end(), card);
    EXPECT_NE(it, handBefore.end());
    if (it != handBefore.end()) {
        handBefore.erase(it);
        handBefore.push_back(0);
    }
    EXPECT_TRUE(std::equal(handBefore.begin(), handBefore.end(), game.seats[seat].hand));
    return true;
}

} // namespace rule_harness
