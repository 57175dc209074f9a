// The race view of the main window: the race header above the tabs with
// every table, list, grid and chart of the shown race. It hands a RaceView to
// its tabs and the race card to the header, the 出馬表 tab and the horse-name
// tooltips; the snapshot buttons refill their table or chart from the model.
#pragma once

#include <QWidget>

#include "analysis/race_day_model.h"
#include "view/race_view.h"

class QTabWidget;
class QTableWidget;
class QToolButton;

namespace tw {

class AppendixTab;
class BetTab;
class ChartTab;
class HorseNameTips;
class PairOddsTab;
class RaceCardTab;
class RaceHeaderBar;
class ResultsTab;
class ShareChartView;
class ShareGapTab;
class ShareTab;
class WinOddsTab;

class RaceViewPanel : public QWidget {
  Q_OBJECT

 public:
  explicit RaceViewPanel(QWidget* parent = nullptr);

  // Shows `view`, a race of `model`; the model must outlive the panel.
  void Show(const RaceDayModel& model, const RaceView& view);
  // The state before any race: headings only, empty tables and charts.
  void ShowNothing();
  // What a day load empties before it shows a race.
  void ClearBetGrid();
  void ClearSnapshotChart();

  QTabWidget* tabs() const { return tabs_; }
  QTabWidget* chartTabs() const;
  QTableWidget* judgementGrid(JudgementGridKind kind) const;
  QTableWidget* raceCardGrid() const;
  const HorseNameTips& horseNames() const { return *horseNames_; }
  ShareChartView* chart(const QString& name) const;
  QToolButton* snapshotButton(const QString& name) const;
  // The view last shown (what the widgets hold).
  const RaceView& view() const { return view_; }

 public Q_SLOTS:
  // The snapshot buttons: the pair tables and the snapshot chart of snapshot s.
  void ShowBracketSnapshot(int s);
  void ShowQuinellaSnapshot(int s);
  void ShowChartSnapshot(int s);

 private:
  void SetTabVisible(QWidget* page, bool visible);

  const RaceDayModel* model_ = nullptr;
  RaceView view_;

  RaceHeaderBar* header_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  WinOddsTab* winOdds_ = nullptr;
  ShareTab* shares_ = nullptr;
  ShareGapTab* shareGap_ = nullptr;
  AppendixTab* appendix_ = nullptr;
  PairOddsTab* bracket_ = nullptr;
  PairOddsTab* quinella_ = nullptr;
  ResultsTab* results_ = nullptr;
  BetTab* bets_ = nullptr;
  ChartTab* charts_ = nullptr;
  RaceCardTab* raceCard_ = nullptr;
  HorseNameTips* horseNames_ = nullptr;
};

}  // namespace tw
