// The season report's result: the figures of the whole season and of every
// breakdown, the days still without results and the days skipped. Days are
// added in season order, each once, already reduced to their races.
#pragma once

#include <string>
#include <vector>

#include "season/season_breakdown.h"
#include "season/season_day.h"
#include "season/season_figures.h"

namespace tw {

struct SkippedSeasonDay {
  std::string dayName;               // Shift-JIS
  std::vector<std::string> reasons;  // Shift-JIS
};

class SeasonTotals {
 public:
  SeasonTotals();

  void AddDay(const SeasonDay& day);

  // Every race with results.
  const SeasonFigures& all() const { return all_; }
  // The breakdowns in the order of kSeasonDimensions.
  const std::vector<SeasonBreakdown>& breakdowns() const { return breakdowns_; }
  const SeasonBreakdown& breakdown(SeasonDimension dimension) const;

  int daysLookedAt() const { return daysLookedAt_; }
  // The days with races but no payouts yet, Shift-JIS day names.
  const std::vector<std::string>& daysWithoutResults() const { return daysWithoutResults_; }
  const std::vector<SkippedSeasonDay>& skippedDays() const { return skippedDays_; }
  // Races without payouts on days that have some: not counted either.
  int racesWithoutResults() const { return racesWithoutResults_; }

  // Works out the return-rate interval of every kind of ticket in the season
  // and its groups on `threads` threads at once, so that showing them takes
  // no time; without it each is worked out when first asked for. Call it
  // once the season's days are added and before the figures are read
  // elsewhere.
  void ComputeIntervals(int threads) const;

 private:
  int daysLookedAt_ = 0;
  SeasonFigures all_;
  std::vector<SeasonBreakdown> breakdowns_;
  std::vector<std::string> daysWithoutResults_;
  std::vector<SkippedSeasonDay> skippedDays_;
  int racesWithoutResults_ = 0;
};

}  // namespace tw
