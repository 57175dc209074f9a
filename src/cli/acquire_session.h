// What the fetch commands share: the application folder given by --app-dir
// (settings file, Data, ErrorLog.txt), JV-Link, the console user port, the
// loaded day and a host that reloads it.
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
#include "cli/command_options.h"
#include "cli/console_user_port.h"
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

// The options every fetch command takes: --app-dir DIR (required), --now
// and, where the command works on a day, --day; `extra` adds the command's
// own.
OptionSpec AcquireOptionSpec(bool wantDay, const OptionSpec& extra);

struct AcquireOptions {
  std::string appFolder;  // Shift-JIS, absolute
  NowOption now;
  std::string dayName;  // Shift-JIS; --day, where the command takes it
};

// The parsed common options; false with a message when one is malformed.
bool AcquireOptionsOf(const CommandOptions& parsed, bool wantDay, AcquireOptions& options, std::string& error);

class AcquireSession : public AcquisitionHost {
 public:
  AcquireSession(const AcquireOptions& options, CliContext& context, AcquireEnv& env);
  ~AcquireSession() override;

  // Creates the data folder when missing, creates JV-Link and initialises it.
  bool Open(std::string& error);
  // Loads the day (as choosing it in the day selector does); false when it
  // has no race file. The problems of its files go to standard error.
  bool LoadDay(const std::string& dayName, std::string& error);
  // "N failures", and ", M found no newer data" when there were such fetches.
  static std::string FailuresText(const FetchTally& tally);
  // kExitFailure after a failure, else the status of work done (3 when the
  // load of LoadDay told problems of the day's files).
  int ExitStatus(const FetchTally& tally) const;

  const Clock& clock() const { return *clock_; }
  AcquisitionContext& context() { return *context_; }
  RaceDayModel& model() { return *model_; }
  ConsoleUserPort& ui() { return ui_; }
  AppPaths& paths() { return paths_; }
  Settings& settings() { return settings_; }
  RaceDayStore& store() { return store_; }
  StreamGate& gate() { return gate_; }
  JVLink& jv() { return *jv_; }
  // True when JV-Link, reached through the bridge, did not answer its last
  // call in time: unattended work stops rather than wait on it again.
  bool JVLinkNotAnswering() const;

  // The result timer as the last load left it.
  bool resultTimerOn() const { return resultTimerOn_; }
  long long resultTimerMillis() const { return resultTimerMillis_; }
  // Counts the loads that started the result timer, so a loop can restart
  // its countdown.
  int resultTimerStarts() const { return resultTimerStarts_; }

  // AcquisitionHost
  std::string DayText() const override { return dayText_; }
  bool RaceSelected() const override { return list_.rows() > 0; }
  void ReloadDay() override;
  void ShowRaceAgain() override {}
  void ImportPayouts() override;

 private:
  // The result timer follows what a load found.
  void ArmResultTimer(const LoadRaceDayResult& result);

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
  bool dayFileProblems_ = false;
  bool resultTimerOn_ = false;
  long long resultTimerMillis_ = 0;
  int resultTimerStarts_ = 0;
};

}  // namespace tw
