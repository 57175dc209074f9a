#include "gui/raceview/race_view_panel.h"

#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/raceview/appendix_tab.h"
#include "gui/raceview/bet_tab.h"
#include "gui/raceview/chart_tab.h"
#include "gui/raceview/horse_name_tips.h"
#include "gui/raceview/pair_odds_tab.h"
#include "gui/raceview/race_card_tab.h"
#include "gui/raceview/race_header_bar.h"
#include "gui/raceview/results_tab.h"
#include "gui/raceview/share_chart_view.h"
#include "gui/raceview/share_gap_tab.h"
#include "gui/raceview/share_tab.h"
#include "gui/raceview/win_odds_tab.h"

namespace tw {

RaceViewPanel::RaceViewPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("RaceViewPanel");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  header_ = new RaceHeaderBar(this);
  column->addWidget(header_);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("RaceTabs");
  winOdds_ = new WinOddsTab(this);
  shares_ = new ShareTab(this);
  shareGap_ = new ShareGapTab(this);
  appendix_ = new AppendixTab(this);
  bracket_ = new PairOddsTab(PairKind::kBracket, this);
  quinella_ = new PairOddsTab(PairKind::kQuinella, this);
  results_ = new ResultsTab(this);
  bets_ = new BetTab(this);
  charts_ = new ChartTab(this);
  raceCard_ = new RaceCardTab(this);
  tabs_->addTab(winOdds_, FromUtf8("単勝オッズ"));
  tabs_->addTab(shares_, FromUtf8("投票率"));
  tabs_->addTab(shareGap_, FromUtf8("単連差"));
  tabs_->addTab(appendix_, FromUtf8("付録"));
  tabs_->addTab(bracket_, FromUtf8("枠連オッズ"));
  tabs_->addTab(quinella_, FromUtf8("馬連オッズ"));
  tabs_->addTab(results_, FromUtf8("成績結果"));
  tabs_->addTab(bets_, FromUtf8("買い目"));
  tabs_->addTab(charts_, FromUtf8("グラフ"));
  tabs_->addTab(raceCard_, FromUtf8("出馬表"));
  column->addWidget(tabs_, 1);
  connect(bracket_, &PairOddsTab::snapshotChosen, this, &RaceViewPanel::ShowBracketSnapshot);
  connect(quinella_, &PairOddsTab::snapshotChosen, this, &RaceViewPanel::ShowQuinellaSnapshot);
  connect(charts_, &ChartTab::snapshotChosen, this, &RaceViewPanel::ShowChartSnapshot);
  horseNames_ = new HorseNameTips(this);
  for (QTableWidget* table : findChildren<QTableWidget*>()) horseNames_->WatchCells(table);
  horseNames_->WatchHeadings(quinella_->findChild<QTableWidget*>("QuinellaOddsGrid"));
  ShowNothing();
}

QTabWidget* RaceViewPanel::chartTabs() const { return charts_; }

QTableWidget* RaceViewPanel::raceCardGrid() const { return raceCard_->grid(); }

QTableWidget* RaceViewPanel::judgementGrid(JudgementGridKind kind) const { return bets_->grid(kind); }

ShareChartView* RaceViewPanel::chart(const QString& name) const { return findChild<ShareChartView*>(name); }

QToolButton* RaceViewPanel::snapshotButton(const QString& name) const { return findChild<QToolButton*>(name); }

void RaceViewPanel::SetTabVisible(QWidget* page, bool visible) { tabs_->setTabVisible(tabs_->indexOf(page), visible); }

void RaceViewPanel::ShowNothing() {
  static const RaceDayModel empty;
  model_ = nullptr;
  Show(empty, BuildRaceView(empty, -1));
  model_ = nullptr;
}

void RaceViewPanel::ClearBetGrid() { bets_->Show(EmptyBetGrid()); }

void RaceViewPanel::ClearSnapshotChart() { charts_->ClearSnapshotChart(); }

void RaceViewPanel::Show(const RaceDayModel& model, const RaceView& v) {
  model_ = &model;
  view_ = v;
  // Filled out of sight, so the window does not flicker through the steps.
  tabs_->setUpdatesEnabled(false);
  header_->Show(v.header);
  winOdds_->Show(v);
  shares_->Show(v);
  shareGap_->Show(v);
  appendix_->Show(v);
  if (v.slot >= 0) {
    SetTabVisible(bracket_, v.bracketTabVisible);
    SetTabVisible(quinella_, v.quinellaTabVisible);
  }
  bracket_->Show(v);
  quinella_->Show(v);
  charts_->Show(v);
  for (const JudgementGrid& grid : v.grids) bets_->Show(grid);
  results_->Show(v.results);
  const RaceCard card = v.slot >= 0 ? MakeRaceCard(model.slots[static_cast<size_t>(v.slot)]) : RaceCard{};
  header_->ShowCard(card);
  raceCard_->Show(card);
  horseNames_->Show(card);
  tabs_->setUpdatesEnabled(true);
}

void RaceViewPanel::ShowBracketSnapshot(int s) {
  if (!model_ || view_.slot < 0) return;
  bracket_->ShowTable(BracketOddsTable(model_->slots[static_cast<size_t>(view_.slot)], s));
}

void RaceViewPanel::ShowQuinellaSnapshot(int s) {
  if (!model_ || view_.slot < 0) return;
  quinella_->ShowTable(QuinellaOddsTable(model_->slots[static_cast<size_t>(view_.slot)], s));
}

void RaceViewPanel::ShowChartSnapshot(int s) {
  if (!model_ || view_.slot < 0) return;
  const RaceSlot& slot = model_->slots[static_cast<size_t>(view_.slot)];
  charts_->ShowSnapshot(SnapshotChart(view_, s),
                        ToQt(std::to_string(slot.analysis.shortQuinellaCount[static_cast<size_t>(s)]) + Sjis("個")));
}

}  // namespace tw
