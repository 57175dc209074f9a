#include "analysis/drift_and_ranks.h"

#include "analysis/analysis_marks.h"
#include "analysis/odds_texts.h"
#include "analysis/sort_keys.h"
#include "text/format.h"

namespace tw {

namespace {

void RankChanges(const RaceOdds& race, const PerHorse<double>& change, PerHorse<int>& rank) {
  HorseKeyList keys;
  for (int h = 1; h <= race.horses; ++h) {
    if (change[h] < kNoValue) keys.AddText(Format("%8.2f", change[h] + 1000) + Format("%2d", h), h);
  }
  keys.Sort();
  for (int i = 0; i < keys.Size(); ++i) rank[keys.Keys()[static_cast<size_t>(i)].horse] = keys.Size() - i;
}

}  // namespace

void MarkDrift(const RaceOdds& race, RaceAnalysis& a) {
  for (int h = 1; h <= race.horses; ++h) {
    const long long first = OddsValue(WinOddsText(race.slot, 1, h));
    const long long latest = OddsValue(WinOddsText(race.slot, race.latest, h));
    if (first > 0) a.driftMark[h] = first < latest ? CandidateMarkText() : std::string();
  }
}

void RankShareChanges(const RaceOdds& race, RaceAnalysis& a) {
  RankChanges(race, a.winShareChange, a.winChangeRank);
  RankChanges(race, a.quinellaShareChange, a.quinellaChangeRank);
}

}  // namespace tw
