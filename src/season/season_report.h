// The season report over the days of a data folder: it runs in steps, each
// loading the next day or few (side by side when more than one worker is
// asked for) and adding them to the totals in date order, so that a window
// can show its progress between steps and stop it by calling no more.
// Memory stays that of a few days however long the season is.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "season/season_day.h"
#include "season/season_filter.h"
#include "season/season_totals.h"

namespace tw {

struct SeasonOptions {
  std::string dataFolder;  // Shift-JIS
  // The first and the last day, yyyymmdd; empty: open. Files whose name
  // names no day are taken (and skipped with a reason) only when both are open.
  std::string from, to;
  std::vector<std::string> courseCodes;  // the courses that count; empty: all
  SeasonFilter filter;                   // the races that count among those
  // Days loaded at once. Each is loaded on its own and all are added in date
  // order, so the result does not depend on it.
  int workers = 1;
};

// The day names of `dataFolder` in date order, each once, within the options' dates.
std::vector<std::string> SeasonDayNames(const SeasonOptions& options);

// Workers for a machine: its cores, at most four.
int DefaultSeasonWorkers();

class SeasonReport {
 public:
  explicit SeasonReport(SeasonOptions options);
  ~SeasonReport();
  SeasonReport(const SeasonReport&) = delete;
  SeasonReport& operator=(const SeasonReport&) = delete;

  const std::vector<std::string>& dayNames() const { return dayNames_; }
  int dayCount() const { return static_cast<int>(dayNames_.size()); }
  int daysDone() const { return next_; }
  bool finished() const { return next_ >= dayCount(); }

  // Loads the next days (as many as there are workers) and adds them to the
  // totals; returns them in date order. Nothing once finished. With more
  // than one worker the days are loaded ahead, a few days at most, by
  // workers that live as long as the report.
  std::vector<SeasonDay> Step();

  const SeasonTotals& totals() const { return totals_; }
  const SeasonOptions& options() const { return options_; }

 private:
  struct Workspace;
  class Workers;
  SeasonDay LoadDay(int index, Workspace& workspace) const;

  SeasonOptions options_;
  std::vector<std::string> dayNames_;
  int next_ = 0;
  std::vector<std::unique_ptr<Workspace>> workspaces_;
  SeasonTotals totals_;
  std::unique_ptr<Workers> workers_;  // last: stopped before the rest goes
};

}  // namespace tw
