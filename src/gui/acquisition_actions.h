// The main window's data acquisition: JVBtn (the race-card download window),
// OzGetBtn (checks, then the odds fetch window), AutoOzCheck with Timer1
// (automatic odds fetching every 40 s), Timer4 (automatic results),
// SokuhoOddsBtn (flash odds), KekkaGetBtn (results), OzGetLoopBtn (the hidden
// batch), N7 and N10 (the delay and result-interval dialogs). It connects the
// window's actions to the fetch controllers and plays the host they need.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "acquire/acquisition_context.h"
#include "acquire/odds_fetch.h"
#include "acquire/odds_schedule.h"
#include "acquire/result_fetch.h"

class QAction;
class QCheckBox;
class QComboBox;
class QListWidget;
class QTimer;
class QPrinter;
class QWidget;

namespace tw {

class AppShell;
class QtUserPort;

// The main window's parts. Null actions are left alone; without a Timer1 the
// glue keeps its own.
struct AcquisitionWidgets {
  QWidget* window = nullptr;  // parent of the windows and dialogs
  QComboBox* dateCombo = nullptr;
  QListWidget* datList = nullptr;
  QCheckBox* autoOzCheck = nullptr;
  QTimer* timer1 = nullptr;
  QTimer* timer4 = nullptr;
  QAction* jvBtn = nullptr;
  QAction* ozGetBtn = nullptr;
  QAction* ozGetLoopBtn = nullptr;
  QAction* sokuhoOddsBtn = nullptr;
  QAction* kekkaGetBtn = nullptr;
  QAction* n7 = nullptr;
  QAction* n10 = nullptr;
  std::function<QPrinter*()> printer;  // where the schedule prints
};

// What the glue asks of the main window.
struct AcquisitionCallbacks {
  std::function<void()> reloadDay;      // DateComboChange: LoadRaceDay of the day selector's text
  std::function<void()> showRace;       // DatListClick of the selected row: ShowRace
  std::function<void()> importPayouts;  // HrReadBtnClick: the payout import of the loaded day
  std::function<void()> makeDayList;    // MakeDataListBtnClick: "リスト作成"
};

class AcquisitionActions : public QObject, private AcquisitionHost {
  Q_OBJECT

 public:
  // `shell`, `ui` and `model` must outlive the object. The actions, the check
  // box and the timers are enabled and connected here.
  AcquisitionActions(AppShell& shell, QtUserPort& ui, const RaceDayModel& model, AcquisitionWidgets widgets,
                     AcquisitionCallbacks callbacks, QObject* parent = nullptr);
  ~AcquisitionActions() override;

  QTimer* timer1() const { return timer1_; }
  OddsFetcher& oddsFetcher() { return *odds_; }
  AutoOddsFetch& autoFetch() { return *auto_; }
  ResultFetcher& resultFetcher() { return *results_; }
  StreamGate& gate() { return gate_; }

 public Q_SLOTS:
  void JVBtnClick();
  void OpenOddsFetchWindow();
  void SetAutoFetch(bool checked);
  void OnScheduleTick();
  void OnResultTimerTick();
  void FetchFlashOdds();
  void FetchResults();
  void FetchQueuedRaces();
  void N7Click();
  void N10Click();

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

  AppShell& shell_;
  QtUserPort& ui_;
  AcquisitionWidgets w_;
  AcquisitionCallbacks callbacks_;
  std::unique_ptr<JVLink> jv_;  // forwards to the shell's JV-Link
  std::unique_ptr<RaceDayStore> store_;
  StreamGate gate_;
  std::unique_ptr<AcquisitionContext> context_;
  std::unique_ptr<OddsFetcher> odds_;
  std::unique_ptr<AutoOddsFetch> auto_;
  std::unique_ptr<ResultFetcher> results_;
  QTimer* timer1_ = nullptr;
};

}  // namespace tw
