#include "season/season_day.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/day_builder.h"
#include "support/season_days.h"
#include "support/temp_dir.h"
#include "text/save_fault.h"
#include "text/sjis.h"

namespace tw {
namespace {

using Labels = std::vector<std::string>;

class SeasonDayTest : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteHandWorkedSeason(data); }
  SeasonDay Load(const std::string& utf8Day, const std::vector<std::string>& courses = {}) {
    return LoadSeasonDay(data, Sjis(utf8Day), courses, *model, list);
  }
  static Labels BetsOf(const std::vector<PaidBet>& paid) {
    Labels bets;
    for (const PaidBet& p : paid) bets.push_back(p.bet + ":" + std::to_string(p.entry) + ":" + std::to_string(p.yen));
    return bets;
  }

  test::TempDir dir;
  std::string data = dir.file("Data");
  std::unique_ptr<RaceDayModel> model = std::make_unique<RaceDayModel>();
  RaceList list;
};

TEST_F(SeasonDayTest, RacesOfACountedDay) {
  SeasonDay day = Load("2024年05月11日");
  EXPECT_EQ(day.outcome, SeasonDayOutcome::kCounted);
  EXPECT_EQ(day.date, "20240511");
  EXPECT_TRUE(day.reasons.empty());
  EXPECT_EQ(day.racesWithoutResults, 1);
  ASSERT_EQ(day.races.size(), 5u);

  const SeasonRace& tokyo1 = day.races[0];
  EXPECT_EQ(tokyo1.courseCode, "05");
  EXPECT_EQ(tokyo1.raceNumber, 1);
  EXPECT_EQ(tokyo1.upsetDegree, Sjis("大"));
  EXPECT_EQ(tokyo1.axisRule, 1);
  EXPECT_EQ(tokyo1.bets, (Labels{" 1- 6", " 2- 6", " 3- 6", " 4- 6", " 5- 6", " 6- 7"}));
  EXPECT_EQ(BetsOf(tokyo1.quinellaHits), (Labels{" 1- 6:1:2350"}));
  EXPECT_EQ(BetsOf(tokyo1.wideHits), (Labels{" 1- 6:1:890", " 2- 6:3:1200"}));
  EXPECT_EQ(tokyo1.referenceBets, (Labels{" 1- 2", " 1- 3", " 2- 3", " 1- 4", " 2- 4", " 1- 5"}));
  EXPECT_TRUE(tokyo1.referenceHits.empty());

  // The dead heat pays both bets, each its own entry.
  EXPECT_EQ(BetsOf(day.races[1].quinellaHits), (Labels{" 3- 6:1:1500", " 6- 8:2:4200"}));
  EXPECT_EQ(day.races[1].referenceBets.size(), 7u);

  // Only snapshot 1: no judgement, no bets; the race still counts.
  const SeasonRace& nakayama1 = day.races[2];
  EXPECT_EQ(nakayama1.raceNumber, 1);
  EXPECT_TRUE(nakayama1.bets.empty());
  EXPECT_TRUE(nakayama1.quinellaHits.empty());
  EXPECT_TRUE(nakayama1.referenceBets.empty());
  EXPECT_EQ(nakayama1.axisRule, 0);

  // Snapshots 1 and 3: the analysis made bets, the bet grid shows none.
  const SeasonRace& nakayama2 = day.races[3];
  EXPECT_FALSE(model->slots[3].analysis.betLabels[1].empty());
  EXPECT_TRUE(nakayama2.bets.empty());
  EXPECT_TRUE(nakayama2.quinellaHits.empty());
  EXPECT_TRUE(nakayama2.wideHits.empty());
  EXPECT_TRUE(nakayama2.referenceBets.empty());

  // Horse 3 scratched: neither a bet nor a reference pair holds it.
  const SeasonRace& nakayama3 = day.races[4];
  EXPECT_EQ(nakayama3.bets, (Labels{" 1- 6", " 2- 6", " 4- 6", " 5- 6", " 6- 7", " 6- 8", " 6- 9"}));
  EXPECT_EQ(nakayama3.referenceBets, (Labels{" 1- 2", " 1- 4", " 2- 4", " 1- 5", " 2- 5", " 1- 6", " 2- 6"}));
  EXPECT_EQ(BetsOf(nakayama3.referenceHits), (Labels{" 1- 2:1:320"}));
  EXPECT_TRUE(nakayama3.quinellaHits.empty());
  EXPECT_TRUE(nakayama3.wideHits.empty());
}

