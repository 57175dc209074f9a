// The main window: tool bar, menus, the side panel with the day selector and
// the race list, and the tabs of the race view.
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <memory>
#include <string>

#include "analysis/load_race_day.h"
#include "analysis/race_day_model.h"
#include "analysis/race_list.h"
#include "gui/file_opener.h"
#include "gui/qt_user_port.h"
#include "shell/app_shell.h"
#include "view/judgement_grids.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QTabWidget;
class QTableWidget;
class QTimer;
class QToolButton;
class QWidget;

namespace tw {

class AcquisitionActions;
class EraseActions;
class PrintActions;
class ReportActions;

class RaceViewPanel;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `shell` must outlive the window. The constructor runs the creation steps;
  // check `created()` before showing it.
  explicit MainWindow(AppShell& shell, QtUserPort& ui, QWidget* parent = nullptr);
  ~MainWindow() override;

  bool created() const { return created_; }

  // The actions of the menus and the tool bar that live in their own classes.
  ReportActions& reportActions() const { return *reports_; }
  PrintActions& printActions() const { return *print_; }
  AcquisitionActions& acquisition() const { return *acquisition_; }
  const RaceList& raceList() const { return raceList_; }
  QLabel* lastFailureLabel() const { return lastFailureLabel_; }

  // Widgets the tests look at; the actions they find by their object names.
  QComboBox* dateCombo() const { return dateCombo_; }
  QListWidget* raceListBox() const { return raceListBox_; }
  QLabel* statusLabel() const { return statusLabel_; }
  QWidget* sidePanel() const { return sidePanel_; }
  QTableWidget* judgementGrid(JudgementGridKind kind) const;
  QTabWidget* tabs() const { return tabs_; }
  QCheckBox* autoFetchCheck() const { return autoFetchCheck_; }
  QLabel* postTimeLabel() const { return postTimeLabel_; }
  int stepPosition() const { return stepPosition_; }
  RaceViewPanel* raceView() const { return raceView_; }
  QTimer* resultTimer() const { return resultTimer_; }
  const RaceDayModel& model() const { return *model_; }
  // Replaces opening the help with the desktop's application (tests).
  FileOpener openHelp;

 public Q_SLOTS:
  void FillDaySelector();
  void ToggleRaceList();
  void StoreCloseListAfterLoad();
  void ShowHelp();
  void ShowAbout();
  void StepRace(int step);
  void LoadChosenDay();
  void ShowRaceOfRow(int row);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // An action of the window with its object name, its text and its hint in
  // the status bar and the tool tip.
  // A key, when given, is the command's shortcut.
  QAction* NewAction(const char* objectName, const QString& text, const QString& hint, const QKeySequence& key = {});
  void BuildActions();
  void BuildMenus();
  void BuildToolBar();
  void BuildSidePanel();
  void BuildRaceView();
  void WriteGridHeadings();
  void ConnectAcquisition();
  void ConnectReportsAndImport();
  void ConnectPrinting();
  // LoadRaceDay for the day selector's text; LoadChosenDay is the same when
  // the user has chosen the day.
  void ReloadDay();
  void ShowRaceOfSlot(int slot);

  // What a day load found, on the window: the race list, the result-fetch
  // timer, the bet grid, the per-snapshot chart and the race on view.
  void ShowLoadedDay(const LoadRaceDayResult& result);
  // Writes the day files' problems to the error log (and the status line)
  // when they differ from those last told for the day.
  void TellDayFileProblems(const std::string& day, const DayFileProblems& problems);
  void ClearRaceList();
  void SelectRaceAndShow(int row, int slot);

  AppShell& shell_;
  QtUserPort& ui_;
  bool created_ = false;
  bool shown_ = false;
  QComboBox* dateCombo_ = nullptr;
  QListWidget* raceListBox_ = nullptr;
  int stepPosition_ = 0;  // the race stepper: rows 0..35
  QLabel* statusLabel_ = nullptr;
  QLabel* lastFailureLabel_ = nullptr;
  QWidget* sidePanel_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  RaceViewPanel* raceView_ = nullptr;
  AcquisitionActions* acquisition_ = nullptr;
  // One action per command; a command both in a menu and on a tool bar
  // shows its menu text there and its icon text here.
  QAction* importTimeSeriesAction_ = nullptr;
  QAction* seasonReportAction_ = nullptr;
  QAction* printDayAction_ = nullptr;
  QAction* printerSetupAction_ = nullptr;
  QAction* eraseAllRacesAllSnapshotsAction_ = nullptr;
  QAction* eraseShownRaceAllSnapshotsAction_ = nullptr;
  QAction* eraseAllRacesLaterSnapshotsAction_ = nullptr;
  QAction* eraseShownRaceLaterSnapshotsAction_ = nullptr;
  QAction* exitAction_ = nullptr;
  QAction* resultIntervalAction_ = nullptr;
  QAction* fetchDelayAction_ = nullptr;
  QAction* closeListAfterLoadAction_ = nullptr;
  QAction* timeSeriesFolderAction_ = nullptr;
  QAction* helpAction_ = nullptr;
  QAction* aboutAction_ = nullptr;
  QAction* downloadAction_ = nullptr;
  QAction* fetchOddsAction_ = nullptr;
  QAction* flashOddsAction_ = nullptr;
  QAction* fetchResultsAction_ = nullptr;
  QAction* hitReportAction_ = nullptr;
  QAction* longShotReportAction_ = nullptr;
  QAction* toggleRaceListAction_ = nullptr;
  EraseActions* erase_ = nullptr;
  ReportActions* reports_ = nullptr;
  PrintActions* print_ = nullptr;
  QTimer* resultTimer_ = nullptr;  // result fetching on the race day
  std::unique_ptr<RaceDayModel> model_;
  std::string toldProblemsDay_;
  std::vector<std::string> toldProblems_;
  RaceList raceList_;
  QCheckBox* autoFetchCheck_ = nullptr;
  QLabel* postTimeLabel_ = nullptr;
};

}  // namespace tw
