#include "print/share_chart_scale.h"

#include <cmath>

namespace tw {

ShareChartScale ScaleFromExtremes(double top, double bottom, int runnerCount) {
  ShareChartScale scale;
  scale.top = top;
  scale.bottom = bottom;
  scale.range = static_cast<int>(std::trunc(std::fabs(bottom) + top));
  // A range of 0 would divide by zero below; such a chart is left out.
  scale.drawable = runnerCount >= 1 && scale.range >= 1;
  if (!scale.drawable) return scale;
  scale.frac = top / scale.range;
  scale.unit = static_cast<int>(std::trunc(600.0 / scale.range));
  scale.zero = static_cast<int>(std::trunc(scale.unit * top + 2000.0));
  scale.q = static_cast<int>(std::trunc(scale.unit * scale.frac * scale.range / 4.0));
  return scale;
}

ShareChartScale ShareChartScaleOf(const RaceAnalysis& analysis, int n, int s) {
  double top = 0.0;
  double bottom = 0.0;
  for (int h = 1; h <= n; ++h) {
    const double win = analysis.winShare[h][s];
    const double quinella = analysis.quinellaShare[h][s];
    const double gap = analysis.shareGap[h][s];
    if (win > 0 && win > top) top = win;
    if (quinella > 0 && quinella > top) top = quinella;
    if (gap < kNoValue && gap < bottom) bottom = gap;
  }
  return ScaleFromExtremes(top, bottom, n);
}

}  // namespace tw
