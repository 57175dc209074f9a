// The colour rule of odds and the coloured fields of the race view.
#include "view/colours.h"

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

TEST(Colours, ColourRuleAndFields) {
  EXPECT_EQ(OddsColour(10.0), colour::kYellow);
  EXPECT_EQ(OddsColour(10.1), colour::kAqua);
  EXPECT_EQ(OddsColour(29.9), colour::kAqua);
  EXPECT_EQ(OddsColour(30.0), colour::kLime);
  EXPECT_EQ(OddsColour(98.5), colour::kLime);
  EXPECT_EQ(OddsColour(100.0), colour::kFuchsia);
  EXPECT_FALSE(OddsColourOfTenths(0));
  EXPECT_FALSE(OddsColourOfTenths(-12));
  EXPECT_EQ(OddsColourOfTenths(101), colour::kAqua);
  EXPECT_EQ(BracketColour(7), colour::kOrange);
  EXPECT_EQ(BracketColour(2), colour::kGrey);
}

}  // namespace
}  // namespace tw
