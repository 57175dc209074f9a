#include "gui/raceview/chart_tab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/raceview/race_view_cells.h"
#include "gui/raceview/share_chart_view.h"
#include "gui/raceview/snapshot_button_row.h"

namespace tw {

ChartTab::ChartTab(QWidget* parent) : QTabWidget(parent) {
  setObjectName("ChartTabs");
  auto* each = new QWidget(this);
  auto* col = new QVBoxLayout(each);
  auto* top = new QHBoxLayout;
  buttons_ = new SnapshotButtonRow("ChartSnapshot", each);
  connect(buttons_, &SnapshotButtonRow::snapshotChosen, this, &ChartTab::snapshotChosen);
  top->addWidget(buttons_);
  top->addWidget(Caption(each, "馬連１０倍未満："));
  shortQuinellaLabel_ = MakeValueLabel(each, "ShortQuinellaLabel", 48);
  top->addWidget(shortQuinellaLabel_);
  top->addStretch();
  col->addLayout(top);
  snapshotChart_ = new ShareChartView("SnapshotChart", each);
  col->addWidget(snapshotChart_, 1);
  addTab(each, FromUtf8("各回データ"));
  winShareChart_ = new ShareChartView("WinShareChart", this);
  quinellaShareChart_ = new ShareChartView("QuinellaShareChart", this);
  shareGapChart_ = new ShareChartView("ShareGapChart", this);
  winChangeChart_ = new ShareChartView("WinChangeChart", this);
  quinellaChangeChart_ = new ShareChartView("QuinellaChangeChart", this);
  addTab(winShareChart_, FromUtf8("単勝投票率"));
  addTab(quinellaShareChart_, FromUtf8("馬連投票率"));
  addTab(shareGapChart_, FromUtf8("単連差"));
  addTab(winChangeChart_, FromUtf8("単勝投票率変化量"));
  addTab(quinellaChangeChart_, FromUtf8("馬連投票率変化量"));
}

QToolButton* ChartTab::snapshotButton(int snapshot) const { return buttons_->button(snapshot); }

void ChartTab::Show(const RaceView& v) {
  setTabVisible(indexOf(winChangeChart_), v.changeTabsVisible);
  setTabVisible(indexOf(quinellaChangeChart_), v.changeTabsVisible);
  buttons_->Apply(v.chartButtons);
  ShowSnapshot(v.snapshotChart, ToQt(v.shortQuinella));
  winShareChart_->Render(v.charts.winShare);
  quinellaShareChart_->Render(v.charts.quinellaShare);
  shareGapChart_->Render(v.charts.shareGap);
  winChangeChart_->Render(v.charts.winChange);
  quinellaChangeChart_->Render(v.charts.quinellaChange);
}

void ChartTab::ShowSnapshot(const ChartView& chart, const QString& shortQuinella) {
  snapshotChart_->Render(chart);
  shortQuinellaLabel_->setText(shortQuinella);
}

void ChartTab::ClearSnapshotChart() { snapshotChart_->Clear(); }

}  // namespace tw
