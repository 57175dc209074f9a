#include "view/odds_schedule_grid.h"

#include <algorithm>

#include "codes/courses.h"
#include "codes/numbers.h"
#include "records/odds_record.h"
#include "records/race_record.h"
#include "records/record_header.h"
#include "text/fields.h"
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
  for (int col = 0; col < kScheduleColumns; ++col)
    header[col] = {Sjis(kHeaders[col]), colour::kWhite, SystemBackground::kFixedRow};
  grid.rows.push_back(header);
  int count = std::clamp(model.raceCount, 0, kMaxRaces);
  for (int i = 0; i < count; ++i) {
    const RaceSlot& slot = model.slots[static_cast<size_t>(i)];
    std::string label = ScheduleRaceLabel(slot.race);
    grid.raceLabels.push_back(label);
    std::array<ScheduleCell, kScheduleColumns> row;
    row[0] = {label, colour::kWhite, SystemBackground::kToolTip};
    row[1] = {ClockText(PostTime(slot.race))};
    for (int s = 1; s <= kSnapshots; ++s) {
      row[2 * s] = {ClockText(slot.analysis.fetchTimes[s]), kPlannedTimeColour};
      row[2 * s + 1] = {ClockText(FetchedTime(slot.winOdds[s])), kFetchedTimeColour};
    }
    grid.rows.push_back(row);
  }
  return grid;
}

}  // namespace tw

#undef TW_TEXT
