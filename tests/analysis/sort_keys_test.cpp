#include "analysis/sort_keys.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "analysis/odds_texts.h"
#include "text/format.h"

namespace tw {
namespace {

TEST(HorseSortKey, HundredthsInSixDigitsThenTheHorse) {
  EXPECT_EQ(HorseSortKey(738.0 / 122, 7), "00060507");
  EXPECT_EQ(HorseSortKey(1003.4, 12), "10034012");
  EXPECT_EQ(HorseSortKey(0.0, 1), "00000001");
  // Halves round away from zero, as the "000000" picture does.
  EXPECT_EQ(HorseSortKey(0.125, 1), "00001301");
  EXPECT_EQ(HorseSortKey(0.135, 1), "00001401");
}

TEST(HorseKeyList, SortsByTextAndKeepsEachKeysHorse) {
  HorseKeyList keys;
  keys.Add(1002.0, 3);
  keys.Add(999.5, 10);
  keys.Add(1002.0, 1);
  keys.Add(1002.0, 3);  // duplicates stay
  keys.Sort();
  ASSERT_EQ(keys.Size(), 4);
  EXPECT_EQ(keys.Keys()[0].horse, 10);
  EXPECT_EQ(keys.Keys()[1].horse, 1);
  EXPECT_EQ(keys.HorseFromEnd(0), 3);
  EXPECT_EQ(keys.HorseFromEnd(1), 3);
}

TEST(RoundedTo2, ReadsBackLikeTheTwoDecimalText) {
  std::mt19937_64 random(12345);
  std::uniform_real_distribution<double> value(-1000.0, 9000.0);
  for (int i = 0; i < 20000; ++i) {
    const double v = value(random);
    ASSERT_EQ(RoundedTo2(v), std::strtod(Format("%.2f", v).c_str(), nullptr)) << Format("%.17g", v);
  }
  EXPECT_EQ(RoundedTo2(1007.5), 1007.5);
  EXPECT_EQ(RoundedTo2(-1.204), -1.2);
}

TEST(OddsTexts, ValidityRule) {
  EXPECT_TRUE(IsValidOddsText("0123"));
  EXPECT_TRUE(IsValidOddsText("0001"));
  EXPECT_TRUE(IsValidOddsText(" 000"));
  EXPECT_FALSE(IsValidOddsText("0000"));
  EXPECT_FALSE(IsValidOddsText("    "));
  EXPECT_FALSE(IsValidOddsText("----"));
  EXPECT_FALSE(IsValidOddsText("****"));
  EXPECT_TRUE(IsValidOddsText("--12"));
  EXPECT_FALSE(IsValidOddsText("00000"));
  EXPECT_FALSE(IsValidOddsText("-----"));
  EXPECT_FALSE(IsValidOddsText("******"));
  EXPECT_FALSE(IsValidOddsText("000000"));
  EXPECT_TRUE(IsValidOddsText("00000 "));
  EXPECT_EQ(ShareOfOdds("0011", 738), 73.8);
  EXPECT_EQ(ShareOfOdds("0001", 738), 0.0);
  EXPECT_EQ(ShareOfOdds("----", 738), 0.0);
  EXPECT_EQ(OddsValue("****"), 0);
  EXPECT_EQ(OddsValue("0052"), 52);
}

}  // namespace
}  // namespace tw
