#include "cli/fetch_odds_command.h"

#include "acquire/odds_fetch.h"
#include "cli/command_prelude.h"
#include "records/record_header.h"
#include "text/fields.h"

namespace tw {

namespace {

// The checks of the manual command end the command when they fail; this
// host notes that they passed instead of opening the window.
class CheckHost : public AcquisitionHost {
 public:
  explicit CheckHost(AcquireSession& session) : session_(session) {}
  std::string DayText() const override { return session_.DayText(); }
  bool RaceSelected() const override { return session_.RaceSelected(); }
  void ReloadDay() override { session_.ReloadDay(); }
  void ShowRaceAgain() override {}
  void ImportPayouts() override { session_.ImportPayouts(); }
  void OpenOddsWindow() override { passed = true; }
  bool passed = false;

 private:
  AcquireSession& session_;
};

}  // namespace

int RunFetchOdds(std::vector<std::string> args, CliContext& context, AcquireEnv& env) {
  CommandPrelude prelude("fetch-odds", kFetchOddsUsage, context);
  CommandOptions parsed;
  if (!prelude.Parse(args, AcquireOptionSpec(true, OptionSpec{{{"--race"}}, {}}), parsed)) return kExitUsage;
  AcquireOptions options;
  std::string error;
  if (!AcquireOptionsOf(parsed, true, options, error)) return prelude.Usage(error);
  const bool oneRace = parsed.Has("--race");
  const std::string race = parsed.Value("--race");
  if (oneRace && race.size() != 16) return prelude.Usage("--race needs a 16-character race key");

  AcquireSession session(options, context, env);
  if (!session.Open(error) || !session.LoadDay(options.dayName, error)) return prelude.Fail(error);

  CheckHost host(session);
  OddsFetcher fetcher(session.context(), host);
  if (!fetcher.OpenOddsFetchWindow()) return kExitFailure;  // its dialog went to standard error

  std::vector<std::string> keys;
  const RaceDayModel& model = session.model();
  for (int i = 0; i < model.raceCount && i < kMaxRaces; ++i) {
    std::string key = RaceKey(model.slots[static_cast<size_t>(i)].race);
    if (!oneRace || key == race) keys.push_back(key);
  }
  if (oneRace && keys.empty()) return prelude.Fail("the day has no race " + race);
  FetchTally tally = fetcher.FetchQueuedRaces(keys);
  session.ui().Line("odds: " + std::to_string(keys.size()) + " races, " + std::to_string(tally.stored) +
                    " snapshot lines stored, " + AcquireSession::FailuresText(tally));
  return session.ExitStatus(tally);
}

int RunFetchOddsCommand(const std::vector<std::string>& args, CliContext& context) {
  AcquireEnv env = DefaultAcquireEnv();
  return RunFetchOdds(args, context, env);
}

}  // namespace tw
