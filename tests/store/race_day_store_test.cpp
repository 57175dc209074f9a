// The race day store's files: the race file in race-key order with its
// blank lines, the download's date rule at its edge, the runner file of a
// course and the payout file, each as the download and the result fetch
// write them.
#include "store/race_day_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "store/store_records.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::Blank;
using test::FileLines;
using test::Line;
using test::Payout;
using test::Race;
using test::Runner;
using test::Zeroed;

const std::string kDay = Sjis("2024年05月12日");

class RaceFile : public ::testing::Test {
 protected:
  test::TempDir dir;
  RaceDayStore store{dir.str()};
  std::string path = JoinPath(dir.str(), kDay + ".jvRA");

  // The 24 races of a day with two courses, in the order JV-Link might send them.
  std::vector<std::string> TwoCourses() {
    std::vector<std::string> records;
    for (int r = 12; r >= 1; --r) records.push_back(Race("20240512", "08", r));
    for (int r = 1; r <= 12; ++r) records.push_back(Race("20240512", "05", r));
    return records;
  }
  std::vector<std::string> SortedLines() {
    std::vector<std::string> lines;
    for (const auto& r : TwoCourses()) lines.push_back(Zeroed(r));
    std::sort(lines.begin(), lines.end());
    return lines;
  }
  void Download(const std::vector<std::string>& records) {
    for (const auto& r : records) ASSERT_TRUE(store.StoreRaceRecord(r).stored);
  }
  int CountBlank(const std::vector<std::string>& lines) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), Blank(1270)));
  }
};

TEST_F(RaceFile, FirstDownloadKeepsRaceKeyOrderAndFillsOnlyWhenAsked) {
  store.StartDownload(20240505);
  Download(TwoCourses());
  EXPECT_EQ(FileLines(path), SortedLines()) << "a download with files to download adds no blank lines";
  ASSERT_EQ(store.createdRaceFiles(), std::vector<std::string>{kDay + ".jvRA"});

  auto filled = store.FillCreatedRaceFiles();
  ASSERT_EQ(filled.size(), 1u);
  EXPECT_TRUE(filled[0].stored);
  auto lines = FileLines(path);
  ASSERT_EQ(lines.size(), 36u);
  EXPECT_TRUE(std::equal(lines.begin(), lines.begin() + 24, SortedLines().begin()));
  EXPECT_EQ(CountBlank(lines), 12);
  EXPECT_TRUE(std::all_of(lines.begin() + 24, lines.end(), [](auto& l) { return l == Blank(1270); }));
}

TEST_F(RaceFile, RedownloadEatsOneBlankLinePerRecord) {
  store.StartDownload(20240505);
  Download(TwoCourses());
  store.FillCreatedRaceFiles();

  store.StartDownload(20240505);
  auto records = TwoCourses();
  Download({records.begin(), records.begin() + 11});
  EXPECT_EQ(CountBlank(FileLines(path)), 1);
  Download({records.begin() + 11, records.begin() + 12});
  EXPECT_EQ(FileLines(path), SortedLines()) << "after 12 records no blank line is left";
  Download({records.begin() + 12, records.end()});
  EXPECT_EQ(FileLines(path), SortedLines()) << "replacing does not grow the file";

  store.FillCreatedRaceFiles();
  auto lines = FileLines(path);
  ASSERT_EQ(lines.size(), 36u);
  EXPECT_TRUE(std::equal(lines.begin(), lines.begin() + 24, SortedLines().begin()));
}

TEST_F(RaceFile, OneUpdatedRecordMovesTheRacesBehindTheBlankLines) {
  store.StartDownload(20240505);
  Download(TwoCourses());
  store.FillCreatedRaceFiles();

  store.StartDownload(20240505);
  auto result = store.StoreRaceRecord(Race("20240512", "05", 3));
  ASSERT_TRUE(result.stored);
  auto lines = FileLines(path);
  ASSERT_EQ(lines.size(), 35u);
  for (int k = 0; k < 11; ++k) EXPECT_EQ(lines[k], Blank(1270)) << k;
  EXPECT_TRUE(std::equal(lines.begin() + 11, lines.end(), SortedLines().begin()));
  EXPECT_EQ(result.line, 11 + 2);

  store.FillCreatedRaceFiles();
  lines = FileLines(path);
  ASSERT_EQ(lines.size(), 36u);
  EXPECT_EQ(lines[35], Blank(1270));
  EXPECT_TRUE(std::equal(lines.begin() + 11, lines.begin() + 35, SortedLines().begin()));
}

