#include "analysis/odds_fields.h"

#include "text/fields.h"

namespace tw {

std::string WinOddsText(const RaceSlot& slot, int s, int h) {
  return Field(slot.winOdds[static_cast<size_t>(s)], 46 + 8 * (h - 1), 4);
}

std::string BracketOddsText(const RaceSlot& slot, int s, int j) {
  return Field(slot.winOdds[static_cast<size_t>(s)], 606 + 9 * (j - 1), 5);
}

std::string QuinellaOddsText(const RaceSlot& slot, int s, int j) {
  return Field(slot.quinellaOdds[static_cast<size_t>(s)], 45 + 13 * (j - 1), 6);
}

std::string PairOddsText(const RaceSlot& slot, bool quinellaMode, int s, int j) {
  return quinellaMode ? QuinellaOddsText(slot, s, j) : BracketOddsText(slot, s, j);
}

}  // namespace tw
