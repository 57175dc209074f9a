#include "season/season_chart_data.h"

#include <gtest/gtest.h>

#include "season/season_report.h"
#include "support/season_days.h"
#include "support/season_races.h"
#include "support/temp_dir.h"
#include "text/sjis.h"

namespace tw {
namespace {

SeasonRace Race(const std::string& upset, int bets, long long quinellaYen, long long referenceYen) {
  return test::MadeSeasonRace(
      {.upset = upset, .axisRule = 0, .bets = bets, .quinellaYen = quinellaYen, .referenceYen = referenceYen});
}

SeasonDay Day(const std::string& date, SeasonDayOutcome outcome, std::vector<SeasonRace> races = {}) {
  return test::MadeSeasonDay(date, std::move(races), outcome);
}

TEST(SeasonProfitLine, OnePointPerCountedDayAddingUp) {
  SeasonProfitLine line;
  line.AddDay(Day("20240511", SeasonDayOutcome::kCounted, {Race("大", 5, 2350, 0), Race("小", 2, 0, 300)}));
  line.AddDay(Day("20240512", SeasonDayOutcome::kNoResults));
  line.AddDay(Day("20240518", SeasonDayOutcome::kSkipped));
  line.AddDay(Day("20240519", SeasonDayOutcome::kCounted, {Race("", 0, 0, 0)}));  // no tickets
  line.AddDay(Day("20240525", SeasonDayOutcome::kCounted, {Race("中", 9, 0, 0)}));
  ASSERT_EQ(line.points().size(), 3u);
  EXPECT_EQ(line.points()[0].date, "20240511");
  EXPECT_EQ(line.points()[0].suggested, 2350 - 700);
  EXPECT_EQ(line.points()[0].reference, 300 - 700);
  EXPECT_EQ(line.points()[1].date, "20240519");
  EXPECT_EQ(line.points()[1].suggested, 1650);
  EXPECT_EQ(line.points()[2].suggested, 1650 - 900);
  EXPECT_EQ(line.points()[2].reference, -400 - 900);
  EXPECT_EQ(line.lowest(), -1300);
  EXPECT_EQ(line.highest(), 1650);
}

TEST(SeasonProfitLine, EndsAtTheSeasonsReturnLessStake) {
  test::TempDir dir;
  test::WriteHandWorkedSeason(dir.file("Data"));
  SeasonOptions options;
  options.dataFolder = dir.file("Data");
  options.workers = 2;
  SeasonReport report(options);
  SeasonProfitLine line;
  while (!report.finished()) {
    for (const SeasonDay& day : report.Step()) line.AddDay(day);
  }
  const SeasonFigures& all = report.totals().all();
  ASSERT_EQ(line.points().size(), 2u);  // May 11 and June 1
  EXPECT_EQ(line.points()[1].date, "20240601");
  EXPECT_EQ(line.points().back().suggested, all.quinella().returned() - all.quinella().stake());
  EXPECT_EQ(line.points().back().reference, all.reference().returned() - all.reference().stake());
}

TEST(UpsetReturnRates, SmallMediumLargeAlwaysInThisOrder) {
  SeasonTotals totals;
  totals.AddDay(Day("20240511", SeasonDayOutcome::kCounted,
                    {Race("大", 5, 2350, 0), Race("小", 2, 0, 300), Race("", 4, 1000, 1000)}));
  const std::vector<UpsetReturnRate> rates = UpsetReturnRates(totals);
  ASSERT_EQ(rates.size(), 3u);
  EXPECT_EQ(SjisToUtf8(rates[0].label), "小");
  EXPECT_EQ(SjisToUtf8(rates[1].label), "中");
  EXPECT_EQ(SjisToUtf8(rates[2].label), "大");
  ASSERT_TRUE(rates[0].suggested && rates[0].reference);
  EXPECT_DOUBLE_EQ(*rates[0].suggested, 0.0);
  EXPECT_DOUBLE_EQ(*rates[0].reference, 150.0);
  EXPECT_FALSE(rates[1].suggested);  // no race rated 中
  EXPECT_FALSE(rates[1].reference);
  EXPECT_DOUBLE_EQ(*rates[2].suggested, 470.0);
  EXPECT_DOUBLE_EQ(*rates[2].reference, 0.0);
}

}  // namespace
}  // namespace tw
