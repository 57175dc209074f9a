#include "records/odds_record.h"

#include <gtest/gtest.h>

#include "records/layout.h"
#include "support/day_builder.h"
#include "text/fields.h"

namespace tw {
namespace {

TEST(OddsRecord, AnnouncementTime) {
  const std::string o1 = "O11000000002024051205020611" + std::string("05121432");
  EXPECT_EQ(AnnouncementText(o1), "05121432");
  EXPECT_EQ(AnnouncementTime(o1), 5121432);
  EXPECT_EQ(AnnouncementMonthDay(o1), "0512");
  EXPECT_EQ(AnnouncementHour(o1), "14");
  EXPECT_EQ(AnnouncementMinute(o1), "32");
  EXPECT_EQ(AnnouncementHour("O1100000000"), "  ");
}

TEST(OddsRecord, HoldsSnapshotWhenItsRaceYearIsSet) {
  EXPECT_TRUE(HoldsSnapshot("O11000000002024"));
  EXPECT_TRUE(HoldsSnapshot("O11000000000000"));
  EXPECT_FALSE(HoldsSnapshot(std::string(960, ' ')));
  EXPECT_FALSE(HoldsSnapshot(""));
  EXPECT_FALSE(HoldsSnapshot("O1100000000    05"));
}

TEST(OddsRecord, OddsFieldsOfHorsesAndPairs) {
  std::string o1(960, ' ');
  test::Put(o1, 46, "0021");             // horse 1
  test::Put(o1, 46 + 8 * 17, "9999");    // horse 18
  test::Put(o1, 606, "00015");           // bracket pair 1-1
  test::Put(o1, 606 + 9 * 35, "*****");  // bracket pair 8-8
  EXPECT_EQ(WinOddsOf(o1, 1), "0021");
  EXPECT_EQ(WinOddsOf(o1, 18), "9999");
  EXPECT_EQ(WinOddsOf(o1, 2), "    ");
  EXPECT_EQ(BracketOddsOf(o1, 1), "00015");
  EXPECT_EQ(BracketOddsOf(o1, 36), "*****");

  std::string o2(2040, ' ');
  test::Put(o2, 45, "004579");             // 1-2
  test::Put(o2, 45 + 13 * 152, "------");  // 17-18
  EXPECT_EQ(QuinellaOddsOf(o2, 1), "004579");
  EXPECT_EQ(QuinellaOddsOf(o2, 153), "------");
  // A short text reads as spaces.
  EXPECT_EQ(QuinellaOddsOf(o2.substr(0, 47), 1), "004   ");
}

TEST(OddsRecord, PlaceOddsStandAfterTheHorseNumberOfTheirEntry) {
  // Place entry of horse h at 268 + 12(h - 1): horse, lowest, highest, popularity.
  std::string o1(kWinOddsLineLength, ' ');
  test::Put(o1, 268 + 12 * 2, "030011002501");
  test::Put(o1, 268 + 12 * 17, "18----****  ");
  EXPECT_EQ(Field(o1, PlaceLowestOddsPosition(3), kPlaceOddsWidth), "0011");
  EXPECT_EQ(Field(o1, PlaceHighestOddsPosition(3), kPlaceOddsWidth), "0025");
  EXPECT_EQ(Field(o1, PlaceLowestOddsPosition(18), kPlaceOddsWidth), "----");
  EXPECT_EQ(Field(o1, PlaceHighestOddsPosition(18), kPlaceOddsWidth), "****");
}

}  // namespace
}  // namespace tw
