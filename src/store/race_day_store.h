// The placement rules of the race-day files: every writer (race-card
// download, odds fetch, result fetch) stores records through this class.
//
// Every operation takes the record as received from JV-Link, converted to
// Shift-JIS and still carrying its CR LF. It loads the whole file, changes it
// in memory and saves it whole under the data folder's writer's lock; a
// record that fails a test is skipped silently (stored = false, no error),
// and a failed save is reported in `error` with stored = false.
//
// A stream that stores many records writes back instead (BeginWriteBack): the
// files it changes stay in memory, changed by the same rules, and are saved
// whole and atomically when the stream ends and before a failure or cancel
// returns; at the end of a JV-Link file once they have grown large. A file
// that another program saved meanwhile gets the stream's changes made again
// to what it holds then (write_back_cache.h). After a save failed, nothing
// more of the stream is saved.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "store/record_source.h"
#include "store/store_result.h"
#include "store/write_back_cache.h"

namespace tw {

struct RecordHeader;

// The changed files kept in memory are saved early when they pass this size,
// so a set-up download of many years stays within a modest memory.
inline constexpr std::size_t kWriteBackLimitBytes = 64u << 20;
// At the end of a JV-Link file they are saved once they pass this size. Not
// at every file end: a race day comes in several files (entries, card,
// results), and the from-time moves only when the whole stream is read, so
// a run that dies reads every file again anyway; saving at each file end
// would write the same day files again for each of them.
inline constexpr std::size_t kFileEndSaveBytes = 16u << 20;

class RaceDayStore {
 public:
  // `dataFolder` is the folder that holds the day files (the application
  // folder + "Data"), Shift-JIS.
  explicit RaceDayStore(std::string dataFolder);

  const std::string& dataFolder() const { return dataFolder_; }

  // Starts a race-card download: sets its from-date (yyyymmdd as an integer)
  // and empties the list of race files created by the download.
  void StartDownload(long long fromDate);
  long long fromDate() const { return fromDate_; }
  // Names of the race files written by this download, ascending, each once.
  const std::vector<std::string>& createdRaceFiles() const { return createdRaceFiles_; }

  // Race-card download: race records of JRA races on or after the from-date
  // less 10 (as integers) replace the line with the same race key or are
  // added; the file is kept in race-key order and loses one blank first line.
  StoreResult StoreRaceRecord(const std::string& record);
  // Race-card download: runner records go to line (race-1)*18 + (horse-1) of
  // the course's runner file, which is created as 216 blank lines.
  StoreResult StoreRunnerRecord(const std::string& record);
  // Payout records replace the line with the same race key or are added; the
  // file is kept sorted. From the download they pass the date test and are
  // stored with data kind and creation date zeroed; from the result fetch as
  // received.
  StoreResult StorePayoutRecord(const std::string& record, RecordSource source);

  // Result fetch: like StoreRaceRecord without data-kind and date tests, and
  // only into an existing race file.
  StoreResult UpdateRaceRecord(const std::string& record);
  // Result fetch: like StoreRunnerRecord without data-kind and date tests, and
  // only into an existing runner file.
  StoreResult UpdateRunnerRecord(const std::string& record);

  // After a download that had nothing to download: the race file `fileName`
  // (a name in the data folder) is filled with blank lines up to 36 lines.
  // stored = true when lines were added and saved.
  StoreResult FillRaceFile(const std::string& fileName);
  // FillRaceFile for every race file created by this download.
  std::vector<StoreResult> FillCreatedRaceFiles();

  // Odds fetch: an O1 or O2 record of race slot `raceSlot` (0-35) of the day
  // `dayName` goes into the next snapshot line 3i..3i+2 of the day's .jvO1 or
  // .jvO2 file, in order of announcement time (see PlaceSnapshot). Records of
  // data kind "0" or "9" or without a race number are not stored. The odds
  // file is never created here: a day without it fails with a reason.
  StoreResult StoreOddsSnapshot(const std::string& record, int raceSlot, const std::string& dayName);
  // The same, with the slot and the day found from the day's race texts in
  // slot order (see FindSnapshotSlot).
  StoreResult StoreOddsSnapshot(const std::string& record, const std::vector<std::string>& raceTexts);

  // Time-series import: `line` replaces snapshot line `snapshot` (0-2) of race
  // slot `raceSlot` of the day's odds file (`oddsFile` kWinOdds or
  // kQuinellaOdds), whatever that line holds. Like the odds fetch it never
  // creates the file, and a short file gets the slot's lines.
  StoreResult SetOddsSnapshot(DayFileChange::Kind oddsFile, const std::string& dayName, int raceSlot, int snapshot,
                              const std::string& line);

  // Write-back. Begin and End nest; only the outermost End saves. While
  // writing back, `stored` of a result means the record is in the kept file.
  void BeginWriteBack();
  // Saves every kept file that changed; the saves that failed, also those of
  // an early save that were not yet returned. Afterwards nothing is kept.
  std::vector<StoreResult> Flush();
  // A JV-Link file ended: Flush once the kept files pass the file-end size.
  std::vector<StoreResult> FileEnded();
  // Ends one Begin; the outermost End flushes and returns what Flush returns.
  std::vector<StoreResult> EndWriteBack();
  bool writingBack() const { return writeBackDepth_ > 0; }
  // The sizes at which kept files are saved at a file end and at once (tests
  // use small ones).
  void SetWriteBackSizes(std::size_t fileEndBytes, std::size_t limitBytes) {
    fileEndSaveBytes_ = fileEndBytes;
    writeBackLimit_ = limitBytes;
  }

 private:
  StoreResult StoreRace(const std::string& record, RecordSource source);
  StoreResult StoreRunner(const std::string& record, RecordSource source);
  bool OnOrAfterFromDate(const RecordHeader& record) const;
  StoreResult StoreOdds(const std::string& record, const RecordHeader& header, int raceSlot,
                        const std::string& dayName);
  void NoteCreatedRaceFile(const std::string& name);
  StoreResult Target(const std::string& name) const;
  enum class Existing { kMissing, kUnreadable, kLoaded };
  Existing Load(StoreResult& result, std::vector<std::string>*& lines, const DayFileChange& change);
  // Makes the change to the file `fileName` of the data folder and keeps it
  // (saved at once when no stream writes back).
  StoreResult Place(const std::string& fileName, DayFileChange change);

  std::string dataFolder_;
  long long fromDate_ = 0;
  std::vector<std::string> createdRaceFiles_;

  int writeBackDepth_ = 0;
  std::size_t writeBackLimit_ = kWriteBackLimitBytes;
  std::size_t fileEndSaveBytes_ = kFileEndSaveBytes;
  WriteBackCache cache_;
  std::vector<StoreResult> unreportedFailures_;  // of early saves
  bool saveFailed_ = false;                      // in this write-back
};

}  // namespace tw
