#include "records/layout.h"

#include "codes/courses.h"
#include "text/fields.h"
#include "text/sjis.h"

namespace tw {

std::string RecordType(std::string_view record) { return Field(record, 1, 2); }
std::string DataKind(std::string_view record) { return Field(record, 3, 1); }
std::string RaceKey(std::string_view record) { return Field(record, 12, 16); }
long long RaceDate(std::string_view record) { return FieldInt(record, 12, 8); }
long long RaceNumber(std::string_view record) { return FieldInt(record, 26, 2); }
long long HorseNumber(std::string_view record) { return FieldInt(record, 29, 2); }
long long AnnouncementTime(std::string_view record) { return FieldInt(record, 28, 8); }

std::optional<std::string> DayNameOf(std::string_view record) {
  std::string date = Field(record, 12, 8);
  for (char c : date) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  static const std::string kYear = Sjis("年");
  static const std::string kMonth = Sjis("月");
  static const std::string kDay = Sjis("日");
  return date.substr(0, 4) + kYear + date.substr(4, 2) + kMonth + date.substr(6, 2) + kDay;
}

std::optional<std::string> StoredLine(std::string_view record, size_t length, size_t minLength) {
  std::string_view line = StripLineEnd(record);
  if (line.size() < minLength) return std::nullopt;
  if (line.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
  return PadRight(line, length);
}

void NormaliseLines(std::vector<std::string>& lines, size_t length, size_t minLines) {
  for (auto& line : lines) {
    if (line.size() != length) line = PadRight(line, length);
  }
  if (lines.size() < minLines) lines.resize(minLines, std::string(length, ' '));
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
