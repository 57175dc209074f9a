// A download of several generated race weekends through the stand-in leaves
// the same data folder, byte for byte, whether the day files are kept in
// memory for the stream or saved at every record.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "acquire/race_card_download.h"
#include "base/settings.h"
#include "feedgen/feed_gen.h"
#include "standin/standin_jvlink.h"
#include "support/fake_user_port.h"
#include "support/folder_contents.h"
#include "support/per_record_download.h"
#include "support/temp_dir.h"
#include "text/files.h"

namespace tw::test {
namespace {

class QuietDownloadView : public DownloadView {
 public:
  int lines = 0;
  void SetProgressText(const std::string&) override {}
  void SetDownloadBar(int, int) override {}
  void SetReadBar(int, int) override {}
  void ClearList() override { lines = 0; }
  void AddListLine(const std::string&) override { ++lines; }
  void SetStatusPolling(bool) override {}
  void ShowFromTime(const DateTime&) override {}
};

// One application folder reading the shared feed through its own stand-in.
struct AppFolder {
  AppFolder(const std::string& root, const std::string& name, const std::string& feed)
      : app(JoinPath(root, name)), data(JoinPath(app, "Data")), store(data) {
    EnsureFolder(app);
    EnsureFolder(data);
    Settings ini(JoinPath(app, "turfwise.ini"));
    ini.WriteString(setting::kStandInFeed, feed);
    StandInOptions o;
    o.appFolder = app;
    o.paceMillis = 0;
    o.millis = [] { return 0LL; };
    jv = std::make_unique<StandInJVLink>(clock, o);
    jv->JVInit("UNKNOWN");
  }
  std::string app, data;
  ManualClock clock{{2026, 3, 10, 0, 0, 0}};
  std::unique_ptr<StandInJVLink> jv;
  RaceDayStore store;
};

class SeasonDownloadTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    feedRoot = new TempDir;
    FeedGenOptions feed;
    feed.outFolder = feedRoot->file("Feed");
    feed.date = {2026, 3, 8, 0, 0, 0};
    feed.weeks = 3;
    feed.seed = 7;
    feed.courses = 1;  // small enough for the per-record path's flushed saves
    feed.racesPerCourse = 5;
    std::string error;
    ASSERT_TRUE(GenerateFeed(feed, nullptr, &error)) << error;
    perRecord = new std::map<std::string, std::string>(PerRecordFolder(feedRoot->str()));
  }
  static void TearDownTestSuite() {
    delete perRecord;
    perRecord = nullptr;
    delete feedRoot;
    feedRoot = nullptr;
  }

  // The per-record reference: the first run downloads every file, the second
  // reads them again (nothing to download, so it fills its race files too).
  static std::map<std::string, std::string> PerRecordFolder(const std::string& root) {
    AppFolder ref(root, "PerRecord", JoinPath(root, "Feed"));
    for (int run = 0; run < 2; ++run) {
      PerRecordDownload read = DownloadPerRecord(*ref.jv, ref.store, "20251201000000", 1);
      EXPECT_EQ(read.error, "") << "run " << run;
      EXPECT_GT(read.stored, 300) << "run " << run;
    }
    return FolderContents(ref.data);
  }

  // The same two runs through the download window's controller.
  std::map<std::string, std::string> WriteBackFolder(std::size_t fileEndBytes, std::size_t limitBytes) {
    AppFolder app(dir.str(), "WriteBack" + std::to_string(limitBytes), feedRoot->file("Feed"));
    app.store.SetWriteBackSizes(fileEndBytes, limitBytes);
    Settings settings(JoinPath(app.app, "turfwise.ini"));
    FakeUserPort ui;
    StreamGate gate;
    QuietDownloadView view;
    for (int run = 0; run < 2; ++run) {
      RaceCardDownload download(*app.jv, app.store, settings, app.clock, ui, gate, view);
      download.normalData = true;
      download.SetFromTime({2025, 12, 1, 0, 0, 0});
      download.StartDownload();
      while (download.running()) download.PollDownloadStatus();
      EXPECT_EQ(download.outcome(), DownloadOutcome::kCompleted) << "run " << run;
      EXPECT_GT(view.lines, 300) << "run " << run;
    }
    return FolderContents(app.data);
  }

  static inline TempDir* feedRoot = nullptr;
  static inline std::map<std::string, std::string>* perRecord = nullptr;
  TempDir dir;
};

TEST_F(SeasonDownloadTest, WriteBackLeavesTheBytesOfThePerRecordPath) {
  const auto& expected = *perRecord;
  ASSERT_GE(expected.size(), 3u * 2 * 3);  // three weekends of two days, race, runner and payout files
  const auto kept = WriteBackFolder(16u << 20, 64u << 20);
  ASSERT_EQ(kept.size(), expected.size());
  for (const auto& [name, bytes] : expected) {
    auto it = kept.find(name);
    ASSERT_NE(it, kept.end()) << name;
    EXPECT_TRUE(it->second == bytes) << name;
  }
}

TEST_F(SeasonDownloadTest, EarlySavesAndFileEndSavesChangeNoByte) {
  // Every file end saves, and the cache is saved whenever it holds more than
  // a few kilobytes: the files are saved many times over, in pieces.
  EXPECT_TRUE(WriteBackFolder(0, 4096) == *perRecord);
}

}  // namespace
}  // namespace tw::test
