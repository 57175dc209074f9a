#include "gui/acquisition/acquisition_actions.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimer>

#include "gui/acquisition/download_window.h"
#include "gui/acquisition/minutes_dialog.h"
#include "gui/acquisition/odds_fetch_window.h"
#include "gui/acquisition/shell_jvlink.h"
#include "gui/qt_text.h"
#include "gui/qt_user_port.h"
#include "shell/app_shell.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

namespace {

void Enable(QAction* action) {
  if (action) action->setEnabled(true);
}

}  // namespace

AcquisitionActions::AcquisitionActions(AppShell& shell, QtUserPort& ui, const RaceDayModel& model,
                                       AcquisitionWidgets widgets, AcquisitionCallbacks callbacks, QObject* parent)
    : QObject(parent), shell_(shell), ui_(ui), w_(widgets), callbacks_(std::move(callbacks)) {
  auto jv = std::make_unique<ShellJVLink>(shell_);
  shellJV_ = jv.get();
  jv_ = std::move(jv);
  store_ = std::make_unique<RaceDayStore>(shell_.paths().DataFolder());
  context_ = std::make_unique<AcquisitionContext>(
      AcquisitionContext{*jv_, *store_, shell_.settings(), shell_.errorLog(), shell_.clock(), ui_, model, gate_});
  AcquisitionHost& host = *this;
  odds_ = std::make_unique<OddsFetcher>(*context_, host);
  auto_ = std::make_unique<AutoOddsFetch>(*context_, host, *odds_);
  results_ = std::make_unique<ResultFetcher>(*context_, host);

  scheduleTimer_ = w_.scheduleTimer ? w_.scheduleTimer : new QTimer(this);
  scheduleTimer_->setObjectName("ScheduleTimer");
  scheduleTimer_->setInterval(kScheduleTickMillis);
  scheduleTimer_->stop();
  connect(scheduleTimer_, &QTimer::timeout, this, &AcquisitionActions::OnScheduleTick);
  if (w_.resultTimer) connect(w_.resultTimer, &QTimer::timeout, this, &AcquisitionActions::OnResultTimerTick);

  auto hook = [this](QAction* action, void (AcquisitionActions::*slot)()) {
    if (!action) return;
    Enable(action);
    connect(action, &QAction::triggered, this, slot);
  };
  hook(w_.download, &AcquisitionActions::OpenDownloadWindow);
  hook(w_.fetchOdds, &AcquisitionActions::OpenOddsFetchWindow);
  hook(w_.flashOdds, &AcquisitionActions::FetchFlashOdds);
  hook(w_.fetchResults, &AcquisitionActions::FetchResults);
  hook(w_.fetchDelay, &AcquisitionActions::OpenFetchDelayDialog);
  hook(w_.resultInterval, &AcquisitionActions::OpenResultIntervalDialog);
  if (w_.autoFetchCheck) {
    w_.autoFetchCheck->setEnabled(true);
    // `clicked` comes from the user only, so clearing the box after a failed
    // check does not run the handler again.
    connect(w_.autoFetchCheck, &QCheckBox::clicked, this, &AcquisitionActions::SetAutoFetch);
  }
}

AcquisitionActions::~AcquisitionActions() = default;

bool AcquisitionActions::MayCloseWindow() {
  if (closeAsked_) return !gate_.busy();
  if (!gate_.busy()) return true;
  if (!ui_.Confirm(Sjis("データ取得中です。取得を中止して終了しますか？"))) return false;
  // The window closes when the read loop has ended and closed its stream.
  closeAsked_ = true;
  shellJV_->CancelStream();
  return false;
}

void AcquisitionActions::ActionEnded() {
  if (closeAsked_ && !gate_.busy() && w_.window) w_.window->close();
}

int AcquisitionActions::Failures() const {
  // A results fetch that found no newer data is no failure, but its message
  // is logged like one and stays in view the same way; the odds batches
  // count races without newer odds in their one line instead.
  const FetchTally& results = results_->total();
  return odds_->total().failures + results.failures + results.noNewData;
}

