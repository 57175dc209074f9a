// One JV-Link stream at a time. The read loops let pending window events run
// (timer ticks, clicks) while a stream is open; every command that opens a
// stream first takes the gate, and a command that finds it taken is held back
// instead of opening a second stream.
#pragma once

#include <string>

namespace tw {

class StreamGate {
 public:
  bool busy() const { return busy_; }

 private:
  friend class StreamHold;
  bool busy_ = false;
};

// Takes the gate for its lifetime when it is free.
class StreamHold {
 public:
  explicit StreamHold(StreamGate& gate) : gate_(gate), acquired_(!gate.busy_) {
    if (acquired_) gate_.busy_ = true;
  }
  ~StreamHold() { Release(); }
  StreamHold(const StreamHold&) = delete;
  StreamHold& operator=(const StreamHold&) = delete;

  bool acquired() const { return acquired_; }
  void Release() {
    if (acquired_) gate_.busy_ = false;
    acquired_ = false;
  }

 private:
  StreamGate& gate_;
  bool acquired_;
};

// The status text of a command that was held back because another fetch is
// still reading (Shift-JIS).
const std::string& HeldBackText();

}  // namespace tw
