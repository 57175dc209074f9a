#include "gui/raceview/grid_cell_delegate.h"

#include <QPainter>

namespace tw {

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  painter->save();
  const QVariant background = index.data(Qt::BackgroundRole);
  painter->fillRect(option.rect, background.isValid() ? background.value<QBrush>() : QBrush(Qt::white));
  const QVariant foreground = index.data(Qt::ForegroundRole);
  painter->setPen(foreground.isValid() ? foreground.value<QBrush>().color() : QColor(Qt::black));
  painter->setFont(option.font);
  painter->drawText(option.rect, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
  if (index.data(kStrikeRole).toBool()) {
    painter->setPen(QPen(Qt::black, 1));
    painter->drawLine(option.rect.topLeft(), option.rect.bottomRight());
  }
  // Grid lines are drawn by the view; keep a thin frame so adjacent cells of
  // the same colour stay apart.
  painter->setPen(QPen(QColor(160, 160, 160), 0));
  painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
  painter->restore();
}

}  // namespace tw
