// The version window.
#pragma once

#include <QDialog>

class QLabel;

namespace tw {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  // `folder`: the application folder the program keeps its files in.
  explicit AboutBox(const QString& version, const QString& folder = QString(), QWidget* parent = nullptr);
  QLabel* versionLabel() const { return version_; }
  QLabel* folderLabel() const { return folder_; }

 private:
  QLabel* version_ = nullptr;
  QLabel* folder_ = nullptr;
};

}  // namespace tw
