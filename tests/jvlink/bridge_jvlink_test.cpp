// JV-Link through the bridge program serving the stand-in: the same data as
// the stand-in in-process, and every way the bridge can fail.
#include "jvlink/bridge_jvlink.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "base/settings.h"
#include "cli/auto_command.h"
#include "cli/download_command.h"
#include "cli/fetch_odds_command.h"
#include "cli/results_command.h"
#include "feedgen/feed_gen.h"
#include "jvlink/bridge_protocol.h"
#include "shell/platform_jvlink.h"
#include "support/folder_contents.h"
#include "support/standin_acquire_env.h"
#include "support/temp_dir.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw::test {
namespace {

using ::testing::HasSubstr;

const std::string kBridge = std::string(TURFWISE_BINARY_DIR) + "/app/turfwise-jvlink-bridge";
using Command = int (*)(std::vector<std::string>, CliContext&, AcquireEnv&);

StandInOptions StandInAt(const std::string& app, const std::string& ini = "") {
  StandInOptions options;
  options.appFolder = app;
  options.settingsFile = ini;
  return options;
}

// An application folder with a one-course feed, its commands run in-process
// on the stand-in or through the bridge program serving it. Every feed file
// counts as downloaded, so that a failed download and the next take the
// path of one that did not fail.
class App {
 public:
  explicit App(bool throughBridge) : bridge_(throughBridge) {
    FeedGenOptions feed;
    feed.outFolder = JoinPath(dir.str(), "Feed");
    feed.date = {2024, 5, 12, 0, 0, 0};
    feed.courses = 1;
    feed.racesPerCourse = 8;
    GenerateFeed(feed, nullptr, nullptr);
    std::string done;
    for (const std::string& name : ListFolder(JoinPath(feed.outFolder, "RACE"), "*.jvd")) done += name + "\r\n";
    WriteBytes(dir.file(StandInJVLink::kDownloadRecord), done);
    env = StandInAcquireEnv(clock);
    if (bridge_)
      env.makeJVLink = [](const std::string& app, const std::string& ini, const Clock& c) {
        return PlatformJVLinkFactory(c, StandInAt(app, ini)).Create();
      };
  }
  // Runs `command` at `hhmm` of the race day; the bridge's stand-in starts there too.
  int Run(Command command, const char* hhmm, std::vector<std::string> args, int timeoutSeconds = 60) {
    const std::string now = std::string("2024/05/12 ") + hhmm;
    ParseDateTime(now, start_);
    clock.Set(start_);
    Settings settings(dir.file("turfwise.ini"));
    settings.WriteString(setting::kStandInPace, "0");
    settings.WriteString(setting::kJVLinkTimeout, std::to_string(timeoutSeconds));
    if (bridge_)
      settings.WriteString(setting::kJVLinkBridge, kBridge + " --standin " + dir.str() + " --now \"" + now + "\"");
    out.str("");
    err.str("");
    args.insert(args.begin(), {"--app-dir", dir.str()});
    CliContext context{out, err, &clock, ""};
    return command(args, context, env);
  }
  int Download(int timeoutSeconds = 60) {
    return Run(&RunDownload, "08:00", {"--from", "2024/05/01 00:00:00"}, timeoutSeconds);
  }
  std::map<std::string, std::string> Data() const { return FolderContents(JoinPath(dir.str(), "Data")); }
  std::string Said() const { return out.str() + err.str(); }

  TempDir dir;
  ManualClock clock;
  AcquireEnv env;
  std::ostringstream out, err;

 private:
  bool bridge_;
  DateTime start_;
};

// A bridge whose every answer is given in advance.
class ScriptedBridge : public BridgeProcess {
 public:
  explicit ScriptedBridge(std::string answers) : answers_(std::move(answers)) {}
  bool Write(const std::string&) override { return true; }
  int ReadSome(char* buffer, int capacity, int) override {
    const int n = std::min(capacity, static_cast<int>(answers_.size()));
    answers_.copy(buffer, static_cast<size_t>(n));
    answers_.erase(0, static_cast<size_t>(n));
    return n > 0 ? n : -1;
  }
  void Kill() override {}
  void Finish(int) override {}

