#include "print/season_page.h"

#include <gtest/gtest.h>

#include "season/season_texts.h"
#include "support/page_query.h"
#include "support/season_races.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::TextOps;

SeasonRace Race(const std::string& date, const std::string& course, int number, const std::string& upset, int bets,
                long long quinellaYen) {
  return test::MadeSeasonRace({date, course, number, upset, 1, bets, quinellaYen});
}

SeasonDay Day(const std::string& date, std::vector<SeasonRace> races) {
  return test::MadeSeasonDay(date, std::move(races));
}

int RightEdge(const DrawOp& op) { return op.x0 + SeasonTextWidth(op.text, op.font.points); }

class SeasonPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    totals.AddDay(Day("20240511", {Race("20240511", "05", 1, "大", 4, 2350), Race("20240511", "06", 2, "小", 2, 0)}));
    totals.AddDay(Day("20240602", {Race("20240602", "09", 11, "大", 3, 12340)}));
    // Ten years of figures in one group: the widest numbers a page has to hold.
    SeasonRace many = Race("20340602", "09", 12, "中", 18, 99999990);
    for (int k = 0; k < 6000; ++k) totals.AddDay(Day("20340602", {many}));
    filters.dataFolder = "/home/someone/turfwise/Data";
    filters.from = "20240501";
    filters.courses = {Sjis("東京"), Sjis("中山")};
    pages = BuildSeasonPages(totals, filters, SeasonProfitLine(), 77.5);
    page = pages.front();
    for (const Page& p : pages) all.ops.insert(all.ops.end(), p.ops.begin(), p.ops.end());
  }
  SeasonTotals totals;
  SeasonPageFilters filters;
  std::vector<Page> pages;
  Page page;  // the first
  Page all;   // every page's drawing, for counting
};

TEST_F(SeasonPageTest, TitleAndWhatWasAskedFor) {
  const auto title = TextOps(page, "成績集計");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_TRUE(title[0]->font.bold);
  EXPECT_GT(title[0]->font.points, 10);
  EXPECT_EQ(title[0]->font.name, Sjis("ＭＳ ゴシック"));
  EXPECT_EQ(TextOps(page, "期間：2024年05月01日～").size(), 1u);
  EXPECT_EQ(TextOps(page, "競馬場：東京・中山").size(), 1u);
  EXPECT_EQ(TextOps(page, "データフォルダ：/home/someone/turfwise/Data").size(), 1u);
  EXPECT_EQ(TextOps(page, "集計した日 6002  結果未取得の日 0  読み込めなかった日 0  結果未取得のレース 0").size(), 1u);
  EXPECT_EQ(TextOps(page, "2024年06月02日 阪神11R   1-11").size(), 0u);  // the biggest hit is the later one
  EXPECT_EQ(TextOps(page, "2034年06月02日 阪神12R   1-11").size(), 1u);
}

TEST_F(SeasonPageTest, EveryTableFitsItsPageWithTheNumbersRightAligned) {
  ASSERT_GE(pages.size(), 3u);  // figures, more breakdowns, the charts
  for (const Page& p : pages) {
    for (const DrawOp& op : p.ops) {
      if (op.kind != DrawKind::Text) {
        EXPECT_LE(op.x1, kSeasonPageRight);
        continue;
      }
      if (op.clipped) continue;
      EXPECT_GE(op.x0, kSeasonPageLeft) << SjisToUtf8(op.text);
      EXPECT_LE(RightEdge(op), kSeasonPageRight) << SjisToUtf8(op.text);
      EXPECT_LT(op.y0, SeasonPageFlow::kBottom) << SjisToUtf8(op.text);
    }
  }
  // The stake of the whole season ends where its heading ends (a drawdown
  // of a kind that never paid is the same number in another column).
  const auto stakeHeadings = TextOps(page, "購入額");
  ASSERT_GE(stakeHeadings.size(), 1u);
  int underHeading = 0;
  for (const DrawOp* op : TextOps(page, std::to_string(100LL * (9 + 18 * 6000))))
    underHeading += RightEdge(*op) == RightEdge(*stakeHeadings[0]);
  EXPECT_EQ(underHeading, 3);  // one a kind of ticket
}

TEST_F(SeasonPageTest, EachGroupShowsItsOwnFiguresOnce) {
  // The section title and the group cell of the one group, in each of the
  // two tables a section draws; every breakdown is printed.
  EXPECT_EQ(TextOps(all, "全体").size(), 3u);
  for (SeasonDimension dimension : kSeasonDimensions)
    EXPECT_EQ(TextOps(all, SjisToUtf8(SeasonBreakdownTitle(dimension))).size(), 1u);
  EXPECT_EQ(TextOps(all, "軸条件1").size(), 2u);
  EXPECT_EQ(TextOps(all, "2034年").size(), 2u);
  // Every group's three kinds of ticket in both tables, besides the whole,
  // the biggest hits, the largest falls and the chart's legend.
  size_t groups = 0;
  for (const SeasonBreakdown& breakdown : totals.breakdowns()) groups += breakdown.groups().size();
  EXPECT_EQ(TextOps(all, "ワイド").size(), 2u + 1u + 1u + 2 * groups + 1u);
}

}  // namespace
}  // namespace tw
