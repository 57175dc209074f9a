// What the odds stream ("0B30") of a race is stored against.
#pragma once

#include <string>
#include <vector>

#include "acquire/acquisition_context.h"

namespace tw {

// The race texts of the loaded day's 36 slots, in slot order.
std::vector<std::string> RaceTextsOf(const RaceDayModel& model);

}  // namespace tw
