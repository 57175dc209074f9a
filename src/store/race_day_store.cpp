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
bool RaceInRange(const RecordHeader& record) {
  if (!IsKnownCourse(record.course) || !AllDigits(record.meeting) || !AllDigits(record.day) || !AllDigits(record.race))
    return false;
  long long race = record.raceNumber();
  return race >= 1 && race <= kRacesPerCourse;
}

bool HorseInRange(const std::string& record) {
  if (!AllDigits(HorseNumberText(record))) return false;
  long long horse = HorseNumber(record);
  return horse >= 1 && horse <= kRunnerSlots;
}

bool LocalOrOverseas(const RecordHeader& record) { return record.kind == "A" || record.kind == "B"; }

}  // namespace

// The lines of the file of `result`, normalised to the layout of `change`:
// the kept ones, else read from disk and kept. A file that exists but cannot
// be read, or is larger than its layout allows, is never replaced: the result
// says why.
RaceDayStore::Existing RaceDayStore::Load(StoreResult& result, std::vector<std::string>*& lines,
                                          const DayFileChange& change) {
  bool exists = false;
  if (std::vector<std::string>* kept = cache_.Find(result.file, exists)) {
    lines = kept;
    return exists ? Existing::kLoaded : Existing::kMissing;
  }
  std::string bytes;
  switch (ReadFileBounded(result.file, LayoutOf(change.kind).byteLimit, bytes)) {
    case ReadStatus::kMissing:
      lines = &cache_.Keep(result.file, result.name, {}, std::nullopt);
      return Existing::kMissing;
    case ReadStatus::kUnreadable:
      result.error = Sjis("ファイルを読み込めません");
      result.readStatus = ReadStatus::kUnreadable;
      return Existing::kUnreadable;
    case ReadStatus::kTooLarge:
      result.error = Sjis("ファイルが大きすぎます");
      result.readStatus = ReadStatus::kTooLarge;
      return Existing::kUnreadable;
    case ReadStatus::kRead:
      break;
  }
  lines = &cache_.Keep(result.file, result.name, DayFileLines(change, bytes), bytes);
  return Existing::kLoaded;
}

StoreResult RaceDayStore::Place(const std::string& fileName, DayFileChange change) {
  if (!writingBack()) {
    // A record on its own is a stream of one: saved under the lock, made
    // again on the file as it is then.
    BeginWriteBack();
    StoreResult result = Place(fileName, std::move(change));
    std::vector<StoreResult> failed = EndWriteBack();
    if (!failed.empty()) {
      result.stored = false;
      result.error = failed.front().error;
      result.busy = failed.front().busy;
    }
    return result;
  }
  StoreResult result = Target(fileName);
  if (saveFailed_) {
    result.error = Sjis("先に保存できなかったファイルがあるため、保存しません");
    return result;
  }
  std::vector<std::string>* lines = nullptr;
  Existing existing = Load(result, lines, change);
  if (existing == Existing::kUnreadable) return result;
  const bool odds = change.kind == DayFileChange::Kind::kWinOdds || change.kind == DayFileChange::Kind::kQuinellaOdds;
  if (odds && existing == Existing::kMissing) {
    result.error = Sjis("オッズファイルがありません");
    result.readStatus = ReadStatus::kMissing;
    return result;
  }
  int at = ApplyDayFileChange(change, *lines, existing == Existing::kLoaded);
  if (at < 0) return result;
  result.line = at;
  result.stored = true;
  cache_.NoteChange(result.file, std::move(change));
  if (cache_.bytes() <= writeBackLimit_) return result;
  std::vector<StoreResult> failed = Flush();
  if (failed.empty()) return result;
  // The record that passed the limit tells the first failure at once, so the
  // stream can stop; the others wait for the next Flush.
  unreportedFailures_.insert(unreportedFailures_.end(), failed.begin() + 1, failed.end());
  result.stored = false;
  result.file = failed.front().file;
  result.name = failed.front().name;
  result.error = failed.front().error;
  return result;
}

void RaceDayStore::BeginWriteBack() {
  if (writeBackDepth_++ == 0) saveFailed_ = false;
}

