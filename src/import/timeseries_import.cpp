#include "import/timeseries_import.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "base/settings.h"
#include "base/user_port.h"
#include "import/timeseries_folder.h"
#include "records/day_files.h"
#include "records/layout.h"
#include "records/odds_record.h"
#include "records/record_header.h"
#include "store/write_back_scope.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

struct OddsType {
  const char* extension;
  size_t lineLength;             // every line of the day's odds file
  DayFileChange::Kind oddsFile;  // the day's odds file in the store
};

constexpr OddsType kOddsTypes[2] = {{".jvO1", kWinOddsLineLength, DayFileChange::Kind::kWinOdds},
                                    {".jvO2", kQuinellaLineLength, DayFileChange::Kind::kQuinellaOdds}};

// The lines of a time-series file that can be stored as they are: a line of
// another length, or one with a lone CR in it (a break to other readers),
// would shift every later line of the day's fixed-length odds file. The
// others are counted in `refused`.
std::vector<std::string> StorableLines(std::vector<std::string> lines, size_t lineLength, int& refused) {
  auto wrong = [lineLength](const std::string& line) {
    return line.size() >= kOddsRecordMin && (line.size() != lineLength || line.find('\r') != std::string::npos);
  };
  refused += static_cast<int>(std::count_if(lines.begin(), lines.end(), wrong));
  lines.erase(std::remove_if(lines.begin(), lines.end(), wrong), lines.end());
  return lines;
}

// A small integer field: digits with spaces around them; -1 when the text is
// anything else.
int DigitsValue(const std::string& text) {
  std::string digits = Trim(text);
  if (!AllDigits(digits) || digits.size() > 4) return -1;
  return std::atoi(digits.c_str());
}

// Delphi-style trimming of the day selector's text: every control character
// and blank at either end.
bool IsBlankText(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) > ' ') return false;
  }
  return true;
}

// What the user is told when an odds file could not be read or saved: the
// lock's refusal as it is, else the file's path and why.
std::string FailureText(const StoreResult& failed) {
  if (failed.lockRefused) return failed.error;
  if (failed.readStatus != ReadStatus::kRead) {
    std::error_code code = std::make_error_code(
        failed.readStatus == ReadStatus::kMissing ? std::errc::no_such_file_or_directory : std::errc::io_error);
    return failed.file + ": " + Utf8ToSjis(code.message());
  }
  return failed.file + ": " + failed.error;
}

// The line added to the summary when lines were refused; empty otherwise.
std::string RefusedText(const RefusedCounts& refused) {
  if (refused[0] == 0 && refused[1] == 0) return {};
  return "\r\n" + Sjis("長さの合わない行（単複枠：") + std::to_string(refused[0]) + Sjis("行、馬連：") +
         std::to_string(refused[1]) + Sjis("行）は取りこみませんでした。");
}

}  // namespace

const std::string& TimeSeriesFolderNotSetMessage() {
  static const std::string text = Sjis("時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。");
  return text;
}

const std::string& NoRaceDayLoadedMessage() {
  static const std::string text = Sjis("ｵｯｽﾞを読み込みたい当日の開催日ﾃﾞｰﾀを読み込んでください。");
  return text;
}

int TargetMinutes(const std::string& hhmm) {
  // Characters 1–2 and 3–4 of the text (shorter text gives shorter parts).
  std::string hour = hhmm.substr(0, std::min<size_t>(2, hhmm.size()));
  std::string minute = hhmm.size() > 2 ? hhmm.substr(2, 2) : std::string();
  int h = DigitsValue(hour), m = DigitsValue(minute);
  return (h < 0 ? 0 : h) * 60 + (m < 0 ? 0 : m);
}

std::string NearestAnnouncement(const std::vector<std::string>& lines, int target) {
  int best = kMaxAnnouncementDistance;
  const std::string* chosen = nullptr;
  for (const std::string& line : lines) {
    // A line too short to hold its announcement time is not a record.
    if (line.size() < kOddsRecordMin) continue;
    // Sales of another day (for example the day before) do not count.
    if (RaceMonthDay(line) != AnnouncementMonthDay(line)) continue;
    int hour = DigitsValue(AnnouncementHour(line));
    int minute = DigitsValue(AnnouncementMinute(line));
    if (hour < 0 || minute < 0) continue;
    int d = std::abs(target - (hour * 60 + minute));
    if (d < best) {
      best = d;
      chosen = &line;
    }
  }
  return chosen ? *chosen : std::string();
}

