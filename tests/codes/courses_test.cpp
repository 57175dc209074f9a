#include "codes/courses.h"

#include <gtest/gtest.h>

#include "text/sjis.h"

namespace tw {
namespace {

std::string Name(const std::string& code) { return SjisToUtf8(CourseName(code)); }
std::string Group(const std::string& code) { return SjisToUtf8(CourseGroupName(code)); }

TEST(CourseName, KnownCodes) {
  EXPECT_EQ(Name("05"), "東京");
  EXPECT_EQ(Name("01"), "札幌");
  EXPECT_EQ(Name("10"), "小倉");
  EXPECT_EQ(Name("44"), "大井");
  EXPECT_EQ(Name("61"), "中京");
  EXPECT_EQ(Name("A0"), "他外");
  EXPECT_EQ(Name("C7"), "ア首");
  EXPECT_EQ(Name("M2"), "澳門");
}

TEST(CourseName, UnknownAndBlankCodesGiveFourSpaces) {
  for (const char* code : {"C4", "F4", "G8", "5", "", "11", "29", "62", "a0", "M4", "05 ", " 5"})
    EXPECT_EQ(CourseName(code), "    ") << code;
}

TEST(CourseName, EveryNameIsFourBytes) {
  int known = 0;
  for (char a : std::string("0123456789ABCDEFGHIJKLM")) {
    for (char b : std::string("0123456789")) {
      std::string name = CourseName(std::string{a, b});
      ASSERT_EQ(name.size(), 4u) << a << b;
      if (name != "    ") ++known;
    }
  }
  // 107 rows; C4, F4, F6, G4, G6 and G8 have blank names.
  EXPECT_EQ(known, 107 - 6);
}

TEST(CourseCodesNamed, NamesLeadBackToTheirCodes) {
  EXPECT_EQ(CourseCodesNamed(Sjis("東京")), (std::vector<std::string>{"05"}));
  // The JRA course and the local course of the same town share a name.
  EXPECT_EQ(CourseCodesNamed(Sjis("札幌")), (std::vector<std::string>{"01", "58"}));
  EXPECT_EQ(CourseCodesNamed(Sjis("チェ")), (std::vector<std::string>{"I4", "I6"}));
  // The blank names of the table name no course.
  EXPECT_TRUE(CourseCodesNamed("    ").empty());
  EXPECT_TRUE(CourseCodesNamed("").empty());
  EXPECT_TRUE(CourseCodesNamed(Sjis("東")).empty());
  EXPECT_TRUE(CourseCodesNamed(Sjis("東京競馬場")).empty());
}

TEST(CourseGroupName, Groups) {
  EXPECT_EQ(Group("05"), "東京  ");
  EXPECT_EQ(Group("09"), "阪神  ");
  EXPECT_EQ(Group("30"), "地方  ");
  EXPECT_EQ(Group("44"), "地方  ");
  EXPECT_EQ(Group("61"), "地方  ");
  EXPECT_EQ(Group("A0"), "海外  ");
  EXPECT_EQ(Group("C4"), "海外  ");
  EXPECT_EQ(Group("H2"), "海外  ");
}

TEST(CourseGroupName, CodesWithoutGroupGiveSixSpaces) {
  for (const char* code : {"C5", "H4", "M2", "11", "62", "5", ""}) EXPECT_EQ(CourseGroupName(code), "      ") << code;
  EXPECT_EQ(CourseGroupName("05").size(), 6u);
}

}  // namespace
}  // namespace tw
