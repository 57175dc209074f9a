#include "records/day_files.h"

#include "codes/courses.h"
#include "records/record_header.h"
#include "text/fields.h"
#include "text/sjis.h"

namespace tw {

std::optional<std::string> DayNameOf(std::string_view record) {
  std::string date = DateKey(record);
  if (!AllDigits(date)) return std::nullopt;
  static const std::string kYear = Sjis("年");
  static const std::string kMonth = Sjis("月");
  static const std::string kDay = Sjis("日");
  return date.substr(0, 4) + kYear + date.substr(4, 2) + kMonth + date.substr(6, 2) + kDay;
}

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
