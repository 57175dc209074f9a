#include "gui/race_view_panel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include "codes/pairs.h"
#include "gui/grid_cell_delegate.h"
#include "gui/qt_text.h"
#include "gui/share_chart_view.h"
#include "view/colours.h"

namespace tw {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }
constexpr size_t I(int i) { return static_cast<size_t>(i); }

const QColor kLightText(224, 224, 224);
const QColor kUnusedCell(48, 48, 48);

QColor ToColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

QTableWidgetItem* Cell(QTableWidget* grid, int row, int column) {
  QTableWidgetItem* item = grid->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    item->setTextAlignment(Qt::AlignCenter);
    grid->setItem(row, column, item);
  }
  return item;
}

// A field of a light-on-black table: its text, with its font colour when set.
void SetField(QTableWidget* grid, int row, int column, const QString& text,
              const std::optional<Rgb>& colour = std::nullopt) {
  QTableWidgetItem* item = Cell(grid, row, column);
  item->setText(text);
  item->setForeground(colour ? ToColor(*colour) : kLightText);
}
void SetField(QTableWidget* grid, int row, int column, const ColouredText& t) {
  SetField(grid, row, column, ToQt(t.text), t.colour);
}

// A table of light text on black: rows of horses or pairs, headings on top.
QTableWidget* MakeOddsGrid(QWidget* parent, const QString& name, int rows, const QStringList& headings) {
  auto* grid = new QTableWidget(rows, static_cast<int>(headings.size()), parent);
  grid->setObjectName(name);
  grid->setHorizontalHeaderLabels(headings);
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setFocusPolicy(Qt::NoFocus);
  grid->verticalHeader()->setDefaultSectionSize(19);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid->setStyleSheet(
      "QTableWidget { background-color: black; color: #e0e0e0; gridline-color: #505050; }"
      "QHeaderView::section { background-color: #303030; color: #e0e0e0; border: 1px solid #505050; }");
  QFont font = grid->font();
  font.setStyleHint(QFont::TypeWriter);
  grid->setFont(font);
  return grid;
}

void SetHeading(QTableWidget* grid, int column, const QString& text) {
  auto* item = grid->horizontalHeaderItem(column);
  if (!item) {
    item = new QTableWidgetItem;
    grid->setHorizontalHeaderItem(column, item);
  }
  item->setText(text);
}

QTableWidget* MakeJudgementGrid(QWidget* parent, int columns, int rows, const QString& name) {
  auto* grid = new QTableWidget(rows, columns, parent);
  grid->setObjectName(name);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setFocusPolicy(Qt::NoFocus);
  grid->setShowGrid(false);
  grid->verticalHeader()->setDefaultSectionSize(19);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  // 枠 and 馬 take what their numbers need; the mark columns share the rest.
  grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  if (columns > 3) grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  grid->setTextElideMode(Qt::ElideNone);
  grid->setItemDelegate(new GridCellDelegate(grid));
  return grid;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, int minWidth = 0) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setAlignment(Qt::AlignCenter);
  if (minWidth) label->setMinimumWidth(minWidth);
  return label;
}

QLabel* Caption(QWidget* parent, const char* text) { return new QLabel(U(text), parent); }

QLabel* Note(QWidget* parent) {
  auto* note = new QLabel(U("※非表示部分は出走取消やｵｯｽﾞがない部分です。"), parent);
  note->setObjectName("NoteLabel");
  return note;
}

}  // namespace

TRaceViewPanel::TRaceViewPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("RaceViewPanel");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  column->addWidget(BuildHeader());
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("PageControl1");
  tabs_->addTab(BuildWinOddsTab(), U("単勝オッズ"));
  tabs_->addTab(BuildSharesTab(), U("投票率"));
  tabs_->addTab(BuildShareGapTab(), U("単連差"));
  tabs_->addTab(BuildAppendixTab(), U("付録"));
  bracketPage_ = BuildPairTab(false);
  quinellaPage_ = BuildPairTab(true);
  tabs_->addTab(bracketPage_, U("枠連オッズ"));
  tabs_->addTab(quinellaPage_, U("馬連オッズ"));
  tabs_->addTab(BuildResultsTab(), U("成績結果"));
  tabs_->addTab(BuildBetTab(), U("買い目"));
  tabs_->addTab(BuildChartTab(), U("グラフ"));
  column->addWidget(tabs_, 1);
  ShowNothing();
}

