#include "shell/snapshot_erase_questions.h"

#include <gtest/gtest.h>

#include "store/store_records.h"
#include "support/fake_user_port.h"
#include "text/fields.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::Blank;
using test::FileLines;

const std::string kDay = Sjis("2024年05月12日");

class SnapshotEraseQuestions : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::FakeUserPort port;
  std::string win = JoinPath(dir.str(), kDay + ".jvO1");

  void WriteWin() { ASSERT_TRUE(SaveLines(win, std::vector<std::string>(108, PadRight("O1", 960)))); }
  EraseOutcome Run(SnapshotErase command, int race, const std::string& day = kDay) {
    return RunSnapshotErase(command, dir.str(), day, race, port);
  }
};

constexpr SnapshotErase kAllCommands[] = {SnapshotErase::kAllRacesAllSnapshots, SnapshotErase::kRaceAllSnapshots,
                                          SnapshotErase::kAllRacesLaterSnapshots, SnapshotErase::kRaceLaterSnapshots};

TEST_F(SnapshotEraseQuestions, BlankDayInformsAndWritesNothing) {
  WriteWin();
  for (auto command : kAllCommands) {
    port.events.clear();
    EXPECT_FALSE(Run(command, 2, "   ").erased);
    EXPECT_EQ(port.events, (std::vector<std::string>{"beep", "inform:データが読み込まれていません。"}));
  }
  EXPECT_EQ(FileLines(win)[0], PadRight("O1", 960));
}

TEST_F(SnapshotEraseQuestions, NoChangesNothing) {
  WriteWin();
  port.defaultAnswer = false;
  for (auto command : kAllCommands) EXPECT_FALSE(Run(command, 2).erased);
  EXPECT_EQ(port.events.size(), 4u);
  EXPECT_EQ(FileLines(win), std::vector<std::string>(108, PadRight("O1", 960)));
}

TEST_F(SnapshotEraseQuestions, EachCommandAsksItsQuestionAndNamesTheRaceToShow) {
  WriteWin();
  struct Case {
    SnapshotErase command;
    int race;
    const char* question;
    int selectRace;
  };
  const Case cases[] = {
      {SnapshotErase::kAllRacesAllSnapshots, 7, "confirm:全レースの全回分のオッズを消去します。実行しますか？", 0},
      {SnapshotErase::kRaceAllSnapshots, 2, "confirm:2当レースの全回分のオッズを消去します。実行しますか？", 2},
      {SnapshotErase::kRaceAllSnapshots, 35, "confirm:35当レースの全回分のオッズを消去します。実行しますか？", 35},
      {SnapshotErase::kAllRacesLaterSnapshots, 4, "confirm:全レースの２，３回分のオッズを消去します。実行しますか？",
       4},
      {SnapshotErase::kRaceLaterSnapshots, 0, "confirm:当レースの２，３回分のオッズを消去します。実行しますか？", 0},
  };
  for (const auto& c : cases) {
    port.events.clear();
    EraseOutcome outcome = Run(c.command, c.race);
    EXPECT_EQ(port.events, std::vector<std::string>{c.question});
    EXPECT_TRUE(outcome.erased);
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.selectRace, c.selectRace);
  }
  EXPECT_EQ(FileLines(win), std::vector<std::string>(108, Blank(960)));
}

TEST_F(SnapshotEraseQuestions, NoRaceOnViewAsksNothing) {
  EXPECT_FALSE(Run(SnapshotErase::kRaceAllSnapshots, -1).erased);
  EXPECT_FALSE(Run(SnapshotErase::kRaceLaterSnapshots, 36).erased);
  EXPECT_TRUE(port.events.empty());
}

TEST_F(SnapshotEraseQuestions, EachFailedSaveIsToldWithABeep) {
  test::TempDir other;
  std::string gone = JoinPath(other.str(), "gone");
  EraseOutcome outcome = RunSnapshotErase(SnapshotErase::kAllRacesAllSnapshots, gone, kDay, 0, port);
  EXPECT_FALSE(outcome.erased);
  EXPECT_TRUE(outcome.failed);
  ASSERT_EQ(port.events.size(), 5u) << "confirm, then beep and inform for each file";
  EXPECT_EQ(port.events[1], "beep");
  EXPECT_EQ(port.events[2].rfind("inform:オッズファイルを保存できませんでした：" + SjisToUtf8(gone), 0), 0u)
      << port.events[2];
  EXPECT_NE(port.events[2].find(".jvO1 ("), std::string::npos) << port.events[2];
  EXPECT_EQ(port.events[3], "beep");
  EXPECT_NE(port.events[4].find(".jvO2 ("), std::string::npos) << port.events[4];
}

TEST_F(SnapshotEraseQuestions, AFileThatCannotBeReadIsToldAndNothingCountsAsErased) {
  ASSERT_TRUE(SaveLines(win, std::vector<std::string>(300, PadRight("O1", 960))));  // more than a day holds
  EXPECT_FALSE(Run(SnapshotErase::kRaceLaterSnapshots, 2).erased);
  EXPECT_EQ(port.Told(),
            (std::vector<std::string>{"confirm:当レースの２，３回分のオッズを消去します。実行しますか？", "beep",
                                      "inform:オッズファイルが大きすぎるため読み込みませんでした：" + SjisToUtf8(win) +
                                          "\r\nこのファイルのオッズは消去されていません。"}));
  EXPECT_EQ(FileLines(win).size(), 300u);
}

}  // namespace
}  // namespace tw
