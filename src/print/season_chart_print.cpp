#include "print/season_chart_print.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "codes/axis_ticks.h"
#include "print/season_table_print.h"
#include "season/season_texts.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

constexpr int kPoints = 8;
constexpr int kTitleHeight = 90;
constexpr int kLabelWidth = 230;  // room for the value labels left of the plot
constexpr int kFootHeight = 60;   // room for the labels below the plot

// The plot's box and its value axis.
struct Plot {
  int left, top, right, bottom;
  AxisTicks axis;
  int Y(double value) const {
    const double share = (value - axis.low) / (axis.high - axis.low);
    return bottom - static_cast<int>(std::lround(share * (bottom - top)));
  }
};

// The box, the dotted tick lines and their labels, and the title above.
Plot DrawFrame(PageCanvas& canvas, const std::string& title, double low, double high, int top, int bottom) {
  canvas.SetFont(10, true);
  canvas.Text(kSeasonPageLeft, top, title);
  Plot plot{kSeasonPageLeft + kLabelWidth, top + kTitleHeight, kSeasonPageRight, bottom - kFootHeight,
            RoundAxis(low, high, 8)};
  canvas.SetFont(kPoints);
  canvas.SetPenWidth(3);
  for (int k = 0; k < plot.axis.Count(); ++k) {
    const double value = plot.axis.low + k * plot.axis.step;
    const int y = plot.Y(value);
    canvas.SetPenStyle(std::abs(value) < plot.axis.step / 2 ? PenStyle::Solid : PenStyle::Dotted);
    canvas.Line(plot.left, y, plot.right, y);
    const std::string label = Format("%.10g", value);
    canvas.Text(plot.left - 20 - SeasonTextWidth(label, kPoints), y - 20, label);
  }
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenWidth(5);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.Rectangle(plot.left, plot.top, plot.right, plot.bottom);
  return plot;
}

// Legend entries left to right at the title's height, from the right edge.
void Legend(PageCanvas& canvas, int y, const std::vector<std::pair<std::string, int>>& entries,
            void (*mark)(PageCanvas&, int, int, int)) {
  int x = kSeasonPageRight;
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    x -= SeasonTextWidth(it->first, kPoints);
    canvas.Text(x, y, it->first);
    x -= 90;
    mark(canvas, x, y + 20, it->second);
    x -= 40;
  }
}

void LineMark(PageCanvas& canvas, int x, int y, int kind) {
  canvas.SetPenStyle(kind == 1 ? PenStyle::Dotted : PenStyle::Solid);
  canvas.SetPenWidth(kind == 0 ? 10 : 5);
  if (kind == 2) {
    canvas.SetBrush(colour::kSilver, BrushStyle::Solid);
    canvas.Rectangle(x, y - 15, x + 70, y + 15);
    return;
  }
  canvas.Line(x, y, x + 70, y);
}

// The bars of the three ways of buying: grey, hatched, empty.
void SetBarStyle(PageCanvas& canvas, int kind) {
  static constexpr BrushStyle kStyles[] = {BrushStyle::Solid, BrushStyle::CrossHatched, BrushStyle::Clear};
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenWidth(3);
  canvas.SetBrush(kind == 0 ? colour::kSilver : colour::kWhite, kStyles[kind]);
}

void BarMark(PageCanvas& canvas, int x, int y, int kind) {
  SetBarStyle(canvas, kind);
  canvas.Rectangle(x, y - 20, x + 70, y + 20);
}

}  // namespace

