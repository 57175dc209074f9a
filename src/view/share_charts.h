// The share charts of the shown race, built from the share figures of the
// analysis as the tables show them: rounded to hundredths, and nothing for a
// field that is empty or "取消".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "base/colour.h"

namespace tw {

struct RaceView;

// The figures of the share and change fields, rounded to the hundredths the
// fields show; none where a field is empty or "取消".
struct ShareFigures {
  PerHorseSnapshot<std::optional<double>> winShare, quinellaShare, shareGap;
  PerHorse<std::optional<double>> winShareChange, quinellaShareChange;
};

struct ChartPoint {
  double value = 0.0;
  int horse = 0;
  std::string label;  // the horse number "%2d"
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartSeries {
  std::string name;   // what the series shows, e.g. "SnapshotQuinellaShare"
  std::string title;  // legend title, Shift-JIS
  Colour colour;
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
// with its quinella share, win share and difference (0 when a field has no figure).
// An empty chart for any other s.
ChartView SnapshotChart(const RaceView& view, int s);

}  // namespace tw
