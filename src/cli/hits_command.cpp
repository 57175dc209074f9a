#include "cli/hits_command.h"

#include <memory>

#include "analysis/load_race_day.h"
#include "analysis/race_day_model.h"
#include "analysis/race_list.h"
#include "base/paths.h"
#include "base/settings.h"
#include "cli/command_prelude.h"
#include "cli/console_user_port.h"
#include "reports/hit_report.h"

namespace tw {

int RunHitsCommand(const std::vector<std::string>& args, CliContext& context) {
  static const OptionSpec spec{{{"--app-dir", "DIR"}, {"--day", "DAYNAME"}}, {"--ana"}};
  CommandPrelude prelude("hits", kHitsUsage, context);
  CommandOptions options;
  if (!prelude.Parse(args, spec, options)) return kExitUsage;
  std::string appFolder, error;
  CommandDay day;
  if (!AppFolderDayOf(options, appFolder, day, error)) return prelude.Usage(error);
  const AppPaths paths(appFolder, "turfwise");
  auto model = std::make_unique<RaceDayModel>();
  RaceList list;
  const Settings settings(paths.SettingsFile());
  day.problems = &context.err;
  LoadRaceDayResult loaded;
  if (!LoadCommandDay(day, settings, prelude.clock(), *model, list, error, &loaded)) return prelude.Fail(error);
  const int done = DoneExitStatus(!loaded.problems.empty());
  const HitReportKind kind = options.Has("--ana") ? HitReportKind::kLongShots : HitReportKind::kAllHits;
  ConsoleUserPort port(context.out, context.err, prelude.clock());
  HitReportResult result = RunHitReport(*model, list.slots, kind, paths.UploadFolder(), port);
  if (result.hits == 0) {
    context.err << "turfwise-cli hits: no hits; nothing written\n";
    return done;
  }
  if (result.reportSaved) {
    for (const std::string& line : result.reportLines) context.out << ConsoleText(line) << '\n';
    context.out.flush();
  }
  return result.complete ? done : kExitFailure;
}

}  // namespace tw
