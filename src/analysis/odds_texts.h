// The odds fields of the O1 and O2 records and the rules for reading them.
// Odds carry one implied decimal: "0123" is 12.3.
#pragma once

#include <string>

#include "analysis/race_day_model.h"

namespace tw {

// Win odds of horse h (1..18) in snapshot s (1..3), 4 bytes.
std::string WinOddsText(const RaceSlot& slot, int s, int h);
// Bracket-quinella odds of bracket pair j (1..36), 5 bytes.
std::string BracketOddsText(const RaceSlot& slot, int s, int j);
// Quinella odds of pair j (1..153), 6 bytes.
std::string QuinellaOddsText(const RaceSlot& slot, int s, int j);
// The odds of pair j in the pair mode's table (quinella or bracket pairs).
std::string PairOddsText(const RaceSlot& slot, bool quinellaMode, int s, int j);

// An odds text carries odds unless it is blank, all zeros ("0000"), or the
// scratched / not-sold forms of dashes or asterisks over the whole field.
bool IsValidOddsText(const std::string& text);

// The share `numerator` / (X - 1) of a valid odds text with value X. Odds of
// 0.1 or less (X <= 1) do not occur in real data and add no share rather than
// dividing by zero or going negative.
double ShareOfOdds(const std::string& text, double numerator);

// The integer value of an odds text; invalid texts read as 0.
long long OddsValue(const std::string& text);

// The two numbers of a pair label such as " 1- 2" (characters 1-2 and 4-5).
struct PairNumbers {
  int first = 0;
  int second = 0;
  bool Contains(int h) const { return first == h || second == h; }
};
PairNumbers PairNumbersOf(const std::string& label);

}  // namespace tw
