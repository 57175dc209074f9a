// The season report window ("成績集計"): the dates and courses to count, the
// run with its progress (it can be stopped), the figures of the season and
// of each breakdown in sortable tables, the days not counted, the running
// profit and the return rates by upset rating as charts, and the CSV, the
// print and the PDF of the result.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <array>
#include <string>

#include "base/user_port.h"
#include "print/season_page.h"
#include "season/season_groups.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QTreeWidget;

namespace tw {

class SeasonExports;
class SeasonFilterPanel;
class SeasonProfitChart;
class SeasonRateChart;
class SeasonRun;
class SeasonTableModel;
class SharedPrinter;

class SeasonWindow : public QDialog {
  Q_OBJECT

 public:
  // Reports on `dataFolder` (Shift-JIS); the save dialogs start in `saveFolder`.
  SeasonWindow(const std::string& dataFolder, const std::string& saveFolder, SharedPrinter& printer, UserPort& port,
               QWidget* parent = nullptr);
  ~SeasonWindow() override;

  SeasonFilterPanel* filters() const { return filters_; }
  SeasonRun& run() const { return *run_; }
  SeasonExports& exports() const { return *exports_; }
  QPushButton* runButton() const { return runButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }
  QPushButton* csvButton() const { return csvButton_; }
  QPushButton* summaryCsvButton() const { return summaryCsvButton_; }
  QPushButton* printButton() const { return printButton_; }
  QPushButton* pdfButton() const { return pdfButton_; }
  QProgressBar* progress() const { return progress_; }
  QLabel* statusLabel() const { return statusLabel_; }
  QLabel* countsLabel() const { return countsLabel_; }
  QTableView* summaryView() const { return summaryView_; }
  QTableView* breakdownView(SeasonDimension dimension) const;
  QComboBox* kindFilter() const { return kindFilter_; }
  QTabWidget* tabs() const { return tabs_; }
  QTreeWidget* dayTree() const { return dayTree_; }
  SeasonProfitChart* profitChart() const { return profitChart_; }
  SeasonRateChart* rateChart() const { return rateChart_; }
  // The share of stakes paid back on average, in percent: the line the
  // return-rate chart and the printed chart draw.
  void SetTakeoutLine(double percent);

 public Q_SLOTS:
  // "集計": checks the conditions and starts the report.
  void Run();
  // "中止".
  void Cancel();
  void SaveCsv();
  void SaveSummaryCsv();
  void Print();
  void SavePdf();
  void FilterKind(int item);

 public:
  // Every way of closing stops a run first.
  void done(int result) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FitSummaryHeight();
  QWidget* BuildSummary();
  QWidget* BuildBreakdowns();
  QWidget* BuildCharts();
  void ShowStep();
  void ShowFinished();
  void ShowCanceled();
  void ShowTables();
  void ShowDayLists();
  void SetRunning(bool running);
  std::vector<Page> SummaryPages() const;

  std::string dataFolder_;
  UserPort& port_;
  SeasonRun* run_ = nullptr;
  SeasonExports* exports_ = nullptr;
  SeasonPageFilters used_;  // of the run on view
  double takeoutPercent_ = 77.5;
  QElapsedTimer sinceTables_;

  SeasonFilterPanel* filters_ = nullptr;
  QPushButton* runButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* csvButton_ = nullptr;
  QPushButton* summaryCsvButton_ = nullptr;
  QPushButton* printButton_ = nullptr;
  QPushButton* pdfButton_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* statusLabel_ = nullptr;
  QLabel* countsLabel_ = nullptr;
  SeasonTableModel* summaryModel_ = nullptr;
  QTableView* summaryView_ = nullptr;
  QComboBox* kindFilter_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  std::array<SeasonTableModel*, kSeasonDimensions.size()> breakdownModels_{};
  std::array<QSortFilterProxyModel*, kSeasonDimensions.size()> breakdownProxies_{};
  std::array<QTableView*, kSeasonDimensions.size()> breakdownViews_{};
  QTreeWidget* dayTree_ = nullptr;
  SeasonProfitChart* profitChart_ = nullptr;
  SeasonRateChart* rateChart_ = nullptr;
};

}  // namespace tw
