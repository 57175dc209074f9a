// What every turfwise-cli command does before its own work: parse its
// options, write a usage error or a failure in one form, and find the clock
// and the folders its options name.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "cli/cli.h"
#include "cli/command_day.h"
#include "cli/command_options.h"

namespace tw {

class CommandPrelude {
 public:
  // `name` as in "turfwise-cli <name>", `usage` the command's options line.
  CommandPrelude(const char* name, const char* usage, CliContext& context)
      : name_(name), usage_(usage), context_(context) {}

  // Parses `args`; false after writing the usage error.
  bool Parse(const std::vector<std::string>& args, const OptionSpec& spec, CommandOptions& options);

  // "turfwise-cli <name>: <error>" and the usage line; returns kExitUsage.
  int Usage(const std::string& error);
  // "turfwise-cli <name>: <message>"; returns kExitFailure.
  int Fail(const std::string& message);

  // The context's clock, or the machine's when it has none.
  const Clock& clock() const { return context_.clock ? *context_.clock : systemClock_; }
  CliContext& context() { return context_; }

 private:
  const char* name_;
  const char* usage_;
  CliContext& context_;
  SystemClock systemClock_;
};

// "--data DIR --day DAYNAME": the day of a data folder, which must be one
// that can be read. False with a message.
bool DataFolderDayOf(const CommandOptions& options, CommandDay& day, std::string& error);

// A day of a data folder, loaded and analysed.
struct LoadedCommandDay {
  CommandDay day;
  std::unique_ptr<RaceDayModel> model = std::make_unique<RaceDayModel>();
  RaceList list;
  bool dayFileProblems = false;  // the load told problems of the day's files
};

// "--data DIR --day DAYNAME" loaded with the settings of the context, the
// problems of the day's files told on its error stream; false with a message.
bool LoadDataFolderDay(const CommandOptions& options, const CliContext& context, const Clock& clock,
                       LoadedCommandDay& loaded, std::string& error);

// "--app-dir DIR" as a Shift-JIS folder name; false with a message.
bool AppFolderOf(const CommandOptions& options, std::string& appFolder, std::string& error);

// "--app-dir DIR --day DAYNAME": the day of the application folder's data
// folder. False with a message.
bool AppFolderDayOf(const CommandOptions& options, std::string& appFolder, CommandDay& day, std::string& error);

}  // namespace tw
