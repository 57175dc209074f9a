// The rules for reading odds, and the numbers of the pair tables.
// Odds carry one implied decimal: "0123" is 12.3.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "codes/pairs.h"
#include "records/odds_number.h"

namespace tw {

// An odds text carries odds unless it is blank, all zeros ("0000"), or the
// scratched / not-sold forms of dashes or asterisks over the whole field.
bool IsValidOddsText(std::string_view text);

// The share `numerator` / (X - 1) of odds with value X. Fields without odds
// add no share, and neither do odds of 0.1 or less (X <= 1), which do not
// occur in real data, rather than dividing by zero or going negative.
inline double ShareOfOdds(const OddsNumber& odds, double numerator) {
  if (!odds.HasOdds()) return 0.0;
  const double x = static_cast<double>(odds.value);
  if (x - 1 <= 0) return 0.0;
  return numerator / (x - 1);
}

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
// The numbers of every pair of a table, index j as above (0 unused).
using PairNumbersTable = std::array<PairNumbers, kQuinellaPairs + 1>;
const PairNumbersTable& PairNumbersOfTable(bool quinellaMode);

}  // namespace tw
