// The odds stream ("0B30") of one race into the snapshot lines of the day's
// odds files, told in dialogs (the odds fetch window) or on the status line
// and in the error log (the main window's unattended fetches).
#pragma once

#include <set>
#include <string>
#include <vector>

#include "acquire/acquisition_context.h"
#include "acquire/jv_stream.h"

namespace tw {

// The race texts of the loaded day's 36 slots, in slot order.
std::vector<std::string> RaceTextsOf(const RaceDayModel& model);

// Stores one record of the stream: an O1 or O2 record of data kind other
// than "0" and "9" with a race number goes into the next snapshot line of
// the first slot with the same course, meeting, day and race number. A
// failed save is reported on the stream, once per file: `toldFiles` holds the
// files told so far.
void StoreOddsRecord(AcquisitionContext& c, JVStream& stream, const std::string& record, FetchTally& tally,
                     std::set<std::string>& toldFiles);

// Fetches the odds of the race `raceKey` (16 characters) from open to close.
// On the status line `statusText` shows while it runs and an open failure is
// told after `openFailurePrefix`. False when a JV-Link call itself failed
// (the stream is closed and the failure told). The caller holds the stream
// gate.
bool FetchRaceOdds(AcquisitionContext& c, ReportMode mode, const std::string& raceKey, const std::string& statusText,
                   const std::string& openFailurePrefix, FetchTally& tally);

}  // namespace tw
