#include "store/race_day_store.h"

#include <algorithm>
#include <cstdint>

#include "codes/courses.h"
#include "records/day_files.h"
#include "records/layout.h"
#include "records/record_header.h"
#include "records/runner_record.h"
#include "store/snapshot_slot.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

namespace {

// The race key names the day's files and lines: a course of the course
// table, and meeting, day and race in digits, race 1-12. (The date is checked
// where it names the day, DayNameOf.)
bool RaceInRange(const std::string& record) {
  if (!IsKnownCourse(CourseCode(record)) || !AllDigits(MeetingNumber(record)) || !AllDigits(MeetingDay(record)) ||
      !AllDigits(RaceNumberText(record)))
    return false;
  long long race = RaceNumber(record);
  return race >= 1 && race <= kRacesPerCourse;
}

bool HorseInRange(const std::string& record) {
  if (!AllDigits(HorseNumberText(record))) return false;
  long long horse = HorseNumber(record);
  return horse >= 1 && horse <= kRunnerSlots;
}

bool LocalOrOverseas(const std::string& record) {
  std::string kind = DataKind(record);
  return kind == "A" || kind == "B";
}

// Replaces the first line with the new line's race key, else appends it.
void ReplaceOrAdd(std::vector<std::string>& lines, const std::string& line) {
  std::string key = RaceKey(line);
  for (auto& old : lines) {
    if (RaceKey(old) == key) {
      old = line;
      return;
    }
  }
  lines.push_back(line);
}

// Saves the lines; on failure the result says why and nothing counts as stored.
bool Save(StoreResult& result, const std::vector<std::string>& lines) {
  SaveResult saved = SaveLines(result.file, lines);
  if (!saved) {
    result.stored = false;
    result.error = Utf8ToSjis(saved.error.empty() ? "save failed" : saved.error);
    return false;
  }
  result.stored = true;
  return true;
}

}  // namespace

// The lines of the file of `result`, normalised to the layout: while writing
// back the kept ones, else loaded into `scratch_`. A file that exists but
// cannot be read, or is larger than its layout allows, is never replaced: the
// result says why.
RaceDayStore::Existing RaceDayStore::Load(StoreResult& result, std::vector<std::string>*& lines, size_t length,
                                          std::uintmax_t maxBytes, size_t minLines) {
  if (writingBack()) {
    if (std::vector<std::string>* kept = cache_.Find(result.file)) {
      if (kept->size() < minLines) NormaliseLines(*kept, length, minLines);
      lines = kept;
      return Existing::kLoaded;
    }
  }
  scratch_.clear();
  lines = &scratch_;
  std::string bytes;
  switch (ReadFileBounded(result.file, maxBytes, bytes)) {
    case ReadStatus::kMissing:
      return Existing::kMissing;
    case ReadStatus::kUnreadable:
      result.error = Sjis("ファイルを読み込めません");
      return Existing::kUnreadable;
    case ReadStatus::kTooLarge:
      result.error = Sjis("ファイルが大きすぎます");
      return Existing::kUnreadable;
    case ReadStatus::kRead:
      break;
  }
  scratch_ = SplitLines(bytes);
  NormaliseLines(scratch_, length, minLines);
  if (writingBack()) lines = &cache_.Keep(result.file, result.name, std::move(scratch_));
  return Existing::kLoaded;
}

// Saves the changed lines, or keeps them while writing back. False when a
// save failed: the result says why and nothing counts as stored.
bool RaceDayStore::Commit(StoreResult& result, std::vector<std::string>& lines) {
  if (!writingBack()) return Save(result, lines);
  if (&lines == &scratch_) cache_.Keep(result.file, result.name, std::move(scratch_));
  cache_.MarkChanged(result.file);
  result.stored = true;
  if (cache_.bytes() <= writeBackLimit_) return true;
  std::vector<StoreResult> failed = cache_.SaveAll();
  if (failed.empty()) return true;
  // The record that passed the limit tells the first failure at once, so the
  // stream can stop; the others wait for the next Flush.
  unreportedFailures_.insert(unreportedFailures_.end(), failed.begin() + 1, failed.end());
  result.stored = false;
  result.file = failed.front().file;
  result.name = failed.front().name;
  result.error = failed.front().error;
  return false;
}

void RaceDayStore::BeginWriteBack() { ++writeBackDepth_; }

std::vector<StoreResult> RaceDayStore::Flush() {
  std::vector<StoreResult> failed = std::move(unreportedFailures_);
  unreportedFailures_.clear();
  std::vector<StoreResult> now = cache_.SaveAll();
  failed.insert(failed.end(), now.begin(), now.end());
  return failed;
}

