// The odds files of a day: created with three blank lines for each race
// slot, and the snapshot lines the store writes into them.
#include "store/odds_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "records/record_header.h"
#include "store/race_day_store.h"
#include "store/snapshot_slot.h"
#include "store/store_records.h"
#include "text/save_fault.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::Blank;
using test::FileLines;
using test::Line;
using test::Odds;
using test::Race;
using test::Zeroed;

const std::string kDay = Sjis("2024年05月12日");

class OddsFiles : public ::testing::Test {
 protected:
  test::TempDir dir;
  RaceDayStore store{dir.str()};
  std::string raceFile = JoinPath(dir.str(), kDay + ".jvRA");
  std::string win = JoinPath(dir.str(), kDay + ".jvO1");
  std::string quinella = JoinPath(dir.str(), kDay + ".jvO2");

  void RaceLines(int count) {
    std::vector<std::string> lines;
    for (int k = 0; k < count; ++k) lines.push_back(Zeroed(Race("20240512", k < 12 ? "05" : "08", k % 12 + 1)));
    ASSERT_TRUE(SaveLines(raceFile, lines));
  }
};

TEST_F(OddsFiles, CreatedWithThreeBlankLinesForEachOfTheDaysSlots) {
  RaceLines(6);
  CreateOddsFiles(raceFile);
  EXPECT_FALSE(FileExists(win)) << "6 race lines or fewer get no odds files";

  RaceLines(24);
  auto results = CreateMissingOddsFiles(raceFile);
  ASSERT_EQ(results.size(), 2u);
  EXPECT_TRUE(results[0].stored && results[1].stored);
  EXPECT_EQ(FileLines(win), std::vector<std::string>(108, Blank(960)));
  EXPECT_EQ(FileLines(quinella), std::vector<std::string>(108, Blank(2040)));
}

TEST_F(OddsFiles, AHostileRaceFileNeverMakesLargerOddsFiles) {
  ASSERT_TRUE(WriteFileAtomic(raceFile, std::string(20000, '\n')));  // 20,000 lines, no race
  CreateOddsFiles(raceFile);
  EXPECT_EQ(FileLines(win).size(), 108u);
  EXPECT_EQ(FileLines(quinella).size(), 108u);

  std::filesystem::remove(ToFsPath(win));
  std::filesystem::remove(ToFsPath(quinella));
  ASSERT_TRUE(WriteFileAtomic(raceFile, std::string(1 << 20, '\n')));  // larger than any race file
  EXPECT_TRUE(CreateMissingOddsFiles(raceFile).empty());
  EXPECT_FALSE(FileExists(win));
}

TEST_F(OddsFiles, ExistingFilesAreKeptAndBlankRaceLinesCount) {
  RaceLines(7);
  std::vector<std::string> raceLines = FileLines(raceFile);
  raceLines.resize(36, Blank(1270));
  ASSERT_TRUE(SaveLines(raceFile, raceLines));
  ASSERT_TRUE(SaveLines(win, {Line(Odds("O1", "20240512", "05", 1, "05120930"))}));
  CreateOddsFiles(raceFile);
  EXPECT_EQ(FileLines(win).size(), 1u);
  EXPECT_EQ(FileLines(quinella).size(), 108u);
}

TEST_F(OddsFiles, FailedCreationIsReported) {
  RaceLines(7);
  ScopedSaveFault full(".jvO2");
  auto results = CreateMissingOddsFiles(raceFile);
  ASSERT_EQ(results.size(), 2u);
  EXPECT_TRUE(results[0].stored);
  EXPECT_FALSE(results[1].stored);
  EXPECT_FALSE(results[1].error.empty());
}

class Snapshots : public OddsFiles {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SaveLines(win, std::vector<std::string>(108, Blank(960))));
    ASSERT_TRUE(SaveLines(quinella, std::vector<std::string>(108, Blank(2040))));
  }
};

TEST_F(Snapshots, FirstFetchOfSlotFiveWritesLineFifteenOnly) {
  std::string rec = Odds("O1", "20240512", "05", 6, "05121000");
  auto result = store.StoreOddsSnapshot(rec, 5, kDay);
  ASSERT_TRUE(result.stored);
  EXPECT_EQ(result.file, win);
  EXPECT_EQ(result.line, 15);
  auto lines = FileLines(win);
  ASSERT_EQ(lines.size(), 108u);
  for (int k = 0; k < 108; ++k) EXPECT_EQ(lines[k], k == 15 ? Line(rec) : Blank(960)) << k;
  EXPECT_EQ(FileLines(quinella), std::vector<std::string>(108, Blank(2040)));
}

