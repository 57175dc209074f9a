// Layout of the race-day files: stored line lengths, line counts, the fields
// every record begins with, and the file names of a day.
//
// A record is stored as one line without its CR LF. Every line of a file,
// record or blank, has exactly the stored length of its record type, so that
// readers can read the files as fixed-length records.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// Stored line lengths (the record as received less its CR LF).
inline constexpr size_t kRaceLineLength = 1270;      // RA
inline constexpr size_t kRunnerLineLength = 553;     // SE
inline constexpr size_t kPayoutLineLength = 717;     // HR
inline constexpr size_t kWinOddsLineLength = 960;    // O1
inline constexpr size_t kQuinellaLineLength = 2040;  // O2

inline constexpr int kRacesPerCourse = 12;
inline constexpr int kRunnerSlots = 18;
inline constexpr int kDayRaceSlots = 36;
inline constexpr int kSnapshotsPerRace = 3;
inline constexpr size_t kRunnerFileLines = kRacesPerCourse * kRunnerSlots;   // 216
inline constexpr size_t kRaceFileFullLines = kDayRaceSlots;                  // 36
inline constexpr size_t kOddsFileLines = kDayRaceSlots * kSnapshotsPerRace;  // 108

// The zeros that replace data kind and creation date (positions 3-11) of race
// records, and of payout records from the race-card download.
inline constexpr std::string_view kZeroedKindAndDate = "000000000";

// Fields every record begins with (1-based positions).
std::string RecordType(std::string_view record);      // 1-2
std::string DataKind(std::string_view record);        // 3
std::string RaceKey(std::string_view record);         // 12-27
long long RaceDate(std::string_view record);          // 12-19 as an integer
long long RaceNumber(std::string_view record);        // 26-27 as an integer
long long HorseNumber(std::string_view record);       // SE 29-30 as an integer
long long AnnouncementTime(std::string_view record);  // O1/O2 28-35 (mmddhhmm)

// The day name of a record, year 12-15 + "年" + month 16-17 + "月" + day
// 18-19 + "日" (14 bytes). nullopt unless positions 12-19 are all digits, so
// that a damaged record can never name a file outside the data folder.
std::optional<std::string> DayNameOf(std::string_view record);

// The record as the line to store: its final line end removed, then padded
// with spaces or cut to `length`. nullopt when the record is shorter than
// `minLength` (too short for the fields its placement reads) or carries a
// line break inside it (it would split the file's lines).
std::optional<std::string> StoredLine(std::string_view record, size_t length, size_t minLength);

// Every line padded with spaces or cut to `length`; at least `minLines` lines
// (blank lines appended).
void NormaliseLines(std::vector<std::string>& lines, size_t length, size_t minLines = 0);

// File names of a day (names, not paths).
std::string RaceFileName(const std::string& dayName);                                   // .jvRA
std::string RunnerFileName(const std::string& dayName, const std::string& courseCode);  // + course + .jvSEr
std::string PayoutFileName(const std::string& dayName);                                 // .jvHR
std::string WinOddsFileName(const std::string& dayName);                                // .jvO1
std::string QuinellaOddsFileName(const std::string& dayName);                           // .jvO2

// `path` with its extension (from the last '.') replaced by `extension`
// (".jvO1"); appended when the name has none.
std::string WithExtension(const std::string& path, const std::string& extension);

}  // namespace tw
