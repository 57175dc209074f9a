// The rules for reading odds texts, and the numbers of the pair tables.
// Odds carry one implied decimal: "0123" is 12.3.
#pragma once

#include <string>
#include <string_view>

namespace tw {

// An odds text carries odds unless it is blank, all zeros ("0000"), or the
// scratched / not-sold forms of dashes or asterisks over the whole field.
bool IsValidOddsText(std::string_view text);

// The share `numerator` / (X - 1) of a valid odds text with value X. Odds of
// 0.1 or less (X <= 1) do not occur in real data and add no share rather than
// dividing by zero or going negative.
double ShareOfOdds(std::string_view text, double numerator);

// The integer value of an odds text; invalid texts read as 0.
long long OddsValue(std::string_view text);

// The two numbers of a pair label such as " 1- 2" (characters 1-2 and 4-5).
struct PairNumbers {
  int first = 0;
  int second = 0;
  bool Contains(int h) const { return first == h || second == h; }
};
PairNumbers PairNumbersOf(std::string_view label);

// Label and numbers of pair j of the quinella table (1..153) or the bracket
// table (1..36), looked up once.
const std::string& PairLabelAt(bool quinellaMode, int j);
const PairNumbers& PairNumbersAt(bool quinellaMode, int j);

}  // namespace tw