TEST_F(Snapshots, ThreeSnapshotsThenOnlyTheThirdIsRenewed) {
  auto o2 = [](const char* t) { return Odds("O2", "20240512", "08", 1, t); };
  EXPECT_EQ(store.StoreOddsSnapshot(o2("05120915"), 12, kDay).line, 36);
  EXPECT_FALSE(store.StoreOddsSnapshot(o2("05120915"), 12, kDay).stored) << "equal time not in line 2";
  EXPECT_EQ(store.StoreOddsSnapshot(o2("05120930"), 12, kDay).line, 37);
  EXPECT_EQ(store.StoreOddsSnapshot(o2("05121510"), 12, kDay).line, 38);
  EXPECT_FALSE(store.StoreOddsSnapshot(o2("05121505"), 12, kDay).stored);
  EXPECT_EQ(store.StoreOddsSnapshot(o2("05121520"), 12, kDay).line, 38);
  auto lines = FileLines(quinella);
  EXPECT_EQ(lines[36], Line(o2("05120915")));
  EXPECT_EQ(lines[37], Line(o2("05120930")));
  EXPECT_EQ(lines[38], Line(o2("05121520")));
  EXPECT_EQ(lines[39], Blank(2040));
}

TEST_F(Snapshots, RejectedRecordsLeaveTheFileUntouched) {
  std::string rec = Odds("O1", "20240512", "05", 1, "05121000");
  EXPECT_FALSE(store.StoreOddsSnapshot(Odds("O1", "20240512", "05", 1, "05121000", '9'), 0, kDay).stored);
  EXPECT_FALSE(store.StoreOddsSnapshot(Odds("O1", "20240512", "05", 1, "05121000", '0'), 0, kDay).stored);
  EXPECT_FALSE(store.StoreOddsSnapshot(Odds("O1", "20240512", "05", 0, "05121000"), 0, kDay).stored);
  EXPECT_FALSE(store.StoreOddsSnapshot(rec, 36, kDay).stored);
  EXPECT_FALSE(store.StoreOddsSnapshot(rec, -1, kDay).stored);
  EXPECT_FALSE(store.StoreOddsSnapshot(rec.substr(0, 34), 0, kDay).stored) << "no announcement time";
  EXPECT_EQ(FileLines(win), std::vector<std::string>(108, Blank(960)));

  std::string otherDay = Sjis("2024年05月13日");
  StoreResult missing = store.StoreOddsSnapshot(rec, 0, otherDay);
  EXPECT_FALSE(missing.stored);
  EXPECT_TRUE(missing.failed()) << "a day without its odds file loses the record: that is told";
  EXPECT_FALSE(FileExists(JoinPath(dir.str(), otherDay + ".jvO1"))) << "the fetch never creates odds files";
}

TEST_F(Snapshots, ShortFileAndOddLengthRecordKeepTheLayout) {
  ASSERT_TRUE(SaveLines(win, {"x"}));
  std::string rec = Odds("O1", "20240512", "05", 2, "05121000").substr(0, 500) + "\r\n";
  auto result = store.StoreOddsSnapshot(rec, 1, kDay);
  ASSERT_TRUE(result.stored);
  auto lines = FileLines(win);
  ASSERT_EQ(lines.size(), 6u);
  for (const auto& l : lines) EXPECT_EQ(l.size(), 960u);
  EXPECT_EQ(lines[3].substr(0, 500), rec.substr(0, 500));
}

TEST_F(Snapshots, SlotAndDayFromTheRaceTexts) {
  std::vector<std::string> races(36, Blank(1272));
  races[0] = Race("20240512", "05", 1);
  races[1] = Race("20240512", "08", 1);
  auto result = store.StoreOddsSnapshot(Odds("O1", "20240512", "08", 1, "05121000"), races);
  ASSERT_TRUE(result.stored);
  EXPECT_EQ(result.line, 3);
  EXPECT_FALSE(store.StoreOddsSnapshot(Odds("O1", "20240512", "09", 1, "05121000"), races).stored);
}

TEST_F(Snapshots, FailedSaveIsReported) {
  std::string path = JoinPath(dir.str(), kDay + ".jvO1");
  ASSERT_TRUE(test::WriteRaw(path, test::Blank(960) + "\r\n"));
  ScopedSaveFault diskFull(".jvO1");
  auto result = store.StoreOddsSnapshot(Odds("O1", "20240512", "05", 1, "05121000"), 0, kDay);
  EXPECT_FALSE(result.stored);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(FileLines(path), std::vector<std::string>{Blank(960)});
}

}  // namespace
}  // namespace tw
