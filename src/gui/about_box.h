// The version window.
#pragma once

#include <QDialog>

class QLabel;

namespace tw {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(const QString& version, QWidget* parent = nullptr);
  QLabel* versionLabel() const { return version_; }

 private:
  QLabel* version_ = nullptr;
};

}  // namespace tw
