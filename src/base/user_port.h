// What core operations may ask of the person at the screen. The GUI
// implements it with message boxes and the status label; tests record calls.
// All texts are Shift-JIS; the GUI converts them for the screen.
#pragma once

#include <chrono>
#include <string>
#include <thread>

namespace tw {

class UserPort {
 public:
  virtual ~UserPort() = default;
  // The platform's default beep.
  virtual void Beep() = 0;
  // A modal information dialog with an OK button.
  virtual void Inform(const std::string& text) = 0;
  // A modal Yes/No confirmation; true for Yes.
  virtual bool Confirm(const std::string& text) = 0;
  // The status label below the race list.
  virtual void SetStatus(const std::string& text) = 0;
  // Lets the window process pending events (timer ticks, clicks) during long work.
  virtual void ProcessEvents() = 0;
  // Lets the pending events run for about `millis` milliseconds, then
  // returns: a pause in long work that keeps the window alive without
  // keeping a core busy.
  virtual void WaitProcessingEvents(int millis) = 0;
  // The busy cursor on or off.
  virtual void SetBusy(bool busy) = 0;
};

// A port that does nothing and answers No; for unattended command-line use.
class SilentUserPort : public UserPort {
 public:
  void Beep() override {}
  void Inform(const std::string&) override {}
  bool Confirm(const std::string&) override { return false; }
  void SetStatus(const std::string&) override {}
  void ProcessEvents() override {}
  void WaitProcessingEvents(int millis) override { std::this_thread::sleep_for(std::chrono::milliseconds(millis)); }
  void SetBusy(bool) override {}
};

}  // namespace tw
