#include "acquire/odds_schedule.h"

#include <algorithm>

#include "acquire/odds_fetch_batch.h"
#include "acquire/odds_stream.h"
#include "codes/courses.h"
#include "codes/numbers.h"
#include "records/odds_record.h"
#include "records/race_record.h"
#include "records/record_header.h"
#include "text/fields.h"
#include "text/format.h"
#include "text/sjis.h"

// A fixed program text, converted once.
#define TW_TEXT(name, literal)                      \
  const std::string& name() {                       \
    static const std::string kText = Sjis(literal); \
    return kText;                                   \
  }

namespace tw {

namespace {

const char* const kHeaders[kScheduleColumns] = {"レース",    "発走時刻",   "1回目時刻", "取得済時刻",
                                                "2回目時刻", "取得済時刻", "3回目時刻", "取得済時刻"};

// The hour and minute (32-33, 34-35) of a stored O1 snapshot as hhmm; empty
// when the snapshot is empty.
std::string FetchedTime(const std::string& winOdds) {
  if (IsBlank(winOdds)) return "";
  return AnnouncementHour(winOdds) + AnnouncementMinute(winOdds);
}

}  // namespace

TW_TEXT(ScheduleInstructionText,
        "下のﾘｽﾄよりｵｯｽﾞを取得したいﾚｰｽをﾏｳｽでﾁｪｯｸし、「ｵｯｽﾞを今すぐ取得」ﾎﾞﾀﾝをｸﾘｯｸしてください。")
TW_TEXT(ScheduleTitleText, "　指定ｵｯｽﾞ取得時刻")
TW_TEXT(NoRaceTickedText, "オッズ取得するレースをチェックしてください。")
TW_TEXT(FetchDoneText, "データ作成が完了しました。")
TW_TEXT(DelayCaption, "オッズデータ取得時刻調整")
TW_TEXT(DelayExplanation,
        "オッズを自動取得するときに指定時刻に何分かのディレイ（遅延）を発生させ、実際に取得されるオッズの時刻を調整す"
        "ることができます。下のボックスにて発生させたいディレイの長さを指定してください。")
TW_TEXT(DelayRangeText, "（０分～１５分までの任意の時間を指定）")
TW_TEXT(ResultCaption, "データ取得時刻設定")
TW_TEXT(ResultTitle, "結果情報自動取得時刻指定")
TW_TEXT(ResultExplanation, "随時更新されるﾚｰｽ結果情報を何分おきに自動取得するか指定します。")

std::string ScheduleRaceLabel(const std::string& race) {
  return CourseName(CourseCode(race)) + PadNumber(MeetingNumber(race)) + Sjis("回") + PadNumber(MeetingDay(race)) +
         Sjis("日") + PadNumber(RaceNumberText(race)) + "R";
}

std::string ClockText(const std::string& hhmm) {
  std::string t = Trim(hhmm);
  if (t.empty()) return "";
  return Field(t, 1, 2) + ":" + Field(t, 3, 2);
}

ScheduleGrid MakeScheduleGrid(const RaceDayModel& model, const std::string& dayText) {
  ScheduleGrid grid;
  grid.dayLabel = dayText;
  std::array<ScheduleCell, kScheduleColumns> header;
  for (int col = 0; col < kScheduleColumns; ++col) header[col] = {Sjis(kHeaders[col]), CellColour::kFixed};
  grid.rows.push_back(header);
  int count = std::clamp(model.raceCount, 0, kMaxRaces);
  for (int i = 0; i < count; ++i) {
    const RaceSlot& slot = model.slots[static_cast<size_t>(i)];
    std::string label = ScheduleRaceLabel(slot.race);
    grid.raceLabels.push_back(label);
    std::array<ScheduleCell, kScheduleColumns> row;
    row[0] = {label, CellColour::kToolTip};
    row[1] = {ClockText(PostTime(slot.race)), CellColour::kWhite};
    for (int s = 1; s <= kSnapshots; ++s) {
      row[2 * s] = {ClockText(slot.analysis.fetchTimes[s]), CellColour::kPlanned};
      row[2 * s + 1] = {ClockText(FetchedTime(slot.winOdds[s])), CellColour::kFetched};
    }
    grid.rows.push_back(row);
  }
  return grid;
}

FetchTally FetchCheckedRaces(AcquisitionContext& c, OddsWindowView& view, const std::vector<bool>& ticked) {
  FetchTally tally;
  if (std::find(ticked.begin(), ticked.end(), true) == ticked.end()) {
    c.ui.Beep();
    c.ui.Inform(NoRaceTickedText());
    return tally;
  }
  StreamHold hold(c.gate);
  if (!hold.acquired()) {
    view.SetProgressText(HeldBackText());
    tally.heldBack = true;
    return tally;
  }
  c.ui.SetBusy(true);
  int count = static_cast<int>(ticked.size());
  view.SetProgress(0, count);
  OddsFetchBatch batch(c, ReportMode::kDialog);
  for (int i = 0; i < count; ++i) {
    view.SetProgress(i + 1, count);
    c.ui.ProcessEvents();
    if (!ticked[static_cast<size_t>(i)] || i >= kMaxRaces) continue;
    const std::string& race = c.model.slots[static_cast<size_t>(i)].race;
    view.SetProgressText(Sjis("データ読込み中:") + CourseName(CourseCode(race)) + PadNumber(RaceNumberText(race)) +
                         "R");
    c.ui.ProcessEvents();
    batch.FetchRace(RaceKey(race), "", "", tally);
    if (batch.saveFailed()) break;
  }
  batch.Finish(tally);
  hold.Release();
  view.SetProgress(100, 100);
  c.ui.Beep();
  c.ui.Inform(FetchDoneText());
  return tally;
}

bool AutoOddsFetch::SetAutoFetch(bool checked) {
  if (!checked) {
    on_ = false;
    host_.SetScheduleTimerEnabled(false);
    host_.SetManualFetchEnabled(true);
    return false;
  }
  auto fail = [&](const std::string& text) {
    c_.ui.Beep();
    c_.ui.Inform(text);
    host_.SetAutoFetchChecked(false);
    return false;
  };
  std::string day = Trim(host_.DayText());
  if (day.empty()) return fail(NoDayText());
  if (day != DayNameOf(c_.clock.Now())) return fail(NotTodayText());
  if (HasProvisionalCard(c_.model)) return fail(CardNotFinalText());
  for (auto& flags : queuedTimes_) flags.fill(false);
  on_ = true;
  host_.SetScheduleTimerEnabled(true);
  host_.SetManualFetchEnabled(false);
  return true;
}

std::vector<std::string> AutoOddsFetch::OnScheduleTick() {
  std::vector<std::string> workList;
  if (IsBlank(host_.DayText())) return workList;
  DateTime t = c_.clock.Now();
  std::string now = Format("%02d%02d", t.hour, t.minute);
  int delay = ReadFetchDelay(c_.settings);
  if (delay > 0) now = AddMinutes(now, -delay);
  for (int i = 0; i < kMaxRaces; ++i) {
    const RaceSlot& slot = c_.model.slots[static_cast<size_t>(i)];
    auto& flags = queuedTimes_[static_cast<size_t>(i)];
    bool due = false;
    int first = -1;
    for (int k = 1; k <= kSnapshots; ++k) {
      std::string planned = Trim(slot.analysis.fetchTimes[k]);
      if (planned.empty() || planned != now) continue;
      if (first < 0) first = k;
      if (!flags[static_cast<size_t>(k - 1)]) due = true;
    }
    if (!due) continue;
    // The flag of the first matching time, as planned: with two equal times
    // the second tick of that minute queues the race once more.
    flags[static_cast<size_t>(first - 1)] = true;
    workList.push_back(RaceKey(slot.race));
  }
  if (!workList.empty() || (!fetcher_.pending().empty() && !c_.gate.busy())) fetcher_.FetchQueuedRaces(workList);
  return workList;
}

int ReadFetchDelay(const Settings& settings) { return settings.ReadInteger(setting::kFetchDelay); }

int ReadResultInterval(const Settings& settings) { return settings.ReadInteger(setting::kResultInterval); }

bool StoreFetchDelay(Settings& settings, int minutes) { return settings.WriteInteger(setting::kFetchDelay, minutes); }

bool StoreResultInterval(Settings& settings, int minutes) {
  return settings.WriteInteger(setting::kResultInterval, minutes);
}

}  // namespace tw

#undef TW_TEXT
