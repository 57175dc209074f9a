#include "analysis/race_day_texts.h"

#include "codes/courses.h"
#include "codes/numbers.h"
#include "records/odds_record.h"
#include "records/race_record.h"
#include "records/record_header.h"
#include "text/fields.h"
#include "text/sjis.h"

namespace tw {

std::string RaceListEntryText(const std::string& race) {
  static const std::string kMeeting = Sjis("回 ");
  static const std::string kDay = Sjis("日");
  // Built by appending: every race of the day adds one entry per load.
  std::string text = CourseGroupName(CourseCode(race));
  text += PadNumber(MeetingNumber(race));
  text += kMeeting;
  text += PadNumber(MeetingDay(race));
  text += kDay;
  text += PadNumber(RaceNumberText(race));
  text += 'R';
  return text;
}

RaceHeaderTexts RaceHeader(const std::string& race) {
  static const std::string kYear = Sjis("年");
  static const std::string kMonth = Sjis("月");
  static const std::string kDay = Sjis("日");
  static const std::string kMeeting = Sjis("回");
  static const std::string kRunners = Sjis("頭");
  static const std::string kHour = Sjis("時");
  static const std::string kPost = Sjis("分発走");
  RaceHeaderTexts t;
  t.dateLine = RaceYear(race) + kYear + RaceMonth(race) + kMonth + RaceDayOfMonth(race) + kDay +
               CourseName(CourseCode(race)) + MeetingNumber(race) + kMeeting + MeetingDay(race) + kDay;
  t.raceLine = PadNumber(RaceNumberText(race)) + "R";
  t.fieldLine = PadNumber(RunnerCountText(race)) + kRunners;
  t.postLine = PostHour(race) + kHour + PostMinute(race) + kPost;
  return t;
}

std::string SnapshotTimeText(const std::string& odds) {
  static const std::string kHour = Sjis("時");
  static const std::string kMinute = Sjis("分");
  std::string hour = AnnouncementHour(odds);
  if (IsBlank(hour)) return {};
  hour += kHour;
  hour += AnnouncementMinute(odds);
  hour += kMinute;
  return hour;
}

int SnapshotCountOf(const RaceSlot& slot) {
  for (int s = kSnapshots; s >= 1; --s) {
    if (HoldsSnapshot(slot.winOdds[s])) return s;
  }
  return 0;
}

}  // namespace tw
