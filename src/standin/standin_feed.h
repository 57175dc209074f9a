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
// served before it. Every file holds JV-Data records, each ended by CR LF.
#pragma once

#include <string>
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

// The records of a feed file, each with its CR LF; empty when missing.
std::vector<std::string> ReadFeedRecords(const std::string& path);

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
                                std::string& fileName);

// The records of every race of the date whose results are provided at `now`:
// for each race the latest result stage at or before `now`, races in race
// code order.
std::vector<std::string> ResultsAt(const std::string& feed, const std::string& date, const DateTime& now);

// Checks of the keys of the real-time streams.
bool IsRaceKey(const std::string& key);  // yyyymmdd + course (2) + meeting, day, race (2 digits each)
bool IsDateKey(const std::string& key);  // yyyymmdd, a calendar date
// True for 14 digits forming a valid yyyymmddhhnnss.
bool IsTimestamp(const std::string& text);

}  // namespace tw
