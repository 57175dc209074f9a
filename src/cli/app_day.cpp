#include "cli/app_day.h"

#include <algorithm>

#include "analysis/load_race_day.h"
#include "base/paths.h"
#include "base/settings.h"
#include "cli/cli_args.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {}  // namespace

bool ParseAppDayOptions(const std::vector<std::string>& args, const std::vector<std::string>& allowedFlags,
                        AppDayOptions& options, std::string& error) {
  std::string app, day;
  bool haveApp = false, haveDay = false;
  for (size_t i = 0; i < args.size(); ++i) {
    bool matched = false;
    if (!TakeOptionValue(args, i, "--app-dir", app, matched, error)) return false;
    if (matched) {
      haveApp = true;
      continue;
    }
    if (!TakeOptionValue(args, i, "--day", day, matched, error)) return false;
    if (matched) {
      haveDay = true;
      continue;
    }
    if (std::find(allowedFlags.begin(), allowedFlags.end(), args[i]) != allowedFlags.end()) {
      options.flags.push_back(args[i]);
      continue;
    }
    error = "unknown option '" + args[i] + "'";
    return false;
  }
  if (!haveApp || app.empty()) {
    error = "--app-dir DIR is required";
    return false;
  }
  if (!haveDay || day.empty()) {
    error = "--day DAYNAME is required";
    return false;
  }
  if (!CommandLineToSjis(app, options.appFolder)) {
    error = "the folder name cannot be used: " + app;
    return false;
  }
  // A day name never reaches outside the data folder.
  if (!CommandLineToSjis(day, options.dayName) || options.dayName.find_first_of("/\\") != std::string::npos ||
      options.dayName == "." || options.dayName == "..") {
    error = "not a day name: " + day;
    return false;
  }
  return true;
}

bool HasFlag(const AppDayOptions& options, const std::string& flag) {
  return std::find(options.flags.begin(), options.flags.end(), flag) != options.flags.end();
}

std::string AppSettingsFile(const std::string& appFolder) { return AppPaths(appFolder, "turfwise").SettingsFile(); }

bool LoadAppDay(const AppDayOptions& options, const Clock& clock, RaceDayModel& model, RaceList& list,
                std::string& error) {
  AppPaths paths(options.appFolder, "turfwise");
  std::string dataFolder = paths.DataFolder();
  RaceDayPaths files = RaceDayPathsOf(dataFolder, options.dayName);
  if (!FileExists(files.race)) {
    error = "no race day " + SjisToUtf8(options.dayName) + " in " + SjisToUtf8(dataFolder) + " (no file " +
            SjisToUtf8(options.dayName + ".jvRA") + ")";
    return false;
  }
  Settings settings(paths.SettingsFile());
  NullRaceDayView view;
  if (LoadRaceDay(model, list, dataFolder, options.dayName, settings, clock, view).outcome != LoadOutcome::kLoaded) {
    error = "cannot read " + SjisToUtf8(files.race);
    return false;
  }
  return true;
}

std::string ConsoleText(const std::string& sjis) {
  std::string text = SjisToUtf8(sjis);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

}  // namespace tw
