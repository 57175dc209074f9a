// A UserPort that hands everything on to another, but lets the pending
// events run at most once in a given interval. A read loop that asks for
// them before every record (a set-up download has over a million) then
// spends its time reading, while a click still gets through within the
// interval.
#pragma once

#include <functional>

#include "base/user_port.h"

namespace tw {

class ThrottledUserPort : public UserPort {
 public:
  // `millis`: monotonic milliseconds; empty: the steady clock.
  ThrottledUserPort(UserPort& inner, int intervalMillis, std::function<long long()> millis = {});

  void SetMillisecondClock(std::function<long long()> millis) { millis_ = std::move(millis); }

  void Beep() override { inner_.Beep(); }
  void Inform(const std::string& text) override { inner_.Inform(text); }
  bool Confirm(const std::string& text) override { return inner_.Confirm(text); }
  void SetStatus(const std::string& text) override { inner_.SetStatus(text); }
  // The first call, and then one once the interval has passed since the
  // last that ran; the others return at once.
  void ProcessEvents() override;
  void WaitProcessingEvents(int millis) override { inner_.WaitProcessingEvents(millis); }
  void SetBusy(bool busy) override { inner_.SetBusy(busy); }

 private:
  long long Millis() const;

  UserPort& inner_;
  int intervalMillis_;
  std::function<long long()> millis_;
  bool ran_ = false;
  long long lastRun_ = 0;
};

}  // namespace tw
