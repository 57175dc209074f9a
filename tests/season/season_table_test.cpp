#include "season/season_table.h"

#include <gtest/gtest.h>

#include "season/season_totals.h"
#include "support/season_races.h"
#include "text/sjis.h"

namespace tw {
namespace {

// A race with `bets` bets; the quinella pays `quinellaYen` on the first,
// the reference `referenceYen` on its first.
SeasonRace Race(const std::string& date, const std::string& course, int number, const std::string& upset, int bets,
                long long quinellaYen, long long referenceYen = 0) {
  return test::MadeSeasonRace({date, course, number, upset, bets > 0 ? 1 : 0, bets, quinellaYen, referenceYen});
}

SeasonDay Day(const std::string& date, std::vector<SeasonRace> races) {
  return test::MadeSeasonDay(date, std::move(races));
}

std::vector<std::string> Texts(const std::vector<SeasonCell>& row) {
  std::vector<std::string> texts;
  for (const SeasonCell& cell : row) texts.push_back(SjisToUtf8(cell.text));
  return texts;
}

class SeasonTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    totals.AddDay(Day("20240511", {Race("20240511", "05", 1, "大", 4, 2350), Race("20240511", "05", 2, "小", 2, 0, 480),
                                   Race("20240511", "06", 3, "", 0, 0)}));
    totals.AddDay(Day("20240602", {Race("20240602", "09", 11, "大", 3, 12340)}));
  }
  SeasonTotals totals;
};

TEST_F(SeasonTableTest, TheSummaryHasEveryFigureOfEachKindOfTicket) {
  const SeasonTable table = SeasonSummaryTable(totals.all());
  ASSERT_EQ(table.columns.size(), size_t(kSeasonFigureColumns + 1));
  EXPECT_EQ(SjisToUtf8(table.columns[kSeasonReturnRateColumn].heading), "回収率");
  EXPECT_EQ(SjisToUtf8(table.columns[kSeasonHitPlaceColumn].heading), "最高配当のレース");
  EXPECT_FALSE(table.columns[kSeasonGroupColumn].alignRight);
  EXPECT_FALSE(table.columns[kSeasonKindColumn].alignRight);
  EXPECT_TRUE(table.columns[kSeasonStakeColumn].alignRight);
  ASSERT_EQ(table.rows.size(), 3u);
  // 9 bets over 3 races with bets out of 4; two quinella hits, the running
  // profit never below its high.
  EXPECT_EQ(Texts(table.rows[0]),
            (std::vector<std::string>{"全体", "2", "4", "3", "9", "馬連", "2", "2", "66.7%", "900", "14690", "1632.2%",
                                      "0.0-4113.3%", "1", "0", "12340", "2024年06月02日 阪神11R   1-11"}));
  // Wide tickets paid nothing: 0.0%, a run of three, the whole stake lost,
  // no biggest hit.
  EXPECT_EQ(Texts(table.rows[1]), (std::vector<std::string>{"全体", "2", "4", "3", "9", "ワイド", "0", "0", "0.0%",
                                                            "900", "0", "0.0%", "0.0-0.0%", "3", "900", "-", "-"}));
  EXPECT_EQ(Texts(table.rows[2])[kSeasonReturnColumn], "480");
  EXPECT_EQ(Texts(table.rows[2])[kSeasonHitPlaceColumn], "2024年05月11日 東京 2R   2-11");

  // Sort values are the figures; the kind sorts in its order; a hit place by its day.
  EXPECT_DOUBLE_EQ(table.rows[0][kSeasonReturnRateColumn].sortValue, 100.0 * 14690 / 900);
  EXPECT_DOUBLE_EQ(table.rows[0][kSeasonStakeColumn].sortValue, 900);
  EXPECT_DOUBLE_EQ(table.rows[1][kSeasonKindColumn].sortValue, 1);
  EXPECT_DOUBLE_EQ(table.rows[0][kSeasonHitPlaceColumn].sortValue, 20240602);
  EXPECT_LT(table.rows[2][kSeasonHitPlaceColumn].sortValue, table.rows[0][kSeasonHitPlaceColumn].sortValue);
}

TEST_F(SeasonTableTest, AReturnRateWithoutStakeSortsBelowEveryRate) {
  const SeasonTable table = SeasonBreakdownTable(totals.breakdown(SeasonDimension::kUpsetDegree));
  // 小, 大, なし: three rows each, every row with its group.
  ASSERT_EQ(table.rows.size(), 9u);
  const std::vector<std::string> none = Texts(table.rows[6]);
  EXPECT_EQ(none[kSeasonGroupColumn], "なし");
  EXPECT_EQ(none[kSeasonRacesColumn], "1");
  EXPECT_EQ(none[kSeasonStakeColumn], "0");
  EXPECT_EQ(none[kSeasonReturnRateColumn], "-");
  EXPECT_DOUBLE_EQ(table.rows[6][kSeasonReturnRateColumn].sortValue, -1);
  // 小 paid nothing on its bets: 0.0% sorts above "-".
  EXPECT_EQ(Texts(table.rows[0])[kSeasonReturnRateColumn], "0.0%");
  EXPECT_GT(table.rows[0][kSeasonReturnRateColumn].sortValue, table.rows[6][kSeasonReturnRateColumn].sortValue);
}

TEST_F(SeasonTableTest, BreakdownRowsKeepTheGroupsOrderAsTheirRank) {
  const SeasonTable table = SeasonBreakdownTable(totals.breakdown(SeasonDimension::kCourse));
  ASSERT_EQ(table.rows.size(), 9u);
  std::vector<std::string> labels;
  std::vector<double> ranks;
  for (size_t r = 0; r < table.rows.size(); r += 3) {
    labels.push_back(SjisToUtf8(table.rows[r][kSeasonGroupColumn].text));
    ranks.push_back(table.rows[r][kSeasonGroupColumn].sortValue);
    for (size_t k = 1; k < 3; ++k) EXPECT_EQ(table.rows[r + k][kSeasonGroupColumn].text, table.rows[r][0].text);
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"東京", "中山", "阪神"}));
  EXPECT_EQ(ranks, (std::vector<double>{0, 1, 2}));
  EXPECT_EQ(Texts(table.rows[0])[kSeasonDaysColumn], "1");
  EXPECT_EQ(Texts(table.rows[0])[kSeasonBetsColumn], "6");
  EXPECT_EQ(Texts(table.rows[8])[kSeasonKindColumn], "参考");
}

}  // namespace
}  // namespace tw
