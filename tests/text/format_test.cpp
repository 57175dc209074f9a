#include "text/format.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(Format, PrintfStyle) {
  EXPECT_EQ(Format("%6.2f", 3.14159), "  3.14");
  EXPECT_EQ(Format("%6.2f", 123.456), "123.46");
  EXPECT_EQ(Format("%6.2f", 1234.5), "1234.50");  // wider than the field, never cut
  EXPECT_EQ(Format("%7.1f", -2.25), "   -2.2");
  EXPECT_EQ(Format("%2d", 7), " 7");
  EXPECT_EQ(Format("%9d", 123456), "   123456");
  EXPECT_EQ(Format("%s-%s", "a", "b"), "a-b");
  EXPECT_EQ(Format("%s", ""), "");
  EXPECT_EQ(Format("%s", std::string(5000, 'x').c_str()).size(), 5000u);
}

TEST(FormatZeros, PictureOfZeros) {
  EXPECT_EQ(FormatZeros(12, 6), "000012");
  EXPECT_EQ(FormatZeros(12.5, 6), "000013");
  EXPECT_EQ(FormatZeros(12.49, 6), "000012");
  EXPECT_EQ(FormatZeros(1234567, 6), "1234567");
  EXPECT_EQ(FormatZeros(0, 6), "000000");
  EXPECT_EQ(FormatZeros(-12.5, 6), "-000013");
  EXPECT_EQ(FormatZeros(-0.4, 6), "000000");
}

TEST(FormatThousands2, GroupsAndTwoDecimals) {
  EXPECT_EQ(FormatThousands2(0), "0.00");
  EXPECT_EQ(FormatThousands2(999.999), "1,000.00");
  EXPECT_EQ(FormatThousands2(1234.5), "1,234.50");
  EXPECT_EQ(FormatThousands2(123456), "123,456.00");
  EXPECT_EQ(FormatThousands2(1234567.891), "1,234,567.89");
  EXPECT_EQ(FormatThousands2(-1234.5), "-1,234.50");
  EXPECT_EQ(FormatThousands2(-0.001), "0.00");
  EXPECT_EQ(FormatThousands2(12.3), "12.30");
}

TEST(RoundHalfAway, Decimals) {
  EXPECT_DOUBLE_EQ(RoundHalfAway(2.5, 0), 3.0);
  EXPECT_DOUBLE_EQ(RoundHalfAway(-2.5, 0), -3.0);
  EXPECT_DOUBLE_EQ(RoundHalfAway(1.25, 1), 1.3);
  EXPECT_DOUBLE_EQ(RoundHalfAway(-1.25, 1), -1.3);
  EXPECT_DOUBLE_EQ(RoundHalfAway(3.14159, 2), 3.14);
}

}  // namespace
}  // namespace tw
