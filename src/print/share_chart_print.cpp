#include "print/share_chart_print.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "print/share_chart_scale.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

int TruncInt(double v) { return static_cast<int>(std::trunc(v)); }

// Tick, dotted line and label of scale step p (0 = top, 4 = zero).
void DrawScaleStep(PageCanvas& canvas, const ShareChartScale& scale, int p) {
  const int y = 2000 + scale.q * p;
  canvas.SetPenWidth(1);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.Line(380, y, 400, y);
  canvas.SetPenStyle(PenStyle::Dotted);
  canvas.Line(400, y, 1600, y);
  const double topValue = scale.range * scale.frac;
  canvas.Text(330, 1990 + scale.q * p, Format("%d", TruncInt(topValue - topValue / 4.0 * p)));
}

void DrawLegend(PageCanvas& canvas) {
  static const std::string kQuinella = Sjis("馬連投票率");
  static const std::string kWin = Sjis("単勝投票率");
  static const std::string kGap = Sjis("単連差");
  canvas.SetPenWidth(5);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.Rectangle(1620, 2000, 1840, 2125);
  canvas.Rectangle(1625, 2005, 1670, 2040);
  canvas.SetBrush(colour::kSilver, BrushStyle::Solid);
  canvas.Rectangle(1625, 2045, 1670, 2080);
  canvas.SetBrush(colour::kBlack, BrushStyle::CrossHatched);
  canvas.Rectangle(1625, 2085, 1670, 2120);
  canvas.Text(1680, 2008, kQuinella);
  canvas.Text(1680, 2048, kWin);
  canvas.Text(1680, 2088, kGap);
}

// A bar of the chart: a horse with a quinella share, the share rounded as
// its "%6.1f" text shows it.
struct Bar {
  std::string order;  // the share "%6.1f" followed by the horse "%2d"
  int horse = 0;
  double share = 0.0;
  bool operator<(const Bar& other) const { return order < other.order; }
};

// Every horse with a quinella share, sorted as the texts of their bars:
// ascending rounded share, then ascending horse number.
std::vector<Bar> BarOrder(const RaceAnalysis& analysis, int s) {
  std::vector<Bar> bars;
  for (int h = 1; h <= kMaxRunners; ++h) {
    const double share = analysis.quinellaShare[h][s];
    if (share > 0) bars.push_back({Format("%6.1f", share) + Format("%2d", h), h, RoundedAsFormatted(share, 1)});
  }
  std::sort(bars.begin(), bars.end());
  return bars;
}

void DrawBars(PageCanvas& canvas, const RaceAnalysis& analysis, const ShareChartScale& scale, int c, int s) {
  canvas.SetPenWidth(3);
  canvas.SetPenStyle(PenStyle::Solid);
  const int e8 = c / 8;
  const int e4 = c / 4;
  const std::vector<Bar> bars = BarOrder(analysis, s);
  for (size_t f = 0; f < bars.size(); ++f) {
    const int h = bars[f].horse;
    const double t = bars[f].share;
    const int x0 = 400 + c * static_cast<int>(f);
    const int x1 = 400 + c * static_cast<int>(f + 1);
    canvas.SetBrush(colour::kWhite, BrushStyle::Solid);
    canvas.Rectangle(x0 + e8, TruncInt(scale.zero - scale.unit * t), x1 - e8 - 2 * e4 - 5, scale.zero);
    canvas.Text(x0 + 3 * e8, 2605, Format("%d", h));
    const double win = analysis.winShare[h][s];
    if (win > 0) {
      canvas.SetBrush(colour::kSilver, BrushStyle::Solid);
      canvas.Rectangle(x0 + e4 + e8, TruncInt(scale.zero - scale.unit * win), x1 - e8 - e4 - 5, scale.zero);
    }
    const double gap = analysis.shareGap[h][s];
    if (gap < kNoValue) {
      canvas.SetBrush(colour::kBlack, BrushStyle::CrossHatched);
      canvas.Rectangle(x0 + 2 * e4 + e8, TruncInt(scale.zero - scale.unit * gap), x1 - e8 - 5, scale.zero);
    }
  }
}

}  // namespace

void DrawShareChart(PageCanvas& canvas, const RaceAnalysis& analysis, int n, int s) {
  static const std::string kTitle = Sjis("馬番別投票率グラフ(馬連人気順)");
  static const std::string kAxis1 = Sjis("投");
  static const std::string kAxis2 = Sjis("票");
  static const std::string kAxis3 = Sjis("率");
  static const std::string kHorseNumber = Sjis("馬番");

  const ShareChartScale scale = ShareChartScaleOf(analysis, n, s);
  if (!scale.drawable) return;

  canvas.Text(1350, 1960, kTitle);
  canvas.SetPenWidth(5);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.Line(400, 2000, 400, 2600);
  canvas.Text(295, 2000, kAxis1);
  canvas.Text(295, 2035, kAxis2);
  canvas.Text(295, 2070, kAxis3);

  canvas.Line(380, scale.zero, 400, scale.zero);
  canvas.SetPenWidth(1);
  canvas.Line(400, scale.zero, 1600, scale.zero);
  canvas.SetFont(8);
  canvas.Text(330, TruncInt(scale.unit * scale.top + 1990), "0");

  for (int p = 0; p <= 3; ++p) DrawScaleStep(canvas, scale, p);
  // A difference that reaches more than a quarter step below zero gets its own line.
  if (std::fabs(scale.bottom) > scale.top / 4.0) DrawScaleStep(canvas, scale, 5);

  canvas.SetPenWidth(5);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.Line(400, 2600, 1600, 2600);
  const int c = 1200 / n;
  for (int p = 0; p <= n; ++p) canvas.Line(400 + c * p, 2600, 400 + c * p, 2620);
  canvas.Text(1500, 2655, kHorseNumber);

  DrawLegend(canvas);
  DrawBars(canvas, analysis, scale, c, s);
}

}  // namespace tw
