#include "gui/raceview/bet_tab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/raceview/grid_cell_delegate.h"
#include "gui/raceview/race_view_cells.h"

namespace tw {

BetTab::BetTab(QWidget* parent) : QWidget(parent) {
  setObjectName("BetPage");
  auto* grid = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  QTableWidget* axis = MakeJudgementGrid(this, 9, 0, "AxisGrid");
  QTableWidget* partner = MakeJudgementGrid(this, 7, 0, "PartnerGrid");
  left->addWidget(Caption(this, "軸馬判定テーブル"));
  left->addWidget(axis);
  left->addWidget(Caption(this, "連対馬判定テーブル"));
  left->addWidget(partner);
  auto* right = new QVBoxLayout;
  QTableWidget* decision = MakeJudgementGrid(this, 4, 0, "DecisionGrid");
  QTableWidget* bets = MakeJudgementGrid(this, 3, 1, "BetListGrid");
  right->addWidget(Caption(this, "買い目判定テーブル"));
  right->addWidget(decision);
  right->addWidget(Caption(this, "買い目リスト"));
  right->addWidget(bets);
  grid->addLayout(left, 5);
  grid->addLayout(right, 3);
  grids_ = {axis, partner, decision, bets};
  // The three grids of horses scroll as one, so that a row reads across them.
  for (QTableWidget* from : {axis, partner, decision})
    for (QTableWidget* to : {axis, partner, decision})
      if (from != to)
        connect(from->verticalScrollBar(), &QScrollBar::valueChanged, to->verticalScrollBar(), &QScrollBar::setValue);
}

namespace {

// Digits on a dark cell (the red and blue brackets) are drawn white.
QColor TextColourOn(const QColor& background) {
  const int luma = (299 * background.red() + 587 * background.green() + 114 * background.blue()) / 1000;
  return luma < 100 ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace

void BetTab::Show(const JudgementGrid& g) {
  QTableWidget* table = grid(g.kind);
  if (g.rows.empty()) return;
  for (size_t c = 0; c < g.rows[0].size(); ++c) {
    QTableWidgetItem* heading = table->horizontalHeaderItem(static_cast<int>(c));
    if (!heading) {
      heading = new QTableWidgetItem;
      table->setHorizontalHeaderItem(static_cast<int>(c), heading);
    }
    heading->setText(ToQt(g.rows[0][c].text));
  }
  table->setRowCount(static_cast<int>(g.rows.size()) - 1);
  const QColor tooltip = QToolTip::palette().color(QPalette::ToolTipBase);
  for (size_t r = 1; r < g.rows.size(); ++r)
    for (size_t c = 0; c < g.rows[r].size(); ++c) {
      const GridCell& cell = g.rows[r][c];
      QTableWidgetItem* item = Cell(table, static_cast<int>(r) - 1, static_cast<int>(c));
      item->setText(ToQt(cell.text));
      const QColor background = cell.tooltipBackground ? tooltip : ToColor(cell.background);
      item->setBackground(background);
      item->setForeground(TextColourOn(background));
      item->setData(GridCellDelegate::kStrikeRole, cell.strikeThrough);
    }
}

}  // namespace tw
