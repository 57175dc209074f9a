#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "records/layout.h"
#include "store/race_day_store.h"
#include "store/store_records.h"
#include "store/write_back_scope.h"
#include "support/folder_contents.h"
#include "text/save_fault.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::FolderContents;
using test::Odds;
using test::Payout;
using test::Race;
using test::Runner;

const std::string kDay = Sjis("2024年05月12日");

// A stream as a set-up download meets it: races out of order and sent again,
// runners of two courses, a runner not yet drawn, payouts, and records that
// fail a test, for two days.
std::vector<std::string> MixedStream() {
  std::vector<std::string> records;
  for (const char* date : {"20240512", "20240511"}) {
    for (int r = 12; r >= 1; r -= 2) records.push_back(Race(date, "05", r, '1'));
    for (int r = 1; r <= 12; ++r) records.push_back(Race(date, "08", r));
    for (int h = 1; h <= 16; ++h) records.push_back(Runner(date, "05", 3, h));
    records.push_back(Runner(date, "08", 1, 0));                           // not drawn: not stored
    for (int r = 1; r <= 12; ++r) records.push_back(Race(date, "05", r));  // the card replaces the entries
    records.push_back(Payout(date, "08", 4));
    records.push_back(Payout(date, "05", 2));
    records.push_back(Payout(date, "08", 4, '1'));
    records.push_back(Race("20230101", "05", 1));  // before the from-date
  }
  return records;
}

// Stores each record the way the download does.
void StoreAll(RaceDayStore& store, const std::vector<std::string>& records) {
  for (const std::string& r : records) {
    const std::string type = r.substr(0, 2);
    if (type == "RA") store.StoreRaceRecord(r);
    if (type == "SE") store.StoreRunnerRecord(r);
    if (type == "HR") store.StorePayoutRecord(r, RecordSource::kDownload);
    if (type == "O1" || type == "O2") store.StoreOddsSnapshot(r, 1, kDay);
  }
}

class WriteBack : public ::testing::Test {
 protected:
  test::TempDir perRecordDir, writeBackDir;
  RaceDayStore perRecord{perRecordDir.str()}, store{writeBackDir.str()};

  // The same files in both folders before the stream.
  void SeedBoth(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(WriteFileAtomic(JoinPath(perRecordDir.str(), name), bytes));
    ASSERT_TRUE(WriteFileAtomic(JoinPath(writeBackDir.str(), name), bytes));
  }
  void StartBoth() {
    perRecord.StartDownload(20240501);
    store.StartDownload(20240501);
  }
};

TEST_F(WriteBack, GivesTheBytesOfASavePerRecord) {
  // A short race file with blank lines and a line of the wrong length, and
  // odds files, as an earlier run left them.
  SeedBoth(kDay + ".jvRA", std::string(20, ' ') + "\r\n" + test::Line(Race("20240512", "05", 7)) + "\r\nshort\r\n");
  SeedBoth(kDay + ".jvO1", "");
  SeedBoth(kDay + ".jvO2", std::string(10, ' ') + "\r\n");
  StartBoth();
  std::vector<std::string> records = MixedStream();
  for (const char* at : {"05120930", "05120900", "05121000", "05121100"}) {
    records.push_back(Odds("O1", "20240512", "05", 2, at));
    records.push_back(Odds("O2", "20240512", "05", 2, at));
  }

  StoreAll(perRecord, records);
  perRecord.FillCreatedRaceFiles();

  store.BeginWriteBack();
  StoreAll(store, records);
  EXPECT_EQ(FolderContents(writeBackDir.str()).size(), 3u) << "nothing is saved before the flush";
  EXPECT_TRUE(store.EndWriteBack().empty());
  store.FillCreatedRaceFiles();

  EXPECT_EQ(store.createdRaceFiles(), perRecord.createdRaceFiles());
  EXPECT_EQ(FolderContents(writeBackDir.str()), FolderContents(perRecordDir.str()));
}

TEST_F(WriteBack, SavesAtAFileEndOnceLargeAndAtOncePastItsLimit) {
  StartBoth();
  WriteBackScope small(store);
  store.StoreRaceRecord(Race("20240512", "05", 1));
  EXPECT_TRUE(small.FileEnded().empty());
  EXPECT_TRUE(FolderContents(writeBackDir.str()).empty()) << "a small stream is saved at its end";
  store.SetWriteBackSizes(1, kWriteBackLimitBytes);
  EXPECT_TRUE(small.FileEnded().empty());
  EXPECT_EQ(FolderContents(writeBackDir.str()).size(), 1u);
  small.Finish();

  store.SetWriteBackSizes(kFileEndSaveBytes, 200 * 1024);  // less than two runner files
  WriteBackScope scope(store);
  std::vector<std::string> records = MixedStream();
  StoreAll(store, records);
  EXPECT_FALSE(FolderContents(writeBackDir.str()).empty()) << "the limit saved some files early";

  // A JV-Link file ended: what was read is on disk, and writing back goes on.
  EXPECT_TRUE(scope.Flush().empty());
  StoreAll(perRecord, records);
  EXPECT_EQ(FolderContents(writeBackDir.str()), FolderContents(perRecordDir.str()));
  EXPECT_TRUE(store.writingBack());
  store.StoreRaceRecord(Race("20240512", "05", 1, '7'));
  EXPECT_TRUE(scope.Finish().empty());
  EXPECT_FALSE(store.writingBack());
}

