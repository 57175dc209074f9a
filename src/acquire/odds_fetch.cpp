#include "acquire/odds_fetch.h"

#include "acquire/fetch_summary.h"
#include "acquire/odds_fetch_batch.h"
#include "acquire/odds_stream.h"
#include "codes/courses.h"
#include "codes/numbers.h"
#include "records/day_files.h"
#include "records/record_header.h"
#include "text/fields.h"
#include "text/sjis.h"

namespace tw {

namespace {

long long DayNumber(int year, int month, int day) { return ToEpochSeconds({year, month, day, 0, 0, 0}) / 86400; }

}  // namespace

const std::string& NoDayText() {
  static const std::string kText = Sjis("ﾃﾞｰﾀを読み込んでください。");
  return kText;
}
const std::string& NotRecentDayText() {
  static const std::string kText = Sjis("本日または直近日のﾃﾞｰﾀを読み込んでください。");
  return kText;
}
const std::string& NotTodayText() {
  static const std::string kText = Sjis("本日のﾃﾞｰﾀを読み込んでください。");
  return kText;
}
const std::string& CardNotFinalText() {
  static const std::string kText =
      Sjis("出走表データが最新でありません。JVデータ取得ボタンよりデータを取得してからオッズを取得してください。");
  return kText;
}

std::optional<int> DaysBeforeToday(const std::string& dayText, const DateTime& today) {
  auto [year, month, day] = PartsOfDayName(dayText);
  if (!AllDigits(year) || !AllDigits(month) || !AllDigits(day)) return std::nullopt;
  int m = static_cast<int>(IntValue(month)), d = static_cast<int>(IntValue(day));
  if (m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
  long long from = DayNumber(static_cast<int>(IntValue(year)), m, d);
  return static_cast<int>(DayNumber(today.year, today.month, today.day) - from);
}

bool HasProvisionalCard(const RaceDayModel& model) {
  for (const auto& slot : model.slots) {
    if (DataKind(slot.race) == "1") return true;
    for (const auto& runner : slot.runners)
      if (DataKind(runner) == "1") return true;
  }
  return false;
}

bool OddsFetcher::OpenOddsFetchWindow() {
  auto fail = [&](const std::string& text) {
    c_.ui.Beep();
    c_.ui.Inform(text);
    return false;
  };
  std::string day = host_.DayText();
  if (IsBlank(day)) return fail(NoDayText());
  auto d = DaysBeforeToday(Trim(day), c_.clock.Now());
  if (!d || *d < 0 || *d > 7) return fail(NotRecentDayText());
  if (HasProvisionalCard(c_.model)) {
    host_.SetAutoFetchChecked(false);
    return fail(CardNotFinalText());
  }
  host_.OpenOddsWindow();
  return true;
}

bool OddsFetcher::FetchBatchEntry(OddsFetchBatch& batch, const std::string& entry, FetchTally& tally) {
  std::string key = entry.substr(0, 16);
  std::string label = CourseName(CourseCodeOfKey(key)) + PadNumber(RaceNumberOfKey(key)) + "R";
  return batch.FetchRace(key, label, label + Sjis(" ｵｯｽﾞ取得中"), tally);
}

FetchTally OddsFetcher::FetchQueuedRaces(const std::vector<std::string>& workList) {
  FetchTally tally;
  StreamHold hold(c_.gate);
  if (batchRunning_ || !hold.acquired()) {
    // A tick during a fetch: the running queue stays as it is; these races
    // follow when the stream is free again.
    pending_.insert(pending_.end(), workList.begin(), workList.end());
    tally.heldBack = true;
    return tally;
  }
  batchRunning_ = true;
  std::vector<std::string> queue = std::move(pending_);
  pending_.clear();
  queue.insert(queue.end(), workList.begin(), workList.end());
  // A failed call (not a return code) ends the batch with its message.
  bool called = true;
  OddsFetchBatch batch(c_, ReportMode::kStatusLine);
  while (called && !queue.empty()) {
    for (size_t i = 0; called && i < queue.size(); ++i)
      called = FetchBatchEntry(batch, queue[i], tally) && !batch.saveFailed();
    if (called) {
      queue = std::move(pending_);  // races that fell due during this queue
      pending_.clear();
    }
  }
  batch.Finish(tally);
  batchRunning_ = false;
  hold.Release();
  TellBatch(batch.outcomes(), Sjis("ｵｯｽﾞ自動取得"));
  total_ += tally;
  host_.ReloadDay();
  return tally;
}

FetchTally OddsFetcher::FetchFlashOdds() {
  FetchTally tally;
  if (!host_.RaceSelected() || IsBlank(host_.DayText())) return tally;
  if (c_.model.selectedRace < 0 || c_.model.selectedRace >= kMaxRaces) return tally;
  const std::string& race = c_.model.slots[static_cast<size_t>(c_.model.selectedRace)].race;
  std::string key = RaceKey(race);
  if (IntValue(key) <= 0) return tally;
  StreamHold hold(c_.gate);
  if (!hold.acquired()) {
    c_.ui.SetStatus(HeldBackText());
    tally.heldBack = true;
    return tally;
  }
  std::string label = CourseName(CourseCode(race)) + PadNumber(RaceNumberText(race));
  OddsFetchBatch batch(c_, ReportMode::kStatusLine);
  batch.FetchRace(key, label + "R", label + Sjis("オッズ取得中"), tally);
  batch.Finish(tally);
  hold.Release();
  TellBatch(batch.outcomes(), Sjis("速報ｵｯｽﾞ"));
  total_ += tally;
  host_.ReloadDay();
  return tally;
}

void OddsFetcher::TellBatch(const FetchOutcomes& outcomes, const std::string& what) {
  const std::string line = BatchStatusLine(outcomes, what, c_.clock.Now());
  if (outcomes.racesFailed() == 0 && outcomes.batchFailures().empty()) {
    c_.ui.SetStatus(line);
    return;
  }
  c_.ui.Beep();
  c_.log.Append(line);  // shows it on the status line too
}

}  // namespace tw
