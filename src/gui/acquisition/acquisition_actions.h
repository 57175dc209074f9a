// The main window's data acquisition: the race-card download window, the
// odds fetch window (after its checks), automatic odds fetching on the
// schedule tick every 40 s, automatic results on the result timer, flash
// odds, results, and the delay and result-interval dialogs. It connects the
// window's actions to the fetch controllers and plays the host they need.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "acquire/acquisition_context.h"
#include "acquire/auto_odds_fetch.h"
#include "acquire/odds_fetch.h"
#include "acquire/result_fetch.h"
#include "view/odds_schedule_grid.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QTimer;
class QWidget;

namespace tw {

class AppShell;
class QtUserPort;
class SharedPrinter;
class ShellJVLink;

// The main window's parts. Null actions are left alone; without a schedule
// timer the glue keeps its own.
struct AcquisitionWidgets {
  QWidget* window = nullptr;  // parent of the windows and dialogs
  QComboBox* dateCombo = nullptr;
  QListWidget* raceListBox = nullptr;
  QCheckBox* autoFetchCheck = nullptr;
  QTimer* scheduleTimer = nullptr;
  QTimer* resultTimer = nullptr;
  QAction* download = nullptr;
  QAction* fetchOdds = nullptr;
  QAction* flashOdds = nullptr;
  QAction* fetchResults = nullptr;
  QAction* fetchDelay = nullptr;
  QAction* resultInterval = nullptr;
  SharedPrinter* printer = nullptr;  // where the schedule prints
  QLabel* lastFailure = nullptr;     // the last failure of unattended work, with its time
};

// What the glue asks of the main window.
struct AcquisitionCallbacks {
  std::function<void()> reloadDay;      // LoadChosenDay: LoadRaceDay of the day selector's text
  std::function<void()> showRace;       // ShowRaceOfRow of the selected row: ShowRace
  std::function<void()> importPayouts;  // the payout import of the loaded day
  std::function<void()> makeDayList;    // FillDaySelector: "リスト作成"
};

class AcquisitionActions : public QObject, private AcquisitionHost {
  Q_OBJECT

 public:
  // `shell`, `ui` and `model` must outlive the object. The actions, the check
  // box and the timers are enabled and connected here.
  AcquisitionActions(AppShell& shell, QtUserPort& ui, const RaceDayModel& model, AcquisitionWidgets widgets,
                     AcquisitionCallbacks callbacks, QObject* parent = nullptr);
  ~AcquisitionActions() override;

  QTimer* scheduleTimer() const { return scheduleTimer_; }
  OddsFetcher& oddsFetcher() { return *odds_; }
  AutoOddsFetch& autoFetch() { return *auto_; }
  ResultFetcher& resultFetcher() { return *results_; }
  StreamGate& gate() { return gate_; }

  // Asked when the main window is to close: true when nothing is fetched.
  // During a fetch the user is asked; on Yes the stream is cancelled and the
  // window closes once the read loop has ended.
  bool MayCloseWindow();

 public Q_SLOTS:
  void OpenDownloadWindow();
  void OpenOddsFetchWindow();
  void SetAutoFetch(bool checked);
  void OnScheduleTick();
  void OnResultTimerTick();
  void FetchFlashOdds();
  void FetchResults();
  void OpenFetchDelayDialog();
  void OpenResultIntervalDialog();

 private:
  // AcquisitionHost
  std::string DayText() const override;
  bool RaceSelected() const override;
  void ReloadDay() override;
  void ShowRaceAgain() override;
  void ImportPayouts() override;
  void SetAutoFetchChecked(bool on) override;
  void SetScheduleTimerEnabled(bool on) override;
  void SetManualFetchEnabled(bool on) override;
  void OpenOddsWindow() override;

  int Failures() const;
  // After unattended work: a new failure stays shown in the status bar, a
  // run without one clears it.
  void ShowFailures(int failuresBefore, bool ran);
  // Closes the window asked to close during the action that has ended.
  void ActionEnded();

  AppShell& shell_;
  QtUserPort& ui_;
  AcquisitionWidgets w_;
  AcquisitionCallbacks callbacks_;
  std::unique_ptr<JVLink> jv_;  // forwards to the shell's JV-Link
  ShellJVLink* shellJV_ = nullptr;
  bool closeAsked_ = false;
  std::unique_ptr<RaceDayStore> store_;
  StreamGate gate_;
  std::unique_ptr<AcquisitionContext> context_;
  std::unique_ptr<OddsFetcher> odds_;
  std::unique_ptr<AutoOddsFetch> auto_;
  std::unique_ptr<ResultFetcher> results_;
  QTimer* scheduleTimer_ = nullptr;
};

}  // namespace tw
