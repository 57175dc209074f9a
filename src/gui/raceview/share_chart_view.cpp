#include "gui/raceview/share_chart_view.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <map>

#include "codes/axis_ticks.h"
#include "gui/qt_text.h"

namespace tw {

namespace {

QColor ToColor(const Colour& c) { return QColor(c.red, c.green, c.blue); }

// The horse number as the axis shows it: " 9" of the "%2d" label is "9".
QString HorseLabel(const ChartPoint& p) { return ToQt(p.label).trimmed(); }

bool HasPoints(const ChartView& chart) {
  for (const ChartSeries& s : chart.series)
    if (!s.points.empty()) return true;
  return false;
}

// Bars stand on categories shared by all series: the order of the first
// series for the sorted charts, otherwise every horse that has a bar, in
// horse-number order.
QStringList CategoriesOf(const ChartView& chart, bool sorted) {
  QStringList out;
  if (sorted) {
    if (!chart.series.empty())
      for (const ChartPoint& p : chart.series.front().points) out << HorseLabel(p);
    return out;
  }
  std::map<int, QString> horses;
  for (const ChartSeries& s : chart.series)
    for (const ChartPoint& p : s.points) horses[p.horse] = HorseLabel(p);
  for (const auto& [h, label] : horses) out << label;
  return out;
}

}  // namespace

ShareChartView::ShareChartView(const QString& name, QWidget* parent) : QChartView(parent) {
  setObjectName(name);
  setRenderHint(QPainter::Antialiasing);
  Clear();
}

void ShareChartView::Clear() {
  // A fresh chart each time: axes removed from a chart that is out of sight
  // can leave their old labels behind. An empty chart is blank.
  QChart* old = chart();
  auto* fresh = new QChart;
  fresh->legend()->setAlignment(Qt::AlignBottom);
  fresh->legend()->setVisible(false);
  fresh->setMargins(QMargins(2, 2, 2, 2));
  setChart(fresh);
  delete old;
}

QAbstractBarSeries* ShareChartView::bars() const {
  const auto list = chart()->series();
  return list.isEmpty() ? nullptr : qobject_cast<QAbstractBarSeries*>(list.front());
}

void ShareChartView::Render(const ChartView& c) {
  Clear();
  if (!HasPoints(c)) return;
  chart()->setTitle(ToQt(c.title));
  const bool sorted = c.sortedBars;
  const QStringList categories = CategoriesOf(c, sorted);
  QAbstractBarSeries* series = c.horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries)
                                            : static_cast<QAbstractBarSeries*>(new QBarSeries);
  series->setName(QString::fromStdString(c.name));
  double low = 0.0, high = 0.0;
  for (const ChartSeries& s : c.series) {
    auto* set = new QBarSet(ToQt(s.title));
    set->setObjectName(QString::fromStdString(s.name));
    set->setColor(ToColor(s.colour));
    set->setBorderColor(ToColor(s.colour).darker(130));
    std::map<QString, double> values;
    for (const ChartPoint& p : s.points) values[HorseLabel(p)] = p.value;
    if (sorted) {
      for (const ChartPoint& p : s.points) set->append(p.value);
    } else {
      // A horse without a value in this series gets an empty place.
      for (const QString& label : categories) set->append(values.count(label) ? values[label] : 0.0);
    }
    for (const ChartPoint& p : s.points) {
      low = std::min(low, p.value);
      high = std::max(high, p.value);
    }
    series->append(set);
  }
  // One series alone shows no legend entry worth reading.
  chart()->legend()->setVisible(c.series.size() > 1);
  chart()->addSeries(series);

  auto* categoryAxis = new QBarCategoryAxis;
  categoryAxis->append(categories);
  // Every bar keeps its horse number; the axis would rather show "..." where
  // it thinks the room of a bar too small.
  categoryAxis->setTruncateLabels(false);
  auto* valueAxis = new QValueAxis;
  // "#,##0.00": the values here stay far below a thousand, so two decimals
  // are all the picture shows.
  // Round ticks and a top above the tallest bar (the printed chart keeps its
  // own fixed scale).
  const AxisTicks ticks = RoundAxis(low, high, 8);
  valueAxis->setLabelFormat(c.valueFormat.empty() && ticks.step >= 0.1 ? "%.1f" : "%.2f");
  valueAxis->setRange(ticks.low, ticks.high);
  valueAxis->setTickCount(ticks.Count());
  if (c.horizontal) {
    categoryAxis->setTitleText(ToQt(c.leftAxis));
    valueAxis->setTitleText(ToQt(c.bottomAxis));
    chart()->addAxis(valueAxis, Qt::AlignBottom);
    chart()->addAxis(categoryAxis, Qt::AlignLeft);
  } else {
    categoryAxis->setTitleText(ToQt(c.bottomAxis));
    valueAxis->setTitleText(ToQt(c.leftAxis));
    chart()->addAxis(categoryAxis, Qt::AlignBottom);
    chart()->addAxis(valueAxis, Qt::AlignLeft);
  }
  series->attachAxis(categoryAxis);
  series->attachAxis(valueAxis);
}

}  // namespace tw
