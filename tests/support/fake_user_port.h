// A UserPort that records what the core asked of the user, in order, and
// answers confirmations from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/user_port.h"
#include "text/sjis.h"

namespace tw::test {

class FakeUserPort : public UserPort {
 public:
  // Every call as a line, texts in UTF-8: "beep", "inform:<text>",
  // "confirm:<text>", "status:<text>", "busy:1" / "busy:0".
  std::vector<std::string> events;
  std::deque<bool> answers;  // answers to Confirm; Yes when empty
  bool defaultAnswer = true;
  int processEventsCalls = 0;
  long long waitedMillis = 0;  // the waits asked for, summed; nothing sleeps
  std::string status;          // the status label's text (Shift-JIS)
  bool busy = false;           // the cursor as the last SetBusy left it

  // What the person at the screen was told, in order: the events without
  // the cursor, a repeat of the same event right after it counted once.
  std::vector<std::string> Told() const {
    std::vector<std::string> told;
    for (const auto& e : events) {
      if (e.rfind("busy:", 0) == 0) continue;
      if (!told.empty() && told.back() == e) continue;
      told.push_back(e);
    }
    return told;
  }

  void Beep() override { events.push_back("beep"); }
  void Inform(const std::string& text) override { events.push_back("inform:" + SjisToUtf8(text)); }
  bool Confirm(const std::string& text) override {
    events.push_back("confirm:" + SjisToUtf8(text));
    if (answers.empty()) return defaultAnswer;
    bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void SetStatus(const std::string& text) override {
    status = text;
    events.push_back("status:" + SjisToUtf8(text));
  }
  void ProcessEvents() override { ++processEventsCalls; }
  void WaitProcessingEvents(int millis) override { waitedMillis += millis; }
  void SetBusy(bool on) override {
    busy = on;
    events.push_back(on ? "busy:1" : "busy:0");
  }
};

}  // namespace tw::test
