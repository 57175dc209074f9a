#include "gui/season/season_profit_chart.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>

#include "codes/axis_ticks.h"

namespace tw {
namespace {

constexpr qint64 kDayMillis = 24LL * 60 * 60 * 1000;

qint64 MillisOf(const std::string& date) {
  const QDate day = QDate::fromString(QString::fromStdString(date), QStringLiteral("yyyyMMdd"));
  return QDateTime(day, QTime(0, 0)).toMSecsSinceEpoch();
}

QLineSeries* MakeSeries(const QString& name, const QString& objectName, const QColor& colour) {
  auto* series = new QLineSeries;
  series->setName(name);
  series->setObjectName(objectName);
  QPen pen(colour);
  pen.setWidth(2);
  series->setPen(pen);
  // A season of a few days is a few points: each one is marked.
  series->setPointsVisible(true);
  return series;
}

}  // namespace

SeasonProfitChart::SeasonProfitChart(QWidget* parent) : QChartView(parent) {
  setObjectName("SeasonProfitChart");
  setRenderHint(QPainter::Antialiasing);
  auto* chart = new QChart;
  chart->setTitle(QString::fromUtf8("累積収支"));
  chart->setMargins(QMargins(2, 2, 2, 2));
  chart->legend()->setAlignment(Qt::AlignBottom);
  suggested_ = MakeSeries(QString::fromUtf8("馬連"), "SuggestedProfit", QColor(0, 90, 200));
  reference_ = MakeSeries(QString::fromUtf8("参考"), "ReferenceProfit", QColor(230, 120, 0));
  // How far the bets' profit stands below its highest so far.
  drawdown_ = MakeSeries(QString::fromUtf8("ドローダウン"), "ProfitDrawdown", QColor(200, 40, 40));
  drawdown_->setPointsVisible(false);
  chart->addSeries(suggested_);
  chart->addSeries(reference_);
  chart->addSeries(drawdown_);
  dates_ = new QDateTimeAxis;
  yen_ = new QValueAxis;
  yen_->setLabelFormat(QStringLiteral("%d"));
  yen_->setTitleText(QString::fromUtf8("円"));
  chart->addAxis(dates_, Qt::AlignBottom);
  chart->addAxis(yen_, Qt::AlignLeft);
  for (QLineSeries* s : {suggested_, reference_, drawdown_}) {
    s->attachAxis(dates_);
    s->attachAxis(yen_);
  }
  setChart(chart);
  Clear();
}

void SeasonProfitChart::Clear() {
  suggested_->clear();
  reference_->clear();
  drawdown_->clear();
  shown_ = 0;
  FitAxes(SeasonProfitLine());
}

void SeasonProfitChart::Update(const SeasonProfitLine& line) {
  const auto& points = line.points();
  if (points.size() == shown_) return;
  QList<QPointF> suggested, reference, drawdown;
  for (size_t k = shown_; k < points.size(); ++k) {
    const double x = static_cast<double>(MillisOf(points[k].date));
    suggested << QPointF(x, static_cast<double>(points[k].suggested));
    reference << QPointF(x, static_cast<double>(points[k].reference));
    drawdown << QPointF(x, static_cast<double>(points[k].drawdown));
  }
  // Appended as a list: the chart lays itself out once, not once a point.
  suggested_->append(suggested);
  reference_->append(reference);
  drawdown_->append(drawdown);
  shown_ = points.size();
  FitAxes(line);
}

void SeasonProfitChart::FitAxes(const SeasonProfitLine& line) {
  const auto& points = line.points();
  // A day on either side, so that a single day is not a line of no width.
  qint64 first = QDateTime::currentDateTime().date().startOfDay().toMSecsSinceEpoch(), last = first;
  if (!points.empty()) {
    first = MillisOf(points.front().date);
    last = MillisOf(points.back().date);
  }
  first -= kDayMillis;
  last += kDayMillis;
  dates_->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
  // A tick on every midnight of a short season; over a longer one five,
  // more than a day apart, so that no date is shown twice.
  const qint64 days = (last - first) / kDayMillis;
  dates_->setTickCount(days <= 6 ? static_cast<int>(days) + 1 : 5);
  // Days within a year; months over longer seasons, with their years.
  const bool overAYear = days > 300;
  dates_->setFormat(overAYear ? QStringLiteral("yyyy/MM") : QStringLiteral("MM/dd"));
  // Round ticks, the top above the highest point.
  const AxisTicks axis =
      RoundAxis(static_cast<double>(line.lowest()), static_cast<double>(std::max(line.highest(), 100LL)), 8);
  yen_->setRange(axis.low, axis.high);
  yen_->setTickCount(axis.Count());
}

}  // namespace tw
