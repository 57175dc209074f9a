// The odds fields of a slot's O1 and O2 texts, read by position. The views
// read them one at a time; the analysis itself reads them through RaceOdds.
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

}  // namespace tw
