// A narrower rule to test: only the races of some upset ratings, some axis
// conditions, or with at most so many bets. A race left out counts nowhere,
// so a filtered report equals the matching group of the whole one.
#pragma once

#include <string>
#include <vector>

#include "season/season_race.h"

namespace tw {

struct SeasonFilter {
  std::vector<std::string> upsetDegrees;  // "小", "中", "大" (Shift-JIS); empty: every race
  std::vector<int> axisRules;             // 1..7; empty: every race
  int maxBets = -1;                       // at most this many bets; below 0: no limit

  bool empty() const { return upsetDegrees.empty() && axisRules.empty() && maxBets < 0; }
  bool Passes(const SeasonRace& race) const;
  // "波乱度 大・中　軸条件 3　買い目 4点以下" (Shift-JIS); empty when empty().
  std::string Text() const;
};

}  // namespace tw
