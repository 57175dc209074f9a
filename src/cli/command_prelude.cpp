#include "cli/command_prelude.h"

#include <filesystem>
#include <system_error>

#include "analysis/load_race_day.h"
#include "base/paths.h"
#include "base/settings.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

bool CommandPrelude::Parse(const std::vector<std::string>& args, const OptionSpec& spec, CommandOptions& options) {
  std::string error;
  if (ParseCommandOptions(args, spec, options, error)) return true;
  Usage(error);
  return false;
}

int CommandPrelude::Usage(const std::string& error) {
  context_.err << "turfwise-cli " << name_ << ": " << error << "\nusage: turfwise-cli " << name_ << ' ' << usage_
               << '\n';
  return kExitUsage;
}

int CommandPrelude::Fail(const std::string& message) {
  context_.err << "turfwise-cli " << name_ << ": " << message << '\n';
  return kExitFailure;
}

bool DataFolderDayOf(const CommandOptions& options, CommandDay& day, std::string& error) {
  const std::string folder = options.Value("--data");
  if (!CommandLineToSjis(folder, day.dataFolder)) {
    error = "the data folder name cannot be used: " + folder;
    return false;
  }
  if (!DayNameFromArgument(options.Value("--day"), day.dayName, error)) return false;
  std::error_code ec;
  std::filesystem::directory_iterator listing(ToFsPath(day.dataFolder), ec);
  if (ec) {
    error = "cannot read the data folder " + folder + ": " + ec.message();
    return false;
  }
  return true;
}

bool LoadDataFolderDay(const CommandOptions& options, const CliContext& context, const Clock& clock,
                       LoadedCommandDay& loaded, std::string& error) {
  if (!DataFolderDayOf(options, loaded.day, error)) return false;
  loaded.day.problems = &context.err;
  const Settings settings(context.settingsPath);
  if (const std::string problem = settings.LoadProblem(); !problem.empty())
    context.err << "turfwise-cli: " << SjisToUtf8(problem) << '\n';
  LoadRaceDayResult result;
  const bool read = LoadCommandDay(loaded.day, settings, clock, *loaded.model, loaded.list, error, &result);
  loaded.dayFileProblems = !result.problems.empty();
  return read;
}

bool AppFolderOf(const CommandOptions& options, std::string& appFolder, std::string& error) {
  const std::string folder = options.Value("--app-dir");
  if (CommandLineToSjis(folder, appFolder)) return true;
  error = "the folder name cannot be used: " + folder;
  return false;
}

bool AppFolderDayOf(const CommandOptions& options, std::string& appFolder, CommandDay& day, std::string& error) {
  if (!AppFolderOf(options, appFolder, error)) return false;
  if (!DayNameFromArgument(options.Value("--day"), day.dayName, error)) return false;
  day.dataFolder = AppPaths(appFolder, "turfwise").DataFolder();
  return true;
}

}  // namespace tw
