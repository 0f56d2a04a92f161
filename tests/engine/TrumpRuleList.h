// The trump plays and the rules for taking the trick and for trumping, as entries of the rule
// harness: every flag value, the best card so far as the card to beat, and the led group and
// the trumps where a rule takes a group.
#pragma once

#include <functional>
#include <vector>

#include "engine/RuleHarness.h"

namespace rule_harness {

// The card to beat a rule is asked about; by default the best card of the trick so far.
using CardToBeat = std::function<int(TestLevel& game)>;
std::vector<NamedRule> TrumpAndTakingRules(const CardToBeat& cardToBeat = {});

} // namespace rule_harness
