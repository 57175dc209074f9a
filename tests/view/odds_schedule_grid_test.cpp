#include "view/odds_schedule_grid.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/schedule_day_fixture.h"
#include "text/fields.h"

namespace tw::test {
namespace {

using ::testing::ElementsAre;
using OddsScheduleGridTest = ScheduleDayFixture;

TEST_F(OddsScheduleGridTest, GridShowsLabelsPlannedAndFetchedTimesWithTheirColours) {
  ScheduleGrid grid = MakeScheduleGrid(model, host.dayText);
  EXPECT_EQ(grid.dayLabel, day.dayName());
  ASSERT_EQ(grid.rows.size(), 8u);
  EXPECT_EQ(U(grid.rows[0][0].text), "レース");
  EXPECT_EQ(U(grid.rows[0][7].text), "取得済時刻");
  EXPECT_EQ(grid.rows[0][3].system, SystemBackground::kFixedRow);
  EXPECT_EQ(U(grid.raceLabels[0]), "東京 2回 6日 1R");

  auto texts = [&](int row) {
    std::vector<std::string> t;
    for (const auto& cell : grid.rows[static_cast<size_t>(row)]) t.push_back(U(cell.text));
    return t;
  };
  EXPECT_THAT(texts(1), ElementsAre("東京 2回 6日 1R", "10:05", "09:15", "", "09:30", "", "", ""));
  EXPECT_THAT(texts(3), ElementsAre("東京 2回 6日 4R", "11:20", "09:30", "", "10:50", "", "", ""));
  EXPECT_THAT(texts(4), ElementsAre("東京 2回 6日 8R", "14:00", "10:15", "10:16", "12:15", "", "13:30", ""));
  const auto& row = grid.rows[4];
  EXPECT_EQ(row[0].system, SystemBackground::kToolTip);
  EXPECT_EQ(row[1].background, colour::kWhite);
  EXPECT_EQ(row[2].background, kPlannedTimeColour);
  EXPECT_EQ(row[3].background, kFetchedTimeColour);
  EXPECT_EQ(row[6].background, kPlannedTimeColour);
  EXPECT_EQ(row[7].background, kFetchedTimeColour);
  EXPECT_EQ(grid.columnWidths[0], 100);
  EXPECT_EQ(grid.columnWidths[1], 70);
}

}  // namespace
}  // namespace tw::test
