// The planned times of the three odds snapshots of a race, as hhmm texts:
// fixed morning times for the first snapshots and the post time less 30
// minutes for the last one.
#pragma once

#include <string>

#include "analysis/race_day_model.h"

namespace tw {

// The post time (874, hhmm) less 30 minutes as hhmm; empty when the post time
// is blank, "0000" or earlier than 00:30.
std::string PostTimeLess30(const std::string& race);

// Planned fetch times 1..3 by race number; empty where none is planned.
//   race 1:      09:15, 09:30
//   races 2-5:   09:30, post time less 30 minutes
//   race 6:      10:15, 12:15
//   races 7-12:  10:15, 12:15, post time less 30 minutes
PerSnapshot<std::string> PlannedFetchTimes(const std::string& race);

}  // namespace tw
