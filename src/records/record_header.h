// Fields every JV-Data record begins with: RA, SE, HR, O1 and O2 alike.
// Positions are 1-based; a field past the end of a short record reads as
// spaces.
#pragma once

#include <string>
#include <string_view>

namespace tw {

std::string RecordType(std::string_view record);  // 1-2: "RA", "SE", "HR", "O1", "O2"
std::string DataKind(std::string_view record);    // 3
std::string RaceKey(std::string_view record);     // 12-27: date, course, meeting, day, race
// The race key as it lies in the record; empty (never padded) when the
// record is too short to hold all of it.
std::string_view WholeRaceKey(std::string_view record);
std::string DateKey(std::string_view record);         // 12-19: yyyymmdd
long long RaceDate(std::string_view record);          // 12-19 as an integer
std::string RaceYear(std::string_view record);        // 12-15
std::string RaceMonthDay(std::string_view record);    // 16-19: mmdd
std::string RaceMonth(std::string_view record);       // 16-17
std::string RaceDayOfMonth(std::string_view record);  // 18-19
std::string CourseCode(std::string_view record);      // 20-21
std::string MeetingNumber(std::string_view record);   // 22-23: meeting of the year (回)
std::string MeetingDay(std::string_view record);      // 24-25: day of the meeting (日目)
std::string RaceNumberText(std::string_view record);  // 26-27
long long RaceNumber(std::string_view record);        // 26-27 as an integer
// 20-27: course, meeting, day and race number, the race within its day.
std::string RacePlace(std::string_view record);
// Whether two records name the same course code and race number, bytes past
// the end of a short record read as spaces (as CourseCode and RaceNumberText
// give them); without building the texts, as the day load asks it of every
// snapshot line.
bool SameCourseAndRaceNumber(std::string_view a, std::string_view b);
// Whether the course code and race number are not all spaces.
bool NamesCourseOrRaceNumber(std::string_view record);

// The same fields in a race key (the 16 bytes of positions 12-27).
std::string CourseCodeOfKey(std::string_view raceKey);  // 9-10
std::string RaceNumberOfKey(std::string_view raceKey);  // 15-16

// The record with data kind and creation date (3-11) replaced by zeros, as
// race records, and payout records from the race-card download, are stored.
inline constexpr std::string_view kZeroedKindAndDate = "000000000";
std::string WithZeroedKindAndDate(const std::string& record);

// The header of a record read once, where the record enters the store: the
// placement rules and the file names take it instead of reading the fields
// again. Texts as the functions above give them (spaces past the end).
struct RecordHeader {
  std::string type;     // 1-2
  std::string kind;     // 3: data kind
  std::string date;     // 12-19: yyyymmdd
  std::string course;   // 20-21
  std::string meeting;  // 22-23
  std::string day;      // 24-25
  std::string race;     // 26-27

  long long raceDate() const;    // the date as an integer
  long long raceNumber() const;  // the race number as an integer
  std::string place() const;     // 20-27: course, meeting, day and race number
};
RecordHeader ReadRecordHeader(std::string_view record);

}  // namespace tw
