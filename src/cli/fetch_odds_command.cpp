#include "cli/fetch_odds_command.h"

#include "acquire/odds_fetch.h"
#include "records/record_header.h"
#include "text/fields.h"

namespace tw {

namespace {

int Usage(CliContext& context, const std::string& error) {
  context.err << "turfwise-cli fetch-odds: " << error << "\nusage: turfwise-cli fetch-odds " << kFetchOddsUsage << '\n';
  return kExitUsage;
}

// The checks of the manual command end the command when they fail; this
// host notes that they passed instead of opening the window.
class CheckHost : public AcquisitionHost {
 public:
  explicit CheckHost(AcquireSession& s) : s_(s) {}
  std::string DayText() const override { return s_.DayText(); }
  bool RaceSelected() const override { return s_.RaceSelected(); }
  void ReloadDay() override { s_.ReloadDay(); }
  void ShowRaceAgain() override {}
  void ImportPayouts() override { s_.ImportPayouts(); }
  void OpenOddsWindow() override { passed = true; }
  bool passed = false;

 private:
  AcquireSession& s_;
};

}  // namespace

int RunFetchOdds(std::vector<std::string> args, CliContext& context, AcquireEnv& env) {
  AcquireOptions options;
  std::string error;
  if (!TakeAcquireOptions(args, true, options, error)) return Usage(context, error);
  auto race = TakeValue(args, "--race", error);
  if (!error.empty()) return Usage(context, error);
  if (race && race->size() != 16) return Usage(context, "--race needs a 16-character race key");
  if (!args.empty()) return Usage(context, "unknown option " + args.front());

  AcquireSession session(options, context, env);
  auto fail = [&](const std::string& message) {
    context.err << "turfwise-cli fetch-odds: " << message << '\n';
    return kExitFailure;
  };
  if (!session.Open(error) || !session.LoadDay(options.dayName, error)) return fail(error);

  CheckHost host(session);
  OddsFetcher fetcher(session.context(), host);
  if (!fetcher.OpenOddsFetchWindow()) return kExitFailure;  // its dialog went to standard error

  std::vector<std::string> keys;
  const RaceDayModel& model = session.model();
  for (int i = 0; i < model.raceCount && i < kMaxRaces; ++i) {
    std::string key = RaceKey(model.slots[static_cast<size_t>(i)].race);
    if (!race || key == *race) keys.push_back(key);
  }
  if (race && keys.empty()) return fail("the day has no race " + *race);
  FetchTally tally = fetcher.FetchQueuedRaces(keys);
  session.ui().Line("odds: " + std::to_string(keys.size()) + " races, " + std::to_string(tally.stored) +
                    " snapshot lines stored, " + std::to_string(tally.failures) + " failures");
  return tally.failures > 0 ? kExitFailure : kExitOk;
}

int RunFetchOddsCommand(const std::vector<std::string>& args, CliContext& context) {
  AcquireEnv env = DefaultAcquireEnv();
  return RunFetchOdds(args, context, env);
}

}  // namespace tw