QWidget* TRaceViewPanel::BuildHeader() {
  auto* bar = new QWidget(this);
  bar->setObjectName("RaceHeader");
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(2, 0, 2, 0);
  row->setSpacing(4);
  dateLabel_ = MakeLabel(bar, "DateLabel", 200);
  raceLabel_ = MakeLabel(bar, "RaceLabel", 36);
  fieldLabel_ = MakeLabel(bar, "FieldLabel", 40);
  fetchCountLabel_ = MakeLabel(bar, "FetchCountLabel", 36);
  upsetLabel_ = MakeLabel(bar, "UpsetLabel", 24);
  row->addWidget(dateLabel_);
  row->addWidget(raceLabel_);
  row->addWidget(fieldLabel_);
  row->addWidget(Caption(bar, "ﾃﾞｰﾀ取得回数"));
  row->addWidget(fetchCountLabel_);
  row->addWidget(Caption(bar, "波乱度"));
  row->addWidget(upsetLabel_);
  auto* payouts = new QGridLayout;
  payouts->setSpacing(1);
  result1_ = MakeLabel(bar, "Result1Label", 44);
  payout1_ = MakeLabel(bar, "Payout1Label", 64);
  result2_ = MakeLabel(bar, "Result2Label", 44);
  payout2_ = MakeLabel(bar, "Payout2Label", 64);
  payouts->addWidget(Caption(bar, "結果1"), 0, 0);
  payouts->addWidget(result1_, 0, 1);
  payouts->addWidget(Caption(bar, "配当1"), 0, 2);
  payouts->addWidget(payout1_, 0, 3);
  payouts->addWidget(Caption(bar, "結果2"), 1, 0);
  payouts->addWidget(result2_, 1, 1);
  payouts->addWidget(Caption(bar, "配当2"), 1, 2);
  payouts->addWidget(payout2_, 1, 3);
  row->addLayout(payouts);
  row->addStretch();
  return bar;
}

QWidget* TRaceViewPanel::BuildWinOddsTab() {
  auto* inner = new QTabWidget(this);
  inner->setObjectName("WinOddsTabs");
  auto* byHorse = new QWidget(inner);
  auto* col = new QVBoxLayout(byHorse);
  winOddsGrid_ = MakeOddsGrid(byHorse, "WinOddsGrid", kMaxRunners, {U("馬番"), "", "", ""});
  col->addWidget(winOddsGrid_);
  col->addWidget(Note(byHorse));
  inner->addTab(byHorse, U("馬番順"));
  auto* byRank = new QWidget(inner);
  auto* col2 = new QVBoxLayout(byRank);
  popularityGrid_ =
      MakeOddsGrid(byRank, "PopularityGrid", kMaxRunners, {U("人気"), U("馬番"), "", U("馬番"), "", U("馬番"), ""});
  col2->addWidget(popularityGrid_);
  col2->addWidget(Note(byRank));
  inner->addTab(byRank, U("人気順"));
  return inner;
}

QWidget* TRaceViewPanel::BuildSharesTab() {
  auto* inner = new QTabWidget(this);
  inner->setObjectName("ShareTabs");
  const QStringList headings = {U("馬番"), "", "", "", U("変化量")};
  auto* win = new QWidget(inner);
  auto* col = new QVBoxLayout(win);
  winShareGrid_ = MakeOddsGrid(win, "WinShareGrid", kMaxRunners, headings);
  col->addWidget(winShareGrid_);
  col->addWidget(Note(win));
  inner->addTab(win, U("単勝投票率"));
  auto* quinella = new QWidget(inner);
  auto* col2 = new QVBoxLayout(quinella);
  quinellaShareGrid_ = MakeOddsGrid(quinella, "QuinellaShareGrid", kMaxRunners, headings);
  col2->addWidget(quinellaShareGrid_);
  col2->addWidget(Note(quinella));
  inner->addTab(quinella, U("馬連投票率"));
  return inner;
}

