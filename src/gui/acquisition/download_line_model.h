// The lines of the download window's list "作成済みデータ". A set-up
// download makes a line per stored record, over a million of them: the model
// keeps only the last ones, and once earlier lines were let go its first row
// says how many.
#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <deque>

namespace tw {

class DownloadLineModel : public QAbstractListModel {
  Q_OBJECT

 public:
  static constexpr int kKeptLines = 10000;

  explicit DownloadLineModel(QObject* parent = nullptr, int keptLines = kKeptLines);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // Appends the lines as one change of the model. `unseenBefore` lines came
  // before them but were let go before they got here.
  void Append(const QStringList& lines, qint64 unseenBefore = 0);
  void Clear();

  // Lines let go so far, and the lines kept.
  qint64 dropped() const { return dropped_; }
  int keptLines() const { return static_cast<int>(lines_.size()); }
  // The text of a row, the count of dropped lines included.
  QString Text(int row) const;
  static QString DroppedText(qint64 dropped);

 private:
  int headerRows() const { return dropped_ > 0 ? 1 : 0; }

  std::deque<QString> lines_;
  int keptLimit_;
  qint64 dropped_ = 0;
};

}  // namespace tw
