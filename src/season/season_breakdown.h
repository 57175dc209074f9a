// One breakdown of the season report: the figures of each group, in the
// order of the groups' keys.
#pragma once

#include <string>
#include <vector>

#include "season/season_figures.h"
#include "season/season_groups.h"

namespace tw {

struct SeasonGroup {
  std::string key;
  std::string label;  // Shift-JIS
  SeasonFigures figures;
};

class SeasonBreakdown {
 public:
  explicit SeasonBreakdown(SeasonDimension dimension) : dimension_(dimension) {}

  // Adds the race to its group (made when it is the group's first race).
  void AddRace(const SeasonRace& race, int day);

  SeasonDimension dimension() const { return dimension_; }
  const std::vector<SeasonGroup>& groups() const { return groups_; }

 private:
  SeasonDimension dimension_;
  std::vector<SeasonGroup> groups_;  // sorted by key
  size_t lastGroup_ = 0;             // of the last race: races of a day mostly share their group
};

}  // namespace tw
