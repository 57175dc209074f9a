#include "reports/hit_report.h"

#include "base/user_port.h"
#include "records/day_files.h"
#include "records/record_header.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

// The file and what went wrong with it, in the platform's words (UTF-8).
void ReportFileError(UserPort& port, const std::string& sjisPath, const std::string& utf8Error) {
  port.Inform(sjisPath + ": " + Utf8ToSjis(utf8Error));
}

}  // namespace

std::string HitReportResult::ReportText() const { return JoinLines(reportLines); }

std::string HitReportFileName(const RaceDayModel& model) {
  const std::string date = DateKey(model.slots[0].race);
  if (!IsCalendarDate(date)) return {};
  return "TK" + date + ".txt";
}

HitReportResult RunHitReport(const RaceDayModel& model, const std::vector<int>& rowSlots, HitReportKind kind,
                             const std::string& uploadFolder, UserPort& port,
                             const std::function<void(int row)>& showRace) {
  HitReportResult result;
  const std::string cumulativePath = JoinPath(uploadFolder, kCumulativeListName);

  HitLines lines;
  lines.report.push_back(HitReportHeaderLine());
  std::vector<std::string> cumulative;
  if (FileExists(cumulativePath)) {
    auto loaded = LoadLines(cumulativePath);
    if (!loaded) {
      // Going on would replace the whole list by the new lines alone.
      ReportFileError(port, cumulativePath, "the file cannot be read");
      return result;
    }
    cumulative = std::move(*loaded);
  } else {
    cumulative.push_back(CumulativeListFirstLine());
  }

  for (int row = 0; row < static_cast<int>(rowSlots.size()); ++row) {
    int slot = rowSlots[row];
    if (showRace) showRace(row);
    if (slot < 0 || slot >= kMaxRaces) continue;
    AddRaceHitLines(model.slots[slot], kind, lines);
  }
  lines.report.push_back(HitReportEndLine());
  result.hits = static_cast<int>(lines.report.size()) - 2;
  result.reportLines = lines.report;
  if (result.hits <= 0) {
    // No hit: nothing is written, not even a new cumulative list.
    result.complete = true;
    return result;
  }

  std::string error;
  if (!EnsureFolder(uploadFolder, &error)) {
    ReportFileError(port, uploadFolder, error.empty() ? "the folder cannot be created" : error);
    return result;
  }
  const std::string name = HitReportFileName(model);
  if (name.empty()) {
    ReportFileError(port, uploadFolder, "the race date of the day cannot name a report file");
    return result;
  }
  result.reportPath = JoinPath(uploadFolder, name);
  if (SaveResult saved = SaveLines(result.reportPath, lines.report); !saved) {
    ReportFileError(port, result.reportPath, saved.error);
    return result;
  }
  result.reportSaved = true;

  cumulative.insert(cumulative.end(), lines.cumulative.begin(), lines.cumulative.end());
  if (SaveResult saved = SaveLines(cumulativePath, cumulative); !saved) {
    ReportFileError(port, cumulativePath, saved.error);
    return result;
  }
  result.complete = true;
  return result;
}

}  // namespace tw
