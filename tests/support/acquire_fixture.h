// A race day on disk with everything the fetch commands work with: settings,
// error log, a standing clock, the recording user port, the scripted
// JV-Link, the store, the loaded model and a host that records what the
// commands asked of the main window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "acquire/acquisition_context.h"
#include "analysis/load_race_day.h"
#include "support/day_builder.h"
#include "support/fake_user_port.h"
#include "support/scripted_jvlink.h"
#include "support/temp_dir.h"

namespace tw::test {

// A user port whose event processing can run a test's code, as a timer tick
// or a click arriving in the middle of a read loop would.
class HookedUserPort : public FakeUserPort {
 public:
  std::function<void()> onProcessEvents;
  void ProcessEvents() override {
    FakeUserPort::ProcessEvents();
    if (onProcessEvents) {
      auto hook = onProcessEvents;  // the hook may replace itself
      hook();
    }
  }
};

// A scripted JV-Link whose n-th JVRead (counted from 1) fails as a call.
class ThrowingJVLink : public ScriptedJVLink {
 public:
  int throwOnRead = 0;
  int reads = 0;
  JVReadResult JVRead(int& size) override {
    if (++reads == throwOnRead) {
      calls.push_back("JVRead(throw)");
      throw JVLinkCallError("COM failure");
    }
    return ScriptedJVLink::JVRead(size);
  }
};

class RecordingHost : public AcquisitionHost {
 public:
  std::string dayText;
  bool raceSelected = true;
  std::vector<std::string> events;  // "reload", "show", "payouts", "auto:0", "timer:1", "manual:0", "window"
  std::function<void()> onReload;

  std::string DayText() const override { return dayText; }
  bool RaceSelected() const override { return raceSelected; }
  void ReloadDay() override {
    events.push_back("reload");
    if (onReload) onReload();
  }
  void ShowRaceAgain() override { events.push_back("show"); }
  void ImportPayouts() override { events.push_back("payouts"); }
  void SetAutoFetchChecked(bool on) override { events.push_back(on ? "auto:1" : "auto:0"); }
  void SetScheduleTimerEnabled(bool on) override { events.push_back(on ? "timer:1" : "timer:0"); }
  void SetManualFetchEnabled(bool on) override { events.push_back(on ? "manual:1" : "manual:0"); }
  void OpenOddsWindow() override { events.push_back("window"); }
};

class AcquireFixture {
 public:
  AcquireFixture();

  // Loads the day written by `day` into the model (as choosing it would).
  void Load();
  // The error log's lines, UTF-8.
  std::vector<std::string> LogLines() const;
  // A file of the data folder as lines (Shift-JIS); empty when missing.
  std::vector<std::string> DataLines(const std::string& sjisName) const;
  // The race keys of the real-time opens so far.
  std::vector<std::string> Opened() const;
  // True when no second stream was ever opened before a close, and the last
  // one opened was closed.
  bool StreamsNeverOverlap() const;

  TempDir dir;
  std::string data;  // the data folder
  Settings settings;
  ManualClock clock;
  HookedUserPort ui;
  ErrorLog log;
  ThrowingJVLink jv;
  RaceDayStore store;
  RaceDayModel model;
  RaceList list;
  StreamGate gate;
  RecordingHost host;
  DayBuilder day;
  AcquisitionContext ctx;
};

// The record as JV-Link delivers it: the line with CR LF.
inline std::string Rec(const std::string& line) { return line + "\r\n"; }
// UTF-8 of a Shift-JIS text, for comparisons.
inline std::string U(const std::string& sjis) { return SjisToUtf8(sjis); }

}  // namespace tw::test
