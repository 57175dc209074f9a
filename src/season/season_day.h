// One day of the season report: loaded from its files as choosing it in the
// window loads it (but for the runner records, which no figure reads), then
// reduced to its races' bets and payouts.
#pragma once

#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "analysis/race_list.h"
#include "season/season_race.h"

namespace tw {

enum class SeasonDayOutcome {
  kCounted,    // some race has its payouts: those races count
  kNoResults,  // races, but no payouts yet: listed, never counted as losses
  kNoRaces,    // no race (of the chosen courses)
  kSkipped,    // damaged or unreadable: listed with the reasons, counted nowhere
};

struct SeasonDay {
  std::string dayName;  // Shift-JIS, as the day list names it
  std::string date;     // yyyymmdd; empty when the name is no day
  SeasonDayOutcome outcome = SeasonDayOutcome::kNoRaces;
  std::vector<std::string> reasons;  // kSkipped: one line per problem, Shift-JIS
  // kCounted: the races with payouts, in race-list order.
  std::vector<SeasonRace> races;
  // Races of the chosen courses still without payouts (also on a counted day).
  int racesWithoutResults = 0;
};

// The yyyymmdd of a day name "yyyy年mm月dd日"; empty unless it names a day
// of the calendar.
std::string DateOfDayName(const std::string& dayName);

// Loads the day `dayName` of `dataFolder` into `model` and `list` (which the
// caller keeps, so that a season reuses them) and reduces it. Only races at
// one of `courseCodes` count; all when it is empty. A day whose files are
// damaged or cannot be read is skipped with the reasons; odds files that
// could not be created do not skip it, since missing odds give no bets.
SeasonDay LoadSeasonDay(const std::string& dataFolder, const std::string& dayName,
                        const std::vector<std::string>& courseCodes, RaceDayModel& model, RaceList& list);

}  // namespace tw
