#include "season/season_breakdown.h"

#include <algorithm>

namespace tw {

void SeasonBreakdown::AddRace(const SeasonRace& race, int day) {
  const std::string key = SeasonGroupKeyOf(dimension_, race);
  if (lastGroup_ < groups_.size() && groups_[lastGroup_].key == key) {
    groups_[lastGroup_].figures.AddRace(race, day);
    return;
  }
  auto at = std::lower_bound(groups_.begin(), groups_.end(), key,
                             [](const SeasonGroup& g, const std::string& k) { return g.key < k; });
  if (at == groups_.end() || at->key != key) {
    SeasonGroupKey group = SeasonGroupOf(dimension_, race);
    at = groups_.insert(at, SeasonGroup{std::move(group.key), std::move(group.label), {}});
  }
  lastGroup_ = static_cast<size_t>(at - groups_.begin());
  at->figures.AddRace(race, day);
}

}  // namespace tw
