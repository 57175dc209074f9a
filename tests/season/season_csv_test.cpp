#include "season/season_csv.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "text/sjis.h"

namespace tw {
namespace {

TEST(SeasonCsv, OneRowPerRaceInUtf8WithAByteOrderMark) {
  SeasonDay day;
  day.dayName = Sjis("2024年06月01日");
  day.date = "20240601";
  day.outcome = SeasonDayOutcome::kCounted;
  SeasonRace race;
  race.date = day.date;
  race.courseCode = "05";
  race.raceNumber = 11;
  race.upsetDegree = Sjis("中");
  race.axisRule = 3;
  race.bets = {" 3-12", " 5-12"};
  race.quinellaHits = {{" 3-12", PaidBetType::kQuinella, 1, 15230}};
  race.wideHits = {{" 3-12", PaidBetType::kWide, 1, 3000}, {" 5-12", PaidBetType::kWide, 3, 1200}};
  race.referenceBets = {" 1- 2", " 1- 3"};
  day.races.push_back(race);
  SeasonRace plain;
  plain.date = day.date;
  plain.courseCode = "09";
  plain.raceNumber = 1;
  day.races.push_back(plain);

  SeasonCsv csv;
  csv.AddDay(day);
  SeasonDay pending = day;
  pending.outcome = SeasonDayOutcome::kNoResults;
  csv.AddDay(pending);  // races without results are no rows
  EXPECT_EQ(csv.rows(), 2);
  EXPECT_EQ(csv.bytes(),
            "\xEF\xBB\xBF"
            "日付,競馬場,レース,波乱度,軸条件,買い目数,購入額,馬連払戻額,ワイド払戻額,参考払戻額\r\n"
            "2024/06/01,東京,11,中,軸条件3,2,200,15230,4200,0\r\n"
            "2024/06/01,阪神,1,なし,なし,0,0,0,0,0\r\n");

  test::TempDir dir;
  ASSERT_TRUE(csv.Save(dir.file("season.csv")));
  EXPECT_EQ(test::ReadBytes(dir.file("season.csv")), csv.bytes());
}

}  // namespace
}  // namespace tw
