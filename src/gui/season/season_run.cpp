#include "gui/season/season_run.h"

#include <QTimer>

namespace tw {

SeasonRun::SeasonRun(QObject* parent) : QObject(parent), timer_(new QTimer(this)) {
  timer_->setObjectName("SeasonStepTimer");
  timer_->setInterval(0);
  connect(timer_, &QTimer::timeout, this, &SeasonRun::StepOnce);
}

SeasonRun::~SeasonRun() = default;

void SeasonRun::Start(const SeasonOptions& options) {
  timer_->stop();
  canceled_ = false;
  csv_ = SeasonCsv();
  profit_ = SeasonProfitLine();
  report_ = std::make_unique<SeasonReport>(options);
  if (report_->finished()) {
    Q_EMIT Stepped();
    Q_EMIT Finished();
    return;
  }
  timer_->start();
}

void SeasonRun::Cancel() {
  if (!running()) return;
  timer_->stop();
  canceled_ = true;
  Q_EMIT Canceled();
}

bool SeasonRun::running() const { return timer_->isActive(); }

void SeasonRun::StepOnce() {
  if (!report_ || report_->finished() || canceled_) {
    timer_->stop();
    return;
  }
  for (const SeasonDay& day : report_->Step()) {
    csv_.AddDay(day);
    profit_.AddDay(day);
  }
  if (report_->finished()) report_->totals().ComputeIntervals(report_->options().workers);
  Q_EMIT Stepped();
  if (report_->finished()) {
    timer_->stop();
    Q_EMIT Finished();
  }
}

}  // namespace tw
