#include "cli/season_command.h"

#include <filesystem>
#include <system_error>

#include "cli/command_prelude.h"
#include "cli/season_heading.h"
#include "cli/season_json.h"
#include "cli/season_text.h"
#include "codes/courses.h"
#include "records/day_files.h"
#include "season/season_csv.h"
#include "season/season_report.h"
#include "season/season_summary_csv.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

// "--from yyyymmdd": empty when not given; false with a message when it is
// no day of the calendar.
bool DateOption(const CommandOptions& options, const std::string& name, std::string& date, std::string& error) {
  date.clear();
  if (!options.Has(name)) return true;
  const std::string value = options.Value(name);
  if (value.size() != 8 || !AllDigits(value)) {
    error = name + " needs a date yyyymmdd: '" + value + "'";
    return false;
  }
  if (!IsCalendarDate(value)) {
    error = name + " " + value + " is no day of the calendar";
    return false;
  }
  date = value;
  return true;
}

// The course codes of the names given (UTF-8); false with a message for a
// name of no course.
bool CourseOption(const CommandOptions& options, std::vector<std::string>& codes, std::vector<std::string>& names,
                  std::string& error) {
  for (const std::string& name : options.Values("--course")) {
    std::string sjis;
    std::vector<std::string> named;
    if (CommandLineToSjis(name, sjis)) named = CourseCodesNamed(sjis);
    if (named.empty()) {
      error = "unknown course '" + name + "' (the JRA courses:";
      for (const char* code : {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"}) {
        error += ' ';
        error += SjisToUtf8(CourseName(code));
      }
      error += ")";
      return false;
    }
    names.push_back(name);
    for (const std::string& code : named) codes.push_back(code);
  }
  return true;
}

// --rating, --axis-rule and --max-bets; false with a message for a value
// that names no rating, condition or count.
bool FilterOptions(const CommandOptions& options, SeasonFilter& filter, std::string& error) {
  for (const std::string& rating : options.Values("--rating")) {
    if (rating != "小" && rating != "中" && rating != "大") {
      error = "--rating needs 小, 中 or 大: '" + rating + "'";
      return false;
    }
    filter.upsetDegrees.push_back(Utf8ToSjis(rating));
  }
  for (const std::string& rule : options.Values("--axis-rule")) {
    if (rule.size() != 1 || rule[0] < '1' || rule[0] > '7') {
      error = "--axis-rule needs a condition 1 to 7: '" + rule + "'";
      return false;
    }
    filter.axisRules.push_back(rule[0] - '0');
  }
  if (options.Has("--max-bets")) {
    const std::string value = options.Value("--max-bets");
    if (value.empty() || value.size() > 2 || !AllDigits(value)) {
      error = "--max-bets needs a number of bets 0 to 18: '" + value + "'";
      return false;
    }
    filter.maxBets = static_cast<int>(IntValue(value));
  }
  return true;
}

}  // namespace

int RunSeasonCommand(const std::vector<std::string>& args, CliContext& context) {
  static const OptionSpec spec{{{"--data", "DIR"},
                                {"--from", nullptr, "a date yyyymmdd"},
                                {"--to", nullptr, "a date yyyymmdd"},
                                {"--course", nullptr, "a course name", true},
                                {"--rating", nullptr, "小, 中 or 大", true},
                                {"--axis-rule", nullptr, "an axis condition 1-7", true},
                                {"--max-bets", nullptr, "a number of bets"},
                                {"--csv", nullptr, "a file name"},
                                {"--csv-summary", nullptr, "a file name"}},
                               {"--json"}};
  CommandPrelude prelude("season", kSeasonUsage, context);
  CommandOptions options;
  if (!prelude.Parse(args, spec, options)) return kExitUsage;

  SeasonOptions season;
  SeasonHeading heading;
  std::string error;
  if (!CommandLineToSjis(options.Value("--data"), season.dataFolder))
    return prelude.Usage("the data folder name cannot be used: " + options.Value("--data"));
  if (!DateOption(options, "--from", season.from, error) || !DateOption(options, "--to", season.to, error))
    return prelude.Usage(error);
  if (!season.from.empty() && !season.to.empty() && season.from > season.to)
    return prelude.Usage("--from " + season.from + " is after --to " + season.to);
  if (!CourseOption(options, season.courseCodes, heading.courses, error)) return prelude.Usage(error);
  if (!FilterOptions(options, season.filter, error)) return prelude.Usage(error);
  heading.filter = season.filter.Text();
  const bool json = options.Has("--json");
  const bool csv = options.Has("--csv");
  const bool summary = options.Has("--csv-summary");
  if (json && csv) return prelude.Usage("--json and --csv cannot be used together");
  if (json && summary) return prelude.Usage("--json and --csv-summary cannot be used together");
  std::string csvPath, summaryPath;
  if (csv && (options.Value("--csv").empty() || !CommandLineToSjis(options.Value("--csv"), csvPath)))
    return prelude.Usage("the CSV file name cannot be used: '" + options.Value("--csv") + "'");
  if (summary &&
      (options.Value("--csv-summary").empty() || !CommandLineToSjis(options.Value("--csv-summary"), summaryPath)))
    return prelude.Usage("the CSV file name cannot be used: '" + options.Value("--csv-summary") + "'");

  std::error_code ec;
  std::filesystem::directory_iterator listing(ToFsPath(season.dataFolder), ec);
  if (ec) return prelude.Fail("cannot read the data folder " + options.Value("--data") + ": " + ec.message());

  season.workers = DefaultSeasonWorkers();
  heading.dataFolder = options.Value("--data");
  heading.from = season.from;
  heading.to = season.to;
  SeasonReport report(season);
  SeasonCsv rows;
  while (!report.finished()) {
    for (const SeasonDay& day : report.Step()) {
      if (csv) rows.AddDay(day);
    }
  }
  // The per-race CSV alone shows no interval.
  if (!csv || summary) report.totals().ComputeIntervals(season.workers);
  if (report.dayCount() == 0) context.err << "turfwise-cli season: no race day in " << heading.dataFolder << '\n';

  if (csv || summary) {
    if (csv) {
      if (SaveResult saved = rows.Save(csvPath); !saved)
        return prelude.Fail("cannot write " + options.Value("--csv") + ": " + saved.error);
    }
    int groups = 0;
    if (summary) {
      const SeasonSummaryCsv summaryRows(report.totals());
      if (SaveResult saved = summaryRows.Save(summaryPath); !saved)
        return prelude.Fail("cannot write " + options.Value("--csv-summary") + ": " + saved.error);
      groups = summaryRows.rows() - 1;  // the first row is the season's
    }
    WriteSeasonDayLists(report.totals(), context.err);
    if (csv)
      context.out << "wrote " << rows.rows() << " races of " << report.totals().all().days() << " days to "
                  << options.Value("--csv") << '\n';
    if (summary)
      context.out << "wrote the season and " << groups << " groups to " << options.Value("--csv-summary") << '\n';
  } else {
    // The skipped days are part of the report; each problem goes to
    // standard error too, as with every command that reads day files.
    for (const SkippedSeasonDay& day : report.totals().skippedDays()) {
      for (const std::string& reason : day.reasons) context.err << "turfwise-cli: " << SjisToUtf8(reason) << '\n';
    }
    if (json) {
      WriteSeasonJson(report.totals(), heading, context.out);
    } else {
      WriteSeasonText(report.totals(), heading, context.out);
    }
  }
  context.out.flush();
  if (!context.out) return prelude.Fail("cannot write the output");
  return DoneExitStatus(!report.totals().skippedDays().empty());
}

}  // namespace tw
