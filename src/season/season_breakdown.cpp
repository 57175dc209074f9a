#include "season/season_breakdown.h"

#include <algorithm>

namespace tw {

void SeasonBreakdown::AddRace(const SeasonRace& race, int day) {
  SeasonGroupKey group = SeasonGroupOf(dimension_, race);
  auto at = std::lower_bound(groups_.begin(), groups_.end(), group.key,
                             [](const SeasonGroup& g, const std::string& key) { return g.key < key; });
  if (at == groups_.end() || at->key != group.key)
    at = groups_.insert(at, SeasonGroup{std::move(group.key), std::move(group.label), {}});
  at->figures.AddRace(race, day);
}

}  // namespace tw
