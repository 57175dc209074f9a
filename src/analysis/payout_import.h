// Copies the day's payout records into the race slots they belong to, so that
// the race view, the print-out and the hit reports read payouts from the
// model. Run by every day load and after every result fetch.
#pragma once

#include <string>

#include "analysis/day_file_problems.h"
#include "analysis/race_day_model.h"

namespace tw {

// When the payout file exists: every slot's payout text becomes 719 spaces,
// then each of the file's first 36 records goes to the first slot whose race
// key (positions 12-27) equals its own, and that slot's `hasPayout` is set.
// A record that matches no race, or has a blank race key, is ignored. A
// missing file leaves the model as it is. True when the file was read. A
// damaged or oversized file is noted in `problems` when given.
bool ImportPayouts(RaceDayModel& model, const std::string& payoutFilePath, DayFileProblems* problems = nullptr);

}  // namespace tw