TEST_F(WriteBack, AFailedSaveStopsTheSavingAndNamesTheFilesLeftUnsaved) {
  StartBoth();
  StoreAll(perRecord, MixedStream());
  const auto all = FolderContents(perRecordDir.str());
  store.BeginWriteBack();
  StoreAll(store, MixedStream());
  std::vector<StoreResult> failed;
  {
    ScopedSaveFault fault(".jvRA");
    failed = store.EndWriteBack();
  }
  ASSERT_GE(failed.size(), 2u);
  EXPECT_NE(failed.front().name.find(".jvRA"), std::string::npos);
  EXPECT_NE(failed.front().error, Sjis("未保存"));
  auto saved = FolderContents(writeBackDir.str());
  EXPECT_EQ(saved.size() + failed.size(), all.size());
  for (size_t i = 0; i < failed.size(); ++i) {
    EXPECT_EQ(saved.count(failed[i].name), 0u) << i;
    if (i > 0) {
      EXPECT_EQ(failed[i].error, Sjis("未保存"));
    }
  }
  EXPECT_NE(SaveFailureText(failed).find(failed.back().name), std::string::npos);
  EXPECT_TRUE(store.Flush().empty()) << "nothing is kept after a flush";
}

TEST_F(WriteBack, AFileSavedMeanwhileGetsTheChangesMadeAgain) {
  // Another program stores payouts, runners and later odds into the same
  // files while this stream keeps its own: the result is the other program's
  // records, then this stream's, as if the two had run one after the other.
  std::vector<std::string> other;
  for (int r = 1; r <= 12; ++r) other.push_back(Payout("20240512", "05", r));
  for (int h = 1; h <= 18; h += 2) other.push_back(Runner("20240512", "05", 3, h, '2'));
  other.push_back(Race("20240512", "05", 9, '2'));
  other.push_back(Odds("O1", "20240512", "05", 2, "05121200"));
  for (const char* file : {".jvO1", ".jvO2"}) SeedBoth(kDay + file, "");
  StartBoth();
  std::vector<std::string> records = MixedStream();
  records.push_back(Odds("O1", "20240512", "05", 2, "05121100"));
  RaceDayStore otherProgram(writeBackDir.str());
  otherProgram.StartDownload(20240501);

  store.BeginWriteBack();
  StoreAll(store, records);
  StoreAll(otherProgram, other);
  EXPECT_TRUE(store.EndWriteBack().empty());

  StoreAll(perRecord, other);
  StoreAll(perRecord, records);
  EXPECT_EQ(FolderContents(writeBackDir.str()), FolderContents(perRecordDir.str()));
}

TEST_F(WriteBack, AnOddsFileRemovedBeforeTheSaveIsAFailureNotANoOp) {
  SeedBoth(kDay + ".jvO1", "");
  store.BeginWriteBack();
  ASSERT_TRUE(store.StoreOddsSnapshot(Odds("O1", "20240512", "05", 2, "05121100"), 1, kDay).stored);
  std::filesystem::remove(ToFsPath(JoinPath(writeBackDir.str(), kDay + ".jvO1")));
  const std::vector<StoreResult> failed = store.EndWriteBack();
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_EQ(failed[0].error, Sjis("読み込んだ後にファイルが削除されました"));
}

TEST_F(WriteBack, AFailureOfAnEarlySaveIsToldByTheRecordThatPassedTheLimit) {
  StartBoth();
  store.SetWriteBackSizes(1, 1);
  ScopedSaveFault fault(".jvRA");
  WriteBackScope scope(store);
  StoreResult result = store.StoreRaceRecord(Race("20240512", "05", 1));
  EXPECT_FALSE(result.stored);
  EXPECT_EQ(result.name, kDay + ".jvRA");
  EXPECT_FALSE(result.error.empty());
  EXPECT_TRUE(scope.Finish().empty());
}

TEST_F(WriteBack, NestedScopesSaveWhenTheOutermostEnds) {
  StartBoth();
  WriteBackScope batch(store);
  {
    WriteBackScope race(store);
    store.StoreRaceRecord(Race("20240512", "05", 1));
    EXPECT_TRUE(race.Finish().empty());
  }
  EXPECT_TRUE(FolderContents(writeBackDir.str()).empty());
  EXPECT_TRUE(batch.Finish().empty());
  EXPECT_EQ(FolderContents(writeBackDir.str()).size(), 1u);
}

TEST_F(WriteBack, AScopeLeftByAnExceptionStillSaves) {
  StartBoth();
  try {
    WriteBackScope scope(store);
    store.StoreRaceRecord(Race("20240512", "05", 1));
    throw std::runtime_error("a JV-Link call failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(store.writingBack());
  EXPECT_EQ(FolderContents(writeBackDir.str()).size(), 1u);
}

TEST_F(WriteBack, AnUnreadableFileIsNeverKeptNorReplaced) {
  StartBoth();
  const std::string big(kRaceFileByteLimit + 1, 'x');
  SeedBoth(kDay + ".jvRA", big);
  WriteBackScope scope(store);
  StoreResult result = store.StoreRaceRecord(Race("20240512", "05", 1));
  EXPECT_TRUE(result.failed());
  EXPECT_TRUE(scope.Finish().empty());
  EXPECT_EQ(ReadFileBytes(JoinPath(writeBackDir.str(), kDay + ".jvRA"), big.size()), big);
}

}  // namespace
}  // namespace tw
