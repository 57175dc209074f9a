#include "cli/cli_args.h"

#include <filesystem>
#include <system_error>

#include "analysis/load_race_day.h"
#include "base/clock.h"
#include "base/settings.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

bool TakeOptionValue(const std::vector<std::string>& args, size_t& i, const std::string& name, std::string& value,
                     bool& matched, std::string& error) {
  const std::string& arg = args[i];
  matched = false;
  if (arg == name) {
    matched = true;
    if (i + 1 >= args.size()) {
      error = name + " needs a value";
      return false;
    }
    value = args[++i];
    return true;
  }
  if (arg.rfind(name + "=", 0) == 0) {
    matched = true;
    value = arg.substr(name.size() + 1);
  }
  return true;
}

bool CommandLineToSjis(const std::string& utf8, std::string& sjis) {
  sjis = Utf8ToSjis(utf8);
  return SjisToUtf8(sjis) == utf8;
}

bool LoadCommandLineDay(const std::string& folderUtf8, const std::string& dayUtf8, CliContext& context,
                        RaceDayModel& model, RaceList& list, std::string& day, std::string& error) {
  std::string folder;
  if (!CommandLineToSjis(folderUtf8, folder)) {
    error = "the data folder name cannot be used: " + folderUtf8;
    return false;
  }
  if (!CommandLineToSjis(dayUtf8, day) || day.find_first_of("/\\") != std::string::npos) {
    error = "not a day name: " + dayUtf8;
    return false;
  }
  std::error_code ec;
  std::filesystem::directory_iterator listing(ToFsPath(folder), ec);
  if (ec) {
    error = "cannot read the data folder " + folderUtf8 + ": " + ec.message();
    return false;
  }
  const RaceDayPaths paths = RaceDayPathsOf(folder, day);
  if (!FileExists(paths.race)) {
    error = "no race day " + dayUtf8 + " in " + folderUtf8 + " (no file " + SjisToUtf8(day + ".jvRA") + ")";
    return false;
  }
  NullRaceDayView view;
  Settings settings(context.settingsPath);
  SystemClock systemClock;
  const Clock& clock = context.clock ? *context.clock : systemClock;
  if (LoadRaceDay(model, list, folder, day, settings, clock, view).outcome != LoadOutcome::kLoaded) {
    error = "cannot read " + SjisToUtf8(paths.race);
    return false;
  }
  return true;
}

}  // namespace tw
