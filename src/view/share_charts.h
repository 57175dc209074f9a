// The share charts of the shown race, built from the displayed texts of the
// share and change fields so that they show exactly the rounded values of
// the tables and skip every field that is empty or "取消".
#pragma once

#include <string>
#include <vector>

#include "view/colours.h"

namespace tw {

struct RaceView;

struct ChartPoint {
  double value = 0.0;
  std::string label;  // the horse number
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartSeries {
  std::string name;   // component name, e.g. "BarSeries7"
  std::string title;  // legend title, Shift-JIS
  Rgb colour;
  std::vector<ChartPoint> points;
};

struct ChartView {
  std::string name;  // Chart10, Chart6, …
  std::string title, bottomAxis, leftAxis;
  bool horizontal = false;  // horizontal bars: values along the bottom axis
  std::string valueFormat;  // picture of the value axis; empty for the default
  std::vector<ChartSeries> series;
};

// Chart6 (win share), Chart7 (quinella share), Chart1 (difference) with one
// series per snapshot, and Chart8 / Chart9 (win / quinella change) as
// horizontal bars in ascending change. FillShareCharts.
struct ShareCharts {
  ChartView winShare, quinellaShare, shareGap, winChange, quinellaChange;
};
ShareCharts FillShareCharts(const RaceView& view);

// Chart10 for snapshot s (1..3): the horses in ascending quinella share, each
// with its quinella share, win share and difference (0 when a field is empty).
// An empty chart for any other s.
ChartView SnapshotChart(const RaceView& view, int s);

}  // namespace tw
