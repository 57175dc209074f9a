#include "gui/file_dialog_columns.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemModel>

namespace tw {

namespace {

constexpr int kTypeColumn = 2;
constexpr int kDateColumn = 3;
const char* const kDateFormat = "yyyy/MM/dd HH:mm";

}  // namespace

QString FileDialogColumns::WidestType() { return QStringLiteral("JPEG ファイル"); }

QString FileDialogColumns::WidestDate() { return QStringLiteral("0000/00/00 00:00"); }

QVariant FileDialogColumns::data(const QModelIndex& index, int role) const {
  const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
  const int column = index.column();
  if (!files || role != Qt::DisplayRole || (column != kTypeColumn && column != kDateColumn))
    return QIdentityProxyModel::data(index, role);
  const QModelIndex source = mapToSource(index);
  const QFileInfo info = files->fileInfo(source);
  if (column == kDateColumn) return info.lastModified().toString(QString::fromLatin1(kDateFormat));
  if (info.isDir()) return QStringLiteral("フォルダ");
  const QString suffix = info.suffix().toUpper();
  return suffix.isEmpty() ? QStringLiteral("ファイル") : suffix + QStringLiteral(" ファイル");
}

}  // namespace tw
