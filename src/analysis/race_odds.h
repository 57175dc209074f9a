// What every step of a race's analysis needs to know about the race: the
// runner counts, which odds stand for the pairs, the latest snapshot, and the
// odds of its O1 and O2 texts that the analysis reads (the win odds and the
// pair mode's table), read into numbers once per snapshot.
#pragma once

#include <array>

#include "analysis/race_day_model.h"
#include "codes/pairs.h"
#include "records/snapshot_odds.h"

namespace tw {

class RaceOdds {
 public:
  RaceOdds(const RaceSlot& slot, int runnerCount, int horses, PairKind pairKind, int latest);

  // Win odds of horse h (1..18) in snapshot s (1..3).
  const OddsNumber& Win(int s, int h) const { return Snapshot(s).Win(h); }
  // Bracket-quinella odds of bracket pair j (1..36); not registered in
  // quinella mode.
  const OddsNumber& Bracket(int s, int j) const { return Snapshot(s).Bracket(j); }
  // Quinella odds of pair j (1..153); not registered in bracket mode.
  const OddsNumber& Quinella(int s, int j) const { return Snapshot(s).Quinella(j); }
  // The odds of pair j in the pair mode's table.
  const OddsNumber& Pair(int s, int j) const { return Snapshot(s).Pair(j); }
  // Number of pairs in the pair mode's table (153 or 36).
  int PairCount() const { return PairCountOf(pairKind); }

  int runnerCount = 0;  // as the race record gives it; decides the pair kind
  int horses = 0;       // horses 1..horses take part in the judgement (at most 18)
  PairKind pairKind = PairKind::kQuinella;
  int latest = 0;  // number of the latest win-odds snapshot, 0..3

 private:
  const SnapshotOdds& Snapshot(int s) const { return snapshots_[static_cast<size_t>(s - 1)]; }

  std::array<SnapshotOdds, kSnapshots> snapshots_;
};

RaceOdds RaceOddsOf(const RaceSlot& slot, bool fromYear2005);

}  // namespace tw
