#include "base/throttled_user_port.h"

#include <chrono>

namespace tw {

ThrottledUserPort::ThrottledUserPort(UserPort& inner, int intervalMillis, std::function<long long()> millis)
    : inner_(inner), intervalMillis_(intervalMillis), millis_(std::move(millis)) {}

long long ThrottledUserPort::Millis() const {
  if (millis_) return millis_();
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void ThrottledUserPort::ProcessEvents() {
  const long long now = Millis();
  // A clock that went back counts as time passed, so events never stall.
  if (ran_ && now >= lastRun_ && now - lastRun_ < intervalMillis_) return;
  ran_ = true;
  lastRun_ = now;
  inner_.ProcessEvents();
}

}  // namespace tw
