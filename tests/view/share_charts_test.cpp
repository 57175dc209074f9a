// The share charts are built from the share figures: rounded values, nothing
// for fields without a figure, and the orders of the sorted charts.
#include "view/share_charts.h"

#include <gtest/gtest.h>

#include "text/sjis.h"
#include "view/race_view.h"

namespace tw {
namespace {

std::vector<std::string> Labels(const ChartSeries& s) {
  std::vector<std::string> out;
  for (const ChartPoint& p : s.points) out.push_back(p.label);
  return out;
}

TEST(ShareChartsTest, SnapshotChartInAscendingQuinellaShare) {
  RaceView v;
  ShareFigures& f = v.shareFigures;
  f.quinellaShare[4][2] = 3.1;
  f.quinellaShare[1][2] = 12.75;
  f.quinellaShare[12][2] = 3.1;
  f.winShare[4][2] = 5.0;
  f.winShare[1][2] = 2.0;
  f.shareGap[4][2] = 1.9;
  f.shareGap[1][2] = -10.75;
  ChartView c = SnapshotChart(v, 2);
  EXPECT_EQ(c.name, "SnapshotChart");
  EXPECT_TRUE(c.sortedBars);
  EXPECT_EQ(SjisToUtf8(c.title), "馬番別投票率グラフ");
  ASSERT_EQ(c.series.size(), 3u);
  EXPECT_EQ(SjisToUtf8(c.series[0].title), "馬連投票率");
  EXPECT_EQ(c.series[0].colour, colour::kLime);
  EXPECT_EQ(c.series[1].colour, colour::kLightBlue);
  EXPECT_EQ(c.series[2].colour, colour::kRed);
  EXPECT_EQ(Labels(c.series[0]), (std::vector<std::string>{" 4", "12", " 1"}));
  EXPECT_EQ(Labels(c.series[2]), Labels(c.series[0]));
  EXPECT_DOUBLE_EQ(c.series[0].points[2].value, 12.75);
  EXPECT_DOUBLE_EQ(c.series[1].points[0].value, 5.0);
  EXPECT_DOUBLE_EQ(c.series[1].points[1].value, 0.0);  // empty win share of horse 12
  EXPECT_DOUBLE_EQ(c.series[2].points[1].value, 0.0);  // empty difference: a bar of 0
  EXPECT_DOUBLE_EQ(c.series[2].points[2].value, -10.75);
  EXPECT_TRUE(SnapshotChart(v, 1).series[0].points.empty());
  EXPECT_TRUE(SnapshotChart(v, 0).series[0].points.empty());
}

TEST(ShareChartsTest, PerSnapshotChartsSkipFieldsWithoutFigures) {
  RaceView v;
  ShareFigures& f = v.shareFigures;
  f.winShare[2][1] = 6.05;
  f.winShare[1][2] = 10.0;
  f.winShare[2][2] = 7.5;
  f.quinellaShare[1][1] = 4.0;
  f.shareGap[1][1] = -0.5;
  ShareCharts c = FillShareCharts(v);
  ASSERT_EQ(c.winShare.series.size(), 3u);
  EXPECT_EQ(SjisToUtf8(c.winShare.series[1].title), "２回目T");
  EXPECT_EQ(Labels(c.winShare.series[0]), (std::vector<std::string>{"2"}));
  EXPECT_EQ(Labels(c.winShare.series[1]), (std::vector<std::string>{"1", "2"}));
  EXPECT_TRUE(c.winShare.series[2].points.empty());
  EXPECT_EQ(Labels(c.quinellaShare.series[0]), (std::vector<std::string>{"1"}));
  EXPECT_DOUBLE_EQ(c.shareGap.series[0].points[0].value, -0.5);
  EXPECT_EQ(SjisToUtf8(c.shareGap.series[2].title), "３回目");
  EXPECT_EQ(SjisToUtf8(c.winShare.leftAxis), "単勝投票率");
  EXPECT_EQ(SjisToUtf8(c.quinellaShare.title), "馬番別馬連投票率グラフ");
}

TEST(ShareChartsTest, ChangeChartsAscendingWithHorseLabels) {
  RaceView v;
  ShareFigures& f = v.shareFigures;
  f.winShareChange[1] = 2.4;
  f.winShareChange[7] = 0.15;
  f.winShareChange[12] = 12.0;
  f.winShareChange[3] = 2.4;
  f.quinellaShareChange[5] = 1.0;
  ShareCharts c = FillShareCharts(v);
  EXPECT_TRUE(c.winChange.horizontal);
  EXPECT_EQ(c.winChange.valueFormat, "#,##0.00");
  EXPECT_EQ(SjisToUtf8(c.winChange.bottomAxis), "単勝投票率変化量");
  EXPECT_EQ(SjisToUtf8(c.winChange.leftAxis), "馬番");
  ASSERT_EQ(c.winChange.series.size(), 1u);
  EXPECT_EQ(c.winChange.series[0].name, "WinChange");
  EXPECT_EQ(Labels(c.winChange.series[0]), (std::vector<std::string>{" 7", " 1", " 3", "12"}));
  EXPECT_DOUBLE_EQ(c.winChange.series[0].points[3].value, 12.0);
  EXPECT_EQ(c.winChange.series[0].points[3].horse, 12);
  EXPECT_EQ(c.quinellaChange.series[0].name, "QuinellaChange");
  EXPECT_EQ(Labels(c.quinellaChange.series[0]), (std::vector<std::string>{" 5"}));
}

}  // namespace
}  // namespace tw
