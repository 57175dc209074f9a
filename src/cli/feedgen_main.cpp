// turfwise-feedgen: writes a synthetic sample feed for the local JV-Link
// stand-in (and, if asked, the companion viewer's time-series files).
//
//   turfwise-feedgen --out FEED [--date yyyymmdd] [--seed N] [--timeseries DIR]
//                    [--courses 1..3] [--races 1..12]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/clock.h"
#include "feedgen/feed_gen.h"
#include "text/files.h"
#include "text/sjis.h"

namespace {

void Usage() {
  std::fprintf(stderr,
               "usage: turfwise-feedgen --out FEED [--date yyyymmdd] [--seed N] [--timeseries DIR]\n"
               "                        [--courses 1..3] [--races 1..12]\n"
               "Writes a synthetic race weekend (the Saturday and Sunday on or before the date,\n"
               "and the date itself) for the JV-Link stand-in. Same seed and date, same bytes.\n");
}

// A path given on the command line as the program's Shift-JIS path.
std::string PathArg(const char* arg) {
#ifdef _WIN32
  return arg;  // the console's code page
#else
  return tw::Utf8ToSjis(arg);
#endif
}

bool ParseNumber(const char* text, long long lo, long long hi, long long& out) {
  char* end = nullptr;
  long long v = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || v < lo || v > hi) return false;
  out = v;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  tw::ReportFileSizeLimitAsWriteFailure();
  tw::FeedGenOptions options;
  tw::DateTime now = tw::SystemClock().Now();
  options.date = {now.year, now.month, now.day, 0, 0, 0};
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      Usage();
      return 0;
    }
    if (i + 1 >= argc) {
      Usage();
      return 2;
    }
    const char* v = argv[++i];
    long long n = 0;
    if (a == "--out") {
      options.outFolder = PathArg(v);
    } else if (a == "--timeseries") {
      options.timeSeriesFolder = PathArg(v);
    } else if (a == "--date") {
      tw::DateTime d;
      if (std::string(v).size() != 8 || !tw::ParseCompact(std::string(v) + "000000", d)) {
        std::fprintf(stderr, "turfwise-feedgen: --date wants yyyymmdd, not \"%s\"\n", v);
        return 2;
      }
      options.date = d;
    } else if (a == "--seed" && ParseNumber(v, 0, 999999999999LL, n)) {
      options.seed = static_cast<uint64_t>(n);
    } else if (a == "--courses" && ParseNumber(v, 1, 3, n)) {
      options.courses = static_cast<int>(n);
    } else if (a == "--races" && ParseNumber(v, 1, 12, n)) {
      options.racesPerCourse = static_cast<int>(n);
    } else {
      std::fprintf(stderr, "turfwise-feedgen: bad option %s %s\n", a.c_str(), v);
      Usage();
      return 2;
    }
  }
  if (options.outFolder.empty()) {
    Usage();
    return 2;
  }
  tw::FeedGenSummary summary;
  std::string error;
  if (!tw::GenerateFeed(options, &summary, &error)) {
    std::fprintf(stderr, "turfwise-feedgen: %s\n", error.c_str());
    return 1;
  }
  std::printf("turfwise-feedgen: %d days, %d races, %d stored files, %d odds announcements in %s\n", summary.days,
              summary.races, summary.storedFiles, summary.announcements, tw::SjisToUtf8(options.outFolder).c_str());
  return 0;
}
