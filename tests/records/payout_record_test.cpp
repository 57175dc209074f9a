#include "records/payout_record.h"

#include <gtest/gtest.h>

#include "support/day_builder.h"

namespace tw {
namespace {

std::string BlankPayout() { return std::string(717, ' '); }

TEST(PayoutRecord, HorseEntries) {
  std::string hr = BlankPayout();
  test::Put(hr, 103 + 13,
            "07000000450"
            "03");  // win entry 2 (dead heat)
  test::Put(hr, 142 + 13 * 4,
            "12000000180"
            "11");  // place entry 5
  HorsePayout win = WinPayout(hr, 2);
  EXPECT_EQ(win.horse, 7);
  EXPECT_EQ(win.yen, 450);
  EXPECT_EQ(win.popularity, 3);
  HorsePayout place = PlacePayout(hr, 5);
  EXPECT_EQ(place.horse, 12);
  EXPECT_EQ(place.yen, 180);
  EXPECT_EQ(place.popularity, 11);
}

TEST(PayoutRecord, PairEntries) {
  std::string hr = BlankPayout();
  test::Put(hr, 207 + 13,
            "36"
            "000001230"
            "05");  // bracket entry 2: 3-6
  test::Put(hr, 246,
            "0312"
            "000045670"
            "102");  // quinella entry 1: 3-12
  test::Put(hr, 294 + 16 * 6,
            "1718"
            "000123450"
            "153");  // wide entry 7: 17-18
  PairPayout bracket = BracketPayout(hr, 2);
  EXPECT_EQ(bracket.first, 3);
  EXPECT_EQ(bracket.second, 6);
  EXPECT_EQ(bracket.yen, 1230);
  EXPECT_EQ(bracket.popularity, 5);
  PairPayout quinella = QuinellaPayout(hr, 1);
  EXPECT_EQ(quinella.first, 3);
  EXPECT_EQ(quinella.second, 12);
  EXPECT_EQ(quinella.yen, 45670);
  EXPECT_EQ(quinella.popularity, 102);
  PairPayout wide = WidePayout(hr, 7);
  EXPECT_EQ(wide.first, 17);
  EXPECT_EQ(wide.second, 18);
  EXPECT_EQ(wide.yen, 123450);
  EXPECT_EQ(wide.popularity, 153);
  for (int e = 1; e <= kWidePayoutEntries; ++e) {
    EXPECT_EQ(WidePayoutYen(hr, e), WidePayout(hr, e).yen) << e;
    if (e <= kQuinellaPayoutEntries) {
      EXPECT_EQ(QuinellaPayoutYen(hr, e), QuinellaPayout(hr, e).yen) << e;
    }
  }
}

TEST(PayoutRecord, UnpaidAndMissingEntriesReadAsZeros) {
  std::string hr = BlankPayout();
  test::Put(hr, 246 + 16,
            "0000"
            "000000000"
            "000");  // quinella entry 2, pool not sold
  for (const PairPayout& e : {QuinellaPayout(hr, 1), QuinellaPayout(hr, 2), WidePayout("HR", 1)}) {
    EXPECT_EQ(e.first, 0);
    EXPECT_EQ(e.second, 0);
    EXPECT_EQ(e.yen, 0);
    EXPECT_EQ(e.popularity, 0);
  }
  // Entries end where the next begins: a quinella entry does not read the wide one.
  test::Put(hr, 294,
            "0102"
            "000000990"
            "001");
  EXPECT_EQ(QuinellaPayout(hr, 3).yen, 0);
  EXPECT_EQ(WidePayout(hr, 1).yen, 990);
}

}  // namespace
}  // namespace tw
