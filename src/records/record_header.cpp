#include "records/record_header.h"

#include "codes/numbers.h"
#include "text/fields.h"

namespace tw {

std::string RecordType(std::string_view record) { return Field(record, 1, 2); }
std::string DataKind(std::string_view record) { return Field(record, 3, 1); }
std::string RaceKey(std::string_view record) { return Field(record, 12, 16); }
std::string_view WholeRaceKey(std::string_view record) {
  constexpr size_t kKeyAt = 11, kKeyWidth = 16;  // positions 12-27
  if (record.size() < kKeyAt + kKeyWidth) return {};
  return record.substr(kKeyAt, kKeyWidth);
}
std::string DateKey(std::string_view record) { return Field(record, 12, 8); }
long long RaceDate(std::string_view record) { return FieldInt(record, 12, 8); }
std::string RaceYear(std::string_view record) { return Field(record, 12, 4); }
std::string RaceMonthDay(std::string_view record) { return Field(record, 16, 4); }
std::string RaceMonth(std::string_view record) { return Field(record, 16, 2); }
std::string RaceDayOfMonth(std::string_view record) { return Field(record, 18, 2); }
std::string CourseCode(std::string_view record) { return Field(record, 20, 2); }
std::string MeetingNumber(std::string_view record) { return Field(record, 22, 2); }
std::string MeetingDay(std::string_view record) { return Field(record, 24, 2); }
std::string RaceNumberText(std::string_view record) { return Field(record, 26, 2); }
long long RaceNumber(std::string_view record) { return FieldInt(record, 26, 2); }
std::string RacePlace(std::string_view record) { return Field(record, 20, 8); }

namespace {

constexpr size_t kCourseAt = 19;      // 0-based start of the course code
constexpr size_t kRaceNumberAt = 25;  // 0-based start of the race number
constexpr size_t kPlaceEnd = 27;      // both fields lie inside this many bytes

}  // namespace

bool SameCourseAndRaceNumber(std::string_view a, std::string_view b) {
  if (a.size() < kPlaceEnd || b.size() < kPlaceEnd)
    return CourseCode(a) == CourseCode(b) && RaceNumberText(a) == RaceNumberText(b);
  return a.substr(kCourseAt, 2) == b.substr(kCourseAt, 2) && a.substr(kRaceNumberAt, 2) == b.substr(kRaceNumberAt, 2);
}

bool NamesCourseOrRaceNumber(std::string_view record) {
  if (record.size() < kPlaceEnd) return !IsBlank(CourseCode(record) + RaceNumberText(record));
  return !IsBlank(record.substr(kCourseAt, 2)) || !IsBlank(record.substr(kRaceNumberAt, 2));
}

std::string CourseCodeOfKey(std::string_view raceKey) { return Field(raceKey, 9, 2); }
std::string RaceNumberOfKey(std::string_view raceKey) { return Field(raceKey, 15, 2); }

std::string WithZeroedKindAndDate(const std::string& record) {
  return Overwrite(record, std::string(kZeroedKindAndDate), 3);
}

long long RecordHeader::raceDate() const { return IntValue(date); }
long long RecordHeader::raceNumber() const { return IntValue(race); }
std::string RecordHeader::place() const { return course + meeting + day + race; }

RecordHeader ReadRecordHeader(std::string_view record) {
  return {RecordType(record),    DataKind(record),   DateKey(record),       CourseCode(record),
          MeetingNumber(record), MeetingDay(record), RaceNumberText(record)};
}

}  // namespace tw
