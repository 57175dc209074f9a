// The folder picker: Qt's own folder dialog with the folder's path in view,
// a prompt below it and an OK button, the same on every platform.
#pragma once

#include <QFileDialog>

namespace tw {

class FolderDialog : public QFileDialog {
  Q_OBJECT

 public:
  // Opens at `folder`; `prompt` is shown as a note below the folder list.
  FolderDialog(QWidget* parent, const QString& caption, const QString& prompt, const QString& folder);

  // The folder chosen, empty when the dialog was cancelled.
  QString chosenFolder() const;
};

}  // namespace tw
