#include "store/snapshot_erase.h"

#include <vector>

#include "records/layout.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

namespace {

std::string ConfirmText(SnapshotErase command, int race) {
  static const std::string kAllRacesAll = Sjis("全レースの全回分のオッズを消去します。実行しますか？");
  static const std::string kRaceAll = Sjis("当レースの全回分のオッズを消去します。実行しますか？");
  static const std::string kAllRacesLater = Sjis("全レースの２，３回分のオッズを消去します。実行しますか？");
  static const std::string kRaceLater = Sjis("当レースの２，３回分のオッズを消去します。実行しますか？");
  switch (command) {
    case SnapshotErase::kAllRacesAllSnapshots:
      return kAllRacesAll;
    case SnapshotErase::kRaceAllSnapshots:
      return std::to_string(race) + kRaceAll;  // the slot index, counted from 0, right before the text
    case SnapshotErase::kAllRacesLaterSnapshots:
      return kAllRacesLater;
    case SnapshotErase::kRaceLaterSnapshots:
      return kRaceLater;
  }
  return {};
}

bool NeedsRaceOnView(SnapshotErase command) {
  return command == SnapshotErase::kRaceAllSnapshots || command == SnapshotErase::kRaceLaterSnapshots;
}

// The 0-based lines the command blanks (all of them for the whole-day erase).
std::vector<size_t> LinesToBlank(SnapshotErase command, int race) {
  std::vector<size_t> lines;
  size_t first = static_cast<size_t>(race) * kSnapshotsPerRace;
  switch (command) {
    case SnapshotErase::kAllRacesAllSnapshots:
      for (size_t k = 0; k < kOddsFileLines; ++k) lines.push_back(k);
      break;
    case SnapshotErase::kRaceAllSnapshots:
      lines = {first, first + 1, first + 2};
      break;
    case SnapshotErase::kAllRacesLaterSnapshots:
      for (size_t b = 0; b < static_cast<size_t>(kDayRaceSlots); ++b) {
        lines.push_back(b * kSnapshotsPerRace + 1);
        lines.push_back(b * kSnapshotsPerRace + 2);
      }
      break;
    case SnapshotErase::kRaceLaterSnapshots:
      lines = {first + 1, first + 2};
      break;
  }
  return lines;
}

// Rewrites one odds file; false when its save failed (the user is told).
bool EraseInFile(SnapshotErase command, int race, const std::string& path, size_t length, UserPort& port) {
  std::vector<std::string> lines;
  if (command == SnapshotErase::kAllRacesAllSnapshots) {
    lines.assign(kOddsFileLines, std::string(length, ' '));  // created when missing
  } else {
    if (!FileExists(path)) return true;  // nothing to erase, nothing written
    auto loaded = LoadLines(path);
    if (!loaded) return true;
    lines = std::move(*loaded);
    // A short file gets the 108 lines of a full day before lines are blanked.
    NormaliseLines(lines, length, kOddsFileLines);
    for (size_t k : LinesToBlank(command, race)) lines[k].assign(length, ' ');
  }
  SaveResult saved = SaveLines(path, lines);
  if (saved) return true;
  static const std::string kSaveFailed = Sjis("オッズファイルを保存できませんでした：");
  port.Beep();
  port.Inform(kSaveFailed + path + " (" + Utf8ToSjis(saved.error) + ")");
  return false;
}

}  // namespace

EraseOutcome EraseSnapshots(SnapshotErase command, const std::string& dataFolder, const std::string& dayText,
                            int selectedRace, UserPort& port) {
  static const std::string kNoDay = Sjis("データが読み込まれていません。");
  EraseOutcome outcome;
  if (IsBlank(dayText)) {
    port.Beep();
    port.Inform(kNoDay);
    return outcome;
  }
  // Without a race on view there are no lines of it to blank.
  if (NeedsRaceOnView(command) && (selectedRace < 0 || selectedRace >= kDayRaceSlots)) return outcome;
  if (!port.Confirm(ConfirmText(command, selectedRace))) return outcome;

  std::string base = JoinPath(dataFolder, dayText);
  bool winSaved = EraseInFile(command, selectedRace, base + ".jvO1", kWinOddsLineLength, port);
  bool quinellaSaved = EraseInFile(command, selectedRace, base + ".jvO2", kQuinellaLineLength, port);
  outcome.erased = true;
  outcome.saveFailed = !winSaved || !quinellaSaved;
  outcome.selectRace = command == SnapshotErase::kAllRacesAllSnapshots ? 0 : selectedRace;
  return outcome;
}

}  // namespace tw
