#include "gui/raceview/pair_odds_tab.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "gui/qt_text.h"
#include "gui/raceview/race_view_cells.h"
#include "gui/raceview/snapshot_button_row.h"
#include "view/colours.h"

namespace tw {

namespace {

const QColor kUnusedCell(48, 48, 48);

// Row and column of pair j in the triangle: row i, column j holds the pair i-j.
std::pair<int, int> CellOfPair(PairKind kind, size_t j) {
  const PairNumbers& pair = PairNumbersAt(kind, static_cast<int>(j));
  return {pair.first - 1, kind == PairKind::kQuinella ? pair.second - 2 : pair.second - 1};
}

}  // namespace

PairOddsTab::PairOddsTab(PairKind kind, QWidget* parent) : QTabWidget(parent), kind_(kind) {
  const bool quinella = kind_ == PairKind::kQuinella;
  setObjectName(quinella ? "QuinellaTabs" : "BracketTabs");
  addTab(BuildTablePage(), quinella ? FromUtf8("馬連順") : FromUtf8("枠連順"));
  addTab(BuildPopularityPage(), FromUtf8("人気順"));
}

QWidget* PairOddsTab::BuildTablePage() {
  const bool quinella = kind_ == PairKind::kQuinella;
  const QString prefix = quinella ? "Quinella" : "Bracket";
  auto* table = new QWidget(this);
  auto* col = new QVBoxLayout(table);
  auto* top = new QHBoxLayout;
  tableTime_ = MakeValueLabel(table, prefix + "TimeLabel", 80);
  auto* colour = new QPushButton(FromUtf8("色分け"), table);
  colour->setObjectName(prefix + "ColourButton");
  buttons_ = new SnapshotButtonRow(prefix + "Snapshot", table);
  connect(buttons_, &SnapshotButtonRow::snapshotChosen, this, &PairOddsTab::snapshotChosen);
  connect(colour, &QPushButton::clicked, this, &PairOddsTab::ColourOdds);
  top->addWidget(buttons_);
  top->addWidget(tableTime_);
  top->addWidget(colour);
  top->addStretch();
  col->addLayout(top);
  // A triangle of pairs: row i, column j holds the pair i-j.
  const int size = quinella ? kMaxRunners - 1 : 8;
  QStringList headings;
  for (int j = 1; j <= size; ++j) headings << QString::number(quinella ? j + 1 : j);
  grid_ = MakeOddsGrid(table, prefix + "OddsGrid", size, headings);
  grid_->verticalHeader()->show();
  grid_->setTextElideMode(Qt::ElideNone);
  if (quinella) {
    // 17 columns of odds up to "9999.9" must fit the designed window.
    QFont small = grid_->font();
    small.setPointSize(8);
    grid_->setFont(small);
    grid_->horizontalHeader()->setMinimumSectionSize(30);
  }
  QStringList rows;
  for (int i = 1; i <= size; ++i) rows << QString::number(i);
  grid_->setVerticalHeaderLabels(rows);
  for (int i = 0; i < size; ++i)
    for (int j = 0; j < size; ++j) {
      QTableWidgetItem* item = Cell(grid_, i, j);
      if (j < i) item->setBackground(kUnusedCell);
    }
  col->addWidget(grid_, 1);
  col->addWidget(Note(table));
  return table;
}

QWidget* PairOddsTab::BuildPopularityPage() {
  const QString prefix = kind_ == PairKind::kQuinella ? "Quinella" : "Bracket";
  auto* lists = new QWidget(this);
  auto* row = new QHBoxLayout(lists);
  for (int s = 1; s <= kSnapshots; ++s) {
    auto* c = new QVBoxLayout;
    QLabel* head = MakeValueLabel(lists, prefix + QString("PopularityTime%1").arg(s));
    auto* list = new QListWidget(lists);
    list->setObjectName(prefix + QString("PopularityList%1").arg(s));
    list->setStyleSheet("QListWidget { background-color: black; color: #e0e0e0; }");
    QFont font = list->font();
    font.setStyleHint(QFont::TypeWriter);
    list->setFont(font);
    c->addWidget(head);
    c->addWidget(list, 1);
    row->addLayout(c);
    popularityLists_[Index(s)] = list;
    popularityTimes_[Index(s)] = head;
  }
  return lists;
}

QToolButton* PairOddsTab::snapshotButton(int snapshot) const { return buttons_->button(snapshot); }

void PairOddsTab::Show(const RaceView& v) {
  const bool quinella = kind_ == PairKind::kQuinella;
  for (int s = 1; s <= kSnapshots; ++s) {
    // The bracket lists come with the win odds, so they carry the win times.
    popularityTimes_[Index(s)]->setText(ToQt(quinella ? v.quinellaTimes[Index(s)] : v.winTimes[Index(s)]));
    QListWidget* list = popularityLists_[Index(s)];
    list->clear();
    for (const std::string& line : quinella ? v.quinellaPopularity[Index(s)] : v.bracketPopularity[Index(s)])
      list->addItem(ToQt(line));
  }
  buttons_->Apply(quinella ? v.quinellaButtons : v.bracketButtons);
  ShowTable(quinella ? v.quinellaTable : v.bracketTable);
}

void PairOddsTab::ShowTable(const PairOddsTable& table) {
  tableTime_->setText(ToQt(table.time));
  table_ = table;
  for (size_t j = 1; j < table.labels.size(); ++j) {
    const auto [row, column] = CellOfPair(kind_, j);
    // The odds are right-aligned texts; the cells centre them without the padding.
    SetField(grid_, row, column, j < table.fields.size() ? ToQt(table.fields[j].text).trimmed() : QString());
  }
  // Each fill ends with its colour coding.
  ColourOdds();
}

void PairOddsTab::ColourOdds() {
  // The colours the view gave the table's odds; every other field light.
  for (int r = 0; r < grid_->rowCount(); ++r)
    for (int c = 0; c < grid_->columnCount(); ++c)
      if (QTableWidgetItem* item = grid_->item(r, c)) item->setForeground(kLightText);
  for (size_t j = 1; j < table_.labels.size() && j < table_.fields.size(); ++j) {
    const std::optional<Colour>& colour = table_.fields[j].colour;
    const auto [row, column] = CellOfPair(kind_, j);
    QTableWidgetItem* item = grid_->item(row, column);
    if (item && colour) item->setForeground(ToColor(*colour));
  }
}

}  // namespace tw
