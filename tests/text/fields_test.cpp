#include "text/fields.h"

#include <gtest/gtest.h>

#include "text/sjis.h"

namespace tw {
namespace {

TEST(Fields, ReadsPastTheEndAsSpaces) {
  EXPECT_EQ(Field("RA1", 2, 4), "A1  ");
  EXPECT_EQ(Field("RA1", 10, 3), "   ");
  EXPECT_EQ(Field("", 1, 2), "  ");
  EXPECT_EQ(Field("ABC", 0, 2), "  ");
}

TEST(Fields, IntegerValueOfText) {
  EXPECT_EQ(IntValue("05"), 5);
  EXPECT_EQ(IntValue("  "), 0);
  EXPECT_EQ(IntValue("12 "), 12);
  EXPECT_EQ(IntValue("  -7x"), -7);
  EXPECT_EQ(IntValue("+3"), 3);
  EXPECT_EQ(IntValue("-"), 0);
  EXPECT_EQ(IntValue("a1"), 0);
  EXPECT_EQ(IntValue("1 2"), 1);
}

TEST(Fields, ShiftJisFieldsAreBytes) {
  std::string rec = "RA" + Sjis("東京") + "05";
  EXPECT_EQ(Field(rec, 3, 4), Sjis("東京"));
  EXPECT_EQ(FieldInt(rec, 7, 2), 5);
  EXPECT_EQ(FieldInt(rec, 9, 2), 0);
}

TEST(Fields, TrimAndBlank) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("    "), "");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim("\tx"), "\tx");  // only half-width spaces
  EXPECT_TRUE(IsBlank(""));
  EXPECT_TRUE(IsBlank("   "));
  EXPECT_FALSE(IsBlank(" 0 "));
  EXPECT_FALSE(IsBlank(Sjis("　")));  // a full-width space is text
}

TEST(Fields, PadRightCutsOrPads) {
  EXPECT_EQ(PadRight("ab", 4), "ab  ");
  EXPECT_EQ(PadRight("abcdef", 4), "abcd");
  EXPECT_EQ(PadRight("", 3), "   ");
  EXPECT_EQ(PadRight("abc", 0), "");
}

TEST(Fields, EqualsIgnoreCaseOnlyForAscii) {
  EXPECT_TRUE(EqualsIgnoreCase("JvDataGet", "JVDATAGET"));
  EXPECT_FALSE(EqualsIgnoreCase("abc", "abcd"));
  EXPECT_TRUE(EqualsIgnoreCase(Sjis("東京.jvSEr"), Sjis("東京.JVSER")));
  EXPECT_FALSE(EqualsIgnoreCase(Sjis("年"), Sjis("馬")));  // trail bytes 'N' and 'n'
}

TEST(Fields, StripLineEnd) {
  EXPECT_EQ(StripLineEnd("O1abc\r\n"), "O1abc");
  EXPECT_EQ(StripLineEnd("O1abc\n"), "O1abc");
  EXPECT_EQ(StripLineEnd("O1abc\r"), "O1abc");
  EXPECT_EQ(StripLineEnd("O1abc"), "O1abc");
  EXPECT_EQ(StripLineEnd("\r\n"), "");
  EXPECT_EQ(StripLineEnd(""), "");
}

TEST(Fields, AllDigitsWantsAtLeastOneDigitAndNothingElse) {
  EXPECT_TRUE(AllDigits("0"));
  EXPECT_TRUE(AllDigits("20240512"));
  EXPECT_FALSE(AllDigits(""));
  EXPECT_FALSE(AllDigits(" 1"));
  EXPECT_FALSE(AllDigits("1 "));
  EXPECT_FALSE(AllDigits("-1"));
  EXPECT_FALSE(AllDigits("12a4"));
  EXPECT_FALSE(AllDigits(Sjis("１２")));  // full-width digits are not digits
}

}  // namespace
}  // namespace tw
