#include "analysis/drift_and_ranks.h"

#include "analysis/analysis_marks.h"
#include "analysis/sort_keys.h"

namespace tw {

namespace {

void RankChanges(const RaceOdds& race, const PerHorse<double>& change, PerHorse<int>& rank) {
  HorseKeyList keys;
  for (int h = 1; h <= race.horses; ++h) {
    if (change[h] < kNoValue) keys.AddFixed(change[h] + 1000, h);
  }
  keys.Sort();
  for (int i = 0; i < keys.Size(); ++i) rank[keys.HorseAt(i)] = keys.Size() - i;
}

}  // namespace

void MarkDrift(const RaceOdds& race, RaceAnalysis& a) {
  for (int h = 1; h <= race.horses; ++h) {
    // Fields without odds read as 0.
    const long long first = race.Win(1, h).value;
    const long long latest = race.Win(race.latest, h).value;
    if (first <= 0) continue;
    if (first < latest) {
      SetMark(a.driftMark[h], CandidateMarkText());
    } else {
      a.driftMark[h].clear();
    }
  }
}

void RankShareChanges(const RaceOdds& race, RaceAnalysis& a) {
  RankChanges(race, a.winShareChange, a.winChangeRank);
  RankChanges(race, a.quinellaShareChange, a.quinellaChangeRank);
}

}  // namespace tw
