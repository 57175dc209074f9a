#include "acquire/jv_stream.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/clock.h"
#include "codes/jv_message.h"
#include "support/fake_user_port.h"
#include "support/scripted_jvlink.h"
#include "support/temp_dir.h"
#include "text/files.h"

namespace tw {
namespace {

using ::testing::ElementsAre;

class JVStreamTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  ManualClock clock{DateTime{2024, 5, 12, 9, 0, 0}};
  test::FakeUserPort ui;
  ErrorLog log{dir.file("ErrorLog.txt"), clock, ui};
  ScriptedJVLink jv;

  JVStream Dialogs() { return JVStream(jv, ui, &log, StreamReporting{ReportMode::kDialog}); }
  JVStream StatusLine() { return JVStream(jv, ui, &log, StreamReporting{ReportMode::kStatusLine}); }
  std::vector<std::string> LogLines() const {
    std::vector<std::string> out;
    for (const auto& line : LoadLines(log.path()).value_or(std::vector<std::string>{})) out.push_back(SjisToUtf8(line));
    return out;
  }
};

TEST_F(JVStreamTest, ReadHandsEveryRecordOnAndCountsFilesUntilTheEnd) {
  jv.QueueRecord("RA1");
  jv.readResults.push_back({-1, "", ""});
  for (int code : {-3, -2, -3}) jv.readResults.push_back({code, "", ""});  // still downloading
  jv.QueueRecord("SE1");
  std::vector<std::string> records;
  int files = 0;
  JVStream stream = Dialogs();
  ReadEnd end = stream.Read({[&](const std::string& r) {
                               records.push_back(r.substr(0, 3));
                               return true;
                             },
                             [&] { ++files; },
                             {}});
  EXPECT_EQ(end, ReadEnd::kEndOfData);
  EXPECT_THAT(records, ElementsAre("RA1", "SE1"));
  EXPECT_EQ(files, 1);
  EXPECT_EQ(ui.processEventsCalls, 7) << "the window's events run before every read";
  EXPECT_EQ(ui.waitedMillis, 3 * kNotReadyWaitMillis) << "a wait, the window live, before each read again";
  EXPECT_TRUE(ui.Told().empty());
  EXPECT_EQ(stream.failures(), 0);
}

TEST_F(JVStreamTest, ARefusedRecordOrAStopEndsTheReadBeforeTheNextRecord) {
  jv.QueueRecord("RA1");
  jv.QueueRecord("RA2");
  JVStream stream = Dialogs();
  EXPECT_EQ(stream.Read({[](const std::string&) { return false; }, {}, {}}), ReadEnd::kRecordRefused);
  EXPECT_EQ(jv.readResults.size(), 1u);
  EXPECT_EQ(stream.Read({[](const std::string&) { return true; }, {}, [] { return true; }}), ReadEnd::kStopRequested);
  EXPECT_EQ(jv.readResults.size(), 1u) << "a stop asked for reads nothing more";
}

TEST_F(JVStreamTest, FailuresAreDialogsOrStatusLinesWithTheLog) {
  jv.readResults.push_back({-201, "", ""});
  JVStream dialogs = Dialogs();
  EXPECT_EQ(dialogs.Read({[](const std::string&) { return true; }, {}, {}}), ReadEnd::kReadFailed);
  const std::string readMessage = SjisToUtf8(JVMessage("JVRead", -201));
  EXPECT_THAT(ui.events, ElementsAre("beep", "inform:JVReadエラー:" + readMessage));
  EXPECT_TRUE(LogLines().empty());

  ui.events.clear();
  jv.readResults.push_back({-201, "", ""});
  JVStream statusLine = StatusLine();
  statusLine.Read({[](const std::string&) { return true; }, {}, {}});
  EXPECT_THAT(ui.events, ElementsAre("beep", "status:" + readMessage));
  EXPECT_THAT(LogLines(), ElementsAre("【エラー】09:00:00：" + readMessage));
  EXPECT_EQ(dialogs.failures() + statusLine.failures(), 2);
}

TEST_F(JVStreamTest, RealTimeStreamIsClosedHoweverItEnds) {
  jv.rtOpenResults = {-1};
  JVStream stream = StatusLine();
  EXPECT_TRUE(
      stream.RunRealTime("0B30", "2024051205010101", "fetching", "1R:", [](const std::string&) { return true; }));
  EXPECT_EQ(jv.calls.front(), "JVRTOpen(0B30,2024051205010101)");
  EXPECT_EQ(jv.calls.back(), "JVClose()");
  EXPECT_EQ(LogLines().back(), "【エラー】09:00:00：1R:" + SjisToUtf8(JVMessage("JVRTOpen", -1)));
  EXPECT_EQ(ui.status, "") << "the status text is cleared at the end";
  EXPECT_FALSE(ui.busy);
}

TEST_F(JVStreamTest, GoodCloseBeepsOnlyWhenAsked) {
  StreamReporting quiet{ReportMode::kStatusLine};
  quiet.beepWhenClosed = false;
  JVStream silent(jv, ui, &log, quiet);
  EXPECT_TRUE(silent.Close());
  EXPECT_TRUE(ui.Told().empty());

  StreamReporting loud{ReportMode::kDialog};
  loud.beepWhenClosed = true;
  JVStream beeping(jv, ui, &log, loud);
  bool gateFreed = false;
  jv.closeResults = {-1};
  EXPECT_FALSE(beeping.Close([&] { gateFreed = true; }));
  EXPECT_TRUE(gateFreed) << "the caller's clean-up runs before the failure is told";
  EXPECT_THAT(ui.Told(), ElementsAre("beep", "inform:JVCloseエラー:" + SjisToUtf8(JVMessage("JVClose", -1))));
}

}  // namespace
}  // namespace tw
