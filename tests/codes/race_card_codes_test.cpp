#include "codes/race_card_codes.h"

#include <gtest/gtest.h>

#include "text/sjis.h"

namespace tw {
namespace {

TEST(RaceCardCodes, ClassesRenamedInJune2019) {
  EXPECT_EQ(RaceClassText("005", 20190601), Sjis("１勝クラス"));
  EXPECT_EQ(RaceClassText("005", 20190531), Sjis("５００万下"));
  EXPECT_EQ(RaceClassText("016", 20100101), Sjis("１６００万下"));
  EXPECT_EQ(RaceClassText("703", 20100101), Sjis("未勝利"));
  EXPECT_EQ(RaceClassText("123", 20240101), "");
  EXPECT_EQ(RaceAgeText("19"), Sjis("障害４歳以上"));
  EXPECT_EQ(SurfaceText("51"), Sjis("障害"));
  EXPECT_EQ(SurfaceText("30"), "");
  EXPECT_EQ(SurfaceText(" 1"), "");
  EXPECT_EQ(SexText("3"), Sjis("セ"));
}

}  // namespace
}  // namespace tw
