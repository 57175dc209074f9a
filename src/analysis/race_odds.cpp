#include "analysis/race_odds.h"

#include <algorithm>

#include "records/race_record.h"

namespace tw {

RaceOdds::RaceOdds(const RaceSlot& slot, int runnerCount, int horses, PairKind pairKind, int latest)
    : runnerCount(runnerCount),
      horses(horses),
      pairKind(pairKind),
      latest(latest),
      snapshots_{SnapshotOdds(slot.winOdds[1], slot.quinellaOdds[1], pairKind),
                 SnapshotOdds(slot.winOdds[2], slot.quinellaOdds[2], pairKind),
                 SnapshotOdds(slot.winOdds[3], slot.quinellaOdds[3], pairKind)} {
  static_assert(kSnapshots == 3, "one reading per snapshot");
}

RaceOdds RaceOddsOf(const RaceSlot& slot, bool fromYear2005) {
  const int count = StoredRunnerCount(slot.race);
  return RaceOdds(slot, count, RunnerSlotCount(slot.race), PairKindOf(count, fromYear2005),
                  std::clamp(slot.analysis.snapshotCount, 0, kSnapshots));
}

}  // namespace tw