TEST_F(SeasonDayTest, DaysWithoutResultsAndDamagedDays) {
  SeasonDay pending = Load("2024年05月12日");
  EXPECT_EQ(pending.outcome, SeasonDayOutcome::kNoResults);
  EXPECT_TRUE(pending.races.empty());
  EXPECT_EQ(pending.racesWithoutResults, 1);

  SeasonDay tooLarge = Load("2024年05月18日");
  EXPECT_EQ(tooLarge.outcome, SeasonDayOutcome::kSkipped);
  ASSERT_EQ(tooLarge.reasons.size(), 1u);
  EXPECT_EQ(SjisToUtf8(tooLarge.reasons[0]).rfind("ファイルが大きすぎるため読み込みませんでした：", 0), 0u);

  SeasonDay damaged = Load("2024年05月19日");
  EXPECT_EQ(damaged.outcome, SeasonDayOutcome::kSkipped);
  EXPECT_TRUE(damaged.races.empty());
  ASSERT_EQ(damaged.reasons.size(), 1u);
  const std::string reason = SjisToUtf8(damaged.reasons[0]);
  EXPECT_EQ(reason.rfind("壊れた行があります（", 0), 0u) << reason;
  EXPECT_NE(reason.find(".jvO1"), std::string::npos) << reason;

  SeasonDay missing = Load("2024年07月01日");
  EXPECT_EQ(missing.outcome, SeasonDayOutcome::kSkipped);
  ASSERT_EQ(missing.reasons.size(), 1u);
  EXPECT_EQ(SjisToUtf8(missing.reasons[0]).rfind("レースファイルがありません：", 0), 0u);

  SeasonDay noDay = LoadSeasonDay(data, "notes", {}, *model, list);
  EXPECT_EQ(noDay.outcome, SeasonDayOutcome::kSkipped);
  EXPECT_EQ(noDay.date, "");
}

TEST_F(SeasonDayTest, OddsFilesThatCannotBeCreatedDoNotSkipTheDay) {
  // A day without odds files on a disk that takes no new file.
  // (Odds files are made for race files of seven lines or more.)
  test::DayBuilder day(data, 2024, 7, 6);
  for (int r = 1; r <= 7; ++r) day.AddRunners(day.AddRace("05", r, 7));
  day.Write();
  ScopedSaveFault full(".jvO2", SaveFaultStage::kOpen);
  SeasonDay loaded = LoadSeasonDay(data, day.dayName(), {}, *model, list);
  EXPECT_EQ(full.failures(), 1);
  EXPECT_EQ(loaded.outcome, SeasonDayOutcome::kNoResults);
  EXPECT_TRUE(loaded.reasons.empty());
}

TEST_F(SeasonDayTest, OnlyTheChosenCoursesCount) {
  SeasonDay tokyo = Load("2024年05月11日", {"05"});
  EXPECT_EQ(tokyo.outcome, SeasonDayOutcome::kCounted);
  EXPECT_EQ(tokyo.races.size(), 2u);
  EXPECT_EQ(tokyo.racesWithoutResults, 0);
  SeasonDay elsewhere = Load("2024年05月11日", {"09", "10"});
  EXPECT_EQ(elsewhere.outcome, SeasonDayOutcome::kNoRaces);
  EXPECT_TRUE(elsewhere.races.empty());
}

TEST(DateOfDayName, OnlyDaysOfTheCalendar) {
  EXPECT_EQ(DateOfDayName(Sjis("2024年05月12日")), "20240512");
  EXPECT_EQ(DateOfDayName(Sjis("2024年02月29日")), "20240229");
  EXPECT_EQ(DateOfDayName(Sjis("2023年02月29日")), "");
  EXPECT_EQ(DateOfDayName(Sjis("2024年13月01日")), "");
  EXPECT_EQ(DateOfDayName(Sjis("2024-05-12日日日")), "");
  EXPECT_EQ(DateOfDayName("notes.jvRA"), "");
  EXPECT_EQ(DateOfDayName(""), "");
}

}  // namespace
}  // namespace tw
