#include "cli/auto_command.h"

#include <algorithm>

#include "acquire/auto_odds_fetch.h"
#include "acquire/fetch_time_settings.h"
#include "acquire/result_fetch.h"
#include "cli/acquire_command_opening.h"
#include "codes/numbers.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {

int RunAuto(std::vector<std::string> args, CliContext& context, AcquireEnv& env) {
  AcquireCommandOpening opening("auto", kAutoUsage, context, env);
  if (std::optional<int> failed = opening.Open(args, true, {})) return *failed;
  AcquireSession& session = opening.session();
  OddsFetcher odds(session.context(), session);
  AutoOddsFetch automatic(session.context(), session, odds);
  ResultFetcher results(session.context(), session);
  if (!automatic.SetAutoFetch(true)) return kExitFailure;  // its dialog went to standard error

  const Clock& clock = session.clock();
  session.ui().Line("auto: odds every 40 s with a delay of " + std::to_string(ReadFetchDelay(session.settings())) +
                    " min, results every " + std::to_string(session.model().resultFetchMinutes) + " min, until 18:00");
  const long long oddsStep = kScheduleTickMillis / 1000;
  long long now = ToEpochSeconds(clock.Now());
  long long nextOdds = now + oddsStep;
  long long nextResult = 0;
  int starts = -1;
  // A reload re-arms the result timer, which starts its countdown again.
  auto followResultFetching = [&] {
    if (session.resultTimerStarts() != starts) {
      starts = session.resultTimerStarts();
      nextResult = ToEpochSeconds(clock.Now()) + std::max(1LL, session.resultTimerMillis() / 1000);
    }
  };
  followResultFetching();
  for (;;) {
    if (env.interrupted && env.interrupted()) {
      session.ui().Line("auto: interrupted");
      break;
    }
    DateTime t = clock.Now();
    if (HhmmText(t.hour, t.minute) > "1800") {
      session.ui().Line("auto: 18:00 passed");
      break;
    }
    now = ToEpochSeconds(t);
    if (now >= nextOdds) {
      automatic.OnScheduleTick();
      while (nextOdds <= ToEpochSeconds(clock.Now())) nextOdds += oddsStep;
      followResultFetching();
    }
    if (session.resultTimerOn() && ToEpochSeconds(clock.Now()) >= nextResult) {
      results.OnResultTimerTick();
      starts = -1;  // the interval runs from the end of this tick
      followResultFetching();
    }
    if (session.JVLinkNotAnswering()) {
      session.ui().Line("auto: JV-Link is not answering; stopped");
      break;
    }
    long long wait = nextOdds - ToEpochSeconds(clock.Now());
    if (session.resultTimerOn()) wait = std::min(wait, nextResult - ToEpochSeconds(clock.Now()));
    env.sleep(static_cast<int>(std::clamp(wait, 0LL, 1LL) * 1000));
  }
  FetchTally total = odds.total();
  total += results.total();
  session.ui().Line("auto: " + std::to_string(odds.total().stored) + " snapshot lines and " +
                    std::to_string(results.total().stored) + " result records stored, " +
                    AcquireSession::FailuresText(total));
  return session.ExitStatus(total);
}

}  // namespace tw
