#include "records/day_files.h"

#include "codes/courses.h"
#include "records/record_header.h"
#include "text/fields.h"
#include "text/sjis.h"

namespace tw {

bool IsCalendarDate(std::string_view yyyymmdd) {
  if (yyyymmdd.size() != 8 || !AllDigits(yyyymmdd)) return false;
  auto number = [&](size_t from, size_t count) {
    int n = 0;
    for (size_t i = from; i < from + count; ++i) n = n * 10 + (yyyymmdd[i] - '0');
    return n;
  };
  const int year = number(0, 4), month = number(4, 2), day = number(6, 2);
  if (year < 1 || month < 1 || month > 12 || day < 1) return false;
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

namespace {

std::optional<std::string> DayNameOfDate(const std::string& date) {
  if (!IsCalendarDate(date)) return std::nullopt;
  static const std::string kYear = Sjis("年");
  static const std::string kMonth = Sjis("月");
  static const std::string kDay = Sjis("日");
  return date.substr(0, 4) + kYear + date.substr(4, 2) + kMonth + date.substr(6, 2) + kDay;
}

}  // namespace

std::optional<std::string> DayNameOf(std::string_view record) { return DayNameOfDate(DateKey(record)); }
std::optional<std::string> DayNameOf(const RecordHeader& header) { return DayNameOfDate(header.date); }

DayNameParts PartsOfDayName(std::string_view dayName) {
  return {Field(dayName, 1, 4), Field(dayName, 7, 2), Field(dayName, 11, 2)};
}

std::string RaceFileName(const std::string& dayName) { return dayName + ".jvRA"; }
std::string RunnerFileName(const std::string& dayName, const std::string& courseCode) {
  return dayName + CourseName(courseCode) + ".jvSEr";
}
std::string PayoutFileName(const std::string& dayName) { return dayName + ".jvHR"; }
std::string WinOddsFileName(const std::string& dayName) { return dayName + ".jvO1"; }
std::string QuinellaOddsFileName(const std::string& dayName) { return dayName + ".jvO2"; }

std::string WithExtension(const std::string& path, const std::string& extension) {
  // '.' is never a Shift-JIS trail byte, so a byte search is safe; a '.' in a
  // folder name before the last separator is not an extension.
  size_t dot = path.rfind('.');
  size_t sep = path.find_last_of("/\\");
  if (dot == std::string::npos || (sep != std::string::npos && dot < sep)) return path + extension;
  return path.substr(0, dot) + extension;
}

}  // namespace tw