std::string TimeSeriesFilePath(const std::string& folder, const std::string& race, const std::string& extension) {
  std::string date = DateKey(race);
  std::string code = RacePlace(race);
  if (!AllDigits(date) || !AllDigits(code)) return {};
  return JoinPath(JoinPath(folder, date), code + extension);
}

std::string ImportSummaryMessage(const ImportCounts& counts, const RefusedCounts& refused) {
  static const std::string winHead = Sjis("単複枠："), quinellaHead = Sjis("馬連：");
  static const std::string first = Sjis("ﾚｰｽ分の1回目ｵｯｽﾞ、"), second = Sjis("ﾚｰｽ分の2回目ｵｯｽﾞ、");
  static const std::string third = Sjis("ﾚｰｽ分の3回目ｵｯｽﾞ"), comma = Sjis("、");
  static const std::string done = Sjis("を取りこみました。");
  auto n = [](int v) { return std::to_string(v); };
  return winHead + n(counts[0][1]) + first + n(counts[0][2]) + second + n(counts[0][3]) + third + comma + "\r\n" +
         quinellaHead + n(counts[1][1]) + first + n(counts[1][2]) + second + n(counts[1][3]) + third + "\r\n" + done +
         RefusedText(refused);
}

ImportResult ImportTimeSeriesOdds(const RaceDayModel& model, const std::string& dayText, const std::string& appFolder,
                                  const Settings& settings, UserPort& port) {
  ImportResult result;
  std::string folder = TimeSeriesFolder(settings, appFolder);
  if (folder == appFolder) {
    result.outcome = ImportOutcome::kFolderNotSet;
    result.message = TimeSeriesFolderNotSetMessage();
    port.Beep();
    port.Inform(result.message);
    return result;
  }
  if (IsBlankText(dayText)) {
    result.outcome = ImportOutcome::kNoDayLoaded;
    result.message = NoRaceDayLoadedMessage();
    port.Beep();
    port.Inform(result.message);
    return result;
  }

  // Each odds file is read once and saved once, under the data folder's lock.
  RaceDayStore store(JoinPath(appFolder, "Data"));
  WriteBackScope writeBack(store);
  auto fail = [&](const StoreResult& failed) {
    result.outcome = ImportOutcome::kSaveFailed;
    result.message = FailureText(failed);
    port.Inform(result.message);
    return result;
  };
  for (int i = 0; i < kMaxRaces; ++i) {
    const RaceSlot& slot = model.slots[i];
    for (int type = 0; type < 2; ++type) {
      const OddsType& odds = kOddsTypes[type];
      std::string path = TimeSeriesFilePath(folder, slot.race, odds.extension);
      if (path.empty() || !FileExists(path)) continue;
      // One read serves all three snapshots; the file does not change meanwhile.
      auto read = LoadLines(path, kTimeSeriesFileLimit);
      if (!read) continue;
      const std::vector<std::string> lines = StorableLines(std::move(*read), odds.lineLength, result.refused[type]);
      for (int s = 1; s <= kSnapshots; ++s) {
        int target = TargetMinutes(slot.analysis.fetchTimes[s]);
        std::string chosen = NearestAnnouncement(lines, target);
        if (chosen.empty()) continue;
        // A race without a third fetch time gets no third snapshot.
        if (s == 3 && target <= 0) continue;
        // The time-series path above named the race's date in digits.
        StoreResult set = store.SetOddsSnapshot(odds.oddsFile, DayNameOf(slot.race).value_or(""), i, s - 1, chosen);
        if (set.failed()) {
          // The slots set before stay: they are saved before the failure is told.
          std::vector<StoreResult> unsaved = writeBack.Finish();
          return fail(unsaved.empty() ? set : unsaved.front());
        }
        ++result.counts[type][s];
      }
    }
  }
  if (std::vector<StoreResult> unsaved = writeBack.Finish(); !unsaved.empty()) return fail(unsaved.front());
  result.outcome = ImportOutcome::kImported;
  result.message = ImportSummaryMessage(result.counts, result.refused);
  port.Inform(result.message);
  return result;
}

}  // namespace tw
