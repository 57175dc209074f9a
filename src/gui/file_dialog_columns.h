// The type and date columns of Qt's file dialogs in Japanese: Qt writes the
// type ("Folder") untranslated and the date in the system's language, which
// need not be Japanese.
#pragma once

#include <QIdentityProxyModel>

namespace tw {

class FileDialogColumns : public QIdentityProxyModel {
  Q_OBJECT

 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  // Samples of the widest texts of the columns, for their widths.
  static QString WidestType();
  static QString WidestDate();

  QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace tw
