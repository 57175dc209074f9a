#include "cli/import_command.h"

#include <memory>

#include "analysis/load_race_day.h"
#include "analysis/race_day_model.h"
#include "analysis/race_list.h"
#include "base/paths.h"
#include "base/settings.h"
#include "cli/command_prelude.h"
#include "cli/console_user_port.h"
#include "import/timeseries_folder.h"
#include "import/timeseries_import.h"

namespace tw {

int RunImportTimeSeriesCommand(const std::vector<std::string>& args, CliContext& context) {
  static const OptionSpec spec{{{"--app-dir", "DIR"}, {"--day", "DAYNAME"}}, {}};
  CommandPrelude prelude("import-timeseries", kImportTimeSeriesUsage, context);
  CommandOptions options;
  if (!prelude.Parse(args, spec, options)) return kExitUsage;
  std::string appFolder, error;
  CommandDay day;
  if (!AppFolderDayOf(options, appFolder, day, error)) return prelude.Usage(error);
  Settings settings(AppPaths(appFolder, "turfwise").SettingsFile());
  // The first check comes before anything is loaded, as in the window.
  if (!IsTimeSeriesFolderSet(settings, appFolder)) {
    context.err << ConsoleText(TimeSeriesFolderNotSetMessage()) << '\n';
    return kExitFailure;
  }
  auto model = std::make_unique<RaceDayModel>();
  RaceList list;
  day.problems = &context.err;
  LoadRaceDayResult loaded;
  if (!LoadCommandDay(day, settings, prelude.clock(), *model, list, error, &loaded)) {
    // No such day is the second check's case: no day to read odds for.
    context.err << ConsoleText(NoRaceDayLoadedMessage()) << '\n';
    return prelude.Fail(error);
  }
  // The summary is printed below instead of shown in a dialog.
  SilentUserPort port;
  ImportResult result = ImportTimeSeriesOdds(*model, day.dayName, appFolder, settings, port);
  if (result.outcome != ImportOutcome::kImported) {
    context.err << ConsoleText(result.message) << '\n';
    return kExitFailure;
  }
  context.out << ConsoleText(result.message) << '\n';
  context.out.flush();
  // The window reloads the day now to show it; there is nothing to show here.
  return DoneExitStatus(!loaded.problems.empty());
}

}  // namespace tw
