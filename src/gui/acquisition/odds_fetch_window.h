// OddsFetchWindow, "オッズ手動取得": the day's races with their planned and
// fetched snapshot times; the ticked races are fetched at once and the run
// is told in one dialog at its end; "中止" ends it between races. Filled
// before it is shown; the main window reloads the day when it has closed.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "acquire/fetch_checked_races.h"
#include "view/odds_schedule_grid.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace tw {

class SharedPrinter;

class OddsFetchWindow : public QDialog, private OddsWindowView {
  Q_OBJECT

 public:
  // `context` (its references) must outlive the window; `ui` may be null: the
  // window then uses message boxes of its own.
  OddsFetchWindow(const AcquisitionContext& context, UserPort* ui = nullptr, QWidget* parent = nullptr);
  ~OddsFetchWindow() override;

  // Fills the day label, the check list and the grid, and makes the window
  // large enough to show a day of 24 races and every column.
  void Fill(const ScheduleGrid& grid);
  // Writes the grid's times again (the ticks stay as they are).
  void RefreshGrid(const ScheduleGrid& grid);

  QLabel* dateLabel() const { return dateLabel_; }
  QListWidget* checkList() const { return raceChecks_; }
  QTableWidget* grid() const { return scheduleGrid_; }
  QLabel* progressLabel() const { return progressLabel_; }
  QProgressBar* progressBar() const { return progressBar_; }
  QPushButton* fetchButton() const { return fetchButton_; }
  QPushButton* stopButton() const { return stopButton_; }
  QPushButton* printButton() const { return printButton_; }
  // The printer the schedule goes to (the main window's).
  SharedPrinter* printer = nullptr;
  // The schedule of the day after a run has stored new snapshots; the grid
  // then shows their times at once.
  std::function<ScheduleGrid()> scheduleAfterFetch;
  // ｽｹｼﾞｭｰﾙ表印刷: the grid as a ruled table with the schedule's page header.
  void PrintSchedule();
  // The ticks of the check list, by race slot.
  std::vector<bool> Ticks() const;

 public Q_SLOTS:
  // "ｵｯｽﾞを今すぐ取得": the ticked races are fetched at once.
  void FetchNow();
  void CheckAllRaces();    // "全て選択"
  void UncheckAllRaces();  // "全て解除"
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void SetProgress(int position, int maximum) override;
  void SetProgressText(const std::string& text) override;
  bool StopRequested() override { return stopAsked_; }
  void RunEnded() override { SetRunning(false); }
  void SetRunning(bool running);
  void FitToRaces(int races);

  UserPort* ui_ = nullptr;
  std::unique_ptr<UserPort> ownUi_;
  std::unique_ptr<AcquisitionContext> context_;
  QLabel* dateLabel_ = nullptr;
  QListWidget* raceChecks_ = nullptr;
  QTableWidget* scheduleGrid_ = nullptr;
  QLabel* progressLabel_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  QPushButton* fetchButton_ = nullptr;
  QPushButton* printButton_ = nullptr;
  QPushButton* stopButton_ = nullptr;
  bool running_ = false;
  bool stopAsked_ = false;
  bool closeAsked_ = false;
};

}  // namespace tw
