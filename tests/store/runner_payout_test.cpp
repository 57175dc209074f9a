#include <gtest/gtest.h>

#include "store/race_day_store.h"
#include "store/store_records.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::Blank;
using test::FileLines;
using test::Line;
using test::Payout;
using test::Runner;
using test::Zeroed;

class RunnerFile : public ::testing::Test {
 protected:
  test::TempDir dir;
  RaceDayStore store{dir.str()};
  std::string path = JoinPath(dir.str(), Sjis("2024年05月12日東京.jvSEr"));
  void SetUp() override { store.StartDownload(20240505); }
};

TEST_F(RunnerFile, FirstRecordCreatesTheFullFileOfTheCourse) {
  auto result = store.StoreRunnerRecord(Runner("20240512", "05", 3, 7));
  ASSERT_TRUE(result.stored);
  EXPECT_EQ(result.file, path);
  EXPECT_EQ(result.name, Sjis("2024年05月12日東京.jvSEr"));
  EXPECT_EQ(result.line, 42);
  auto lines = FileLines(path);
  ASSERT_EQ(lines.size(), 216u);
  for (int k = 0; k < 216; ++k) {
    if (k != 42) {
      EXPECT_EQ(lines[k], Blank(553)) << k;
    }
  }
  EXPECT_EQ(lines[42], Line(Runner("20240512", "05", 3, 7))) << "runner records keep their kind and date";
}

TEST_F(RunnerFile, SlotsAtTheEdgesAndALaterRecordOverwrites) {
  store.StoreRunnerRecord(Runner("20240512", "05", 1, 1));
  store.StoreRunnerRecord(Runner("20240512", "05", 12, 18));
  std::string newer = Runner("20240512", "05", 1, 1, '2');
  ASSERT_TRUE(store.StoreRunnerRecord(newer).stored);
  auto lines = FileLines(path);
  ASSERT_EQ(lines.size(), 216u);
  EXPECT_EQ(lines[0], Line(newer));
  EXPECT_EQ(lines[215], Line(Runner("20240512", "05", 12, 18)));
}

TEST_F(RunnerFile, RunnersWithoutASlotAreSkipped) {
  EXPECT_FALSE(store.StoreRunnerRecord(Runner("20240512", "05", 3, 0)).stored) << "horse not yet drawn";
  EXPECT_FALSE(store.StoreRunnerRecord(Runner("20240512", "05", 3, 19)).stored);
  EXPECT_FALSE(store.StoreRunnerRecord(Runner("20240512", "05", 13, 1)).stored);
  EXPECT_FALSE(store.StoreRunnerRecord(Runner("20240512", "05", 0, 1)).stored);
  EXPECT_FALSE(store.StoreRunnerRecord(Runner("20240512", "05", 3, 1, 'A')).stored);
  EXPECT_FALSE(store.StoreRunnerRecord(Runner("20240430", "05", 3, 1)).stored) << "before the from-date less 10";
  EXPECT_FALSE(store.StoreRunnerRecord(Line(Runner("20240512", "05", 3, 1)).substr(0, 29)).stored)
      << "too short for the horse number";
  EXPECT_FALSE(FileExists(path));
}

TEST_F(RunnerFile, ResultFetchWritesOnlyIntoAnExistingFile) {
  EXPECT_FALSE(store.UpdateRunnerRecord(Runner("20240512", "05", 3, 7)).stored);
  EXPECT_FALSE(FileExists(path));

  // A damaged short file is brought back to 216 lines of 553 bytes.
  ASSERT_TRUE(SaveLines(path, {"short"}));
  store.StartDownload(20990101);
  auto result = store.UpdateRunnerRecord(Runner("20240512", "05", 3, 7, 'A'));
  ASSERT_TRUE(result.stored) << "no date or kind test in the result fetch";
  auto lines = FileLines(path);
  ASSERT_EQ(lines.size(), 216u);
  EXPECT_EQ(lines[0], "short" + Blank(548));
  EXPECT_EQ(lines[42], Line(Runner("20240512", "05", 3, 7, 'A')));
}

class PayoutFile : public ::testing::Test {
 protected:
  test::TempDir dir;
  RaceDayStore store{dir.str()};
  std::string path = JoinPath(dir.str(), Sjis("2024年05月12日.jvHR"));
  void SetUp() override { store.StartDownload(20240505); }
};

TEST_F(PayoutFile, DownloadZeroesKindAndDateAndKeepsTheFileSorted) {
  ASSERT_TRUE(store.StorePayoutRecord(Payout("20240512", "08", 2), RecordSource::kDownload).stored);
  ASSERT_TRUE(store.StorePayoutRecord(Payout("20240512", "05", 9), RecordSource::kDownload).stored);
  EXPECT_FALSE(store.StorePayoutRecord(Payout("20240430", "05", 9), RecordSource::kDownload).stored);
  EXPECT_TRUE(store.StorePayoutRecord(Payout("20240512", "05", 9, 'B'), RecordSource::kDownload).stored)
      << "payouts have no data-kind test; the zeroed line replaces the first";
  EXPECT_EQ(FileLines(path),
            (std::vector<std::string>{Zeroed(Payout("20240512", "05", 9)), Zeroed(Payout("20240512", "08", 2))}));
  EXPECT_TRUE(store.createdRaceFiles().empty());
}

TEST_F(PayoutFile, ResultFetchStoresAsReceivedAndCreatesTheFile) {
  std::string old = Payout("20240101", "05", 3, '1');
  auto result = store.StorePayoutRecord(old, RecordSource::kResultFetch);
  ASSERT_TRUE(result.stored) << "no date test in the result fetch";
  std::string path2 = JoinPath(dir.str(), Sjis("2024年01月01日.jvHR"));
  EXPECT_EQ(result.file, path2);
  std::string newer = Payout("20240101", "05", 3, '2');
  store.StorePayoutRecord(Payout("20240101", "05", 1), RecordSource::kResultFetch);
  store.StorePayoutRecord(newer, RecordSource::kResultFetch);
  EXPECT_EQ(FileLines(path2), (std::vector<std::string>{Line(Payout("20240101", "05", 1)), Line(newer)}));
}

TEST_F(PayoutFile, BlankLinesStayAndDamagedDatesNameNoFile) {
  ASSERT_TRUE(SaveLines(path, {Blank(717)}));
  store.StorePayoutRecord(Payout("20240512", "05", 1), RecordSource::kResultFetch);
  EXPECT_EQ(FileLines(path), (std::vector<std::string>{Blank(717), Line(Payout("20240512", "05", 1))}));

  std::string escaping = Payout("20240512", "05", 1);
  escaping.replace(11, 8, "../../x/");
  EXPECT_FALSE(store.StorePayoutRecord(escaping, RecordSource::kResultFetch).stored);
  EXPECT_FALSE(store.StorePayoutRecord(Payout("20240512", "05", 0), RecordSource::kResultFetch).stored);
  EXPECT_FALSE(store.StorePayoutRecord(test::Race("20240512", "05", 1), RecordSource::kResultFetch).stored);
}

TEST_F(PayoutFile, FailedSaveIsReported) {
  RaceDayStore nowhere(JoinPath(dir.str(), "missing"));
  auto result = nowhere.StorePayoutRecord(Payout("20240512", "05", 1), RecordSource::kResultFetch);
  EXPECT_FALSE(result.stored);
  EXPECT_FALSE(result.error.empty());
  result = nowhere.StoreRunnerRecord(Runner("20240512", "05", 1, 1));
  EXPECT_FALSE(result.stored);
  EXPECT_FALSE(result.error.empty());
}

}  // namespace
}  // namespace tw
