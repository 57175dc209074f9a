// The season window's line chart: the running profit (return less stake)
// of the suggested bets and of the reference, a point per counted day, and
// how far the bets' profit stands below its highest so far, with the dates
// along the bottom. Points are added as the report counts days.
#pragma once

#include <QChartView>

#include "season/season_chart_data.h"

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

namespace tw {

class SeasonProfitChart : public QChartView {
  Q_OBJECT

 public:
  explicit SeasonProfitChart(QWidget* parent = nullptr);

  // No points.
  void Clear();
  // Adds the points of `line` not shown yet (after a Clear, all of them).
  void Update(const SeasonProfitLine& line);

  QLineSeries* suggested() const { return suggested_; }
  QLineSeries* reference() const { return reference_; }

 private:
  void FitAxes(const SeasonProfitLine& line);

  QLineSeries* suggested_ = nullptr;
  QLineSeries* reference_ = nullptr;
  QLineSeries* drawdown_ = nullptr;
  QDateTimeAxis* dates_ = nullptr;
  QValueAxis* yen_ = nullptr;
  size_t shown_ = 0;
};

}  // namespace tw
