#include "season/season_totals.h"

namespace tw {

SeasonTotals::SeasonTotals() {
  for (SeasonDimension dimension : kSeasonDimensions) breakdowns_.emplace_back(dimension);
}

const SeasonBreakdown& SeasonTotals::breakdown(SeasonDimension dimension) const {
  for (const SeasonBreakdown& b : breakdowns_) {
    if (b.dimension() == dimension) return b;
  }
  return breakdowns_.front();  // every dimension has its breakdown
}

void SeasonTotals::AddDay(const SeasonDay& day) {
  const int number = daysLookedAt_++;
  switch (day.outcome) {
    case SeasonDayOutcome::kSkipped:
      skippedDays_.push_back({day.dayName, day.reasons});
      return;
    case SeasonDayOutcome::kNoResults:
      daysWithoutResults_.push_back(day.dayName);
      return;
    case SeasonDayOutcome::kNoRaces:
      return;
    case SeasonDayOutcome::kCounted:
      break;
  }
  racesWithoutResults_ += day.racesWithoutResults;
  for (const SeasonRace& race : day.races) {
    all_.AddRace(race, number);
    for (SeasonBreakdown& b : breakdowns_) b.AddRace(race, number);
  }
}

}  // namespace tw