TEST_F(RaceFile, LaterRaceThatSortsFirstTakesLineZero) {
  store.StartDownload(20240505);
  for (int r = 1; r <= 3; ++r) store.StoreRaceRecord(Race("20240512", "08", r));
  store.StoreRaceRecord(Race("20240512", "05", 11));
  auto lines = FileLines(path);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], Zeroed(Race("20240512", "05", 11)));
  EXPECT_EQ(lines[1], Zeroed(Race("20240512", "08", 1)));
}

TEST_F(RaceFile, SameKeyReplacesTheLineAndZeroesKindAndDate) {
  store.StartDownload(20240505);
  store.StoreRaceRecord(Race("20240512", "05", 1));
  store.StoreRaceRecord(Race("20240512", "05", 2));
  std::string newer = Race("20240512", "05", 2, '2');
  newer[100] = 'N';
  store.StoreRaceRecord(newer);
  auto lines = FileLines(path);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], Zeroed(newer));
  EXPECT_EQ(lines[1].substr(0, 11), "RA000000000");
  EXPECT_EQ(store.createdRaceFiles().size(), 1u) << "each name once";
}

TEST_F(RaceFile, FromDateLessTenIsAnIntegerSubtraction) {
  store.StartDownload(20240503);  // 20240503 - 10 = 20240493
  EXPECT_TRUE(store.StoreRaceRecord(Race("20240501", "05", 1)).stored);
  EXPECT_TRUE(store.StoreRaceRecord(Race("20240502", "05", 1)).stored);
  EXPECT_FALSE(store.StoreRaceRecord(Race("20240430", "05", 1)).stored);
  EXPECT_FALSE(store.StoreRaceRecord(Race("20240421", "05", 1)).stored);
  EXPECT_FALSE(FileExists(JoinPath(dir.str(), Sjis("2024年04月30日.jvRA"))));
}

TEST_F(RaceFile, RecordsThatFailATestAreSkipped) {
  store.StartDownload(20240505);
  EXPECT_FALSE(store.StoreRaceRecord(Race("20240512", "05", 1, 'A')).stored) << "local race";
  EXPECT_FALSE(store.StoreRaceRecord(Race("20240512", "05", 1, 'B')).stored) << "overseas race";
  EXPECT_FALSE(store.StoreRaceRecord(Race("20240512", "05", 0)).stored) << "no race number";
  EXPECT_FALSE(store.StoreRaceRecord(Race("20240512", "05", 13)).stored) << "no such JRA race";
  EXPECT_FALSE(store.StoreRaceRecord(test::Payout("20240512", "05", 1)).stored) << "not a race record";
  EXPECT_FALSE(store.StoreRaceRecord("RA7202404282024051205020\r\n").stored) << "too short for the key";
  std::string broken = Race("20240512", "05", 1);
  broken[500] = '\n';
  EXPECT_FALSE(store.StoreRaceRecord(broken).stored) << "a line break inside would split the file";
  std::string badDate = Race("20240512", "05", 1);
  badDate.replace(11, 8, "2024/../");
  EXPECT_FALSE(store.StoreRaceRecord(badDate).stored);
  EXPECT_FALSE(FileExists(path));
  EXPECT_FALSE(store.StoreRaceRecord(Race("99999999", "05", 1)).stored) << "no such day";
  EXPECT_FALSE(store.StoreRaceRecord(Race("20230229", "05", 1)).stored) << "no leap year";
  EXPECT_FALSE(store.StoreRaceRecord(Race("20240512", "99", 1)).stored) << "no such course";
  std::string nulMeeting = Race("20240512", "05", 1);
  nulMeeting[21] = '\0';
  EXPECT_FALSE(store.StoreRaceRecord(nulMeeting).stored) << "meeting not in digits";
  std::string spacedRace = Race("20240512", "05", 1);
  spacedRace[25] = ' ';
  EXPECT_FALSE(store.StoreRaceRecord(spacedRace).stored) << "race not in digits";
  EXPECT_TRUE(ListFolder(dir.str(), "*").empty()) << "no file of any name";
  EXPECT_TRUE(store.createdRaceFiles().empty());
}

