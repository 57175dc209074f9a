#include "season/season_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/day_builder.h"
#include "support/season_days.h"
#include "support/temp_dir.h"
#include "text/files.h"
#include "text/sjis.h"
#include "text/temp_files.h"

namespace tw {
namespace {

class SeasonReportTest : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteHandWorkedSeason(data); }

  SeasonOptions Options(int workers = 1) const {
    SeasonOptions options;
    options.dataFolder = data;
    options.workers = workers;
    return options;
  }
  static const SeasonTotals& RunAll(SeasonReport& report) {
    while (!report.finished()) report.Step();
    return report.totals();
  }
  static const SeasonGroup& Group(const SeasonTotals& totals, SeasonDimension dimension, const std::string& label) {
    for (const SeasonGroup& group : totals.breakdown(dimension).groups()) {
      if (group.label == Sjis(label)) return group;
    }
    throw std::runtime_error("no group " + label);
  }

  test::TempDir dir;
  std::string data = dir.file("Data");
};

TEST_F(SeasonReportTest, EveryFigureOfTheHandWorkedSeason) {
  SeasonReport report(Options());
  EXPECT_EQ(report.dayCount(), 5);
  const SeasonTotals& totals = RunAll(report);

  EXPECT_EQ(totals.daysLookedAt(), 5);
  EXPECT_EQ(totals.daysWithoutResults(), (std::vector<std::string>{Sjis("2024年05月12日")}));
  ASSERT_EQ(totals.skippedDays().size(), 2u);
  EXPECT_EQ(totals.skippedDays()[0].dayName, Sjis("2024年05月18日"));
  EXPECT_EQ(totals.skippedDays()[1].dayName, Sjis("2024年05月19日"));
  EXPECT_EQ(totals.racesWithoutResults(), 1);  // 中山 4R of May 11

  const SeasonFigures& all = totals.all();
  EXPECT_EQ(all.days(), 2);
  EXPECT_EQ(all.races(), 7);
  EXPECT_EQ(all.racesWithBets(), 5);
  EXPECT_EQ(all.bets(), 6 + 7 + 7 + 9 + 9);

  const TicketFigures& q = all.quinella();
  EXPECT_EQ(q.tickets(), 38);
  EXPECT_EQ(q.stake(), 3800);
  EXPECT_EQ(q.hits(), 4);  // the dead heat pays twice
  EXPECT_EQ(q.hitRaces(), 3);
  EXPECT_EQ(q.returned(), 2350 + 1500 + 4200 + 15230);
  ASSERT_TRUE(q.ReturnRate());
  EXPECT_DOUBLE_EQ(*q.ReturnRate(), 100.0 * 23280 / 3800);
  // 東京 1R and 2R paid, 中山 3R and June's 東京 1R did not, then 2R paid.
  EXPECT_EQ(q.longestLosingRun(), 2);
  ASSERT_TRUE(q.biggestHit());
  EXPECT_EQ(q.biggestHit()->yen, 15230);
  EXPECT_EQ(q.biggestHit()->date, "20240601");
  EXPECT_EQ(q.biggestHit()->courseCode, "05");
  EXPECT_EQ(q.biggestHit()->raceNumber, 2);
  EXPECT_EQ(q.biggestHit()->bet, " 6-10");

  const TicketFigures& w = all.wide();
  EXPECT_EQ(w.stake(), 3800);
  EXPECT_EQ(w.hits(), 6);
  EXPECT_EQ(w.hitRaces(), 3);
  EXPECT_EQ(w.returned(), (890 + 1200) + (500 + 1300) + (3000 + 800));
  EXPECT_EQ(w.longestLosingRun(), 2);
  ASSERT_TRUE(w.biggestHit());
  EXPECT_EQ(w.biggestHit()->yen, 3000);

  // The reference: 1- 2 paid in 中山 3R (horse 3 scratched) and June's 1R.
  const TicketFigures& r = all.reference();
  EXPECT_EQ(r.tickets(), 38);
  EXPECT_EQ(r.hits(), 2);
  EXPECT_EQ(r.hitRaces(), 2);
  EXPECT_EQ(r.returned(), 320 + 280);
  EXPECT_EQ(r.longestLosingRun(), 2);
  ASSERT_TRUE(r.biggestHit());
  EXPECT_EQ(r.biggestHit()->yen, 320);
  EXPECT_EQ(r.biggestHit()->date, "20240511");
  EXPECT_EQ(r.biggestHit()->courseCode, "06");
  EXPECT_EQ(r.biggestHit()->bet, " 1- 2");
}

