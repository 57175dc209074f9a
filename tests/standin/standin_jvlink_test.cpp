#include "standin/standin_jvlink.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/settings.h"
#include "support/temp_dir.h"
#include "text/files.h"

namespace tw {
namespace {

using test::TempDir;
using test::WriteBytes;

// A record of the common JV-Data prefix for race date `date`, padded to `len`.
std::string Rec(const std::string& type, const std::string& date, int race, size_t len = 40) {
  std::string r =
      type + "2" + date + date + "05030" + std::to_string(race % 10) + (race < 10 ? "0" : "") + std::to_string(race);
  r = r.substr(0, 27);
  r.resize(len - 2, ' ');
  return r + "\r\n";
}

class StandInTest : public ::testing::Test {
 protected:
  StandInTest() : clock_({2024, 5, 12, 12, 0, 0}) {
    feed_ = JoinPath(app_.str(), "Feed");
    std::filesystem::create_directories(std::filesystem::path(feed_) / "RACE");
  }

  // `pace` empty: the pace of the settings file.
  std::unique_ptr<StandInJVLink> Make(std::optional<int> pace = 0) {
    StandInOptions o;
    o.appFolder = app_.str();
    o.paceMillis = pace;
    o.millis = [this] { return millis_; };
    o.report = [this](const std::string& message) { told_.push_back(message); };
    auto j = std::make_unique<StandInJVLink>(clock_, o);
    return j;
  }
  void Stored(const std::string& name, const std::string& bytes) {
    WriteBytes(JoinPath(JoinPath(feed_, "RACE"), name), bytes);
  }
  void Faults(const std::string& text) { WriteBytes(JoinPath(feed_, "faults.txt"), text); }
  void Put(const std::string& rel, const std::string& bytes) {
    std::filesystem::path p = std::filesystem::path(feed_) / rel;
    std::filesystem::create_directories(p.parent_path());
    WriteBytes(p.string(), bytes);
  }