std::vector<StoreResult> RaceDayStore::FileEnded() {
  if (!writingBack() || cache_.bytes() < fileEndSaveBytes_) return {};
  return Flush();
}

std::vector<StoreResult> RaceDayStore::EndWriteBack() {
  if (writeBackDepth_ == 0) return {};
  if (--writeBackDepth_ > 0) return {};
  return Flush();
}

RaceDayStore::RaceDayStore(std::string dataFolder) : dataFolder_(std::move(dataFolder)) {}

void RaceDayStore::StartDownload(long long fromDate) {
  fromDate_ = fromDate;
  createdRaceFiles_.clear();
}

StoreResult RaceDayStore::Target(const std::string& name) const {
  StoreResult result;
  result.name = name;
  result.file = JoinPath(dataFolder_, name);
  return result;
}

bool RaceDayStore::OnOrAfterFromDate(const std::string& record) const {
  // The from-date less 10 is an integer subtraction on yyyymmdd, so
  // 20240503 - 10 = 20240493 accepts the 1st and 2nd of May too.
  return RaceDate(record) >= fromDate_ - 10;
}

void RaceDayStore::NoteCreatedRaceFile(const std::string& name) {
  auto it = std::lower_bound(createdRaceFiles_.begin(), createdRaceFiles_.end(), name);
  if (it == createdRaceFiles_.end() || *it != name) createdRaceFiles_.insert(it, name);
}

StoreResult RaceDayStore::StoreRaceRecord(const std::string& record) { return StoreRace(record, RaceRule::kDownload); }

StoreResult RaceDayStore::UpdateRaceRecord(const std::string& record) {
  return StoreRace(record, RaceRule::kResultFetch);
}

StoreResult RaceDayStore::StoreRace(const std::string& record, RaceRule rule) {
  auto line = StoredLine(record, kRaceLineLength, kKeyedRecordMin);
  if (!line || RecordType(*line) != "RA" || !RaceInRange(*line)) return {};
  if (rule == RaceRule::kDownload && (LocalOrOverseas(*line) || !OnOrAfterFromDate(*line))) return {};
  auto day = DayNameOf(*line);
  if (!day) return {};
  *line = WithZeroedKindAndDate(*line);

  StoreResult result = Target(RaceFileName(*day));
  std::vector<std::string>* kept = nullptr;
  Existing existing = Load(result, kept, kRaceLineLength, kRaceFileByteLimit);
  if (existing == Existing::kUnreadable) return result;
  std::vector<std::string>& lines = *kept;
  if (existing == Existing::kLoaded) {
    ReplaceOrAdd(lines, *line);
  } else if (rule == RaceRule::kResultFetch) {
    return {};  // the result fetch only updates days that were downloaded
  } else {
    lines.push_back(*line);
  }
  // Record lines start with "RA000000000" and the race key, so byte order is
  // race-key order; blank lines sort first and one of them is dropped.
  std::stable_sort(lines.begin(), lines.end());
  if (IsBlank(lines.front())) lines.erase(lines.begin());
  auto at = std::find(lines.begin(), lines.end(), *line);
  result.line = static_cast<int>(at - lines.begin());
  if (!Commit(result, lines)) return result;
  if (rule == RaceRule::kDownload) NoteCreatedRaceFile(result.name);
  return result;
}

StoreResult RaceDayStore::StoreRunnerRecord(const std::string& record) {
  return StoreRunner(record, RunnerRule::kDownload);
}

StoreResult RaceDayStore::UpdateRunnerRecord(const std::string& record) {
  return StoreRunner(record, RunnerRule::kResultFetch);
}

StoreResult RaceDayStore::StoreRunner(const std::string& record, RunnerRule rule) {
  auto line = StoredLine(record, kRunnerLineLength, kRunnerRecordMin);
  // Races 1-12 and horses 1-18 are the only slots of the 216-line file; a
  // runner without a horse number (not yet drawn) is not stored.
  if (!line || RecordType(*line) != "SE" || !RaceInRange(*line) || !HorseInRange(*line)) return {};
  if (rule == RunnerRule::kDownload && (LocalOrOverseas(*line) || !OnOrAfterFromDate(*line))) return {};
  auto day = DayNameOf(*line);
  if (!day) return {};

  StoreResult result = Target(RunnerFileName(*day, CourseCode(*line)));
  std::vector<std::string>* kept = nullptr;
  Existing existing = Load(result, kept, kRunnerLineLength, kRunnerFileByteLimit, kRunnerFileLines);
  if (existing == Existing::kUnreadable) return result;
  std::vector<std::string>& lines = *kept;
  if (existing == Existing::kMissing) {
    if (rule == RunnerRule::kResultFetch) return {};
    lines.assign(kRunnerFileLines, std::string(kRunnerLineLength, ' '));
  }
  size_t at = static_cast<size_t>((RaceNumber(*line) - 1) * kRunnerSlots + (HorseNumber(*line) - 1));
  lines[at] = *line;
  result.line = static_cast<int>(at);
  Commit(result, lines);
  return result;
}

