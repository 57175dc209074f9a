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
  std::string status;  // the status label's text (Shift-JIS)

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
  void SetBusy(bool busy) override { events.push_back(busy ? "busy:1" : "busy:0"); }
};

}  // namespace tw::test
