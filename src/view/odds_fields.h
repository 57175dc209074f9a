// The odds fields of a race's O1 and O2 texts as the race view reads them:
// snapshot s (1..3) of the slot, the field positions from the records.
#pragma once

#include <string>

#include "analysis/race_day_model.h"
#include "records/odds_record.h"

namespace tw {

// Win odds of horse h (1..18) in snapshot s (1..3), 4 bytes.
inline std::string WinOddsText(const RaceSlot& slot, int s, int h) {
  return WinOddsOf(slot.winOdds[static_cast<size_t>(s)], h);
}
// Bracket-quinella odds of bracket pair j (1..36), 5 bytes.
inline std::string BracketOddsText(const RaceSlot& slot, int s, int j) {
  return BracketOddsOf(slot.winOdds[static_cast<size_t>(s)], j);
}
// Quinella odds of pair j (1..153), 6 bytes.
inline std::string QuinellaOddsText(const RaceSlot& slot, int s, int j) {
  return QuinellaOddsOf(slot.quinellaOdds[static_cast<size_t>(s)], j);
}
// The odds of pair j in the table of the pair kind.
inline std::string PairOddsText(const RaceSlot& slot, PairKind pairKind, int s, int j) {
  return pairKind == PairKind::kQuinella ? QuinellaOddsText(slot, s, j) : BracketOddsText(slot, s, j);
}

}  // namespace tw
