#include "view/day_clock.h"

#include <optional>
#include <vector>

#include "codes/courses.h"
#include "codes/numbers.h"
#include "records/race_record.h"
#include "records/record_header.h"
#include "text/fields.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {

namespace {

std::string RaceLabel(const std::string& race) {
  return CourseName(CourseCode(race)) + PadNumber(RaceNumberText(race)) + "R";
}

// Minutes since midnight of an hhmm text; nullopt when it is none.
std::optional<int> MinutesOf(const std::string& hhmm) {
  if (hhmm.size() != 4 || !AllDigits(hhmm)) return std::nullopt;
  const int h = static_cast<int>(IntValue(hhmm.substr(0, 2))), m = static_cast<int>(IntValue(hhmm.substr(2)));
  if (h > 23 || m > 59) return std::nullopt;
  return h * 60 + m;
}

bool IsToday(const RaceDayModel& model, const DateTime& now) {
  const std::string today = Format("%04d%02d%02d", now.year, now.month, now.day);
  for (int i = 0; i < model.raceCount && i < kMaxRaces; ++i) {
    const std::string& race = model.slots[static_cast<size_t>(i)].race;
    if (!IsBlank(race)) return RaceKey(race).substr(0, 8) == today;
  }
  return false;
}

std::string NextFetchText(const RaceDayModel& model, int nowMinute, int delayMinutes, bool autoFetchOn) {
  int next = 24 * 60;
  std::vector<std::string> labels;
  for (int i = 0; i < model.raceCount && i < kMaxRaces; ++i) {
    const RaceSlot& slot = model.slots[static_cast<size_t>(i)];
    if (IsBlank(slot.race)) continue;
    for (int k = 1; k <= kSnapshots; ++k) {
      const std::optional<int> planned = MinutesOf(Trim(slot.analysis.fetchTimes[k]));
      if (!planned) continue;
      const int at = *planned + delayMinutes;
      if (at <= nowMinute || at > next) continue;
      if (at < next) labels.clear();
      next = at;
      if (labels.empty() || labels.back() != RaceLabel(slot.race)) labels.push_back(RaceLabel(slot.race));
    }
  }
  if (labels.empty()) return Sjis("本日のｵｯｽﾞ取得予定は終わりました");
  std::string text = Sjis("次のｵｯｽﾞ取得 ") + Format("%02d:%02d ", next / 60, next % 60) + labels.front();
  if (labels.size() > 1) text += Sjis(" ほか") + std::to_string(labels.size() - 1) + Sjis("レース");
  if (!autoFetchOn) text += Sjis("（自動取得オフ）");
  return text;
}

std::string CountdownText(const std::string& race, const DateTime& now) {
  const std::optional<int> post = MinutesOf(PostTime(race));
  if (!post) return {};
  const int left = *post * 60 - ((now.hour * 60 + now.minute) * 60 + now.second);
  std::string text = RaceLabel(race) + Sjis(" 発走");
  if (left <= 0) return text + Format(" %02d:%02d", *post / 60, *post % 60) + Sjis("（発走時刻を過ぎました）");
  text += Sjis("まで ");
  if (left >= 3600) text += std::to_string(left / 3600) + Sjis("時間");
  return text + Format("%02d", left / 60 % 60) + Sjis("分") + Format("%02d", left % 60) + Sjis("秒");
}

}  // namespace

DayClockTexts MakeDayClockTexts(const RaceDayModel& model, int selectedRace, const DateTime& now, int delayMinutes,
                                bool autoFetchOn) {
  DayClockTexts texts;
  if (!IsToday(model, now)) return texts;
  texts.nextFetch = NextFetchText(model, now.hour * 60 + now.minute, delayMinutes, autoFetchOn);
  if (selectedRace >= 0 && selectedRace < model.raceCount && selectedRace < kMaxRaces) {
    const std::string& race = model.slots[static_cast<size_t>(selectedRace)].race;
    if (!IsBlank(race)) texts.postCountdown = CountdownText(race, now);
  }
  return texts;
}

}  // namespace tw
