#include "gui/qt_user_port.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include "gui/qt_text.h"

namespace tw {

void QtUserPort::Beep() { QApplication::beep(); }

namespace {

// A text with line breaks of its own (the import summary) breaks only there,
// the box as wide as its longest line; others wrap to the box.
void SetMessage(QMessageBox& box, const std::string& sjis) {
  QString text = ToQt(sjis);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (!text.contains(QLatin1Char('\n'))) {
    box.setText(text);
    return;
  }
  box.setTextFormat(Qt::RichText);
  box.setText(QStringLiteral("<p style=\"white-space:pre\">") +
              text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) + QStringLiteral("</p>"));
}

}  // namespace

void QtUserPort::Inform(const std::string& text) {
  QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), QString(), QMessageBox::Ok,
                  parent_);
  box.setObjectName("InformationBox");
  SetMessage(box, text);
  box.exec();
}

bool QtUserPort::Confirm(const std::string& text) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), QString(),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setObjectName("ConfirmationBox");
  SetMessage(box, text);
  // Japanese also where Qt's translations are not installed; Alt+Y and
  // Alt+N answer as with the English buttons.
  box.button(QMessageBox::Yes)->setText(FromUtf8("はい(&Y)"));
  box.button(QMessageBox::No)->setText(FromUtf8("いいえ(&N)"));
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void QtUserPort::SetStatus(const std::string& text) {
  if (status_) status_->setText(ToQt(text));
}

void QtUserPort::ProcessEvents() { QApplication::processEvents(); }

void QtUserPort::WaitProcessingEvents(int millis) {
  QElapsedTimer elapsed;
  elapsed.start();
  QEventLoop loop;
  QTimer::singleShot(millis, &loop, &QEventLoop::quit);
  loop.exec();
  // A loop started while the program quits returns at once; the rest is
  // slept, so that a read loop still does not spin.
  const qint64 left = millis - elapsed.elapsed();
  if (left > 0) QThread::msleep(static_cast<unsigned long>(left));
}

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
