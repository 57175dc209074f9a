#include "gui/qt_user_port.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include "gui/qt_text.h"

namespace tw {

void QtUserPort::Beep() { QApplication::beep(); }

void QtUserPort::Inform(const std::string& text) {
  QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), ToQt(text), QMessageBox::Ok,
                  parent_);
  box.exec();
}

bool QtUserPort::Confirm(const std::string& text) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), ToQt(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void QtUserPort::SetStatus(const std::string& text) {
  if (status_) status_->setText(ToQt(text));
}

void QtUserPort::ProcessEvents() { QApplication::processEvents(); }

void QtUserPort::SetBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++busyDepth_;
  } else if (busyDepth_ > 0) {
    QApplication::restoreOverrideCursor();
    --busyDepth_;
  }
}

}  // namespace tw
