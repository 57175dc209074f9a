// Filling the odds snapshots of the loaded day from the files of the
// companion time-series odds viewer. For every race and each of its
// planned fetch times the announcement nearest to that time is written into
// the race's snapshot line of the day's odds file. The caller reloads the day
// afterwards when it was imported; after a failed write it does not, so the
// window shows what it showed before.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/race_day_model.h"

namespace tw {

class Settings;
class UserPort;

// The texts of the two checks and the pieces of the summary, Shift-JIS.
const std::string& TimeSeriesFolderNotSetMessage();
const std::string& NoRaceDayLoadedMessage();

// Announcements this many minutes or more from the target are never taken.
inline constexpr int kMaxAnnouncementDistance = 1000;

// The target of a planned fetch time "hhmm" in minutes after midnight: hour
// characters 1–2 and minute characters 3–4, a part that is not a number
// reads as 0 (so an empty time is 0).
int TargetMinutes(const std::string& hhmm);

// The line of a time-series file nearest to `target`: only lines announced on
// the race day (positions 16–19 equal 28–31) and at least 35 bytes long take
// part; the earlier line wins a tie. Empty when no line is nearer than
// kMaxAnnouncementDistance.
std::string NearestAnnouncement(const std::vector<std::string>& lines, int target);

// The companion's file of a race record: folder / race date (12–19) / race
// code (20–27) + extension; empty when either field is not all digits, so a
// damaged record never names a file outside the folder.
std::string TimeSeriesFilePath(const std::string& folder, const std::string& race, const std::string& extension);

// A companion file is read only up to this size; a larger one is skipped.
inline constexpr std::uintmax_t kTimeSeriesFileLimit = 64ull << 20;

// The summary message of an import; counts[type][s], type 0 = O1, 1 = O2.
// Lines of a companion file whose length is not the record's are never
// stored; when there were any, a last line says how many of each type.
using ImportCounts = std::array<std::array<int, kSnapshots + 1>, 2>;
using RefusedCounts = std::array<int, 2>;
std::string ImportSummaryMessage(const ImportCounts& counts, const RefusedCounts& refused = {});

enum class ImportOutcome {
  kFolderNotSet,  // the first check failed; nothing read or written
  kNoDayLoaded,   // the second check failed; nothing read or written
  kSaveFailed,    // an odds file could not be loaded or saved; slots written before stay, no reload
  kImported,      // the summary was shown; the day must be reloaded
};

struct ImportResult {
  ImportOutcome outcome = ImportOutcome::kImported;
  ImportCounts counts{};
  RefusedCounts refused{};  // lines of the wrong length met, per type
  std::string message;      // the text shown to the user (Shift-JIS)
};

// Runs the import on the loaded day. `dayText` is the day selector's text;
// `appFolder` the application folder (the odds files lie in its "Data"
// folder). Every message goes through `port` (beep and information dialog
// for the checks, a dialog for a file failure and for the summary).
ImportResult ImportTimeSeriesOdds(const RaceDayModel& model, const std::string& dayText, const std::string& appFolder,
                                  const Settings& settings, UserPort& port);

}  // namespace tw
