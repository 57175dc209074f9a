#include "analysis/race_day_model.h"

namespace tw {

namespace {

// Emptied in place, keeping their storage: every load resets every slot
// twice, and new empty strings would be built and freed each time.
template <typename Texts>
void Clear(Texts& texts) {
  for (auto& text : texts) text.clear();
}

}  // namespace

RaceAnalysis::RaceAnalysis(const RaceAnalysis&) = default;
RaceAnalysis::RaceAnalysis(RaceAnalysis&&) noexcept = default;
RaceAnalysis& RaceAnalysis::operator=(const RaceAnalysis&) = default;
RaceAnalysis& RaceAnalysis::operator=(RaceAnalysis&&) noexcept = default;
RaceAnalysis::~RaceAnalysis() = default;

void RaceAnalysis::Reset() {
  ResetLoaderValues();
  ResetResults();
}

void RaceAnalysis::ResetLoaderValues() {
  present = false;
  Clear(fetchTimes);
  Clear(quinellaSnapshotTimes);
  Clear(winSnapshotTimes);
  snapshotCount = 0;
  hasPayout = false;
}

void RaceAnalysis::ResetResults() {
  axisRule = 0;
  upsetDegree.clear();
  Clear(axisMark);
  Clear(partnerMark);
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
  Clear(driftMark);
  winChangeRank.fill(0);
  quinellaChangeRank.fill(0);
  for (auto& r : axisConditionMarks) Clear(r);
  for (auto& r : partnerConditionMarks) Clear(r);
  Clear(betLabels);
  cheapestPairs.fill(0);
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
