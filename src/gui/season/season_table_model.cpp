#include "gui/season/season_table_model.h"

#include "gui/qt_text.h"

namespace tw {

void SeasonTableModel::SetTable(const SeasonTable& table) {
  beginResetModel();
  headings_.clear();
  alignRight_.clear();
  for (const SeasonColumn& column : table.columns) {
    headings_ << ToQt(column.heading);
    alignRight_ << column.alignRight;
  }
  texts_.clear();
  values_.clear();
  // Converted once here: a sort asks for every cell many times.
  for (const auto& row : table.rows) {
    QStringList texts;
    QVector<double> values;
    for (const SeasonCell& cell : row) {
      texts << ToQt(cell.text);
      values << cell.sortValue;
    }
    texts_ << texts;
    values_ << values;
  }
  endResetModel();
}

void SeasonTableModel::Clear(const std::vector<SeasonColumn>& columns) {
  SeasonTable empty;
  empty.columns = columns;
  SetTable(empty);
}

int SeasonTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

int SeasonTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant SeasonTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= texts_.size() || index.column() >= headings_.size()) return {};
  const int row = index.row(), column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return column < texts_[row].size() ? texts_[row][column] : QString();
    case Qt::TextAlignmentRole:
      // As an int, which every Qt 6 view reads.
      return static_cast<int>(Qt::AlignVCenter | (alignRight_[column] ? Qt::AlignRight : Qt::AlignLeft));
    case kSortRole:
      return column < values_[row].size() ? values_[row][column] : 0.0;
    default:
      return {};
  }
}

QVariant SeasonTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= headings_.size()) return {};
  if (role == Qt::DisplayRole) return headings_[section];
  return {};
}

}  // namespace tw
