#include "gui/file_dialogs.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QListView>
#include <QStyle>
#include <QTreeView>
#include <algorithm>

#include "gui/file_dialog_columns.h"

namespace tw {

namespace {

constexpr int kNameColumnWidth = 220;

// The width of the widest text of the view's first column.
int WidestText(const QAbstractItemView& view) {
  int widest = 0;
  const QFontMetrics metrics(view.font());
  if (const QAbstractItemModel* model = view.model()) {
    for (int row = 0; row < model->rowCount(view.rootIndex()); ++row) {
      const QString text = model->index(row, 0, view.rootIndex()).data().toString();
      widest = std::max(widest, metrics.horizontalAdvance(text));
    }
  }
  return widest;
}

}  // namespace

void FitFileDialogColumns(QFileDialog& dialog) {
  // The splitter keeps the side bar at its minimum: its entries show whole.
  if (auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"))) {
    const int scrollBar = sidebar->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    sidebar->setMinimumWidth(WidestText(*sidebar) + sidebar->iconSize().width() + 2 * sidebar->frameWidth() +
                             scrollBar + 16);
  }
  dialog.setProxyModel(new FileDialogColumns(&dialog));
  if (auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
    // The rows come later: the columns are as wide as their heading or the
    // widest text they may hold, the name's leaving them room in the size
    // the dialogs open at.
    QHeaderView* header = tree->header();
    header->resizeSection(0, kNameColumnWidth);
    const QFontMetrics metrics(tree->font());
    const QString widest[] = {QString(), QStringLiteral("999.9 KiB"), FileDialogColumns::WidestType(),
                              FileDialogColumns::WidestDate()};
    for (int column = 1; column < std::min(header->count(), 4); ++column) {
      const QString title = tree->model()->headerData(column, Qt::Horizontal).toString();
      const int wanted = std::max(metrics.horizontalAdvance(title), metrics.horizontalAdvance(widest[column])) + 24;
      header->resizeSection(column, std::max(header->sectionSize(column), wanted));
    }
  }
}

QString AskFileToSave(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter) {
  // A suggested folder that does not exist (no documents folder) gives way
  // to the home folder.
  const QFileInfo where(suggested);
  const QString folder = QDir(where.absolutePath()).exists() ? where.absolutePath() : QDir::homePath();
  QFileDialog dialog(parent, caption, folder, filter);
  dialog.setObjectName("SaveFileDialog");
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.selectFile(where.fileName());
  FitFileDialogColumns(dialog);
  dialog.resize(kFileDialogSize);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace tw
