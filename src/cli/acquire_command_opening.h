// The opening every fetch command shares (download, fetch-odds, results,
// auto): its options parsed and checked, the session opened and, where the
// command works on a day, the day loaded. A step that fails writes the
// command's usage error or failure and ends the command.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/acquire_session.h"
#include "cli/cli.h"
#include "cli/command_options.h"
#include "cli/command_prelude.h"

namespace tw {

class AcquireCommandOpening {
 public:
  // The command's own checks of its options, after the common ones: a usage
  // error, or empty when they pass.
  using OptionCheck = std::function<std::string(const CommandOptions&)>;

  // `name` and `usage` as for CommandPrelude.
  AcquireCommandOpening(const char* name, const char* usage, CliContext& context, AcquireEnv& env)
      : prelude_(name, usage, context), context_(context), env_(env) {}

  // Parses `args` (the common options, --day when `wantDay`, and `extra`),
  // checks them, opens the session and, with `wantDay`, loads the day.
  // nullopt when all went well; else the exit status, its message written.
  std::optional<int> Open(const std::vector<std::string>& args, bool wantDay, const OptionSpec& extra,
                          const OptionCheck& check = {});

  CommandPrelude& prelude() { return prelude_; }
  const CommandOptions& options() const { return parsed_; }
  AcquireSession& session() { return *session_; }

 private:
  CommandPrelude prelude_;
  CliContext& context_;
  AcquireEnv& env_;
  CommandOptions parsed_;
  AcquireOptions acquireOptions_;
  std::unique_ptr<AcquireSession> session_;
};

// A fetch command run with the program's JV-Link, sleeps and interrupt, as
// the command table runs it; tests call `run` with their own environment.
template <int (*run)(std::vector<std::string>, CliContext&, AcquireEnv&)>
int RunWithDefaultAcquireEnv(const std::vector<std::string>& args, CliContext& context) {
  AcquireEnv env = DefaultAcquireEnv();
  return run(args, context, env);
}

}  // namespace tw
