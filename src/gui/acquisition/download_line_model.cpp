#include "gui/acquisition/download_line_model.h"

#include <algorithm>

#include "gui/qt_text.h"

namespace tw {

DownloadLineModel::DownloadLineModel(QObject* parent, int keptLines)
    : QAbstractListModel(parent), keptLimit_(std::max(keptLines, 1)) {}

int DownloadLineModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : headerRows() + keptLines();
}

QString DownloadLineModel::DroppedText(qint64 dropped) {
  return FromUtf8("（これより前の") + QString::number(dropped) + FromUtf8("行は省略）");
}

QString DownloadLineModel::Text(int row) const {
  if (row < 0 || row >= rowCount()) return QString();
  if (row < headerRows()) return DroppedText(dropped_);
  return lines_[static_cast<size_t>(row - headerRows())];
}

QVariant DownloadLineModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return QVariant();
  return Text(index.row());
}

void DownloadLineModel::Append(const QStringList& lines, qint64 unseenBefore) {
  if (lines.isEmpty() && unseenBefore <= 0) return;
  unseenBefore = std::max<qint64>(unseenBefore, 0);
  const qsizetype limit = keptLimit_;
  const qsizetype kept = static_cast<qsizetype>(lines_.size());
  const qsizetype fresh = std::min(lines.size(), limit);  // of the new lines, those that stay
  const qsizetype skipped = lines.size() - fresh;
  // The kept lines that make room; all of them when unseen lines lie between
  // them and the new ones, as the list shows only the last lines in a row.
  const qsizetype removed = unseenBefore > 0 ? kept : std::max<qsizetype>(0, kept + fresh - limit);
  auto push = [&] {
    for (qsizetype i = skipped; i < lines.size(); ++i) lines_.push_back(lines[i]);
  };

  // The first lines let go, or a batch that replaces every line: all anew.
  const qint64 gone = removed + skipped + unseenBefore;
  if ((headerRows() == 0 && gone > 0) || fresh == limit || unseenBefore > 0) {
    beginResetModel();
    lines_.erase(lines_.begin(), lines_.begin() + removed);
    dropped_ += gone;
    push();
    endResetModel();
    return;
  }
  if (removed > 0) {
    const int first = headerRows();
    beginRemoveRows(QModelIndex(), first, first + static_cast<int>(removed) - 1);
    lines_.erase(lines_.begin(), lines_.begin() + removed);
    dropped_ += removed;
    endRemoveRows();
    Q_EMIT dataChanged(index(0), index(0), {Qt::DisplayRole});
  }
  const int first = rowCount();
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(fresh) - 1);
  push();
  endInsertRows();
}

void DownloadLineModel::Clear() {
  beginResetModel();
  lines_.clear();
  dropped_ = 0;
  endResetModel();
}

}  // namespace tw