TEST_F(RaceFile, RecordOfAnotherLengthIsStoredAtTheLayoutLength) {
  store.StartDownload(20240505);
  std::string shortRecord = Race("20240512", "05", 1).substr(0, 600) + "\r\n";
  std::string longRecord = Race("20240512", "05", 2);
  longRecord.insert(1270, "EXTRA");
  std::string noLineEnd = test::Line(Race("20240512", "05", 3));
  ASSERT_TRUE(store.StoreRaceRecord(shortRecord).stored);
  ASSERT_TRUE(store.StoreRaceRecord(longRecord).stored);
  ASSERT_TRUE(store.StoreRaceRecord(noLineEnd).stored);
  auto lines = FileLines(path);
  ASSERT_EQ(lines.size(), 3u);
  for (const auto& l : lines) EXPECT_EQ(l.size(), 1270u);
  EXPECT_EQ(lines[0].substr(600), Blank(670));
  EXPECT_EQ(lines[2], Zeroed(Race("20240512", "05", 3))) << "no data byte is lost with the line end";
}

TEST_F(RaceFile, DamagedLinesOfTheFileAreRewrittenAtTheLayoutLength) {
  ASSERT_TRUE(SaveLines(path, {"", Zeroed(Race("20240512", "05", 1)).substr(0, 300)}));
  store.StartDownload(20240505);
  ASSERT_TRUE(store.StoreRaceRecord(Race("20240512", "05", 2)).stored);
  auto lines = FileLines(path);
  ASSERT_EQ(lines.size(), 2u) << "the empty first line counts as blank and goes";
  for (const auto& l : lines) EXPECT_EQ(l.size(), 1270u);
}

TEST_F(RaceFile, ResultFetchUpdatesOnlyAnExistingFileWithoutTests) {
  EXPECT_FALSE(store.UpdateRaceRecord(Race("20240512", "05", 1)).stored);
  EXPECT_FALSE(FileExists(path)) << "the result fetch never creates a race file";

  store.StartDownload(20240505);
  store.StoreRaceRecord(Race("20240512", "05", 1));
  store.StartDownload(20990101);  // a later download's from-date does not matter here
  std::string result = Race("20240512", "05", 1, 'A');
  result[200] = 'R';
  auto stored = store.UpdateRaceRecord(result);
  EXPECT_TRUE(stored.stored);
  EXPECT_EQ(FileLines(path), std::vector<std::string>{Zeroed(result)});
  EXPECT_TRUE(store.createdRaceFiles().empty()) << "only the download fills its files";
}

TEST_F(RaceFile, FillLeavesFullAndMissingFilesAlone) {
  std::vector<std::string> full(37, Zeroed(Race("20240512", "05", 1)));
  ASSERT_TRUE(SaveLines(path, full));
  EXPECT_FALSE(store.FillRaceFile(kDay + ".jvRA").stored);
  EXPECT_EQ(FileLines(path).size(), 37u);
  EXPECT_FALSE(store.FillRaceFile(Sjis("2024年05月13日.jvRA")).stored);
  EXPECT_FALSE(FileExists(JoinPath(dir.str(), Sjis("2024年05月13日.jvRA"))));
}

TEST_F(RaceFile, AFileLargerThanItsLayoutIsNeverReplaced) {
  ASSERT_TRUE(WriteFileAtomic(path, std::string(200000, '\n')));
  store.StartDownload(20240505);
  auto result = store.StoreRaceRecord(Race("20240512", "05", 1));
  EXPECT_FALSE(result.stored);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(std::filesystem::file_size(ToFsPath(path)), 200000u);
}

TEST_F(RaceFile, FailedSaveIsReportedNotStored) {
  std::filesystem::create_directory(ToFsPath(path));  // the file name is taken by a folder
  store.StartDownload(20240505);
  auto result = store.StoreRaceRecord(Race("20240512", "05", 1));
  EXPECT_FALSE(result.stored);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(result.file, path);
  EXPECT_TRUE(store.createdRaceFiles().empty());

  RaceDayStore nowhere(JoinPath(dir.str(), "missing"));
  nowhere.StartDownload(20240505);
  result = nowhere.StoreRaceRecord(Race("20240512", "05", 1));
  EXPECT_FALSE(result.stored);
  EXPECT_TRUE(result.failed());
}

// The download's date rule at its edge: a record dated exactly the from-date
// less 10 is stored, one a day earlier is not, for races, runners and payouts.
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
