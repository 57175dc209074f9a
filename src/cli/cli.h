// The command-line program turfwise-cli: `turfwise-cli <command> [options]`.
// Each command is a function over its own arguments and a context that
// carries the output streams, the clock and the settings file, so tests run
// commands in-process with their own streams and clock.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tw {

class Clock;

struct CliContext {
  std::ostream& out;
  std::ostream& err;
  const Clock* clock;        // every time decision asks this clock
  std::string settingsPath;  // Shift-JIS; a missing file gives the defaults
};

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the command could not do its work
inline constexpr int kExitUsage = 2;    // no, unknown or malformed arguments

struct CliCommand {
  const char* name;
  const char* usage;  // the options line and a short explanation
  int (*run)(const std::vector<std::string>& args, CliContext& context);
};

// The commands the program knows, in the order the usage text lists them.
const std::vector<CliCommand>& CliCommands();

// The usage text of the whole program.
std::string CliUsage();

// Runs `args` (without the program name): the first argument names the
// command, the rest are its options. No or an unknown command writes the
// usage text to the error stream and returns kExitUsage.
int RunCli(const std::vector<std::string>& args, CliContext& context);

}  // namespace tw
