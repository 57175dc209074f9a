// The download's date rule at its edge: a record dated exactly the from-date
// less 10 is stored, one a day earlier is not, for races, runners and payouts.
#include <gtest/gtest.h>

#include "store/race_day_store.h"
#include "store/store_records.h"

namespace tw {
namespace {

class FromDateEdge : public ::testing::Test {
 protected:
  void SetUp() override { store.StartDownload(20240512); }  // less 10: 20240502

  test::TempDir dir;
  RaceDayStore store{dir.str()};
};

TEST_F(FromDateEdge, RaceOnTheFromDateLessTenIsStored) {
  EXPECT_TRUE(store.StoreRaceRecord(test::Race("20240502", "05", 1)).stored);
  EXPECT_FALSE(store.StoreRaceRecord(test::Race("20240501", "05", 1)).stored);
  EXPECT_TRUE(store.StoreRaceRecord(test::Race("20240503", "05", 1)).stored);
}

TEST_F(FromDateEdge, RunnerOnTheFromDateLessTenIsStored) {
  EXPECT_TRUE(store.StoreRunnerRecord(test::Runner("20240502", "05", 1, 1)).stored);
  EXPECT_FALSE(store.StoreRunnerRecord(test::Runner("20240501", "05", 1, 1)).stored);
}

TEST_F(FromDateEdge, DownloadedPayoutOnTheFromDateLessTenIsStored) {
  EXPECT_TRUE(store.StorePayoutRecord(test::Payout("20240502", "05", 1), RecordSource::kDownload).stored);
  EXPECT_FALSE(store.StorePayoutRecord(test::Payout("20240501", "05", 1), RecordSource::kDownload).stored);
}

TEST_F(FromDateEdge, TheLessTenIsOnTheIntegerNotTheCalendar) {
  // 20240601 - 10 = 20240591: the last days of May are older than that.
  store.StartDownload(20240601);
  EXPECT_FALSE(store.StoreRaceRecord(test::Race("20240531", "05", 1)).stored);
  EXPECT_TRUE(store.StoreRaceRecord(test::Race("20240601", "05", 1)).stored);
}

}  // namespace
}  // namespace tw
