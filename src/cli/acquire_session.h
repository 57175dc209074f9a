// What the headless fetch commands share: the application folder given by
// --app-dir (settings file, Data, ErrorLog.txt), JV-Link, a user port that
// writes status texts to standard output and dialog texts to standard error,
// the loaded day and a host that reloads it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "acquire/acquisition_context.h"
#include "analysis/load_race_day.h"
#include "base/paths.h"
#include "cli/cli.h"
#include "cli/now_option.h"

namespace tw {

// The parts of the outside world a command can be given, so tests run it
// with the scripted JV-Link and a clock that a "sleep" moves on.
struct AcquireEnv {
  // JV-Link for the application folder and its settings file (Shift-JIS).
  std::function<std::unique_ptr<JVLink>(const std::string& appFolder, const std::string& settingsFile,
                                        const Clock& clock)>
      makeJVLink;
  std::function<void(int millis)> sleep;
  std::function<bool()> interrupted;  // true once the user pressed Ctrl+C
};

// The platform's JV-Link (the stand-in serving the folder's feed), real
// sleeps, and an interrupt flag set by SIGINT.
AcquireEnv DefaultAcquireEnv();

// Status texts go to standard output with the time, one per line (empty
// texts, which only clear the label, are not written); dialog texts go to
// standard error; confirmations are answered No.
class ConsoleUserPort : public UserPort {
 public:
  ConsoleUserPort(std::ostream& out, std::ostream& err, const Clock& clock) : out_(out), err_(err), clock_(clock) {}
  void Beep() override {}
  void Inform(const std::string& text) override;
  bool Confirm(const std::string& text) override;
  void SetStatus(const std::string& text) override;
  void ProcessEvents() override {}
  void SetBusy(bool) override {}
  // Writes a line of standard output with the time in front.
  void Line(const std::string& sjisText);

 private:
  std::ostream& out_;
  std::ostream& err_;
  const Clock& clock_;
};

// Options every fetch command takes: --app-dir DIR (required) and --now.
struct AcquireOptions {
  std::string appFolder;  // Shift-JIS
  NowOption now;
  std::string dayName;  // Shift-JIS; --day, where the command takes it
};

// Removes --app-dir, --now and (when `wantDay`) --day from `args`. False
// with a message when one is missing or malformed.
bool TakeAcquireOptions(std::vector<std::string>& args, bool wantDay, AcquireOptions& options, std::string& error);
// Takes "--name VALUE" from `args`; nullopt when absent, error set when it has no value.
std::optional<std::string> TakeValue(std::vector<std::string>& args, const std::string& name, std::string& error);
bool TakeFlag(std::vector<std::string>& args, const std::string& name);
// A command-line text as Shift-JIS; false when some character has no form.
bool ArgToSjis(const std::string& utf8, std::string& sjis);

class AcquireSession : public AcquisitionHost, public RaceDayView {
 public:
  AcquireSession(const AcquireOptions& options, CliContext& context, AcquireEnv& env);
  ~AcquireSession() override;

  // Creates the data folder when missing, creates JV-Link and initialises it.
  bool Open(std::string& error);
  // Loads the day (as choosing it in the day selector does); false when it
  // has no race file.
  bool LoadDay(const std::string& dayName, std::string& error);

  const Clock& clock() const { return *clock_; }
  AcquisitionContext& context() { return *context_; }
  RaceDayModel& model() { return *model_; }
  ConsoleUserPort& ui() { return ui_; }
  AppPaths& paths() { return paths_; }
  Settings& settings() { return settings_; }
  RaceDayStore& store() { return store_; }
  StreamGate& gate() { return gate_; }
  JVLink& jv() { return *jv_; }

  // The result timer as the last load left it.
  bool resultTimerOn() const { return resultTimerOn_; }
  long long resultTimerMillis() const { return resultTimerMillis_; }
  // Counts calls of StartResultTimer, so a loop can restart its countdown.
  int resultTimerStarts() const { return resultTimerStarts_; }

  // AcquisitionHost
  std::string DayText() const override { return dayText_; }
  bool RaceSelected() const override { return list_.rows() > 0; }
  void ReloadDay() override;
  void ShowRaceAgain() override {}
  void ImportPayouts() override;

  // RaceDayView
  void StopResultTimer() override { resultTimerOn_ = false; }
  void SetResultTimerInterval(long long ms) override { resultTimerMillis_ = ms; }
  void StartResultTimer() override {
    resultTimerOn_ = true;
    ++resultTimerStarts_;
  }
  void ClearRaceList() override {}
  void AddRaceListEntry(const std::string&) override {}
  void ClearBetGrid() override {}
  void ClearSnapshotChart() override {}
  void SelectRaceAndShow(int, int) override {}

 private:
  CliContext& cli_;
  AcquireEnv& env_;
  std::unique_ptr<Clock> ownClock_;
  const Clock* clock_;
  AppPaths paths_;
  Settings settings_;
  ConsoleUserPort ui_;
  ErrorLog log_;
  RaceDayStore store_;
  std::unique_ptr<JVLink> jv_;
  StreamGate gate_;
  std::unique_ptr<RaceDayModel> model_;
  RaceList list_;
  std::string dayText_;
  std::optional<AcquisitionContext> context_;
  bool resultTimerOn_ = false;
  long long resultTimerMillis_ = 0;
  int resultTimerStarts_ = 0;
};

}  // namespace tw
