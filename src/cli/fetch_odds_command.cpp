#include "cli/fetch_odds_command.h"

#include "acquire/odds_fetch.h"
#include "cli/acquire_command_opening.h"
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
  AcquireCommandOpening opening("fetch-odds", kFetchOddsUsage, context, env);
  auto check = [](const CommandOptions& parsed) -> std::string {
    if (parsed.Has("--race") && parsed.Value("--race").size() != 16) return "--race needs a 16-character race key";
    return {};
  };
  if (std::optional<int> failed = opening.Open(args, true, OptionSpec{{{"--race"}}, {}}, check)) return *failed;
  AcquireSession& session = opening.session();
  const bool oneRace = opening.options().Has("--race");
  const std::string race = opening.options().Value("--race");

  CheckHost host(session);
  OddsFetcher fetcher(session.context(), host);
  if (!fetcher.OpenOddsFetchWindow()) return kExitFailure;  // its dialog went to standard error

  std::vector<std::string> keys;
  const RaceDayModel& model = session.model();
  for (int i = 0; i < model.raceCount && i < kMaxRaces; ++i) {
    std::string key = RaceKey(model.slots[static_cast<size_t>(i)].race);
    if (!oneRace || key == race) keys.push_back(key);
  }
  if (oneRace && keys.empty()) return opening.prelude().Fail("the day has no race " + race);
  FetchTally tally = fetcher.FetchQueuedRaces(keys);
  session.ui().Line("odds: " + std::to_string(keys.size()) + " races, " + std::to_string(tally.stored) +
                    " snapshot lines stored, " + AcquireSession::FailuresText(tally));
  return session.ExitStatus(tally);
}

}  // namespace tw
