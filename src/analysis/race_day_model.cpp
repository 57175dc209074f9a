#include "analysis/race_day_model.h"

namespace tw {

void RaceAnalysis::Reset() {
  present = false;
  axisRule = 0;
  fetchTimes.fill({});
  quinellaSnapshotTimes.fill({});
  winSnapshotTimes.fill({});
  upsetDegree.clear();
  axisMark.fill({});
  partnerMark.fill({});
  snapshotCount = 0;
  shortQuinellaCount.fill(0);
  for (auto& r : winPopularityOrder) r.fill(0);
  firstWinRank.fill(0);
  for (auto& r : winShare) r.fill(0.0);
  for (auto& r : quinellaShare) r.fill(0.0);
  for (auto& r : bracketShare) r.fill(0.0);
  for (auto& r : shareGap) r.fill(kNoValue);
  winShareChange.fill(kNoValue);
  quinellaShareChange.fill(kNoValue);
  shareGapChange.fill(kNoValue);
  maxShareGap.fill(kNoValue);
  driftMark.fill({});
  winChangeRank.fill(0);
  quinellaChangeRank.fill(0);
  for (auto& r : axisConditionMarks) r.fill({});
  for (auto& r : partnerConditionMarks) r.fill({});
  betLabels.fill({});
  hasPayout = false;
}

void RaceSlot::BlankRecords() {
  race.assign(kRaceRecordLength, ' ');
  for (auto& r : runners) r.assign(kRunnerRecordLength, ' ');
  payout.assign(kPayoutRecordLength, ' ');
  for (auto& o : winOdds) o.assign(kWinOddsRecordLength, ' ');
  for (auto& o : quinellaOdds) o.assign(kQuinellaOddsRecordLength, ' ');
}

void RaceDayModel::ResetAnalysis() {
  for (auto& s : slots) s.analysis.Reset();
}

}  // namespace tw
