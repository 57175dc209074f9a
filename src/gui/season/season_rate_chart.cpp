#include "gui/season/season_rate_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "codes/axis_ticks.h"
#include "gui/qt_text.h"

namespace tw {

SeasonRateChart::SeasonRateChart(QWidget* parent) : QChartView(parent) {
  setObjectName("SeasonRateChart");
  setRenderHint(QPainter::Antialiasing);
  auto* chart = new QChart;
  chart->setTitle(FromUtf8("波乱度別回収率"));
  chart->setMargins(QMargins(2, 2, 2, 2));
  chart->legend()->setAlignment(Qt::AlignBottom);

  auto* bars = new QBarSeries;
  suggested_ = new QBarSet(FromUtf8("馬連"));
  suggested_->setColor(QColor(0, 90, 200));
  wide_ = new QBarSet(FromUtf8("ワイド"));
  wide_->setColor(QColor(60, 160, 90));
  reference_ = new QBarSet(FromUtf8("参考"));
  reference_->setColor(QColor(230, 120, 0));
  for (QBarSet* set : {suggested_, wide_, reference_}) {
    set->setLabelColor(Qt::black);  // above the bars, on the chart's white
    bars->append(set);
  }
  bars->setLabelsVisible(true);
  bars->setLabelsFormat(QStringLiteral("@value%"));
  bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  chart->addSeries(bars);

  // 100 %: the stake back. Drawn across the three categories.
  auto* even = new QLineSeries;
  even->setName(FromUtf8("100%"));
  QPen pen(QColor(120, 120, 120));
  pen.setStyle(Qt::DashLine);
  even->setPen(pen);
  even->append(-0.5, 100.0);
  even->append(2.5, 100.0);
  chart->addSeries(even);
  takeout_ = new QLineSeries;
  QPen dotted(QColor(200, 40, 40));
  dotted.setStyle(Qt::DotLine);
  dotted.setWidth(2);
  takeout_->setPen(dotted);
  chart->addSeries(takeout_);

  auto* ratings = new QBarCategoryAxis;
  ratings->setTitleText(FromUtf8("波乱度"));
  percent_ = new QValueAxis;
  percent_->setTitleText(FromUtf8("回収率（%）"));
  percent_->setLabelFormat(QStringLiteral("%d"));
  chart->addAxis(ratings, Qt::AlignBottom);
  chart->addAxis(percent_, Qt::AlignLeft);
  for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{bars, even, takeout_}) {
    s->attachAxis(ratings);
    s->attachAxis(percent_);
  }
  QStringList labels;
  for (const UpsetReturnRate& rate : UpsetReturnRates(SeasonTotals())) labels << ToQt(rate.label);
  ratings->append(labels);
  setChart(chart);
  Clear();
}

void SeasonRateChart::Clear() { Show(UpsetReturnRates(SeasonTotals())); }

void SeasonRateChart::SetTakeoutLine(double percent) {
  takeoutPercent_ = percent;
  takeout_->setName(FromUtf8("払戻率%1%").arg(percent, 0, 'f', 1));
  takeout_->clear();
  takeout_->append(-0.5, percent);
  takeout_->append(2.5, percent);
}

void SeasonRateChart::Show(const std::vector<UpsetReturnRate>& rates) {
  for (QBarSet* set : {suggested_, wide_, reference_}) set->remove(0, set->count());
  double high = std::max(100.0, takeoutPercent_);
  for (const UpsetReturnRate& rate : rates) {
    // One decimal, as the tables show it.
    auto shown = [](const std::optional<double>& v) { return v ? std::round(*v * 10) / 10 : 0.0; };
    const double s = shown(rate.suggested), w = shown(rate.wide), r = shown(rate.reference);
    suggested_->append(s);
    wide_->append(w);
    reference_->append(r);
    high = std::max({high, s, w, r});
  }
  // Round ticks, with room above the highest bar for its label.
  const AxisTicks axis = RoundAxis(0, high * 1.12, 8);
  percent_->setRange(axis.low, axis.high);
  percent_->setTickCount(axis.Count());
  SetTakeoutLine(takeoutPercent_);
}

}  // namespace tw
