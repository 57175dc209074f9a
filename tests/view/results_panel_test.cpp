// The results panel: payouts of every bet type in their formats.
#include "view/results_panel.h"

#include <gtest/gtest.h>

#include "codes/pairs.h"
#include "support/day_builder.h"
#include "support/race_view_fixture.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::Put;
using test::RaceFixture;
using test::U8;

TEST(ResultsPanel, SecondQuinellaPayoutAndPlaceAndWideFormats) {
  RaceFixture f(14);
  std::string hr = test::PayoutLine(f.key);
  test::SetQuinellaPayout(hr, 1, 2, 5, 1230);
  test::SetQuinellaPayout(hr, 2, 5, 11, 45670);  // a dead heat for second place
  // Place entry 3: horse 7, 310 yen, popularity 4; wide entry 2: 5-11, 1980 yen, popularity 12.
  Put(hr, 142 + 2 * 13,
      "07000000310"
      "04");
  test::SetWidePayout(hr, 2, 5, 11, 1980);
  Put(hr, 294 + 16 + 13, "012");
  f.slot().payout = hr + "\r\n";
  RaceView v = f.Show();
  EXPECT_EQ(v.header.result1, " 2- 5");
  EXPECT_EQ(v.header.payout1, "     1230");
  EXPECT_EQ(v.header.result2, " 5-11");
  EXPECT_EQ(v.header.payout2, "    45670");
  EXPECT_EQ(v.results.quinella[1].result, " 5-11");
  EXPECT_EQ(v.results.quinella[1].payout, "   45670");
  EXPECT_EQ(v.results.place[2].result, " 7");
  EXPECT_EQ(v.results.place[2].payout, "     310");
  EXPECT_EQ(v.results.place[2].popularity, " 4");
  EXPECT_EQ(v.results.place[3].result, "");
  EXPECT_EQ(v.results.wide[1].result, " 5-11");
  EXPECT_EQ(v.results.wide[1].payout, "    1980");
  EXPECT_EQ(v.results.wide[1].popularity, " 12");
  EXPECT_EQ(v.results.wide[2].payout, "");
}

}  // namespace
}  // namespace tw