 private:
  std::string answers_;
};

// A positive JVRead whose record came through empty would read as the end
// of the data, and the download would count as complete.
TEST(BridgeJVLink, ARecordResultWithoutItsRecordIsAFailedRead) {
  using bridge::FrameWriter;
  const std::string answers =
      FrameWriter(bridge::Kind::kHello).Int(1).Int(0).Text("").Frame() +
      FrameWriter(static_cast<bridge::Kind>(0x85)).Int(60000).Int(1).Int(1272).Text("").Text("f").Frame();
  auto jv = BridgeJVLink::Attach(std::make_unique<ScriptedBridge>(answers), {});
  ASSERT_NE(jv, nullptr);
  int size = 60000;
  EXPECT_THROW(jv->JVRead(size), JVLinkCallError);
}

// The bridge program's process is started the POSIX way here; under Wine
// scripts/check-windows runs the Windows one.
#ifndef _WIN32

TEST(BridgeJVLink, ARaceDayStoresTheSameBytesAsTheStandInInProcess) {
  App direct(false), bridged(true);
  for (App* app : {&direct, &bridged}) {
    ASSERT_EQ(app->Download(), kExitOk) << app->err.str();
    for (const char* at : {"09:20", "11:00", "14:00"})
      ASSERT_EQ(app->Run(&RunFetchOdds, at, {"--day", "2024年05月12日"}), kExitOk) << app->err.str();
    ASSERT_EQ(app->Run(&RunResults, "17:30", {"--day", "2024年05月12日"}), kExitOk) << app->err.str();
  }
  EXPECT_FALSE(direct.Data().empty());
  EXPECT_EQ(bridged.Data(), direct.Data());
}

// Each failure of JV-Link or of its host ends the download with a message,
// leaves no torn or temporary file, and the next download completes the day.
TEST(BridgeJVLink, FailuresAreToldAndTheNextDownloadCompletes) {
  App reference(false);
  ASSERT_EQ(reference.Download(), kExitOk);
  struct Case {
    const char* fault;
    int exit;
    const char* told;
  } cases[] = {
      {"JVRead@300=crash", kExitFailure, "JV-Linkの中継プログラムが終了しました（JVRead）"},
      {"JVRead@300=hang", kExitFailure, "JV-Linkが応答しません（JVRead、1秒）"},
      {"JVRead@3=throw", kExitFailure, "JVRead の呼び出しに失敗しました。"},
      {"JVOpen=-504", kExitFailure, "JVOpenエラー:"},
      {"JVRead@2-10=-3", kExitOk, "データ読込み完了"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    App app(true);
    WriteBytes(app.dir.file("Feed/faults.txt"), std::string(c.fault) + "\r\n");
    EXPECT_EQ(app.Download(1), c.exit);
    EXPECT_THAT(app.Said(), HasSubstr(c.told));
    for (const auto& [name, bytes] : app.Data()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
    if (c.exit != kExitOk) {
      std::remove(app.dir.file("Feed/faults.txt").c_str());
      ASSERT_EQ(app.Download(), kExitOk) << app.err.str();
    }
    EXPECT_EQ(app.Data(), reference.Data());
  }
}

TEST(BridgeJVLink, UnattendedFetchingStopsWhenJVLinkDoesNotAnswer) {
  App app(true);
  ASSERT_EQ(app.Download(), kExitOk);
  WriteBytes(app.dir.file("Feed/faults.txt"), "JVRTOpen=hang\r\n");
  EXPECT_EQ(app.Run(&RunAuto, "09:00", {"--day", "2024年05月12日"}, 1), kExitFailure);
  EXPECT_THAT(app.out.str(), HasSubstr("auto: JV-Link is not answering; stopped"));
  EXPECT_THAT(app.Said(), HasSubstr("JV-Linkが応答しません（JVRTOpen、1秒）"));
}

BridgeOptions StandInBridge(const TempDir& dir) {
  BridgeOptions options;
  options.command = {kBridge, "--standin", dir.str(), "--now", "2024/05/12 10:00"};
  options.timeoutMillis = 5000;
  return options;
}

TEST(BridgeJVLink, ABridgeThatEndedIsStartedAgainWithItsSoftwareId) {
  TempDir dir;
  std::filesystem::create_directories(dir.path() / "Feed");
  WriteBytes(dir.file("Feed/faults.txt"), "JVRTOpen@1=crash\r\n");
  auto jv = BridgeJVLink::Start(StandInBridge(dir));
  ASSERT_NE(jv, nullptr);
  EXPECT_EQ(jv->JVInit("SID"), 0);
  EXPECT_THROW(jv->JVRTOpen("0B12", "20240512"), JVLinkCallError);
  EXPECT_FALSE(jv->running());
  EXPECT_EQ(jv->JVClose(), 0);  // nothing to close in a bridge that is gone
  std::remove(dir.file("Feed/faults.txt").c_str());
  // Without JVInit the new stand-in would answer -201.
  EXPECT_EQ(jv->JVOpen("RACE", "20240501000000", 1).code, -1);
  EXPECT_TRUE(jv->running());
}

TEST(BridgeJVLink, ABridgeThatCannotServeIsNoJVLink) {
  TempDir dir;
  for (std::vector<std::string> command : {std::vector<std::string>{dir.file("no-such-bridge")},
                                           std::vector<std::string>{"cat"},       // echoes: not a greeting
                                           std::vector<std::string>{kBridge}}) {  // no COM here
    BridgeOptions options = StandInBridge(dir);
    options.command = command;
    std::string why;
    EXPECT_EQ(BridgeJVLink::Start(options, &why), nullptr) << command[0];
    EXPECT_FALSE(why.empty()) << command[0];
  }
  // The settings may still choose the stand-in.
  const std::string bridge = "[JVLink]\r\nbridge=" + dir.file("no-such-bridge") + "\r\n";
  ManualClock clock;
  PlatformJVLinkFactory factory(clock, StandInAt(dir.str()));
  for (bool standIn : {false, true}) {
    WriteBytes(dir.file("turfwise.ini"), bridge + (standIn ? "[StandIn]\r\nuse=1\r\n" : ""));
    EXPECT_EQ(dynamic_cast<StandInJVLink*>(factory.Create().get()) != nullptr, standIn);
    EXPECT_FALSE(factory.failure().empty());  // said, whatever takes its place
  }
}

#endif

}  // namespace
}  // namespace tw::test
