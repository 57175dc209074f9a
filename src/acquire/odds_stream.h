// The odds stream ("0B30") of one race into the snapshot lines of the day's
// odds files, told in dialogs (the odds fetch window) or on the status line
// and in the error log (the main window's unattended fetches).
#pragma once

#include <string>
#include <vector>

#include "acquire/acquisition_context.h"
#include "acquire/jv_stream.h"

namespace tw {

// The race texts of the loaded day's 36 slots, in slot order.
std::vector<std::string> RaceTextsOf(const RaceDayModel& model);

// Fetches the odds of the race `raceKey` (16 characters) from open to close.
// On the status line `statusText` shows while it runs and an open failure is
// told after `openFailurePrefix`. False when a JV-Link call itself failed
// (the stream is closed and the failure told). The caller holds the stream
// gate. One race's batch (see OddsFetchBatch).
bool FetchRaceOdds(AcquisitionContext& c, ReportMode mode, const std::string& raceKey, const std::string& statusText,
                   const std::string& openFailurePrefix, FetchTally& tally);

}  // namespace tw