  TempDir app_;
  std::string feed_;
  ManualClock clock_;
  long long millis_ = 1000;
  std::vector<std::string> told_;  // what the stand-in reported
};

TEST_F(StandInTest, InitChecksTheSoftwareId) {
  auto j = Make();
  EXPECT_EQ(j->JVOpen("RACE", "20240501000000", 1).code, -201);
  EXPECT_EQ(j->JVRTOpen("0B12", "20240512"), -201);
  EXPECT_EQ(j->JVInit(""), -101);
  EXPECT_EQ(j->JVInit(std::string(64, 'A')), -102);
  EXPECT_EQ(j->JVInit(" UNKNOWN"), -103);
  EXPECT_EQ(j->JVOpen("RACE", "20240501000000", 1).code, -201);  // failed inits do not count
  EXPECT_EQ(j->JVInit(std::string(63, 'A')), 0);
  EXPECT_EQ(j->JVOpen("RACE", "20240501000000", 1).code, -1);
}

TEST_F(StandInTest, OpenWithNothingNewerGivesMinusOneAndCloses) {
  Stored("20240510120000-CARD.jvd", Rec("RA", "20240512", 1));
  Stored("20240512180000-RESULTS.jvd", Rec("RA", "20240512", 1));  // after "now": not provided yet
  auto j = Make();
  ASSERT_EQ(j->JVInit("UNKNOWN"), 0);
  EXPECT_EQ(j->JVOpen("RACE", "20240510120000", 1).code, -1);  // not strictly newer
  EXPECT_EQ(j->JVClose(), 0);
  EXPECT_EQ(j->JVOpen("RACE", "20240510115959", 1).readCount, 1);
  EXPECT_EQ(j->JVClose(), 0);
  EXPECT_EQ(j->JVClose(), 0);  // closing twice is harmless
}

TEST_F(StandInTest, ReadLoopGivesRecordsWithFileChangesBetweenFiles) {
  const std::string a1 = Rec("RA", "20240512", 1, 1272), a2 = Rec("SE", "20240512", 1, 555);
  const std::string b1 = Rec("HR", "20240512", 1, 719);
  Stored("20240509170000-ENTRIES.jvd", a1 + a2);
  Stored("20240511110000-CARD.jvd", b1);
  Stored("notes.txt", "ignored");
  auto j = Make();
  ASSERT_EQ(j->JVInit("UNKNOWN"), 0);
  JVOpenResult open = j->JVOpen("RACE", "20240501000000", 1);
  EXPECT_EQ(open.code, 0);
  EXPECT_EQ(open.readCount, 2);
  EXPECT_EQ(open.downloadCount, 2);
  EXPECT_EQ(open.lastFileTimestamp, "20240511110000");
  EXPECT_EQ(j->JVStatus(), 2);  // no step time: downloaded at once
  int size = 60000;
  JVReadResult r = j->JVRead(size);
  EXPECT_EQ(r.code, 1272);
  EXPECT_EQ(r.record, a1);
  EXPECT_EQ(r.fileName, "20240509170000-ENTRIES.jvd");
  EXPECT_EQ(size, 60000);
  EXPECT_EQ(j->JVRead(size).record, a2);
  EXPECT_EQ(j->JVRead(size).code, -1);
  r = j->JVRead(size);
  EXPECT_EQ(r.code, 719);
  EXPECT_EQ(r.fileName, "20240511110000-CARD.jvd");
  EXPECT_EQ(j->JVRead(size).code, 0);
  EXPECT_EQ(j->JVRead(size).code, 0);
  EXPECT_EQ(j->JVOpen("RACE", "20240501000000", 1).code, -202);  // not closed yet
  EXPECT_FALSE(FileExists(JoinPath(app_.str(), StandInJVLink::kDownloadRecord)))
      << "a run that ends before the close downloads again";
  EXPECT_EQ(j->JVClose(), 0);
  // Downloaded once: the next open has nothing to download.
  open = j->JVOpen("RACE", "20240501000000", 1);
  EXPECT_EQ(open.readCount, 2);
  EXPECT_EQ(open.downloadCount, 0);
  j->JVClose();
}

TEST_F(StandInTest, StatusAdvancesOverTimeAndReadsWaitForTheDownload) {
  Stored("20240509170000-A.jvd", Rec("RA", "20240512", 1));
  Stored("20240510170000-B.jvd", Rec("RA", "20240512", 2));
  Stored("20240511170000-C.jvd", Rec("RA", "20240512", 3));
  auto j = Make(100);
  ASSERT_EQ(j->JVInit("UNKNOWN"), 0);
  ASSERT_EQ(j->JVOpen("RACE", "20240501000000", 1).downloadCount, 3);
  EXPECT_EQ(j->JVStatus(), 0);
  int size = 60000;
  EXPECT_EQ(j->JVRead(size).code, -3);  // the first file is not there yet
  millis_ += 150;
  EXPECT_EQ(j->JVStatus(), 1);
  EXPECT_GT(j->JVRead(size).code, 0);
  EXPECT_EQ(j->JVRead(size).code, -1);
  EXPECT_EQ(j->JVRead(size).code, -3);
  millis_ += 1000;
  EXPECT_EQ(j->JVStatus(), 3);  // never beyond the download count
  j->JVClose();
}

// The pace of the settings file: files done after `elapsed` ms of a
// three-file download, read at the open.
TEST_F(StandInTest, PaceComesFromTheSettingsKeptWithinItsRange) {
  Stored("20240509170000-A.jvd", Rec("RA", "20240512", 1));
  Stored("20240510170000-B.jvd", Rec("RA", "20240512", 2));
  Stored("20240511170000-C.jvd", Rec("RA", "20240512", 3));
  const std::string ini = JoinPath(app_.str(), "turfwise.ini");
  auto doneAfter = [&](const std::string& settings, long long elapsed) {
    if (!settings.empty()) WriteBytes(ini, "[StandIn]\r\n" + settings + "\r\n");
    auto j = Make(std::nullopt);
    EXPECT_EQ(j->JVInit("UNKNOWN"), 0);
    EXPECT_EQ(j->JVOpen("RACE", "20240501000000", 1).downloadCount, 3);
    millis_ += elapsed;
    int done = j->JVStatus();
    j->JVCancel();
    j->JVClose();
    std::filesystem::remove(JoinPath(app_.str(), StandInJVLink::kDownloadRecord));
    return done;
  };
  // No key: 120 ms a file.
  EXPECT_EQ(doneAfter("", 0), 0);
  EXPECT_EQ(doneAfter("", 119), 0);
  EXPECT_EQ(doneAfter("", 240), 2);
  EXPECT_EQ(doneAfter("pace=50", 149), 2);
  // Not a number: the default; beyond the range: its ends.
  EXPECT_EQ(doneAfter("pace=fast", 119), 0);
  EXPECT_EQ(doneAfter("pace=fast", 120), 1);
  EXPECT_EQ(doneAfter("pace=99999", 9999), 0);
  EXPECT_EQ(doneAfter("pace=99999", 10000), 1);
  EXPECT_EQ(doneAfter("pace=-5", 0), 3);
}

TEST_F(StandInTest, PaceZeroDownloadsEverythingAtOnce) {
  Stored("20240509170000-A.jvd", Rec("RA", "20240512", 1));
  Stored("20240510170000-B.jvd", Rec("RA", "20240512", 2));
  WriteBytes(JoinPath(app_.str(), "turfwise.ini"), "[StandIn]\r\npace=0\r\n");
  auto j = Make(std::nullopt);
  ASSERT_EQ(j->JVInit("UNKNOWN"), 0);
  ASSERT_EQ(j->JVOpen("RACE", "20240501000000", 1).downloadCount, 2);
  // The clock stands still: nothing waits for it.
  EXPECT_EQ(j->JVStatus(), 2);
  int size = 60000, records = 0;
  for (JVReadResult r = j->JVRead(size); r.code != 0; r = j->JVRead(size)) {
    ASSERT_NE(r.code, -3);
    records += r.code > 0;
  }
  EXPECT_EQ(records, 2);
  j->JVClose();

  // A new pace counts from the next open.
  WriteBytes(JoinPath(app_.str(), "turfwise.ini"), "[StandIn]\r\npace=100\r\n");
  std::filesystem::remove(JoinPath(app_.str(), StandInJVLink::kDownloadRecord));
  ASSERT_EQ(j->JVOpen("RACE", "20240501000000", 1).downloadCount, 2);
  EXPECT_EQ(j->JVStatus(), 0);
  EXPECT_EQ(j->JVRead(size).code, -3);
  j->JVClose();
}

TEST_F(StandInTest, OnlyAStreamReadToItsEndAndClosedIsRecorded) {
  Stored("20240509170000-A.jvd", Rec("RA", "20240512", 1));
  Stored("20240510170000-B.jvd", Rec("RA", "20240512", 2));
  auto j = Make(100);
  ASSERT_EQ(j->JVInit("UNKNOWN"), 0);
  ASSERT_EQ(j->JVOpen("RACE", "20240501000000", 1).downloadCount, 2);
  millis_ += 120;
  EXPECT_EQ(j->JVStatus(), 1);
  EXPECT_EQ(j->JVCancel(), 0);
  int size = 60000;
  EXPECT_EQ(j->JVRead(size).code, -203);  // the download is gone
  EXPECT_EQ(j->JVClose(), 0);
  EXPECT_EQ(j->JVOpen("RACE", "20240501000000", 1).downloadCount, 2);  // the cancel recorded nothing
  millis_ += 1000;
  EXPECT_GT(j->JVRead(size).code, 0);
  EXPECT_EQ(j->JVClose(), 0);  // not read to its end
  EXPECT_EQ(j->JVOpen("RACE", "20240501000000", 1).downloadCount, 2);
  millis_ += 1000;
  int code = 0;
  do code = j->JVRead(size).code;
  while (code > 0 || code == -1);
  ASSERT_EQ(code, 0);
  EXPECT_EQ(j->JVCancel(), 0);  // read to its end, but not saved
  EXPECT_EQ(j->JVClose(), 0);
  EXPECT_EQ(j->JVOpen("RACE", "20240501000000", 1).downloadCount, 2);
  j->JVClose();
}

// A record longer than its type allows is passed over alone, even one far
// longer than the largest file read whole, and told with the file's count.
TEST_F(StandInTest, OverlongRecordsArePassedOverAloneAndTold) {
  const std::string ra = Rec("RA", "20240512", 1, 1272), se = Rec("SE", "20240512", 1, 555);
  const std::string huge = "XX" + std::string(kFeedLineByteLimit, 'x');
  Stored("20240509170000-A.jvd", Rec("RA", "20240512", 2, 1273) + ra + huge + "\n" + se.substr(0, 553) + "\n" + huge);
  auto j = Make();
  ASSERT_EQ(j->JVInit("UNKNOWN"), 0);
  ASSERT_EQ(j->JVOpen("RACE", "20240501000000", 1).code, 0);
  int size = 60000;
  std::vector<std::string> served;
  for (JVReadResult r = j->JVRead(size); r.code > 0; r = j->JVRead(size)) served.push_back(r.record);
  EXPECT_EQ(served, (std::vector<std::string>{ra, se}));
  ASSERT_EQ(told_.size(), 1u);
  EXPECT_NE(told_[0].find(" 3 "), std::string::npos) << told_[0];
  j->JVClose();
}

TEST_F(StandInTest, BadParametersFailAndCloseAfterwardsIsHarmless) {
  Stored("20240509170000-A.jvd", Rec("RA", "20240512", 1));
  auto j = Make();
  ASSERT_EQ(j->JVInit("UNKNOWN"), 0);
  EXPECT_EQ(j->JVOpen("RAC", "20240501000000", 1).code, -111);
  EXPECT_EQ(j->JVClose(), 0);
  EXPECT_EQ(j->JVOpen("XXXX", "20240501000000", 1).code, -111);
  EXPECT_EQ(j->JVOpen("RACE", "2024050100000", 1).code, -112);
  EXPECT_EQ(j->JVOpen("RACE", "20241301000000", 1).code, -112);
  EXPECT_EQ(j->JVOpen("RACE", "2024050100000X", 1).code, -112);
  EXPECT_EQ(j->JVOpen("RACE", "20240501000000", 0).code, -115);
  EXPECT_EQ(j->JVOpen("RACE", "20240501000000", 5).code, -115);
  EXPECT_EQ(j->JVOpen("DIFF", "20240501000000", 2).code, -116);
  EXPECT_EQ(j->JVClose(), 0);
  EXPECT_EQ(j->JVOpen("RACE", "20240501000000", 1).code, 0);  // no stream was left open
  j->JVClose();
  int size = 60000;
  EXPECT_EQ(j->JVRead(size).code, -203);
  EXPECT_EQ(j->JVStatus(), -203);
}

TEST_F(StandInTest, ThisWeeksDataOnlyHasTheMeetingWeekOfNow) {
  // Now is Sunday 2024-05-12: the meeting week runs from Tuesday 05-07 to Monday 05-13.
  Stored("20240502170000-LAST.jvd", Rec("RA", "20240505", 1));
  Stored("20240509170000-THIS.jvd", Rec("RA", "20240511", 1) + Rec("RA", "20240512", 1));
  auto j = Make();
  ASSERT_EQ(j->JVInit("UNKNOWN"), 0);
  JVOpenResult week = j->JVOpen("RACE", "20240401000000", 2);
  EXPECT_EQ(week.readCount, 1);
  int size = 60000;
  EXPECT_EQ(j->JVRead(size).fileName, "20240509170000-THIS.jvd");
  j->JVClose();
  EXPECT_EQ(j->JVOpen("RACE", "20240401000000", 1).readCount, 2);
  j->JVClose();
}

TEST_F(StandInTest, OddsStreamGivesTheLatestAnnouncementAtNow) {
  auto odds = [](const std::string& type, const std::string& mmddhhmm, size_t len) {
    std::string r = type + "1" + "20240512" + "2024051205030311" + mmddhhmm;
    r.resize(len - 2, ' ');
    return r + "\r\n";
  };
  Put("RT/0B30/2024051205030311.jvd", odds("O1", "05120900", 962) + odds("O2", "05120900", 2042) +
                                          odds("O1", "05121000", 962) + odds("O2", "05121000", 2042) +
                                          odds("O1", "05121540", 962) + odds("O2", "05121540", 2042));
  auto j = Make();
  ASSERT_EQ(j->JVInit("UNKNOWN"), 0);
  clock_.Set({2024, 5, 12, 8, 59, 0});
  EXPECT_EQ(j->JVRTOpen("0B30", "2024051205030311"), -1);  // before sales open
  EXPECT_EQ(j->JVClose(), 0);
  clock_.Set({2024, 5, 12, 10, 5, 0});
  ASSERT_EQ(j->JVRTOpen("0B30", "2024051205030311"), 0);
  EXPECT_EQ(j->JVRTOpen("0B30", "2024051205030311"), -202);
  int size = 60000;
  JVReadResult r1 = j->JVRead(size);
  JVReadResult r2 = j->JVRead(size);
  EXPECT_EQ(r1.code, 962);
  EXPECT_EQ(r1.record.substr(0, 2), "O1");
  EXPECT_EQ(r1.record.substr(27, 8), "05121000");
  EXPECT_EQ(r2.code, 2042);
  EXPECT_EQ(r2.record.substr(27, 8), "05121000");
  EXPECT_EQ(j->JVRead(size).code, 0);
  j->JVClose();
  clock_.Set({2024, 5, 20, 9, 0, 0});  // a past day: its last announcement
  ASSERT_EQ(j->JVRTOpen("0B30", "2024051205030311"), 0);
  EXPECT_EQ(j->JVRead(size).record.substr(27, 8), "05121540");
  j->JVClose();
  EXPECT_EQ(j->JVRTOpen("0B30", "2024051205030312"), -1);  // no such race in the feed
  j->JVClose();
}

TEST_F(StandInTest, RealTimeKeysAreChecked) {
  auto j = Make();
  ASSERT_EQ(j->JVInit("UNKNOWN"), 0);
  EXPECT_EQ(j->JVRTOpen("0B30", "202405120503031"), -114);
  EXPECT_EQ(j->JVRTOpen("0B30", "20240532050303111"), -114);
  EXPECT_EQ(j->JVRTOpen("0B30", "2024053205030311"), -114);
  EXPECT_EQ(j->JVRTOpen("0B30", "20240512o5030311"), -114);
  EXPECT_EQ(j->JVRTOpen("0B30", "2024051205 30311"), -114);
  EXPECT_EQ(j->JVRTOpen("0B12", "2024051"), -114);
  EXPECT_EQ(j->JVRTOpen("0B12", "20240230"), -114);
  EXPECT_EQ(j->JVRTOpen("XB12", "20240512"), -111);
  EXPECT_EQ(j->JVRTOpen("0B12", "20240512"), -1);  // valid, but no results
  EXPECT_EQ(j->JVClose(), 0);
}

TEST_F(StandInTest, ResultStreamHasTheRacesWithResultsAtNow) {
  Put("RT/0B12/20240512/20240512101000-05030301.jvd", Rec("RA", "20240512", 1) + Rec("HR", "20240512", 1));
  Put("RT/0B12/20240512/20240512104500-05030302.jvd", Rec("RA", "20240512", 2));
  Put("RT/0B12/20240512/20240512110000-05030301.jvd", Rec("SE", "20240512", 1));  // a later stage of race 1
  auto j = Make();
  ASSERT_EQ(j->JVInit("UNKNOWN"), 0);
  clock_.Set({2024, 5, 12, 10, 0, 0});
  EXPECT_EQ(j->JVRTOpen("0B12", "20240512"), -1);
  j->JVClose();
  clock_.Set({2024, 5, 12, 10, 50, 0});
  ASSERT_EQ(j->JVRTOpen("0B12", "20240512"), 0);
  int size = 60000;
  std::vector<std::string> types;
  for (JVReadResult r = j->JVRead(size); r.code > 0; r = j->JVRead(size)) types.push_back(r.record.substr(0, 2));
  EXPECT_EQ(types, (std::vector<std::string>{"RA", "HR", "RA"}));
  j->JVClose();
  clock_.Set({2024, 5, 12, 11, 0, 0});
  ASSERT_EQ(j->JVRTOpen("0B12", "20240512"), 0);
  EXPECT_EQ(j->JVRead(size).record.substr(0, 2), "SE");
  j->JVClose();
}

TEST_F(StandInTest, InjectedFaults) {
  Stored("20240509170000-A.jvd", Rec("RA", "20240512", 1) + Rec("RA", "20240512", 2) + Rec("RA", "20240512", 3));
  Put("RT/0B12/20240512/20240512101000-05030301.jvd", Rec("RA", "20240512", 1));
  Faults("# failures to show\nJVRead@2=-502\nJVRTOpen(0B30)=-303\nnonsense\nJVStatus@1=throw\n");
  auto j = Make();
  ASSERT_EQ(j->JVInit("UNKNOWN"), 0);
  ASSERT_EQ(j->JVOpen("RACE", "20240501000000", 1).code, 0);
  EXPECT_THROW(j->JVStatus(), JVLinkCallError);
  EXPECT_EQ(j->JVStatus(), 1);
  int size = 60000;
  EXPECT_GT(j->JVRead(size).code, 0);
  EXPECT_EQ(j->JVRead(size).code, -502);
  EXPECT_GT(j->JVRead(size).code, 0);  // the failing read did not take a record
  j->JVClose();
  EXPECT_EQ(j->JVRTOpen("0B30", "2024051205030301"), -303);
  j->JVClose();
  ASSERT_EQ(j->JVRTOpen("0B12", "20240512"), 0);  // only the odds stream fails
  EXPECT_GT(j->JVRead(size).code, 0);
  EXPECT_EQ(j->JVRead(size).code, -502);  // counted again from the open
  j->JVClose();
}

TEST_F(StandInTest, FaultsReadAtInitAndOpen) {
  Faults("JVInit=-301\n");
  auto j = Make();
  EXPECT_EQ(j->JVInit("UNKNOWN"), -301);
  Faults("JVOpen=-504\n");
  EXPECT_EQ(j->JVInit("UNKNOWN"), 0);
  EXPECT_EQ(j->JVOpen("RACE", "20240501000000", 1).code, -504);
  EXPECT_EQ(j->JVClose(), 0);
}

TEST_F(StandInTest, FeedFolderComesFromTheSettings) {
  auto j = Make();
  EXPECT_EQ(j->FeedFolder(), feed_);
  Settings settings(JoinPath(app_.str(), "turfwise.ini"));
  ASSERT_TRUE(settings.WriteString(setting::kStandInFeed, "Other"));
  EXPECT_EQ(j->FeedFolder(), JoinPath(app_.str(), "Other"));
  ASSERT_TRUE(settings.WriteString(setting::kStandInFeed, "/srv/feed"));
  EXPECT_EQ(j->FeedFolder(), "/srv/feed");
}

// Missing, or named with a NUL byte or bytes that are not Shift-JIS (a
// damaged settings file); "Feed" itself exists.
TEST_F(StandInTest, AFeedFolderThatCannotBeUsedIsAFailedCallNotAQuietDay) {
  auto j = Make();
  j->JVInit("UNKNOWN");
  for (const std::string& folder : {std::string("Missing"), std::string("Feed\0x", 6), std::string("Feed\x81")}) {
    WriteBytes(JoinPath(app_.str(), "turfwise.ini"), "[StandIn]\r\nfeed=" + folder + "\r\n");
    EXPECT_THROW(j->JVOpen("RACE", "20240501000000", 1), JVLinkCallError) << folder;
    EXPECT_THROW(j->JVRTOpen("0B12", "20240512"), JVLinkCallError) << folder;
  }
}

TEST_F(StandInTest, AFeedFolderThatCannotBeListedIsAFailedCall) {
  namespace fs = std::filesystem;
  fs::permissions(feed_, fs::perms::none);
  std::error_code ec;
  fs::directory_iterator listing(feed_, ec);
  auto j = Make();
  j->JVInit("UNKNOWN");
  if (!ec) GTEST_SKIP() << "this user lists every folder";
  EXPECT_THROW(j->JVOpen("RACE", "20240501000000", 1), JVLinkCallError);
  fs::permissions(feed_, fs::perms::owner_all);
}

TEST_F(StandInTest, SetUIPropertiesChoosesTheFeedFolder) {
  auto j = Make();
  EXPECT_EQ(j->JVSetUIProperties(), 0);  // no dialog: nothing to do
  std::string offered;
  std::optional<std::string> answer;
  j->SetFolderChooser([&](const std::string& current) {
    offered = current;
    return answer;
  });
  EXPECT_EQ(j->JVSetUIProperties(), 0);  // cancelled
  EXPECT_EQ(offered, feed_);
  EXPECT_EQ(j->FeedFolder(), feed_);
  answer = JoinPath(app_.str(), "missing");
  EXPECT_EQ(j->JVSetUIProperties(), -100);
  EXPECT_EQ(j->FeedFolder(), feed_);
  std::filesystem::create_directories(app_.path() / "chosen");
  answer = JoinPath(app_.str(), "chosen");
  EXPECT_EQ(j->JVSetUIProperties(), 0);
  EXPECT_EQ(j->FeedFolder(), *answer);
}

}  // namespace
}  // namespace tw
