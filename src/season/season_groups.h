// The breakdowns of the season report and the group each race falls into:
// its key, which orders the groups, and its label (Shift-JIS).
#pragma once

#include <array>
#include <string>

#include "season/season_race.h"

namespace tw {

enum class SeasonDimension {
  kUpsetDegree,  // 小, 中, 大, then races without a rating
  kAxisRule,     // 軸条件1..7, then races without an axis condition
  kCourse,       // by course code
  kYear,         // yyyy年
  kMonth,        // yyyy年mm月
  kBetCount,     // 0点, 1点, …
};

inline constexpr std::array<SeasonDimension, 6> kSeasonDimensions = {
    SeasonDimension::kUpsetDegree, SeasonDimension::kAxisRule, SeasonDimension::kCourse,
    SeasonDimension::kYear,        SeasonDimension::kMonth,    SeasonDimension::kBetCount};

struct SeasonGroupKey {
  std::string key;    // groups are listed in the byte order of their keys
  std::string label;  // Shift-JIS
};

SeasonGroupKey SeasonGroupOf(SeasonDimension dimension, const SeasonRace& race);
// The key alone, for finding a race's group without making its label.
std::string SeasonGroupKeyOf(SeasonDimension dimension, const SeasonRace& race);

// "なし": the label of a race without a rating or an axis condition.
const std::string& SeasonNoneLabel();
// The label of the upset rating, the axis condition and the month of a race,
// as the groups and the per-race file show them (Shift-JIS).
std::string UpsetDegreeLabel(const std::string& upsetDegree);
std::string AxisRuleLabel(int axisRule);
std::string MonthLabel(const std::string& date);
std::string YearLabel(const std::string& date);

}  // namespace tw