QWidget* TRaceViewPanel::BuildShareGapTab() {
  auto* page = new QWidget(this);
  auto* col = new QVBoxLayout(page);
  auto* captions = new QHBoxLayout;
  captions->addWidget(Caption(page, "各回単連差"), 3, Qt::AlignCenter);
  captions->addStretch(3);
  col->addLayout(captions);
  shareGapGrid_ =
      MakeOddsGrid(page, "ShareGapGrid", kMaxRunners, {U("馬番"), "", "", "", U("最大単連差"), U("変化量")});
  col->addWidget(shareGapGrid_);
  col->addWidget(Note(page));
  return page;
}

QWidget* TRaceViewPanel::BuildAppendixTab() {
  auto* page = new QWidget(this);
  auto* col = new QVBoxLayout(page);
  appendixGrid_ = MakeOddsGrid(
      page, "AppendixGrid", kMaxRunners,
      {U("馬番"), U("単勝１回目\n順位"), U("単勝\n１回>3回"), U("単勝変化量\n順位"), U("馬連変化量\n順位")});
  // The ranks' red and blue need a light background to be read.
  appendixGrid_->setStyleSheet("QTableWidget { background-color: white; color: black; gridline-color: #c0c0c0; }");
  col->addWidget(appendixGrid_);
  return page;
}

QWidget* TRaceViewPanel::MakeButtonRow(QWidget* parent, ButtonGroup& group, const std::array<const char*, 3>& names,
                                       void (TRaceViewPanel::*slot)(int)) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  group.group = new QButtonGroup(box);
  group.group->setExclusive(true);
  const char* captions[] = {"1回目", "2回目", "3回目"};
  for (int s = 1; s <= kSnapshots; ++s) {
    auto* b = new QToolButton(box);
    b->setObjectName(names[I(s - 1)]);
    b->setText(U(captions[s - 1]));
    b->setCheckable(true);
    b->setMinimumWidth(52);
    group.buttons[I(s)] = b;
    group.group->addButton(b, s);
    row->addWidget(b);
    connect(b, &QToolButton::clicked, this, [this, slot, s] { (this->*slot)(s); });
  }
  return box;
}

QWidget* TRaceViewPanel::BuildPairTab(bool quinella) {
  auto* inner = new QTabWidget(this);
  inner->setObjectName(quinella ? "QuinellaTabs" : "BracketTabs");
  auto* table = new QWidget(inner);
  auto* col = new QVBoxLayout(table);
  auto* top = new QHBoxLayout;
  QLabel* time = MakeLabel(table, quinella ? "QuinellaTimeLabel" : "BracketTimeLabel", 80);
  auto* colour = new QPushButton(U("色分け"), table);
  colour->setObjectName(quinella ? "Button2" : "Button3");
  if (quinella) {
    top->addWidget(MakeButtonRow(table, quinellaButtons_, {"SpeedButton15", "SpeedButton16", "SpeedButton17"},
                                 &TRaceViewPanel::PairOddsTableQuinella));
    quinellaTime_ = time;
    connect(colour, &QPushButton::clicked, this, &TRaceViewPanel::Button2Click);
  } else {
    top->addWidget(MakeButtonRow(table, bracketButtons_, {"SpeedButton4", "SpeedButton13", "SpeedButton14"},
                                 &TRaceViewPanel::PairOddsTableBracket));
    bracketTime_ = time;
    connect(colour, &QPushButton::clicked, this, &TRaceViewPanel::Button3Click);
  }
  top->addWidget(time);
  top->addWidget(colour);
  top->addStretch();
  col->addLayout(top);
  // A triangle of pairs: row i, column j holds the pair i-j.
  const int size = quinella ? kMaxRunners - 1 : 8;
  QStringList headings;
  for (int j = 1; j <= size; ++j) headings << QString::number(quinella ? j + 1 : j);
  QTableWidget* grid = MakeOddsGrid(table, quinella ? "QuinellaOddsGrid" : "BracketOddsGrid", size, headings);
  grid->verticalHeader()->show();
  grid->setTextElideMode(Qt::ElideNone);
  if (quinella) {
    // 17 columns of odds up to "9999.9" must fit the designed window.
    QFont small = grid->font();
    small.setPointSize(8);
    grid->setFont(small);
    grid->horizontalHeader()->setMinimumSectionSize(30);
  }
  QStringList rows;
  for (int i = 1; i <= size; ++i) rows << QString::number(i);
  grid->setVerticalHeaderLabels(rows);
  for (int i = 0; i < size; ++i)
    for (int j = 0; j < size; ++j) {
      QTableWidgetItem* item = Cell(grid, i, j);
      if (j < i) item->setBackground(kUnusedCell);
    }
  col->addWidget(grid, 1);
  col->addWidget(Note(table));
  (quinella ? quinellaGrid_ : bracketGrid_) = grid;
  inner->addTab(table, quinella ? U("馬連順") : U("枠連順"));

  auto* lists = new QWidget(inner);
  auto* row = new QHBoxLayout(lists);
  for (int s = 1; s <= kSnapshots; ++s) {
    auto* c = new QVBoxLayout;
    QLabel* head = MakeLabel(lists, QString(quinella ? "umarenTime%1" : "wakurenTime%1").arg(s));
    auto* list = new QListWidget(lists);
    list->setObjectName(QString(quinella ? "umarenList%1" : "wakurenList%1").arg(s));
    list->setStyleSheet("QListWidget { background-color: black; color: #e0e0e0; }");
    QFont font = list->font();
    font.setStyleHint(QFont::TypeWriter);
    list->setFont(font);
    c->addWidget(head);
    c->addWidget(list, 1);
    row->addLayout(c);
    (quinella ? umarenLists_ : wakurenLists_)[I(s)] = list;
    (quinella ? umarenTimes_ : wakurenTimes_)[I(s)] = head;
  }
  inner->addTab(lists, U("人気順"));
  return inner;
}

