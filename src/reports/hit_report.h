// The hit report ("的中", "穴的中"): walks the race list, collects the hit
// lines of every race and, when there is at least one hit, writes the HTML
// fragment "TK" + yyyymmdd + ".txt" and the grown cumulative list
// "Manbaken.txt" into the upload folder. Opening the report file and putting
// it on the clipboard are left to the caller, which gets the text back.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "reports/hit_lines.h"

namespace tw {

class UserPort;

inline constexpr const char* kCumulativeListName = "Manbaken.txt";

struct HitReportResult {
  std::vector<std::string> reportLines;  // the whole fragment, header to "</pre>"
  int hits = 0;                          // report lines between header and "</pre>"
  bool reportSaved = false;              // the TK file was written
  bool complete = false;                 // both files written (or nothing to write)
  std::string reportPath;                // Shift-JIS; set when there was a hit
  // Every line followed by CR LF, Shift-JIS: the clipboard text.
  std::string ReportText() const;
};

// The report file's name for the loaded day: "TK" + positions 12–19 of the
// race record of slot 0 + ".txt"; empty when those are not a calendar date,
// so that a damaged race file names no other file.
std::string HitReportFileName(const RaceDayModel& model);

// Runs the report over the races of the race list (`rowSlots[r]` is the slot
// shown by row r). `showRace`, when given, is called with each row before its
// race is read, so the window can show the races in turn. A failure to read
// the cumulative list, create the upload folder or save a file is reported
// through `port` and ends the run; files saved before stay saved, the file
// that failed keeps its earlier content.
HitReportResult RunHitReport(const RaceDayModel& model, const std::vector<int>& rowSlots, HitReportKind kind,
                             const std::string& uploadFolder, UserPort& port,
                             const std::function<void(int row)>& showRace = {});

}  // namespace tw
