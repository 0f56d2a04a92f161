// The discarding, leading and special-card rules as entries of the rule harness (every flag
// value, the best card so far as the card to beat), the reckonings that play no card (asked
// and then declined, so the harness checks they change nothing), and a full chain of rules in
// an order of the tests' own that ends with the lowest legal card.
#pragma once

#include <vector>

#include "engine/RuleHarness.h"

namespace rule_harness {

std::vector<NamedRule> DiscardLeadSpecialRules();

// Plays one card for the seat to move by the whole rule library and answers whether a rule
// chose it (false: the lowest legal card went). The card is always played.
bool PlayByFullChain(TestLevel& game, int seat);

} // namespace rule_harness