QWidget* TRaceViewPanel::BuildResultsTab() {
  auto* page = new QWidget(this);
  auto* col = new QVBoxLayout(page);
  col->addWidget(Caption(page, "成績結果"));
  resultsGrid_ = MakeOddsGrid(page, "ResultsGrid", 21, {U("券種"), U("結果："), U("人気："), U("配当：")});
  resultsGrid_->setStyleSheet("QTableWidget { background-color: white; color: black; gridline-color: #c0c0c0; }");
  resultsGrid_->verticalHeader()->setDefaultSectionSize(18);
  const std::pair<const char*, int> kinds[] = {{"単勝", 3}, {"複勝", 5}, {"枠連", 3}, {"馬連", 3}, {"ワイド", 7}};
  int r = 0;
  for (const auto& [kind, count] : kinds)
    for (int k = 0; k < count; ++k, ++r) {
      Cell(resultsGrid_, r, 0)->setText(k == 0 ? U(kind) : QString());
      for (int c = 1; c <= 3; ++c) Cell(resultsGrid_, r, c);
    }
  col->addWidget(resultsGrid_);
  return page;
}

QWidget* TRaceViewPanel::BuildBetTab() {
  auto* page = new QWidget(this);
  page->setObjectName("BetPage");
  auto* grid = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  grids_[0] = MakeJudgementGrid(page, 9, 1, "StringGrid1");
  grids_[1] = MakeJudgementGrid(page, 7, 1, "StringGrid2");
  left->addWidget(Caption(page, "軸馬判定テーブル"));
  left->addWidget(grids_[0]);
  left->addWidget(Caption(page, "連対馬判定テーブル"));
  left->addWidget(grids_[1]);
  auto* right = new QVBoxLayout;
  grids_[2] = MakeJudgementGrid(page, 4, 1, "StringGrid3");
  grids_[3] = MakeJudgementGrid(page, 3, 2, "StringGrid4");
  right->addWidget(Caption(page, "買い目判定テーブル"));
  right->addWidget(grids_[2]);
  right->addWidget(Caption(page, "買い目リスト"));
  right->addWidget(grids_[3]);
  grid->addLayout(left, 5);
  grid->addLayout(right, 3);
  return page;
}

