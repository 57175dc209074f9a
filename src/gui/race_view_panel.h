// The race view of the main window: the race header above the tab area
// "PageControl1" with every display group, odds table, list, grid and chart
// of the shown race. It copies a RaceView into its widgets; the snapshot
// buttons refill their table or chart from the model.
#pragma once

#include <QWidget>
#include <array>

#include "analysis/race_day_model.h"
#include "view/race_view.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QToolButton;

namespace tw {

class ShareChartView;

class TRaceViewPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TRaceViewPanel(QWidget* parent = nullptr);

  // Shows `view`, a race of `model`; the model must outlive the panel.
  void Show(const RaceDayModel& model, const RaceView& view);
  // The state before any race: headings only, empty tables and charts.
  void ShowNothing();
  // What a day load empties before it shows a race.
  void ClearBetGrid();
  void ClearSnapshotChart();

  QTabWidget* tabs() const { return tabs_; }
  QTabWidget* chartTabs() const { return chartTabs_; }
  QTableWidget* grid(int n) const { return n >= 1 && n <= 4 ? grids_[n - 1] : nullptr; }
  ShareChartView* chart(const QString& name) const;
  // SpeedButton4, 13, 14, 15, 16, 17, 8, 9, 10 by name.
  QToolButton* snapshotButton(const QString& name) const;
  // The view last shown (what the widgets hold).
  const RaceView& view() const { return view_; }

 public Q_SLOTS:
  void PairOddsTableBracket(int s);   // SpeedButton4 / 13 / 14
  void PairOddsTableQuinella(int s);  // SpeedButton15 / 16 / 17
  void SnapshotChartButton(int s);    // SpeedButton8 / 9 / 10
  void Button3Click();                // 色分け of the bracket table
  void Button2Click();                // 色分け of the quinella table

 private:
  struct ButtonGroup {
    QButtonGroup* group = nullptr;
    std::array<QToolButton*, 4> buttons{};  // [1..3]
  };
  QWidget* BuildHeader();
  QWidget* BuildWinOddsTab();
  QWidget* BuildSharesTab();
  QWidget* BuildShareGapTab();
  QWidget* BuildAppendixTab();
  QWidget* BuildPairTab(bool quinella);
  QWidget* BuildResultsTab();
  QWidget* BuildBetTab();
  QWidget* BuildChartTab();
  QWidget* MakeButtonRow(QWidget* parent, ButtonGroup& group, const std::array<const char*, 3>& names,
                         void (TRaceViewPanel::*slot)(int));
  void ApplyButtons(ButtonGroup& group, const SnapshotButtons& state);
  void ShowTable(const PairOddsTable& table, bool quinella);
  void ShowGrid(int n, const JudgementGrid& grid);
  void ShowGroups(const RaceView& v);
  void ShowPopularity(const RaceView& v);
  void ShowResults(const ResultsPanel& r);
  void ShowCharts(const RaceView& v);
  void SetTabVisible(QWidget* page, bool visible);

  const RaceDayModel* model_ = nullptr;
  RaceView view_;

  QLabel *dateLabel_, *raceLabel_, *fieldLabel_, *fetchCountLabel_, *upsetLabel_;
  QLabel *payout1_, *result1_, *payout2_, *result2_;
  QTabWidget* tabs_ = nullptr;
  QTabWidget* chartTabs_ = nullptr;
  QTableWidget *winOddsGrid_, *popularityGrid_, *winShareGrid_, *quinellaShareGrid_, *shareGapGrid_, *appendixGrid_,
      *bracketGrid_, *quinellaGrid_, *resultsGrid_;
  std::array<QTableWidget*, 4> grids_{};
  std::array<QListWidget*, 4> wakurenLists_{}, umarenLists_{};
  std::array<QLabel*, 4> wakurenTimes_{}, umarenTimes_{};
  QLabel *bracketTime_, *quinellaTime_, *shortQuinellaLabel_;
  ButtonGroup bracketButtons_, quinellaButtons_, chartButtons_;
  QWidget *bracketPage_, *quinellaPage_, *winChangePage_, *quinellaChangePage_;
  ShareChartView *chart10_, *chart6_, *chart7_, *chart1_, *chart8_, *chart9_;
};

}  // namespace tw
