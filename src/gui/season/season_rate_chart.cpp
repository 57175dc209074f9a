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
  suggested_ = new QBarSet(FromUtf8("買い目（馬連）"));
  suggested_->setColor(QColor(0, 90, 200));
  reference_ = new QBarSet(FromUtf8("参考（人気順）"));
  reference_->setColor(QColor(230, 120, 0));
  for (QBarSet* set : {suggested_, reference_}) {
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

  auto* ratings = new QBarCategoryAxis;
  ratings->setTitleText(FromUtf8("波乱度"));
  percent_ = new QValueAxis;
  percent_->setTitleText(FromUtf8("回収率（%）"));
  percent_->setLabelFormat(QStringLiteral("%d"));
  chart->addAxis(ratings, Qt::AlignBottom);
  chart->addAxis(percent_, Qt::AlignLeft);
  for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{bars, even}) {
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

void SeasonRateChart::Show(const std::vector<UpsetReturnRate>& rates) {
  suggested_->remove(0, suggested_->count());
  reference_->remove(0, reference_->count());
  double high = 100.0;
  for (const UpsetReturnRate& rate : rates) {
    // One decimal, as the tables show it.
    const double s = rate.suggested ? std::round(*rate.suggested * 10) / 10 : 0.0;
    const double r = rate.reference ? std::round(*rate.reference * 10) / 10 : 0.0;
    suggested_->append(s);
    reference_->append(r);
    high = std::max({high, s, r});
  }
  // Room above the highest bar for its label.
  percent_->setRange(0, high * 1.15);
  percent_->applyNiceNumbers();
}

}  // namespace tw