QWidget* TRaceViewPanel::BuildChartTab() {
  chartTabs_ = new QTabWidget(this);
  chartTabs_->setObjectName("ChartTabs");
  auto* each = new QWidget(chartTabs_);
  auto* col = new QVBoxLayout(each);
  auto* top = new QHBoxLayout;
  top->addWidget(MakeButtonRow(each, chartButtons_, {"SpeedButton8", "SpeedButton9", "SpeedButton10"},
                               &TRaceViewPanel::SnapshotChartButton));
  top->addWidget(Caption(each, "馬連１０倍未満："));
  shortQuinellaLabel_ = MakeLabel(each, "ShortQuinellaLabel", 48);
  top->addWidget(shortQuinellaLabel_);
  top->addStretch();
  col->addLayout(top);
  chart10_ = new ShareChartView("Chart10", each);
  col->addWidget(chart10_, 1);
  chartTabs_->addTab(each, U("各回データ"));
  chart6_ = new ShareChartView("Chart6", chartTabs_);
  chart7_ = new ShareChartView("Chart7", chartTabs_);
  chart1_ = new ShareChartView("Chart1", chartTabs_);
  chart8_ = new ShareChartView("Chart8", chartTabs_);
  chart9_ = new ShareChartView("Chart9", chartTabs_);
  chartTabs_->addTab(chart6_, U("単勝投票率"));
  chartTabs_->addTab(chart7_, U("馬連投票率"));
  chartTabs_->addTab(chart1_, U("単連差"));
  chartTabs_->addTab(chart8_, U("単勝投票率変化量"));
  chartTabs_->addTab(chart9_, U("馬連投票率変化量"));
  winChangePage_ = chart8_;
  quinellaChangePage_ = chart9_;
  return chartTabs_;
}

ShareChartView* TRaceViewPanel::chart(const QString& name) const { return findChild<ShareChartView*>(name); }

QToolButton* TRaceViewPanel::snapshotButton(const QString& name) const { return findChild<QToolButton*>(name); }

void TRaceViewPanel::SetTabVisible(QWidget* page, bool visible) {
  QTabWidget* owner = page == winChangePage_ || page == quinellaChangePage_ ? chartTabs_ : tabs_;
  owner->setTabVisible(owner->indexOf(page), visible);
}

void TRaceViewPanel::ShowNothing() {
  static const RaceDayModel empty;
  model_ = nullptr;
  Show(empty, BuildRaceView(empty, -1));
  model_ = nullptr;
}

void TRaceViewPanel::ClearBetGrid() { ShowGrid(4, EmptyBetGrid()); }

void TRaceViewPanel::ClearSnapshotChart() { chart10_->Clear(); }

void TRaceViewPanel::Show(const RaceDayModel& model, const RaceView& v) {
  model_ = &model;
  view_ = v;
  // Filled out of sight, so the window does not flicker through the steps.
  tabs_->setUpdatesEnabled(false);
  dateLabel_->setText(ToQt(v.header.dateLine));
  raceLabel_->setText(ToQt(v.header.raceLine));
  fieldLabel_->setText(ToQt(v.header.fieldLine));
  fetchCountLabel_->setText(ToQt(v.header.fetchCount));
  upsetLabel_->setText(ToQt(v.header.upsetDegree));
  payout1_->setText(ToQt(v.header.payout1));
  result1_->setText(ToQt(v.header.result1));
  payout2_->setText(ToQt(v.header.payout2));
  result2_->setText(ToQt(v.header.result2));
  ShowGroups(v);
  ShowPopularity(v);
  if (v.slot >= 0) {
    SetTabVisible(bracketPage_, v.bracketTabVisible);
    SetTabVisible(quinellaPage_, v.quinellaTabVisible);
  }
  SetTabVisible(winChangePage_, v.changeTabsVisible);
  SetTabVisible(quinellaChangePage_, v.changeTabsVisible);
  ApplyButtons(bracketButtons_, v.bracketButtons);
  ApplyButtons(quinellaButtons_, v.quinellaButtons);
  ApplyButtons(chartButtons_, v.chartButtons);
  ShowTable(v.bracketTable, false);
  ShowTable(v.quinellaTable, true);
  shortQuinellaLabel_->setText(ToQt(v.shortQuinella));
  ShowCharts(v);
  for (int n = 1; n <= 4; ++n) ShowGrid(n, v.grids[I(n - 1)]);
  ShowResults(v.results);
  tabs_->setUpdatesEnabled(true);
}

