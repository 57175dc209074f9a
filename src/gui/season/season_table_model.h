// A table of the season report (season/season_table.h) as a Qt item model:
// the cells' texts to show, numbers to the right, and the value each cell
// sorts by under kSortRole, so that a sort proxy orders by the figures
// rather than by their texts.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

#include "season/season_table.h"

namespace tw {

class SeasonTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kSortRole = Qt::UserRole;

  explicit SeasonTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  // Shows `table` in place of the one before (its columns included).
  void SetTable(const SeasonTable& table);
  // The columns of `table` without rows.
  void Clear(const std::vector<SeasonColumn>& columns);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  QStringList headings_;
  QVector<bool> alignRight_;
  QVector<QStringList> texts_;       // [row][column]
  QVector<QVector<double>> values_;  // [row][column]
};

}  // namespace tw
