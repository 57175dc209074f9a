// Erasing snapshots: which lines of the odds files a command blanks, and
// what a missing, short or unwritable file does.
#include "store/snapshot_erase.h"

#include <gtest/gtest.h>

#include "store/store_records.h"
#include "text/fields.h"
#include "text/save_fault.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::Blank;
using test::FileLines;

const std::string kDay = Sjis("2024年05月12日");

// Odds files where every line names itself, so that blanked lines show.
class Erase : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string win = JoinPath(dir.str(), kDay + ".jvO1");
  std::string quinella = JoinPath(dir.str(), kDay + ".jvO2");

  static std::vector<std::string> Numbered(size_t count, size_t length) {
    std::vector<std::string> lines;
    for (size_t k = 0; k < count; ++k) lines.push_back(PadRight("O1 line " + std::to_string(k), length));
    return lines;
  }
  void WriteBoth(size_t count = 108) {
    ASSERT_TRUE(SaveLines(win, Numbered(count, 960)));
    ASSERT_TRUE(SaveLines(quinella, Numbered(count, 2040)));
  }
  // The 0-based lines of the file that are blank.
  static std::vector<size_t> BlankLines(const std::string& path) {
    std::vector<size_t> blank;
    auto lines = FileLines(path);
    for (size_t k = 0; k < lines.size(); ++k) {
      if (IsBlank(lines[k])) blank.push_back(k);
    }
    return blank;
  }
  SnapshotEraseResult Run(SnapshotErase command, int race, const std::string& day = kDay) {
    return EraseSnapshots(command, dir.str(), day, race);
  }
};

TEST_F(Erase, AllSnapshotsOfAllRacesMakes108BlankLinesAndCreatesMissingFiles) {
  ASSERT_TRUE(SaveLines(win, Numbered(120, 960)));  // longer than a full day
  auto result = Run(SnapshotErase::kAllRacesAllSnapshots, 7);
  EXPECT_TRUE(result.erased);
  EXPECT_TRUE(result.failures.empty());
  EXPECT_EQ(FileLines(win), std::vector<std::string>(108, Blank(960)));
  EXPECT_EQ(FileLines(quinella), std::vector<std::string>(108, Blank(2040)));
}

TEST_F(Erase, AllSnapshotsOfTheRaceOnView) {
  WriteBoth();
  EXPECT_TRUE(Run(SnapshotErase::kRaceAllSnapshots, 2).erased);
  EXPECT_EQ(BlankLines(win), (std::vector<size_t>{6, 7, 8}));
  EXPECT_EQ(BlankLines(quinella), (std::vector<size_t>{6, 7, 8}));
  EXPECT_EQ(FileLines(win)[5], Numbered(108, 960)[5]);

  Run(SnapshotErase::kRaceAllSnapshots, 35);
  EXPECT_EQ(BlankLines(win), (std::vector<size_t>{6, 7, 8, 105, 106, 107}));
}

TEST_F(Erase, LaterSnapshotsOfAllRacesKeepTheFirst) {
  WriteBoth();
  EXPECT_TRUE(Run(SnapshotErase::kAllRacesLaterSnapshots, 4).erased);
  std::vector<size_t> expected;
  for (size_t b = 0; b < 36; ++b) {
    expected.push_back(3 * b + 1);
    expected.push_back(3 * b + 2);
  }
  EXPECT_EQ(BlankLines(win), expected);
  EXPECT_EQ(BlankLines(quinella), expected);
  EXPECT_EQ(FileLines(win).size(), 108u);
}

TEST_F(Erase, LaterSnapshotsOfTheRaceOnView) {
  WriteBoth();
  EXPECT_TRUE(Run(SnapshotErase::kRaceLaterSnapshots, 0).erased);
  EXPECT_EQ(BlankLines(win), (std::vector<size_t>{1, 2}));
  EXPECT_EQ(BlankLines(quinella), (std::vector<size_t>{1, 2}));
}

TEST_F(Erase, MissingFileIsNotWrittenAndShortFileIsPaddedTo108) {
  ASSERT_TRUE(SaveLines(quinella, Numbered(30, 2040)));
  EXPECT_TRUE(Run(SnapshotErase::kAllRacesLaterSnapshots, 0).erased);
  EXPECT_FALSE(FileExists(win)) << "only .jvO2 is rewritten";
  auto lines = FileLines(quinella);
  ASSERT_EQ(lines.size(), 108u);
  EXPECT_EQ(lines[27], Numbered(30, 2040)[27]);
  EXPECT_EQ(lines[30], Blank(2040));

  for (auto command : {SnapshotErase::kRaceAllSnapshots, SnapshotErase::kRaceLaterSnapshots}) {
    EXPECT_TRUE(Run(command, 20).erased);
    EXPECT_FALSE(FileExists(win));
  }
}

TEST_F(Erase, NoRaceOnViewErasesNothing) {
  WriteBoth();
  EXPECT_FALSE(EraseApplies(SnapshotErase::kRaceAllSnapshots, -1));
  EXPECT_FALSE(EraseApplies(SnapshotErase::kRaceLaterSnapshots, 36));
  EXPECT_TRUE(EraseApplies(SnapshotErase::kAllRacesLaterSnapshots, -1));
  EXPECT_FALSE(Run(SnapshotErase::kRaceAllSnapshots, -1).erased);
  EXPECT_FALSE(Run(SnapshotErase::kRaceLaterSnapshots, 36).erased);
  EXPECT_TRUE(BlankLines(win).empty());
}

TEST_F(Erase, FailedSaveIsReturnedAndTheOtherFileStillWritten) {
  WriteBoth();
  {
    ScopedSaveFault diskFull(".jvO1");
    auto result = Run(SnapshotErase::kRaceAllSnapshots, 0);
    EXPECT_FALSE(result.erased);
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].path, win);
    EXPECT_FALSE(result.failures[0].error.empty());
  }
  EXPECT_TRUE(BlankLines(win).empty()) << "the failed file keeps its lines";
  EXPECT_EQ(BlankLines(quinella), (std::vector<size_t>{0, 1, 2}));

  ScopedSaveFault renameFails(".jvO2", SaveFaultStage::kRename);
  auto result = Run(SnapshotErase::kAllRacesAllSnapshots, 0);
  ASSERT_EQ(result.failures.size(), 1u);
  EXPECT_EQ(result.failures[0].path, quinella);
  EXPECT_EQ(FileLines(win), std::vector<std::string>(108, Blank(960)));
}

}  // namespace
}  // namespace tw
