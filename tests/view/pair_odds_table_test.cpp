// The bracket-quinella and quinella odds tables of the race view: formats,
// cancelled pairs, colours and the snapshot time.
#include "view/pair_odds_table.h"

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

TEST(PairOddsTable, PairOddsTablesFormatsAndColours) {
  RaceFixture f(10);
  std::vector<std::string> bracket(36, "     ");
  bracket[0] = "-----";
  bracket[1] = "00000";
  bracket[2] = "00299";
  bracket[3] = "*****";
  f.SetWin(1, {"0030"}, bracket);
  std::vector<std::string> pairs(153, "      ");
  pairs[0] = "012345";
  pairs[1] = "******";
  f.SetQuinella(2, pairs);
  PairOddsTable b = BracketOddsTable(f.slot(), 1);
  ASSERT_EQ(b.fields.size(), 37u);
  EXPECT_EQ(U8(b.fields[1].text), "取消");
  EXPECT_FALSE(b.fields[1].colour.has_value());
  EXPECT_EQ(b.fields[2].text, "");
  EXPECT_EQ(b.fields[3].text, "  29.9");
  EXPECT_EQ(b.fields[3].colour, colour::kAqua);
  EXPECT_EQ(U8(b.fields[4].text), "取消");
  EXPECT_EQ(U8(b.time), "10時31分");
  EXPECT_EQ(b.labels[36], " 8- 8");
  PairOddsTable q = QuinellaOddsTable(f.slot(), 2);
  EXPECT_EQ(q.fields[1].text, " 1234.5");
  EXPECT_EQ(q.fields[1].colour, colour::kFuchsia);
  EXPECT_EQ(U8(q.fields[2].text), "取消");
  EXPECT_EQ(q.labels[153], "17-18");
  PairOddsTable missing = QuinellaOddsTable(f.slot(), 3);
  EXPECT_EQ(missing.time, "");
  EXPECT_EQ(missing.fields[1].text, "");
}

}  // namespace
}  // namespace tw