void AcquisitionActions::ShowFailures(int failuresBefore, bool ran) {
  if (w_.lastFailure) {
    if (Failures() > failuresBefore) {
      // The failure as the error log has it, with its time, until a fetch
      // runs without one.
      const auto lines = LoadLines(shell_.errorLog().path()).value_or(std::vector<std::string>{});
      if (!lines.empty()) w_.lastFailure->setText(ToQt(lines.back()));
    } else if (ran) {
      w_.lastFailure->clear();
    }
  }
  ActionEnded();
}

void AcquisitionActions::OpenDownloadWindow() {
  if (gate_.busy()) {
    ui_.SetStatus(HeldBackText());
    return;
  }
  {
    DownloadWindow form(*jv_, *store_, shell_.settings(), shell_.clock(), gate_, nullptr, w_.window);
    form.onClosed = callbacks_.makeDayList;
    form.exec();
  }
  ActionEnded();
}

void AcquisitionActions::OpenOddsFetchWindow() { odds_->OpenOddsFetchWindow(); }

void AcquisitionActions::OpenOddsWindow() {
  {
    OddsFetchWindow form(*context_, nullptr, w_.window);
    form.printer = w_.printer;
    form.scheduleAfterFetch = [this] {
      ReloadDay();
      return MakeScheduleGrid(context_->model, DayText());
    };
    form.Fill(MakeScheduleGrid(context_->model, DayText()));
    form.exec();
  }
  ReloadDay();  // closing the window shows the new snapshots
}

void AcquisitionActions::SetAutoFetch(bool checked) { auto_->SetAutoFetch(checked); }

void AcquisitionActions::OnScheduleTick() {
  const int before = Failures();
  const bool ran = !auto_->OnScheduleTick().empty();
  ShowFailures(before, ran);
}

void AcquisitionActions::OnResultTimerTick() {
  const int before = Failures();
  const bool ran = results_->OnResultTimerTick();
  ShowFailures(before, ran);
}

void AcquisitionActions::FetchFlashOdds() {
  const int before = Failures();
  const FetchTally tally = odds_->FetchFlashOdds();
  ShowFailures(before, !tally.heldBack);
}

void AcquisitionActions::FetchResults() {
  const int before = Failures();
  const FetchTally tally = results_->FetchResults();
  ShowFailures(before, !tally.heldBack);
}

void AcquisitionActions::OpenFetchDelayDialog() {
  MinutesDialog form(FetchDelaySetting(), shell_.settings(), w_.window);
  form.exec();
}

void AcquisitionActions::OpenResultIntervalDialog() {
  MinutesDialog form(ResultIntervalSetting(), shell_.settings(), w_.window);
  form.exec();
}

std::string AcquisitionActions::DayText() const { return w_.dateCombo ? FromQt(w_.dateCombo->currentText()) : ""; }

bool AcquisitionActions::RaceSelected() const { return w_.raceListBox && w_.raceListBox->currentRow() >= 0; }

void AcquisitionActions::ReloadDay() {
  if (callbacks_.reloadDay) callbacks_.reloadDay();
}

void AcquisitionActions::ShowRaceAgain() {
  if (callbacks_.showRace) callbacks_.showRace();
}

void AcquisitionActions::ImportPayouts() {
  if (callbacks_.importPayouts) callbacks_.importPayouts();
}

void AcquisitionActions::SetAutoFetchChecked(bool on) {
  if (!w_.autoFetchCheck) return;
  QSignalBlocker block(w_.autoFetchCheck);
  w_.autoFetchCheck->setChecked(on);
}

void AcquisitionActions::SetScheduleTimerEnabled(bool on) {
  if (on) {
    scheduleTimer_->start(kScheduleTickMillis);
  } else {
    scheduleTimer_->stop();
  }
}

void AcquisitionActions::SetManualFetchEnabled(bool on) {
  if (w_.fetchOdds) w_.fetchOdds->setEnabled(on);
}

}  // namespace tw
