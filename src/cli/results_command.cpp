#include "cli/results_command.h"

#include "acquire/result_fetch.h"

namespace tw {

namespace {

int Usage(CliContext& context, const std::string& error) {
  context.err << "turfwise-cli results: " << error << "\nusage: turfwise-cli results " << kResultsUsage << '\n';
  return kExitUsage;
}

}  // namespace

int RunResults(std::vector<std::string> args, CliContext& context, AcquireEnv& env) {
  AcquireOptions options;
  std::string error;
  if (!TakeAcquireOptions(args, true, options, error)) return Usage(context, error);
  if (!args.empty()) return Usage(context, "unknown option " + args.front());

  AcquireSession session(options, context, env);
  if (!session.Open(error) || !session.LoadDay(options.dayName, error)) {
    context.err << "turfwise-cli results: " << error << '\n';
    return kExitFailure;
  }
  if (!session.RaceSelected()) {
    context.err << "turfwise-cli results: the day has no race\n";
    return kExitFailure;
  }
  ResultFetcher fetcher(session.context(), session);
  FetchTally tally = fetcher.FetchResults();
  int payouts = 0;
  for (const auto& slot : session.model().slots) payouts += slot.analysis.hasPayout ? 1 : 0;
  session.ui().Line("results: " + std::to_string(tally.stored) + " records stored, " + std::to_string(payouts) +
                    " races with payouts, " + std::to_string(tally.failures) + " failures");
  return tally.failures > 0 ? kExitFailure : kExitOk;
}

int RunResultsCommand(const std::vector<std::string>& args, CliContext& context) {
  AcquireEnv env = DefaultAcquireEnv();
  return RunResults(args, context, env);
}

}  // namespace tw