std::vector<StoreResult> RaceDayStore::Flush() {
  std::vector<StoreResult> failed = std::move(unreportedFailures_);
  unreportedFailures_.clear();
  std::vector<StoreResult> now = cache_.SaveAll(dataFolder_);
  failed.insert(failed.end(), now.begin(), now.end());
  if (!failed.empty()) saveFailed_ = true;  // nothing more of this stream is saved
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

bool RaceDayStore::OnOrAfterFromDate(const RecordHeader& record) const {
  // The from-date less 10 is an integer subtraction on yyyymmdd, so
  // 20240503 - 10 = 20240493 accepts the 1st and 2nd of May too.
  return record.raceDate() >= fromDate_ - 10;
}

void RaceDayStore::NoteCreatedRaceFile(const std::string& name) {
  auto it = std::lower_bound(createdRaceFiles_.begin(), createdRaceFiles_.end(), name);
  if (it == createdRaceFiles_.end() || *it != name) createdRaceFiles_.insert(it, name);
}

StoreResult RaceDayStore::StoreRaceRecord(const std::string& record) {
  return StoreRace(record, RecordSource::kDownload);
}

StoreResult RaceDayStore::UpdateRaceRecord(const std::string& record) {
  return StoreRace(record, RecordSource::kResultFetch);
}

StoreResult RaceDayStore::StoreRace(const std::string& record, RecordSource source) {
  auto line = StoredLine(record, kRaceLineLength, kKeyedRecordMin);
  if (!line) return {};
  const RecordHeader header = ReadRecordHeader(*line);
  if (header.type != "RA" || !RaceInRange(header)) return {};
  if (source == RecordSource::kDownload && (LocalOrOverseas(header) || !OnOrAfterFromDate(header))) return {};
  auto day = DayNameOf(header);
  if (!day) return {};
  const bool download = source == RecordSource::kDownload;
  using Kind = DayFileChange::Kind;
  StoreResult result =
      Place(RaceFileName(*day), {download ? Kind::kRace : Kind::kRaceUpdate, WithZeroedKindAndDate(*line), 0});
  if (result.stored && download) NoteCreatedRaceFile(result.name);
  return result;
}

StoreResult RaceDayStore::StoreRunnerRecord(const std::string& record) {
  return StoreRunner(record, RecordSource::kDownload);
}

StoreResult RaceDayStore::UpdateRunnerRecord(const std::string& record) {
  return StoreRunner(record, RecordSource::kResultFetch);
}

StoreResult RaceDayStore::StoreRunner(const std::string& record, RecordSource source) {
  auto line = StoredLine(record, kRunnerLineLength, kRunnerRecordMin);
  // Races 1-12 and horses 1-18 are the only slots of the 216-line file; a
  // runner without a horse number (not yet drawn) is not stored.
  if (!line) return {};
  const RecordHeader header = ReadRecordHeader(*line);
  if (header.type != "SE" || !RaceInRange(header) || !HorseInRange(*line)) return {};
  if (source == RecordSource::kDownload && (LocalOrOverseas(header) || !OnOrAfterFromDate(header))) return {};
  auto day = DayNameOf(header);
  if (!day) return {};
  using Kind = DayFileChange::Kind;
  return Place(RunnerFileName(*day, header.course),
               {source == RecordSource::kDownload ? Kind::kRunner : Kind::kRunnerUpdate, *line, 0});
}

StoreResult RaceDayStore::StorePayoutRecord(const std::string& record, RecordSource source) {
  auto line = StoredLine(record, kPayoutLineLength, kKeyedRecordMin);
  if (!line) return {};
  const RecordHeader header = ReadRecordHeader(*line);
  if (header.type != "HR" || !RaceInRange(header)) return {};
  if (source == RecordSource::kDownload) {
    if (!OnOrAfterFromDate(header)) return {};  // payouts have no data-kind test
    *line = WithZeroedKindAndDate(*line);       // the date the day is named by stays
  }
  auto day = DayNameOf(header);
  if (!day) return {};
  return Place(PayoutFileName(*day), {DayFileChange::Kind::kPayout, *line, 0});
}

StoreResult RaceDayStore::FillRaceFile(const std::string& fileName) {
  return Place(fileName, {DayFileChange::Kind::kFillRaceFile, {}, 0});
}

std::vector<StoreResult> RaceDayStore::FillCreatedRaceFiles() {
  std::vector<StoreResult> results;
  for (const auto& name : createdRaceFiles_) results.push_back(FillRaceFile(name));
  return results;
}

StoreResult RaceDayStore::StoreOddsSnapshot(const std::string& record, int raceSlot, const std::string& dayName) {
  return StoreOdds(record, ReadRecordHeader(record), raceSlot, dayName);
}

StoreResult RaceDayStore::StoreOdds(const std::string& record, const RecordHeader& header, int raceSlot,
                                    const std::string& dayName) {
  if (raceSlot < 0 || raceSlot >= kDayRaceSlots || IsBlank(dayName)) return {};
  // The header lies within the fewest bytes an odds line has, so the record's
  // is the line's.
  bool win = header.type == "O1";
  auto line = StoredLine(record, win ? kWinOddsLineLength : kQuinellaLineLength, kOddsRecordMin);
  if (!line || !IsStorableOddsRecord(header)) return {};
  // The fetch never creates odds files (the day load does); a short file gets
  // the slot's lines.
  using Kind = DayFileChange::Kind;
  return Place(win ? WinOddsFileName(dayName) : QuinellaOddsFileName(dayName),
               {win ? Kind::kWinOdds : Kind::kQuinellaOdds, *line, raceSlot});
}

StoreResult RaceDayStore::SetOddsSnapshot(DayFileChange::Kind oddsFile, const std::string& dayName, int raceSlot,
                                          int snapshot, const std::string& line) {
  if (raceSlot < 0 || raceSlot >= kDayRaceSlots || snapshot < 0 || snapshot >= kSnapshotsPerRace) return {};
  const bool win = oddsFile == DayFileChange::Kind::kWinOdds;
  return Place(win ? WinOddsFileName(dayName) : QuinellaOddsFileName(dayName),
               {win ? DayFileChange::Kind::kWinOdds : DayFileChange::Kind::kQuinellaOdds, line, raceSlot, snapshot});
}

StoreResult RaceDayStore::StoreOddsSnapshot(const std::string& record, const std::vector<std::string>& raceTexts) {
  const RecordHeader header = ReadRecordHeader(record);
  int slot = FindSnapshotSlot(header, raceTexts);
  if (slot < 0) return {};
  auto day = DayNameOf(raceTexts[static_cast<size_t>(slot)]);
  if (!day) return {};
  return StoreOdds(record, header, slot, *day);
}

}  // namespace tw
