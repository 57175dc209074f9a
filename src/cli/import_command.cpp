#include "cli/import_command.h"

#include <memory>

#include "analysis/race_day_model.h"
#include "analysis/race_list.h"
#include "base/clock.h"
#include "base/settings.h"
#include "cli/app_day.h"
#include "cli/cli.h"
#include "import/timeseries_folder.h"
#include "import/timeseries_import.h"

namespace tw {

int RunImportTimeSeriesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                               const Clock* clock) {
  AppDayOptions options;
  std::string error;
  if (!ParseAppDayOptions(args, {}, options, error)) {
    err << "turfwise-cli import-timeseries: " << error << "\nusage: turfwise-cli import-timeseries "
        << kImportTimeSeriesUsage << '\n';
    return kExitUsage;
  }
  Settings settings(AppSettingsFile(options.appFolder));
  // The first check comes before anything is loaded, as in the window.
  if (!IsTimeSeriesFolderSet(settings, options.appFolder)) {
    err << ConsoleText(TimeSeriesFolderNotSetMessage()) << '\n';
    return kExitFailure;
  }
  SystemClock systemClock;
  const Clock& now = clock ? *clock : systemClock;
  auto model = std::make_unique<RaceDayModel>();
  RaceList list;
  if (!LoadAppDay(options, now, *model, list, error)) {
    // No such day is the second check's case: no day to read odds for.
    err << ConsoleText(NoRaceDayLoadedMessage()) << '\n' << "turfwise-cli import-timeseries: " << error << '\n';
    return kExitFailure;
  }
  SilentUserPort port;
  ImportResult result = ImportTimeSeriesOdds(*model, options.dayName, options.appFolder, settings, port);
  if (result.outcome != ImportOutcome::kImported) {
    err << ConsoleText(result.message) << '\n';
    return kExitFailure;
  }
  out << ConsoleText(result.message) << '\n';
  out.flush();
  // The window reloads the day now to show it; there is nothing to show here.
  return kExitOk;
}

}  // namespace tw
