#include "season/season_texts.h"

#include <gtest/gtest.h>

#include "text/sjis.h"

namespace tw {
namespace {

TEST(SeasonTexts, RangesWithOpenEnds) {
  EXPECT_EQ(SjisToUtf8(SeasonRangeText("", "")), "全期間");
  EXPECT_EQ(SjisToUtf8(SeasonRangeText("20240501", "20240630")), "2024年05月01日～2024年06月30日");
  EXPECT_EQ(SjisToUtf8(SeasonRangeText("20240501", "")), "2024年05月01日～");
  EXPECT_EQ(SjisToUtf8(SeasonRangeText("", "20240630")), "～2024年06月30日");
}

TEST(SeasonTexts, CoursesAndDayCounts) {
  EXPECT_EQ(SjisToUtf8(SeasonCoursesText({})), "全競馬場");
  EXPECT_EQ(SjisToUtf8(SeasonCoursesText({Sjis("東京"), Sjis("中山")})), "東京・中山");

  SeasonTotals totals;
  SeasonDay pending;
  pending.dayName = Sjis("2024年05月12日");
  pending.outcome = SeasonDayOutcome::kNoResults;
  totals.AddDay(pending);
  SeasonDay skipped = pending;
  skipped.outcome = SeasonDayOutcome::kSkipped;
  totals.AddDay(skipped);
  totals.AddDay(skipped);
  EXPECT_EQ(SjisToUtf8(SeasonDayCountsText(totals)),
            "集計した日 0  結果未取得の日 1  読み込めなかった日 2  結果未取得のレース 0");
}

TEST(SeasonTexts, RatesAndHits) {
  TicketFigures none;
  EXPECT_EQ(ReturnRateText(none), "-");
  EXPECT_EQ(BiggestHitText(none), "-");

  SeasonRace race;
  race.date = "20240601";
  race.courseCode = std::string("05");
  race.raceNumber = 2;
  TicketFigures paid;
  // 3 tickets, 1 yen back in 300: 0.333…% shows as 0.3%.
  paid.AddRace(race, 3, {{" 6-10", PaidBetType::kQuinella, 1, 1}});
  EXPECT_EQ(ReturnRateText(paid), "0.3%");
  EXPECT_EQ(BiggestHitText(paid), "1");
  EXPECT_EQ(SjisToUtf8(SeasonHitPlace(*paid.biggestHit())), "2024年06月01日 東京 2R   6-10");
  EXPECT_EQ(SjisToUtf8(SeasonBreakdownTitle(SeasonDimension::kBetCount)), "買い目数別");
}

}  // namespace
}  // namespace tw
