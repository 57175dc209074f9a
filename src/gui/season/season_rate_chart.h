// The season window's bar chart: the return rate of the suggested bets and
// of the reference for each upset rating (小, 中, 大), with the line of
// 100 %, where the stake comes back.
#pragma once

#include <QChartView>
#include <vector>

#include "season/season_chart_data.h"

class QBarSet;
class QValueAxis;

namespace tw {

class SeasonRateChart : public QChartView {
  Q_OBJECT

 public:
  explicit SeasonRateChart(QWidget* parent = nullptr);

  // The rates, a rating without a stake as an empty place.
  void Show(const std::vector<UpsetReturnRate>& rates);
  void Clear();

  QBarSet* suggested() const { return suggested_; }
  QBarSet* reference() const { return reference_; }

 private:
  QBarSet* suggested_ = nullptr;
  QBarSet* reference_ = nullptr;
  QValueAxis* percent_ = nullptr;
};

}  // namespace tw
