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
  std::string name;   // what the series shows, e.g. "SnapshotQuinellaShare"
  std::string title;  // legend title, Shift-JIS
  Rgb colour;
  std::vector<ChartPoint> points;
};

struct ChartView {
  std::string name;  // what the chart shows, e.g. "SnapshotChart"
  std::string title, bottomAxis, leftAxis;
  bool horizontal = false;  // horizontal bars: values along the bottom axis
  bool sortedBars = false;  // bars in the order of the first series, not by horse number
  std::string valueFormat;  // picture of the value axis; empty for the default
  std::vector<ChartSeries> series;
};

// The win share, quinella share and difference charts with one series per
// snapshot, and the win and quinella change charts as horizontal bars in
// ascending change.
struct ShareCharts {
  ChartView winShare, quinellaShare, shareGap, winChange, quinellaChange;
};
ShareCharts FillShareCharts(const RaceView& view);

// The snapshot chart ("各回データ") for snapshot s (1..3): the horses in ascending quinella share, each
// with its quinella share, win share and difference (0 when a field is empty).
// An empty chart for any other s.
ChartView SnapshotChart(const RaceView& view, int s);

}  // namespace tw
