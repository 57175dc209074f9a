// One run of the season report in the window: the report's steps from a
// zero-interval timer, so that the window stays responsive between them,
// with the per-race file and the profit line kept as the days come.
#pragma once

#include <QObject>
#include <memory>

#include "season/season_chart_data.h"
#include "season/season_csv.h"
#include "season/season_report.h"

class QTimer;

namespace tw {

class SeasonRun : public QObject {
  Q_OBJECT

 public:
  explicit SeasonRun(QObject* parent = nullptr);
  ~SeasonRun() override;

  // Starts a report with `options` in place of the one before; a report of
  // no day is finished at once.
  void Start(const SeasonOptions& options);
  // Stops between two steps; what was counted so far stays.
  void Cancel();

  bool running() const;
  bool finished() const { return report_ && report_->finished(); }
  bool canceled() const { return canceled_; }
  // Null before the first start.
  const SeasonReport* report() const { return report_.get(); }
  const SeasonCsv& csv() const { return csv_; }
  const SeasonProfitLine& profitLine() const { return profit_; }

 public Q_SLOTS:
  // One step of the report (the timer's tick).
  void StepOnce();

 Q_SIGNALS:
  void Stepped();   // after each step, also the last
  void Finished();  // every day counted
  void Canceled();

 private:
  QTimer* timer_ = nullptr;
  std::unique_ptr<SeasonReport> report_;
  SeasonCsv csv_;
  SeasonProfitLine profit_;
  bool canceled_ = false;
};

}  // namespace tw
