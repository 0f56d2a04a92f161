// The two constant tables of split percentages: how the cards of one group still out lie in
// three (or two) hidden hands of twelve cards, and the entry lookups the split operations of
// the game object sum up. Percentages are floats in percent; -1.0 marks a split the table lacks.
#pragma once

// Split a-b-c (largest holding first) of n cards over three hands; b is only looked at where
// a alone does not pick one split of the row. n = 1 answers 100.0 whatever a and b.
float GetThreeHandSplitEntry(int cards, int largest, int second);
// Split a-(n - a) of n cards over two hands; n = 1 answers 100.0.
float GetTwoHandSplitEntry(int cards, int larger);

// The rows the tables hold: cards still out, three hands and two hands.
inline constexpr int kThreeHandRowFirst = 2;
inline constexpr int kThreeHandRowLast = 26;
inline constexpr int kTwoHandRowFirst = 2;
inline constexpr int kTwoHandRowLast = 12;
