#include "base/error_log.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/fake_user_port.h"
#include "support/temp_dir.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

class ErrorLogTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string path = dir.file("ErrorLog.txt");
  ManualClock clock{{2024, 5, 12, 9, 5, 7}};
  test::FakeUserPort ui;
  ErrorLog log{path, clock, ui};
};

TEST_F(ErrorLogTest, StartCreatesTheLog) {
  ASSERT_TRUE(log.Start("/opt/turfwise"));
  EXPECT_EQ(test::ReadBytes(path), Sjis("ソフト起動：2024/05/12 09:05:07") + "\r\n/opt/turfwise\r\n");
}

TEST_F(ErrorLogTest, StartKeepsTheLastHundredLines) {
  std::vector<std::string> old;
  for (int i = 1; i <= 150; ++i) old.push_back("line " + std::to_string(i));
  ASSERT_TRUE(SaveLines(path, old));
  ASSERT_TRUE(log.Start("/app"));
  auto lines = LoadLines(path);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 102u);
  EXPECT_EQ(lines->front(), "line 51");
  EXPECT_EQ((*lines)[99], "line 150");
  EXPECT_EQ(SjisToUtf8((*lines)[100]), "ソフト起動：2024/05/12 09:05:07");
  EXPECT_EQ((*lines)[101], "/app");
}

TEST_F(ErrorLogTest, ShortLogIsKeptWhole) {
  ASSERT_TRUE(SaveLines(path, std::vector<std::string>(100, "x")));
  ASSERT_TRUE(log.Start("/app"));
  EXPECT_EQ(LoadLines(path)->size(), 102u);
}

TEST_F(ErrorLogTest, AppendShowsTheMessageThenLogsIt) {
  ASSERT_TRUE(log.Start("/app"));
  clock.Set({2024, 5, 12, 14, 3, 9});
  std::string message = Sjis(" 取得済みデータより最新のデータがありません。(-1)");
  ASSERT_TRUE(log.Append(message));
  EXPECT_EQ(ui.status, message);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"status: 取得済みデータより最新のデータがありません。(-1)"}));
  std::string bytes = test::ReadBytes(path);
  EXPECT_EQ(bytes,
            Sjis("ソフト起動：2024/05/12 09:05:07") + "\r\n/app\r\n" + Sjis("【エラー】14:03:09：") + message + "\r\n");
}

TEST_F(ErrorLogTest, AppendWithoutALogCreatesIt) {
  ASSERT_TRUE(log.Append("x"));
  EXPECT_EQ(test::ReadBytes(path), Sjis("【エラー】09:05:07：x") + "\r\n");
}

TEST_F(ErrorLogTest, TrimCutsALongLogAndLeavesAShortOneAlone) {
  std::vector<std::string> old;
  for (int i = 1; i <= 150; ++i) old.push_back("line " + std::to_string(i));
  ASSERT_TRUE(SaveLines(path, old));
  ASSERT_TRUE(log.Trim());
  auto lines = LoadLines(path);
  ASSERT_EQ(lines->size(), 100u);
  EXPECT_EQ(lines->front(), "line 51");
  const auto written = std::filesystem::last_write_time(path);
  std::filesystem::last_write_time(path, written - std::chrono::seconds(10));
  ASSERT_TRUE(log.Trim());
  EXPECT_EQ(std::filesystem::last_write_time(path), written - std::chrono::seconds(10)) << "not rewritten";
}

TEST_F(ErrorLogTest, AnUnreadableLogIsNeverReplaced) {
  std::filesystem::create_directory(path);
  EXPECT_FALSE(log.Append("msg"));
  EXPECT_FALSE(log.Start("/app"));
  EXPECT_FALSE(log.Trim());
  EXPECT_FALSE(log.lastError().empty());
  EXPECT_EQ(ui.status, "msg") << "the message is still shown";
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(ErrorLogTest, FailedSaveIsReportedAndTheMessageStillShown) {
  ErrorLog nowhere(dir.file("missing/ErrorLog.txt"), clock, ui);
  EXPECT_FALSE(nowhere.Start("/app"));
  EXPECT_FALSE(nowhere.lastError().empty());
  EXPECT_FALSE(nowhere.Append("msg"));
  EXPECT_EQ(ui.status, "msg");
  ASSERT_TRUE(log.Append("ok"));
  EXPECT_TRUE(log.lastError().empty());
}

}  // namespace
}  // namespace tw
