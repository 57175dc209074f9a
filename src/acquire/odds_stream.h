// Reading one race's odds stream ("0B30") into the snapshot lines of the
// day's odds files, in the two reporting modes: interactive (dialogs, the
// odds fetch window) and unattended (the status label and the error log, the
// main window).
#pragma once

#include <string>
#include <vector>

#include "acquire/acquisition_context.h"

namespace tw {

enum class ReportMode { kInteractive, kUnattended };

// The race texts of the loaded day's 36 slots, in slot order.
std::vector<std::string> RaceTextsOf(const RaceDayModel& model);

// Stores one record of the stream: an O1 or O2 record of data kind other
// than "0" and "9" with a race number goes into the next snapshot line of
// the first slot with the same course, meeting, day and race number. A
// failed save is reported in the mode.
void StoreOddsRecord(AcquisitionContext& c, ReportMode mode, const std::string& record, FetchTally& tally);

// Reads the opened stream to its end; pending events run before every read;
// a read failure is reported in the mode and ends the reading.
void ReadOddsStream(AcquisitionContext& c, ReportMode mode, FetchTally& tally);

// JVClose, the normal cursor, and a close failure reported in the mode.
void CloseOddsStream(AcquisitionContext& c, ReportMode mode, FetchTally& tally);

// A failure that the mode reports: interactive beeps and shows `dialogText`;
// unattended beeps when `beep` and writes `statusText` to the status label
// and the error log.
void ReportInMode(AcquisitionContext& c, ReportMode mode, const std::string& dialogText, const std::string& statusText,
                  FetchTally& tally, bool beep = true);

// Ends a command after a failed JV-Link call: the stream is closed (a second
// failure is ignored), the cursor is normal again and the call's message is
// reported in the mode.
void EndWithCallError(AcquisitionContext& c, ReportMode mode, const JVLinkCallError& error, FetchTally& tally);

// One race fetched interactively (the odds fetch window's fetch command): open
// "0B30" with the race key, read, close; every failure is a dialog. The
// caller holds the stream gate.
void FetchRaceInteractive(AcquisitionContext& c, const std::string& raceKey, FetchTally& tally);

}  // namespace tw
