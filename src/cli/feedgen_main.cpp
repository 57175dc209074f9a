// turfwise-feedgen: writes a synthetic sample feed for the local JV-Link
// stand-in (and, if asked, the companion viewer's time-series files).
//
//   turfwise-feedgen --out FEED [--date yyyymmdd] [--seed N] [--timeseries DIR]
//                    [--courses 1..3] [--races 1..12] [--weeks 1..520]
//   turfwise-feedgen --help | --version
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/clock.h"
#include "cli/cli.h"
#include "feedgen/feed_gen.h"
#include "text/command_line.h"
#include "text/files.h"
#include "text/sjis.h"

namespace {

constexpr const char* kUsage =
    "usage: turfwise-feedgen --out FEED [--date yyyymmdd] [--seed N] [--timeseries DIR]\n"
    "                        [--courses 1..3] [--races 1..12] [--weeks 1..520]\n"
    "       turfwise-feedgen --help | --version\n"
    "Writes a synthetic race weekend (the Saturday and Sunday on or before the date,\n"
    "and the date itself) for the JV-Link stand-in. Same seed and date, same bytes.\n"
    "--weeks N writes a season: N weekends a week apart, the last the date's, each\n"
    "with a seed of its own (the last the one given, so --weeks 1 is the default).\n\n";

static_assert(tw::kMaxFeedWeeks == 520, "the usage text names the longest season");

void WriteUsage(std::FILE* to) {
  std::fputs(kUsage, to);
  std::fputs(tw::kShortExitStatusText, to);
}

// The usage text on standard error; returns the exit status of a usage error.
int Usage() {
  WriteUsage(stderr);
  return tw::kExitUsage;
}

// A path given on the command line (UTF-8) as the program's Shift-JIS path.
std::string PathArg(const std::string& arg) { return tw::Utf8ToSjis(arg); }

bool ParseNumber(const std::string& text, long long lo, long long hi, long long& out) {
  char* end = nullptr;
  long long v = std::strtoll(text.c_str(), &end, 10);
  if (end == text.c_str() || *end != '\0' || v < lo || v > hi) return false;
  out = v;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  tw::ReportFileSizeLimitAsWriteFailure();
  tw::SetUpConsole();
  const std::vector<std::string> args = tw::CommandLineArguments(argc, argv);
  tw::FeedGenOptions options;
  tw::DateTime now = tw::SystemClock().Now();
  options.date = {now.year, now.month, now.day, 0, 0, 0};
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      WriteUsage(stdout);
      return tw::kExitOk;
    }
    if (a == "--version") {
      std::printf("turfwise-feedgen %s\n", TURFWISE_VERSION);
      return tw::kExitOk;
    }
    if (i + 1 >= args.size()) {
      std::fprintf(stderr, "turfwise-feedgen: %s needs a value\n", a.c_str());
      return Usage();
    }
    const std::string& v = args[++i];
    long long n = 0;
    if (a == "--out") {
      options.outFolder = PathArg(v);
    } else if (a == "--timeseries") {
      options.timeSeriesFolder = PathArg(v);
    } else if (a == "--date") {
      tw::DateTime d;
      if (v.size() != 8 || !tw::ParseCompact(v + "000000", d)) {
        std::fprintf(stderr, "turfwise-feedgen: --date wants yyyymmdd, not \"%s\"\n", v.c_str());
        return Usage();
      }
      options.date = d;
    } else if (a == "--seed" && ParseNumber(v, 0, 999999999999LL, n)) {
      options.seed = static_cast<uint64_t>(n);
    } else if (a == "--courses" && ParseNumber(v, 1, 3, n)) {
      options.courses = static_cast<int>(n);
    } else if (a == "--races" && ParseNumber(v, 1, 12, n)) {
      options.racesPerCourse = static_cast<int>(n);
    } else if (a == "--weeks") {
      if (!ParseNumber(v, 1, tw::kMaxFeedWeeks, n)) {
        std::fprintf(stderr, "turfwise-feedgen: --weeks wants a number of weeks 1..%d, not \"%s\"\n", tw::kMaxFeedWeeks,
                     v.c_str());
        return Usage();
      }
      options.weeks = static_cast<int>(n);
    } else {
      std::fprintf(stderr, "turfwise-feedgen: bad option %s %s\n", a.c_str(), v.c_str());
      return Usage();
    }
  }
  if (options.outFolder.empty()) {
    std::fputs("turfwise-feedgen: --out FEED is required\n", stderr);
    return Usage();
  }
  tw::FeedGenSummary summary;
  std::string error;
  if (!tw::GenerateFeed(options, &summary, &error)) {
    std::fprintf(stderr, "turfwise-feedgen: %s\n", error.c_str());
    return tw::kExitFailure;
  }
  std::string weekends;
  if (summary.weekends > 1) weekends = std::to_string(summary.weekends) + " weekends, ";
  std::printf("turfwise-feedgen: %s%d days, %d races, %d stored files, %d odds announcements in %s\n", weekends.c_str(),
              summary.days, summary.races, summary.storedFiles, summary.announcements,
              tw::SjisToUtf8(options.outFolder).c_str());
  return 0;
}
