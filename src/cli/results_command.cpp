#include "cli/results_command.h"

#include "acquire/result_fetch.h"
#include "cli/command_prelude.h"

namespace tw {

int RunResults(std::vector<std::string> args, CliContext& context, AcquireEnv& env) {
  CommandPrelude prelude("results", kResultsUsage, context);
  CommandOptions parsed;
  if (!prelude.Parse(args, AcquireOptionSpec(true, {}), parsed)) return kExitUsage;
  AcquireOptions options;
  std::string error;
  if (!AcquireOptionsOf(parsed, true, options, error)) return prelude.Usage(error);

  AcquireSession session(options, context, env);
  if (!session.Open(error) || !session.LoadDay(options.dayName, error)) return prelude.Fail(error);
  if (!session.RaceSelected()) return prelude.Fail("the day has no race");
  ResultFetcher fetcher(session.context(), session);
  FetchTally tally = fetcher.FetchResults();
  int payouts = 0;
  for (const auto& slot : session.model().slots) payouts += slot.analysis.hasPayout ? 1 : 0;
  session.ui().Line("results: " + std::to_string(tally.stored) + " records stored, " + std::to_string(payouts) +
                    " races with payouts, " + AcquireSession::FailuresText(tally));
  return session.ExitStatus(tally);
}

int RunResultsCommand(const std::vector<std::string>& args, CliContext& context) {
  AcquireEnv env = DefaultAcquireEnv();
  return RunResults(args, context, env);
}

}  // namespace tw
