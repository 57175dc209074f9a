#include "analysis/payout_import.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/day_builder.h"
#include "support/temp_dir.h"
#include "text/fields.h"
#include "text/files.h"

namespace tw {
namespace {

class PayoutImportTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::unique_ptr<RaceDayModel> model = std::make_unique<RaceDayModel>();
  std::string path = dir.file("day.jvHR");

  std::string Key(int race, const std::string& course = "05") { return test::RaceKey(2024, 5, 12, course, 2, 6, race); }
  void SetRace(int slot, const std::string& key) {
    model->slots[static_cast<size_t>(slot)].race = test::RaceLine(key, 10, "1500") + "\r\n";
  }
  RaceSlot& Slot(int i) { return model->slots[static_cast<size_t>(i)]; }
};

TEST_F(PayoutImportTest, MissingFileLeavesTheModelAsItIs) {
  SetRace(0, Key(1));
  Slot(0).payout = test::PayoutLine(Key(1)) + "\r\n";
  Slot(0).analysis.hasPayout = true;
  EXPECT_FALSE(ImportPayouts(*model, path));
  EXPECT_EQ(Field(Slot(0).payout, 1, 2), "HR");
  EXPECT_TRUE(Slot(0).analysis.hasPayout);
}

TEST_F(PayoutImportTest, RecordsGoToTheSlotOfTheirRaceKey) {
  for (int i = 0; i < 3; ++i) SetRace(i, Key(i + 1));
  Slot(0).payout.assign(719, 'x');  // stale text of an earlier import is blanked
  std::string p3 = test::PayoutLine(Key(3));
  test::SetQuinellaPayout(p3, 1, 3, 7, 15230);
  std::vector<std::string> lines = {test::PayoutLine(Key(2, "06")), p3};  // course 06 matches no race
  test::WriteLines(path, lines);

  EXPECT_TRUE(ImportPayouts(*model, path));
  EXPECT_TRUE(IsBlank(Slot(0).payout));
  EXPECT_EQ(Slot(0).payout.size(), 719u);
  EXPECT_FALSE(Slot(1).analysis.hasPayout);
  EXPECT_TRUE(Slot(2).analysis.hasPayout);
  EXPECT_EQ(Slot(2).payout, p3 + "\r\n");
  EXPECT_EQ(FieldInt(Slot(2).payout, 250, 9), 15230);
}

TEST_F(PayoutImportTest, LaterRecordOfTheSameKeyOverwritesAndOnly36AreRead) {
  for (int i = 0; i < 36; ++i) SetRace(i, Key(i % 12 + 1, i < 12 ? "05" : i < 24 ? "08" : "09"));
  std::vector<std::string> lines;
  std::string first = test::PayoutLine(Key(1));
  std::string second = first;
  test::SetWidePayout(second, 1, 1, 2, 450);
  lines.push_back(first);
  lines.push_back(second);
  for (int i = 1; i < 36; ++i) lines.push_back(test::PayoutLine(Key(i % 12 + 1, i < 12 ? "05" : i < 24 ? "08" : "09")));
  ASSERT_EQ(lines.size(), 37u);  // the last slot's record is the 37th
  test::WriteLines(path, lines);

  ImportPayouts(*model, path);
  EXPECT_EQ(Slot(0).payout, second + "\r\n");
  EXPECT_TRUE(Slot(34).analysis.hasPayout);
  EXPECT_FALSE(Slot(35).analysis.hasPayout);
}

TEST_F(PayoutImportTest, BlankKeyMatchesNoEmptySlot) {
  SetRace(0, Key(1));
  std::vector<std::string> lines = {std::string(717, ' '), test::PayoutLine(Key(1))};
  test::WriteLines(path, lines);
  ImportPayouts(*model, path);
  EXPECT_TRUE(Slot(0).analysis.hasPayout);
  for (int i = 1; i < 36; ++i) EXPECT_FALSE(Slot(i).analysis.hasPayout) << i;
}

TEST_F(PayoutImportTest, LastRecordWithoutLineEndIsImported) {
  SetRace(0, Key(1));
  SetRace(1, Key(2));
  std::string bytes = test::PayoutLine(Key(1)) + "\r\n" + test::PayoutLine(Key(2));
  ASSERT_TRUE(WriteFileAtomic(path, bytes));
  ImportPayouts(*model, path);
  EXPECT_TRUE(Slot(1).analysis.hasPayout);
  EXPECT_EQ(Slot(1).payout.substr(717), "\r\n");

  ASSERT_TRUE(WriteFileAtomic(path, bytes.substr(0, bytes.size() - 1)));
  Slot(1).analysis.hasPayout = false;
  ImportPayouts(*model, path);
  EXPECT_FALSE(Slot(1).analysis.hasPayout);
  EXPECT_TRUE(IsBlank(Slot(1).payout));
}

}  // namespace
}  // namespace tw
