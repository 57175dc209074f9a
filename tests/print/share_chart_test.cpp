#include <gtest/gtest.h>

#include "print/page.h"
#include "print/share_chart_print.h"
#include "print/share_chart_scale.h"
#include "support/page_query.h"

namespace tw {
namespace {

using test::LineOp;
using test::RectOp;
using test::TextAt;
using test::Utf8TextAt;

// Four runners at snapshot 2 whose highest share is 24.0 and lowest difference `bottom`.
RaceAnalysis WorkedExample(double bottom) {
  RaceAnalysis a;
  const double win[] = {0, 24.0, 12.5, 8.0, 3.0};
  const double quinella[] = {0, 20.0, 15.0, 15.04, 2.0};
  const double gap[] = {0, 4.0, -2.5, -7.04, 1.0};
  for (int h = 1; h <= 4; ++h) {
    a.winShare[h][2] = win[h];
    a.quinellaShare[h][2] = quinella[h];
    a.shareGap[h][2] = gap[h];
  }
  a.shareGap[3][2] = bottom;
  return a;
}

Page Chart(const RaceAnalysis& a, int n, int s) {
  Page page;
  PageCanvas canvas(page);
  canvas.SetFont(9);
  DrawShareChart(canvas, a, n, s);
  return page;
}

TEST(ShareChartScale, WorkedExample) {
  const ShareChartScale scale = ShareChartScaleOf(WorkedExample(-6.5), 4, 2);
  EXPECT_DOUBLE_EQ(scale.top, 24.0);
  EXPECT_DOUBLE_EQ(scale.bottom, -6.5);
  EXPECT_EQ(scale.range, 30);
  EXPECT_EQ(scale.unit, 20);
  EXPECT_EQ(scale.zero, 2480);
  EXPECT_EQ(scale.q, 120);
  EXPECT_TRUE(scale.drawable);
}

TEST(ShareChartScale, IgnoresMissingDifferencesAndOtherSnapshots) {
  RaceAnalysis a;
  a.winShare[1][1] = 50.0;  // another snapshot
  a.quinellaShare[1][3] = 12.0;
  a.shareGap[1][3] = kNoValue;
  a.shareGap[2][3] = 3.0;  // a positive difference does not lower the bottom
  const ShareChartScale scale = ShareChartScaleOf(a, 2, 3);
  EXPECT_DOUBLE_EQ(scale.top, 12.0);
  EXPECT_DOUBLE_EQ(scale.bottom, 0.0);
  EXPECT_EQ(scale.range, 12);
  EXPECT_EQ(scale.unit, 50);
}

TEST(ShareChartScale, UnscalableCharts) {
  EXPECT_FALSE(ScaleFromExtremes(0.9, -0.05, 10).drawable);  // range 0
  EXPECT_FALSE(ScaleFromExtremes(24.0, -6.5, 0).drawable);   // no runners
  EXPECT_TRUE(ScaleFromExtremes(1.0, 0.0, 1).drawable);
}

TEST(ShareChart, ScaleLinesAndLabelsOfWorkedExample) {
  const Page page = Chart(WorkedExample(-6.5), 4, 2);
  const int ys[] = {2000, 2120, 2240, 2360, 2600};
  const char* labels[] = {"24", "18", "12", "6", "-6"};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(ys[i]);
    const DrawOp* dotted = LineOp(page, 400, ys[i], 1600, ys[i]);
    ASSERT_NE(dotted, nullptr);
    EXPECT_EQ(dotted->pen.style, PenStyle::Dotted);
    EXPECT_EQ(dotted->pen.width, 1);
    const DrawOp* tick = LineOp(page, 380, ys[i], 400, ys[i]);
    ASSERT_NE(tick, nullptr);
    EXPECT_EQ(tick->pen.style, PenStyle::Solid);
    EXPECT_EQ(Utf8TextAt(page, 330, ys[i] - 10), labels[i]);
    EXPECT_EQ(TextAt(page, 330, ys[i] - 10)->font.points, 8);
  }
  // Zero line and its label.
  const DrawOp* zero = LineOp(page, 400, 2480, 1600, 2480);
  ASSERT_NE(zero, nullptr);
  EXPECT_EQ(zero->pen.width, 1);
  EXPECT_EQ(zero->pen.style, PenStyle::Solid);
  EXPECT_EQ(LineOp(page, 380, 2480, 400, 2480)->pen.width, 5);
  EXPECT_EQ(Utf8TextAt(page, 330, 2470), "0");
  // Title in 9 pt, axis, base line with a tick per runner.
  EXPECT_EQ(TextAt(page, 1350, 1960)->font.points, 9);
  EXPECT_NE(LineOp(page, 400, 2000, 400, 2600), nullptr);
  EXPECT_NE(LineOp(page, 400, 2600, 1600, 2600), nullptr);
  for (int p = 0; p <= 4; ++p) EXPECT_NE(LineOp(page, 400 + 300 * p, 2600, 400 + 300 * p, 2620), nullptr);
  EXPECT_EQ(Utf8TextAt(page, 1500, 2655), "馬番");
}

TEST(ShareChart, NoFifthLineWhenTheDifferenceIsOnlyAQuarter) {
  const Page page = Chart(WorkedExample(-6.0), 4, 2);
  EXPECT_EQ(LineOp(page, 400, 2600, 1600, 2600)->pen.style, PenStyle::Solid);  // only the base line
  EXPECT_EQ(TextAt(page, 330, 2590), nullptr);
  EXPECT_NE(LineOp(page, 400, 2360, 1600, 2360), nullptr);
}

TEST(ShareChart, LegendSwatches) {
  const Page page = Chart(WorkedExample(-6.5), 4, 2);
  EXPECT_EQ(RectOp(page, 1620, 2000, 1840, 2125)->brush.style, BrushStyle::Clear);
  EXPECT_EQ(RectOp(page, 1625, 2005, 1670, 2040)->brush.style, BrushStyle::Clear);
  EXPECT_EQ(RectOp(page, 1625, 2045, 1670, 2080)->brush, (BrushState{colour::kSilver, BrushStyle::Solid}));
  EXPECT_EQ(RectOp(page, 1625, 2085, 1670, 2120)->brush, (BrushState{colour::kBlack, BrushStyle::CrossHatched}));
  EXPECT_EQ(Utf8TextAt(page, 1680, 2008), "馬連投票率");
  EXPECT_EQ(Utf8TextAt(page, 1680, 2048), "単勝投票率");
  EXPECT_EQ(Utf8TextAt(page, 1680, 2088), "単連差");
}

TEST(ShareChart, BarsInAscendingRoundedQuinellaShare) {
  // Quinella shares 20.0, 15.0, 15.04 (shown 15.0), 2.0: horses 4, 2, 3, 1.
  const Page page = Chart(WorkedExample(-6.5), 4, 2);
  const int c = 300, e8 = 37, e4 = 75;
  const int order[] = {4, 2, 3, 1};
  for (int f = 0; f < 4; ++f) EXPECT_EQ(Utf8TextAt(page, 400 + c * f + 3 * e8, 2605), std::to_string(order[f]));

  // Horse 3 (f = 2): quinella bar from its rounded share, win bar, and the
  // difference of -6.5 below the zero line.
  const int x0 = 400 + 2 * c, x1 = 400 + 3 * c;
  const DrawOp* quinella = RectOp(page, x0 + e8, 2480 - 300, x1 - e8 - 2 * e4 - 5, 2480);
  ASSERT_NE(quinella, nullptr);
  EXPECT_EQ(quinella->brush, (BrushState{colour::kWhite, BrushStyle::Solid}));
  EXPECT_EQ(quinella->pen.width, 3);
  const DrawOp* win = RectOp(page, x0 + e4 + e8, 2480 - 160, x1 - e8 - e4 - 5, 2480);
  ASSERT_NE(win, nullptr);
  EXPECT_EQ(win->brush, (BrushState{colour::kSilver, BrushStyle::Solid}));
  const DrawOp* gap = RectOp(page, x0 + 2 * e4 + e8, 2480 + 130, x1 - e8 - 5, 2480);
  ASSERT_NE(gap, nullptr);
  EXPECT_EQ(gap->brush, (BrushState{colour::kBlack, BrushStyle::CrossHatched}));
}

TEST(ShareChart, HorsesWithoutQuinellaShareGetNoBar) {
  RaceAnalysis a = WorkedExample(-6.5);
  a.quinellaShare[4][2] = 0.0;
  const Page page = Chart(a, 4, 2);
  EXPECT_EQ(Utf8TextAt(page, 400 + 37 * 3, 2605), "2");
  EXPECT_EQ(TextAt(page, 400 + 300 * 3 + 37 * 3, 2605), nullptr);
}

TEST(ShareChart, UnscalableChartIsLeftOut) {
  RaceAnalysis a;
  a.winShare[1][1] = 0.6;
  a.quinellaShare[1][1] = 0.8;
  a.shareGap[1][1] = -0.1;
  EXPECT_TRUE(Chart(a, 1, 1).ops.empty());
  EXPECT_TRUE(Chart(WorkedExample(-6.5), 0, 2).ops.empty());
}

}  // namespace
}  // namespace tw
