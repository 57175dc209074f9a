#include "base/clock.h"

#include <gtest/gtest.h>

#include "text/sjis.h"

namespace tw {
namespace {

TEST(Clock, Formats) {
  DateTime t{2024, 5, 2, 9, 5, 7};
  EXPECT_EQ(FormatDateTime(t), "2024/05/02 09:05:07");
  EXPECT_EQ(FormatTime(t), "09:05:07");
  EXPECT_EQ(FormatCompact(t), "20240502090507");
  EXPECT_EQ(DayNameOf(t), Sjis("2024年05月02日"));
  EXPECT_EQ(DayNameOf(t).size(), 14u);
}

TEST(Clock, ParseDateTime) {
  DateTime t;
  ASSERT_TRUE(ParseDateTime("2024/05/12 23:59:58", t));
  EXPECT_EQ(t, (DateTime{2024, 5, 12, 23, 59, 58}));
  ASSERT_TRUE(ParseDateTime("2024/02/29 10:00", t));
  EXPECT_EQ(t, (DateTime{2024, 2, 29, 10, 0, 0}));
  EXPECT_EQ(FormatDateTime(t), "2024/02/29 10:00:00");
}

TEST(Clock, ParseDateTimeRejectsMalformedText) {
  DateTime t{1, 2, 3, 4, 5, 6};
  const DateTime before = t;
  for (const char* text :
       {"", "2024/05/12", "2024-05-12 10:00:00", "2024/5/12 10:00:00", "2024/05/12 24:00:00", "2024/13/01 10:00:00",
        "2023/02/29 10:00:00", "2024/04/31 10:00:00", "2024/05/12 10:60:00", "2024/05/12 10:00:60",
        "2024/05/12 10:00:00x", "2024/05/12 10:00:0", "abcd/05/12 10:00:00"}) {
    EXPECT_FALSE(ParseDateTime(text, t)) << text;
  }
  EXPECT_EQ(t, before);  // left alone on failure
}

TEST(Clock, ParseCompact) {
  DateTime t;
  ASSERT_TRUE(ParseCompact("20240512093000", t));
  EXPECT_EQ(t, (DateTime{2024, 5, 12, 9, 30, 0}));
  EXPECT_FALSE(ParseCompact("2024051209300", t));
  EXPECT_FALSE(ParseCompact("20240532093000", t));
}

TEST(Clock, AddSecondsAcrossDaysMonthsYears) {
  EXPECT_EQ(AddSeconds({2024, 5, 12, 23, 59, 59}, 1), (DateTime{2024, 5, 13, 0, 0, 0}));
  EXPECT_EQ(AddSeconds({2024, 3, 1, 0, 0, 0}, -1), (DateTime{2024, 2, 29, 23, 59, 59}));
  EXPECT_EQ(AddSeconds({2023, 3, 1, 0, 0, 0}, -1), (DateTime{2023, 2, 28, 23, 59, 59}));
  EXPECT_EQ(AddSeconds({2024, 12, 31, 12, 0, 0}, 86400), (DateTime{2025, 1, 1, 12, 0, 0}));
  // The race-card download looks eight days back.
  EXPECT_EQ(AddSeconds({2024, 1, 5, 10, 0, 0}, -8 * 86400), (DateTime{2023, 12, 28, 10, 0, 0}));
  EXPECT_EQ(AddSeconds({1970, 1, 1, 0, 0, 0}, -1), (DateTime{1969, 12, 31, 23, 59, 59}));
  EXPECT_EQ(FromEpochSeconds(ToEpochSeconds({2024, 5, 12, 9, 5, 7})), (DateTime{2024, 5, 12, 9, 5, 7}));
  EXPECT_EQ(ToEpochSeconds({1970, 1, 2, 0, 0, 0}), 86400);
}

TEST(Clock, DayOfWeek) {
  EXPECT_EQ(DayOfWeek({1970, 1, 1}), 4);   // Thursday
  EXPECT_EQ(DayOfWeek({2024, 5, 12}), 0);  // Sunday
  EXPECT_EQ(DayOfWeek({2024, 5, 11}), 6);  // Saturday
  EXPECT_EQ(DayOfWeek({2000, 2, 29}), 2);  // Tuesday
  EXPECT_EQ(DayOfWeek({1969, 12, 31}), 3);
}

TEST(Clock, ManualClock) {
  ManualClock clock({2024, 5, 12, 9, 59, 30});
  clock.Advance(45);
  EXPECT_EQ(clock.Now(), (DateTime{2024, 5, 12, 10, 0, 15}));
  clock.Set({2024, 1, 1, 0, 0, 0});
  EXPECT_EQ(clock.Now(), (DateTime{2024, 1, 1, 0, 0, 0}));
}

}  // namespace
}  // namespace tw
