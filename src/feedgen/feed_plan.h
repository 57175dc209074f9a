// The plan of a synthetic race weekend for the sample feed: days, courses,
// races, runners with their strength, the public's view of them and how it
// drifts through the day, scratches, the odds announcements and the results.
// Everything follows from the seed and the date.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/clock.h"
#include "feedgen/feed_market.h"

namespace tw {

struct FeedRunner {
  int number = 0, bracket = 0;
  std::string id;    // 10 digits
  std::string name;  // Shift-JIS
  int sex = 1, age = 3, coat = 1, eastWest = 1;
  int trainerCode = 0, ownerCode = 0, jockeyCode = 0;
  std::string trainer, jockey, owner, silks;  // Shift-JIS
  int carried = 550;                          // weight carried, 0.1 kg
  bool blinkers = false;
  int bodyWeight = 480, weightChange = 0;
  double strength = 0;    // true chance to win
  double finalShare = 0;  // the public's final view of that chance
  RunnerState scratch = RunnerState::kRunning;
  int scratchMinute = 0;  // minute of the day of a scratch after sales began
};

struct FeedRace {
  DateTime day;
  std::string course;  // course code "01".."10"
  int meeting = 1, dayNumber = 1, raceNumber = 1;
  int postMinute = 600;                                   // minutes after midnight
  std::string name, shortName10, shortName6, shortName3;  // Shift-JIS, full-width
  char grade = ' ';
  std::string typeCode = "13", conditionCode = "703";
  int weightRule = 3;
  int distance = 1600;
  bool turf = true;
  std::string trackCode = "11";
  long long firstPrize = 0;                // ¥100 units
  double winPool = 0;                      // final win pool, ¥100 units
  std::vector<FeedRunner> runners;         // runners[h - 1] is horse h
  std::vector<int> announcements;          // minutes after midnight, increasing; the last is the post time
  std::vector<std::vector<double>> drift;  // [announcement][horse] log drift of the public's view
  std::vector<int> finish;                 // horse numbers of the starters in finishing order
  std::vector<int> finishTenths;           // their times, 0.1 s

  int Runners() const { return static_cast<int>(runners.size()); }
  std::string Date() const;      // yyyymmdd
  std::string RaceCode() const;  // course, meeting, day, race: 8 characters
  std::string RaceKey() const;   // Date() + RaceCode()
  // The announcement as MMDDhhmm.
  std::string AnnouncementText(size_t k) const;
  // Minutes after midnight when the results are published.
  int ResultMinute() const { return postMinute + 10; }
};

struct FeedWeekend {
  std::vector<DateTime> days;   // ascending
  std::vector<FeedRace> races;  // by day, course, race number
};

// The race days for a date: the Saturday and the Sunday on or before it, and
// the date itself when it is neither of them.
std::vector<DateTime> FeedDays(const DateTime& date);

// `courses` 0: two or three by the seed. `racesPerCourse` 1..12.
FeedWeekend PlanWeekend(const DateTime& date, uint64_t seed, int courses = 0, int racesPerCourse = 12);
// The same for the given race days (ascending, at most a week from first to last).
FeedWeekend PlanRaceDays(const std::vector<DateTime>& days, uint64_t seed, int courses = 0, int racesPerCourse = 12);

// A season of weekends ending with the one of `date`, counted back from it:
// weekend 0 is FeedDays(date); each earlier one lies a week before the next
// and holds only its Saturday and Sunday.
std::vector<DateTime> SeasonWeekendDays(const DateTime& date, int weeksBefore);
// The seed of a weekend of the season: weekend 0 has the season's own, so a
// season of one weekend is the feed of `date` alone.
uint64_t SeasonWeekendSeed(uint64_t seed, int weeksBefore);

// The odds of announcement k of a race.
MarketOdds AnnouncementOdds(const FeedRace& race, size_t k);
// The odds at the close (the last announcement), on which the payouts are based.
inline MarketOdds FinalOdds(const FeedRace& race) { return AnnouncementOdds(race, race.announcements.size() - 1); }
// The public's final win probabilities of the starters [1..n] (0 for scratched).
std::vector<double> FinalProbabilities(const FeedRace& race);

// The minute sales open on a race day.
inline constexpr int kSalesOpenMinute = 9 * 60;

}  // namespace tw
