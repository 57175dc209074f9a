#include "gui/raceview/horse_name_tips.h"

#include <QHelpEvent>
#include <QTableWidget>
#include <QToolTip>

#include "gui/qt_text.h"

namespace tw {

namespace {

bool IsHorseHeading(const QTableWidgetItem* heading) {
  return heading && (heading->text() == FromUtf8("馬番") || heading->text() == FromUtf8("馬"));
}

}  // namespace

void HorseNameTips::WatchCells(QTableWidget* table) { table->viewport()->installEventFilter(this); }

void HorseNameTips::WatchHeadings(QTableWidget* table) {
  headingTables_.push_back(table);
  NameHeadings(table);
}

void HorseNameTips::Show(const RaceCard& card) {
  names_.assign(static_cast<size_t>(kMaxRunners) + 1, QString());
  for (const RaceCardRow& row : card.rows)
    if (row.horse >= 1 && row.horse <= kMaxRunners) names_[static_cast<size_t>(row.horse)] = ToQt(row.name);
  for (QTableWidget* table : headingTables_) NameHeadings(table);
}

QString HorseNameTips::NameOf(int horse) const {
  return horse >= 1 && static_cast<size_t>(horse) < names_.size() ? names_[static_cast<size_t>(horse)] : QString();
}

void HorseNameTips::NameHeadings(QTableWidget* table) const {
  for (int c = 0; c < table->columnCount(); ++c)
    if (QTableWidgetItem* heading = table->horizontalHeaderItem(c))
      heading->setToolTip(NameOf(heading->text().toInt()));
  for (int r = 0; r < table->rowCount(); ++r)
    if (QTableWidgetItem* heading = table->verticalHeaderItem(r)) heading->setToolTip(NameOf(heading->text().toInt()));
}

bool HorseNameTips::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip) return false;
  auto* table = qobject_cast<QTableWidget*>(watched->parent());
  if (!table) return false;
  const auto* help = static_cast<QHelpEvent*>(event);
  const QTableWidgetItem* item = table->itemAt(help->pos());
  if (!item || !IsHorseHeading(table->horizontalHeaderItem(item->column()))) return false;
  const QString name = NameOf(item->text().trimmed().toInt());
  if (name.isEmpty()) return false;
  QToolTip::showText(help->globalPos(), name, table->viewport(), table->visualItemRect(item));
  return true;
}

}  // namespace tw