void TRaceViewPanel::ShowGroups(const RaceView& v) {
  for (int s = 1; s <= kSnapshots; ++s) {
    const QString winTime = ToQt(v.winTimes[I(s)]);
    const QString quinellaTime = ToQt(v.quinellaTimes[I(s)]);
    SetHeading(winOddsGrid_, s, winTime);
    SetHeading(popularityGrid_, 2 * s, winTime);
    SetHeading(winShareGrid_, s, winTime);
    SetHeading(shareGapGrid_, s, winTime);
    SetHeading(quinellaShareGrid_, s, quinellaTime);
    wakurenTimes_[I(s)]->setText(winTime);
    umarenTimes_[I(s)]->setText(quinellaTime);
  }
  for (int h = 1; h <= kMaxRunners; ++h) {
    const int r = h - 1;
    const QString number = QString::number(h);
    for (QTableWidget* grid : {winOddsGrid_, winShareGrid_, quinellaShareGrid_, shareGapGrid_, appendixGrid_})
      SetField(grid, r, 0, number);
    SetField(popularityGrid_, r, 0, number);
    for (int s = 1; s <= kSnapshots; ++s) {
      SetField(winOddsGrid_, r, s, v.winOdds[I(h)][I(s)]);
      SetField(popularityGrid_, r, 2 * s - 1, ToQt(v.popularityHorse[I(h)][I(s)]));
      SetField(popularityGrid_, r, 2 * s, v.popularityOdds[I(h)][I(s)]);
      SetField(winShareGrid_, r, s, ToQt(v.winShare[I(h)][I(s)]));
      SetField(quinellaShareGrid_, r, s, ToQt(v.quinellaShare[I(h)][I(s)]));
      SetField(shareGapGrid_, r, s, ToQt(v.shareGap[I(h)][I(s)]));
    }
    SetField(winShareGrid_, r, 4, ToQt(v.winShareChange[I(h)]));
    SetField(quinellaShareGrid_, r, 4, ToQt(v.quinellaShareChange[I(h)]));
    SetField(shareGapGrid_, r, 4, ToQt(v.maxShareGap[I(h)]));
    SetField(shareGapGrid_, r, 5, ToQt(v.shareGapChange[I(h)]));
    // The appendix is dark text on white; its ranks are red or blue.
    auto setAppendix = [this, r](int c, const ColouredText& t) {
      QTableWidgetItem* item = Cell(appendixGrid_, r, c);
      item->setText(ToQt(t.text));
      item->setForeground(t.colour ? ToColor(*t.colour) : QColor(Qt::black));
    };
    setAppendix(0, {std::to_string(h), std::nullopt});
    setAppendix(1, {v.firstWinRank[I(h)], std::nullopt});
    setAppendix(2, {v.driftMark[I(h)], std::nullopt});
    setAppendix(3, v.winChangeRank[I(h)]);
    setAppendix(4, v.quinellaChangeRank[I(h)]);
  }
}

void TRaceViewPanel::ShowPopularity(const RaceView& v) {
  for (int s = 1; s <= kSnapshots; ++s) {
    wakurenLists_[I(s)]->clear();
    for (const std::string& line : v.bracketPopularity[I(s)]) wakurenLists_[I(s)]->addItem(ToQt(line));
    umarenLists_[I(s)]->clear();
    for (const std::string& line : v.quinellaPopularity[I(s)]) umarenLists_[I(s)]->addItem(ToQt(line));
  }
}

void TRaceViewPanel::ApplyButtons(ButtonGroup& group, const SnapshotButtons& state) {
  // An exclusive group always keeps one button down; lift it to show none.
  group.group->setExclusive(false);
  for (int s = 1; s <= kSnapshots; ++s) {
    group.buttons[I(s)]->setEnabled(state.enabled[I(s)]);
    group.buttons[I(s)]->setChecked(state.pressed == s);
  }
  group.group->setExclusive(true);
}

