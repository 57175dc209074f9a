#include "store/data_folder_lock.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "base/settings.h"
#include "import/timeseries_folder.h"
#include "import/timeseries_import.h"
#include "records/layout.h"
#include "store/race_day_store.h"
#include "store/store_records.h"
#include "support/fake_user_port.h"
#include "support/temp_dir.h"
#include "text/sjis.h"

namespace tw {
namespace {

#ifndef _WIN32
// Another program holding the data folder: a child process that takes the
// lock, says so through a pipe and waits to be killed.
class OtherProgram {
 public:
  explicit OtherProgram(const std::string& dataFolder) {
    int ready[2];
    if (::pipe(ready) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      DataFolderLock::SetHolderName("turfwise-cli results");
      DataFolderLock lock(dataFolder);
      char held = lock.held() ? 'y' : 'n';
      if (::write(ready[1], &held, 1) != 1) ::_exit(1);
      ::pause();
      ::_exit(0);
    }
    char held = 'n';
    if (::read(ready[0], &held, 1) != 1) held = 'n';
    holding_ = held == 'y';
    ::close(ready[0]);
    ::close(ready[1]);
  }
  ~OtherProgram() { Kill(); }
  bool holding() const { return holding_; }
  // Ends it as a crash would: the system releases its lock.
  void Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  bool holding_ = false;
};

TEST(DataFolderLock, AnotherProcessKeepsWritersOutUntilItEnds) {
  test::TempDir dir;
  DataFolderLock::SetWaitMillis(200);
  OtherProgram other(dir.str());
  ASSERT_TRUE(other.holding());
  {
    DataFolderLock lock(dir.str());
    EXPECT_FALSE(lock.held());
    EXPECT_TRUE(lock.busy());
    EXPECT_NE(lock.error().find(Sjis("別の処理がこのデータフォルダに書き込んでいます（turfwise-cli results")),
              std::string::npos);
  }
  // A stream's save is refused whole: the file is not written.
  RaceDayStore store(dir.str());
  store.StartDownload(20240501);
  StoreResult result = store.StoreRaceRecord(test::Race("20240512", "05", 1));
  EXPECT_FALSE(result.stored);
  EXPECT_EQ(SaveFailureText({result}).rfind(Sjis("別の処理が"), 0), 0u);
  EXPECT_FALSE(FileExists(result.file));

  other.Kill();
  DataFolderLock lock(dir.str());
  EXPECT_TRUE(lock.held());
  DataFolderLock nested(dir.str());
  EXPECT_TRUE(nested.held()) << "takes in one process share the lock";
  EXPECT_TRUE(store.StoreRaceRecord(test::Race("20240512", "05", 1)).stored);
  DataFolderLock::SetWaitMillis(kDataFolderLockWaitMillis);
}

TEST(DataFolderLock, TheTimeSeriesImportIsRefusedWithTheLocksMessage) {
  test::TempDir dir;
  const std::string data = dir.file("Data"), viewer = dir.file("viewer");
  std::filesystem::create_directories(ToFsPath(JoinPath(viewer, "20240512")));
  std::filesystem::create_directories(ToFsPath(data));
  const std::string odds = JoinPath(data, Sjis("2024年05月12日.jvO1"));
  ASSERT_TRUE(SaveLines(odds, std::vector<std::string>(3, std::string(kWinOddsLineLength, ' '))));
  std::string line(kWinOddsLineLength, ' ');
  line.replace(0, 35, "O1000000000202405120502060105120915");
  ASSERT_TRUE(SaveLines(JoinPath(JoinPath(viewer, "20240512"), "05020601.jvO1"), {line}));
  Settings settings(dir.file("turfwise.ini"));
  ASSERT_TRUE(StoreTimeSeriesFolder(settings, viewer));
  RaceDayModel model;
  model.slots[0].race.replace(0, 27, "RA0000000002024051205020601");
  model.slots[0].analysis.fetchTimes = {"", "0915", "", ""};
  const std::string before = test::ReadBytes(odds);

  DataFolderLock::SetWaitMillis(200);
  OtherProgram other(data);
  ASSERT_TRUE(other.holding());
  test::FakeUserPort port;
  ImportResult result = ImportTimeSeriesOdds(model, Sjis("2024年05月12日"), dir.str(), settings, port);
  EXPECT_EQ(result.outcome, ImportOutcome::kSaveFailed);
  EXPECT_EQ(result.message.rfind(Sjis("別の処理がこのデータフォルダに書き込んでいます"), 0), 0u);
  EXPECT_EQ(test::ReadBytes(odds), before);
  DataFolderLock::SetWaitMillis(kDataFolderLockWaitMillis);
}
#endif

}  // namespace
}  // namespace tw
