#include "cli/acquire_session.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include "analysis/payout_import.h"
#include "base/version.h"
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
    return factory.Create();
  };
  env.sleep = [](int millis) { std::this_thread::sleep_for(std::chrono::milliseconds(millis)); };
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
  env.interrupted = [] { return gInterrupted.load(); };
  return env;
}

void ConsoleUserPort::Inform(const std::string& text) { err_ << SjisToUtf8(text) << '\n'; }

bool ConsoleUserPort::Confirm(const std::string& text) {
  err_ << SjisToUtf8(text) << " -> No\n";
  return false;
}

void ConsoleUserPort::SetStatus(const std::string& text) {
  if (!text.empty()) Line(text);
}

void ConsoleUserPort::Line(const std::string& text) {
  out_ << FormatTime(clock_.Now()) << ' ' << SjisToUtf8(text) << '\n';
  out_.flush();
}

bool ArgToSjis(const std::string& utf8, std::string& sjis) {
  sjis = Utf8ToSjis(utf8);
  return SjisToUtf8(sjis) == utf8;
}

std::optional<std::string> TakeValue(std::vector<std::string>& args, const std::string& name, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == name) {
      if (i + 1 >= args.size()) {
        error = name + " needs a value";
        args.erase(args.begin() + static_cast<long>(i));
        return std::nullopt;
      }
      std::string value = args[i + 1];
      args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i + 2));
      return value;
    }
    if (args[i].rfind(name + "=", 0) == 0) {
      std::string value = args[i].substr(name.size() + 1);
      args.erase(args.begin() + static_cast<long>(i));
      return value;
    }
  }
  return std::nullopt;
}

bool TakeFlag(std::vector<std::string>& args, const std::string& name) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == name) {
      args.erase(args.begin() + static_cast<long>(i));
      return true;
    }
  }
  return false;
}

bool TakeAcquireOptions(std::vector<std::string>& args, bool wantDay, AcquireOptions& options, std::string& error) {
  options.now = TakeNowOption(args);
  if (!options.now.error.empty()) {
    error = options.now.error;
    return false;
  }
  auto dir = TakeValue(args, "--app-dir", error);
  if (!error.empty()) return false;
  if (!dir || dir->empty()) {
    error = "--app-dir DIR is required";
    return false;
  }
  if (!ArgToSjis(*dir, options.appFolder)) {
    error = "the folder name cannot be used: " + *dir;
    return false;
  }
  // Absolute, so that folders named relative to it (the stand-in's feed) do
  // not depend on how it was written.
  std::error_code ec;
  auto absolute = std::filesystem::absolute(ToFsPath(options.appFolder), ec);
  if (!ec) options.appFolder = FromFsPath(absolute.lexically_normal());
  while (options.appFolder.size() > 1 && (options.appFolder.back() == '/' || options.appFolder.back() == '\\'))
    options.appFolder.pop_back();
  if (!wantDay) return true;
  auto day = TakeValue(args, "--day", error);
  if (!error.empty()) return false;
  if (!day || day->empty()) {
    error = "--day DAYNAME is required";
    return false;
  }
  if (!ArgToSjis(*day, options.dayName) || options.dayName.find_first_of("/\\") != std::string::npos ||
      options.dayName.size() != 14) {
    error = "not a day name (yyyy年mm月dd日): " + *day;
    return false;
  }
  return true;
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
  jv_ = env_.makeJVLink ? env_.makeJVLink(paths_.appFolder(), paths_.SettingsFile(), *clock_) : nullptr;
  if (!jv_) {
    error = "JV-Link cannot be created";
    return false;
  }
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

bool AcquireSession::LoadDay(const std::string& dayName, std::string& error) {
  dayText_ = dayName;
  RaceDayPaths files = RaceDayPathsOf(paths_.DataFolder(), dayName);
  if (!FileExists(files.race)) {
    error = "no race day " + SjisToUtf8(dayName) + " in " + SjisToUtf8(paths_.DataFolder());
    return false;
  }
  LoadRaceDayResult result = LoadRaceDay(*model_, list_, paths_.DataFolder(), dayName, settings_, *clock_, *this);
  if (result.outcome != LoadOutcome::kLoaded) {
    error = "cannot read " + SjisToUtf8(files.race);
    return false;
  }
  return true;
}

void AcquireSession::ReloadDay() {
  LoadRaceDay(*model_, list_, paths_.DataFolder(), dayText_, settings_, *clock_, *this);
}

void AcquireSession::ImportPayouts() {
  tw::ImportPayouts(*model_, RaceDayPathsOf(paths_.DataFolder(), dayText_).payout);
}

}  // namespace tw