void DrawSeasonProfitChart(PageCanvas& canvas, const SeasonProfitLine& line, int top, int bottom) {
  const Plot plot = DrawFrame(canvas, Sjis("累積収支（円）"), static_cast<double>(line.lowest()),
                              static_cast<double>(line.highest()), top, bottom);
  Legend(canvas, top + 20, {{Sjis("買い目（馬連）"), 0}, {Sjis("参考"), 1}, {Sjis("ドローダウン"), 2}}, &LineMark);
  const auto& points = line.points();
  if (points.empty()) return;
  const int n = static_cast<int>(points.size());
  auto x = [&](int k) { return plot.left + (n == 1 ? 0 : (plot.right - plot.left) * k / (n - 1)); };
  // The fall below the high first, as grey from the zero line down.
  canvas.SetPenWidth(1);
  canvas.SetBrush(colour::kSilver, BrushStyle::Solid);
  for (int k = 0; k < n; ++k) {
    if (points[static_cast<size_t>(k)].drawdown >= 0) continue;
    const int x0 = k == 0 ? x(0) : (x(k - 1) + x(k)) / 2, x1 = k == n - 1 ? x(k) : (x(k) + x(k + 1)) / 2;
    canvas.Rectangle(x0, plot.Y(0), std::max(x1, x0 + 1), plot.Y(static_cast<double>(points[k].drawdown)));
  }
  for (const bool reference : {true, false}) {
    canvas.SetPenStyle(reference ? PenStyle::Dotted : PenStyle::Solid);
    canvas.SetPenWidth(reference ? 5 : 10);
    auto value = [&](int k) {
      const SeasonProfitPoint& p = points[static_cast<size_t>(k)];
      return static_cast<double>(reference ? p.reference : p.suggested);
    };
    for (int k = 1; k < n; ++k) canvas.Line(x(k - 1), plot.Y(value(k - 1)), x(k), plot.Y(value(k)));
  }
  canvas.SetFont(kPoints);
  const std::string first = SeasonDayText(points.front().date), last = SeasonDayText(points.back().date);
  canvas.Text(plot.left, plot.bottom + 10, first);
  if (n > 1) canvas.Text(plot.right - SeasonTextWidth(last, kPoints), plot.bottom + 10, last);
}

void DrawSeasonRateChart(PageCanvas& canvas, const std::vector<UpsetReturnRate>& rates, double takeoutPercent, int top,
                         int bottom) {
  double highest = std::max(100.0, takeoutPercent);
  for (const UpsetReturnRate& rate : rates)
    for (const auto& value : {rate.suggested, rate.wide, rate.reference})
      highest = std::max(highest, value.value_or(0));
  const Plot plot = DrawFrame(canvas, Sjis("波乱度別回収率（％）"), 0, highest, top, bottom);
  Legend(canvas, top + 20, {{Sjis("馬連"), 0}, {Sjis("ワイド"), 1}, {Sjis("参考"), 2}}, &BarMark);
  const int groups = std::max<int>(1, static_cast<int>(rates.size()));
  const int groupWidth = (plot.right - plot.left) / groups;
  const int barWidth = groupWidth / 5;
  for (int g = 0; g < static_cast<int>(rates.size()); ++g) {
    const UpsetReturnRate& rate = rates[static_cast<size_t>(g)];
    const int left = plot.left + g * groupWidth + barWidth;
    int k = 0;
    for (const auto& value : {rate.suggested, rate.wide, rate.reference}) {
      if (value) {
        SetBarStyle(canvas, k);
        canvas.Rectangle(left + k * barWidth, plot.Y(*value), left + (k + 1) * barWidth, plot.Y(0));
      }
      ++k;
    }
    canvas.SetFont(kPoints);
    canvas.Text(left + barWidth + barWidth / 2 - SeasonTextWidth(rate.label, kPoints) / 2, plot.bottom + 10,
                rate.label);
  }
  // The lines a way of betting has to beat: even money, and what betting at
  // random pays back on average.
  canvas.SetPenWidth(8);
  for (const bool takeout : {false, true}) {
    const double value = takeout ? takeoutPercent : 100.0;
    canvas.SetPenStyle(takeout ? PenStyle::Dotted : PenStyle::Solid);
    canvas.Line(plot.left, plot.Y(value), plot.right, plot.Y(value));
    const std::string label = takeout ? Sjis("払戻率 ") + Format("%.1f%%", takeoutPercent) : std::string("100%");
    canvas.Text(plot.right - SeasonTextWidth(label, kPoints) - 10, plot.Y(value) - 40, label);
  }
}

}  // namespace tw