TEST_F(SeasonReportTest, EveryBreakdownOfTheHandWorkedSeason) {
  SeasonReport report(Options());
  const SeasonTotals& totals = RunAll(report);

  const SeasonFigures& tokyo = Group(totals, SeasonDimension::kCourse, "東京").figures;
  EXPECT_EQ(tokyo.days(), 2);
  EXPECT_EQ(tokyo.races(), 4);
  EXPECT_EQ(tokyo.bets(), 6 + 7 + 9 + 9);
  EXPECT_EQ(tokyo.quinella().returned(), 23280);
  EXPECT_EQ(tokyo.quinella().longestLosingRun(), 1);
  EXPECT_EQ(tokyo.wide().returned(), 7690);
  EXPECT_EQ(tokyo.reference().returned(), 280);
  const SeasonFigures& nakayama = Group(totals, SeasonDimension::kCourse, "中山").figures;
  EXPECT_EQ(nakayama.days(), 1);
  EXPECT_EQ(nakayama.races(), 3);
  EXPECT_EQ(nakayama.racesWithBets(), 1);
  EXPECT_EQ(nakayama.quinella().stake(), 700);
  EXPECT_EQ(nakayama.quinella().returned(), 0);
  EXPECT_EQ(nakayama.quinella().longestLosingRun(), 1);
  EXPECT_FALSE(nakayama.quinella().biggestHit());
  EXPECT_EQ(nakayama.reference().returned(), 320);

  const auto& months = totals.breakdown(SeasonDimension::kMonth).groups();
  ASSERT_EQ(months.size(), 2u);
  EXPECT_EQ(months[0].label, Sjis("2024年05月"));
  EXPECT_EQ(months[0].figures.races(), 5);
  EXPECT_EQ(months[0].figures.quinella().returned(), 2350 + 5700);
  EXPECT_EQ(months[0].figures.wide().returned(), 2090 + 1800);
  EXPECT_EQ(months[1].label, Sjis("2024年06月"));
  EXPECT_EQ(months[1].figures.bets(), 18);
  EXPECT_EQ(months[1].figures.quinella().returned(), 15230);

  const auto& counts = totals.breakdown(SeasonDimension::kBetCount).groups();
  ASSERT_EQ(counts.size(), 4u);
  EXPECT_EQ(counts[0].label, Sjis("0点"));
  EXPECT_EQ(counts[0].figures.races(), 2);  // 中山 1R and 2R
  EXPECT_EQ(counts[0].figures.quinella().stake(), 0);
  EXPECT_FALSE(counts[0].figures.quinella().ReturnRate());
  EXPECT_EQ(counts[1].label, Sjis("6点"));
  EXPECT_EQ(counts[2].label, Sjis("7点"));
  EXPECT_EQ(counts[2].figures.races(), 2);
  EXPECT_EQ(counts[2].figures.quinella().returned(), 5700);
  EXPECT_EQ(counts[3].label, Sjis("9点"));
  EXPECT_EQ(counts[3].figures.quinella().hits(), 1);

  // 中山 2R keeps the rating and axis condition of its analysis, without bets.
  const SeasonFigures& large = Group(totals, SeasonDimension::kUpsetDegree, "大").figures;
  EXPECT_EQ(large.races(), 6);
  EXPECT_EQ(large.racesWithBets(), 5);
  EXPECT_EQ(Group(totals, SeasonDimension::kUpsetDegree, "なし").figures.races(), 1);
  EXPECT_EQ(Group(totals, SeasonDimension::kAxisRule, "軸条件1").figures.races(), 6);
  EXPECT_EQ(Group(totals, SeasonDimension::kAxisRule, "なし").figures.races(), 1);
}

TEST_F(SeasonReportTest, WorkersSideBySideGiveTheSameSeason) {
  SeasonReport one(Options(1));
  SeasonReport three(Options(3));
  std::vector<std::string> orderOne, orderThree;
  while (!one.finished()) {
    for (const SeasonDay& day : one.Step()) orderOne.push_back(day.dayName);
  }
  int steps = 0;
  while (!three.finished()) {
    for (const SeasonDay& day : three.Step()) orderThree.push_back(day.dayName);
    ++steps;
    EXPECT_EQ(three.daysDone(), std::min(3 * steps, 5));
  }
  EXPECT_EQ(steps, 2);
  EXPECT_EQ(orderOne, orderThree);
  EXPECT_EQ(orderOne.front(), Sjis("2024年05月11日"));
  const auto& a = one.totals();
  const auto& b = three.totals();
  EXPECT_EQ(a.all().quinella().returned(), b.all().quinella().returned());
  EXPECT_EQ(a.all().wide().longestLosingRun(), b.all().wide().longestLosingRun());
  EXPECT_EQ(a.all().reference().biggestHit()->date, b.all().reference().biggestHit()->date);
  EXPECT_EQ(a.skippedDays().size(), b.skippedDays().size());
  for (size_t i = 0; i < a.breakdowns().size(); ++i) {
    const auto& ga = a.breakdowns()[i].groups();
    const auto& gb = b.breakdowns()[i].groups();
    ASSERT_EQ(ga.size(), gb.size());
    for (size_t k = 0; k < ga.size(); ++k) {
      EXPECT_EQ(ga[k].label, gb[k].label);
      EXPECT_EQ(ga[k].figures.races(), gb[k].figures.races());
      EXPECT_EQ(ga[k].figures.quinella().returned(), gb[k].figures.quinella().returned());
      EXPECT_EQ(ga[k].figures.quinella().longestLosingRun(), gb[k].figures.quinella().longestLosingRun());
    }
  }
}

