#include "gui/bet_tab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include "gui/grid_cell_delegate.h"
#include "gui/qt_text.h"
#include "gui/race_view_cells.h"

namespace tw {

BetTab::BetTab(QWidget* parent) : QWidget(parent) {
  setObjectName("BetPage");
  auto* grid = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  QTableWidget* axis = MakeJudgementGrid(this, 9, 1, "AxisGrid");
  QTableWidget* partner = MakeJudgementGrid(this, 7, 1, "PartnerGrid");
  left->addWidget(Caption(this, "軸馬判定テーブル"));
  left->addWidget(axis);
  left->addWidget(Caption(this, "連対馬判定テーブル"));
  left->addWidget(partner);
  auto* right = new QVBoxLayout;
  QTableWidget* decision = MakeJudgementGrid(this, 4, 1, "DecisionGrid");
  QTableWidget* bets = MakeJudgementGrid(this, 3, 2, "BetListGrid");
  right->addWidget(Caption(this, "買い目判定テーブル"));
  right->addWidget(decision);
  right->addWidget(Caption(this, "買い目リスト"));
  right->addWidget(bets);
  grid->addLayout(left, 5);
  grid->addLayout(right, 3);
  grids_ = {axis, partner, decision, bets};
}

void BetTab::Show(const JudgementGrid& g) {
  QTableWidget* table = grid(g.kind);
  table->setRowCount(static_cast<int>(g.rows.size()));
  const QColor tooltip = QToolTip::palette().color(QPalette::ToolTipBase);
  for (size_t r = 0; r < g.rows.size(); ++r)
    for (size_t c = 0; c < g.rows[r].size(); ++c) {
      const GridCell& cell = g.rows[r][c];
      QTableWidgetItem* item = Cell(table, static_cast<int>(r), static_cast<int>(c));
      item->setText(ToQt(cell.text));
      item->setBackground(cell.tooltipBackground ? tooltip : ToColor(cell.background));
      item->setForeground(QColor(Qt::black));
      item->setData(GridCellDelegate::kStrikeRole, cell.strikeThrough);
    }
}

}  // namespace tw
