#include "cli/results_command.h"

#include "acquire/result_fetch.h"
#include "cli/acquire_command_opening.h"

namespace tw {

int RunResults(std::vector<std::string> args, CliContext& context, AcquireEnv& env) {
  AcquireCommandOpening opening("results", kResultsUsage, context, env);
  if (std::optional<int> failed = opening.Open(args, true, {})) return *failed;
  AcquireSession& session = opening.session();
  if (!session.RaceSelected()) return opening.prelude().Fail("the day has no race");
  ResultFetcher fetcher(session.context(), session);
  FetchTally tally = fetcher.FetchResults();
  int payouts = 0;
  for (const auto& slot : session.model().slots) payouts += slot.analysis.hasPayout ? 1 : 0;
  session.ui().Line("results: " + std::to_string(tally.stored) + " records stored, " + std::to_string(payouts) +
                    " races with payouts, " + AcquireSession::FailuresText(tally));
  return session.ExitStatus(tally);
}

}  // namespace tw
