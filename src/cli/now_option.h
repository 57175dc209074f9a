// The command-line option `--now "yyyy/mm/dd hh:nn"`: the program's clock
// starts at that time and runs on from there (for testing and for replaying
// a past day).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "base/clock.h"

namespace tw {

// "yyyy/mm/dd hh:nn" (seconds ":ss" allowed) as a time; nullopt when malformed.
std::optional<DateTime> ParseNowOption(const std::string& text);

struct NowOption {
  bool given = false;
  DateTime start;
};

// The program's clock: running on from the given start, or the machine's clock.
std::unique_ptr<Clock> MakeProgramClock(const NowOption& now);

}  // namespace tw
