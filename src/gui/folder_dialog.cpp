#include "gui/folder_dialog.h"

#include <QGridLayout>
#include <QLabel>

#include "gui/file_dialogs.h"

namespace tw {

FolderDialog::FolderDialog(QWidget* parent, const QString& caption, const QString& prompt, const QString& folder)
    : QFileDialog(parent, caption, folder) {
  setObjectName("FolderDialog");
  // The platform's own dialog could show neither the prompt nor the OK button
  // the prompt speaks of.
  setOption(QFileDialog::DontUseNativeDialog, true);
  setFileMode(QFileDialog::Directory);
  setOption(QFileDialog::ShowDirsOnly, true);
  setLabelText(QFileDialog::Accept, QStringLiteral("OK"));
  if (!prompt.isEmpty()) {
    auto* note = new QLabel(prompt, this);
    note->setObjectName("PromptLabel");
    note->setWordWrap(true);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) grid->addWidget(note, grid->rowCount(), 0, 1, -1);
  }
  FitFileDialogColumns(*this);
  resize(kFileDialogSize);
}

QString FolderDialog::chosenFolder() const {
  if (result() != QDialog::Accepted || selectedFiles().isEmpty()) return {};
  return selectedFiles().first();
}

}  // namespace tw
