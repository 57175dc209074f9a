// Made-up races and days of the season report, for the tests of its figures,
// tables, charts and page: each bet " 1-1k" and each reference bet " 2-1k",
// the first of each paying what the test asks for.
#pragma once

#include <string>
#include <vector>

#include "season/season_day.h"
#include "season/season_race.h"
#include "text/sjis.h"

namespace tw::test {

struct SeasonRaceSpec {
  std::string date = "20240511";
  std::string course = "05";
  int number = 1;
  std::string upset;  // UTF-8 "小", "中", "大"; empty: no rating
  int axisRule = 1;
  int bets = 0;
  long long quinellaYen = 0;   // paid on the first bet as a quinella ticket
  long long referenceYen = 0;  // paid on the first reference bet
};

inline SeasonRace MadeSeasonRace(const SeasonRaceSpec& spec) {
  SeasonRace race;
  race.date = spec.date;
  race.courseCode = spec.course;
  race.raceNumber = spec.number;
  race.upsetDegree = spec.upset.empty() ? std::string() : Sjis(spec.upset);
  race.axisRule = spec.axisRule;
  for (int k = 1; k <= spec.bets; ++k) {
    race.bets.push_back(" 1-" + std::to_string(10 + k));
    race.referenceBets.push_back(" 2-" + std::to_string(10 + k));
  }
  if (spec.quinellaYen > 0)
    race.quinellaHits.push_back({race.bets.front(), PaidBetType::kQuinella, 1, spec.quinellaYen});
  if (spec.referenceYen > 0)
    race.referenceHits.push_back({race.referenceBets.front(), PaidBetType::kQuinella, 1, spec.referenceYen});
  return race;
}

// A day named by its date with `outcome` and `races`.
inline SeasonDay MadeSeasonDay(const std::string& date, std::vector<SeasonRace> races,
                               SeasonDayOutcome outcome = SeasonDayOutcome::kCounted) {
  SeasonDay day;
  day.dayName = date;
  day.date = date;
  day.outcome = outcome;
  day.races = std::move(races);
  return day;
}

}  // namespace tw::test
