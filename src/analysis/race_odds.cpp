#include "analysis/race_odds.h"

#include <algorithm>

#include "text/fields.h"

namespace tw {

int RunnerCountOf(const RaceSlot& slot) { return static_cast<int>(FieldInt(slot.race, 882, 2)); }

int HorsesOf(int runnerCount) { return std::clamp(runnerCount, 0, kMaxRunners); }

RaceOdds RaceOddsOf(const RaceSlot& slot, bool fromYear2005) {
  const int count = RunnerCountOf(slot);
  return RaceOdds{slot, count, HorsesOf(count), IsQuinellaMode(count, fromYear2005),
                  std::clamp(slot.analysis.snapshotCount, 0, kSnapshots)};
}

}  // namespace tw
