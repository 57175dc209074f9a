#include "analysis/race_day_texts.h"

#include <gtest/gtest.h>

#include "support/day_builder.h"
#include "text/sjis.h"

namespace tw {
namespace {

TEST(RaceDayTextsTest, HeaderAndEntryTexts) {
  std::string race = test::RaceLine(test::RaceKey(2024, 5, 12, "05", 2, 6, 11), 18, "1545") + "\r\n";
  RaceHeaderTexts h = RaceHeader(race);
  EXPECT_EQ(SjisToUtf8(h.dateLine), "2024年05月12日東京02回06日");
  EXPECT_EQ(SjisToUtf8(h.raceLine), "11R");
  EXPECT_EQ(SjisToUtf8(h.fieldLine), "18頭");
  EXPECT_EQ(SjisToUtf8(h.postLine), "15時45分発走");
  EXPECT_EQ(SjisToUtf8(RaceListEntryText(race)), "東京   2回  6日11R");

  std::string nine = test::RaceLine(test::RaceKey(2024, 5, 12, "05", 2, 6, 1), 9, "1000");
  EXPECT_EQ(SjisToUtf8(RaceHeader(nine).fieldLine), " 9頭");
  EXPECT_EQ(SjisToUtf8(RaceHeader(nine).raceLine), " 1R");
}

}  // namespace
}  // namespace tw
