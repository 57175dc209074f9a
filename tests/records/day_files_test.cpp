#include "records/day_files.h"

#include <gtest/gtest.h>

#include "text/sjis.h"

namespace tw {
namespace {

TEST(DayFiles, DayNameOfARecord) {
  auto name = DayNameOf("RA0000000002024051205020611");
  ASSERT_TRUE(name.has_value());
  EXPECT_EQ(*name, Sjis("2024年05月12日"));
  EXPECT_EQ(name->size(), kDayNameLength);
}

TEST(DayFiles, DayNameRefusesADateThatIsNotAllDigits) {
  EXPECT_FALSE(DayNameOf("RA000000000 0240512").has_value());
  EXPECT_FALSE(DayNameOf("RA000000000../../12").has_value());
  EXPECT_FALSE(DayNameOf("RA000000000202405").has_value());  // too short: spaces
  EXPECT_FALSE(DayNameOf("").has_value());
}

TEST(DayFiles, OnlyDaysOfTheCalendarNameADay) {
  for (const char* good : {"20240229", "20000229", "00010101", "99991231", "20241130"})
    EXPECT_TRUE(IsCalendarDate(good)) << good;
  for (const char* bad : {"99999999", "20230229", "19000229", "00000101", "20241301", "20240001", "20240431",
                          "20240100", "2024051", "202405121"})
    EXPECT_FALSE(IsCalendarDate(bad)) << bad;
  EXPECT_FALSE(DayNameOf("RA00000000099999999").has_value());
}

TEST(DayFiles, PartsOfADayNameAsWritten) {
  DayNameParts parts = PartsOfDayName(Sjis("2024年05月12日"));
  EXPECT_EQ(parts.year, "2024");
  EXPECT_EQ(parts.month, "05");
  EXPECT_EQ(parts.day, "12");
  // A short name reads as spaces, which a caller refuses.
  EXPECT_EQ(PartsOfDayName("2024").day, "  ");
}

TEST(DayFiles, FileNamesOfADay) {
  const std::string day = Sjis("2024年05月12日");
  EXPECT_EQ(RaceFileName(day), day + ".jvRA");
  EXPECT_EQ(RunnerFileName(day, "05"), day + Sjis("東京") + ".jvSEr");
  EXPECT_EQ(PayoutFileName(day), day + ".jvHR");
  EXPECT_EQ(WinOddsFileName(day), day + ".jvO1");
  EXPECT_EQ(QuinellaOddsFileName(day), day + ".jvO2");
}

TEST(DayFiles, WithExtensionReplacesOnlyTheNamesExtension) {
  EXPECT_EQ(WithExtension("Data/day.jvRA", ".jvO1"), "Data/day.jvO1");
  EXPECT_EQ(WithExtension("Data.old/day", ".jvO1"), "Data.old/day.jvO1");
  EXPECT_EQ(WithExtension("day", ".jvO2"), "day.jvO2");
}

}  // namespace
}  // namespace tw
