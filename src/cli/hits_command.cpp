#include "cli/hits_command.h"

#include <memory>

#include "analysis/race_day_model.h"
#include "analysis/race_list.h"
#include "base/clock.h"
#include "base/paths.h"
#include "cli/app_day.h"
#include "cli/cli.h"
#include "reports/hit_report.h"

namespace tw {

int RunHitsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const Clock* clock) {
  AppDayOptions options;
  std::string error;
  if (!ParseAppDayOptions(args, {"--ana"}, options, error)) {
    err << "turfwise-cli hits: " << error << "\nusage: turfwise-cli hits " << kHitsUsage << '\n';
    return kExitUsage;
  }
  SystemClock systemClock;
  auto model = std::make_unique<RaceDayModel>();
  RaceList list;
  if (!LoadAppDay(options, clock ? *clock : systemClock, *model, list, error)) {
    err << "turfwise-cli hits: " << error << '\n';
    return kExitFailure;
  }
  HitReportKind kind = HasFlag(options, "--ana") ? HitReportKind::kLongShots : HitReportKind::kAllHits;
  StreamUserPort port(err);
  HitReportResult result =
      RunHitReport(*model, list.slots, kind, AppPaths(options.appFolder, "turfwise").UploadFolder(), port);
  if (result.hits == 0) {
    err << "turfwise-cli hits: no hits; nothing written\n";
    return kExitOk;
  }
  if (result.reportSaved) {
    for (const std::string& line : result.reportLines) out << ConsoleText(line) << '\n';
    out.flush();
  }
  return result.complete ? kExitOk : kExitFailure;
}

}  // namespace tw
