// What the fetch commands work with: JV-Link, the race-day store, the
// settings, the error log, the clock, the user port, the loaded day and the
// one-stream gate; and what they ask of the main window (the host).
#pragma once

#include <string>

#include "acquire/stream_gate.h"
#include "analysis/race_day_model.h"
#include "base/clock.h"
#include "base/error_log.h"
#include "base/settings.h"
#include "base/user_port.h"
#include "jvlink/jvlink.h"
#include "store/race_day_store.h"

namespace tw {

struct AcquisitionContext {
  JVLink& jv;
  RaceDayStore& store;
  Settings& settings;
  ErrorLog& log;
  const Clock& clock;
  UserPort& ui;
  const RaceDayModel& model;  // read only: every fetch ends with a reload
  StreamGate& gate;
};

// The main window as the fetch commands see it. The GUI implements it with
// the day selector, the race list, LoadRaceDay and ShowRace; the command line
// and the tests with their own.
class AcquisitionHost {
 public:
  virtual ~AcquisitionHost() = default;
  // The day selector's text (a day name, Shift-JIS); blank when no day is shown.
  virtual std::string DayText() const = 0;
  // True when a row of the race list is selected (the race on view is the
  // model's selectedRace).
  virtual bool RaceSelected() const = 0;
  // Reloads the day (LoadRaceDay), which shows the remembered race again.
  virtual void ReloadDay() = 0;
  // Shows the race on view again (ShowRace) without reloading.
  virtual void ShowRaceAgain() = 0;
  // Imports the loaded day's payouts into the model.
  virtual void ImportPayouts() = 0;

  // The automatic-fetch parts of the main window.
  virtual void SetAutoFetchChecked(bool) {}      // the automatic-fetch box, without running its command
  virtual void SetScheduleTimerEnabled(bool) {}  // the 40-second schedule tick
  virtual void SetManualFetchEnabled(bool) {}    // the manual odds command
  // Fills and shows the odds fetch window for the loaded day, modally.
  virtual void OpenOddsWindow() {}
};

// What one command did: records stored and failures reported.
struct FetchTally {
  int stored = 0;
  int failures = 0;
  int noNewData = 0;      // fetches that found no newer data: no failure
  bool heldBack = false;  // not run because another fetch held the stream

  FetchTally& operator+=(const FetchTally& o) {
    stored += o.stored;
    failures += o.failures;
    noNewData += o.noNewData;
    heldBack = heldBack || o.heldBack;
    return *this;
  }
};

}  // namespace tw
