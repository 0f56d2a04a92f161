// Checks for the card-play rules on live positions: a rule either plays exactly one legal card
// of the seat to move, or it leaves the game object as it found it; in a dry run it only
// records its choice. Later rule sets add their rules to the same lists.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/ReferenceRules.h"
#include "engine/TestLevel.h"

namespace rule_harness {

// A rule for the seat to move; the led group (-1 when the seat leads) lets a rule be asked
// about the group that matters.
using Rule = std::function<bool(TestLevel& game, int seat, int ledGroup)>;

struct NamedRule {
    std::string name;
    Rule rule;
};

// The basic plays, in the order a simple line tries them.
std::vector<NamedRule> BasicPlays();

// The saved region and the four play logs: everything a declining rule must leave alone.
std::vector<std::uint8_t> Image(TestLevel& game);

// The places of the seat to move's legal cards by the independent reference rules.
std::vector<int> LegalPlaces(TestLevel& game, const reference::Game& ref);

// Runs the rule in a dry run and checks that nothing but the dry-run fields changed and that a
// recorded choice is a legal card. Answers whether the rule would play.
bool CheckDryRun(TestLevel& game, const reference::Game& ref, const NamedRule& rule, int ledGroup);

// Runs the rule for real: a declining rule must change nothing, a playing one exactly one
// legal card of the seat to move. Answers whether it played.
bool CheckRealRun(TestLevel& game, const reference::Game& ref, const NamedRule& rule, int ledGroup);

} // namespace rule_harness
