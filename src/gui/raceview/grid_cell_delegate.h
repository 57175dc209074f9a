// Owner-drawn cells of the judgement grids: the cell's background, its text
// centred, and the struck-through empty bet cell.
#pragma once

#include <QStyledItemDelegate>

namespace tw {

class GridCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // Item data role holding true for a cell to be struck through.
  static constexpr int kStrikeRole = Qt::UserRole + 1;

  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace tw
