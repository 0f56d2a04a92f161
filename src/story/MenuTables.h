// The drink and dish tables of the restaurant.
#pragma once

// Converts the tables' texts at start-up (the tables come with the pub story; until then
// there is nothing to convert).
void ConvertMenuTables();
