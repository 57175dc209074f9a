// Draws one share chart of the race view with Qt Charts.
#pragma once

#include <QAbstractBarSeries>
#include <QChartView>

#include "view/share_charts.h"

namespace tw {

class ShareChartView : public QChartView {
  Q_OBJECT

 public:
  explicit ShareChartView(const QString& name, QWidget* parent = nullptr);
  // Replaces every series and axis by those of `chart`.
  void Render(const ChartView& chart);
  void Clear();
  // The bar series of the chart (vertical or horizontal), null when empty.
  QAbstractBarSeries* bars() const;
};

}  // namespace tw
