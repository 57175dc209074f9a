// The user port of every turfwise-cli command: status texts become lines of
// standard output with the time in front, dialog texts lines of standard
// error, and confirmations are answered No, since nobody is there to answer.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <utility>

#include "base/user_port.h"

namespace tw {

class Clock;

// Shift-JIS text with CR LF line breaks as UTF-8 with LF.
std::string ConsoleText(const std::string& sjis);

class ConsoleUserPort : public UserPort {
 public:
  // `sleep` waits the given milliseconds; empty: the thread sleeps.
  ConsoleUserPort(std::ostream& out, std::ostream& err, const Clock& clock, std::function<void(int)> sleep = {})
      : out_(out), err_(err), clock_(clock), sleep_(std::move(sleep)) {}
  void Beep() override {}
  void Inform(const std::string& text) override;
  bool Confirm(const std::string& text) override;
  // Empty texts, which only clear the status line, write nothing.
  void SetStatus(const std::string& text) override;
  void ProcessEvents() override {}
  // No window to keep alive: it only sleeps.
  void WaitProcessingEvents(int millis) override;
  void SetBusy(bool) override {}
  // Writes a line of standard output with the time in front.
  void Line(const std::string& sjisText);

 private:
  std::ostream& out_;
  std::ostream& err_;
  const Clock& clock_;
  std::function<void(int)> sleep_;
};

}  // namespace tw
