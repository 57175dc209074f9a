#include <gtest/gtest.h>

#include "store/day_list.h"
#include "store/snapshot_erase.h"
#include "store/store_records.h"
#include "support/fake_user_port.h"
#include "text/fields.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::Blank;
using test::FileLines;

TEST(DayList, NewestDayFirstFromTheRaceFilesOnly) {
  test::TempDir dir;
  for (const char* name : {"2006年07月16日.jvRA", "2006年07月22日.jvRA", "2006年07月15日.jvRA", "2006年07月29日.jvO1",
                           "2006年07月29日東京.jvSEr"}) {
    ASSERT_TRUE(SaveLines(JoinPath(dir.str(), Sjis(name)), {"x"}));
  }
  EXPECT_EQ(MakeDayList(dir.str()),
            (std::vector<std::string>{Sjis("2006年07月22日"), Sjis("2006年07月16日"), Sjis("2006年07月15日")}));
  EXPECT_TRUE(MakeDayList(JoinPath(dir.str(), "missing")).empty());
}

const std::string kDay = Sjis("2024年05月12日");

// Odds files where every line names itself, so that blanked lines show.
class Erase : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::FakeUserPort port;
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
  EraseOutcome Run(SnapshotErase command, int race, const std::string& day = kDay) {
    return EraseSnapshots(command, dir.str(), day, race, port);
  }
};

TEST_F(Erase, BlankDayInformsAndWritesNothing) {
  WriteBoth();
  for (auto command : {SnapshotErase::kAllRacesAllSnapshots, SnapshotErase::kRaceAllSnapshots,
                       SnapshotErase::kAllRacesLaterSnapshots, SnapshotErase::kRaceLaterSnapshots}) {
    port.events.clear();
    EXPECT_FALSE(Run(command, 2, "   ").erased);
    EXPECT_EQ(port.events, (std::vector<std::string>{"beep", "inform:データが読み込まれていません。"}));
  }
  EXPECT_TRUE(BlankLines(win).empty());
}

TEST_F(Erase, NoChangesNothing) {
  WriteBoth();
  port.defaultAnswer = false;
  for (auto command : {SnapshotErase::kAllRacesAllSnapshots, SnapshotErase::kRaceAllSnapshots,
                       SnapshotErase::kAllRacesLaterSnapshots, SnapshotErase::kRaceLaterSnapshots}) {
    EXPECT_FALSE(Run(command, 2).erased);
  }
  EXPECT_EQ(port.events.size(), 4u);
  EXPECT_EQ(FileLines(win), Numbered(108, 960));
  EXPECT_EQ(FileLines(quinella), Numbered(108, 2040));
}

TEST_F(Erase, AllSnapshotsOfAllRacesMakes108BlankLinesAndCreatesMissingFiles) {
  ASSERT_TRUE(SaveLines(win, Numbered(120, 960)));  // longer than a full day
  auto outcome = Run(SnapshotErase::kAllRacesAllSnapshots, 7);
  EXPECT_EQ(port.events, std::vector<std::string>{"confirm:全レースの全回分のオッズを消去します。実行しますか？"});
  EXPECT_TRUE(outcome.erased);
  EXPECT_EQ(outcome.selectRace, 0);
  EXPECT_EQ(FileLines(win), std::vector<std::string>(108, Blank(960)));
  EXPECT_EQ(FileLines(quinella), std::vector<std::string>(108, Blank(2040)));
}

TEST_F(Erase, AllSnapshotsOfTheRaceOnView) {
  WriteBoth();
  auto outcome = Run(SnapshotErase::kRaceAllSnapshots, 2);
  EXPECT_EQ(port.events, std::vector<std::string>{"confirm:2当レースの全回分のオッズを消去します。実行しますか？"});
  EXPECT_TRUE(outcome.erased);
  EXPECT_EQ(outcome.selectRace, 2);
  EXPECT_EQ(BlankLines(win), (std::vector<size_t>{6, 7, 8}));
  EXPECT_EQ(BlankLines(quinella), (std::vector<size_t>{6, 7, 8}));
  EXPECT_EQ(FileLines(win)[5], Numbered(108, 960)[5]);

  port.events.clear();
  Run(SnapshotErase::kRaceAllSnapshots, 35);
  EXPECT_EQ(port.events, std::vector<std::string>{"confirm:35当レースの全回分のオッズを消去します。実行しますか？"});
  EXPECT_EQ(BlankLines(win), (std::vector<size_t>{6, 7, 8, 105, 106, 107}));
}

TEST_F(Erase, LaterSnapshotsOfAllRacesKeepTheFirst) {
  WriteBoth();
  auto outcome = Run(SnapshotErase::kAllRacesLaterSnapshots, 4);
  EXPECT_EQ(port.events, std::vector<std::string>{"confirm:全レースの２，３回分のオッズを消去します。実行しますか？"});
  EXPECT_EQ(outcome.selectRace, 4);
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
  auto outcome = Run(SnapshotErase::kRaceLaterSnapshots, 0);
  EXPECT_EQ(port.events, std::vector<std::string>{"confirm:当レースの２，３回分のオッズを消去します。実行しますか？"});
  EXPECT_EQ(outcome.selectRace, 0);
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

TEST_F(Erase, NoRaceOnViewAsksNothing) {
  WriteBoth();
  EXPECT_FALSE(Run(SnapshotErase::kRaceAllSnapshots, -1).erased);
  EXPECT_FALSE(Run(SnapshotErase::kRaceLaterSnapshots, 36).erased);
  EXPECT_TRUE(port.events.empty());
  EXPECT_TRUE(BlankLines(win).empty());
}

TEST_F(Erase, FailedSaveIsToldAndTheOtherFileStillWritten) {
  std::string longDay = test::UnsavableDayName();
  std::string longWin = JoinPath(dir.str(), longDay + ".jvO1");
  ASSERT_TRUE(test::WriteRaw(longWin, PadRight("O1", 960) + "\r\n"));
  auto outcome = Run(SnapshotErase::kRaceAllSnapshots, 0, longDay);
  EXPECT_TRUE(outcome.erased);
  EXPECT_TRUE(outcome.saveFailed);
  ASSERT_EQ(port.events.size(), 3u);
  EXPECT_EQ(port.events[1], "beep");
  EXPECT_EQ(port.events[2].rfind("inform:オッズファイルを保存できませんでした：", 0), 0u) << port.events[2];
  EXPECT_EQ(FileLines(longWin), std::vector<std::string>{PadRight("O1", 960)});

  port.events.clear();
  test::TempDir other;
  outcome = EraseSnapshots(SnapshotErase::kAllRacesAllSnapshots, JoinPath(other.str(), "gone"), kDay, 0, port);
  EXPECT_TRUE(outcome.saveFailed);
  EXPECT_EQ(port.events.size(), 5u) << "confirm, then beep and inform for each file";
}

}  // namespace
}  // namespace tw
