#include "gui/raceview/race_view_cells.h"

#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "gui/qt_text.h"
#include "gui/raceview/grid_cell_delegate.h"

namespace tw {

QTableWidgetItem* Cell(QTableWidget* grid, int row, int column) {
  QTableWidgetItem* item = grid->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    item->setTextAlignment(Qt::AlignCenter);
    grid->setItem(row, column, item);
  }
  return item;
}

void SetField(QTableWidget* grid, int row, int column, const QString& text, const std::optional<Colour>& colour) {
  QTableWidgetItem* item = Cell(grid, row, column);
  item->setText(text);
  item->setForeground(colour ? ToColor(*colour) : kLightText);
}

void SetField(QTableWidget* grid, int row, int column, const ColouredText& t) {
  SetField(grid, row, column, ToQt(t.text), t.colour);
}

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
  // The header row on silver stays in view while the horses scroll.
  grid->horizontalHeader()->setHighlightSections(false);
  grid->horizontalHeader()->setStyleSheet(
      "QHeaderView::section { background-color: silver; color: black; border: 1px solid #a0a0a0; padding: 0px; }");
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

QLabel* MakeValueLabel(QWidget* parent, const QString& name, int minWidth) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setAlignment(Qt::AlignCenter);
  if (minWidth) label->setMinimumWidth(minWidth);
  return label;
}

QLabel* Caption(QWidget* parent, const char* utf8) { return new QLabel(FromUtf8(utf8), parent); }

QLabel* Note(QWidget* parent) {
  auto* note = new QLabel(FromUtf8("※非表示部分は出走取消やｵｯｽﾞがない部分です。"), parent);
  note->setObjectName("NoteLabel");
  return note;
}

}  // namespace tw
