// Reading the feed folder that the local stand-in serves. The layout
// (docs/feed-format.md):
//
//   <feed>/RACE/<yyyymmddhhnnss>-<label>.jvd     stored files for JVOpen("RACE")
//   <feed>/RT/0B30/<race key>.jvd                every O1 and O2 announcement of a race
//   <feed>/RT/0B12/<yyyymmdd>/<yyyymmddhhnnss>-<race code>.jvd
//                                                one result stage of a race
//   <feed>/faults.txt                            injected failures (optional)
//
// The 14 digits of a file name are the time the file is provided; nothing is
// served before it. Every file holds JV-Data records, each ended by CR LF; a
// record longer than its type allows is passed over alone.
#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"

namespace tw {

struct FeedFile {
  std::string name;       // file name, handed out by JVRead
  std::string timestamp;  // yyyymmddhhnnss
  std::string path;
};

// The stored files of <feed>/RACE in delivery order (time stamp, then name).
// Files whose names are not of the form above are left out.
std::vector<FeedFile> ListStoredFiles(const std::string& feed);

// The longest line a feed file may hold, CR LF included, for a record type
// without a layout here: more than the longest JV-Data record.
inline constexpr size_t kFeedLineByteLimit = 128 * 1024;

// The longest record of the type `line` begins with, CR LF included: its
// layout's length for RA, SE, HR, O1 and O2, else kFeedLineByteLimit.
size_t FeedRecordLimit(std::string_view line);

// The records of a feed file one at a time, each with its CR LF (a line may
// end with CR LF or LF alone). A line longer than its record type allows is
// passed over while it is read, never held whole, and counted; blank lines
// are passed over uncounted. A missing file has no records.
class FeedRecordReader {
 public:
  explicit FeedRecordReader(const std::string& path);

  // The next record; false at the end of the file.
  bool Next(std::string& record);
  // The records passed over as too long so far.
  int skipped() const { return skipped_; }

 private:
  bool Fill();
  // The line as a record, or false (counted when too long).
  bool Finish(std::string& line, bool overlong);

  std::unique_ptr<std::istream> in_;
  std::vector<char> buffer_;
  size_t pos_ = 0;
  size_t end_ = 0;
  int skipped_ = 0;
};

// A feed file some of whose records were passed over as too long.
struct SkippedRecords {
  std::string path;
  int count = 0;
};

// The records of a feed file, each with its CR LF; empty when missing. The
// records passed over are added to `skipped`, when given.
std::vector<std::string> ReadFeedRecords(const std::string& path, std::vector<SkippedRecords>* skipped = nullptr);

// True when a record of the file is for a race on one of the days from
// `first` to `last` (yyyymmdd, inclusive).
bool FileHasRaceDates(const std::string& path, const std::string& first, const std::string& last);

// The first and last day (yyyymmdd) of the meeting week of `now`: Tuesday to
// the following Monday, so the week's entries (Thursday) and its final
// results (Monday) belong to it.
void MeetingWeekOf(const DateTime& now, std::string& first, std::string& last);

// The latest O1 and the latest O2 announcement of a race at or before `now`,
// in that order (none, one or two records). Announcements of a final record
// ("00000000") count from the end of the race day. `fileName` receives the
// feed file's name.
std::vector<std::string> OddsAt(const std::string& feed, const std::string& raceKey, const DateTime& now,
                                std::string& fileName, std::vector<SkippedRecords>* skipped = nullptr);

// The records of every race of the date whose results are provided at `now`:
// for each race the latest result stage at or before `now`, races in race
// code order.
std::vector<std::string> ResultsAt(const std::string& feed, const std::string& date, const DateTime& now,
                                   std::vector<SkippedRecords>* skipped = nullptr);

// False when the name cannot name a folder: it holds a control character
// such as NUL (a setting read from a damaged file), or bytes that are not
// Shift-JIS. The file system would see another name than the one shown.
bool IsUsableFolderName(const std::string& folder);
// Why the folder cannot be listed (UTF-8, the platform's message); empty
// when it can.
std::string FolderListingProblem(const std::string& folder);

// Checks of the keys of the real-time streams.
bool IsRaceKey(const std::string& key);  // yyyymmdd + course (2) + meeting, day, race (2 digits each)
bool IsDateKey(const std::string& key);  // yyyymmdd, a calendar date
// True for 14 digits forming a valid yyyymmddhhnnss.
bool IsTimestamp(const std::string& text);

}  // namespace tw
