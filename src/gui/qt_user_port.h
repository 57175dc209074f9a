// The user-interface port for the real windows: the default beep, modal
// message boxes, the status label and the busy cursor.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

#include "base/user_port.h"

namespace tw {

class QtUserPort : public UserPort {
 public:
  // Dialogs are centred on `parent` (may be null); the status goes to `status`.
  explicit QtUserPort(QWidget* parent = nullptr, QLabel* status = nullptr) : parent_(parent), status_(status) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  void setStatusLabel(QLabel* status) { status_ = status; }

  void Beep() override;
  void Inform(const std::string& text) override;
  bool Confirm(const std::string& text) override;
  void SetStatus(const std::string& text) override;
  void ProcessEvents() override;
  // Runs the event loop for the time; no busy wait.
  void WaitProcessingEvents(int millis) override;
  void SetBusy(bool busy) override;

 private:
  QPointer<QWidget> parent_;
  QPointer<QLabel> status_;
  int busyDepth_ = 0;
};

}  // namespace tw
