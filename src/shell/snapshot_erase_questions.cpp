#include "shell/snapshot_erase_questions.h"

#include "text/fields.h"
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

std::string FailureText(const OddsFileFailure& failure) {
  static const std::string kUnreadable = Sjis("オッズファイルを読み込めませんでした：");
  static const std::string kTooLarge = Sjis("オッズファイルが大きすぎるため読み込みませんでした：");
  static const std::string kNotSaved = Sjis("オッズファイルを保存できませんでした：");
  static const std::string kKept = Sjis("このファイルのオッズは消去されていません。");
  std::string text;
  switch (failure.problem) {
    case OddsFileProblem::kUnreadable:
      text = kUnreadable + failure.path;
      break;
    case OddsFileProblem::kTooLarge:
      text = kTooLarge + failure.path;
      break;
    case OddsFileProblem::kNotSaved:
      text = kNotSaved + failure.path + " (" + Utf8ToSjis(failure.error) + ")";
      break;
    case OddsFileProblem::kBusy:
      return failure.error + Sjis("。\r\nオッズは消去されていません。しばらくしてからもう一度実行してください。");
  }
  return text + "\r\n" + kKept;
}

}  // namespace

EraseOutcome RunSnapshotErase(SnapshotErase command, const std::string& dataFolder, const std::string& dayText,
                              int selectedRace, UserPort& port) {
  static const std::string kNoDay = Sjis("データが読み込まれていません。");
  EraseOutcome outcome;
  if (IsBlank(dayText)) {
    port.Beep();
    port.Inform(kNoDay);
    return outcome;
  }
  if (!EraseApplies(command, selectedRace)) return outcome;
  if (!port.Confirm(ConfirmText(command, selectedRace))) return outcome;

  SnapshotEraseResult result = EraseSnapshots(command, dataFolder, dayText, selectedRace);
  for (const auto& failure : result.failures) {
    port.Beep();
    port.Inform(FailureText(failure));
  }
  outcome.erased = result.erased;
  outcome.failed = !result.failures.empty();
  outcome.selectRace = command == SnapshotErase::kAllRacesAllSnapshots ? 0 : selectedRace;
  return outcome;
}

}  // namespace tw
