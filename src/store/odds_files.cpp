#include "store/odds_files.h"

#include "records/day_files.h"
#include "records/layout.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

namespace {

// A race file of 6 lines or fewer is not a usable day yet and gets no odds files.
constexpr size_t kMinRaceLinesForOdds = 7;

// The file's bytes: lines of spaces, each with CR LF. Built once, as every
// day load may need them.
std::string BlankLines(size_t lineCount, size_t length) {
  std::string line(length, ' ');
  line += "\r\n";
  std::string bytes;
  bytes.reserve(lineCount * line.size());
  for (size_t n = 0; n < lineCount; ++n) bytes += line;
  return bytes;
}

std::string_view BlankOddsFile(size_t length) {
  static const std::string win = BlankLines(kOddsFileLines, kWinOddsLineLength);
  static const std::string quinella = BlankLines(kOddsFileLines, kQuinellaLineLength);
  return length == kWinOddsLineLength ? win : quinella;
}

void CreateBlank(const std::string& path, size_t length, std::vector<StoreResult>& results) {
  // Whatever has the name already (a file, or a folder the day load reports)
  // is left as it is.
  if (PathExists(path)) return;
  // Another program may load the same day now: a file it made first stays.
  bool alreadyThere = false;
  SaveResult saved = CreateFileAtomic(path, BlankOddsFile(length), alreadyThere);
  if (alreadyThere) return;
  StoreResult result;
  result.file = path;
  size_t sep = path.find_last_of("/\\");
  result.name = sep == std::string::npos ? path : path.substr(sep + 1);
  result.stored = saved.ok;
  if (!saved) result.error = Utf8ToSjis(saved.error.empty() ? "save failed" : saved.error);
  results.push_back(std::move(result));
}

}  // namespace

std::vector<StoreResult> CreateMissingOddsFiles(const std::string& raceFilePath) {
  std::vector<StoreResult> results;
  const std::string winOdds = WithExtension(raceFilePath, ".jvO1");
  const std::string quinellaOdds = WithExtension(raceFilePath, ".jvO2");
  // Every day load comes here: with both files there, the race file need not
  // be read.
  if (FileExists(winOdds) && FileExists(quinellaOdds)) return results;
  auto raceLines = LoadLines(raceFilePath, kRaceFileByteLimit);
  if (!raceLines || raceLines->size() < kMinRaceLinesForOdds) return results;
  // A day has 36 race slots whatever the race file holds: lines past them
  // are no races and get no snapshot lines.
  CreateBlank(winOdds, kWinOddsLineLength, results);
  CreateBlank(quinellaOdds, kQuinellaLineLength, results);
  return results;
}

void CreateOddsFiles(const std::string& raceFilePath) { CreateMissingOddsFiles(raceFilePath); }

}  // namespace tw
