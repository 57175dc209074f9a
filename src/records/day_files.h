// The day name of a record and the file names of a race day.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw {

struct RecordHeader;

// "yyyy年mm月dd日" in Shift-JIS.
inline constexpr size_t kDayNameLength = 14;

// True when `yyyymmdd` is eight digits naming a day of the calendar (year
// 0001 to 9999, leap years counted).
bool IsCalendarDate(std::string_view yyyymmdd);

// The day name of a record, year 12-15 + "年" + month 16-17 + "月" + day
// 18-19 + "日". nullopt unless positions 12-19 are a calendar date, so that a
// damaged record can never name a file outside the data folder, nor a day
// that does not exist.
std::optional<std::string> DayNameOf(std::string_view record);
std::optional<std::string> DayNameOf(const RecordHeader& header);

// The year, month and day texts of a day name (bytes 1-4, 7-8 and 11-12),
// as written; a caller checks them.
struct DayNameParts {
  std::string year;
  std::string month;
  std::string day;
};
DayNameParts PartsOfDayName(std::string_view dayName);

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