StoreResult RaceDayStore::StorePayoutRecord(const std::string& record, PayoutSource source) {
  auto line = StoredLine(record, kPayoutLineLength, kKeyedRecordMin);
  if (!line || RecordType(*line) != "HR" || !RaceInRange(*line)) return {};
  if (source == PayoutSource::kDownload) {
    if (!OnOrAfterFromDate(*line)) return {};  // payouts have no data-kind test
    *line = WithZeroedKindAndDate(*line);
  }
  auto day = DayNameOf(*line);
  if (!day) return {};

  StoreResult result = Target(PayoutFileName(*day));
  std::vector<std::string>* kept = nullptr;
  Existing existing = Load(result, kept, kPayoutLineLength, kPayoutFileByteLimit);
  if (existing == Existing::kUnreadable) return result;
  std::vector<std::string>& lines = *kept;
  if (existing == Existing::kLoaded) {
    ReplaceOrAdd(lines, *line);
  } else {
    lines.push_back(*line);
  }
  std::stable_sort(lines.begin(), lines.end());  // no blank-line removal here
  result.line = static_cast<int>(std::find(lines.begin(), lines.end(), *line) - lines.begin());
  Commit(result, lines);
  return result;
}

StoreResult RaceDayStore::FillRaceFile(const std::string& fileName) {
  StoreResult result = Target(fileName);
  std::vector<std::string>* lines = nullptr;
  if (Load(result, lines, kRaceLineLength, kRaceFileByteLimit) != Existing::kLoaded) return result;
  if (lines->size() >= kRaceFileFullLines) return result;
  NormaliseLines(*lines, kRaceLineLength, kRaceFileFullLines);
  Commit(result, *lines);
  return result;
}

std::vector<StoreResult> RaceDayStore::FillCreatedRaceFiles() {
  std::vector<StoreResult> results;
  for (const auto& name : createdRaceFiles_) results.push_back(FillRaceFile(name));
  return results;
}

StoreResult RaceDayStore::StoreOddsSnapshot(const std::string& record, int raceSlot, const std::string& dayName) {
  if (raceSlot < 0 || raceSlot >= kDayRaceSlots || IsBlank(dayName)) return {};
  bool win = RecordType(record) == "O1";
  size_t length = win ? kWinOddsLineLength : kQuinellaLineLength;
  auto line = StoredLine(record, length, kOddsRecordMin);
  if (!line || !IsStorableOddsRecord(*line)) return {};

  StoreResult result = Target(win ? WinOddsFileName(dayName) : QuinellaOddsFileName(dayName));
  size_t first = static_cast<size_t>(raceSlot) * kSnapshotsPerRace;
  // The fetch never creates odds files (the day load does); a short file gets
  // the slot's lines.
  std::vector<std::string>* kept = nullptr;
  const std::uintmax_t limit = win ? kWinOddsFileByteLimit : kQuinellaOddsFileByteLimit;
  Existing existing = Load(result, kept, length, limit, first + kSnapshotsPerRace);
  if (existing == Existing::kMissing) result.error = Sjis("オッズファイルがありません");
  if (existing != Existing::kLoaded) return result;
  std::vector<std::string>& lines = *kept;
  int snapshot = PlaceSnapshot(lines[first], lines[first + 1], lines[first + 2], *line);
  if (snapshot < 0) return result;  // not later than what is stored
  size_t at = first + static_cast<size_t>(snapshot);
  lines[at] = *line;
  result.line = static_cast<int>(at);
  Commit(result, lines);
  return result;
}

StoreResult RaceDayStore::StoreOddsSnapshot(const std::string& record, const std::vector<std::string>& raceTexts) {
  int slot = FindSnapshotSlot(record, raceTexts);
  if (slot < 0) return {};
  auto day = DayNameOf(raceTexts[static_cast<size_t>(slot)]);
  if (!day) return {};
  return StoreOddsSnapshot(record, slot, *day);
}

}  // namespace tw
