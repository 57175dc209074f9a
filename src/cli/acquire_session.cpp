#include "cli/acquire_session.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include "analysis/payout_import.h"
#include "base/version.h"
#include "cli/command_day.h"
#include "cli/command_prelude.h"
#include "jvlink/bridge_jvlink.h"
#include "shell/platform_jvlink.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

namespace {

std::atomic<bool> gInterrupted{false};

extern "C" void OnInterrupt(int) { gInterrupted = true; }

}  // namespace

AcquireEnv DefaultAcquireEnv() {
  AcquireEnv env;
  env.makeJVLink = [](const std::string& appFolder, const std::string& settingsFile, const Clock& clock) {
    StandInOptions options;
    options.appFolder = appFolder;
    options.settingsFile = settingsFile;
    PlatformJVLinkFactory factory(clock, options);
    auto jv = factory.Create();
    if (!jv && !factory.failure().empty()) throw JVLinkCallError(factory.failure());
    return jv;
  };
  env.sleep = [](int millis) { std::this_thread::sleep_for(std::chrono::milliseconds(millis)); };
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
  env.interrupted = [] { return gInterrupted.load(); };
  return env;
}

OptionSpec AcquireOptionSpec(bool wantDay, const OptionSpec& extra) {
  OptionSpec spec{{{"--app-dir", "DIR"}, {"--now", nullptr, "a time \"yyyy/mm/dd hh:nn\""}}, extra.flags, false};
  if (wantDay) spec.values.push_back({"--day", "DAYNAME"});
  spec.values.insert(spec.values.end(), extra.values.begin(), extra.values.end());
  return spec;
}

bool AcquireOptionsOf(const CommandOptions& parsed, bool wantDay, AcquireOptions& options, std::string& error) {
  if (parsed.Has("--now")) {
    options.now.given = true;
    const std::string value = parsed.Value("--now");
    if (auto start = ParseNowOption(value)) {
      options.now.start = *start;
    } else {
      error = "--now: \"" + value + "\" is not a time \"yyyy/mm/dd hh:nn\"";
      return false;
    }
  }
  if (!AppFolderOf(parsed, options.appFolder, error)) return false;
  // Absolute, so that folders named relative to it (the stand-in's feed) do
  // not depend on how it was written.
  std::error_code ec;
  auto absolute = std::filesystem::absolute(ToFsPath(options.appFolder), ec);
  if (!ec) options.appFolder = FromFsPath(absolute.lexically_normal());
  while (options.appFolder.size() > 1 && (options.appFolder.back() == '/' || options.appFolder.back() == '\\'))
    options.appFolder.pop_back();
  return !wantDay || DayNameFromArgument(parsed.Value("--day"), options.dayName, error);
}

AcquireSession::AcquireSession(const AcquireOptions& options, CliContext& context, AcquireEnv& env)
    : cli_(context),
      env_(env),
      ownClock_(options.now.given || !context.clock ? MakeProgramClock(options.now) : nullptr),
      clock_(ownClock_ ? ownClock_.get() : context.clock),
      paths_(options.appFolder, "turfwise"),
      settings_(paths_.SettingsFile()),
      ui_(context.out, context.err, *clock_),
      log_(paths_.ErrorLogFile(), *clock_, ui_),
      store_(paths_.DataFolder()),
      model_(std::make_unique<RaceDayModel>()) {}

AcquireSession::~AcquireSession() = default;

bool AcquireSession::Open(std::string& error) {
  std::string why;
  if (!EnsureFolder(paths_.DataFolder(), &why)) {
    error = "cannot create the data folder " + SjisToUtf8(paths_.DataFolder()) + ": " + why;
    return false;
  }
  // The window cuts the log at its start; a command keeps it as short.
  if (!log_.Trim())
    cli_.err << "turfwise-cli: " << SjisToUtf8(paths_.ErrorLogFile()) << ": " << log_.lastError() << '\n';
  // A settings file that is not used is told; the work goes on with the defaults.
  if (const std::string problem = settings_.LoadProblem(); !problem.empty())
    cli_.err << "turfwise-cli: " << SjisToUtf8(problem) << '\n';
  std::unique_ptr<JVLink> created;
  try {
    created = env_.makeJVLink ? env_.makeJVLink(paths_.appFolder(), paths_.SettingsFile(), *clock_) : nullptr;
  } catch (const JVLinkCallError& e) {
    error = "JV-Link cannot be created: " + SjisToUtf8(e.what());
    return false;
  }
  if (!created) {
    error = "JV-Link cannot be created";
    return false;
  }
  jv_ = std::move(created);
  context_.emplace(AcquisitionContext{*jv_, store_, settings_, log_, *clock_, ui_, *model_, gate_});
  int code = 0;
  try {
    code = jv_->JVInit(std::string(kSoftwareIdPrefix) + kVersionText);
  } catch (const JVLinkCallError& e) {
    error = SjisToUtf8(e.what());
    return false;
  }
  // As at start-up of the window: the failure is shown and work goes on;
  // later calls report their own errors.
  if (code != 0) ui_.Inform(Sjis("JVInitエラーが発生しました。：") + std::to_string(code));
  return true;
}

bool AcquireSession::JVLinkNotAnswering() const {
  const auto* bridge = jv_ ? dynamic_cast<const BridgeJVLink*>(jv_.get()) : nullptr;
  return bridge && bridge->notAnswering();
}

bool AcquireSession::LoadDay(const std::string& dayName, std::string& error) {
  dayText_ = dayName;
  LoadRaceDayResult result;
  bool loaded = LoadCommandDay({paths_.DataFolder(), dayName, false, &cli_.err}, settings_, *clock_, *model_, list_,
                               error, &result);
  ArmResultTimer(result);
  dayFileProblems_ = !result.problems.empty();
  return loaded;
}

std::string AcquireSession::FailuresText(const FetchTally& tally) {
  std::string text = std::to_string(tally.failures) + " failures";
  if (tally.noNewData > 0) text += ", " + std::to_string(tally.noNewData) + " found no newer data";
  return text;
}

int AcquireSession::ExitStatus(const FetchTally& tally) const {
  return tally.failures > 0 ? kExitFailure : DoneExitStatus(dayFileProblems_);
}

void AcquireSession::ArmResultTimer(const LoadRaceDayResult& result) {
  // Every load stops the timer; one that read the day sets its interval, and
  // it runs again on the race day.
  resultTimerOn_ = result.resultTimerRuns;
  if (result.resultIntervalMillis) resultTimerMillis_ = *result.resultIntervalMillis;
  if (result.resultTimerRuns) ++resultTimerStarts_;
}

void AcquireSession::ReloadDay() {
  ArmResultTimer(LoadRaceDay(*model_, list_, paths_.DataFolder(), dayText_,
                             settings_.ReadInteger(setting::kResultInterval), DayNameOf(clock_->Now())));
}

void AcquireSession::ImportPayouts() {
  tw::ImportPayouts(*model_, RaceDayPathsOf(paths_.DataFolder(), dayText_).payout);
}

}  // namespace tw
