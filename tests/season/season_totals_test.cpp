#include "season/season_totals.h"

#include <gtest/gtest.h>

#include "support/season_races.h"
#include "text/sjis.h"

namespace tw {
namespace {

SeasonRace Race(const std::string& date, const std::string& course, int number, const std::string& upset, int axisRule,
                int bets, long long quinellaYen = 0) {
  return test::MadeSeasonRace({date, course, number, upset, axisRule, bets, quinellaYen});
}

SeasonDay Day(const std::string& date, std::vector<SeasonRace> races) {
  return test::MadeSeasonDay(date, std::move(races));
}

std::vector<std::string> Labels(const SeasonTotals& totals, SeasonDimension dimension) {
  std::vector<std::string> labels;
  for (const SeasonGroup& group : totals.breakdown(dimension).groups()) labels.push_back(SjisToUtf8(group.label));
  return labels;
}

TEST(SeasonTotals, GroupsComeInTheirOwnOrder) {
  SeasonTotals totals;
  totals.AddDay(Day("20240601", {Race("20240601", "09", 11, "大", 7, 3, 5000), Race("20240601", "05", 1, "", 0, 0),
                                 Race("20240601", "05", 2, "小", 2, 12, 300)}));
  totals.AddDay(Day("20240512", {Race("20240512", "10", 3, "中", 3, 1)}));
  EXPECT_EQ(Labels(totals, SeasonDimension::kUpsetDegree), (std::vector<std::string>{"小", "中", "大", "なし"}));
  EXPECT_EQ(Labels(totals, SeasonDimension::kAxisRule),
            (std::vector<std::string>{"軸条件2", "軸条件3", "軸条件7", "なし"}));
  EXPECT_EQ(Labels(totals, SeasonDimension::kCourse), (std::vector<std::string>{"東京", "阪神", "小倉"}));
  EXPECT_EQ(Labels(totals, SeasonDimension::kMonth), (std::vector<std::string>{"2024年05月", "2024年06月"}));
  EXPECT_EQ(Labels(totals, SeasonDimension::kBetCount), (std::vector<std::string>{"0点", "1点", "3点", "12点"}));

  const SeasonFigures& tokyo = totals.breakdown(SeasonDimension::kCourse).groups()[0].figures;
  EXPECT_EQ(tokyo.days(), 1);
  EXPECT_EQ(tokyo.races(), 2);
  EXPECT_EQ(tokyo.racesWithBets(), 1);
  EXPECT_EQ(tokyo.bets(), 12);
  EXPECT_EQ(tokyo.quinella().returned(), 300);
  EXPECT_EQ(tokyo.reference().tickets(), 12);

  EXPECT_EQ(totals.all().days(), 2);
  EXPECT_EQ(totals.all().races(), 4);
  EXPECT_EQ(totals.all().bets(), 16);
  EXPECT_EQ(totals.all().quinella().returned(), 5300);
  EXPECT_EQ(totals.all().wide().returned(), 0);
  EXPECT_EQ(totals.all().wide().longestLosingRun(), 3);
}

TEST(SeasonTotals, OnlyCountedDaysCount) {
  SeasonTotals totals;
  SeasonDay pending = Day("20240511", {});
  pending.outcome = SeasonDayOutcome::kNoResults;
  pending.racesWithoutResults = 12;
  SeasonDay skipped = Day("20240512", {});
  skipped.outcome = SeasonDayOutcome::kSkipped;
  skipped.reasons = {"a", "b"};
  SeasonDay empty = Day("20240518", {});
  empty.outcome = SeasonDayOutcome::kNoRaces;
  SeasonDay partly = Day("20240519", {Race("20240519", "05", 1, "大", 1, 2)});
  partly.racesWithoutResults = 3;
  for (const SeasonDay* day : {&pending, &skipped, &empty, &partly}) totals.AddDay(*day);

  EXPECT_EQ(totals.daysLookedAt(), 4);
  EXPECT_EQ(totals.daysWithoutResults(), (std::vector<std::string>{"20240511"}));
  ASSERT_EQ(totals.skippedDays().size(), 1u);
  EXPECT_EQ(totals.skippedDays()[0].reasons, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(totals.racesWithoutResults(), 3);
  EXPECT_EQ(totals.all().days(), 1);
  EXPECT_EQ(totals.all().races(), 1);
  EXPECT_EQ(totals.all().quinella().longestLosingRun(), 1);
}

}  // namespace
}  // namespace tw
