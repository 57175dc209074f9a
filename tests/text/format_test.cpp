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

}  // namespace
}  // namespace tw
