// The command-line program turfwise-cli: `turfwise-cli <command> [options]`.
// Each command is a function over its own arguments and a context that
// carries the output streams, the clock and the settings file, so tests run
// commands in-process with their own streams and clock.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "base/exit_status.h"

namespace tw {

class Clock;

struct CliContext {
  std::ostream& out;
  std::ostream& err;
  const Clock* clock;        // every time decision asks this clock
  std::string settingsPath;  // Shift-JIS; a missing file gives the defaults
  // Shift-JIS: the executable's folder, from which --version tells the
  // application folder; empty when unknown (tests).
  std::string programFolder = {};
};

struct CliCommand {
  const char* name;
  const char* usage;  // the options line and a short explanation
  int (*run)(const std::vector<std::string>& args, CliContext& context);
};

// The commands the program knows, in the order the usage text lists them.
const std::vector<CliCommand>& CliCommands();

// The usage text of the whole program.
std::string CliUsage();
// The usage text of one command: its options line, what it does, the exit statuses.
std::string CommandUsage(const CliCommand& command);

// Runs `args` (without the program name): the first argument names the
// command, the rest are its options. `--help`, `help [COMMAND]` and
// `COMMAND --help` write usage to the output stream and return kExitOk;
// `--version [--app-dir DIR]` the version and the application folder. No or
// an unknown command writes the usage text to the error stream and returns
// kExitUsage.
int RunCli(const std::vector<std::string>& args, CliContext& context);

}  // namespace tw
