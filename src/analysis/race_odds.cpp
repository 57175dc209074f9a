#include "analysis/race_odds.h"

#include <algorithm>

#include "codes/pairs.h"
#include "records/race_record.h"
#include "text/fields.h"

namespace tw {

RaceOdds::RaceOdds(const RaceSlot& slot, int runnerCount, int horses, bool quinellaMode, int latest)
    : runnerCount(runnerCount), horses(horses), quinellaMode(quinellaMode), latest(latest) {
  for (int s = 1; s <= kSnapshots; ++s) {
    win_[s] = PadRight(slot.winOdds[s], kWinOddsRecordLength);
    quinella_[s] = PadRight(slot.quinellaOdds[s], kQuinellaOddsRecordLength);
  }
}

int RaceOdds::PairCount() const { return quinellaMode ? kQuinellaPairs : kBracketPairs; }

RaceOdds RaceOddsOf(const RaceSlot& slot, bool fromYear2005) {
  const int count = StoredRunnerCount(slot.race);
  return RaceOdds(slot, count, RunnerSlotCount(slot.race), IsQuinellaMode(count, fromYear2005),
                  std::clamp(slot.analysis.snapshotCount, 0, kSnapshots));
}

}  // namespace tw
