#include "store/day_file_change.h"

#include <algorithm>

#include "records/layout.h"
#include "records/record_header.h"
#include "records/runner_record.h"
#include "store/snapshot_slot.h"
#include "text/fields.h"
#include "text/files.h"

namespace tw {

namespace {

using Kind = DayFileChange::Kind;

// Replaces the first line with the new line's race key, else appends it.
void ReplaceOrAdd(std::vector<std::string>& lines, const std::string& line) {
  std::string key = RaceKey(line);
  for (auto& old : lines) {
    if (RaceKey(old) == key) {
      old = line;
      return;
    }
  }
  lines.push_back(line);
}

int IndexOf(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<int>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

int PlaceRace(std::vector<std::string>& lines, bool exists, const std::string& line, bool download) {
  if (exists) {
    ReplaceOrAdd(lines, line);
  } else if (!download) {
    return -1;  // the result fetch only updates days that were downloaded
  } else {
    lines.push_back(line);
  }
  // Record lines start with "RA000000000" and the race key, so byte order is
  // race-key order; blank lines sort first and one of them is dropped.
  std::stable_sort(lines.begin(), lines.end());
  if (IsBlank(lines.front())) lines.erase(lines.begin());
  return IndexOf(lines, line);
}

int PlaceRunner(std::vector<std::string>& lines, bool exists, const std::string& line, bool download) {
  if (!exists) {
    if (!download) return -1;
    lines.assign(kRunnerFileLines, std::string(kRunnerLineLength, ' '));
  }
  size_t at = static_cast<size_t>((RaceNumber(line) - 1) * kRunnerSlots + (HorseNumber(line) - 1));
  lines[at] = line;
  return static_cast<int>(at);
}

int PlacePayout(std::vector<std::string>& lines, bool exists, const std::string& line) {
  if (exists) {
    ReplaceOrAdd(lines, line);
  } else {
    lines.push_back(line);
  }
  std::stable_sort(lines.begin(), lines.end());  // no blank-line removal here
  return IndexOf(lines, line);
}

int PlaceOdds(std::vector<std::string>& lines, bool exists, const DayFileChange& change) {
  if (!exists) return -1;  // the fetch never creates odds files
  size_t first = static_cast<size_t>(change.raceSlot) * kSnapshotsPerRace;
  int snapshot = change.snapshot >= 0 ? change.snapshot
                                      : PlaceSnapshot(lines[first], lines[first + 1], lines[first + 2], change.line);
  if (snapshot < 0) return -1;  // not later than what is stored
  size_t at = first + static_cast<size_t>(snapshot);
  lines[at] = change.line;
  return static_cast<int>(at);
}

}  // namespace

DayFileLayout LayoutOf(Kind kind) {
  switch (kind) {
    case Kind::kRace:
    case Kind::kRaceUpdate:
    case Kind::kFillRaceFile:
      return {kRaceLineLength, kRaceFileByteLimit};
    case Kind::kRunner:
    case Kind::kRunnerUpdate:
      return {kRunnerLineLength, kRunnerFileByteLimit};
    case Kind::kPayout:
      return {kPayoutLineLength, kPayoutFileByteLimit};
    case Kind::kWinOdds:
      return {kWinOddsLineLength, kWinOddsFileByteLimit};
    case Kind::kQuinellaOdds:
      return {kQuinellaLineLength, kQuinellaOddsFileByteLimit};
  }
  return {kRaceLineLength, kRaceFileByteLimit};
}

std::size_t MinLinesOf(const DayFileChange& change) {
  switch (change.kind) {
    case Kind::kRunner:
    case Kind::kRunnerUpdate:
      return kRunnerFileLines;
    case Kind::kWinOdds:
    case Kind::kQuinellaOdds:
      return static_cast<size_t>(change.raceSlot + 1) * kSnapshotsPerRace;  // a short file gets the slot's lines
    default:
      return 0;
  }
}

int ApplyDayFileChange(const DayFileChange& change, std::vector<std::string>& lines, bool exists) {
  if (exists && lines.size() < MinLinesOf(change))
    NormaliseLines(lines, LayoutOf(change.kind).lineLength, MinLinesOf(change));
  switch (change.kind) {
    case Kind::kRace:
    case Kind::kRaceUpdate:
      return PlaceRace(lines, exists, change.line, change.kind == Kind::kRace);
    case Kind::kRunner:
    case Kind::kRunnerUpdate:
      return PlaceRunner(lines, exists, change.line, change.kind == Kind::kRunner);
    case Kind::kPayout:
      return PlacePayout(lines, exists, change.line);
    case Kind::kFillRaceFile:
      if (!exists || lines.size() >= kRaceFileFullLines) return -1;
      NormaliseLines(lines, kRaceLineLength, kRaceFileFullLines);
      return 0;
    case Kind::kWinOdds:
    case Kind::kQuinellaOdds:
      return PlaceOdds(lines, exists, change);
  }
  return -1;
}

std::vector<std::string> DayFileLines(const DayFileChange& first, std::string_view bytes) {
  std::vector<std::string> lines = SplitLines(bytes);
  NormaliseLines(lines, LayoutOf(first.kind).lineLength, MinLinesOf(first));
  return lines;
}

}  // namespace tw
