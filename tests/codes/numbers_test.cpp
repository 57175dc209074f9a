#include "codes/numbers.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(PadNumber, RightAlignsInTheFieldWidth) {
  EXPECT_EQ(PadNumber("05"), " 5");
  EXPECT_EQ(PadNumber("12"), "12");
  EXPECT_EQ(PadNumber("01"), " 1");
  EXPECT_EQ(PadNumber("0007"), "   7");
  EXPECT_EQ(PadNumber("5 "), " 5");
  EXPECT_EQ(PadNumber("-3"), "-3");
}

TEST(PadNumber, ZeroAndBlankGiveSpaces) {
  EXPECT_EQ(PadNumber("00"), "  ");
  EXPECT_EQ(PadNumber("  "), "  ");
  EXPECT_EQ(PadNumber("ab"), "  ");
  EXPECT_EQ(PadNumber(""), "");
}

TEST(TenthsText, OneDecimalOneCharacterWider) {
  EXPECT_EQ(TenthsText("0123"), " 12.3");
  EXPECT_EQ(TenthsText("00054"), "   5.4");
  EXPECT_EQ(TenthsText("9999"), "999.9");
  EXPECT_EQ(TenthsText("0001"), "  0.1");
  EXPECT_EQ(TenthsText("0010"), "  1.0");
}

TEST(TenthsText, ZeroIsOneCharacterNarrower) {
  EXPECT_EQ(TenthsText("0000"), "    ");
  EXPECT_EQ(TenthsText("    "), "    ");
  EXPECT_EQ(TenthsText("----"), "    ");
}

TEST(Overwrite, ReplacesInPlace) {
  EXPECT_EQ(Overwrite("O1123456789ABCDEF", "000000000", 3), "O1000000000ABCDEF");
  EXPECT_EQ(Overwrite("abcdef", "XY", 1), "XYcdef");
  EXPECT_EQ(Overwrite("abcdef", "XY", 5), "abcdXY");
  EXPECT_EQ(Overwrite("abcdef", "", 3), "abcdef");
}

TEST(Overwrite, PieceRunningPastTheEnd) {
  EXPECT_EQ(Overwrite("abcdef", "XYZ", 5), "abcdXYZ");
  EXPECT_EQ(Overwrite("abc", "XY", 4), "abcXY");
  EXPECT_EQ(Overwrite("abc", "XY", 10), "abcXY");
  EXPECT_EQ(Overwrite("", "XY", 3), "XY");
  EXPECT_EQ(Overwrite("abc", "X", 0), "Xbc");
}

TEST(AddMinutes, Arithmetic) {
  EXPECT_EQ(AddMinutes("0950", 5), "0955");
  EXPECT_EQ(AddMinutes("0958", 5), "1003");
  EXPECT_EQ(AddMinutes("1000", -5), "0955");
  EXPECT_EQ(AddMinutes("1525", -45), "1440");
  EXPECT_EQ(AddMinutes("1200", 0), "1200");
  EXPECT_EQ(AddMinutes("0000", 0), "0000");
}

TEST(AddMinutes, NoWrapAtTwentyFourHours) {
  EXPECT_EQ(AddMinutes("2350", 20), "2410");
  EXPECT_EQ(AddMinutes("2359", 1), "2400");
  EXPECT_EQ(AddMinutes("9000", 6000), "19000");
}

TEST(AddMinutes, BeforeMidnightKeepsItsSign) {
  EXPECT_EQ(AddMinutes("0003", -5), "-0002");
  EXPECT_EQ(AddMinutes("0010", -70), "-0100");
  EXPECT_LT(AddMinutes("0003", -5), std::string("0000"));
}

TEST(AddMinutes, BlankGivesEmpty) {
  EXPECT_EQ(AddMinutes("", 5), "");
  EXPECT_EQ(AddMinutes("    ", 5), "");
  EXPECT_EQ(AddMinutes(" 930", 0), "0930");
}

}  // namespace
}  // namespace tw
