// The settings file when it cannot be read, and values edited by hand to lie
// outside the range the dialogs keep.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "acquire/fetch_time_settings.h"
#include "base/settings.h"
#include "support/temp_dir.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

const std::string kStored = "[locate]\r\ntop=120\r\n[Time]\r\nAutoRdataGet=20\r\n";

bool Readable(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char c = 0;
  in.read(&c, 1);
  return !in.bad() && in.gcount() == 1;
}

// A settings file that exists but cannot be read: without read permission,
// or, for a user who reads every file, a link to a file whose first read
// fails (Linux). `Kept()` says whether it is still the same file.
class UnreadableSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteBytes(path, kStored);
    fs::permissions(path, fs::perms::none);
    if (Readable(path)) {
      fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
      fs::remove(path);
      std::error_code ec;
      fs::create_symlink("/proc/self/mem", path, ec);
      linked_ = !ec;
      if (!linked_) GTEST_SKIP() << "no way to make a file unreadable here";
    }
    if (Readable(path)) GTEST_SKIP() << "no way to make a file unreadable here";
  }
  void TearDown() override {
    std::error_code ec;
    if (!linked_) fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write, ec);
  }
  bool Kept() {
    if (linked_) return fs::is_symlink(path);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    const bool same = test::ReadBytes(path) == kStored;
    fs::permissions(path, fs::perms::none);
    return same;
  }

  test::TempDir dir;
  std::string path = dir.file("turfwise.ini");
  Settings settings{path};

 private:
  bool linked_ = false;
};

TEST_F(UnreadableSettings, ReadsGiveTheDefaults) {
  EXPECT_FALSE(settings.ReadRaw(setting::kMainWindowTop).has_value());
  EXPECT_EQ(settings.ReadInteger(setting::kMainWindowTop), 10);
  EXPECT_EQ(settings.ReadInteger(setting::kResultInterval), 15);
  EXPECT_EQ(settings.ReadString(setting::kTimeSeriesFolder, "d"), "d");
  EXPECT_NE(settings.LoadProblem(), "");
  EXPECT_TRUE(Kept());
}

// Writing the one key would lose every other key of the file.
TEST_F(UnreadableSettings, WriteIsRefusedAndTheFileKept) {
  std::string error;
  EXPECT_FALSE(settings.WriteRaw(setting::kMainWindowLeft, "30", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(settings.WriteInteger(setting::kMainWindowTop, 40));
  EXPECT_FALSE(settings.WriteBool(setting::kCloseDataListAfterLoad, true));
  EXPECT_TRUE(Kept());
}

// A file past the limit is not read: the defaults count, the caller hears
// why, and no write replaces it. One at the limit is read as usual.
TEST(OversizedSettings, AreRefusedAndKept) {
  test::TempDir dir;
  const std::string path = dir.file("turfwise.ini");
  const std::string atLimit = kStored + std::string(kSettingsByteLimit - kStored.size(), ';');
  for (const std::string& stored : {atLimit, atLimit + ";"}) {
    test::WriteBytes(path, stored);
    Settings settings(path);
    const bool refused = stored.size() > kSettingsByteLimit;
    EXPECT_EQ(settings.ReadInteger(setting::kMainWindowTop), refused ? 10 : 120);
    EXPECT_EQ(settings.LoadProblem().empty(), !refused);
    EXPECT_EQ(settings.WriteInteger(setting::kMainWindowLeft, 30), !refused);
    EXPECT_EQ(test::ReadBytes(path) == stored, refused);
  }
}

// Binary bytes in a value are read as they are, NUL too; nothing is refused.
TEST(BinarySettings, AreReadWithoutHarm) {
  test::TempDir dir;
  const std::string path = dir.file("turfwise.ini");
  const char binary[] = "[locate]\0\r\ntop=\0\xFF\r\n\0\0\n[StandIn]\r\nfeed=F\0x\r\n";
  test::WriteBytes(path, std::string(binary, sizeof binary - 1));
  Settings settings(path);
  EXPECT_EQ(settings.ReadInteger(setting::kMainWindowTop), 10);
  EXPECT_EQ(settings.ReadString(setting::kStandInFeed), std::string("F\0x", 3));
  EXPECT_EQ(settings.LoadProblem(), "");
}

class OutOfRangeSettings : public ::testing::Test {
 protected:
  void Store(const std::string& time) { test::WriteBytes(dir.file("turfwise.ini"), "[Time]\r\n" + time + "\r\n"); }

  test::TempDir dir;
  Settings settings{dir.file("turfwise.ini")};
};

// A value edited by hand is kept within the range: AutoRdataGet=0 would arm
// a result timer of 0 ms.
TEST_F(OutOfRangeSettings, ResultIntervalIsKeptWithinItsRangeWhenRead) {
  const struct {
    const char* stored;
    int minutes;
  } cases[] = {{"0", 5},   {"-3", 5},          {"4", 5},           {"5", 5},   {"59", 59},
               {"60", 59}, {"2147483647", 59}, {"-2147483648", 5}, {"abc", 15}};
  for (const auto& c : cases) {
    Store(std::string("AutoRdataGet=") + c.stored);
    EXPECT_EQ(settings.ReadInteger(setting::kResultInterval), c.minutes) << c.stored;
    EXPECT_EQ(ReadResultInterval(settings), c.minutes) << c.stored;
  }
}

TEST_F(OutOfRangeSettings, FetchDelayIsKeptWithinItsRangeWhenRead) {
  Store("delay=-1");
  EXPECT_EQ(ReadFetchDelay(settings), 0);
  Store("delay=16");
  EXPECT_EQ(ReadFetchDelay(settings), 15);
  Store(std::string("delay=") + std::to_string(std::numeric_limits<int>::max()));
  EXPECT_EQ(ReadFetchDelay(settings), 15);
}

TEST_F(OutOfRangeSettings, ValuesInTheRangeAreReadAsStored) {
  Store("AutoRdataGet=5\r\ndelay=0");
  EXPECT_EQ(ReadResultInterval(settings), 5);
  EXPECT_EQ(ReadFetchDelay(settings), 0);
  Store("AutoRdataGet=59\r\ndelay=15");
  EXPECT_EQ(ReadResultInterval(settings), 59);
  EXPECT_EQ(ReadFetchDelay(settings), 15);
}

}  // namespace
}  // namespace tw
