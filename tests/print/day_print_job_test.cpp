#include "print/day_print_job.h"

#include <gtest/gtest.h>

#include "support/fake_user_port.h"
#include "text/sjis.h"

namespace tw {
namespace {

RaceDayModel TwelveRaces() {
  RaceDayModel model;
  for (int i = 0; i < 12; ++i) {
    model.slots[i].race = std::string(kRaceRecordLength, ' ');
    model.slots[i].analysis.snapshotCount = 2;
  }
  model.raceCount = 12;
  return model;
}

std::vector<int> Rows(int n) {
  std::vector<int> rows;
  for (int i = 0; i < n; ++i) rows.push_back(i);
  return rows;
}

TEST(DayPrintJob, NoDayChosen) {
  test::FakeUserPort port;
  const RaceDayModel model = TwelveRaces();
  EXPECT_FALSE(PrepareDayPrintout("  ", model, Rows(12), port).has_value());
  EXPECT_EQ(port.events, (std::vector<std::string>{"beep", "inform:ﾃﾞｰﾀを読み込んでください。"}));
}

TEST(DayPrintJob, BuildsEveryRow) {
  test::FakeUserPort port;
  const RaceDayModel model = TwelveRaces();
  const auto printout = PrepareDayPrintout(Sjis("2024年05月26日"), model, Rows(12), port);
  ASSERT_TRUE(printout.has_value());
  EXPECT_EQ(printout->pages.size(), 12u);
  EXPECT_TRUE(port.events.empty());
}

TEST(DayPrintJob, CheckedPagesWithOddsOnly) {
  RaceDayModel model = TwelveRaces();
  model.slots[4].analysis.snapshotCount = 0;  // page 5
  const AnalysisPrintout printout = BuildAnalysisPrintout(model, Rows(12));
  std::vector<bool> checked(12, false);
  checked[2] = checked[4] = true;
  EXPECT_EQ(CheckedPagesToPrint(printout, model, checked), (std::vector<int>{3}));
  checked.assign(12, true);
  EXPECT_EQ(CheckedPagesToPrint(printout, model, checked).size(), 11u);
}

TEST(DayPrintJob, PageInView) {
  RaceDayModel model = TwelveRaces();
  model.slots[4].analysis.snapshotCount = 0;
  const AnalysisPrintout printout = BuildAnalysisPrintout(model, Rows(12));
  test::FakeUserPort port;
  EXPECT_EQ(PageInViewToPrint(printout, model, 4, port), 4);
  EXPECT_TRUE(port.events.empty());
  EXPECT_FALSE(PageInViewToPrint(printout, model, 5, port).has_value());
  EXPECT_EQ(port.events, (std::vector<std::string>{"beep", "inform:本レースはオッズ未取得なので印刷はできません。"}));
  EXPECT_FALSE(PageHasOdds(printout, model, 13));
}

}  // namespace
}  // namespace tw