void TRaceViewPanel::ShowTable(const PairOddsTable& table, bool quinella) {
  QTableWidget* grid = quinella ? quinellaGrid_ : bracketGrid_;
  (quinella ? quinellaTime_ : bracketTime_)->setText(ToQt(table.time));
  for (size_t j = 1; j < table.labels.size(); ++j) {
    const std::string& label = table.labels[j];
    const int a = std::stoi(label.substr(0, 2)), b = std::stoi(label.substr(3, 2));
    const int row = a - 1, column = quinella ? b - 2 : b - 1;
    // The odds are right-aligned texts; the cells centre them without the padding.
    SetField(grid, row, column, j < table.fields.size() ? ToQt(table.fields[j].text).trimmed() : QString());
  }
  // Each fill ends with its colour coding.
  quinella ? Button2Click() : Button3Click();
}

namespace {

// OddsColourRule on every field of a pair table that holds odds.
void ColourCode(QTableWidget* grid) {
  for (int r = 0; r < grid->rowCount(); ++r)
    for (int c = 0; c < grid->columnCount(); ++c) {
      QTableWidgetItem* item = grid->item(r, c);
      if (!item) continue;
      const std::optional<Rgb> colour = OddsFieldColour(FromQt(item->text()));
      item->setForeground(colour ? ToColor(*colour) : kLightText);
    }
}

}  // namespace

void TRaceViewPanel::Button3Click() { ColourCode(bracketGrid_); }
void TRaceViewPanel::Button2Click() { ColourCode(quinellaGrid_); }

void TRaceViewPanel::PairOddsTableBracket(int s) {
  if (!model_ || view_.slot < 0) return;
  ShowTable(BracketOddsTable(model_->slots[I(view_.slot)], s), false);
}

void TRaceViewPanel::PairOddsTableQuinella(int s) {
  if (!model_ || view_.slot < 0) return;
  ShowTable(QuinellaOddsTable(model_->slots[I(view_.slot)], s), true);
}

void TRaceViewPanel::SnapshotChartButton(int s) {
  if (!model_ || view_.slot < 0) return;
  chart10_->Render(SnapshotChart(view_, s));
  shortQuinellaLabel_->setText(
      ToQt(std::to_string(model_->slots[I(view_.slot)].analysis.shortQuinellaCount[I(s)]) + Sjis("個")));
}

void TRaceViewPanel::ShowCharts(const RaceView& v) {
  chart10_->Render(v.snapshotChart);
  chart6_->Render(v.charts.winShare);
  chart7_->Render(v.charts.quinellaShare);
  chart1_->Render(v.charts.shareGap);
  chart8_->Render(v.charts.winChange);
  chart9_->Render(v.charts.quinellaChange);
}

void TRaceViewPanel::ShowGrid(int n, const JudgementGrid& g) {
  QTableWidget* grid = grids_[I(n - 1)];
  grid->setRowCount(static_cast<int>(g.rows.size()));
  const QColor tooltip = QToolTip::palette().color(QPalette::ToolTipBase);
  for (size_t r = 0; r < g.rows.size(); ++r)
    for (size_t c = 0; c < g.rows[r].size(); ++c) {
      const GridCell& cell = g.rows[r][c];
      QTableWidgetItem* item = Cell(grid, static_cast<int>(r), static_cast<int>(c));
      item->setText(ToQt(cell.text));
      item->setBackground(cell.tooltipBackground ? tooltip : ToColor(cell.background));
      item->setForeground(QColor(Qt::black));
      item->setData(GridCellDelegate::kStrikeRole, cell.strikeThrough);
    }
}

void TRaceViewPanel::ShowResults(const ResultsPanel& p) {
  int r = 0;
  auto put = [this, &r](const ResultEntry& e) {
    Cell(resultsGrid_, r, 1)->setText(ToQt(e.result));
    Cell(resultsGrid_, r, 2)->setText(ToQt(e.popularity));
    Cell(resultsGrid_, r, 3)->setText(ToQt(e.payout));
    ++r;
  };
  for (const auto& e : p.win) put(e);
  for (const auto& e : p.place) put(e);
  for (const auto& e : p.bracket) put(e);
  for (const auto& e : p.quinella) put(e);
  for (const auto& e : p.wide) put(e);
}

}  // namespace tw