TEST_F(SeasonReportTest, DaysSideBySideCreateTheirOddsFiles) {
  // Days whose odds files were never made: each load creates its two, and
  // the loads run at once.
  for (int d = 1; d <= 6; ++d) {
    test::DayBuilder day(data, 2024, 7, d);
    for (int r = 1; r <= 8; ++r) day.AddRunners(day.AddRace("05", r, 10));
    day.Write();
  }
  SeasonReport report(Options(3));
  const SeasonTotals& totals = RunAll(report);
  EXPECT_EQ(totals.daysWithoutResults().size(), 1u + 6u);
  EXPECT_EQ(totals.skippedDays().size(), 2u);
  for (int d = 1; d <= 6; ++d) {
    test::DayBuilder day(data, 2024, 7, d);
    EXPECT_TRUE(FileExists(day.FilePath(".jvO1"))) << d;
    EXPECT_TRUE(FileExists(day.FilePath(".jvO2"))) << d;
  }
  for (const auto& entry : std::filesystem::directory_iterator(ToFsPath(data)))
    EXPECT_FALSE(IsTemporaryFileName(entry.path().filename().string())) << entry.path();
}

TEST_F(SeasonReportTest, DatesAndCoursesLimitTheSeason) {
  SeasonOptions may = Options();
  may.from = "20240512";
  may.to = "20240531";
  SeasonReport report(may);
  EXPECT_EQ(report.dayNames(),
            (std::vector<std::string>{Sjis("2024年05月12日"), Sjis("2024年05月18日"), Sjis("2024年05月19日")}));
  EXPECT_EQ(RunAll(report).all().races(), 0);

  SeasonOptions nakayama = Options();
  nakayama.courseCodes = {"06"};
  SeasonReport only(nakayama);
  const SeasonTotals& totals = RunAll(only);
  EXPECT_EQ(totals.all().days(), 1);
  EXPECT_EQ(totals.all().races(), 3);
  EXPECT_EQ(totals.all().bets(), 7);
  EXPECT_EQ(totals.all().reference().returned(), 320);
  EXPECT_EQ(totals.racesWithoutResults(), 1);
  // May 12 and June 1 have no race at 中山: neither listed nor counted.
  EXPECT_TRUE(totals.daysWithoutResults().empty());
  EXPECT_EQ(totals.skippedDays().size(), 2u);

  SeasonOptions none = Options();
  none.from = "20250101";
  EXPECT_EQ(SeasonReport(none).dayCount(), 0);
  EXPECT_TRUE(SeasonReport(none).finished());
}

TEST_F(SeasonReportTest, StrayRaceFilesAreListedOnceOrSkipped) {
  // A longer name holding a day's name, and a name that is no day.
  ASSERT_TRUE(WriteFileAtomic(JoinPath(data, Sjis("2024年06月01日 copy.jvRA")), "x"));
  ASSERT_TRUE(WriteFileAtomic(JoinPath(data, "notes.jvRA"), "x"));
  SeasonReport report(Options());
  ASSERT_EQ(report.dayCount(), 6);
  EXPECT_EQ(report.dayNames().front(), "notes.jvRA");
  const SeasonTotals& totals = RunAll(report);
  EXPECT_EQ(totals.all().races(), 7);
  ASSERT_EQ(totals.skippedDays().size(), 3u);
  EXPECT_EQ(totals.skippedDays()[0].dayName, "notes.jvRA");

  // With dates only the days between them.
  SeasonOptions dated = Options();
  dated.from = "20240101";
  EXPECT_EQ(SeasonReport(dated).dayCount(), 5);
}

TEST_F(SeasonReportTest, AMissingFolderHasNoDays) {
  SeasonOptions options = Options();
  options.dataFolder = dir.file("nowhere");
  SeasonReport report(options);
  EXPECT_EQ(report.dayCount(), 0);
  EXPECT_TRUE(report.Step().empty());
}

}  // namespace
}  // namespace tw
