// Automatic odds fetching: the automatic-fetch box and its 40-second tick,
// which fetches each race at its planned times (less the delay).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "acquire/acquisition_context.h"
#include "acquire/odds_fetch.h"

namespace tw {

class AutoOddsFetch {
 public:
  AutoOddsFetch(AcquisitionContext& context, AcquisitionHost& host, OddsFetcher& fetcher)
      : c_(context), host_(host), fetcher_(fetcher) {}

  // SetAutoFetch: ticked, the day must be shown, be today and have a
  // final race card (each failure a dialog, the box cleared again); then the
  // flags are cleared, the schedule ticks and the manual command is disabled.
  // Cleared: the ticks stop and the manual command is enabled. True when
  // automatic fetching is on afterwards.
  bool SetAutoFetch(bool checked);

  // OnScheduleTick: the races whose planned fetch time equals the current time
  // less the delay, and that were not queued for that time yet, are fetched
  // by the unattended batch. Returns the race keys queued by this tick.
  std::vector<std::string> OnScheduleTick();

  bool on() const { return on_; }
  // True when the planned time k (1..3) of the slot was already queued.
  bool fetched(int slot, int k) const { return queuedTimes_[static_cast<size_t>(slot)][static_cast<size_t>(k - 1)]; }

 private:
  AcquisitionContext& c_;
  AcquisitionHost& host_;
  OddsFetcher& fetcher_;
  bool on_ = false;
  std::array<std::array<bool, 3>, kMaxRaces> queuedTimes_{};
};

inline constexpr int kScheduleTickMillis = 40000;

}  // namespace tw
