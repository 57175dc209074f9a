#include "records/layout.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(Layout, RecordLengthsWithAndWithoutTheLineEnd) {
  EXPECT_EQ(kRaceRecordLength, 1272u);
  EXPECT_EQ(kRunnerRecordLength, 555u);
  EXPECT_EQ(kPayoutRecordLength, 719u);
  EXPECT_EQ(kWinOddsRecordLength, 962u);
  EXPECT_EQ(kQuinellaOddsRecordLength, 2042u);
  EXPECT_EQ(kRaceLineLength, 1270u);
  EXPECT_EQ(kQuinellaLineLength, 2040u);
}

TEST(Layout, StoredLineDropsTheLineEndAndPadsOrCuts) {
  EXPECT_EQ(StoredLine("RA12\r\n", 6, 2), "RA12  ");
  EXPECT_EQ(StoredLine("RA1234567\r\n", 6, 2), "RA1234");
  EXPECT_EQ(StoredLine("RA12", 4, 4), "RA12");
  EXPECT_FALSE(StoredLine("RA1\r\n", 6, 4).has_value());       // too short for its fields
  EXPECT_FALSE(StoredLine("RA1\r\n2345", 10, 2).has_value());  // a line break inside
  EXPECT_FALSE(StoredLine("RA1\n\n", 10, 2).has_value());
}

TEST(Layout, NormaliseLinesGivesEveryLineItsLengthAndTheMinimumCount) {
  std::vector<std::string> lines = {"ab", "abcdef", ""};
  NormaliseLines(lines, 4, 5);
  const std::vector<std::string> expected = {"ab  ", "abcd", "    ", "    ", "    "};
  EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace tw
