// Where a snapshot goes: the slot of its race by course, meeting, day and
// race, and the line of the slot by its announcement.
#include "store/snapshot_slot.h"

#include <gtest/gtest.h>

#include "records/record_header.h"
#include "store/store_records.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::Blank;
using test::FileLines;
using test::Line;
using test::Odds;
using test::Race;
using test::Zeroed;

TEST(SnapshotPlacement, StrictlyLaterAnnouncementsFillInOrder) {
  std::string empty = Blank(960);
  auto at = [](const char* t) { return Line(Odds("O1", "20240512", "05", 1, t)); };
  EXPECT_EQ(PlaceSnapshot(empty, empty, empty, at("05120930")), 0);
  EXPECT_EQ(PlaceSnapshot(empty, at("05120930"), empty, at("05120900")), 0) << "snapshot 1 empty: any time";
  EXPECT_EQ(PlaceSnapshot(at("05120930"), empty, empty, at("05120930")), -1) << "equal is not later";
  EXPECT_EQ(PlaceSnapshot(at("05120930"), empty, empty, at("05120931")), 1);
  EXPECT_EQ(PlaceSnapshot(at("05120915"), at("05120930"), empty, at("05120930")), -1);
  EXPECT_EQ(PlaceSnapshot(at("05120915"), at("05120930"), empty, at("05121510")), 2);
  EXPECT_EQ(PlaceSnapshot(at("05120915"), at("05120930"), at("05121510"), at("05121520")), 2);
  EXPECT_EQ(PlaceSnapshot(at("05120915"), at("05120930"), at("05121510"), at("05121505")), -1);
  EXPECT_EQ(PlaceSnapshot(at("05120915"), at("05120930"), at("05121510"), at("05121510")), -1);
  // The times compare as integers over month, day, hour and minute.
  EXPECT_EQ(PlaceSnapshot(at("05112359"), empty, empty, at("05120001")), 1);
}

TEST(SnapshotPlacement, SlotByCourseMeetingDayAndRaceNotDate) {
  std::vector<std::string> races = {Race("20240512", "05", 1), Race("20240512", "05", 2), Race("20240512", "08", 2),
                                    Race("20240512", "08", 2)};
  EXPECT_EQ(FindSnapshotSlot(ReadRecordHeader(Odds("O1", "20240512", "08", 2, "05121000")), races), 2)
      << "the first match";
  EXPECT_EQ(FindSnapshotSlot(ReadRecordHeader(Odds("O2", "20990101", "05", 2, "05121000")), races), 1);
  EXPECT_EQ(FindSnapshotSlot(ReadRecordHeader(Odds("O1", "20240512", "09", 2, "05121000")), races), -1);
  std::vector<std::string> blanks(36, Blank(1272));
  std::string noRace = Odds("O1", "20240512", "05", 1, "05121000");
  noRace.replace(19, 8, "        ");
  EXPECT_EQ(FindSnapshotSlot(ReadRecordHeader(noRace), blanks), -1) << "an empty slot is no race";

  EXPECT_TRUE(IsStorableOddsRecord(ReadRecordHeader(Odds("O1", "20240512", "05", 1, "05121000", '1'))));
  EXPECT_FALSE(IsStorableOddsRecord(ReadRecordHeader(Odds("O1", "20240512", "05", 1, "05121000", '0'))));
  EXPECT_FALSE(IsStorableOddsRecord(ReadRecordHeader(Odds("O2", "20240512", "05", 1, "05121000", '9'))));
  EXPECT_FALSE(IsStorableOddsRecord(ReadRecordHeader(Odds("O3", "20240512", "05", 1, "05121000"))));
  EXPECT_FALSE(IsStorableOddsRecord(ReadRecordHeader(Odds("O1", "20240512", "05", 0, "05121000"))));
}

}  // namespace
}  // namespace tw
