#include "print/season_page.h"

#include <gtest/gtest.h>

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
    page = BuildSeasonPage(totals, filters);
  }
  SeasonTotals totals;
  SeasonPageFilters filters;
  Page page;
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

TEST_F(SeasonPageTest, BothTablesFitThePageWithTheirNumbersRightAligned) {
  for (const DrawOp& op : page.ops) {
    if (op.kind != DrawKind::Text || op.clipped) continue;
    EXPECT_GE(op.x0, kSeasonPageLeft) << SjisToUtf8(op.text);
    EXPECT_LE(RightEdge(op), kSeasonPageRight) << SjisToUtf8(op.text);
    EXPECT_LT(op.y0, 2700) << SjisToUtf8(op.text);
  }
  for (const DrawOp& op : page.ops) {
    if (op.kind != DrawKind::Text) {
      EXPECT_LE(op.x1, kSeasonPageRight);
    }
  }
  // The stake of the whole season and of 中 end where their headings end
  // (a drawdown of a kind that never paid is the same number elsewhere).
  const auto stakeHeadings = TextOps(page, "購入額");
  ASSERT_EQ(stakeHeadings.size(), 2u);
  auto underHeading = [&](long long yen, const DrawOp* heading) {
    int count = 0;
    for (const DrawOp* op : TextOps(page, std::to_string(yen))) count += RightEdge(*op) == RightEdge(*heading);
    return count;
  };
  EXPECT_EQ(underHeading(100LL * (9 + 18 * 6000), stakeHeadings[0]), 3);  // one a kind of ticket
  EXPECT_EQ(underHeading(100LL * 18 * 6000, stakeHeadings[1]), 3);
}

TEST_F(SeasonPageTest, EachGroupShowsItsOwnFiguresOnce) {
  // The section title and the group cell of the one group, in each of the
  // two tables a section draws.
  EXPECT_EQ(TextOps(page, "全体").size(), 3u);
  EXPECT_EQ(TextOps(page, "波乱度別").size(), 1u);
  for (const char* label : {"小", "中", "大"}) EXPECT_EQ(TextOps(page, label).size(), 2u) << label;
  // Every group's three kinds of ticket: whole, biggest hits, three groups.
  EXPECT_EQ(TextOps(page, "馬連").size(), 2u + 1u + 6u);
  EXPECT_EQ(TextOps(page, "ワイド").size(), 9u);
  EXPECT_EQ(TextOps(page, "参考").size(), 9u);
}

}  // namespace
}  // namespace tw
