#include "records/record_header.h"

#include <gtest/gtest.h>

#include "support/day_builder.h"

namespace tw {
namespace {

// An SE record of 2024-05-12, Tokyo (05), meeting 2, day 6, race 11.
std::string Record() {
  std::string r = "SE7202405102024051205020611";
  test::Put(r, 29, "03");
  return r;
}

TEST(RecordHeader, ReadsTheFieldsEveryRecordBeginsWith) {
  const std::string r = Record();
  EXPECT_EQ(RecordType(r), "SE");
  EXPECT_EQ(DataKind(r), "7");
  EXPECT_EQ(RaceKey(r), "2024051205020611");
  EXPECT_EQ(DateKey(r), "20240512");
  EXPECT_EQ(RaceDate(r), 20240512);
  EXPECT_EQ(RaceYear(r), "2024");
  EXPECT_EQ(RaceMonthDay(r), "0512");
  EXPECT_EQ(RaceMonth(r), "05");
  EXPECT_EQ(RaceDayOfMonth(r), "12");
  EXPECT_EQ(CourseCode(r), "05");
  EXPECT_EQ(MeetingNumber(r), "02");
  EXPECT_EQ(MeetingDay(r), "06");
  EXPECT_EQ(RaceNumberText(r), "11");
  EXPECT_EQ(RaceNumber(r), 11);
  EXPECT_EQ(RacePlace(r), "05020611");
  EXPECT_EQ(CourseCodeOfKey(RaceKey(r)), "05");
  EXPECT_EQ(RaceNumberOfKey(RaceKey(r)), "11");
}

TEST(RecordHeader, ShortRecordsReadAsSpaces) {
  const std::string r = "RA1202405102024051205";  // ends after the course code
  EXPECT_EQ(CourseCode(r), "05");
  EXPECT_EQ(MeetingNumber(r), "  ");
  EXPECT_EQ(RaceNumberText(r), "  ");
  EXPECT_EQ(RaceNumber(r), 0);
  EXPECT_EQ(RaceKey(r), "2024051205      ");
  EXPECT_EQ(RecordType(""), "  ");
  EXPECT_EQ(RaceDate(""), 0);
  // Read once into a header, the same texts.
  const RecordHeader header = ReadRecordHeader(r);
  EXPECT_EQ(header.course, "05");
  EXPECT_EQ(header.meeting, "  ");
  EXPECT_EQ(header.raceNumber(), 0);
  EXPECT_EQ(header.place(), RacePlace(r));
  EXPECT_EQ(header.raceDate(), RaceDate(r));
}

TEST(RecordHeader, WholeRaceKeyIsEmptyUnlessTheRecordHoldsAllOfIt) {
  const std::string r = Record();
  EXPECT_EQ(WholeRaceKey(r), "2024051205020611");
  EXPECT_EQ(WholeRaceKey(r.substr(0, 27)), "2024051205020611");
  EXPECT_EQ(WholeRaceKey(r.substr(0, 26)), "");
  EXPECT_EQ(WholeRaceKey(""), "");
}

TEST(RecordHeader, ZeroesDataKindAndCreationDateOnly) {
  EXPECT_EQ(WithZeroedKindAndDate(Record()), "SE0000000002024051205020611 03");
  // A record ending inside the creation date gets the whole run of zeros.
  EXPECT_EQ(WithZeroedKindAndDate("RA72024"), "RA000000000");
}

}  // namespace
}  // namespace tw
