#include "analysis/odds_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "text/fields.h"

namespace tw {
namespace {

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
  EXPECT_EQ(ShareOfOdds(ReadOddsNumber("0011"), 738), 73.8);
  EXPECT_EQ(ShareOfOdds(ReadOddsNumber("0001"), 738), 0.0);
  EXPECT_EQ(ShareOfOdds(ReadOddsNumber("----"), 738), 0.0);
  EXPECT_EQ(ShareOfOdds(ReadOddsNumber("-012"), 738), 0.0);
}

TEST(OddsTexts, SharesOfTheNumbersAreTheSharesOfTheTexts) {
  // Every four-byte text over digits, fill characters, a sign and a
  // Shift-JIS lead byte: the share is what the text gave before it was read
  // into a number, 738 / (X - 1) of a valid text with X > 1.
  const std::string alphabet = " 0159-*+A\x82";
  for (char a : alphabet)
    for (char b : alphabet)
      for (char c : alphabet)
        for (char d : alphabet) {
          const std::string text{a, b, c, d};
          const double x = static_cast<double>(IntValue(text));
          const double share = IsValidOddsText(text) && x - 1 > 0 ? 738 / (x - 1) : 0.0;
          ASSERT_EQ(ShareOfOdds(ReadOddsNumber(text), 738), share) << '"' << text << '"';
          ASSERT_EQ(ReadOddsNumber(text).HasOdds(), IsValidOddsText(text)) << '"' << text << '"';
        }
}

}  // namespace
}  // namespace tw
