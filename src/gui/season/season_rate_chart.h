// The season window's bar chart: the return rate of the suggested bets as
// quinella and as wide tickets and of the reference for each upset rating
// (小, 中, 大), with the line of 100 %, where the stake comes back, and the
// takeout line, what betting at random pays back on average.
#pragma once

#include <QChartView>
#include <vector>

#include "season/season_chart_data.h"

class QBarSet;
class QLineSeries;
class QValueAxis;

namespace tw {

class SeasonRateChart : public QChartView {
  Q_OBJECT

 public:
  explicit SeasonRateChart(QWidget* parent = nullptr);

  // The rates, a rating without a stake as an empty place.
  void Show(const std::vector<UpsetReturnRate>& rates);
  void Clear();
  // Percent, 77.5 by default.
  void SetTakeoutLine(double percent);

  QBarSet* suggested() const { return suggested_; }
  QBarSet* wide() const { return wide_; }
  QBarSet* reference() const { return reference_; }
  QLineSeries* takeoutLine() const { return takeout_; }

 private:
  QBarSet* suggested_ = nullptr;
  QBarSet* wide_ = nullptr;
  QBarSet* reference_ = nullptr;
  QLineSeries* takeout_ = nullptr;
  double takeoutPercent_ = 77.5;
  QValueAxis* percent_ = nullptr;
};

}  // namespace tw
